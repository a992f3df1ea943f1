// Episode 6 in the base's hall: the sprayed Schleimlinge sulk in their
// corner, the twins quarrel over Mia's camera until Juna takes it herself,
// and a slimy key card that a fled guard robot lost opens the control room.

#include "Episode6Names.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"

#include <string>

namespace episode6 {
namespace {

// Nothing in the hall is drawn differently after a step: the control
// room's door looks the same shut or open, and its use line asks the flag
// each time (ScriptTuerKontrollraumBenutzen).
class ScriptRoomBasis : public Script {
    void Run(const std::string&) override { End(); }
};

// Both twins answer in one conversation; asking for the camera is offered
// until Juna has it, and afterwards they start where they agree that
// neither of them has it.
class ScriptZwillingeAnsprechen6 : public Script {
    static constexpr int cameraTaken = 60;
    static constexpr int cameraBack = 65;
    static constexpr int cameraQuestion = 70;

    void Run(const std::string&) override
    {
        // Once the Baron is photographed, Juna gives the camera back.
        const bool taken = GetFlag(kameraGeliehen) != 0;
        const bool back = GetFlag(baronFotografiert) != 0;
        StartConversation("gespräch_zwillinge"_w1252, back ? cameraBack : taken ? cameraTaken : -1);
        if (taken)
            HideIndex(cameraQuestion);
        else
            UnhideIndex(cameraQuestion);
        End();
    }
};

// The twins as Juna sees them: Lotte eyeing Mia's camera, then both
// without it while Juna has it, and as before once it is back from the
// Baron's photo.
class ScriptLotteAnsehen6 : public Script {
    void Run(const std::string&) override
    {
        const bool away = GetFlag(kameraGeliehen) != 0 && GetFlag(baronFotografiert) == 0;
        Talk(away ? "itemSheet E 53" : "itemSheet D 53");
        WaitForTalk(player);
        End();
    }
};

class ScriptMiaAnsehen6 : public Script {
    void Run(const std::string&) override
    {
        const bool away = GetFlag(kameraGeliehen) != 0 && GetFlag(baronFotografiert) == 0;
        Talk(away ? "itemSheet G 53" : "itemSheet F 53");
        WaitForTalk(player);
        End();
    }
};

// Lotte wants to take the Baron's photo, Mia will not let go of her
// camera; Juna ends the quarrel by taking the camera herself, so that
// neither twin has it. Once.
class ScriptKameraLeihen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(kameraGeliehen) != 0) {
            Talk("itemSheet D 4");
            WaitForTalk(lotte);
        } else {
            Talk("itemSheet D 3");
            WaitForTalk(lotte);
            Talk("itemSheet E 3");
            WaitForTalk(mia);
            Talk("itemSheet F 3");
            WaitForTalk(lotte);
            Talk("itemSheet G 3");
            WaitForTalk(mia);
            PlaySound("audioevent_kamera");
            Talk("itemSheet H 3");
            WaitForTalk(player);
            AddItem(kamera);
            SetFlag(kameraGeliehen, 1);
            Talk("itemSheet I 3");
            WaitForTalk(mia);
            Talk("itemSheet J 3");
            WaitForTalk(lotte);
        }
        End();
    }
};

// Juna steps up to the sulking Schleimlinge: they squeak and press
// themselves deeper into their corner.
class ScriptSchleimlingeBenutzen : public Script {
    void Run(const std::string&) override
    {
        PlaySound("audioevent_quieken");
        Talk("itemSheet D 11");
        WaitForTalk(player);
        End();
    }
};

// The control room's door: locked until the key card has opened it, then
// the way in.
class ScriptTuerKontrollraumBenutzen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(kontrollraumOffen) != 0) {
            GoThrough(tuerKontrollraum);
        } else {
            Talk("itemSheet D 7");
            WaitForTalk(player);
        }
        End();
    }
};

// The slimy key card in the card reader (or on the door itself): a beep,
// the lamp turns green and the door's lock hisses open. The card stays in
// the reader.
class ScriptKontrollraumOeffnen : public Script {
    void Run(const std::string&) override
    {
        Talk("itemSheet D 9");
        WaitForTalk(player);
        PlaySound("audioevent_karte");
        RemoveItem(zugangskarte);
        SetFlag(kontrollraumOffen, 1);
        Talk("itemSheet E 9");
        WaitForTalk(player);
        Talk("itemSheet F 9");
        WaitForTalk(player);
        End();
    }
};

const ScriptRegistration<ScriptRoomBasis> roomBasis("ScriptRoomBasis");
const ScriptRegistration<ScriptZwillingeAnsprechen6> zwillingeAnsprechen6("ScriptZwillingeAnsprechen6");
const ScriptRegistration<ScriptLotteAnsehen6> lotteAnsehen6("ScriptLotteAnsehen6");
const ScriptRegistration<ScriptMiaAnsehen6> miaAnsehen6("ScriptMiaAnsehen6");
const ScriptRegistration<ScriptKameraLeihen> kameraLeihen("ScriptKameraLeihen");
const ScriptRegistration<ScriptSchleimlingeBenutzen> schleimlingeBenutzen("ScriptSchleimlingeBenutzen");
const ScriptRegistration<ScriptTuerKontrollraumBenutzen> tuerKontrollraumBenutzen("ScriptTuerKontrollraumBenutzen");
const ScriptRegistration<ScriptKontrollraumOeffnen> kontrollraumOeffnen("ScriptKontrollraumOeffnen");

} // namespace
} // namespace episode6
