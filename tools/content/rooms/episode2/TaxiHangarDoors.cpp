#include "TaxiHangarDoors.h"

#include "SceneShapes.h"
#include "ShipStyle.h"
#include "SpriteArt.h"
#include "items/DoorArt.h"

namespace content::rooms {

namespace {

// The terminal's hall seen through a door of `width` x `height`: a warm lit
// wall with a band of windows, the tiled floor and a bench's back.
void TerminalView(cairo_t* cairo, double width, double height)
{
    const double floorY = height * 0.72;
    cairo_rectangle(cairo, 0.0, 0.0, width, floorY);
    SetVerticalGradient(cairo, 0.0, floorY, colour::cream, 0xF2D7A6);
    cairo_fill(cairo);
    cairo_rectangle(cairo, 0.0, height * 0.18, width, height * 0.16);
    SetVerticalGradient(cairo, height * 0.18, height * 0.34, 0x7FD3E6, colour::turquoise);
    cairo_fill(cairo);
    cairo_rectangle(cairo, 0.0, floorY, width, height - floorY);
    SetVerticalGradient(cairo, floorY, height, 0xC9B58E, 0xA08C6A);
    cairo_fill(cairo);
    cairo_set_line_width(cairo, 1.5);
    SetColour(cairo, colour::outline, 0.35);
    for (double x = -width; x < 2.0 * width; x += width / 3.0) {
        cairo_move_to(cairo, width / 2.0 + (x - width / 2.0) * 0.4, floorY);
        cairo_line_to(cairo, x, height);
    }
    cairo_move_to(cairo, 0.0, floorY);
    cairo_line_to(cairo, width, floorY);
    cairo_stroke(cairo);
    RoundedRectangle(cairo, width * 0.15, floorY - height * 0.12, width * 0.5, height * 0.1, 4.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 2.0);
    Glow(cairo, width * 0.5, height * 0.3, width * 0.8, tone::white, 0.5);
}

// The glass door: the hall behind, then two leaves with steel frames whose
// glass lets it show through, sliding outwards.
void GlassDoor(cairo_t* cairo, int frame, double width, double height)
{
    const double fanlight = 34.0;
    const double leafHeight = height - fanlight;
    const double shift = items::DoorOpening(frame) * (width / 2.0 - 8.0);
    cairo_save(cairo);
    cairo_rectangle(cairo, 0.0, fanlight, width, leafHeight);
    cairo_clip(cairo);
    cairo_save(cairo);
    cairo_translate(cairo, 0.0, fanlight);
    TerminalView(cairo, width, leafHeight);
    cairo_restore(cairo);
    for (const double side : {-1.0, 1.0}) {
        const double left = side < 0.0 ? -shift : width / 2.0 + shift;
        const double leaf = width / 2.0;
        RoundedRectangle(cairo, left + 3.0, fanlight + 3.0, leaf - 6.0, leafHeight - 2.0, 4.0);
        cairo_rectangle(cairo, left + 12.0, fanlight + 14.0, leaf - 24.0, leafHeight - 34.0);
        cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_EVEN_ODD);
        SetVerticalGradient(cairo, fanlight, height, tone::steelLight, colour::steel);
        cairo_fill_preserve(cairo);
        cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_WINDING);
        StrokeOutline(cairo, 2.5);
        // The glass: a faint teal sheen with a streak of reflection.
        cairo_rectangle(cairo, left + 12.0, fanlight + 14.0, leaf - 24.0, leafHeight - 34.0);
        FillPlain(cairo, colour::tealLight, 0.22);
        cairo_move_to(cairo, left + 16.0, fanlight + 60.0);
        cairo_line_to(cairo, left + 30.0, fanlight + 18.0);
        cairo_line_to(cairo, left + 38.0, fanlight + 18.0);
        cairo_line_to(cairo, left + 16.0, fanlight + 84.0);
        cairo_close_path(cairo);
        FillPlain(cairo, tone::white, 0.45);
        // The handle bar beside the middle.
        const double handleX = side < 0.0 ? left + leaf - 9.0 : left + 9.0;
        cairo_move_to(cairo, handleX, fanlight + leafHeight * 0.42);
        cairo_line_to(cairo, handleX, fanlight + leafHeight * 0.62);
        StrokeBand(cairo, colour::orangeLight, 3.0, 6.0);
    }
    cairo_restore(cairo);
    // The fanlight with the terminal's name stays put.
    RoundedRectangle(cairo, 1.5, 1.5, width - 3.0, fanlight, 6.0);
    FillOutlined(cairo, colour::teal, 0x0F6462, 3.0);
    DrawArtText(cairo, "TERMINAL", width / 2.0, fanlight - 10.0, 14.0, colour::cream);
    cairo_rectangle(cairo, 1.5, fanlight, width - 3.0, leafHeight - 1.5);
    StrokeOutline(cairo, 3.0);
}

// The hangar's door: a leaf with a porthole and warning stripes at its
// foot, sliding left into the wall and leaving the lit hall in its frame.
void SteelDoor(cairo_t* cairo, int frame, double width, double height)
{
    const double shift = items::DoorOpening(frame) * (width - 10.0);
    const auto opening = [&] { RoundedRectangle(cairo, 0.0, 0.0, width, height, 10.0); };
    cairo_save(cairo);
    opening();
    cairo_clip(cairo);
    TerminalView(cairo, width, height);
    const double left = -shift;
    cairo_rectangle(cairo, left - 3.0, -3.0, width + 6.0, height + 6.0);
    FillOutlined(cairo, 0x7E8CA4, 0x56647E, 3.0);
    ship::DrawTrim(cairo, left + 10.0, 12.0, width - 20.0, height - 24.0, 8.0, tone::steelLight, 0.5, 2.0);
    ship::DrawPorthole(cairo, left + width / 2.0, 66.0, 22.0);
    RoundedRectangle(cairo, left + width - 22.0, height * 0.5, 10.0, 36.0, 4.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.0);
    cairo_save(cairo);
    cairo_rectangle(cairo, left, height - 26.0, width, 22.0);
    cairo_clip(cairo);
    for (double x = left - 20.0; x < left + width; x += 20.0) {
        cairo_move_to(cairo, x, height - 4.0);
        cairo_line_to(cairo, x + 12.0, height - 26.0);
        cairo_line_to(cairo, x + 22.0, height - 26.0);
        cairo_line_to(cairo, x + 10.0, height - 4.0);
        cairo_close_path(cairo);
    }
    FillPlain(cairo, colour::orangeLight, 0.95);
    cairo_restore(cairo);
    cairo_move_to(cairo, left + width, 0.0);
    cairo_line_to(cairo, left + width, height);
    StrokeOutline(cairo, 3.0);
    cairo_restore(cairo);
    opening();
    StrokeOutline(cairo, 3.0);
}

} // namespace

RoomGraphic TerminalGlassDoor(const std::string& name, int x, int y, int width, int height)
{
    return {name, x, y, width, height, items::doorFrames, [width, height](cairo_t* cairo, int frame) {
                GlassDoor(cairo, frame, width, height);
            }};
}

RoomGraphic HangarSlidingDoor(const std::string& name, int x, int y, int width, int height)
{
    return {name, x, y, width, height, items::doorFrames, [width, height](cairo_t* cairo, int frame) {
                SteelDoor(cairo, frame, width, height);
            }};
}

} // namespace content::rooms
