#include "StringTokens.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

StringTokens::StringTokens(std::string_view line, std::string_view delimiters)
    : text(line)
{
    std::size_t position = 0;
    while (position < line.size()) {
        const std::size_t start = line.find_first_not_of(delimiters, position);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find_first_of(delimiters, start), line.size());
        tokens.emplace_back(line.substr(start, end - start));
        position = end;
    }
}

std::string_view StringTokens::Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

int StringTokens::ToInt(std::string_view token)
{
    const std::string copy(token);
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(copy.c_str(), &end, 10);
    if (end == copy.c_str())
        return -1;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

float StringTokens::ToFloat(std::string_view token)
{
    const std::string copy(token);
    char* end = nullptr;
    const float value = std::strtof(copy.c_str(), &end);
    return end == copy.c_str() ? 0.0f : value;
}

const std::string* StringTokens::TokenAt(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return &tokens[static_cast<std::size_t>(index)];
}

std::string StringTokens::NextString()
{
    return StringAt(cursor++);
}

int StringTokens::NextInt()
{
    return IntAt(cursor++);
}

float StringTokens::NextFloat()
{
    return FloatAt(cursor++);
}

bool StringTokens::NextBool()
{
    const std::string* token = TokenAt(cursor++);
    return token != nullptr && ToInt(*token) != 0;
}

std::string StringTokens::StringAt(int index) const
{
    const std::string* token = TokenAt(index);
    return token != nullptr ? *token : std::string();
}

int StringTokens::IntAt(int index) const
{
    const std::string* token = TokenAt(index);
    return token != nullptr ? ToInt(*token) : 0;
}

float StringTokens::FloatAt(int index) const
{
    const std::string* token = TokenAt(index);
    return token != nullptr ? ToFloat(*token) : 0.0f;
}
