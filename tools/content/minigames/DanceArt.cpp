#include "minigames/DanceArt.h"

#include "SceneShapes.h"
#include "characters/CastMember.h"
#include "characters/Episode1Cast.h"
#include "minigames/DanceStage.h"
#include "minigames/MinigamePanels.h"

#include "adventure/CastAnimations.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace content::minigames {

namespace {

namespace names = castanimations;
using characters::FigureLook;

constexpr double pi = std::numbers::pi;
// The rig's figures are 100 units tall.
constexpr double figureUnits = 100.0;

// A symbol's tile, arrow and glow for one grade.
struct SymbolStyle {
    std::uint32_t tileTop;
    std::uint32_t tileBottom;
    std::uint32_t arrowTop;
    std::uint32_t arrowBottom;
    double glow;       // the gold halo of a perfect hit
    double opacity;    // a missed symbol fades
};

SymbolStyle StyleOf(int grade)
{
    switch (grade) {
    case 1:
        return {tone::acidLight, tone::leaf, tone::taxiLight, tone::taxi, 0.95, 1.0};
    case 2:
        return {tone::acidLight, colour::acid, colour::cream, colour::cream, 0.0, 1.0};
    case 3:
        return {tone::taxiLight, tone::taxi, colour::cream, colour::cream, 0.0, 1.0};
    case 4:
        return {colour::orangeLight, colour::orange, colour::cream, colour::sand, 0.0, 1.0};
    case 5:
        return {0xB8505A, 0x7A2A38, 0xE0A0A8, 0xC07880, 0.0, 0.8};
    default:
        return {colour::tealLight, colour::teal, tone::white, colour::orangeLight, 0.0, 1.0};
    }
}

struct Dance {
    std::string label;
    std::vector<Picture> frames;
};

// The dancer's idle loop and moves on one palette.
bool WriteDancer(SpriteFolder& folder, std::string_view prefix, const FigureLook& look)
{
    std::vector<Dance> dances;
    Dance idle{std::string(prefix) + "_dance_idle", {}};
    for (int frame = 0; frame < characters::danceIdleFrames; ++frame)
        idle.frames.push_back(DrawDancer(look, characters::DanceIdlePose(frame)));
    idle.frames = characters::CastMember::Narrowed(std::move(idle.frames));
    dances.push_back(std::move(idle));
    for (int move = 1; move <= characters::danceMoveCount; ++move) {
        Dance dance{std::string(prefix) + "_dance_move" + std::to_string(move), {}};
        for (int frame = 0; frame < characters::danceMoveFrames; ++frame)
            dance.frames.push_back(DrawDancer(look, characters::DanceMovePose(move, frame)));
        dance.frames = characters::CastMember::Narrowed(std::move(dance.frames));
        dances.push_back(std::move(dance));
    }
    PaletteQuantiser palette;
    for (const Dance& dance : dances)
        for (const Picture& frame : dance.frames)
            CountColours(palette, frame);
    palette.Build();
    folder.Comment(std::string(prefix) + ": Tanz");
    bool written = true;
    for (const Dance& dance : dances)
        written = folder.AddRleAnim(dance.label, dance.frames, palette) && written;
    return written;
}

Picture DrawPage(void (*draw)(cairo_t*))
{
    Picture picture(stageWidth, stageHeight);
    draw(picture.Cairo());
    return picture;
}

} // namespace

