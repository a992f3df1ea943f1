#pragma once

#include "app/Singleton.h"
#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

// A test that runs in a fresh temporary working directory on the headless
// platform, with fresh engine services.
class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    platform::HeadlessPlatform& Host() { return *host; }
    platform::HeadlessWindow& Window() { return host->GetWindow(); }
    const std::filesystem::path& Directory() const { return directory; }

    // Creates the log file the way the shell does.
    void StartLog();
    // Whether a quit message waits in the window's queue (the queue is
    // emptied).
    bool QuitPosted();

    // One keystroke as the game sees it: the window's messages (the key and
    // the character the layout gives), then one frame with the key down and
    // one with it up, `update` run in each. Returns what the last run said.
    bool TypeKey(int key, int character, const std::function<bool()>& update);

private:
    std::filesystem::path previousDirectory;
    std::filesystem::path directory;
    platform::HeadlessPlatform* host = nullptr;
};

std::string ReadFile(const std::filesystem::path& path);
// The log as a clean run writes it: the header, the display's lines when
// the game opened one, the sample manager's lines when it started sound,
// then the shutdown lines.
bool IsCleanRunLog(const std::string& log);
void WriteFile(const std::filesystem::path& path, const std::string& text);
// Whether `text` holds `part`; a failure shows the whole text.
::testing::AssertionResult Contains(const std::string& text, const std::string& part);
// How often `part` occurs in `text`, overlapping occurrences counted.
std::size_t CountOf(const std::string& text, const std::string& part);

// The same with the log file started, as the shell has it before the game
// begins.
class LoggedTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        StartLog();
    }
};
