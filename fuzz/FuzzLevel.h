#pragma once

#include "adventure/AdventureLevel.h"
#include "adventure/TalkEntry.h"

#include <string>

// A level that runs any script at once and says nothing aloud.
class FuzzLevel final : public AdventureLevel {
public:
    int GetLevelNumber() const override { return 1; }
    int GetState() const override { return state; }
    void SetState(int newState) override { state = newState; }
    bool InputAllowed() const override { return true; }
    bool BlockingScriptsIdle() const override { return true; }
    void StopBlockingScripts() override {}
    bool IsSkipping() const override { return true; }
    void SetInputEnabled(bool) override {}
    void ShowLabels(bool) override {}
    void RequestLevel(int) override {}
    int CountRunningScripts() const override { return 0; }
    void RequestRoom(const std::string&, int, int, int, int, int) override {}
    bool RunScript(const std::string&, const std::string&) override { return true; }
    TalkEntry GetUseLine(const std::string&) override { return {}; }
    TalkEntry GetExamineLine(const std::string&) override { return {}; }
    TalkEntry GetCombineLine(const std::string&, const std::string&) override { return {}; }
    void Perform(const TalkEntry&) override {}

    int state = normal;
};
