// The sheet checker: on a small made-up episode it finds each kind of fault
// and nothing else, and on the generated tree it finds nothing.

#include "ExpectedFindings.h"
#include "sheets/SheetChecker.h"
#include "sheets/SpokenCells.h"
#include "adventure/Script.h"
#include "support/HeadlessTest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

using content::sheets::EpisodeToCheck;
using content::sheets::SheetFinding;
using Check = SheetFinding::Check;

// A sheet as the game reads it: Windows-1252, CRLF.
void WriteSheet(const std::filesystem::path& path, const std::vector<std::string>& rows)
{
    std::string text;
    for (const std::string& row : rows)
        text += row + "\r\n";
    WriteFile(path, text);
}

std::string SettingsBlock(const std::string& className, const std::string& fullName)
{
    return "# ---- " + fullName + "\nDYNAMIC OBJECT START\nclass type: \"class " + className + "\"\n[" + className +
           "] \"" + fullName + "\"\n{\n}\n\n";
}

std::string Describe(const std::vector<SheetFinding>& findings)
{
    std::string text;
    for (const SheetFinding& finding : findings)
        text += "  " + content::sheets::Describe(finding) + "\n";
    return text;
}

struct Expected {
    Check check;
    std::string file;
    std::string place;
    std::string part; // of the message
};

