// Episode 4 in the great hall: Herold Humbert waits for his lord, greets
// the contest's winner and grumbles about his tarnished tray, which ash
// polishes into a mirror.

#include "Episode4Names.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"

#include <string>

namespace episode4 {
namespace {

// The tarnished tray stays off the table once polished, wherever that
// happened; a loaded game starts from the level's settings, so each entry
// takes it away again.
class ScriptRoomRittersaal : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(tablettPoliert) != 0)
            SetActive(tablett, false);
        End();
    }
};

// The herald talks of his tray as black until it is polished, and of the
// iron ball in the dungeon as stuck until it is loose.
class ScriptHeroldAnsprechen4 : public Script {
    static constexpr int blackTray = 40;
    static constexpr int shinyTray = 45;
    static constexpr int stuckBall = 50;
    static constexpr int looseBall = 55;

    void Run(const std::string&) override
    {
        const bool polished = GetFlag(tablettPoliert) != 0;
        const bool loose = GetFlag(kugelGeloest) != 0;
        StartConversation("gespräch_herold"_w1252);
        HideIndex(polished ? blackTray : shinyTray);
        UnhideIndex(polished ? shinyTray : blackTray);
        HideIndex(loose ? stuckBall : looseBall);
        UnhideIndex(loose ? looseBall : stuckBall);
        End();
    }
};

// Ash on the tarnished tray, or the tray on the ash: a good rub and it
// shines like a mirror. The tray is either in Juna's hands or still lying
// on the table, where the ash can be used on it, so both places are
// emptied.
class ScriptTablettPolieren : public Script {
    void Run(const std::string&) override
    {
        PlaySound("audioevent_polieren");
        RemoveItem(asche);
        RemoveItem(tablett);
        SetActive(tablett, false);
        AddItem(silbertablett);
        SetFlag(tablettPoliert, 1);
        Talk("itemSheet D 24");
        WaitForTalk(player);
        End();
    }
};

const ScriptRegistration<ScriptRoomRittersaal> roomRittersaal("ScriptRoomRittersaal");
const ScriptRegistration<ScriptHeroldAnsprechen4> heroldAnsprechen("ScriptHeroldAnsprechen4");
const ScriptRegistration<ScriptTablettPolieren> tablettPolieren("ScriptTablettPolieren");

} // namespace
} // namespace episode4
