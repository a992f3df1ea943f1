#include "RoomFiles.h"

#include "ContentFile.h"
#include "OggEncoder.h"
#include "RoomAmbience.h"
#include "files/DataFile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace content::rooms {

namespace {

std::unique_ptr<Image> NewRgbImage(int width, int height)
{
    auto image = std::make_unique<Image>();
    if (!image->Create(width, height, 24, true))
        return nullptr;
    return image;
}

void AddPolyline(cairo_t* cairo, const std::vector<Point>& points)
{
    for (const Point& point : points)
        cairo_line_to(cairo, point.x, point.y);
}

void AddFloor(cairo_t* cairo, const RoomDescription& room)
{
    for (const std::vector<Point>& polygon : room.floor) {
        cairo_new_sub_path(cairo);
        AddPolyline(cairo, polygon);
        cairo_close_path(cairo);
    }
}

std::string Line(const std::string& name, int x, int y, int width, int height)
{
    char text[160];
    std::snprintf(text, sizeof text, "\"%s\" %d %d %d %d\r\n", name.c_str(), x, y, width, height);
    return text;
}

std::string FrameName(const RoomGraphic& graphic, int frame)
{
    char number[16];
    std::snprintf(number, sizeof number, "%02d", frame + 1);
    return graphic.name + number;
}

// A map is written only with the background's size, so that the game
// reads each cell where the picture shows it.
bool WriteMap(const RoomDescription& room, const std::string& path, const std::unique_ptr<Image>& image)
{
    if (!image) {
        std::fprintf(stderr, "zephyra-content: cannot make %s\n", path.c_str());
        return false;
    }
    if (image->GetWidth() != room.width || image->GetHeight() != room.height) {
        std::fprintf(stderr, "zephyra-content: %s is not of its room's size\n", path.c_str());
        return false;
    }
    return WriteBmp(path, *image);
}

// The game takes a name ending in a digit for a frame, "Background" for the
// picture and the maps' names for the maps; a graphic outside the picture
// could never be seen whole; the archive keeps names shorter than its
// entries' name field.
bool CheckGraphic(const RoomDescription& room, const RoomGraphic& graphic)
{
    const std::size_t longestFile = room.folder.size() + graphic.name.size() + std::strlen("00Alpha.bmp");
    const bool nameFits = !graphic.name.empty() && std::isdigit(static_cast<unsigned char>(graphic.name.back())) == 0 &&
                          graphic.name != "Background" && graphic.name != "walkarea" && graphic.name != "depthmap" &&
                          graphic.name != "lightmap" && graphic.name != "spriteinfos" && graphic.name != "ambient";
    const bool inside = graphic.x >= 0 && graphic.y >= 0 && graphic.width > 0 && graphic.height > 0 &&
                        graphic.x + graphic.width <= room.width && graphic.y + graphic.height <= room.height;
    if (nameFits && inside && graphic.frames >= 1 && graphic.frames <= 99 && longestFile < DataFileEntry::nameSize)
        return true;
    std::fprintf(stderr, "zephyra-content: graphic %s of %s: bad name, place or frame count\n", graphic.name.c_str(),
                 room.label.c_str());
    return false;
}

// The game takes every entry whose name begins with an animation's name
// for one of its frames, so no other graphic may begin with it.
bool CheckAnimationNames(const RoomDescription& room)
{
    for (const RoomGraphic& animation : room.graphics) {
        for (const RoomGraphic& other : room.graphics) {
            if (animation.frames > 1 && &other != &animation && other.name.starts_with(animation.name)) {
                std::fprintf(stderr, "zephyra-content: %s of %s would count as a frame of %s\n", other.name.c_str(),
                             room.label.c_str(), animation.name.c_str());
                return false;
            }
        }
    }
    return true;
}

} // namespace

Picture GraphicFrame(const RoomGraphic& graphic, int frame)
{
    Picture picture(graphic.width, graphic.height);
    graphic.draw(picture.Cairo(), frame);
    return picture;
}

Picture PaintBackground(const RoomDescription& room)
{
    Picture picture(room.width, room.height);
    SetColour(picture.Cairo(), colour::outline);
    cairo_paint(picture.Cairo());
    room.paint(picture.Cairo());
    return picture;
}

