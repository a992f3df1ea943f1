// The items of episode 4, "Auf der Burg". Stand-ins: a plain disc each at
// the size the item has beside Juna, until their pictures are painted.

#include "items/ItemPictures.h"

#include "SpriteArt.h"

#include <numbers>

namespace content::items {

namespace {

ItemPicture Disc(const char* sprite, int width, int height, std::uint32_t colour)
{
    return {sprite, width, height, 1, [width, height, colour](cairo_t* cairo, int) {
                cairo_save(cairo);
                cairo_translate(cairo, width / 2.0, height / 2.0);
                cairo_scale(cairo, width / 2.0 - 2.0, height / 2.0 - 2.0);
                cairo_arc(cairo, 0.0, 0.0, 1.0, 0.0, 2.0 * std::numbers::pi);
                cairo_restore(cairo);
                SetColour(cairo, colour, 1.0);
                cairo_fill(cairo);
            }};
}

} // namespace

const std::vector<ItemPicture>& Episode4ItemPictures()
{
    static const std::vector<ItemPicture> pictures = {
        Disc("tablett", 70, 30, 0x8A8478),     Disc("silbertablett", 70, 30, 0xE8ECF2),
        Disc("asche", 44, 30, 0x8A8A8A),       Disc("schmalz", 44, 40, 0xF2EAD0),
        Disc("kessel", 64, 56, 0xC8743A),      Disc("kupferspule", 56, 40, 0xD9823C),
        Disc("kristallhaelfte", 40, 48, 0x7FE8F0), Disc("eisenkugel", 54, 54, 0x3E3E46),
    };
    return pictures;
}

} // namespace content::items
