#pragma once

// The game proper: the state that loads one level (an adventure episode or
// a minigame), its sprites, sounds and settings file, applies a savegame the
// menu opened for it, and then plays it frame by frame under the in-game
// menu. A level changes by a restart of the whole state with another level
// number (MainProgram::SetLevel), never in place.
//
//   levels 1 to 6   the episodes (RuvIdLevelAdventure)
//   7, 8, 9, 11     the dance, the taxi shooter, the catapult and the alien
//                   shooter, made by Factory<Level> under their class names;
//                   99 is the dance as the closing credits
//   any other       no level: the program ends
//
// A level whose data is not in the game (a minigame not built in, an
// episode without its folder) says so and leads back to the main menu.
//
// While the menu is closed the level gets every frame and the input; while a
// page is open the level stands still. An episode enables the menu whenever
// its player may act.
//
// Then, too, F2 saves the episode into a quick slot of its own beside the
// player's nine ("savegames\savegame0.dat") and F3 loads it again; the
// minigames and the credits refuse both. L opens the dialogue log.

#include "GameState.h"
#include "InGameMenu.h"
#include "adventure/Level.h"

#include <memory>
#include <string>
#include <vector>

class File;
class GameElement;
class RuvIdLevelAdventure;

class GameRuvId final : public GameState, public LevelOwner {
public:
    static constexpr int creditsLevel = 99;
    static constexpr int quickSlot = 0;
    static constexpr int keyQuickSave = 113; // F2
    static constexpr int keyQuickLoad = 114; // F3
    static constexpr int keyDialogueLog = 'L';

    GameRuvId();
    ~GameRuvId() override;

    void Init(int level) override;
    void Exit() override;
    void Update(float seconds) override;
    void Render() override;
    void GetSaveGameLabels(std::string& title, std::string& date) override;
    bool SaveGame(File& file) override;
    void SetMenuEnabled(bool enabled) override { menu.SetEnabled(enabled); }
    void OnKeyDown(int key) override;
    void OnKeyUp(int key) override;
    void OnChar(int code) override;
    void OnLButtonDown(int x, int y, bool doubleClick) override;
    void OnLButtonUp(int x, int y) override;
    void OnRButtonDown(int x, int y) override;
    void OnRButtonUp(int x, int y) override;
    void OnMouseMove(int x, int y) override;
    // Debug commands of the window menu: "print flags", "load settings",
    // "save settings", "reset"; the element editor's commands answer 0.
    int Command(const char* name, int arg1, int arg2) override;

    void SetMenuState(int state) { menu.SetState(state); }
    void MenuOnLButtonDown(int x, int y);
    // The level's settings file data\level<NN>\settings\<fileName>.
    bool LoadSettings(const std::string& fileName);
    bool SaveSettings(const std::string& fileName);
    // Applies a checked savegame, positioned after its third line, to the
    // cast entries it names; blocks of objects that do not exist are skipped.
    static void LoadSavegameObjects(File& file);
    // A new element of the class, kept until Exit. Unless noRegister it
    // joins the cast under fullName, or without one (made in the editor)
    // under a new unique name: "Room<n>|Room" for a room, "<room>|<Class>_<n>"
    // for what stands in a room, "Flags|Flag_<n>" for a flag, "Game
    // Elements|<Class>_<n>" outside an episode. Null for an unknown class.
    GameElement* CreateGameElement(const std::string& className, const std::string& fullName, bool noRegister);
    // Every element from the settings file and the level back to their
    // start; the menu closes.
    void ResetGame();
    // The quick slot, with a line on the screen that says how it went.
    void QuickSave();
    void QuickLoad();

    // Whether the level runs as the closing credits (level 99).
    static bool IsCreditsMode() { return creditsMode; }
    int GetLevelNumber() const { return levelNumber; }
    const Level* GetLevel() const { return level.get(); }
    const InGameMenu& GetMenu() const { return menu; }
    InGameMenu& GetMenu() { return menu; }

private:
    RuvIdLevelAdventure* Adventure() const;
    // Whether the player could save from the menu now: an episode (not the
    // credits) whose player may act, with saving allowed.
    bool MaySaveNow() const;
    // The keys of the comforts above; false when the key is not one.
    bool OnComfortKey(int key);
    // Whether the settings file created the object (a dynamic block).
    bool IsCreated(const Object* object) const;

    static inline bool creditsMode = false;

    int levelNumber = 0;
    std::unique_ptr<Level> level;
    std::vector<std::unique_ptr<GameElement>> created;
    InGameMenu menu;
};
