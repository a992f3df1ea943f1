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
// the colour in the screen's precision with, on top, the alpha it draws with
// when the sprite has no alpha map (0 for black, 255 otherwise), and the
// same colour as a canvas pixel; per alpha map entry its level.
struct AnimatedRLESprite::Palette {
    std::array<std::uint32_t, Image::paletteEntries> colours{};
    std::array<std::uint32_t, Image::paletteEntries> pixels{};
    std::array<std::uint8_t, Image::paletteEntries> levels{};
    bool withAlphaMap = false;
};

// The clipped draw on the locked canvas.
struct AnimatedRLESprite::Target {
    Placement placement;
    std::uint8_t* pixels = nullptr;
    int pitch = 0;
    CanvasFormat format;
};

bool AnimatedRLESprite::Create(const Image& strip, const Image* alphaStrip, int frameCount, bool crop)
{
    frames.clear();
    Forget();
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
    Forget();
    Frame added;
    added.image = std::move(frame);
    added.alpha = std::move(alphaFrame);
    added.crop = crop;
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
    FindSpans(frame);
}

void AnimatedRLESprite::FindSpans(Frame& frame)
{
    frame.spans.clear();
    frame.rowSpans.assign(1, 0);
    frame.spanPixels.clear();
    frame.indices.clear();
    frame.weights.clear();
    if (frame.colourRows.empty() || (frame.alpha != nullptr && frame.alphaRows.empty()))
        return;
    const int width = frame.image->GetWidth();
    const int height = frame.image->GetHeight();
    // Without an alpha map a pixel is clear where its palette entry is black.
    std::array<std::uint8_t, Image::paletteEntries> entryAlphas{};
    const std::uint8_t* palette = frame.image->GetPalette();
    for (std::size_t entry = 0; entry < entryAlphas.size(); ++entry)
        entryAlphas[entry] = (palette[entry * 4] | palette[entry * 4 + 1] | palette[entry * 4 + 2]) != 0 ? 255 : 0;
    const auto levels = frame.alpha != nullptr ? ImageUtil::AlphaLevels(*frame.alpha) : entryAlphas;
    const auto decodeRow = [width](const Image& image, std::uint32_t start, std::span<const std::uint8_t, Image::paletteEntries> lookUp,
                                   std::uint8_t* row) {
        RunLengthRowReader reader(ImageUtil::EncodedData(image), 1, start);
        reader.ReadRow(width, [&](int x, int count, const std::uint8_t* pixels, bool run) {
            for (int i = 0; i < count; ++i)
                row[x + i] = lookUp[pixels[run ? 0 : i]];
        });
    };
    std::array<std::uint8_t, Image::paletteEntries> same{};
    for (std::size_t entry = 0; entry < same.size(); ++entry)
        same[entry] = static_cast<std::uint8_t>(entry);
    std::vector<std::uint8_t> rowIndices(static_cast<std::size_t>(width));
    std::vector<std::uint8_t> rowAlphas(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        const auto row = static_cast<std::size_t>(y);
        decodeRow(*frame.image, frame.colourRows[row], same, rowIndices.data());
        if (frame.alpha != nullptr)
            decodeRow(*frame.alpha, frame.alphaRows[row], levels, rowAlphas.data());
        else
            for (int x = 0; x < width; ++x)
                rowAlphas[static_cast<std::size_t>(x)] = levels[rowIndices[static_cast<std::size_t>(x)]];
        std::size_t span = frame.spans.size();
        AppendAlphaSpans<ThresholdRule>(rowAlphas.data(), width, frame.spans, frame.weights);
        for (; span < frame.spans.size(); ++span) {
            const AlphaSpan& added = frame.spans[span];
            frame.spanPixels.push_back(static_cast<std::uint32_t>(frame.indices.size()));
            frame.indices.insert(frame.indices.end(), rowIndices.begin() + added.start, rowIndices.begin() + added.end);
        }
        frame.rowSpans.push_back(static_cast<std::uint32_t>(frame.spans.size()));
    }
}

bool AnimatedRLESprite::CanDrawFrame(const Frame& frame)
{
    // Spans are cut only from packets that fill the frame's rows.
    return frame.rowSpans.size() == static_cast<std::size_t>(frame.image->GetHeight()) + 1;
}

