// The doors and items of every episode: where the generated rooms place them,
// read as the game reads the rooms, and their pictures in the level's
// sprite list, the inventory and the pointer.

#include "ContentLists.h"
#include "GeneratedDataTest.h"
#include "ImagePixels.h"
#include "SpriteArt.h"
#include "adventure/ByteMap.h"
#include "adventure/Cast.h"
#include "adventure/Character.h"
#include "adventure/Door.h"
#include "adventure/LevelSettings.h"
#include "adventure/PathFinder.h"
#include "adventure/Room.h"
#include "adventure/RoomSpriteInfos.h"
#include "files/ObjectType.h"
#include "graphics/SpriteInfosLoaderUtil.h"
#include "items/EpisodeItems.h"
#include "levels/Episode1.h"
#include "levels/Episode2.h"
#include "levels/Episode3.h"
#include "levels/Episode4.h"
#include "levels/Episode5.h"
#include "levels/Episode6.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using content::items::DoorThing;
using content::items::ItemThing;
using content::levels::EpisodeDescription;

// The episodes made so far.
std::vector<EpisodeDescription> Episodes()
{
    return {content::levels::Episode1(), content::levels::Episode2(), content::levels::Episode3(),
            content::levels::Episode4(), content::levels::Episode5(),
            content::levels::Episode6()};
}

std::string LevelName(int level)
{
    char name[16];
    std::snprintf(name, sizeof name, "level%02d", level);
    return name;
}

// The room's folder as the game names it: "data\level01\" and the room's
// label in lower case.
std::string RoomFolder(int level, const std::string& room)
{
    std::string folder = "data\\" + LevelName(level) + "\\";
    for (const char c : room)
        folder += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folder + "\\";
}

std::string FrameFile(const std::string& folder, const std::string& label, int frame)
{
    char number[8];
    std::snprintf(number, sizeof number, "%02d", frame);
    return folder + label + number;
}

// A room as the game takes it in: the graphics its sprite-info file
// registers, by label, and its walk area.
struct LoadedRoom {
    std::map<std::string, SpriteInfo> graphics;
    ByteMap walkArea;
};

bool LoadRoom(int level, const std::string& room, LoadedRoom& loaded)
{
    const std::string folder = RoomFolder(level, room);
    SpriteInfosLoaderUtil::SpriteInfos entries;
    if (!SpriteInfosLoaderUtil::LoadSpriteInfos((folder + "spriteinfos.txt").c_str(), entries))
        return false;
    for (const RoomGraphic& graphic : RoomSpriteInfos::Interpret(entries, folder))
        if (graphic.kind == RoomGraphic::still || graphic.kind == RoomGraphic::animation)
            loaded.graphics[graphic.info.label] = graphic.info;
    const std::unique_ptr<Image> image = Room::LoadMapImage(folder + "walkarea");
    return image && loaded.walkArea.Init(*image);
}

// Whether the player walks from `from` to `to` and ends there.
bool Walks(const ByteMap& map, Point from, Point to)
{
    std::vector<Point> path;
    if (!PathFinder::GetInstance().FindPathExt(static_cast<float>(from.x), static_cast<float>(from.y),
                                               static_cast<float>(to.x), static_cast<float>(to.y), map, 1.0f, 1.0f,
                                               path))
        return false;
    return !path.empty() && path.back().x == to.x && path.back().y == to.y;
}

} // namespace

class ItemArtTest : public GeneratedDataTest {
protected:
    void SetUp() override
    {
        GeneratedDataTest::SetUp();
        StartLog();
    }
    void CheckDoorsAndItems(const EpisodeDescription& episode);
    void CheckIcons(const EpisodeDescription& episode);
    void CheckSettings(const EpisodeDescription& episode);
};

TEST_F(ItemArtTest, DoorsLeadToEachOtherAndDoorsAndItemsStandWhereThePlayerWalks)
{
    for (const EpisodeDescription& episode : Episodes())
        CheckDoorsAndItems(episode);
}

