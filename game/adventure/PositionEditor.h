#pragma once

// A development aid: while Shift is held (and it is enabled), the mouse
// drags a point of the hovered entity of the current room, and the mouse
// and player positions are shown as text. The number keys choose the point:
// 1 the position, 2 the start position, 3 the act position. It takes the
// level's clicks first; it is not needed for play.

#include "app/Singleton.h"
#include "graphics/Sprite.h"

class Entity;
class Room;

class PositionEditor : public Singleton<PositionEditor> {
public:
    enum EditedPoint : int { editPosition = 1, editStartPosition = 2, editActPosition = 3 };

    void SetEnabled(bool enable) { enabled = enable; }
    bool IsEnabled() const { return enabled; }
    // Once a frame: whether Shift is held, the mouse in world coordinates,
    // the room shown and the steered character (either may be null).
    void Update(bool shiftHeld, Point mouse, const Room* room, const Entity* player);
    bool IsActive() const { return enabled && shiftHeld; }
    // True when the editor took the click.
    bool OnLeftButtonDown();
    void OnLeftButtonUp() { dragged = nullptr; }
    // A digit key; true when it chose a point.
    bool OnKey(int character);
    // The position text at the top left of the screen.
    void Draw() const;

    int GetEditedPoint() const { return editedPoint; }
    const Entity* GetDragged() const { return dragged; }

private:
    friend class Singleton<PositionEditor>;
    PositionEditor() = default;

    Entity* FindHovered() const;

    bool enabled = false;
    bool shiftHeld = false;
    Point mouse;
    Point playerPosition;
    const Room* room = nullptr;
    Entity* dragged = nullptr;
    int editedPoint = editPosition;
};
