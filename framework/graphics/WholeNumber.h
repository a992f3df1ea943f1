#pragma once

#include <charconv>
#include <cmath>
#include <string_view>
#include <type_traits>

// Reads a whole word of a data file as a decimal integer or a finite float
// (an optional plus sign allowed). Unlike sscanf it refuses words with
// anything after the number and numbers out of range, so the list readers
// can report such words instead of taking a part of them.
template <typename Number>
bool ParseWholeNumber(std::string_view word, Number& value)
{
    const char* begin = word.data() + (word.size() > 1 && word[0] == '+' ? 1 : 0);
    const char* end = word.data() + word.size();
    Number parsed{};
    const auto result = std::from_chars(begin, end, parsed);
    if (result.ec != std::errc() || result.ptr != end)
        return false;
    if constexpr (std::is_floating_point_v<Number>)
        if (!std::isfinite(parsed))
            return false;
    value = parsed;
    return true;
}
