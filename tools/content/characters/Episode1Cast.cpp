#include "characters/Episode1Cast.h"

namespace content::characters {

bool WriteEpisode1Cast(SpriteFolder& /*level*/)
{
    return true;
}

} // namespace content::characters
