// The festival square by Wakalua's little spaceport on the evening after
// the dance: the stage with the crystal's velvet cushion under its arch of
// hibiscus, the buffet, strings of lanterns and a crate of fireworks; over
// the spaceport's fence on the right the landing field with its tower, and
// the bamboo gate to the terminal.

#include "BonusArt.h"
#include "Episode2Rooms.h"
#include "RaumhafenField.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"

#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

constexpr const char* festplatz = "RoomFestplatz";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double groundY = 430.0;
// The stage's top board, where the cushion stands, and its front edge.
constexpr double stageTop = 398.0;
constexpr double stageFront = 462.0;
// The gate to the terminal stands on (gateX, gateY) in the fence.
constexpr int gateX = 940;
constexpr int gateY = 530;

constexpr std::uint32_t leafDusk = 0x3F8F5E;
constexpr std::uint32_t leafNight = 0x1F5E44;
constexpr std::uint32_t velvet = 0xA3306E;
constexpr std::uint32_t velvetLight = 0xD9559A;
constexpr std::uint32_t gold = 0xF2C14E;
constexpr std::uint32_t goldDark = 0xB8862B;

void Backdrop(cairo_t* cairo)
{
    DrawEveningSky(cairo, 0.0, 0.0, width, groundY);
    DrawPlanet(cairo, 180.0, 96.0, 34.0, tone::hibiscusLight, colour::hibiscus, true);
    // The jungle's hills on the left, darkening in the dusk.
    cairo_move_to(cairo, -10.0, 360.0);
    cairo_curve_to(cairo, 120.0, 270.0, 300.0, 280.0, 420.0, 340.0);
    cairo_curve_to(cairo, 520.0, 300.0, 620.0, 320.0, 680.0, 370.0);
    cairo_line_to(cairo, 680.0, 440.0);
    cairo_line_to(cairo, -10.0, 440.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, leafDusk, leafNight);
    // The landing field beyond the fence, with its tower and two ships.
    DrawLandingField(cairo, 660.0, width + 10.0, 372.0, 460.0, 2);
    DrawFreighter(cairo, 760.0, 392.0, 0.55);
    DrawControlTower(cairo, 862.0, 398.0, 1.0, true);
    DrawShuttle(cairo, 1010.0, 404.0, 0.5, colour::orangeLight, colour::orange);
}

void Square(cairo_t* cairo)
{
    cairo_move_to(cairo, -10.0, groundY + 10.0);
    cairo_curve_to(cairo, 300.0, groundY - 6.0, 600.0, groundY + 12.0, 700.0, groundY + 30.0);
    cairo_line_to(cairo, width + 10.0, groundY + 50.0);
    cairo_line_to(cairo, width + 10.0, height + 10.0);
    cairo_line_to(cairo, -10.0, height + 10.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::sand, tone::sandDark);
    // The dancing ground before the stage and the path to the gate.
    Ellipse(cairo, 512.0, 560.0, 330.0, 64.0);
    FillPlain(cairo, tone::sandDark, 0.45);
    cairo_move_to(cairo, 700.0, 600.0);
    cairo_curve_to(cairo, 800.0, 560.0, 880.0, 540.0, gateX - 40.0, gateY + 4.0);
    cairo_line_to(cairo, gateX + 40.0, gateY + 4.0);
    cairo_curve_to(cairo, 930.0, 580.0, 880.0, 620.0, 790.0, 650.0);
    cairo_close_path(cairo);
    FillPlain(cairo, tone::sandDark, 0.45);
    for (int stone = 0; stone < 6; ++stone) {
        Ellipse(cairo, 120.0 + stone * 150.0, 690.0 - (stone % 2) * 22.0, 16.0, 6.0);
        FillOutlined(cairo, tone::stoneLight, colour::stone, 2.0);
    }
}

