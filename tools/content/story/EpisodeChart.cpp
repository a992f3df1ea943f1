#include "story/EpisodeChart.h"

#include "platform/Windows1252.h"
#include "sheets/EpisodeElements.h"

#include <algorithm>

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

class EpisodeChartChecker {
public:
    EpisodeChartChecker(const PuzzleChart& checked, const EpisodeForChart& against) : chart(checked), episode(against) {}

    std::vector<ChartFinding> Run();

private:
    void Finding(int line, const std::string& message)
    {
        findings.push_back({ChartFinding::Check::episode, chart.file, line, message});
    }
    void CheckElement(const std::string& name, Kind kind, int line);
    void CheckHints();

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
                Finding(step.howLine, "step " + step.name + " names the script " + script + ", which is not registered");
        }
    }
    CheckHints();
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
