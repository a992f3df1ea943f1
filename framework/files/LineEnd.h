#pragma once

#include <algorithm>
#include <string>

// Removes a carriage return at the end of a line that has lost its line feed.
inline void RemoveCarriageReturn(std::string& line)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
}

// Removes the carriage return, then cuts the line to its bound.
inline void FinishLine(std::string& line, std::size_t maximumLength)
{
    RemoveCarriageReturn(line);
    if (line.size() > maximumLength)
        line.resize(maximumLength);
}

// Appends a piece of a line, keeping the line within its bound.
inline void AppendBounded(std::string& line, const char* piece, std::size_t length, std::size_t maximumLength)
{
    if (line.size() < maximumLength)
        line.append(piece, std::min(length, maximumLength - line.size()));
}
