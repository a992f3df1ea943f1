#pragma once

// The placeable, clickable kind of game element: characters, doors and
// items. An entity stands on its foot point `position` (room coordinates,
// the bottom centre of its picture), is hit by the mouse through its
// bounding box and/or the opaque pixels of its current animation frame, is
// ordered in the render list by its foot y, shows its label while the
// cursor rests on it, and names the "act position" a character walks to
// before acting on it.

#include "BoundingBox.h"
#include "GameElement.h"
#include "graphics/Animation.h"
#include "graphics/Sprite.h"

#include <string>

class Room;

struct FloatPoint {
    float x = 0.0f;
    float y = 0.0f;
};

class Entity : public GameElement {
public:
    // Rollover check modes, the editor's combobox in this order.
    enum RolloverCheck : int {
        rolloverNone = 0,
        rolloverBox = 1,
        rolloverPixel = 2,
        rolloverBoxAndPixel = 3,
        rolloverBoxOrPixel = 4,
    };
    // Directions, clockwise from up; -1 is none.
    enum Direction : int { up = 0, rightUp, right, rightDown, down, leftDown, left, leftUp, noDirection = -1 };

    void Serialize(Serializer& serializer, const char* name) override;
    void SerializeState(Serializer& serializer, const char* name) override;
    void Draw() override {}
    void Update(float /*dt*/) override {}
    void Reset() override;

    // Clears the entity's animations (a character binds them again).
    virtual void ResetGraphics() = 0;
    // The player used the entity (left click, after walking there).
    virtual void OnUse() = 0;
    // The player examined it (right click).
    virtual void OnExamine() = 0;
    // Walks there and faces `orient` (-1 for none); entities that cannot
    // walk answer true at once.
    virtual bool WalkTo(int x, int y, int orient) = 0;
    // A straight move at `speed` pixels per second.
    virtual void MoveTo(int x, int y, float speed) = 0;
    // Places the entity at once.
    virtual void SetPosition(int x, int y) = 0;
    virtual void TurnTo(int orient) = 0;

    // Whether the world point is over the entity, by its rollover mode. An
    // inactive entity is tested all the same: the caller skips those.
    bool IsCursorOver(int x, int y) const;
    // The render depth of the entity: later (on top) the lower it stands.
    float GetSortDepth() const;
    static float SortDepth(float footY, float scrollY, int zSortOffset);
    // Draws the label in the font "default" centred over the bounding box
    // (moved down by `rowsDown`), kept inside the screen's columns 5 to 1019.
    void ShowLabel(int rowsDown = 0) const;
    // The left edge of a label `width` wide centred on `centreX`, kept
    // inside columns 5 to 1019.
    static int LabelLeft(int centreX, int width);

    // The room whose scrolling the entity's depth and label follow; by
    // default the room of its group in the cast ("<group>|Room").
    void SetRoom(const Room* newRoom) { room = newRoom; }
    const Room* GetRoom() const;

    bool IsActive() const { return isActive; }
    void SetActive(bool active) { isActive = active; }
    bool IsActiveOnStart() const { return activeOnStart; }
    void SetActiveOnStart(bool active) { activeOnStart = active; }
    BoundingBox& GetBoundingBox() { return bbox; }
    const BoundingBox& GetBoundingBox() const { return bbox; }
    int GetRolloverCheck() const { return rolloverCheck; }
    void SetRolloverCheck(int mode) { rolloverCheck = mode; }
    Point GetStartPos() const { return startPos; }
    void SetStartPos(Point point) { startPos = point; }
    FloatPoint GetPosition() const { return position; }
    void SetPositionExactly(FloatPoint point) { position = point; }
    Point GetActPosition() const { return actPosition; }
    void SetActPosition(Point point) { actPosition = point; }
    int GetActOrient() const { return actOrient; }
    void SetActOrient(int direction) { actOrient = direction; }
    bool IsActPositionValid() const { return actPositionValid; }
    void SetActPositionValid(bool valid) { actPositionValid = valid; }
    bool HasNoActPosition() const { return noActPosition; }
    void SetNoActPosition(bool none) { noActPosition = none; }
    int GetZSortOffset() const { return zSortOffset; }
    void SetZSortOffset(int offset) { zSortOffset = offset; }
    int GetStartOrient() const { return startOrient; }
    int GetOrient() const { return orient; }
    const std::string& GetLabel() const { return label; }
    void SetLabel(std::string text) { label = std::move(text); }
    bool IsHidden() const { return hide; }
    void SetHidden(bool hidden) { hide = hidden; }
    // Shows the sprite label instead of the entity's own animation until
    // StopUserAnim (a character draws it `offset` away from its foot);
    // false when the label has no sprite.
    bool PlayUserAnim(const std::string& spriteLabel, int offsetX, int offsetY, float speed, bool loop);
    void StopUserAnim() { playUserAnim = false; }
    bool IsPlayingUserAnim() const { return playUserAnim; }
    Animation& GetUserAnim() { return userAnim; }
    Animation* GetCurrentAnim() const { return currentAnim; }
    void SetCurrentAnim(Animation* animation) { currentAnim = animation; }

protected:
    bool IsPixelOpaque(int localX, int localY) const;

    bool isActive = true;
    bool activeOnStart = true;
    BoundingBox bbox;
    int rolloverCheck = rolloverBox;
    Point startPos{200, 200};
    FloatPoint position{200.0f, 200.0f};
    Point actPosition{200, 200};
    int actOrient = up;
    bool actPositionValid = false;
    bool noActPosition = false;
    int zSortOffset = 0;
    int startOrient = down;
    int orient = down;
    std::string label;
    bool hide = false;
    bool playUserAnim = false;
    Animation userAnim;
    Point userAnimOffset{0, 0};
    Animation* currentAnim = nullptr;
    const Room* room = nullptr;
};
