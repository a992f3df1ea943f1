#include "GameParameters.h"
#include "HighscoreManager.h"
#include "MainProgram.h"
#include "MenuList.h"
#include "PlayerFileTest.h"
#include "SavingState.h"
#include "SharedMenus.h"
#include "app/Factory.h"
#include "audio/SoundEngine.h"
#include "files/File.h"
#include "graphics/BmpLoader.h"
#include "graphics/DirectDraw.h"
#include "graphics/Font.h"
#include "graphics/Image.h"
#include "graphics/SpeechBubbleDisplay.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteManager.h"
#include "graphics/TextDisplay.h"
#include "platform/VirtualKey.h"

#include <tuple>

namespace {

SharedMenus& Menus()
{
    return SharedMenus::GetInstance();
}

// An item as the page placed it: text, x, y, id.
using Placed = std::tuple<std::string, int, int, int>;

std::vector<Placed> Items(const MenuList& list)
{
    std::vector<Placed> placed;
    for (const MenuList::Item& item : list.GetItems())
        placed.emplace_back(item.text, item.x, item.y, item.id);
    return placed;
}

const MenuList::Item* FindItem(const MenuList& list, int id)
{
    for (const MenuList::Item& item : list.GetItems())
        if (item.id == id)
            return &item;
    return nullptr;
}

int Click(MenuList& list, int id)
{
    list.SetHoveredId(id);
    return Menus().SavegameBrowserClick(list);
}

class SharedMenusTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        StartLog();
    }

    bool Type(int key, int character)
    {
        return TypeKey(key, character, [] { return Menus().UpdateNameEntry(0.02f); });
    }
};

} // namespace

TEST_F(SharedMenusTest, SlotsAreFoundUpToAndIncludingTheirCellEdges)
{
    const int columns[] = {60, 384, 708};
    const int rows[] = {90, 290, 490};
    for (int slot = 0; slot < 9; ++slot) {
        const int left = columns[slot % 3];
        const int top = rows[slot / 3];
        EXPECT_EQ(SharedMenus::SlotAt(left, top), slot);
        EXPECT_EQ(SharedMenus::SlotAt(left + 256, top + 128), slot);
        EXPECT_EQ(SharedMenus::SlotAt(left + 256, top), slot);
        EXPECT_EQ(SharedMenus::SlotAt(left - 1, top), -1);
        EXPECT_EQ(SharedMenus::SlotAt(left + 257, top + 64), -1);
        EXPECT_EQ(SharedMenus::SlotAt(left + 128, top - 1), -1);
        EXPECT_EQ(SharedMenus::SlotAt(left + 128, top + 129), -1);
    }
    EXPECT_EQ(SharedMenus::SlotAt(-1, -1), -1);
    EXPECT_EQ(SharedMenus::SlotAt(137, 694), -1);
}

