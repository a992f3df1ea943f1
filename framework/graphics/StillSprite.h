#pragma once

#include "ScreenPicture.h"
#include "Sprite.h"
#include "SpriteGeometry.h"

// A sprite of one still picture, kept as loaded (see ScreenPicture) with
// where its stored part sits in the full frame: its sizes and its pixel
// test (black is transparent) come from the two.
class StillSprite : public Sprite {
public:
    int GetWidth(int) const override { return geometry.storedWidth; }
    int GetHeight(int) const override { return geometry.storedHeight; }
    int GetFullWidth() const override { return geometry.fullWidth; }
    int GetFullHeight() const override { return geometry.fullHeight; }

    bool IsPixelTransparent(Point point, int) const override
    {
        int x = 0;
        int y = 0;
        const Image* image = picture.Get();
        if (image == nullptr || !geometry.ImagePixelAt(point, x, y))
            return true;
        return image->GetPixel(x, y) == 0;
    }

protected:
    ScreenPicture picture;
    SpriteGeometry geometry;
};
