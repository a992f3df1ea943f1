// Episode 3 in the village street: the goose guarding the washing line is
// bribed with Rocko's bread, the big sheet becomes a knight's tabard, and
// the twins race each other at the well until its rope comes free.

#include "Episode3Names.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"

#include <string>

namespace episode3 {
namespace {

// The big white sheet on the line: a picture of the street that is gone
// once Juna has taken it.
constexpr const char* laken = "RoomDorf|laken";
constexpr const char* marktstand = "RoomDorf|marktstand";
// The rope on the well's winch and its bucket: gone once the twins' race
// has pulled it off.
constexpr const char* brunnenseil = "RoomDorf|brunnenseil";

// Where the fed goose goes: beside the market stall, on the side facing the
// washing line, a little behind the spot where Juna stands to look at the
// stall. Its position is a query, read once per script, and the same spot
// comes out whether the goose still stands at the line or already beside
// the stall.
struct GooseSpot {
    int x;
    int y;
};
constexpr int besideStall = 200;
constexpr int behindStall = 46;
GooseSpot GooseSpotBeside(int gooseX, int stallX, int stallY)
{
    return {gooseX < stallX ? stallX - besideStall : stallX + besideStall, stallY - behindStall};
}

// The goose stays by the stall once fed, and the sheet and the well's rope
// stay gone once taken; a loaded game starts from the level's settings, so
// each entry puts them right again.
class ScriptRoomDorf : public Script {
    void Run(const std::string&) override
    {
        const bool fed = GetFlag(gansSatt) != 0;
        const bool taken = GetFlag(lakenGenommen) != 0;
        const GooseSpot spot = GooseSpotBeside(GetPositionX(gans), GetPositionX(marktstand), GetPositionY(marktstand));
        if (fed)
            SetPosition(gans, spot.x, spot.y);
        if (taken)
            Hide(laken);
        if (GetFlag(seilBekommen) != 0)
            Hide(brunnenseil);
        End();
    }
};

// The goose hisses at anyone near its line until it has eaten.
class ScriptGansBenutzen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(gansSatt) == 0) {
            PlaySound("audioevent_gans");
            Talk("itemSheet D 14");
        } else {
            Talk("itemSheet E 14");
        }
        WaitForTalk(player);
        End();
    }
};

// Rocko's bread for the goose: it gobbles it up and waddles off to the
// market stall, away from the washing line.
class ScriptGansFuettern : public Script {
    static constexpr float waddleSpeed = 70.0f;

    void Run(const std::string&) override
    {
        const GooseSpot spot = GooseSpotBeside(GetPositionX(gans), GetPositionX(marktstand), GetPositionY(marktstand));
        RemoveItem(pausenbrot);
        Talk("itemSheet F 14");
        WaitForTalk(player);
        PlaySound("audioevent_fressen");
        SetFlag(gansSatt, 1);
        MoveTo(gans, spot.x, spot.y, waddleSpeed);
        WaitForIdle(gans);
        Talk("itemSheet G 14");
        WaitForTalk(player);
        End();
    }
};

// The big sheet on the line: guarded by the goose until it is fed, then
// Juna's; afterwards only the small laundry is left.
class ScriptWaescheleineBenutzen : public Script {
    void Run(const std::string&) override
    {
        const bool fed = GetFlag(gansSatt) != 0;
        const bool taken = GetFlag(lakenGenommen) != 0;
        if (taken) {
            Talk("itemSheet F 15");
            WaitForTalk(player);
        } else if (!fed) {
            PlaySound("audioevent_gans");
            Talk("itemSheet D 15");
            WaitForTalk(player);
        } else {
            Hide(laken);
            AddItem(leintuch);
            SetFlag(lakenGenommen, 1);
            Talk("itemSheet E 15");
            WaitForTalk(player);
        }
        End();
    }
};

