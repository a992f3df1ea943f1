// Episode 5 on the landing pad under the base's glass dome: the airlock's
// outer door has no power until Rocko's jump leads join his taxi's battery
// to its switch box, and his taxi's cannon blows the jammed hatch off the
// Baron's crashed supply capsule.

#include "Episode5Names.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"

#include <string>

namespace episode5 {
namespace {

// The jump leads show once they feed the airlock, the capsule shows open
// once shot, and the landing flash only in the opening; a loaded game
// starts from the level's settings, so each entry puts all three right.
class ScriptRoomLandeplatz : public Script {
    void Run(const std::string&) override
    {
        for (const char* powered : {kabelrolle, schaltlampe}) {
            if (GetFlag(schleuseOffen) != 0)
                Unhide(powered);
            else
                Hide(powered);
        }
        const bool open = GetFlag(kapselOffen) != 0;
        if (open) {
            Hide(kapsel);
            Unhide(kapselOffenBild);
        } else {
            Unhide(kapsel);
            Hide(kapselOffenBild);
        }
        // While the opening still runs it shows and hides the flash itself.
        if (GetFlag(einleitungGesehen) != 0)
            Hide(landeblitz);
        End();
    }
};

// Juna at the taxi: Rocko lends her his jump leads, once; then he guards
// his battery, which feeds the airlock once the leads are on.
class ScriptKabelLeihen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(schleuseOffen) != 0) {
            Talk("itemSheet H 5");
            WaitForTalk(rocko);
        } else if (GetFlag(kabelGeholt) != 0) {
            Talk("itemSheet G 5");
            WaitForTalk(rocko);
        } else {
            Talk("itemSheet D 5");
            WaitForTalk(player);
            Talk("itemSheet E 5");
            WaitForTalk(rocko);
            AddItem(kabel);
            SetFlag(kabelGeholt, 1);
            Talk("itemSheet F 5");
            WaitForTalk(player);
        }
        End();
    }
};

// The switch box's lamp: dead red, or green once the taxi feeds it.
class ScriptSchaltkastenAnsehen : public Script {
    void Run(const std::string&) override
    {
        Talk(GetFlag(schleuseOffen) != 0 ? "itemSheet E 6" : "itemSheet D 6");
        WaitForTalk(player);
        End();
    }
};

// The jump leads on the switch box (or on the door): the taxi's battery
// wakes the airlock, its outer door unlocks, and the twins rush in ahead
// to look for food.
class ScriptSchleuseOeffnen : public Script {
    static constexpr float doorSeconds = 1.0f;

    void Run(const std::string&) override
    {
        Talk("itemSheet F 6");
        WaitForTalk(player);
        PlaySound("audioevent_kabel");
        RemoveItem(kabel);
        Unhide(kabelrolle);
        Talk("itemSheet G 6");
        WaitForTalk(rocko);
        Unhide(schaltlampe);
        PlaySound("audioevent_schleuse");
        Wait(doorSeconds);
        SetFlag(schleuseOffen, 1);
        Talk("itemSheet H 6");
        WaitForTalk(player);
        Talk("itemSheet I 6");
        WaitForTalk(rocko);
        Talk("itemSheet J 6");
        WaitForTalk(player);
        End();
    }
};

// The airlock's outer door: shut and dead until the taxi powers it, then
// the way in.
class ScriptAussentuerBenutzen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(schleuseOffen) != 0) {
            PlaySound("audioevent_schleuse");
            GoThrough(aussentuer);
        } else {
            Talk("itemSheet D 12");
            WaitForTalk(player);
        }
        End();
    }
};

// Rocko's conversation offers to open the capsule until it is open.
class ScriptRockoAnsprechen5 : public Script {
    static constexpr int capsuleQuestion = 30;

    void Run(const std::string&) override
    {
        const bool open = GetFlag(kapselOffen) != 0;
        StartConversation("gespräch_rocko"_w1252);
        if (open)
            HideIndex(capsuleQuestion);
        else
            UnhideIndex(capsuleQuestion);
        End();
    }
};

// Rocko's taxi cannon blows the jammed hatch off the supply capsule: in it
// lies the Baron's gourmet delivery, a frozen giant onion from Mars. Once.
class ScriptKapselOeffnen : public Script {
    static constexpr float flightSeconds = 0.6f;
    static constexpr float shakeSeconds = 0.4f;

    void Run(const std::string&) override
    {
        if (GetFlag(kapselOffen) != 0) {
            Talk("itemSheet D 8");
            WaitForTalk(rocko);
        } else {
            Talk("itemSheet D 7");
            WaitForTalk(rocko);
            PlaySound("audioevent_kanone");
            ShakeScreen(shakeSeconds);
            Wait(flightSeconds);
            PlaySound("audioevent_luke");
            Hide(kapsel);
            Unhide(kapselOffenBild);
            SetFlag(kapselOffen, 1);
            Talk("itemSheet E 7");
            WaitForTalk(rocko);
            Talk("itemSheet F 7");
            WaitForTalk(player);
            AddItem(eiszwiebel);
            Talk("itemSheet G 7");
            WaitForTalk(player);
        }
        End();
    }
};

const ScriptRegistration<ScriptRoomLandeplatz> roomLandeplatz("ScriptRoomLandeplatz");
const ScriptRegistration<ScriptKabelLeihen> kabelLeihen("ScriptKabelLeihen");
const ScriptRegistration<ScriptSchaltkastenAnsehen> schaltkastenAnsehen("ScriptSchaltkastenAnsehen");
const ScriptRegistration<ScriptSchleuseOeffnen> schleuseOeffnen("ScriptSchleuseOeffnen");
const ScriptRegistration<ScriptAussentuerBenutzen> aussentuerBenutzen("ScriptAussentuerBenutzen");
const ScriptRegistration<ScriptRockoAnsprechen5> rockoAnsprechen5("ScriptRockoAnsprechen5");
const ScriptRegistration<ScriptKapselOeffnen> kapselOeffnen("ScriptKapselOeffnen");

} // namespace
} // namespace episode5
