// The real executable, run headless in a temporary copy of the development
// tree.

#include "ExecutableRun.h"
#include "audio/SoundFiles.h"
#include "support/HeadlessTest.h"
#include "support/MovieFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <regex>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class ExecutableTest : public ExecutableRun {
protected:
    // Makes a folder that nobody, root included, may write into (or lifts
    // that again); returns why making something in it fails, or empty when
    // the file system does not let it be locked.
    static std::string LockFolder(const std::filesystem::path& folder, bool locked)
    {
        namespace fs = std::filesystem;
        // The immutable flag holds root back too; it is set last and lifted
        // first, as it also keeps the permissions from changing.
        const auto immutable = [&folder](bool set) {
            const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
            int flags = 0;
            if (descriptor >= 0 && ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0) {
                flags = set ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
                ::ioctl(descriptor, FS_IOC_SETFLAGS, &flags);
            }
            if (descriptor >= 0)
                ::close(descriptor);
        };
        if (!locked) {
            immutable(false);
            fs::permissions(folder, fs::perms::owner_all);
            return "";
        }
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        immutable(true);
        if (::mkdir((folder / "probe").c_str(), 0755) != 0)
            return std::strerror(errno);
        ::rmdir((folder / "probe").c_str());
        return "";
    }
};

} // namespace

TEST_F(ExecutableTest, StartsHeadlessAndLogsItsStartAndEnd)
{
    ASSERT_EQ(Run("--headless --frames 10"), 0) << errors;
    EXPECT_TRUE(IsCleanRunLog(Log())) << Log();
}

TEST_F(ExecutableTest, AReplayedSessionRunsTheSameWay)
{
    WriteFile(directory / "input.txt", "zephyra-recording 1 seed 31337\n"
                                       "frame 2 mousemove 100 200 lbuttondown 100 200 lbuttonup 100 200\n"
                                       "frame 4 time 57 keydown 65 paint char 97\n"
                                       "frame 5 keyup 65\n"
                                       "frame 7 time 20\n");
    // The replay ends after its last frame.
    ASSERT_EQ(Run("--headless --replay input.txt --record first.txt --shots first"), 0) << errors;
    const std::string first = ReadFile(directory / "first.txt");
    // Events without a recorded paint come before the frame's picture; the
    // character comes after it, as recorded.
    EXPECT_EQ(first, "zephyra-recording 1 seed 31337\n"
                     "frame 0 time 0\n"
                     "frame 1 time 20 paint\n"
                     "frame 2 time 20 mousemove 100 200 lbuttondown 100 200 lbuttonup 100 200 paint\n"
                     "frame 3 time 20 paint\n"
                     "frame 4 time 57 keydown 65 paint char 97\n"
                     "frame 5 time 20 keyup 65 paint\n"
                     "frame 6 time 20 paint\n"
                     "frame 7 time 20 paint\n"
                     "frame 8 paint\n");
    const std::string firstLog = StableLog();

    // Another frame period: the recorded times win.
    ASSERT_EQ(Run("--headless --frame-ms 33 --replay first.txt --record second.txt --shots second"), 0) << errors;
    EXPECT_EQ(ReadFile(directory / "second.txt"), first);
    EXPECT_EQ(StableLog(), firstLog);
    const std::string firstShot = ReadFile(directory / "first" / "frame000007.png");
    EXPECT_FALSE(firstShot.empty());
    EXPECT_EQ(ReadFile(directory / "second" / "frame000007.png"), firstShot);
}

TEST_F(ExecutableTest, AnUnknownStartStateEndsWithBothMessages)
{
    WriteFile(directory / "data" / "config.txt", "screenwidth 800\nscreenheight 600\nstartGameState GameNowhere\n");
    EXPECT_EQ(Run("--headless --frames 5"), 3);
    EXPECT_TRUE(Contains(Log(),
                         "Factory: could not create\n\"GameNowhere\"\nMainProgram::DoSetGame: Unknown Project <GameNowhere>\n"));
    EXPECT_TRUE(Contains(errors, "Unknown Project <GameNowhere>"));
}

TEST_F(ExecutableTest, AnUnknownLevelEndsTheGameWithAMessageBox)
{
    // Level 10 is no episode and no minigame.
    WriteFile(directory / "data" / "config.txt",
              "screenwidth 1024\nscreenheight 768\nstartGameState GameRuvId\nactiveLevel 10\n");
    EXPECT_EQ(Run("--headless --frames 5"), 3);
    EXPECT_TRUE(Contains(Log(), "***ERROR: GameRuvId::Init: Unknown Level-Number(10)!\n")) << Log();
    EXPECT_TRUE(Contains(errors, "Error: GameRuvId::Init: Unknown Level-Number(10)!")) << errors;
}

