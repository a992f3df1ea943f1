#include "SceneFigures.h"

#include "SceneShapes.h"
#include "SpriteArt.h"

#include <numbers>

namespace content {

namespace {

constexpr double pi = std::numbers::pi;

} // namespace

void DrawTaxi(cairo_t* cairo, double x, double y, double scale, double angle, double shotLength)
{
    PushPlacement(cairo, x, y, scale, angle);
    DrawFlame(cairo, -78.0, 60.0, 14.0);
    // The shot leaves the muzzle along the barrel's axis; drawn first, its
    // round end hides inside the barrel.
    constexpr double muzzleX = 64.0;
    constexpr double barrelAxisY = -43.5;
    if (shotLength > 0.0) {
        cairo_move_to(cairo, muzzleX - 6.0, barrelAxisY);
        cairo_line_to(cairo, muzzleX + shotLength, barrelAxisY);
        SetColour(cairo, colour::acid, 0.9);
        cairo_set_line_width(cairo, 5.0);
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cairo);
    }
    // The roof cannon.
    RoundedRectangle(cairo, -6.0, barrelAxisY - 6.5, muzzleX + 6.0, 13.0, 5.0);
    FillOutlined(cairo, tone::steelLight, colour::steel);
    RoundedRectangle(cairo, -16.0, -42.0, 30.0, 14.0, 5.0);
    FillOutlined(cairo, tone::steelLight, colour::steel);
    RoundedRectangle(cairo, -80.0, -32.0, 160.0, 64.0, 20.0);
    FillOutlined(cairo, tone::taxiLight, tone::taxi);
    // Checkered band along the body.
    cairo_save(cairo);
    RoundedRectangle(cairo, -80.0, -32.0, 160.0, 64.0, 20.0);
    cairo_clip(cairo);
    for (int column = 0; column < 16; ++column)
        for (int row = 0; row < 2; ++row)
            if ((column + row) % 2 == 0)
                cairo_rectangle(cairo, -80.0 + 10.0 * column, 2.0 + 9.0 * row, 10.0, 9.0);
    FillPlain(cairo, colour::outline);
    cairo_restore(cairo);
    RoundedRectangle(cairo, -42.0, -24.0, 80.0, 20.0, 8.0);
    FillOutlined(cairo, colour::cream, colour::tealLight, 2.0);
    RoundedRectangle(cairo, -80.0, -32.0, 160.0, 64.0, 20.0);
    StrokeOutline(cairo, 3.0);
    PopPlacement(cairo);
}

void DrawBaronShip(cairo_t* cairo, double x, double y, double scale, double angle)
{
    PushPlacement(cairo, x, y, scale, angle);
    // The claw with the stolen crystal.
    cairo_move_to(cairo, 0.0, 10.0);
    cairo_line_to(cairo, -6.0, 62.0);
    StrokeOutline(cairo, 5.0);
    DrawCrystal(cairo, -6.0, 84.0, 20.0);
    DrawFlame(cairo, -92.0, 50.0, 10.0);
    Ellipse(cairo, 0.0, -18.0, 44.0, 32.0);
    FillOutlined(cairo, colour::cream, colour::tealLight);
    Ellipse(cairo, -14.0, -30.0, 12.0, 7.0);
    FillPlain(cairo, tone::white, 0.8);
    Ellipse(cairo, 0.0, 0.0, 104.0, 28.0);
    FillOutlined(cairo, tone::violetLight, colour::violet);
    for (int light = -2; light <= 2; ++light) {
        Circle(cairo, light * 36.0, 6.0, 6.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 2.0);
    }
    PopPlacement(cairo);
}

