#include "minigames/TaxiArt.h"

#include "SceneShapes.h"
#include "ShipStyle.h"
#include "minigames/MinigamePanels.h"
#include "minigames/Nebula.h"
#include "minigames/TaxiShips.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace content::minigames {

namespace {

constexpr double pi = std::numbers::pi;
// How far the ships turn their noses when climbing or diving.
constexpr double taxiPitch = 8.0 * pi / 180.0;
constexpr double fighterPitch = 8.0 * pi / 180.0;

// The picture flipped left to right.
Picture Mirrored(const Picture& picture)
{
    Picture mirrored(picture.Width(), picture.Height());
    cairo_t* cairo = mirrored.Cairo();
    cairo_translate(cairo, picture.Width(), 0.0);
    cairo_scale(cairo, -1.0, 1.0);
    cairo_set_source_surface(cairo, cairo_get_target(picture.Cairo()), 0.0, 0.0);
    cairo_paint(cairo);
    return mirrored;
}

// A four-pointed sparkle of light centred on (x, y).
void Sparkle(cairo_t* cairo, double x, double y, double radius)
{
    Glow(cairo, x, y, radius * 1.3, colour::cream, 0.7);
    cairo_move_to(cairo, x, y - radius);
    for (int point = 0; point < 4; ++point) {
        const double angle = point * pi / 2.0;
        const double between = angle + pi / 4.0;
        cairo_line_to(cairo, x + std::sin(between) * radius * 0.25, y - std::cos(between) * radius * 0.25);
        cairo_line_to(cairo, x + std::sin(angle + pi / 2.0) * radius, y - std::cos(angle + pi / 2.0) * radius);
    }
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::white, colour::cream, 1.8);
}

// Mia's camera, its lens towards the viewer, centred on (x, y).
void DrawCamera(cairo_t* cairo, double x, double y)
{
    // The strap.
    cairo_move_to(cairo, x - 44.0, y - 8.0);
    cairo_curve_to(cairo, x - 60.0, y - 60.0, x + 60.0, y - 60.0, x + 44.0, y - 8.0);
    StrokeBand(cairo, tone::leafLight, 4.0, 7.5);
    // The flash unit on top and the shutter button.
    RoundedRectangle(cairo, x + 8.0, y - 42.0, 30.0, 16.0, 4.0);
    FillOutlined(cairo, colour::sand, tone::stoneLight, 2.5);
    RoundedRectangle(cairo, x + 12.0, y - 39.0, 22.0, 9.0, 2.5);
    FillOutlined(cairo, colour::cream, colour::orangeLight, 1.8);
    RoundedRectangle(cairo, x - 34.0, y - 36.0, 16.0, 10.0, 3.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 2.2);
    // The body.
    RoundedRectangle(cairo, x - 48.0, y - 28.0, 96.0, 60.0, 12.0);
    FillOutlined(cairo, tone::leafLight, tone::leaf, 3.0);
    RoundedRectangle(cairo, x - 48.0, y - 10.0, 96.0, 22.0, 0.0);
    FillPlain(cairo, colour::cream, 0.35);
    RoundedRectangle(cairo, x - 48.0, y - 28.0, 96.0, 60.0, 12.0);
    StrokeOutline(cairo, 3.0);
    // The lens.
    Circle(cairo, x, y + 2.0, 24.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    Circle(cairo, x, y + 2.0, 15.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 2.5);
    Circle(cairo, x, y + 2.0, 8.0);
    FillOutlined(cairo, colour::tealLight, colour::teal, 1.8);
    Circle(cairo, x - 5.0, y - 4.0, 3.5);
    FillPlain(cairo, tone::white, 0.85);
}

// The key cap of a letter, its top-left corner at (x, y).
void KeyCap(cairo_t* cairo, double x, double y, const std::string& letter)
{
    RoundedRectangle(cairo, x, y, 30.0, 28.0, 6.0);
    FillOutlined(cairo, colour::cream, colour::sand, 2.2);
    DrawArtText(cairo, letter, x + 15.0, y + 21.0, 19.0, colour::nightLight);
}

} // namespace

