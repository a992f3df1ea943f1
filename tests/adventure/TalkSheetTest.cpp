#include "Script.h"
#include "ScriptManager.h"
#include "AdventureFakes.h"
#include "adventure/AdventureLevel.h"
#include "adventure/Cast.h"
#include "adventure/Character.h"
#include "adventure/ConversationEngine.h"
#include "adventure/TalkScriptManager.h"
#include "audio/Randomizer.h"
#include "support/HeadlessTest.h"

#include <set>
#include <string>
#include <vector>

namespace {

const char* const folder = "data/level01/sprachscript/";

// A script that has the sheets perform one cell.
class ScriptTestTalk : public Script {
    void Run(const std::string& cell) override
    {
        Talk(cell);
        End();
    }
};
const ScriptRegistration<ScriptTestTalk> talkRegistration("ScriptTestTalk");

// Four hand-made sheets of episode 1 (Windows-1252 text), the player and
// Kira in the cast, and a level that records the scripts it is asked to run.
class TalkSheetTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        WriteFile(std::string(folder) + "itemSheet.csv",
                  "Key;Ansehen;Benutzen\n"
                  "Kristall;Er funkelt.;>ScriptNimmKristall\n"
                  "Kira;#3;Gespr\xe4" "ch_Kira\n"
                  "Luke;$b2;$Z9\n"
                  "Kiste;;Kira: Hallo!\n"
                  "Seil;#9;Kara: Wer?\n");
        WriteFile(std::string(folder) + "itemCombineSheet.csv",
                  ";Kristall;Seil\n"
                  "Luke;Passt nicht.;#2\n");
        WriteFile(std::string(folder) + "conversationSheet.csv",
                  "gespr\xe4" "ch_kira;;;;;\n"
                  "1;Kira;Ja?;;;END\n");
        WriteFile(std::string(folder) + "genericSheet.csv",
                  "#1\nEins a\nEins b\n#2\nZwei a\n#3\nDrei a\nDrei b\nDrei c\n");
        Randomizer::Seed(11);
        level.skipping = true; // no recorded speech
        AdventureLevel::SetCurrent(&level);
        Cast::GetInstance().Add(&player, "Player");
        Cast::GetInstance().Add(&kira, "Deck|Kira");
    }
    void TearDown() override
    {
        AdventureLevel::SetCurrent(nullptr);
        LoggedTest::TearDown();
    }

    void Silence()
    {
        player.StopSpeech();
        kira.StopSpeech();
    }

    static std::string Log() { return ReadFile("debug.txt"); }

    FakeLevel level;
    Character player;
    Character kira;
};

} // namespace

TEST_F(TalkSheetTest, LooksUpLinesByKeyAndGenericGroup)
{
    TalkScriptManager& talk = TalkScriptManager::GetInstance();
    ASSERT_TRUE(talk.Load(1));

    // Numbered copies and grouped names share the row of the bare key.
    const TalkEntry examine = talk.GetExamine("Deck|Kristall12");
    EXPECT_EQ(examine.text, "Er funkelt.");
    EXPECT_EQ(examine.sheet, "item");
    EXPECT_EQ(examine.cell, "B02");
    EXPECT_EQ(talk.GetUse("Kristall").cell, "C02");
    EXPECT_TRUE(talk.GetUse("Deck|Kristallkugel").IsEmpty());
    EXPECT_TRUE(talk.GetExamine("12").IsEmpty()); // the empty key is no row's

    const TalkEntry combine = talk.GetCombine("Kristall3", "Deck|Luke");
    EXPECT_EQ(combine.text, "Passt nicht.");
    EXPECT_EQ(combine.sheet, "itemcombine");
    EXPECT_EQ(combine.cell, "B02");
    EXPECT_TRUE(talk.GetCombine("Luke", "Kristall").IsEmpty());

    // "#3" draws from group 3 only (rows 7 to 9), "#2" from its one line.
    std::set<std::string> drawn;
    for (int i = 0; i < 60; ++i) {
        const TalkEntry line = talk.GetExamine("Kira");
        EXPECT_EQ(line.sheet, "generic");
        drawn.insert(line.cell + " " + line.text);
    }
    EXPECT_EQ(drawn, (std::set<std::string>{"A07 Drei a", "A08 Drei b", "A09 Drei c"}));
    const TalkEntry second = talk.GetCombine("Seil", "Luke");
    EXPECT_EQ(second.text, "Zwei a");
    EXPECT_EQ(second.cell, "A05");
    // A group the sheet lacks gives nothing.
    EXPECT_TRUE(talk.GetExamine("Seil").text.empty());

    // Cells named by scripts: sheet names in any case, column a to z.
    EXPECT_EQ(talk.GetCellEntry("ITEMSHEET c 5").text, "Kira: Hallo!");
    EXPECT_EQ(talk.GetCellEntry("genericSheet A 5").cell, "A05");
    EXPECT_TRUE(talk.GetCellEntry("itemSheet 5 C").IsEmpty());
    EXPECT_TRUE(talk.GetCellEntry("notesSheet A 1").IsEmpty());
    EXPECT_TRUE(talk.GetCellEntry("itemSheet A 0").IsEmpty());
    EXPECT_TRUE(Contains(Log(), "TalkScriptManager::Talk: Cell reference <itemSheet 5 C> couldn't be parsed!\n"));

    // A missing sheet stops the loading; the sheets before it are there.
    std::filesystem::remove(std::string(folder) + "conversationSheet.csv");
    EXPECT_FALSE(talk.Load(1));
    EXPECT_EQ(talk.GetExamine("Kristall").text, "Er funkelt.");
    EXPECT_TRUE(Contains(Log(), "ExcelSheet::Load: Failed to open file "
                                "<data\\level01\\sprachscript\\conversationSheet.csv>!\n"));
}

