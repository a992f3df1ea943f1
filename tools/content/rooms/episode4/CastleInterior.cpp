#include "CastleInterior.h"

#include "CastleMasonry.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "rooms/episode3/ArchedDoor.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace content::rooms::castle {

namespace {

constexpr double pi = std::numbers::pi;

// A fixed sequence of numbers in [0, 1), so that the same seed always gives
// the same stones.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : state(seed) {}
    double Next()
    {
        state = state * 1103515245u + 12345u;
        return static_cast<double>((state >> 8) % 1000u) / 1000.0;
    }

private:
    std::uint32_t state;
};

} // namespace

void AshlarWall(cairo_t* cairo, double left, double top, double right, double bottom, double blockWidth,
                double courseHeight)
{
    cairo_rectangle(cairo, left, top, right - left, bottom - top);
    SetVerticalGradient(cairo, top, bottom, wallDark, wallLight);
    cairo_fill(cairo);
    Scatter scatter(static_cast<std::uint32_t>(left * 3.0 + top * 7.0 + 5.0));
    int course = 0;
    for (double y = top; y < bottom; y += courseHeight, ++course) {
        const double shift = course % 2 == 0 ? 0.0 : blockWidth / 2.0;
        for (double x = left - shift; x < right; x += blockWidth) {
            const double wobble = (scatter.Next() - 0.5) * 10.0;
            const double shade = scatter.Next();
            RoundedRectangle(cairo, x + 2.5, y + 2.5, blockWidth - 5.0 + wobble, courseHeight - 5.0, 5.0);
            // Some blocks lighter, some darker: the stone is not all of one
            // quarry.
            if (shade > 0.7)
                FillPlain(cairo, tone::white, 0.08);
            else if (shade < 0.25)
                FillPlain(cairo, colour::outline, 0.08);
            else
                cairo_new_path(cairo);
            // The lit upper edge and the joint below each block.
            cairo_move_to(cairo, x + 8.0, y + 4.5);
            cairo_line_to(cairo, x + blockWidth - 10.0 + wobble, y + 4.5);
            cairo_set_line_width(cairo, 2.0);
            SetColour(cairo, tone::white, 0.12);
            cairo_stroke(cairo);
            RoundedRectangle(cairo, x + 2.5, y + 2.5, blockWidth - 5.0 + wobble, courseHeight - 5.0, 5.0);
            cairo_set_line_width(cairo, 2.0);
            SetColour(cairo, colour::outline, 0.3);
            cairo_stroke(cairo);
        }
    }
}

void FlagstoneFloor(cairo_t* cairo, double top, double bottom, double width)
{
    cairo_rectangle(cairo, -10.0, top, width + 20.0, bottom - top + 10.0);
    SetVerticalGradient(cairo, top, bottom, flagLight, flagDark);
    cairo_fill(cairo);
    // The joints run towards a point high above the floor's middle.
    const double vanishX = width / 2.0;
    const double vanishY = top - 260.0;
    const auto across = [&](double atTop, double y) {
        return vanishX + (atTop - vanishX) * (y - vanishY) / (top - vanishY);
    };
    std::vector<double> rows{top};
    for (double depth = 16.0; rows.back() < bottom; depth *= 1.28)
        rows.push_back(rows.back() + depth);
    const double flag = 60.0;
    Scatter scatter(29);
    for (std::size_t row = 0; row + 1 < rows.size(); ++row) {
        const double y0 = rows[row];
        const double y1 = rows[row + 1];
        const double shift = row % 2 == 0 ? 0.0 : flag / 2.0;
        for (double u = -width - shift; u < 2.0 * width; u += flag) {
            const double shade = scatter.Next();
            cairo_move_to(cairo, across(u, y0) + 2.0, y0 + 1.5);
            cairo_line_to(cairo, across(u + flag, y0) - 2.0, y0 + 1.5);
            cairo_line_to(cairo, across(u + flag, y1) - 2.0, y1 - 1.5);
            cairo_line_to(cairo, across(u, y1) + 2.0, y1 - 1.5);
            cairo_close_path(cairo);
            if (shade > 0.72)
                FillPlain(cairo, tone::white, 0.07);
            else if (shade < 0.3)
                FillPlain(cairo, colour::outline, 0.09);
            else
                cairo_new_path(cairo);
            cairo_move_to(cairo, across(u, y0), y0);
            cairo_line_to(cairo, across(u, y1), y1);
        }
        cairo_move_to(cairo, -10.0, y1);
        cairo_line_to(cairo, width + 10.0, y1);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.3);
    cairo_stroke(cairo);
    // The wall's foot.
    cairo_move_to(cairo, -10.0, top);
    cairo_line_to(cairo, width + 10.0, top);
    StrokeOutline(cairo, 3.0);
}

