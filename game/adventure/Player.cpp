#include "Player.h"

#include "Cast.h"
#include "Room.h"
#include "files/Serializer.h"

Player::Player()
{
    Cast::GetInstance().Add(&character, castName);
}

Player::~Player()
{
    if (Cast::Exists())
        Cast::GetInstance().Remove(&character);
}

void Player::Serialize(Serializer& serializer, const char* name)
{
    std::string animName = character.GetAnimName();
    serializer.BeginSection("Player", name);
    serializer.SerializeString("anim name", animName);
    serializer.EndSection();
    if (serializer.IsReading() && animName != character.GetAnimName())
        character.SetAnimName(animName);
}

void Player::SerializeState(Serializer& serializer, const char* name)
{
    character.SerializeState(serializer, name);
}

void Player::EnterRoom(Room* room)
{
    character.SetRoom(room);
    character.SetUseRoomScale(true);
    if (room != nullptr)
        room->SetFocus(&character);
}
