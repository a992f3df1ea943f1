// The small shared pieces: the pointer, the arrows of choice items, the
// speech bubble, the shadow under characters, the frame that marks the
// savegame slot under the pointer and the marker of a hotspot.

#include "SharedSpriteParts.h"
#include "SceneShapes.h"
#include "ShipStyle.h"

#include <cairo.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace content::shared {

namespace {

constexpr double fullTurn = 2.0 * std::numbers::pi;

// The pointer: a pin in the ship's colours whose tip is the bottom centre of
// the picture, where the game puts the pointer's position. Its glass eye
// glows up and fades again over the frames.
constexpr int cursorFrames = 8;
constexpr int cursorWidth = 36;
constexpr int cursorHeight = 48;

Picture CursorFrame(int frame)
{
    constexpr double centreX = cursorWidth / 2.0;
    constexpr double headY = 18.0;
    constexpr double headRadius = 13.5;
    Picture picture(cursorWidth, cursorHeight);
    cairo_t* cairo = picture.Cairo();
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cairo);
    cairo_arc(cairo, centreX, headY, headRadius, std::numbers::pi * 0.78, std::numbers::pi * 2.22);
    cairo_line_to(cairo, centreX, cursorHeight - 2.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
    const double glow = 0.5 + 0.5 * std::sin(fullTurn * frame / cursorFrames);
    cairo_new_path(cairo);
    cairo_arc(cairo, centreX, headY, 6.0 + 1.5 * glow, 0.0, fullTurn);
    FillOutlined(cairo, colour::cream, colour::tealLight, 2.0);
    cairo_new_path(cairo);
    cairo_arc(cairo, centreX, headY, 3.0 + 1.5 * glow, 0.0, fullTurn);
    SetColour(cairo, colour::turquoise, 0.5 + 0.5 * glow);
    cairo_fill(cairo);
    cairo_new_path(cairo);
    cairo_arc(cairo, centreX, headY, headRadius - 4.0, std::numbers::pi * 1.1, std::numbers::pi * 1.4);
    SetColour(cairo, colour::cream, 0.85);
    cairo_set_line_width(cairo, 2.0);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cairo);
    return picture;
}

// An arrow of a choice item: a round orange button with a cream arrowhead,
// drawn centred on the arrow's position.
Picture MenuArrow(bool pointsLeft)
{
    constexpr int size = 30;
    constexpr double centre = size / 2.0;
    Picture picture(size, size);
    cairo_t* cairo = picture.Cairo();
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cairo);
    cairo_arc(cairo, centre, centre, centre - 2.0, 0.0, fullTurn);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
    cairo_new_path(cairo);
    Arrowhead(cairo, centre, centre, pointsLeft ? -1.0 : 1.0, 7.0, 5.0, 7.5);
    FillOutlined(cairo, colour::cream, colour::sand, 2.0);
    return picture;
}

// The speech bubble: a 128 x 128 frame whose 8-pixel corners and edges are
// drawn as they are and whose middle is stretched, so everything inside the
// edges is one flat colour and the corners' curves end before column and
// row 8, where the repeated edges begin; and the tail below it, whose tip touches the
// speaker's point at (22, 31) of the left tail and (2, 31) of the right one.
// The top rows of a tail lie under the frame's bottom edge.
constexpr std::uint32_t bubbleFill = colour::nightLight;
constexpr int bubbleSize = 128;
constexpr int tailWidth = 25;
constexpr int tailHeight = 32;

Picture BubbleFrame()
{
    Picture picture(bubbleSize, bubbleSize);
    cairo_t* cairo = picture.Cairo();
    cairo_new_path(cairo);
    RoundedRectangle(cairo, 1.5, 1.5, bubbleSize - 3.0, bubbleSize - 3.0, 6.0);
    FillOutlined(cairo, bubbleFill, bubbleFill, 3.0);
    ship::DrawTrim(cairo, 4.5, 4.5, bubbleSize - 9.0, bubbleSize - 9.0, 2.5, colour::tealLight, 1.0, 2.0);
    ship::MakeEdgesHard(picture);
    return picture;
}

