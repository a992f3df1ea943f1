#include "minigames/Nebula.h"

#include "SceneShapes.h"
#include "minigames/Dice.h"
#include "minigames/SoftEllipse.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>

namespace content::minigames {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double width = nebulaWidth;
constexpr double height = nebulaHeight;

// Draws `draw(shift)` once in place and once a picture's width to either
// side, so that whatever reaches over one edge comes back in at the other.
template <typename Draw>
void Wrapped(Draw draw)
{
    for (const double shift : {-width, 0.0, width})
        draw(shift);
}

struct Cloud {
    double x, y, radiusX, radiusY, angle;
    std::uint32_t rgb;
    double alpha;
};

// The nebula's great clouds, from the back: deep blue banks, then violet
// and teal, a little rose, and bright cores where they are thickest. They
// keep to the middle band; the top stays dark behind the score and time.
constexpr Cloud clouds[] = {
    {140.0, 420.0, 330.0, 190.0, -0.2, 0x2B3C8C, 0.55},
    {610.0, 360.0, 360.0, 170.0, 0.15, 0x2B3C8C, 0.5},
    {900.0, 520.0, 300.0, 180.0, -0.1, 0x2B3C8C, 0.5},
    {250.0, 330.0, 260.0, 120.0, -0.35, colour::violet, 0.42},
    {520.0, 520.0, 300.0, 110.0, 0.2, colour::violet, 0.36},
    {860.0, 300.0, 220.0, 100.0, 0.3, colour::violet, 0.34},
    {60.0, 560.0, 220.0, 95.0, 0.25, colour::teal, 0.42},
    {420.0, 250.0, 230.0, 80.0, 0.1, colour::teal, 0.36},
    {760.0, 450.0, 250.0, 90.0, -0.25, colour::teal, 0.4},
    {330.0, 470.0, 160.0, 70.0, 0.4, 0xC0508A, 0.26},
    {980.0, 380.0, 150.0, 60.0, -0.3, 0xC0508A, 0.24},
    {250.0, 360.0, 110.0, 45.0, -0.3, tone::violetLight, 0.3},
    {760.0, 455.0, 120.0, 40.0, -0.25, colour::tealLight, 0.28},
    {560.0, 510.0, 90.0, 35.0, 0.2, tone::violetLight, 0.24},
    {70.0, 560.0, 90.0, 34.0, 0.25, colour::tealLight, 0.22},
};

// Thin glowing streaks along the clouds, each a soft band drawn wide and
// faint, then narrow and brighter.
void Wisps(cairo_t* cairo, double shift)
{
    struct Wisp {
        double x0, y0, x1, y1, x2, y2, x3, y3;
        std::uint32_t rgb;
    };
    constexpr Wisp wisps[] = {
        {-60.0, 470.0, 120.0, 380.0, 260.0, 420.0, 420.0, 330.0, tone::violetLight},
        {480.0, 560.0, 600.0, 470.0, 700.0, 520.0, 860.0, 430.0, colour::tealLight},
        {640.0, 300.0, 760.0, 250.0, 880.0, 330.0, 1060.0, 270.0, tone::violetLight},
        {150.0, 610.0, 260.0, 560.0, 360.0, 600.0, 470.0, 540.0, colour::tealLight},
    };
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    for (const Wisp& wisp : wisps) {
        for (const auto& [lineWidth, alpha] : {std::pair{34.0, 0.05}, {18.0, 0.08}, {7.0, 0.12}, {2.5, 0.2}}) {
            cairo_move_to(cairo, wisp.x0 + shift, wisp.y0);
            cairo_curve_to(cairo, wisp.x1 + shift, wisp.y1, wisp.x2 + shift, wisp.y2, wisp.x3 + shift, wisp.y3);
            SetColour(cairo, wisp.rgb, alpha);
            cairo_set_line_width(cairo, lineWidth);
            cairo_stroke(cairo);
        }
    }
}

// Dust and far stars, denser in the clouds' band.
void Dust(cairo_t* cairo)
{
    Dice dice(808);
    for (int star = 0; star < 420; ++star) {
        const double x = dice.Next() * width;
        // Two of three in the middle band.
        const double y = dice.Next() < 0.66 ? dice.Between(180.0, 640.0) : dice.Next() * height;
        const double size = 0.5 + dice.Next() * dice.Next() * 1.8;
        const double brightness = dice.Between(0.35, 0.9);
        const double hue = dice.Next();
        const std::uint32_t rgb = hue < 0.2 ? colour::orangeLight : (hue < 0.45 ? colour::tealLight : colour::cream);
        Wrapped([&](double shift) {
            if (x + shift < -12.0 || x + shift > width + 12.0)
                return;
            SetColour(cairo, rgb, brightness);
            cairo_arc(cairo, x + shift, y, size, 0.0, 2.0 * pi);
            cairo_fill(cairo);
            if (size > 1.7)
                Glow(cairo, x + shift, y, size * 5.0, rgb, brightness * 0.35);
        });
    }
}

// A planet far away: drawn as the scenes draw one, then sunk into the
// nebula's haze.
void FarPlanet(cairo_t* cairo, double x, double y, double radius, std::uint32_t light, std::uint32_t dark, bool ring)
{
    Wrapped([&](double shift) {
        DrawPlanet(cairo, x + shift, y, radius, light, dark, ring);
        Circle(cairo, x + shift, y, radius + 2.0);
        FillPlain(cairo, 0x2B3C8C, 0.28);
    });
}

} // namespace

