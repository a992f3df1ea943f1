// The beach of Wakalua, wider than the screen: the turquoise sea under a
// warm sky, palms and hibiscus, the Zephyra stuck nose-down in the sand on
// the right with smoke rising from her, and the path to the village on the
// left (her hatch and the gate on the path are doors, see items/).

#include "BonusArt.h"
#include "Episode1Rooms.h"
#include "SceneFigures.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "WakaluaBeach.h"
#include "WakaluaJungle.h"

#include <cmath>

namespace content::rooms {

namespace {

constexpr int width = beachWidth;
constexpr int height = 768;

void Paint(cairo_t* cairo)
{
    DrawWakaluaBeach(cairo);
    DrawPalm(cairo, 560.0, 470.0, 260.0, -30.0);
    DrawHut(cairo, 260.0, 440.0, 0.7);
    // The gate to the village stands at its foot (76, 512).
    DrawJungleEdge(cairo, 76.0, 512.0, 1.0);
    // The Zephyra, crash-landed with her nose in the sand, and the furrow
    // she dug.
    Ellipse(cairo, 1140.0, 500.0, 300.0, 26.0);
    FillPlain(cairo, tone::sandDark, 0.8);
    DrawCutter(cairo, 1250.0, 400.0, 2.6, 0.18, false);
    DrawPalm(cairo, 1530.0, 520.0, 300.0, -60.0);
    DrawHibiscusBush(cairo, 860.0, 520.0, 0.7);
    DrawHibiscusBush(cairo, 40.0, 700.0, 1.1);
    DrawHibiscusBush(cairo, 1560.0, 720.0, 1.0);
}

void Smoke(cairo_t* cairo, int frame)
{
    for (int puff = 0; puff < 5; ++puff) {
        const double t = (puff + frame / 6.0) / 5.0;
        const double x = 40.0 + 70.0 * t + 8.0 * std::sin(t * 7.0);
        const double y = 260.0 - 230.0 * t;
        Circle(cairo, x, y, 14.0 + 26.0 * t);
    }
    cairo_push_group(cairo);
    FillUnion(cairo, 0xF2F0EC, colour::stone, 2.0);
    cairo_pop_group_to_source(cairo);
    cairo_paint_with_alpha(cairo, 0.85);
}

} // namespace

RoomDescription RoomStrand()
{
    RoomDescription room;
    room.label = "RoomStrand";
    room.folder = "data\\level01\\roomstrand\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // Nobody walks into the jungle on the left but through its gate.
    room.floor = {{{0.0, 516.0},
                   {214.0, 516.0},
                   {250.0, 480.0},
                   {840.0, 470.0},
                   {900.0, 528.0},
                   {1380.0, 528.0},
                   {1600.0, 540.0},
                   {1600.0, 652.0},
                   {0.0, 652.0}}};
    room.leads = {{{20.0, 560.0}, {300.0, 590.0}, {800.0, 600.0}, {1200.0, 590.0}, {1560.0, 600.0}},
                  {{1120.0, 540.0}, {1200.0, 590.0}}};
    room.backY = 470;
    room.frontY = 720;
    room.light = 0xFFF6E6;
    room.lightPools = {{{560.0, 560.0}, 180.0, 60.0, 0xC8D8C0}, {{1530.0, 600.0}, 200.0, 70.0, 0xC8D8C0}};
    room.graphics = {
        {"wellen", 590, 414, 380, 50, 6, [](cairo_t* cairo, int frame) { DrawSurf(cairo, frame, 6, 380.0); }},
        {"rauch", 930, 40, 160, 290, 6, Smoke},
    };
    room.ambience = Ambience::waves;
    return room;
}

} // namespace content::rooms
