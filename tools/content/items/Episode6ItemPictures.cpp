// The items of episode 6, "Finale". Stand-ins: a plain disc each at
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

const std::vector<ItemPicture>& Episode6ItemPictures()
{
    static const std::vector<ItemPicture> pictures = {
        Disc("zugangskarte", 50, 34, 0x9AD050),   Disc("kamera", 56, 44, 0x3A3E52),
        Disc("foto", 40, 48, 0xF4F0E8),           Disc("taxikristall", 40, 48, 0x7FE8F0),
        Disc("ganzerkristall", 60, 70, 0x7FE8F0),
    };
    return pictures;
}

} // namespace content::items
