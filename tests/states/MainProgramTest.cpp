#include "MainProgram.h"
#include "SavingState.h"
#include "app/Debug.h"
#include "app/Factory.h"
#include "app/KeyboardInput.h"
#include "files/File.h"
#include "files/Scrambler.h"
#include "files/SettingsManager.h"
#include "files/WriteFaults.h"
#include "graphics/Image.h"
#include "graphics/SpriteManager.h"
#include "platform/VirtualKey.h"
#include "support/FileSizeLimit.h"
#include "support/HeadlessTest.h"

namespace {

std::vector<std::string> trace;

// A state that writes down every call it gets, with its name and level.
template <const char* Name> class TracingState : public GameState {
public:
    void Init(int level) override
    {
        Note("init " + std::to_string(level));
        initialised = true;
    }
    void Exit() override { Note("exit"); }
    void Update(float) override { Note("update"); }
    void Render() override { Note("render"); }
    void OnKeyDown(int key) override { Note("keydown " + std::to_string(key)); }
    void OnKeyUp(int key) override { Note("keyup " + std::to_string(key)); }
    void OnMouseMove(int x, int y) override { Note("move " + std::to_string(x) + "," + std::to_string(y)); }
    int Command(const char* name, int arg1, int arg2) override
    {
        Note(std::string("command ") + name);
        return arg1 + arg2;
    }

private:
    void Note(const std::string& call) { trace.push_back(std::string(Name) + " " + call); }
};

constexpr char menuName[] = "Menu";
constexpr char gameName[] = "Game";
const FactoryRegistration<GameState, TracingState<menuName>> menuRegistration("TestMenu");
const FactoryRegistration<GameState, TracingState<gameName>> gameRegistration("TestGame");

// A state that moves on to the game as soon as it starts.
class PassingState : public GameState {
public:
    void Init(int) override
    {
        trace.push_back("Passing init");
        MainProgram::GetInstance().SetProject("TestGame");
    }
    void Exit() override { trace.push_back("Passing exit"); }
    void Update(float) override { trace.push_back("Passing update"); }
    void Render() override {}
};
const FactoryRegistration<GameState, PassingState> passingRegistration("TestPassing");

} // namespace

class MainProgramTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        trace.clear();
    }
    MainProgram& Program() { return MainProgram::GetInstance(); }
};

TEST_F(MainProgramTest, SwitchesAtTheStartOfTheNextFrame)
{
    EXPECT_FALSE(Program().Render());
    EXPECT_FALSE(Program().IsStateInitialised());
    EXPECT_EQ(Program().Command("reset", 1, 2), 0);

    Program().SetGame("TestMenu", 4);
    EXPECT_TRUE(Program().IsStateInitialised());
    EXPECT_EQ(Program().GetCurrentStateName(), "TestMenu");
    EXPECT_EQ(Program().Command("reset", 1, 2), 3);

    Program().SetProject("TestGame");
    EXPECT_EQ(Program().GetCurrentStateName(), "TestMenu"); // still running
    Program().Update(0.02f);
    EXPECT_TRUE(Program().Render());

    // A changed level restarts the same state.
    Program().SetLevel(3);
    Program().Update(0.02f);
    EXPECT_EQ(Program().GetCurrentLevel(), 3);

    // A switch and a level in one frame: the new state gets the new level.
    Program().SetProject("TestMenu");
    Program().SetLevel(7);
    Program().Update(0.02f);
    SpriteInfo loaded;
    loaded.label = "menu_background";
    SpriteManager::GetInstance().AddSpriteInfo(loaded);
    Program().Shutdown();
    EXPECT_EQ(Program().GetCurrentState(), nullptr);
    EXPECT_EQ(SpriteManager::GetInstance().FindSpriteInfo("menu_background"), nullptr);

    const std::vector<std::string> expected = {"Menu init 4", "Menu move 512,384", "Menu command reset", "Menu exit",
                                               "Game init 4", "Game move 512,384", "Game update",        "Game render",
                                               "Game exit",   "Game init 3",       "Game move 512,384",  "Game update",
                                               "Game exit",   "Menu init 7",       "Menu move 512,384",  "Menu update",
                                               "Menu exit"};
    EXPECT_EQ(trace, expected);
}

