#pragma once

// The adventure engine's level objects: rooms, flags, characters, doors and
// items. Each is created by class name from the level's settings file (see
// ElementFactory.h), reads its parameters through Serialize, is registered
// by full name ("<group>|<label>") in the Cast, and from then on:
//   - ResetGraphics when its room is entered (entities),
//   - Update(dt) and Draw() once a frame while its room is current,
//   - Reset when a new game starts,
//   - SerializeState when a game is saved or loaded.
// Serialize, when reading, always ends with Reset: an element read from its
// settings stands at its start values.

#include "files/Object.h"

class GameElement : public Object {
public:
    ~GameElement() override = default;

    // A derived class serializes its own block and calls this inside it,
    // last, so that the reset after reading sees every field.
    void Serialize(Serializer& serializer, const char* name) override;
    void SerializeState(Serializer& serializer, const char* name) override;
    // Hands the element's current picture to the render list.
    virtual void Draw() = 0;
    virtual void Update(float dt) = 0;
    // Back to the start values.
    virtual void Reset() {}
};