int AnimatedRLESprite::GetWidth(int frame) const
{
    return frame >= 0 && frame < GetFrameCount() ? frames[static_cast<std::size_t>(frame)].image->GetWidth() : 0;
}

int AnimatedRLESprite::GetHeight(int frame) const
{
    return frame >= 0 && frame < GetFrameCount() ? frames[static_cast<std::size_t>(frame)].image->GetHeight() : 0;
}

AnimatedRLESprite::FrameView AnimatedRLESprite::GetFrame(int frame) const
{
    if (frame < 0 || frame >= GetFrameCount())
        return {};
    const Frame& stored = frames[static_cast<std::size_t>(frame)];
    return FrameView{stored.image.get(), stored.alpha.get(), stored.crop};
}

bool AnimatedRLESprite::IsPixelTransparent(Point, int) const
{
    // Characters are asked on every mouse move: the log hears of it once
    // per sprite.
    if (!rolloverReported) {
        rolloverReported = true;
        LogPrint("AnimatedRLESprite::IsPixelTransparent: Pixelcollision bei RLE-Sprites noch nicht implementiert!\n");
    }
    return true;
}

namespace {

// Fills count pixels with one value, four a store: a plain fill loop would
// become a string instruction, slow to start for runs this short.
void FillPixels(std::uint32_t* target, std::uint32_t value, int count)
{
    const std::uint32_t quad[4] = {value, value, value, value};
    int i = 0;
    for (; i + 4 <= count; i += 4)
        std::memcpy(target + i, quad, sizeof(quad));
    for (; i < count; ++i)
        target[i] = value;
}

} // namespace

std::pair<int, int> AnimatedRLESprite::DecodeRowAlpha(const Frame& frame, const Palette& palette, int y, std::uint32_t* row)
{
    const int width = frame.image->GetWidth();
    int first = width;
    int last = -1;
    const auto notClear = [&](int from, int to) {
        first = std::min(first, from);
        last = std::max(last, to - 1);
    };
    if (!palette.withAlphaMap) {
        RunLengthRowReader colourReader(ImageUtil::EncodedData(*frame.image), 1, frame.colourRows[static_cast<std::size_t>(y)]);
        colourReader.ReadRow(width, [&](int x, int count, const std::uint8_t* entries, bool isRun) {
            if (!isRun || palette.colours[*entries] >> 24 >= 16)
                notClear(x, x + count);
        });
    } else {
        RunLengthRowReader alphaReader(ImageUtil::EncodedData(*frame.alpha), 1, frame.alphaRows[static_cast<std::size_t>(y)]);
        alphaReader.ReadRow(width, [&](int x, int count, const std::uint8_t* entries, bool isRun) {
            if (isRun) {
                const std::uint32_t level = palette.levels[*entries];
                FillPixels(row + x, level << 24, count);
                if (level >= 16)
                    notClear(x, x + count);
                return;
            }
            for (int i = 0; i < count; ++i)
                row[x + i] = static_cast<std::uint32_t>(palette.levels[entries[i]]) << 24;
            notClear(x, x + count);
        });
    }
    return {first, last};
}

void AnimatedRLESprite::DecodeRowColours(const Frame& frame, const Palette& palette, int y, std::uint32_t* row, int from, int to)
{
    const int width = frame.image->GetWidth();
    RunLengthRowReader colourReader(ImageUtil::EncodedData(*frame.image), 1, frame.colourRows[static_cast<std::size_t>(y)]);
    colourReader.BeginRow(width);
    RunLengthPacket packet;
    while (colourReader.Next(packet) && packet.x < to) {
        const int start = std::max(packet.x, from);
        const int end = std::min(packet.x + packet.count, to);
        if (start >= end)
            continue;
        std::uint32_t* const target = row + start;
        const int count = end - start;
        if (palette.withAlphaMap) {
            // The levels are in the row already.
            if (packet.run) {
                const std::uint32_t colour = palette.colours[*packet.pixels];
                for (int i = 0; i < count; ++i)
                    target[i] |= colour;
            } else {
                const std::uint8_t* entries = packet.pixels + (start - packet.x);
                for (int i = 0; i < count; ++i)
                    target[i] |= palette.colours[entries[i]];
            }
        } else if (packet.run) {
            FillPixels(target, palette.colours[*packet.pixels], count);
        } else {
            const std::uint8_t* entries = packet.pixels + (start - packet.x);
            for (int i = 0; i < count; ++i)
                target[i] = palette.colours[entries[i]];
        }
    }
}

