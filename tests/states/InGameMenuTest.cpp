#include "GameParameters.h"
#include "InGameMenu.h"
#include "MainProgram.h"
#include "SavingState.h"
#include "adventure/DialogueLog.h"
#include "adventure/Level.h"
#include "audio/SoundEngine.h"
#include "files/Scrambler.h"
#include "graphics/BmpLoader.h"
#include "graphics/Image.h"
#include "support/HeadlessTest.h"

#include <string>
#include <tuple>
#include <vector>

namespace {

// A level that counts what the menu tells it.
class WatchedLevel : public Level {
public:
    void OnMenuOpened() override { ++opened; }
    void OnMenuClosed() override { ++closed; }
    void OnMouseMove(int x, int y) override { moves.emplace_back(x, y); }

    int opened = 0;
    int closed = 0;
    std::vector<std::pair<int, int>> moves;
};

using Placed = std::tuple<std::string, int, int, int>;

std::vector<Placed> Items(const InGameMenu& menu)
{
    std::vector<Placed> placed;
    for (const MenuList::Item& item : menu.GetMenuList().GetItems())
        placed.emplace_back(item.text, item.x, item.y, item.id);
    return placed;
}

bool PressEscape(InGameMenu& menu)
{
    bool activated = false;
    return menu.OnKeyDown(InGameMenu::keyEscape, activated);
}

void Click(InGameMenu& menu, int id)
{
    menu.GetMenuList().SetHoveredId(id);
    menu.OnClick();
}

const Placed quit{"Spiel beenden", 325, 634, 3};

} // namespace

using InGameMenuTest = LoggedTest;

TEST_F(InGameMenuTest, TheMainPageOffersWhatTheGameAllows)
{
    WatchedLevel level;
    InGameMenu menu;
    GameParameters::GetInstance().SetSavingAllowed(true);
    menu.Start(&level, 1, false, false);
    menu.SetState(InGameMenu::mainPage);
    EXPECT_EQ(Items(menu), (std::vector<Placed>{{"Weiterspielen", 541, 209, 4},
                                                {"Spiel speichern", 504, 276, 1},
                                                {"Optionen", 467, 343, 7},
                                                {"Gespr\xE4" "che", 430, 410, 8},
                                                quit}));

    // With a savegame on the disk "Spiel laden" comes after saving.
    menu.Start(&level, 1, false, true);
    menu.SetState(InGameMenu::mainPage);
    EXPECT_EQ(Items(menu), (std::vector<Placed>{{"Weiterspielen", 541, 209, 4},
                                                {"Spiel speichern", 504, 276, 1},
                                                {"Spiel laden", 467, 343, 2},
                                                {"Optionen", 430, 410, 7},
                                                {"Gespr\xE4" "che", 393, 477, 8},
                                                quit}));

    // The closing credits and a minigame started from the main menu save
    // nothing, and have no dialogue log.
    menu.Start(&level, 7, true, true);
    menu.SetState(InGameMenu::mainPage);
    EXPECT_EQ(Items(menu), (std::vector<Placed>{{"Weiterspielen", 541, 209, 4},
                                                {"Spiel laden", 504, 276, 2},
                                                {"Optionen", 467, 343, 7},
                                                quit}));
    GameParameters::GetInstance().SetSavingAllowed(false);
    menu.Start(&level, 8, false, false);
    menu.SetState(InGameMenu::mainPage);
    EXPECT_EQ(Items(menu), (std::vector<Placed>{{"Weiterspielen", 541, 209, 4}, {"Optionen", 504, 276, 7}, quit}));
    GameParameters::GetInstance().SetSavingAllowed(true);

    // Saving without a screenshot (no display here) says so and stays.
    Click(menu, InGameMenu::idSave);
    EXPECT_EQ(menu.GetState(), InGameMenu::mainPage);
    EXPECT_EQ(ReadFile("debug.txt"),
              "***ERROR: GameRuvId::MenuOnLButtonDown: No Screenshot available, can't initialize savegame-browser!\n");

    // The quit question, and an unknown page that changes nothing.
    Click(menu, InGameMenu::idQuit);
    EXPECT_EQ(Items(menu), (std::vector<Placed>{{"Spiel wirklich<br>beenden?", 500, 270, -1},
                                                {"Ja", 428, 400, 5},
                                                {"Nee", 403, 460, 6}}));
    StartLog();
    menu.SetState(8);
    EXPECT_EQ(menu.GetState(), InGameMenu::quitQuestion);
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: GameRuvId::SetMenuState: Unknown Menustate 8!\n");
}

