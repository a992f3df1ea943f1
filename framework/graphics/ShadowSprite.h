#pragma once

#include "Sprite.h"

#include <memory>

// A 1-bit mask that halves the brightness of the canvas under its clear
// bits (the picture's non-black pixels); set bits leave the canvas alone.
// Draws on 16-, 24- and 32-bit screens.
class ShadowSprite final : public Sprite {
public:
    bool Create(const Image& image, int fullWidth, int fullHeight);

    int GetWidth(int) const override { return maskWidth; }
    int GetHeight(int) const override { return maskHeight; }
    int GetFullWidth() const override { return fullWidth; }
    int GetFullHeight() const override { return fullHeight; }
    bool IsPixelTransparent(Point point, int frame) const override;
    void DrawEx(const DrawInfo& drawInfo) override;

private:
    bool IsMaskBitSet(int x, int y) const;
    template <int pixelBytes>
    void Darken(const Placement& placement, std::uint8_t* canvas, int pitch, std::uint32_t keep) const;

    std::unique_ptr<Image> mask;
    Point crop;
    int maskWidth = 0;
    int maskHeight = 0;
    int fullWidth = 0;
    int fullHeight = 0;
};
