#include "AdventureFakes.h"
#include "adventure/AdventureLevel.h"
#include "adventure/Cast.h"
#include "adventure/Character.h"
#include "adventure/ConversationEngine.h"
#include "adventure/Flag.h"
#include "adventure/TalkScriptManager.h"
#include "audio/Randomizer.h"
#include "support/HeadlessTest.h"

#include <string>
#include <vector>

namespace {

// Two conversations. Kira's: a greeting that hides option 4, a choice block
// (2) with three options, an answer that sets a flag and leads to a second
// block (5), whose one option leads back to it; that block, then empty,
// returns to block 2. Mia's: one option whose answer leads back to its
// block, which then has nothing left.
const char* const conversationSheet =
    "gespr\xe4" "ch_kira;;;;;;\n"              // row 0
    "1;Kira;Hallo Juna.;;;;hide 4;tanzen 3\n"  // 1
    "2;x;;;;\n"                                // 2
    "2;Player;Wer bist du?;;;3\n"              // 3
    "2;Player;Was ist das?;;;4\n"              // 4
    "2;Player;Tsch\xfc\xdf.;;;END\n"           // 5
    "3;Kira;Ich bin Kira.;;;5;setflag Gefragt 7;setflag Gefragt\n" // 6
    "5;x;;;;\n"                                // 7
    "5;Player;Und weiter?;;;6\n"               // 8
    "6;Kira;Nichts weiter.;;;5;runscript ScriptKiraWinkt;unhide 4\n" // 9
    "4;Kira;Ein Kristall.;;;77\n"              // 10
    "gespr\xe4" "ch_mia;;;;;\n"                // 11
    "1;x;;;;\n"                                // 12
    "1;Player;Frage?;;;2\n"                    // 13
    "2;Mia;Antwort.;;;1\n";                    // 14

class ConversationTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        WriteFile("data/level01/sprachscript/itemSheet.csv", "Key;Ansehen;Benutzen\n");
        WriteFile("data/level01/sprachscript/itemCombineSheet.csv", ";\n");
        WriteFile("data/level01/sprachscript/conversationSheet.csv", conversationSheet);
        WriteFile("data/level01/sprachscript/genericSheet.csv", "#1\nHm.\n");
        ASSERT_TRUE(TalkScriptManager::GetInstance().Load(1));
        Randomizer::Seed(3);
        level.skipping = true; // no recorded speech
        AdventureLevel::SetCurrent(&level);
        Cast& cast = Cast::GetInstance();
        cast.Add(&player, "Player");
        cast.Add(&kira, "Deck|Kira");
        cast.Add(&mia, "Deck|Mia");
        cast.Add(&asked, "Global|Gefragt");
        player.SetPosition(100, 300);
        kira.SetPosition(400, 310);
        mia.SetPosition(120, 500);
    }
    void TearDown() override
    {
        AdventureLevel::SetCurrent(nullptr);
        LoggedTest::TearDown();
    }

    // Frames of 0.1 s as the level runs them: characters, then the engine.
    void Run(int frames)
    {
        for (int i = 0; i < frames; ++i) {
            player.Update(0.1f);
            kira.Update(0.1f);
            mia.Update(0.1f);
            engine.Update(0.1f);
        }
    }
    // Runs until the engine waits for a choice or has ended (at most 60 s).
    void RunToChoice()
    {
        for (int i = 0; i < 600 && engine.GetState() != ConversationEngine::choosing && engine.IsRunning(); ++i)
            Run(1);
    }
    std::vector<std::string> Offered() const
    {
        std::vector<std::string> texts;
        for (const ConversationEngine::Choice& choice : engine.GetChoices())
            texts.push_back(choice.text);
        return texts;
    }
    void Choose(const std::string& text)
    {
        for (const ConversationEngine::Choice& choice : engine.GetChoices()) {
            if (choice.text == text) {
                engine.OnClick(900, choice.top + ConversationEngine::choiceLineHeight - 1);
                return;
            }
        }
        ADD_FAILURE() << "not offered: " << text;
    }

    static std::string Log() { return ReadFile("debug.txt"); }

    ConversationEngine& engine = ConversationEngine::GetInstance();
    FakeLevel level;
    Character player;
    Character kira;
    Character mia;
    Flag asked;
};

} // namespace

