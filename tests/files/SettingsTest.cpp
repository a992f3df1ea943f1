#include "app/Debug.h"
#include "files/SettingsManager.h"
#include "support/HeadlessTest.h"

class SettingsTest : public LoggedTest {};

TEST_F(SettingsTest, ReadsTypedValuesOnceAndCachesThem)
{
    WriteFile("data/config.txt", "# display\n"
                                 "screenwidth 1024\n"
                                 "fullscreen\t1\n"
                                 "characterScale 0.75 extra\n"
                                 "startGameState GameRuvIdMenu\n"
                                 "odd notanumber\n");
    SettingsManager& settings = SettingsManager::GetInstance();
    ASSERT_TRUE(settings.LoadSettings("data\\config.txt"));
    EXPECT_EQ(settings.GetInt("screenwidth"), 1024);
    EXPECT_EQ(settings.GetInt("SCREENWIDTH"), 1024);
    EXPECT_TRUE(settings.GetBool("fullscreen"));
    EXPECT_FLOAT_EQ(settings.GetFloat("characterScale"), 0.75f);
    EXPECT_EQ(settings.GetString("startGameState"), "GameRuvIdMenu");
    EXPECT_EQ(settings.GetInt("odd"), -1);  // not a number
    EXPECT_TRUE(settings.GetBool("odd"));   // -1 is not 0
    EXPECT_EQ(settings.GetTokens("characterScale").Count(), 3);

    // Loaded once: a changed file or a second load changes nothing, and a
    // value once read comes from the cache.
    WriteFile("data/config.txt", "screenwidth 640\n");
    EXPECT_TRUE(settings.LoadSettings("data\\config.txt"));
    EXPECT_EQ(settings.GetInt("screenwidth"), 1024);

    // A missing setting is a warning, once.
    EXPECT_EQ(settings.GetInt("activeLevel"), 0);
    EXPECT_EQ(settings.GetInt("activeLevel"), 0);
    EXPECT_EQ(settings.GetString("nothing", "video"), "");
    EXPECT_EQ(ReadFile("debug.txt"),
              "***WARNING: SettingsManager: Could not find setting <activeLevel> in section <>\n"
              "***WARNING: SettingsManager: Could not find setting <nothing> in section <video>\n");
}

TEST_F(SettingsTest, FindsSettingsInsideSections)
{
    WriteFile("video.txt", "screendepth 16\n"
                           "  # indented: not a comment\n"
                           "SECTION\n"
                           "section Video\n"
                           "ScreenDepth 32\n"
                           "EndSection\n"
                           "SECTION audio\n"
                           "volume 80\n"
                           "ENDSECTION\n"
                           "#volume 10\n"
                           "gamma 2\n");
    SettingsFile file;
    ASSERT_TRUE(file.Load("video.txt"));
    std::string line;
    ASSERT_TRUE(file.FindLine("screendepth", nullptr, line));
    EXPECT_EQ(line, "screendepth 16");
    ASSERT_TRUE(file.FindLine("SCREENDEPTH", "VIDEO", line));
    EXPECT_EQ(line, "ScreenDepth 32");
    ASSERT_TRUE(file.FindLine("volume", "audio", line));
    EXPECT_FALSE(file.FindLine("volume", "video", line));
    EXPECT_FALSE(file.FindLine("gamma", "video", line));
    ASSERT_TRUE(file.FindLine("#", nullptr, line));
    EXPECT_EQ(line, "  # indented: not a comment");
    // Every search that passes the nameless "SECTION" line says so.
    std::string expected;
    for (int search = 0; search < 4; ++search)
        expected += "***WARNING: Section defined without name\n";
    EXPECT_EQ(ReadFile("debug.txt"), expected);
}

TEST_F(SettingsTest, AnswersFromTheFirstFileThatHasTheKey)
{
    WriteFile("a.txt", "shared 1\nonlyA 5\n");
    WriteFile("b.txt", "shared 2\nonlyB 6\n");
    SettingsManager& settings = SettingsManager::GetInstance();
    ASSERT_TRUE(settings.LoadSettings("a.txt"));
    ASSERT_TRUE(settings.LoadSettings("b.txt"));
    EXPECT_EQ(settings.GetInt("shared"), 1);
    EXPECT_EQ(settings.GetInt("onlyB"), 6);

    EXPECT_FALSE(settings.LoadSettings("data\\missing.txt"));
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: Settings::Load could not open file <data\\missing.txt>\n"
                                     "***ERROR: SettingsManager::LoadSettings: could not load settings <data\\missing.txt>\n");
}

TEST_F(SettingsTest, CutsLinesLongerThanTheBound)
{
    WriteFile("long.txt", "key " + std::string(5000, '7') + "\nnext 1\r\n");
    SettingsFile file;
    ASSERT_TRUE(file.Load("long.txt"));
    ASSERT_EQ(file.GetLines().size(), 2u);
    EXPECT_EQ(file.GetLines()[0].size(), SettingsFile::maximumLineLength);
    EXPECT_EQ(file.GetLines()[1], "next 1");
}

TEST(StringTokens, SplitsAndConverts)
{
    StringTokens tokens("  sprite\t 12  -3.5  x7 \t", StringTokens::whitespace);
    EXPECT_EQ(tokens.Count(), 4);
    EXPECT_EQ(tokens.NextString(), "sprite");
    EXPECT_EQ(tokens.NextInt(), 12);
    EXPECT_FLOAT_EQ(tokens.NextFloat(), -3.5f);
    EXPECT_EQ(tokens.Remaining(), 1);
    EXPECT_EQ(tokens.NextInt(), -1);
    EXPECT_EQ(tokens.Remaining(), 0);
    EXPECT_EQ(tokens.NextString(), "");
    EXPECT_FALSE(tokens.NextBool());
    EXPECT_EQ(tokens.StringAt(9), "");
    EXPECT_EQ(tokens.IntAt(-1), 0);
    EXPECT_FLOAT_EQ(tokens.FloatAt(4), 0.0f);
    EXPECT_EQ(tokens.IntAt(2), -3);
    EXPECT_EQ(StringTokens::ToInt("99999999999"), 2147483647);
    EXPECT_EQ(StringTokens("a;b;;c", ";").Count(), 3);
    EXPECT_EQ(StringTokens("").Count(), 0);
}
