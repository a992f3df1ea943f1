#include "ShipStyle.h"

#include "SceneShapes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace content::ship {

namespace {

constexpr double fullTurn = 2.0 * std::numbers::pi;

} // namespace

void MakeEdgesHard(Picture& picture)
{
    cairo_surface_t* surface = cairo_get_target(picture.Cairo());
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            // Premultiplied ARGB: an opaque pixel takes its colour back out
            // of the coverage; a mostly clear one becomes fully clear.
            unsigned char* at = data + static_cast<std::ptrdiff_t>(y) * stride + x * 4;
            std::uint32_t pixel = 0;
            std::memcpy(&pixel, at, sizeof pixel);
            const std::uint32_t alpha = pixel >> 24;
            std::uint32_t hard = 0;
            if (alpha >= 128) {
                hard = 0xFF000000u;
                for (const int shift : {0, 8, 16})
                    hard |= std::min(255u, (((pixel >> shift) & 0xFFu) * 255u + alpha / 2) / alpha) << shift;
            }
            std::memcpy(at, &hard, sizeof hard);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void DrawRivet(cairo_t* cairo, double x, double y, double radius)
{
    cairo_new_path(cairo);
    Circle(cairo, x, y, radius);
    SetRadialGradient(cairo, x - radius * 0.35, y - radius * 0.35, radius * 1.4, colour::cream, colour::steel);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 1.5);
}

void DrawRivetRow(cairo_t* cairo, double x0, double y0, double x1, double y1, int count)
{
    for (int i = 0; i < count; ++i) {
        const double t = count > 1 ? static_cast<double>(i) / (count - 1) : 0.5;
        DrawRivet(cairo, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t);
    }
}

void DrawPlate(cairo_t* cairo, double x, double y, double width, double height, std::uint32_t top,
               std::uint32_t bottom, double radius)
{
    cairo_new_path(cairo);
    RoundedRectangle(cairo, x, y, width, height, radius);
    FillOutlined(cairo, top, bottom, 3.0);
    const double inset = std::max(7.0, radius * 0.75);
    if (width > 2.0 * inset + 8.0 && height > 2.0 * inset + 8.0) {
        DrawRivet(cairo, x + inset, y + inset);
        DrawRivet(cairo, x + width - inset, y + inset);
        DrawRivet(cairo, x + inset, y + height - inset);
        DrawRivet(cairo, x + width - inset, y + height - inset);
    }
}

void DrawTrim(cairo_t* cairo, double x, double y, double width, double height, double radius, std::uint32_t rgb,
              double alpha, double lineWidth)
{
    cairo_new_path(cairo);
    RoundedRectangle(cairo, x, y, width, height, radius);
    SetColour(cairo, rgb, alpha);
    cairo_set_line_width(cairo, lineWidth);
    cairo_stroke(cairo);
}

void StrokeLitFrame(cairo_t* cairo)
{
    // No glow around it: a half-clear light stroke under the outline reads
    // as a muddy rim on the dark console. The band's middle is lit instead.
    cairo_path_t* path = cairo_copy_path(cairo);
    StrokeBand(cairo, colour::orange, 3.5, 6.5);
    cairo_append_path(cairo, path);
    cairo_path_destroy(path);
    SetColour(cairo, colour::orangeLight);
    cairo_set_line_width(cairo, 1.2);
    cairo_stroke(cairo);
}

void FillGlass(cairo_t* cairo, double opacity)
{
    SetColour(cairo, colour::nightDeep, opacity);
    cairo_fill_preserve(cairo);
    StrokeBand(cairo, colour::tealLight, 2.0, 4.5, 0.9);
}

