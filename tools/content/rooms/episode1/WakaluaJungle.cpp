#include "WakaluaJungle.h"

#include "SceneShapes.h"
#include "SpriteArt.h"

#include <cmath>

namespace content::rooms {

void DrawJungleEdge(cairo_t* cairo, double footX, double footY, double scale)
{
    PushPlacement(cairo, footX, footY, scale);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    Circle(cairo, -66.0, -92.0, 70.0);
    Circle(cairo, 14.0, -132.0, 64.0);
    Circle(cairo, 84.0, -82.0, 52.0);
    Circle(cairo, -86.0, -32.0, 50.0);
    Circle(cairo, 104.0, -32.0, 36.0);
    cairo_rectangle(cairo, -96.0, -92.0, 214.0, 92.0);
    FillUnion(cairo, tone::leafLight, tone::leaf);
    // Fronds on both sides of the way in.
    for (const double x : {-56.0, 74.0}) {
        for (int leaf = 0; leaf < 3; ++leaf) {
            const double angle = -1.9 + leaf * 0.6 + (x > 0.0 ? 0.4 : 0.0);
            const auto at = [x, angle](double reach, double turn, double& px, double& py) {
                px = x + reach * std::cos(angle + turn);
                py = -42.0 + reach * std::sin(angle + turn);
            };
            double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0, x3 = 0.0, y3 = 0.0;
            cairo_move_to(cairo, x, -42.0);
            at(40.0, -0.3, x1, y1);
            at(70.0, 0.0, x2, y2);
            at(80.0, 0.0, x3, y3);
            cairo_curve_to(cairo, x1, y1, x2, y2, x3, y3);
            at(60.0, 0.2, x1, y1);
            at(30.0, 0.3, x2, y2);
            cairo_curve_to(cairo, x1, y1, x2, y2, x, -42.0);
            cairo_close_path(cairo);
            FillOutlined(cairo, tone::leafLight, tone::leaf, 2.0);
        }
    }
    // The way in: dark between the leaves, the gate's width.
    cairo_move_to(cairo, -46.0, 0.0);
    cairo_line_to(cairo, -42.0, -92.0);
    cairo_curve_to(cairo, -26.0, -132.0, 26.0, -132.0, 42.0, -92.0);
    cairo_line_to(cairo, 46.0, 0.0);
    cairo_close_path(cairo);
    SetVerticalGradient(cairo, -132.0, 0.0, 0x1E5A3A, 0x2E7A4B);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    PopPlacement(cairo);
}

} // namespace content::rooms
