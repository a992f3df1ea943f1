// A puzzle chart is text the content tests read: any bytes must be read as
// a chart or refused line by line with findings naming the file and a line
// that is there, and whatever was read must be explored without crashing,
// within the states it is given.

#include "story/PuzzleChart.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    std::vector<content::story::ChartFinding> findings;
    const content::story::PuzzleChart chart = content::story::ReadPuzzleChart(text, "fuzz.txt", findings);
    for (const content::story::ChartFinding& finding : findings) {
        if (finding.file != "fuzz.txt" || finding.line < 0 || finding.line > lines || finding.message.empty())
            __builtin_trap(); // a finding names the file and a line of it
    }
    constexpr std::size_t maxStates = 4096;
    const content::story::ChartCheckResult checked = content::story::CheckChart(chart, maxStates);
    if (checked.states > maxStates || checked.deadEnds > checked.states)
        __builtin_trap();
    if (findings.empty() && chart.steps.empty())
        __builtin_trap(); // a chart without steps is refused
    return 0;
}
