// Episode 1 on the beach: Lotte wants Mia's camera, and a conch of her own
// ends the quarrel; then both twins will dance.

#include "Episode1Names.h"
#include "adventure/Script.h"

#include <string>

namespace episode1 {
namespace {

// The quarrel ends in four lines: Lotte, Mia, Lotte, Lotte.
class ScriptMuschelFuerLotte : public Script {
    void Run(const std::string&) override
    {
        RemoveItem(muschel);
        SetFlag(zwillingeVersoehnt, 1);
        Talk("itemSheet D 22");
        WaitForTalk("Lotte");
        Talk("itemSheet E 22");
        WaitForTalk("Mia");
        Talk("itemSheet F 22");
        WaitForTalk("Lotte");
        Talk("itemSheet G 22");
        WaitForTalk("Lotte");
        End();
    }
};

// Both twins answer in one conversation: quarrelling until the conch, the
// reconciled part of it (from dialogue index 60) afterwards.
class ScriptZwillingeAnsprechen : public Script {
    static constexpr int reconciledStart = 60;

    void Run(const std::string&) override
    {
        const bool reconciled = GetFlag(zwillingeVersoehnt) != 0;
        StartConversation("gespräch_zwillinge"_w1252, reconciled ? reconciledStart : -1);
        End();
    }
};

const ScriptRegistration<ScriptMuschelFuerLotte> muschelFuerLotte("ScriptMuschelFuerLotte");
const ScriptRegistration<ScriptZwillingeAnsprechen> zwillingeAnsprechen("ScriptZwillingeAnsprechen");

} // namespace
} // namespace episode1
