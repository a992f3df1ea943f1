#pragma once

// The title screen and its pages: new game, loading a savegame, the
// minigame selection, highscores, options, credits, help and the bonus
// pictures. Each page is a state of the menu (the table below); a click
// asks for the next page with RequestState, which is applied at the end of
// the next Render so that a click never rebuilds the page it is handled on.
//
//   0 main page            5 options
//   1 help                 6 credits
//   2 savegame browser     7 highscores
//   3 minigame selection   8 bonus pictures
//   4 starting the game    9 one bonus picture enlarged
//
// "Neues Spiel" in full screen (with playMovie set) plays intro.avi at
// 800 x 600 in Exit, between the menu and the first level.

#include "GameState.h"
#include "MenuList.h"
#include "graphics/Animation.h"

#include <array>
#include <map>
#include <string>

class StreamingSample;

class GameRuvIdMenu final : public GameState {
public:
    enum State : int {
        stateMain = 0,
        stateHelp = 1,
        stateLoadGame = 2,
        stateMinigames = 3,
        stateStarting = 4,
        stateOptions = 5,
        stateCredits = 6,
        stateHighscores = 7,
        stateBonus = 8,
        stateBonusPicture = 9,
    };

    // Item ids of the main page; 0 is "Zurück" on every other page, tiles
    // count from 1000.
    enum ItemId : int {
        idBack = 0,
        idLoadGame = 1,
        idNewGame = 2,
        idMinigames = 3,
        idOptions = 4,
        idCredits = 5,
        idHighscores = 6,
        idHelp = 7,
        idQuit = 8,
        idBonus = 9,
        idFirstTile = 1000,
    };

    static constexpr const char* introMovie = "intro.avi";
    static constexpr const char* menuMusic = "menu\\Audio\\StreamingSfx\\RuvIdMenu.ogg";

    void Init(int level) override;
    void Exit() override;
    void Update(float seconds) override;
    void Render() override;
    void OnKeyDown(int key) override;
    void OnLButtonDown(int x, int y, bool doubleClick) override;
    void OnMouseMove(int x, int y) override;

    void SetState(int state);
    void RequestState(int state);

    int GetState() const { return currentState; }
    int GetHelpPage() const { return helpPage; }
    int GetLevelToStart() const { return levelToStart; }
    const std::string& GetMovieToPlay() const { return movieToPlay; }
    bool IsSavegameAvailable() const { return savegameAvailable; }
    const MenuList& GetMenuList() const { return menuList; }

    // The level a minigame tile starts: 7 + tile, except the alien shooter
    // (tile 3), which is level 11.
    static int MinigameLevel(int minigame);
    // Whether slot 1 to 9 holds both files of a savegame.
    static bool AnySavegame();

private:
    void BuildMainPage();
    void OnMainPageClick(int id);
    void TurnHelpPage(int step);
    // What a click or an activating key does on the current page.
    void HandleClick();
    void UpdateHoveredTile();
    int MinigameAt(int x, int y) const;
    int BonusItemAt(int x, int y) const;
    void DrawAnimation(const char* name, int x, int y, float z, int frame = 0, bool centred = false);
    void DrawHelpPage();
    void DrawMinigameTiles();
    void DrawBonusPictures();

    std::map<std::string, Animation> animations;
    int pointerX = 512;
    int pointerY = 384;
    bool savegameAvailable = false;
    int levelToStart = 1;
    int hoveredMinigame = -1;
    int hoveredBonusItem = -1;
    int helpPage = 0;
    int hoveredHelpArrow = 0;
    int bonusPointerX = -1;
    int bonusPointerY = -1;
    MenuList menuList;
    int currentState = -1;
    int requestedState = -1;
    StreamingSample* music = nullptr;
    std::string movieToPlay;
};
