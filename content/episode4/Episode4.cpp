// Episode 4, "Auf der Burg": the arrival in the castle yard and KIRA's
// hints, the scripts the whole episode shares.

#include "Episode4Names.h"
#include "adventure/Entity.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"
#include "shared/KiraHintScript.h"

#include <string>

namespace episode4 {
namespace {

constexpr const char* music = "level04\\Audio\\StreamingSfx\\Burg.ogg";

// Whenever the episode starts, its music; once per game, in the yard: the
// won contest's password has let Juna in, Rocko finds his taxi in the
// smith's chain, the smith claims it for horseshoes, and KIRA picks up half
// the crystal's glimmer in the tower. Juna says what she is after now.
class ScriptEpisode4Init : public Script {
    static constexpr int arrivalX = 250;
    static constexpr int arrivalY = 548;

    void Run(const std::string&) override
    {
        PlayMusic(music);
        if (GetFlag(einleitungGesehen) == 0) {
            SetFlag(einleitungGesehen, 1);
            // The gate falls shut behind her; she came in by the password
            // when the contest led here, else the gate simply let her in.
            PlaySound("audioevent_tor");
            Talk(GetFlag(passwortja) != 0 ? "itemSheet D 50" : "itemSheet E 50");
            WaitForTalk(player);
            // She steps aside of the taxi, so that the chain the talk is
            // about can be seen (she comes in at the yard's front middle).
            WalkTo(player, arrivalX, arrivalY, Entity::right);
            WaitForIdle(player);
            Talk("itemSheet F 50");
            WaitForTalk("Rocko");
            Talk("itemSheet G 50");
            WaitForTalk("Schmied");
            Talk("itemSheet H 50");
            WaitForTalk("Rocko");
            Talk("itemSheet I 50");
            WaitForTalk("Kira");
            Talk("itemSheet J 50");
            WaitForTalk(player);
            Talk("itemSheet K 50");
            WaitForTalk("Kira");
            Talk("itemSheet D 51");
            WaitForTalk(player);
            Talk("itemSheet E 51");
            WaitForTalk("Rocko");
        }
        End();
    }
};

// KIRA's hint for the first open step of the chart (KiraHintScript.h).
class ScriptKiraHinweis4 : public KiraHintScript {
    static constexpr int firstHintRow = 54;

    void Run(const std::string&) override
    {
        GiveHint({kiraHinweisFlags, kiraHinweisSchritt, kiraHinweisStufe, firstHintRow});
        End();
    }
};

// KIRA is asked what is up in the tower until the crystal is Juna's, and
// after that about the magpie that had it.
class ScriptKiraAnsprechen4 : public Script {
    static constexpr int towerQuestion = 30;
    static constexpr int magpieQuestion = 35;

    void Run(const std::string&) override
    {
        const bool found = GetFlag(kristallGefunden) != 0;
        StartConversation("gespräch_kira"_w1252);
        HideIndex(found ? towerQuestion : magpieQuestion);
        UnhideIndex(found ? magpieQuestion : towerQuestion);
        End();
    }
};

// A loaded game goes on where it was saved, with the episode's music.
class ScriptEpisode4Resume : public Script {
    void Run(const std::string&) override
    {
        PlayMusic(music);
        End();
    }
};

const ScriptRegistration<ScriptEpisode4Resume> episode4Resume("ScriptEpisode4Resume");
const ScriptRegistration<ScriptEpisode4Init> episode4Init("ScriptEpisode4Init");
const ScriptRegistration<ScriptKiraHinweis4> kiraHinweis4("ScriptKiraHinweis4");
const ScriptRegistration<ScriptKiraAnsprechen4> kiraAnsprechen4("ScriptKiraAnsprechen4");

} // namespace
} // namespace episode4