void ItemArtTest::CheckDoorsAndItems(const EpisodeDescription& episode)
{
    SCOPED_TRACE(episode.level);
    const std::vector<DoorThing>& doors = episode.staging.doors;
    const std::vector<ItemThing>& items = episode.staging.items;
    std::map<std::string, const DoorThing*> doorsByFullName;
    for (const DoorThing& door : doors)
        EXPECT_TRUE(doorsByFullName.emplace(content::items::FullName(door.room, door.name), &door).second)
            << door.name;

    // Each door leads to a door of another room, which leads back to it;
    // every room has a way in (but one, below).
    std::set<std::string> roomsWithDoors;
    for (const DoorThing& door : doors) {
        SCOPED_TRACE(door.name);
        roomsWithDoors.insert(door.room);
        const auto target = doorsByFullName.find(door.leadsTo);
        ASSERT_NE(target, doorsByFullName.end()) << door.leadsTo;
        EXPECT_NE(target->second->room, door.room);
        EXPECT_EQ(target->second->leadsTo, content::items::FullName(door.room, door.name));
    }
    // The finale's closing scene on Wakalua is the one room the story
    // reaches by script alone.
    const std::size_t reachedByScript = episode.level == 6 ? 1 : 0;
    EXPECT_EQ(roomsWithDoors.size() + reachedByScript, episode.rooms.size());

    std::map<std::string, LoadedRoom> rooms;
    for (const std::string& room : roomsWithDoors)
        ASSERT_TRUE(LoadRoom(episode.level, room, rooms[room])) << room;

    for (const DoorThing& door : doors) {
        SCOPED_TRACE(door.name);
        const LoadedRoom& room = rooms[door.room];
        // The room places the door's picture, an animation that opens: its
        // first and last frames differ over much of the door.
        const auto graphic = room.graphics.find(door.sprite);
        ASSERT_NE(graphic, room.graphics.end()) << door.sprite;
        EXPECT_TRUE(graphic->second.hasPlacement);
        ASSERT_GE(graphic->second.frameCount, 3);
        const std::string folder = RoomFolder(episode.level, door.room);
        const ArtPixels closed(FrameFile(folder, door.sprite, 1));
        const ArtPixels open(FrameFile(folder, door.sprite, graphic->second.frameCount));
        ASSERT_TRUE(closed.Loaded() && open.Loaded());
        ASSERT_EQ(closed.Width(), open.Width());
        ASSERT_EQ(closed.Height(), open.Height());
        int changed = 0;
        for (int y = 0; y < closed.Height(); ++y)
            for (int x = 0; x < closed.Width(); ++x)
                if (closed.Coverage(x, y) != open.Coverage(x, y) || closed.Rgb(x, y) != open.Rgb(x, y))
                    ++changed;
        EXPECT_GT(changed, closed.Width() * closed.Height() / 5);

        // The arriving player appears on the floor and walks on from there.
        const Point from{door.walkFrom.x, door.walkFrom.y};
        const Point to{door.walkTo.x, door.walkTo.y};
        EXPECT_NE(room.walkArea.Get(from.x, from.y), ByteMap::blocked);
        EXPECT_NE(room.walkArea.Get(to.x, to.y), ByteMap::blocked);
        EXPECT_TRUE(Walks(room.walkArea, from, to));
    }

    // An item lying in a room stands on its floor, reached from every door
    // of the room; one that only a combination makes lies nowhere.
    for (const ItemThing& item : items) {
        SCOPED_TRACE(item.name);
        ASSERT_EQ(rooms.count(item.room), 1u) << item.room;
        for (const auto& [label, room] : rooms) {
            const bool placed = room.graphics.count(item.sprite) == 1;
            EXPECT_EQ(placed, item.liesInRoom && label == item.room) << label;
        }
        if (!item.liesInRoom)
            continue;
        const LoadedRoom& room = rooms[item.room];
        const SpriteInfo& info = room.graphics.at(item.sprite);
        ASSERT_TRUE(info.hasPlacement);
        EXPECT_NE(room.walkArea.Get(info.placement.x, info.placement.y), ByteMap::blocked);
        for (const DoorThing& door : doors) {
            if (door.room != item.room)
                continue;
            EXPECT_TRUE(Walks(room.walkArea, Point{door.walkTo.x, door.walkTo.y}, info.placement)) << door.name;
        }
    }
}

TEST_F(ItemArtTest, EveryLabelIsInTheLevelListAndIconsAndPointersFitWhereTheGameDrawsThem)
{
    for (const EpisodeDescription& episode : Episodes())
        CheckIcons(episode);
}

void ItemArtTest::CheckIcons(const EpisodeDescription& episode)
{
    SCOPED_TRACE(episode.level);
    // Written beside the generated tree, as the level's list is.
    const std::string folder = "items" + std::to_string(episode.level) + "\\";
    content::SpriteFolder level(folder + "sprites\\", folder + "sprites.txt");
    ASSERT_TRUE(content::items::WriteEpisodeItems(level, episode.staging.items, "items"));
    ASSERT_TRUE(level.Finish());
    const std::vector<std::string> written = content::SpriteLabels(folder + "sprites.txt");
    const std::set<std::string> labels(written.begin(), written.end());
    EXPECT_EQ(labels.size(), written.size()) << "a label listed twice";

    // Icons and pointers only: pictures in a room are the room's graphics.
    std::set<std::string> expected;
    for (const ItemThing& item : episode.staging.items) {
        expected.insert(content::items::IconLabel(item));
        expected.insert(content::items::CursorLabel(item));
    }
    EXPECT_EQ(labels, expected);
    // Once the generator writes the level's list, they are all in it.
    const std::map<std::string, std::vector<SpriteListLine>> levelList = ReadSpriteList(LevelName(episode.level));
    if (!levelList.empty()) {
        for (const std::string& label : expected)
            EXPECT_EQ(levelList.count(label), 1u) << label;
    }

    for (const ItemThing& item : episode.staging.items) {
        SCOPED_TRACE(item.name);
        // The icon is drawn at the field's position: everything of it lies
        // on the field's slanted face, 48 <= x + 0.55 (y - 1) < 179 for
        // 0 <= y < 75, clear of a 3-pixel rim, and the item shows.
        const ArtPixels icon(folder + "sprites\\" + content::items::IconLabel(item));
        ASSERT_TRUE(icon.Loaded());
        int shown = 0;
        int outside = 0;
        for (int y = 0; y < icon.Height(); ++y) {
            for (int x = 0; x < icon.Width(); ++x) {
                if (icon.Coverage(x, y) == 0)
                    continue;
                const double slanted = x + 0.55 * (y - 1);
                const bool onFace = y >= 3 && y < 72 && slanted >= 51.0 && slanted < 176.0;
                outside += onFace ? 0 : 1;
                shown += icon.Coverage(x, y) == 255 ? 1 : 0;
            }
        }
        EXPECT_EQ(outside, 0);
        EXPECT_GT(shown, 600);

        // The pointer's position is its bottom centre: the pin's tip is
        // there, and it is no larger than a pointer.
        const ArtPixels cursor(folder + "sprites\\" + content::items::CursorLabel(item));
        ASSERT_TRUE(cursor.Loaded());
        EXPECT_LE(cursor.Width(), 64);
        EXPECT_LE(cursor.Height(), 80);
        int tip = 0;
        for (int y = cursor.Height() - 4; y < cursor.Height(); ++y)
            for (int x = cursor.Width() / 2 - 1; x <= cursor.Width() / 2; ++x)
                tip = std::max(tip, cursor.Coverage(x, y));
        EXPECT_GT(tip, 128);
    }
}

