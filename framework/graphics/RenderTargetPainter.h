#pragma once

#include "app/DebugDisplay.h"
#include "platform/DisplayDevice.h"

// Draws the debug overlay's lines and rectangles into the render target, in
// the screen's pixel format, clipped to it. A line leaves out its last point
// and a filled rectangle its right column and bottom row, as the platform's
// drawing context does.
class RenderTargetPainter final : public DebugPainter {
public:
    explicit RenderTargetPainter(platform::DisplaySurface& target);

    void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t colour) override;
    void FillRectangle(int x1, int y1, int x2, int y2, std::uint32_t colour) override;

private:
    void Plot(int x, int y, std::uint32_t pixel);

    platform::DisplaySurface& target;
    int bytesPerPixel;
};
