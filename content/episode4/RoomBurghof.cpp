// Episode 4 in the castle yard: Schmied Eisenhart has chained Rocko's taxi
// to make horseshoes of it and lets it go only for as much iron; freed, the
// taxi's time drive wants a new copper coil and the half crystal, and with
// both built in it jumps back to the future.

#include "Episode4Names.h"
#include "adventure/Entity.h"
#include "adventure/Script.h"
#include "platform/Windows1252.h"

#include <string>

namespace episode4 {
namespace {

// The chain stays off once the taxi is free, and the time jump's flash
// shows only in the closing scene; a loaded game starts from the level's
// settings, so each entry puts both right again.
class ScriptRoomBurghof : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(taxiFrei) != 0)
            Hide(kette);
        else
            Unhide(kette);
        Hide(zeitblitz);
        End();
    }
};

// Rocko's conversation asks after the time drive's coil only once he has
// found it burnt, and until the new one is in; his taxi and the way home
// are talked of with the chain on or off.
class ScriptRockoAnsprechen : public Script {
    static constexpr int chainedTaxi = 20;
    static constexpr int freeTaxi = 25;
    static constexpr int coilQuestion = 40;
    static constexpr int homeChained = 50;
    static constexpr int homeFree = 55;

    void Run(const std::string&) override
    {
        const bool burnt = GetFlag(taxiFrei) != 0;
        const bool mended = GetFlag(spuleEingebaut) != 0;
        StartConversation("gespräch_rocko"_w1252);
        if (burnt && !mended)
            UnhideIndex(coilQuestion);
        else
            HideIndex(coilQuestion);
        HideIndex(burnt ? chainedTaxi : freeTaxi);
        UnhideIndex(burnt ? freeTaxi : chainedTaxi);
        HideIndex(burnt ? homeChained : homeFree);
        UnhideIndex(burnt ? homeFree : homeChained);
        End();
    }
};

// Schmied Eisenhart eyes the chained taxi, and once it is bought free the
// iron ball he got for it.
class ScriptSchmiedAnsehen : public Script {
    void Run(const std::string&) override
    {
        Talk(GetFlag(taxiFrei) != 0 ? "itemSheet K 5" : "itemSheet J 5");
        WaitForTalk(player);
        End();
    }
};

// The smith guards the chained taxi until it is bought free; then he is
// glad of the iron ball and, while no new coil is made, is asked about
// copper.
class ScriptSchmiedAnsprechen4 : public Script {
    static constexpr int freeStart = 60;
    static constexpr int taxiQuestion = 20;
    static constexpr int copperQuestion = 70;

    void Run(const std::string&) override
    {
        const bool free = GetFlag(taxiFrei) != 0;
        const bool forged = GetFlag(spuleGeschmiedet) != 0;
        StartConversation("gespräch_schmied"_w1252, free ? freeStart : -1);
        if (free)
            HideIndex(taxiQuestion);
        else
            UnhideIndex(taxiQuestion);
        if (free && !forged)
            UnhideIndex(copperQuestion);
        else
            HideIndex(copperQuestion);
        End();
    }
};

// The iron ball on the smith: once he has named his price, iron for iron,
// he unlocks the chain and Rocko finds the time drive's coil burnt. Before
// that he sees no use in more iron.
class ScriptTaxiFreikaufen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(eisenVerlangt) == 0) {
            Talk("itemSheet I 5");
            WaitForTalk("Schmied");
        } else {
            Talk("itemSheet D 5");
            WaitForTalk(player);
            RemoveItem(eisenkugel);
            Talk("itemSheet E 5");
            WaitForTalk("Schmied");
            Talk("itemSheet F 5");
            WaitForTalk("Schmied");
            PlaySound("audioevent_kette");
            Hide(kette);
            SetFlag(taxiFrei, 1);
            Talk("itemSheet G 5");
            WaitForTalk("Rocko");
            Talk("itemSheet H 5");
            WaitForTalk("Rocko");
        }
        End();
    }
};

// The kitchen's copper kettle on the smith: once the burnt coil is known he
// hammers it into a new one; before, copper is only good for soup to him.
class ScriptSpuleSchmieden : public Script {
    static constexpr float hammerSeconds = 1.2f;
    static constexpr float blowSeconds = 0.15f;

    void Run(const std::string&) override
    {
        if (GetFlag(taxiFrei) == 0) {
            Talk("itemSheet H 14");
            WaitForTalk("Schmied");
        } else {
            Talk("itemSheet D 14");
            WaitForTalk(player);
            RemoveItem(kessel);
            Talk("itemSheet E 14");
            WaitForTalk("Schmied");
            // He turns to his tools by the wall to beat the copper.
            TurnTo(schmied, Entity::rightUp);
            PlaySound("audioevent_hammer");
            ShakeScreen(blowSeconds);
            Wait(hammerSeconds);
            PlaySound("audioevent_hammer");
            ShakeScreen(blowSeconds);
            Wait(hammerSeconds);
            TurnTo(schmied, Entity::left);
            AddItem(kupferspule);
            SetFlag(spuleGeschmiedet, 1);
            Talk("itemSheet F 14");
            WaitForTalk("Schmied");
            Talk("itemSheet G 14");
            WaitForTalk(player);
        }
        End();
    }
};

