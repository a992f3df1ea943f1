#pragma once

// A development view of an episode, before the game controller plays it:
// start it with "startGameState GameRoomView" and "activeLevel N" in
// data\config.txt. It loads the level's sprites, sounds, fonts and settings
// file (rooms, doors, items, the other characters) and plays the episode's
// level (RuvIdLevelAdventure) with everything a player does: walking, using,
// examining, combining, the talk sheets' lines and conversations, scripts.
// Without a start room in the settings the view begins in the first room.
//
// On top of the level: T lets the figure say a test line, Tab goes to the
// next room (the figure at the front middle of its floor), the arrow keys
// scroll a wide room by hand (until the next click), Escape returns to the
// main menu, and so does a script that asks for another level (the view
// plays episodes only). The player's path is drawn while she walks; room
// changes and taken items are logged.

#include "GameState.h"

#include <cstddef>
#include <memory>
#include <vector>

class GameElement;
class Room;
class RuvIdLevelAdventure;

class GameRoomView final : public GameState {
public:
    GameRoomView();
    ~GameRoomView() override;

    void Init(int level) override;
    void Exit() override;
    void Update(float seconds) override;
    void Render() override;
    void OnKeyDown(int key) override;
    void OnLButtonDown(int x, int y, bool doubleClick) override;
    void OnLButtonUp(int x, int y) override;
    void OnRButtonDown(int x, int y) override;
    void OnMouseMove(int x, int y) override;

    const RuvIdLevelAdventure* GetLevel() const { return level.get(); }

private:
    // Enters the room with the figure at the front middle of its floor.
    void EnterRoom(std::size_t index);
    // Logs the room when the level has changed to another one.
    void NoteRoomChange();
    void DrawPath() const;

    std::unique_ptr<RuvIdLevelAdventure> level;
    std::vector<std::unique_ptr<GameElement>> created;
    std::vector<Room*> rooms;
    const Room* shownRoom = nullptr;
    bool scrolledByHand = false;
    std::size_t inventoryLogged = 0; // inventory entries already logged
    bool inConversation = false;
};
