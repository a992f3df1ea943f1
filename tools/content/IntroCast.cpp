#include "IntroCast.h"

#include "SceneShapes.h"
#include "SpriteArt.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace content::intro {

namespace {

constexpr double pi = std::numbers::pi;
constexpr std::uint32_t skin = 0xFFDCBE;
constexpr std::uint32_t skinShade = 0xEDB48E;
constexpr std::uint32_t chestnut = 0xC8793F;
constexpr std::uint32_t chestnutDark = 0x8F4E24;
constexpr std::uint32_t hairBlue = 0x4258BE;
constexpr std::uint32_t hairBlueDark = 0x27357E;

struct Look {
    std::uint32_t top, topDark;     // dress or jacket
    std::uint32_t legs, legsDark;   // skin below a dress, trousers
    std::uint32_t hair, hairDark;
    bool dress;
};

Look LookOf(Person person)
{
    switch (person) {
    case Person::lotte: return {tone::taxiLight, tone::taxi, skin, skinShade, chestnut, chestnutDark, true};
    case Person::mia: return {tone::leafLight, tone::leaf, skin, skinShade, chestnut, chestnutDark, true};
    case Person::juna: break;
    }
    return {colour::orangeLight, colour::orange, colour::tealLight, colour::teal, hairBlue, hairBlueDark, false};
}

constexpr double armLength = 40.0;
constexpr double shoulderY = -96.0;
constexpr double headY = -128.0;

void Arm(cairo_t* cairo, double shoulderX, double angle, double facing, std::uint32_t sleeve)
{
    const double handX = shoulderX + facing * std::sin(angle) * armLength;
    const double handY = shoulderY + std::cos(angle) * armLength;
    cairo_move_to(cairo, shoulderX, shoulderY);
    cairo_line_to(cairo, handX, handY);
    StrokeBand(cairo, sleeve, 9.0, 15.0);
    Circle(cairo, handX, handY, 6.5);
    FillOutlined(cairo, skin, skinShade, 2.5);
}

void Head(cairo_t* cairo, Person person, const Look& look, double facing, double mouth)
{
    if (person != Person::juna) {
        // Pigtails behind the head.
        for (const double side : {-1.0, 1.0}) {
            Ellipse(cairo, side * 31.0, headY + 4.0, 10.0, 14.0);
            FillOutlined(cairo, look.hair, look.hairDark, 2.5);
        }
    }
    Circle(cairo, 0.0, headY, 26.0);
    FillOutlined(cairo, skin, skinShade, 3.0);
    // The hair over the top of the head, its fringe towards the face.
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, 0.0, headY, 28.0, pi * 0.95, pi * 2.05);
    cairo_curve_to(cairo, 20.0, headY - 10.0, 10.0 * facing, headY - 16.0, -2.0 * facing, headY - 12.0);
    cairo_curve_to(cairo, -14.0, headY - 10.0, -24.0, headY - 6.0, -27.0, headY + 4.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, look.hair, look.hairDark, 3.0);
    if (person == Person::juna) {
        // Goggles pushed up on the forehead.
        for (const double side : {-1.0, 1.0}) {
            Circle(cairo, facing * 4.0 + side * 10.0, headY - 20.0, 8.0);
            FillOutlined(cairo, colour::tealLight, colour::teal, 2.5);
        }
    }
    for (const double side : {-1.0, 1.0}) {
        Ellipse(cairo, facing * 9.0 + side * 8.0, headY + 2.0, 3.0, 4.0);
        FillPlain(cairo, colour::outline);
    }
    Circle(cairo, facing * 16.0, headY + 10.0, 4.5);
    FillPlain(cairo, colour::hibiscus, 0.35);
    if (mouth > 0.05) {
        Ellipse(cairo, facing * 10.0, headY + 15.0, 4.0, 2.0 + 4.0 * mouth);
        FillOutlined(cairo, colour::banner, colour::banner, 2.0);
    } else {
        cairo_arc(cairo, facing * 10.0, headY + 10.0, 6.0, 0.3, pi - 0.3);
        StrokeOutline(cairo, 2.5);
    }
}

void PhotoCamera(cairo_t* cairo, double facing, double angle)
{
    const double x = facing * (12.0 + std::sin(angle) * 24.0);
    const double y = shoulderY + std::cos(angle) * 24.0;
    cairo_move_to(cairo, -facing * 12.0, shoulderY);
    cairo_line_to(cairo, x, y);
    StrokeOutline(cairo, 2.5);
    RoundedRectangle(cairo, x - 16.0, y - 11.0, 32.0, 22.0, 5.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    Circle(cairo, x + facing * 6.0, y + 1.0, 7.0);
    FillOutlined(cairo, colour::nightLight, colour::nightDeep, 2.0);
    Circle(cairo, x - facing * 9.0, y - 6.0, 2.5);
    FillPlain(cairo, colour::cream);
}

} // namespace

void DrawPerson(cairo_t* cairo, Person person, double x, double y, double scale, double facing, const Pose& pose)
{
    const Look look = LookOf(person);
    PushPlacement(cairo, x, y, person == Person::juna ? scale * 1.23 : scale);
    // Legs and shoes.
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, side * 9.0, -50.0);
        cairo_line_to(cairo, side * 10.0, -8.0);
        StrokeBand(cairo, look.legs, look.dress ? 9.0 : 13.0, look.dress ? 15.0 : 19.0);
        Ellipse(cairo, side * 10.0 + facing * 5.0, -4.0, 11.0, 6.0);
        FillOutlined(cairo, colour::nightLight, colour::night, 2.5);
    }
    Arm(cairo, -facing * 15.0, pose.backArm, facing, look.dress ? skin : look.top);
    // The dress or the jacket.
    const double hem = look.dress ? -42.0 : -56.0;
    const double flare = look.dress ? 32.0 : 22.0;
    cairo_move_to(cairo, -18.0, shoulderY - 8.0);
    cairo_line_to(cairo, 18.0, shoulderY - 8.0);
    cairo_curve_to(cairo, 24.0, -80.0, flare, hem + 10.0, flare, hem);
    cairo_line_to(cairo, -flare, hem);
    cairo_curve_to(cairo, -flare, hem + 10.0, -24.0, -80.0, -18.0, shoulderY - 8.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, look.top, look.topDark, 3.0);
    if (!look.dress) {
        // The jacket's zip.
        cairo_move_to(cairo, facing * 4.0, shoulderY - 4.0);
        cairo_line_to(cairo, facing * 4.0, hem);
        StrokeOutline(cairo, 2.0);
    }
    Head(cairo, person, look, facing, pose.mouth);
    if (person == Person::mia)
        PhotoCamera(cairo, facing, pose.frontArm);
    Arm(cairo, facing * 15.0, pose.frontArm, facing, look.dress ? skin : look.top);
    PopPlacement(cairo);
}

} // namespace content::intro
