#pragma once

#include "files/Object.h"

// A rectangle relative to its owner's foot point. Left and top belong to it,
// right and bottom do not, so a box of Left 0, Right 1 holds exactly one
// column. Serialized as its own block with the keys "Left", "Top", "Right"
// and "Bottom".
class BoundingBox : public Object {
public:
    BoundingBox() = default;
    BoundingBox(int left, int top, int right, int bottom) : Left(left), Top(top), Right(right), Bottom(bottom) {}

    void Serialize(Serializer& serializer, const char* name) override;

    bool Contains(int x, int y) const { return Left <= x && x < Right && Top <= y && y < Bottom; }

    int Left = -20;
    int Top = -40;
    int Right = 20;
    int Bottom = 0;
};
