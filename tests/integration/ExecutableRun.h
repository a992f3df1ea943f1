#pragma once

// Runs the real executable (or another program of the build) headless in a
// temporary copy of the development tree's data.

#include "GameParameters.h"
#include "files/Scrambler.h"
#include "support/HeadlessTest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <sys/wait.h>

// The picture file --shots writes for a frame.
inline std::string ShotName(int frame)
{
    char name[32];
    std::snprintf(name, sizeof name, "frame%06d.png", frame);
    return name;
}

class ExecutableRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zephyra-run-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        directory = pattern;
        std::filesystem::copy(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data", directory / "data",
                              std::filesystem::copy_options::recursive);
    }

    // Runs `work` in the game's folder, where the options and the
    // highscores are.
    template <typename Work>
    void InDirectory(Work work)
    {
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(directory);
        work();
        std::filesystem::current_path(previous);
    }
    // The options the game starts with: all defaults but the difficulty.
    void SaveDifficulty(int difficulty)
    {
        InDirectory([difficulty] {
            GameParameters parameters;
            parameters.SetDifficulty(difficulty);
            EXPECT_TRUE(parameters.Save());
        });
    }

    // The intro movie beside the data, as in the development tree.
    void CopyIntro()
    {
        std::filesystem::copy_file(std::filesystem::path(ZEPHYRA_RUN_DIR) / "intro.avi", directory / "intro.avi");
    }

    void TearDown() override
    {
        std::error_code ignored;
        // ZEPHYRA_KEEP_RUN=1 keeps the folder (log, savegames, shots) to look at.
        if (std::getenv("ZEPHYRA_KEEP_RUN") == nullptr)
            std::filesystem::remove_all(directory, ignored);
    }

    // Runs zephyra with the arguments in the test's folder; returns its exit
    // code and keeps what it printed.
    int Run(const std::string& arguments, const std::string& environment = "")
    {
        return RunProgram(ZEPHYRA_EXECUTABLE, arguments, environment);
    }

    // The same for another program of the build.
    int RunProgram(const std::string& program, const std::string& arguments, const std::string& environment = "")
    {
        const std::string command = "cd '" + directory.string() + "' && " + environment + " '" + program + "' " +
                                    arguments + " > stdout.txt 2> stderr.txt";
        const int status = std::system(command.c_str());
        output = ReadFile(directory / "stdout.txt");
        errors = ReadFile(directory / "stderr.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1000;
    }

    // The game starts straight in the level instead of the main menu.
    void StartIn(int level)
    {
        std::string config = ReadFile(directory / "data" / "config.txt");
        config = std::regex_replace(config, std::regex("startGameState \\w+"), "startGameState GameRuvId");
        config = std::regex_replace(config, std::regex("activeLevel \\d+"), "activeLevel " + std::to_string(level));
        WriteFile(directory / "data" / "config.txt", config);
    }

    // A savegame's text, descrambled ("" when there is none); slot 0 is the
    // quick slot.
    std::string Savegame(int slot) const
    {
        std::string text = ReadFile(directory / "savegames" / ("savegame" + std::to_string(slot) + ".dat"));
        DescrambleBuffer(reinterpret_cast<unsigned char*>(text.data()), text.size());
        return text;
    }
    // A savegame's text without its second line, the date.
    static std::string WithoutDate(const std::string& text)
    {
        const std::size_t title = text.find('\n');
        if (title == std::string::npos)
            return text;
        const std::size_t date = text.find('\n', title + 1);
        return text.substr(0, title) + (date == std::string::npos ? "" : text.substr(date));
    }

    std::string Log() const { return ReadFile(directory / "debug.txt"); }
    // The log without the lines that differ from run to run.
    std::string StableLog() const
    {
        return std::regex_replace(Log(), std::regex("(Build|Started at): [^\n]*\n"), "");
    }

    std::filesystem::path directory;
    std::string output;
    std::string errors;
};