TEST_F(TalkSheetTest, PerformsScriptsConversationsLinksAndSpeakers)
{
    TalkScriptManager& talk = TalkScriptManager::GetInstance();
    ASSERT_TRUE(talk.Load(1));

    // ">" runs the script and nobody speaks.
    talk.Perform(talk.GetUse("Kristall"));
    EXPECT_EQ(level.scripts, std::vector<std::string>{"ScriptNimmKristall()"});
    EXPECT_FALSE(player.IsTalking());

    // "gespräch_" starts that conversation; the level enters its state.
    talk.Perform(talk.GetUse("Kira"));
    EXPECT_NE(ConversationEngine::GetInstance().GetState(), ConversationEngine::none);
    EXPECT_EQ(level.state, AdventureLevel::conversation);
    ConversationEngine::GetInstance().Reset();

    // A link leads to the cell it names: "Er funkelt." (11 characters) by
    // the player, 11 x 0.05 + 0.7 seconds.
    talk.Perform(talk.GetExamine("Luke"));
    EXPECT_FLOAT_EQ(player.GetTalkTime(), 1.25f);
    Silence();
    // A link that cannot be read is logged and nothing is said.
    talk.Perform(talk.GetUse("Luke"));
    EXPECT_FALSE(player.IsTalking());
    EXPECT_TRUE(Contains(Log(), "TalkScriptManager::PerformLink: Link <$Z9> couldn't be paresed!\n"));
    talk.Perform(TalkEntry{"$B2", "", ""});
    EXPECT_EQ(CountOf(Log(), "couldn't be paresed"), 2u);
    EXPECT_FALSE(player.IsTalking());

    // An empty line: the player says a group-1 remark ("Eins a" or
    // "Eins b", 6 characters).
    talk.Perform(talk.GetExamine("Kiste"));
    EXPECT_FLOAT_EQ(player.GetTalkTime(), 1.0f);

    // "Kira: Hallo!": Kira says " Hallo!" and silences the player first.
    talk.Perform(talk.GetUse("Kiste"));
    EXPECT_FLOAT_EQ(kira.GetTalkTime(), 1.05f);
    EXPECT_FALSE(player.IsTalking());
    // Unless she does not interrupt: then both speak.
    talk.Perform(TalkEntry{"Ja.", "item", "B02"});
    kira.SetInterruptsSpeech(false);
    talk.Talk("itemSheet C 5");
    EXPECT_TRUE(player.IsTalking());
    EXPECT_TRUE(kira.IsTalking());
    Silence();

    // A speaker nobody knows: logged, nobody speaks.
    talk.Perform(talk.GetUse("Seil"));
    EXPECT_FALSE(player.IsTalking());
    EXPECT_FALSE(kira.IsTalking());
    EXPECT_TRUE(Contains(Log(), "TalkScriptManager::Perform: Couldn't find character <Kara>!\n"));

    // A script names a cell by sheet, column and row: "Er funkelt." again.
    ASSERT_TRUE(ScriptManager::GetInstance().Run("ScriptTestTalk", "itemSheet B 2"));
    ScriptManager::GetInstance().Update(0.01f);
    EXPECT_FLOAT_EQ(player.GetTalkTime(), 1.25f);
}
