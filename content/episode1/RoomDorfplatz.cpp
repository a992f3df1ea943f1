// Episode 1 on the village square: a garland to enter the Great Dance, a
// drumstick for the drum and the twins as dancers; when all three are
// there, Kalani opens the contest and the episode ends in the dance.

#include "Episode1Names.h"
#include "adventure/Script.h"

#include <string>

namespace episode1 {
namespace {

class ScriptBlumenketteBinden : public Script {
    void Run(const std::string&) override
    {
        PlaySound("audioevent_blumenkette");
        RemoveItem(hibiskusbluete);
        RemoveItem(bastschnur);
        AddItem(blumenkette);
        SetFlag(blumenketteGebunden, 1);
        Talk("itemSheet D 30");
        WaitForTalk(player);
        End();
    }
};

// Kalani keeps the garland until the dance: showing it once is enough.
class ScriptKetteFuerKalani : public Script {
    void Run(const std::string&) override
    {
        RemoveItem(blumenkette);
        SetFlag(ketteGegeben, 1);
        Talk("itemSheet D 31");
        WaitForTalk("Kalani");
        RunScript("ScriptTanzPruefen");
        End();
    }
};

class ScriptTrommelSchlegel : public Script {
    void Run(const std::string&) override
    {
        RemoveItem(treibholz);
        SetFlag(trommelRepariert, 1);
        PlaySound("audioevent_trommel");
        Talk("itemSheet D 24");
        WaitForTalk(player);
        Talk("itemSheet E 24");
        WaitForTalk("Kalani");
        RunScript("ScriptTanzPruefen");
        End();
    }
};

// The three chains may end in any order: whichever ends last, or Juna
// saying they are ready, starts the dance; otherwise Kalani names what is
// still missing.
class ScriptTanzPruefen : public Script {
    void Run(const std::string&) override
    {
        const bool garland = GetFlag(ketteGegeben) != 0;
        const bool twins = GetFlag(zwillingeVersoehnt) != 0;
        const bool drum = GetFlag(trommelRepariert) != 0;
        if (garland && twins && drum) {
            RunScript("ScriptTanzBeginnt");
        } else {
            Talk(!garland ? "itemSheet E 31" : !twins ? "itemSheet F 31" : "itemSheet G 31");
            WaitForTalk("Kalani");
        }
        End();
    }
};

// The closing scene is a conversation of its own (it replaces Kalani's when
// Juna asks from there); then the dance contest.
class ScriptTanzBeginnt : public Script {
    static constexpr float cheerSeconds = 1.0f;

    void Run(const std::string&) override
    {
        StartConversation("gespräch_tanzbeginnt"_w1252);
        WaitForConversation();
        SetFlag(tanzBeginnt, 1);
        // The crowd cheers before the contest takes over the screen.
        PlaySound("audioevent_jubel");
        Wait(cheerSeconds);
        SetLevel(danceLevel);
        End();
    }
};

const ScriptRegistration<ScriptBlumenketteBinden> blumenketteBinden("ScriptBlumenketteBinden");
const ScriptRegistration<ScriptKetteFuerKalani> ketteFuerKalani("ScriptKetteFuerKalani");
const ScriptRegistration<ScriptTrommelSchlegel> trommelSchlegel("ScriptTrommelSchlegel");
const ScriptRegistration<ScriptTanzPruefen> tanzPruefen("ScriptTanzPruefen");
const ScriptRegistration<ScriptTanzBeginnt> tanzBeginnt("ScriptTanzBeginnt");

} // namespace
} // namespace episode1