void FlameTongue(cairo_t* cairo, double x, double baseY, double width, double height, double phase)
{
    const double sway = 0.18 * width * std::sin(phase);
    const double half = width / 2.0;
    cairo_move_to(cairo, x - half, baseY);
    cairo_curve_to(cairo, x - half, baseY - height * 0.45, x - half * 0.3 + sway, baseY - height * 0.7, x + sway * 1.6,
                   baseY - height);
    cairo_curve_to(cairo, x + half * 0.4 + sway, baseY - height * 0.6, x + half, baseY - height * 0.4, x + half, baseY);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, baseY - height, 0.0, baseY),
                {{0.0, fireLight, 0.9}, {0.6, 0xFFB040, 0.95}, {1.0, fire, 1.0}});
    cairo_fill(cairo);
}

void WallTorch(cairo_t* cairo, int frame)
{
    const double phase = frame * 2.0 * pi / torchFrames;
    const double middle = torchWidth / 2.0;
    // The iron bracket: a plate on the wall and a ring holding the torch.
    RoundedRectangle(cairo, middle - 9.0, 96.0, 18.0, 30.0, 4.0);
    FillOutlined(cairo, ironLight, iron, 2.5);
    cairo_move_to(cairo, middle, 110.0);
    cairo_line_to(cairo, middle, 92.0);
    StrokeBand(cairo, ironLight, 3.0, 6.5);
    // The torch: a wooden stick wrapped in pitch-soaked tow at the top.
    cairo_move_to(cairo, middle - 5.0, 60.0);
    cairo_line_to(cairo, middle + 5.0, 60.0);
    cairo_line_to(cairo, middle + 3.0, 112.0);
    cairo_line_to(cairo, middle - 3.0, 112.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    Ellipse(cairo, middle, 86.0, 9.0, 4.0);
    FillOutlined(cairo, ironLight, iron, 2.0);
    RoundedRectangle(cairo, middle - 9.0, 50.0, 18.0, 16.0, 5.0);
    FillOutlined(cairo, 0x6A4A34, 0x45301F, 2.0);
    // The flame and its glow, breathing with the frames.
    Glow(cairo, middle, 38.0, 28.0 + 2.0 * std::sin(phase), fireLight, 0.45);
    const double height = 40.0 + 6.0 * std::sin(phase * 2.0);
    FlameTongue(cairo, middle, 56.0, 20.0, height, phase);
    FlameTongue(cairo, middle - 5.0, 56.0, 10.0, height * 0.6, phase + 2.1);
    FlameTongue(cairo, middle + 5.0, 56.0, 10.0, height * 0.7, phase + 4.0);
    Ellipse(cairo, middle, 48.0, 4.0, 7.0);
    FillPlain(cairo, tone::white, 0.7);
}

void YardView(cairo_t* cairo, double width, double height)
{
    // Sky, then the curtain wall across the yard with its battlements, a
    // banner on it, and the sunny cobbles.
    cairo_rectangle(cairo, 0.0, 0.0, width, height);
    SetVerticalGradient(cairo, 0.0, height * 0.5, 0x8CD0F2, 0xE9F7FF);
    cairo_fill(cairo);
    const double wallTop = height * 0.36;
    const double ground = height * 0.72;
    cairo_rectangle(cairo, -4.0, wallTop, width + 8.0, ground - wallTop);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    for (double x = 6.0; x < width; x += 26.0) {
        cairo_rectangle(cairo, x, wallTop - 12.0, 14.0, 13.0);
        FillOutlined(cairo, tone::stoneLight, colour::stone, 2.0);
    }
    cairo_set_line_width(cairo, 1.5);
    for (double y = wallTop + 14.0; y < ground; y += 14.0) {
        cairo_move_to(cairo, 0.0, y);
        cairo_line_to(cairo, width, y);
    }
    SetColour(cairo, colour::outline, 0.2);
    cairo_stroke(cairo);
    cairo_move_to(cairo, width * 0.62, wallTop + 4.0);
    cairo_line_to(cairo, width * 0.62 + 22.0, wallTop + 4.0);
    cairo_line_to(cairo, width * 0.62 + 22.0, wallTop + 44.0);
    cairo_line_to(cairo, width * 0.62 + 11.0, wallTop + 36.0);
    cairo_line_to(cairo, width * 0.62, wallTop + 44.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.0);
    cairo_rectangle(cairo, -4.0, ground, width + 8.0, height - ground + 4.0);
    FillOutlined(cairo, 0xC8BCA8, 0x9C9080, 2.5);
    Scatter scatter(7);
    for (double y = ground + 8.0; y < height; y += 12.0) {
        for (double x = 4.0 + scatter.Next() * 10.0; x < width; x += 18.0) {
            Ellipse(cairo, x, y, 7.0, 4.0);
        }
    }
    cairo_set_line_width(cairo, 1.5);
    SetColour(cairo, colour::outline, 0.3);
    cairo_stroke(cairo);
    Glow(cairo, width / 2.0, height * 0.8, width, colour::cream, 0.35);
}

void LogFire(cairo_t* cairo, double x, double bedY, double reach, double lick, double phase)
{
    for (const auto& [x0, y0, x1, y1] : {std::array{x - reach, bedY - 4.0, x + reach, bedY - 14.0},
                                         std::array{x - reach + 6.0, bedY - 16.0, x + reach - 6.0, bedY - 2.0}}) {
        cairo_move_to(cairo, x0, y0);
        cairo_line_to(cairo, x1, y1);
        StrokeBand(cairo, tone::woodLight, 14.0, 19.0);
    }
    const double step = (reach - 10.0) / 2.0;
    for (int flame = 0; flame < 5; ++flame) {
        const double height = lick + 0.4 * lick * std::sin(phase + flame * 1.9);
        FlameTongue(cairo, x + (flame - 2) * step, bedY - 8.0, 30.0, height, phase + flame);
    }
    for (int ember = 0; ember < 7; ++ember) {
        const double heat = 0.5 + 0.5 * std::sin(phase + ember * 2.3);
        Circle(cairo, x - reach + ember * reach / 3.0, bedY - 2.0, 6.0);
        FillOutlined(cairo, heat > 0.5 ? fireLight : fire, heat > 0.5 ? fire : 0xC0401C, 1.5);
    }
}

void DoorArch(cairo_t* cairo, double left, double top, double width, double height, double margin, int stones,
              double course)
{
    ArchPath(cairo, left, top, width, top + height + 2.0, margin);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 3.0);
    const double centre = left + width / 2.0;
    const double radius = width / 2.0;
    for (int stone = 0; stone <= stones; ++stone) {
        const double angle = pi + stone * pi / stones;
        cairo_move_to(cairo, centre + radius * std::cos(angle), top + radius + radius * std::sin(angle));
        cairo_line_to(cairo, centre + (radius + margin) * std::cos(angle),
                      top + radius + (radius + margin) * std::sin(angle));
    }
    for (double y = top + radius + 30.0; y < top + height; y += course) {
        cairo_move_to(cairo, left - margin, y);
        cairo_line_to(cairo, left, y);
        cairo_move_to(cairo, left + width, y);
        cairo_line_to(cairo, left + width + margin, y);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.6);
    cairo_stroke(cairo);
}

void YardDoor(cairo_t* cairo, double width, double height, int frame, int leaves, std::array<double, 2> straps,
              double handleY)
{
    DrawCastleDoor(cairo, width, height, frame, leaves, {straps, handleY, leaves == 1 ? 5 : 4},
                   [&] { YardView(cairo, width, height); });
}

} // namespace content::rooms::castle
