#include "SpriteSheetLayout.h"

#include <algorithm>

SpriteSheetLayout::SpriteSheetLayout(SheetBox gridBox, int columnCount, int rowCount, int captionRows, int cellGap)
    : grid(gridBox), columns(std::max(columnCount, 1)), rows(std::max(rowCount, 1)), captionHeight(captionRows), gap(cellGap)
{
}

int SpriteSheetLayout::PageCount(int labels) const
{
    return labels <= 0 ? 0 : (labels + CellsPerPage() - 1) / CellsPerPage();
}

SheetBox SpriteSheetLayout::Cell(int place) const
{
    const int width = (grid.width - (columns - 1) * gap) / columns;
    const int height = (grid.height - (rows - 1) * gap) / rows;
    const int column = place % columns;
    const int row = place / columns;
    return {grid.x + column * (width + gap), grid.y + row * (height + gap), width, height};
}

SheetBox SpriteSheetLayout::PictureArea(int place) const
{
    SheetBox area = Cell(place);
    area.height = std::max(area.height - captionHeight, 0);
    return area;
}

SheetBox SpriteSheetLayout::CaptionArea(int place) const
{
    SheetBox area = Cell(place);
    const int pictureHeight = std::max(area.height - captionHeight, 0);
    area.y += pictureHeight;
    area.height -= pictureHeight;
    return area;
}

std::vector<SheetBox> SpriteSheetLayout::FitFrames(SheetBox area, int frameWidth, int frameHeight, int shown, int gap)
{
    const int room = area.width - (shown - 1) * gap;
    if (frameWidth < 1 || frameHeight < 1 || shown < 1 || room < shown || area.height < 1)
        return {};
    // The scale as a fraction numerator / denominator, the smallest of
    // room / (shown * frameWidth), area height / frameHeight and 1, so that
    // a frame that fits exactly keeps its exact size.
    long long numerator = 1;
    long long denominator = 1;
    const auto consider = [&](long long top, long long bottom) {
        if (top * denominator < numerator * bottom) {
            numerator = top;
            denominator = bottom;
        }
    };
    consider(room, static_cast<long long>(shown) * frameWidth);
    consider(area.height, frameHeight);
    const int width = static_cast<int>(std::max(1LL, frameWidth * numerator / denominator));
    const int height = static_cast<int>(std::max(1LL, frameHeight * numerator / denominator));
    const int rowWidth = shown * width + (shown - 1) * gap;
    const int left = area.x + (area.width - rowWidth) / 2;
    const int top = area.y + (area.height - height) / 2;
    std::vector<SheetBox> frames;
    for (int index = 0; index < shown; ++index)
        frames.push_back({left + index * (width + gap), top, width, height});
    return frames;
}
