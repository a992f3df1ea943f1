// Swapping a finished generation into the run tree: all or nothing, and
// never a moment without the entry.

#include "OutputSwap.h"
#include "support/HeadlessTest.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
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
    WriteFile("run/new/data/menu/unowned.bmp", "not swapped");
    std::string error;
    ASSERT_TRUE(content::SwapInOutput("run/new", "run", entries, error)) << error;
    EXPECT_EQ(ReadFile("run/data/fonts/new.bmp"), "new font");
    EXPECT_FALSE(fs::exists("run/data/fonts/old.bmp"));
    EXPECT_EQ(ReadFile("run/data/credits.txt"), "new credits");
    EXPECT_EQ(ReadFile("run/data/config.txt"), "settings");
    EXPECT_FALSE(fs::exists("run/data/menu"));
    // The old entries are gone; what the swap does not own stays staged.
    EXPECT_FALSE(fs::exists("run/new/data/fonts"));
    EXPECT_FALSE(fs::exists("run/new/data/credits.txt"));
    EXPECT_EQ(ReadFile("run/new/data/menu/unowned.bmp"), "not swapped");

    // A first run: nothing to replace, the folders are made.
    WriteFile("fresh/new/data/fonts/new.bmp", "new font");
    WriteFile("fresh/new/data/credits.txt", "new credits");
    ASSERT_TRUE(content::SwapInOutput("fresh/new", "fresh", entries, error)) << error;
    EXPECT_EQ(ReadFile("fresh/data/fonts/new.bmp"), "new font");
    EXPECT_EQ(ReadFile("fresh/data/credits.txt"), "new credits");
}

TEST_F(OutputSwapTest, AFailedSwapLeavesTheOldTree)
{
    // A generation that stopped before the credits: nothing is moved.
    WriteOldTree();
    WriteFile("run/new/data/fonts/new.bmp", "new font");
    std::string error;
    EXPECT_FALSE(content::SwapInOutput("run/new", "run", entries, error));
    EXPECT_TRUE(Contains(error, "credits.txt"));
    EXPECT_EQ(ReadFile("run/data/fonts/old.bmp"), "old font");
    EXPECT_FALSE(fs::exists("run/data/fonts/new.bmp"));
    EXPECT_EQ(ReadFile("run/data/credits.txt"), "old credits");

    // A step that fails after the first entry was placed (the second one's
    // folder is a file in the run tree): the first is put back.
    WriteFile("run/new/data/credits.txt", "new credits");
    WriteFile("run/new/data/sounds/click.wav", "new click");
    WriteFile("run/data/sounds", "in the way");
    const std::vector<std::string> blocked = {"data/fonts", "data/sounds/click.wav"};
    error.clear();
    EXPECT_FALSE(content::SwapInOutput("run/new", "run", blocked, error));
    EXPECT_TRUE(Contains(error, "sounds"));
    EXPECT_EQ(ReadFile("run/data/fonts/old.bmp"), "old font");
    EXPECT_FALSE(fs::exists("run/data/fonts/new.bmp"));
    EXPECT_EQ(ReadFile("run/new/data/fonts/new.bmp"), "new font");
    EXPECT_EQ(ReadFile("run/data/sounds"), "in the way");
    EXPECT_EQ(ReadFile("run/data/config.txt"), "settings");
}

TEST_F(OutputSwapTest, TheTreeIsCompleteAtEveryInstant)
{
    // A child swaps generations in as fast as it can while this process
    // looks at the tree, then is killed wherever it happens to be.
    WriteOldTree();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        for (int generation = 0;; ++generation) {
            std::error_code ignored;
            fs::create_directories("run/new/data/fonts", ignored);
            WriteFile("run/new/data/credits.txt", std::to_string(generation));
            std::string error;
            content::SwapInOutput("run/new", "run", entries, error);
        }
    }
    int missing = 0;
    for (int look = 0; look < 20000; ++look) {
        if (!fs::exists("run/data/fonts") || !fs::exists("run/data/credits.txt"))
            ++missing;
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(missing, 0);
    EXPECT_TRUE(fs::is_directory("run/data/fonts"));
    EXPECT_TRUE(fs::is_regular_file("run/data/credits.txt"));
    EXPECT_EQ(ReadFile("run/data/config.txt"), "settings");
}