// Juna at the taxi: the chain holds it; freed, Rocko keeps her off the
// paint until the time drive is done.
class ScriptTaxiBenutzen : public Script {
    void Run(const std::string&) override
    {
        if (GetFlag(taxiFrei) == 0) {
            Talk("itemSheet D 6");
            WaitForTalk(player);
        } else {
            Talk("itemSheet E 6");
            WaitForTalk("Rocko");
        }
        End();
    }
};

// What Juna puts into the taxi's time drive, named to ScriptTaxiBeladen.
constexpr const char* coilPart = "Spule";
constexpr const char* crystalPart = "Kristall";

// The new coil on the taxi or on Rocko.
class ScriptSpuleEinbauen : public Script {
    void Run(const std::string&) override
    {
        RunScript("ScriptTaxiBeladen", coilPart);
        End();
    }
};

// The half crystal on the taxi or on Rocko.
class ScriptKristallEinbauen : public Script {
    void Run(const std::string&) override
    {
        RunScript("ScriptTaxiBeladen", crystalPart);
        End();
    }
};

// Rocko builds in the part Juna brings (the coil or the half crystal, the
// latter even into the chained taxi). Both come in either order: with both
// in, the jump; else he says what is still missing. The coil is forged
// only for a free taxi, so the chain can hold the taxi only while the coil
// is missing.
class ScriptTaxiBeladen : public Script {
    void Run(const std::string& part) override
    {
        const bool bringsCoil = part == coilPart;
        const bool bringsCrystal = part == crystalPart;
        const bool coil = bringsCoil || GetFlag(spuleEingebaut) != 0;
        const bool crystal = bringsCrystal || GetFlag(kristallEingebaut) != 0;
        const bool free = GetFlag(taxiFrei) != 0;
        if (bringsCoil) {
            RemoveItem(kupferspule);
            SetFlag(spuleEingebaut, 1);
            Talk("itemSheet D 52");
            WaitForTalk("Rocko");
        } else if (bringsCrystal) {
            RemoveItem(kristallhaelfte);
            SetFlag(kristallEingebaut, 1);
            Talk("itemSheet E 52");
            WaitForTalk("Rocko");
        }
        if (coil && crystal) {
            RunScript("ScriptZeitsprung");
        } else {
            Talk(!crystal ? "itemSheet F 52" : free ? "itemSheet G 52" : "itemSheet H 52");
            WaitForTalk("Rocko");
        }
        End();
    }
};

// The closing scene: goodbyes in the yard (the twins are already in the
// back), everyone boards, and the taxi jumps through time in a flash that
// leaves the smith alone with his anvil. Then the next episode. The jump
// happens once.
class ScriptZeitsprung : public Script {
    // Before the taxi's door, on the yard's floor.
    static constexpr int boardX = 500;
    static constexpr int boardY = 640;
    static constexpr int boardStep = 40;
    static constexpr float flashSeconds = 1.6f;
    static constexpr float shakeSeconds = 0.6f;

    void Run(const std::string&) override
    {
        if (GetFlag(zeitsprung) == 0) {
            StartConversation("gespräch_zeitsprung"_w1252);
            WaitForConversation();
            SetFlag(zeitsprung, 1);
            // Juna, Rocko and KIRA climb aboard: Juna and Rocko walk up to
            // the taxi's door first; no label distracts from the jump.
            ShowLabels(false);
            WalkTo(player, boardX + boardStep, boardY);
            WalkTo(rocko, boardX - boardStep, boardY);
            WaitForIdle(player);
            WaitForIdle(rocko);
            Hide(player);
            Hide(rocko);
            Hide(kira);
            Unhide(zeitblitz);
            PlaySound("audioevent_zeitsprung");
            ShakeScreen(shakeSeconds);
            Wait(flashSeconds);
            Hide(taxi);
            Hide(zeitblitz);
            Talk("itemSheet D 53");
            WaitForTalk("Schmied");
            SetLevel(nextLevel);
        }
        End();
    }
};

const ScriptRegistration<ScriptRoomBurghof> roomBurghof("ScriptRoomBurghof");
const ScriptRegistration<ScriptRockoAnsprechen> rockoAnsprechen("ScriptRockoAnsprechen");
const ScriptRegistration<ScriptSchmiedAnsprechen4> schmiedAnsprechen("ScriptSchmiedAnsprechen4");
const ScriptRegistration<ScriptSchmiedAnsehen> schmiedAnsehen("ScriptSchmiedAnsehen");
const ScriptRegistration<ScriptTaxiFreikaufen> taxiFreikaufen("ScriptTaxiFreikaufen");
const ScriptRegistration<ScriptSpuleSchmieden> spuleSchmieden("ScriptSpuleSchmieden");
const ScriptRegistration<ScriptTaxiBenutzen> taxiBenutzen("ScriptTaxiBenutzen");
const ScriptRegistration<ScriptSpuleEinbauen> spuleEinbauen("ScriptSpuleEinbauen");
const ScriptRegistration<ScriptKristallEinbauen> kristallEinbauen("ScriptKristallEinbauen");
const ScriptRegistration<ScriptTaxiBeladen> taxiBeladen("ScriptTaxiBeladen");
const ScriptRegistration<ScriptZeitsprung> zeitsprungScript("ScriptZeitsprung");

} // namespace
} // namespace episode4
