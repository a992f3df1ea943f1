#include "levels/EpisodeSettings.h"

#include "adventure/Character.h"
#include "adventure/Door.h"
#include "adventure/Flag.h"
#include "adventure/Item.h"
#include "adventure/LevelSettings.h"
#include "adventure/Room.h"
#include "files/File.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace content::levels {

namespace {

constexpr float frontScale = 0.95f;
constexpr float backScale = 0.5f;

// The scenery of graphic `name` in room `room`.
const Scenery* FindScenery(const std::vector<Scenery>& scenery, const std::string& room, const std::string& name)
{
    const auto found = std::find_if(scenery.begin(), scenery.end(), [&](const Scenery& piece) {
        return name == piece.name && (piece.room.empty() || piece.room == room);
    });
    return found == scenery.end() ? nullptr : &*found;
}

// A graphic's foot point (the bottom centre of its rectangle, as the room
// places it) and its rectangle around that point.
Point Foot(const rooms::RoomGraphic& graphic)
{
    return {graphic.x + graphic.width / 2, graphic.y + graphic.height};
}

void PlaceOnGraphic(Entity& entity, const rooms::RoomGraphic& graphic)
{
    const Point foot = Foot(graphic);
    entity.SetStartPos(foot);
    entity.GetBoundingBox() = BoundingBox(graphic.x - foot.x, graphic.y - foot.y, graphic.x + graphic.width - foot.x, 0);
}

// The graphic called `name` in the room labelled `room`, or null.
const rooms::RoomGraphic* FindGraphic(const EpisodeDescription& episode, const std::string& room,
                                      const std::string& name)
{
    for (const rooms::RoomDescription& description : episode.rooms) {
        if (description.label != room)
            continue;
        for (const rooms::RoomGraphic& graphic : description.graphics)
            if (graphic.name == name)
                return &graphic;
    }
    return nullptr;
}

// Whether a room's graphic is the picture of one of its doors or lying items.
bool IsThing(const RoomStaging& staging, const std::string& room, const std::string& name)
{
    return std::ranges::any_of(staging.doors,
                               [&](const items::DoorThing& door) { return door.room == room && door.sprite == name; }) ||
           std::ranges::any_of(staging.items, [&](const items::ItemThing& item) {
               return item.liesInRoom && item.room == room && item.sprite == name;
           });
}

class SettingsWriter {
public:
    bool Open(int level)
    {
        std::snprintf(path, sizeof path, "data\\level%02d\\settings\\settings.txt", level);
        if (file.OpenDirect(path, "w"))
            return true;
        std::fprintf(stderr, "zephyra-content: cannot write %s\n", path);
        return false;
    }
    void Write(const std::string& fullName, Object& object) { LevelSettings::WriteBlock(file, fullName, object, true); }
    bool Close() { return file.Close(); }

private:
    char path[48] = {};
    File file;
};

} // namespace

