#include "GameParameters.h"
#include "PlayerFileTest.h"
#include "app/Singleton.h"
#include "audio/SoundEngine.h"
#include "graphics/SpeechBubbleDisplay.h"

#include <vector>

namespace {

// A file as the game writes it, with one line replaced when asked.
std::string OptionsText(int replacedLine = 0, const std::string& replacement = "")
{
    const std::vector<std::string> lines = {
        "version 103",         "difficulty 1",      "lightmapping 0",     "minigame1 1",
        "minigame2 0",         "minigame3 1",       "minigame4 0",        "speechbubble_disp 0",
        "sfx_vol 0.500000",    "music_vol 0.250000", "speech_vol 1.000000", "ambient_vol 0.000000",
        "screen_width 1024",   "screen_height 768", "screen_depth 24"};
    std::string text;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        if (static_cast<int>(line) + 1 != replacedLine)
            text += lines[line] + "\n";
        else if (!replacement.empty())
            text += replacement + "\n";
    }
    return text;
}

GameParameters& Parameters()
{
    return GameParameters::GetInstance();
}

void ExpectDefaults()
{
    EXPECT_EQ(Parameters().GetDifficulty(), 0);
    EXPECT_TRUE(Parameters().IsLightMapping());
    for (int minigame = 0; minigame < GameParameters::minigameCount; ++minigame)
        EXPECT_FALSE(Parameters().IsMinigameUnlocked(minigame));
    EXPECT_TRUE(SpeechBubbleDisplay::GetInstance().IsEnabled());
    for (int group = 0; group < soundGroupCount; ++group)
        EXPECT_EQ(SoundEngine::GetInstance().GetGroupVolume(group), 1.0f);
    EXPECT_EQ(Parameters().GetDisplayMode().width, 800);
}

class GameParametersTest : public LoggedTest {};

} // namespace

TEST_F(GameParametersTest, SavesFifteenScrambledLinesAndReadsThemBack)
{
    Parameters().SetDifficulty(1);
    Parameters().SetDifficulty(3); // refused
    Parameters().SetLightMapping(false);
    Parameters().SetMinigameUnlocked(0, true);
    Parameters().SetMinigameUnlocked(2, true);
    Parameters().SetMinigameUnlocked(4, true); // no such minigame
    SpeechBubbleDisplay::GetInstance().SetEnabled(false);
    SoundEngine::GetInstance().SetGroupVolume(soundGroupMusic, 0.25f);
    SoundEngine::GetInstance().SetGroupVolume(soundGroupEffects, 0.5f);
    SoundEngine::GetInstance().SetGroupVolume(soundGroupAmbient, 0.0f);
    Parameters().SetDisplayMode({1024, 768, 24});
    ASSERT_TRUE(Parameters().Save());
    EXPECT_EQ(ReadFile("options.dat"), Scrambled(OptionsText()));
    EXPECT_FALSE(std::filesystem::exists("options.dat.new"));

    // Read into fresh services, every value lands where it lives: saving
    // again gives the same file.
    SingletonRegistry::DestroyAll();
    StartLog();
    ExpectDefaults();
    ASSERT_TRUE(Parameters().Load());
    EXPECT_EQ(Parameters().GetDifficulty(), 1);
    EXPECT_EQ(SoundEngine::GetInstance().GetGroupVolume(soundGroupMusic), 0.25f);
    std::filesystem::remove("options.dat");
    ASSERT_TRUE(Parameters().Save());
    EXPECT_EQ(ReadFile("options.dat"), Scrambled(OptionsText()));
    EXPECT_EQ(ReadFile("debug.txt"), "");

    // A hand-written file counts by the order of its lines: keys misspelled,
    // Windows line ends, any non-zero flag, no line end at the end.
    WriteFile("options.dat", Scrambled("vers 103\r\nx 2\r\nlightmapping -4\r\nm 0\nm 0\nm 0\nm 1\ns 1\n"
                                       "s 0.1\nm 0.2\ns 0.3\na 0.4\nw 800\nh 600\nd 32"));
    ASSERT_TRUE(Parameters().Load());
    EXPECT_EQ(Parameters().GetDifficulty(), 2);
    EXPECT_TRUE(Parameters().IsLightMapping());
    EXPECT_TRUE(Parameters().IsMinigameUnlocked(3));
    EXPECT_FALSE(Parameters().IsMinigameUnlocked(0));
    EXPECT_TRUE(SpeechBubbleDisplay::GetInstance().IsEnabled());
    EXPECT_EQ(SoundEngine::GetInstance().GetGroupVolume(soundGroupEffects), 0.1f);
    EXPECT_EQ(SoundEngine::GetInstance().GetGroupVolume(soundGroupAmbient), 0.4f);
    EXPECT_EQ(Parameters().GetDisplayMode().depth, 32);
}