TEST_F(MainProgramTest, ASwitchAskedForDuringInitWaitsForTheNextFrame)
{
    Program().SetGame("TestPassing", 2);
    EXPECT_EQ(Program().GetCurrentStateName(), "TestPassing");
    Program().Update(0.02f);
    EXPECT_EQ(Program().GetCurrentStateName(), "TestGame");
    EXPECT_EQ(trace, (std::vector<std::string>{"Passing init", "Passing exit", "Game init 2", "Game move 512,384",
                                               "Game update"}));
}

TEST_F(MainProgramTest, StartsWithTheConfiguredLevel)
{
    WriteFile("data/config.txt", "activeLevel 5\n");
    SettingsManager::GetInstance().LoadSettings("data\\config.txt");
    Program().SetGame("TestGame", -1);
    EXPECT_EQ(Program().GetCurrentLevel(), 5);
    EXPECT_EQ(trace.front(), "Game init 5");
}

TEST_F(MainProgramTest, DeliversEscapeOnceWhileItIsHeld)
{
    Program().SetGame("TestGame", 1);
    trace.clear();
    for (int repeat = 0; repeat < 5; ++repeat)
        Program().OnKeyDown(VirtualKey::Escape);
    Program().OnKeyDown('A');
    Program().OnKeyDown('A');
    Program().OnKeyUp(VirtualKey::Escape);
    Program().OnKeyDown(VirtualKey::Escape);
    EXPECT_EQ(trace, (std::vector<std::string>{"Game keydown 27", "Game keydown 65", "Game keydown 65", "Game keyup 27",
                                               "Game keydown 27"}));
    // The keyboard state sees every key, repeats included.
    EXPECT_EQ(KeyboardInput::GetInstance().GetLastKeyDown(), VirtualKey::Escape);
    Program().Update(0.02f);
    EXPECT_TRUE(KeyboardInput::GetInstance().WasPressed(VirtualKey::Escape));
}

TEST_F(MainProgramTest, HandsTheLastMousePositionToANewState)
{
    Program().OnMouseMove(10, 20); // no state yet: only remembered
    Program().SetGame("TestMenu", 1);
    Program().OnMouseMove(300, 400);
    Program().SetProject("TestGame");
    Program().Update(0.02f);
    EXPECT_EQ(trace, (std::vector<std::string>{"Menu init 1", "Menu move 10,20", "Menu move 300,400", "Menu exit",
                                               "Game init 1", "Game move 300,400", "Game update"}));
}

TEST_F(MainProgramTest, SavesAndLoadsASlot)
{
    Image picture;
    ASSERT_TRUE(picture.Create(4, 3, 24, true));
    EXPECT_FALSE(Program().SaveGame(3, picture));
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: MainProgram::SaveGame: Failed to save game, game-ptr is NULL!\n");
    StartLog();

    savingStateFails = false;
    Program().SetGame("TestSaving", 4);
    ASSERT_TRUE(Program().SaveGame(3, picture));
    // The savegame is scrambled; the picture is a 24-bit bitmap of 54 + 3 rows
    // of 12 bytes (no padding for width 4).
    std::string saved = ReadFile("savegames/savegame3.dat");
    const std::string expected =
        std::string("Kapitel 4 - RoomBurghof\n24.12.2026 18:30\nlevelNum 4\n") + savingStateBlock;
    ASSERT_EQ(saved.size(), expected.size());
    DescrambleBuffer(reinterpret_cast<unsigned char*>(saved.data()), saved.size());
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(ReadFile("savegames/savegame3.bmp").size(), 54u + 3 * 12);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("savegames"), std::filesystem::directory_iterator()),
              2);

    EXPECT_EQ(Program().LoadGame(3), 4);
    std::unique_ptr<File> pending = Program().TakePendingSavegame();
    ASSERT_NE(pending, nullptr);
    std::string line;
    ASSERT_TRUE(pending->ReadLine(line, 999));
    EXPECT_EQ(line, "OBJECT START");
    EXPECT_EQ(Program().TakePendingSavegame(), nullptr);
    EXPECT_EQ(ReadFile("debug.txt"), "Loading Savegame Kapitel 4 - RoomBurghof\n");

    // A save that fails half-way keeps the slot's savegame as it was.
    savingStateFails = true;
    const std::string before = ReadFile("savegames/savegame3.dat");
    EXPECT_FALSE(Program().SaveGame(3, picture));
    EXPECT_EQ(ReadFile("savegames/savegame3.dat"), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("savegames"), std::filesystem::directory_iterator()),
              2);

    // So does one that does not reach the disk, even with an unfinished
    // savegame of an earlier crash lying beside the slot.
    savingStateFails = false;
    WriteFile("savegames/savegame3.dat.new", "stale\n");
    {
        const FileSizeLimit limit(16);
        EXPECT_FALSE(Program().SaveGame(3, picture));
    }
    EXPECT_EQ(ReadFile("savegames/savegame3.dat"), before);
    EXPECT_FALSE(std::filesystem::exists("savegames/savegame3.dat.new"));

    // Under each injected write fault the save fails and the slot keeps
    // both files. The picture is written last (its savegame's text is three
    // writes); when only the picture fails the text is new already, but the
    // save still says it failed.
    const std::string pictureBefore = ReadFile("savegames/savegame3.bmp");
    Image other;
    ASSERT_TRUE(other.Create(5, 3, 24, true));
    for (const char* text :
         {"open", "short", "sync", "rename", "rename@3", "open@4", "short@4", "sync@4", "rename@4"}) {
        const WriteFault fault = *WriteFault::Parse(text);
        {
            const write_faults::InjectedWriteFault injected(fault);
            EXPECT_FALSE(Program().SaveGame(3, other)) << text;
        }
        if (fault.first != 4) {
            EXPECT_EQ(ReadFile("savegames/savegame3.dat"), before) << text;
        }
        EXPECT_EQ(ReadFile("savegames/savegame3.bmp"), pictureBefore) << text;
        EXPECT_EQ(
            std::distance(std::filesystem::directory_iterator("savegames"), std::filesystem::directory_iterator()), 2)
            << text;
    }
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "***ERROR: BmpLoader::Save: Failed to write file "
                                                "<savegames\\savegame3.bmp>.\n***ERROR: MainProgram::SaveGame: Failed "
                                                "to save game!\n"));
    // Without a fault the new picture takes the slot.
    ASSERT_TRUE(Program().SaveGame(3, other));
    EXPECT_EQ(ReadFile("savegames/savegame3.bmp").size(), 54u + 3 * 16);
}

