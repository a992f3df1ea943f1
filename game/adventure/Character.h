#pragma once

// Placeholder: the walking figure (being written). Doors and items reach the
// steered figure through these.

#include "Entity.h"

class Character : public Entity {
public:
    // Pick-up heights.
    enum PickupType : int { pickupLow = 1, pickupMiddle = 2, pickupHigh = 3 };

    void ResetGraphics() override {}
    void OnUse() override {}
    void OnExamine() override {}
    bool WalkTo(int, int, int) override { return false; }
    void MoveTo(int, int, float) override {}
    void SetPosition(int x, int y) override { position = {static_cast<float>(x), static_cast<float>(y)}; }
    void TurnTo(int) override {}

    // Enters the pick-up state at the given height.
    void Pickup(int /*type*/) {}
    // A walking character stops and becomes idle.
    void Stop() {}
};