void AnimatedRLESprite::LookUpSpans(const Frame& frame, const Palette& palette, int bytesPerPixel)
{
    lastLookedUp.pixels.resize(frame.indices.size() * static_cast<std::size_t>(bytesPerPixel));
    ChooseLookUp(bytesPerPixel)(frame.indices.data(), palette.pixels.data(), lastLookedUp.pixels.data(),
                                static_cast<int>(frame.indices.size()));
}

void AnimatedRLESprite::DrawAlpha(const Frame& frame, const Target& target) const
{
    const Placement& placement = target.placement;
    const int bytesPerPixel = target.format.bytesPerPixel;
    const RowBlend blend(target.format);
    const std::uint8_t* const pixels = lastLookedUp.pixels.data();
    const auto pixelsAt = [&](std::uint32_t index, int from) {
        const std::size_t first = frame.spanPixels[index] + static_cast<std::size_t>(from - frame.spans[index].start);
        return pixels + first * static_cast<std::size_t>(bytesPerPixel);
    };
    for (int y = placement.source.top; y <= placement.source.bottom; ++y) {
        // The canvas pixel of source column `left`.
        std::uint8_t* const line = target.pixels +
                                   static_cast<std::ptrdiff_t>(placement.destination.top + y - placement.source.top) * target.pitch +
                                   static_cast<std::ptrdiff_t>(placement.destination.left) * bytesPerPixel;
        const auto row = static_cast<std::size_t>(y);
        DrawSpanRow(frame.spans.data(), frame.rowSpans[row], frame.rowSpans[row + 1], placement.source.left, placement.source.right + 1,
                    frame.weights.data(), blend, line, pixelsAt);
    }
}

namespace {

// Per destination column of a scaled draw: its two source columns and the
// 16-bit fraction between them, as separate arrays for vector code.
struct FilterColumns {
    std::array<std::int32_t, DirectDraw::canvasWidth> x0;
    std::array<std::int32_t, DirectDraw::canvasWidth> x1;
    std::array<std::uint32_t, DirectDraw::canvasWidth> fx;
};

// One destination row of the bilinear filter: per column the four samples
// from rows 0 and 1, weighted by w00 = (65535 - fx)(65535 - fy) >> 16 and
// so on, summed per channel and shifted down by 16; the colour is put
// together as a canvas pixel by the channels' shifts, the alpha apart. The
// four weights come from one product: with p = fx * fy and
// 65535 * k = (k << 16) - k, (65535 - fx) * fy = (fy << 16) - fy - p and so
// on; each true product lies below 2^32, so unsigned arithmetic, taken
// modulo 2^32 on the way, ends exact, and so do the sums (below
// 255 * 65536). Plain 32-bit lanes throughout, so that the compiler
// vectorises the loop.
[[gnu::always_inline]] inline void FilterRow(const std::uint32_t* __restrict row0, const std::uint32_t* __restrict row1,
                                             const std::int32_t* __restrict x0s, const std::int32_t* __restrict x1s,
                                             const std::uint32_t* __restrict fxs, std::uint32_t fy, int count,
                                             std::uint32_t* __restrict colours, std::uint32_t* __restrict weights, CanvasFormat format)
{
    for (int i = 0; i < count; ++i) {
        const std::uint32_t p00 = row0[x0s[i]];
        const std::uint32_t p10 = row0[x1s[i]];
        const std::uint32_t p01 = row1[x0s[i]];
        const std::uint32_t p11 = row1[x1s[i]];
        const std::uint32_t fx = fxs[i];
        const std::uint32_t product = fx * fy;
        const std::uint32_t w11 = product >> 16;
        const std::uint32_t w10 = ((fx << 16) - fx - product) >> 16;
        const std::uint32_t w01 = ((fy << 16) - fy - product) >> 16;
        const std::uint32_t w00 = (65535u * 65535u - ((fx + fy) << 16) + fx + fy + product) >> 16;
        const auto channel = [&](int shift) {
            return (((p00 >> shift) & 0xFF) * w00 + ((p10 >> shift) & 0xFF) * w10 + ((p01 >> shift) & 0xFF) * w01 +
                    ((p11 >> shift) & 0xFF) * w11) >>
                   16;
        };
        colours[i] = channel(16) << format.shiftR | channel(8) << format.shiftG | channel(0) << format.shiftB;
        weights[i] = ThresholdRule::Weight(channel(24));
    }
}

} // namespace