TEST_F(ExecutableTest, TheReleaseTreePlaysLikeTheDevelopmentTree)
{
    ASSERT_EQ(Run("--headless --frames 6 --shots loose"), 0) << errors;
    const std::string looseLog = StableLog();

    // Only the executable and its archive: no loose data at all.
    std::filesystem::remove_all(directory / "data");
    std::filesystem::copy_file(std::filesystem::path(ZEPHYRA_DIST_DIR) / "datafile.dat", directory / "datafile.dat");
    ASSERT_EQ(Run("--headless --frames 6 --shots packed"), 0) << errors;
    EXPECT_EQ(StableLog(), looseLog);
    EXPECT_EQ(ReadFile(directory / "packed" / "frame000005.png"), ReadFile(directory / "loose" / "frame000005.png"));
}

TEST_F(ExecutableTest, TheArchiveToolChecksWhatItReads)
{
    const auto runTool = [this](const std::string& arguments) { return RunProgram(ZEPHYRA_DATAFILE_TOOL, arguments); };
    ASSERT_EQ(runTool("pack . game.dat"), 0) << errors;
    ASSERT_EQ(runTool("list game.dat"), 0) << errors;
    EXPECT_TRUE(Contains(output, "data\\config.txt "));
    EXPECT_EQ(runTool("verify game.dat"), 0) << errors;
    ASSERT_EQ(runTool("extract game.dat out"), 0) << errors;
    EXPECT_EQ(ReadFile(directory / "out" / "data" / "config.txt"), ReadFile(directory / "data" / "config.txt"));

    // A member that runs past the end of the file.
    std::string bytes = ReadFile(directory / "game.dat");
    bytes.resize(bytes.size() - 1);
    WriteFile(directory / "cut.dat", bytes);
    EXPECT_EQ(runTool("verify cut.dat"), 1);
    EXPECT_TRUE(Contains(errors, "lies outside the archive"));
    EXPECT_EQ(runTool("frobnicate"), 2);

    // Entry 1 named like entry 0, entry 2 with a control character.
    bytes = ReadFile(directory / "game.dat");
    bytes.replace(4 + 80, 64, bytes, 4, 64);
    bytes[4 + 2 * 80] = '\x01';
    WriteFile(directory / "odd.dat", bytes);
    EXPECT_EQ(runTool("verify odd.dat"), 1);
    EXPECT_NE(errors.find("entry 1 <" + bytes.substr(4, bytes.find('\0', 4) - 4) + "> repeats the name of entry 0"),
              std::string::npos)
        << errors;
    EXPECT_TRUE(Contains(errors, "entry 2 <?"));
    EXPECT_TRUE(Contains(errors, "its name holds a control character"));
    EXPECT_EQ(runTool("extract odd.dat odd"), 1);
    EXPECT_FALSE(std::filesystem::exists(directory / "odd"));

    // What is not an archive at all fails each command (ArchiveToolTest
    // checks the messages).
    EXPECT_EQ(runTool("extract data out"), 1);
    EXPECT_EQ(runTool("list data"), 1);
    WriteFile(directory / "tiny.dat", "PK");
    EXPECT_EQ(runTool("verify tiny.dat"), 1);
    EXPECT_EQ(runTool("verify nowhere.dat"), 1);
    EXPECT_TRUE(Contains(errors, "<nowhere.dat>: it cannot be opened: No such file or directory"));
}

