// The launch ramp under the base's dome: a round hall of riveted steel, the
// dome's segments shut overhead, and on a platform in the middle the ramp
// rising towards the dome with Rocko's taxi in its cradle, chase lights
// running up its rails. A crane leans over the taxi, the fuel tank stands
// on the right, the door back to the hall on the left. Aimed from the
// control room, the dome opens on the stars and the Earth; the closing
// lights the taxi's engine.

#include "Episode6Rooms.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"
#include "rooms/RockoTaxi.h"
#include "rooms/episode5/BaseInterior.h"

#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

using namespace moonbase;

constexpr const char* roomStartrampe = "RoomStartrampe";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
// The ring wall from the dome's foot down to the floor.
constexpr double wallTop = 236.0;
constexpr double floorY = 500.0;
// The dome's segments: an ellipse round the middle of its top, cut off by
// the picture's edge, with a striped rim.
constexpr int domeLeft = 182;
constexpr int domeTop = 0;
constexpr int domeWidth = 660;
constexpr int domeHeight = 244;
constexpr double domeX = 512.0 - domeLeft;
constexpr double domeY = 20.0;
constexpr double domeRadiusX = 318.0;
constexpr double domeRadiusY = 214.0;
// The ramp on its platform: the rails rise from (railX0, railY0) to
// (railX1, railY1). Each graphic drawn over the last has its bottom edge a
// row lower: the ramp, its chase lights, the taxi, the launch flame.
constexpr int rampLeft = 280;
constexpr int rampTop = 180;
constexpr int rampWidth = 520;
constexpr int rampBottom = 536;
constexpr double railX0 = 330.0;
constexpr double railY0 = 476.0;
constexpr double railX1 = 740.0;
constexpr double railY1 = 166.0;
constexpr int chaseFrames = 4;
constexpr int chaseLamps = 12;
// The taxi in its cradle, a third of the way up.
constexpr double taxiScale = 1.45;
constexpr double taxiAlong = 0.3;
constexpr int taxiLeft = 260;
constexpr int taxiTop = 190;
constexpr int taxiWidth = 320;
// The crane by the wall, its jib over the taxi; the tank on the right.
constexpr int craneLeft = 150;
constexpr int craneTop = 140;
constexpr int craneWidth = 310;
constexpr int craneHeight = 372;
constexpr int tankLeft = 866;
constexpr int tankTop = 226;
constexpr int tankWidth = 150;
constexpr int tankHeight = 306;
// The launch flame from the taxi's nozzle.
constexpr int flameFrames = 8;
constexpr int flameWidth = 320;
constexpr int flameHeight = 260;

double RailAngle()
{
    return std::atan2(railY1 - railY0, railX1 - railX0);
}

// The point `along` (0 to 1) up the rails, in the room.
void RailPoint(double along, double& x, double& y)
{
    x = railX0 + (railX1 - railX0) * along;
    y = railY0 + (railY1 - railY0) * along;
}

// The taxi's middle in the room: over the rails by its belly's height and
// the cradle's.
void TaxiCentre(double& x, double& y)
{
    RailPoint(taxiAlong, x, y);
    const double angle = RailAngle();
    const double lift = 32.0 * taxiScale + 14.0;
    x += std::sin(angle) * lift;
    y -= std::cos(angle) * lift;
}

// The dome's inside round the segments: violet, its ribs running from the
// segments' rim down to the ring wall, strip lights on the wall's cap.
void DomeAndWall(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, wallTop + 10.0);
    SetVerticalGradient(cairo, 0.0, wallTop, 0x2A2450, violetDark);
    cairo_fill(cairo);
    for (int rib = 0; rib <= 12; ++rib) {
        const double a = pi * rib / 12.0;
        const double rimX = 512.0 - (domeRadiusX + 6.0) * std::cos(a);
        const double rimY = domeY + (domeRadiusY + 6.0) * std::sin(a);
        const double footX = 512.0 - 760.0 * std::cos(a);
        Line(cairo, rimX, rimY, footX, wallTop, colour::outline, 9.0, 0.9);
        Line(cairo, rimX, rimY, footX, wallTop, colour::steel, 5.0, 0.8);
    }
    PlateWall(cairo, -10.0, wallTop, width + 10.0, floorY, 112.0);
    for (const double x : {360.0, 700.0}) {
        RoundedRectangle(cairo, x - 50.0, wallTop + 40.0, 100.0, 12.0, 6.0);
        FillOutlined(cairo, stripLight, tone::steelLight, 2.0);
        Glow(cairo, x, wallTop + 50.0, 120.0, stripLight, 0.3);
    }
}

