#include "SharedSprites.h"

#include "SharedSpriteParts.h"

namespace content {

bool WriteSharedSprites()
{
    SpriteFolder output("data\\sharedadventure\\sprites\\", "data\\sharedadventure\\sprites.txt");
    output.Comment("Shared sprites of both menus and every episode; made by zephyra-content.");
    return shared::WriteMenuPages(output) && shared::WriteAdventureBars(output) &&
           shared::WriteSmallSprites(output) && output.Finish();
}

} // namespace content
