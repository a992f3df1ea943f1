// The Baron's landing pad on his moon, under the base's glass dome: beyond
// the glass the grey moon with its craters, the black sky full of stars
// and the blue Earth; on the pad's steel plates Rocko's taxi just landed, a
// crashed supply capsule, a sign forbidding entry and a radio mast; on the
// right the base's wall with the airlock's outer door and its dead switch
// box.

#include "Episode5Rooms.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"
#include "minigames/Dice.h"
#include "rooms/RockoTaxi.h"
#include "rooms/episode5/BaseInterior.h"

#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

using moonbase::steelDark;
using moonbase::violetDark;

constexpr const char* roomLandeplatz = "RoomLandeplatz";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
// Where the moon's ground beyond the glass meets the sky, and where the
// pad's plates begin.
constexpr double horizonY = 330.0;
constexpr double padY = 478.0;
// The base's wall on the right and the airlock's outer door in it.
constexpr double wallLeft = 700.0;
constexpr double wallTop = 196.0;
constexpr int doorLeft = 852;
constexpr int doorTop = 242;
constexpr int doorWidth = 132;
constexpr int doorHeight = 240;
// The switch box on the wall beside the door.
constexpr int boxLeft = 770;
constexpr int boxTop = 352;
constexpr int boxWidth = 62;
constexpr int boxHeight = 96;
// Rocko's taxi on its legs, nose to the right.
constexpr double taxiScale = 1.6;
constexpr double taxiX = 330.0;
constexpr double taxiFootY = 590.0;
constexpr double taxiY = taxiFootY - 60.0 * taxiScale;
constexpr int taxiLeft = static_cast<int>(taxiX) - 150;
constexpr int taxiTop = static_cast<int>(taxiY) - 76;
// The capsule in the front, lying where it skidded to a halt.
constexpr int capsuleLeft = 606;
constexpr int capsuleTop = 520;
constexpr int capsuleWidth = 200;
constexpr int capsuleHeight = 128;
constexpr int openCapsuleWidth = 276;
// The Earth in the sky.
constexpr double earthX = 226.0;
constexpr double earthY = 196.0;
constexpr double earthRadius = 58.0;
// The dome's glass: light and the ribs' steel.
constexpr std::uint32_t glassTint = 0xB8C8FF;
constexpr std::uint32_t padLight = 0x9AA2BA;
constexpr std::uint32_t padDark = 0x5E6680;
constexpr std::uint32_t earthBlue = 0x3A7BD5;

// The black sky with its stars, and the grey moon to the horizon: far hills
// and craters, darker towards the pad.
void MoonScape(cairo_t* cairo)
{
    DrawStarfield(cairo, 0.0, 0.0, width, horizonY + 20.0, 5);
    cairo_move_to(cairo, -10.0, horizonY + 40.0);
    for (double x = -10.0; x <= width + 10.0; x += 8.0)
        cairo_line_to(cairo, x, horizonY - 22.0 * std::abs(std::sin(x / 130.0 + 0.4)) - 8.0 * std::sin(x / 37.0));
    cairo_line_to(cairo, width + 10.0, horizonY + 40.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xA6A0BC, 0x7E7898, 2.0);
    cairo_rectangle(cairo, -10.0, horizonY + 10.0, width + 20.0, padY - horizonY);
    SetVerticalGradient(cairo, horizonY + 10.0, padY, 0x8E88A8, 0x625C80);
    cairo_fill(cairo);
    minigames::Dice dice(17);
    for (int crater = 0; crater < 14; ++crater) {
        const double y = dice.Between(horizonY + 16.0, padY - 20.0);
        const double x = dice.Between(0.0, width);
        const double rx = 10.0 + (y - horizonY) * dice.Between(0.15, 0.3);
        Ellipse(cairo, x, y, rx, rx * 0.3);
        FillOutlined(cairo, tone::moonDark, 0x8A7DB4, 1.5);
        Ellipse(cairo, x + rx * 0.15, y + rx * 0.06, rx * 0.7, rx * 0.16);
        FillPlain(cairo, 0x4E4670, 0.6);
    }
}

