// The main menu in the real executable, driven headless by recorded keys.

#include "ExecutableRun.h"
#include "GameParameters.h"
#include "RecordedInput.h"

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace {

constexpr int keyEnter = 13;
constexpr int keyEscape = 27;
constexpr int keyRight = 39;
constexpr int keyDown = 40;

// The log line of the first episode's first room.
constexpr const char* bridge = "room-startup script <ScriptRoomBr\xFC" "cke> not available\n";

} // namespace

class MenuRunTest : public ExecutableRun {
protected:
    // Every minigame unlocked, so their tiles show.
    void UnlockMinigames()
    {
        InDirectory([] {
            GameParameters parameters;
            for (int minigame = 0; minigame < GameParameters::minigameCount; ++minigame)
                parameters.SetMinigameUnlocked(minigame, true);
            EXPECT_TRUE(parameters.Save());
        });
    }
    // What the game saved of its options; difficulty -1 when there are none.
    struct SavedOptions {
        int difficulty = -1;
        int depth = 0;
    };
    SavedOptions Saved()
    {
        SavedOptions saved;
        InDirectory([&saved] {
            GameParameters parameters;
            if (parameters.Load())
                saved = {parameters.GetDifficulty(), parameters.GetDisplayMode().depth};
        });
        return saved;
    }
};

TEST_F(MenuRunTest, EveryPageOpensAndAChangedOptionOutlivesARestart)
{
    UnlockMinigames();
    // Main page order: Neues Spiel, Minispiele, Highscore, Optionen,
    // Credits, Hilfe, Bonusmaterial, Beenden.
    RecordedInput session;
    session.Wait(10).Shoot();
    session.Press(keyDown, 2).Press(keyEnter).Wait(2).Shoot().Press(keyEscape);
    session.Press(keyDown, 3).Press(keyEnter).Wait(2).Shoot().Press(keyEscape);
    session.Press(keyDown, 4).Press(keyEnter).Press(keyDown).Press(keyRight).Wait(2).Shoot().Press(keyEscape);
    session.Press(keyDown, 5).Press(keyEnter).Wait(120).Shoot().Press(keyEscape).Wait(20);
    session.Press(keyDown, 6).Press(keyEnter).Press(keyRight).Wait(2).Shoot().Press(keyEscape);
    session.Press(keyDown, 7).Press(keyEnter).Wait(2).Shoot();
    session.Press(keyDown).Press(keyEnter).Wait(2).Shoot().Press(keyEscape).Press(keyEscape);
    session.Press(keyEscape);
    WriteFile(directory / "keys.txt", session.Text());

    ASSERT_EQ(Run("--headless --replay keys.txt --shots pages --shot-frames " + session.ShotFrames()), 0) << errors;
    EXPECT_EQ(Log().find("***"), std::string::npos) << Log();
    EXPECT_TRUE(Log().ends_with("Exiting.\n")) << Log();
    for (const int shot : session.Shots())
        EXPECT_TRUE(std::filesystem::exists(directory / "pages" / ShotName(shot))) << shot;
    // "Mittel" chosen on the options page and kept by leaving it.
    EXPECT_EQ(Saved().difficulty, 1);

    // Started again, the options page shows what was saved: leaving it
    // saves again what the game loaded.
    RecordedInput again;
    again.Wait(10).Press(keyDown, 4).Press(keyEnter).Press(keyEscape).Press(keyEscape);
    WriteFile(directory / "again.txt", again.Text());
    ASSERT_EQ(Run("--headless --replay again.txt"), 0) << errors;
    EXPECT_EQ(Saved().difficulty, 1);
}

