// Episode 2 in the spaceport terminal: the souvenir buyer pays for the
// trophy, and the blank fuel card from the counter becomes a fuel pass
// with Juna's photo on it.

#include "Episode2Names.h"
#include "adventure/Script.h"

#include <string>

namespace episode2 {
namespace {

// Juna sells the trophy only once she knows what the money is for.
class ScriptPokalVerkaufen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(preisGenannt) == 0) {
            Talk("itemSheet F 14");
            WaitForTalk(player);
        } else {
            RemoveItem(pokal);
            PlaySound("audioevent_automat");
            Talk("itemSheet D 14");
            PlaySound("audioevent_muenzen");
            WaitForTalk(player);
            AddItem(sternentaler);
            SetFlag(pokalVerkauft, 1);
            Talk("itemSheet E 14");
            WaitForTalk(player);
        }
        End();
    }
};

class ScriptAusweisBasteln : public Script {
    void Run(const std::string&) override
    {
        PlaySound("audioevent_karte");
        RemoveItem(passfoto);
        RemoveItem(tankkarte);
        AddItem(tankausweis);
        SetFlag(ausweisGebastelt, 1);
        Talk("itemSheet D 23");
        WaitForTalk(player);
        End();
    }
};

const ScriptRegistration<ScriptPokalVerkaufen> pokalVerkaufen("ScriptPokalVerkaufen");
const ScriptRegistration<ScriptAusweisBasteln> ausweisBasteln("ScriptAusweisBasteln");

} // namespace
} // namespace episode2
