#include "DefaultHighscores.h"
#include "HighscoreManager.h"
#include "PlayerFileTest.h"
#include "app/Singleton.h"
#include "platform/Windows1252.h"

#include <array>
#include <climits>

namespace {

// The default scores of the four tables, best first.
constexpr std::array<std::array<int, 10>, 4> defaultScores = {{
    {2000, 1800, 1700, 1600, 1500, 1400, 1300, 1200, 1100, 1000},
    {3000, 2800, 2600, 2400, 2200, 2000, 1800, 1600, 1400, 1200},
    {5000, 4800, 4700, 4600, 4500, 4400, 4300, 4200, 4100, 4000},
    {1200, 1100, 1000, 900, 800, 750, 700, 600, 550, 500},
}};

// The default tables as highscores.dat holds them in plain text.
std::string DefaultFileText()
{
    std::string text = "107\n";
    for (const auto& scores : defaultScores) {
        for (std::size_t entry = 0; entry < scores.size(); ++entry)
            text += std::to_string(scores[entry]) + " name:" + defaultHighscoreNames[entry] + "\n";
    }
    return text;
}

HighscoreManager& Manager()
{
    return HighscoreManager::GetInstance();
}

void ExpectDefaultTables()
{
    for (int key = 0; key < 4; ++key) {
        const HighscoreTable& table = Manager().GetTable(key);
        ASSERT_EQ(table.GetCapacity(), 10);
        for (int entry = 0; entry < 10; ++entry) {
            EXPECT_EQ(table.GetScore(entry), defaultScores[key][entry]);
            EXPECT_EQ(table.GetName(entry), defaultHighscoreNames[entry]);
        }
    }
}

class HighscoreTest : public LoggedTest {};

} // namespace

TEST_F(HighscoreTest, InsertingPutsNewScoresAboveEqualOnes)
{
    HighscoreTable& dance = Manager().GetTable(0);
    EXPECT_EQ(dance.Insert("Zo\xEB", 1700), 2); // equal to the third entry
    EXPECT_EQ(dance.GetName(2), "Zo\xEB");
    EXPECT_EQ(dance.GetName(3), "Rocko");
    EXPECT_EQ(dance.GetScore(9), 1100); // 1000 has dropped out
    EXPECT_EQ(dance.GetName(9), "Baron");

    EXPECT_FALSE(dance.IsHighscore(1099));
    EXPECT_TRUE(dance.IsHighscore(1100));
    EXPECT_EQ(dance.Insert("Ute", 1099), 10);
    EXPECT_EQ(dance.GetScore(9), 1100);
    EXPECT_EQ(dance.GetName(10), "");

    dance.Clear();
    EXPECT_EQ(dance.Insert("", 0), 0);
    EXPECT_EQ(dance.Insert("Ute", -1), 10);

    EXPECT_FALSE(HighscoreTable(0).IsHighscore(INT_MAX));
    EXPECT_EQ(HighscoreTable(0).Insert("Ute", 5), 0);
    EXPECT_EQ(Manager().GetTable(7).GetScore(9), 0); // created empty
}

TEST_F(HighscoreTest, NamesAreRefusedNotMangled)
{
    HighscoreTable table;
    const std::string longest(HighscoreTable::maximumNameLength, 'x');
    EXPECT_EQ(table.Insert(longest, 5), 0);
    for (const std::string& refused : {longest + "x", std::string("Tab\t"), std::string("Zeile\n"),
                                       std::string("A&B"), std::string("\x81"), std::string("\x80uro")}) {
        EXPECT_EQ(table.Insert(refused, 9), 10) << refused;
        EXPECT_FALSE(table.SetName(0, refused)) << refused;
    }
    EXPECT_EQ(table.GetName(0), longest);
    EXPECT_TRUE(table.SetName(0, "Kapit\xE4n|"));
    EXPECT_FALSE(table.SetName(10, "Ute"));

    std::string name = "unchanged";
    EXPECT_TRUE(HighscoreTable::NameFromUtf8("Jürgen", name));
    EXPECT_EQ(name, "J\xFCrgen");
    EXPECT_FALSE(HighscoreTable::NameFromUtf8("Łukasz", name));
    EXPECT_FALSE(HighscoreTable::NameFromUtf8("Kalani 🌺", name));
    EXPECT_EQ(name, "J\xFCrgen");
}

