#include "PictureFrame.h"

#include <algorithm>
#include <cstdint>

namespace platform {

namespace {

// value * numerator / denominator without overflow; 0 when the denominator is.
int Scale(int value, int numerator, int denominator)
{
    if (denominator <= 0)
        return 0;
    return static_cast<int>(static_cast<std::int64_t>(value) * numerator / denominator);
}

Rectangle Centred(int width, int height, ClientSize output)
{
    const int left = (output.width - width) / 2;
    const int top = (output.height - height) / 2;
    return Rectangle{left, top, left + width, top + height};
}

} // namespace

PictureFrame::PictureFrame(ClientSize picture, ClientSize windowSize, ClientSize outputSize, bool integerScaling)
    : window(windowSize), output(outputSize)
{
    if (picture.width <= 0 || picture.height <= 0 || output.width <= 0 || output.height <= 0)
        return;
    if (integerScaling) {
        const int factor = std::min(output.width / picture.width, output.height / picture.height);
        if (factor >= 1) {
            rectangle = Centred(picture.width * factor, picture.height * factor, output);
            wholeFactor = true;
            return;
        }
    }
    // The side that is tighter decides; the other is rounded to the nearest
    // pixel of the picture's aspect.
    const std::int64_t wideness = static_cast<std::int64_t>(output.width) * picture.height;
    const std::int64_t tallness = static_cast<std::int64_t>(output.height) * picture.width;
    if (wideness >= tallness) {
        const int width = Scale(2 * output.height, picture.width, picture.height);
        rectangle = Centred((width + 1) / 2, output.height, output);
    } else {
        const int height = Scale(2 * output.width, picture.height, picture.width);
        rectangle = Centred(output.width, (height + 1) / 2, output);
    }
    wholeFactor = rectangle.Width() == picture.width && rectangle.Height() == picture.height;
}

PicturePoint PictureFrame::ToCanvas(PicturePoint windowPoint, ClientSize canvas) const
{
    if (rectangle.Width() <= 0 || rectangle.Height() <= 0 || canvas.width <= 0 || canvas.height <= 0)
        return {};
    const int outputX = std::clamp(Scale(windowPoint.x, output.width, window.width), rectangle.left, rectangle.right - 1);
    const int outputY = std::clamp(Scale(windowPoint.y, output.height, window.height), rectangle.top, rectangle.bottom - 1);
    // The canvas pixel under the middle of the output pixel.
    return {std::clamp(Scale(2 * (outputX - rectangle.left) + 1, canvas.width, 2 * rectangle.Width()), 0, canvas.width - 1),
            std::clamp(Scale(2 * (outputY - rectangle.top) + 1, canvas.height, 2 * rectangle.Height()), 0, canvas.height - 1)};
}

PicturePoint PictureFrame::ToWindow(PicturePoint canvasPoint, ClientSize canvas) const
{
    if (canvas.width <= 0 || canvas.height <= 0)
        return {};
    const int outputX = rectangle.left + Scale(2 * canvasPoint.x + 1, rectangle.Width(), 2 * canvas.width);
    const int outputY = rectangle.top + Scale(2 * canvasPoint.y + 1, rectangle.Height(), 2 * canvas.height);
    return {Scale(outputX, window.width, output.width), Scale(outputY, window.height, output.height)};
}

} // namespace platform
