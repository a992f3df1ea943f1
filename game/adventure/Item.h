#pragma once

// An item: an entity the player can pick up into the inventory and combine
// there with other items or entities. It has three pictures: its animation
// in the room, its icon in the inventory and the cursor while it is chosen
// for combining. Using it asks the talk sheets for its use line; the line
// "automatisch mitnehmen" picks it up. Picking up with animation lets the
// player bend at the item's height and runs the pick-up script of that
// height, which hides the item and then puts it into the inventory.
//
// States: 0 idle, 1 moving along a straight line.

#include "Entity.h"

class Item : public Entity {
public:
    enum State : int { idle = 0, lineMove = 1 };
    enum PickupAnim : int { pickupNone = 0, pickupLow = 1, pickupMiddle = 2, pickupHigh = 3 };
    // The use line that picks an item up.
    static constexpr const char* pickupLine = "automatisch mitnehmen";

    void Serialize(Serializer& serializer, const char* name) override;
    void Draw() override;
    void Update(float dt) override;
    void Reset() override;

    // Binds the room animation again to its label (the room's art is
    // registered when the room is entered).
    void ResetGraphics() override;
    void OnUse() override;
    void OnExamine() override;
    bool WalkTo(int, int, int) override { return true; }
    // Moves in a straight line at `speed` pixels per second; nothing when
    // the target is less than a pixel away.
    void MoveTo(int x, int y, float speed) override;
    void SetPosition(int x, int y) override;
    void TurnTo(int) override {}

    // With `animate` and a pick-up height, the player bends and the
    // height's pick-up script runs; otherwise the item goes into the
    // inventory at once.
    void Pickup(bool animate);
    // Stands the item where a frame whose top left corner is (x, y) shows it.
    void PlaceByAnimation(int x, int y);

    int GetState() const { return state; }
    int GetPickupAnim() const { return pickupAnim; }
    void SetPickupAnim(int type) { pickupAnim = type; }
    Animation& GetAnimation() { return animation; }
    // The inventory picture and the combining cursor, bound to their
    // sprites on first use.
    Animation& GetIconSprite();
    Animation& GetCursorSprite();

private:
    Animation& ShownAnimation() { return playUserAnim ? userAnim : animation; }
    void UpdateLineMove(float dt);

    Animation iconSprite;
    Animation cursorSprite;
    Animation animation;
    int pickupAnim = pickupMiddle;
    bool iconBound = false;
    bool cursorBound = false;

    int state = idle;
    FloatPoint moveStart;
    FloatPoint moveEnd;
    float moveT = 0.0f;
    float moveRate = 0.0f;
};
