// Bitmaps may be damaged or hostile: any bytes must be refused with a log
// line or give an image whose buffer holds all of its pixels, and that image
// must survive the remap, the mirror and the conversion the art goes through.

#include "FuzzFolder.h"
#include "app/Singleton.h"
#include "graphics/BmpLoader.h"
#include "graphics/DirectDraw.h"
#include "graphics/ImageConverter.h"
#include "graphics/ImageUtil.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("fuzz.bmp", data, size);
    DirectDraw::GetInstance().UsePixelFormat(16, 0xF800, 0x07E0, 0x001F);
    BmpLoader::Result result = BmpLoader::Result::Loaded;
    // Read, not Load: Load ends the process for unsupported formats.
    std::unique_ptr<Image> image = BmpLoader::GetInstance().Read("fuzz.bmp", result);
    if ((image != nullptr) != (result == BmpLoader::Result::Loaded))
        std::abort();
    if (image) {
        if (image->GetBufferSize() != Image::ComputeDataSize(image->GetWidth(), image->GetHeight(), image->GetDepth()))
            std::abort();
        image->MirrorHorizontal();
        if (image->GetDepth() != 1) {
            ImageUtil::GetInstance().RemapTransparentColor(*image);
            image = ImageConverter::GetInstance().ConvertToScreenFormat(std::move(image));
            if (image->GetDepth() != 16)
                std::abort();
        }
        ImageUtil::GetInstance().GetBoundingRect(*image);
    }
    SingletonRegistry::DestroyAll();
    return 0;
}