// The spaceport's fence along the back on the right, posts and two rails,
// broken by the gate.
void Fence(cairo_t* cairo)
{
    const auto rail = [cairo](double y0, double y1) {
        cairo_move_to(cairo, 690.0, y0);
        cairo_line_to(cairo, gateX - 60.0, y1);
        cairo_move_to(cairo, gateX + 60.0, y1 + 2.0);
        cairo_line_to(cairo, width + 4.0, y1 + 4.0);
        StrokeBand(cairo, tone::steelLight, 4.0, 8.0);
    };
    rail(430.0, 448.0);
    rail(460.0, 484.0);
    for (double x = 700.0; x < width; x += 56.0) {
        if (std::abs(x - gateX) < 70.0)
            continue;
        const double foot = 470.0 + (x - 700.0) * 0.12;
        RoundedRectangle(cairo, x - 5.0, foot - 70.0, 10.0, 74.0, 4.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    }
}

void Stage(cairo_t* cairo)
{
    // The arch's posts first; the platform covers their feet.
    for (const double x : {378.0, 646.0}) {
        RoundedRectangle(cairo, x - 10.0, 190.0, 20.0, stageTop - 186.0, 6.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    }
    cairo_move_to(cairo, 366.0, 198.0);
    cairo_curve_to(cairo, 440.0, 156.0, 584.0, 156.0, 658.0, 198.0);
    StrokeBand(cairo, tone::leafLight, 10.0, 15.0);
    for (int flower = 0; flower < 8; ++flower) {
        const double t = flower / 7.0;
        DrawHibiscus(cairo, 378.0 + 268.0 * t, 200.0 - 40.0 * std::sin(t * pi) + 6.0, 11.0);
    }
    RoundedRectangle(cairo, 430.0, 214.0, 164.0, 34.0, 8.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 2.5);
    DrawArtText(cairo, "SIEGERFEST", 512.0, 239.0, 20.0, colour::cream);
    // The platform: its lit top board and the front of planks.
    cairo_rectangle(cairo, 350.0, stageTop - 10.0, 324.0, 22.0);
    FillOutlined(cairo, 0xE0A86A, tone::woodLight, 3.0);
    cairo_rectangle(cairo, 350.0, stageTop + 12.0, 324.0, stageFront - stageTop - 12.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 3.0);
    for (double x = 378.0; x < 670.0; x += 36.0) {
        cairo_move_to(cairo, x, stageTop + 16.0);
        cairo_line_to(cairo, x, stageFront - 4.0);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.5);
    cairo_stroke(cairo);
    // A skirt of raffia along the front edge.
    for (double x = 356.0; x < 670.0; x += 14.0) {
        cairo_move_to(cairo, x, stageTop + 12.0);
        cairo_line_to(cairo, x + 7.0, stageTop + 34.0);
        cairo_line_to(cairo, x + 14.0, stageTop + 12.0);
    }
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::orangeLight, tone::woodLight, 1.5);
    // Steps up on the left.
    for (int step = 0; step < 2; ++step) {
        cairo_rectangle(cairo, 312.0 + step * 14.0, stageTop + 20.0 + step * 20.0 - 20.0, 38.0 - step * 14.0 + 14.0,
                        stageFront - stageTop - step * 20.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    }
}

void Torch(cairo_t* cairo, double x, double y)
{
    RoundedRectangle(cairo, x - 5.0, y - 110.0, 10.0, 110.0, 4.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    Glow(cairo, x, y - 124.0, 40.0, colour::orangeLight, 0.6);
    cairo_move_to(cairo, x - 12.0, y - 110.0);
    cairo_curve_to(cairo, x - 16.0, y - 126.0, x, y - 150.0, x, y - 150.0);
    cairo_curve_to(cairo, x, y - 150.0, x + 16.0, y - 126.0, x + 12.0, y - 110.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
}

void Paint(cairo_t* cairo)
{
    Backdrop(cairo);
    Square(cairo);
    DrawPalm(cairo, 40.0, 460.0, 270.0, 40.0);
    DrawHut(cairo, 250.0, 444.0, 1.2);
    DrawPalm(cairo, 700.0, 444.0, 240.0, -30.0);
    Fence(cairo);
    Stage(cairo);
    Torch(cairo, 340.0, 430.0);
    Torch(cairo, 684.0, 450.0);
    DrawHibiscusBush(cairo, 30.0, 720.0, 1.2);
    DrawHibiscusBush(cairo, 996.0, 740.0, 1.1);
    DrawHibiscusBush(cairo, 660.0, 470.0, 0.6);
}

// The chief's velvet cushion on its little golden stand, a dent in the
// middle where the crystal lay.
void Cushion(cairo_t* cairo, int /*frame*/)
{
    cairo_scale(cairo, 1.3, 1.3);
    cairo_move_to(cairo, 24.0, 66.0);
    cairo_line_to(cairo, 32.0, 44.0);
    cairo_line_to(cairo, 48.0, 44.0);
    cairo_line_to(cairo, 56.0, 66.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, gold, goldDark, 2.5);
    // The puffed pillow, its corners pulled into tassels.
    cairo_move_to(cairo, 4.0, 44.0);
    cairo_curve_to(cairo, 0.0, 36.0, 6.0, 28.0, 10.0, 20.0);
    cairo_curve_to(cairo, 30.0, 25.0, 50.0, 25.0, 70.0, 20.0);
    cairo_curve_to(cairo, 74.0, 28.0, 80.0, 36.0, 76.0, 44.0);
    cairo_curve_to(cairo, 54.0, 51.0, 26.0, 51.0, 4.0, 44.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, velvetLight, velvet, 2.5);
    cairo_move_to(cairo, 14.0, 27.0);
    cairo_curve_to(cairo, 30.0, 30.0, 50.0, 30.0, 66.0, 27.0);
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, tone::white, 0.45);
    cairo_stroke(cairo);
    Ellipse(cairo, 40.0, 34.0, 15.0, 4.5);
    FillPlain(cairo, velvet, 0.8);
    for (const Point corner : {Point{4.0, 44.0}, Point{76.0, 44.0}, Point{10.0, 20.0}, Point{70.0, 20.0}}) {
        cairo_move_to(cairo, corner.x, corner.y);
        cairo_line_to(cairo, corner.x - 3.0, corner.y + 10.0);
        cairo_line_to(cairo, corner.x + 3.0, corner.y + 10.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, gold, goldDark, 1.5);
    }
}

// The crystal glowing on the cushion, its light breathing; the graphic
// reaches one pixel below the cushion's foot, so that it is drawn over it.
void PrizeCrystal(cairo_t* cairo, int frame)
{
    const double breath = 0.5 + 0.5 * std::sin(frame * 2.0 * pi / 6.0);
    Glow(cairo, 52.0, 48.0, 32.0 + 8.0 * breath, colour::tealLight, 0.3 + 0.4 * breath);
    DrawCrystal(cairo, 52.0, 48.0, 16.0);
    Circle(cairo, 48.0, 41.0, 2.0 + breath);
    FillPlain(cairo, tone::white, 0.9);
}

void Buffet(cairo_t* cairo, int /*frame*/)
{
    // The table under its cloth, scalloped along the hem.
    for (const double x : {22.0, 238.0}) {
        RoundedRectangle(cairo, x - 5.0, 50.0, 10.0, 48.0, 3.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    }
    cairo_move_to(cairo, 6.0, 46.0);
    cairo_line_to(cairo, 254.0, 46.0);
    cairo_line_to(cairo, 254.0, 74.0);
    for (double x = 254.0; x > 6.0; x -= 31.0)
        cairo_curve_to(cairo, x - 8.0, 84.0, x - 23.0, 84.0, x - 31.0, 74.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::cream, colour::sand, 2.5);
    for (double x = 24.0; x < 250.0; x += 62.0)
        DrawHibiscus(cairo, x, 70.0, 8.0);
    // A pineapple, a pyramid of fruit, a cake and a punch bowl.
    Ellipse(cairo, 40.0, 30.0, 13.0, 18.0);
    FillOutlined(cairo, colour::orangeLight, tone::taxi, 2.5);
    for (int leaf = -1; leaf <= 1; ++leaf) {
        cairo_move_to(cairo, 36.0, 14.0);
        cairo_line_to(cairo, 40.0 + leaf * 10.0, -2.0 + std::abs(leaf) * 4.0 + 4.0);
        cairo_line_to(cairo, 44.0, 14.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::leafLight, tone::leaf, 2.0);
    }
    const std::uint32_t fruit[] = {colour::hibiscus, colour::orange, tone::leafLight, colour::orangeLight};
    int count = 0;
    for (int row = 0; row < 3; ++row)
        for (int index = 0; index < 3 - row; ++index) {
            Circle(cairo, 80.0 + row * 8.0 + index * 16.0, 38.0 - row * 13.0, 8.0);
            FillOutlined(cairo, fruit[count % 4], colour::banner, 2.0);
            ++count;
        }
    RoundedRectangle(cairo, 132.0, 18.0, 44.0, 28.0, 6.0);
    FillOutlined(cairo, colour::cream, tone::hibiscusLight, 2.5);
    RoundedRectangle(cairo, 140.0, 4.0, 28.0, 16.0, 5.0);
    FillOutlined(cairo, tone::hibiscusLight, colour::hibiscus, 2.5);
    Circle(cairo, 154.0, 2.0, 4.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 1.5);
    cairo_move_to(cairo, 190.0, 24.0);
    cairo_curve_to(cairo, 192.0, 50.0, 236.0, 50.0, 238.0, 24.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::turquoise, colour::teal, 2.5);
    Ellipse(cairo, 214.0, 24.0, 24.0, 5.0);
    FillOutlined(cairo, tone::hibiscusLight, colour::hibiscus, 2.0);
}

// Strings of paper lanterns from the arch's posts out to the edges and one
// over the dancing ground, each lantern swinging on its cord.
void Lanterns(cairo_t* cairo, int frame)
{
    struct String {
        double x0, y0, x1, y1, sag;
        int lanterns;
    };
    const String strings[] = {
        {0.0, 28.0, 370.0, 92.0, 50.0, 5},
        {654.0, 92.0, 1024.0, 28.0, 50.0, 5},
    };
    const std::uint32_t colours[] = {colour::hibiscus, colour::orange, colour::turquoise};
    int lantern = 0;
    for (const String& string : strings) {
        const auto at = [&string](double t, double& x, double& y) {
            x = string.x0 + (string.x1 - string.x0) * t;
            y = string.y0 + (string.y1 - string.y0) * t + string.sag * std::sin(t * pi);
        };
        cairo_move_to(cairo, string.x0, string.y0);
        for (int step = 1; step <= 20; ++step) {
            double x = 0.0;
            double y = 0.0;
            at(step / 20.0, x, y);
            cairo_line_to(cairo, x, y);
        }
        cairo_set_line_width(cairo, 2.5);
        SetColour(cairo, colour::outline);
        cairo_stroke(cairo);
        for (int index = 0; index < string.lanterns; ++index) {
            double x = 0.0;
            double y = 0.0;
            at((index + 0.7) / (string.lanterns + 0.4), x, y);
            const double swing = 0.14 * std::sin(frame * 2.0 * pi / 6.0 + lantern * 1.3);
            cairo_save(cairo);
            cairo_translate(cairo, x, y);
            cairo_rotate(cairo, swing);
            cairo_move_to(cairo, 0.0, 0.0);
            cairo_line_to(cairo, 0.0, 10.0);
            cairo_set_line_width(cairo, 2.0);
            SetColour(cairo, colour::outline);
            cairo_stroke(cairo);
            Glow(cairo, 0.0, 28.0, 30.0, colour::orangeLight, 0.5);
            Ellipse(cairo, 0.0, 28.0, 14.0, 17.0);
            FillOutlined(cairo, colour::cream, colours[lantern % 3], 2.5);
            for (const double ribY : {20.0, 36.0}) {
                cairo_move_to(cairo, -12.0, ribY);
                cairo_curve_to(cairo, -6.0, ribY + 3.0, 6.0, ribY + 3.0, 12.0, ribY);
            }
            cairo_set_line_width(cairo, 1.5);
            SetColour(cairo, colours[lantern % 3]);
            cairo_stroke(cairo);
            RoundedRectangle(cairo, -7.0, 9.0, 14.0, 5.0, 2.0);
            RoundedRectangle(cairo, -7.0, 44.0, 14.0, 5.0, 2.0);
            FillOutlined(cairo, colours[(lantern + 1) % 3], colour::outline, 1.5);
            cairo_restore(cairo);
            ++lantern;
        }
    }
}

void FireworksCrate(cairo_t* cairo, int /*frame*/)
{
    // Rockets standing in the open crate, their sticks behind.
    const std::uint32_t rockets[] = {colour::hibiscus, colour::turquoise, colour::orange, colour::violet};
    for (int rocket = 0; rocket < 4; ++rocket) {
        const double x = 24.0 + rocket * 20.0;
        const double top = 8.0 + (rocket % 2) * 12.0;
        RoundedRectangle(cairo, x - 7.0, top + 12.0, 14.0, 36.0, 3.0);
        FillOutlined(cairo, rockets[rocket], colour::outline, 2.0);
        cairo_move_to(cairo, x - 8.0, top + 14.0);
        cairo_line_to(cairo, x, top);
        cairo_line_to(cairo, x + 8.0, top + 14.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, colour::cream, colour::sand, 2.0);
    }
    RoundedRectangle(cairo, 4.0, 40.0, 102.0, 42.0, 4.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 3.0);
    for (const double y : {54.0, 68.0}) {
        cairo_move_to(cairo, 6.0, y);
        cairo_line_to(cairo, 104.0, y);
    }
    cairo_set_line_width(cairo, 1.5);
    SetColour(cairo, colour::outline, 0.4);
    cairo_stroke(cairo);
    RoundedRectangle(cairo, 14.0, 48.0, 82.0, 20.0, 4.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 2.0);
    DrawArtText(cairo, "FEUERWERK", 55.0, 63.0, 11.0, colour::cream);
    // A painted star on the corner.
    cairo_move_to(cairo, 92.0, 63.0);
    for (int point = 1; point <= 10; ++point) {
        const double angle = -pi / 2.0 + point * pi / 5.0;
        const double radius = point % 2 == 0 ? 7.0 : 3.0;
        cairo_line_to(cairo, 92.0 + radius * std::cos(angle), 70.0 + radius * std::sin(angle));
    }
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
}

// One of the Baron's tin robots, hovering on its rotor: a round body with
// a single red eye under a violet visor, claws hanging below.
void Robot(cairo_t* cairo, double x, double y, int frame)
{
    const double spin = std::cos(frame * pi / 3.0);
    Ellipse(cairo, x, y - 34.0, 30.0 * std::abs(spin) + 4.0, 4.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    cairo_move_to(cairo, x, y - 30.0);
    cairo_line_to(cairo, x, y - 20.0);
    StrokeOutline(cairo, 3.0);
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, x + side * 12.0, y + 14.0);
        cairo_line_to(cairo, x + side * 16.0, y + 30.0);
        cairo_line_to(cairo, x + side * 8.0, y + 36.0);
        StrokeBand(cairo, colour::steel, 3.0, 6.0);
    }
    Circle(cairo, x, y, 22.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    RoundedRectangle(cairo, x - 16.0, y - 10.0, 32.0, 14.0, 6.0);
    FillOutlined(cairo, tone::violetLight, colour::violet, 2.0);
    Glow(cairo, x, y - 3.0, 10.0, colour::hibiscus, 0.8);
    Circle(cairo, x, y - 3.0, 4.0);
    FillPlain(cairo, tone::hibiscusLight);
    for (const double rivet : {-12.0, 12.0}) {
        Circle(cairo, x + rivet, y + 12.0, 2.0);
        FillPlain(cairo, colour::outline);
    }
}

void Robots(cairo_t* cairo, int frame)
{
    const double bob = 6.0 * std::sin(frame * 2.0 * pi / 6.0);
    Robot(cairo, 40.0, 50.0 + bob, frame);
    Robot(cairo, 120.0, 56.0 - bob, frame + 2);
}

} // namespace

RoomDescription RoomFestplatz()
{
    RoomDescription room;
    room.label = festplatz;
    room.folder = "data\\level02\\roomfestplatz\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // Nobody climbs onto the stage; the fence closes the back on the right
    // but for the gate.
    room.floor = {{{0.0, 500.0}, {330.0, 500.0}, {344.0, 472.0}, {680.0, 472.0}, {700.0, 500.0}, {880.0, 520.0},
                   {1024.0, 536.0}, {1024.0, 652.0}, {0.0, 652.0}}};
    room.leads = {{{30.0, 590.0}, {200.0, 560.0}, {512.0, 540.0}, {800.0, 580.0}, {1000.0, 590.0}},
                  {{512.0, 540.0}, {512.0, 490.0}},
                  {{800.0, 580.0}, {gateX, gateY + 10.0}}};
    room.backY = 472;
    room.frontY = 720;
    room.light = 0xFFDCC0;
    room.lightPools = {{{180.0, 540.0}, 220.0, 70.0, 0xFFB878},
                       {{860.0, 560.0}, 210.0, 70.0, 0xFFB878},
                       {{512.0, 500.0}, 220.0, 50.0, 0xFFD0A0}};
    room.graphics = {
        items::BambooGate("tor_raumhafen", "RAUMHAFEN", gateX, gateY, 120, 244),
        {"kissen", 460, static_cast<int>(stageTop) - 84, 104, 88, 1, Cushion},
        {"preiskristall", 460, static_cast<int>(stageTop) - 105, 104, 110, 6, PrizeCrystal},
        {"buffet", 70, 402, 260, 98, 1, Buffet},
        {"lampions", 0, 120, 1024, 160, 6, Lanterns},
        {"feuerwerk", 716, 428, 110, 84, 1, FireworksCrate},
        {"roboter", 760, 140, 160, 100, 6, Robots},
    };
    room.ambience = Ambience::festival;
    return room;
}

levels::RoomStaging FestplatzStaging()
{
    using items::FullName;
    return {
        {{"TorRaumhafen", "Zum Raumhafen", festplatz, FullName("RoomRaumhafen", "TorFestplatz"), {gateX, gateY + 8},
          {850, 590}, "tor_raumhafen"}},
        {{"Pokal", "Siegerpokal", festplatz, items::Pickup::none, "pokal", false},
         {"Passfoto", "Passfoto", festplatz, items::Pickup::none, "passfoto", false}},
        // The twins stand aside of the square's front middle, where Juna
        // starts the episode.
        {{castanimations::kalani, "Kalani", "H\xe4uptling Kalani", festplatz, {410, 548}, Entity::down, -180,
          {320, 560}},
         {castanimations::lotte, "Lotte", "Lotte", festplatz, {650, 630}, Entity::right, -130, {570, 636}},
         {castanimations::mia, "Mia", "Mia", festplatz, {734, 634}, Entity::left, -130, {814, 640}},
         {castanimations::baron, "Baron", "Baron von Blech", festplatz, {660, 556}, Entity::left, -190,
          {740, 580}}},
        {{"kissen", "Samtkissen", {540, 492}, Entity::up},
         {"buffet", "Festbuffet", {200, 528}, Entity::up},
         {"lampions", "Lampions", {860, 600}, Entity::up},
         {"feuerwerk", "Feuerwerkskiste", {770, 540}, Entity::up}},
    };
}

} // namespace content::rooms
