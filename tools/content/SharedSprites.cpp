#include "SharedSprites.h"

#include "SharedSpriteParts.h"

namespace content {

bool WriteSharedSprites()
{
    SpriteFolder output("data\\sharedadventure\\sprites\\", "data\\sharedadventure\\sprites.txt");
    output.Comment("Gemeinsame Sprites von Titelbildschirm und allen Episoden; erzeugt von zephyra-content.");
    return shared::WriteMenuPages(output) && shared::WriteAdventureBars(output) &&
           shared::WriteSmallSprites(output) && output.Finish();
}

} // namespace content
