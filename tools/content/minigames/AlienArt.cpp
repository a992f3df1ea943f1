#include "minigames/AlienArt.h"

#include "PaletteQuantiser.h"
#include "SceneShapes.h"
#include "minigames/AlienBlobs.h"
#include "minigames/MinigamePanels.h"
#include "minigames/MoonBaseYard.h"

#include <numbers>
#include <string>
#include <vector>

namespace content::minigames {

namespace {

constexpr double pi = std::numbers::pi;

} // namespace

Picture DrawCrosshair()
{
    Picture picture(crosshairSize, crosshairSize);
    cairo_t* cairo = picture.Cairo();
    constexpr double middle = crosshairSize / 2.0;
    constexpr double ring = 19.0;
    cairo_arc(cairo, middle, middle, ring, 0.0, 2.0 * pi);
    StrokeBand(cairo, colour::acid, 3.5, 7.5);
    // The ticks reach in towards the dot and out beyond the ring.
    for (int tick = 0; tick < 4; ++tick) {
        const double dx = tick == 0 ? 1.0 : tick == 2 ? -1.0 : 0.0;
        const double dy = tick == 1 ? 1.0 : tick == 3 ? -1.0 : 0.0;
        cairo_move_to(cairo, middle + dx * 8.0, middle + dy * 8.0);
        cairo_line_to(cairo, middle + dx * 28.0, middle + dy * 28.0);
        StrokeBand(cairo, tone::acidLight, 3.0, 7.0);
    }
    cairo_arc(cairo, middle, middle, ring, 0.0, 2.0 * pi);
    SetColour(cairo, colour::acid);
    cairo_set_line_width(cairo, 3.5);
    cairo_stroke(cairo);
    Circle(cairo, middle, middle, 3.2);
    FillOutlined(cairo, tone::acidLight, colour::acid, 2.0);
    return picture;
}

Picture DrawSprayIcon()
{
    Picture picture(sprayWidth, sprayHeight);
    cairo_t* cairo = picture.Cairo();
    // The nozzle and a puff of repellent.
    Glow(cairo, 52.0, 12.0, 14.0, tone::acidLight, 0.55);
    RoundedRectangle(cairo, 26.0, 6.0, 16.0, 13.0, 3.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 2.2);
    RoundedRectangle(cairo, 40.0, 9.0, 7.0, 5.0, 1.5);
    FillOutlined(cairo, tone::steelLight, colour::steel, 1.6);
    // The cap's shoulder.
    RoundedRectangle(cairo, 18.0, 17.0, 32.0, 12.0, 5.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    // The can, lit from the left.
    RoundedRectangle(cairo, 12.0, 26.0, 44.0, 61.0, 8.0);
    SetGradient(cairo, cairo_pattern_create_linear(12.0, 0.0, 56.0, 0.0),
                {{0.0, colour::violet}, {0.3, tone::violetLight}, {1.0, 0x4A3590}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    // The label: a Schleimling crossed out.
    RoundedRectangle(cairo, 14.0, 42.0, 40.0, 30.0, 3.0);
    FillOutlined(cairo, tone::acidLight, colour::acid, 1.8);
    Circle(cairo, 34.0, 59.0, 8.0);
    FillOutlined(cairo, colour::acid, tone::acidDark, 1.6);
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, 34.0 + side * 3.0, 52.0);
        cairo_line_to(cairo, 34.0 + side * 6.0, 47.0);
        StrokeOutline(cairo, 1.6);
    }
    Circle(cairo, 34.0, 57.0, 12.0);
    cairo_move_to(cairo, 25.5, 48.5);
    cairo_line_to(cairo, 42.5, 65.5);
    SetColour(cairo, colour::hibiscus);
    cairo_set_line_width(cairo, 3.0);
    cairo_stroke(cairo);
    // The shine down the lit side.
    RoundedRectangle(cairo, 17.0, 30.0, 5.0, 52.0, 2.5);
    FillPlain(cairo, tone::white, 0.4);
    return picture;
}

bool WriteAlienSprites()
{
    SpriteFolder folder("data\\level11\\sprites\\", "data\\level11\\sprites.txt");
    folder.Comment("Sprites der Alien-Schie\xdf" "bude; erzeugt von zephyra-content.");
    // The yard goes in lossless like its masks, so that they match it to
    // the pixel where they lie over it.
    const MoonBaseYard yard = DrawMoonBaseYard();
    bool written = folder.AddStatic("background", yard.background);
    written = folder.AddStatic("background_frontmask", yard.frontMask) && written;
    written = folder.AddStatic("background_middlemask", yard.middleMask) && written;
    written = folder.AddStatic("background_backmask", yard.backMask) && written;

    // The aliens and their splat are drawn scaled for their distance,
    // which only run-length animations can: one palette for all of them.
    folder.Comment("Die Schleimlinge");
    std::vector<std::vector<Picture>> kinds(alienKinds);
    PaletteQuantiser palette;
    for (int kind = 1; kind <= alienKinds; ++kind) {
        for (int frame = 0; frame < alienFrames; ++frame) {
            kinds[static_cast<std::size_t>(kind - 1)].push_back(DrawAlienFrame(kind, frame));
            CountColours(palette, kinds[static_cast<std::size_t>(kind - 1)].back());
        }
    }
    std::vector<Picture> splat;
    for (int frame = 0; frame < splatFrames; ++frame) {
        splat.push_back(DrawAlienSplat(frame));
        CountColours(palette, splat.back());
    }
    palette.Build();
    for (int kind = 1; kind <= alienKinds; ++kind)
        written = folder.AddRleAnim("alien" + std::to_string(kind), kinds[static_cast<std::size_t>(kind - 1)], palette) &&
                  written;
    written = folder.AddRleAnim("alien_explo", splat, palette) && written;

    folder.Comment("Fadenkreuz und Anzeige");
    written = folder.AddStatic("crosshair_cursor", DrawCrosshair()) && written;
    written = folder.AddStatic("icon_spray", DrawSprayIcon()) && written;
    written = AddMinigamePanels(folder) && written;
    return folder.Finish() && written;
}

} // namespace content::minigames
