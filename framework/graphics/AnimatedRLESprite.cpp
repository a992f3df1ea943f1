#include "AnimatedRLESprite.h"

#include "DirectDraw.h"
#include "ImageUtil.h"
#include "ScreenPixels.h"
#include "app/Debug.h"
#include "platform/Platform.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

// The colours of one draw, settled before the pixel loops: per palette entry
// the colour in the screen's precision, the same packed as a screen pixel,
// and the alpha it draws with when the sprite has no alpha map (0 for black,
// 255 otherwise); per alpha map entry its level.
struct AnimatedRLESpritePalette {
    std::array<std::uint32_t, Image::paletteEntries> colours{};
    std::array<std::uint32_t, Image::paletteEntries> packed{};
    std::array<std::uint8_t, Image::paletteEntries> levels{};
    bool withAlphaMap = false;
};

struct AnimatedRLESprite::Palette : AnimatedRLESpritePalette {};

// The clipped draw on the locked canvas.
struct AnimatedRLESprite::Target {
    Placement placement;
    std::uint8_t* pixels = nullptr;
    int pitch = 0;
};

namespace {

// What a pixel of alpha `level` does: below 16 nothing, above 240 it is
// written, between it is mixed.
template <typename Canvas>
void Put(const Canvas& canvas, std::uint8_t* pixel, std::uint32_t colour, std::uint32_t packed, int level)
{
    if (level < 16)
        return;
    if (level > 240)
        canvas.Store(pixel, packed);
    else
        canvas.Blend(pixel, colour, level);
}

} // namespace

bool AnimatedRLESprite::Create(const Image& strip, const Image* alphaStrip, int frameCount, bool crop)
{
    frames.clear();
    if (frameCount <= 0 || strip.GetDepth() != 8 || strip.IsEncoded() || strip.GetHeight() / frameCount <= 0)
        return false;
    if (alphaStrip != nullptr && (alphaStrip->GetWidth() != strip.GetWidth() || alphaStrip->GetHeight() != strip.GetHeight() ||
                                  alphaStrip->GetDepth() != 8 || alphaStrip->IsEncoded()))
        return false;
    fullWidth = strip.GetWidth();
    fullHeight = strip.GetHeight() / frameCount;
    hasAlpha = alphaStrip != nullptr;
    LogPrint("Surface::Create width=%d height=%d\n", fullWidth, fullHeight);
    ImageUtil& util = ImageUtil::GetInstance();
    for (int index = 0; index < frameCount; ++index) {
        const ImageRect whole{0, index * fullHeight, fullWidth - 1, (index + 1) * fullHeight - 1};
        ImageRect area{0, 0, fullWidth - 1, fullHeight - 1};
        if (crop) {
            const auto frameImage = ImageUtil::GetInstance().CopyToNewImage(strip, whole);
            if (!frameImage)
                return false;
            const ImageRect bounds = util.GetBoundingRect(*frameImage);
            area = ImageRect{std::max(bounds.left - 2, 0), std::max(bounds.top - 2, 0), std::min(bounds.right + 2, fullWidth - 1),
                             std::min(bounds.bottom + 2, fullHeight - 1)};
        }
        const ImageRect inStrip{area.left, area.top + whole.top, area.right, area.bottom + whole.top};
        Frame frame;
        frame.image = ImageUtil::GetInstance().CopyToNewImage(strip, inStrip);
        if (!frame.image || !util.RunLengthEncode(*frame.image))
            return false;
        if (alphaStrip != nullptr) {
            frame.alpha = ImageUtil::GetInstance().CopyToNewImage(*alphaStrip, inStrip);
            if (!frame.alpha || !util.RunLengthEncode(*frame.alpha))
                return false;
        }
        frame.crop = area;
        IndexRows(frame);
        frames.push_back(std::move(frame));
    }
    return true;
}

void AnimatedRLESprite::SetFullSize(int width, int height)
{
    fullWidth = width;
    fullHeight = height;
}

void AnimatedRLESprite::AddFrame(std::unique_ptr<Image> frame, std::unique_ptr<Image> alphaFrame, const ImageRect& crop)
{
    if (!frame)
        return;
    // One frame with alpha is enough: frames without it then draw with the
    // black-is-clear rule.
    hasAlpha = hasAlpha || alphaFrame != nullptr;
    Frame added{std::move(frame), std::move(alphaFrame), crop, {}, {}};
    IndexRows(added);
    frames.push_back(std::move(added));
}