TEST_F(HighscoreTest, SavesScrambledTablesAndReadsThemBack)
{
    ExpectDefaultTables();
    ASSERT_TRUE(Manager().Save());
    EXPECT_EQ(ReadFile("highscores.dat"), Scrambled(DefaultFileText()));

    // The longest name with the longest score still fits its line.
    const std::string longest(HighscoreTable::maximumNameLength, 'x');
    EXPECT_EQ(Manager().GetTable(3).Insert(longest, INT_MAX), 0);
    Manager().GetTable(1).Insert("Zo\xEB", 2800);
    ASSERT_TRUE(Manager().Save());
    SingletonRegistry::DestroyAll();
    StartLog();
    ASSERT_TRUE(Manager().Load());
    EXPECT_EQ(Manager().GetTable(1).GetName(1), "Zo\xEB");
    EXPECT_EQ(Manager().GetTable(1).GetName(2), defaultHighscoreNames[1]);
    EXPECT_EQ(Manager().GetTable(3).GetName(0), longest);
    EXPECT_EQ(Manager().GetTable(3).GetScore(0), INT_MAX);
    EXPECT_EQ(Manager().GetTable(3).GetName(9), defaultHighscoreNames[8]);
    EXPECT_EQ(Manager().GetTable(3).GetScore(9), 550);
    EXPECT_EQ(Manager().GetTable(0).GetScore(0), 2000);
    EXPECT_EQ(ReadFile("debug.txt"), "");

    // A hand-edited file comes back sorted; the name is all after the
    // first "name:".
    std::string text = "107 tables\r\n";
    for (int key = 0; key < 4; ++key) {
        for (int entry = 0; entry < 10; ++entry)
            text += std::to_string(entry * 10 + key) + "  name:P" + std::to_string(entry) + "\r\n";
    }
    text.replace(text.find("0  name:P0"), 10, "7 x name:Dr. Who: name:2");
    WriteFile("highscores.dat", Scrambled(text));
    ASSERT_TRUE(Manager().Load());
    const HighscoreTable& dance = Manager().GetTable(0);
    EXPECT_EQ(dance.GetScore(0), 90);
    EXPECT_EQ(dance.GetName(0), "P9");
    EXPECT_EQ(dance.GetScore(8), 10);
    EXPECT_EQ(dance.GetName(8), "P1");
    EXPECT_EQ(dance.GetScore(9), 7);
    EXPECT_EQ(dance.GetName(9), "Dr. Who: name:2");
    EXPECT_EQ(Manager().GetTable(3).GetScore(9), 3);
}

TEST_F(HighscoreTest, RefusesDamagedFilesWholeAndKeepsTheTables)
{
    EXPECT_FALSE(Manager().Load()); // a fresh installation: no file, no complaint
    EXPECT_EQ(ReadFile("debug.txt"), "");

    const std::string good = DefaultFileText();
    const std::size_t lastLine = good.rfind('\n', good.size() - 2) + 1;
    std::string expectedLog;
    const auto refused = [&](const std::string& text, const std::string& reason) {
        WriteFile("highscores.dat", Scrambled(text));
        EXPECT_FALSE(Manager().Load());
        expectedLog += "***WARNING: HighscoreManager::Load: " + reason + " <highscores.dat>\n";
    };
    const std::string damagedLast = "Line 41 is missing or damaged, the tables stay as they were";
    refused(good.substr(0, lastLine), damagedLast);
    refused(good.substr(0, lastLine) + "500 Schleimi\n", damagedLast);
    refused(good.substr(0, lastLine) + "viel name:Schleimi\n", damagedLast);
    refused(good.substr(0, lastLine) + "500 name:Schl\x81imi\n", damagedLast);
    refused(good.substr(0, lastLine) + "500 name:" + std::string(191, 's') + "\n", damagedLast);
    refused("106" + good.substr(3), "Not a highscore file of version 107");
    refused("", "Not a highscore file of version 107");
    WriteFile("highscores.dat", good); // never scrambled
    EXPECT_FALSE(Manager().Load());
    expectedLog += "***WARNING: HighscoreManager::Load: Not a highscore file of version 107 <highscores.dat>\n";
    EXPECT_EQ(ReadFile("debug.txt"), expectedLog);
    ExpectDefaultTables();
}

TEST_F(HighscoreTest, AFailedSaveKeepsThePreviousFile)
{
    ExpectAFailedSaveToKeepTheFile<HighscoreManager>("HighscoreManager", [] { Manager().GetTable(2).Insert("Ute", 9999); });
}
