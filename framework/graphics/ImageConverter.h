#pragma once

// Turns loaded pictures into what the drawing code works with: the screen's
// pixel format (DirectDraw's depth, shifts and colour indices) and 8-bit grey
// alpha maps. Every conversion takes the source and returns a new Image in
// its place; a source already in the wanted format comes back unchanged, and
// so does one of a depth that cannot be converted (after an error box).
//
// 24-bit pictures reach a 16-bit screen through an error-diffusing dither
// whose generator state lives as long as the program: each conversion goes on
// where the last one stopped, so a run that converts the same pictures in the
// same order gets the same pixels.

#include "Image.h"
#include "app/Singleton.h"

#include <cstdint>
#include <memory>

class ImageConverter : public Singleton<ImageConverter> {
public:
    static constexpr std::uint32_t initialDitherState = 12345;

    std::unique_ptr<Image> ConvertToScreenFormat(std::unique_ptr<Image> image);
    // Channel bytes at the screen's colour indices R, G, B.
    std::unique_ptr<Image> ConvertTo24Bit(std::unique_ptr<Image> image);
    // An 8-bit grey map: (blue + green + red) / 3 per pixel.
    std::unique_ptr<Image> ConvertTo8BitAlpha(std::unique_ptr<Image> image);

    // The next value of the dither generator.
    std::uint32_t NextDitherValue();

private:
    std::unique_ptr<Image> ConvertTo16Bit(std::unique_ptr<Image> image);
    std::unique_ptr<Image> ConvertTo32Bit(std::unique_ptr<Image> image);

    std::uint32_t ditherState = initialDitherState;
};