// The floor: steel plates, a striped edge round the ramp's platform, a
// pipe from the tank to the platform and the scorch of earlier launches.
void Floor(cairo_t* cairo)
{
    PlateFloor(cairo, floorY, height, width, 112.0, floorFar, floorNear);
    Ellipse(cairo, 470.0, 548.0, 210.0, 22.0);
    FillPlain(cairo, 0x2A2440, 0.35);
    Ellipse(cairo, 600.0, 600.0, 360.0, 50.0);
    SetColour(cairo, colour::acid, 0.55);
    cairo_set_line_width(cairo, 6.0);
    cairo_stroke(cairo);
    moonbase::HazardBand(cairo, -4.0, floorY, width + 4.0, floorY + 8.0, 1.5);
    Glow(cairo, 600.0, 560.0, 300.0, colour::acid, 0.12);
}

void Paint(cairo_t* cairo)
{
    DomeAndWall(cairo);
    Floor(cairo);
    Glow(cairo, 512.0, 840.0, 420.0, tone::shadowDeep, 0.3);
}

// The segments' striped rim and the lamps on it, the same shut or open.
void DomeRim(cairo_t* cairo)
{
    cairo_save(cairo);
    Ellipse(cairo, domeX, domeY, domeRadiusX + 12.0, domeRadiusY + 12.0);
    Ellipse(cairo, domeX, domeY, domeRadiusX, domeRadiusY);
    cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cairo);
    HazardBand(cairo, 0.0, 0.0, domeWidth, domeHeight, 0.0);
    cairo_restore(cairo);
    for (const double r : {0.0, 12.0}) {
        Ellipse(cairo, domeX, domeY, domeRadiusX + r, domeRadiusY + r);
        StrokeOutline(cairo, 3.0);
    }
    for (int lamp = 1; lamp < 8; ++lamp) {
        const double a = pi * lamp / 8.0;
        const double x = domeX - (domeRadiusX + 6.0) * std::cos(a);
        const double y = domeY + (domeRadiusY + 6.0) * std::sin(a);
        Circle(cairo, x, y, 4.0);
        FillOutlined(cairo, moonbase::lampGlow, colour::acid, 1.5);
    }
}

// The dome shut: steel segments meeting at its top like the petals of a
// shut iris, each lit along one edge.
void Dome(cairo_t* cairo, int /*frame*/)
{
    cairo_save(cairo);
    Ellipse(cairo, domeX, domeY, domeRadiusX, domeRadiusY);
    cairo_clip(cairo);
    constexpr int segments = 10;
    constexpr double apexY = -120.0;
    for (int segment = 0; segment < segments; ++segment) {
        const double a0 = pi * segment / segments;
        const double a1 = pi * (segment + 1) / segments;
        const double reach = 2.0;
        cairo_move_to(cairo, domeX, apexY);
        cairo_line_to(cairo, domeX - reach * domeRadiusX * std::cos(a0), domeY + reach * domeRadiusY * std::sin(a0));
        cairo_line_to(cairo, domeX - reach * domeRadiusX * std::cos(a1), domeY + reach * domeRadiusY * std::sin(a1));
        cairo_close_path(cairo);
        SetVerticalGradient(cairo, 0.0, domeHeight, segment % 2 == 0 ? tone::steelLight : colour::steel,
                            segment % 2 == 0 ? colour::steel : steelDark);
        cairo_fill_preserve(cairo);
        StrokeOutline(cairo, 2.5);
    }
    // Rivets in rings and a violet hub.
    for (const double ring : {0.55, 0.8}) {
        for (int rivet = 1; rivet < 20; ++rivet) {
            const double a = pi * rivet / 20.0;
            Circle(cairo, domeX - ring * domeRadiusX * std::cos(a), domeY + ring * domeRadiusY * std::sin(a), 2.2);
            FillOutlined(cairo, tone::steelLight, steelDark, 1.0);
        }
    }
    Ellipse(cairo, domeX, domeY, 70.0, 46.0);
    FillOutlined(cairo, colour::violet, violetDark, 3.0);
    Shine(cairo, domeX - 150.0, 120.0, domeX - 60.0, 150.0, 5.0, 0.35);
    cairo_restore(cairo);
    DomeRim(cairo);
}