TEST_F(MenuRunTest, NewGameStartsTheFirstEpisodeOnTheBridge)
{
    // In a window: no movie, straight to the first episode.
    RecordedInput session;
    session.Wait(10).Press(keyDown).Press(keyEnter).Wait(30).Press(keyEscape);
    WriteFile(directory / "keys.txt", session.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;
    EXPECT_TRUE(Contains(Log(), "Active Level: 1\n")) << Log();
    EXPECT_TRUE(Contains(Log(), "Run episode-startup script <ScriptEpisode1Init>\n"));
    EXPECT_TRUE(Contains(Log(), bridge));
    EXPECT_EQ(Log().find("PlayMovie"), std::string::npos) << Log();
    EXPECT_EQ(Log().find("***"), std::string::npos) << Log();
}

TEST_F(MenuRunTest, AGameSavedInTheEngineRoomLoadsAsItWasSaved)
{
    // The crystal taken on the bridge, down to the engine room; saved into
    // slot 1 through the in-game menu, quit to the main menu, loaded from
    // there and saved again into slot 2.
    RecordedInput input;
    input.At(15).Key(keyDown);
    input.At(18).Key(keyEnter);
    input.At(40).Key(keyEnter, '\r');      // skips the opening lines
    input.At(60).Click(920, 400);          // the crystal
    input.At(460).Click(100, 330);         // the ladder down
    input.At(900).Key(keyEscape);
    const auto save = [&input](int frame, int slotX, int yesX) {
        input.At(frame).Click(504, 290);       // "Spiel speichern"
        input.At(frame + 10).Click(slotX, 154); // the slot
        input.At(frame + 20).Click(yesX, 180);  // "Ja"
        input.At(frame + 30).Click(137, 705);   // "Zurück"
    };
    save(910, 188, 124);
    input.At(950).Click(325, 645);  // "Spiel beenden"
    input.At(960).Click(428, 410);  // "Ja"
    input.At(1000).Click(514, 275); // "Spiel laden" on the main page
    input.At(1020).Click(188, 154);
    input.At(1030).Click(124, 180);
    input.At(1200).Key(keyEscape);
    save(1210, 512, 448);
    input.At(1250).Key(keyEscape);
    WriteFile(directory / "keys.txt", input.At(1295).Text());
    ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;
    const std::string log = Log();
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    EXPECT_EQ(CountOf(log, "Active Level: 1\n"), 2u) << log;
    EXPECT_TRUE(Contains(log, "Loading Savegame Kapitel 1 - RoomMaschinenraum\n")) << log;
    // The loaded game begins where it was saved, without the episode's
    // opening but with its music.
    const std::string afterLoading = log.substr(log.find("Loading Savegame"));
    EXPECT_EQ(afterLoading.find("episode-startup"), std::string::npos) << log;
    EXPECT_TRUE(Contains(afterLoading, "Run episode-resume script <ScriptEpisode1Resume>\n")) << log;
    EXPECT_TRUE(Contains(afterLoading, "<ScriptRoomMaschinenraum>"));

    // What was saved: the crystal in the inventory, its flag, the room.
    const std::string first = Savegame(1);
    EXPECT_TRUE(Contains(first, "    \"item 0000\" \"RoomBr\xFC" "cke|Kristall\"\n")) << first;
    EXPECT_TRUE(Contains(first, "[Flag] \"RoomBr\xFC" "cke|KristallGenommen\"\n{\n    \"value\" 1\n")) << first;
    EXPECT_TRUE(Contains(first, "    \"Current Room\" \"RoomMaschinenraum|Room\"\n")) << first;
    // Saved again right after loading, the game holds the same state (the
    // date line aside).
    EXPECT_EQ(WithoutDate(Savegame(2)), WithoutDate(first));
}

TEST_F(MenuRunTest, AnotherColourDepthRebuildsTheMenuAndIsKept)
{
    // In full screen (a window keeps the desktop's depth). Options:
    // difficulty, speech bubbles, then the colour depth (32 bit in the
    // shipped configuration), one step left to 24 bit, and back.
    const std::filesystem::path config = directory / "data" / "config.txt";
    WriteFile(config, std::regex_replace(ReadFile(config), std::regex("fullscreen 0"), "fullscreen 1"));
    RecordedInput session;
    session.Wait(10).Press(keyDown, 4).Press(keyEnter).Press(keyDown, 3).Press(37).Press(keyEscape);
    session.Wait(5).Shoot().Press(keyEscape);
    WriteFile(directory / "keys.txt", session.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " + session.ShotFrames()), 0) << errors;
    EXPECT_EQ(Log().find("***"), std::string::npos) << Log();
    EXPECT_EQ(Saved().depth, 24);
    EXPECT_TRUE(std::filesystem::exists(directory / "shots" / ShotName(session.Shots().front())));

    // The next start opens the display at 24 bit.
    ASSERT_EQ(Run("--headless --frames 3"), 0) << errors;
    EXPECT_NE(Log().find("color indices"), std::string::npos);
    EXPECT_EQ(Saved().depth, 24);
}

TEST_F(MenuRunTest, NewGameInFullScreenPlaysTheIntroAt800x600First)
{
    CopyIntro();
    const std::filesystem::path config = directory / "data" / "config.txt";
    WriteFile(config, std::regex_replace(ReadFile(config), std::regex("fullscreen 0"), "fullscreen 1"));
    RecordedInput session;
    session.Wait(10).Press(keyDown).Press(keyEnter).Wait(30).Press(keyEscape);
    WriteFile(directory / "keys.txt", session.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;
    EXPECT_EQ(Log().find("***"), std::string::npos) << Log();
    // The display is made three times: at the start, at 800 x 600 for the
    // movie, and back at 1024 x 768; then the game starts.
    EXPECT_EQ(CountOf(Log(), "color indices"), 3u) << Log();
    EXPECT_TRUE(Contains(Log(), bridge));

    // Without the movie the game starts all the same.
    std::filesystem::remove(directory / "intro.avi");
    ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;
    EXPECT_TRUE(Contains(Log(), "***WARNING: DX3Application::PlayMovie: Movie <intro.avi> not found!"));
    EXPECT_TRUE(Contains(Log(), bridge));
}