TEST_F(InGameMenuTest, TheDialogueLogTurnsItsPagesAndGoesBackWhereItWasOpened)
{
    DialogueLog& log = DialogueLog::GetInstance();
    log.Clear();
    for (int line = 0; line < 10; ++line)
        log.Add({line % 2 == 0 ? "Juna" : "KIRA", "Satz<br>" + std::to_string(line), ""});
    const auto rows = [](const InGameMenu& menu) {
        std::vector<std::string> texts;
        for (const MenuList::Item& item : menu.GetMenuList().GetItems())
            texts.push_back(item.text);
        return texts;
    };

    // From the main page: the newest seven lines, the way to older ones,
    // none to newer ones.
    WatchedLevel level;
    InGameMenu menu;
    menu.Start(&level, 1, false, false);
    menu.SetState(InGameMenu::mainPage);
    Click(menu, InGameMenu::idDialogueLog);
    EXPECT_EQ(menu.GetState(), InGameMenu::dialogueLogPage);
    EXPECT_EQ(rows(menu), (std::vector<std::string>{"KIRA: Satz 3", "Juna: Satz 4", "KIRA: Satz 5", "Juna: Satz 6",
                                                    "KIRA: Satz 7", "Juna: Satz 8", "KIRA: Satz 9",
                                                    "Fr\xFC" "here", "Zur\xFC" "ck"}));
    // Older: a whole page from the first line, and the way back to newer.
    Click(menu, DialogueLogPage::idEarlier);
    EXPECT_EQ(rows(menu), (std::vector<std::string>{"Juna: Satz 0", "KIRA: Satz 1", "Juna: Satz 2", "KIRA: Satz 3",
                                                    "Juna: Satz 4", "KIRA: Satz 5", "Juna: Satz 6",
                                                    "Sp\xE4" "tere", "Zur\xFC" "ck"}));
    Click(menu, DialogueLogPage::idLater);
    EXPECT_EQ(rows(menu).front(), "KIRA: Satz 3");
    // A line without a recording plays nothing; "Zurück" leads back to the
    // main page.
    Click(menu, DialogueLogPage::firstRowId);
    EXPECT_EQ(menu.GetState(), InGameMenu::dialogueLogPage);
    Click(menu, DialogueLogPage::idBack);
    EXPECT_EQ(menu.GetState(), InGameMenu::mainPage);

    // Opened by its key from the game, Escape goes back to the game.
    menu.SetState(InGameMenu::closed);
    menu.OpenDialogueLog();
    EXPECT_EQ(menu.GetState(), InGameMenu::dialogueLogPage);
    EXPECT_TRUE(PressEscape(menu));
    EXPECT_EQ(menu.GetState(), InGameMenu::closed);
    log.Clear();
}