// The dome open: the segments slid back into the rim and the black sky
// with its stars and the blue Earth above.
void OpenDome(cairo_t* cairo, int /*frame*/)
{
    cairo_save(cairo);
    Ellipse(cairo, domeX, domeY, domeRadiusX, domeRadiusY);
    cairo_clip(cairo);
    DrawStarfield(cairo, 0.0, 0.0, domeWidth, domeHeight, 61);
    constexpr double earthX = domeX + 120.0;
    constexpr double earthY = 96.0;
    Glow(cairo, earthX, earthY, 90.0, 0x6FB6FF, 0.4);
    DrawPlanet(cairo, earthX, earthY, 50.0, 0x8FD0FF, 0x2E5FB0, false);
    Ellipse(cairo, earthX - 14.0, earthY - 10.0, 18.0, 12.0);
    FillPlain(cairo, tone::leafLight, 0.85);
    Ellipse(cairo, earthX + 16.0, earthY + 18.0, 12.0, 8.0);
    FillPlain(cairo, tone::leafLight, 0.85);
    // The segments' edges showing inside the rim.
    Ellipse(cairo, domeX, domeY, domeRadiusX, domeRadiusY);
    Ellipse(cairo, domeX, domeY, domeRadiusX - 16.0, domeRadiusY - 12.0);
    cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_EVEN_ODD);
    SetVerticalGradient(cairo, 0.0, domeHeight, tone::steelLight, steelDark);
    cairo_fill(cairo);
    Ellipse(cairo, domeX, domeY, domeRadiusX - 16.0, domeRadiusY - 12.0);
    StrokeOutline(cairo, 2.5);
    cairo_restore(cairo);
    DomeRim(cairo);
}

// A lattice tower from its foot up to `top` round x, its two legs
// `footHalf` either side of x at the foot and `topHalf` at the top, crossed
// by braces.
void LatticeTower(cairo_t* cairo, double x, double top, double foot, double topHalf, double footHalf,
                  std::uint32_t legs, std::uint32_t braces)
{
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, x + side * footHalf, foot);
        cairo_line_to(cairo, x + side * topHalf, top);
    }
    StrokeBand(cairo, legs, 6.0, 11.0);
    const double half = (topHalf + footHalf) / 2.0 - 2.0;
    for (double y = top + 16.0; y < foot - 30.0; y += 32.0) {
        cairo_move_to(cairo, x - half, y);
        cairo_line_to(cairo, x + half, y + 30.0);
        cairo_move_to(cairo, x + half, y);
        cairo_line_to(cairo, x - half, y + 30.0);
    }
    StrokeBand(cairo, braces, 2.5, 5.5);
}