TEST_F(GameParametersTest, RefusesDamagedFilesWholeAndKeepsTheOptions)
{
    EXPECT_FALSE(Parameters().Load()); // a fresh installation: no file, no complaint
    EXPECT_EQ(ReadFile("debug.txt"), "");

    struct Damage {
        int line;
        std::string replacement;
        int reportedLine;
    };
    const std::vector<Damage> damages = {
        {2, "difficulty 3", 2},        {2, "difficulty", 2},         {2, "difficulty 1x", 2},
        {6, "", 15},                   {9, "sfx_vol 1.5", 9},        {10, "music_vol nan", 10},
        {11, "speech_vol -0.1", 11},   {13, "screen_width 640", 13}, {15, "screen_depth 8", 13},
        {15, "", 15},                  {14, std::string(300, '7'), 14},
    };
    std::string expectedLog;
    for (const Damage& damage : damages) {
        WriteFile("options.dat", Scrambled(OptionsText(damage.line, damage.replacement)));
        EXPECT_FALSE(Parameters().Load()) << damage.replacement;
        expectedLog += "***WARNING: GameParameters::Load: Line " + std::to_string(damage.reportedLine) +
                       " is missing or damaged, the options stay as they were <options.dat>\n";
    }
    WriteFile("options.dat", Scrambled(OptionsText(1, "version 102")));
    EXPECT_FALSE(Parameters().Load());
    WriteFile("options.dat", OptionsText()); // never scrambled
    EXPECT_FALSE(Parameters().Load());
    WriteFile("options.dat", "");
    EXPECT_FALSE(Parameters().Load());
    for (int times = 0; times < 3; ++times)
        expectedLog += "***WARNING: GameParameters::Load: Not an options file of version 103 <options.dat>\n";
    EXPECT_EQ(ReadFile("debug.txt"), expectedLog);
    ExpectDefaults();
}

TEST_F(GameParametersTest, AFailedSaveKeepsThePreviousFile)
{
    ExpectAFailedSaveToKeepTheFile<GameParameters>("GameParameters", [] { Parameters().SetDifficulty(2); });
}

TEST_F(GameParametersTest, MixSetsFollowTheKindOfPlay)
{
    const SoundEngine& soundEngine = SoundEngine::GetInstance();
    for (const auto& [level, music] : {std::pair{1, 0.35f}, {6, 0.35f}, {0, 1.0f}, {7, 1.0f}, {11, 1.0f}, {99, 1.0f}}) {
        GameParameters::ApplyMixForLevel(level);
        EXPECT_EQ(soundEngine.GetGroupMix(soundGroupMusic), music) << level;
        EXPECT_EQ(soundEngine.GetGroupMix(soundGroupEffects), 0.9f);
        EXPECT_EQ(soundEngine.GetGroupMix(soundGroupSpeech), 0.7f);
        EXPECT_EQ(soundEngine.GetGroupMix(soundGroupAmbient), 1.0f);
    }
}