void DrawSlime(cairo_t* cairo, double x, double y, double scale)
{
    PushPlacement(cairo, x, y, scale);
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, side * 10.0, -30.0);
        cairo_curve_to(cairo, side * 14.0, -50.0, side * 22.0, -56.0, side * 22.0, -64.0);
    }
    StrokeBand(cairo, colour::acid, 5.0, 9.0);
    cairo_move_to(cairo, -44.0, 0.0);
    cairo_curve_to(cairo, -46.0, -30.0, -24.0, -44.0, 0.0, -44.0);
    cairo_curve_to(cairo, 24.0, -44.0, 46.0, -30.0, 44.0, 0.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::acidLight, tone::acidDark);
    Ellipse(cairo, -16.0, -30.0, 9.0, 5.0);
    FillPlain(cairo, tone::white, 0.6);
    for (const double side : {-1.0, 1.0}) {
        Circle(cairo, side * 22.0, -66.0, 10.0);
        FillOutlined(cairo, tone::white, colour::cream, 2.5);
        Circle(cairo, side * 24.0, -65.0, 4.0);
        FillPlain(cairo, colour::outline);
    }
    cairo_arc(cairo, 0.0, -16.0, 10.0, 0.3, pi - 0.3);
    StrokeOutline(cairo, 3.0);
    PopPlacement(cairo);
}

