// The real game killed while it saves. A recording saves over and over:
// the difficulty changed on the options page, a new game, a quick save and
// a save into a slot, back to the title, again. Every write is slowed down
// (ZEPHYRA_WRITE_FAULT=slow:MS) so that kills land inside writes often, and
// the game is killed with SIGKILL at random moments. After each kill every
// file the game keeps must be whole and readable by the game's own readers,
// and the next start must be clean: no error, and no temporary file of the
// killed write left anywhere.
//
// ZEPHYRA_SAVE_KILLS sets the number of kills (default 4),
// ZEPHYRA_SAVE_KILL_SEED the seed of their moments (default: the time; it
// is printed either way). scripts/save-kills runs it with many kills.

#include "ExecutableRun.h"
#include "HighscoreManager.h"
#include "SavegameCheck.h"
#include "Walkthrough.h"
#include "files/File.h"
#include "files/HostPath.h"
#include "graphics/BmpLoader.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace walkthrough;

constexpr int keyRight = 39;
constexpr int keyQuickSave = 113;
constexpr int savedSlots = 2;
constexpr int rounds = 2;
constexpr const char* slowWrites = "slow:25";

int FromEnvironment(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::atoi(value) : fallback;
}

// A game saved into slot 9 before the rounds, so that the title's items
// stay where they are: "Neues Spiel", "Spiel laden", "Minispiele",
// "Highscore", "Optionen".
RecordedInput FirstSave()
{
    RecordedInput input;
    input.At(15).Press(keyDown).Press(keyEnter).Wait(25).Key(keyEnter, keyEnter).Wait(20);
    Save(input, 9).Click(325, 645).Wait(10).Click(428, 410).Wait(40).Press(keyEscape);
    return input;
}

// Round after round from the title: "Optionen", the difficulty one step
// on (after "Schwer" it is "Leicht" again), leaving the page saves it; "Neues Spiel",
// the opening skipped, a quick save, a save into the round's slot, "Spiel
// beenden".
RecordedInput SavingRounds()
{
    RecordedInput input;
    input.At(15);
    for (int round = 0; round < rounds; ++round) {
        input.Move(4, 4).Wait(5);
        input.Press(keyDown, 5).Press(keyEnter).Wait(10).Press(keyDown).Press(keyRight);
        input.Press(keyEscape).Wait(10);
        input.Press(keyDown).Press(keyEnter).Wait(25).Key(keyEnter, keyEnter).Wait(20);
        input.Key(keyQuickSave).Wait(5);
        Save(input, 1 + round % savedSlots).Click(325, 645).Wait(10).Click(428, 410).Wait(40);
    }
    return input;
}

// The game's files, as its readers find them.
struct SavedFiles {
    int difficulty = -1; // -1: the options were refused
    bool highscoresRead = false;
    std::vector<std::string> savegames; // without their dates; "" where missing, "?" where refused
    std::vector<std::string> pictures;  // the bytes; "?" where the game cannot read one
};

class SaveKillTest : public ExecutableRun {
protected:
    SavedFiles Read()
    {
        SavedFiles files;
        ForgetFolderListings(); // the game has changed the folders
        InDirectory([&files, this] {
            GameParameters parameters;
            if (parameters.Load())
                files.difficulty = parameters.GetDifficulty();
            HighscoreManager highscores;
            files.highscoresRead = highscores.Load();
            for (int slot = 0; slot <= savedSlots; ++slot) {
                const std::string name = "savegames\\savegame" + std::to_string(slot) + ".dat";
                std::string text;
                if (std::filesystem::exists(directory / "savegames" / ("savegame" + std::to_string(slot) + ".dat"))) {
                    File file;
                    SavegameCheck::Header header;
                    std::string fault;
                    text = file.OpenMemory(name.c_str(), "r") && SavegameCheck::Check(file, header, fault)
                               ? WithoutDate(Savegame(slot))
                               : "?";
                }
                files.savegames.push_back(text);
                const std::string picture = "savegames\\savegame" + std::to_string(slot) + ".bmp";
                std::string bytes;
                if (File::ExistsOnDisk(picture.c_str())) {
                    BmpLoader::Result result = BmpLoader::Result::Loaded;
                    bytes = BmpLoader::GetInstance().Read(picture.c_str(), result) != nullptr
                                ? ReadFile(directory / "savegames" / ("savegame" + std::to_string(slot) + ".bmp"))
                                : "?";
                }
                files.pictures.push_back(bytes);
            }
        });
        return files;
    }

    // What a killed write leaves: temporary files, unscrambled savegames.
    std::vector<std::string> Unfinished() const
    {
        std::vector<std::string> names;
        for (const std::filesystem::path& folder : {directory, directory / "savegames"}) {
            if (!std::filesystem::exists(folder))
                continue;
            for (const auto& entry : std::filesystem::directory_iterator(folder)) {
                const std::string name = entry.path().filename().string();
                if (Contains(name, ".tmp-") || name.ends_with(".new"))
                    names.push_back(name);
            }
        }
        return names;
    }

