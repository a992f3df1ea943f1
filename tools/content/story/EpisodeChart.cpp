#include "story/EpisodeChart.h"

#include "platform/Windows1252.h"
#include "sheets/EpisodeElements.h"
#include "sheets/StoryScriptScanner.h"

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <map>
#include <regex>
#include <string_view>

namespace content::story {

namespace {

using Kind = ChartThing::Kind;
using sheets::ElementKind;

bool ReachesEnd(const PuzzleChart& chart, const ChartStep& step)
{
    if (chart.end.kind == Kind::step)
        return chart.FindStep(chart.end.name) == &step;
    return std::any_of(step.gives.begin(), step.gives.end(), [&](const ChartThing& given) {
        return given.kind == chart.end.kind && given.name == chart.end.name;
    });
}

std::string Listed(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text.empty() ? "none" : text;
}

using sheets::ScriptUse;

// The naming commands of each script class in the folder's sources: a
// command belongs to the last "class Script... : public Script" above it.
std::map<std::string, std::vector<ScriptUse>> UsesByScript(const std::filesystem::path& folder)
{
    static const std::regex classLine("^\\s*class\\s+(\\w+)\\s*:\\s*public\\s+Script\\b");
    std::map<std::string, std::vector<std::pair<int, std::string>>> classes; // per file: line, class
    std::map<std::string, std::vector<ScriptUse>> byScript;
    for (const ScriptUse& use : sheets::ScanStorySources(folder)) {
        auto [fileClasses, added] = classes.try_emplace(use.file);
        if (added) {
            std::ifstream in(folder / std::filesystem::path(use.file).filename());
            std::string line;
            for (int number = 1; std::getline(in, line); ++number) {
                std::smatch match;
                if (std::regex_search(line, match, classLine))
                    fileClasses->second.emplace_back(number, match.str(1));
            }
        }
        std::string owner;
        for (const auto& [line, name] : fileClasses->second) {
            if (line <= use.line)
                owner = name;
        }
        if (!owner.empty())
            byScript[owner].push_back(use);
    }
    return byScript;
}

std::string Where(const ScriptUse& use)
{
    return use.file + " line " + std::to_string(use.line);
}

class EpisodeChartChecker {
public:
    EpisodeChartChecker(const PuzzleChart& checked, const EpisodeForChart& against)
        : chart(checked), episode(against)
    {
    }

    std::vector<ChartFinding> Run();

private:
    void Finding(int line, const std::string& message)
    {
        findings.push_back({ChartFinding::Check::episode, chart.file, line, message});
    }
    void CheckElement(const std::string& name, Kind kind, int line);
    void CheckHints();
    void CheckScripts();
    // The element's full name, Windows-1252; the name itself when there is none.
    std::string FullName(const std::string& windows1252) const
    {
        const std::string full = elements.FullName(windows1252);
        return full.empty() ? windows1252 : full;
    }
    // Whether the step's scripts name the element with one of the commands.
    bool ScriptsDo(const ChartStep& step, std::initializer_list<std::string_view> commands,
                   const std::string& name) const;

    std::map<std::string, std::vector<ScriptUse>> uses;

