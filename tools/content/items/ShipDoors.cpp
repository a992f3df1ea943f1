// The doors of the Zephyra. Their rectangles are those of the openings the
// bridge and the engine room paint (RoomBruecke.cpp, RoomMaschinenraum.cpp)
// and of the hatch in the hull on the beach.

#include "items/DoorArt.h"

#include "SceneShapes.h"
#include "ShipStyle.h"
#include "SpriteArt.h"

#include <algorithm>
#include <cmath>

namespace content::items {

namespace {

constexpr std::uint32_t leafTop = 0x6E8098;
constexpr std::uint32_t leafBottom = 0x4B5A74;

// A lit corridor of the ship seen through an opening of `width` x `height`.
void Corridor(cairo_t* cairo, double width, double height)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, height);
    SetVerticalGradient(cairo, 0.0, height, 0x24344F, colour::nightDeep);
    cairo_fill(cairo);
    cairo_move_to(cairo, 0.0, height);
    cairo_line_to(cairo, width * 0.3, height * 0.62);
    cairo_line_to(cairo, width * 0.7, height * 0.62);
    cairo_line_to(cairo, width, height);
    cairo_close_path(cairo);
    SetVerticalGradient(cairo, height * 0.62, height, 0x3E4C66, 0x5B6F8A);
    cairo_fill(cairo);
    RoundedRectangle(cairo, width * 0.3, height * 0.2, width * 0.4, height * 0.42, 6.0);
    FillOutlined(cairo, colour::tealLight, colour::teal, 2.0);
    Glow(cairo, width * 0.5, height * 0.42, width * 0.6, colour::tealLight, 0.45);
}

// The bridge's door marked MASCHINEN: two leaves meeting in the middle,
// each carrying half of the porthole and of the warning stripes, slide into
// the wall and show the corridor behind.
void SlidingDoor(cairo_t* cairo, int frame)
{
    constexpr double width = 104.0;
    constexpr double height = 250.0;
    const double shift = DoorOpening(frame) * width / 2.0;
    const auto opening = [cairo] { RoundedRectangle(cairo, 0.0, 0.0, width, height, 18.0); };
    cairo_save(cairo);
    opening();
    cairo_clip(cairo);
    Corridor(cairo, width, height);
    for (const double side : {-1.0, 1.0}) {
        const double left = side < 0.0 ? -shift : width / 2.0 + shift;
        const double dx = side * shift;
        cairo_save(cairo);
        cairo_rectangle(cairo, left, 0.0, width / 2.0, height);
        cairo_clip(cairo);
        cairo_rectangle(cairo, left - 4.0, -4.0, width / 2.0 + 8.0, height + 8.0);
        FillOutlined(cairo, leafTop, leafBottom, 3.0);
        ship::DrawPorthole(cairo, width / 2.0 + dx, 64.0, 24.0);
        for (int stripe = 0; stripe < 5; ++stripe) {
            const double x = 4.0 + stripe * 20.0 + dx;
            cairo_move_to(cairo, x, 248.0);
            cairo_line_to(cairo, x + 12.0, 232.0);
            cairo_line_to(cairo, x + 22.0, 232.0);
            cairo_line_to(cairo, x + 10.0, 248.0);
            cairo_close_path(cairo);
        }
        FillPlain(cairo, colour::orangeLight, 0.9);
        // The leaf's edge in the middle.
        const double edge = side < 0.0 ? width / 2.0 - shift : width / 2.0 + shift;
        cairo_move_to(cairo, edge, 0.0);
        cairo_line_to(cairo, edge, height);
        cairo_set_line_width(cairo, 3.0);
        SetColour(cairo, colour::outline);
        cairo_stroke(cairo);
        cairo_restore(cairo);
    }
    cairo_restore(cairo);
    opening();
    StrokeOutline(cairo, 3.0);
}