Picture DrawLaser()
{
    Picture picture(laserWidth, laserHeight);
    cairo_t* cairo = picture.Cairo();
    constexpr double middle = laserHeight / 2.0;
    cairo_push_group(cairo);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    struct Layer {
        double width;
        std::uint32_t rgb;
        double alpha;
    };
    // From the wide orange glow in to the white-hot core.
    constexpr Layer layers[] = {{17.0, colour::orange, 0.22}, {12.0, colour::orange, 0.4},
                                {8.0, colour::orangeLight, 0.85}, {4.5, tone::taxiLight, 1.0},
                                {2.0, tone::white, 1.0}};
    for (const Layer& layer : layers) {
        cairo_move_to(cairo, 10.0, middle);
        cairo_line_to(cairo, laserWidth - 10.0, middle);
        SetColour(cairo, layer.rgb, layer.alpha);
        cairo_set_line_width(cairo, layer.width);
        cairo_stroke(cairo);
    }
    // The bolt's head, brightest at the front.
    Glow(cairo, laserWidth - 16.0, middle, 10.0, colour::cream, 0.8);
    cairo_pop_group_to_source(cairo);
    // Soft ends: the tail fades out over a long stretch, the head over a
    // short one.
    cairo_pattern_t* fade = cairo_pattern_create_linear(0.0, 0.0, laserWidth, 0.0);
    cairo_pattern_add_color_stop_rgba(fade, 0.0, 0.0, 0.0, 0.0, 0.0);
    cairo_pattern_add_color_stop_rgba(fade, 0.3, 0.0, 0.0, 0.0, 1.0);
    cairo_pattern_add_color_stop_rgba(fade, 0.97, 0.0, 0.0, 0.0, 1.0);
    cairo_pattern_add_color_stop_rgba(fade, 1.0, 0.0, 0.0, 0.0, 0.4);
    cairo_mask(cairo, fade);
    cairo_pattern_destroy(fade);
    return picture;
}

Picture DrawFlashLight()
{
    Picture picture(flashWidth, flashHeight);
    cairo_t* cairo = picture.Cairo();
    cairo_push_group(cairo);
    // The rear window the light comes from.
    constexpr double apexX = 130.0;
    constexpr double apexY = 121.0;
    // Nested wedges, ever narrower and brighter, make the cone's edges
    // soft; a radial fade makes it thin out with distance.
    for (int layer = 0; layer < 4; ++layer) {
        const double spread = 1.0 - layer * 0.22;
        cairo_move_to(cairo, apexX, apexY + 6.0);
        cairo_line_to(cairo, -10.0, 72.0 + 74.0 * spread);
        cairo_line_to(cairo, -10.0, 72.0 - 74.0 * spread);
        cairo_line_to(cairo, apexX, apexY - 6.0);
        cairo_close_path(cairo);
        SetGradient(cairo, cairo_pattern_create_radial(apexX, apexY, 0.0, apexX, apexY, 170.0),
                    {{0.0, tone::white, 0.28}, {0.5, colour::cream, 0.16}, {1.0, colour::cream, 0.04}});
        cairo_fill(cairo);
    }
    Glow(cairo, apexX - 4.0, apexY, 26.0, tone::white, 0.8);
    // The far end fades out before the picture's edges.
    cairo_pop_group_to_source(cairo);
    cairo_pattern_t* fade = cairo_pattern_create_radial(apexX, apexY, 0.0, apexX, apexY, 145.0);
    cairo_pattern_add_color_stop_rgba(fade, 0.0, 0.0, 0.0, 0.0, 1.0);
    cairo_pattern_add_color_stop_rgba(fade, 0.4, 0.0, 0.0, 0.0, 1.0);
    cairo_pattern_add_color_stop_rgba(fade, 1.0, 0.0, 0.0, 0.0, 0.0);
    cairo_mask(cairo, fade);
    cairo_pattern_destroy(fade);
    return picture;
}

Picture DrawPhotoSign(bool ready)
{
    Picture picture(photoSignSize, photoSignSize);
    cairo_t* cairo = picture.Cairo();
    RoundedRectangle(cairo, 8.0, 14.0, 154.0, 148.0, 26.0);
    SetVerticalGradient(cairo, 14.0, 162.0, ship::panelTop, ship::panelBottom, 0.85);
    cairo_fill_preserve(cairo);
    SetColour(cairo, ready ? colour::orangeLight : colour::steel, 0.9);
    cairo_set_line_width(cairo, 3.0);
    cairo_stroke(cairo);
    if (ready)
        Glow(cairo, 85.0, 78.0, 70.0, colour::orangeLight, 0.3);
    DrawCamera(cairo, 85.0, 84.0);
    if (ready) {
        Sparkle(cairo, 108.0, 34.0, 16.0);
        DrawArtText(cairo, "Foto", 70.0, 148.0, 24.0, colour::orangeLight);
        KeyCap(cairo, 112.0, 126.0, "B");
    } else {
        // Dimmed while the flash charges: a grey veil and the charging
        // ring of the flash unit.
        RoundedRectangle(cairo, 9.5, 15.5, 151.0, 145.0, 25.0);
        FillPlain(cairo, colour::nightDeep, 0.55);
        cairo_arc(cairo, 85.0, 145.0, 9.0, 0.0, 2.0 * pi);
        SetColour(cairo, colour::steel, 0.8);
        cairo_set_line_width(cairo, 3.0);
        cairo_stroke(cairo);
        cairo_arc(cairo, 85.0, 145.0, 9.0, -pi / 2.0, pi / 3.0);
        SetColour(cairo, colour::tealLight, 0.9);
        cairo_stroke(cairo);
    }
    return picture;
}