bool WriteEpisodeSettings(const EpisodeDescription& episode)
{
    SettingsWriter writer;
    if (!writer.Open(episode.level))
        return false;
    const RoomStaging& staging = episode.staging;

    for (const rooms::RoomDescription& description : episode.rooms) {
        Room room;
        const std::string folder = description.folder.substr(std::string("data\\").size());
        room.SetSpriteInfosFilename(folder + "spriteinfos.txt");
        room.SetAmbientSoundfile(folder + "ambient.ogg");
        room.SetLabel(description.label);
        // The depth maps say how far back a point lies; from the back wall
        // to the front edge a figure grows from half its size to nearly all.
        room.SetScaling(frontScale, backScale, 500, 350);
        writer.Write(description.label + "|Room", room);
        // The room's own stills and animated details, drawn by their feet
        // among the people (a chair hides who stands behind it).
        for (const rooms::RoomGraphic& graphic : description.graphics) {
            if (IsThing(staging, description.label, graphic.name))
                continue;
            Item detail;
            PlaceOnGraphic(detail, graphic);
            if (const Scenery* piece = FindScenery(staging.scenery, description.label, graphic.name)) {
                detail.SetLabel(piece->label);
                detail.SetActPosition(piece->act);
                detail.SetActOrient(piece->actOrient);
                detail.SetActPositionValid(true);
            } else {
                detail.SetRolloverCheck(Entity::rolloverNone);
            }
            detail.SetPickupAnim(0);
            detail.GetAnimation().NameSprite(graphic.name);
            detail.GetAnimation().SetMode(Animation::modeLoop);
            writer.Write(items::FullName(description.label, graphic.name), detail);
        }
    }
    for (const items::DoorThing& thing : staging.doors) {
        const rooms::RoomGraphic* graphic = FindGraphic(episode, thing.room, thing.sprite);
        if (graphic == nullptr) {
            std::fprintf(stderr, "zephyra-content: door %s has no picture in its room\n", thing.name.c_str());
            return false;
        }
        Door door;
        PlaceOnGraphic(door, *graphic);
        door.SetLabel(thing.label);
        door.SetLeadsTo(thing.leadsTo);
        door.SetWalkFrom({thing.walkFrom.x, thing.walkFrom.y});
        door.SetWalkTo({thing.walkTo.x, thing.walkTo.y});
        // The player walks to where it would come out of this door.
        door.SetActPosition({thing.walkFrom.x, thing.walkFrom.y});
        door.SetActPositionValid(true);
        // Played backwards from its first frame, an idle door stays shut;
        // opening plays it forwards, arriving backwards from its end.
        door.GetAnimation().NameSprite(thing.sprite);
        door.GetAnimation().SetMode(Animation::modeStop);
        door.GetAnimation().SetDirection(Animation::backward);
        writer.Write(items::FullName(thing.room, thing.name), door);
    }
    for (const items::ItemThing& thing : staging.items) {
        Item item;
        item.SetLabel(thing.label);
        item.SetPickupAnim(static_cast<int>(thing.pickup));
        item.GetIconSprite().NameSprite(items::IconLabel(thing));
        item.GetCursorSprite().NameSprite(items::CursorLabel(thing));
        const rooms::RoomGraphic* graphic = thing.liesInRoom ? FindGraphic(episode, thing.room, thing.sprite) : nullptr;
        if (thing.liesInRoom && graphic == nullptr) {
            std::fprintf(stderr, "zephyra-content: item %s has no picture in its room\n", thing.name.c_str());
            return false;
        }
        if (graphic != nullptr) {
            PlaceOnGraphic(item, *graphic);
            item.SetActPosition(Foot(*graphic));
            item.SetActPositionValid(true);
            item.GetAnimation().NameSprite(thing.sprite);
            item.GetAnimation().SetMode(Animation::modeLoop);
        } else {
            // Made by a puzzle: not in the room until then.
            item.SetActive(false);
            item.SetActiveOnStart(false);
        }
        writer.Write(items::FullName(thing.room, thing.name), item);
    }
    for (const Standing& standing : staging.people) {
        Character person;
        person.SetAnimName(std::string(standing.figure));
        person.SetLabel(standing.label);
        person.SetStartPos(standing.foot);
        person.SetStartOrient(standing.orient);
        person.GetBoundingBox() = BoundingBox(-40, -180, 40, 0);
        person.SetSpeechBubbleOffset({0, standing.bubbleY});
        // Juna talks to them from beside them, facing them.
        person.SetActPosition(standing.act);
        person.SetActPositionValid(true);
        person.SetActOrient(standing.act.x < standing.foot.x ? Entity::right : Entity::left);
        writer.Write(items::FullName(standing.room, standing.name), person);
    }
    for (const std::string& name : episode.flags) {
        Flag flag;
        writer.Write(name, flag);
    }
    return writer.Close();
}

} // namespace content::levels
