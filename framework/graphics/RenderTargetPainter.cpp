#include "RenderTargetPainter.h"

#include "DirectDraw.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

RenderTargetPainter::RenderTargetPainter(platform::DisplaySurface& surface)
    : target(surface)
    , bytesPerPixel(surface.BytesPerPixel())
{
}

void RenderTargetPainter::Plot(int x, int y, std::uint32_t pixel)
{
    if (x < 0 || y < 0 || x >= target.GetWidth() || y >= target.GetHeight())
        return;
    std::memcpy(target.GetPixels() + static_cast<std::ptrdiff_t>(y) * target.GetPitch() + x * bytesPerPixel, &pixel,
                static_cast<std::size_t>(bytesPerPixel));
}

void RenderTargetPainter::DrawLine(int x1, int y1, int x2, int y2, std::uint32_t colour)
{
    // A line far beyond the canvas would take ages to walk pixel by pixel;
    // such debug lines are left out.
    constexpr int reach = 1 << 15;
    if (std::abs(x1) > reach || std::abs(y1) > reach || std::abs(x2) > reach || std::abs(y2) > reach)
        return;
    const std::uint32_t pixel = DirectDraw::GetInstance().ToScreenPixel(colour);
    // Bresenham's walk from the first point towards the second.
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int stepX = x1 < x2 ? 1 : -1;
    const int stepY = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        Plot(x, y, pixel);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

void RenderTargetPainter::FillRectangle(int x1, int y1, int x2, int y2, std::uint32_t colour)
{
    const std::uint32_t pixel = DirectDraw::GetInstance().ToScreenPixel(colour);
    const int left = std::max(std::min(x1, x2), 0);
    const int right = std::min(std::max(x1, x2), target.GetWidth());
    const int top = std::max(std::min(y1, y2), 0);
    const int bottom = std::min(std::max(y1, y2), target.GetHeight());
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            Plot(x, y, pixel);
}