void AnimatedRLESprite::DecodeForScaling(const Frame& frame, const Palette& palette)
{
    const int width = frame.image->GetWidth();
    const int height = frame.image->GetHeight();
    lastDecoded.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    lastDecoded.rowSpans.resize(static_cast<std::size_t>(height));
    std::uint32_t* const pixels = lastDecoded.pixels.data();
    // Alpha first, whole rows: every level a sample meets counts.
    for (int row = 0; row < height; ++row)
        lastDecoded.rowSpans[static_cast<std::size_t>(row)] =
            DecodeRowAlpha(frame, palette, row, pixels + static_cast<std::ptrdiff_t>(row) * width);
    // Colours count wherever a sample falls, clear pixels' too: a row is
    // sampled together with the row above or below it, one column either
    // side of where the two are not clear.
    for (int row = 0; row < height; ++row) {
        int low = width;
        int high = -1;
        for (int near = std::max(row - 1, 0); near <= std::min(row + 1, height - 1); ++near) {
            low = std::min(low, lastDecoded.rowSpans[static_cast<std::size_t>(near)].first);
            high = std::max(high, lastDecoded.rowSpans[static_cast<std::size_t>(near)].second);
        }
        if (low <= high)
            DecodeRowColours(frame, palette, row, pixels + static_cast<std::ptrdiff_t>(row) * width, std::max(low - 1, 0),
                             std::min(high + 2, width));
    }
}

