#pragma once

// Stand-ins the adventure tests share: a sprite of some frames that draws
// nothing, and a level that answers from a table of lines and records what
// it is asked to do.

#include "AdventureLevel.h"
#include "graphics/Sprite.h"

#include <map>
#include <string>
#include <vector>

class FramesSprite : public Sprite {
public:
    explicit FramesSprite(int count, int frameWidth = 10, int frameHeight = 20)
        : frames(count), width(frameWidth), height(frameHeight)
    {
    }
    int GetFrameCount() const override { return frames; }
    int GetWidth(int) const override { return width; }
    int GetHeight(int) const override { return height; }
    int GetFullWidth() const override { return width; }
    int GetFullHeight() const override { return height; }
    bool IsPixelTransparent(Point, int) const override { return true; }
    void DrawEx(const DrawInfo&) override {}

private:
    int frames;
    int width;
    int height;
};

// Lines come from `lines` by "use <name>", "examine <name>" and
// "combine <item>+<target>".
class FakeLevel : public AdventureLevel {
public:
    int GetLevelNumber() const override { return 1; }
    int GetState() const override { return state; }
    void SetState(int newState) override { state = newState; }
    bool InputAllowed() const override { return inputAllowed; }
    bool BlockingScriptsIdle() const override { return true; }
    void StopBlockingScripts() override { ++blockingStops; }
    bool IsSkipping() const override { return skipping; }
    void SetInputEnabled(bool enabled) override { inputAllowed = enabled; }
    void ShowLabels(bool show) override { labels = show; }
    void RequestLevel(int level) override { requestedLevel = level; }
    void RequestRoom(const std::string& room, int x, int y, int toX, int toY, int) override
    {
        rooms.push_back(room + " " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(toX) + " " +
                        std::to_string(toY));
    }
    bool RunScript(const std::string& name, const std::string& argument) override
    {
        scripts.push_back(name + "(" + argument + ")");
        return knownScripts;
    }
    int CountRunningScripts() const override { return static_cast<int>(scripts.size()) - scriptsEnded; }
    TalkEntry GetUseLine(const std::string& name) override { return Line("use " + name); }
    TalkEntry GetExamineLine(const std::string& name) override { return Line("examine " + name); }
    TalkEntry GetCombineLine(const std::string& item, const std::string& target) override
    {
        return Line("combine " + item + "+" + target);
    }
    void Perform(const TalkEntry& entry) override { performed.push_back(entry.text); }

    int state = normal;
    bool inputAllowed = true;
    bool skipping = false;
    bool knownScripts = true;
    bool labels = true;
    int requestedLevel = 0;
    int scriptsEnded = 0;
    int blockingStops = 0;
    std::map<std::string, std::string> lines;
    std::vector<std::string> rooms, scripts, performed;

private:
    TalkEntry Line(const std::string& key) const
    {
        const auto found = lines.find(key);
        return found == lines.end() ? TalkEntry{} : TalkEntry{found->second, "item", "C02"};
    }
};
