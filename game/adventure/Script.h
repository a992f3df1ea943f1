#pragma once

// A script: one step of the story as a straight row of engine commands.
//
// A script is not a coroutine. The script manager calls Run again from the
// top in every frame (one "pass"), and every command follows one rule: it
// takes the next command index; only the command whose index equals the
// number of completed commands acts. An instant command completes at once,
// so the next one acts in the same pass; a waiting command completes in the
// pass in which its condition holds. Commands before it do nothing again,
// commands after it are not reached yet. Hence:
//
//   - Run must issue the same commands in the same order in every pass.
//     Branch only on the values of the query commands (GetFlag, GetLevel,
//     GetPositionX/Y): they read once and return the same value in every
//     later pass, even when the script itself changes the flag.
//   - Plain C++ around the commands runs in every pass; keep it free of
//     effects.
//   - Commands that start something lasting (ChangeRoom, RunScript,
//     RunScriptAsync) act in one pass and complete in the next; a script
//     started with RunScript runs to its end before the caller goes on.
//   - A script ends with End(). Elements are named as the cast finds them
//     ("Player", "<group>|<label>" or a short label); a missing element
//     is logged and its command completes without effect.
//   - Sounds a script starts with StartSound or PlayStream play on after
//     End(); a script that is stopped before its end stops and destroys
//     them.
//
// Writing a story step: derive from Script, override Run, and register the
// class under its own name with one line beside it:
//
//   class ScriptGlockeLaeuten : public Script {
//       void Run(const std::string&) override
//       {
//           PlayAnimation("Player", "player_takemiddle_up", 0, 0, 15.0f, false);
//           WaitForAnimTime("Player", 0.5f);
//           PlaySound("audioevent_glocke");
//           WaitForAnimEnd("Player");
//           StopAnimation("Player");
//           TurnTo("Player", Entity::down);
//           End();
//       }
//   };
//   const ScriptRegistration<ScriptGlockeLaeuten> glockeLaeuten("ScriptGlockeLaeuten");
//
// Linking: a registration is a static object, and a linker takes an object
// file out of a static library only when something refers to it, so a file
// of nothing but scripts would silently lose its registrations there. The
// standard scripts live in the adventure library and the manager refers to
// them (LinkStandardScripts). Story scripts, one source file per episode and
// room, go into a library that is linked whole: an OBJECT library, or a
// static one linked with WHOLE_ARCHIVE as the game links its states. Then
// adding a story step is the class and its one line, nothing elsewhere.

#include "app/Factory.h"

#include <cstdint>
#include <map>
#include <string>

class Character;
class Entity;
class Room;
class StreamingSample;
class Voice;

class Script {
public:
    Script() = default;
    // A script deleted before its end stops the sounds it started.
    virtual ~Script();
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    // One pass: stores dt, starts counting commands from 0 and runs the
    // script; whether it has ended.
    bool Step(float frameSeconds);

    const std::string& GetName() const { return name; }
    void SetName(std::string newName) { name = std::move(newName); }
    const std::string& GetParam() const { return param; }
    void SetParam(std::string newParam) { param = std::move(newParam); }
    int GetDoneCount() const { return doneCount; }
    bool IsFinished() const { return finished; }
    bool IsInterruptible() const { return interruptible; }
    // The manager stopped the script: no further command acts, not even
    // the rest of a pass that stopped its own script.
    void MarkStopped() { stopped = true; }

protected:
    // The story step, called in every pass with the parameter it was
    // started with.
    virtual void Run(const std::string& parameter) = 0;

    // Flow.
    void End();
    void SetInterruptible(bool value);
    void Wait(float seconds);
    void WaitForIdle(const std::string& entity);
    void WaitForTalk(const std::string& character);
    void WaitForAnimEnd(const std::string& entity);
    void WaitForAnimTime(const std::string& entity, float seconds);
    void WaitForConversation();
    void RunScript(const std::string& script, const std::string& parameter = "");
    void RunScriptAsync(const std::string& script, const std::string& parameter = "");
    void StopScripts();
    void StopAsyncScript(const std::string& script);

    // Queries: read in the pass they are reached, then fixed.
    int GetFlag(const std::string& flag);
    int GetLevel();
    int GetPositionX(const std::string& entity);
    int GetPositionY(const std::string& entity);

