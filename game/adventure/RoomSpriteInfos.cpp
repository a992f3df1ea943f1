#include "RoomSpriteInfos.h"

#include "app/Debug.h"

#include <algorithm>
#include <cstdio>

namespace {

using SpriteInfos = SpriteInfosLoaderUtil::SpriteInfos;

bool IsDigit(char character)
{
    return character >= '0' && character <= '9';
}

bool Is(const std::string& name, const char* lower, const char* upper)
{
    return name == lower || name == upper;
}

// The entry of a still or frame, or null when it is missing or left out.
const SpriteRect* UsableEntry(const SpriteInfos& entries, const std::string& name)
{
    const auto found = entries.find(name);
    if (found == entries.end())
        return nullptr;
    const SpriteRect& rectangle = found->second;
    if (!RoomSpriteInfos::IsSane(rectangle)) {
        LogWarning("Room::Init: Sprite info <%s> has the rectangle %d %d %d %d, it is left out!\n", name.c_str(),
                   rectangle.x, rectangle.y, rectangle.width, rectangle.height);
        return nullptr;
    }
    return &rectangle;
}

std::string FrameName(const std::string& prefix, int number)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d", number);
    return prefix + digits;
}

RoomGraphic Still(const std::string& name, const SpriteRect& rectangle, const std::string& roomFolder)
{
    RoomGraphic graphic{RoomGraphic::still, name, {}};
    SpriteInfo& info = graphic.info;
    info.label = name;
    info.file = roomFolder + name;
    info.crop = true;
    info.type = SpriteInfo::typeStatic;
    info.frameCount = 1;
    info.hasPlacement = true;
    info.placement = Point{rectangle.x + rectangle.width / 2, rectangle.y + rectangle.height};
    return graphic;
}

// The animation whose first frame is `prefix` + "01"; false when its first
// frame is left out or its frames together are too large.
bool BuildAnimation(const SpriteInfos& entries, const std::string& prefix, const std::string& roomFolder,
               RoomGraphic& graphic)
{
    std::vector<SpriteRect> frames;
    for (int number = 1; number <= RoomSpriteInfos::maximumFrames; ++number) {
        const SpriteRect* frame = UsableEntry(entries, FrameName(prefix, number));
        if (frame == nullptr)
            break;
        frames.push_back(*frame);
    }
    if (frames.empty())
        return false;
    // Frames numbered beyond a missing one cannot be loaded: their files
    // are counted from 01 without gaps.
    for (int number = static_cast<int>(frames.size()) + 2; number <= RoomSpriteInfos::maximumFrames; ++number)
        if (entries.contains(FrameName(prefix, number))) {
            LogWarning("Room::Init: Animation <%s> ends at the missing frame <%s>, <%s> is left out!\n", prefix.c_str(),
                       FrameName(prefix, static_cast<int>(frames.size()) + 1).c_str(),
                       FrameName(prefix, number).c_str());
            break;
        }

    int left = frames[0].x;
    int top = frames[0].y;
    int right = frames[0].x + frames[0].width;
    int bottom = frames[0].y + frames[0].height;
    for (const SpriteRect& frame : frames) {
        left = std::min(left, frame.x);
        top = std::min(top, frame.y);
        right = std::max(right, frame.x + frame.width);
        bottom = std::max(bottom, frame.y + frame.height);
    }
    const SpriteRect joined{left, top, right - left, bottom - top};
    if (joined.width > Image::maximumSide || joined.height > Image::maximumSide) {
        LogWarning("Room::Init: The frames of animation <%s> cover %d x %d pixels, it is left out!\n", prefix.c_str(),
                   joined.width, joined.height);
        return false;
    }

    graphic = RoomGraphic{RoomGraphic::animation, FrameName(prefix, 1), {}};
    SpriteInfo& info = graphic.info;
    info.label = prefix;
    info.file = roomFolder + prefix;
    info.crop = true;
    info.type = SpriteInfo::typeAnimated;
    info.frameCount = static_cast<int>(frames.size());
    info.hasPlacement = true;
    info.placement = Point{joined.x + joined.width / 2, joined.y + joined.height};
    info.framesInSeparateFiles = true;
    info.frameRectangle = joined;
    for (const SpriteRect& frame : frames)
        info.frameOffsets.push_back(Point{frame.x - joined.x, frame.y - joined.y});
    return true;
}

} // namespace

bool RoomSpriteInfos::IsSane(const SpriteRect& rectangle)
{
    constexpr int side = Image::maximumSide;
    return rectangle.x >= -side && rectangle.x <= side && rectangle.y >= -side && rectangle.y <= side &&
           rectangle.width >= 0 && rectangle.width <= side && rectangle.height >= 0 && rectangle.height <= side;
}

std::vector<RoomGraphic> RoomSpriteInfos::Interpret(const SpriteInfos& entries, const std::string& roomFolder)
{
    std::vector<RoomGraphic> graphics;
    for (const auto& [name, rectangle] : entries) {
        if (name.empty())
            continue;
        if (name == "Background") {
            RoomGraphic graphic{RoomGraphic::background, name, {}};
            graphic.info.label = "room_gfx";
            graphic.info.file = roomFolder + "background";
            graphics.push_back(std::move(graphic));
        } else if (Is(name, "lightmap", "Lightmap")) {
            graphics.push_back(RoomGraphic{RoomGraphic::lightMap, name, {}});
        } else if (Is(name, "walkarea", "Walkarea")) {
            graphics.push_back(RoomGraphic{RoomGraphic::walkArea, name, {}});
        } else if (Is(name, "depthmap", "Depthmap")) {
            graphics.push_back(RoomGraphic{RoomGraphic::depthMap, name, {}});
        } else if (!IsDigit(name.back())) {
            if (UsableEntry(entries, name) != nullptr)
                graphics.push_back(Still(name, rectangle, roomFolder));
        } else if (name.size() > 2 && name.ends_with("01")) {
            RoomGraphic graphic;
            if (BuildAnimation(entries, name.substr(0, name.size() - 2), roomFolder, graphic))
                graphics.push_back(std::move(graphic));
        }
    }
    return graphics;
}
