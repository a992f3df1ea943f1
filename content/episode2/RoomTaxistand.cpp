// Episode 2 at the taxi stand: Rocko flies once he is paid and his tank is
// full; then everyone boards and the chase after the Baron begins.

#include "Episode2Names.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"

#include <string>

namespace episode2 {
namespace {

class ScriptRockoBezahlen : public Script {
    void Run(const std::string&) override
    {
        RemoveItem(sternentaler);
        SetFlag(rockoBezahlt, 1);
        Talk("itemSheet D 24");
        WaitForTalk(player);
        PlaySound("audioevent_muenzen");
        Talk("itemSheet E 24");
        WaitForTalk("Rocko");
        RunScript("ScriptAbflugPruefen");
        End();
    }
};

class ScriptTaxiTanken : public Script {
    void Run(const std::string&) override
    {
        RemoveItem(vollerKanister);
        SetFlag(taxiGetankt, 1);
        Talk("itemSheet F 24");
        WaitForTalk(player);
        PlaySound("audioevent_zapfen");
        Talk("itemSheet G 24");
        WaitForTalk("Rocko");
        RunScript("ScriptAbflugPruefen");
        End();
    }
};

// The fare and the fuel may come in either order: whichever comes last, or
// Juna telling Rocko to go, starts the take-off; otherwise Rocko names what
// is still missing.
class ScriptAbflugPruefen : public Script {
    void Run(const std::string&) override
    {
        const bool paid = GetFlag(rockoBezahlt) != 0;
        const bool fuelled = GetFlag(taxiGetankt) != 0;
        if (paid && fuelled) {
            RunScript("ScriptAbflug");
        } else {
            // Whenever Rocko says what is missing, Juna knows his price.
            if (!paid)
                SetFlag(preisGenannt, 1);
            Talk(!paid && !fuelled ? "itemSheet J 24" : !paid ? "itemSheet H 24" : "itemSheet I 24");
            WaitForTalk("Rocko");
        }
        End();
    }
};

// The closing scene is a conversation of its own (it replaces Rocko's when
// Juna asks from there); then Rocko and Juna get in (the twins sit in the
// back already), the taxi roars up into the sky and the chase begins.
class ScriptAbflug : public Script {
    // The engine warms up before the taxi lifts off and climbs out of sight.
    static constexpr float warmUpSeconds = 0.6f;
    static constexpr float climbSpeed = 520.0f;
    static constexpr int skyY = -120;
    // Where the two get in, either side of the taxi's middle: Juna talks to
    // Rocko from his left, so neither walks through the other.
    static constexpr int doorOffset = 90;

    void Run(const std::string&) override
    {
        StartConversation("gespräch_abflug"_w1252);
        WaitForConversation();
        SetFlag(abflug, 1);
        const int taxiX = GetPositionX(taxi);
        const int taxiY = GetPositionY(taxi);
        WalkTo(rocko, taxiX + doorOffset, taxiY);
        WalkTo(player, taxiX - doorOffset, taxiY);
        WaitForIdle(rocko);
        WaitForIdle(player);
        Hide(rocko);
        Hide(player);
        PlaySound("audioevent_taxistart");
        Wait(warmUpSeconds);
        MoveTo(taxi, taxiX, skyY, climbSpeed);
        WaitForIdle(taxi);
        SetLevel(taxiLevel);
        End();
    }
};

const ScriptRegistration<ScriptRockoBezahlen> rockoBezahlen("ScriptRockoBezahlen");
const ScriptRegistration<ScriptTaxiTanken> taxiTanken("ScriptTaxiTanken");
const ScriptRegistration<ScriptAbflugPruefen> abflugPruefen("ScriptAbflugPruefen");
const ScriptRegistration<ScriptAbflug> abflugScript("ScriptAbflug");

} // namespace
} // namespace episode2
