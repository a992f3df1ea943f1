#include "minigames/CatapultArt.h"

#include "SpriteArt.h"
#include "minigames/MinigamePanels.h"
#include "minigames/SiegeCatapult.h"
#include "minigames/TournamentKnight.h"
#include "minigames/TournamentMeadow.h"

#include <string>
#include <vector>

namespace content::minigames {

namespace {

template <typename Draw>
std::vector<Picture> Frames(int count, Draw draw)
{
    std::vector<Picture> frames;
    frames.reserve(count);
    for (int frame = 0; frame < count; ++frame)
        frames.push_back(draw(frame));
    return frames;
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
    written = folder.AddAnim("catapult_wheels_front",
                             Frames(catapultWheelFrames, [](int frame) { return DrawCatapultWheels(frame, false); })) &&
              written;
    written = folder.AddAnim("catapult_wheels_back",
                             Frames(catapultWheelFrames, [](int frame) { return DrawCatapultWheels(frame, true); })) &&
              written;
    written = folder.AddAnim("catapult_pull", Frames(catapultPullFrames, DrawCatapultPull)) && written;
    written = folder.AddAnim("catapult_launch", Frames(catapultLaunchFrames, DrawCatapultLaunch)) && written;

    folder.Comment("Die geworfene Wache");
    written = folder.AddAnim("guard_fly", Frames(knightFlyFrames, DrawKnightFlying)) && written;
    written = folder.AddAnim("guard_hit", Frames(knightHitFrames, DrawKnightLanding)) && written;
    written = folder.AddAnim("guard_standup", Frames(knightStandUpFrames, DrawKnightStandingUp)) && written;
    written = AddMinigamePanels(folder) && written;
    return folder.Finish() && written;
}

} // namespace content::minigames