    // Starts the recording with slow writes; kills the game after `delay`
    // unless it ended before. True when it was killed.
    bool RunAndKill(std::chrono::microseconds delay)
    {
        // The child only calls what is safe between fork and exec: its
        // environment is made here.
        const std::string fault = std::string("ZEPHYRA_WRITE_FAULT=") + slowWrites;
        std::vector<char*> environment;
        for (char** variable = environ; *variable != nullptr; ++variable)
            environment.push_back(*variable);
        environment.push_back(const_cast<char*>(fault.c_str()));
        environment.push_back(nullptr);
        const pid_t child = ::fork();
        if (child < 0) {
            ADD_FAILURE() << "cannot start the game: " << std::strerror(errno);
            return false;
        }
        if (child == 0) {
            if (::chdir(directory.c_str()) != 0)
                ::_exit(127);
            const int printed = ::open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(printed, 1);
            ::dup2(printed, 2);
            ::execle(ZEPHYRA_EXECUTABLE, "zephyra", "--headless", "--replay", "keys.txt", static_cast<char*>(nullptr),
                     environment.data());
            ::_exit(127);
        }
        std::this_thread::sleep_for(delay);
        const bool killed = ::kill(child, SIGKILL) == 0;
        int status = 0;
        ::waitpid(child, &status, 0);
        return killed && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }
};

} // namespace

TEST_F(SaveKillTest, AGameKilledWhileSavingKeepsWholeFilesAndStartsClean)
{
    const int kills = FromEnvironment("ZEPHYRA_SAVE_KILLS", 4);
    const unsigned seed =
        static_cast<unsigned>(FromEnvironment("ZEPHYRA_SAVE_KILL_SEED", static_cast<int>(std::time(nullptr))));
    std::printf("SaveKillTest: %d kills, seed %u\n", kills, seed);
    SaveDifficulty(0);
    InDirectory([] { EXPECT_TRUE(HighscoreManager().Save()); });
    const std::string highscores = ReadFile(directory / "highscores.dat");
    WriteFile(directory / "first.txt", FirstSave().Text());
    ASSERT_EQ(Run("--headless --replay first.txt"), 0) << errors;
    ASSERT_FALSE(Savegame(9).empty());
    const RecordedInput input = SavingRounds();
    WriteFile(directory / "keys.txt", input.Text());

    // The whole recording once, not killed: every save succeeds, and what it
    // leaves is what every save of a slot writes (the state is the same in
    // each round, but for the date).
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Run("--headless --replay keys.txt", std::string("ZEPHYRA_WRITE_FAULT=") + slowWrites), 0) << errors;
    const auto length = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_TRUE(Contains(errors, std::string("ZEPHYRA_WRITE_FAULT=") + slowWrites + ": each block and commit waits"));
    const std::string log = Log();
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    EXPECT_EQ(CountOf(log, "ScreenNotice: Schnell gespeichert.\n"), static_cast<std::size_t>(rounds)) << log;
    const SavedFiles whole = Read();
    EXPECT_EQ(whole.difficulty, rounds % 3);
    EXPECT_TRUE(whole.highscoresRead);
    for (int slot = 0; slot <= savedSlots; ++slot) {
        EXPECT_TRUE(whole.savegames[slot].starts_with("Kapitel 1 - ")) << slot << "\n" << whole.savegames[slot];
        EXPECT_NE(whole.pictures[slot], "") << slot;
        EXPECT_NE(whole.pictures[slot], "?") << slot;
    }
    EXPECT_TRUE(Unfinished().empty());

    std::mt19937 random(seed);
    std::uniform_int_distribution<long> moment(0, length.count());
    int killed = 0;
    int insideWrites = 0;
    int removedAtStart = 0;
    std::vector<std::string> leftBefore;
    for (int kill = 0; kill < kills; ++kill) {
        const long delay = moment(random);
        if (!RunAndKill(std::chrono::microseconds(delay)))
            continue;
        ++killed;
        // A ".new" text an earlier kill left stays until that file's next
        // save: only names that were not there before this run count.
        const std::vector<std::string> unfinished = Unfinished();
        insideWrites += std::any_of(unfinished.begin(), unfinished.end(), [&](const std::string& name) {
            return std::find(leftBefore.begin(), leftBefore.end(), name) == leftBefore.end();
        });

        // Each file is one the game wrote whole: the options with one of the
        // three difficulties, the highscores untouched, each slot's savegame
        // and picture as every save of it writes them, or still missing.
        const SavedFiles files = Read();
        const std::string when = "kill " + std::to_string(kill) + " after " + std::to_string(delay) + " us";
        EXPECT_TRUE(files.difficulty >= 0 && files.difficulty <= 2) << when;
        EXPECT_EQ(ReadFile(directory / "highscores.dat"), highscores) << when;
        for (int slot = 0; slot <= savedSlots; ++slot) {
            if (!files.savegames[slot].empty()) {
                EXPECT_EQ(files.savegames[slot], whole.savegames[slot]) << when << ", slot " << slot;
            }
            if (!files.pictures[slot].empty()) {
                EXPECT_TRUE(files.pictures[slot] == whole.pictures[slot]) << when << ", slot " << slot;
            }
        }

        // The next start removes the temporary files of the killed write and
        // says so; what stays is at most the unscrambled text of a savegame
        // or of the options, which their next save replaces.
        ASSERT_EQ(Run("--headless --frames 3"), 0) << when << "\n" << errors;
        const std::string next = Log();
        EXPECT_EQ(next.find("***"), std::string::npos) << when << "\n" << next;
        for (const std::string& name : unfinished) {
            if (Contains(name, ".tmp-")) {
                EXPECT_TRUE(Contains(next, "MainProgram: Removed <" + name + ">, left by an unfinished write\n"))
                    << when;
                ++removedAtStart;
            }
        }
        leftBefore = Unfinished();
        for (const std::string& name : leftBefore)
            EXPECT_TRUE(name.ends_with(".new")) << when << ": " << name;
    }
    EXPECT_GT(killed, 0) << "no run was killed: the kill moments all came after the game's end";
    std::printf("SaveKillTest: %d of %d runs killed, %d of them inside a write; %d temporary files removed at the "
                "next start\n",
                killed, kills, insideWrites, removedAtStart);
}
