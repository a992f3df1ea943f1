#pragma once

// The pages that the main menu and the in-game menu both show: the
// savegame browser, the options page, the highscore page with its name
// entry, and the credits scroller. Each fills the caller's MenuList, which
// must live as long as its page is shown; the caller routes its clicks here
// and draws the page with the Draw calls (after its background, before the
// list's own Draw).
//
// Depths: slot pictures at 0.5, the slot marker at 0.6, every text at the
// fonts' 0.9, the credits masks at 0.95 (above the text, below the cursor
// and the screen wipe at 1.0).

#include "app/Singleton.h"
#include "app/TextInput.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class Image;
class MenuList;

class SharedMenus : public Singleton<SharedMenus> {
public:
    static constexpr int slotCount = 9;
    static constexpr int cellWidth = 256;
    static constexpr int cellHeight = 128;
    // The item id of slot 0; slot i is firstSlotId + i.
    static constexpr int firstSlotId = 1000;

    // Savegame browser: nine slots in a 3 x 3 grid. `screenshot` is the
    // picture a save stores (null when loading) and must live while the
    // browser is shown; saveMode chooses between saving and loading. When
    // loading, empty and damaged slots can be neither hovered nor chosen
    // (a damaged one says so on its cell).
    void InitSavegameBrowser(MenuList& list, const Image* screenshot, bool saveMode);
    // Call after the list's Update while the browser is shown: unless the
    // keyboard leads, the slot under the pointer becomes the hovered item.
    void UpdateSavegameBrowser(int pointerX, int pointerY);
    // 0: nothing to do, 1: done ("Zurück"), r >= 2: load slot r - 1.
    int SavegameBrowserClick(MenuList& list);
    void DrawSavegameBrowser();
    // The slot under a point, 0 to 8, or -1. A cell's edges belong to it.
    static int SlotAt(int x, int y);

    // Options page; inGame leaves out colour depth and light mapping.
    void InitOptions(MenuList& list, bool inGame);
    // Runs on every click on the page: the volumes are taken over at once.
    // True on "Zurück", with the chosen display mode (main menu only;
    // otherwise the current one).
    bool OptionsClick(MenuList& list, int& depth, int& height, int& width);

    // Highscore page: minigame -1 browses all four tables (main menu),
    // 0 to 3 shows one table as a minigame shows it.
    void InitHighscores(MenuList& list, int minigame, int yOffset, bool afterEntry);
    void DrawHighscores();
    // Enters the score with an empty name into the minigame's table; the
    // name is typed into that row.
    void StartNameEntry(MenuList& list, int minigame, int score, int yOffset);
    // True once Enter or Escape finished the name; the table is then saved.
    // A name left empty is "Spieler".
    bool UpdateNameEntry(float seconds);
    // Ends a name entry that was left before it finished (its page went
    // away): the row keeps what was typed so far ("Spieler" when nothing
    // was), and the table is saved.
    void EndNameEntry();
    bool IsNameEntryRunning() const { return nameInput != nullptr; }
    // On a click: whether it was on the page's button (id 0).
    bool HighscoresDone();
    // A score as its table shows it: the catapult's are distances in
    // hundredths ("%d,%02d"), the others plain numbers.
    static std::string FormatScore(int minigame, int score);

    void StartCredits();
    // True when the credits have scrolled past their end.
    bool UpdateCredits(float seconds);
    void DrawCredits();
    float GetCreditsScroll() const { return creditsScroll; }

private:
    enum class BrowserPage { grid, question, result };

    struct Slot {
        bool used = false;
        // Whole and of a level this game plays: only such a slot loads.
        bool usable = false;
        std::string title;
        std::string date;
        // The picture is read when the slot is first drawn.
        bool pictureRead = false;
        bool hasPicture = false;
    };

    void ReadSlots();
    bool IsSlotSelectable(int slot) const;
    void ShowGrid(MenuList& list);
    void AskAboutSlot(MenuList& list, int slot);
    void SaveIntoSlot(MenuList& list, int slot);
    bool ReadSlotPicture(int slot);
    void DrawSlot(int slot, bool pictureShown);

    MenuList* list = nullptr;

    const Image* screenshot = nullptr;
    bool saveMode = false;
    BrowserPage browserPage = BrowserPage::grid;
    int questionSlot = -1;
    std::array<Slot, slotCount> slots;

    bool optionsInGame = false;

    // -1 while the main menu's page browses the tables.
    int highscoreMinigame = -1;
    int highscoreYOffset = 0;
    std::unique_ptr<TextInput> nameInput;
    int entryPosition = -1;

    std::vector<std::string> creditsLines;
    float creditsScroll = 0.0f;
    float creditsEnd = 0.0f;
};
