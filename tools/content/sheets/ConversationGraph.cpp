#include "sheets/ConversationGraph.h"

#include <algorithm>

namespace content::sheets {

ConversationGraph::ConversationGraph(int firstRow, int endRow)
    : first(firstRow), end(std::max(firstRow, endRow)), steps(static_cast<std::size_t>(end - first))
{
}

void ConversationGraph::AddStep(int from, int to)
{
    if (!Contains(from))
        return;
    if (Contains(to))
        steps[static_cast<std::size_t>(from - first)].push_back(to);
    else
        runsOff.insert(from);
}

void ConversationGraph::AddEnd(int row)
{
    ends.insert(row);
}

void ConversationGraph::AddBlock(int row)
{
    blocks.insert(row);
}

void ConversationGraph::AddOption(int block, int option, std::optional<int> target)
{
    options.push_back({block, option, target});
}

std::vector<int> ConversationGraph::Reach(bool withHiddenOptions, const std::set<int>& alsoUnhidden) const
{
    std::vector<bool> seen(steps.size(), false);
    std::vector<int> open;
    if (first < end) {
        seen[0] = true;
        open.push_back(first);
    }
    std::vector<int> reached;
    while (!open.empty()) {
        const int row = open.back();
        open.pop_back();
        reached.push_back(row);
        std::vector<int> next = steps[static_cast<std::size_t>(row - first)];
        for (const Option& option : options) {
            if (option.block != row)
                continue;
            const bool offeredAgain =
                !option.target || unhidden.contains(*option.target) || alsoUnhidden.contains(*option.target);
            if (withHiddenOptions || offeredAgain)
                next.push_back(option.row);
        }
        for (const int to : next) {
            if (!seen[static_cast<std::size_t>(to - first)]) {
                seen[static_cast<std::size_t>(to - first)] = true;
                open.push_back(to);
            }
        }
    }
    std::sort(reached.begin(), reached.end());
    return reached;
}

ConversationGraph::Verdict ConversationGraph::Judge(const std::set<int>& alsoUnhidden) const
{
    Verdict verdict;
    verdict.reached = Reach(true, alsoUnhidden);
    const auto ends_ = [this](const std::vector<int>& rows) {
        return std::any_of(rows.begin(), rows.end(), [this](int row) { return ends.contains(row); });
    };
    verdict.endReachable = ends_(verdict.reached);
    verdict.endReachableAgain = ends_(Reach(false, alsoUnhidden));
    for (const int row : verdict.reached) {
        if (runsOff.contains(row))
            verdict.runsOff.push_back(row);
    }
    std::set<int> hidden;
    for (const Option& option : options) {
        if (option.target && !unhidden.contains(*option.target) && !alsoUnhidden.contains(*option.target))
            hidden.insert(*option.target);
    }
    verdict.hiddenForGood.assign(hidden.begin(), hidden.end());

    // Backwards from the ends: which rows can end, going back from any
    // block to any other.
    std::vector<std::vector<int>> before(steps.size());
    for (int row = first; row < end; ++row) {
        for (const int to : steps[static_cast<std::size_t>(row - first)])
            before[static_cast<std::size_t>(to - first)].push_back(row);
    }
    for (const Option& option : options)
        before[static_cast<std::size_t>(option.row - first)].push_back(option.block);
    for (const int block : blocks) {
        for (const int other : blocks) {
            if (other != block)
                before[static_cast<std::size_t>(other - first)].push_back(block);
        }
    }
    std::vector<bool> canEnd(steps.size(), false);
    std::vector<int> open(ends.begin(), ends.end());
    for (const int row : open)
        canEnd[static_cast<std::size_t>(row - first)] = true;
    while (!open.empty()) {
        const int row = open.back();
        open.pop_back();
        for (const int from : before[static_cast<std::size_t>(row - first)]) {
            if (!canEnd[static_cast<std::size_t>(from - first)]) {
                canEnd[static_cast<std::size_t>(from - first)] = true;
                open.push_back(from);
            }
        }
    }
    for (const int row : verdict.reached) {
        if (!canEnd[static_cast<std::size_t>(row - first)])
            verdict.stuckRows.push_back(row);
    }
    return verdict;
}

} // namespace content::sheets
