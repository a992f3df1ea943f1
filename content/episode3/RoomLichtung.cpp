// Episode 3 in the clearing where Rocko's taxi came down.

#include "Episode3Names.h"
#include "adventure/Script.h"

#include <string>

namespace episode3 {
namespace {

// The time hole closes in the opening scene for good. Hidden pictures are
// not kept by every way into the room (a loaded game starts from the
// level's settings), so each entry hides it again.
class ScriptRoomLichtung : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(einleitungGesehen) != 0)
            Hide(zeitloch);
        End();
    }
};

const ScriptRegistration<ScriptRoomLichtung> roomLichtung("ScriptRoomLichtung");

} // namespace
} // namespace episode3