// The blue Earth, lit from the right: seas, green and sandy land, clouds.
void Earth(cairo_t* cairo, double x, double y)
{
    cairo_save(cairo);
    Circle(cairo, x, y, earthRadius);
    cairo_clip(cairo);
    SetRadialGradient(cairo, x + 18.0, y - 20.0, earthRadius * 1.5, 0x8FD0FF, earthBlue);
    cairo_paint(cairo);
    constexpr double lands[][5] = {{-20, -18, 22, 14, 0.6}, {-8, 16, 14, 20, -0.2}, {26, 6, 16, 10, 1.1}};
    for (const auto& land : lands) {
        cairo_save(cairo);
        cairo_translate(cairo, x + land[0], y + land[1]);
        cairo_rotate(cairo, land[4]);
        Ellipse(cairo, 0.0, 0.0, land[2], land[3]);
        cairo_restore(cairo);
        FillPlain(cairo, tone::leafLight, 0.95);
    }
    Ellipse(cairo, x - 4.0, y + 26.0, 8.0, 6.0);
    FillPlain(cairo, tone::sandDark, 0.9);
    for (const double dy : {-36.0, -6.0, 24.0}) {
        cairo_move_to(cairo, x - earthRadius, y + dy);
        cairo_curve_to(cairo, x - 16.0, y + dy - 10.0, x + 12.0, y + dy + 8.0, x + earthRadius, y + dy - 4.0);
        SetColour(cairo, tone::white, 0.6);
        cairo_set_line_width(cairo, 5.0);
        cairo_stroke(cairo);
    }
    Circle(cairo, x - earthRadius * 0.5, y + earthRadius * 0.25, earthRadius * 1.02);
    FillPlain(cairo, 0x101430, 0.45);
    cairo_restore(cairo);
    Circle(cairo, x, y, earthRadius);
    StrokeOutline(cairo, 3.0);
}

// The glass dome over the pad: its steel ribs arching up out of the
// picture from the pad's edge, the faint tint of the glass and the glare
// of the strip lights on it.
void Dome(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, padY);
    SetVerticalGradient(cairo, 0.0, padY, glassTint, glassTint, 0.06);
    cairo_fill(cairo);
    for (const double foot : {-60.0, 180.0, 470.0, 760.0}) {
        cairo_move_to(cairo, foot, padY);
        cairo_curve_to(cairo, foot + 40.0, 260.0, foot + 160.0, 80.0, foot + 330.0, -10.0);
        StrokeBand(cairo, colour::steel, 7.0, 12.0);
    }
    cairo_move_to(cairo, -10.0, 120.0);
    cairo_curve_to(cairo, 300.0, 70.0, 720.0, 70.0, width + 10.0, 130.0);
    StrokeBand(cairo, colour::steel, 6.0, 11.0);
    // The glare on the glass.
    for (const double x : {90.0, 560.0}) {
        cairo_move_to(cairo, x, 300.0);
        cairo_curve_to(cairo, x + 20.0, 220.0, x + 70.0, 150.0, x + 130.0, 110.0);
        SetColour(cairo, tone::white, 0.16);
        cairo_set_line_width(cairo, 14.0);
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cairo);
    }
}

// The pad: steel plates in rows growing towards the viewer, the dome's
// foot ring along its back edge, and the big landing ring and cross in
// acid green.
void Pad(cairo_t* cairo)
{
    moonbase::PlateFloor(cairo, padY, height, width, 110.0, padLight, padDark);
    Ellipse(cairo, 400.0, 596.0, 330.0, 62.0);
    SetColour(cairo, colour::acid, 0.75);
    cairo_set_line_width(cairo, 8.0);
    cairo_stroke(cairo);
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, 400.0 - 120.0 * side, 570.0);
        cairo_line_to(cairo, 400.0 + 120.0 * side, 624.0);
    }
    SetColour(cairo, colour::acid, 0.45);
    cairo_set_line_width(cairo, 12.0);
    cairo_stroke(cairo);
    // The dome's foot: a steel ring on the pad's back edge.
    cairo_rectangle(cairo, -10.0, padY - 10.0, width + 20.0, 14.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    for (double x = 30.0; x < width; x += 80.0) {
        Circle(cairo, x, padY - 3.0, 2.0);
        FillPlain(cairo, steelDark);
    }
}

