#pragma once

// A grid of bytes, one per pixel of a room's map image, row-major with row 0
// at the top. Rooms keep two kinds:
//   walk area  0 blocked (black), 1 walkable, 2 lead cell: walkable and part
//              of the network the path finder uses for long walks (bluish:
//              blue above half of red plus green);
//   depth map  the pixel's grey value (r + g + b) / 3, black near the viewer.
// Cells outside the grid read as 0. A failed build leaves the map empty.

#include <cstdint>
#include <vector>

class Image;

class ByteMap {
public:
    static constexpr std::uint8_t blocked = 0;
    static constexpr std::uint8_t walkable = 1;
    static constexpr std::uint8_t lead = 2;

    // Builds a walk area from the image's colours; false (with a log line)
    // for an image without pixels.
    bool Init(const Image& image);
    // Builds a depth map from the image's grey values; false likewise.
    bool InitDepthMap(const Image& image);

    std::uint8_t Get(int x, int y) const
    {
        return IsInside(x, y) ? cells[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]
                              : 0;
    }
    bool IsInside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    bool IsEmpty() const { return cells.empty(); }
    // The cells, width * height bytes, row-major.
    const std::vector<std::uint8_t>& GetCells() const { return cells; }

    // Whether a walker gets from (x1, y1) toward (x2, y2) in a straight line:
    // the line is stepped cell by cell from the start (the end itself is not
    // tested) and is blocked where the 3 x 3 block around a step is all 0.
    // Both ends must lie inside the map (else a log line and false); equal
    // ends are walkable.
    bool CheckLine(int x1, int y1, int x2, int y2) const;
    // The first lead cell on the same stepping toward (x2, y2), the start
    // included, before the line is blocked; false when there is none or the
    // ends are equal. Ends may lie outside: cells there read as 0.
    bool FindLeadOnLine(int x1, int y1, int x2, int y2, int& leadX, int& leadY) const;

private:
    // What a line walk stopped at.
    enum class LineEnd { reachedEnd, blocked, foundLead };

    template <typename Classify>
    bool Build(const Image& image, const char* origin, Classify classify);
    // Steps from (x1, y1) toward (x2, y2); with `stopAtLead` it stops at the
    // first lead cell and leaves its position in (stopX, stopY).
    LineEnd WalkLine(int x1, int y1, int x2, int y2, bool stopAtLead, int& stopX, int& stopY) const;
    // Whether the 3 x 3 block around (x, y) holds no non-zero cell.
    bool IsBlockBlocked(int x, int y) const;

    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> cells;
};
