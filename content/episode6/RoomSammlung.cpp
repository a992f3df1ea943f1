// Episode 6 in the Baron's collection: nothing in it is as rare as his
// half of the crystal, except a picture of himself that nobody ever dared
// to take. Mia's camera takes it, and for the only photo of the
// handsomest man in the solar system his best glass case makes room.

#include "Episode6Names.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"

#include <string>

namespace episode6 {
namespace {

// The case shows the crystal's glow until the trade and the Baron's photo
// after it; a loaded game starts from the level's settings, which show
// both, so each entry puts them right.
class ScriptRoomSammlung : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(kristallGetauscht) != 0) {
            Hide(kristallschein);
            Unhide(baronfoto);
        } else {
            Unhide(kristallschein);
            Hide(baronfoto);
        }
        End();
    }
};

// The Baron admiring his collection, or, once he has his photo, himself.
class ScriptBaronAnsehen : public Script {
    void Run(const std::string&) override
    {
        Talk(GetFlag(kristallGetauscht) != 0 ? "itemSheet E 16" : "itemSheet D 16");
        WaitForTalk(player);
        End();
    }
};

// The Baron talks about his collection until he has his photo; then he is
// too busy admiring it to talk.
class ScriptBaronAnsprechen6 : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(kristallGetauscht) != 0) {
            Talk("itemSheet F 16");
            WaitForTalk(baron);
        } else {
            StartConversation("gespräch_baron"_w1252);
        }
        End();
    }
};

// The glass case with the crystal's half, or with the Baron's photo.
class ScriptVitrineAnsehen : public Script {
    void Run(const std::string&) override
    {
        Talk(GetFlag(kristallGetauscht) != 0 ? "itemSheet E 17" : "itemSheet D 17");
        WaitForTalk(player);
        End();
    }
};

// Mia's camera on the Baron: once he has said that nobody ever dared to
// take his picture, he poses, the flash goes off and the camera prints its
// last instant photo; Juna will give the empty camera back to Mia. Before
// that Juna would rather talk to him first.
class ScriptBaronFotografieren : public Script {
    static constexpr float flashSeconds = 0.6f;
    static constexpr float printSeconds = 1.0f;

    void Run(const std::string&) override
    {
        if (GetFlag(baronGetroffen) == 0) {
            Talk("itemSheet D 54");
            WaitForTalk(player);
        } else {
            Talk("itemSheet E 54");
            WaitForTalk(player);
            Talk("itemSheet F 54");
            WaitForTalk(baron);
            PlaySound("audioevent_kamera");
            Wait(flashSeconds);
            PlaySound("audioevent_foto");
            Wait(printSeconds);
            RemoveItem(kamera);
            AddItem(foto);
            SetFlag(baronFotografiert, 1);
            Talk("itemSheet G 54");
            WaitForTalk(player);
            Talk("itemSheet H 54");
            WaitForTalk(baron);
            Talk("itemSheet I 54");
            WaitForTalk(player);
        }
        End();
    }
};

// The photo on the Baron: the only picture of the handsomest man in the
// solar system goes into his best glass case, and the crystal's half has
// to make room for it. He is delighted with the trade.
class ScriptKristallTauschen : public Script {
    static constexpr float caseSeconds = 1.0f;

    void Run(const std::string&) override
    {
        Talk("itemSheet D 55");
        WaitForTalk(player);
        Talk("itemSheet E 55");
        WaitForTalk(baron);
        Talk("itemSheet F 55");
        WaitForTalk(baron);
        PlaySound("audioevent_vitrine");
        Wait(caseSeconds);
        RemoveItem(foto);
        Hide(kristallschein);
        Unhide(baronfoto);
        AddItem(kristallhaelfte);
        SetFlag(kristallGetauscht, 1);
        Talk("itemSheet G 55");
        WaitForTalk(baron);
        Talk("itemSheet H 55");
        WaitForTalk(player);
        End();
    }
};

const ScriptRegistration<ScriptRoomSammlung> roomSammlung("ScriptRoomSammlung");
const ScriptRegistration<ScriptBaronAnsehen> baronAnsehen("ScriptBaronAnsehen");
const ScriptRegistration<ScriptBaronAnsprechen6> baronAnsprechen6("ScriptBaronAnsprechen6");
const ScriptRegistration<ScriptVitrineAnsehen> vitrineAnsehen("ScriptVitrineAnsehen");
const ScriptRegistration<ScriptBaronFotografieren> baronFotografieren("ScriptBaronFotografieren");
const ScriptRegistration<ScriptKristallTauschen> kristallTauschen("ScriptKristallTauschen");

} // namespace
} // namespace episode6
