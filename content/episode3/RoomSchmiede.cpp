// Episode 3 in the smithy: Schmied Eisenhart takes Juna in her flight
// jacket for a witch and gives her his old helmet so that she won't hex
// him; once she is a registered knight he no longer knows her.

#include "Episode3Names.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"

#include <string>

namespace episode3 {
namespace {

// The smith is at his anvil whenever someone comes in.
class ScriptRoomSchmiede : public Script {
    void Run(const std::string&) override
    {
        PlaySound("audioevent_hammer");
        End();
    }
};

// The witch before Juna is written down as a knight, "Herr Ritter" after:
// two conversations. Asking for a helmet is offered only once the herald
// has said that only knights may throw, and until the smith has given his.
class ScriptSchmiedAnsprechen : public Script {
    static constexpr int helmetQuestion = 70;

    void Run(const std::string&) override
    {
        const bool knight = GetFlag(angemeldet) != 0;
        const bool asked = GetFlag(ritterVerlangt) != 0;
        const bool given = GetFlag(helmBekommen) != 0;
        if (knight) {
            StartConversation("gespräch_schmied_ritter"_w1252);
        } else {
            StartConversation("gespräch_schmied"_w1252);
            if (asked && !given)
                UnhideIndex(helmetQuestion);
            else
                HideIndex(helmetQuestion);
        }
        End();
    }
};

// The smith knocks the worst dent out of his old helmet and hands it over,
// once.
class ScriptHelmBekommen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(helmBekommen) != 0) {
            Talk("itemSheet G 24");
            WaitForTalk("Schmied");
        } else {
            Talk("itemSheet D 24");
            WaitForTalk("Schmied");
            PlaySound("audioevent_hammer");
            Talk("itemSheet E 24");
            WaitForTalk("Schmied");
            AddItem(helm);
            SetFlag(helmBekommen, 1);
            Talk("itemSheet F 24");
            WaitForTalk(player);
        }
        End();
    }
};

const ScriptRegistration<ScriptRoomSchmiede> roomSchmiede("ScriptRoomSchmiede");
const ScriptRegistration<ScriptSchmiedAnsprechen> schmiedAnsprechen("ScriptSchmiedAnsprechen");
const ScriptRegistration<ScriptHelmBekommen> helmBekommenScript("ScriptHelmBekommen");

} // namespace
} // namespace episode3
