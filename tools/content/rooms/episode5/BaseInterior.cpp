#include "BaseInterior.h"

#include "SceneShapes.h"
#include "SpriteArt.h"

#include <cmath>

namespace content::rooms::moonbase {

void Line(cairo_t* cairo, double x0, double y0, double x1, double y1, std::uint32_t rgb, double width, double alpha)
{
    cairo_move_to(cairo, x0, y0);
    cairo_line_to(cairo, x1, y1);
    SetColour(cairo, rgb, alpha);
    cairo_set_line_width(cairo, width);
    cairo_stroke(cairo);
}

void PlateWall(cairo_t* cairo, double left, double top, double right, double bottom, double plateWidth)
{
    cairo_rectangle(cairo, left, top, right - left, bottom - top);
    SetVerticalGradient(cairo, top, bottom, plateLight, plateDark);
    cairo_fill(cairo);
    // The plates: a seam between each, the lit left edge of each plate and
    // the shade at its right, rivets along top and bottom, and a row of
    // seams across at a third of the height.
    const double across = top + (bottom - top) * 0.36;
    for (double x = left; x < right; x += plateWidth) {
        cairo_rectangle(cairo, x + plateWidth - 14.0, top, 12.0, bottom - top);
        FillPlain(cairo, colour::outline, 0.08);
        Line(cairo, x + 3.0, top + 4.0, x + 3.0, bottom - 30.0, tone::white, 2.0, 0.22);
        Line(cairo, x, top, x, bottom, colour::outline, 2.0, 0.55);
        for (const double y : {top + 10.0, across - 10.0, across + 10.0, bottom - 40.0})
            for (const double dx : {12.0, plateWidth - 12.0}) {
                Circle(cairo, x + dx, y, 2.5);
                FillOutlined(cairo, tone::steelLight, steelDark, 1.0);
            }
    }
    Line(cairo, left, across, right, across, colour::outline, 2.0, 0.5);
    Line(cairo, left, across + 2.0, right, across + 2.0, tone::white, 1.5, 0.2);
    // The violet skirting with its lit edge.
    cairo_rectangle(cairo, left, bottom - 28.0, right - left, 28.0);
    SetVerticalGradient(cairo, bottom - 28.0, bottom, colour::violet, violetDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    Line(cairo, left, bottom - 25.0, right, bottom - 25.0, tone::violetLight, 2.0, 0.7);
    // The cap along the top with its strip of acid light.
    cairo_rectangle(cairo, left - 2.0, top, right - left + 4.0, 16.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    cairo_rectangle(cairo, left, top + 16.0, right - left, 5.0);
    FillPlain(cairo, colour::acid, 0.85);
    cairo_rectangle(cairo, left, top + 21.0, right - left, 22.0);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, top + 21.0, 0.0, top + 43.0),
                {{0.0, colour::acid, 0.35}, {1.0, colour::acid, 0.0}});
    cairo_fill(cairo);
}

void Ceiling(cairo_t* cairo, double bottom, const double* lights, int count)
{
    cairo_rectangle(cairo, -10.0, -10.0, 1044.0, bottom + 10.0);
    SetVerticalGradient(cairo, 0.0, bottom, 0x2A2450, violetDark);
    cairo_fill(cairo);
    // Beams running back towards the middle.
    for (double x = -200.0; x <= 1224.0; x += 128.0)
        Line(cairo, 512.0 + (x - 512.0) * 1.6, -10.0, x, bottom, colour::outline, 3.0, 0.45);
    Line(cairo, 0.0, bottom - 1.0, 1024.0, bottom - 1.0, colour::outline, 3.0, 1.0);
    for (int light = 0; light < count; ++light) {
        const double x = lights[light];
        const double y = bottom - 26.0;
        Line(cairo, x - 50.0, bottom - 60.0, x - 50.0, y, colour::outline, 2.0, 0.8);
        Line(cairo, x + 50.0, bottom - 60.0, x + 50.0, y, colour::outline, 2.0, 0.8);
        Glow(cairo, x, y + 20.0, 140.0, stripLight, 0.35);
        RoundedRectangle(cairo, x - 70.0, y - 6.0, 140.0, 14.0, 6.0);
        FillOutlined(cairo, tone::steelLight, steelDark, 2.5);
        RoundedRectangle(cairo, x - 62.0, y + 2.0, 124.0, 7.0, 3.5);
        FillPlain(cairo, stripLight);
    }
}

void PlateFloor(cairo_t* cairo, double top, double bottom, double width, double plate, std::uint32_t far,
                std::uint32_t near)
{
    cairo_rectangle(cairo, -10.0, top, width + 20.0, bottom - top + 10.0);
    SetVerticalGradient(cairo, top, bottom, far, near);
    cairo_fill(cairo);
    // Seams towards a point high above the middle, and across, ever wider
    // apart towards the front.
    const double vanishX = width / 2.0;
    const double vanishY = top - 320.0;
    for (double x = -640.0; x <= width + 640.0; x += plate) {
        const double atTop = vanishX + (x - vanishX) * (top - vanishY) / (bottom - vanishY);
        Line(cairo, atTop, top, x, bottom, colour::outline, 2.0, 0.35);
        Line(cairo, atTop + 2.0, top, x + 3.0, bottom, tone::white, 1.0, 0.08);
    }
    for (double y = top + 14.0, gap = 22.0; y < bottom; y += gap, gap *= 1.3) {
        Line(cairo, 0.0, y, width, y, colour::outline, 1.5 + (y - top) * 0.006, 0.35);
        Line(cairo, 0.0, y + 2.0, width, y + 2.0, tone::white, 1.0, 0.07);
    }
    // The sheen of the ceiling's lights along the middle.
    Ellipse(cairo, width / 2.0, top + (bottom - top) * 0.35, width * 0.42, (bottom - top) * 0.22);
    FillPlain(cairo, stripLight, 0.06);
}

void BlinkLamp(cairo_t* cairo, int frame, double radius, std::uint32_t colour)
{
    const double middle = lampReach;
    const bool lit = frame < 2;
    if (lit)
        Glow(cairo, middle, middle, lampReach - 1.0, colour, 0.55);
    Circle(cairo, middle, middle, radius);
    if (lit)
        FillOutlined(cairo, tone::white, colour, 2.0);
    else
        FillOutlined(cairo, 0x6A6480, 0x3A3458, 2.0);
    Circle(cairo, middle - radius * 0.3, middle - radius * 0.3, radius * 0.3);
    FillPlain(cairo, tone::white, lit ? 0.9 : 0.3);
}

} // namespace content::rooms::moonbase
