#include "items/Episode1Items.h"

namespace content::items {

bool WriteEpisode1Items(SpriteFolder& /*level*/)
{
    return true;
}

} // namespace content::items
