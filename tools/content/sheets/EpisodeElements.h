#pragma once

// The game elements of an episode as its settings file creates them (the
// "DYNAMIC OBJECT START" blocks, LevelSettings.h) and the player, found by
// name as the cast finds them: the exact full name first, else the first
// full name that ends in "|" + the name. Names are Windows-1252.

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace content::sheets {

// What a name must be: an entity is a character, a door or an item.
enum class ElementKind { character, door, entity, flag, item, room };

// "character", "character, door or item", ...
const char* ElementKindName(ElementKind kind);

class EpisodeElements {
public:
    EpisodeElements();

    // Reads the settings file at the host path; false when it cannot be
    // opened (the player is there all the same).
    bool Load(const std::string& settingsPath);

    bool Exists(std::string_view name) const { return Find(name) != nullptr; }
    bool Is(std::string_view name, ElementKind kind) const;
    // The element's class ("Item") and full name; empty when there is none.
    std::string ClassName(std::string_view name) const;
    std::string FullName(std::string_view name) const;
    // The talk sheets' keys of all elements (TalkScriptManager::KeyOf).
    std::set<std::string> Keys() const;
    // The full names of the characters, doors and items with the key (the
    // ones the player uses) that are not of `kind`.
    std::vector<std::string> OthersWithKey(const std::string& key, ElementKind kind) const;

private:
    struct Element {
        std::string fullName;
        std::string className; // without "class "
    };

    const Element* Find(std::string_view name) const;
    static bool IsOfKind(const std::string& type, ElementKind kind);

    std::vector<Element> elements;
};

} // namespace content::sheets
