// Episode 5 in the base's airlock: the Schleimlinge press their eye stalks
// to its slimy window, and its heavy inner door opens on the yard they
// swarm in; Juna goes out only with a spray that keeps them off.

#include "Episode5Names.h"
#include "adventure/Script.h"

#include <string>

namespace episode5 {
namespace {

// The slime stays off the window once sprayed away; a loaded game starts
// from the level's settings, so each entry hides it again.
class ScriptRoomSchleuse : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(fensterGeputzt) != 0)
            Hide(schleim);
        else
            Unhide(schleim);
        // Open only in the closing scene, which leaves the level.
        Hide(hofausgang);
        End();
    }
};

// The window: smeared with slime, or clean with the yard full of eyes.
class ScriptFensterAnsehen : public Script {
    void Run(const std::string&) override
    {
        Talk(GetFlag(fensterGeputzt) != 0 ? "itemSheet E 16" : "itemSheet D 16");
        WaitForTalk(player);
        End();
    }
};

// The cleaning robot's spray bottle on the window: Juna sprays the slime
// off until the bottle is empty, and keeps the bottle.
class ScriptFlascheLeeren : public Script {
    static constexpr float spraySeconds = 1.2f;

    void Run(const std::string&) override
    {
        Talk("itemSheet F 16");
        WaitForTalk(player);
        PlaySound("audioevent_spruehen");
        Wait(spraySeconds);
        Hide(schleim);
        RemoveItem(spruehflasche);
        AddItem(leereFlasche);
        SetFlag(fensterGeputzt, 1);
        Talk("itemSheet G 16");
        WaitForTalk(player);
        PlaySound("audioevent_quieken");
        Talk("itemSheet H 16");
        WaitForTalk(player);
        End();
    }
};

// The yard's door: the Schleimlinge squeak behind it, and Juna will not
// open it without the spray. The spray is never used up before the yard,
// so having mixed it means having it.
class ScriptHoftuerBenutzen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(sprayGemischt) != 0) {
            RunScript("ScriptHofBetreten");
        } else {
            PlaySound("audioevent_quieken");
            Talk("itemSheet D 15");
            WaitForTalk(player);
        }
        End();
    }
};

// The closing scene: spray in hand, Juna thinks of the others' good wishes
// (they wait on the landing pad and in the store), the inner door opens on
// the squeaking yard and she steps out. Then the alien shooter. Once.
class ScriptHofBetreten : public Script {
    // Just in front of the door's foot, on the airlock's floor.
    static constexpr int doorStep = 10;
    static constexpr float squeakSeconds = 1.0f;

    void Run(const std::string&) override
    {
        if (GetFlag(hofBetreten) == 0) {
            const int doorX = GetPositionX(hoftuer);
            const int doorY = GetPositionY(hoftuer);
            SetFlag(hofBetreten, 1);
            Talk("itemSheet E 15");
            WaitForTalk(player);
            Talk("itemSheet F 15");
            WaitForTalk(player);
            Talk("itemSheet G 15");
            WaitForTalk(player);
            ShowLabels(false);
            PlaySound("audioevent_hoftuer");
            Unhide(hofausgang);
            Wait(squeakSeconds);
            PlaySound("audioevent_quieken");
            Talk("itemSheet H 15");
            WaitForTalk(player);
            WalkTo(player, doorX, doorY + doorStep);
            WaitForIdle(player);
            Hide(player);
            SetLevel(nextLevel);
        }
        End();
    }
};

const ScriptRegistration<ScriptRoomSchleuse> roomSchleuse("ScriptRoomSchleuse");
const ScriptRegistration<ScriptFensterAnsehen> fensterAnsehen("ScriptFensterAnsehen");
const ScriptRegistration<ScriptFlascheLeeren> flascheLeeren("ScriptFlascheLeeren");
const ScriptRegistration<ScriptHoftuerBenutzen> hoftuerBenutzen("ScriptHoftuerBenutzen");
const ScriptRegistration<ScriptHofBetreten> hofBetretenScript("ScriptHofBetreten");

} // namespace
} // namespace episode5