std::unique_ptr<Image> WalkAreaImage(const RoomDescription& room)
{
    // Drawn without smoothing: every pixel is exactly black (blocked),
    // white (walkable) or blue (a lead cell), so that each cell the game
    // makes of it is what the description says. The room reads its maps
    // as they are stored, without the sprite loader's colour-key changes.
    Picture picture(room.width, room.height);
    cairo_t* cairo = picture.Cairo();
    cairo_set_antialias(cairo, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cairo, 0.0, 0.0, 0.0);
    cairo_paint(cairo);
    AddFloor(cairo, room);
    cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_WINDING);
    cairo_set_source_rgb(cairo, 1.0, 1.0, 1.0);
    cairo_fill_preserve(cairo);
    cairo_clip(cairo);
    cairo_set_source_rgb(cairo, 0.0, 0.0, 1.0);
    cairo_set_line_width(cairo, 3.0);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    for (const std::vector<Point>& lead : room.leads) {
        cairo_new_path(cairo);
        AddPolyline(cairo, lead);
        cairo_stroke(cairo);
    }
    return PlainImage(picture);
}

std::unique_ptr<Image> DepthMapImage(const RoomDescription& room)
{
    auto image = NewRgbImage(room.width, room.height);
    if (!image)
        return nullptr;
    const double span = std::max(1, room.frontY - room.backY);
    for (int y = 0; y < room.height; ++y) {
        const double back = std::clamp((room.frontY - y) / span, 0.0, 1.0);
        const auto grey = static_cast<std::uint8_t>(back * 255.0 + 0.5);
        std::fill_n(image->GetData() + static_cast<std::size_t>(y) * static_cast<std::size_t>(room.width) * 3,
                    static_cast<std::size_t>(room.width) * 3, grey);
    }
    return image;
}

std::unique_ptr<Image> LightMapImage(const RoomDescription& room)
{
    Picture picture(room.width, room.height);
    cairo_t* cairo = picture.Cairo();
    SetColour(cairo, room.light);
    cairo_paint(cairo);
    for (const LightPool& pool : room.lightPools) {
        cairo_save(cairo);
        cairo_translate(cairo, pool.centre.x, pool.centre.y);
        cairo_scale(cairo, pool.radiusX, pool.radiusY);
        cairo_pattern_t* pattern = cairo_pattern_create_radial(0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
        SetGradient(cairo, pattern, {{0.0, pool.rgb, 1.0}, {0.55, pool.rgb, 0.6}, {1.0, pool.rgb, 0.0}});
        cairo_arc(cairo, 0.0, 0.0, 1.0, 0.0, 6.2832);
        cairo_fill(cairo);
        cairo_restore(cairo);
    }
    return PlainImage(picture);
}

std::string SpriteInfoText(const RoomDescription& room)
{
    std::string text = Line("Background", 0, 0, room.width, room.height);
    for (const char* map : {"walkarea", "depthmap", "lightmap"})
        text += Line(map, 0, 0, room.width, room.height);
    for (const RoomGraphic& graphic : room.graphics) {
        if (graphic.frames == 1) {
            text += Line(graphic.name, graphic.x, graphic.y, graphic.width, graphic.height);
            continue;
        }
        for (int frame = 0; frame < graphic.frames; ++frame)
            text += Line(FrameName(graphic, frame), graphic.x, graphic.y, graphic.width, graphic.height);
    }
    return text;
}

bool WriteRoom(const RoomDescription& room)
{
    const std::string& folder = room.folder;
    if (!CheckAnimationNames(room))
        return false;
    if (!WriteJpeg(folder + "background", PaintBackground(room), 92) ||
        !WriteMap(room, folder + "walkarea.bmp", WalkAreaImage(room)) ||
        !WriteMap(room, folder + "depthmap.bmp", DepthMapImage(room)) ||
        !WriteMap(room, folder + "lightmap.bmp", LightMapImage(room)))
        return false;
    for (const RoomGraphic& graphic : room.graphics) {
        if (!CheckGraphic(room, graphic))
            return false;
        for (int frame = 0; frame < graphic.frames; ++frame) {
            const std::string name = graphic.frames == 1 ? graphic.name : FrameName(graphic, frame);
            if (!WriteKeyed(folder + name, GraphicFrame(graphic, frame)))
                return false;
        }
    }
    const std::vector<std::uint8_t> ambient = AmbienceOgg(room.ambience);
    if (ambient.empty()) {
        std::fprintf(stderr, "zephyra-content: cannot encode the ambience of %s\n", room.label.c_str());
        return false;
    }
    return WriteText(folder + "spriteinfos.txt", SpriteInfoText(room)) && WriteBytes(folder + ambientFile, ambient);
}

} // namespace content::rooms
