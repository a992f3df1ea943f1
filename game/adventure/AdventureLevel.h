#pragma once

// What the adventure's elements ask of the level they play in: its state,
// whether the player may act, room and level changes, and the talk sheets
// and scripts behind using, examining and combining. The episode level implements it
// and makes itself the current one while it runs; tests put a fake in its
// place. With no current level, characters, doors and items still draw and
// move, and what would need the level does nothing.

#include "TalkEntry.h"

#include <string>

class AdventureLevel {
public:
    // The level's states.
    enum State : int { normal = 0, combineMode = 1, combining = 2, conversation = 3 };

    virtual ~AdventureLevel() = default;

    // The level in play, or null.
    static AdventureLevel* Current() { return current; }
    static void SetCurrent(AdventureLevel* level) { current = level; }

    // The episode's number (1 to 6): the folder of its data and speech.
    virtual int GetLevelNumber() const = 0;
    virtual int GetState() const = 0;
    virtual void SetState(int state) = 0;
    // Whether the player's clicks count: input is on and no blocking script runs.
    virtual bool InputAllowed() const = 0;
    // Whether the scripts waiting for the player are none, so that idle
    // animations may start.
    virtual bool BlockingScriptsIdle() const = 0;
    // Stops the scripts the player waits for (a click on the inventory does).
    virtual void StopBlockingScripts() = 0;
    // Whether the level is skipping a sequence: lines are not spoken aloud.
    virtual bool IsSkipping() const = 0;
    // Whether the player's clicks are taken at all (a script turns them off
    // for a scene).
    virtual void SetInputEnabled(bool enabled) = 0;
    // Whether the label of the thing under the pointer (and the pointer
    // itself) is shown.
    virtual void ShowLabels(bool show) = 0;

    // Changes to the room "<group>|Room" in the next update, placing the
    // player at (x, y) and walking it to (walkToX, walkToY), facing `orient`.
    virtual void RequestRoom(const std::string& roomName, int x, int y, int walkToX, int walkToY, int orient = -1) = 0;
    // Leaves the episode for another level (an episode or a minigame); the
    // game controller above the adventure makes the change.
    virtual void RequestLevel(int level) = 0;
    // Runs a registered script with an argument (an element's full name);
    // false when no script has that name.
    virtual bool RunScript(const std::string& name, const std::string& argument) = 0;
    // How many scripts run, blocking and asynchronous: a conversation that
    // starts a script waits until the count is back to what it was.
    virtual int CountRunningScripts() const = 0;

    // The talk sheets' lines for an element (by its full name); empty when
    // the sheets have none.
    virtual TalkEntry GetUseLine(const std::string& elementName) = 0;
    virtual TalkEntry GetExamineLine(const std::string& elementName) = 0;
    virtual TalkEntry GetCombineLine(const std::string& itemName, const std::string& targetName) = 0;
    // Performs a line: a character speaks it, or it runs a script or
    // starts a conversation.
    virtual void Perform(const TalkEntry& entry) = 0;

private:
    static inline AdventureLevel* current = nullptr;
};
