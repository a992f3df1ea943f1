#include "items/ItemIcon.h"

#include "SceneShapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace content::items {

namespace {

// The part of the item's first frame that is mostly opaque: a glow or a
// shadow round the thing does not count when it is made to fit.
struct Bounds {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
};

Bounds SolidBounds(const ItemPicture& item)
{
    Picture picture(item.width, item.height);
    item.draw(picture.Cairo(), 0);
    int left = item.width;
    int top = item.height;
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < item.height; ++y) {
        for (int x = 0; x < item.width; ++x) {
            if ((picture.Pixel(x, y) >> 24) < 128)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {0.0, 0.0, static_cast<double>(item.width), static_cast<double>(item.height)};
    return {static_cast<double>(left), static_cast<double>(top), static_cast<double>(right + 1 - left),
            static_cast<double>(bottom + 1 - top)};
}

// Draws the item's first frame scaled so that its solid part fits a box of
// `boxWidth` x `boxHeight` centred on (x, y), never larger than `largest`
// times its size; turned by `angle` first (then the turned part's bounds
// must fit the box).
void DrawFitted(cairo_t* cairo, const ItemPicture& item, double x, double y, double boxWidth, double boxHeight,
                double largest, double angle = 0.0)
{
    const Bounds solid = SolidBounds(item);
    const double turnedWidth = std::abs(solid.width * std::cos(angle)) + std::abs(solid.height * std::sin(angle));
    const double turnedHeight = std::abs(solid.width * std::sin(angle)) + std::abs(solid.height * std::cos(angle));
    const double scale = std::min({boxWidth / turnedWidth, boxHeight / turnedHeight, largest});
    cairo_save(cairo);
    cairo_translate(cairo, x, y);
    cairo_rotate(cairo, angle);
    cairo_scale(cairo, scale, scale);
    cairo_translate(cairo, -(solid.x + solid.width / 2.0), -(solid.y + solid.height / 2.0));
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    item.draw(cairo, 0);
    cairo_restore(cairo);
}

} // namespace

Picture ItemIcon(const ItemPicture& item)
{
    Picture icon(iconWidth, iconHeight);
    cairo_t* cairo = icon.Cairo();
    // The middle of the field's face: halfway between its slanted sides
    // (x 48 to 179 at the top, 0.55 pixels further left each row) on row 37.
    constexpr double middleX = (48.0 + 179.0) / 2.0 - 0.55 * 37.0;
    constexpr double middleY = 37.0;
    Ellipse(cairo, middleX, middleY + 22.0, 40.0, 6.0);
    FillPlain(cairo, colour::nightDeep, 0.35);
    // A glow round the item stays on the field's face, inside its rim.
    constexpr double inset = 5.0;
    cairo_move_to(cairo, 48.0 + inset - 0.55 * (inset - 1.0), inset);
    cairo_line_to(cairo, 179.0 - inset - 0.55 * (inset - 1.0), inset);
    cairo_line_to(cairo, 179.0 - inset - 0.55 * (74.0 - inset), 75.0 - inset);
    cairo_line_to(cairo, 48.0 + inset - 0.55 * (74.0 - inset), 75.0 - inset);
    cairo_close_path(cairo);
    cairo_clip(cairo);
    DrawFitted(cairo, item, middleX, middleY, 96.0, 52.0, 1.8);
    return icon;
}

Picture ItemCursor(const ItemPicture& item)
{
    Picture cursor(cursorWidth, cursorHeight);
    cairo_t* cairo = cursor.Cairo();
    constexpr double centreX = cursorWidth / 2.0;
    constexpr double badgeY = 28.0;
    constexpr double badgeRadius = 26.0;
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cairo);
    cairo_arc(cairo, centreX, badgeY, badgeRadius, std::numbers::pi * 0.72, std::numbers::pi * 2.28);
    cairo_line_to(cairo, centreX, cursorHeight - 1.5);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
    Circle(cairo, centreX, badgeY, badgeRadius - 5.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 2.0);
    Circle(cairo, centreX, badgeY, badgeRadius - 6.0);
    cairo_clip(cairo);
    // A long thing lies across the badge diagonally, where it has the most room.
    const bool longThing = item.width > 1.8 * item.height;
    DrawFitted(cairo, item, centreX, badgeY, 37.0, 37.0, 1.2, longThing ? -std::numbers::pi / 4.0 : 0.0);
    return cursor;
}

} // namespace content::items
