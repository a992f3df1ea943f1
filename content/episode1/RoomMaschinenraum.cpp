// Episode 1 in the engine room: the torn cable sprays sparks beside the
// piston that bolts the outer hatch. Taped, it is safe to put the wrench to
// the piston; then the hatch opens onto the beach.

#include "Episode1Names.h"
#include "adventure/Script.h"

#include <string>

namespace episode1 {
namespace {

class ScriptFunkenFlicken : public Script {
    void Run(const std::string&) override
    {
        PlaySound("audioevent_klebeband");
        RemoveItem(isolierband);
        SetFlag(funkenGestoppt, 1);
        // No sparks, nothing left to point at.
        SetActive(funken, false);
        Talk("itemSheet D 11");
        WaitForTalk(player);
        End();
    }
};

class ScriptKolbenLoesen : public Script {
    void Run(const std::string&) override
    {
        const bool sparksStopped = GetFlag(funkenGestoppt) != 0;
        const bool alreadyFree = GetFlag(lukeFrei) != 0;
        if (alreadyFree) {
            Talk("itemSheet F 10");
        } else if (!sparksStopped) {
            Talk("itemSheet E 10");
        } else {
            PlaySound("audioevent_kolben");
            SetFlag(lukeFrei, 1);
            Talk("itemSheet D 10");
        }
        WaitForTalk(player);
        End();
    }
};

// The hatch's use line: stuck while the piston holds it, else the way out.
// Scripts animate only characters, so the freed hatch takes Juna through at
// once; the beach side plays its hatch opening as she arrives.
class ScriptAussenlukeBenutzen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(lukeFrei) != 0) {
            PlaySound("audioevent_luke");
            GoThrough(aussenluke);
        } else {
            Talk("itemSheet D 13");
            WaitForTalk(player);
        }
        End();
    }
};

const ScriptRegistration<ScriptFunkenFlicken> funkenFlicken("ScriptFunkenFlicken");
const ScriptRegistration<ScriptKolbenLoesen> kolbenLoesen("ScriptKolbenLoesen");
const ScriptRegistration<ScriptAussenlukeBenutzen> aussenlukeBenutzen("ScriptAussenlukeBenutzen");

} // namespace
} // namespace episode1