// The ramp: a striped steel platform on the floor, two rails rising from
// it with rungs between, held up by lattice pylons.
void Ramp(cairo_t* cairo, int /*frame*/)
{
    cairo_translate(cairo, -rampLeft, -rampTop);
    // The pylons from the platform up to the rails.
    for (const double along : {0.45, 0.7, 0.95}) {
        double x = 0.0;
        double y = 0.0;
        RailPoint(along, x, y);
        const double foot = rampBottom - 40.0;
        LatticeTower(cairo, x, y + 8.0, foot, 6.0, 18.0, colour::steel, tone::steelLight);
    }
    // The platform.
    cairo_move_to(cairo, 300.0, rampBottom - 44.0);
    cairo_line_to(cairo, 790.0, rampBottom - 44.0);
    cairo_line_to(cairo, 796.0, rampBottom - 4.0);
    cairo_line_to(cairo, 292.0, rampBottom - 4.0);
    cairo_close_path(cairo);
    SetVerticalGradient(cairo, rampBottom - 44.0, rampBottom, tone::steelLight, steelDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    HazardBand(cairo, 300.0, rampBottom - 22.0, 790.0, rampBottom - 8.0, 2.0);
    DrawArtText(cairo, "STARTRAMPE 1", 600.0, rampBottom - 27.0, 12.0, violetDark);
    // The rails: a dark deck with rungs, a light rail on each side.
    const double angle = RailAngle();
    cairo_save(cairo);
    cairo_translate(cairo, railX0, railY0);
    cairo_rotate(cairo, angle);
    const double length = std::hypot(railX1 - railX0, railY1 - railY0);
    cairo_rectangle(cairo, -20.0, -10.0, length + 30.0, 22.0);
    FillOutlined(cairo, violetDark, 0x2A2058, 3.0);
    for (double x = 0.0; x < length; x += 22.0) {
        cairo_rectangle(cairo, x, -8.0, 8.0, 18.0);
        FillPlain(cairo, colour::violet, 0.9);
    }
    for (const double y : {-12.0, 10.0}) {
        RoundedRectangle(cairo, -24.0, y - 3.0, length + 36.0, 7.0, 3.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    }
    cairo_restore(cairo);
    // The foot block where the rails meet the platform.
    RoundedRectangle(cairo, railX0 - 34.0, railY0 - 6.0, 60.0, rampBottom - 44.0 - railY0 + 8.0, 4.0);
    FillOutlined(cairo, colour::steel, steelDark, 3.0);
}

// Chase lights along the rails' upper edge, one lamp in four lit, running
// up towards the dome.
void ChaseLights(cairo_t* cairo, int frame)
{
    cairo_translate(cairo, -rampLeft, -rampTop);
    const double angle = RailAngle();
    for (int lamp = 0; lamp < chaseLamps; ++lamp) {
        double x = 0.0;
        double y = 0.0;
        RailPoint(0.06 + 0.9 * lamp / (chaseLamps - 1), x, y);
        x += std::sin(angle) * 16.0;
        y -= std::cos(angle) * 16.0;
        const bool lit = lamp % chaseFrames == frame;
        if (lit)
            Glow(cairo, x, y, 16.0, colour::acid, 0.7);
        Circle(cairo, x, y, 4.0);
        FillOutlined(cairo, lit ? tone::white : tone::acidDark, lit ? colour::acid : violetDark, 1.5);
    }
}

// Rocko's taxi in the ramp's cradle, its nose to the dome: the cradle's
// two clamps hold its belly to the rails.
void Taxi(cairo_t* cairo, int /*frame*/)
{
    double x = 0.0;
    double y = 0.0;
    TaxiCentre(x, y);
    PushPlacement(cairo, x - taxiLeft, y - taxiTop, taxiScale, RailAngle());
    for (const double dx : {-44.0, 40.0}) {
        cairo_move_to(cairo, dx - 8.0, 40.0);
        cairo_line_to(cairo, dx, 24.0);
        cairo_line_to(cairo, dx + 8.0, 40.0);
        StrokeBand(cairo, colour::steel, 4.0, 7.0);
        RoundedRectangle(cairo, dx - 12.0, 22.0, 24.0, 8.0, 3.0);
        FillOutlined(cairo, colour::violet, violetDark, 1.5);
    }
    DrawRockoTaxiBody(cairo, TaxiState::parked);
    PopPlacement(cairo);
}

// The nozzle's point in the room.
void Nozzle(double& x, double& y)
{
    TaxiCentre(x, y);
    const double angle = RailAngle();
    x -= 92.0 * taxiScale * std::cos(angle);
    y -= 92.0 * taxiScale * std::sin(angle);
}

constexpr int FlameLeft()
{
    return 96;
}
constexpr int FlameTop()
{
    return rampBottom + 3 - flameHeight;
}

// The launch flame: the engine's fire roaring out of the nozzle down the
// rails, flickering longer and shorter, and smoke billowing on the
// platform.
void LaunchFlame(cairo_t* cairo, int frame)
{
    double x = 0.0;
    double y = 0.0;
    Nozzle(x, y);
    x -= FlameLeft();
    y -= FlameTop();
    const double angle = RailAngle();
    const double flicker = 0.85 + 0.15 * std::sin(frame * 2.0 * pi / flameFrames * 3.0);
    const double grow = std::min(1.0, (frame + 2) / 4.0);
    const double length = 170.0 * flicker * grow;
    // The smoke where the fire hits the platform, growing.
    const double smokeX = x - length * std::cos(angle);
    const double smokeY = std::min(y - length * std::sin(angle), flameHeight - 40.0);
    for (int puff = 0; puff < 7; ++puff) {
        const double spread = (puff - 3.0) * 24.0 * grow;
        const double wobble = std::sin(frame * 0.9 + puff) * 4.0;
        Circle(cairo, smokeX + spread, smokeY + 6.0 + wobble - std::fabs(spread) * 0.2,
               14.0 + 14.0 * grow + (puff % 2) * 6.0);
    }
    FillUnion(cairo, colour::cream, tone::stoneLight, 2.0);
    Glow(cairo, x, y, 110.0 * flicker, colour::orangeLight, 0.6);
    PushPlacement(cairo, x, y, 1.0, angle);
    Ellipse(cairo, 6.0 - length * 0.55, 0.0, length * 0.6, 34.0 * flicker);
    FillPlain(cairo, colour::orange, 0.45);
    DrawFlame(cairo, 6.0, length, 22.0 * flicker);
    PopPlacement(cairo);
}

// The crane: a lattice tower on a foot plate by the wall, its jib
// reaching over the taxi, the hook hanging on its cable.
void Crane(cairo_t* cairo, int /*frame*/)
{
    constexpr double towerX = 74.0;
    constexpr double foot = craneHeight - 8.0;
    constexpr double jibY = 40.0;
    ShadowUnder(cairo, towerX, foot, 60.0, 6.0);
    RoundedRectangle(cairo, towerX - 52.0, foot - 14.0, 104.0, 16.0, 4.0);
    FillOutlined(cairo, colour::violet, violetDark, 2.5);
    LatticeTower(cairo, towerX, jibY, foot - 12.0, 16.0, 22.0, tone::taxiLight, tone::taxi);
    // The jib and its counterweight.
    cairo_move_to(cairo, towerX - 60.0, jibY);
    cairo_line_to(cairo, craneWidth - 14.0, jibY + 6.0);
    StrokeBand(cairo, tone::taxiLight, 9.0, 15.0);
    cairo_move_to(cairo, towerX, jibY - 30.0);
    cairo_line_to(cairo, craneWidth - 20.0, jibY + 4.0);
    cairo_move_to(cairo, towerX, jibY - 30.0);
    cairo_line_to(cairo, towerX - 56.0, jibY);
    StrokeBand(cairo, colour::steel, 2.0, 4.5);
    cairo_move_to(cairo, towerX, jibY - 30.0);
    cairo_line_to(cairo, towerX, jibY);
    StrokeBand(cairo, tone::taxiLight, 5.0, 10.0);
    RoundedRectangle(cairo, towerX - 70.0, jibY - 6.0, 30.0, 30.0, 4.0);
    FillOutlined(cairo, colour::steel, steelDark, 2.5);
    moonbase::HazardBand(cairo, towerX - 66.0, jibY + 12.0, towerX - 44.0, jibY + 20.0, 1.0);
    // The cab.
    RoundedRectangle(cairo, towerX + 10.0, jibY + 8.0, 34.0, 28.0, 5.0);
    FillOutlined(cairo, colour::violet, violetDark, 2.5);
    RoundedRectangle(cairo, towerX + 16.0, jibY + 13.0, 22.0, 12.0, 3.0);
    FillOutlined(cairo, glass, colour::steel, 1.5);
    // The trolley, cable and hook.
    constexpr double hookX = craneWidth - 110.0;
    RoundedRectangle(cairo, hookX - 12.0, jibY + 4.0, 24.0, 12.0, 3.0);
    FillOutlined(cairo, colour::steel, steelDark, 2.0);
    Line(cairo, hookX, jibY + 16.0, hookX, 120.0, colour::outline, 2.5);
    cairo_move_to(cairo, hookX, 118.0);
    cairo_line_to(cairo, hookX, 130.0);
    cairo_arc(cairo, hookX - 8.0, 130.0, 8.0, 0.0, pi * 0.9);
    StrokeBand(cairo, tone::steelLight, 3.5, 7.0);
    RoundedRectangle(cairo, hookX - 8.0, 110.0, 16.0, 12.0, 3.0);
    FillOutlined(cairo, tone::taxiLight, tone::taxi, 2.0);
}

// A red lamp blinking on the crane's tip.
void CraneLamp(cairo_t* cairo, int frame)
{
    BlinkLamp(cairo, frame, 5.0, alarmRed);
}

// The fuel tank: a tall violet cylinder on steel legs with a striped
// band, a gauge showing it full, the stencil and a pipe running down into
// the floor towards the ramp.
void Tank(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = tankWidth;
    constexpr double h = tankHeight;
    constexpr double left = 16.0;
    constexpr double right = w - 10.0;
    constexpr double top = 26.0;
    constexpr double bottom = h - 60.0;
    ShadowUnder(cairo, w / 2.0, h - 6.0, 64.0, 7.0);
    for (const double x : {left + 14.0, right - 14.0}) {
        cairo_move_to(cairo, x, bottom - 10.0);
        cairo_line_to(cairo, x + (x < w / 2.0 ? -8.0 : 8.0), h - 8.0);
    }
    StrokeBand(cairo, colour::steel, 6.0, 11.0);
    // A pipe from the foot down into the floor, leftwards.
    cairo_move_to(cairo, w / 2.0, bottom);
    cairo_line_to(cairo, w / 2.0, h - 20.0);
    cairo_line_to(cairo, 0.0, h - 20.0);
    StrokeBand(cairo, colour::steel, 8.0, 13.0);
    // The cylinder: its sides, its domed top.
    cairo_move_to(cairo, left, top + 16.0);
    cairo_curve_to(cairo, left, top - 8.0, right, top - 8.0, right, top + 16.0);
    cairo_line_to(cairo, right, bottom);
    cairo_curve_to(cairo, right, bottom + 14.0, left, bottom + 14.0, left, bottom);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(left, 0.0, right, 0.0),
                {{0.0, colour::violet}, {0.3, tone::violetLight}, {1.0, violetDark}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    for (const double y : {top + 40.0, bottom - 40.0}) {
        cairo_move_to(cairo, left, y);
        cairo_curve_to(cairo, left, y + 10.0, right, y + 10.0, right, y);
        StrokeOutline(cairo, 2.0);
    }
    HazardBand(cairo, left + 1.5, top + 120.0, right - 1.5, top + 134.0, 1.5);
    DrawArtText(cairo, "TREIBSTOFF", (left + right) / 2.0, top + 106.0, 12.0, tone::acidLight);
    // The gauge: a dial at full.
    Circle(cairo, (left + right) / 2.0, top + 170.0, 17.0);
    FillOutlined(cairo, colour::cream, colour::steel, 2.5);
    cairo_arc(cairo, (left + right) / 2.0, top + 170.0, 12.0, pi * 0.8, pi * 2.2);
    SetColour(cairo, colour::acid);
    cairo_set_line_width(cairo, 3.0);
    cairo_stroke(cairo);
    Line(cairo, (left + right) / 2.0, top + 170.0, (left + right) / 2.0 + 10.0, top + 164.0, moonbase::alarmRed, 2.5);
    // The valve wheel on the pipe, the cap on top and the shine.
    Circle(cairo, w / 2.0, h - 40.0, 9.0);
    cairo_set_line_width(cairo, 4.0);
    SetColour(cairo, moonbase::alarmRed);
    cairo_stroke(cairo);
    RoundedRectangle(cairo, w / 2.0 - 14.0, top - 18.0, 28.0, 14.0, 4.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    Shine(cairo, left + 22.0, top + 30.0, left + 22.0, bottom - 30.0, 4.0, 0.35);
}

} // namespace

RoomDescription RoomStartrampe()
{
    RoomDescription room;
    room.label = roomStartrampe;
    room.folder = "data\\level06\\roomstartrampe\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The floor in front of the ramp's platform, the crane and the tank,
    // and the strip by the door.
    room.floor = {{{12.0, 548.0}, {1012.0, 548.0}, {1012.0, 650.0}, {12.0, 650.0}},
                  {{12.0, 502.0}, {156.0, 502.0}, {156.0, 650.0}, {12.0, 650.0}}};
    room.leads = {{{50.0, 600.0}, {990.0, 600.0}},  {{85.0, 506.0}, {85.0, 600.0}},   {{210.0, 600.0}, {210.0, 566.0}},
                  {{380.0, 600.0}, {380.0, 566.0}}, {{520.0, 600.0}, {520.0, 570.0}}, {{600.0, 600.0}, {600.0, 566.0}},
                  {{930.0, 600.0}, {930.0, 566.0}}, {{650.0, 600.0}, {650.0, 614.0}}};
    room.backY = static_cast<int>(floorY);
    room.frontY = 720;
    room.light = 0xD4D8F0;
    room.lightPools = {{{360.0, 570.0}, 160.0, 50.0, 0xF0F4FF},
                       {{700.0, 570.0}, 160.0, 50.0, 0xF0F4FF},
                       {{600.0, 580.0}, 260.0, 50.0, 0xE0F4C0},
                       {{150.0, 560.0}, 120.0, 40.0, 0xFFE8C0}};
    room.graphics = {
        BaseDoor("tuer_basis", 20, 256, 130, 244),
        {"kuppel", domeLeft, domeTop, domeWidth, domeHeight, 1, Dome},
        {"offenekuppel", domeLeft, domeTop, domeWidth, domeHeight + 1, 1, OpenDome},
        {"kran", craneLeft, craneTop, craneWidth, craneHeight, 1, Crane},
        {"signallampe", craneLeft + craneWidth - 14 - lampReach, craneTop + 38 - lampReach, 2 * lampReach,
         2 * lampReach, lampFrames, CraneLamp},
        {"rampe", rampLeft, rampTop, rampWidth, rampBottom - rampTop, 1, Ramp},
        {"lauflicht", rampLeft, rampTop, rampWidth, rampBottom + 1 - rampTop, chaseFrames, ChaseLights},
        {"taxi", taxiLeft, taxiTop, taxiWidth, rampBottom + 2 - taxiTop, 1, Taxi},
        {"startflamme", FlameLeft(), FlameTop(), flameWidth, flameHeight, flameFrames, LaunchFlame},
        {"tank", tankLeft, tankTop, tankWidth, tankHeight, 1, Tank},
    };
    room.ambience = Ambience::launchRamp;
    return room;
}

levels::RoomStaging StartrampeStaging()
{
    using items::FullName;
    return {
        {{"TuerBasis",
          "Zur Halle",
          roomStartrampe,
          FullName("RoomBasis", "TuerStartrampe"),
          {85, 506},
          {85, 580},
          "tuer_basis"}},
        {{"Taxikristall",
          "Kristallh\xe4"
          "lfte aus dem Taxi",
          roomStartrampe, items::Pickup::none, "taxikristall", false},
         {"Kristall", "Hyperraumkristall", roomStartrampe, items::Pickup::none, "ganzerkristall", false}},
        // Rocko waits in front of the platform, by his taxi.
        {{castanimations::rocko, "Rocko", "Rocko", roomStartrampe, {724, 602}, Entity::left, -190, {650, 614}}},
        {{"taxi", "Rockos Taxi", {520, 570}, Entity::up},
         {"rampe", "Startrampe", {380, 566}, Entity::up},
         {"kuppel", "Kuppel", {600, 566}, Entity::up},
         {"offenekuppel", "Kuppel", {600, 566}, Entity::up},
         {"tank", "Treibstofftank", {930, 566}, Entity::up},
         {"kran", "Kran", {210, 566}, Entity::up}},
    };
}

} // namespace content::rooms
