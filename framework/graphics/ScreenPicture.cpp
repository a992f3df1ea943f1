#include "ScreenPicture.h"

#include "DirectDraw.h"
#include "ImageConverter.h"

#include <cstring>

namespace {

bool SameLayout(const ScreenLayout& a, const ScreenLayout& b)
{
    return a.maskR == b.maskR && a.maskG == b.maskG && a.maskB == b.maskB && a.shiftR == b.shiftR && a.shiftG == b.shiftG &&
           a.shiftB == b.shiftB;
}

// A picture in a screen format of `pixelBytes` bytes a pixel as 24 bits
// blue, green, red; five-bit channels come back as Image::GetPixel gives
// them (shifted up by 3), so converting back gives the same pixels.
template <int pixelBytes>
std::unique_ptr<Image> ToBlueGreenRed(const Image& picture, const ScreenLayout& layout)
{
    auto result = std::make_unique<Image>();
    if (!result->Create(picture.GetWidth(), picture.GetHeight(), 24, false) ||
        picture.GetBufferSize() < Image::ComputeDataSize(picture.GetWidth(), picture.GetHeight(), pixelBytes * 8))
        return nullptr;
    constexpr int up = pixelBytes == 2 ? 3 : 0;
    const std::size_t count = static_cast<std::size_t>(picture.GetWidth()) * static_cast<std::size_t>(picture.GetHeight());
    const std::uint8_t* from = picture.GetData();
    std::uint8_t* to = result->GetData();
    for (std::size_t pixel = 0; pixel < count; ++pixel) {
        std::uint32_t value = 0; // the screen's pixels are little-endian, like the host's
        std::memcpy(&value, from + pixel * pixelBytes, pixelBytes);
        to[pixel * 3] = static_cast<std::uint8_t>(((value & layout.maskB) >> layout.shiftB) << up);
        to[pixel * 3 + 1] = static_cast<std::uint8_t>(((value & layout.maskG) >> layout.shiftG) << up);
        to[pixel * 3 + 2] = static_cast<std::uint8_t>(((value & layout.maskR) >> layout.shiftR) << up);
    }
    return result;
}

} // namespace

void ScreenPicture::Keep(std::unique_ptr<Image> newPicture)
{
    picture = std::move(newPicture);
    layout = ScreenLayout::FromDisplay();
}

std::unique_ptr<Image> ScreenPicture::MakeScreenImage()
{
    if (!picture || picture->IsEncoded())
        return nullptr;
    const int depth = DirectDraw::GetInstance().GetDepth();
    if (picture->GetDepth() == 16 || picture->GetDepth() == 32) {
        if (picture->GetDepth() == depth && SameLayout(layout, ScreenLayout::FromDisplay()))
            return picture->Clone();
        // The screen it was made for is gone: from now on the picture is
        // kept in a form every depth can be made from.
        std::unique_ptr<Image> readBack =
            picture->GetDepth() == 16 ? ToBlueGreenRed<2>(*picture, layout) : ToBlueGreenRed<4>(*picture, layout);
        if (!readBack)
            return nullptr;
        picture = std::move(readBack);
    }
    std::unique_ptr<Image> converted = ImageConverter::GetInstance().ConvertToScreenFormat(picture->Clone());
    if (!converted || converted->GetDepth() != depth)
        return nullptr;
    return converted;
}
