// A font is a picture of glyphs in data\fonts, scanned column by column:
// whatever the picture holds, every glyph found lies inside it, and text
// measures without a crash. A bitmap the loader cannot read at all ends
// the game with its message (missing art is fatal), so only bytes the
// loader does not reject that way reach the font.

#include "FuzzFolder.h"
#include "app/Singleton.h"
#include "graphics/BmpLoader.h"
#include "graphics/DirectDraw.h"
#include "graphics/Font.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Bitmap marks go in as the bitmap, anything else as the JPEG.
    const bool bitmap = size >= 2 && data[0] == 'B' && data[1] == 'M';
    if (bitmap) {
        BmpLoader::Result result = BmpLoader::Result::Loaded;
        BmpLoader::GetInstance().Decode(std::span(data, size), "fuzz.bmp", result);
        if (result == BmpLoader::Result::Unsupported)
            return 0;
    }
    std::filesystem::remove("data/fonts/fuzz.bmp");
    std::filesystem::remove("data/fonts/fuzz.jpg");
    WriteFuzzInput(bitmap ? "data/fonts/fuzz.bmp" : "data/fonts/fuzz.jpg", data, size);
    DirectDraw::GetInstance().UsePixelFormat(16, 0xF800, 0x07E0, 0x001F);
    Font font;
    font.SetMetrics(5, 2, 16);
    font.Create("fuzz", Font::characterSet);
    for (int character = 0; character < 256; ++character) {
        const Font::Glyph& glyph = font.GetGlyph(static_cast<unsigned char>(character));
        if (!glyph.defined)
            continue;
        const ImageRect& box = glyph.rectangle;
        if (box.left < 0 || box.top < 0 || box.left > box.right || box.top > box.bottom || glyph.offset != box.top ||
            font.GetCharWidth(static_cast<unsigned char>(character)) < font.GetSpacing())
            std::abort();
    }
    font.GetStringWidth(Font::characterSet);
    font.DrawString(0, 0, Font::characterSet);
    SingletonRegistry::DestroyAll();
    return 0;
}
