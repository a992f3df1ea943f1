// Episode 5, "Der Alienmond": the arrival on the Baron's moon and KIRA's
// hints, the scripts the whole episode shares.

#include "Episode5Names.h"
#include "adventure/Entity.h"
#include "adventure/Script.h"
#include "shared/KiraHintScript.h"

#include <string>

namespace episode5 {
namespace {

constexpr const char* music = "level05\\Audio\\StreamingSfx\\Alienmond.ogg";

// Whenever the episode starts, its music; once per game, on the landing
// pad: the taxi lands from the time jump in a flash, Rocko boasts of his
// landing and his meter, KIRA picks up the other half of the crystal in the
// base and the Schleimlinge in its yard, the twins stay in the back of the
// taxi, and Juna says what she wants now. The flag is set at the end, so
// that the landing pad's own script leaves the flash alone meanwhile.
class ScriptEpisode5Init : public Script {
    // Juna steps off the taxi's side onto the pad, facing Rocko.
    static constexpr int arrivalX = 440;
    static constexpr int arrivalY = 630;
    static constexpr float flashSeconds = 1.4f;
    static constexpr float shakeSeconds = 0.5f;

    void Run(const std::string&) override
    {
        PlayMusic(music);
        if (GetFlag(einleitungGesehen) == 0) {
            // Everyone is still in the taxi while it lands.
            for (const char* passenger : {player, rocko, kira})
                Hide(passenger);
            Unhide(landeblitz);
            PlaySound("audioevent_landung");
            ShakeScreen(shakeSeconds);
            Wait(flashSeconds);
            Hide(landeblitz);
            for (const char* passenger : {player, rocko, kira})
                Unhide(passenger);
            Talk("itemSheet D 42");
            WaitForTalk(rocko);
            // The level places Juna after the first pass: she moves only now.
            WalkTo(player, arrivalX, arrivalY, Entity::right);
            WaitForIdle(player);
            Talk("itemSheet E 42");
            WaitForTalk(rocko);
            Talk("itemSheet F 42");
            WaitForTalk(player);
            Talk("itemSheet G 42");
            WaitForTalk(kira);
            Talk("itemSheet H 42");
            WaitForTalk(kira);
            Talk("itemSheet I 42");
            WaitForTalk(player);
            Talk("itemSheet J 42");
            WaitForTalk(rocko);
            Talk("itemSheet K 42");
            WaitForTalk(player);
            Talk("itemSheet D 43");
            WaitForTalk(rocko);
            SetFlag(einleitungGesehen, 1);
        }
        End();
    }
};

// KIRA's hint for the first open step of the chart (KiraHintScript.h).
class ScriptKiraHinweis5 : public KiraHintScript {
    static constexpr int firstHintRow = 44;

    void Run(const std::string&) override
    {
        GiveHint({kiraHinweisFlags, kiraHinweisSchritt, kiraHinweisStufe, firstHintRow});
        End();
    }
};

// A loaded game goes on where it was saved, with the episode's music.
class ScriptEpisode5Resume : public Script {
    void Run(const std::string&) override
    {
        PlayMusic(music);
        End();
    }
};

const ScriptRegistration<ScriptEpisode5Init> episode5Init("ScriptEpisode5Init");
const ScriptRegistration<ScriptKiraHinweis5> kiraHinweis5("ScriptKiraHinweis5");
const ScriptRegistration<ScriptEpisode5Resume> episode5Resume("ScriptEpisode5Resume");

} // namespace
} // namespace episode5
