// Swapping a finished generation into the run tree: all or nothing.

#include "OutputSwap.h"
#include "support/HeadlessTest.h"

#include <vector>

namespace {

namespace fs = std::filesystem;

class OutputSwapTest : public HeadlessTest {
protected:
    const std::vector<std::string> entries = {"data/fonts", "data/credits.txt"};

    // The run tree as an earlier run and the build left it.
    void WriteOldTree()
    {
        WriteFile("run/data/config.txt", "settings");
        WriteFile("run/data/fonts/old.bmp", "old font");
        WriteFile("run/data/credits.txt", "old credits");
    }
};

} // namespace

TEST_F(OutputSwapTest, NewEntriesReplaceTheOldOnesAndNothingElse)
{
    WriteOldTree();
    WriteFile("run/new/data/fonts/new.bmp", "new font");
    WriteFile("run/new/data/credits.txt", "new credits");
    std::string error;
    ASSERT_TRUE(content::SwapInOutput("run/new", "run", "run/old", entries, error)) << error;
    EXPECT_EQ(ReadFile("run/data/fonts/new.bmp"), "new font");
    EXPECT_FALSE(fs::exists("run/data/fonts/old.bmp"));
    EXPECT_EQ(ReadFile("run/data/credits.txt"), "new credits");
    EXPECT_EQ(ReadFile("run/data/config.txt"), "settings");
    EXPECT_FALSE(fs::exists("run/old"));

    // A first run: nothing to replace, the folders are made.
    WriteFile("fresh/new/data/fonts/new.bmp", "new font");
    WriteFile("fresh/new/data/credits.txt", "new credits");
    ASSERT_TRUE(content::SwapInOutput("fresh/new", "fresh", "fresh/old", entries, error)) << error;
    EXPECT_EQ(ReadFile("fresh/data/fonts/new.bmp"), "new font");
    EXPECT_EQ(ReadFile("fresh/data/credits.txt"), "new credits");
}

TEST_F(OutputSwapTest, AFailedSwapLeavesTheOldTree)
{
    // A generation that stopped before the credits: nothing is moved.
    WriteOldTree();
    WriteFile("run/new/data/fonts/new.bmp", "new font");
    std::string error;
    EXPECT_FALSE(content::SwapInOutput("run/new", "run", "run/old", entries, error));
    EXPECT_NE(error.find("credits.txt"), std::string::npos) << error;
    EXPECT_EQ(ReadFile("run/data/fonts/old.bmp"), "old font");
    EXPECT_FALSE(fs::exists("run/data/fonts/new.bmp"));
    EXPECT_EQ(ReadFile("run/data/credits.txt"), "old credits");

    // A rename that fails after the first entry moved (the second one's
    // folder is a file in the run tree): the first is put back.
    WriteFile("run/new/data/credits.txt", "new credits");
    WriteFile("run/new/data/sounds/click.wav", "new click");
    WriteFile("run/data/sounds", "in the way");
    const std::vector<std::string> blocked = {"data/fonts", "data/sounds/click.wav"};
    error.clear();
    EXPECT_FALSE(content::SwapInOutput("run/new", "run", "run/old", blocked, error));
    EXPECT_NE(error.find("sounds"), std::string::npos) << error;
    EXPECT_EQ(ReadFile("run/data/fonts/old.bmp"), "old font");
    EXPECT_FALSE(fs::exists("run/data/fonts/new.bmp"));
    EXPECT_EQ(ReadFile("run/new/data/fonts/new.bmp"), "new font");
    EXPECT_EQ(ReadFile("run/data/sounds"), "in the way");
    EXPECT_EQ(ReadFile("run/data/config.txt"), "settings");
}
