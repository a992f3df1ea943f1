#pragma once

// The bits of a 1-bit image (and of a 1-bit bitmap row): pixel i is bit i,
// counted from the most significant bit of byte i / 8; rows run on from
// one to the next without padding.

#include <cstddef>
#include <cstdint>

inline std::uint8_t MaskBitOf(std::size_t index)
{
    return static_cast<std::uint8_t>(0x80u >> (index % 8));
}

inline bool IsMaskBitSet(const std::uint8_t* bits, std::size_t index)
{
    return (bits[index / 8] & MaskBitOf(index)) != 0;
}

inline void SetMaskBit(std::uint8_t* bits, std::size_t index, bool set)
{
    if (set)
        bits[index / 8] |= MaskBitOf(index);
    else
        bits[index / 8] &= static_cast<std::uint8_t>(~MaskBitOf(index));
}
