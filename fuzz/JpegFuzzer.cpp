// JPEG files may be damaged or hostile: any bytes must be refused with a log
// line or give a 24-bit image whose buffer holds all of its pixels, no more
// of them than the file's size allows, and that image must survive the
// remap and the conversion the art goes through.

#include "app/Singleton.h"
#include "graphics/DirectDraw.h"
#include "graphics/ImageConverter.h"
#include "graphics/ImageUtil.h"
#include "graphics/JpegLoader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DirectDraw::GetInstance().UsePixelFormat(16, 0xF800, 0x07E0, 0x001F);
    std::unique_ptr<Image> image = JpegLoader::GetInstance().Decode({data, size}, "fuzz.jpg");
    if (image) {
        const std::size_t pixels = static_cast<std::size_t>(image->GetWidth()) * static_cast<std::size_t>(image->GetHeight());
        if (image->GetDepth() != 24 || image->GetBufferSize() != pixels * 3 || pixels > size * JpegLoader::maximumPixelsPerByte)
            std::abort();
        ImageUtil::GetInstance().RemapTransparentColor(*image);
        image = ImageConverter::GetInstance().ConvertToScreenFormat(std::move(image));
        if (image->GetDepth() != 16)
            std::abort();
    }
    SingletonRegistry::DestroyAll();
    return 0;
}
