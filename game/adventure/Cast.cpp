#include "Cast.h"

#include "GameElement.h"

#include <algorithm>
#include <cstddef>

std::string Cast::RoomName(std::string_view roomLabel)
{
    return std::string(roomLabel) + "|Room";
}

void Cast::Add(Object* object, std::string fullName)
{
    entries.push_back(Entry{object, std::move(fullName)});
}

bool Cast::Remove(const Object* object)
{
    return std::erase_if(entries, [object](const Entry& entry) { return entry.object == object; }) != 0;
}

Object* Cast::Find(std::string_view name) const
{
    for (const Entry& entry : entries)
        if (entry.fullName == name)
            return entry.object;
    for (const Entry& entry : entries) {
        const std::string_view full = entry.fullName;
        if (full.size() > name.size() && full.ends_with(name) && full[full.size() - name.size() - 1] == '|')
            return entry.object;
    }
    return nullptr;
}

GameElement* Cast::FindElement(std::string_view name) const
{
    return dynamic_cast<GameElement*>(Find(name));
}

std::string Cast::GetFullName(const Object* object) const
{
    const auto found =
        std::find_if(entries.begin(), entries.end(), [object](const Entry& entry) { return entry.object == object; });
    return found != entries.end() ? found->fullName : std::string();
}

std::string Cast::GetGroup(const Object* object) const
{
    const std::string fullName = GetFullName(object);
    const std::size_t bar = fullName.find('|');
    return bar != std::string::npos ? fullName.substr(0, bar) : std::string();
}

std::string Cast::GetName(const Object* object) const
{
    const std::string fullName = GetFullName(object);
    const std::size_t bar = fullName.find('|');
    return bar != std::string::npos ? fullName.substr(bar + 1) : fullName;
}
