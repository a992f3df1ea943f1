#include "sheets/EpisodeElements.h"

#include "adventure/LevelSettings.h"
#include "adventure/Player.h"
#include "adventure/TalkScriptManager.h"
#include "files/File.h"

namespace content::sheets {

namespace {

// As LevelSettings reads its lines.
constexpr std::size_t lineLength = 1000;

} // namespace

const char* ElementKindName(ElementKind kind)
{
    switch (kind) {
    case ElementKind::character: return "character";
    case ElementKind::door: return "door";
    case ElementKind::entity: return "character, door or item";
    case ElementKind::flag: return "flag";
    case ElementKind::item: return "item";
    case ElementKind::room: return "room";
    }
    return "element";
}

EpisodeElements::EpisodeElements() : elements{{Player::castName, "Character"}} {}

bool EpisodeElements::Load(const std::string& settingsPath)
{
    File file;
    if (!file.Open(settingsPath.c_str(), "r"))
        return false;
    LevelSettings::Block block;
    std::string skipped;
    while (LevelSettings::NextBlock(file, block)) {
        file.ReadLine(skipped, lineLength);
        // The game creates an element for each dynamic block of a class,
        // once per full name.
        constexpr std::string_view classPrefix = "class ";
        bool known = false;
        for (const Element& element : elements)
            known = known || element.fullName == block.fullName;
        if (block.dynamic && block.className.starts_with(classPrefix) && !known)
            elements.push_back({block.fullName, block.className.substr(classPrefix.size())});
    }
    return true;
}

const EpisodeElements::Element* EpisodeElements::Find(std::string_view name) const
{
    for (const Element& element : elements) {
        if (element.fullName == name)
            return &element;
    }
    for (const Element& element : elements) {
        const std::string_view full = element.fullName;
        if (full.size() > name.size() && full.ends_with(name) && full[full.size() - name.size() - 1] == '|')
            return &element;
    }
    return nullptr;
}

bool EpisodeElements::Is(std::string_view name, ElementKind kind) const
{
    const Element* element = Find(name);
    return element != nullptr && IsOfKind(element->className, kind);
}

bool EpisodeElements::IsOfKind(const std::string& type, ElementKind kind)
{
    switch (kind) {
    case ElementKind::character: return type == "Character";
    case ElementKind::door: return type == "Door";
    case ElementKind::entity: return type == "Character" || type == "Door" || type == "Item";
    case ElementKind::flag: return type == "Flag";
    case ElementKind::item: return type == "Item";
    case ElementKind::room: return type == "Room";
    }
    return false;
}

std::string EpisodeElements::ClassName(std::string_view name) const
{
    const Element* element = Find(name);
    return element != nullptr ? element->className : std::string();
}

std::string EpisodeElements::FullName(std::string_view name) const
{
    const Element* element = Find(name);
    return element != nullptr ? element->fullName : std::string();
}

std::set<std::string> EpisodeElements::Keys() const
{
    std::set<std::string> keys;
    for (const Element& element : elements)
        keys.insert(TalkScriptManager::KeyOf(element.fullName));
    return keys;
}

std::vector<std::string> EpisodeElements::OthersWithKey(const std::string& key, ElementKind kind) const
{
    std::vector<std::string> others;
    for (const Element& element : elements) {
        if (TalkScriptManager::KeyOf(element.fullName) == key && IsOfKind(element.className, ElementKind::entity) &&
            !IsOfKind(element.className, kind))
            others.push_back(element.fullName);
    }
    return others;
}

} // namespace content::sheets