Picture BubbleTail(bool bubbleOnLeft)
{
    Picture picture(tailWidth, tailHeight);
    cairo_t* cairo = picture.Cairo();
    if (!bubbleOnLeft) {
        // The right tail is the left one mirrored: x becomes 24 - x.
        cairo_translate(cairo, tailWidth - 1.0, 0.0);
        cairo_scale(cairo, -1.0, 1.0);
    }
    // Drawn for the bubble on the left, tip at the lower right.
    constexpr double tipX = 22.5;
    constexpr double tipY = 31.0;
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cairo);
    cairo_move_to(cairo, 0.5, -2.0);
    cairo_curve_to(cairo, 4.0, 16.0, 13.0, 25.0, tipX, tipY);
    cairo_curve_to(cairo, 21.0, 20.0, 21.5, 10.0, 22.0, -2.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, bubbleFill, bubbleFill, 3.0);
    ship::MakeEdgesHard(picture);
    return picture;
}

// The shadow under a character: a soft dark ellipse, darkest in the middle.
Picture Shadow()
{
    constexpr int width = 100;
    constexpr int height = 30;
    Picture picture(width, height);
    cairo_t* cairo = picture.Cairo();
    cairo_translate(cairo, width / 2.0, height / 2.0);
    cairo_scale(cairo, 1.0, static_cast<double>(height) / width);
    SetGradient(cairo, cairo_pattern_create_radial(0.0, 0.0, 0.0, 0.0, 0.0, width / 2.0 - 1.0),
                {{0.0, colour::outline, 0.55}, {0.6, colour::outline, 0.4}, {1.0, colour::outline, 0.0}});
    cairo_paint(cairo);
    return picture;
}

// The frame around the savegame slot under the pointer: an orange ring the
// size of a cell (256 x 128), clear inside so the slot's picture shows.
Picture SavegameMarker()
{
    constexpr double width = 256.0;
    constexpr double height = 128.0;
    Picture picture(static_cast<int>(width), static_cast<int>(height));
    cairo_t* cairo = picture.Cairo();
    cairo_new_path(cairo);
    RoundedRectangle(cairo, 5.0, 5.0, width - 10.0, height - 10.0, 10.0);
    ship::StrokeLitFrame(cairo);
    for (const double x : {14.0, width - 14.0})
        for (const double y : {14.0, height - 14.0})
            ship::DrawRivet(cairo, x, y, 4.0);
    return picture;
}

// The marker the hotspot key puts on everything the player can click: a
// soft teal glow with an orange ring and a cream eye, readable on the dark
// ship as on the bright beach.
Picture HotspotMarker()
{
    constexpr int size = 30;
    constexpr double centre = size / 2.0;
    Picture picture(size, size);
    cairo_t* cairo = picture.Cairo();
    SetGradient(cairo, cairo_pattern_create_radial(centre, centre, 0.0, centre, centre, centre),
                {{0.0, colour::tealLight, 0.7}, {0.7, colour::teal, 0.35}, {1.0, colour::teal, 0.0}});
    cairo_paint(cairo);
    cairo_new_path(cairo);
    cairo_arc(cairo, centre, centre, 8.5, 0.0, fullTurn);
    SetColour(cairo, colour::outline);
    cairo_set_line_width(cairo, 5.0);
    cairo_stroke_preserve(cairo);
    SetColour(cairo, colour::orangeLight);
    cairo_set_line_width(cairo, 2.5);
    cairo_stroke(cairo);
    cairo_arc(cairo, centre, centre, 3.0, 0.0, fullTurn);
    SetColour(cairo, colour::cream);
    cairo_fill(cairo);
    return picture;
}

} // namespace

bool WriteSmallSprites(SpriteFolder& output)
{
    output.Comment("Mauszeiger, Auswahlpfeile, Sprechblase, Schatten, Spielstandrahmen und Hotspot-Marke");
    std::vector<Picture> cursor;
    for (int frame = 0; frame < cursorFrames; ++frame)
        cursor.push_back(CursorFrame(frame));
    return output.AddAnim("cursor", cursor) && output.AddStatic("menu_arrow_left", MenuArrow(true)) &&
           output.AddStatic("menu_arrow_right", MenuArrow(false)) &&
           output.AddStatic("sprechblase_rect", BubbleFrame()) &&
           output.AddStatic("sprechblase_left", BubbleTail(true)) &&
           output.AddStatic("sprechblase_right", BubbleTail(false)) && output.AddStatic("shadow", Shadow()) &&
           output.AddStatic("savegame_marker", SavegameMarker()) &&
           output.AddStatic("hotspot_marker", HotspotMarker());
}

} // namespace content::shared