class SheetCheckerTest : public HeadlessTest {
protected:
    // Episode 3 of a tree in the test's folder: a beach with Kira, a shell,
    // a box, a gate and a flag.
    EpisodeToCheck MadeUpEpisode()
    {
        const std::filesystem::path level = Directory() / "data" / "level03";
        std::filesystem::create_directories(level / "settings");
        WriteFile(level / "settings" / "settings.txt",
                  SettingsBlock("Room", "RoomA|Room") + SettingsBlock("Character", "RoomA|Kira") +
                      SettingsBlock("Item", "RoomA|Muschel") + SettingsBlock("Item", "RoomA|Kiste") +
                      SettingsBlock("Door", "RoomA|Tor") + SettingsBlock("Flag", "RoomA|TorOffen") +
                      SettingsBlock("Door", "RoomA|Ausgang") + SettingsBlock("Item", "RoomA|Feder") +
                      SettingsBlock("Item", "RoomA|Korb"));

        const std::filesystem::path sheets = level / "sprachscript";
        std::filesystem::create_directories(sheets);
        WriteSheet(sheets / "itemSheet.csv", {
            "Schl\xfcssel;Untersuchen;Benutzen",
            "muschel;Eine Muschel.;$B2",
            "kira;Kira: Hallo!;$C19",                   // C03: a link to an empty cell
            "tor;#2;>ScriptGut",
            "kiste;#5;>ScriptFehlt",                    // B05: no group 5; C05: no such script
            // A06: no element; B06: no character; C06: no conversation.
            "mantel;Baltasar: Kalt hier.;gespr\xe4" "ch_fehlt",
            "hinweis;;;Kira: Nimm die Muschel.",        // lines for scripts only, under any key
            "ausgang;Der Ausgang.;ausgang",             // not said: nor recorded
            "feder;Eine Feder.;automatisch mitnehmen",
            "korb;Ein Korb.;ausgang",                   // C10: a basket is no door
        });
        WriteSheet(sheets / "itemCombineSheet.csv", {
            ";muschel;stein",                           // C01: no element
            "kiste;gespr\xe4" "ch_kira;$Z1",            // C02: a link beyond column u
        });
        WriteSheet(sheets / "genericSheet.csv", {
            "#1", "Das geht nicht.",
            "#2", "Nein.",                              // A04: its alias names a cell without a recording
            "#4", "Hm.",                                // A05: group 4 where 3 belongs; A06: no recording
        });
        WriteSheet(sheets / "conversationSheet.csv", {
            "Gespr\xe4" "che;;;;;Weiter",
            // Clean: a question that hides itself, a farewell that does not.
            "gespr\xe4" "ch_kira",
            "1;Kira;Hallo Juna.",
            "2;x",
            "2;Player;Wie geht's?;;;10",
            "2;Player;Tsch\xfc" "ss.;;;END",
            "10;Kira;Gut.;;;2;setflag TorOffen 1;runscript ScriptGut",
            // A08: round and round.
            "gespr\xe4" "ch_schleife",
            "1;Kira;Eins.;;;2",
            "2;Kira;Zwei.;;;1",
            // A11: the farewell hides its target, so a second talk cannot end.
            "gespr\xe4" "ch_wiederholt",
            "1;x",
            "1;Player;Frage?;;;5",
            "1;Player;Tsch\xfc" "ss.;;;6",
            "5;Kira;Antwort.;;;1",
            "6;Kira;Bis dann.;;;END",
            // F18: no index 7; G19..J19: broken commands (on a row never reached).
            "gespr\xe4" "ch_kaputt",
            "1;Kira;Hallo.;;;7 END",
            "2;Kira;Na?;;;;setflag Fehlt 1;hide 9;tanzen;runscript ScriptFehlt",
            // C21: a link said as it stands; F21: falls off the end; A20: no END.
            "gespr\xe4" "ch_offen",
            "1;Kira;$C3",
            // B23: nobody says it.
            "gespr\xe4" "ch_stumm",
            "1;;Wer spricht?;;;END",
            // A27: from index 3 round in a circle, though index 2 ends.
            "gespr\xe4" "ch_falle",
            "1;Kira;Los.;;;2 3",
            "2;Kira;Ende.;;;END",
            "3;Kira;Kreis.;;;4",
            "4;Kira;Und rund.;;;3",
            // A31: the index twice.
            "gespr\xe4" "ch_doppelt",
            "1;Kira;A.;;;END",
            "1;Kira;B.;;;END",
        });

        // Recordings for every spoken cell but two; one alias that works,
        // one that names a cell without a recording.
        content::sheets::EpisodeSheetSet loaded;
        const char* const files[] = {"itemSheet.csv", "itemCombineSheet.csv", "conversationSheet.csv",
                                     "genericSheet.csv"};
        for (std::size_t i = 0; i < loaded.size(); ++i)
            EXPECT_TRUE(loaded[i].Load((sheets / files[i]).string()));
        const std::filesystem::path talk = level / "audio" / "streamingtalk";
        for (const content::sheets::SpokenCell& cell : content::sheets::SpokenCells(loaded)) {
            std::filesystem::create_directories(talk / cell.sheet);
            const std::string id = cell.sheet + " " + cell.cell;
            if (id == "item B03")
                WriteFile(talk / cell.sheet / "B03.txt", "B02\r\n");
            else if (id == "generic A04")
                WriteFile(talk / cell.sheet / "A04.txt", "A09\r\n");
            else if (id != "generic A06" && id != "item C08" && id != "item C09")
                WriteFile(talk / cell.sheet / (cell.cell + ".OGG"), "OggS");
        }

        const std::filesystem::path story = Directory() / "story" / "episode3";
        std::filesystem::create_directories(story);
        WriteFile(story / "Episode3.cpp", R"source(// A made-up story step.
// Talk("itemSheet Z 99") in a comment is not looked at, /* nor SetFlag("X", 1) here */
class ScriptTest : public Script {
    void Run(const std::string& parameter) override
    {
        Talk("itemSheet B 2");
        Talk("itemSheet C 19");
        Talk("conversationSheet F 5");
        Talk("conversationSheet C 3");
        Talk("itemSheet B");
        SetFlag("TorOffen", 1);
        SetFlag("Muschel", 1);
        if (GetFlag("RoomA|Fehlt") == 1)
            End();
        Pickup("Muschel", true);
        AddItem("RoomA|Muschel");
        RemoveItem("Muschel");
        ChangeRoom("RoomA", 100, 200);
        ChangeRoom("RoomB", 1, 2);
        RunScript("ScriptGut");
        RunScriptAsync("ScriptFehlt");
        StartConversation("gespr\xe4" "ch_kira", 2);
        StartConversation("gespräch_kira"_w1252, 9);
        StartConversation("gespräch_kira");
        WalkTo("Player", 1, 2);
        WalkTo(parameter, 1, 2);
        TurnTo("Kira", 4);
        GoThrough("Kira");
        Use("RoomA|Tor");
        Examine("Baltasar");
        WaitForTalk("Muschel");
        UnhideIndex(10);
        HideIndex(77);
        RemoveItem(muschel);
        SetFlag(episode3::falsch, 1);
        Talk("itemSheet " + std::string("B") + " 2");
        SetFlag(doppelt, 1);
        End();
    }
};
const ScriptRegistration<ScriptTest> test("ScriptTest");
const char* const doppelt = "RoomA|Nix";
)source");
        WriteFile(story / "Names.h", R"source(
inline constexpr const char* muschel = "RoomA|Muschel";
inline constexpr const char* falsch = "RoomA|Fehlt2";
inline constexpr const char* doppelt = "RoomA|TorOffen";
)source");
        return EpisodeToCheck{Directory() / "data", 3, story, {"ScriptGut", "ScriptTest"}};
    }
};

