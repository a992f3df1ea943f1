#include "items/ItemPictures.h"

#include "items/CrystalArt.h"

#include "BonusArt.h"
#include "SceneShapes.h"
#include "SpriteArt.h"

#include <cmath>
#include <numbers>

namespace content::items {

namespace {

constexpr double pi = std::numbers::pi;

// A roll of teal insulating tape lying on its side, its end hanging loose.
void Tape(cairo_t* cairo, int /*frame*/)
{
    Ellipse(cairo, 32.0, 31.0, 28.0, 5.0);
    FillPlain(cairo, colour::nightDeep, 0.3);
    cairo_move_to(cairo, 40.0, 26.0);
    cairo_curve_to(cairo, 48.0, 30.0, 54.0, 34.0, 62.0, 33.0);
    cairo_line_to(cairo, 62.0, 26.0);
    cairo_curve_to(cairo, 54.0, 27.0, 50.0, 22.0, 44.0, 18.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::tealLight, colour::teal, 2.0);
    cairo_rectangle(cairo, 6.0, 14.0, 44.0, 10.0);
    Ellipse(cairo, 28.0, 24.0, 22.0, 9.0);
    Ellipse(cairo, 28.0, 14.0, 22.0, 9.0);
    FillUnion(cairo, colour::teal, 0x0F5E63, 2.5);
    Ellipse(cairo, 28.0, 14.0, 22.0, 9.0);
    FillOutlined(cairo, colour::tealLight, colour::teal, 2.5);
    Ellipse(cairo, 28.0, 14.0, 10.0, 4.0);
    FillOutlined(cairo, colour::sand, tone::sandDark, 2.0);
    Ellipse(cairo, 28.0, 14.0, 16.0, 6.5);
    SetColour(cairo, colour::cream, 0.45);
    cairo_set_line_width(cairo, 1.5);
    cairo_stroke(cairo);
}

// An open-ended spanner lying on the deck, its grip wrapped in orange.
void Spanner(cairo_t* cairo, int /*frame*/)
{
    Ellipse(cairo, 48.0, 27.0, 40.0, 4.0);
    FillPlain(cairo, colour::nightDeep, 0.3);
    cairo_save(cairo);
    cairo_translate(cairo, 46.0, 18.0);
    cairo_rotate(cairo, -0.12);
    RoundedRectangle(cairo, -28.0, -4.5, 58.0, 9.0, 4.5);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    RoundedRectangle(cairo, -10.0, -5.5, 28.0, 11.0, 5.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.0);
    // The jaw on the right: a ring with a bite taken out of it.
    cairo_new_path(cairo);
    cairo_arc(cairo, 34.0, 0.0, 11.0, 0.75, 2.0 * pi - 0.75);
    cairo_line_to(cairo, 36.0, -3.0);
    cairo_line_to(cairo, 36.0, 3.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    // The ring on the left.
    Circle(cairo, -32.0, 0.0, 9.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    Circle(cairo, -32.0, 0.0, 4.0);
    FillOutlined(cairo, 0x4B5A74, 0x3A465C, 1.5);
    cairo_restore(cairo);
}

// A bleached branch washed up by the sea, with a twig and a knot.
void Driftwood(cairo_t* cairo, int /*frame*/)
{
    cairo_move_to(cairo, 78.0, 14.0);
    cairo_curve_to(cairo, 86.0, 6.0, 94.0, 4.0, 100.0, 4.0);
    StrokeBand(cairo, 0xE8DCC4, 5.0, 9.0);
    cairo_move_to(cairo, 6.0, 24.0);
    cairo_curve_to(cairo, 30.0, 16.0, 60.0, 22.0, 104.0, 14.0);
    StrokeBand(cairo, 0xE8DCC4, 10.0, 15.0);
    cairo_move_to(cairo, 14.0, 23.0);
    cairo_curve_to(cairo, 36.0, 19.0, 58.0, 23.0, 94.0, 17.0);
    cairo_set_line_width(cairo, 1.5);
    SetColour(cairo, 0xB8A98C, 0.9);
    cairo_stroke(cairo);
    Ellipse(cairo, 48.0, 20.0, 5.0, 3.0);
    FillOutlined(cairo, 0xB8A98C, 0x9A8A6C, 1.5);
    // A wet shadow on the sand.
    Ellipse(cairo, 56.0, 28.0, 46.0, 4.0);
    FillPlain(cairo, tone::sandDark, 0.5);
}

// A pink spiral conch.
void Conch(cairo_t* cairo, int /*frame*/)
{
    Ellipse(cairo, 30.0, 39.0, 24.0, 4.0);
    FillPlain(cairo, tone::sandDark, 0.6);
    cairo_move_to(cairo, 6.0, 30.0);
    cairo_curve_to(cairo, 8.0, 10.0, 30.0, 2.0, 46.0, 10.0);
    cairo_curve_to(cairo, 56.0, 16.0, 54.0, 30.0, 46.0, 36.0);
    cairo_curve_to(cairo, 34.0, 42.0, 14.0, 40.0, 6.0, 30.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xFFD2C8, tone::hibiscusLight, 2.5);
    // The spiral and the opening.
    cairo_move_to(cairo, 40.0, 20.0);
    cairo_curve_to(cairo, 40.0, 12.0, 28.0, 12.0, 28.0, 20.0);
    cairo_curve_to(cairo, 28.0, 30.0, 46.0, 30.0, 46.0, 18.0);
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.8);
    cairo_stroke(cairo);
    Ellipse(cairo, 16.0, 30.0, 8.0, 5.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 2.0);
    for (int ridge = 0; ridge < 3; ++ridge) {
        cairo_move_to(cairo, 22.0 + ridge * 8.0, 8.0 + ridge * 1.0);
        cairo_line_to(cairo, 20.0 + ridge * 8.0, 3.0 + ridge * 1.0);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.6);
    cairo_stroke(cairo);
}

// One large hibiscus blossom with two leaves, as it grows on the bush.
void Blossom(cairo_t* cairo, int /*frame*/)
{
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, 22.0, 30.0);
        cairo_curve_to(cairo, 22.0 + side * 8.0, 36.0, 22.0 + side * 18.0, 40.0, 22.0 + side * 20.0, 34.0);
        cairo_curve_to(cairo, 22.0 + side * 16.0, 28.0, 22.0 + side * 6.0, 26.0, 22.0, 30.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::leafLight, tone::leaf, 2.0);
    }
    DrawHibiscus(cairo, 22.0, 20.0, 17.0);
}

// A hank of raffia string hanging from a nail: long loops gathered under
// a red tie, two loose ends.
void Raffia(cairo_t* cairo, int /*frame*/)
{
    constexpr std::uint32_t straw = 0xF2D98A;
    constexpr std::uint32_t strawDark = 0xC9A24E;
    for (int loop = 0; loop < 4; ++loop) {
        const double spread = 6.0 + loop * 5.0;
        cairo_move_to(cairo, 26.0, 12.0);
        cairo_curve_to(cairo, 26.0 - spread, 24.0, 26.0 - spread * 0.8, 52.0, 26.0, 56.0);
        cairo_curve_to(cairo, 26.0 + spread * 0.8, 52.0, 26.0 + spread, 24.0, 26.0, 12.0);
        StrokeBand(cairo, loop % 2 == 0 ? straw : strawDark, 3.0, 6.0);
    }
    cairo_move_to(cairo, 30.0, 16.0);
    cairo_curve_to(cairo, 44.0, 26.0, 40.0, 40.0, 48.0, 50.0);
    StrokeBand(cairo, straw, 3.0, 6.0);
    RoundedRectangle(cairo, 18.0, 10.0, 16.0, 10.0, 4.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 2.0);
    Circle(cairo, 26.0, 6.0, 4.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
}

// The dancers' garland: blossoms threaded on raffia in a loop.
void Garland(cairo_t* cairo, int /*frame*/)
{
    Ellipse(cairo, 40.0, 30.0, 32.0, 22.0);
    StrokeBand(cairo, 0xF2D98A, 3.0, 6.0);
    for (int flower = 0; flower < 7; ++flower) {
        const double angle = pi * 0.1 + flower * pi * 1.8 / 6.0;
        const std::uint32_t leafTone = flower % 2 == 0 ? tone::leafLight : tone::leaf;
        Circle(cairo, 40.0 + 32.0 * std::cos(angle + 0.22), 30.0 + 22.0 * std::sin(angle + 0.22), 4.0);
        FillOutlined(cairo, leafTone, tone::leaf, 1.5);
        DrawHibiscus(cairo, 40.0 + 32.0 * std::cos(angle), 30.0 + 22.0 * std::sin(angle), 8.5);
    }
}

} // namespace

const std::vector<ItemPicture>& Episode1ItemPictures()
{
    static const std::vector<ItemPicture> pictures = {
        {"kristall", 80, 88, crystalFrames, [](cairo_t* cairo, int frame) { DrawWholeCrystal(cairo, frame, true); }},
        {"isolierband", 66, 38, 1, Tape},
        {"schraubenschluessel", 96, 36, 1, Spanner},
        {"treibholz", 110, 34, 1, Driftwood},
        {"muschel", 58, 44, 1, Conch},
        {"hibiskusbluete", 44, 44, 1, Blossom},
        {"bastschnur", 52, 60, 1, Raffia},
        {"blumenkette", 80, 60, 1, Garland},
    };
    return pictures;
}

const ItemPicture* FindItemPicture(const std::string& sprite)
{
    for (const std::vector<ItemPicture>* episode :
         {&Episode1ItemPictures(), &Episode2ItemPictures(), &Episode3ItemPictures(), &Episode4ItemPictures(),
          &Episode5ItemPictures(), &Episode6ItemPictures()})
        for (const ItemPicture& picture : *episode)
            if (picture.sprite == sprite)
                return &picture;
    return nullptr;
}

rooms::RoomGraphic LyingItemGraphic(const std::string& sprite, int footX, int footY)
{
    constexpr int standInSize = 48;
    const ItemPicture* picture = FindItemPicture(sprite);
    const int width = picture != nullptr ? picture->width : standInSize;
    const int height = picture != nullptr ? picture->height : standInSize;
    rooms::RoomGraphic graphic{sprite, footX - width / 2, footY - height, width, height, 1, [](cairo_t*, int) {}};
    if (picture != nullptr) {
        graphic.frames = picture->frames;
        graphic.draw = picture->draw;
    }
    return graphic;
}

} // namespace content::items
