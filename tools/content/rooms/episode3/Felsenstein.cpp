#include "Felsenstein.h"

#include "SceneShapes.h"
#include "SpriteArt.h"

#include <algorithm>
#include <numbers>

namespace content::rooms {

namespace {

constexpr double pi = std::numbers::pi;
constexpr std::uint32_t rock = 0x8E887E;
constexpr std::uint32_t rockDark = 0x6A655D;

// A wall block whose top carries merlons `merlon` wide.
void Battlement(cairo_t* cairo, double x, double y, double width, double height, double merlon)
{
    const int teeth = std::max(2, static_cast<int>(width / (2.0 * merlon)));
    const double step = width / (2.0 * teeth - 1.0);
    cairo_move_to(cairo, x, y + height);
    cairo_line_to(cairo, x, y);
    for (int tooth = 0; tooth < teeth; ++tooth) {
        const double toothLeft = x + 2.0 * step * tooth;
        cairo_line_to(cairo, toothLeft + step, y);
        if (tooth + 1 < teeth) {
            cairo_line_to(cairo, toothLeft + step, y + merlon * 0.8);
            cairo_line_to(cairo, toothLeft + 2.0 * step, y + merlon * 0.8);
            cairo_line_to(cairo, toothLeft + 2.0 * step, y);
        }
    }
    cairo_line_to(cairo, x + width, y + height);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::stoneLight, colour::stone);
}

// A round tower with its red cone roof and a pennant on the tip.
void Tower(cairo_t* cairo, double x, double y, double width, double height)
{
    cairo_rectangle(cairo, x, y, width, height);
    FillOutlined(cairo, tone::stoneLight, colour::stone);
    RoundedRectangle(cairo, x + width / 2.0 - 5.0, y + 22.0, 10.0, 18.0, 5.0);
    FillOutlined(cairo, tone::shadowDeep, colour::outline, 2.0);
    cairo_move_to(cairo, x - 8.0, y);
    cairo_line_to(cairo, x + width / 2.0, y - width * 1.15);
    cairo_line_to(cairo, x + width + 8.0, y);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner);
    const double tipX = x + width / 2.0;
    const double tipY = y - width * 1.15;
    cairo_move_to(cairo, tipX, tipY);
    cairo_line_to(cairo, tipX, tipY - 28.0);
    StrokeOutline(cairo, 3.0);
    cairo_move_to(cairo, tipX, tipY - 28.0);
    cairo_curve_to(cairo, tipX + 12.0, tipY - 30.0, tipX + 20.0, tipY - 24.0, tipX + 30.0, tipY - 24.0);
    cairo_line_to(cairo, tipX, tipY - 16.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.0);
}

void CastleOnCrag(cairo_t* cairo)
{
    // The crag: grey rock with moss on its ledges, widening to its foot.
    cairo_move_to(cairo, -230.0, 0.0);
    cairo_curve_to(cairo, -190.0, -60.0, -170.0, -120.0, -150.0, -170.0);
    cairo_line_to(cairo, 150.0, -170.0);
    cairo_curve_to(cairo, 170.0, -110.0, 200.0, -50.0, 250.0, 0.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, rock, rockDark);
    for (const double ledge : {-120.0, -70.0, -30.0}) {
        Ellipse(cairo, ledge * 0.6 - 20.0, ledge + 10.0, 50.0, 9.0);
        Ellipse(cairo, 60.0 - ledge * 0.4, ledge + 24.0, 40.0, 8.0);
    }
    FillPlain(cairo, colour::moss, 0.85);
    cairo_move_to(cairo, -80.0, -150.0);
    cairo_line_to(cairo, -100.0, -60.0);
    cairo_move_to(cairo, 90.0, -160.0);
    cairo_line_to(cairo, 120.0, -40.0);
    cairo_set_line_width(cairo, 2.5);
    SetColour(cairo, rockDark);
    cairo_stroke(cairo);
    // The walls, the keep and the towers on top.
    const double base = -166.0;
    Battlement(cairo, -120.0, base - 100.0, 240.0, 100.0, 15.0);
    Battlement(cairo, -55.0, base - 175.0, 110.0, 80.0, 13.0);
    Tower(cairo, -160.0, base - 140.0, 52.0, 140.0);
    Tower(cairo, 108.0, base - 140.0, 52.0, 140.0);
    Tower(cairo, -20.0, base - 230.0, 40.0, 60.0);
    // The shut gate with its portcullis, and the banners beside it.
    cairo_move_to(cairo, -26.0, base);
    cairo_line_to(cairo, -26.0, base - 40.0);
    cairo_arc(cairo, 0.0, base - 40.0, 26.0, pi, 2.0 * pi);
    cairo_line_to(cairo, 26.0, base);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::wood, 0x5A3A22);
    for (double x = -18.0; x < 20.0; x += 9.0) {
        cairo_move_to(cairo, x, base - 58.0);
        cairo_line_to(cairo, x, base - 2.0);
    }
    for (double y = base - 50.0; y < base; y += 12.0) {
        cairo_move_to(cairo, -24.0, y);
        cairo_line_to(cairo, 24.0, y);
    }
    cairo_set_line_width(cairo, 2.5);
    SetColour(cairo, colour::outline, 0.8);
    cairo_stroke(cairo);
    for (const double side : {-1.0, 1.0}) {
        const double bannerLeft = side * 66.0 - 13.0;
        cairo_move_to(cairo, bannerLeft, base - 90.0);
        cairo_line_to(cairo, bannerLeft + 26.0, base - 90.0);
        cairo_line_to(cairo, bannerLeft + 26.0, base - 36.0);
        cairo_line_to(cairo, bannerLeft + 13.0, base - 46.0);
        cairo_line_to(cairo, bannerLeft, base - 36.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::bannerLight, colour::banner, 2.0);
        Circle(cairo, bannerLeft + 13.0, base - 70.0, 6.0);
        FillOutlined(cairo, colour::cream, colour::sand, 1.5);
    }
}

} // namespace

void DrawDistantCastle(cairo_t* cairo, double x, double y, double scale, double haze)
{
    cairo_save(cairo);
    cairo_push_group(cairo);
    PushPlacement(cairo, x, y, scale);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    CastleOnCrag(cairo);
    PopPlacement(cairo);
    // The haze lies over the castle itself, lightening it towards the sky.
    cairo_set_operator(cairo, CAIRO_OPERATOR_ATOP);
    SetColour(cairo, 0xDCEEF8, haze * 0.6);
    cairo_paint(cairo);
    cairo_pop_group_to_source(cairo);
    cairo_paint(cairo);
    cairo_restore(cairo);
}

} // namespace content::rooms
