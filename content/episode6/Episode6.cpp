// Episode 6, "Finale": the arrival in the base's hall and KIRA's hints,
// the scripts the whole episode shares.

#include "Episode6Names.h"
#include "adventure/Entity.h"
#include "adventure/Script.h"
#include "shared/KiraHintScript.h"

#include <string>

namespace episode6 {
namespace {

constexpr const char* music = "level06\\Audio\\StreamingSfx\\Finale.ogg";

// Whenever the episode starts, its music; once per game, in the hall: the
// sprayed Schleimlinge squeak in their corner, the twins and KIRA catch up
// with Juna (Mia praises the cleared yard when the shooter was won), KIRA
// finds the other half of the crystal in the Baron's collection, Lotte
// passes on that Rocko waits at the launch ramp, and Juna says what she
// wants: the crystal whole, and home.
class ScriptEpisode6Init : public Script {
    // Juna steps in from the yard's side to stand between the twins and
    // KIRA, facing the twins.
    static constexpr int arrivalX = 580;
    static constexpr int arrivalY = 640;

    void Run(const std::string&) override
    {
        PlayMusic(music);
        if (GetFlag(einleitungGesehen) == 0) {
            PlaySound("audioevent_quieken");
            Talk("itemSheet D 43");
            WaitForTalk(player);
            // The level places Juna after the first pass: she moves only now.
            WalkTo(player, arrivalX, arrivalY, Entity::left);
            WaitForIdle(player);
            Talk("itemSheet E 43");
            WaitForTalk(lotte);
            if (GetFlag(alienShooterVorbei) != 0) {
                Talk("itemSheet F 43");
                WaitForTalk(mia);
            }
            Talk("itemSheet G 43");
            WaitForTalk(kira);
            Talk("itemSheet H 43");
            WaitForTalk(kira);
            Talk("itemSheet I 43");
            WaitForTalk(lotte);
            Talk("itemSheet J 43");
            WaitForTalk(player);
            Talk("itemSheet K 43");
            WaitForTalk(player);
            SetFlag(einleitungGesehen, 1);
        }
        End();
    }
};

// KIRA's hint for the first open step of the chart (KiraHintScript.h).
class ScriptKiraHinweis6 : public KiraHintScript {
    static constexpr int firstHintRow = 44;

    void Run(const std::string&) override
    {
        GiveHint({kiraHinweisFlags, kiraHinweisSchritt, kiraHinweisStufe, firstHintRow});
        End();
    }
};

// A loaded game goes on where it was saved, with the episode's music.
class ScriptEpisode6Resume : public Script {
    void Run(const std::string&) override
    {
        PlayMusic(music);
        End();
    }
};

const ScriptRegistration<ScriptEpisode6Init> episode6Init("ScriptEpisode6Init");
const ScriptRegistration<ScriptKiraHinweis6> kiraHinweis6("ScriptKiraHinweis6");
const ScriptRegistration<ScriptEpisode6Resume> episode6Resume("ScriptEpisode6Resume");

} // namespace
} // namespace episode6
