#pragma once

// Little-endian fields written into file bytes that tests build or damage.

#include <cstddef>
#include <cstdint>
#include <string>

// Grows the bytes when the field reaches past their end.
inline void PutUint32(std::string& bytes, std::size_t offset, std::uint32_t value)
{
    if (bytes.size() < offset + 4)
        bytes.resize(offset + 4);
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

inline void PutUint16(std::string& bytes, std::size_t offset, std::uint16_t value)
{
    bytes[offset] = static_cast<char>(value);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}
