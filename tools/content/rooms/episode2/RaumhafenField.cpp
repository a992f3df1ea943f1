#include "RaumhafenField.h"

#include "SceneShapes.h"
#include "SpriteArt.h"

namespace content::rooms {

namespace {

constexpr std::uint32_t duskTop = 0x3B3C8C;
constexpr std::uint32_t duskMiddle = 0xD9658A;
constexpr std::uint32_t fieldLight = 0x8C8FA6;
constexpr std::uint32_t fieldDark = 0x5E6178;
constexpr int fieldLamps = 6;

} // namespace

void DrawEveningSky(cairo_t* cairo, double x, double y, double width, double height)
{
    cairo_rectangle(cairo, x, y, width, height);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, y, 0.0, y + height),
                {{0.0, duskTop}, {0.6, duskMiddle}, {1.0, colour::orangeLight}});
    cairo_fill(cairo);
    // A few early stars in the upper half, placed by a fixed pattern.
    for (int star = 0; star < 14; ++star) {
        const double starX = x + ((star * 397 + 53) % 1000) / 1000.0 * width;
        const double starY = y + ((star * 211 + 31) % 1000) / 1000.0 * height * 0.45;
        Circle(cairo, starX, starY, 1.2 + (star % 3) * 0.6);
        FillPlain(cairo, colour::cream, 0.8);
    }
}

void DrawLandingField(cairo_t* cairo, double left, double right, double horizonY, double bottom, int blink)
{
    cairo_rectangle(cairo, left, horizonY, right - left, bottom - horizonY);
    SetVerticalGradient(cairo, horizonY, bottom, fieldLight, fieldDark);
    cairo_fill(cairo);
    cairo_move_to(cairo, left, horizonY);
    cairo_line_to(cairo, right, horizonY);
    cairo_set_line_width(cairo, 2.5);
    SetColour(cairo, colour::outline);
    cairo_stroke(cairo);
    const double depth = bottom - horizonY;
    // Painted pad rings, flattened by the distance.
    for (int pad = 0; pad < 3; ++pad) {
        const double centreX = left + (right - left) * (0.2 + pad * 0.3);
        Ellipse(cairo, centreX, horizonY + depth * 0.55, (right - left) * 0.11, depth * 0.16);
        cairo_set_line_width(cairo, 2.5);
        SetColour(cairo, colour::orangeLight, 0.7);
        cairo_stroke(cairo);
    }
    for (int lamp = 0; lamp < fieldLamps; ++lamp) {
        const double lampX = left + (right - left) * (lamp + 0.5) / fieldLamps;
        const double lampY = horizonY + depth * 0.85;
        const bool lit = lamp == blink % fieldLamps;
        Glow(cairo, lampX, lampY, lit ? 16.0 : 8.0, colour::orangeLight, lit ? 0.9 : 0.5);
        Circle(cairo, lampX, lampY, 2.5);
        FillPlain(cairo, lit ? colour::cream : colour::orangeLight);
    }
}

void DrawControlTower(cairo_t* cairo, double x, double y, double scale, bool beacon)
{
    PushPlacement(cairo, x, y, scale);
    cairo_move_to(cairo, -16.0, 0.0);
    cairo_line_to(cairo, -10.0, -130.0);
    cairo_line_to(cairo, 10.0, -130.0);
    cairo_line_to(cairo, 16.0, 0.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    // The cab with its lit windows.
    cairo_move_to(cairo, -32.0, -130.0);
    cairo_line_to(cairo, 32.0, -130.0);
    cairo_line_to(cairo, 26.0, -160.0);
    cairo_line_to(cairo, -26.0, -160.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::cream, colour::orangeLight, 2.5);
    for (const double windowX : {-14.0, 0.0, 14.0}) {
        cairo_move_to(cairo, windowX, -132.0);
        cairo_line_to(cairo, windowX, -158.0);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline);
    cairo_stroke(cairo);
    RoundedRectangle(cairo, -30.0, -170.0, 60.0, 12.0, 5.0);
    FillOutlined(cairo, colour::teal, 0x0F6A67, 2.5);
    cairo_move_to(cairo, 0.0, -170.0);
    cairo_line_to(cairo, 0.0, -184.0);
    StrokeOutline(cairo, 2.5);
    if (beacon)
        Glow(cairo, 0.0, -186.0, 16.0, colour::hibiscus, 0.9);
    Circle(cairo, 0.0, -186.0, 4.0);
    FillOutlined(cairo, beacon ? tone::hibiscusLight : colour::banner, colour::banner, 1.5);
    PopPlacement(cairo);
}

void DrawShuttle(cairo_t* cairo, double x, double y, double scale, std::uint32_t top, std::uint32_t bottom)
{
    PushPlacement(cairo, x, y, scale);
    for (const double legX : {-40.0, 0.0, 40.0}) {
        cairo_move_to(cairo, legX * 0.6, -30.0);
        cairo_line_to(cairo, legX, 0.0);
    }
    StrokeBand(cairo, colour::steel, 3.0, 6.0);
    Ellipse(cairo, 0.0, -40.0, 60.0, 22.0);
    FillOutlined(cairo, top, bottom, 2.5);
    cairo_move_to(cairo, -34.0, -52.0);
    cairo_curve_to(cairo, -30.0, -86.0, 30.0, -86.0, 34.0, -52.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::cream, colour::turquoise, 2.5);
    for (const double lightX : {-36.0, 0.0, 36.0}) {
        Circle(cairo, lightX, -36.0, 4.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
    }
    PopPlacement(cairo);
}

void DrawFreighter(cairo_t* cairo, double x, double y, double scale)
{
    PushPlacement(cairo, x, y, scale);
    for (const double legX : {-80.0, 70.0}) {
        RoundedRectangle(cairo, legX - 6.0, -22.0, 12.0, 22.0, 4.0);
        FillOutlined(cairo, colour::steel, fieldDark, 2.0);
    }
    cairo_move_to(cairo, -120.0, -30.0);
    cairo_curve_to(cairo, -120.0, -70.0, -90.0, -78.0, -40.0, -78.0);
    cairo_line_to(cairo, 80.0, -78.0);
    cairo_curve_to(cairo, 110.0, -78.0, 124.0, -56.0, 120.0, -30.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    // Cargo doors and the cockpit at the front.
    for (int door = 0; door < 3; ++door) {
        RoundedRectangle(cairo, -96.0 + door * 50.0, -66.0, 40.0, 30.0, 4.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 2.0);
    }
    cairo_move_to(cairo, 70.0, -74.0);
    cairo_curve_to(cairo, 100.0, -74.0, 112.0, -60.0, 114.0, -48.0);
    cairo_line_to(cairo, 70.0, -48.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::cream, colour::turquoise, 2.0);
    PopPlacement(cairo);
}

} // namespace content::rooms
