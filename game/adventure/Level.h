#pragma once

// What the game controller runs as a level: an adventure episode or a
// minigame. The controller calls Init right after creating the level and
// Exit before deleting it, Reset when the game restarts, Update and Render
// once a frame while its menu is closed, and hands on the input only while
// the menu is closed; it tells the level when its menu opens and closes.
// Every operation does nothing unless a level overrides it. Positions are
// screen coordinates of the 1024 x 768 canvas; times are seconds.

#include "files/Object.h"

// What a level may ask of the game controller that runs it.
class LevelOwner {
public:
    // Whether the player may open the in-game menu now.
    virtual void SetMenuEnabled(bool enabled) = 0;

protected:
    ~LevelOwner() = default;
};

// What a level is started with.
struct LevelParameters {
    // The level's number: 1 to 6 the episodes, 7 and up the minigames.
    int level = 1;
    // The controller running the level; null in tests that run a level alone.
    LevelOwner* owner = nullptr;
};

class Level : public Object {
public:
    ~Level() override;

    void Serialize(Serializer& serializer, const char* name) override;
    void SerializeState(Serializer& serializer, const char* name) override;

    // True when the level can run.
    virtual bool Init(const LevelParameters& parameters);
    virtual void Exit();
    virtual void Reset();
    virtual void Update(float dt);
    virtual void Render();
    virtual void OnKey(int key);
    virtual void OnKeyUp(int key);
    virtual void OnChar(int character);
    virtual void OnLeftButtonDown(int x, int y, bool doubleClick);
    virtual void OnLeftButtonUp(int x, int y);
    virtual void OnRightButtonDown(int x, int y);
    virtual void OnRightButtonUp(int x, int y);
    virtual void OnMouseMove(int x, int y);
    virtual void OnMenuOpened();
    virtual void OnMenuClosed();
};
