// Episode 3 on the tournament meadow: Herold Humbert writes down only
// knights, the village's throwing machine needs a new rope, and once both
// are seen to the knights' throwing contest begins.

#include "Episode3Names.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"

#include <string>

namespace episode3 {
namespace {

// The new rope on the machine: a picture of the meadow shown once the
// machine is repaired.
constexpr const char* wurfseil = "RoomTurnierwiese|wurfseil";

// The level's settings show the rope as the room was drawn; each entry
// shows it by the flag.
class ScriptRoomTurnierwiese : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(maschineRepariert) != 0)
            Unhide(wurfseil);
        else
            Hide(wurfseil);
        End();
    }
};

// The herald greets a stranger in a flight jacket and a knight differently;
// wanting to throw is asked only until Juna is written down.
class ScriptHeroldAnsprechen : public Script {
    static constexpr int knightStart = 60;
    static constexpr int throwQuestion = 20;

    void Run(const std::string&) override
    {
        const bool knight = GetFlag(angemeldet) != 0;
        StartConversation("gespräch_herold"_w1252, knight ? knightStart : -1);
        if (knight)
            HideIndex(throwQuestion);
        else
            UnhideIndex(throwQuestion);
        End();
    }
};

// The tabard or the helmet on the herald. Juna holds each from its making
// until she hands both to him here, which the flags tell; with both he
// writes her down as a knight and keeps them until her throw, else he says
// what a knight still lacks (and so that only knights may throw).
class ScriptAnmelden : public Script {
    void Run(const std::string&) override
    {
        const bool knight = GetFlag(angemeldet) != 0;
        const bool tabard = !knight && GetFlag(wappenrockGemalt) != 0;
        const bool helmet = !knight && GetFlag(helmBekommen) != 0;
        if (knight) {
            Talk("itemSheet J 33");
            WaitForTalk("Herold");
        } else if (tabard && helmet) {
            Talk("itemSheet D 33");
            WaitForTalk(player);
            RemoveItem(wappenrock);
            RemoveItem(helm);
            PlaySound("audioevent_ruestung");
            SetFlag(angemeldet, 1);
            Talk("itemSheet E 33");
            WaitForTalk("Herold");
            Talk("itemSheet F 33");
            WaitForTalk(player);
            Talk("itemSheet G 33");
            WaitForTalk("Herold");
            RunScript("ScriptTurnierPruefen");
        } else {
            SetFlag(ritterVerlangt, 1);
            Talk(tabard ? "itemSheet H 33" : "itemSheet I 33");
            WaitForTalk("Herold");
        }
        End();
    }
};

// Juna pulls the machine's arm and finds its rope torn; the herald tells
// its story, once. Repaired, it only waits for the start.
class ScriptWurfmaschineBenutzen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(maschineRepariert) != 0) {
            Talk("itemSheet F 34");
            WaitForTalk(player);
        } else if (GetFlag(seilGerissen) != 0) {
            // The herald has told the story already.
            Talk("itemSheet I 34");
            WaitForTalk(player);
        } else {
            SetFlag(seilGerissen, 1);
            Talk("itemSheet D 34");
            WaitForTalk(player);
            Talk("itemSheet E 34");
            WaitForTalk("Herold");
        }
        End();
    }
};

// The well's rope on the machine.
class ScriptMaschineReparieren : public Script {
    void Run(const std::string&) override
    {
        RemoveItem(seil);
        PlaySound("audioevent_seil");
        Unhide(wurfseil);
        SetFlag(maschineRepariert, 1);
        Talk("itemSheet G 34");
        WaitForTalk(player);
        Talk("itemSheet H 34");
        WaitForTalk("Herold");
        RunScript("ScriptTurnierPruefen");
        End();
    }
};

// The knight and the machine may come in either order: whichever comes
// last, or Juna asking the herald to begin, opens the contest; otherwise
// the herald names what is still missing, and Juna knows it from then on.
class ScriptTurnierPruefen : public Script {
    void Run(const std::string&) override
    {
        const bool knight = GetFlag(angemeldet) != 0;
        const bool repaired = GetFlag(maschineRepariert) != 0;
        if (knight && repaired) {
            RunScript("ScriptTurnier");
        } else {
            if (!knight)
                SetFlag(ritterVerlangt, 1);
            if (!repaired)
                SetFlag(seilGerissen, 1);
            Talk(!knight && !repaired ? "itemSheet D 43" : !repaired ? "itemSheet E 43" : "itemSheet F 43");
            WaitForTalk("Herold");
        }
        End();
    }
};

// The closing scene is a conversation of its own (it replaces the herald's
// when Juna asks from there); then the fanfare, the crowd cheers, and Juna
// takes her place at the throwing machine: the contest begins.
class ScriptTurnier : public Script {
    static constexpr float fanfareSeconds = 1.5f;
    // Juna stands at the machine's side, clear of its arm, on the grass in
    // front of its wheels.
    static constexpr int besideMachine = 110;
    static constexpr int inFront = 20;

    void Run(const std::string&) override
    {
        const int machineX = GetPositionX(wurfmaschine);
        const int machineY = GetPositionY(wurfmaschine);
        StartConversation("gespräch_turnier"_w1252);
        WaitForConversation();
        SetFlag(turnierbeginn, 1);
        PlaySound("audioevent_fanfare");
        Wait(fanfareSeconds);
        PlaySound("audioevent_jubel3");
        WalkTo(player, machineX - besideMachine, machineY + inFront);
        WaitForIdle(player);
        Talk("itemSheet G 43");
        WaitForTalk(player);
        SetLevel(catapultLevel);
        End();
    }
};

const ScriptRegistration<ScriptRoomTurnierwiese> roomTurnierwiese("ScriptRoomTurnierwiese");
const ScriptRegistration<ScriptHeroldAnsprechen> heroldAnsprechen("ScriptHeroldAnsprechen");
const ScriptRegistration<ScriptAnmelden> anmelden("ScriptAnmelden");
const ScriptRegistration<ScriptWurfmaschineBenutzen> wurfmaschineBenutzen("ScriptWurfmaschineBenutzen");
const ScriptRegistration<ScriptMaschineReparieren> maschineReparieren("ScriptMaschineReparieren");
const ScriptRegistration<ScriptTurnierPruefen> turnierPruefen("ScriptTurnierPruefen");
const ScriptRegistration<ScriptTurnier> turnierScript("ScriptTurnier");

} // namespace
} // namespace episode3
