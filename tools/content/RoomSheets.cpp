#include "RoomSheets.h"

#include "adventure/ByteMap.h"
#include "adventure/PathFinder.h"
#include "adventure/Room.h"
#include "app/PngWriter.h"
#include "graphics/Image.h"
#include "graphics/SpriteInfosLoaderUtil.h"
#include "graphics/SpriteLoaderUtil.h"
#include "platform/Picture.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <memory>

namespace gallery {

namespace {

// 0xRRGGBB of a 24-bit image's pixel.
std::uint32_t Rgb(const Image& image, int x, int y)
{
    const std::uint8_t* pixel =
        image.GetData() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.GetWidth()) +
                           static_cast<std::size_t>(x)) * 3;
    return (std::uint32_t{pixel[2]} << 16) | (std::uint32_t{pixel[1]} << 8) | pixel[0];
}

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, int weightOfB)
{
    std::uint32_t mixed = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int from = static_cast<int>((a >> shift) & 0xFF);
        const int to = static_cast<int>((b >> shift) & 0xFF);
        mixed |= static_cast<std::uint32_t>(from + (to - from) * weightOfB / 255) << shift;
    }
    return mixed;
}

std::uint32_t Multiply(std::uint32_t a, std::uint32_t b)
{
    std::uint32_t product = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        product |= (((a >> shift) & 0xFF) * ((b >> shift) & 0xFF) / 255) << shift;
    return product;
}

// A picture as the game reads it: sprite art through the sprite loader,
// the maps as the room reads them.
std::unique_ptr<Image> Load24(const std::string& basePath, bool map = false)
{
    std::unique_ptr<Image> image = map ? Room::LoadMapImage(basePath) : SpriteLoaderUtil::LoadImage(basePath, false);
    if (!image || image->GetDepth() != 24) {
        std::fprintf(stderr, "zephyra-gallery: cannot read %s\n", basePath.c_str());
        return nullptr;
    }
    return image;
}

// Draws a graphic's picture into the room picture at (x, y): its alpha map
// where it has one, else every pixel but black.
bool PlaceGraphic(platform::Picture& room, const std::string& basePath, int left, int top)
{
    const std::unique_ptr<Image> colour = Load24(basePath);
    if (!colour)
        return false;
    std::unique_ptr<Image> alpha = SpriteLoaderUtil::LoadAlphaImage(basePath);
    if (alpha && (alpha->GetWidth() != colour->GetWidth() || alpha->GetHeight() != colour->GetHeight() ||
                  alpha->GetDepth() != 8)) {
        std::fprintf(stderr, "zephyra-gallery: the alpha map of %s does not fit its picture\n", basePath.c_str());
        return false;
    }
    for (int y = 0; y < colour->GetHeight(); ++y) {
        for (int x = 0; x < colour->GetWidth(); ++x) {
            const int roomX = left + x;
            const int roomY = top + y;
            if (roomX < 0 || roomY < 0 || roomX >= room.width || roomY >= room.height)
                continue;
            const std::uint32_t rgb = Rgb(*colour, x, y);
            const std::size_t index = static_cast<std::size_t>(y) * static_cast<std::size_t>(colour->GetWidth()) +
                                      static_cast<std::size_t>(x);
            const int cover = alpha ? alpha->GetData()[index] : (rgb == 0 ? 0 : 255);
            std::uint32_t& pixel = room.pixels[static_cast<std::size_t>(roomY) * static_cast<std::size_t>(room.width) +
                                               static_cast<std::size_t>(roomX)];
            pixel = Mix(pixel, rgb, cover);
        }
    }
    return true;
}

void Outline(platform::Picture& sheet, int left, int top, int width, int height, std::uint32_t rgb)
{
    const auto put = [&sheet, rgb](int x, int y) {
        if (x >= 0 && y >= 0 && x < sheet.width && y < sheet.height)
            sheet.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(sheet.width) +
                         static_cast<std::size_t>(x)] = rgb;
    };
    for (int x = left; x < left + width; ++x) {
        put(x, top);
        put(x, top + height - 1);
    }
    for (int y = top; y < top + height; ++y) {
        put(left, y);
        put(left + width - 1, y);
    }
}

// Clicks as fractions of the room's size, from and to, on the floor between
// the bars: across the room both ways, along the front and back, and short.
constexpr float walkClicks[][4] = {
    {0.05f, 0.80f, 0.95f, 0.62f}, {0.92f, 0.82f, 0.10f, 0.70f}, {0.20f, 0.84f, 0.70f, 0.84f},
    {0.30f, 0.62f, 0.80f, 0.78f}, {0.50f, 0.70f, 0.56f, 0.74f},
};
constexpr std::uint32_t pathColour = 0xFF8C1A;

// Draws a line in the sheet from (x0, y0) to (x1, y1).
void DrawLine(platform::Picture& sheet, int x0, int y0, int x1, int y1, std::uint32_t rgb)
{
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int step = 0; step <= steps; ++step) {
        const double t = steps == 0 ? 0.0 : static_cast<double>(step) / steps;
        const int x = static_cast<int>(std::lround(x0 + (x1 - x0) * t));
        const int y = static_cast<int>(std::lround(y0 + (y1 - y0) * t));
        if (x >= 0 && y >= 0 && x < sheet.width && y < sheet.height)
            sheet.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(sheet.width) +
                         static_cast<std::size_t>(x)] = rgb;
    }
}