// The shutter before the ladder shaft rolls up into its housing at the top
// and shows the ladder the engine room paints behind it.
void Shutter(cairo_t* cairo, int frame)
{
    constexpr double width = 118.0;
    constexpr double height = 280.0;
    constexpr double housing = 22.0;
    const double bottom = housing + (height - housing) * (1.0 - DoorOpening(frame));
    cairo_save(cairo);
    RoundedRectangle(cairo, 0.0, 0.0, width, height, 16.0);
    cairo_clip(cairo);
    if (bottom > housing + 1.0) {
        cairo_rectangle(cairo, -4.0, housing - 4.0, width + 8.0, bottom - housing + 4.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
        cairo_set_line_width(cairo, 2.0);
        SetColour(cairo, colour::outline, 0.55);
        for (double y = bottom - 18.0; y > housing; y -= 18.0) {
            cairo_move_to(cairo, 0.0, y);
            cairo_line_to(cairo, width, y);
        }
        cairo_stroke(cairo);
        RoundedRectangle(cairo, -4.0, bottom - 16.0, width + 8.0, 16.0, 4.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
        RoundedRectangle(cairo, width / 2.0 - 16.0, bottom - 12.0, 32.0, 8.0, 4.0);
        FillOutlined(cairo, colour::steel, 0x5E6C82, 2.0);
    }
    cairo_restore(cairo);
    // The housing the shutter rolls into.
    RoundedRectangle(cairo, 1.5, 1.5, width - 3.0, housing, 10.0);
    FillOutlined(cairo, 0x3C5578, 0x24344F, 3.0);
    for (double x = 20.0; x < width; x += 39.0)
        ship::DrawRivet(cairo, x, housing / 2.0 + 1.5, 3.0);
}

// Adds a door leaf turning about a vertical hinge at x = `hinge`: closed it
// spans `width` to the other side (`direction` +1 to the right, -1 to the
// left) and `height`; turning away it narrows and its free edge shortens.
void LeafPath(cairo_t* cairo, double hinge, double direction, double width, double height, double turned)
{
    const double reach = width * (1.0 - 0.82 * turned);
    const double inset = height * 0.06 * turned;
    cairo_new_path(cairo);
    cairo_move_to(cairo, hinge, 0.0);
    cairo_line_to(cairo, hinge + direction * reach, inset);
    cairo_line_to(cairo, hinge + direction * reach, height - inset);
    cairo_line_to(cairo, hinge, height);
    cairo_close_path(cairo);
}

// What lies outside the outer hatch: the bright beach and the sea.
void BeachView(cairo_t* cairo, double width, double height)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, height * 0.42);
    SetVerticalGradient(cairo, 0.0, height * 0.42, tone::skyDay, tone::haze);
    cairo_fill(cairo);
    cairo_rectangle(cairo, 0.0, height * 0.42, width, height * 0.16);
    SetVerticalGradient(cairo, height * 0.42, height * 0.58, colour::turquoise, colour::teal);
    cairo_fill(cairo);
    cairo_rectangle(cairo, 0.0, height * 0.58, width, height * 0.42);
    SetVerticalGradient(cairo, height * 0.58, height, colour::sand, tone::sandDark);
    cairo_fill(cairo);
    Glow(cairo, width * 0.6, height * 0.25, width * 0.5, colour::cream, 0.6);
}