// Charcoal on the sheet: Juna paints herself a coat of arms. The sheet is
// hers; the charcoal is either in her hands or still lying by the forge,
// where the sheet can be used on it, so both places are emptied.
class ScriptWappenrockMalen : public Script {
    void Run(const std::string&) override
    {
        PlaySound("audioevent_malen");
        RemoveItem(leintuch);
        RemoveItem(kohle);
        SetActive(kohle, false);
        AddItem(wappenrock);
        SetFlag(wappenrockGemalt, 1);
        Talk("itemSheet D 21");
        WaitForTalk(player);
        End();
    }
};

// Both twins answer in one conversation, which opens by what has happened:
// quarrelling over the camera at first, proud of their race at the well
// once the rope is Juna's. Asking them for a rope is offered only while the
// throwing machine needs one.
class ScriptZwillingeDorf : public Script {
    static constexpr int proudStart = 60;
    static constexpr int ropeQuestion = 70;

    void Run(const std::string&) override
    {
        const bool needed = GetFlag(seilGerissen) != 0;
        const bool got = GetFlag(seilBekommen) != 0;
        StartConversation("gespräch_zwillinge"_w1252, got ? proudStart : -1);
        if (needed && !got)
            UnhideIndex(ropeQuestion);
        else
            HideIndex(ropeQuestion);
        End();
    }
};

// The twins race each other at the well's winch; they crank so hard that
// the whole rope runs off the drum, and the bucket splashes into the well.
// Mia photographs the result, and both go back to where they stood. There
// is one rope only.
class ScriptSeilBekommen : public Script {
    // Where the two stand at the winch: either side of the well's front.
    static constexpr int winchSide = 50;
    static constexpr int inFront = 24;

    void Run(const std::string&) override
    {
        if (GetFlag(seilBekommen) != 0) {
            Talk("itemSheet J 12");
            WaitForTalk("Lotte");
        } else {
            const int wellX = GetPositionX(brunnen);
            const int wellY = GetPositionY(brunnen) + inFront;
            const int lotteX = GetPositionX(lotte);
            const int lotteY = GetPositionY(lotte);
            const int miaX = GetPositionX(mia);
            const int miaY = GetPositionY(mia);
            WalkTo(lotte, wellX + winchSide, wellY);
            WalkTo(mia, wellX - winchSide, wellY);
            WaitForIdle(lotte);
            WaitForIdle(mia);
            Talk("itemSheet D 12");
            WaitForTalk("Lotte");
            Talk("itemSheet E 12");
            WaitForTalk("Mia");
            PlaySound("audioevent_brunnen");
            Hide(brunnenseil);
            Talk("itemSheet F 12");
            WaitForTalk("Lotte");
            Talk("itemSheet G 12");
            WaitForTalk(player);
            AddItem(seil);
            SetFlag(seilBekommen, 1);
            PlaySound("audioevent_kamera");
            Talk("itemSheet H 12");
            WaitForTalk("Mia");
            Talk("itemSheet I 12");
            WaitForTalk(player);
            WalkTo(lotte, lotteX, lotteY);
            WalkTo(mia, miaX, miaY);
            WaitForIdle(lotte);
            WaitForIdle(mia);
        }
        End();
    }
};

const ScriptRegistration<ScriptRoomDorf> roomDorf("ScriptRoomDorf");
const ScriptRegistration<ScriptGansBenutzen> gansBenutzen("ScriptGansBenutzen");
const ScriptRegistration<ScriptGansFuettern> gansFuettern("ScriptGansFuettern");
const ScriptRegistration<ScriptWaescheleineBenutzen> waescheleineBenutzen("ScriptWaescheleineBenutzen");
const ScriptRegistration<ScriptWappenrockMalen> wappenrockMalen("ScriptWappenrockMalen");
const ScriptRegistration<ScriptZwillingeDorf> zwillingeDorf("ScriptZwillingeDorf");
const ScriptRegistration<ScriptSeilBekommen> seilBekommenScript("ScriptSeilBekommen");

} // namespace
} // namespace episode3
