// Episode 1 on the bridge: the cracked crystal comes along.

#include "Episode1Names.h"
#include "adventure/Script.h"

#include <string>

namespace episode1 {
namespace {

class ScriptKristallNehmen : public Script {
    void Run(const std::string&) override
    {
        PlaySound("audioevent_kristall");
        Pickup(kristall, true);
        SetFlag(kristallGenommen, 1);
        Talk("itemSheet D 6");
        WaitForTalk(player);
        End();
    }
};

const ScriptRegistration<ScriptKristallNehmen> kristallNehmen("ScriptKristallNehmen");

} // namespace
} // namespace episode1