// The base's wall on the right: riveted plates under a lit cap, a warning
// band at its foot, the door's deep frame and a strip light over it.
void BaseWall(cairo_t* cairo)
{
    RoundedRectangle(cairo, wallLeft, wallTop, width - wallLeft + 10.0, padY - wallTop + 6.0, 6.0);
    FillOutlined(cairo, colour::steel, steelDark, 3.0);
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.5);
    for (double x = wallLeft + 64.0; x < width; x += 64.0) {
        cairo_move_to(cairo, x, wallTop + 4.0);
        cairo_line_to(cairo, x, padY - 20.0);
    }
    cairo_move_to(cairo, wallLeft, wallTop + 120.0);
    cairo_line_to(cairo, width, wallTop + 120.0);
    cairo_stroke(cairo);
    for (double x = wallLeft + 10.0; x < width; x += 32.0) {
        for (const double y : {wallTop + 12.0, wallTop + 130.0}) {
            Circle(cairo, x, y, 2.2);
            FillPlain(cairo, tone::steelLight, 0.9);
        }
    }
    // The violet cap along the top, its strip light green.
    RoundedRectangle(cairo, wallLeft - 8.0, wallTop - 26.0, width - wallLeft + 20.0, 30.0, 8.0);
    FillOutlined(cairo, colour::violet, violetDark, 3.0);
    RoundedRectangle(cairo, wallLeft + 20.0, wallTop - 16.0, width - wallLeft - 30.0, 8.0, 4.0);
    FillOutlined(cairo, moonbase::lampGlow, colour::acid, 1.5);
    Glow(cairo, 860.0, wallTop + 10.0, 180.0, colour::acid, 0.18);
    moonbase::HazardBand(cairo, wallLeft + 2.0, padY - 22.0, width, padY - 8.0, 2.0);
    DrawArtText(cairo, "SCHLEUSE 1", doorLeft + doorWidth / 2.0, wallTop + 30.0, 18.0, tone::acidLight);
}

void Paint(cairo_t* cairo)
{
    MoonScape(cairo);
    Glow(cairo, earthX, earthY, earthRadius * 1.7, 0x6FB6FF, 0.35);
    Earth(cairo, earthX, earthY);
    Dome(cairo);
    Pad(cairo);
    BaseWall(cairo);
    // The Earth's blue light over the pad's left and the shade in front.
    Glow(cairo, 200.0, 560.0, 260.0, 0x6FB6FF, 0.12);
    Glow(cairo, 512.0, 820.0, 420.0, tone::shadowDeep, 0.3);
}

// The Earth as the pointer finds it: the planet drawn again over the
// background, so that it is as large as it looks.
constexpr int earthLeft = static_cast<int>(earthX - earthRadius) - 4;
constexpr int earthTop = static_cast<int>(earthY - earthRadius) - 4;
void EarthGraphic(cairo_t* cairo, int /*frame*/)
{
    Earth(cairo, earthX - earthLeft, earthY - earthTop);
}

// The radio mast: a lattice tower on a foot plate, a dish half way up and
// a red light on its tip blinking once a round.
constexpr int mastFrames = 4;
constexpr int mastWidth = 110;
constexpr int mastHeight = 340;
void RadioMast(cairo_t* cairo, int frame)
{
    constexpr double cx = mastWidth / 2.0;
    constexpr double tip = 22.0;
    constexpr double foot = mastHeight - 10.0;
    RoundedRectangle(cairo, cx - 40.0, foot - 8.0, 80.0, 16.0, 4.0);
    FillOutlined(cairo, colour::steel, steelDark, 2.5);
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, cx + side * 30.0, foot);
        cairo_line_to(cairo, cx + side * 5.0, tip);
    }
    StrokeBand(cairo, tone::steelLight, 4.0, 8.0);
    for (double y = tip + 24.0; y < foot - 10.0; y += 30.0) {
        const double half = 5.0 + 25.0 * (y - tip) / (foot - tip);
        const double next = 5.0 + 25.0 * (y + 30.0 - tip) / (foot - tip);
        cairo_move_to(cairo, cx - half, y);
        cairo_line_to(cairo, cx + next, y + 30.0);
        cairo_move_to(cairo, cx + half, y);
        cairo_line_to(cairo, cx - next, y + 30.0);
    }
    StrokeBand(cairo, colour::steel, 2.0, 4.5);
    // The dish.
    cairo_save(cairo);
    cairo_translate(cairo, cx + 16.0, 130.0);
    cairo_rotate(cairo, -0.6);
    cairo_arc(cairo, 0.0, 0.0, 26.0, 0.0, pi);
    cairo_close_path(cairo);
    cairo_restore(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    // The light, bright in the first frame and dimming.
    const double strength = frame == 0 ? 1.0 : frame == 1 ? 0.5 : 0.1;
    Glow(cairo, cx, tip - 6.0, 22.0, moonbase::alarmRed, 0.8 * strength);
    Circle(cairo, cx, tip - 6.0, 6.0);
    FillOutlined(cairo, strength > 0.4 ? 0xFF9A9A : 0x9A3A40, moonbase::alarmRed, 2.0);
}