TEST_F(ExecutableTest, TheContentGeneratorReplacesItsTreeWholeOrNotAtAll)
{
    namespace fs = std::filesystem;
    const auto runGenerator = [this](const std::string& arguments) {
        return RunProgram(ZEPHYRA_CONTENT_TOOL, arguments);
    };
    // Help and refused options write nothing.
    EXPECT_EQ(runGenerator("--help"), 0);
    EXPECT_TRUE(Contains(output, "RUN_DIR is the folder that"));
    EXPECT_EQ(runGenerator(""), 2);
    EXPECT_TRUE(Contains(errors, "Usage: zephyra-content RUN_DIR"));
    EXPECT_EQ(runGenerator("-x"), 2);
    EXPECT_TRUE(Contains(errors, "unknown option -x"));
    EXPECT_FALSE(fs::exists(directory / "--help"));
    EXPECT_FALSE(fs::exists(directory / "-x"));

    // A run that cannot put its files in place (data is a file there) fails
    // and leaves that tree as it was.
    WriteFile(directory / "blocked" / "data", "not a folder");
    EXPECT_EQ(runGenerator("blocked"), 1);
    EXPECT_TRUE(Contains(errors, "nothing changed"));
    EXPECT_EQ(ReadFile(directory / "blocked" / "data"), "not a folder");
    EXPECT_FALSE(fs::exists(directory / "blocked" / ".content-new"));

    // A RUN_DIR nobody may write into: the message gives that cause.
    const fs::path locked = directory / "locked";
    fs::create_directory(locked);
    const std::string lockedReason = LockFolder(locked, true);
    if (!lockedReason.empty()) {
        EXPECT_EQ(runGenerator("locked"), 1);
        EXPECT_TRUE(Contains(errors, "cannot work in " + (locked / ".content-new").string() + ": " + lockedReason));
    }
    LockFolder(locked, false);

    // A run over the copied tree: a file the generator no longer makes goes,
    // the configuration stays, the music and the intro movie (made, or
    // taken from the user's cache) are the build's, byte for byte.
    WriteFile(directory / "data" / "menu" / "stale.bmp", "old");
    const std::string config = ReadFile(directory / "data" / "config.txt");
    ASSERT_EQ(runGenerator("."), 0) << errors;
    EXPECT_TRUE(Contains(output, " files ("));
    EXPECT_FALSE(fs::exists(directory / "data" / "menu" / "stale.bmp"));
    EXPECT_EQ(ReadFile(directory / "data" / "config.txt"), config);
    const fs::path music = fs::path("data") / "menu" / "Audio" / "StreamingSfx" / "RuvIdMenu.ogg";
    EXPECT_EQ(ReadFile(directory / music), ReadFile(fs::path(ZEPHYRA_RUN_DIR) / music));
    const std::string movie = ReadFile(directory / "intro.avi");
    EXPECT_EQ(movie.substr(0, 4) + movie.substr(8, 4), "RIFFAVI ");
    EXPECT_TRUE(movie == ReadFile(fs::path(ZEPHYRA_RUN_DIR) / "intro.avi"));
    EXPECT_FALSE(fs::exists(directory / ".content-new"));
    EXPECT_FALSE(fs::exists(directory / ".content-old"));
}

TEST_F(ExecutableTest, PlaysAMovieOnItsOwn)
{
    const std::vector<std::uint8_t> movie =
        WriteTestMovie(directory / "data" / "movie.avi", {.colours = {0x802020, 0x208020, 0x202080, 0x808020, 0x208080}});
    ASSERT_EQ(Run("--headless --movie 'data\\movie.avi' --shots shots --shot-frames 0,4"), 0) << errors;
    EXPECT_TRUE(std::filesystem::exists(directory / "shots" / "frame000000.png"));
    EXPECT_TRUE(std::filesystem::exists(directory / "shots" / "frame000004.png"));
    EXPECT_EQ(Log().find("***"), std::string::npos) << Log();
    EXPECT_TRUE(Log().ends_with("Exiting.\n")) << Log();

    WriteFile(directory / "data" / "cut.avi", std::string(movie.begin(), movie.begin() + 400));
    EXPECT_EQ(Run("--headless --movie 'data\\cut.avi'"), 1);
    EXPECT_TRUE(Contains(Log(), "***ERROR: DX3Application::PlayMovie: Failed to play movie <data\\cut.avi>"));
    EXPECT_EQ(Run("--headless --movie 'data\\nothing.avi'"), 1);
    EXPECT_TRUE(Contains(Log(), "***WARNING: DX3Application::PlayMovie: Movie <data\\nothing.avi> not found!"));
}

TEST_F(ExecutableTest, TheReleaseTreePlaysTheIntroUntilEscape)
{
    // The executable and its archive only: the movie is its member intro.avi.
    std::filesystem::remove_all(directory / "data");
    std::filesystem::copy_file(std::filesystem::path(ZEPHYRA_DIST_DIR) / "datafile.dat", directory / "datafile.dat");
    // Escape comes before the 76th picture, three seconds in.
    WriteFile(directory / "escape.txt", "zephyra-recording 1 seed 1\nframe 75 keydown 27 char 27\n");
    ASSERT_EQ(Run("--headless --movie intro.avi --replay escape.txt --shots shots --shot-frames 0,74,75,1259"), 0)
        << errors;
    EXPECT_EQ(Log().find("***"), std::string::npos) << Log();
    EXPECT_TRUE(Log().ends_with("Exiting.\n")) << Log();
    const std::string opening = ReadFile(directory / "shots" / "frame000000.png");
    const std::string skipped = ReadFile(directory / "shots" / "frame000074.png");
    EXPECT_FALSE(opening.empty());
    EXPECT_FALSE(skipped.empty());
    EXPECT_NE(opening, skipped) << "the movie stood still";
    EXPECT_FALSE(std::filesystem::exists(directory / "shots" / "frame000075.png"));
    EXPECT_FALSE(std::filesystem::exists(directory / "shots" / "frame001259.png"));
}

