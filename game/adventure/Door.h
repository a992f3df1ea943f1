#pragma once

// A door: an entity that leads to another door in another room. Using it
// asks the talk sheets for its use line; the line "ausgang" (or none) makes
// it an exit, which plays its opening animation while the script
// "ScriptEnterNextRoom" waits for it, and then takes the player through:
// the level changes to the target door's room, the player appears at the
// target's "walk from" point and walks to its "walk to" point while the
// target door plays its animation backwards. A door whose target is not in
// the cast does nothing.
//
// States: 0 idle, 1 opening (the player goes through), 2 arriving.

#include "Entity.h"

class Door : public Entity {
public:
    enum State : int { idle = 0, opening = 1, arriving = 2 };
    // The use line that makes a door an exit (besides no line at all).
    static constexpr const char* exitLine = "ausgang";

    void Serialize(Serializer& serializer, const char* name) override;
    void Draw() override;
    void Update(float dt) override;
    void Reset() override;

    // Binds the animation again to its label (the room's art is registered
    // when the room is entered).
    void ResetGraphics() override;
    void OnUse() override;
    void OnExamine() override;
    bool WalkTo(int, int, int) override { return true; }
    void MoveTo(int, int, float) override {}
    void SetPosition(int x, int y) override;
    void TurnTo(int) override {}

    // 1 plays the animation forwards from its start and runs
    // "ScriptEnterNextRoom" with the door's full name, 2 plays it backwards
    // from its end, 0 is idle.
    void SetState(int newState);
    int GetState() const { return state; }
    // Changes to the room of the target door; nothing when it is missing.
    void GoThrough();
    // The door in the cast that this one leads to, or null.
    Door* FindTarget() const;

    const std::string& GetLeadsTo() const { return leadsTo; }
    void SetLeadsTo(std::string fullName) { leadsTo = std::move(fullName); }
    Point GetWalkFrom() const { return walkFrom; }
    void SetWalkFrom(Point point) { walkFrom = point; }
    Point GetWalkTo() const { return walkTo; }
    void SetWalkTo(Point point) { walkTo = point; }
    Animation& GetAnimation() { return animation; }

private:
    // The animation to show and advance this frame.
    Animation& ShownAnimation() { return playUserAnim ? userAnim : animation; }

    std::string leadsTo = "NONE";
    Point walkFrom{200, 200};
    Point walkTo{300, 300};
    Animation animation;
    int state = idle;
};

// Shared by doors and items: a start position still at its default of
// (200, 200) takes the placement point of the animation's graphic when the
// room gave it one. True when it did (the editor is then told "changed").
bool TakeStartFromPlacement(Entity& entity, const Animation& animation, Serializer& serializer);
// Draws an entity's current animation at its foot point less the room's
// scrolling, at its sort depth, unscaled; nothing when hidden.
void DrawEntityAnimation(const Entity& entity);
