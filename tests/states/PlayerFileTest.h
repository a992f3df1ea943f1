#pragma once

// Helpers for the tests of the player's own files (options, highscores).

#include "files/Scrambler.h"
#include "files/WriteFaults.h"
#include "support/FileSizeLimit.h"
#include "support/HeadlessTest.h"

#include <functional>
#include <string>

// The bytes as the game stores them.
inline std::string Scrambled(std::string text)
{
    ScrambleBuffer(reinterpret_cast<unsigned char*>(text.data()), text.size());
    return text;
}

// Saves `Store`'s file, makes a change and saves again with too little room
// on the disk, and then under each injected write fault (at every write;
// at the scrambling step alone; at the last step alone, the rename into
// place): each of these saves
// fails and says why, and the first file stays as it was with nothing
// unfinished beside it. A save without a fault then keeps the change. The
// log must be empty at the start.
template <typename Store>
void ExpectAFailedSaveToKeepTheFile(const std::string& className, const std::function<void()>& change)
{
    ASSERT_TRUE(Store::GetInstance().Save());
    const std::string before = ReadFile(Store::fileName);
    change();
    {
        // Room for the log's lines, not for the file.
        const FileSizeLimit limit(220);
        EXPECT_FALSE(Store::GetInstance().Save());
    }
    EXPECT_EQ(ReadFile(Store::fileName), before);
    EXPECT_FALSE(std::filesystem::exists(std::string(Store::fileName) + ".new"));
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: StdFileHandler::Close: Failed to write <" +
                                         std::string(Store::fileName) + ".new>: File too large\n***ERROR: " +
                                         className + "::Save: Failed to write <" + Store::fileName + ">!\n");

    for (const char* fault : {"open", "short", "sync", "rename", "short@2", "rename@3"}) {
        WriteFile("debug.txt", ""); // the log of this save alone
        {
            const write_faults::InjectedWriteFault injected(*WriteFault::Parse(fault));
            EXPECT_FALSE(Store::GetInstance().Save()) << fault;
        }
        EXPECT_EQ(ReadFile(Store::fileName), before) << fault;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 2)
            << fault;
        EXPECT_TRUE(Contains(ReadFile("debug.txt"), "***ERROR: " + className + "::Save: Failed to ")) << fault;
    }
    EXPECT_TRUE(Store::GetInstance().Save());
    EXPECT_NE(ReadFile(Store::fileName), before);
}
