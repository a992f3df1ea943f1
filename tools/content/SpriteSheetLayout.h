#pragma once

// Where the gallery's sprite pages put things: a grid of cells below a
// header line, each cell a picture area over a caption, and inside the
// picture area the frames of a sprite side by side, scaled by one factor
// (never enlarged) so that they fit, centred.

#include <vector>

struct SheetBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const SheetBox&) const = default;
};

class SpriteSheetLayout {
public:
    // A page of `columns` x `rows` cells filling `grid`; the lowest
    // `captionHeight` rows of each cell are its caption, and `gap` pixels
    // separate cells and frames.
    SpriteSheetLayout(SheetBox grid, int columns, int rows, int captionHeight, int gap);

    int CellsPerPage() const { return columns * rows; }
    // Pages for that many labels (none for none).
    int PageCount(int labels) const;
    // The cell of a place on the page (0 at the top left, row by row).
    SheetBox Cell(int place) const;
    SheetBox PictureArea(int place) const;
    SheetBox CaptionArea(int place) const;

    // The rectangles of `shown` frames of frameWidth x frameHeight side by
    // side in `area`, `gap` apart: one scale for all (at most 1, at least
    // one pixel a side), the row centred. Empty for sizes below one.
    static std::vector<SheetBox> FitFrames(SheetBox area, int frameWidth, int frameHeight, int shown, int gap);

private:
    SheetBox grid;
    int columns;
    int rows;
    int captionHeight;
    int gap;
};