// The sign on two posts at the pad's back edge.
constexpr int signLeft = 486;
constexpr int signTop = 334;
constexpr int signWidth = 200;
constexpr int signHeight = 150;
void Sign(cairo_t* cairo, int /*frame*/)
{
    for (const double x : {40.0, 160.0}) {
        cairo_rectangle(cairo, x - 5.0, 60.0, 10.0, signHeight - 64.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    }
    RoundedRectangle(cairo, 4.0, 4.0, signWidth - 8.0, 86.0, 6.0);
    FillOutlined(cairo, colour::violet, violetDark, 3.0);
    RoundedRectangle(cairo, 10.0, 10.0, signWidth - 20.0, 74.0, 4.0);
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, tone::acidLight, 0.8);
    cairo_stroke(cairo);
    DrawArtText(cairo, "PRIVATMOND", signWidth / 2.0, 32.0, 17.0, tone::acidLight);
    DrawArtText(cairo, "BARON VON BLECH", signWidth / 2.0, 54.0, 14.0, colour::cream);
    DrawArtText(cairo, "BETRETEN VERBOTEN", signWidth / 2.0, 75.0, 13.0, 0xFF9A9A);
    ShadowUnder(cairo, signWidth / 2.0, signHeight - 4.0, 70.0, 4.0);
}

