#include "SpriteSheets.h"

#include "ContentLists.h"
#include "GalleryPage.h"
#include "SpriteSheetLayout.h"
#include "adventure/CastAnimations.h"
#include "app/PngWriter.h"
#include "graphics/Image.h"
#include "graphics/ImageConverter.h"
#include "graphics/RenderEngine.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteInfo.h"
#include "graphics/SpriteLoaderUtil.h"
#include "graphics/SpriteManager.h"
#include "graphics/SurfaceSprite.h"
#include "graphics/TextDisplay.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string_view>
#include <vector>

namespace gallery {

namespace {

constexpr int columns = 4;
constexpr int rows = 3;
constexpr int captionHeight = 40;
constexpr int cellGap = 12;
constexpr int framesShown = 4;
constexpr int frameGap = 4;
constexpr int picturePadding = 6;
constexpr int checkerSquare = 8;
constexpr std::uint32_t cellGround = 0x34437A;
constexpr std::uint32_t checkerLight = 0xC4C9D4;
constexpr std::uint32_t checkerDark = 0x959CAD;
// Larger art is not drawn: its capture alone would take gigabytes.
constexpr long long capturePixelsMost = 4096LL * 4096LL;

// A frame as the game draws it at full size: its colour drawn over black
// (the colour already weighted by its coverage) and its coverage from 0 to
// 255, which the draw over white gives away.
struct FrameCapture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> colour;
    std::vector<std::uint8_t> cover;
};

int Channel(std::uint32_t pixel, int shift)
{
    return static_cast<int>((pixel >> shift) & 0xFF);
}

// A white picture the size of the canvas, drawn below a sprite.
std::unique_ptr<Sprite> WhiteGround()
{
    auto image = std::make_unique<Image>();
    if (!image->Create(sheetWidth, sheetHeight, 24, false))
        return nullptr;
    std::fill_n(image->GetData(), image->GetBufferSize(), std::uint8_t{0xFF});
    image = ImageConverter::GetInstance().ConvertToScreenFormat(std::move(image));
    auto sprite = std::make_unique<SurfaceSprite>();
    if (!image || !sprite->Create(std::move(image), sheetWidth, sheetHeight, 0, 0, false))
        return nullptr;
    return sprite;
}

// Draws the frame through the render list, a canvas at a time, once over
// black and once over white. Empty when a presented picture is not the
// canvas.
FrameCapture Capture(platform::HeadlessPlatform& host, Sprite& sprite, int frame, Sprite& white)
{
    FrameCapture capture;
    capture.width = sprite.GetFullWidth();
    capture.height = sprite.GetFullHeight();
    const std::size_t size = static_cast<std::size_t>(capture.width) * static_cast<std::size_t>(capture.height);
    capture.colour.assign(size, 0);
    capture.cover.assign(size, 0);
    RenderEngine& renderer = RenderEngine::GetInstance();
    for (int top = 0; top < capture.height; top += sheetHeight) {
        for (int left = 0; left < capture.width; left += sheetWidth) {
            platform::Picture grounds[2];
            for (int ground = 0; ground < 2; ++ground) {
                renderer.ClearRenderList();
                if (ground == 1)
                    white.DrawTopLeft(0, 0, 0, -1.0f);
                sprite.DrawTopLeft(-left, -top, frame, 0.0f);
                grounds[ground] = RenderPage(host);
                if (grounds[ground].width != sheetWidth || grounds[ground].height != sheetHeight)
                    return {};
            }
            const int rowsHere = std::min(sheetHeight, capture.height - top);
            const int columnsHere = std::min(sheetWidth, capture.width - left);
            for (int y = 0; y < rowsHere; ++y) {
                for (int x = 0; x < columnsHere; ++x) {
                    const std::size_t at = static_cast<std::size_t>(y) * sheetWidth + static_cast<std::size_t>(x);
                    const std::uint32_t overBlack = grounds[0].pixels[at];
                    const std::uint32_t overWhite = grounds[1].pixels[at];
                    int showThrough = 0;
                    for (const int shift : {0, 8, 16})
                        showThrough = std::max(showThrough, Channel(overWhite, shift) - Channel(overBlack, shift));
                    const std::size_t index = static_cast<std::size_t>(top + y) * static_cast<std::size_t>(capture.width) +
                                              static_cast<std::size_t>(left + x);
                    capture.colour[index] = overBlack & 0xFFFFFF;
                    capture.cover[index] = static_cast<std::uint8_t>(255 - std::clamp(showThrough, 0, 255));
                }
            }
        }
    }
    return capture;
}

// The capture scaled into the box of the page over the checkerboard: each
// page pixel is the mean of the frame pixels it covers.
void Paste(platform::Picture& page, const FrameCapture& capture, const SheetBox& box)
{
    if (capture.width < box.width || capture.height < box.height || box.x < 0 || box.y < 0 ||
        box.x + box.width > page.width || box.y + box.height > page.height)
        return;
    for (int y = 0; y < box.height; ++y) {
        const int fromY = y * capture.height / box.height;
        const int toY = std::max(fromY + 1, (y + 1) * capture.height / box.height);
        for (int x = 0; x < box.width; ++x) {
            const int fromX = x * capture.width / box.width;
            const int toX = std::max(fromX + 1, (x + 1) * capture.width / box.width);
            long long sums[3] = {};
            long long cover = 0;
            for (int sourceY = fromY; sourceY < toY; ++sourceY) {
                for (int sourceX = fromX; sourceX < toX; ++sourceX) {
                    const std::size_t index = static_cast<std::size_t>(sourceY) * static_cast<std::size_t>(capture.width) +
                                              static_cast<std::size_t>(sourceX);
                    for (int channel = 0; channel < 3; ++channel)
                        sums[channel] += Channel(capture.colour[index], 8 * channel);
                    cover += capture.cover[index];
                }
            }
            const long long count = static_cast<long long>(toY - fromY) * (toX - fromX);
            const int pageX = box.x + x;
            const int pageY = box.y + y;
            const std::uint32_t ground = (pageX / checkerSquare + pageY / checkerSquare) % 2 == 0 ? checkerLight : checkerDark;
            std::uint32_t pixel = 0;
            for (int channel = 0; channel < 3; ++channel) {
                const long long value =
                    (sums[channel] * 255 + (255 * count - cover) * Channel(ground, 8 * channel)) / (255 * count);
                pixel |= static_cast<std::uint32_t>(std::clamp(value, 0LL, 255LL)) << (8 * channel);
            }
            page.pixels[static_cast<std::size_t>(pageY) * static_cast<std::size_t>(page.width) + static_cast<std::size_t>(pageX)] =
                pixel;
        }
    }
}

const char* KindOf(const SpriteInfo& info)
{
    switch (info.type) {
    case SpriteInfo::typeAnimated: return "anim";
    case SpriteInfo::typeAnimatedRLE: return "anim_rle";
    case SpriteInfo::typeShadow: return "shadow";
    default: return "static";
    }
}

// The second caption line: the kind, the frames and the full size, or what
// is wrong.
std::string Details(const SpriteInfo* info, const Sprite* sprite)
{
    if (info == nullptr)
        return "ohne Beschreibung";
    if (sprite == nullptr)
        return "fehlt: " + info->file.substr(info->file.rfind('\\') + 1);
    std::string details = KindOf(*info);
    if (sprite->GetFrameCount() > 1)
        details += ", " + std::to_string(sprite->GetFrameCount()) + " Bilder";
    return details + ", " + std::to_string(sprite->GetFullWidth()) + "x" + std::to_string(sprite->GetFullHeight());
}

bool Capturable(const Sprite& sprite)
{
    return sprite.GetFullWidth() > 0 && sprite.GetFullHeight() > 0 &&
           static_cast<long long>(sprite.GetFullWidth()) * sprite.GetFullHeight() <= capturePixelsMost;
}

// The page's header and captions in the default font, on the grounds.
platform::Picture PageText(platform::HeadlessPlatform& host, const SpriteSheetLayout& layout, const std::string& header,
                           const std::vector<std::string>& captions)
{
    RenderEngine::GetInstance().ClearRenderList();
    TextDisplay& display = TextDisplay::GetInstance();
    display.Reset();
    display.SetBox(margin, 12, sheetWidth - 2 * margin, 20);
    display.DrawText(TextDisplay::EscapeMarkup(header));
    for (std::size_t place = 0; place < captions.size(); ++place) {
        const SheetBox caption = layout.CaptionArea(static_cast<int>(place));
        display.SetBox(caption.x + 4, caption.y + 2, caption.width - 8, caption.height - 2);
        display.DrawText(captions[place]);
    }
    display.Reset();
    platform::Picture page = RenderPage(host);
    // Nothing drawn is black (no glyph pixel is), so black is the ground.
    for (std::size_t place = 0; place < captions.size(); ++place) {
        const SheetBox cell = layout.Cell(static_cast<int>(place));
        for (int y = cell.y; y < std::min(cell.y + cell.height, page.height); ++y)
            for (int x = cell.x; x < std::min(cell.x + cell.width, page.width); ++x)
                if (std::uint32_t& pixel = page.pixels[static_cast<std::size_t>(y) * page.width + x]; (pixel & 0xFFFFFF) == 0)
                    pixel = cellGround;
    }
    for (std::uint32_t& pixel : page.pixels)
        if ((pixel & 0xFFFFFF) == 0)
            pixel = darkGround;
    return page;
}

// A character's animations in the order of its contact sheet, a row of
// eight directions or two animations of four sides a row: standing,
// walking, talking, the idle variants, taking. Only those the list has.
std::vector<std::string> CastSheetLabels(std::string_view prefix, const std::set<std::string>& listed)
{
    namespace names = castanimations;
    std::vector<std::string> labels;
    const auto add = [&](std::string_view suffix, const auto& ways) {
        for (const std::string_view way : ways) {
            std::string label = std::string(prefix) + std::string(suffix) + std::string(way);
            if (listed.contains(label))
                labels.push_back(std::move(label));
        }
    };
    add(names::standing, names::directions);
    add(names::walk, names::directions);
    add(names::talking, names::sides);
    for (int variant = 1; variant <= names::idleVariants; ++variant)
        add(std::string(names::idle) + std::to_string(variant) + "_", names::sides);
    for (const std::string_view take : names::takes)
        add(take, names::sides);
    return labels;
}

// The frame a contact sheet shows of an animation: a walk in mid-stride,
// anything else at the height of its gesture.
int SheetFrame(const std::string& label, const Sprite& sprite)
{
    const int frames = sprite.GetFrameCount();
    return label.find(castanimations::walk) != std::string::npos ? frames / 4 : frames / 2;
}

} // namespace

