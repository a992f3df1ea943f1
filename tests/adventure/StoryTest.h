#pragma once

// An episode's story scripts on a cast of the elements they touch, without
// talk sheets (their lines say nothing), so only what they do counts. Each
// episode's test adds its flags and people and the things its scripts move.

#include "AdventureFakes.h"
#include "adventure/AdventureLevel.h"
#include "adventure/Cast.h"
#include "adventure/Character.h"
#include "adventure/Flag.h"
#include "adventure/ScriptManager.h"
#include "adventure/TalkScriptManager.h"
#include "support/HeadlessTest.h"

#include <functional>
#include <initializer_list>
#include <list>

class StoryTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        AdventureLevel::SetCurrent(&level);
        level.skipping = true;
        // No sheets of some other test: every line is silent.
        TalkScriptManager::GetInstance().Load(98);
    }
    void TearDown() override
    {
        ScriptManager::GetInstance().StopBlocking();
        AdventureLevel::SetCurrent(nullptr);
        cast.Clear();
        LoggedTest::TearDown();
    }

    void AddFlags(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            cast.Add(&flags.emplace_back(), name);
    }
    void AddPeople(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            cast.Add(&people.emplace_back(), name);
    }

    // Runs the script to its end (and every script it starts), at most
    // `frames` tenths of a second; `everyFrame` moves what else moves.
    void Play(const char* script, int frames = 100, const std::function<void()>& everyFrame = {})
    {
        ASSERT_TRUE(scripts.Run(script, ""));
        for (int frame = 0; frame < frames && !scripts.GetBlocking().empty(); ++frame) {
            scripts.Update(0.1f);
            if (everyFrame)
                everyFrame();
        }
        ASSERT_TRUE(scripts.GetBlocking().empty()) << script;
    }
    int Value(const char* flag) const { return cast.FindAs<Flag>(flag)->GetValue(); }
    void Set(const char* flag, int value) { cast.FindAs<Flag>(flag)->SetValue(value); }

    FakeLevel level;
    Cast& cast = Cast::GetInstance();
    ScriptManager& scripts = ScriptManager::GetInstance();
    std::list<Flag> flags;
    std::list<Character> people;
};
