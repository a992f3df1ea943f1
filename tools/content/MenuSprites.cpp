#include "MenuSprites.h"

#include "BonusArt.h"
#include "MenuPages.h"
#include "SceneFigures.h"
#include "SceneShapes.h"
#include "ShipStyle.h"
#include "SpriteArt.h"

#include <algorithm>
#include <array>
#include <functional>
#include <numbers>
#include <span>
#include <string>

namespace content {

namespace {

using Scene = std::function<void(cairo_t*)>;

// The part of a scene's design space that a picture shows.
struct View {
    double x, y, width, height;
};

// Draws the scene so that the view covers the box (0, 0)-(boxWidth,
// boxHeight), centred on it.
void DrawView(cairo_t* cairo, double boxWidth, double boxHeight, const View& view, const Scene& scene)
{
    const double scale = std::max(boxWidth / view.width, boxHeight / view.height);
    cairo_save(cairo);
    cairo_rectangle(cairo, 0.0, 0.0, boxWidth, boxHeight);
    cairo_clip(cairo);
    cairo_translate(cairo, boxWidth / 2.0 - (view.x + view.width / 2.0) * scale,
                    boxHeight / 2.0 - (view.y + view.height / 2.0) * scale);
    cairo_scale(cairo, scale, scale);
    scene(cairo);
    cairo_restore(cairo);
}

// A scene in a rounded frame filling the picture: a teal rim, or a thicker
// orange one with the scene lightened when the picture is highlighted.
Picture FramedScene(int pictureWidth, int pictureHeight, const View& view, bool highlighted, const Scene& scene)
{
    Picture picture(pictureWidth, pictureHeight);
    cairo_t* cairo = picture.Cairo();
    const double w = pictureWidth;
    const double h = pictureHeight;
    constexpr double radius = 14.0;
    cairo_save(cairo);
    RoundedRectangle(cairo, 2.0, 2.0, w - 4.0, h - 4.0, radius);
    cairo_clip(cairo);
    DrawView(cairo, w, h, view, scene);
    if (highlighted) {
        SetColour(cairo, colour::orangeLight, 0.14);
        cairo_paint(cairo);
    }
    cairo_restore(cairo);
    const double rim = highlighted ? 7.0 : 4.0;
    RoundedRectangle(cairo, 2.0 + rim / 2.0, 2.0 + rim / 2.0, w - 4.0 - rim, h - 4.0 - rim, radius - rim / 2.0);
    StrokeBand(cairo, highlighted ? colour::orange : colour::teal, rim, rim + 4.0);
    return picture;
}

std::array<Picture, 2> NormalAndHighlighted(const std::function<Picture(bool)>& draw)
{
    return {draw(false), draw(true)};
}

// --- Minigame tiles ---------------------------------------------------------

// 236 x 164 keeps the tiles apart (and clear of "Zurück" at (300, 633))
// whether the menu places them by their top-left corner or their centre.
constexpr int tileWidth = 236;
constexpr int tileHeight = 164;

void MusicNote(cairo_t* cairo, double x, double y)
{
    cairo_move_to(cairo, x + 6.0, y);
    cairo_line_to(cairo, x + 6.0, y - 24.0);
    cairo_curve_to(cairo, x + 12.0, y - 18.0, x + 18.0, y - 16.0, x + 16.0, y - 8.0);
    StrokeBand(cairo, colour::cream, 2.0, 5.0);
    Ellipse(cairo, x, y, 7.5, 5.5);
    FillOutlined(cairo, colour::cream, colour::orangeLight, 2.0);
}

void Crosshair(cairo_t* cairo, double x, double y)
{
    constexpr double radius = 15.0;
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, x, y, radius, 0.0, 2.0 * std::numbers::pi);
    for (const double direction : {-1.0, 1.0}) {
        cairo_move_to(cairo, x + direction * (radius - 6.0), y);
        cairo_line_to(cairo, x + direction * (radius + 7.0), y);
        cairo_move_to(cairo, x, y + direction * (radius - 6.0));
        cairo_line_to(cairo, x, y + direction * (radius + 7.0));
    }
    StrokeBand(cairo, colour::orange, 2.5, 6.0);
}

void DanceSigns(cairo_t* cairo)
{
    MusicNote(cairo, 34.0, 52.0);
    MusicNote(cairo, 70.0, 34.0);
}

void ShotAtTheBaron(cairo_t* cairo)
{
    Crosshair(cairo, 177.0, 40.0);
}

void SlimeInSights(cairo_t* cairo)
{
    DrawSlime(cairo, 56.0, 112.0, 0.55);
    Crosshair(cairo, 56.0, 92.0);
}

struct Minigame {
    Place place;
    const char* title;
    View view;                   // the part of the place above the title plate
    void (*signs)(cairo_t*);     // what tells the game apart, or none
};

constexpr Minigame minigames[] = {
    {Place::holidayPlanet, "Tanzduell", {230.0, 290.0, 460.0, 320.0}, DanceSigns},
    {Place::spaceChase, "Taxi Shooter", {100.0, 60.0, 680.0, 473.0}, ShotAtTheBaron},
    {Place::castle, "Ritterweitwurf", {40.0, 10.0, 720.0, 500.0}, nullptr},
    {Place::moonBase, "Alien Shooter", {80.0, 120.0, 640.0, 445.0}, SlimeInSights},
};

Picture MinigameTile(const Minigame& minigame, bool highlighted)
{
    const Scene scene = [&minigame](cairo_t* cairo) { DrawPlace(cairo, minigame.place); };
    Picture tile = FramedScene(tileWidth, tileHeight, minigame.view, highlighted, scene);
    cairo_t* cairo = tile.Cairo();
    if (minigame.signs != nullptr)
        minigame.signs(cairo);
    RoundedRectangle(cairo, 16.0, tileHeight - 44.0, tileWidth - 32.0, 30.0, 12.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 3.0);
    DrawArtText(cairo, minigame.title, tileWidth / 2.0, tileHeight - 22.0, 19.0,
                highlighted ? colour::orangeLight : colour::cream);
    return tile;
}

// --- Bonus pictures ---------------------------------------------------------

constexpr int smallWidth = 200;
constexpr int smallHeight = 150;
constexpr int smallPosterWidth = 196;
constexpr int smallPosterHeight = 276;
constexpr View wholePlace{0.0, 0.0, placeWidth, placeHeight};
constexpr View wholePoster{0.0, 0.0, posterWidth, posterHeight};
constexpr int bigWidth = 800;
constexpr int bigHeight = 600;

// The enlarged pictures are opaque, so their frame is painted inside them.
Picture BigPicture(int pictureWidth, int pictureHeight, const View& view, const Scene& scene)
{
    Picture picture(pictureWidth, pictureHeight);
    cairo_t* cairo = picture.Cairo();
    DrawView(cairo, pictureWidth, pictureHeight, view, scene);
    cairo_rectangle(cairo, 4.0, 4.0, pictureWidth - 8.0, pictureHeight - 8.0);
    StrokeBand(cairo, colour::teal, 3.0, 8.0);
    return picture;
}

// --- Help arrows ------------------------------------------------------------

constexpr int arrowSize = 44;

Picture HelpArrow(bool pointsRight, bool highlighted)
{
    Picture arrow(arrowSize, arrowSize);
    cairo_t* cairo = arrow.Cairo();
    constexpr double middle = arrowSize / 2.0;
    Circle(cairo, middle, middle, middle - 3.0);
    FillOutlined(cairo, highlighted ? colour::orangeLight : colour::tealLight,
                 highlighted ? colour::orange : colour::teal, 3.0);
    Arrowhead(cairo, middle, middle, pointsRight ? 1.0 : -1.0, 11.0, 7.0, 11.0);
    FillOutlined(cairo, tone::white, colour::cream, 2.5);
    return arrow;
}

} // namespace

