#include "levels/Episode1Settings.h"

#include "items/Episode1Placement.h"
#include "items/Episode1Things.h"
#include "rooms/episode1/Episode1Rooms.h"
#include "adventure/CastAnimations.h"
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

constexpr const char* settingsFile = "data\\level01\\settings\\settings.txt";
constexpr float frontScale = 0.95f;
constexpr float backScale = 0.5f;

// Someone of the cast standing in a room of the episode.
struct Standing {
    std::string_view figure; // the animation prefix
    const char* name;        // the element's name in its room's group
    const char* label;       // shown under the pointer, Windows-1252
    const char* room;        // the room's label
    Point foot;              // on the room's walkable floor
    int orient;
    int bubbleY;             // the speech bubble's offset above the foot
    Point act;               // where Juna stands to talk to them, beside them
};

// Where the others are while Juna finds her way: the captain and KIRA on
// the bridge, the twins on the beach, the chief on the village square.
std::vector<Standing> Episode1People()
{
    const char* bruecke = "RoomBr\xfc" "cke";
    return {
        {castanimations::baltasar, "Baltasar", "Kapit\xe4n Baltasar", bruecke, {760, 560}, Entity::left, -160, {640, 580}},
        {castanimations::kira, "Kira", "KIRA", bruecke, {300, 540}, Entity::right, -110, {420, 560}},
        {castanimations::lotte, "Lotte", "Lotte", "RoomStrand", {700, 600}, Entity::right, -130, {590, 615}},
        {castanimations::mia, "Mia", "Mia", "RoomStrand", {820, 610}, Entity::left, -130, {930, 620}},
        {castanimations::kalani, "Kalani", "H\xe4uptling Kalani", "RoomDorfplatz", {480, 575}, Entity::down, -180,
         {370, 595}},
    };
}

// A piece of a room's own scenery that can be pointed at, examined and
// used, though never taken: its label and where Juna stands to look at it
// (on the walkable floor in front of it, facing it).
struct Scenery {
    const char* name;  // its graphic's name in the room, also its element name
    const char* label; // Windows-1252
    Point act;
    int actOrient;
};

const std::vector<Scenery>& Episode1Scenery()
{
    static const std::vector<Scenery> scenery = {
        {"sessel", "Pilotensessel", {620, 580}, Entity::left},
        {"monitor", "Monitor", {380, 560}, Entity::up},
        {"werkzeugkiste", "Werkzeugkiste", {300, 580}, Entity::left},
        {"kolben", "Verriegelungskolben", {320, 550}, Entity::up},
        {"funken", "Funken", {745, 580}, Entity::up},
        {"wellen", "Wellen", {600, 590}, Entity::up},
        {"rauch", "Rauch", {1000, 590}, Entity::up},
        {"trommel", "Festtrommel", {700, 585}, Entity::left},
        {"fackel", "Fackel", {760, 580}, Entity::up},
        {"fahne", "Fahne", {900, 590}, Entity::up},
    };
    return scenery;
}

const Scenery* FindScenery(const std::string& name)
{
    const std::vector<Scenery>& scenery = Episode1Scenery();
    const auto found = std::find_if(scenery.begin(), scenery.end(),
                                    [&](const Scenery& piece) { return name == piece.name; });
    return found == scenery.end() ? nullptr : &*found;
}

// The episode's flags under the group of the room whose puzzle sets them,
// all starting at 0.
std::vector<std::string> Episode1Flags()
{
    const std::string bruecke = "RoomBr\xfc" "cke|";
    return {
        bruecke + "EinleitungGesehen",
        bruecke + "KristallGenommen",
        bruecke + "AbsturzErklaert",
        bruecke + "KiraHinweisSchritt",
        bruecke + "KiraHinweisStufe",
        "RoomMaschinenraum|FunkenGestoppt",
        "RoomMaschinenraum|LukeFrei",
        "RoomStrand|ZwillingeVersoehnt",
        "RoomDorfplatz|TanzErklaert",
        "RoomDorfplatz|BlumenketteGebunden",
        "RoomDorfplatz|KetteGegeben",
        "RoomDorfplatz|TrommelRepariert",
        "RoomDorfplatz|TanzBeginnt",
    };
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

const rooms::RoomGraphic* FindGraphic(const std::vector<items::RoomThing>& things, const std::string& name)
{
    const auto found = std::find_if(things.begin(), things.end(),
                                    [&](const items::RoomThing& thing) { return thing.graphic.name == name; });
    return found == things.end() ? nullptr : &found->graphic;
}

class SettingsWriter {
public:
    bool Open()
    {
        if (file.OpenDirect(settingsFile, "w"))
            return true;
        std::fprintf(stderr, "zephyra-content: cannot write %s\n", settingsFile);
        return false;
    }
    void Write(const std::string& fullName, Object& object) { LevelSettings::WriteBlock(file, fullName, object, true); }
    bool Close() { return file.Close(); }

private:
    File file;
};

} // namespace

bool WriteEpisode1Settings()
{
    SettingsWriter writer;
    if (!writer.Open())
        return false;
    const std::vector<items::RoomThing> doorGraphics = items::Episode1DoorGraphics();
    const std::vector<items::RoomThing> itemGraphics = items::Episode1ItemGraphics();

    for (const rooms::RoomDescription& description : rooms::Episode1Rooms()) {
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
            if (FindGraphic(doorGraphics, graphic.name) || FindGraphic(itemGraphics, graphic.name))
                continue;
            Item detail;
            PlaceOnGraphic(detail, graphic);
            if (const Scenery* piece = FindScenery(graphic.name)) {
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
    for (const items::DoorThing& thing : items::Episode1Doors()) {
        const rooms::RoomGraphic* graphic = FindGraphic(doorGraphics, thing.sprite);
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
    for (const items::ItemThing& thing : items::Episode1ItemThings()) {
        Item item;
        item.SetLabel(thing.label);
        item.SetPickupAnim(static_cast<int>(thing.pickup));
        item.GetIconSprite().NameSprite(items::IconLabel(thing));
        item.GetCursorSprite().NameSprite(items::CursorLabel(thing));
        if (const rooms::RoomGraphic* graphic = thing.liesInRoom ? FindGraphic(itemGraphics, thing.sprite) : nullptr) {
            PlaceOnGraphic(item, *graphic);
            item.SetActPosition(Foot(*graphic));
            item.SetActPositionValid(true);
            item.GetAnimation().NameSprite(thing.sprite);
            item.GetAnimation().SetMode(Animation::modeLoop);
        } else {
            // Made by a combination: not in the room until then.
            item.SetActive(false);
            item.SetActiveOnStart(false);
        }
        writer.Write(items::FullName(thing.room, thing.name), item);
    }
    for (const Standing& standing : Episode1People()) {
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
    for (const std::string& name : Episode1Flags()) {
        Flag flag;
        writer.Write(name, flag);
    }
    return writer.Close();
}

} // namespace content::levels