// The airlock's switch box: a grey steel box with a dead red lamp, a lever
// and two terminals for leads, cable ducts running up into the wall.
void SwitchBox(cairo_t* cairo, int /*frame*/)
{
    cairo_rectangle(cairo, 24.0, 0.0, 14.0, 14.0);
    FillOutlined(cairo, colour::steel, steelDark, 2.0);
    RoundedRectangle(cairo, 3.0, 12.0, boxWidth - 6.0, boxHeight - 15.0, 6.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    moonbase::HazardBand(cairo, 8.0, 18.0, boxWidth - 8.0, 26.0, 1.5);
    // The dead lamp.
    Circle(cairo, boxWidth / 2.0, 40.0, 7.0);
    FillOutlined(cairo, 0x8A3A44, 0x5A2230, 2.0);
    Shine(cairo, boxWidth / 2.0 - 3.0, 37.0, boxWidth / 2.0 - 1.0, 36.0, 2.0, 0.6);
    // The lever, down.
    RoundedRectangle(cairo, 14.0, 54.0, 12.0, 26.0, 4.0);
    FillOutlined(cairo, colour::steel, steelDark, 2.0);
    cairo_move_to(cairo, 20.0, 70.0);
    cairo_line_to(cairo, 14.0, 84.0);
    StrokeBand(cairo, violetDark, 3.0, 6.0);
    // Terminals: red and black.
    for (const auto& [x, light] : {std::pair{38.0, moonbase::alarmRed}, std::pair{50.0, 0x3A3E52u}}) {
        Circle(cairo, x, 64.0, 5.0);
        FillOutlined(cairo, light, light, 1.5);
    }
}

// The switch box's lamp lit green, shown over the dead one once the taxi's
// battery feeds the airlock.
constexpr int greenLampReach = 14;
void GreenLamp(cairo_t* cairo, int /*frame*/)
{
    Glow(cairo, greenLampReach, greenLampReach, greenLampReach - 1.0, colour::acid, 0.6);
    Circle(cairo, greenLampReach, greenLampReach, 7.0);
    FillOutlined(cairo, tone::acidLight, colour::acid, 2.0);
    Shine(cairo, greenLampReach - 3.0, greenLampReach - 3.0, greenLampReach - 1.0, greenLampReach - 4.0, 2.0, 0.8);
}

// Rocko's taxi just landed on its legs in the landing ring.
void Taxi(cairo_t* cairo, int /*frame*/)
{
    Ellipse(cairo, taxiX - taxiLeft, taxiFootY - 4.0 - taxiTop, 140.0, 8.0);
    FillPlain(cairo, tone::shadowDeep, 0.35);
    PushPlacement(cairo, taxiX - taxiLeft, taxiY - taxiTop, taxiScale);
    DrawParkedRockoTaxi(cairo);
    PopPlacement(cairo);
}

// The arrival: a bright flash where the taxi comes out of the time hole
// and a ring of moon dust blown outwards over the pad, fading.
constexpr int flashFrames = 8;
constexpr int flashWidth = 420;
constexpr int flashHeight = 280;
void LandingFlash(cairo_t* cairo, int frame)
{
    const double t = (frame + 1) / static_cast<double>(flashFrames);
    const double fade = 1.0 - t;
    const double cx = flashWidth / 2.0;
    const double cy = flashHeight / 2.0;
    Glow(cairo, cx, cy, 50.0 + 80.0 * t, tone::white, 0.95 * std::sin(pi * std::min(t * 1.6, 1.0)));
    Glow(cairo, cx, cy, 80.0 + 50.0 * t, colour::tealLight, 0.5 * fade);
    for (int puff = 0; puff < 12; ++puff) {
        const double angle = puff * 2.0 * pi / 12.0;
        const double reach = 60.0 + 140.0 * t;
        const double x = cx + reach * std::cos(angle);
        const double y = flashHeight - 40.0 + reach * 0.2 * std::sin(angle);
        Circle(cairo, x, y, 10.0 + 14.0 * t);
        FillPlain(cairo, tone::moonLight, 0.7 * fade);
    }
    Ellipse(cairo, cx, flashHeight - 40.0, 60.0 + 150.0 * t, 14.0 + 26.0 * t);
    cairo_set_line_width(cairo, 4.0);
    SetColour(cairo, tone::white, 0.8 * fade);
    cairo_stroke(cairo);
}

// The jump leads: a red and a black cable from the taxi's bonnet down onto
// the pad, along its back edge behind the capsule and up the wall to the
// switch box's terminals, clipped on.
constexpr int leadsLeft = 452;
constexpr int leadsTop = 404;
constexpr int leadsWidth = 380;
constexpr int leadsHeight = 150;
void JumpLeads(cairo_t* cairo, int /*frame*/)
{
    const double noseX = taxiX + 76.0 * taxiScale - leadsLeft;
    const double noseY = taxiY - leadsTop;
    for (const auto& [dx, light, terminal] :
         {std::tuple{0.0, moonbase::alarmRed, 38.0}, std::tuple{6.0, 0x3A3E52u, 50.0}}) {
        const double endX = boxLeft + terminal - leadsLeft;
        const double endY = boxTop + 64.0 - leadsTop;
        const double groundY = leadsHeight - 14.0 - dx;
        cairo_move_to(cairo, noseX + dx, noseY + dx * 0.5);
        cairo_curve_to(cairo, noseX + 30.0 + dx, noseY + 30.0, noseX + 20.0, groundY, noseX + 70.0, groundY);
        cairo_curve_to(cairo, 160.0, groundY + 4.0, 240.0, groundY - 8.0, endX - 20.0 + dx, groundY - 6.0);
        cairo_curve_to(cairo, endX + 6.0 + dx, groundY - 8.0, endX + dx * 0.5, endY + 40.0, endX, endY + 10.0);
        StrokeBand(cairo, light, 4.0, 7.5);
        // The crocodile clip.
        cairo_save(cairo);
        cairo_translate(cairo, endX, endY + 4.0);
        cairo_rotate(cairo, -1.4);
        RoundedRectangle(cairo, -4.0, -4.0, 16.0, 8.0, 2.0);
        cairo_restore(cairo);
        FillOutlined(cairo, light, light, 1.5);
    }
}

// The supply capsule: a dented steel drop pod lying on its side, its fins
// bent, scorch marks, the Baron's crest "B" on its hatch. Open, the hatch
// lies blown off beside it, the inside glows with frost and cold vapour
// rises from it.
void CapsuleBody(cairo_t* cairo)
{
    ShadowUnder(cairo, 100.0, capsuleHeight - 10.0, 96.0, 9.0);
    // The fins at the back, bent.
    for (const double dy : {-1.0, 1.0}) {
        cairo_move_to(cairo, 34.0, 70.0 + dy * 20.0);
        cairo_line_to(cairo, 6.0, 70.0 + dy * 44.0);
        cairo_line_to(cairo, 18.0, 70.0 + dy * 46.0);
        cairo_line_to(cairo, 50.0, 70.0 + dy * 26.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, colour::violet, violetDark, 2.5);
    }
    // The hull: a cone lying on its side, its nose to the right.
    cairo_move_to(cairo, 26.0, 40.0);
    cairo_curve_to(cairo, 80.0, 22.0, 150.0, 30.0, 190.0, 62.0);
    cairo_curve_to(cairo, 196.0, 74.0, 190.0, 86.0, 178.0, 94.0);
    cairo_curve_to(cairo, 130.0, 114.0, 70.0, 116.0, 26.0, 104.0);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, 26.0, 0.0, 116.0),
                {{0.0, tone::steelLight}, {0.45, colour::steel}, {1.0, steelDark}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    // Dents and scorch marks.
    for (const auto& [x, y, r] : {std::tuple{70.0, 48.0, 9.0}, std::tuple{150.0, 80.0, 7.0}}) {
        cairo_arc(cairo, x, y, r, pi * 0.1, pi * 0.9);
        StrokeOutline(cairo, 1.5);
    }
    Ellipse(cairo, 170.0, 70.0, 18.0, 22.0);
    FillPlain(cairo, 0x3A2E4A, 0.35);
    moonbase::HazardBand(cairo, 30.0, 96.0, 160.0, 104.0, 1.5);
}

void Hatch(cairo_t* cairo, double x, double y, double rx, double ry)
{
    Ellipse(cairo, x, y, rx, ry);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    Ellipse(cairo, x, y, rx * 0.72, ry * 0.72);
    SetColour(cairo, steelDark, 0.8);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
}

void Capsule(cairo_t* cairo, int /*frame*/)
{
    CapsuleBody(cairo);
    // The hatch, jammed crooked in its frame.
    Hatch(cairo, 104.0, 68.0, 30.0, 26.0);
    cairo_move_to(cairo, 80.0, 52.0);
    cairo_line_to(cairo, 128.0, 86.0);
    StrokeOutline(cairo, 1.5);
    moonbase::BaronCrest(cairo, 104.0, 64.0, 12.0, 2.0);
}

void OpenCapsule(cairo_t* cairo, int /*frame*/)
{
    CapsuleBody(cairo);
    // The open hatchway: frost inside and cold vapour rising.
    Ellipse(cairo, 104.0, 68.0, 30.0, 26.0);
    FillOutlined(cairo, 0x2A3460, colour::nightDeep, 3.0);
    Glow(cairo, 104.0, 72.0, 28.0, 0xCFEFFF, 0.6);
    // Frost on the hatchway's rim.
    Ellipse(cairo, 104.0, 68.0, 27.0, 23.0);
    SetColour(cairo, 0xE6F4FF, 0.9);
    cairo_set_line_width(cairo, 4.0);
    cairo_stroke(cairo);
    for (int puff = 0; puff < 4; ++puff) {
        Circle(cairo, 100.0 + puff * 8.0, 40.0 - puff * 10.0, 12.0 + puff * 3.0);
        FillPlain(cairo, 0xE6F4FF, 0.45 - puff * 0.08);
    }
    // The hatch blown off, lying flat on the pad to the right.
    Hatch(cairo, 236.0, 110.0, 34.0, 12.0);
    moonbase::BaronCrest(cairo, 236.0, 106.0, 6.0, 2.0);
}

} // namespace

