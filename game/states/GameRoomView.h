#pragma once

// A development view of a level's rooms before characters and scripts
// exist: start it with "startGameState GameRoomView" and "activeLevel N" in
// data\config.txt. It shows the rooms listed in data\level<NN>\rooms.txt
// (one room folder a line) with their stills, animations and ambience. Tab goes to the next room,
// the left and right arrow keys scroll a wide room, a click finds the path
// from the last point clicked to the new one and draws its waypoints, and
// Escape returns to the main menu. Each path goes to the log.

#include "GameState.h"
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

    const Room* GetRoom() const { return room.get(); }
    const std::vector<Point>& GetPath() const { return path; }

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
    Point from{-1, -1};
    std::vector<Point> path;
};
