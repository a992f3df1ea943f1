#pragma once

// What every episode's run test checks after its walkthrough: each
// savegame made on the way loads from the main menu into the room it was
// saved in and holds the same state when saved again.

#include "ExecutableRun.h"
#include "Walkthrough.h"

#include <string>
#include <vector>

class EpisodeRun : public ExecutableRun {
protected:
    // Savegames 1 to n of chapter `episode`, saved in rooms[0] to rooms[n - 1],
    // are loaded one by one from the main menu ("Spiel laden") with the
    // game's own `menuConfig` (no level forced): each begins in its room,
    // without the episode's opening but with its resume script, and, saved
    // again over itself, holds the same state.
    void ExpectEachSavegameLoadsTheSameState(int episode, const std::vector<std::string>& rooms,
                                             const std::string& menuConfig)
    {
        using namespace walkthrough;
        const int count = static_cast<int>(rooms.size());
        RecordedInput input;
        input.At(20);
        for (int slot = 1; slot <= count; ++slot) {
            input.Click(514, 275).Wait(20);
            ChooseSlot(input, slot).Wait(200);
            Save(input, slot).Click(325, 645).Wait(10).Click(428, 410).Wait(40);
        }
        std::vector<std::string> saved;
        for (int slot = 1; slot <= count; ++slot)
            saved.push_back(Savegame(slot));
        WriteFile(directory / "keys.txt", input.Text());
        WriteFile(directory / "data" / "config.txt", menuConfig);
        ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;
        const std::string log = Log();
        EXPECT_EQ(log.find("***"), std::string::npos) << log;
        EXPECT_EQ(log.find("episode-startup"), std::string::npos) << log;
        const std::string chapter = "Kapitel " + std::to_string(episode) + " - ";
        const std::string resume = "Run episode-resume script <ScriptEpisode" + std::to_string(episode) + "Resume>\n";
        std::size_t loaded = 0;
        for (int slot = 1; slot <= count; ++slot) {
            const std::string& room = rooms[slot - 1];
            const std::string& before = saved[slot - 1];
            EXPECT_TRUE(before.starts_with(chapter + room + "\n")) << before;
            loaded = log.find("Loading Savegame " + chapter + room + "\n", loaded);
            ASSERT_NE(loaded, std::string::npos) << log;
            const std::size_t resumed = log.find("Run episode-resume", loaded);
            EXPECT_NE(resumed, std::string::npos) << log;
            EXPECT_EQ(log.find(resume, loaded), resumed) << log;
            const std::size_t started = log.find("room-startup", loaded);
            ASSERT_NE(started, std::string::npos);
            const std::string startLine = "room-startup script <Script" + room + ">";
            EXPECT_EQ(log.compare(started, startLine.size(), startLine), 0) << log.substr(started);
            EXPECT_EQ(WithoutDate(Savegame(slot)), WithoutDate(before)) << room;
        }
    }
};
