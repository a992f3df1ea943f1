#pragma once

// The registry of every live game element under its full name, through
// which scripts, talk sheets, doors and savegames find the elements.
//
// Names: a full name is "<group>|<label>"; the elements of a room are grouped
// under the room's label, the room itself is "<room label>|Room" (see
// RoomName), the player is "Player". Find looks for the exact full name
// first and then for the first full name ending in "|" + the name, so a
// short name finds its element in any group. Both look-ups return the first
// match in registration order; a name may be registered twice.
//
// Besides game elements the cast also holds engine services that the
// element editor shows (the menu registers "Sound Engine" and "Sample
// Manager"), so entries are Objects; FindElement and FindAs narrow them.
// The cast never owns what it lists: an owner removes its object before
// destroying it. Main thread only.

#include "app/Singleton.h"

#include <string>
#include <string_view>
#include <vector>

class GameElement;
class Object;

class Cast : public Singleton<Cast> {
public:
    struct Entry {
        Object* object = nullptr;
        std::string fullName;
    };

    // "<room label>|Room".
    static std::string RoomName(std::string_view roomLabel);

    void Add(Object* object, std::string fullName);
    // Takes every entry of the object out; false when it had none.
    bool Remove(const Object* object);
    void Clear() { entries.clear(); }

    // By exact full name, else by short name; null when neither is there.
    Object* Find(std::string_view name) const;
    GameElement* FindElement(std::string_view name) const;
    template <typename T>
    T* FindAs(std::string_view name) const
    {
        return dynamic_cast<T*>(Find(name));
    }

    // The name the object was first registered under; empty when it is not
    // registered.
    std::string GetFullName(const Object* object) const;
    // The part of the full name before its first "|"; empty without one.
    std::string GetGroup(const Object* object) const;
    // The part behind the first "|"; a name without one is its own name.
    std::string GetName(const Object* object) const;

    const std::vector<Entry>& GetEntries() const { return entries; }

private:
    std::vector<Entry> entries;
};
