#pragma once

// The pages that the main menu and the in-game menu both show: the
// savegame browser, the options page, the highscore page with its name
// entry, and the credits scroller. Each fills the caller's MenuList; the
// caller routes its clicks here and draws the page with the Draw calls.

#include "app/Singleton.h"
#include "app/TextInput.h"

#include <memory>
#include <string>
#include <vector>

class Image;
class MenuList;

class SharedMenus : public Singleton<SharedMenus> {
public:
    // Savegame browser: nine slots in a 3 x 3 grid. `screenshot` is the
    // picture a save stores (null when loading); saveMode chooses between
    // saving and loading.
    void InitSavegameBrowser(MenuList& list, const Image* screenshot, bool saveMode);
    // 0: nothing to do, 1: done ("Zurück"), r >= 2: load slot r - 1.
    int SavegameBrowserClick(MenuList& list);
    void DrawSavegameBrowser();
    // The slot under a point, 0 to 8, or -1.
    static int SlotAt(int x, int y);

    // Options page; inGame leaves out colour depth and light mapping.
    void InitOptions(MenuList& list, bool inGame);
    // Runs on every click on the page; true on "Zurück", with the chosen
    // display mode (main menu only; otherwise the current one).
    bool OptionsClick(MenuList& list, int& depth, int& height, int& width);

    // Highscore page: minigame -1 browses all four tables (main menu),
    // 0 to 3 shows one table as a minigame shows it.
    void InitHighscores(MenuList& list, int minigame, int yOffset, bool afterEntry);
    void DrawHighscores();
    void StartNameEntry(MenuList& list, int minigame, int score, int yOffset);
    // True once Enter or Escape finished the name; the table is then saved.
    bool UpdateNameEntry(float seconds);
    bool HighscoresDone();

    void StartCredits();
    // True when the credits have scrolled past their end.
    bool UpdateCredits(float seconds);
    void DrawCredits();
};