    // Elements.
    void SetFlag(const std::string& flag, int value);
    void PlayAnimation(const std::string& entity, const std::string& spriteLabel, int x, int y, float speed, bool loop);
    void StopAnimation(const std::string& entity);
    void WalkTo(const std::string& character, int x, int y, int orient = -1);
    void MoveTo(const std::string& entity, int x, int y, float speed);
    void SetPosition(const std::string& entity, int x, int y);
    void PlaceByAnimation(const std::string& item, int x, int y);
    void TurnTo(const std::string& character, int orient);
    void Stop(const std::string& character);
    void SetAnimName(const std::string& character, const std::string& animName);
    void SetSpeechVolume(const std::string& character, float value);
    void SetInterruptsSpeech(const std::string& character, bool value);
    void SetActive(const std::string& entity, bool active);
    void Hide(const std::string& entity);
    void Unhide(const std::string& entity);
    void Use(const std::string& entity);
    void Examine(const std::string& entity);
    void Pickup(const std::string& item, bool animate);
    void GoThrough(const std::string& door);
    void SetScaling(float frontScale, float backScale, int frontY, int backY, const std::string& character = "");

    // Inventory and notepad.
    void AddItem(const std::string& item);
    void RemoveItem(const std::string& item);
    void StoreInventory();
    void RestoreInventory();
    void Combine();
    void SetNote(int id, int state);

    // Level and room.
    void ChangeRoom(const std::string& roomLabel, int x, int y);
    void SetAutoFocus(bool follow, int x);
    void SetWalkarea(const std::string& walkArea);
    void SetInputEnabled(bool enabled);
    void ShowLabels(bool show);
    void SetLevel(int level);
    void ShakeScreen(float seconds);

    // Talk sheets and conversations.
    void Talk(const std::string& cellReference);
    void StartConversation(const std::string& conversation, int startIndex = -1);
    void HideIndex(int index);
    void UnhideIndex(int index);

    // Sound.
    void PlaySound(const std::string& event);
    void StopSound(const std::string& event);
    // A looping sound is the script's until StopSound (or until the script
    // is stopped); a sound played once is the sound engine's and goes when
    // it has ended.
    Voice* StartSound(const std::string& event, bool loop);
    StreamingSample* PlayStream(const std::string& fileName, int group, bool loop);
    void SetSample(const std::string& event, const std::string& sampleName);
    void PlayMusic(const std::string& fileName);
    void StopMusic();

    float GetFrameSeconds() const { return dt; }

private:
    // Takes the next command index; true when that command is the current
    // one and acts in this pass.
    bool Reached() { return passIndex++ == doneCount && !stopped; }
    void Complete() { ++doneCount; }
    // An instant command: acts once and completes at once.
    template <typename Action>
    void Instant(Action&& action)
    {
        if (Reached()) {
            action();
            Complete();
        }
    }
    // A waiting command: completes in the first pass in which it holds.
    template <typename Condition>
    void WaitUntil(Condition&& condition)
    {
        if (Reached() && condition())
            Complete();
    }
    // A query: reads once, then answers from memo.
    template <typename Read>
    int Query(Read&& read)
    {
        const int index = passIndex;
        if (Reached()) {
            memo[index] = read();
            Complete();
        }
        const auto found = memo.find(index);
        return found == memo.end() ? 0 : found->second;
    }
    // A lasting command: starts once and completes in the next pass.
    template <typename Start>
    void StartThenComplete(Start&& start)
    {
        const int index = passIndex;
        if (!Reached())
            return;
        if (memo.contains(index)) {
            Complete();
            return;
        }
        memo[index] = 1;
        start();
    }

    // The element or null after the warning.
    Entity* FindEntity(const std::string& entityName) const;
    Character* FindCharacter(const std::string& characterName) const;
    // An item's name as the inventory keeps it: its full name.
    static std::string InventoryName(const std::string& item);
    // The room the player is in; null when there is none.
    static Room* FindCurrentRoom();
    void DestroyStartedSounds();

    std::string name;
    std::string param;
    int passIndex = 0;
    int doneCount = 0;
    bool finished = false;
    bool interruptible = false;
    bool stopped = false;
    float dt = 0.0f;
    // Per command index: a started mark, a time in 0.0001 s or a value read.
    std::map<int, int> memo;
    // Per command index: the sound engine's serial of a voice or stream
    // the script started.
    std::map<int, std::uint64_t> startedVoices;
    std::map<int, std::uint64_t> startedStreams;
};

using ScriptFactory = Factory<Script>;

// Enters a script class into the manager's registry under its class name.
template <typename ScriptClass>
using ScriptRegistration = FactoryRegistration<Script, ScriptClass>;

// Refers to the standard scripts' file so that a static library keeps it.
void LinkStandardScripts();
