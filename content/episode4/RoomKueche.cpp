// Episode 4 in the castle kitchen: the twins eat whatever they find, cold
// ash lies beside the hearth, and the big dog sleeps on the lard pot until
// Mia's camera flash sends it into its basket.

#include "Episode4Names.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"

#include <string>

namespace episode4 {
namespace {

// The dog sleeps on the lard pot or, once chased off, in its basket; a
// loaded game starts from the level's settings, so each entry shows the
// one the flag says.
class ScriptRoomKueche : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(hundAbgelenkt) != 0) {
            Hide(hund);
            Unhide(korbhund);
        } else {
            Unhide(hund);
            Hide(korbhund);
        }
        End();
    }
};

// A handful of cold ash from beside the hearth, once.
class ScriptHerdBenutzen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(ascheGenommen) != 0) {
            Talk("itemSheet E 28");
        } else {
            PlaySound("audioevent_asche");
            AddItem(asche);
            SetFlag(ascheGenommen, 1);
            Talk("itemSheet D 28");
        }
        WaitForTalk(player);
        End();
    }
};

// The lard pot: under the sleeping dog at first, then Juna has had her
// spoonful.
class ScriptSchmalztopfBenutzen : public Script {
    void Run(const std::string&) override
    {
        Talk(GetFlag(hundAbgelenkt) != 0 ? "itemSheet E 32" : "itemSheet D 32");
        WaitForTalk(player);
        End();
    }
};

// Both twins answer in one conversation; asking them to lure the dog off
// the pot is offered until it has left it, and they tell of it asleep on
// the pot or sulking in its basket.
class ScriptZwillingeAnsprechen4 : public Script {
    static constexpr int proudStart = 60;
    static constexpr int dogQuestion = 70;
    static constexpr int dogOnPot = 40;
    static constexpr int dogInBasket = 45;

    void Run(const std::string&) override
    {
        const bool done = GetFlag(hundAbgelenkt) != 0;
        StartConversation("gespräch_zwillinge"_w1252, done ? proudStart : -1);
        if (done)
            HideIndex(dogQuestion);
        else
            UnhideIndex(dogQuestion);
        HideIndex(done ? dogOnPot : dogInBasket);
        UnhideIndex(done ? dogInBasket : dogOnPot);
        End();
    }
};

// Lotte wants to wake the dog with a photo, the twins fight over the
// camera, and its flash goes off by accident: the dog yelps and runs into
// its basket, and Juna takes a spoonful of lard. Once.
class ScriptSchmalzBekommen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(hundAbgelenkt) != 0) {
            Talk("itemSheet D 27");
            WaitForTalk("Lotte");
        } else {
            Talk("itemSheet D 26");
            WaitForTalk("Lotte");
            Talk("itemSheet E 26");
            WaitForTalk("Mia");
            Talk("itemSheet F 26");
            WaitForTalk("Lotte");
            Talk("itemSheet G 26");
            WaitForTalk("Mia");
            PlaySound("audioevent_kamera");
            PlaySound("audioevent_hund");
            Hide(hund);
            Unhide(korbhund);
            SetFlag(hundAbgelenkt, 1);
            Talk("itemSheet H 26");
            WaitForTalk(player);
            AddItem(schmalz);
            Talk("itemSheet I 26");
            WaitForTalk(player);
            Talk("itemSheet J 26");
            WaitForTalk("Lotte");
            Talk("itemSheet K 26");
            WaitForTalk("Mia");
        }
        End();
    }
};

const ScriptRegistration<ScriptRoomKueche> roomKueche("ScriptRoomKüche"_w1252);
const ScriptRegistration<ScriptHerdBenutzen> herdBenutzen("ScriptHerdBenutzen");
const ScriptRegistration<ScriptSchmalztopfBenutzen> schmalztopfBenutzen("ScriptSchmalztopfBenutzen");
const ScriptRegistration<ScriptZwillingeAnsprechen4> zwillingeAnsprechen("ScriptZwillingeAnsprechen4");
const ScriptRegistration<ScriptSchmalzBekommen> schmalzBekommen("ScriptSchmalzBekommen");

} // namespace
} // namespace episode4