void AnimatedRLESprite::IndexRows(Frame& frame)
{
    const auto index = [](const Image* image, int width, int height) {
        if (image == nullptr || !image->IsEncoded() || image->GetDepth() != 8 || image->GetPalette() == nullptr ||
            image->GetWidth() != width || image->GetHeight() != height)
            return std::vector<std::uint32_t>();
        return ImageUtil::FindRowStarts(ImageUtil::EncodedData(*image), width, height, 1);
    };
    const int width = frame.image->GetWidth();
    const int height = frame.image->GetHeight();
    frame.colourRows = index(frame.image.get(), width, height);
    frame.alphaRows = index(frame.alpha.get(), width, height);
}

bool AnimatedRLESprite::CanDrawFrame(const Frame& frame) const
{
    return !frame.colourRows.empty() && (!hasAlpha || frame.alpha == nullptr || !frame.alphaRows.empty());
}

int AnimatedRLESprite::GetWidth(int frame) const
{
    return frame >= 0 && frame < GetFrameCount() ? frames[static_cast<std::size_t>(frame)].image->GetWidth() : 0;
}

int AnimatedRLESprite::GetHeight(int frame) const
{
    return frame >= 0 && frame < GetFrameCount() ? frames[static_cast<std::size_t>(frame)].image->GetHeight() : 0;
}

bool AnimatedRLESprite::IsPixelTransparent(Point, int) const
{
    LogPrint("AnimatedRLESprite::IsPixelTransparent: Pixelcollision bei RLE-Sprites noch nicht implementiert!\n");
    return true;
}

namespace {

// The loops over one stretch of a row where a colour packet and an alpha
// packet overlap, on plain pointers so that the stores cannot be taken to
// change the loop's own bounds. `entries` holds the colour indices, or one
// index for the whole stretch when `oneColour`.
template <bool oneColour>
std::uint8_t EntryAt(const std::uint8_t* entries, int i)
{
    return oneColour ? entries[0] : entries[i];
}

template <bool oneColour, typename Canvas>
void StoreStretch(const Canvas& canvas, std::uint8_t* __restrict target, const std::uint8_t* __restrict entries,
                  const std::uint32_t* __restrict packed, int count)
{
    for (int i = 0; i < count; ++i)
        canvas.Store(target + i * Canvas::bytesPerPixel, packed[EntryAt<oneColour>(entries, i)]);
}

template <bool oneColour, typename Canvas>
void BlendStretch(const Canvas& canvas, std::uint8_t* __restrict target, const std::uint8_t* __restrict entries,
                  const std::uint32_t* __restrict colours, int level, int count)
{
    for (int i = 0; i < count; ++i)
        canvas.Blend(target + i * Canvas::bytesPerPixel, colours[EntryAt<oneColour>(entries, i)], level);
}

// Each pixel with its own alpha entry.
template <bool oneColour, typename Canvas>
void PutStretch(const Canvas& canvas, std::uint8_t* __restrict target, const std::uint8_t* __restrict entries,
                const std::uint8_t* __restrict alphaEntries, const AnimatedRLESpritePalette& palette, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::uint8_t entry = EntryAt<oneColour>(entries, i);
        Put(canvas, target + i * Canvas::bytesPerPixel, palette.colours[entry], palette.packed[entry], palette.levels[alphaEntries[i]]);
    }
}

// Columns from..to of a colour packet under an alpha packet.
template <bool oneColour, typename Canvas>
void DrawStretch(const Canvas& canvas, std::uint8_t* target, const std::uint8_t* entries, const RunLengthPacket& alpha, int from,
                 int count, const AnimatedRLESpritePalette& palette)
{
    if (!alpha.run) {
        PutStretch<oneColour>(canvas, target, entries, alpha.pixels + (from - alpha.x), palette, count);
        return;
    }
    const int level = palette.levels[*alpha.pixels];
    if (level > 240)
        StoreStretch<oneColour>(canvas, target, entries, palette.packed.data(), count);
    else if (level >= 16)
        BlendStretch<oneColour>(canvas, target, entries, palette.colours.data(), level, count);
}

} // namespace

