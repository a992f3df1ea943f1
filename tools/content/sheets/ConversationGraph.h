#pragma once

// The rows of one conversation as a graph, to prove that it can end. Rows
// are the sheet's, from `first` up to `end` (not included). A step is "then
// this row" (column F or the next row), an option edge leads from a choice
// block to one of its options. The game also goes back from a block left
// without options to the block shown before it; the graph allows that from
// every block to every other one when it asks whether a row is stuck, and
// never when it asks whether an end can be reached, so both answers err on
// the safe side.

#include <optional>
#include <set>
#include <vector>

namespace content::sheets {

class ConversationGraph {
public:
    struct Verdict {
        std::vector<int> reached;         // from the first row
        std::vector<int> runsOff;         // reached rows that go on past the last one
        bool endReachable = false;        // END from the first row
        std::vector<int> stuckRows;       // reached rows from which no END can be reached
        bool endReachableAgain = false;   // END on a later talk, with the chosen options' targets hidden
        std::vector<int> hiddenForGood;   // the target indices that stay hidden
    };

    ConversationGraph(int first, int end);

    void AddStep(int from, int to);
    void AddEnd(int row);
    void AddBlock(int row);
    // An option of the block; choosing it hides `target` (a number in its
    // column F) until something unhides it.
    void AddOption(int block, int option, std::optional<int> target);
    void Unhide(int index) { unhidden.insert(index); }

    // `alsoUnhidden`: indices unhidden from outside the conversation.
    Verdict Judge(const std::set<int>& alsoUnhidden) const;

private:
    struct Option {
        int block = 0;
        int row = 0;
        std::optional<int> target;
    };

    bool Contains(int row) const { return row >= first && row < end; }
    std::vector<int> Reach(bool withHiddenOptions, const std::set<int>& alsoUnhidden) const;

    int first = 0;
    int end = 0;
    std::vector<std::vector<int>> steps; // by row - first
    std::set<int> ends;
    std::set<int> blocks;
    std::vector<Option> options;
    std::set<int> unhidden;
    std::set<int> runsOff;
};

} // namespace content::sheets
