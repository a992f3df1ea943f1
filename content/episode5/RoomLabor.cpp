// Episode 5 in the Baron's lab: his computer keeps his lab diary behind a
// vain security question, the heat lamp over the aliens' broken terrarium
// thaws the frozen onion, and the press squeezes it into juice that makes
// the last Schleimling in its tank hide.

#include "Episode5Names.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"

#include <string>
#include <utility>

namespace episode5 {
namespace {

// The computer shows the diary once it is open, and the tank's Schleimling
// hides once there is onion juice; a loaded game starts from the level's
// settings, so each entry puts both right.
class ScriptRoomLabor : public Script {
    void Run(const std::string&) override
    {
        for (const auto& [shown, flag] :
             {std::pair{laborbuch, notizenGelesen}, std::pair{versteckling, saftGepresst}}) {
            if (GetFlag(flag) != 0)
                Unhide(shown);
            else
                Hide(shown);
        }
        End();
    }
};

// The lab computer asks the Baron's security question (gespräch_computer);
// the right answer sets the diary's flag, and then Juna reads in it that
// the Schleimlinge flee from the smell of onions. Afterwards she only
// recalls it.
class ScriptComputerBenutzen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(notizenGelesen) != 0) {
            Talk("itemSheet D 23");
            WaitForTalk(player);
        } else {
            PlaySound("audioevent_computer");
            StartConversation("gespräch_computer"_w1252);
            WaitForConversation();
            // Read once the talk is over: set by the right answer.
            if (GetFlag(notizenGelesen) != 0) {
                PlaySound("audioevent_zugang");
                SetFlag(notizenGelesen, 1);
                Unhide(laborbuch);
                Talk("itemSheet E 23");
                WaitForTalk(player);
                Talk("itemSheet F 23");
                WaitForTalk(player);
                Talk("itemSheet G 23");
                WaitForTalk(player);
                Talk("itemSheet H 23");
                WaitForTalk(player);
            }
        }
        End();
    }
};

// A wrong answer to the security question: the computer's buzzer.
class ScriptZugangVerweigert : public Script {
    void Run(const std::string&) override
    {
        PlaySound("audioevent_zugangnein");
        End();
    }
};

// The tank's Schleimling wobbles and stares until the onion juice makes it
// hide behind its bubbles.
class ScriptTankAnsehen : public Script {
    void Run(const std::string&) override
    {
        Talk(GetFlag(saftGepresst) != 0 ? "itemSheet E 27" : "itemSheet D 27");
        WaitForTalk(player);
        End();
    }
};

// The frozen onion under the heat lamp (or on the terrarium below it):
// the ice crackles and drips off, and the onion shines.
class ScriptZwiebelAuftauen : public Script {
    static constexpr float thawSeconds = 1.5f;

    void Run(const std::string&) override
    {
        Talk("itemSheet D 26");
        WaitForTalk(player);
        PlaySound("audioevent_auftauen");
        Wait(thawSeconds);
        RemoveItem(eiszwiebel);
        AddItem(zwiebel);
        SetFlag(zwiebelAufgetaut, 1);
        Talk("itemSheet E 26");
        WaitForTalk(player);
        End();
    }
};

// The thawed onion in the press: once the diary has told what onions do,
// it squeezes them into a beaker of juice, and the last Schleimling in its
// tank squeaks and hides. Before that Juna sees no reason to.
class ScriptZwiebelPressen : public Script {
    static constexpr float pressSeconds = 1.2f;

    void Run(const std::string&) override
    {
        if (GetFlag(notizenGelesen) == 0) {
            Talk("itemSheet D 28");
            WaitForTalk(player);
        } else {
            Talk("itemSheet E 28");
            WaitForTalk(player);
            PlaySound("audioevent_presse");
            Wait(pressSeconds);
            RemoveItem(zwiebel);
            AddItem(zwiebelsaft);
            SetFlag(saftGepresst, 1);
            Talk("itemSheet F 28");
            WaitForTalk(player);
            PlaySound("audioevent_quieken");
            Unhide(versteckling);
            Talk("itemSheet G 28");
            WaitForTalk(player);
        }
        End();
    }
};

// The onion juice poured into the empty spray bottle, either way round:
// the Schleimling-Abwehrspray.
class ScriptSprayMischen : public Script {
    void Run(const std::string&) override
    {
        PlaySound("audioevent_mischen");
        RemoveItem(zwiebelsaft);
        RemoveItem(leereFlasche);
        AddItem(abwehrspray);
        SetFlag(sprayGemischt, 1);
        Talk("itemSheet D 32");
        WaitForTalk(player);
        End();
    }
};

const ScriptRegistration<ScriptRoomLabor> roomLabor("ScriptRoomLabor");
const ScriptRegistration<ScriptComputerBenutzen> computerBenutzen("ScriptComputerBenutzen");
const ScriptRegistration<ScriptZugangVerweigert> zugangVerweigert("ScriptZugangVerweigert");
const ScriptRegistration<ScriptTankAnsehen> tankAnsehen("ScriptTankAnsehen");
const ScriptRegistration<ScriptZwiebelAuftauen> zwiebelAuftauen("ScriptZwiebelAuftauen");
const ScriptRegistration<ScriptZwiebelPressen> zwiebelPressen("ScriptZwiebelPressen");
const ScriptRegistration<ScriptSprayMischen> sprayMischen("ScriptSprayMischen");

} // namespace
} // namespace episode5
