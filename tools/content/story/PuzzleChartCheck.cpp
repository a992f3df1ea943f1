#include "story/PuzzleChart.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>

namespace content::story {

namespace {

using Kind = ChartThing::Kind;
using Mask = std::uint64_t;

constexpr int anyRoom = -1;
constexpr int never = -2; // a need nothing can meet: a step the chart does not have

// A step, or taking an item that lies about: done once, in any order.
struct Action {
    std::string label; // "step 3 FunkenStoppen", "taking Muschel"
    int line = 0;
    int room = anyRoom;
    std::vector<int> needItems, needFlags, needActions;
    std::vector<int> giveItems, giveFlags, giveRooms;
    std::vector<std::pair<int, int>> consumeItems; // item, line
    std::vector<std::string> giveLevels;
};

// What holds in a state: counts of items carried, flags set, rooms open.
struct Holdings {
    std::vector<int> items;
    std::vector<char> flags;
    std::vector<char> rooms;
    bool atEnd = false;
};

std::string NameOf(const std::map<std::string, int>& names, int index)
{
    for (const auto& [name, at] : names) {
        if (at == index)
            return name;
    }
    return std::string();
}

class ChartExplorer {
public:
    ChartExplorer(const PuzzleChart& explored, std::size_t limit) : chart(explored), maxStates(limit) {}

    ChartCheckResult Run();

private:
    static int Intern(std::map<std::string, int>& names, const std::string& name)
    {
        return names.try_emplace(name, static_cast<int>(names.size())).first->second;
    }
    void BuildActions();
    Holdings HoldingsOf(Mask done) const;
    bool CanDo(const Action& action, int index, Mask done, const Holdings& holdings) const;
    // "1 KristallNehmen, taking Muschel, ..." for the actions that led to the state.
    std::string PathTo(std::uint32_t state) const;
    void Finding(ChartFinding::Check check, int line, const std::string& message)
    {
        result.findings.push_back({check, chart.file, line, message});
    }
    void ReportUnreached(const Mask everDone);
    void ReportDeadEnd(const std::vector<char>& canEnd);
    void ReportLostItems(const std::vector<Mask>& future);

    const PuzzleChart& chart;
    std::size_t maxStates;
    ChartCheckResult result;

    std::map<std::string, int> items, flags, rooms;
    std::vector<Action> actions;
    std::vector<int> startItems, startFlags, startRooms;