bool WriteMenuSprites()
{
    constexpr int jpegQuality = 88;
    SpriteFolder writer("data\\menu\\sprites\\", "data\\menu\\sprites.txt", jpegQuality);
    writer.Comment("Seiten und Abspannmasken");
    writer.AddPage("help_background", DrawHelpBackground());
    writer.AddPage("options_background", DrawOptionsBackground());
    writer.AddPage("highscore_background", DrawHighscoreBackground());
    writer.AddPage("minigames_background", DrawMinigamesBackground());
    writer.AddPage("bonus_background", DrawBonusBackground());
    const Picture credits = DrawCreditsBackground();
    writer.AddPage("credits_background", credits);
    constexpr int topMaskHeight = 150;
    constexpr int bottomMaskTop = 689;
    writer.AddStatic("credits_mask_top", DrawCreditsMask(credits, 0, topMaskHeight));
    writer.AddStatic("credits_mask_bottom",
                     DrawCreditsMask(credits, bottomMaskTop, ship::screenHeight - bottomMaskTop));

    writer.Comment("Hilfepfeile, Minispiele und kleine Bonusbilder: Bild 0 normal, Bild 1 unter dem Mauszeiger");
    for (const bool right : {false, true})
        writer.AddAnim(right ? "help_arrow_right" : "help_arrow_left",
                       NormalAndHighlighted([right](bool lit) { return HelpArrow(right, lit); }));
    // Labels made from a number, listed so that a search finds them: minigame1
    // minigame2 minigame3 minigame4 here; small_background1 small_background2
    // small_background3 small_background4 and big_background1 big_background2
    // big_background3 big_background4 in the loop below.
    for (std::size_t index = 0; index < std::size(minigames); ++index) {
        const Minigame& minigame = minigames[index];
        writer.AddAnim("minigame" + std::to_string(index + 1),
                       NormalAndHighlighted([&minigame](bool lit) { return MinigameTile(minigame, lit); }));
    }
    constexpr Place places[] = {Place::holidayPlanet, Place::spaceChase, Place::castle, Place::moonBase};
    for (std::size_t index = 0; index < std::size(places); ++index) {
        const Scene scene = [place = places[index]](cairo_t* cairo) { DrawPlace(cairo, place); };
        const std::string number = std::to_string(index + 1);
        writer.AddAnim("small_background" + number, NormalAndHighlighted([&scene](bool lit) {
                           return FramedScene(smallWidth, smallHeight, wholePlace, lit, scene);
                       }));
        writer.AddPage("big_background" + number, BigPicture(bigWidth, bigHeight, wholePlace, scene));
    }
    const Scene smallPoster = [](cairo_t* cairo) { DrawPoster(cairo, PosterSize::small); };
    writer.AddAnim("small_poster", NormalAndHighlighted([&smallPoster](bool lit) {
                       return FramedScene(smallPosterWidth, smallPosterHeight, wholePoster, lit, smallPoster);
                   }));
    const Scene bigPoster = [](cairo_t* cairo) { DrawPoster(cairo, PosterSize::big); };
    writer.AddPage("big_poster",
                   BigPicture(static_cast<int>(posterWidth), static_cast<int>(posterHeight), wholePoster, bigPoster));
    return writer.Finish();
}

} // namespace content
