#pragma once

// KIRA's hint, the same in every episode: she looks at the steps of the
// episode's puzzle chart in their order, one flag per step, and hints at the
// first one still open, vaguely the first time and plainer each time Juna
// asks again about the same step. The item sheet holds the hints, one row
// per step with the three levels in columns D to F, and a last row for all
// done. Two flags of the episode remember which step she last hinted at
// (step + 1, 0: none yet) and how plainly (0 vague to 2 plain).

#include "adventure/Script.h"

#include <span>

class KiraHintScript : public Script {
protected:
    struct HintTable {
        std::span<const char* const> stepFlags;
        const char* stepFlag;
        const char* levelFlag;
        int firstHintRow; // the item sheet's row (from 1) of the first step
    };

    // Says the hint; the episode's script calls it from Run, then End().
    void GiveHint(const HintTable& table);
};