TEST_F(InGameMenuTest, EscapeOpensTheEpisodesMenuOnlyWhenEnabledAndAMinigamesAlways)
{
    WatchedLevel level;
    InGameMenu menu;
    menu.Start(&level, 1, false, false);
    menu.SetPointer(300, 400);
    EXPECT_FALSE(PressEscape(menu)); // the episode has not enabled it: the level gets the key
    EXPECT_EQ(menu.GetState(), InGameMenu::closed);
    menu.SetEnabled(true);
    EXPECT_TRUE(PressEscape(menu));
    EXPECT_EQ(menu.GetState(), InGameMenu::mainPage);
    EXPECT_EQ(level.opened, 1);
    // A second Escape on the main page continues the game; closing tells
    // the level, hands it the pointer and disables the menu again.
    EXPECT_TRUE(PressEscape(menu));
    EXPECT_EQ(menu.GetState(), InGameMenu::closed);
    EXPECT_EQ(level.closed, 1);
    EXPECT_EQ(level.moves, (std::vector<std::pair<int, int>>{{300, 400}}));
    EXPECT_FALSE(menu.IsEnabled());
    EXPECT_FALSE(PressEscape(menu));
    // The room's ambience is heard again.
    EXPECT_GT(SoundEngine::GetInstance().GetGroupFactor(soundGroupAmbient), 0.0f);

    // A minigame opens it without ever enabling it; on the quit question
    // Escape means "Nee", on another page "Zurück".
    menu.Start(&level, 8, false, false);
    EXPECT_TRUE(PressEscape(menu));
    EXPECT_EQ(menu.GetState(), InGameMenu::mainPage);
    Click(menu, InGameMenu::idQuit);
    EXPECT_TRUE(PressEscape(menu));
    EXPECT_EQ(menu.GetState(), InGameMenu::mainPage);
    menu.SetState(InGameMenu::emptyPage);
    EXPECT_TRUE(PressEscape(menu));
    EXPECT_EQ(menu.GetState(), InGameMenu::mainPage);
    EXPECT_EQ(level.opened, 2);
    EXPECT_EQ(level.closed, 1);
}

TEST_F(InGameMenuTest, TheBarSlidesInWithin21FramesAndOutWithin19)
{
    WatchedLevel level;
    InGameMenu menu;
    menu.Start(&level, 1, false, false);
    menu.SetEnabled(true);
    menu.SetPointer(200, 127);
    // Worked out by hand: the distance past the hidden end, plus 20, grows
    // by a tenth each 0.01 s frame from 20; it passes 148 in frame 21
    // (20 x 1.1^21 = 148.005, 20 x 1.1^20 = 134.55).
    int frames = 0;
    while (menu.GetBarPosition() < 0.0f && frames < 100) {
        menu.UpdateBar(0.01f);
        ++frames;
    }
    EXPECT_EQ(frames, 21);
    EXPECT_EQ(menu.GetBarPosition(), 0.0f);
    // Going out it shrinks by a tenth from 148 and reaches 20 in frame 19
    // (148 x 0.9^19 = 19.99).
    menu.SetPointer(200, 128);
    frames = 0;
    while (menu.GetBarPosition() > InGameMenu::barHidden && frames < 100) {
        menu.UpdateBar(0.01f);
        ++frames;
    }
    EXPECT_EQ(frames, 19);
    // A disabled menu keeps the bar out of sight wherever the pointer is.
    menu.SetEnabled(false);
    menu.SetPointer(200, 10);
    menu.UpdateBar(0.01f);
    EXPECT_EQ(menu.GetBarPosition(), InGameMenu::barHidden);
    EXPECT_FALSE(menu.OnBarClick());
}

TEST_F(InGameMenuTest, LoadingSlotFourRestartsTheGameWithItsLevel)
{
    std::string savegame = std::string("Kapitel 3 - Burghof\n01.01.2027 10:00\nlevelNum 3\n") + savingStateBlock;
    ScrambleBuffer(reinterpret_cast<unsigned char*>(savegame.data()), savegame.size());
    WriteFile("savegames/savegame4.dat", savegame);
    Image picture;
    ASSERT_TRUE(picture.Create(256, 128, 24, true));
    ASSERT_TRUE(BmpLoader::GetInstance().Save("savegames\\savegame4.bmp", picture));
    MainProgram::GetInstance().SetGame("TestSaving", 1);
    StartLog();

    WatchedLevel level;
    InGameMenu menu;
    menu.Start(&level, 1, false, true);
    menu.SetState(InGameMenu::mainPage);
    Click(menu, InGameMenu::idLoad);
    EXPECT_EQ(menu.GetState(), InGameMenu::loadingPage);
    Click(menu, 1003); // slot 4
    Click(menu, 6);    // "Ja"
    // The savegame waits for the restarted game; the stopped level stays
    // behind the quit page and the loading screen until then.
    EXPECT_EQ(ReadFile("debug.txt"), "Loading Savegame Kapitel 3 - Burghof\n");
    EXPECT_NE(MainProgram::GetInstance().TakePendingSavegame(), nullptr);
    EXPECT_EQ(menu.GetState(), InGameMenu::quitQuestion);
    EXPECT_EQ(level.closed, 1);
}