void DrawNebula(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, height);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, 0.0, 0.0, height),
                {{0.0, colour::nightDeep}, {0.3, 0x1A2150}, {0.6, 0x1E2358}, {1.0, 0x151640}});
    cairo_fill(cairo);
    for (const Cloud& cloud : clouds)
        Wrapped([&](double shift) {
            SoftEllipse(cairo, cloud.x + shift, cloud.y, cloud.radiusX, cloud.radiusY, cloud.angle, cloud.rgb,
                        cloud.alpha);
        });
    Wrapped([&](double shift) { Wisps(cairo, shift); });
    Dust(cairo);
    FarPlanet(cairo, 690.0, 175.0, 26.0, colour::tealLight, colour::teal, false);
    FarPlanet(cairo, 150.0, 650.0, 40.0, tone::violetLight, colour::violet, true);
    FarPlanet(cairo, 930.0, 600.0, 13.0, colour::orangeLight, colour::orange, false);
    // A darker veil along the top, behind the score and the time.
    cairo_rectangle(cairo, 0.0, 0.0, width, 140.0);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, 0.0, 0.0, 140.0),
                {{0.0, colour::nightDeep, 0.6}, {1.0, colour::nightDeep, 0.0}});
    cairo_fill(cairo);
}

Picture DrawSpaceStar(int kind)
{
    // Sizes 4, 7, 10 and 14: a speck, a blue-green dot, a cream star with a
    // cross of light and a large orange twinkle.
    constexpr int sizes[spaceStarKinds] = {4, 7, 10, 14};
    constexpr std::uint32_t tints[spaceStarKinds] = {colour::cream, colour::tealLight, colour::cream,
                                                     colour::orangeLight};
    const int index = (kind - 1) % spaceStarKinds;
    const int size = sizes[index];
    const double middle = size / 2.0;
    Picture picture(size, size);
    cairo_t* cairo = picture.Cairo();
    Glow(cairo, middle, middle, middle, tints[index], 0.75);
    Circle(cairo, middle, middle, std::max(0.9, size * 0.16));
    FillPlain(cairo, tone::white, 0.95);
    if (index >= 2) {
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cairo, 1.2);
        SetColour(cairo, tone::white, 0.8);
        cairo_move_to(cairo, 1.0, middle);
        cairo_line_to(cairo, size - 1.0, middle);
        cairo_move_to(cairo, middle, 1.0);
        cairo_line_to(cairo, middle, size - 1.0);
        cairo_stroke(cairo);
    }
    return picture;
}

} // namespace content::minigames
