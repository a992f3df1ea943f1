#include "GameParameters.h"
#include "GameRuvIdMenu.h"
#include "HelpPages.h"
#include "adventure/RuvIdLevelAdventure.h"
#include "app/Debug.h"
#include "support/HeadlessTest.h"

#include <utility>
#include <vector>

// The menu's logic on a data tree that holds only the shared sound list: no
// art and no fonts, so the pages are driven by the keyboard, as a player
// without a mouse would.
class GameRuvIdMenuTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        WriteFile("data/sharedadventure/sfx.txt", "");
    }

    struct Placed {
        int id, x, y;
        bool operator==(const Placed&) const = default;
    };
    static std::vector<Placed> Items(const GameRuvIdMenu& menu)
    {
        std::vector<Placed> placed;
        for (const MenuList::Item& item : menu.GetMenuList().GetItems())
            placed.push_back({item.id, item.x, item.y});
        return placed;
    }
    // Applies a requested page, as the frame's Render does.
    static void Frame(GameRuvIdMenu& menu)
    {
        menu.Update(0.02f);
        menu.Render();
    }
};

TEST_F(GameRuvIdMenuTest, MainPageRunsOnItsDiagonalWithAndWithoutASavegame)
{
    // Without a savegame: seven entries in steps of (-185/6, 362/6), then
    // "Beenden" on its own. A minigame's arrival marker left behind by a
    // story that could not go on is forgotten here.
    RuvIdLevelAdventure::SetCatapultWon(true);
    RuvIdLevelAdventure::SetAlienShooterWon(true);
    GameRuvIdMenu menu;
    menu.Init(0);
    EXPECT_FALSE(RuvIdLevelAdventure::IsCatapultWon());
    EXPECT_FALSE(RuvIdLevelAdventure::IsAlienShooterWon());
    ASSERT_EQ(menu.GetState(), GameRuvIdMenu::stateMain);
    EXPECT_EQ(Items(menu), (std::vector<Placed>{{2, 541, 209}, {3, 510, 269}, {6, 479, 329}, {4, 448, 390},
                                                {5, 417, 450}, {7, 386, 510}, {9, 356, 571}, {8, 325, 634}}));
    menu.Exit();

    // A slot needs both its files to count.
    WriteFile("savegames/savegame4.dat", "x");
    EXPECT_FALSE(GameRuvIdMenu::AnySavegame());
    WriteFile("savegames/savegame4.bmp", "x");
    EXPECT_TRUE(GameRuvIdMenu::AnySavegame());
    menu.Init(0);
    EXPECT_EQ(Items(menu), (std::vector<Placed>{{2, 541, 209}, {1, 514, 260}, {3, 488, 312}, {6, 461, 364},
                                                {4, 435, 415}, {5, 408, 467}, {7, 382, 519}, {9, 356, 571},
                                                {8, 325, 634}}));
    menu.Exit();
}

TEST_F(GameRuvIdMenuTest, EscapeQuitsFromTheMainPageAndGoesBackFromAPage)
{
    GameRuvIdMenu menu;
    menu.Init(0);
    // To the help page by keys: down six times reaches "Hilfe".
    for (int step = 0; step < 6; ++step)
        menu.OnKeyDown(MenuList::keyDown);
    EXPECT_EQ(menu.GetMenuList().GetHoveredId(), GameRuvIdMenu::idHelp);
    menu.OnKeyDown(MenuList::keyEnter);
    EXPECT_EQ(menu.GetState(), GameRuvIdMenu::stateMain) << "a click never rebuilds the page it is handled on";
    Frame(menu);
    ASSERT_EQ(menu.GetState(), GameRuvIdMenu::stateHelp);

    // Turning past either end does nothing.
    menu.OnKeyDown(MenuList::keyLeft);
    EXPECT_EQ(menu.GetHelpPage(), 0);
    for (int step = 0; step < HelpPages::pageCount + 2; ++step)
        menu.OnKeyDown(MenuList::keyRight);
    EXPECT_EQ(menu.GetHelpPage(), HelpPages::pageCount - 1);

    EXPECT_FALSE(QuitPosted());
    menu.OnKeyDown(27);
    Frame(menu);
    EXPECT_EQ(menu.GetState(), GameRuvIdMenu::stateMain);
    EXPECT_FALSE(QuitPosted());
    menu.OnKeyDown(27);
    EXPECT_TRUE(QuitPosted());
    menu.Exit();
}

TEST_F(GameRuvIdMenuTest, LockedMinigamesAreNeitherNavigableNorStartable)
{
    GameParameters& parameters = GameParameters::GetInstance();
    parameters.SetMinigameUnlocked(0, true);
    parameters.SetMinigameUnlocked(3, true);
    GameRuvIdMenu menu;
    menu.Init(0);
    menu.RequestState(GameRuvIdMenu::stateMinigames);
    Frame(menu);
    ASSERT_EQ(menu.GetState(), GameRuvIdMenu::stateMinigames);
    EXPECT_EQ(menu.GetMenuList().GetNavigationGroups(),
              (std::vector<std::vector<int>>{{1000, -1}, {-1, 1003}, {0}}));

    // The two open tiles stand diagonally: down from the first reaches the
    // other although its column below is locked.
    menu.OnKeyDown(MenuList::keyDown);
    EXPECT_EQ(menu.GetMenuList().GetHoveredId(), 1000);
    menu.OnKeyDown(MenuList::keyRight);
    EXPECT_EQ(menu.GetMenuList().GetHoveredId(), 1000);
    menu.OnKeyDown(MenuList::keyDown);
    EXPECT_EQ(menu.GetMenuList().GetHoveredId(), 1003);
    // Escape goes back even with a tile chosen.
    menu.OnKeyDown(27);
    Frame(menu);
    ASSERT_EQ(menu.GetState(), GameRuvIdMenu::stateMain);

    menu.RequestState(GameRuvIdMenu::stateMinigames);
    Frame(menu);
    menu.OnKeyDown(MenuList::keyUp);
    EXPECT_EQ(menu.GetMenuList().GetHoveredId(), 0);
    menu.OnKeyDown(MenuList::keyUp);
    EXPECT_EQ(menu.GetMenuList().GetHoveredId(), 1003);
    menu.OnKeyDown(MenuList::keyEnter);
    Frame(menu);
    EXPECT_EQ(menu.GetState(), GameRuvIdMenu::stateStarting);
    EXPECT_EQ(menu.GetLevelToStart(), 11) << "the alien shooter is level 11";
    EXPECT_FALSE(parameters.IsSavingAllowed());
    menu.Exit();

    EXPECT_EQ(GameRuvIdMenu::MinigameLevel(0), 7);
    EXPECT_EQ(GameRuvIdMenu::MinigameLevel(2), 9);
}

TEST_F(GameRuvIdMenuTest, NewGameInAWindowNeverPlaysTheMovie)
{
    GameRuvIdMenu menu;
    menu.Init(0);
    menu.OnKeyDown(MenuList::keyDown);
    ASSERT_EQ(menu.GetMenuList().GetHoveredId(), GameRuvIdMenu::idNewGame);
    menu.OnKeyDown(MenuList::keyEnter);
    EXPECT_EQ(menu.GetLevelToStart(), 1);
    EXPECT_TRUE(menu.GetMovieToPlay().empty());
    menu.Exit();

    menu.Init(0);
    menu.RequestState(42);
    Frame(menu);
    EXPECT_EQ(menu.GetState(), GameRuvIdMenu::stateMain);
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "GameRuvIdMenu::SetState: Unknown State 42!"));
    menu.Exit();
}
