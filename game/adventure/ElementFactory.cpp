#include "ElementFactory.h"

#include "Character.h"
#include "Door.h"
#include "Flag.h"
#include "Item.h"
#include "Room.h"

#include <string>

namespace {

// The classes a level's settings file may name.
const ElementRegistration<Character> characterRegistration("Character");
const ElementRegistration<Door> doorRegistration("Door");
const ElementRegistration<Flag> flagRegistration("Flag");
const ElementRegistration<Item> itemRegistration("Item");
const ElementRegistration<Room> roomRegistration("Room");

} // namespace

std::unique_ptr<GameElement> CreateElement(std::string_view className)
{
    constexpr std::string_view prefix = "class ";
    if (className.starts_with(prefix))
        className.remove_prefix(prefix.size());
    return ElementFactory::GetInstance().Create(std::string(className));
}