template <typename Canvas>
void AnimatedRLESprite::DrawAlpha(const Canvas& canvas, const Frame& frame, const Palette& palette, const Target& target) const
{
    constexpr int bytesPerPixel = Canvas::bytesPerPixel;
    const Placement& placement = target.placement;
    const int width = frame.image->GetWidth();
    const int left = placement.source.left;
    const int end = placement.source.right + 1;
    const std::span<const std::uint8_t> colourData = ImageUtil::EncodedData(*frame.image);
    const std::span<const std::uint8_t> alphaData =
        palette.withAlphaMap ? ImageUtil::EncodedData(*frame.alpha) : std::span<const std::uint8_t>();
    for (int y = placement.source.top; y <= placement.source.bottom; ++y) {
        // The canvas pixel of source column `left`.
        std::uint8_t* const row = target.pixels +
                                  static_cast<std::ptrdiff_t>(placement.destination.top + y - placement.source.top) * target.pitch +
                                  static_cast<std::ptrdiff_t>(placement.destination.left) * bytesPerPixel;
        RunLengthRowReader colourReader(colourData, 1, frame.colourRows[static_cast<std::size_t>(y)]);
        colourReader.BeginRow(width);
        RunLengthPacket colour;
        if (!palette.withAlphaMap) {
            // Black is clear, every other colour opaque.
            while (colourReader.Next(colour) && colour.x < end) {
                const int from = std::max(colour.x, left);
                const int to = std::min(colour.x + colour.count, end);
                if (from >= to)
                    continue;
                std::uint8_t* const pixel = row + static_cast<std::ptrdiff_t>(from - left) * bytesPerPixel;
                if (colour.run) {
                    if (palette.levels[*colour.pixels] != 0)
                        StoreStretch<true>(canvas, pixel, colour.pixels, palette.packed.data(), to - from);
                    continue;
                }
                for (int column = from; column < to; ++column) {
                    const std::uint8_t entry = colour.pixels[column - colour.x];
                    if (palette.levels[entry] != 0)
                        canvas.Store(row + static_cast<std::ptrdiff_t>(column - left) * bytesPerPixel, palette.packed[entry]);
                }
            }
            continue;
        }
        // The colour and alpha packets walked side by side, one stretch
        // where both stay the same at a time: clear alpha runs are passed
        // over, opaque ones written, the rest mixed.
        RunLengthRowReader alphaReader(alphaData, 1, frame.alphaRows[static_cast<std::size_t>(y)]);
        alphaReader.BeginRow(width);
        RunLengthPacket alpha;
        bool more = colourReader.Next(colour) && alphaReader.Next(alpha);
        while (more) {
            const int colourEnd = colour.x + colour.count;
            const int alphaEnd = alpha.x + alpha.count;
            const int stretchEnd = std::min(colourEnd, alphaEnd);
            const int from = std::max(std::max(colour.x, alpha.x), left);
            const int to = std::min(stretchEnd, end);
            if (from < to) {
                std::uint8_t* const pixel = row + static_cast<std::ptrdiff_t>(from - left) * bytesPerPixel;
                if (colour.run)
                    DrawStretch<true>(canvas, pixel, colour.pixels, alpha, from, to - from, palette);
                else
                    DrawStretch<false>(canvas, pixel, colour.pixels + (from - colour.x), alpha, from, to - from, palette);
            }
            if (stretchEnd >= end)
                break;
            if (colourEnd == stretchEnd)
                more = colourReader.Next(colour);
            if (alphaEnd == stretchEnd)
                more = more && alphaReader.Next(alpha);
        }
    }
}

void AnimatedRLESprite::DecodeRows(const Frame& frame, const Palette& palette, int first, int last, std::uint32_t* pixels) const
{
    const int width = frame.image->GetWidth();
    const std::span<const std::uint8_t> colourData = ImageUtil::EncodedData(*frame.image);
    const std::span<const std::uint8_t> alphaData =
        palette.withAlphaMap ? ImageUtil::EncodedData(*frame.alpha) : std::span<const std::uint8_t>();
    // Decoded pixels: the colour in the screen's precision, alpha on top.
    std::array<std::uint32_t, Image::paletteEntries> withAlpha;
    for (std::size_t entry = 0; entry < withAlpha.size(); ++entry)
        withAlpha[entry] = palette.colours[entry] | (palette.withAlphaMap ? 0u : static_cast<std::uint32_t>(palette.levels[entry]) << 24);
    for (int y = first; y <= last; ++y) {
        std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * width;
        RunLengthRowReader colourReader(colourData, 1, frame.colourRows[static_cast<std::size_t>(y)]);
        colourReader.ReadRow(width, [&](int x, int count, const std::uint8_t* entries, bool run) {
            std::uint32_t* const target = row + x;
            if (!run) {
                for (int i = 0; i < count; ++i)
                    target[i] = withAlpha[entries[i]];
                return;
            }
            // Four pixels a store; a plain fill loop would become a string
            // instruction, slow to start for runs this short.
            const std::uint32_t quad[4] = {withAlpha[*entries], withAlpha[*entries], withAlpha[*entries], withAlpha[*entries]};
            int i = 0;
            for (; i + 4 <= count; i += 4)
                std::memcpy(target + i, quad, sizeof(quad));
            for (; i < count; ++i)
                target[i] = quad[0];
        });
        if (palette.withAlphaMap) {
            RunLengthRowReader alphaReader(alphaData, 1, frame.alphaRows[static_cast<std::size_t>(y)]);
            alphaReader.ReadRow(width, [&](int x, int count, const std::uint8_t* entries, bool run) {
                for (int i = 0; i < count; ++i)
                    row[x + i] |= static_cast<std::uint32_t>(palette.levels[run ? *entries : entries[i]]) << 24;
            });
        }
        int firstSeen = 0;
        while (firstSeen < width && (row[firstSeen] >> 24) == 0)
            ++firstSeen;
        int lastSeen = width - 1;
        while (lastSeen > firstSeen && (row[lastSeen] >> 24) == 0)
            --lastSeen;
        rowSpans[static_cast<std::size_t>(y)] = {firstSeen, lastSeen};
    }
}