TEST_F(SharedMenusTest, TheBrowserAsksBeforeLoadingSavingAndOverwriting)
{
    // Slot 2 (index 1) holds a savegame, slot 3 one cut short; the others
    // are empty.
    WriteFile("savegames/savegame2.dat",
              Scrambled(std::string("Kapitel 2 - Strand\n01.01.2027 10:00\nlevelNum 2\n") + savingStateBlock));
    WriteFile("savegames/savegame3.dat", Scrambled("Kapitel 3 - Burg\n01.01.2027 11:00\nlevelNum 3\nOBJECT START\n"));
    MenuList list;
    const Placed back{"Zur\xFC" "ck", 137, 694, 0};

    // Loading: only the whole savegame can be hovered, asked about and
    // loaded; the damaged one cannot.
    Menus().InitSavegameBrowser(list, nullptr, false);
    EXPECT_EQ(Items(list), std::vector<Placed>{back});
    EXPECT_EQ(list.GetNavigationGroups(), (std::vector<std::vector<int>>{{-1, 1001, -1}, {-1, -1, -1}, {-1, -1, -1}, {0}}));
    Menus().UpdateSavegameBrowser(60, 90);
    EXPECT_EQ(list.GetHoveredId(), -1);
    Menus().UpdateSavegameBrowser(800, 150);
    EXPECT_EQ(list.GetHoveredId(), -1);
    Menus().UpdateSavegameBrowser(640, 218);
    EXPECT_EQ(list.GetHoveredId(), 1001);
    EXPECT_EQ(Click(list, 1000), 0);
    EXPECT_EQ(Click(list, 1002), 0);
    EXPECT_EQ(Items(list), std::vector<Placed>{back});

    const auto question = [&](const std::string& text, int slotX, int slotY) {
        return std::vector<Placed>{{text, slotX + 128, slotY + 22, -1},
                                   {"Ja", slotX + 64, slotY + 77, 6},
                                   {"Nein", slotX + 192, slotY + 77, 7},
                                   back};
    };
    EXPECT_EQ(Click(list, 1001), 0);
    EXPECT_EQ(Items(list), question("Spielstand laden?", 384, 90));
    EXPECT_EQ(list.GetNavigationGroups(), (std::vector<std::vector<int>>{{6, 7}, {0}}));
    EXPECT_EQ(Click(list, 7), 0); // "Nein": back to the grid
    EXPECT_EQ(Items(list), std::vector<Placed>{back});
    EXPECT_EQ(Click(list, 1001), 0);
    EXPECT_EQ(Click(list, 6), 3); // the caller loads slot 2
    EXPECT_EQ(Click(list, 0), 1);

    // Saving: every slot can be chosen; an empty one is saved into.
    savingStateFails = false;
    MainProgram::GetInstance().SetGame("TestSaving", 4);
    Image picture;
    ASSERT_TRUE(picture.Create(256, 128, 24, true));
    Menus().InitSavegameBrowser(list, &picture, true);
    EXPECT_EQ(list.GetNavigationGroups(),
              (std::vector<std::vector<int>>{{1000, 1001, 1002}, {1003, 1004, 1005}, {1006, 1007, 1008}, {0}}));
    EXPECT_EQ(Click(list, 1008), 0);
    EXPECT_EQ(Items(list), question("Spielstand speichern?", 708, 490));
    EXPECT_EQ(Click(list, 6), 0);
    EXPECT_EQ(Items(list), (std::vector<Placed>{{"Spielstand wurde gespeichert.", 512, 344, -1}, back}));
    EXPECT_TRUE(std::filesystem::exists("savegames/savegame9.dat"));
    EXPECT_TRUE(std::filesystem::exists("savegames/savegame9.bmp"));
    EXPECT_EQ(Click(list, 0), 1);
    EXPECT_EQ(ReadFile("debug.txt"), "");

    // A used slot is overwritten only after asking; a failed save says so
    // and leaves the slot as it was.
    const std::string before = ReadFile("savegames/savegame2.dat");
    const std::vector<Placed> failed{{"Spielstand konnte nicht<br>gespeichert werden.", 512, 344, -1}, back};
    savingStateFails = true;
    Menus().InitSavegameBrowser(list, &picture, true);
    EXPECT_EQ(Click(list, 1001), 0);
    EXPECT_EQ(Items(list), question("Spielstand \xFC" "berschreiben?", 384, 90));
    EXPECT_EQ(Click(list, 6), 0);
    EXPECT_EQ(Items(list), failed);
    EXPECT_EQ(ReadFile("savegames/savegame2.dat"), before);
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: MainProgram::SaveGame: Failed to save game!\n");

    // So does a save without a picture to store with it.
    StartLog();
    savingStateFails = false;
    Menus().InitSavegameBrowser(list, nullptr, true);
    Click(list, 1000);
    EXPECT_EQ(Click(list, 6), 0);
    EXPECT_EQ(Items(list), failed);
    EXPECT_FALSE(std::filesystem::exists("savegames/savegame1.dat"));
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: SharedMenus::SavegameBrowserClick: No screenshot to save with the game!\n");
}

