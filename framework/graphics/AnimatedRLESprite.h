#pragma once

// Frames as run-length-encoded 8-bit images (with encoded alpha frames when
// the sprite has alpha), decoded at each draw into the display's scratch
// buffer as 32-bit pixels and blended into the canvas, optionally scaled
// with bilinear filtering and tinted. Alpha below 16 leaves the canvas,
// above 240 replaces it; between, the colours mix. A frame holds at most
// 360,000 pixels, the scratch buffer's size.

#include "Sprite.h"

#include <memory>
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
    };

    template <int bytesPerPixel>
    void DrawAlpha(const Placement& placement, const std::uint32_t* pixels, int frameWidth, std::uint8_t* canvas, int pitch) const;
    template <int bytesPerPixel>
    void DrawScaledAlpha(const Placement& placement, const ImageRect& unclipped, const ImageRect& unclippedSource,
                         const std::uint32_t* pixels, int frameWidth, int frameHeight, std::uint8_t* canvas, int pitch) const;

    std::vector<Frame> frames;
    int fullWidth = 0;
    int fullHeight = 0;
    bool hasAlpha = false;
};