TEST_F(ItemArtTest, TheLevelSettingsBringEveryThingAndThePeopleStandWhereThePlayerWalks)
{
    for (const EpisodeDescription& episode : Episodes())
        CheckSettings(episode);
}

void ItemArtTest::CheckSettings(const EpisodeDescription& episode)
{
    SCOPED_TRACE(episode.level);
    std::vector<std::unique_ptr<GameElement>> created;
    ASSERT_TRUE(LevelSettings::Load(episode.level, "settings.txt", created));
    std::map<std::string, int> classes;
    for (const std::unique_ptr<GameElement>& element : created)
        ++classes[ObjectType::GetInstance().GetClassName(*element)];
    EXPECT_EQ(classes["class Room"], static_cast<int>(episode.rooms.size()));
    EXPECT_EQ(classes["class Door"], static_cast<int>(episode.staging.doors.size()));
    EXPECT_EQ(classes["class Character"], static_cast<int>(episode.staging.people.size()));
    EXPECT_GE(classes["class Item"], static_cast<int>(episode.staging.items.size()));

    const Cast& cast = Cast::GetInstance();
    std::map<std::string, LoadedRoom> rooms;
    for (const std::unique_ptr<GameElement>& element : created) {
        const std::string name = cast.GetFullName(element.get());
        SCOPED_TRACE(name);
        if (const auto* door = dynamic_cast<const Door*>(element.get())) {
            EXPECT_NE(cast.FindAs<Door>(door->GetLeadsTo()), nullptr);
        }
        const auto* person = dynamic_cast<const Character*>(element.get());
        if (person == nullptr)
            continue;
        const std::string room = cast.GetGroup(person);
        if (!rooms.contains(room)) {
            ASSERT_TRUE(LoadRoom(episode.level, room, rooms[room]));
        }
        // Everyone can be walked up to from the room's doors, and talked to
        // from beside them.
        for (const DoorThing& door : episode.staging.doors) {
            if (door.room == room) {
                EXPECT_TRUE(Walks(rooms[room].walkArea, Point{door.walkTo.x, door.walkTo.y}, person->GetStartPos()));
                EXPECT_TRUE(Walks(rooms[room].walkArea, Point{door.walkTo.x, door.walkTo.y}, person->GetActPosition()));
            }
        }
    }
    // Each piece of scenery answers with the label and act point its own
    // room gives it, though another room has a graphic of the same name;
    // such a graphic without scenery of its own stays a detail.
    for (const content::rooms::RoomDescription& room : episode.rooms) {
        for (const content::rooms::RoomGraphic& graphic : room.graphics) {
            const auto isThing = [&](const auto& things) {
                return std::any_of(things.begin(), things.end(), [&](const auto& thing) {
                    return thing.room == room.label && thing.sprite == graphic.name;
                });
            };
            if (isThing(episode.staging.doors) || isThing(episode.staging.items))
                continue;
            const std::string name = content::items::FullName(room.label, graphic.name);
            const auto* element = cast.FindAs<Entity>(name);
            ASSERT_NE(element, nullptr) << name;
            const auto piece = std::find_if(episode.staging.scenery.begin(), episode.staging.scenery.end(),
                                            [&](const content::levels::Scenery& scenery) {
                                                return scenery.name == graphic.name &&
                                                       (scenery.room.empty() || scenery.room == room.label);
                                            });
            if (piece == episode.staging.scenery.end()) {
                EXPECT_EQ(element->GetLabel(), "") << name;
                continue;
            }
            EXPECT_EQ(element->GetLabel(), piece->label) << name;
            EXPECT_EQ(element->GetActPosition().x, piece->act.x) << name;
            EXPECT_EQ(element->GetActPosition().y, piece->act.y) << name;
        }
    }
    LevelSettings::Unload(created);
}