TEST_F(ExecutableTest, AnswersItsCommandLine)
{
    EXPECT_EQ(Run("--help"), 0);
    EXPECT_TRUE(Contains(output, "--headless"));
    EXPECT_EQ(Run("--version"), 0);
    EXPECT_EQ(output.rfind("zephyra ", 0), 0u);
    EXPECT_EQ(Run("--teleport"), 2);
    EXPECT_TRUE(Contains(errors, "unknown option <--teleport>"));
    EXPECT_EQ(Run("--headless --replay nowhere.txt"), 2);
    EXPECT_TRUE(Contains(errors, "cannot open the recording <nowhere.txt>"));
    EXPECT_FALSE(std::filesystem::exists(directory / "debug.txt"));
}

TEST_F(ExecutableTest, FailsWhenItCannotWriteWhatItWasAskedToWrite)
{
    EXPECT_EQ(Run("--headless --frames 3 --record /dev/full"), 2);
    EXPECT_TRUE(Contains(errors, "cannot write the recording </dev/full>: No space left on device"));

    const std::filesystem::path locked = directory / "locked";
    std::filesystem::create_directory(locked);
    const std::string lockedReason = LockFolder(locked, true);
    if (!lockedReason.empty()) {
        EXPECT_EQ(Run("--headless --frames 3 --shots locked"), 2);
        EXPECT_TRUE(Contains(errors, "cannot write into the folder <locked>: " + lockedReason));
    }
    LockFolder(locked, false);

    std::filesystem::remove(directory / "debug.txt");
    std::filesystem::create_directory(directory / "debug.txt");
    EXPECT_EQ(Run("--headless --frames 3"), 1);
    EXPECT_TRUE(Contains(errors, "Debug::CreateLogFile: Failed to create <debug.txt>: Is a directory"));
}

TEST_F(ExecutableTest, SaysSoWhenThereIsNoVideo)
{
    EXPECT_EQ(Run("--frames 5", "SDL_VIDEODRIVER=no-such-driver"), 255);
    EXPECT_TRUE(Contains(errors, "ERROR: Das Spiel benötigt eine Grafikausgabe"));
    EXPECT_FALSE(std::filesystem::exists(directory / "debug.txt"));

    // Without a display SDL would pick a driver that shows nothing.
    EXPECT_EQ(Run("--frames 5", "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER"), 255);
    EXPECT_TRUE(Contains(errors, "no display found"));
}

TEST_F(ExecutableTest, StartedInTheWrongFolderItSaysWhatIsMissing)
{
    std::filesystem::remove_all(directory / "data");
    EXPECT_EQ(Run("--headless --frames 5"), 3);
    // The configuration is read before the log exists: the terminal shows why.
    EXPECT_TRUE(Contains(errors, "Settings::Load could not open file <data\\config.txt>"));
    EXPECT_TRUE(Contains(Log(), "Factory: could not create\n\"\"\n"));
}

TEST_F(ExecutableTest, PlaysTheTitleMusicThroughTheSoundCard)
{
    // Three seconds of music where the title screen looks for it; SDL's
    // "disk" driver writes what the sound card would have played to a file.
    const std::filesystem::path music = directory / "data" / "menu" / "Audio" / "StreamingSfx" / "RuvIdMenu.ogg";
    std::filesystem::create_directories(music.parent_path());
    WriteFile(music, MakeOgg(44100, 2, 3 * 44100));
    ASSERT_EQ(Run("--frames 150", "SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=card.raw"), 0)
        << errors;
    EXPECT_TRUE(IsCleanRunLog(Log())) << Log();

    // The output is 16-bit stereo; the music fades in from silence, so
    // somewhere in it a sample must be clearly above the noise floor.
    const std::string card = ReadFile(directory / "card.raw");
    ASSERT_GT(card.size(), 44100u) << "less than a quarter of a second was played";
    int loudest = 0;
    for (std::size_t at = 0; at + 1 < card.size(); at += 2) {
        const auto sample = static_cast<std::int16_t>(static_cast<std::uint8_t>(card[at]) |
                                                      (static_cast<std::uint8_t>(card[at + 1]) << 8));
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    EXPECT_GT(loudest, 100);
}
