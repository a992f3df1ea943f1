#pragma once

#include "Sprite.h"
#include "SpriteGeometry.h"
#include "Surface.h"

#include <memory>

// A static picture in a display surface, drawn by the display's colour-keyed
// blit (black is transparent), optionally stretched. The image is kept for
// restoring the surface and for pixel tests.
class SurfaceSprite final : public Sprite {
public:
    // Without crop the image is kept as it is, drawn from (sourceX, sourceY)
    // with the full size. With crop only the bounding rectangle of its
    // non-black pixels (at least 2 x 2) is kept, at that crop offset.
    bool Create(std::unique_ptr<Image> image, int fullWidth, int fullHeight, int sourceX, int sourceY, bool crop);

    int GetWidth(int) const override { return geometry.storedWidth; }
    int GetHeight(int) const override { return geometry.storedHeight; }
    int GetFullWidth() const override { return geometry.fullWidth; }
    int GetFullHeight() const override { return geometry.fullHeight; }
    bool IsPixelTransparent(Point point, int frame) const override;
    void Restore() override;
    void DrawEx(const DrawInfo& drawInfo) override;

    void SetPixels(int x, int y, const ImageRect& rectangle);
    void SetPixels(int x, int y);

private:
    Surface surface;
    std::unique_ptr<Image> image;
    SpriteGeometry geometry;
};