TEST_F(ConversationTest, ChoicesHideTheirTargetsAndEmptyBlocksGoBack)
{
    engine.StartConversation("Gespr\xe4" "ch_Kira", -1);
    EXPECT_EQ(level.state, AdventureLevel::conversation);
    // The two face each other across their middle (250, 305): sideways.
    EXPECT_EQ(engine.GetState(), ConversationEngine::turning);
    EXPECT_EQ(player.GetTargetOrient(), Entity::right);
    EXPECT_EQ(kira.GetTargetOrient(), Entity::left);
    Run(5);
    EXPECT_EQ(engine.GetState(), ConversationEngine::speaking);
    EXPECT_TRUE(kira.IsTalking());

    // The greeting's commands hid option 4; a word no command has is logged.
    RunToChoice();
    ASSERT_EQ(engine.GetState(), ConversationEngine::choosing);
    EXPECT_EQ(Offered(), (std::vector<std::string>{"Wer bist du?", "Tsch\xfc\xdf."}));
    EXPECT_TRUE(Contains(Log(), "ConversationEngine::ParseCommand: Unknown Command <tanzen>!\n"));
    // Two options: lines at 59 - 15 = 44 and 59; the bar slides in from
    // -128 by (offset + 148) x dt x 10 a frame from the next one on: -108,
    // -68, 0.
    EXPECT_EQ(engine.GetChoices()[0].top, 44);
    EXPECT_EQ(engine.GetChoices()[1].top, 59);
    EXPECT_EQ(ConversationEngine::ChoiceTop(0, 3), 37);
    engine.SetMousePosition(0, 58);
    EXPECT_EQ(engine.GetHoveredChoice(), 0);
    engine.SetMousePosition(0, 74);
    EXPECT_EQ(engine.GetHoveredChoice(), -1);
    EXPECT_FLOAT_EQ(engine.GetOffset(), -128.0f);
    Run(1);
    EXPECT_FLOAT_EQ(engine.GetOffset(), -108.0f);
    Run(1);
    EXPECT_FLOAT_EQ(engine.GetOffset(), -68.0f);
    Run(1);
    EXPECT_FLOAT_EQ(engine.GetOffset(), 0.0f);
    engine.OnClick(0, 20); // above every line: nothing
    EXPECT_EQ(engine.GetState(), ConversationEngine::choosing);

    // The answer sets the flag (the second setflag lacks its value) and
    // opens block 5.
    Choose("Wer bist du?");
    EXPECT_TRUE(engine.IsHidden(3));
    EXPECT_TRUE(player.IsTalking());
    RunToChoice();
    EXPECT_EQ(asked.GetValue(), 7);
    EXPECT_TRUE(Contains(Log(), "ConversationEngine::ParseCommand: setflag failed, syntax error!\n"));
    EXPECT_EQ(Offered(), std::vector<std::string>{"Und weiter?"});
    EXPECT_EQ(engine.GetVisitedBlocks(), (std::vector<int>{2, 7}));

    // Kira's reply runs a script and waits for it, then unhides option 4;
    // block 5 has nothing left, so block 2 comes back with it.
    Choose("Und weiter?");
    for (int i = 0; i < 100 && engine.GetState() != ConversationEngine::waitingForScript; ++i)
        Run(1);
    EXPECT_EQ(level.scripts, std::vector<std::string>{"ScriptKiraWinkt()"});
    Run(10);
    EXPECT_EQ(engine.GetState(), ConversationEngine::waitingForScript);
    level.scriptsEnded = 1;
    RunToChoice();
    EXPECT_EQ(Offered(), (std::vector<std::string>{"Was ist das?", "Tsch\xfc\xdf."}));
    EXPECT_EQ(engine.GetVisitedBlocks(), std::vector<int>{2});

    // An index no row has ends the conversation with an error.
    Choose("Was ist das?");
    RunToChoice();
    EXPECT_FALSE(engine.IsRunning());
    EXPECT_EQ(level.state, AdventureLevel::normal);
    EXPECT_TRUE(Contains(Log(), "ConversationEngine::ParseNext: Goto failed(3)!\n"));

    // Hidden marks last: started again, only the farewell is left, and it
    // ends the conversation normally.
    engine.StartConversation("gespr\xe4" "ch_kira", 2);
    RunToChoice();
    EXPECT_EQ(Offered(), std::vector<std::string>{"Tsch\xfc\xdf."});
    Choose("Tsch\xfc\xdf.");
    RunToChoice();
    EXPECT_FALSE(engine.IsRunning());
    EXPECT_EQ(level.state, AdventureLevel::normal);
    EXPECT_EQ(CountOf(Log(), "ParseNext"), 1u);
}

TEST_F(ConversationTest, EndsCleanlyWhenEveryChoiceIsHidden)
{
    // Outside a conversation the marks cannot be set.
    engine.HideIndex(2);
    engine.UnhideIndex(2);
    EXPECT_TRUE(Contains(Log(), "ConversationEngine::HideIndex: Diese Funktion darf nur W\xc4"
                                "HREND einer conversation verwendet werden!\n"));
    EXPECT_TRUE(Contains(Log(), "ConversationEngine::UnhideIndex: Diese Funktion darf nur W\xc4"
                                "HREND einer conversation verwendet werden!\n"));
    EXPECT_FALSE(engine.IsHidden(2));

    // Unknown names and start indices leave the level as it was.
    engine.StartConversation("gespr\xe4" "ch_lotte", -1);
    engine.StartConversation("gespr\xe4" "ch_mia", 9);
    EXPECT_FALSE(engine.IsRunning());
    EXPECT_EQ(level.state, AdventureLevel::normal);
    EXPECT_TRUE(Contains(Log(), "ConversationEngine::StartConversation: gespr\xe4"
                                "ch_lotte not found in conversationSheet!\n"));
    EXPECT_TRUE(Contains(Log(), "ConversationEngine::StartConversation: Failed to jump to start-index 9!\n"));

    // Mia's one option leads back to its block, which is then empty: with
    // no block before it the conversation ends instead of waiting.
    engine.StartConversation("gespr\xe4" "ch_mia", -1);
    RunToChoice();
    ASSERT_EQ(Offered(), std::vector<std::string>{"Frage?"});
    Choose("Frage?");
    RunToChoice();
    EXPECT_FALSE(engine.IsRunning());
    EXPECT_EQ(level.state, AdventureLevel::normal);
    EXPECT_TRUE(Contains(Log(), "ConversationEngine::ParseNext: Something wrong, num of dialogIndicies is zero!\n"));
    // Started at the answer, it ends the same way at once.
    engine.StartConversation("gespr\xe4" "ch_mia", 2);
    RunToChoice();
    EXPECT_FALSE(engine.IsRunning());
    EXPECT_EQ(CountOf(Log(), "num of dialogIndicies is zero"), 2u);
    // The bar slides out and draws nothing once hidden.
    Run(20);
    EXPECT_FLOAT_EQ(engine.GetOffset(), ConversationEngine::hiddenOffset);
}