RoomDescription RoomLandeplatz()
{
    RoomDescription room;
    room.label = roomLandeplatz;
    room.folder = "data\\level05\\roomlandeplatz\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The pad's plates, leaving out where the taxi stands on its legs and
    // where the capsule lies: a strip along the back, the front before the
    // taxi, and the pad either side of the taxi and of the capsule.
    room.floor = {{{12.0, 492.0}, {1012.0, 492.0}, {1012.0, 540.0}, {12.0, 540.0}},
                  {{12.0, 492.0}, {206.0, 492.0}, {206.0, 650.0}, {12.0, 650.0}},
                  {{12.0, 606.0}, {600.0, 606.0}, {600.0, 650.0}, {12.0, 650.0}},
                  {{458.0, 492.0}, {600.0, 492.0}, {600.0, 650.0}, {458.0, 650.0}},
                  {{458.0, 492.0}, {1012.0, 492.0}, {1012.0, 548.0}, {458.0, 548.0}},
                  {{884.0, 492.0}, {1012.0, 492.0}, {1012.0, 650.0}, {884.0, 650.0}}};
    room.leads = {{{60.0, 516.0}, {330.0, 516.0}, {590.0, 520.0}, {800.0, 522.0}, {930.0, 530.0}},
                  {{110.0, 516.0}, {130.0, 630.0}, {330.0, 630.0}, {530.0, 628.0}, {540.0, 520.0}},
                  {{930.0, 530.0}, {950.0, 630.0}},
                  {{918.0, 496.0}, {930.0, 530.0}}};
    room.backY = 478;
    room.frontY = 720;
    room.light = 0xD6D8F0;
    room.lightPools = {{{200.0, 560.0}, 220.0, 80.0, 0xB8D8FF},
                       {{900.0, 520.0}, 160.0, 50.0, 0xD8F0B0},
                       {{400.0, 600.0}, 200.0, 50.0, 0xE8F4D8}};
    room.graphics = {
        moonbase::BaseDoor("tuer_schleuse", doorLeft, doorTop, doorWidth, doorHeight),
        {"schaltkasten", boxLeft, boxTop, boxWidth, boxHeight, 1, SwitchBox},
        {"schaltlampe", boxLeft + boxWidth / 2 - greenLampReach, boxTop + 40 - greenLampReach, 2 * greenLampReach,
         2 * greenLampReach, 1, GreenLamp},
        {"erde", earthLeft, earthTop, static_cast<int>(2.0 * earthRadius) + 8, static_cast<int>(2.0 * earthRadius) + 8,
         1, EarthGraphic},
        {"funkmast", 20, 484 - mastHeight, mastWidth, mastHeight, mastFrames, RadioMast},
        {"schild", signLeft, signTop, signWidth, signHeight, 1, Sign},
        {"taxi", taxiLeft, taxiTop, 290, static_cast<int>(taxiFootY) + 4 - taxiTop, 1, Taxi},
        {"kabelrolle", leadsLeft, leadsTop, leadsWidth, leadsHeight, 1, JumpLeads},
        {"kapsel", capsuleLeft, capsuleTop, capsuleWidth, capsuleHeight, 1, Capsule},
        {"offenekapsel", capsuleLeft, capsuleTop, openCapsuleWidth, capsuleHeight, 1, OpenCapsule},
        {"landeblitz", static_cast<int>(taxiX) - flashWidth / 2, static_cast<int>(taxiFootY) + 20 - flashHeight,
         flashWidth, flashHeight, flashFrames, LandingFlash},
    };
    room.ambience = Ambience::moonPad;
    return room;
}

