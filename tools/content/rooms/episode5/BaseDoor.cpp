#include "rooms/episode5/BaseDoor.h"

#include "SceneShapes.h"
#include "SpriteArt.h"
#include "items/DoorArt.h"

#include <algorithm>

namespace content::rooms::moonbase {

void HazardBand(cairo_t* cairo, double left, double top, double right, double bottom, double line)
{
    cairo_save(cairo);
    cairo_rectangle(cairo, left, top, right - left, bottom - top);
    cairo_clip(cairo);
    SetColour(cairo, colour::acid);
    cairo_paint(cairo);
    const double rise = bottom - top;
    const double step = rise * 1.4;
    for (double x = left - rise; x < right; x += 2.0 * step) {
        cairo_move_to(cairo, x, bottom);
        cairo_line_to(cairo, x + step, bottom);
        cairo_line_to(cairo, x + step + rise, top);
        cairo_line_to(cairo, x + rise, top);
        cairo_close_path(cairo);
    }
    FillPlain(cairo, violetDark);
    cairo_restore(cairo);
    cairo_rectangle(cairo, left, top, right - left, bottom - top);
    StrokeOutline(cairo, line);
}

void BaronCrest(cairo_t* cairo, double x, double y, double size, double line)
{
    cairo_move_to(cairo, x - size, y - size);
    cairo_line_to(cairo, x + size, y - size);
    cairo_line_to(cairo, x + size, y + size * 0.3);
    cairo_curve_to(cairo, x + size, y + size, x, y + size * 1.3, x, y + size * 1.3);
    cairo_curve_to(cairo, x, y + size * 1.3, x - size, y + size, x - size, y + size * 0.3);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xFFD86A, 0xC8902A, line);
    DrawArtText(cairo, "B", x, y + size * 0.6, size * 1.5, colour::banner);
}

namespace {

// The opening's outline: upright sides and chamfered upper corners.
void OpeningPath(cairo_t* cairo, double left, double top, double right, double bottom, double chamfer)
{
    cairo_move_to(cairo, left, bottom);
    cairo_line_to(cairo, left, top + chamfer);
    cairo_line_to(cairo, left + chamfer, top);
    cairo_line_to(cairo, right - chamfer, top);
    cairo_line_to(cairo, right, top + chamfer);
    cairo_line_to(cairo, right, bottom);
    cairo_close_path(cairo);
}

// A corridor of the base: violet walls running away to a far door, a
// steel floor and an acid strip light along the ceiling.
void Corridor(cairo_t* cairo, double width, double height)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, height);
    SetVerticalGradient(cairo, 0.0, height, violetDark, 0x2A2058);
    cairo_fill(cairo);
    const double farLeft = width * 0.3;
    const double farRight = width * 0.7;
    const double farTop = height * 0.28;
    const double farBottom = height * 0.7;
    cairo_move_to(cairo, 0.0, height);
    cairo_line_to(cairo, farLeft, farBottom);
    cairo_line_to(cairo, farRight, farBottom);
    cairo_line_to(cairo, width, height);
    cairo_close_path(cairo);
    SetVerticalGradient(cairo, farBottom, height, steelDark, colour::steel);
    cairo_fill(cairo);
    cairo_rectangle(cairo, farLeft, farTop, farRight - farLeft, farBottom - farTop);
    SetVerticalGradient(cairo, farTop, farBottom, colour::violet, violetDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 1.5);
    cairo_move_to(cairo, width * 0.5, farTop + 2.0);
    cairo_line_to(cairo, width * 0.5, farBottom);
    StrokeOutline(cairo, 1.2);
    // The strip light and its glow on the floor.
    cairo_move_to(cairo, width * 0.1, height * 0.06);
    cairo_line_to(cairo, width * 0.42, farTop - 4.0);
    cairo_move_to(cairo, width * 0.9, height * 0.06);
    cairo_line_to(cairo, width * 0.58, farTop - 4.0);
    StrokeBand(cairo, lampGlow, 3.0, 5.0);
    Glow(cairo, width * 0.5, height * 0.85, width * 0.6, colour::acid, 0.3);
}

// The landing pad seen from the airlock: the black sky with stars and the
// dome's ribs over the pad's grey steel and its acid marking.
void LandingPadView(cairo_t* cairo, double width, double height)
{
    const double horizon = height * 0.62;
    DrawStarfield(cairo, 0.0, 0.0, width, horizon, 51);
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, tone::steelLight, 0.35);
    for (const double x : {0.25, 0.75}) {
        cairo_move_to(cairo, width * x, 0.0);
        cairo_curve_to(cairo, width * (x - 0.1), horizon * 0.5, width * (x - 0.2), horizon * 0.8, width * (x - 0.25),
                       horizon);
    }
    cairo_stroke(cairo);
    cairo_rectangle(cairo, 0.0, horizon, width, height - horizon);
    SetVerticalGradient(cairo, horizon, height, 0x7A7E94, colour::steel);
    cairo_fill(cairo);
    Ellipse(cairo, width * 0.5, height * 0.86, width * 0.6, height * 0.07);
    SetColour(cairo, colour::acid, 0.8);
    cairo_set_line_width(cairo, 3.0);
    cairo_stroke(cairo);
}

} // namespace

