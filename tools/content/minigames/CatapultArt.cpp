#include "minigames/CatapultArt.h"

#include "SpriteArt.h"
#include "minigames/MinigamePanels.h"
#include "minigames/SiegeCatapult.h"
#include "minigames/TournamentKnight.h"
#include "minigames/TournamentMeadow.h"

#include <string>
#include <utility>
#include <vector>

namespace content::minigames {

namespace {

struct DrawnAnimation {
    std::string label;
    std::vector<Picture> frames;
};

template <typename Draw>
DrawnAnimation Drawn(std::string label, int count, Draw draw)
{
    DrawnAnimation animation{std::move(label), {}};
    animation.frames.reserve(count);
    for (int frame = 0; frame < count; ++frame)
        animation.frames.push_back(draw(frame));
    return animation;
}

// Run-length strips on one palette cut from all their frames: mostly clear
// frames (the cart's is centred on its point, so the rows under the ground
// stay empty) that the game then keeps cropped and encoded.
bool AddRunLength(SpriteFolder& folder, const std::vector<DrawnAnimation>& animations)
{
    PaletteQuantiser palette;
    for (const DrawnAnimation& animation : animations)
        for (const Picture& frame : animation.frames)
            CountColours(palette, frame);
    palette.Build();
    bool written = true;
    for (const DrawnAnimation& animation : animations)
        written = folder.AddRleAnim(animation.label, animation.frames, palette) && written;
    return written;
}

} // namespace

bool WriteCatapultSprites()
{
    SpriteFolder folder("data\\level09\\sprites\\", "data\\level09\\sprites.txt");
    folder.Comment("Sprites des Ritterweitwurfs; erzeugt von zephyra-content.");
    folder.Comment("Die Turnierwiese");
    bool written = folder.AddPage("background_start", DrawMeadowStart());
    written = folder.AddPage("background_loop", DrawMeadowLoop()) && written;
    written = folder.AddStatic("background_mask", DrawMeadowMask()) && written;

    folder.Comment("Das Katapult");
    std::vector<DrawnAnimation> catapult;
    catapult.push_back(Drawn("catapult_wheels_front", catapultWheelFrames,
                             [](int frame) { return DrawCatapultWheels(frame, false); }));
    catapult.push_back(Drawn("catapult_wheels_back", catapultWheelFrames,
                             [](int frame) { return DrawCatapultWheels(frame, true); }));
    catapult.push_back(Drawn("catapult_pull", catapultPullFrames, DrawCatapultPull));
    catapult.push_back(Drawn("catapult_launch", catapultLaunchFrames, DrawCatapultLaunch));
    written = AddRunLength(folder, catapult) && written;

    folder.Comment("Die geworfene Wache");
    std::vector<DrawnAnimation> knight;
    knight.push_back(Drawn("guard_fly", knightFlyFrames, DrawKnightFlying));
    knight.push_back(Drawn("guard_hit", knightHitFrames, DrawKnightLanding));
    knight.push_back(Drawn("guard_standup", knightStandUpFrames, DrawKnightStandingUp));
    written = AddRunLength(folder, knight) && written;
    written = AddMinigamePanels(folder) && written;
    return folder.Finish() && written;
}

} // namespace content::minigames
