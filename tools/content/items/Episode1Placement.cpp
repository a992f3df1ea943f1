#include "items/Episode1Placement.h"

#include "items/Episode1Things.h"
#include "items/ItemPictures.h"

namespace content::items {

namespace {

struct ItemPlace {
    const char* sprite;
    int x;     // the picture's left edge
    int y;     // its top
    int footY; // the bottom of its graphic: where it stands
};

// The bridge's crystal stands in its holder on the wall, the raffia hangs
// on a post of the dance stage's arch, the blossom on the bush beside the torch; the
// rest lies on the floor.
const ItemPlace itemPlaces[] = {
    {"kristall", 880, 256, 480},
    {"isolierband", 296, 590, 628},
    {"schraubenschluessel", 650, 556, 592},
    {"treibholz", 660, 596, 630},
    {"muschel", 1290, 592, 636},
    {"hibiskusbluete", 722, 402, 452},
    {"bastschnur", 366, 280, 448},
};

} // namespace

std::vector<RoomThing> Episode1DoorGraphics()
{
    return {
        {"RoomBr\xfc" "cke", BridgeEngineRoomDoor()},
        {"RoomMaschinenraum", LadderShutter()},
        {"RoomMaschinenraum", OuterHatchInside()},
        {"RoomStrand", OuterHatchOutside()},
        {"RoomStrand", BambooGate("tor_dorf", "DORF", 76, 512, 108, 190)},
        {"RoomDorfplatz", BambooGate("tor_strand", "STRAND", 70, 640, 116, 230)},
    };
}

std::vector<RoomThing> Episode1ItemGraphics()
{
    std::vector<RoomThing> graphics;
    for (const ItemThing& item : Episode1ItemThings()) {
        if (!item.liesInRoom)
            continue;
        const ItemPicture* picture = FindItemPicture(item.sprite);
        for (const ItemPlace& place : itemPlaces) {
            if (picture == nullptr || item.sprite != place.sprite)
                continue;
            rooms::RoomGraphic graphic{item.sprite, place.x, place.y, picture->width, place.footY - place.y,
                                       picture->frames, picture->draw};
            graphics.push_back({item.room, std::move(graphic)});
        }
    }
    return graphics;
}

std::vector<rooms::RoomGraphic> Episode1ThingGraphics(const std::string& room)
{
    std::vector<rooms::RoomGraphic> graphics;
    for (std::vector<RoomThing> things : {Episode1DoorGraphics(), Episode1ItemGraphics()})
        for (RoomThing& thing : things)
            if (thing.room == room)
                graphics.push_back(std::move(thing.graphic));
    return graphics;
}

} // namespace content::items
