// Episode 3, "Das Zeitloch": the taxi's fall into the middle ages and
// KIRA's hints, the scripts the whole episode shares.

#include "Episode3Names.h"
#include "adventure/Script.h"
#include "shared/KiraHintScript.h"

#include <string>

namespace episode3 {
namespace {

constexpr const char* music = "level03\\Audio\\StreamingSfx\\Zeitloch.ogg";
// The smoke curling from the crashed taxi: a picture of the clearing that
// only shows once the taxi has come down.
constexpr const char* rauch = "RoomLichtung|rauch";

// Whenever the episode starts, its music; once per game, in the clearing:
// Rocko's taxi falls out of the time hole into its crater, the hole closes
// behind it, and the three who were aboard climb out. Rocko mourns his taxi
// and bills the trip, KIRA names the year, and Juna sees the castle where
// the Baron's agent hides with the crystal.
class ScriptEpisode3Init : public Script {
    static constexpr float fallSpeed = 420.0f;
    static constexpr float shakeSeconds = 0.5f;
    static constexpr float closingSeconds = 1.2f;

    void Run(const std::string&) override
    {
        PlayMusic(music);
        if (GetFlag(einleitungGesehen) == 0) {
            SetFlag(einleitungGesehen, 1);
            const int taxiX = GetPositionX(taxi);
            const int taxiY = GetPositionY(taxi);

            // Everyone is still aboard while the taxi falls.
            Hide(player);
            Hide(rocko);
            Hide(kira);
            Hide(rauch);
            // It tumbles out of the time hole and down into its crater.
            SetPosition(taxi, GetPositionX(zeitloch), GetPositionY(zeitloch));
            PlaySound("audioevent_absturz");
            MoveTo(taxi, taxiX, taxiY, fallSpeed);
            WaitForIdle(taxi);
            ShakeScreen(shakeSeconds);
            Unhide(rauch);
            Unhide(rocko);
            Unhide(kira);
            Unhide(player);

            Talk("itemSheet D 41");
            WaitForTalk("Rocko");
            Talk("itemSheet E 41");
            WaitForTalk(player);
            Talk("itemSheet F 41");
            WaitForTalk("Kira");
            Talk("itemSheet G 41");
            WaitForTalk("Rocko");

            // The hole in the sky swirls shut behind them.
            PlaySound("audioevent_zeitloch");
            Talk("itemSheet H 41");
            Wait(closingSeconds);
            Hide(zeitloch);
            WaitForTalk(player);
            Talk("itemSheet I 41");
            WaitForTalk("Kira");
            Talk("itemSheet J 41");
            WaitForTalk("Rocko");
            Talk("itemSheet K 41");
            WaitForTalk("Kira");

            // The twins ran off to the village; the castle is where Juna goes.
            Talk("itemSheet D 42");
            WaitForTalk(player);
            Talk("itemSheet E 42");
            WaitForTalk("Rocko");
            Talk("itemSheet F 42");
            WaitForTalk(player);
            Talk("itemSheet G 42");
            WaitForTalk("Kira");
            Talk("itemSheet H 42");
            WaitForTalk(player);
        }
        End();
    }
};

// KIRA's hint for the first open step of the chart (KiraHintScript.h).
class ScriptKiraHinweis3 : public KiraHintScript {
    static constexpr int firstHintRow = 44;

    void Run(const std::string&) override
    {
        GiveHint({kiraHinweisFlags, kiraHinweisSchritt, kiraHinweisStufe, firstHintRow});
        End();
    }
};

// A loaded game goes on where it was saved, with the episode's music.
class ScriptEpisode3Resume : public Script {
    void Run(const std::string&) override
    {
        PlayMusic(music);
        End();
    }
};

const ScriptRegistration<ScriptEpisode3Resume> episode3Resume("ScriptEpisode3Resume");
const ScriptRegistration<ScriptEpisode3Init> episode3Init("ScriptEpisode3Init");
const ScriptRegistration<ScriptKiraHinweis3> kiraHinweis3("ScriptKiraHinweis3");

} // namespace
} // namespace episode3
