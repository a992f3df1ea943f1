#include "shared/KiraHintScript.h"

#include <algorithm>
#include <string>

void KiraHintScript::GiveHint(const HintTable& table)
{
    constexpr int hintLevels = 3;
    // Every flag is read in every pass, so the script issues the same
    // commands each time.
    int step = static_cast<int>(table.stepFlags.size());
    for (std::size_t i = 0; i < table.stepFlags.size(); ++i) {
        if (GetFlag(table.stepFlags[i]) == 0 && step == static_cast<int>(table.stepFlags.size()))
            step = static_cast<int>(i);
    }
    const int lastStep = GetFlag(table.stepFlag) - 1;
    const int lastLevel = GetFlag(table.levelFlag);
    // All done: the last row tells Juna where to go.
    const int level = step == lastStep ? std::min(lastLevel + 1, hintLevels - 1) : 0;
    SetFlag(table.stepFlag, step + 1);
    SetFlag(table.levelFlag, level);
    Talk("itemSheet " + std::string(1, static_cast<char>('D' + level)) + " " +
         std::to_string(table.firstHintRow + step));
    WaitForTalk("Kira");
}
