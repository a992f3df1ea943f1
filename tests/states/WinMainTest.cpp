#include "GameParameters.h"
#include "HighscoreManager.h"
#include "WinMain.h"
#include "app/DX3Application.h"
#include "app/Singleton.h"
#include "files/SettingsManager.h"
#include "support/HeadlessTest.h"

#include <string>

class WinMainTest : public HeadlessTest {};

TEST_F(WinMainTest, MissingOrUnusableShellKeysKeepTheirDefaults)
{
    WriteFile("data/config.txt", "screenwidth 1024\n"
                                 "screendepth -5\n"
                                 "fullscreen 1\n");
    StartLog();
    ASSERT_TRUE(SettingsManager::GetInstance().LoadSettings("data\\config.txt"));
    CharacterScale = 0.5f;
    const ApplicationSettings settings = ReadShellConfiguration();
    EXPECT_EQ(CharacterScale, 1.0f);
    EXPECT_EQ(settings.width, 1024);
    EXPECT_EQ(settings.height, 600);
    EXPECT_EQ(settings.depth, 16);
    EXPECT_TRUE(settings.fullScreen);
    EXPECT_EQ(settings.windowTitle, "Astrokutter Zephyra");
    EXPECT_EQ(settings.windowClassName, "Astrokutter Zephyra");
    EXPECT_EQ(ReadFile("debug.txt"),
              "***WARNING: SettingsManager: Could not find setting <characterScale> in section <>\n"
              "***WARNING: SettingsManager: Could not find setting <screenheight> in section <>\n"
              "***WARNING: SettingsManager: Could not find setting <integerScaling> in section <>\n");
    EXPECT_FALSE(settings.integerScaling);

    SingletonRegistry::DestroyAll();
    StartLog();
    WriteFile("data/config.txt", "characterScale 0.75\nintegerScaling 1\n");
    ASSERT_TRUE(SettingsManager::GetInstance().LoadSettings("data\\config.txt"));
    EXPECT_TRUE(ReadShellConfiguration().integerScaling);
    EXPECT_EQ(CharacterScale, 0.75f);

    // A scale beyond any use, infinite or not a number, is refused with a
    // log line (found by fuzzing config.txt): every figure's drawn size
    // would overflow.
    for (const char* scale : {"inf", "1e30", "nan"}) {
        SingletonRegistry::DestroyAll();
        StartLog();
        WriteFile("data/config.txt", std::string("characterScale ") + scale + "\n");
        ASSERT_TRUE(SettingsManager::GetInstance().LoadSettings("data\\config.txt"));
        ReadShellConfiguration();
        EXPECT_EQ(CharacterScale, 1.0f) << scale;
    }
    EXPECT_NE(ReadFile("debug.txt").find("ReadShellConfiguration: characterScale"), std::string::npos);
}

TEST_F(WinMainTest, TheStartTakesHighscoresAndTheSavedDisplayMode)
{
    WriteFile("data/config.txt", "screenwidth 800\nscreenheight 600\nscreendepth 16\nfullscreen 1\ncharacterScale 1\n");
    ASSERT_TRUE(SettingsManager::GetInstance().LoadSettings("data\\config.txt"));
    ApplicationSettings settings = ReadStartSettings();
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.depth, 16);
    EXPECT_EQ(GameParameters::GetInstance().GetDisplayMode().depth, 16);

    GameParameters::GetInstance().SetDisplayMode({1024, 768, 32});
    ASSERT_TRUE(GameParameters::GetInstance().Save());
    HighscoreManager::GetInstance().GetTable(0).Insert("Ute", 9999);
    ASSERT_TRUE(HighscoreManager::GetInstance().Save());
    SingletonRegistry::DestroyAll();
    ASSERT_TRUE(SettingsManager::GetInstance().LoadSettings("data\\config.txt"));
    settings = ReadStartSettings();
    EXPECT_EQ(settings.width, 1024);
    EXPECT_EQ(settings.height, 768);
    EXPECT_EQ(settings.depth, 32);
    EXPECT_TRUE(settings.fullScreen);
    EXPECT_EQ(HighscoreManager::GetInstance().GetTable(0).GetName(0), "Ute");
}
