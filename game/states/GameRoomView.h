#pragma once

// A development view of a level's rooms before the episode's scripts and
// talk sheets exist: start it with "startGameState GameRoomView" and
// "activeLevel N" in data\config.txt. It shows the rooms listed in
// data\level<NN>\rooms.txt (one room folder a line) with their stills,
// animations and ambience, and the player's figure in them: a click walks
// it there (the path it takes is drawn and logged), T lets it say a test
// line, Tab goes to the next room, the left and right arrow keys scroll a
// wide room by hand, and Escape returns to the main menu.

#include "GameState.h"
#include "adventure/Player.h"
#include "adventure/Room.h"
#include "graphics/Animation.h"
#include "graphics/Sprite.h"

#include <list>
#include <memory>
#include <string>
#include <vector>

class GameRoomView final : public GameState {
public:
    void Init(int level) override;
    void Exit() override;
    void Update(float seconds) override;
    void Render() override;
    void OnKeyDown(int key) override;
    void OnLButtonDown(int x, int y, bool doubleClick) override;

    // The figure the view shows for the player.
    static constexpr const char* playerFigure = "juna";

    const Room* GetRoom() const { return room.get(); }
    const Player* GetPlayer() const { return player.get(); }

private:
    void ShowRoom(std::size_t index);

    // A still or animated detail of the room, standing at its placement.
    struct Detail {
        Animation animation;
        Point placement;
    };

    int level = 1;
    std::vector<std::string> folders;
    std::size_t current = 0;
    std::unique_ptr<Room> room;
    std::list<Detail> details;
    std::unique_ptr<Player> player;
};
