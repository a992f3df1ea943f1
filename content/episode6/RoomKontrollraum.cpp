// Episode 6 in the base's control room: the Baron's launch console turns
// the launch ramp towards Wakalua and opens the dome above it.

#include "Episode6Names.h"
#include "adventure/Script.h"

#include <string>

namespace episode6 {
namespace {

// Nothing in the control room changes how it looks: the ramp and the
// dome it moves are drawn at the launch ramp (ScriptRoomStartrampe).
class ScriptRoomKontrollraum : public Script {
    void Run(const std::string&) override { End(); }
};

// The big red lever: servos hum, the ramp turns towards Wakalua and the
// dome's segments slide open. Once; afterwards Juna leaves it be.
class ScriptRampeAusrichten : public Script {
    static constexpr float leverSeconds = 1.2f;
    static constexpr float domeSeconds = 1.5f;

    void Run(const std::string&) override
    {
        if (GetFlag(rampeAusgerichtet) != 0) {
            Talk("itemSheet G 26");
            WaitForTalk(player);
        } else {
            Talk("itemSheet D 26");
            WaitForTalk(player);
            PlaySound("audioevent_pult");
            Wait(leverSeconds);
            PlaySound("audioevent_kuppel");
            Wait(domeSeconds);
            SetFlag(rampeAusgerichtet, 1);
            Talk("itemSheet E 26");
            WaitForTalk(player);
            // The whole crystal may be Juna's already.
            Talk(GetFlag(kristallGanz) != 0 ? "itemSheet H 26" : "itemSheet F 26");
            WaitForTalk(player);
        }
        End();
    }
};

const ScriptRegistration<ScriptRoomKontrollraum> roomKontrollraum("ScriptRoomKontrollraum");
const ScriptRegistration<ScriptRampeAusrichten> rampeAusrichten("ScriptRampeAusrichten");

} // namespace
} // namespace episode6
