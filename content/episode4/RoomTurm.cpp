// Episode 4 at the top of the tower: the Baron's tin magpie guards half of
// the crystal in her nest on a high beam; vain as her master, she dives at
// her own reflection in the polished tray and loses the crystal.

#include "Episode4Names.h"
#include "adventure/Script.h"

#include <string>

namespace episode4 {
namespace {

// The magpie and the crystal's glint in her nest are gone once the crystal
// is Juna's; a loaded game starts from the level's settings, so each entry
// hides them again.
class ScriptRoomTurm : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(kristallGefunden) != 0) {
            Hide(elster);
            Hide(kristallglanz);
        }
        End();
    }
};

// Juna calls up to the magpie: she hisses and clutches the crystal, and
// Juna sees the Baron's mark on her. Afterwards only a trick will do.
class ScriptElsterBenutzen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(elsterEntdeckt) != 0) {
            Talk("itemSheet F 37");
            WaitForTalk(player);
        } else {
            Talk("itemSheet D 37");
            WaitForTalk(player);
            PlaySound("audioevent_elster");
            SetFlag(elsterEntdeckt, 1);
            Talk("itemSheet E 37");
            WaitForTalk(player);
        }
        End();
    }
};

// The nest is out of reach while the magpie guards it; emptied, it holds
// only the castle's spoons.
class ScriptNestBenutzen : public Script {
    void Run(const std::string&) override
    {
        Talk(GetFlag(kristallGefunden) != 0 ? "itemSheet E 38" : "itemSheet D 38");
        WaitForTalk(player);
        End();
    }
};

// The crystal glitters in the nest until Juna has it.
class ScriptNestAnsehen : public Script {
    void Run(const std::string&) override
    {
        Talk(GetFlag(kristallGefunden) != 0 ? "itemSheet G 38" : "itemSheet F 38");
        WaitForTalk(player);
        End();
    }
};

// The castle bell.
class ScriptGlockeBenutzen : public Script {
    void Run(const std::string&) override
    {
        PlaySound("audioevent_glocke");
        Talk("itemSheet D 40");
        WaitForTalk(player);
        End();
    }
};

// The polished tray held up to the magpie: she dives at the bird in it,
// clangs into the silver and drops the crystal, then flees through the
// window to her master and takes the tray, her rival, along. Whoever tries this has seen her, so it counts as
// having looked at her too.
class ScriptElsterFangen : public Script {
    static constexpr float diveSpeed = 600.0f;
    static constexpr float fleeSpeed = 360.0f;
    static constexpr float clangSeconds = 0.3f;
    // Where she hits the tray: just above Juna's head, the magpie's middle
    // in front of Juna's face.
    static constexpr int trayLeft = 60;
    static constexpr int trayAbove = 190;

    void Run(const std::string&) override
    {
        const int juna = GetPositionX(player);
        const int feet = GetPositionY(player);
        const int windowX = GetPositionX(fenster);
        const int windowY = GetPositionY(fenster);
        SetFlag(elsterEntdeckt, 1);
        Talk("itemSheet G 37");
        WaitForTalk(player);
        PlaySound("audioevent_elster");
        MoveTo(elster, juna - trayLeft, feet - trayAbove, diveSpeed);
        WaitForIdle(elster);
        PlaySound("audioevent_klirren");
        ShakeScreen(clangSeconds);
        RemoveItem(silbertablett);
        Hide(kristallglanz);
        AddItem(kristallhaelfte);
        SetFlag(kristallGefunden, 1);
        Talk("itemSheet H 37");
        WaitForTalk(player);
        PlaySound("audioevent_elster");
        MoveTo(elster, windowX, windowY, fleeSpeed);
        WaitForIdle(elster);
        Hide(elster);
        Talk("itemSheet I 37");
        WaitForTalk(player);
        Talk("itemSheet J 37");
        WaitForTalk(player);
        End();
    }
};

const ScriptRegistration<ScriptRoomTurm> roomTurm("ScriptRoomTurm");
const ScriptRegistration<ScriptElsterBenutzen> elsterBenutzen("ScriptElsterBenutzen");
const ScriptRegistration<ScriptNestBenutzen> nestBenutzen("ScriptNestBenutzen");
const ScriptRegistration<ScriptNestAnsehen> nestAnsehen("ScriptNestAnsehen");
const ScriptRegistration<ScriptGlockeBenutzen> glockeBenutzen("ScriptGlockeBenutzen");
const ScriptRegistration<ScriptElsterFangen> elsterFangen("ScriptElsterFangen");

} // namespace
} // namespace episode4