Picture DrawMoveSymbol(int move, int grade)
{
    const SymbolStyle style = StyleOf(grade);
    constexpr double middle = symbolSize / 2.0;
    Picture picture(symbolSize, symbolSize);
    cairo_t* cairo = picture.Cairo();
    cairo_push_group(cairo);
    if (style.glow > 0.0)
        Glow(cairo, middle, middle, middle, tone::taxiLight, style.glow);
    RoundedRectangle(cairo, middle - 23.0, middle - 23.0, 46.0, 46.0, 12.0);
    FillOutlined(cairo, style.tileTop, style.tileBottom, 3.0);
    if (style.glow > 0.0) {
        // A gold rim.
        RoundedRectangle(cairo, middle - 20.0, middle - 20.0, 40.0, 40.0, 9.5);
        cairo_set_line_width(cairo, 2.5);
        SetColour(cairo, tone::taxiLight);
        cairo_stroke(cairo);
    }
    // The arrow, drawn pointing up and turned clockwise by an eighth a move.
    cairo_save(cairo);
    cairo_translate(cairo, middle, middle);
    cairo_rotate(cairo, (move - 1) * pi / 4);
    cairo_move_to(cairo, 0.0, -18.0);
    cairo_line_to(cairo, 14.0, -3.0);
    cairo_line_to(cairo, 5.5, -3.0);
    cairo_line_to(cairo, 5.5, 15.0);
    cairo_line_to(cairo, -5.5, 15.0);
    cairo_line_to(cairo, -5.5, -3.0);
    cairo_line_to(cairo, -14.0, -3.0);
    cairo_close_path(cairo);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    FillOutlined(cairo, style.arrowTop, style.arrowBottom, 2.5);
    cairo_restore(cairo);
    if (grade == 5) {
        // A small cross in the corner: the arrow stays readable, so that
        // the player sees which step was wanted.
        constexpr double badge = middle + 16.0;
        cairo_arc(cairo, badge, badge, 9.0, 0.0, 2.0 * pi);
        FillOutlined(cairo, colour::hibiscus, colour::banner, 2.0);
        for (const double side : {-1.0, 1.0}) {
            cairo_move_to(cairo, badge - 4.0, badge - 4.0 * side);
            cairo_line_to(cairo, badge + 4.0, badge + 4.0 * side);
        }
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cairo, 2.5);
        SetColour(cairo, colour::cream);
        cairo_stroke(cairo);
    }
    cairo_pop_group_to_source(cairo);
    cairo_paint_with_alpha(cairo, style.opacity);
    return picture;
}

Picture DrawBall()
{
    constexpr int size = 44;
    constexpr double middle = size / 2.0;
    constexpr double radius = 16.0;
    Picture picture(size, size);
    cairo_t* cairo = picture.Cairo();
    Glow(cairo, middle, middle, middle, colour::cream, 0.6);
    cairo_save(cairo);
    Circle(cairo, middle, middle, radius);
    cairo_clip(cairo);
    const std::uint32_t stripes[] = {colour::hibiscus, colour::cream, colour::turquoise, tone::taxiLight};
    for (int stripe = 0; stripe < 6; ++stripe) {
        const double from = stripe * pi / 3 - pi / 2;
        cairo_move_to(cairo, middle, middle);
        cairo_arc(cairo, middle, middle, radius + 2.0, from, from + pi / 3);
        cairo_close_path(cairo);
        SetColour(cairo, stripes[stripe % 4]);
        cairo_fill(cairo);
    }
    Ellipse(cairo, middle - 5.0, middle - 6.0, 6.0, 4.0);
    FillPlain(cairo, tone::white, 0.7);
    cairo_restore(cairo);
    Circle(cairo, middle, middle, radius);
    StrokeOutline(cairo, 2.5);
    return picture;
}

Picture DrawDancer(const FigureLook& look, const characters::DancePose& dance)
{
    const double scale = look.heightPixels / figureUnits;
    Picture picture(static_cast<int>(std::ceil(look.heightPixels * 0.7)) * 2,
                    static_cast<int>(std::ceil(look.heightPixels * 1.32)));
    cairo_t* cairo = picture.Cairo();
    cairo_translate(cairo, picture.Width() / 2.0 + dance.shift * scale,
                    picture.Height() - characters::CastMember::groundMargin * scale);
    cairo_scale(cairo, scale, scale);
    cairo_rotate(cairo, dance.tilt);
    cairo_scale(cairo, 1.0 + (1.0 - dance.stretch) * 0.5, dance.stretch);
    characters::PuppetRig(look).Draw(cairo, characters::Direction::down, dance.pose);
    return picture;
}

bool WriteDanceSprites()
{
    SpriteFolder folder("data\\level07\\sprites\\", "data\\level07\\sprites.txt");
    folder.Comment("Sprites des Tanzwettbewerbs; erzeugt von zephyra-content.");
    bool written = folder.AddPage("background", DrawPage(DrawNightStage));
    written = folder.AddPage("hawaii_background", DrawPage(DrawMorningStage)) && written;
    for (int move = 1; move <= characters::danceMoveCount; ++move) {
        std::vector<Picture> grades;
        for (int grade = 0; grade < symbolGrades; ++grade)
            grades.push_back(DrawMoveSymbol(move, grade));
        written = folder.AddAnim("num" + std::to_string(move), grades) && written;
    }
    written = folder.AddStatic("ball", DrawBall()) && written;
    written = AddMinigamePanels(folder) && written;
    written = WriteDancer(folder, names::juna, characters::JunaLook()) && written;
    written = WriteDancer(folder, names::lotte, characters::LotteLook()) && written;
    written = WriteDancer(folder, names::mia, characters::MiaLook()) && written;
    return folder.Finish() && written;
}

} // namespace content::minigames
