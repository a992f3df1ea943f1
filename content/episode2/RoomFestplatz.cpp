// Episode 2 on the festival square: after the robbery Kalani gives Juna
// the dance trophy, and the twins take her passport photo once Lotte may
// take the chase's photos.

#include "Episode2Names.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"

#include <string>

namespace episode2 {
namespace {

// The robots and the Baron appear only in the opening scene, and the
// crystal is gone after it. Hidden pictures are not kept by every way into
// the room (a loaded game starts from the level's settings), so each entry
// hides them again.
class ScriptRoomFestplatz : public Script {
    void Run(const std::string&) override
    {
        Hide(roboter);
        Hide(baron);
        if (GetFlag(einleitungGesehen) != 0)
            Hide(preiskristall);
        End();
    }
};

// Kalani has one prize left to give, once.
class ScriptPokalBekommen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(pokalBekommen) != 0) {
            Talk("itemSheet F 3");
            WaitForTalk("Kalani");
        } else {
            Talk("itemSheet D 3");
            WaitForTalk("Kalani");
            AddItem(pokal);
            SetFlag(pokalBekommen, 1);
            Talk("itemSheet E 3");
            WaitForTalk(player);
        }
        End();
    }
};

// Both twins answer in one conversation, which opens by what has happened:
// quarrelling at first, Lotte asking for Juna's help once the pump has
// asked for a photo, Lotte the proud photographer after it. Asking them for
// the photo is offered only while it is needed.
class ScriptZwillingeFestplatz : public Script {
    static constexpr int askedStart = 50;
    static constexpr int photographerStart = 60;
    static constexpr int photoQuestion = 70;

    void Run(const std::string&) override
    {
        const bool asked = GetFlag(ausweisVerlangt) != 0;
        const bool taken = GetFlag(fotoGemacht) != 0;
        StartConversation("gespräch_zwillinge"_w1252, taken ? photographerStart : asked ? askedStart : -1);
        if (asked && !taken)
            UnhideIndex(photoQuestion);
        else
            HideIndex(photoQuestion);
        End();
    }
};

// Lotte takes the photo with Mia's camera.
class ScriptFotoMachen : public Script {
    void Run(const std::string&) override
    {
        PlaySound("audioevent_kamera");
        Talk("itemSheet D 4");
        WaitForTalk("Lotte");
        AddItem(passfoto);
        SetFlag(fotoGemacht, 1);
        Talk("itemSheet E 4");
        WaitForTalk(player);
        End();
    }
};

const ScriptRegistration<ScriptRoomFestplatz> roomFestplatz("ScriptRoomFestplatz");
const ScriptRegistration<ScriptPokalBekommen> pokalBekommenScript("ScriptPokalBekommen");
const ScriptRegistration<ScriptZwillingeFestplatz> zwillingeFestplatz("ScriptZwillingeFestplatz");
const ScriptRegistration<ScriptFotoMachen> fotoMachen("ScriptFotoMachen");

} // namespace
} // namespace episode2