// The engine room's outer hatch: a heavy leaf with a hand wheel, hinged on
// the left, swinging out onto the daylight of the beach.
void OuterHatchLeaf(cairo_t* cairo, int frame)
{
    constexpr double width = 144.0;
    constexpr double height = 260.0;
    const double turned = DoorOpening(frame);
    const auto opening = [cairo] { RoundedRectangle(cairo, 0.0, 0.0, width, height, 18.0); };
    cairo_save(cairo);
    opening();
    cairo_clip(cairo);
    BeachView(cairo, width, height);
    LeafPath(cairo, 0.0, 1.0, width + 2.0, height, turned);
    FillOutlined(cairo, leafTop, leafBottom, 3.0);
    const double squeeze = 1.0 - 0.82 * turned;
    const double middle = width * squeeze / 2.0;
    // The hand wheel and the bolts round the leaf, narrowing with it.
    cairo_save(cairo);
    cairo_translate(cairo, middle, height * 0.45);
    cairo_scale(cairo, squeeze, 1.0);
    Circle(cairo, 0.0, 0.0, 34.0);
    StrokeBand(cairo, colour::hibiscus, 8.0, 14.0);
    for (int spoke = 0; spoke < 3; ++spoke) {
        const double angle = spoke * 2.0944 + 0.3;
        cairo_move_to(cairo, 0.0, 0.0);
        cairo_line_to(cairo, 32.0 * std::cos(angle), 32.0 * std::sin(angle));
    }
    StrokeBand(cairo, colour::hibiscus, 5.0, 10.0);
    Circle(cairo, 0.0, 0.0, 8.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    cairo_restore(cairo);
    for (int bolt = 0; bolt < 4; ++bolt) {
        const double y = 30.0 + bolt * 66.0;
        ship::DrawRivet(cairo, width * squeeze - 14.0 * squeeze, y, 4.0);
    }
    // Warning stripes along its foot.
    cairo_save(cairo);
    LeafPath(cairo, 0.0, 1.0, width + 2.0, height, turned);
    cairo_clip(cairo);
    for (int stripe = 0; stripe < 8; ++stripe) {
        const double x = (4.0 + stripe * 20.0) * squeeze;
        cairo_move_to(cairo, x, height - 2.0);
        cairo_line_to(cairo, x + 12.0 * squeeze, height - 18.0);
        cairo_line_to(cairo, x + 22.0 * squeeze, height - 18.0);
        cairo_line_to(cairo, x + 10.0 * squeeze, height - 2.0);
        cairo_close_path(cairo);
    }
    FillPlain(cairo, colour::orangeLight, 0.9);
    cairo_restore(cairo);
    cairo_restore(cairo);
    opening();
    StrokeOutline(cairo, 3.0);
}

// The same hatch from the beach, set into the Zephyra's hull: its orange
// frame, and the leaf with its round window hinged on the right.
void HullHatch(cairo_t* cairo, int frame)
{
    const double turned = DoorOpening(frame);
    RoundedRectangle(cairo, 4.0, 4.0, 72.0, 92.0, 18.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange);
    const auto opening = [cairo] { RoundedRectangle(cairo, 14.0, 14.0, 52.0, 72.0, 12.0); };
    cairo_save(cairo);
    opening();
    cairo_clip(cairo);
    cairo_save(cairo);
    cairo_translate(cairo, 14.0, 14.0);
    Corridor(cairo, 52.0, 72.0);
    cairo_restore(cairo);
    cairo_save(cairo);
    cairo_translate(cairo, 0.0, 14.0);
    LeafPath(cairo, 66.0, -1.0, 54.0, 72.0, turned);
    FillOutlined(cairo, leafTop, leafBottom, 2.5);
    const double squeeze = 1.0 - 0.82 * turned;
    cairo_translate(cairo, 66.0 - 26.0 * squeeze, 26.0);
    cairo_scale(cairo, squeeze, 1.0);
    Circle(cairo, 0.0, 0.0, 12.0);
    FillOutlined(cairo, colour::cream, colour::turquoise, 2.5);
    RoundedRectangle(cairo, -16.0, 22.0, 12.0, 8.0, 3.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    cairo_restore(cairo);
    cairo_restore(cairo);
    opening();
    StrokeOutline(cairo, 2.5);
}

} // namespace

double DoorOpening(int frame)
{
    const double t = std::clamp(frame / static_cast<double>(doorFrames - 1), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

rooms::RoomGraphic BridgeEngineRoomDoor()
{
    return {"tuer_maschinenraum", 50, 186, 104, 250, doorFrames, SlidingDoor};
}

rooms::RoomGraphic LadderShutter()
{
    return {"leiter_bruecke", 866, 166, 118, 280, doorFrames, Shutter};
}

rooms::RoomGraphic OuterHatchInside()
{
    return {"aussenluke", 50, 186, 144, 260, doorFrames, OuterHatchLeaf};
}

rooms::RoomGraphic OuterHatchOutside()
{
    return {"luke", 1080, 420, 80, 100, doorFrames, HullHatch};
}

} // namespace content::items
