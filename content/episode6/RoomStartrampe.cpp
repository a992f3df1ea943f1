// Episode 6 at the base's launch ramp under its dome: Rocko gives up time
// travel and takes his half of the crystal out of the taxi's time drive,
// the two halves make the whole crystal, and the whole crystal drives the
// taxi's hyperdrive home to Wakalua through the opened dome.

#include "Episode6Names.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"

#include <string>

namespace episode6 {
namespace {

// The dome shows open once the ramp is aimed, and the launch flame only in
// the closing; a loaded game starts from the level's settings, which show
// all of them, so each entry puts them right.
class ScriptRoomStartrampe : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(rampeAusgerichtet) != 0) {
            Hide(kuppel);
            Unhide(offenekuppel);
        } else {
            Unhide(kuppel);
            Hide(offenekuppel);
        }
        Hide(startflamme);
        End();
    }
};

// Rocko's conversation offers to take the crystal out until it is out.
class ScriptRockoAnsprechen6 : public Script {
    static constexpr int crystalQuestion = 30;

    void Run(const std::string&) override
    {
        const bool out = GetFlag(kristallAusgebaut) != 0;
        StartConversation("gespräch_rocko"_w1252);
        if (out)
            HideIndex(crystalQuestion);
        else
            UnhideIndex(crystalQuestion);
        End();
    }
};

// Rocko takes the half crystal out of his time drive and hands it over,
// the meter running. Once.
class ScriptKristallAusbauen : public Script {
    static constexpr float removeSeconds = 1.0f;

    void Run(const std::string&) override
    {
        if (GetFlag(kristallAusgebaut) != 0) {
            Talk("itemSheet G 36");
            WaitForTalk(rocko);
        } else {
            Talk("itemSheet D 36");
            WaitForTalk(rocko);
            PlaySound("audioevent_pult");
            Wait(removeSeconds);
            AddItem(taxikristall);
            SetFlag(kristallAusgebaut, 1);
            Talk("itemSheet E 36");
            WaitForTalk(rocko);
            // The Baron's half may be Juna's already.
            Talk(GetFlag(kristallGetauscht) != 0 ? "itemSheet H 36" : "itemSheet F 36");
            WaitForTalk(player);
        }
        End();
    }
};

// The Baron's half and the taxi's half, either way round: they snap
// together into the whole crystal.
class ScriptKristallZusammensetzen : public Script {
    void Run(const std::string&) override
    {
        Talk("itemSheet D 56");
        WaitForTalk(player);
        PlaySound("audioevent_kristall");
        RemoveItem(kristallhaelfte);
        RemoveItem(taxikristall);
        AddItem(kristall);
        SetFlag(kristallGanz, 1);
        Talk("itemSheet E 56");
        WaitForTalk(player);
        End();
    }
};

// The closing, once: the whole crystal on the taxi or on Rocko. With the
// ramp not yet aimed Rocko will not start under the shut dome. Otherwise
// he builds the crystal in, says who is aboard (the twins in the back, KIRA
// strapped in; the Baron stays with his photo), Juna boards, the launch
// flame roars and the taxi is gone, to land on Wakalua's beach
// (ScriptHeimkehr).
class ScriptHeimflug : public Script {
    static constexpr float boardSeconds = 0.8f;
    static constexpr float ignitionSeconds = 1.5f;
    static constexpr float shakeSeconds = 1.0f;
    static constexpr float goneSeconds = 1.2f;
    // Where Juna climbs out of the landed taxi on the beach, hidden until
    // the landing is over (ScriptHeimkehr).
    static constexpr int beachX = 330;
    static constexpr int beachY = 650;

    void Run(const std::string&) override
    {
        if (GetFlag(rampeAusgerichtet) == 0) {
            Talk("itemSheet D 57");
            WaitForTalk(rocko);
        } else if (GetFlag(heimflug) == 0) {
            SetFlag(heimflug, 1);
            Talk("itemSheet E 57");
            WaitForTalk(player);
            RemoveItem(kristall);
            Talk("itemSheet F 57");
            WaitForTalk(rocko);
            Talk("itemSheet G 57");
            WaitForTalk(rocko);
            Talk("itemSheet H 57");
            WaitForTalk(player);
            Talk("itemSheet I 57");
            WaitForTalk(rocko);
            Talk("itemSheet J 57");
            WaitForTalk(rocko);
            ShowLabels(false);
            Hide(player);
            Hide(rocko);
            Wait(boardSeconds);
            Unhide(startflamme);
            PlaySound("audioevent_start");
            ShakeScreen(shakeSeconds);
            Wait(ignitionSeconds);
            Hide(taxi);
            Hide(startflamme);
            Wait(goneSeconds);
            ChangeRoom(heimkehr, beachX, beachY);
            RunScript("ScriptHeimkehr");
        }
        End();
    }
};

const ScriptRegistration<ScriptRoomStartrampe> roomStartrampe("ScriptRoomStartrampe");
const ScriptRegistration<ScriptRockoAnsprechen6> rockoAnsprechen6("ScriptRockoAnsprechen6");
const ScriptRegistration<ScriptKristallAusbauen> kristallAusbauen("ScriptKristallAusbauen");
const ScriptRegistration<ScriptKristallZusammensetzen> kristallZusammensetzen("ScriptKristallZusammensetzen");
const ScriptRegistration<ScriptHeimflug> heimflugScript("ScriptHeimflug");

} // namespace
} // namespace episode6
