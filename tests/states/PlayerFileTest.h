#pragma once

// Helpers for the tests of the player's own files (options, highscores).

#include "files/Scrambler.h"
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
// on the disk: the second save fails and says why, and the first file stays
// as it was with nothing unfinished beside it. The log must be empty.
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
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: StdFileHandler::Close: Failed to write <" + std::string(Store::fileName) +
                                         ".new>: File too large\n***ERROR: " + className + "::Save: Failed to write <" +
                                         Store::fileName + ">!\n");
}
