#include "ShipInterior.h"

#include "SceneShapes.h"
#include "ShipStyle.h"
#include "SpriteArt.h"

namespace content::rooms {

void DrawShipWall(cairo_t* cairo, double width, double deckY)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, deckY);
    SetVerticalGradient(cairo, 0.0, deckY, 0x0F5E63, colour::teal);
    cairo_fill(cairo);
    const int columns = static_cast<int>(width / 170.0) + 1;
    for (int column = 0; column < columns; ++column) {
        const double x = 8.0 + column * 170.0;
        ship::DrawPlate(cairo, x, 14.0, 160.0, deckY * 0.42, 0x2AA7A0, 0x1A807C, 10.0);
        ship::DrawPlate(cairo, x, 24.0 + deckY * 0.42, 160.0, deckY * 0.58 - 34.0, 0x23978F, 0x166F6B, 10.0);
    }
    // The orange rail where the wall meets the deck.
    RoundedRectangle(cairo, -10.0, deckY - 16.0, width + 20.0, 18.0, 6.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
}

void DrawShipDeck(cairo_t* cairo, double width, double height, double deckY, double vanishX)
{
    cairo_rectangle(cairo, 0.0, deckY, width, height - deckY);
    SetVerticalGradient(cairo, deckY, height, 0x5B6F8A, 0x3E4C66);
    cairo_fill(cairo);
    const double vanishY = deckY - 500.0;
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.55);
    for (double x = -900.0; x <= width + 900.0; x += 110.0) {
        const double t = (deckY - vanishY) / (height - vanishY);
        cairo_move_to(cairo, vanishX + (x - vanishX) * t, deckY);
        cairo_line_to(cairo, x, height);
    }
    for (double step = 0.0; step < 6.0; step += 1.0) {
        const double y = deckY + (height - deckY) * (step * step) / 36.0 + 8.0;
        cairo_move_to(cairo, 0.0, y);
        cairo_line_to(cairo, width, y);
    }
    cairo_stroke(cairo);
    // A soft sheen down the middle of the deck.
    Glow(cairo, vanishX, deckY + (height - deckY) * 0.5, (height - deckY) * 0.9, tone::steelLight, 0.18);
}

void DrawPipe(cairo_t* cairo, double x0, double y0, double x1, double y1, double thickness)
{
    cairo_move_to(cairo, x0, y0);
    cairo_line_to(cairo, x1, y1);
    StrokeBand(cairo, colour::steel, thickness, thickness + 5.0);
    cairo_move_to(cairo, x0, y0 - thickness * 0.2);
    cairo_line_to(cairo, x1, y1 - thickness * 0.2);
    cairo_set_line_width(cairo, thickness * 0.25);
    SetColour(cairo, tone::steelLight, 0.8);
    cairo_stroke(cairo);
}

void DrawConsole(cairo_t* cairo, double x, double y, double width, double height)
{
    cairo_move_to(cairo, x, y + 30.0);
    cairo_line_to(cairo, x + 18.0, y);
    cairo_line_to(cairo, x + width - 18.0, y);
    cairo_line_to(cairo, x + width, y + 30.0);
    cairo_line_to(cairo, x + width, y + height);
    cairo_line_to(cairo, x, y + height);
    cairo_close_path(cairo);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    FillOutlined(cairo, 0x3C5578, 0x24344F);
    cairo_move_to(cairo, x + 6.0, y + 28.0);
    cairo_line_to(cairo, x + 22.0, y + 6.0);
    cairo_line_to(cairo, x + width - 22.0, y + 6.0);
    cairo_line_to(cairo, x + width - 6.0, y + 28.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::nightLight, colour::night, 2.0);
    const std::uint32_t buttons[] = {colour::orange, colour::tealLight, colour::hibiscus, colour::orangeLight,
                                     tone::acidLight};
    const int count = static_cast<int>((width - 30.0) / 26.0);
    for (int index = 0; index < count; ++index) {
        RoundedRectangle(cairo, x + 18.0 + index * 26.0, y + 42.0, 16.0, 10.0, 3.0);
        FillOutlined(cairo, buttons[index % 5], buttons[(index + 2) % 5], 1.5);
    }
}

} // namespace content::rooms
