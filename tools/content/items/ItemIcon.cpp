#include "items/ItemIcon.h"

#include "SceneShapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace content::items {

namespace {

// Draws the item's first frame scaled to fit a box of `boxWidth` x
// `boxHeight` centred on (x, y), never larger than `largest` times its size;
// turned by `angle` first (then the box is square and the turned picture's
// bounds must fit it).
void DrawFitted(cairo_t* cairo, const ItemPicture& item, double x, double y, double boxWidth, double boxHeight,
                double largest, double angle = 0.0)
{
    const double turnedWidth = std::abs(item.width * std::cos(angle)) + std::abs(item.height * std::sin(angle));
    const double turnedHeight = std::abs(item.width * std::sin(angle)) + std::abs(item.height * std::cos(angle));
    const double scale = std::min({boxWidth / turnedWidth, boxHeight / turnedHeight, largest});
    cairo_save(cairo);
    cairo_translate(cairo, x, y);
    cairo_rotate(cairo, angle);
    cairo_scale(cairo, scale, scale);
    cairo_translate(cairo, -item.width / 2.0, -item.height / 2.0);
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
    // A long thing lies across the badge diagonally, where it has the most room.
    const bool longThing = item.width > 1.8 * item.height;
    DrawFitted(cairo, item, centreX, badgeY, 37.0, 37.0, 1.2, longThing ? -std::numbers::pi / 4.0 : 0.0);
    return cursor;
}

} // namespace content::items
