// The items of episode 5, "Der Alienmond". Stand-ins: a plain disc each at
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

const std::vector<ItemPicture>& Episode5ItemPictures()
{
    static const std::vector<ItemPicture> pictures = {
        Disc("kabel", 64, 44, 0xC83A2A),         Disc("eiszwiebel", 56, 60, 0xD8E8F4),
        Disc("zwiebel", 56, 60, 0xC8A060),       Disc("zwiebelsaft", 36, 56, 0xE8D890),
        Disc("spruehflasche", 34, 64, 0x5AA8E8), Disc("leereflasche", 34, 64, 0xC8D8E8),
        Disc("abwehrspray", 34, 64, 0x9AD050),
    };
    return pictures;
}

} // namespace content::items
