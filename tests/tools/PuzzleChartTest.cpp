// The puzzle charts: every episode's chart reaches every step, has no dead
// end and fits its episode's data, scripts and KIRA's hints; a made-up
// chart shows that each kind of fault is found and nothing else.

#include "ExpectedFindings.h"
#include "story/EpisodeChart.h"
#include "story/PuzzleChart.h"
#include "adventure/Script.h"
#include "episode1/Episode1Names.h"
#include "episode2/Episode2Names.h"
#include "episode3/Episode3Names.h"
#include "episode4/Episode4Names.h"
#include "episode5/Episode5Names.h"
#include "episode6/Episode6Names.h"
#include "support/HeadlessTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using content::story::ChartFinding;
using Check = ChartFinding::Check;

std::string Describe(const std::vector<ChartFinding>& findings)
{
    std::string text;
    for (const ChartFinding& finding : findings)
        text += "  " + content::story::Describe(finding) + "\n";
    return text;
}

std::set<std::string> RegisteredScripts()
{
    LinkStandardScripts();
    const std::vector<std::string> names = ScriptFactory::GetInstance().GetNames();
    return {names.begin(), names.end()};
}

// KIRA's hint table of each episode.
const std::map<int, std::vector<std::string>>& HintTables()
{
    static const std::map<int, std::vector<std::string>> tables = {
        {1, {episode1::kiraHinweisFlags.begin(), episode1::kiraHinweisFlags.end()}},
        {2, {episode2::kiraHinweisFlags.begin(), episode2::kiraHinweisFlags.end()}},
        {3, {episode3::kiraHinweisFlags.begin(), episode3::kiraHinweisFlags.end()}},
        {4, {episode4::kiraHinweisFlags.begin(), episode4::kiraHinweisFlags.end()}},
        {5, {episode5::kiraHinweisFlags.begin(), episode5::kiraHinweisFlags.end()}},
        {6, {episode6::kiraHinweisFlags.begin(), episode6::kiraHinweisFlags.end()}},
    };
    return tables;
}

using PuzzleChartTest = HeadlessTest;

TEST_F(PuzzleChartTest, EveryEpisodesChartReachesEveryStepWithoutDeadEndAndFitsItsEpisode)
{
    int charts = 0;
    for (int level = 1; level <= 6; ++level) {
        const std::filesystem::path file =
            std::filesystem::path(ZEPHYRA_STORY_DIR) / ("episode" + std::to_string(level)) / "Puzzles.txt";
        if (!std::filesystem::exists(file))
            continue;
        ++charts;
        SCOPED_TRACE(file.string());
        std::vector<ChartFinding> findings;
        const content::story::PuzzleChart chart =
            content::story::ReadPuzzleChart(ReadFile(file), file.string(), findings);
        ASSERT_TRUE(findings.empty()) << Describe(findings);
        const content::story::ChartCheckResult checked = content::story::CheckChart(chart);
        EXPECT_TRUE(checked.findings.empty()) << Describe(checked.findings);
        EXPECT_GT(checked.states, chart.steps.size());
        RecordProperty("states_episode" + std::to_string(level), static_cast<int>(checked.states));

        ASSERT_EQ(HintTables().count(level), 1u) << "KIRA's hint table of episode " << level;
        char settings[64];
        std::snprintf(settings, sizeof settings, "level%02d/settings/settings.txt", level);
        const content::story::EpisodeForChart episode{std::filesystem::path(ZEPHYRA_RUN_DIR) / "data" / settings,
                                                      RegisteredScripts(), HintTables().at(level), file.parent_path()};
        findings = content::story::CheckChartAgainstEpisode(chart, episode);
        EXPECT_TRUE(findings.empty()) << Describe(findings);
    }
    EXPECT_GT(charts, 0);
    // Script names are global: two episodes' scripts of one name would
    // leave one episode running the other's.
    EXPECT_TRUE(ScriptFactory::GetInstance().GetDuplicates().empty())
        << ::testing::PrintToString(ScriptFactory::GetInstance().GetDuplicates());
}