template <typename Canvas>
void AnimatedRLESprite::DrawScaledAlpha(const Canvas& canvas, const Frame& frame, const Palette& palette, const Target& target,
                                        const ImageRect& unclipped, std::uint32_t* pixels) const
{
    constexpr int bytesPerPixel = Canvas::bytesPerPixel;
    const Placement& placement = target.placement;
    const int frameWidth = frame.image->GetWidth();
    const int frameHeight = frame.image->GetHeight();
    // 16.16 fixed-point steps through the source for each destination pixel.
    const std::int64_t spanX = unclipped.right - unclipped.left;
    const std::int64_t spanY = unclipped.bottom - unclipped.top;
    const std::int64_t stepX = spanX > 0 ? (static_cast<std::int64_t>(frameWidth - 1) << 16) / spanX : 0;
    const std::int64_t stepY = spanY > 0 ? (static_cast<std::int64_t>(frameHeight - 1) << 16) / spanY : 0;
    const auto sourceRow = [&](int y) {
        const std::int64_t position = (y - unclipped.top) * stepY;
        return std::clamp(static_cast<int>(position >> 16), 0, frameHeight - 1);
    };

    // Per destination column, its two source columns and the fraction.
    struct Column {
        int x0, x1;
        std::uint32_t fx;
    };
    std::array<Column, DirectDraw::canvasWidth> columns;
    const int width = placement.destination.GetWidth();
    for (int i = 0; i < width; ++i) {
        const std::int64_t position = (placement.destination.left + i - unclipped.left) * stepX;
        const int x0 = std::clamp(static_cast<int>(position >> 16), 0, frameWidth - 1);
        columns[static_cast<std::size_t>(i)] = Column{x0, std::min(x0 + 1, frameWidth - 1), static_cast<std::uint32_t>(position & 0xFFFF)};
    }

    // Only the rows sampled are decoded.
    const int firstRow = sourceRow(placement.destination.top);
    const int lastRow = std::min(sourceRow(placement.destination.bottom) + 1, frameHeight - 1);
    rowSpans.resize(static_cast<std::size_t>(frameHeight));
    DecodeRows(frame, palette, firstRow, lastRow, pixels);

    // Red and blue (alpha and green) of a pixel spread into the two halves
    // of 64 bits: each weighted sum stays below 2^24, so one product serves
    // two channels. The colours are decoded in the screen's precision
    // already (five bits on a 16-bit screen).
    const auto spreadRedBlue = [](std::uint32_t pixel) {
        return static_cast<std::uint64_t>(pixel & 0xFF0000) << 16 | (pixel & 0xFF);
    };
    const auto spreadAlphaGreen = [](std::uint32_t pixel) {
        return static_cast<std::uint64_t>(pixel >> 24) << 32 | ((pixel >> 8) & 0xFF);
    };

    for (int y = placement.destination.top; y <= placement.destination.bottom; ++y) {
        const std::int64_t positionY = (y - unclipped.top) * stepY;
        const int y0 = std::clamp(static_cast<int>(positionY >> 16), 0, frameHeight - 1);
        const int y1 = std::min(y0 + 1, frameHeight - 1);
        const auto fy = static_cast<std::uint32_t>(positionY & 0xFFFF);
        // Columns whose four samples are all clear are passed over.
        const auto& span0 = rowSpans[static_cast<std::size_t>(y0)];
        const auto& span1 = rowSpans[static_cast<std::size_t>(y1)];
        const int low = std::min(span0.first, span1.first);
        const int high = std::max(span0.second, span1.second);
        const Column* begin = columns.data();
        const Column* stop = columns.data() + width;
        const Column* from = std::partition_point(begin, stop, [&](const Column& column) { return column.x1 < low; });
        const Column* to = std::partition_point(from, stop, [&](const Column& column) { return column.x0 <= high; });
        const std::uint32_t* row0 = pixels + static_cast<std::ptrdiff_t>(y0) * frameWidth;
        const std::uint32_t* row1 = pixels + static_cast<std::ptrdiff_t>(y1) * frameWidth;
        std::uint8_t* line = target.pixels + static_cast<std::ptrdiff_t>(y) * target.pitch +
                             static_cast<std::ptrdiff_t>(placement.destination.left) * bytesPerPixel;
        for (const Column* column = from; column < to; ++column) {
            const std::uint32_t p00 = row0[column->x0];
            const std::uint32_t p10 = row0[column->x1];
            const std::uint32_t p01 = row1[column->x0];
            const std::uint32_t p11 = row1[column->x1];
            if (((p00 | p10 | p01 | p11) >> 24) == 0)
                continue;
            // The four weights from one product: with p = fx * fy and
            // 65535 * k = (k << 16) - k, (65535 - fx) * fy = (fy << 16) - fy - p
            // and so on. Each true product lies below 2^32, so the unsigned
            // arithmetic, taken modulo 2^32 on the way, ends exact.
            const std::uint32_t fx = column->fx;
            const std::uint32_t product = fx * fy;
            const std::uint32_t w11 = product >> 16;
            const std::uint32_t w10 = ((fx << 16) - fx - product) >> 16;
            const std::uint32_t w01 = ((fy << 16) - fy - product) >> 16;
            const std::uint32_t w00 = (65535u * 65535u - ((fx + fy) << 16) + fx + fy + product) >> 16;
            std::uint64_t redBlue;
            std::uint64_t alphaGreen;
            if (p00 == p10 && p00 == p01 && p00 == p11) {
                // A flat patch: the sum of the weights times the pixel.
                const std::uint64_t sum = static_cast<std::uint64_t>(w00) + w10 + w01 + w11;
                redBlue = spreadRedBlue(p00) * sum;
                alphaGreen = spreadAlphaGreen(p00) * sum;
            } else {
                redBlue = spreadRedBlue(p00) * w00 + spreadRedBlue(p10) * w10 + spreadRedBlue(p01) * w01 + spreadRedBlue(p11) * w11;
                alphaGreen = spreadAlphaGreen(p00) * w00 + spreadAlphaGreen(p10) * w10 + spreadAlphaGreen(p01) * w01 +
                             spreadAlphaGreen(p11) * w11;
            }
            const auto level = static_cast<int>(alphaGreen >> 48);
            if (level < 16)
                continue;
            const std::uint32_t colour = static_cast<std::uint32_t>(redBlue >> 48) << 16 |
                                         static_cast<std::uint32_t>((alphaGreen >> 16) & 0xFFFF) << 8 |
                                         static_cast<std::uint32_t>((redBlue >> 16) & 0xFFFF);
            std::uint8_t* pixel = line + (column - begin) * bytesPerPixel;
            if (level > 240)
                canvas.Store(pixel, canvas.Pack(colour));
            else
                canvas.Blend(pixel, colour, level);
        }
    }
}

