// Episode 2, "Der Kristallraub": the robbery at the festival and KIRA's
// hints, the scripts the whole episode shares.

#include "Episode2Names.h"
#include "adventure/Script.h"
#include "shared/KiraHintScript.h"

#include <string>

namespace episode2 {
namespace {

constexpr const char* music = "level02\\Audio\\StreamingSfx\\Kristallraub.ogg";

// Whenever the episode starts, its music; once per game, on the festival
// square: Kalani shows the crystal, the Baron's robots snatch it from the
// cushion, the Baron gloats and leaves, and Juna says what she wants now.
// The room's start script has hidden the robots and the Baron.
class ScriptEpisode2Init : public Script {
    static constexpr float robotSpeed = 260.0f;
    // The robots hover this far above the crystal's foot when they grab it.
    static constexpr int grabHeight = 40;
    // Where they come from and go to: beyond the top edge of the screen.
    static constexpr int skyY = -60;
    static constexpr int approachFrom = 420;
    static constexpr int leaveTo = -480;

    void Run(const std::string&) override
    {
        PlayMusic(music);
        if (GetFlag(einleitungGesehen) == 0) {
            SetFlag(einleitungGesehen, 1);
            const int crystalX = GetPositionX(preiskristall);
            const int crystalY = GetPositionY(preiskristall);
            const int gateX = GetPositionX(torRaumhafen);
            const int gateY = GetPositionY(torRaumhafen);
            Talk("itemSheet D 39");
            WaitForTalk("Kalani");
            PlaySound("audioevent_jubel2");
            Talk("itemSheet E 39");
            WaitForTalk(player);
            PlaySound("audioevent_kamera");
            Talk("itemSheet F 39");
            WaitForTalk("Mia");
            Talk("itemSheet G 39");
            WaitForTalk("Lotte");

            // The robots whirr in from the sky, take the crystal and go.
            SetPosition(roboter, crystalX + approachFrom, skyY);
            Unhide(roboter);
            PlaySound("audioevent_roboter");
            MoveTo(roboter, crystalX, crystalY - grabHeight, robotSpeed);
            Talk("itemSheet H 39");
            WaitForIdle(roboter);
            WaitForTalk("Lotte");
            PlaySound("audioevent_raub");
            Hide(preiskristall);
            MoveTo(roboter, crystalX + leaveTo, skyY, robotSpeed);
            Talk("itemSheet I 39");
            WaitForIdle(roboter);
            Hide(roboter);
            WaitForTalk("Kalani");

            // Their master gloats, poses for no photo and leaves.
            Unhide(baron);
            Talk("itemSheet D 40");
            WaitForTalk("Baron");
            Talk("itemSheet E 40");
            WaitForTalk("Kalani");
            Talk("itemSheet F 40");
            WaitForTalk("Baron");
            PlaySound("audioevent_kamera");
            Talk("itemSheet G 40");
            WaitForTalk("Mia");
            Talk("itemSheet H 40");
            WaitForTalk("Baron");
            WalkTo(baron, gateX, gateY);
            WaitForIdle(baron);
            Hide(baron);

            Talk("itemSheet I 40");
            WaitForTalk(player);
            Talk("itemSheet J 40");
            WaitForTalk(player);
            Talk("itemSheet K 40");
            WaitForTalk(player);
        }
        End();
    }
};

// KIRA's hint for the first open step of the chart (KiraHintScript.h).
class ScriptKiraHinweis2 : public KiraHintScript {
    static constexpr int firstHintRow = 41;

    void Run(const std::string&) override
    {
        GiveHint({kiraHinweisFlags, kiraHinweisSchritt, kiraHinweisStufe, firstHintRow});
        End();
    }
};

// A loaded game goes on where it was saved, with the episode's music.
class ScriptEpisode2Resume : public Script {
    void Run(const std::string&) override
    {
        PlayMusic(music);
        End();
    }
};

const ScriptRegistration<ScriptEpisode2Resume> episode2Resume("ScriptEpisode2Resume");
const ScriptRegistration<ScriptEpisode2Init> episode2Init("ScriptEpisode2Init");
const ScriptRegistration<ScriptKiraHinweis2> kiraHinweis2("ScriptKiraHinweis2");

} // namespace
} // namespace episode2
