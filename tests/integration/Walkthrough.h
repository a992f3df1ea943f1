#pragma once

// A walk through an episode as a player clicks it, written as steps and
// turned into a recording for --replay (RecordedInput), with the in-game
// menu's way of saving into a slot and a savegame's flags read back.

#include "RecordedInput.h"

#include <string>
#include <utility>
#include <vector>

namespace walkthrough {

inline constexpr int keyEnter = 13;
inline constexpr int keyEscape = 27;
inline constexpr int keyDown = 40;
inline constexpr int keyPeriod = 0xBE;

// The inventory bar's slots (the first is at 305) and their row.
inline constexpr int slot1 = 305;
inline constexpr int slot2 = 445;
inline constexpr int slot3 = 585;
inline constexpr int slot4 = 725;
inline constexpr int slotY = 710;

// Conversation choices lie in a band at the top, 15 pixels apart, centred
// on y 59: the first of n at 59 - 7.5 (n - 1).
constexpr int Choice(int index, int count)
{
    return 59 - 15 * (count - 1) / 2 + 15 * index;
}

// Frames to wait after clicking a door: the walk there, the door opening
// and the next room fading in.
inline constexpr int doorWait = 320;

enum class Act {
    key,    // press key x, then wait
    click,  // left click, then wait (a door, a conversation's choice, a menu)
    use,    // left click, wait for Juna to walk there, then Enter to skip her lines
    select, // open the inventory bar and pick the item in the slot at x
    shoot,  // photograph this frame
    save,   // save into slot x through the in-game menu and go back to the game
    talk,   // click a conversation's choice at y, then cut its x lines short with the period key
};

struct Step {
    Act act;
    int x;
    int y;
    int wait; // frames after the step
};

// `count` lines of a scripted scene cut short one by one with `key`.
inline std::vector<Step> Skip(int count, int key = keyPeriod)
{
    return std::vector<Step>(count, Step{Act::key, key, 0, 30});
}

// The savegame browser's slot 1 to 9, three to a row, and the "Ja" of the
// question it asks then.
inline RecordedInput& ChooseSlot(RecordedInput& input, int slot)
{
    const int x = 188 + 324 * ((slot - 1) % 3);
    const int y = 154 + 200 * ((slot - 1) / 3);
    return input.Click(x, y).Wait(10).Click(x - 64, y + 26).Wait(10);
}

// From the open game: the in-game menu, "Spiel speichern", the slot, "Ja",
// "Zurück"; the menu's main page stays open.
inline RecordedInput& Save(RecordedInput& input, int slot)
{
    input.Key(keyEscape).Wait(10).Click(504, 290).Wait(10);
    return ChooseSlot(input, slot).Click(137, 705).Wait(10);
}

// Saved and played on.
inline RecordedInput& SaveAndGoOn(RecordedInput& input, int slot)
{
    return Save(input, slot).Key(keyEscape).Wait(10);
}

// The steps as a recording, and the frames photographed.
class Recording {
public:
    explicit Recording(const std::vector<Step>& steps) : Recording(RecordedInput(), steps) {}
    // The steps played after the input `start` already holds.
    Recording(RecordedInput start, const std::vector<Step>& steps) : input(std::move(start))
    {
        for (const Step& step : steps)
            Add(step);
    }
    // More steps, after all the recording holds so far.
    Recording& Then(const std::vector<Step>& steps)
    {
        for (const Step& step : steps)
            Add(step);
        return *this;
    }
    // The input so far, to go on with input of other kinds (a minigame's).
    RecordedInput& Input() { return input; }
    std::string Text() const { return input.Text(); }
    const std::vector<int>& Shots() const { return input.Shots(); }
    std::string ShotFrames() const { return input.ShotFrames(); }
    int Frames() const { return input.Now(); }

private:
    void Add(const Step& step)
    {
        switch (step.act) {
        case Act::key:
            Press(step.x);
            break;
        case Act::click:
            input.Click(step.x, step.y);
            break;
        case Act::use:
            input.Click(step.x, step.y).Wait(step.wait);
            // Twice, in case the walk took a little longer.
            Press(keyEnter);
            Press(keyEnter);
            return;
        case Act::select:
            input.Move(500, 720).Wait(29); // the bar slides in
            input.Click(step.x, slotY).Wait(5);
            break;
        case Act::shoot:
            input.Shoot(1);
            break;
        case Act::save:
            SaveAndGoOn(input, step.x);
            break;
        case Act::talk:
            input.Click(500, step.y);
            for (int line = 0; line < step.x; ++line)
                input.Wait(lineFrames).Key(keyPeriod, '.');
            break;
        }
        input.Wait(step.wait);
    }
    // How long a line is heard before the period key ends it.
    static constexpr int lineFrames = 30;

    // A key, and a pause for what it sets off.
    void Press(int key) { input.Key(key, key == keyEnter ? '\r' : 0).Wait(12); }

    RecordedInput input;
};

// A flag's value in a savegame's text, -1 when it has none.
inline int FlagValue(const std::string& saved, const std::string& name)
{
    const std::size_t found = saved.find("[Flag] \"" + name + "\"\n{\n    \"value\" ");
    return found == std::string::npos ? -1 : saved[saved.find("\"value\" ", found) + 8] - '0';
}

} // namespace walkthrough
