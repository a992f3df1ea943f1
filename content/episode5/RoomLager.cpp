// Episode 5 in the base's store: the twins have found the Baron's fine
// food, and his cleaning robot guards its spray bottle until the twins'
// quarrel over Mia's camera bursts the bag of space popcorn.

#include "Episode5Names.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"

#include <string>

namespace episode5 {
namespace {

// The robot stands by its shelf with its bottle and the popcorn waits in
// its bag, or, once the bag has burst, the robot hoovers the popcorn on
// the floor; a loaded game starts from the level's settings, so each entry
// shows what the flag says.
class ScriptRoomLager : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(roboterAbgelenkt) != 0) {
            Hide(roboter);
            Hide(tuete);
            Unhide(putzer);
            Unhide(popcorn);
        } else {
            Unhide(roboter);
            Unhide(tuete);
            Hide(putzer);
            Hide(popcorn);
        }
        End();
    }
};

// Both twins answer in one conversation; asking them to lure the robot
// away is offered until it has left its bottle, and they tell of it
// cleaning by the shelf or hoovering their popcorn.
class ScriptZwillingeAnsprechen5 : public Script {
    static constexpr int popcornStart = 60;
    static constexpr int robotQuestion = 70;
    static constexpr int robotCleaning = 40;
    static constexpr int robotHoovering = 45;

    void Run(const std::string&) override
    {
        const bool done = GetFlag(roboterAbgelenkt) != 0;
        StartConversation("gespräch_zwillinge"_w1252, done ? popcornStart : -1);
        if (done)
            HideIndex(robotQuestion);
        else
            UnhideIndex(robotQuestion);
        HideIndex(done ? robotCleaning : robotHoovering);
        UnhideIndex(done ? robotHoovering : robotCleaning);
        End();
    }
};

// The twins as Juna sees them: Lotte after the popcorn and Mia after a
// photo of the robot, then, once the bag has burst, each with what it
// left them.
class ScriptLotteAnsehen5 : public Script {
    void Run(const std::string&) override
    {
        Talk(GetFlag(roboterAbgelenkt) != 0 ? "itemSheet E 56" : "itemSheet D 56");
        WaitForTalk(player);
        End();
    }
};

class ScriptMiaAnsehen5 : public Script {
    void Run(const std::string&) override
    {
        Talk(GetFlag(roboterAbgelenkt) != 0 ? "itemSheet G 56" : "itemSheet F 56");
        WaitForTalk(player);
        End();
    }
};

// Lotte wants the popcorn, Mia a photo of the robot; they tug at the
// camera until its strap bursts the Baron's bag of space popcorn, the
// robot races off to hoover it up, and Juna takes its spray bottle. Once.
class ScriptRoboterAblenken : public Script {
    static constexpr float burstSeconds = 0.5f;

    void Run(const std::string&) override
    {
        if (GetFlag(roboterAbgelenkt) != 0) {
            Talk("itemSheet D 34");
            WaitForTalk(lotte);
        } else {
            Talk("itemSheet D 33");
            WaitForTalk(lotte);
            Talk("itemSheet E 33");
            WaitForTalk(mia);
            Talk("itemSheet F 33");
            WaitForTalk(lotte);
            Talk("itemSheet G 33");
            WaitForTalk(mia);
            PlaySound("audioevent_kamera");
            PlaySound("audioevent_popcorn");
            Hide(tuete);
            Unhide(popcorn);
            Wait(burstSeconds);
            PlaySound("audioevent_roboter");
            Hide(roboter);
            Unhide(putzer);
            SetFlag(roboterAbgelenkt, 1);
            Talk("itemSheet H 33");
            WaitForTalk(player);
            AddItem(spruehflasche);
            Talk("itemSheet I 33");
            WaitForTalk(player);
            Talk("itemSheet J 33");
            WaitForTalk(lotte);
            Talk("itemSheet K 33");
            WaitForTalk(mia);
        }
        End();
    }
};

const ScriptRegistration<ScriptRoomLager> roomLager("ScriptRoomLager");
const ScriptRegistration<ScriptZwillingeAnsprechen5> zwillingeAnsprechen5("ScriptZwillingeAnsprechen5");
const ScriptRegistration<ScriptLotteAnsehen5> lotteAnsehen5("ScriptLotteAnsehen5");
const ScriptRegistration<ScriptMiaAnsehen5> miaAnsehen5("ScriptMiaAnsehen5");
const ScriptRegistration<ScriptRoboterAblenken> roboterAblenken("ScriptRoboterAblenken");

} // namespace
} // namespace episode5