int WriteCastSheets(platform::HeadlessPlatform& host, const std::string& list, const std::filesystem::path& output)
{
    SpriteLoaderUtil::Load(list.c_str(), content::SpriteArtFolder(list).c_str(), 0.0f, 1.0f);
    const std::vector<std::string> listLabels = content::SpriteLabels(list);
    const std::set<std::string> listed(listLabels.begin(), listLabels.end());
    const std::unique_ptr<Sprite> white = WhiteGround();
    if (!white)
        return -1;
    SpriteManager& manager = SpriteManager::GetInstance();
    int written = 0;
    for (const std::string_view prefix : castanimations::prefixes) {
        const std::vector<std::string> labels = CastSheetLabels(prefix, listed);
        if (labels.empty())
            continue;
        constexpr int castColumns = static_cast<int>(castanimations::directions.size());
        const int castRows = (static_cast<int>(labels.size()) + castColumns - 1) / castColumns;
        const SpriteSheetLayout layout({margin, textTop, sheetWidth - 2 * margin, sheetHeight - textTop - margin / 2},
                                       castColumns, castRows, 20, 6);
        std::vector<std::string> captions;
        for (std::size_t place = 0; place < labels.size(); ++place) {
            const std::string shown = labels[place].substr(prefix.size() + 1);
            captions.push_back(TextDisplay::EscapeMarkup(
                FittedText(shown, "default", layout.CaptionArea(static_cast<int>(place)).width - 8)));
        }
        const std::string header = std::string(prefix) + ": " + std::to_string(labels.size()) + " Animationen aus " +
                                   list + ", je ein Bild";
        platform::Picture sheet = PageText(host, layout, header, captions);
        for (std::size_t place = 0; place < labels.size(); ++place) {
            Sprite* sprite = manager.GetSprite(labels[place]);
            if (sprite == nullptr || !Capturable(*sprite))
                continue;
            SheetBox area = layout.PictureArea(static_cast<int>(place));
            area = {area.x + 2, area.y + 2, area.width - 4, area.height - 2};
            const std::vector<SheetBox> boxes =
                SpriteSheetLayout::FitFrames(area, sprite->GetFullWidth(), sprite->GetFullHeight(), 1, 0);
            if (!boxes.empty())
                Paste(sheet, Capture(host, *sprite, SheetFrame(labels[place], *sprite), *white), boxes.front());
        }
        if (!WritePng((output / ("cast-" + std::string(prefix) + ".png")).string(), sheet))
            return -1;
        ++written;
    }
    for (const std::string& label : listLabels)
        manager.RemoveSpriteInfo(label);
    return written;
}