TEST_F(SharedMenusTest, SlotPicturesAreReadFromTheDiskWhenFirstDrawn)
{
    ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 1024, 768, 32, false));
    for (const char* font : {"default", "menuSmall"})
        TextDisplay::GetInstance().RegisterFont(font, std::make_unique<Font>());
    Image picture;
    Image small;
    ASSERT_TRUE(picture.Create(256, 128, 24, true));
    ASSERT_TRUE(small.Create(4, 3, 24, true));
    const std::string savegame =
        Scrambled(std::string("Kapitel 2 <br>\n01.01.2027 10:00\nlevelNum 2\n") + savingStateBlock);
    WriteFile("savegames/savegame2.dat", savegame);
    ASSERT_TRUE(BmpLoader::GetInstance().Save("savegames\\savegame2.bmp", picture));
    WriteFile("savegames/savegame3.dat", savegame);
    ASSERT_TRUE(BmpLoader::GetInstance().Save("savegames\\savegame3.bmp", small));
    WriteFile("savegames/savegame4.dat", savegame);
    WriteFile("savegames/savegame4.bmp", "BM damaged");

    MenuList list;
    Menus().InitSavegameBrowser(list, nullptr, false);
    StartLog();
    SpriteManager& sprites = SpriteManager::GetInstance();
    EXPECT_FALSE(sprites.IsLoaded("savegame_sprite2"));
    Menus().DrawSavegameBrowser();
    Menus().DrawSavegameBrowser(); // read once, not every frame
    ASSERT_TRUE(sprites.IsLoaded("savegame_sprite2"));
    EXPECT_EQ(sprites.GetSprite("savegame_sprite2")->GetFullWidth(), 256);
    EXPECT_EQ(sprites.GetSprite("savegame_sprite2")->GetFullHeight(), 128);
    // A picture of another size or a damaged one is not shown; the slot
    // stays loadable.
    EXPECT_FALSE(sprites.IsLoaded("savegame_sprite3"));
    EXPECT_FALSE(sprites.IsLoaded("savegame_sprite4"));
    EXPECT_EQ(ReadFile("debug.txt"),
              "***WARNING: SharedMenus::DrawSavegameBrowser: The picture <savegames\\savegame3.bmp> is not 256 x 128, "
              "it is not shown\n"
              "***ERROR: BmpLoader::Load: Refused the bitmap <savegames\\savegame4.bmp>: shorter than the bitmap "
              "headers.\n");
    EXPECT_EQ(Click(list, 1003), 0);
    EXPECT_EQ(Click(list, 6), 5);
}

