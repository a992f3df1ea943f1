#pragma once

// The catapult throw's sprites, data\level09\sprites\ and their list
// data\level09\sprites.txt: the tournament meadow ("background_start",
// "background_loop" and the start's foreground "background_mask"), the
// catapult ("catapult_wheels_front", "catapult_wheels_back",
// "catapult_pull", "catapult_launch"), the thrown knight ("guard_fly",
// "guard_hit", "guard_standup") and the front end's plates.

namespace content::minigames {

bool WriteCatapultSprites();

} // namespace content::minigames