Picture DrawTaxiHud()
{
    Picture picture(hudWidth, hudHeight);
    cairo_t* cairo = picture.Cairo();
    RoundedRectangle(cairo, 3.0, 3.0, hudWidth - 6.0, hudHeight - 6.0, 18.0);
    SetVerticalGradient(cairo, 3.0, hudHeight - 3.0, ship::panelTop, ship::panelBottom, 0.85);
    cairo_fill_preserve(cairo);
    SetColour(cairo, colour::orangeLight, 0.85);
    cairo_set_line_width(cairo, 3.0);
    cairo_stroke(cairo);
    // The lives' field on the right, darker, for the game's "x 5".
    RoundedRectangle(cairo, 164.0, 8.0, 68.0, 40.0, 10.0);
    FillPlain(cairo, colour::nightDeep, 0.6);
    cairo_save(cairo);
    cairo_translate(cairo, 4.0, 14.0);
    cairo_scale(cairo, 0.9, 0.9);
    DrawSpaceTaxi(cairo, 0);
    cairo_restore(cairo);
    return picture;
}

bool WriteTaxiSprites()
{
    SpriteFolder folder("data\\level08\\sprites\\", "data\\level08\\sprites.txt");
    folder.Comment("Sprites des Taxishooters; erzeugt von zephyra-content.");
    Picture nebula(nebulaWidth, nebulaHeight);
    DrawNebula(nebula.Cairo());
    bool written = folder.AddPage("nebula_background", nebula);
    for (int kind = 1; kind <= spaceStarKinds; ++kind)
        written = folder.AddStatic("star" + std::to_string(kind), DrawSpaceStar(kind)) && written;

    folder.Comment("Das Taxi");
    struct Flight {
        const char* suffix;
        double pitch;
    };
    constexpr Flight flights[] = {{"", 0.0}, {"_up", 1.0}, {"_down", -1.0}};
    for (const Flight& flight : flights) {
        std::vector<Picture> frames;
        for (int frame = 0; frame < flightFrames; ++frame)
            frames.push_back(DrawTaxiFrame(frame, flight.pitch * taxiPitch));
        written = folder.AddAnim(std::string("taxi") + flight.suffix, frames) && written;
    }
    std::vector<Picture> taxiWreck;
    for (int frame = 0; frame < explosionFrames; ++frame)
        taxiWreck.push_back(DrawExplosion(Wreck::taxi, frame, taxiExplosionWidth, taxiExplosionHeight));
    written = folder.AddAnim("taxi_explo", taxiWreck) && written;

    folder.Comment("Die Kampfroboter des Barons");
    for (const bool left : {false, true}) {
        const std::string prefix = left ? "fighter_left" : "fighter_right";
        for (const Flight& flight : flights) {
            std::vector<Picture> frames;
            for (int frame = 0; frame < flightFrames; ++frame)
                frames.push_back(DrawFighterFrame(frame, flight.pitch * fighterPitch, left));
            written = folder.AddAnim(prefix + flight.suffix, frames) && written;
        }
        std::vector<Picture> wreck;
        for (int frame = 0; frame < explosionFrames; ++frame) {
            Picture picture = DrawExplosion(Wreck::robot, frame, fighterExplosionWidth, fighterExplosionHeight);
            wreck.push_back(left ? Mirrored(picture) : std::move(picture));
        }
        written = folder.AddAnim(prefix + "_explo", wreck) && written;
    }

    folder.Comment("Laser, Blitz und Anzeige");
    written = folder.AddStatic("taxi_laser", DrawLaser()) && written;
    written = folder.AddStatic("flash_light", DrawFlashLight()) && written;
    std::vector<Picture> sign;
    sign.push_back(DrawPhotoSign(true));
    sign.push_back(DrawPhotoSign(false));
    written = folder.AddAnim("photo_sign", sign) && written;
    written = folder.AddStatic("taxi_hud", DrawTaxiHud()) && written;
    written = AddMinigamePanels(folder) && written;
    return folder.Finish() && written;
}

} // namespace content::minigames
