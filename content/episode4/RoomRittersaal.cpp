// Episode 4 in the great hall: Herold Humbert waits for his lord, greets
// the contest's winner and grumbles about his tarnished tray, which ash
// polishes into a mirror.

#include "Episode4Names.h"
#include "adventure/Script.h"

#include <string>

namespace episode4 {
namespace {

// Nothing in the hall changes with the story: the tray Juna takes is an
// item, which the game keeps in her inventory by itself.
class ScriptRoomRittersaal : public Script {
    void Run(const std::string&) override { End(); }
};

// Ash on the tarnished tray, or the tray on the ash: a good rub and it
// shines like a mirror.
class ScriptTablettPolieren : public Script {
    void Run(const std::string&) override
    {
        PlaySound("audioevent_polieren");
        RemoveItem(asche);
        RemoveItem(tablett);
        AddItem(silbertablett);
        SetFlag(tablettPoliert, 1);
        Talk("itemSheet D 24");
        WaitForTalk(player);
        End();
    }
};

const ScriptRegistration<ScriptRoomRittersaal> roomRittersaal("ScriptRoomRittersaal");
const ScriptRegistration<ScriptTablettPolieren> tablettPolieren("ScriptTablettPolieren");

} // namespace
} // namespace episode4
