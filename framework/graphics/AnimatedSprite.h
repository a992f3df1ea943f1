#pragma once

#include "Sprite.h"

#include <memory>
#include <vector>

// Frames that are sprites of their own (surface or alpha sprites); every
// operation that takes a frame goes to that frame's sprite.
class AnimatedSprite final : public Sprite {
public:
    void SetFullSize(int width, int height);
    void AddFrame(std::unique_ptr<Sprite> frame);

    int GetFrameCount() const override { return static_cast<int>(frames.size()); }
    int GetWidth(int frame) const override;
    int GetHeight(int frame) const override;
    int GetFullWidth() const override { return fullWidth; }
    int GetFullHeight() const override { return fullHeight; }
    bool IsPixelTransparent(Point point, int frame) const override;
    void Restore() override;
    void DrawEx(const DrawInfo& drawInfo) override;

private:
    // The frame's sprite, or null for a frame that does not exist.
    Sprite* Frame(int frame) const;

    int fullWidth = 0;
    int fullHeight = 0;
    std::vector<std::unique_ptr<Sprite>> frames;
};
