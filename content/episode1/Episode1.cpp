// Episode 1, "Notlandung": the opening on the crashed bridge and KIRA's
// hints, the scripts the whole episode shares.

#include "Episode1Names.h"
#include "adventure/Script.h"
#include "shared/KiraHintScript.h"

#include <string>

namespace episode1 {
namespace {

constexpr const char* music = "level01\\Audio\\StreamingSfx\\Notlandung.ogg";

// Whenever the episode starts, its music; once per game, on the bridge:
// the captain and KIRA take stock, and Juna says what she is up to.
class ScriptEpisode1Init : public Script {
    void Run(const std::string&) override
    {
        PlayMusic(music);
        if (GetFlag(einleitungGesehen) == 0) {
            SetFlag(einleitungGesehen, 1);
            Talk("itemSheet D 32");
            WaitForTalk("Baltasar");
            Talk("itemSheet E 32");
            WaitForTalk("Kira");
            Talk("itemSheet F 32");
            WaitForTalk(player);
        }
        End();
    }
};

// KIRA's hint for the first open step of the chart (KiraHintScript.h).
class ScriptKiraHinweis : public KiraHintScript {
    static constexpr int firstHintRow = 33;

    void Run(const std::string&) override
    {
        GiveHint({kiraHinweisFlags, kiraHinweisSchritt, kiraHinweisStufe, firstHintRow});
        End();
    }
};

// A loaded game goes on where it was saved, with the episode's music.
class ScriptEpisode1Resume : public Script {
    void Run(const std::string&) override
    {
        PlayMusic(music);
        End();
    }
};

const ScriptRegistration<ScriptEpisode1Resume> episode1Resume("ScriptEpisode1Resume");
const ScriptRegistration<ScriptEpisode1Init> episode1Init("ScriptEpisode1Init");
const ScriptRegistration<ScriptKiraHinweis> kiraHinweis("ScriptKiraHinweis");

} // namespace
} // namespace episode1
