// The scripts the engine itself starts: acting on what the player clicked
// once the player has arrived, taking an item at its pick-up height, going
// through a door and the idle turn. Their parameter is an element's name.

#include "Script.h"

#include "Entity.h"

#include <string>

namespace {

constexpr const char* player = "Player";

class ScriptOnUse : public Script {
    void Run(const std::string& entity) override
    {
        SetInterruptible(true);
        WaitForIdle(player);
        Use(entity);
        End();
    }
};

class ScriptOnExamine : public Script {
    void Run(const std::string& entity) override
    {
        SetInterruptible(true);
        WaitForIdle(player);
        Examine(entity);
        End();
    }
};

class ScriptOnCombine : public Script {
    void Run(const std::string&) override
    {
        SetInterruptible(true);
        WaitForIdle(player);
        Combine();
        End();
    }
};

// The player bends; the item vanishes from the room when the hand reaches
// it and goes into the inventory when the hand is up again.
template <int reachTenths, int liftTenths>
class ScriptOnPickup : public Script {
    void Run(const std::string& item) override
    {
        Wait(static_cast<float>(reachTenths) / 10.0f);
        SetActive(item, false);
        Wait(static_cast<float>(liftTenths) / 10.0f);
        Pickup(item, false);
        WaitForIdle(player);
        End();
    }
};

using ScriptOnPickupLow = ScriptOnPickup<6, 7>;
using ScriptOnPickupMid = ScriptOnPickup<4, 3>;
using ScriptOnPickupHigh = ScriptOnPickup<5, 8>;

// Started by a door that begins to open.
class ScriptEnterNextRoom : public Script {
    void Run(const std::string& door) override
    {
        WaitForIdle(door);
        GoThrough(door);
        End();
    }
};

class ScriptPlayIdleAnim : public Script {
    void Run(const std::string& character) override
    {
        SetInterruptible(true);
        TurnTo(character, Entity::down);
        WaitForIdle(character);
        End();
    }
};

const ScriptRegistration<ScriptOnUse> onUse("ScriptOnUse");
const ScriptRegistration<ScriptOnExamine> onExamine("ScriptOnExamine");
const ScriptRegistration<ScriptOnCombine> onCombine("ScriptOnCombine");
const ScriptRegistration<ScriptOnPickupLow> onPickupLow("ScriptOnPickupLow");
const ScriptRegistration<ScriptOnPickupMid> onPickupMid("ScriptOnPickupMid");
const ScriptRegistration<ScriptOnPickupHigh> onPickupHigh("ScriptOnPickupHigh");
const ScriptRegistration<ScriptEnterNextRoom> enterNextRoom("ScriptEnterNextRoom");
const ScriptRegistration<ScriptPlayIdleAnim> playIdleAnim("ScriptPlayIdleAnim");

} // namespace

void LinkStandardScripts() {}
