#pragma once

// Fixtures for the tests that read the generated data tree: each works in a
// fresh temporary folder whose "data" folder is the generated one, as the
// game finds it in its working directory.

#include "graphics/DirectDraw.h"
#include "support/HeadlessTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

// The words of one line of a sprite list: label, kind, file, orientation
// and, for an animation, the frame count.
using SpriteListLine = std::vector<std::string>;

// The lines of the generated data\<folder>\sprites.txt by label, read with
// a plain tokenizer; a label listed twice has two lines.
inline std::map<std::string, std::vector<SpriteListLine>> ReadSpriteList(const std::string& folder)
{
    std::ifstream file(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data" / folder / "sprites.txt", std::ios::binary);
    std::map<std::string, std::vector<SpriteListLine>> lines;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        SpriteListLine entry;
        for (std::string word; words >> word;)
            entry.push_back(word);
        if (!entry.empty())
            lines[entry.front()].push_back(entry);
    }
    return lines;
}

// A label's kind and frame count as its list gives them ("static",
// "anim 6", "anim_rle 12"), or "missing" when it is not listed once.
inline std::string KindAndFrames(const std::map<std::string, std::vector<SpriteListLine>>& list,
                                 const std::string& label)
{
    const auto found = list.find(label);
    if (found == list.end() || found->second.size() != 1)
        return "missing";
    const SpriteListLine& line = found->second.front();
    return line.at(1) + (line.size() > 4 ? " " + line.at(4) : "");
}

class GeneratedDataTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        std::filesystem::create_directory_symlink(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data", "data");
    }
};

// The same with the game's 1024 x 768 display open and its log started, as
// the game has them before it loads anything.
class GeneratedDataDisplayTest : public GeneratedDataTest {
protected:
    void SetUp() override
    {
        GeneratedDataTest::SetUp();
        ASSERT_TRUE(Window().Create({"Test", 1024, 768, false}));
        ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 1024, 768, 32, false));
        StartLog();
    }
};