TEST_F(MainProgramTest, RefusesSavegamesItCannotRead)
{
    EXPECT_EQ(Program().LoadGame(7), -1);
    const auto write = [](int slot, std::string text) {
        ScrambleBuffer(reinterpret_cast<unsigned char*>(text.data()), text.size());
        WriteFile("savegames/savegame" + std::to_string(slot) + ".dat", text);
    };
    const std::string whole = std::string("Titel\nDatum\nlevelNum 4\n") + savingStateBlock;
    write(8, "Titel\nDatum\nlevel 4\n");
    EXPECT_EQ(Program().LoadGame(8), -1);
    EXPECT_EQ(Program().TakePendingSavegame(), nullptr);
    EXPECT_EQ(
        ReadFile("debug.txt"),
        "***ERROR: MainProgram::LoadGame: Failed to open savegame <savegames\\savegame7.dat>!\n"
        "Loading Savegame Titel\n"
        "***ERROR: MainProgram::LoadGame: Savegame <savegames\\savegame8.dat> refused: no level this game knows!\n"
        "***ERROR: MainProgram::LoadGame: Failed to load game!\n");

    // Nothing of a savegame is used unless all of it is there: cut short
    // anywhere inside a block, damaged on the way, of a level this game
    // does not have, or without any state, it is refused whole.
    const std::vector<std::string> refused = {
        whole.substr(0, whole.size() - 3),    // the closing brace missing
        whole.substr(0, whole.find("value")), // cut inside the section
        whole + "OBJECT START\n",             // a block without its class
        whole + "\x01\x02garbage\n",          // bytes that are no text
        whole + "stray words\n",              // text outside a block
        "Titel\nDatum\nlevelNum 10\n" + std::string(savingStateBlock),
        "Titel\nDatum\nlevelNum 4\n",
        "Titel\nDatum\n",
    };
    for (const std::string& text : refused) {
        write(8, text);
        StartLog();
        EXPECT_EQ(Program().LoadGame(8), -1) << text;
        EXPECT_EQ(Program().TakePendingSavegame(), nullptr);
        EXPECT_NE(ReadFile("debug.txt").find("Failed to load game!"), std::string::npos);
    }
    // The same savegame whole loads, positioned at its first block.
    write(8, whole);
    EXPECT_EQ(Program().LoadGame(8), 4);
    std::unique_ptr<File> pending = Program().TakePendingSavegame();
    ASSERT_NE(pending, nullptr);
    std::string line;
    ASSERT_TRUE(pending->ReadLine(line, 999));
    EXPECT_EQ(line, "OBJECT START");
}
