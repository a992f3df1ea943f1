#pragma once

#include "StillSprite.h"
#include "Surface.h"

#include <memory>

// A static picture in a display surface, drawn by the display's colour-keyed
// blit (black is transparent), optionally stretched. The picture is kept (see
// ScreenPicture) for restoring the surface and for pixel tests; after the
// display changed its depth the surface is made again in the new format,
// at the latest when the sprite is next drawn.
class SurfaceSprite final : public StillSprite {
public:
    // The image as loaded (8 or 24 bits) or in the screen's format. Without
    // crop it is kept as it is, drawn from (sourceX, sourceY) with the full
    // size. With crop only the bounding rectangle of its non-black pixels
    // (at least 2 x 2) is kept, at that crop offset.
    bool Create(std::unique_ptr<Image> image, int fullWidth, int fullHeight, int sourceX, int sourceY, bool crop);

    void Restore() override;
    void DrawEx(const DrawInfo& drawInfo) override;

    void SetPixels(int x, int y, const ImageRect& rectangle);
    void SetPixels(int x, int y);

private:
    // Makes the surface in the display's present format and fills it.
    bool MakeSurface();
    // Makes the surface again when the display's depth is no longer its own.
    void FollowDisplayDepth();

    Surface surface;
};
