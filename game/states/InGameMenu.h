#pragma once

// The menu of the running game: a bar with the label "Menü" that slides in
// from the top edge while the pointer is in the top 128 rows, and the pages
// it opens over the stopped level:
//
//   0 closed: the level runs       4 savegame browser, loading
//   1 main page                    5 empty page ("Zurück" returns to 1)
//   2 quit question                6 options
//   3 savegame browser, saving     7 dialogue log (of an episode)
//
// The bar slides only while the level enables the menu; Escape opens the
// main page then too, and in a minigame (level 7 and up) always. Opening
// stops the level's effects and speech, switches to the menu's mix and
// keeps a screenshot of the scene for a savegame; closing gives the level
// its mix back. Main thread only.

#include "DialogueLogPage.h"
#include "MenuList.h"
#include "graphics/Animation.h"

#include <array>
#include <memory>

class Image;
class Level;

class InGameMenu {
public:
    enum State : int {
        closed = 0,
        mainPage = 1,
        quitQuestion = 2,
        savingPage = 3,
        loadingPage = 4,
        emptyPage = 5,
        optionsPage = 6,
        dialogueLogPage = 7,
    };
    enum ItemId : int {
        idBack = 0,
        idSave = 1,
        idLoad = 2,
        idQuit = 3,
        idContinue = 4,
        idYes = 5,
        idNo = 6,
        idOptions = 7,
        idDialogueLog = 8,
    };
    static constexpr float barHidden = -128.0f;
    // The bar comes in while the pointer is above this row.
    static constexpr int barBand = 128;
    static constexpr int keyEscape = 27;

    InGameMenu();
    ~InGameMenu();

    // For the level `levelNumber` (the credits dance runs as 7 with
    // creditsMode): the menu closed, the bar hidden and not enabled.
    void Start(Level* level, int levelNumber, bool creditsMode, bool savegameAvailable);
    // The pages' six pictures; the loading bar moves on by 0.06 meanwhile.
    void LoadAnimations();
    // Lets the animations, the screenshot and the level go.
    void Stop();

    int GetState() const { return state; }
    bool IsOpen() const { return state != closed; }
    // Another state than 0 to 7 is logged and changes nothing.
    void SetState(int newState);
    void SetEnabled(bool on) { enabled = on; }
    bool IsEnabled() const { return enabled; }
    // Whether Escape may open the menu now.
    bool MayOpen() const;
    float GetBarPosition() const { return barPosition; }
    bool IsBarHovered() const { return barHovered; }

    void SetPointer(int x, int y);
    // The frame while the menu is closed: the bar slides.
    void UpdateBar(float seconds);
    // The frame while a page is open.
    void UpdatePage(float seconds);
    void DrawBar();
    void DrawPage(bool drawCursor);

    // A key while the game runs. Escape opens or answers a page; true when
    // the menu took the key (the level must not see it). `activated` tells
    // that the item list chose its item: the caller then activates it with
    // OnClick(false).
    bool OnKeyDown(int key, bool& activated);
    // A click while the menu is closed: true when it opened the menu.
    bool OnBarClick();
    // The dialogue log straight from the game (its key): "Zurück" goes back
    // to the game, not to the main page.
    void OpenDialogueLog();
    // A click while a page is open; a key's activation (not by the pointer)
    // leaves a choice under the pointer alone.
    void OnClick(bool byPointer = true);

    // Leaves the level for the savegame MainProgram::LoadGame opened: the
    // level's sounds and scripts end, the loaded level starts next frame.
    void StartLoadedGame(int loadedLevel);

    const MenuList& GetMenuList() const { return menuList; }
    MenuList& GetMenuList() { return menuList; }
    const Image* GetScreenshot() const { return screenshot.get(); }

private:
    void BuildMainPage();
    void BuildQuitQuestion();
    void OnMainPageClick(int id);
    // Quitting or loading: the level's sounds and scripts end at once.
    void StopLevel();
    void Leave();

    Level* level = nullptr;
    int levelNumber = 0;
    bool creditsMode = false;
    bool savegameAvailable = false;
    int state = closed;
    bool enabled = false;
    float barPosition = barHidden;
    bool barHovered = false;
    int pointerX = 512;
    int pointerY = 384;
    std::unique_ptr<Image> screenshot;
    MenuList menuList;
    DialogueLogPage dialogueLog;
    bool dialogueLogFromGame = false;
    std::array<Animation, 6> animations;
    // Drawn over the pages in full screen, where the system shows none.
    Animation cursor;
};