// A yard whose rope can be used up on the swing before the well needs it,
// a cellar that never opens, two malformed lines, and an episode that lacks
// the cellar, its flag and a script (another episode has one of the same
// name without the number), hints in the wrong order and a well's
// script that sets no flag but removes the rope unbeknown to the chart.
TEST_F(PuzzleChartTest, MadeUpChartShowsEachFault)
{
    const std::string text = "# A yard.\n"                       // 1
                             "start   room Hof\n"                // 2
                             "lies in Hof: Seil\n"               // 3
                             "end     flag Hof|Fertig\n"         // 4
                             "\n"                                // 5
                             "1  Schaukel   room Hof\n"          // 6
                             "   needs     item Seil\n"          // 7
                             "   gives     flag Hof|Schaukel\n"  // 8
                             "   consumes  item Seil\n"          // 9
                             "   how       (ScriptSchaukel2)\n"  // 10
                             "2  Keller     room Keller\n"       // 11
                             "   needs     -\n"                  // 12
                             "   gives     flag Hof|Keller\n"    // 13
                             "Brunnen needs Seil\n"              // 14
                             "3  Brunnen    room Hof\n"          // 15
                             "   needs     item Seil,\n"         // 16
                             "             ding Eimer\n"         // 17
                             "   gives     flag Hof|Fertig\n"    // 18
                             "   how       ScriptBrunnen\n";     // 19
    std::vector<ChartFinding> findings;
    const content::story::PuzzleChart chart = content::story::ReadPuzzleChart(text, "hof.txt", findings);
    const content::story::ChartCheckResult checked = content::story::CheckChart(chart);
    findings.insert(findings.end(), checked.findings.begin(), checked.findings.end());
    // Nothing, the rope taken, then the swing or the well: after the swing
    // the well cannot be reached.
    EXPECT_EQ(checked.states, 4u);
    EXPECT_EQ(checked.deadEnds, 1u);

    const std::string settings = (Directory() / "settings.txt").string();
    std::string blocks;
    for (const auto& [className, fullName] : std::vector<std::pair<std::string, std::string>>{
             {"Room", "Hof|Room"}, {"Item", "Hof|Seil"}, {"Flag", "Hof|Schaukel"}, {"Flag", "Hof|Fertig"}})
        blocks += "# ---- " + fullName + "\nDYNAMIC OBJECT START\nclass type: \"class " + className + "\"\n[" +
                  className + "] \"" + fullName + "\"\n{\n}\n\n";
    WriteFile(settings, blocks);
    const std::filesystem::path story = Directory() / "hof";
    std::filesystem::create_directories(story);
    WriteFile(story / "Hof.cpp", "class ScriptSchaukel2 : public Script {\n"
                                 "    void Run(const std::string&) override\n"
                                 "    {\n"
                                 "        RemoveItem(\"Hof|Seil\");\n"
                                 "        SetFlag(\"Hof|Schaukel\", 1);\n"
                                 "    }\n"
                                 "};\n"
                                 "class ScriptBrunnen : public Script {\n"
                                 "    void Run(const std::string&) override { RemoveItem(\"Seil\"); }\n"
                                 "};\n");
    const std::vector<ChartFinding> episodeFindings = content::story::CheckChartAgainstEpisode(
        chart, {settings, {"ScriptBrunnen", "ScriptSchaukel"}, {"Hof|Keller", "Hof|Schaukel"}, story});
    findings.insert(findings.end(), episodeFindings.begin(), episodeFindings.end());

    struct Expected {
        Check check;
        int line;
        std::string part;
    };
    std::vector<Expected> expected = {
        {Check::format, 14, "\"Brunnen\" begins no chart line"},
        {Check::format, 17, "\"ding Eimer\": an entry is one of item, flag, step"},
        {Check::reachable, 11, "step 2 Keller can never be done: room Keller never opens"},
        {Check::deadEnd, 6, "step 1 Schaukel closes the way to the end after taking Seil (1 of 4 states"},
        {Check::itemLost, 9,
         "step 1 Schaukel uses up item Seil, which step 3 Brunnen needs: after taking Seil, step 1 Schaukel,"},
        {Check::episode, 11, "room Keller is no room"},
        {Check::episode, 13, "flag Hof|Keller is no flag"},
        {Check::episode, 10, "names the script ScriptSchaukel2, which is not registered"},
        {Check::episode, 18, "step Brunnen gives flag Hof|Fertig, which none of its scripts sets"},
        {Check::episode, 0,
         "ScriptBrunnen removes item Hof|Seil (hof/Hof.cpp line 9), which no step naming ScriptBrunnen uses up"},
        {Check::episode, 0, "KIRA's hints go over the flags Hof|Keller, Hof|Schaukel; the chart's steps give, in "
                            "order, Hof|Schaukel, Hof|Keller"},
    };
    ExpectExactlyTheseFindings(findings, expected,
                               [](const Expected& wanted, const ChartFinding& finding) {
                                   return wanted.check == finding.check && wanted.line == finding.line &&
                                          finding.message.find(wanted.part) != std::string::npos;
                               },
                               [](const std::vector<ChartFinding>& list) { return Describe(list); });
}

} // namespace