void AnimatedRLESprite::DrawEx(const DrawInfo& drawInfo)
{
    if ((drawInfo.flags & DI_DEST_SIZE) != 0) {
        LogWarning("%s", "AnimatedRLESprite::DrawEx: DI_DEST_SIZE Blit wird derzeit nicht unterstützt!\n"_w1252);
        return;
    }
    if (drawInfo.frame < 0 || drawInfo.frame >= GetFrameCount())
        return;
    const Frame& frame = frames[static_cast<std::size_t>(drawInfo.frame)];
    const int width = frame.image->GetWidth();
    const int height = frame.image->GetHeight();
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > maximumFramePixels) {
        LogError("AnimatedRLESprite::DrawEx: frame %d of %d x %d pixels does not fit the decode buffer.\n", drawInfo.frame, width,
                 height);
        return;
    }

    DirectDraw& display = DirectDraw::GetInstance();
    const std::size_t needed = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * sizeof(std::uint32_t);
    if (display.GetRenderTarget() == nullptr || display.GetScratchBufferSize() < needed)
        return;
    std::span<std::uint32_t> buffer(reinterpret_cast<std::uint32_t*>(display.GetScratchBuffer()),
                                    static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const Image* alpha = hasAlpha ? frame.alpha.get() : nullptr;
    const std::uint32_t* tint = (drawInfo.flags & DI_TINT) != 0 ? &drawInfo.tint : nullptr;
    if (!CanDrawFrame(frame)) {
        // The decoder names what does not fit.
        ImageUtil& util = ImageUtil::GetInstance();
        if (tint != nullptr)
            util.RunLengthDecodeTinted(*frame.image, alpha, buffer, *tint);
        else
            util.RunLengthDecode(*frame.image, alpha, buffer);
        return;
    }

    // A scale from level data that is not a sane number draws nothing
    // (converting it to pixels would be undefined).
    const float scale = drawInfo.scale;
    if (!(scale > 0.0f && scale <= 64.0f))
        return;
    // The corner: crop offset times scale plus the destination, truncated;
    // centring subtracts its scaled half from that, truncated again.
    int x = static_cast<int>(static_cast<float>(frame.crop.left) * scale + static_cast<float>(drawInfo.destinationX));
    int y = static_cast<int>(static_cast<float>(frame.crop.top) * scale + static_cast<float>(drawInfo.destinationY));
    if ((drawInfo.flags & DI_CENTER) != 0) {
        x = static_cast<int>(static_cast<float>(x) - static_cast<float>(fullWidth / 2) * scale);
        y = static_cast<int>(static_cast<float>(y) - static_cast<float>(fullHeight / 2) * scale);
    } else if ((drawInfo.flags & DI_BOTTOM_CENTER) != 0) {
        x = static_cast<int>(static_cast<float>(x) - static_cast<float>(fullWidth / 2) * scale);
        y = static_cast<int>(static_cast<float>(y) - static_cast<float>(fullHeight) * scale);
    }
    const ImageRect destination{x, y, x + static_cast<int>(static_cast<float>(width - 1) * scale),
                                y + static_cast<int>(static_cast<float>(height - 1) * scale)};
    const ImageRect source{0, 0, width - 1, height - 1};
    const Placement placement = Clip(source, destination);
    if (placement.empty)
        return;

    // The colours of this draw, in the screen's precision.
    const bool sixteenBit = display.GetDepth() == 16;
    Palette palette;
    palette.withAlphaMap = alpha != nullptr;
    const auto decoded = ImageUtil::DecodedColours(*frame.image, palette.withAlphaMap, tint);
    for (std::size_t entry = 0; entry < decoded.size(); ++entry) {
        const std::uint32_t colour = decoded[entry] & 0x00FFFFFF;
        palette.colours[entry] = sixteenBit ? (colour >> 3) & 0x1F1F1F : colour;
        palette.levels[entry] = static_cast<std::uint8_t>(decoded[entry] >> 24);
    }
    if (palette.withAlphaMap)
        palette.levels = ImageUtil::AlphaLevels(*alpha);

    platform::LockedSurface locked;
    if (!LockCanvas(locked)) {
        if (scale != 1.0f)
            LogPrint("src-rect %f %f %f %f  dest-rect %d %d %d %d\n", 0.0, 0.0, static_cast<double>(width - 1),
                     static_cast<double>(height - 1), destination.left, destination.top, destination.right, destination.bottom);
        return;
    }
    const Target target{placement, locked.pixels, locked.pitch};
    const bool scaled = scale != 1.0f;
    const bool drawn = WithCanvasFormat(display.GetDepth(), [&](const auto& canvas) {
        for (std::size_t entry = 0; entry < palette.packed.size(); ++entry)
            palette.packed[entry] = canvas.Pack(palette.colours[entry]);
        if (scaled)
            DrawScaledAlpha(canvas, frame, palette, target, destination, buffer.data());
        else
            DrawAlpha(canvas, frame, palette, target);
    });
    if (!drawn) {
        if (scaled)
            LogWarning("AnimatedRLESprite::DrawScaledAlpha: Unsupported ScreenDepth %d!\n", display.GetDepth());
        else
            LogWarning("AnimatedRLESprite::DrawAlpha: Unsupported ScreenDepth %d!\n", display.GetDepth());
    }
    UnlockCanvas();
}
