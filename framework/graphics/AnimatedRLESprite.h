#pragma once

// Frames as run-length-encoded 8-bit images (with encoded alpha frames when
// the sprite has alpha), blended into the canvas, optionally scaled with
// bilinear filtering and tinted. Alpha below 16 leaves the canvas, above 240
// replaces it; between, the colours mix. The alpha of every pixel is fixed
// by the frame (its alpha map, or black in its palette), so when a frame is
// added its rows are cut once into the spans a draw visits: clear
// stretches are left out, and each span keeps its pixels' palette indices
// written out, a mixed one also their blending weights. An unscaled draw
// looks the indices up in the draw's palette (tinted, in the canvas's
// format) and passes once over the spans, copying or blending them. A
// scaled draw decodes the frame as 32-bit pixels and filters each
// destination row from them. Either keeps what it worked out for the next
// draws of the same frame, tint and display format. A frame holds at most
// 360,000 pixels, the scratch buffer's size.

#include "ScreenPixels.h"
#include "Sprite.h"

#include <memory>
#include <utility>
#include <vector>

class AnimatedRLESprite final : public Sprite {
public:
    static constexpr int maximumFramePixels = 360000;

    // The strip holds the frames stacked vertically (8-bit). With crop each
    // frame keeps the bounding rectangle of its non-black pixels grown by 2
    // pixels on every side.
    bool Create(const Image& strip, const Image* alphaStrip, int frameCount, bool crop);
    // Frames read from a pre-encoded file: encoded images and their crop
    // rectangles inside the full frame.
    void SetFullSize(int width, int height);
    void AddFrame(std::unique_ptr<Image> frame, std::unique_ptr<Image> alphaFrame, const ImageRect& crop);

    int GetFrameCount() const override { return static_cast<int>(frames.size()); }
    int GetWidth(int frame) const override;
    int GetHeight(int frame) const override;
    int GetFullWidth() const override { return fullWidth; }
    int GetFullHeight() const override { return fullHeight; }
    bool HasAlpha() const { return hasAlpha; }
    // A stored frame (null images for a frame that does not exist), for
    // writing the frames to a pre-encoded file.
    struct FrameView {
        const Image* image = nullptr;
        const Image* alpha = nullptr;
        ImageRect crop;
    };
    FrameView GetFrame(int frame) const;
    bool IsPixelTransparent(Point point, int frame) const override;
    void DrawEx(const DrawInfo& drawInfo) override;

private:
    struct Frame {
        std::unique_ptr<Image> image;
        std::unique_ptr<Image> alpha;
        ImageRect crop;
        // Where each row's packets start; empty when the packets do not fill
        // the frame (such a frame is refused with the decoder's message).
        std::vector<std::uint32_t> colourRows;
        std::vector<std::uint32_t> alphaRows;
        // The spans of row y are spans[rowSpans[y]] up to
        // spans[rowSpans[y + 1]]; span i's palette indices start at
        // spanPixels[i] in `indices`.
        std::vector<AlphaSpan> spans;
        std::vector<std::uint32_t> rowSpans;
        std::vector<std::uint32_t> spanPixels;
        std::vector<std::uint8_t> indices;
        std::vector<std::uint32_t> weights;
    };
    struct Palette;
    struct Target;

    static void IndexRows(Frame& frame);
    static void FindSpans(Frame& frame);
    static bool CanDrawFrame(const Frame& frame);

    // Decoding row y of the frame into `row`, frame width pixels 0xAARRGGBB
    // with colours in the screen's precision, in two steps. First the alpha
    // (with an alpha map: written as the pixels' top bytes, colours zero),
    // returning the first and last column that is not clear (first past
    // last when all are). Then the colours of columns [from, to).
    static std::pair<int, int> DecodeRowAlpha(const Frame& frame, const Palette& palette, int y, std::uint32_t* row);
    static void DecodeRowColours(const Frame& frame, const Palette& palette, int y, std::uint32_t* row, int from, int to);
    // What a frame's colours in a draw depend on: the frame, the tint, the
    // display's depth and layout.
    struct FrameColours {
        int frame = -1; // none
        bool tinted = false;
        std::uint32_t tint = 0;
        int depth = 0;
        ScreenLayout layout;
        bool operator==(const FrameColours&) const = default;
    };
    static Palette MakePalette(const Frame& frame, const Image* alpha, const std::uint32_t* tint, int depth);
    // The colours kept for the next draws: the whole frame decoded for
    // scaled draws, the spans' pixels looked up for unscaled ones.
    void DecodeForScaling(const Frame& frame, const Palette& palette);
    void LookUpSpans(const Frame& frame, const Palette& palette, int bytesPerPixel);
    // After the frames changed.
    void Forget()
    {
        lastDecoded.colours = FrameColours{};
        lastLookedUp.colours = FrameColours{};
    }
    void DrawAlpha(const Frame& frame, const Target& target) const;
    void DrawScaledAlpha(const Frame& frame, const Target& target, const ImageRect& unclipped) const;

    std::vector<Frame> frames;
    int fullWidth = 0;
    int fullHeight = 0;
    bool hasAlpha = false;
    // Pixel rollover is not done for these sprites; said once in the log.
    mutable bool rolloverReported = false;
    // The frame the last draw of each kind worked out, kept for the next
    // draws: characters show one frame for several rendered frames. A
    // scaled draw's pixels are 0xAARRGGBB in the screen's precision, the
    // frame's width a row, with per row the first and last column not
    // clear; an unscaled draw's are the spans' pixels in the canvas's
    // format, where `Frame::indices` has their palette indices.
    struct DecodedFrame {
        FrameColours colours;
        std::vector<std::uint32_t> pixels;
        std::vector<std::pair<int, int>> rowSpans;
    };
    struct LookedUpSpans {
        FrameColours colours;
        std::vector<std::uint8_t> pixels;
    };
    DecodedFrame lastDecoded;
    LookedUpSpans lastLookedUp;
};
