#include "GameRuvId.h"
#include "MadeUpEpisode.h"
#include "MainProgram.h"
#include "adventure/Cast.h"
#include "adventure/Character.h"
#include "adventure/Door.h"
#include "adventure/Flag.h"
#include "adventure/Inventory.h"
#include "adventure/Item.h"
#include "adventure/Room.h"
#include "adventure/RuvIdLevelAdventure.h"
#include "files/Scrambler.h"
#include "graphics/DirectDraw.h"
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

    // A level whose data is not in the game, such as an episode the story
    // reaches before it is made, leads back to the main menu.
    StartLog();
    program.SetProject("GameRuvId");
    program.SetLevel(2);
    program.Update(0.01f);
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "***ERROR: GameRuvId::Init: Level 2 has no data in this game!\n"));
    EXPECT_FALSE(program.IsStateInitialised());
    EXPECT_EQ(program.GetPendingStateName(), "GameRuvIdMenu");
}

TEST_F(GameRuvIdTest, EveryKindOfElementComesBackFromASavegameAsItWasSaved)
{
    using namespace made_up_episode;
    ASSERT_TRUE(Window().Create({"Test", 1024, 768, false}));
    ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 1024, 768, 32, false));
    made_up_episode::Write();
    MainProgram& program = MainProgram::GetInstance();
    program.SetGame("GameRuvId", 1);
    const Cast& cast = Cast::GetInstance();
    const auto episode = [&cast] { return cast.FindAs<RuvIdLevelAdventure>("Level01Settings"); };
    ASSERT_NE(episode(), nullptr);
    ASSERT_EQ(episode()->GetRoom(), cast.FindAs<Room>(engineRoom));

    // Played a while: the tape picked up, the hatch gone, the shell taken
    // off the beach, the mechanic and Juna moved and turned, the flag
    // raised, and Juna on the beach. None of it is how the level starts.
    Inventory::GetInstance().AddItemSilently(tape);
    cast.FindAs<Item>(tape)->SetActive(false);
    cast.FindAs<Item>(shell)->SetActive(false);
    cast.FindAs<Door>(hatch)->SetActive(false);
    cast.FindAs<Flag>(hatchOpen)->SetValue(2);
    Character& mechanicFigure = *cast.FindAs<Character>(mechanic);
    mechanicFigure.SetPosition(610, 590);
    mechanicFigure.SetOrient(Entity::right);
    episode()->RequestRoom(beach);
    episode()->DoSetRoom();
    ASSERT_EQ(episode()->GetRoom(), cast.FindAs<Room>(beach));
    Character& juna = episode()->GetPlayer()->GetCharacter();
    juna.SetPosition(333, 444);
    juna.SetOrient(Entity::leftUp);

    Image picture;
    ASSERT_TRUE(picture.Create(256, 160, 24, true));
    ASSERT_TRUE(program.SaveGame(1, picture));
    ASSERT_EQ(program.LoadGame(1), 1);
    program.SetProject("GameRuvId");
    program.Update(0.01f);
    ASSERT_TRUE(program.IsStateInitialised());
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "Loading Savegame Kapitel 1 - RoomStrand\n"));

    // The level was built anew from its files and then took the saved
    // state of every element.
    ASSERT_NE(episode(), nullptr);
    EXPECT_EQ(episode()->GetRoom(), cast.FindAs<Room>(beach));
    const Character& loadedJuna = episode()->GetPlayer()->GetCharacter();
    EXPECT_EQ(loadedJuna.GetPosition().x, 333.0f);
    EXPECT_EQ(loadedJuna.GetPosition().y, 444.0f);
    EXPECT_EQ(loadedJuna.GetOrient(), Entity::leftUp);
    const Character& loadedMechanic = *cast.FindAs<Character>(mechanic);
    EXPECT_EQ(loadedMechanic.GetPosition().x, 610.0f);
    EXPECT_EQ(loadedMechanic.GetPosition().y, 590.0f);
    EXPECT_EQ(loadedMechanic.GetOrient(), Entity::right);
    EXPECT_FALSE(cast.FindAs<Door>(hatch)->IsActive());
    EXPECT_FALSE(cast.FindAs<Item>(tape)->IsActive());
    EXPECT_FALSE(cast.FindAs<Item>(shell)->IsActive());
    EXPECT_EQ(cast.FindAs<Item>(shell)->GetPosition().x, 800.0f);
    EXPECT_EQ(Inventory::GetInstance().GetItems(), std::vector<std::string>{tape});
    EXPECT_EQ(cast.FindAs<Flag>(hatchOpen)->GetValue(), 2);

    // Saved again at once, the game holds the same state (the date aside).
    ASSERT_TRUE(program.SaveGame(2, picture));
    const auto body = [](const char* name) {
        std::string text = ReadFile(name);
        DescrambleBuffer(reinterpret_cast<unsigned char*>(text.data()), text.size());
        return text.substr(0, text.find('\n')) + text.substr(text.find("\nlevelNum"));
    };
    EXPECT_EQ(body("savegames/savegame2.dat"), body("savegames/savegame1.dat"));
}
