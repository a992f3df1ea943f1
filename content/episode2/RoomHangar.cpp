// Episode 2 in the hangar: the fuel pump serves only a fuel pass with a
// photo, and then fills the canister.

#include "Episode2Names.h"
#include "adventure/Script.h"

#include <string>

namespace episode2 {
namespace {

// The pump's use line: what it asks for, unless Juna has it already.
class ScriptZapfsaeuleBenutzen : public Script {
    void Run(const std::string&) override
    {
        const bool filled = GetFlag(kanisterGefuellt) != 0;
        const bool hasPass = GetFlag(ausweisGebastelt) != 0;
        if (filled) {
            Talk("itemSheet F 31");
            WaitForTalk(player);
        } else if (hasPass) {
            Talk("itemSheet H 31");
            WaitForTalk(player);
        } else {
            SetFlag(ausweisVerlangt, 1);
            Talk("itemSheet D 31");
            WaitForTalk(player);
            Talk("itemSheet E 31");
            WaitForTalk("Baltasar");
        }
        End();
    }
};

// The pass or the canister on the pump. The pass is Juna's from its making
// until the pump keeps it here; the canister is either in her hands or
// still on the floor beside the pump, where she picks it up on the way, so
// both places are emptied.
class ScriptKanisterFuellen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(ausweisGebastelt) == 0) {
            RunScript("ScriptZapfsaeuleBenutzen");
        } else {
            RemoveItem(tankausweis);
            RemoveItem(kanister);
            SetActive(kanister, false);
            PlaySound("audioevent_zapfen");
            AddItem(vollerKanister);
            SetFlag(kanisterGefuellt, 1);
            Talk("itemSheet G 31");
            WaitForTalk(player);
        }
        End();
    }
};

const ScriptRegistration<ScriptZapfsaeuleBenutzen> zapfsaeuleBenutzen("ScriptZapfsaeuleBenutzen");
const ScriptRegistration<ScriptKanisterFuellen> kanisterFuellen("ScriptKanisterFuellen");

} // namespace
} // namespace episode2