TEST_F(SharedMenusTest, OptionsHearVolumesAtOnceAndTakeTheRestOverOnBack)
{
    // The display offers 24 bits only at another size: not on offer.
    Host().GetDisplay().OfferModes({{1024, 768, 16}, {1024, 768, 32}, {800, 600, 24}});
    ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 1024, 768, 16, true));
    SoundEngine& sound = SoundEngine::GetInstance();
    const float volumes[] = {0.62f, 0.9f, 0.5f, 0.0f};
    for (int group = 0; group < 4; ++group)
        sound.SetGroupVolume(group, volumes[group]);
    GameParameters& parameters = GameParameters::GetInstance();

    MenuList list;
    Menus().InitOptions(list, false);
    EXPECT_EQ(FindItem(list, 9)->options, (MenuList::Options{{16, "16 Bit"}, {32, "32 Bit"}}));
    const MenuList::Item* music = FindItem(list, 1);
    ASSERT_EQ(music->options.size(), 21u);
    EXPECT_EQ(music->options[0], (std::pair<int, std::string>{0, "aus"}));
    EXPECT_EQ(music->options[20], (std::pair<int, std::string>{100, "100 %"}));
    EXPECT_EQ(music->value, 60);
    EXPECT_EQ(list.GetChoice(2), 90);
    EXPECT_EQ(list.GetChoice(3), 50);
    EXPECT_EQ(list.GetChoice(4), 0);
    // Steps a choice by key as the player does, then clicks.
    int depth = 0, height = 0, width = 0;
    const auto step = [&](int id, int key) {
        list.SetHoveredId(id);
        EXPECT_TRUE(list.OnKey(key));
        return Menus().OptionsClick(list, depth, height, width);
    };
    EXPECT_FALSE(step(1, MenuList::keyRight));
    EXPECT_FLOAT_EQ(sound.GetGroupVolume(0), 0.65f); // heard before leaving
    EXPECT_FALSE(step(4, MenuList::keyRight));
    EXPECT_FLOAT_EQ(sound.GetGroupVolume(3), 0.05f);
    EXPECT_FALSE(step(11, MenuList::keyRight));
    EXPECT_FALSE(step(11, MenuList::keyRight));
    EXPECT_FALSE(step(9, MenuList::keyRight));
    EXPECT_FALSE(step(13, MenuList::keyLeft));
    EXPECT_FALSE(step(12, MenuList::keyLeft));
    EXPECT_EQ(parameters.GetDifficulty(), 0); // not before "Zurück"
    EXPECT_TRUE(parameters.IsLightMapping());
    EXPECT_TRUE(SpeechBubbleDisplay::GetInstance().IsEnabled());

    list.SetHoveredId(0);
    EXPECT_TRUE(Menus().OptionsClick(list, depth, height, width));
    EXPECT_EQ(std::make_tuple(depth, height, width), std::make_tuple(32, 768, 1024));
    EXPECT_EQ(parameters.GetDifficulty(), 2);
    EXPECT_FALSE(parameters.IsLightMapping());
    EXPECT_FALSE(SpeechBubbleDisplay::GetInstance().IsEnabled());
    EXPECT_FLOAT_EQ(sound.GetGroupVolume(1), 0.9f);
    EXPECT_FLOAT_EQ(sound.GetGroupVolume(2), 0.5f);

    // In the game: no display rows, speech bubbles and volumes higher up,
    // and the difficulty is shown but kept.
    Menus().InitOptions(list, true);
    EXPECT_EQ(FindItem(list, 9), nullptr);
    EXPECT_EQ(FindItem(list, 13), nullptr);
    EXPECT_EQ(FindItem(list, 12)->y, 348);
    EXPECT_EQ(FindItem(list, 1)->y, 533);
    EXPECT_EQ(list.GetChoice(11), 2);
    EXPECT_EQ(list.GetChoice(1), 65);
    EXPECT_FALSE(step(11, MenuList::keyLeft));
    EXPECT_FALSE(step(12, MenuList::keyRight));
    EXPECT_FALSE(step(2, MenuList::keyLeft));
    EXPECT_FLOAT_EQ(sound.GetGroupVolume(1), 0.85f);
    list.SetHoveredId(0);
    EXPECT_TRUE(Menus().OptionsClick(list, depth, height, width));
    EXPECT_EQ(std::make_tuple(depth, height, width), std::make_tuple(16, 768, 1024));
    EXPECT_EQ(parameters.GetDifficulty(), 2);
    EXPECT_TRUE(SpeechBubbleDisplay::GetInstance().IsEnabled());
}

