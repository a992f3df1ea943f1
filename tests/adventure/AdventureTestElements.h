#pragma once

#include "adventure/Entity.h"

// The smallest entity: the behaviour that characters, doors and items add is
// not needed to test what every entity shares.
class TestEntity : public Entity {
public:
    void ResetGraphics() override {}
    void OnUse() override {}
    void OnExamine() override {}
    bool WalkTo(int, int, int) override { return true; }
    void MoveTo(int, int, float) override {}
    void SetPosition(int x, int y) override { position = FloatPoint{static_cast<float>(x), static_cast<float>(y)}; }
    void TurnTo(int direction) override { orient = direction; }
};
