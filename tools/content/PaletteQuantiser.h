#pragma once

// An 8-bit palette for a family of pictures (all the animations of one
// character), and the mapping of their pixels into it.
//
// Colours are gathered into a histogram of 6 bits a channel that keeps each
// cell's mean colour; the palette is cut from it by median cut (boxes split
// at the weighted median of their widest channel) and then refined by a few
// rounds of k-means over the cells. Index 0 is the transparent key,
// magenta, which the game's loader turns into transparent black; no other
// entry is magenta or near black, so the loader keeps every visible colour
// as it is.

#include <array>
#include <cstdint>
#include <vector>

namespace content {

class PaletteQuantiser {
public:
    static constexpr int keyIndex = 0;
    static constexpr std::uint32_t keyColour = 0xFF00FF;

    PaletteQuantiser();

    // Counts a visible pixel (0xRRGGBB) into the histogram.
    void Add(std::uint32_t rgb)
    {
        Cell& cell = cells[CellOf(rgb)];
        cell.red += (rgb >> 16) & 0xFF;
        cell.green += (rgb >> 8) & 0xFF;
        cell.blue += rgb & 0xFF;
        ++cell.count;
    }
    // Cuts the palette from everything added: at most 255 colours after the
    // key. Afterwards Index maps colours.
    void Build();

    // The palette entry nearest to a visible colour (never the key); worked
    // out once per histogram cell.
    std::uint8_t Index(std::uint32_t rgb) const
    {
        std::int16_t& index = nearest[CellOf(rgb)];
        if (index < 0)
            index = static_cast<std::int16_t>(Nearest(rgb));
        return static_cast<std::uint8_t>(index);
    }
    // 256 entries of 0xRRGGBB; entry 0 the key, unused entries the key too.
    const std::array<std::uint32_t, 256>& Colours() const { return colours; }
    int ColourCount() const { return colourCount; }

private:
    static constexpr int cellBits = 6;
    static int CellOf(std::uint32_t rgb)
    {
        return static_cast<int>(((rgb >> 18) & 0x3F) << 12 | ((rgb >> 10) & 0x3F) << 6 | ((rgb >> 2) & 0x3F));
    }
    struct Cell {
        std::uint64_t red = 0;
        std::uint64_t green = 0;
        std::uint64_t blue = 0;
        std::uint32_t count = 0;
    };

    int Nearest(std::uint32_t rgb) const;

    std::vector<Cell> cells;
    std::array<std::uint32_t, 256> colours{};
    int colourCount = 1;
    // The palette index of every cell, -1 until asked for.
    mutable std::vector<std::int16_t> nearest;
};

} // namespace content
