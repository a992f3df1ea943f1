#pragma once

// The figure the user steers: one Character, registered in the cast as
// "Player" while the player exists, so that scripts, talk sheets and items
// reach it by that name. The level's walk requests come through here, and
// on every room change the character moves into the room, takes the room's
// depth scaling again and becomes the room's scroll focus.

#include "Character.h"
#include "files/Object.h"

#include <string>

class Room;

class Player : public Object {
public:
    static constexpr const char* castName = "Player";

    // Creates the character and registers it in the cast.
    Player();
    ~Player() override;
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Section "Player": "anim name", which figure it shows.
    void Serialize(Serializer& serializer, const char* name) override;
    // The character's state.
    void SerializeState(Serializer& serializer, const char* name) override;

    // The character's WalkTo.
    bool WalkTo(int x, int y, int orient) { return character.WalkTo(x, y, orient); }
    void SetAnimName(const std::string& name) { character.SetAnimName(name); }
    const std::string& GetAnimName() const { return character.GetAnimName(); }
    // The character enters the room (null: none).
    void EnterRoom(Room* room);

    Character& GetCharacter() { return character; }
    const Character& GetCharacter() const { return character; }

private:
    Character character;
};