void DrawKira(cairo_t* cairo, double x, double y, double scale)
{
    PushPlacement(cairo, x, y, scale);
    Glow(cairo, 0.0, 0.0, 80.0, colour::tealLight, 0.3);
    // Antenna, side fins, body, then the eye.
    cairo_move_to(cairo, 0.0, -46.0);
    cairo_line_to(cairo, 8.0, -66.0);
    StrokeBand(cairo, tone::steelLight, 5.0, 11.0);
    Circle(cairo, 8.0, -68.0, 6.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.0);
    for (const double side : {-1.0, 1.0}) {
        Ellipse(cairo, side * 50.0, 6.0, 10.0, 20.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
    }
    Circle(cairo, 0.0, 0.0, 48.0);
    FillOutlined(cairo, tone::white, colour::steel);
    Ellipse(cairo, -16.0, -26.0, 14.0, 8.0);
    FillPlain(cairo, tone::white, 0.8);
    Circle(cairo, 0.0, 4.0, 24.0);
    FillOutlined(cairo, colour::night, colour::nightDeep, 3.0);
    Circle(cairo, 0.0, 4.0, 15.0);
    FillOutlined(cairo, colour::tealLight, colour::turquoise, 2.0);
    Circle(cairo, 0.0, 4.0, 6.0);
    FillPlain(cairo, colour::nightDeep);
    Circle(cairo, -5.0, -2.0, 4.0);
    FillPlain(cairo, tone::white, 0.9);
    PopPlacement(cairo);
}

void DrawCutter(cairo_t* cairo, double x, double y, double scale, double angle, bool flying)
{
    PushPlacement(cairo, x, y, scale, angle);
    if (flying)
        DrawFlame(cairo, -100.0, 70.0, 16.0);
    // Fins, then the hull over their roots.
    cairo_move_to(cairo, -82.0, -20.0);
    cairo_line_to(cairo, -104.0, -60.0);
    cairo_line_to(cairo, -74.0, -60.0);
    cairo_line_to(cairo, -40.0, -20.0);
    cairo_close_path(cairo);
    cairo_move_to(cairo, -80.0, 18.0);
    cairo_line_to(cairo, -98.0, 46.0);
    cairo_line_to(cairo, -70.0, 46.0);
    cairo_line_to(cairo, -46.0, 18.0);
    cairo_close_path(cairo);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    FillOutlined(cairo, colour::orangeLight, colour::orange);
    RoundedRectangle(cairo, -108.0, -15.0, 22.0, 30.0, 6.0);
    FillOutlined(cairo, tone::steelLight, colour::steel);
    cairo_move_to(cairo, -92.0, -28.0);
    cairo_line_to(cairo, 30.0, -28.0);
    cairo_curve_to(cairo, 76.0, -28.0, 100.0, -10.0, 104.0, 0.0);
    cairo_curve_to(cairo, 100.0, 12.0, 76.0, 28.0, 30.0, 28.0);
    cairo_line_to(cairo, -92.0, 28.0);
    cairo_curve_to(cairo, -100.0, 28.0, -100.0, -28.0, -92.0, -28.0);
    cairo_close_path(cairo);
    // The hull's outline keeps the same width on screen however small the
    // cutter flies, so that it stays set off from the night behind her.
    constexpr double hullOutlinePixels = 2.4;
    FillOutlined(cairo, colour::tealLight, colour::teal, OutlineWidth(cairo, 3.0, hullOutlinePixels));
    RoundedRectangle(cairo, -88.0, 6.0, 150.0, 10.0, 5.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.0);
    for (const double porthole : {-56.0, -28.0, 0.0}) {
        Circle(cairo, porthole, -8.0, 7.5);
        FillOutlined(cairo, colour::cream, colour::orangeLight, 2.0);
    }
    Ellipse(cairo, 44.0, -22.0, 30.0, 15.0);
    FillOutlined(cairo, 0xE8FFFC, colour::turquoise, 2.5);
    Ellipse(cairo, 36.0, -27.0, 10.0, 4.0);
    FillPlain(cairo, tone::white, 0.8);
    PopPlacement(cairo);
}

void DrawCatapult(cairo_t* cairo, double x, double y, double scale)
{
    PushPlacement(cairo, x, y, scale);
    cairo_move_to(cairo, -40.0, -10.0);
    cairo_line_to(cairo, 0.0, -80.0);
    cairo_line_to(cairo, 40.0, -10.0);
    StrokeBand(cairo, tone::woodLight, 10.0, 16.0);
    PushPlacement(cairo, 0.0, -76.0, 1.0, -0.9);
    RoundedRectangle(cairo, -70.0, -7.0, 130.0, 14.0, 6.0);
    FillOutlined(cairo, tone::woodLight, tone::wood);
    Ellipse(cairo, 64.0, -10.0, 18.0, 12.0);
    FillOutlined(cairo, tone::woodLight, tone::wood);
    PopPlacement(cairo);
    RoundedRectangle(cairo, -70.0, -16.0, 140.0, 18.0, 7.0);
    FillOutlined(cairo, tone::woodLight, tone::wood);
    for (const double wheel : {-48.0, 48.0}) {
        Circle(cairo, wheel, 4.0, 18.0);
        FillOutlined(cairo, tone::woodLight, tone::wood);
        Circle(cairo, wheel, 4.0, 5.0);
        FillPlain(cairo, colour::outline);
    }
    PopPlacement(cairo);
}

void DrawKnight(cairo_t* cairo, double x, double y, double scale, double angle)
{
    PushPlacement(cairo, x, y, scale, angle);
    // Arms and legs first, so that the breastplate covers where they join.
    cairo_move_to(cairo, -12.0, -10.0);
    cairo_line_to(cairo, -34.0, -30.0);
    cairo_move_to(cairo, 12.0, -10.0);
    cairo_line_to(cairo, 34.0, -26.0);
    cairo_move_to(cairo, -8.0, 14.0);
    cairo_line_to(cairo, -24.0, 40.0);
    cairo_move_to(cairo, 8.0, 14.0);
    cairo_line_to(cairo, 26.0, 36.0);
    StrokeBand(cairo, tone::steelLight, 9.0, 15.0);
    RoundedRectangle(cairo, -15.0, -18.0, 30.0, 38.0, 10.0);
    FillOutlined(cairo, tone::steelLight, colour::steel);
    // The plume, the helmet and its visor slit.
    cairo_move_to(cairo, -4.0, -44.0);
    cairo_curve_to(cairo, -10.0, -62.0, 8.0, -66.0, 18.0, -56.0);
    cairo_curve_to(cairo, 8.0, -56.0, 4.0, -50.0, 4.0, -44.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.5);
    Circle(cairo, 0.0, -32.0, 14.0);
    FillOutlined(cairo, tone::steelLight, colour::steel);
    cairo_move_to(cairo, -8.0, -32.0);
    cairo_line_to(cairo, 10.0, -32.0);
    StrokeOutline(cairo, 3.5);
    PopPlacement(cairo);
}

void DrawThrowArc(cairo_t* cairo, double fromX, double fromY, double toX, double toY, double scale)
{
    cairo_move_to(cairo, fromX, fromY);
    cairo_curve_to(cairo, fromX - (toX - fromX) * 0.2, fromY - (fromY - toY) * 0.6, fromX, toY, toX, toY);
    const double dashes[] = {10.0 * scale, 10.0 * scale};
    cairo_set_dash(cairo, dashes, 2, 0.0);
    SetColour(cairo, tone::white, 0.85);
    cairo_set_line_width(cairo, 4.0 * scale);
    cairo_stroke(cairo);
    cairo_set_dash(cairo, nullptr, 0, 0.0);
}

} // namespace content