    // The explored states in the order found (by the number of actions
    // done), how each was first reached, and the edges between them.
    std::vector<Mask> states;
    std::vector<std::uint32_t> parents;
    std::vector<int> via;
    std::vector<std::uint32_t> edgeStart; // per state, into edges; one more at the end
    std::vector<std::pair<int, std::uint32_t>> edges; // action, state
    // Whether an item was ever carried, a flag ever set, a room ever open.
    std::vector<char> everItem, everFlag, everRoom;
};

void ChartExplorer::BuildActions()
{
    for (const ChartThing& thing : chart.start) {
        if (thing.kind == Kind::item)
            startItems.push_back(Intern(items, thing.name));
        else if (thing.kind == Kind::flag)
            startFlags.push_back(Intern(flags, thing.name));
        else if (thing.kind == Kind::room)
            startRooms.push_back(Intern(rooms, thing.name));
    }
    for (const ChartStep& step : chart.steps) {
        Action action;
        action.label = "step " + std::to_string(step.number) + " " + step.name;
        action.line = step.line;
        action.room = step.room.empty() ? anyRoom : Intern(rooms, step.room);
        for (const ChartThing& need : step.needs) {
            if (need.kind == Kind::item) {
                action.needItems.push_back(Intern(items, need.name));
            } else if (need.kind == Kind::flag) {
                action.needFlags.push_back(Intern(flags, need.name));
            } else if (need.kind == Kind::step) {
                const ChartStep* target = chart.FindStep(need.name);
                action.needActions.push_back(target != nullptr ? target->number - 1 : never);
            }
        }
        for (const ChartThing& given : step.gives) {
            if (given.kind == Kind::item)
                action.giveItems.push_back(Intern(items, given.name));
            else if (given.kind == Kind::flag)
                action.giveFlags.push_back(Intern(flags, given.name));
            else if (given.kind == Kind::room)
                action.giveRooms.push_back(Intern(rooms, given.name));
            else if (given.kind == Kind::level)
                action.giveLevels.push_back(given.name);
        }
        for (const ChartThing& used : step.consumes)
            action.consumeItems.emplace_back(Intern(items, used.name), used.line);
        actions.push_back(std::move(action));
    }
    for (const ChartPlacement& placed : chart.lying) {
        Action action;
        action.label = "taking " + placed.item;
        action.line = placed.line;
        action.room = Intern(rooms, placed.room);
        action.giveItems.push_back(Intern(items, placed.item));
        actions.push_back(std::move(action));
    }
    // The end's flag may be named nowhere else.
    if (chart.end.kind == Kind::flag)
        Intern(flags, chart.end.name);
}

Holdings ChartExplorer::HoldingsOf(Mask done) const
{
    Holdings holdings;
    holdings.items.assign(items.size(), 0);
    holdings.flags.assign(flags.size(), 0);
    holdings.rooms.assign(rooms.size(), 0);
    for (const int item : startItems)
        ++holdings.items[static_cast<std::size_t>(item)];
    for (const int flag : startFlags)
        holdings.flags[static_cast<std::size_t>(flag)] = 1;
    for (const int room : startRooms)
        holdings.rooms[static_cast<std::size_t>(room)] = 1;
    for (std::size_t index = 0; index < actions.size(); ++index) {
        if ((done & (Mask{1} << index)) == 0)
            continue;
        const Action& action = actions[index];
        for (const int item : action.giveItems)
            ++holdings.items[static_cast<std::size_t>(item)];
        for (const auto& [item, line] : action.consumeItems)
            --holdings.items[static_cast<std::size_t>(item)];
        for (const int flag : action.giveFlags)
            holdings.flags[static_cast<std::size_t>(flag)] = 1;
        for (const int room : action.giveRooms)
            holdings.rooms[static_cast<std::size_t>(room)] = 1;
        if (chart.end.kind == Kind::level)
            holdings.atEnd = holdings.atEnd || std::count(action.giveLevels.begin(), action.giveLevels.end(),
                                                          chart.end.name) != 0;
    }
    if (chart.end.kind == Kind::step) {
        const ChartStep* end = chart.FindStep(chart.end.name);
        holdings.atEnd = end != nullptr && (done & (Mask{1} << (end->number - 1))) != 0;
    } else if (chart.end.kind == Kind::flag) {
        holdings.atEnd = holdings.flags[static_cast<std::size_t>(flags.at(chart.end.name))] != 0;
    }
    return holdings;
}

bool ChartExplorer::CanDo(const Action& action, int index, Mask done, const Holdings& holdings) const
{
    if ((done & (Mask{1} << index)) != 0)
        return false;
    if (action.room != anyRoom && holdings.rooms[static_cast<std::size_t>(action.room)] == 0)
        return false;
    for (const int item : action.needItems) {
        if (holdings.items[static_cast<std::size_t>(item)] <= 0)
            return false;
    }
    for (const int flag : action.needFlags) {
        if (holdings.flags[static_cast<std::size_t>(flag)] == 0)
            return false;
    }
    for (const int needed : action.needActions) {
        if (needed == never || (done & (Mask{1} << needed)) == 0)
            return false;
    }
    return true;
}

std::string ChartExplorer::PathTo(std::uint32_t state) const
{
    std::vector<std::string> labels;
    for (std::uint32_t at = state; at != 0; at = parents[at])
        labels.push_back(actions[static_cast<std::size_t>(via[at])].label);
    std::string path;
    for (auto label = labels.rbegin(); label != labels.rend(); ++label)
        path += (path.empty() ? "" : ", ") + *label;
    return path.empty() ? "nothing" : path;
}

ChartCheckResult ChartExplorer::Run()
{
    if (chart.steps.size() + chart.lying.size() > maxChartActions) {
        Finding(ChartFinding::Check::format, 0, "too many steps and items to take to explore");
        return std::move(result);
    }
    BuildActions();
    everItem.assign(items.size(), 0);
    everFlag.assign(flags.size(), 0);
    everRoom.assign(rooms.size(), 0);

    std::unordered_map<Mask, std::uint32_t> found{{Mask{0}, 0u}};
    states.push_back(0);
    parents.push_back(0);
    via.push_back(-1);
    std::vector<char> atEnd;
    bool complete = true;
    for (std::size_t next = 0; next < states.size(); ++next) {
        const Mask done = states[next];
        const Holdings holdings = HoldingsOf(done);
        edgeStart.push_back(static_cast<std::uint32_t>(edges.size()));
        atEnd.push_back(holdings.atEnd ? 1 : 0);
        for (std::size_t i = 0; i < items.size(); ++i)
            everItem[i] = everItem[i] || holdings.items[i] > 0;
        for (std::size_t i = 0; i < flags.size(); ++i)
            everFlag[i] = everFlag[i] || holdings.flags[i] != 0;
        for (std::size_t i = 0; i < rooms.size(); ++i)
            everRoom[i] = everRoom[i] || holdings.rooms[i] != 0;
        if (holdings.atEnd)
            continue; // the episode is over
        for (std::size_t index = 0; index < actions.size(); ++index) {
            if (!CanDo(actions[index], static_cast<int>(index), done, holdings))
                continue;
            const Mask after = done | (Mask{1} << index);
            auto [entry, added] = found.try_emplace(after, static_cast<std::uint32_t>(states.size()));
            if (added) {
                if (states.size() >= maxStates) {
                    found.erase(entry);
                    complete = false;
                    continue;
                }
                states.push_back(after);
                parents.push_back(static_cast<std::uint32_t>(next));
                via.push_back(static_cast<int>(index));
            }
            edges.emplace_back(static_cast<int>(index), entry->second);
        }
    }
    edgeStart.push_back(static_cast<std::uint32_t>(edges.size()));
    result.states = states.size();
    if (!complete) {
        Finding(ChartFinding::Check::format, 0,
                "the chart has more than " + std::to_string(maxStates) + " states; the check gave up");
        return std::move(result);
    }

    // Backwards: every edge leads to a state found later, so going over the
    // states from the last sees each one's successors before itself.
    std::vector<Mask> future(states.size(), 0);
    std::vector<char> canEnd(atEnd);
    for (std::size_t state = states.size(); state-- > 0;) {
        for (std::uint32_t edge = edgeStart[state]; edge < edgeStart[state + 1]; ++edge) {
            const auto [action, target] = edges[edge];
            future[state] |= (Mask{1} << action) | future[target];
            canEnd[state] = canEnd[state] || canEnd[target];
        }
    }
    ReportUnreached(future[0]);
    ReportDeadEnd(canEnd);
    ReportLostItems(future);
    return std::move(result);
}

void ChartExplorer::ReportUnreached(const Mask everDone)
{
    for (std::size_t index = 0; index < actions.size(); ++index) {
        if ((everDone & (Mask{1} << index)) != 0)
            continue;
        const Action& action = actions[index];
        std::string why;
        if (action.room != anyRoom && everRoom[static_cast<std::size_t>(action.room)] == 0)
            why = "room " + NameOf(rooms, action.room) + " never opens";
        for (const int item : action.needItems) {
            if (why.empty() && everItem[static_cast<std::size_t>(item)] == 0)
                why = "it needs item " + NameOf(items, item) + ", which is never there";
        }
        for (const int flag : action.needFlags) {
            if (why.empty() && everFlag[static_cast<std::size_t>(flag)] == 0)
                why = "it needs flag " + NameOf(flags, flag) + ", which is never set";
        }
        for (const int needed : action.needActions) {
            if (why.empty() && (needed == never || (everDone & (Mask{1} << needed)) == 0))
                why = "it needs " + (needed == never ? std::string("a step the chart does not have")
                                                     : actions[static_cast<std::size_t>(needed)].label +
                                                           ", which is never done");
        }
        if (why.empty())
            why = "what it needs is never there at once before the end";
        Finding(ChartFinding::Check::reachable, action.line,
                action.label + (index < chart.steps.size() ? " can never be done: " : " never happens: ") + why);
    }
}

void ChartExplorer::ReportDeadEnd(const std::vector<char>& canEnd)
{
    const std::size_t deadEnds = static_cast<std::size_t>(std::count(canEnd.begin(), canEnd.end(), 0));
    result.deadEnds = deadEnds;
    if (deadEnds == 0)
        return;
    if (canEnd[0] == 0) {
        Finding(ChartFinding::Check::deadEnd, chart.endLine, "no order of actions reaches the end");
        return;
    }
    // The first dead end found has the fewest actions done, so the state
    // before it could still reach the end: its last action closed the way.
    const auto first = static_cast<std::uint32_t>(std::find(canEnd.begin(), canEnd.end(), 0) - canEnd.begin());
    const Action& closing = actions[static_cast<std::size_t>(via[first])];
    Finding(ChartFinding::Check::deadEnd, closing.line,
            closing.label + " closes the way to the end after " +
                (parents[first] == 0 ? std::string("nothing else") : PathTo(parents[first])) + " (" +
                std::to_string(deadEnds) + " of " + std::to_string(states.size()) + " states are dead ends)");
}

void ChartExplorer::ReportLostItems(const std::vector<Mask>& future)
{
    std::set<std::tuple<int, int, int>> reported; // using action, item, needing action
    for (std::size_t state = 0; state < states.size(); ++state) {
        for (std::uint32_t edge = edgeStart[state]; edge < edgeStart[state + 1]; ++edge) {
            const auto [index, target] = edges[edge];
            const Action& consuming = actions[static_cast<std::size_t>(index)];
            for (const auto& [item, line] : consuming.consumeItems) {
                for (std::size_t other = 0; other < actions.size(); ++other) {
                    const Action& needing = actions[other];
                    const Mask bit = Mask{1} << other;
                    if (static_cast<int>(other) == index || (future[state] & bit) == 0 || (future[target] & bit) != 0 ||
                        std::count(needing.needItems.begin(), needing.needItems.end(), item) == 0 ||
                        !reported.emplace(index, item, static_cast<int>(other)).second)
                        continue;
                    Finding(ChartFinding::Check::itemLost, line,
                            consuming.label + " uses up item " + NameOf(items, item) + ", which " + needing.label +
                                " needs: after " + PathTo(target) + ", it can never be done");
                }
            }
        }
    }
}

} // namespace

ChartCheckResult CheckChart(const PuzzleChart& chart, std::size_t maxStates)
{
    return ChartExplorer(chart, maxStates).Run();
}

} // namespace content::story
