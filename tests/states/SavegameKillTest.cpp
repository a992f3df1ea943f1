// A game killed while it saves: a child process saves one slot over and
// over and is killed at a random moment. The slot must then hold a whole
// savegame and a whole picture, the newest ones finished or older ones,
// never parts of any.

#include "MadeUpEpisode.h"
#include "MainProgram.h"
#include "adventure/Cast.h"
#include "adventure/Flag.h"
#include "files/File.h"
#include "files/HostPath.h"
#include "graphics/BmpLoader.h"
#include "graphics/DirectDraw.h"
#include "graphics/Image.h"
#include "support/HeadlessTest.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int pictureWidth = 256;
constexpr int pictureHeight = 160;

// Save number n: the flag holds n, every pixel of the picture the three
// bytes of n.
bool SaveNumber(int number, Flag& flag, Image& picture)
{
    flag.SetValue(number);
    std::uint8_t* pixel = picture.GetData();
    for (int index = 0; index < pictureWidth * pictureHeight; ++index, pixel += 3) {
        pixel[0] = static_cast<std::uint8_t>(number);
        pixel[1] = static_cast<std::uint8_t>(number >> 8);
        pixel[2] = static_cast<std::uint8_t>(number >> 16);
    }
    return MainProgram::GetInstance().SaveGame(1, picture);
}

// The number of the slot's savegame as the game loads it; -1 when it is
// refused.
int SavedNumber()
{
    MainProgram& program = MainProgram::GetInstance();
    if (program.LoadGame(1) != 1)
        return -1;
    const std::unique_ptr<File> file = program.TakePendingSavegame();
    const std::string section = std::string("[Flag] \"") + made_up_episode::hatchOpen + "\"";
    std::string line;
    while (file->ReadLine(line, 999) && line != section) {
    }
    int number = -1;
    while (file->ReadLine(line, 999) && std::sscanf(line.c_str(), " \"value\" %d", &number) != 1) {
    }
    return number;
}

// The number of the slot's picture; -1 when it is damaged or not one of
// the saved pictures.
int PictureNumber()
{
    BmpLoader::Result result = BmpLoader::Result::Loaded;
    const std::unique_ptr<Image> picture = BmpLoader::GetInstance().Read("savegames\\savegame1.bmp", result);
    if (!picture || picture->GetWidth() != pictureWidth || picture->GetHeight() != pictureHeight ||
        picture->GetDepth() != 24)
        return -1;
    const std::uint8_t* pixel = picture->GetData();
    const int number = pixel[0] | pixel[1] << 8 | pixel[2] << 16;
    for (int index = 0; index < pictureWidth * pictureHeight; ++index, pixel += 3) {
        if ((pixel[0] | pixel[1] << 8 | pixel[2] << 16) != number)
            return -1;
    }
    return number;
}

class SavegameKillTest : public LoggedTest {};

} // namespace

TEST_F(SavegameKillTest, AKilledSaveLeavesWholeFilesInTheSlot)
{
    ASSERT_TRUE(Window().Create({"Test", 1024, 768, false}));
    ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 1024, 768, 32, false));
    made_up_episode::Write();
    MainProgram& program = MainProgram::GetInstance();
    program.SetGame("GameRuvId", 1);
    Flag* flag = Cast::GetInstance().FindAs<Flag>(made_up_episode::hatchOpen);
    ASSERT_NE(flag, nullptr);
    Image picture;
    ASSERT_TRUE(picture.Create(pictureWidth, pictureHeight, 24, true));

    // How long one save takes here: the kills fall anywhere within about
    // two saves after the child starts.
    const auto start = std::chrono::steady_clock::now();
    constexpr int timedSaves = 5;
    for (int number = 1; number <= timedSaves; ++number)
        ASSERT_TRUE(SaveNumber(number, *flag, picture));
    const auto saveTime = (std::chrono::steady_clock::now() - start) / timedSaves;
    const long longestDelay = std::chrono::duration_cast<std::chrono::microseconds>(2 * saveTime).count() + 1;

    std::mt19937 random(20261209);
    std::uniform_int_distribution<long> delay(0, longestDelay);
    int saved = timedSaves;
    int shown = timedSaves;
    constexpr int rounds = 120;
    for (int round = 0; round < rounds; ++round) {
        // The child reports every save it finished; every tenth round waits
        // for one before the kill, so that the slot surely moves on.
        int finished[2];
        ASSERT_EQ(::pipe(finished), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            ::close(finished[0]);
            for (int number = saved + 1; number <= saved + 100000; ++number) {
                if (SaveNumber(number, *flag, picture) && ::write(finished[1], "s", 1) != 1)
                    break;
            }
            _exit(0);
        }
        ::close(finished[1]);
        char report = 0;
        const bool reported = round % 10 != 0 || ::read(finished[0], &report, 1) == 1;
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ::close(finished[0]);
        ASSERT_TRUE(reported) << "round " << round;
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;

        // As the game finds the slot when it starts again.
        ForgetFolderListings();
        StartLog();
        const int savegame = SavedNumber();
        const int shot = PictureNumber();
        ASSERT_GE(savegame, saved) << "round " << round << "\n" << ReadFile("debug.txt");
        // The picture is written after its savegame.
        ASSERT_GE(shot, shown) << "round " << round;
        ASSERT_LE(shot, savegame) << "round " << round;
        saved = savegame;
        shown = shot;
    }
    // At least the saves the tenth rounds waited for reached the slot.
    EXPECT_GE(saved, timedSaves + rounds / 10);

    // The last savegame the child finished plays.
    ASSERT_EQ(program.LoadGame(1), 1);
    program.SetProject("GameRuvId");
    program.Update(0.01f);
    ASSERT_TRUE(program.IsStateInitialised());
    flag = Cast::GetInstance().FindAs<Flag>(made_up_episode::hatchOpen);
    EXPECT_EQ(flag->GetValue(), saved);

    // Saved once more, the slot is its two files again: nothing the killed
    // saves left unfinished stays beside them.
    ASSERT_TRUE(SaveNumber(saved + 1, *flag, picture));
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator("savegames"))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"savegame1.bmp", "savegame1.dat"}));
}
