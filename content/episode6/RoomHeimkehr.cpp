// Episode 6's closing scene on Wakalua's beach, where Kapitän Baltasar
// waits with the mended Zephyra and Häuptling Kalani with a dance.

#include "Episode6Names.h"
#include "adventure/Entity.h"
#include "adventure/Script.h"

#include <string>

namespace episode6 {
namespace {

// The beach is only ever entered by the closing: those in the taxi are
// still inside it as it lands.
class ScriptRoomHeimkehr : public Script {
    void Run(const std::string&) override
    {
        for (const char* passenger : heimkehrer)
            Hide(passenger);
        End();
    }
};

// The taxi lands, Juna climbs out and walks up to Baltasar, who starts one
// of his endless stories until Kalani cuts it short; Juna hands him the
// crystal for the Zephyra, a fanfare, Rocko's bill and KIRA's count of the
// days away, and Kalani calls everyone to the dance: the credits.
class ScriptHeimkehr : public Script {
    static constexpr float landingSeconds = 1.2f;
    static constexpr float shakeSeconds = 0.6f;
    static constexpr float fanfareSeconds = 1.5f;
    static constexpr int greetX = 410;
    static constexpr int greetY = 640;

    void Run(const std::string&) override
    {
        PlaySound("audioevent_landung");
        ShakeScreen(shakeSeconds);
        Wait(landingSeconds);
        Unhide(player);
        for (const char* passenger : heimkehrer)
            Unhide(passenger);
        WalkTo(player, greetX, greetY, Entity::right);
        WaitForIdle(player);
        Talk("itemSheet D 58");
        WaitForTalk(baltasar);
        Talk("itemSheet E 58");
        WaitForTalk(player);
        Talk("itemSheet F 58");
        WaitForTalk(baltasar);
        Talk("itemSheet G 58");
        WaitForTalk(kalani);
        Talk("itemSheet H 58");
        WaitForTalk(player);
        PlaySound("audioevent_fanfare");
        Wait(fanfareSeconds);
        Talk("itemSheet I 58");
        WaitForTalk(baltasar);
        Talk("itemSheet J 58");
        WaitForTalk(player);
        Talk("itemSheet K 58");
        WaitForTalk(kalani);
        SetLevel(nextLevel);
        End();
    }
};

const ScriptRegistration<ScriptRoomHeimkehr> roomHeimkehr("ScriptRoomHeimkehr");
const ScriptRegistration<ScriptHeimkehr> heimkehrScript("ScriptHeimkehr");

} // namespace
} // namespace episode6
