// Episode 1, "Notlandung": the opening on the crashed bridge and KIRA's
// hints, the scripts the whole episode shares.

#include "Episode1Names.h"
#include "adventure/Script.h"

#include <algorithm>
#include <array>
#include <string>

namespace episode1 {
namespace {

// Whenever the episode starts, its music; once per game, on the bridge:
// the captain and KIRA take stock, and Juna says what she is up to.
class ScriptEpisode1Init : public Script {
    void Run(const std::string&) override
    {
        PlayMusic("level01\\Audio\\StreamingSfx\\Notlandung.ogg");
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

// KIRA looks at the chart's steps in their order (kiraHinweisFlags) and
// hints at the first one still open: vaguely the first time, plainer each
// time Juna asks again about the same step. The hint rows of the item sheet
// hold the three levels in columns D to F, one row per step and a last one
// for all done.
class ScriptKiraHinweis : public Script {
    static constexpr int hintLevels = 3;
    static constexpr int firstHintRow = 33;

    void Run(const std::string&) override
    {
        std::array<int, kiraHinweisFlags.size()> done{};
        std::transform(kiraHinweisFlags.begin(), kiraHinweisFlags.end(), done.begin(),
                       [this](const char* flag) { return GetFlag(flag); });
        const int lastStep = GetFlag(kiraHinweisSchritt) - 1;
        const int lastLevel = GetFlag(kiraHinweisStufe);
        // All done: the last row tells Juna to go and start the dance.
        const int step = static_cast<int>(std::find(done.begin(), done.end(), 0) - done.begin());
        const int level = step == lastStep ? std::min(lastLevel + 1, hintLevels - 1) : 0;
        SetFlag(kiraHinweisSchritt, step + 1);
        SetFlag(kiraHinweisStufe, level);
        Talk("itemSheet " + std::string(1, static_cast<char>('D' + level)) + " " + std::to_string(firstHintRow + step));
        WaitForTalk("Kira");
        End();
    }
};

const ScriptRegistration<ScriptEpisode1Init> episode1Init("ScriptEpisode1Init");
const ScriptRegistration<ScriptKiraHinweis> kiraHinweis("ScriptKiraHinweis");

} // namespace
} // namespace episode1
