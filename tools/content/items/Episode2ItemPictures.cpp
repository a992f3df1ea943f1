// The items of episode 2, "Der Kristallraub".

#include "items/ItemPictures.h"

#include "SpriteArt.h"

namespace content::items {

namespace {

// A plain tag standing in for an item until its picture is drawn.
void Tag(cairo_t* cairo, int)
{
    cairo_rectangle(cairo, 4.0, 4.0, 40.0, 40.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
}

} // namespace

const std::vector<ItemPicture>& Episode2ItemPictures()
{
    static const std::vector<ItemPicture> pictures = {
        {"pokal", 48, 48, 1, Tag},        {"sternentaler", 48, 48, 1, Tag}, {"tankkarte", 48, 48, 1, Tag},
        {"passfoto", 48, 48, 1, Tag},     {"tankausweis", 48, 48, 1, Tag},  {"kanister", 48, 48, 1, Tag},
        {"vollerkanister", 48, 48, 1, Tag},
    };
    return pictures;
}

} // namespace content::items
