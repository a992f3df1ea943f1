#include "GameRuvId.h"
#include "MainProgram.h"
#include "adventure/Cast.h"
#include "adventure/Flag.h"
#include "files/Scrambler.h"
#include "graphics/Image.h"
#include "support/HeadlessTest.h"

#include <string>

namespace {

// A made-up episode: no art, no sounds, no rooms; its settings file makes
// one flag by its class and sets its start value.
constexpr const char* settings = "# ------------------------------------------------ Flags|Tor\n"
                                 "DYNAMIC OBJECT START\n"
                                 "class type: \"class Flag\"\n"
                                 "[Flag] \"Flags|Tor\"\n"
                                 "{\n"
                                 "    \"start value\" 3\n"
                                 "}\n"
                                 "\n"
                                 "OBJECT START\n"
                                 "class type: \"class Flag\"\n"
                                 "[Flag] \"Flags|Nirgends\"\n"
                                 "{\n"
                                 "    \"start value\" 9\n"
                                 "}\n";

Flag* Tor()
{
    return Cast::GetInstance().FindAs<Flag>("Flags|Tor");
}

class GameRuvIdTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        WriteFile("data/level01/sprites.txt", "");
        WriteFile("data/sharedadventure/sprites.txt", "");
        WriteFile("data/sharedadventure/sfx.txt", "");
        WriteFile("data/level01/settings/settings.txt", settings);
    }
};

} // namespace

TEST_F(GameRuvIdTest, TheSettingsFileMakesItsElementsAndASavegameBringsTheirStateBack)
{
    MainProgram& program = MainProgram::GetInstance();
    program.SetGame("GameRuvId", 1);
    // The dynamic block made the flag and filled it; the plain block names
    // nothing there is and is passed over.
    ASSERT_NE(Tor(), nullptr);
    EXPECT_EQ(Tor()->GetStartValue(), 3);
    EXPECT_EQ(Tor()->GetValue(), 3);
    EXPECT_EQ(Cast::GetInstance().Find("Flags|Nirgends"), nullptr);

    Tor()->SetValue(7);
    Image picture;
    ASSERT_TRUE(picture.Create(256, 128, 24, true));
    ASSERT_TRUE(program.SaveGame(1, picture));
    std::string saved = ReadFile("savegames/savegame1.dat");
    DescrambleBuffer(reinterpret_cast<unsigned char*>(saved.data()), saved.size());
    EXPECT_TRUE(saved.starts_with("Kapitel 1 - \n")) << saved;
    EXPECT_TRUE(Contains(saved, "\nlevelNum 1\n# ------------------------------------------------ Sound Engine\n"
                                "OBJECT START\n"));
    EXPECT_TRUE(Contains(saved, "# ------------------------------------------------ Flags|Tor\n"
                                "DYNAMIC OBJECT START\n"
                                "class type: \"class Flag\"\n"
                                "[Flag] \"Flags|Tor\"\n"
                                "{\n"
                                "    \"value\" 7\n"));

    // Loaded, the game starts over with the level's files and then takes
    // the saved state.
    Tor()->SetValue(0);
    ASSERT_EQ(program.LoadGame(1), 1);
    program.SetProject("GameRuvId");
    program.Update(0.01f);
    ASSERT_NE(Tor(), nullptr);
    EXPECT_EQ(Tor()->GetValue(), 7);
    EXPECT_EQ(Tor()->GetStartValue(), 3);
    EXPECT_EQ(CountOf(ReadFile("debug.txt"), "Active Level: 1\n"), 2u);

    // A minigame this build cannot play yet leads back to the main menu.
    StartLog();
    program.SetLevel(8);
    program.Update(0.01f);
    EXPECT_TRUE(Contains(ReadFile("debug.txt"),
                         "Active Level: 8\n"
                         "***ERROR: GameRuvId::Init: Level 8 is a minigame that this build cannot play yet!\n"));
    EXPECT_FALSE(program.IsStateInitialised());
    EXPECT_EQ(Cast::GetInstance().GetEntries().size(), 0u);
}