void AnimatedRLESprite::DrawScaledAlpha(const Frame& frame, const Target& target, const ImageRect& unclipped) const
{
    const CanvasFormat& format = target.format;
    const int bytesPerPixel = format.bytesPerPixel;
    const RowBlend blend(format);
    const Placement& placement = target.placement;
    const int frameWidth = frame.image->GetWidth();
    const int frameHeight = frame.image->GetHeight();
    // 16.16 fixed-point steps through the source for each destination pixel.
    const std::int64_t spanX = unclipped.right - unclipped.left;
    const std::int64_t spanY = unclipped.bottom - unclipped.top;
    const std::int64_t stepX = spanX > 0 ? (static_cast<std::int64_t>(frameWidth - 1) << 16) / spanX : 0;
    const std::int64_t stepY = spanY > 0 ? (static_cast<std::int64_t>(frameHeight - 1) << 16) / spanY : 0;

    // Per destination column, its two source columns and the fraction.
    FilterColumns columns;
    const int width = placement.destination.GetWidth();
    for (int i = 0; i < width; ++i) {
        const std::int64_t position = (placement.destination.left + i - unclipped.left) * stepX;
        const int x0 = std::clamp(static_cast<int>(position >> 16), 0, frameWidth - 1);
        columns.x0[static_cast<std::size_t>(i)] = x0;
        columns.x1[static_cast<std::size_t>(i)] = std::min(x0 + 1, frameWidth - 1);
        columns.fx[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(position & 0xFFFF);
    }
    const auto filterRow = platform::Vectorised<&FilterRow>::Choose();
    const std::uint32_t* const pixels = lastDecoded.pixels.data();

    // Each destination row is filtered into canvas pixels and the weights
    // of their alphas, and then blended.
    std::array<std::uint32_t, DirectDraw::canvasWidth> filtered;
    std::array<std::uint32_t, DirectDraw::canvasWidth> weights;
    std::array<std::uint8_t, DirectDraw::canvasWidth * 3 + 4> narrowed;
    for (int y = placement.destination.top; y <= placement.destination.bottom; ++y) {
        const std::int64_t positionY = (y - unclipped.top) * stepY;
        const int y0 = std::clamp(static_cast<int>(positionY >> 16), 0, frameHeight - 1);
        const int y1 = std::min(y0 + 1, frameHeight - 1);
        const auto fy = static_cast<std::uint32_t>(positionY & 0xFFFF);
        // Columns whose four samples are all clear are passed over.
        const auto& span0 = lastDecoded.rowSpans[static_cast<std::size_t>(y0)];
        const auto& span1 = lastDecoded.rowSpans[static_cast<std::size_t>(y1)];
        const int low = std::min(span0.first, span1.first);
        const int high = std::max(span0.second, span1.second);
        // The first column whose right sample reaches the span, and the
        // first after it whose left sample lies past it.
        const auto from = static_cast<int>(std::partition_point(columns.x1.begin(), columns.x1.begin() + width,
                                                                [&](int x1) { return x1 < low; }) - columns.x1.begin());
        const auto to = static_cast<int>(std::partition_point(columns.x0.begin() + from, columns.x0.begin() + width,
                                                              [&](int x0) { return x0 <= high; }) - columns.x0.begin());
        if (from >= to)
            continue;
        // All four samples clear give alpha 0, which the blend passes over.
        filterRow(pixels + static_cast<std::ptrdiff_t>(y0) * frameWidth, pixels + static_cast<std::ptrdiff_t>(y1) * frameWidth,
                  columns.x0.data() + from, columns.x1.data() + from, columns.fx.data() + from, fy, to - from, filtered.data(),
                  weights.data(), format);
        std::uint8_t* line = target.pixels + static_cast<std::ptrdiff_t>(y) * target.pitch +
                             static_cast<std::ptrdiff_t>(placement.destination.left + from) * bytesPerPixel;
        const std::uint8_t* colours = reinterpret_cast<const std::uint8_t*>(filtered.data());
        if (bytesPerPixel != 4) {
            NarrowPixels(bytesPerPixel, filtered.data(), narrowed.data(), to - from);
            colours = narrowed.data();
        }
        blend(colours, weights.data(), line, to - from);
    }
}

AnimatedRLESprite::Palette AnimatedRLESprite::MakePalette(const Frame& frame, const Image* alpha, const std::uint32_t* tint, int depth)
{
    const DirectDraw& display = DirectDraw::GetInstance();
    const bool sixteenBit = depth == 16;
    Palette palette;
    palette.withAlphaMap = alpha != nullptr;
    const auto decoded = ImageUtil::DecodedColours(*frame.image, palette.withAlphaMap, tint);
    for (std::size_t entry = 0; entry < decoded.size(); ++entry) {
        const std::uint32_t colour = decoded[entry] & 0x00FFFFFF;
        const std::uint32_t level = palette.withAlphaMap ? 0 : decoded[entry] & 0xFF000000;
        palette.colours[entry] = (sixteenBit ? (colour >> 3) & 0x1F1F1F : colour) | level;
        palette.pixels[entry] = display.ToScreenPixel(colour);
    }
    if (palette.withAlphaMap)
        palette.levels = ImageUtil::AlphaLevels(*alpha);
    return palette;
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

    const int depth = display.GetDepth();
    const bool scaled = scale != 1.0f;
    if (depth != 16 && depth != 24 && depth != 32) {
        if (scaled)
            LogWarning("AnimatedRLESprite::DrawScaledAlpha: Unsupported ScreenDepth %d!\n", depth);
        else
            LogWarning("AnimatedRLESprite::DrawAlpha: Unsupported ScreenDepth %d!\n", depth);
        return;
    }
    // The frame's colours as the last draw of this kind left them, or
    // worked out again.
    const FrameColours colours{drawInfo.frame, tint != nullptr, tint != nullptr ? *tint : 0, depth, ScreenLayout::FromDisplay()};
    const CanvasFormat format = CanvasFormat::Of(depth, colours.layout);
    FrameColours& kept = scaled ? lastDecoded.colours : lastLookedUp.colours;
    if (kept != colours) {
        const Palette palette = MakePalette(frame, alpha, tint, depth);
        if (scaled)
            DecodeForScaling(frame, palette);
        else
            LookUpSpans(frame, palette, format.bytesPerPixel);
        kept = colours;
    }

    platform::LockedSurface locked;
    if (!LockCanvas(locked)) {
        if (scaled)
            LogPrint("src-rect %f %f %f %f  dest-rect %d %d %d %d\n", 0.0, 0.0, static_cast<double>(width - 1),
                     static_cast<double>(height - 1), destination.left, destination.top, destination.right, destination.bottom);
        return;
    }
    const Target target{placement, locked.pixels, locked.pitch, format};
    if (scaled)
        DrawScaledAlpha(frame, target, destination);
    else
        DrawAlpha(frame, target);
    UnlockCanvas();
}