    const PuzzleChart& chart;
    const EpisodeForChart& episode;
    sheets::EpisodeElements elements;
    std::vector<ChartFinding> findings;
};

std::vector<ChartFinding> EpisodeChartChecker::Run()
{
    if (!elements.Load(episode.settingsFile.string())) {
        Finding(0, "cannot read the episode's settings file " + episode.settingsFile.string());
        return findings;
    }
    const auto checkAll = [&](const std::vector<ChartThing>& things) {
        for (const ChartThing& thing : things)
            CheckElement(thing.name, thing.kind, thing.line);
    };
    checkAll(chart.start);
    for (const ChartPlacement& placed : chart.lying) {
        CheckElement(placed.item, Kind::item, placed.line);
        CheckElement(placed.room, Kind::room, placed.line);
    }
    if (chart.end.kind == Kind::flag)
        CheckElement(chart.end.name, Kind::flag, chart.endLine);
    for (const ChartStep& step : chart.steps) {
        if (!step.room.empty())
            CheckElement(step.room, Kind::room, step.line);
        checkAll(step.needs);
        checkAll(step.gives);
        checkAll(step.consumes);
        for (const std::string& script : step.scripts) {
            if (episode.scripts.count(script) == 0)
                Finding(step.howLine,
                        "step " + step.name + " names the script " + script + ", which is not registered");
        }
    }
    CheckHints();
    if (!episode.storySources.empty())
        CheckScripts();
    return findings;
}

void EpisodeChartChecker::CheckElement(const std::string& name, Kind kind, int line)
{
    const std::string windows1252 = Windows1252::FromUtf8(name);
    bool found = true;
    if (kind == Kind::flag)
        found = elements.Is(windows1252, ElementKind::flag);
    else if (kind == Kind::item)
        found = elements.Is(windows1252, ElementKind::item);
    else if (kind == Kind::room)
        found = elements.Is(windows1252 + "|Room", ElementKind::room);
    if (!found)
        Finding(line, std::string(ChartKindName(kind)) + " " + name + " is no " + ChartKindName(kind) +
                          " of the episode's settings file");
}

void EpisodeChartChecker::CheckHints()
{
    std::vector<std::string> expected;
    for (const std::string& flag : ChartHintFlags(chart))
        expected.push_back(Windows1252::FromUtf8(flag));
    if (expected == episode.hintFlags)
        return;
    std::vector<std::string> hints;
    for (const std::string& flag : episode.hintFlags)
        hints.push_back(Windows1252::ToUtf8(flag));
    Finding(0, "KIRA's hints go over the flags " + Listed(hints) + "; the chart's steps give, in order, " +
                   Listed(ChartHintFlags(chart)));
}

bool EpisodeChartChecker::ScriptsDo(const ChartStep& step, std::initializer_list<std::string_view> commands,
                                    const std::string& name) const
{
    const std::string wanted = FullName(Windows1252::FromUtf8(name));
    for (const std::string& script : step.scripts) {
        const auto found = uses.find(script);
        if (found == uses.end())
            continue;
        for (const ScriptUse& use : found->second) {
            if (std::find(commands.begin(), commands.end(), use.command) != commands.end() &&
                FullName(use.name) == wanted)
                return true;
        }
    }
    return false;
}

void EpisodeChartChecker::CheckScripts()
{
    uses = UsesByScript(episode.storySources);
    // The steps each script is named by.
    std::map<std::string, std::vector<const ChartStep*>> stepsOf;
    for (const ChartStep& step : chart.steps) {
        for (const std::string& script : step.scripts)
            stepsOf[script].push_back(&step);
        if (step.scripts.empty())
            continue; // done by talking: the conversation sheet sets its flags
        for (const ChartThing& given : step.gives) {
            if (given.kind == Kind::flag && !ScriptsDo(step, {"SetFlag"}, given.name))
                Finding(given.line,
                        "step " + step.name + " gives flag " + given.name + ", which none of its scripts sets");
            if (given.kind == Kind::item && !ScriptsDo(step, {"AddItem", "Pickup"}, given.name))
                Finding(given.line, "step " + step.name + " gives item " + given.name +
                                        ", which none of its scripts adds or picks up");
        }
        for (const ChartThing& used : step.consumes) {
            if (!ScriptsDo(step, {"RemoveItem"}, used.name))
                Finding(used.line, "step " + step.name + " uses up item " + used.name +
                                       ", which none of its scripts removes");
        }
    }
    // Every item a script removes is used up by a step that names it.
    for (const auto& [script, scriptUses] : uses) {
        for (const ScriptUse& use : scriptUses) {
            if (use.command != "RemoveItem")
                continue;
            const std::string removed = FullName(use.name);
            bool said = false;
            for (const ChartStep* step : stepsOf[script]) {
                for (const ChartThing& used : step->consumes)
                    said = said || FullName(Windows1252::FromUtf8(used.name)) == removed;
            }
            if (!said)
                Finding(0, script + " removes item " + Windows1252::ToUtf8(removed) + " (" + Where(use) +
                               "), which no step naming " + script + " uses up");
        }
    }
}

} // namespace

std::vector<std::string> ChartHintFlags(const PuzzleChart& chart)
{
    std::vector<std::string> flags;
    for (const ChartStep& step : chart.steps) {
        const auto flag = std::find_if(step.gives.begin(), step.gives.end(),
                                       [](const ChartThing& given) { return given.kind == Kind::flag; });
        if (flag != step.gives.end() && !ReachesEnd(chart, step))
            flags.push_back(flag->name);
    }
    return flags;
}

std::vector<ChartFinding> CheckChartAgainstEpisode(const PuzzleChart& chart, const EpisodeForChart& episode)
{
    return EpisodeChartChecker(chart, episode).Run();
}

} // namespace content::story