TEST_F(SheetCheckerTest, FindsEachFaultOfAMadeUpEpisodeAndNothingElse)
{
    const std::string item = "level03/sprachscript/itemSheet.csv";
    const std::string combine = "level03/sprachscript/itemCombineSheet.csv";
    const std::string conversation = "level03/sprachscript/conversationSheet.csv";
    const std::string generic = "level03/sprachscript/genericSheet.csv";
    const std::string script = "episode3/Episode3.cpp";
    std::vector<Expected> expected = {
        {Check::reference, generic, "A05", "group #4 where #3 belongs"},
        {Check::reference, item, "A06", "key <mantel> belongs to no element of episode 3"},
        {Check::reference, combine, "C01", "key <stein>"},
        {Check::reference, item, "C03", "the link <$C19> leads to the empty cell C19"},
        {Check::reference, item, "C10", "<RoomA|Korb> would say <ausgang>, which acts only as the use line of a door"},
        {Check::reference, item, "B05", "names the generic group #5, which has no lines"},
        {Check::reference, item, "C05", "runs the script <ScriptFehlt>, which is not registered"},
        {Check::reference, item, "C06", "starts the conversation <gespr\xc3\xa4" "ch_fehlt>, which the conversation"},
        {Check::reference, combine, "C02", "the link <$Z1> cannot be read"},
        {Check::reference, conversation, "C21", "<$C3> is said as it stands"},
        {Check::conversation, conversation, "A08", "<gespr\xc3\xa4" "ch_schleife> can never reach END from its start"},
        {Check::conversation, conversation, "A11",
         "<gespr\xc3\xa4" "ch_wiederholt> cannot end when talked to again: every way to END takes an option whose "
         "target index (5, 6)"},
        {Check::conversation, conversation, "F18", "goes to index 7, which <gespr\xc3\xa4" "ch_kaputt> does not have"},
        {Check::conversation, conversation, "G19", "sets <Fehlt>, which is no flag of episode 3"},
        {Check::conversation, conversation, "H19", "hides the index 9, which <gespr\xc3\xa4" "ch_kaputt> does not"},
        {Check::conversation, conversation, "I19", "the command <tanzen> is none of"},
        {Check::conversation, conversation, "J19", "runs the script <ScriptFehlt>, which is not registered"},
        {Check::conversation, conversation, "F21", "runs past the last row of <gespr\xc3\xa4" "ch_offen> without END"},
        {Check::conversation, conversation, "A20", "<gespr\xc3\xa4" "ch_offen> can never reach END"},
        {Check::conversation, conversation, "B23", "is reached, but names no speaker"},
        {Check::conversation, conversation, "A27", "from this row <gespr\xc3\xa4" "ch_falle> can never reach END (nor "
                                                   "from 1 more rows)"},
        {Check::conversation, conversation, "A31", "index 1 stands here a second time; a jump finds only A30"},
        {Check::speaker, item, "B06", "<Baltasar> speaks here, but is neither \"Player\" nor a character"},
        {Check::recording, generic, "A04", "its alias level03/audio/streamingtalk/generic/A04.txt names A09, which has "
                                           "no recording"},
        {Check::recording, generic, "A06", "has no recording level03/audio/streamingtalk/generic/A06.ogg"},
        {Check::script, script, "line 7", "Talk: <itemSheet C 19> is an empty cell"},
        {Check::script, script, "line 8", "Talk: <conversationSheet F 5> is said, but is no spoken cell"},
        {Check::script, script, "line 10", "Talk: <itemSheet B> names no cell"},
        {Check::script, script, "line 12", "SetFlag: <Muschel> is no flag of episode 3 (it is of class Item)"},
        {Check::script, script, "line 13", "GetFlag: <RoomA|Fehlt> is no flag"},
        {Check::script, script, "line 17", "RemoveItem: name the item in full, <RoomA|Muschel>"},
        {Check::script, script, "line 19", "ChangeRoom: <RoomB|Room> is no room"},
        {Check::script, script, "line 21", "RunScriptAsync: <ScriptFehlt> is not a registered script"},
        {Check::script, script, "line 23", "StartConversation: <gespr\xc3\xa4" "ch_kira> has no index 9"},
        {Check::script, script, "line 24", "StartConversation: <gespr\xc3\xa4" "ch_kira> is a UTF-8 literal"},
        {Check::script, script, "line 28", "GoThrough: <Kira> is no door of episode 3 (it is of class Character)"},
        {Check::script, script, "line 30", "Examine: <Baltasar> is no character, door or item"},
        {Check::script, script, "line 31", "WaitForTalk: <Muschel> is no character"},
        {Check::script, script, "line 33", "HideIndex: no conversation has the index 77"},
        {Check::script, script, "line 35", "SetFlag: <RoomA|Fehlt2> is no flag"},
    };

    const std::vector<SheetFinding> findings = content::sheets::CheckEpisode(MadeUpEpisode());
    ExpectExactlyTheseFindings(findings, expected,
                               [](const Expected& wanted, const SheetFinding& finding) {
                                   return wanted.check == finding.check && wanted.file == finding.file &&
                                          wanted.place == finding.place &&
                                          finding.message.find(wanted.part) != std::string::npos;
                               },
                               [](const std::vector<SheetFinding>& list) { return Describe(list); });
}

