#pragma once

#include "Rectangle.h"
#include "Window.h"

namespace platform {

struct PicturePoint {
    int x = 0;
    int y = 0;
    bool operator==(const PicturePoint&) const = default;
};

// Where the presented picture sits in the window: the largest rectangle of
// the picture's aspect that fits the renderer's output, centred between black
// bars. Smooth scaling fills that rectangle; integer scaling takes the
// largest whole factor that fits, so every picture pixel becomes a square of
// real pixels, and fits like smooth scaling when even one times the picture
// is too large. The output is counted in the renderer's real pixels, which on
// a HiDPI screen are more than the window's coordinates (mouse positions):
// both sizes are given so that the two can be converted.
class PictureFrame {
public:
    PictureFrame() = default;
    PictureFrame(ClientSize picture, ClientSize window, ClientSize output, bool integerScaling);

    // In output pixels.
    const Rectangle& GetRectangle() const { return rectangle; }
    // True when the picture is shown at a whole factor, to be drawn with
    // nearest-pixel filtering.
    bool IsWholeFactor() const { return wholeFactor; }

    // A window point as the pixel of a canvas of the given size shown in
    // the rectangle; points in the bars count as the picture's nearest edge.
    PicturePoint ToCanvas(PicturePoint windowPoint, ClientSize canvas) const;
    // The window point over the middle of a canvas pixel.
    PicturePoint ToWindow(PicturePoint canvasPoint, ClientSize canvas) const;

private:
    ClientSize window;
    ClientSize output;
    Rectangle rectangle;
    bool wholeFactor = false;
};

} // namespace platform
