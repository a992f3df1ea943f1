#pragma once

// An episode's puzzle chart: the steps of its story, what each needs and
// what it gives, read from the text file beside the episode's scripts
// (content/episode<n>/Puzzles.txt, UTF-8), and the proof that no order of
// actions closes the way to the end.
//
// The file, line by line (blank lines and lines starting with "#" are
// remarks; text in parentheses is a remark inside a line):
//
//   start  room RoomBrücke, room RoomMaschinenraum   what holds at the start:
//                                                    rooms open, items carried,
//                                                    flags set (several lines
//                                                    may say it)
//   lies in RoomStrand: Muschel, Treibholz           items lying about, taken
//                                                    once the room is open
//   end    level 7                                   the episode's end: a level
//                                                    given, a step done or a
//                                                    flag set
//   3  FunkenStoppen   room RoomMaschinenraum        a step: its number (1, 2, ...
//                                                    in order), name and room
//                                                    ("any": wherever Juna is)
//      needs     item Isolierband                    item, flag or step (by
//                                                    name or number); "-": none
//      gives     flag RoomMaschinenraum|FunkenGestoppt   item, flag, room, level
//      consumes  item Isolierband                    items used up (each also
//                                                    among the needs)
//      how       Isolierband on funken (ScriptFunkenFlicken)   free text; the
//                                                    words "Script..." name the
//                                                    scripts that do it
//
// A step line's fields are indented; an indented line that does not start
// with a field's name continues the field before it. An entry never spans
// two lines: a list goes on after a comma at the line's end.
//
// The check explores every state the episode can be in: which steps are
// done and which lying items taken, in any order, each once; a step can be
// done when its room is open and all it needs is there. Exploring stops at
// the end. Findings:
//   a step or an item lying about that no order of actions reaches;
//   a state from which the end can no longer be reached (a dead end);
//   an item used up by one step that another step, still to be done, needs
//   and can then never get.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace content::story {

struct ChartFinding {
    enum class Check {
        format,    // the file cannot be read as a chart
        reachable, // a step or an item is never reached
        deadEnd,   // the end can no longer be reached
        itemLost,  // an item is used up before a step that needs it
        episode,   // the chart and the episode's data or scripts disagree
    };

    Check check = Check::format;
    std::string file;
    int line = 0; // from 1; 0: the chart as a whole
    std::string message;
};

// "content/episode1/Puzzles.txt:12: ..."
std::string Describe(const ChartFinding& finding);

// One entry of a list: "item Muschel", "flag RoomStrand|ZwillingeVersoehnt".
struct ChartThing {
    enum class Kind { item, flag, step, room, level };

    Kind kind = Kind::item;
    std::string name; // a step by its name or number, a level by its number
    int line = 0;
};

const char* ChartKindName(ChartThing::Kind kind);

struct ChartStep {
    int number = 0;
    std::string name;
    std::string room; // empty: any room
    int line = 0;
    std::vector<ChartThing> needs;
    std::vector<ChartThing> gives;
    std::vector<ChartThing> consumes;
    std::string how;
    int howLine = 0;
    std::vector<std::string> scripts; // the "Script..." words of `how`
};

// Items lying in a room to be taken.
struct ChartPlacement {
    std::string item;
    std::string room;
    int line = 0;
};

struct PuzzleChart {
    std::string file;
    std::vector<ChartThing> start;
    std::vector<ChartPlacement> lying;
    std::vector<ChartStep> steps;
    ChartThing end;
    int endLine = 0; // 0: the chart has no end

    // The step with that name or number; null when there is none.
    const ChartStep* FindStep(std::string_view nameOrNumber) const;
};

// Reads the chart's text; every malformed line is a format finding naming
// `file` and the line, and is left out. The chart is usable for CheckChart
// when the findings are empty.
PuzzleChart ReadPuzzleChart(std::string_view text, const std::string& file, std::vector<ChartFinding>& findings);

// The number of actions (steps and items to take) the check can explore.
inline constexpr std::size_t maxChartActions = 64;

struct ChartCheckResult {
    std::vector<ChartFinding> findings;
    std::size_t states = 0;   // reachable states explored
    std::size_t deadEnds = 0; // of them, those from which the end cannot be reached
};

// Explores the chart's states; a chart whose exploration would exceed
// `maxStates` is a finding of its own.
ChartCheckResult CheckChart(const PuzzleChart& chart, std::size_t maxStates = 1u << 21);

} // namespace content::story