TEST_F(SharedMenusTest, TheTypedNameGoesIntoItsRowAndIsSaved)
{
    // The field measures with the font "menu": here only its spaces, 20
    // pixels each, take room, so nine fit into the 180 pixels.
    auto font = std::make_unique<Font>();
    font->SetMetrics(20, 0, 30);
    TextDisplay::GetInstance().RegisterFont("menu", std::move(font));
    const std::string name = "U" + std::string(9, ' ') + "t\xE4";

    MenuList list;
    // The taxi shooter's table: 3000, 2800, 2600, 2400, ... so 2500 is fourth.
    Menus().StartNameEntry(list, 1, 2500, 40);
    EXPECT_TRUE(Menus().IsNameEntryRunning());
    EXPECT_EQ(Items(list), (std::vector<Placed>{{"Highscores", 512, 160, -1}}));
    const HighscoreTable& table = HighscoreManager::GetInstance().GetTable(1);
    EXPECT_EQ(table.GetScore(3), 2500);
    EXPECT_EQ(table.GetName(3), "");
    EXPECT_EQ(table.GetScore(4), 2400);

    EXPECT_FALSE(Type('U', 'U'));
    for (int space = 0; space < 10; ++space)
        EXPECT_FALSE(Type(VirtualKey::Space, ' '));
    EXPECT_FALSE(Type('T', 't'));
    EXPECT_FALSE(Type(VirtualKey::Oem7, 0xE4));
    EXPECT_FALSE(Type('6', '&')); // refused: it would be markup
    // While typing, the row shows the name, with the bar when it blinks.
    EXPECT_TRUE(table.GetName(3) == name || table.GetName(3) == name + "|") << table.GetName(3);
    EXPECT_FALSE(std::filesystem::exists("highscores.dat"));

    EXPECT_TRUE(Type(VirtualKey::Return, 0));
    EXPECT_FALSE(Menus().IsNameEntryRunning());
    EXPECT_EQ(table.GetName(3), name);
    SingletonRegistry::DestroyAll();
    ASSERT_TRUE(HighscoreManager::GetInstance().Load());
    EXPECT_EQ(HighscoreManager::GetInstance().GetTable(1).GetName(3), name);
    EXPECT_EQ(HighscoreManager::GetInstance().GetTable(1).GetScore(3), 2500);

    // The minigame's page then leads on with "Weiter".
    Menus().InitHighscores(list, 1, 40, true);
    EXPECT_EQ(Items(list), (std::vector<Placed>{{"Highscores", 512, 160, -1}, {"Weiter", 512, 570, 0}}));
    EXPECT_FALSE(Menus().HighscoresDone());
    list.SetHoveredId(0);
    EXPECT_TRUE(Menus().HighscoresDone());
}

TEST_F(SharedMenusTest, CatapultScoresAreDistancesInHundredths)
{
    EXPECT_EQ(SharedMenus::FormatScore(2, 5000), "50,00");
    EXPECT_EQ(SharedMenus::FormatScore(2, 4205), "42,05");
    EXPECT_EQ(SharedMenus::FormatScore(2, 7), "0,07");
    EXPECT_EQ(SharedMenus::FormatScore(2, -250), "-2,50");
    EXPECT_EQ(SharedMenus::FormatScore(0, 4205), "4205");
    EXPECT_EQ(SharedMenus::FormatScore(3, -7), "-7");
}

TEST_F(SharedMenusTest, CreditsEndWhenTheirLastLineHasScrolledOff)
{
    // Without the text only the end of the empty page is waited for: 800
    // pixels at 70 a second.
    Menus().StartCredits();
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: LoadCreditsText::LoadCreditsText: Failed to open <data\\credits.txt>!\n");
    EXPECT_FALSE(Menus().UpdateCredits(11.4f)); // 798 pixels
    EXPECT_TRUE(Menus().UpdateCredits(0.05f));

    // Three lines (a heading, a line, a gap) end 180 pixels later.
    StartLog();
    WriteFile("data/credits.txt", "{Titel\r\nZeile\r\n\r\n");
    Menus().StartCredits();
    EXPECT_EQ(Menus().GetCreditsScroll(), 0.0f);
    EXPECT_FALSE(Menus().UpdateCredits(13.95f)); // 976.5 pixels
    EXPECT_TRUE(Menus().UpdateCredits(0.1f));
    EXPECT_EQ(ReadFile("debug.txt"), "");
}