// The paths the path finder finds for the fixed clicks, drawn at half size
// into the panel at (left, 0) as polylines with the waypoints as small
// squares; false when a walk is not found.
bool DrawWalks(platform::Picture& sheet, const Image& walkAreaImage, int left, const std::string& folder)
{
    ByteMap map;
    if (!map.Init(walkAreaImage))
        return false;
    const float width = static_cast<float>(map.GetWidth());
    const float height = static_cast<float>(map.GetHeight());
    for (const auto& click : walkClicks) {
        std::vector<Point> path;
        if (!PathFinder::GetInstance().FindPathExt(click[0] * width, click[1] * height, click[2] * width,
                                                   click[3] * height, map, 1.0f, 1.0f, path)) {
            std::fprintf(stderr, "zephyra-gallery: no walk found in %s\n", folder.c_str());
            return false;
        }
        for (std::size_t i = 0; i < path.size(); ++i) {
            if (i > 0)
                DrawLine(sheet, left + path[i - 1].x / 2, path[i - 1].y / 2, left + path[i].x / 2, path[i].y / 2,
                         pathColour);
            Outline(sheet, left + path[i].x / 2 - 1, path[i].y / 2 - 1, 3, 3, pathColour);
        }
    }
    return true;
}

// The folder's last part as a host file name.
std::string SheetName(const std::string& folder)
{
    std::string name = folder.substr(0, folder.size() - 1);
    name = name.substr(name.rfind('\\') + 1);
    return Windows1252::ToUtf8(name);
}

} // namespace

bool WriteRoomSheets(const std::string& spriteInfos, const std::filesystem::path& output)
{
    SpriteInfosLoaderUtil::SpriteInfos infos;
    if (!SpriteInfosLoaderUtil::LoadSpriteInfos(spriteInfos.c_str(), infos))
        return false;
    const std::string folder = spriteInfos.substr(0, spriteInfos.rfind('\\') + 1);
    const std::unique_ptr<Image> background = Load24(folder + "background");
    const std::unique_ptr<Image> walkArea = Load24(folder + "walkarea", true);
    const std::unique_ptr<Image> depthMap = Load24(folder + "depthmap", true);
    const std::unique_ptr<Image> lightMap = Load24(folder + "lightmap", true);
    if (!background || !walkArea || !depthMap || !lightMap)
        return false;
    const int width = background->GetWidth();
    const int height = background->GetHeight();
    for (const Image* map : {walkArea.get(), depthMap.get(), lightMap.get()}) {
        if (map->GetWidth() != width || map->GetHeight() != height) {
            std::fprintf(stderr, "zephyra-gallery: the maps of %s differ from the background in size\n",
                         folder.c_str());
            return false;
        }
    }

    platform::Picture room{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            room.pixels[static_cast<std::size_t>(y) * width + x] = Rgb(*background, x, y);
    for (const auto& [name, rect] : infos) {
        const bool map = name == "Background" || name == "walkarea" || name == "Walkarea" || name == "depthmap" ||
                         name == "Depthmap" || name == "lightmap" || name == "Lightmap";
        const bool digit = !name.empty() && std::isdigit(static_cast<unsigned char>(name.back())) != 0;
        if (map || (digit && !name.ends_with("01")))
            continue;
        if (!PlaceGraphic(room, folder + name, rect.x, rect.y))
            return false;
    }
    const std::string sheetName = SheetName(folder);
    if (!WritePng((output / ("room-" + sheetName + ".png")).string(), room))
        return false;

    // Four half-size panels.
    const int panelWidth = width / 2;
    const int panelHeight = height / 2;
    platform::Picture sheet{panelWidth * 2, panelHeight * 2,
                            std::vector<std::uint32_t>(static_cast<std::size_t>(panelWidth) * 2 * panelHeight * 2)};
    for (int y = 0; y < panelHeight; ++y) {
        for (int x = 0; x < panelWidth; ++x) {
            const int roomX = x * 2;
            const int roomY = y * 2;
            const std::uint32_t pixel = room.pixels[static_cast<std::size_t>(roomY) * width + roomX];
            const std::uint32_t walk = Rgb(*walkArea, roomX, roomY);
            const int red = static_cast<int>(walk >> 16);
            const int green = static_cast<int>((walk >> 8) & 0xFF);
            const int blue = static_cast<int>(walk & 0xFF);
            // The cells as the game makes them of the walk-area image.
            std::uint32_t walkView = 0;
            if (red + green + blue == 0)
                walkView = Mix(pixel, 0x101020, 170);
            else if (blue > (red + green) / 2)
                walkView = 0x2040FF;
            else
                walkView = Mix(pixel, 0x30E040, 90);
            const std::uint32_t depth = Rgb(*depthMap, roomX, roomY);
            const auto at = [&sheet](int column, int row) -> std::uint32_t& {
                return sheet.pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(sheet.width) +
                                    static_cast<std::size_t>(column)];
            };
            at(x, y) = pixel;
            at(panelWidth + x, y) = walkView;
            at(x, panelHeight + y) = Mix(pixel, depth, 170);
            at(panelWidth + x, panelHeight + y) = Multiply(pixel, Rgb(*lightMap, roomX, roomY));
        }
    }
    for (const auto& [name, rect] : infos) {
        if (rect.width < width)
            Outline(sheet, panelWidth + rect.x / 2, rect.y / 2, rect.width / 2, rect.height / 2, 0xFF9020);
    }
    if (!DrawWalks(sheet, *walkArea, panelWidth, folder))
        return false;
    for (int x = 0; x < sheet.width; ++x)
        sheet.pixels[static_cast<std::size_t>(panelHeight) * sheet.width + x] = 0xFFFFFF;
    for (int y = 0; y < sheet.height; ++y)
        sheet.pixels[static_cast<std::size_t>(y) * sheet.width + panelWidth] = 0xFFFFFF;
    return WritePng((output / ("room-" + sheetName + "-maps.png")).string(), sheet);
}

} // namespace gallery
