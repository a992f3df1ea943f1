// Episode 4 in the dungeon: an old iron ball lies on its chain, fixed to a
// ring in the wall whose bolt has rusted solid; lard makes it slide out.

#include "Episode4Names.h"
#include "adventure/Script.h"

#include <string>

namespace episode4 {
namespace {

// The ball is gone from the floor once loosened; a loaded game starts from
// the level's settings, so each entry hides it again.
class ScriptRoomVerlies : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(kugelGeloest) != 0)
            Hide(kugel);
        End();
    }
};

// Juna pulls the ring: rusted solid; afterwards it hangs there empty.
class ScriptRingBenutzen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(kugelGeloest) != 0) {
            Talk("itemSheet E 43");
        } else {
            PlaySound("audioevent_quietschen");
            Talk("itemSheet D 43");
        }
        WaitForTalk(player);
        End();
    }
};

// The ring with its rusted bolt, until the lard has pushed the bolt out.
class ScriptRingAnsehen : public Script {
    void Run(const std::string&) override
    {
        Talk(GetFlag(kugelGeloest) != 0 ? "itemSheet I 43" : "itemSheet H 43");
        WaitForTalk(player);
        End();
    }
};

// Lard on the ring (or on the ball's chain): the bolt squeals out, and the
// old iron ball rolls free with its chain.
class ScriptKugelLoesen : public Script {
    static constexpr float squealSeconds = 1.0f;

    void Run(const std::string&) override
    {
        RemoveItem(schmalz);
        Talk("itemSheet F 43");
        WaitForTalk(player);
        PlaySound("audioevent_quietschen");
        Wait(squealSeconds);
        PlaySound("audioevent_kugel");
        Hide(kugel);
        AddItem(eisenkugel);
        SetFlag(kugelGeloest, 1);
        Talk("itemSheet G 43");
        WaitForTalk(player);
        End();
    }
};

const ScriptRegistration<ScriptRoomVerlies> roomVerlies("ScriptRoomVerlies");
const ScriptRegistration<ScriptRingBenutzen> ringBenutzen("ScriptRingBenutzen");
const ScriptRegistration<ScriptRingAnsehen> ringAnsehen("ScriptRingAnsehen");
const ScriptRegistration<ScriptKugelLoesen> kugelLoesen("ScriptKugelLoesen");

} // namespace
} // namespace episode4