levels::RoomStaging LandeplatzStaging()
{
    using items::FullName;
    return {
        {{"Aussentuer",
          "Zur Schleuse",
          roomLandeplatz,
          FullName("RoomSchleuse", "TuerLandeplatz"),
          {918, 496},
          {930, 530},
          "tuer_schleuse"}},
        {{"Kabel", "Starthilfekabel", roomLandeplatz, items::Pickup::none, "kabel", false},
         {"Eiszwiebel", "Tiefgefrorene Riesenzwiebel", roomLandeplatz, items::Pickup::none, "eiszwiebel", false}},
        // Rocko stands behind his taxi's tail, looking along it; KIRA
        // hovers at the foot of the base's wall, beside the sign.
        {{castanimations::rocko, "Rocko", "Rocko", roomLandeplatz, {96, 592}, Entity::right, -190, {170, 628}},
         {castanimations::kira, "Kira", "KIRA", roomLandeplatz, {716, 526}, Entity::left, -150, {652, 530}}},
        {{"taxi", "Rockos Taxi", {330, 630}, Entity::up},
         {"schaltkasten", "Schaltkasten", {800, 562}, Entity::up},
         {"kapsel", "Versorgungskapsel", {530, 628}, Entity::right},
         {"offenekapsel", "Versorgungskapsel", {530, 628}, Entity::right},
         {"erde", "Erde", {330, 516}, Entity::up},
         {"schild", "Schild", {586, 518}, Entity::up},
         {"funkmast", "Funkmast", {190, 640}, Entity::left}},
    };
}

} // namespace content::rooms