RoomGraphic BaseDoor(const std::string& name, int left, int top, int width, int height, DoorView view)
{
    const double w = width;
    const double h = height;
    // The frame's jambs and lintel, scaled with the door.
    const double jamb = std::clamp(w * 0.12, 10.0, 22.0);
    const double lintel = std::clamp(h * 0.1, 18.0, 32.0);
    const double chamfer = std::clamp(w * 0.14, 8.0, 24.0);
    const double inLeft = jamb;
    const double inRight = w - jamb;
    const double inTop = lintel;
    const double inBottom = h - 2.0;
    const double middle = w / 2.0;
    return {name, left, top, width, height, items::doorFrames, [=](cairo_t* cairo, int frame) {
                const double opening = items::DoorOpening(frame);
                const double shift = opening * (inRight - inLeft) / 2.0;
                // The frame: steel round the opening, striped on the jambs'
                // feet, the lintel over it.
                RoundedRectangle(cairo, 1.5, 1.5, w - 3.0, h - 3.0, 6.0);
                FillOutlined(cairo, tone::steelLight, steelDark, 3.0);
                for (const double x : {jamb * 0.5, w - jamb * 0.5}) {
                    for (double y = inTop + 20.0; y < h - 30.0; y += 34.0) {
                        Circle(cairo, x, y, 1.8);
                        FillPlain(cairo, steelDark, 0.8);
                    }
                }
                HazardBand(cairo, 5.0, h - 28.0, jamb - 3.0, h - 4.0, 1.5);
                HazardBand(cairo, w - jamb + 3.0, h - 28.0, w - 5.0, h - 4.0, 1.5);

                // What lies beyond, then the leaves, clipped to the opening.
                cairo_save(cairo);
                OpeningPath(cairo, inLeft, inTop, inRight, inBottom, chamfer);
                cairo_clip(cairo);
                cairo_save(cairo);
                cairo_translate(cairo, inLeft, inTop);
                if (view == DoorView::landingPad)
                    LandingPadView(cairo, inRight - inLeft, inBottom - inTop);
                else
                    Corridor(cairo, inRight - inLeft, inBottom - inTop);
                cairo_restore(cairo);
                const double leafWidth = middle - inLeft;
                for (const double side : {-1.0, 1.0}) {
                    const double leafLeft = side < 0.0 ? inLeft - shift : middle + shift;
                    const double leafRight = leafLeft + leafWidth;
                    if (leafRight <= inLeft + 1.0 || leafLeft >= inRight - 1.0)
                        continue;
                    cairo_rectangle(cairo, leafLeft, inTop - 4.0, leafWidth, inBottom - inTop + 8.0);
                    SetGradient(cairo, cairo_pattern_create_linear(leafLeft, 0.0, leafRight, 0.0),
                                {{0.0, colour::steel}, {0.35, tone::steelLight}, {1.0, colour::steel}});
                    cairo_fill_preserve(cairo);
                    StrokeOutline(cairo, 3.0);
                    // The violet panel with its ribs and a slot of a window.
                    const double panelLeft = leafLeft + leafWidth * 0.18;
                    const double panelRight = leafRight - leafWidth * 0.18;
                    const double panelTop = inTop + (inBottom - inTop) * 0.3;
                    const double panelBottom = inBottom - (inBottom - inTop) * 0.16;
                    RoundedRectangle(cairo, panelLeft, panelTop, panelRight - panelLeft, panelBottom - panelTop, 4.0);
                    FillOutlined(cairo, colour::violet, violetDark, 2.0);
                    for (double y = panelTop + 18.0; y < panelBottom - 10.0; y += 18.0) {
                        cairo_move_to(cairo, panelLeft + 4.0, y);
                        cairo_line_to(cairo, panelRight - 4.0, y);
                    }
                    SetColour(cairo, tone::violetLight, 0.5);
                    cairo_set_line_width(cairo, 2.0);
                    cairo_stroke(cairo);
                    const double slotTop = inTop + (inBottom - inTop) * 0.1;
                    RoundedRectangle(cairo, panelLeft, slotTop, panelRight - panelLeft, (inBottom - inTop) * 0.12, 4.0);
                    FillOutlined(cairo, lampGlow, colour::acid, 2.0);
                    Shine(cairo, panelLeft + 5.0, slotTop + 6.0, panelLeft + 12.0, slotTop + 4.0, 2.5, 0.7);
                    HazardBand(cairo, leafLeft + 2.0, inBottom - (inBottom - inTop) * 0.1, leafRight - 2.0,
                               inBottom - 2.0, 1.5);
                    // The seal where the leaves meet.
                    const double edge = side < 0.0 ? leafRight - 3.0 : leafLeft + 3.0;
                    cairo_move_to(cairo, edge, inTop);
                    cairo_line_to(cairo, edge, inBottom);
                    StrokeBand(cairo, steelDark, 2.0, 4.0);
                }
                cairo_restore(cairo);
                OpeningPath(cairo, inLeft, inTop, inRight, inBottom, chamfer);
                StrokeOutline(cairo, 3.0);

                // The lintel with its lamp: red while shut, green once open.
                RoundedRectangle(cairo, 4.0, 4.0, w - 8.0, lintel - 8.0, 4.0);
                FillOutlined(cairo, colour::steel, steelDark, 2.0);
                const double lamp = std::min(lintel * 0.22, 7.0);
                const std::uint32_t light = opening > 0.5 ? colour::acid : alarmRed;
                Glow(cairo, middle, lintel / 2.0, lamp * 3.0, light, 0.5);
                Circle(cairo, middle, lintel / 2.0, lamp);
                FillOutlined(cairo, opening > 0.5 ? tone::acidLight : 0xFF9A9A, light, 1.5);
            }};
}

} // namespace content::rooms::moonbase
