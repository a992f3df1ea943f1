#pragma once

// A development view of an episode, before the game controller plays it:
// start it with "startGameState GameRoomView" and "activeLevel N" in
// data\config.txt. It loads the level's settings file (rooms, doors, items,
// the other characters) and its talk sheets, and lets the player's figure
// walk through the rooms: a click walks there (the path is drawn and
// logged), a click on a thing walks to it and uses it, a right click
// examines, an inventory item is combined with what is clicked next, and
// the lines of the talk sheets are said aloud with their recordings; a
// conversation offers its choices on the bar at the top. T lets the figure
// say a test line, Tab goes to the next room, the arrow keys scroll a wide
// room by hand, Escape returns to the main menu, and so does a script that
// asks for another level (the view plays episodes only).
//
// The view is the level its elements ask for: it runs the engine's standard
// scripts and the story's scripts, and hands the talk sheets' lines to the
// talk manager.

#include "GameState.h"
#include "adventure/AdventureLevel.h"
#include "adventure/Player.h"
#include "adventure/Room.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class Entity;
class GameElement;

class GameRoomView final : public GameState, public AdventureLevel {
public:
    // The figure the view shows for the player.
    static constexpr const char* playerFigure = "juna";

    void Init(int level) override;
    void Exit() override;
    void Update(float seconds) override;
    void Render() override;
    void OnKeyDown(int key) override;
    void OnLButtonDown(int x, int y, bool doubleClick) override;
    void OnRButtonDown(int x, int y) override;
    void OnMouseMove(int x, int y) override;

    int GetLevelNumber() const override { return level; }
    int GetState() const override { return state; }
    void SetState(int newState) override { state = newState; }
    bool InputAllowed() const override;
    bool BlockingScriptsIdle() const override { return InputAllowed(); }
    void StopBlockingScripts() override;
    bool IsSkipping() const override { return false; }
    void SetInputEnabled(bool enabled) override { inputEnabled = enabled; }
    void ShowLabels(bool show) override { showLabels = show; }
    void RequestRoom(const std::string& roomName, int x, int y, int walkToX, int walkToY, int orient) override;
    void RequestLevel(int requested) override;
    bool RunScript(const std::string& name, const std::string& argument) override;
    int CountRunningScripts() const override;
    TalkEntry GetUseLine(const std::string& elementName) override;
    TalkEntry GetExamineLine(const std::string& elementName) override;
    TalkEntry GetCombineLine(const std::string& itemName, const std::string& targetName) override;
    void Perform(const TalkEntry& entry) override;

    const Room* GetRoom() const { return room; }
    const Player* GetPlayer() const { return player.get(); }

private:
    struct PendingRoom {
        std::string name;
        Point at;
        Point walkTo;
        int orient = -1;
    };

    // Enters the room; the figure appears at `at` (none: the front middle
    // of the floor) and walks to `walkTo` (none: stays).
    void ShowRoom(std::size_t index, std::optional<Point> at, std::optional<Point> walkTo, int orient);
    // The active entity of the room under the screen point, the frontmost.
    Entity* PickEntity(int x, int y) const;
    Point World(int x, int y) const;
    // The first walkable point straight below a room point, if any.
    std::optional<Point> FloorBelow(Point point) const;
    // Whether a screen row lies on the inventory bar as far as it is out.
    bool OverInventory(int y) const;

    int level = 1;
    int state = normal;
    bool inputEnabled = true;
    bool showLabels = true;
    std::vector<std::unique_ptr<GameElement>> created;
    std::vector<Room*> rooms;
    std::size_t current = 0;
    Room* room = nullptr;
    std::vector<Entity*> entities; // of the room, without the player
    std::unique_ptr<Player> player;
    std::optional<PendingRoom> pendingRoom;
    std::size_t inventoryLogged = 0; // inventory entries already logged
    int mouseX = 0;
    int mouseY = 0;
};