// The episodes of the generated tree, each with its story scripts.
class GeneratedEpisodesTest : public HeadlessTest {
protected:
    static std::vector<EpisodeToCheck> Episodes()
    {
        LinkStandardScripts();
        const std::vector<std::string> registered = ScriptFactory::GetInstance().GetNames();
        const std::set<std::string> scripts(registered.begin(), registered.end());
        std::vector<EpisodeToCheck> episodes;
        for (int level = 1; level <= 6; ++level) {
            char folder[32];
            std::snprintf(folder, sizeof folder, "level%02d/sprachscript", level);
            const std::filesystem::path data = std::filesystem::path(ZEPHYRA_RUN_DIR) / "data";
            if (!std::filesystem::is_directory(data / folder))
                continue;
            const std::filesystem::path story =
                std::filesystem::path(ZEPHYRA_STORY_DIR) / ("episode" + std::to_string(level));
            episodes.push_back({data, level, std::filesystem::is_directory(story) ? story : std::filesystem::path(),
                                scripts});
        }
        return episodes;
    }

    // The findings of every episode that `wanted` selects.
    template <typename Select>
    static std::vector<SheetFinding> Findings(Select&& wanted)
    {
        std::vector<SheetFinding> selected;
        for (const EpisodeToCheck& episode : Episodes()) {
            for (const SheetFinding& finding : content::sheets::CheckEpisode(episode)) {
                if (wanted(finding))
                    selected.push_back(finding);
            }
        }
        return selected;
    }
};

TEST_F(GeneratedEpisodesTest, EverySheetAndStoryScriptNamesWhatExistsAndEveryConversationEnds)
{
    ASSERT_FALSE(Episodes().empty());
    const std::vector<SheetFinding> findings =
        Findings([](const SheetFinding& finding) { return finding.check != Check::recording; });
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n" << Describe(findings);
}

TEST_F(GeneratedEpisodesTest, EverySpokenCellHasItsRecording)
{
    const std::vector<SheetFinding> findings =
        Findings([](const SheetFinding& finding) { return finding.check == Check::recording; });
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings:\n" << Describe(findings);
}

} // namespace