int WriteSpriteSheets(platform::HeadlessPlatform& host, const std::string& list, const std::filesystem::path& output)
{
    SpriteLoaderUtil::Load(list.c_str(), content::SpriteArtFolder(list).c_str(), 0.0f, 1.0f);
    const std::vector<std::string> labels = content::SpriteLabels(list);
    const std::unique_ptr<Sprite> white = WhiteGround();
    if (!white)
        return -1;
    const SpriteSheetLayout layout({margin, textTop, sheetWidth - 2 * margin, sheetHeight - textTop - margin / 2}, columns,
                                   rows, captionHeight, cellGap);
    SpriteManager& manager = SpriteManager::GetInstance();
    const int labelCount = static_cast<int>(labels.size());
    const int pages = layout.PageCount(labelCount);
    for (int page = 0; page < pages; ++page) {
        const int first = page * layout.CellsPerPage();
        const int count = std::min(layout.CellsPerPage(), labelCount - first);
        std::vector<Sprite*> sprites;
        std::vector<std::string> captions;
        for (int place = 0; place < count; ++place) {
            const std::string& label = labels[static_cast<std::size_t>(first + place)];
            Sprite* sprite = manager.GetSprite(label);
            const int width = layout.CaptionArea(place).width - 8;
            captions.push_back(TextDisplay::EscapeMarkup(FittedText(label, "default", width)) + "<br>" +
                               TextDisplay::EscapeMarkup(FittedText(Details(manager.FindSpriteInfo(label), sprite), "default", width)));
            sprites.push_back(sprite != nullptr && Capturable(*sprite) ? sprite : nullptr);
        }
        const std::string header = list + " - Seite " + std::to_string(page + 1) + " von " + std::to_string(pages) + ", " +
                                   std::to_string(labelCount) + " Sprites";
        platform::Picture sheet = PageText(host, layout, header, captions);
        for (int place = 0; place < count; ++place) {
            Sprite* sprite = sprites[static_cast<std::size_t>(place)];
            if (sprite == nullptr)
                continue;
            const int shown = std::min(sprite->GetFrameCount(), framesShown);
            SheetBox area = layout.PictureArea(place);
            area = {area.x + picturePadding, area.y + picturePadding, area.width - 2 * picturePadding, area.height - picturePadding};
            const std::vector<SheetBox> boxes =
                SpriteSheetLayout::FitFrames(area, sprite->GetFullWidth(), sprite->GetFullHeight(), shown, frameGap);
            for (std::size_t frame = 0; frame < boxes.size(); ++frame)
                Paste(sheet, Capture(host, *sprite, static_cast<int>(frame), *white), boxes[frame]);
        }
        const std::string file = "sprites-" + content::ListName(list) + "-" + std::to_string(page + 1) + ".png";
        if (!WritePng((output / file).string(), sheet))
            return -1;
    }
    for (const std::string& label : labels)
        manager.RemoveSpriteInfo(label);
    return pages;
}

} // namespace gallery