void DrawPorthole(cairo_t* cairo, double centreX, double centreY, double radius)
{
    cairo_new_path(cairo);
    Circle(cairo, centreX, centreY, radius);
    FillOutlined(cairo, colour::cream, colour::steel, 3.0);
    const double glass = radius * 0.68;
    cairo_new_path(cairo);
    Circle(cairo, centreX, centreY, glass);
    SetRadialGradient(cairo, centreX - glass * 0.3, centreY - glass * 0.3, glass * 1.3, colour::nightLight,
                    colour::nightDeep);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    // Two stars in the glass and the gleam of the pane.
    SetColour(cairo, colour::cream);
    Circle(cairo, centreX + glass * 0.35, centreY + glass * 0.2, std::max(1.0, glass * 0.08));
    Circle(cairo, centreX - glass * 0.2, centreY + glass * 0.45, std::max(0.8, glass * 0.05));
    cairo_fill(cairo);
    cairo_new_path(cairo);
    cairo_arc(cairo, centreX, centreY, glass * 0.72, std::numbers::pi * 1.05, std::numbers::pi * 1.45);
    SetColour(cairo, colour::cream, 0.8);
    cairo_set_line_width(cairo, std::max(1.5, glass * 0.14));
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cairo);
    const int rivets = radius > 20.0 ? 8 : 0;
    for (int i = 0; i < rivets; ++i) {
        const double angle = fullTurn * i / rivets;
        DrawRivet(cairo, centreX + std::cos(angle) * radius * 0.84, centreY + std::sin(angle) * radius * 0.84,
                  radius * 0.07);
    }
}

namespace {

// The window frame over a finished page.
void DrawPageFrame(cairo_t* cairo)
{
    constexpr double rim = 12.0;
    constexpr double radius = 28.0;
    constexpr double width = screenWidth;
    constexpr double height = screenHeight;
    const auto window = [cairo] {
        RoundedRectangle(cairo, rim, rim, width - 2.0 * rim, height - 2.0 * rim, radius);
    };
    cairo_new_path(cairo);
    cairo_rectangle(cairo, 0.0, 0.0, width, height);
    window();
    cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_EVEN_ODD);
    SetVerticalGradient(cairo, 0.0, height, colour::nightLight, colour::night);
    cairo_fill(cairo);
    cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_WINDING);
    // The teal trim along the window's edge.
    window();
    StrokeBand(cairo, colour::teal, 3.0, 7.0);
    // An orange rivet plate in each corner.
    for (const double x : {26.0, width - 26.0}) {
        for (const double y : {26.0, height - 26.0}) {
            Circle(cairo, x, y, 9.0);
            FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
        }
    }
}

void DrawPageTitle(cairo_t* cairo, const std::string& utf8)
{
    constexpr double size = 34.0;
    const double plateWidth = ArtTextWidth(cairo, utf8, size) + 100.0;
    cairo_new_path(cairo);
    RoundedRectangle(cairo, (screenWidth - plateWidth) / 2.0, 18.0, plateWidth, 56.0, 20.0);
    FillOutlined(cairo, colour::tealLight, colour::teal, 4.0);
    DrawArtText(cairo, utf8, screenWidth / 2.0, 59.0, size, colour::cream);
}

} // namespace

Picture DrawPage(std::uint32_t seed, const std::string& title, const std::function<void(cairo_t*)>& drawContent)
{
    Picture page(screenWidth, screenHeight);
    cairo_t* cairo = page.Cairo();
    DrawStarfield(cairo, 0.0, 0.0, screenWidth, screenHeight, seed);
    drawContent(cairo);
    cairo_new_path(cairo);
    if (!title.empty())
        DrawPageTitle(cairo, title);
    DrawPageFrame(cairo);
    return page;
}

void DrawPanel(cairo_t* cairo, double x, double y, double width, double height)
{
    cairo_new_path(cairo);
    RoundedRectangle(cairo, x, y, width, height, 18.0);
    FillOutlined(cairo, panelTop, panelBottom, 4.0);
    DrawTrim(cairo, x + 5.0, y + 5.0, width - 10.0, height - 10.0, 14.0, colour::teal, 0.8, 2.0);
}

void DrawOptionRows(cairo_t* cairo, std::span<const OptionRow> rows, std::span<const OptionHeading> headings)
{
    for (const OptionRow& row : rows) {
        cairo_new_path(cairo);
        RoundedRectangle(cairo, 256.0, row.y + 2.0, 668.0, 26.0, 10.0);
        FillPlain(cairo, colour::teal, 0.22);
        DrawArtText(cairo, row.caption, 690.0, row.y + 23.0, 22.0, colour::cream, Align::right);
    }
    for (const OptionHeading& heading : headings)
        DrawArtText(cairo, heading.text, 262.0, heading.baseline, 19.0, colour::orangeLight, Align::left);
}

} // namespace content::ship
