// The main menu in the real executable, driven headless by recorded keys.

#include "ExecutableRun.h"
#include "GameParameters.h"

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace {

constexpr int keyEnter = 13;
constexpr int keyEscape = 27;
constexpr int keyRight = 39;
constexpr int keyDown = 40;

// A session typed on the keyboard, written as a recording: the pointer
// parked in the corner, then each key pressed and released, a few frames
// apart, and the frames to photograph.
class KeySession {
public:
    KeySession() { text = "zephyra-recording 1 seed 7\nframe 2 mousemove 4 4\n"; }

    KeySession& Press(int key, int times = 1)
    {
        for (int time = 0; time < times; ++time) {
            text += "frame " + std::to_string(frame) + " keydown " + std::to_string(key) + "\n";
            text += "frame " + std::to_string(frame + 1) + " keyup " + std::to_string(key) + "\n";
            frame += 3;
        }
        return *this;
    }
    KeySession& Wait(int frames)
    {
        frame += frames;
        return *this;
    }
    // Photographs this frame; the next key comes two frames later.
    KeySession& Shoot()
    {
        shots.push_back(frame);
        frame += 2;
        return *this;
    }
    std::string Text() const { return text + "frame " + std::to_string(frame + 5) + " time 20\n"; }
    std::string ShotFrames() const
    {
        std::string list;
        for (const int shot : shots)
            list += (list.empty() ? "" : ",") + std::to_string(shot);
        return list;
    }
    const std::vector<int>& Shots() const { return shots; }

private:
    std::string text;
    int frame = 5;
    std::vector<int> shots;
};

// The frame's picture file.
std::string ShotName(int frame)
{
    char name[32];
    std::snprintf(name, sizeof name, "frame%06d.png", frame);
    return name;
}

} // namespace

class MenuRunTest : public ExecutableRun {
protected:
    // Every minigame unlocked, so their tiles show.
    void UnlockMinigames()
    {
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(directory);
        GameParameters parameters;
        for (int minigame = 0; minigame < GameParameters::minigameCount; ++minigame)
            parameters.SetMinigameUnlocked(minigame, true);
        ASSERT_TRUE(parameters.Save());
        std::filesystem::current_path(previous);
    }
    // What the game saved of its options; difficulty -1 when there are none.
    struct SavedOptions {
        int difficulty = -1;
        int depth = 0;
    };
    SavedOptions Saved()
    {
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(directory);
        GameParameters parameters;
        SavedOptions saved;
        if (parameters.Load())
            saved = {parameters.GetDifficulty(), parameters.GetDisplayMode().depth};
        std::filesystem::current_path(previous);
        return saved;
    }
};

TEST_F(MenuRunTest, EveryPageOpensAndAChangedOptionOutlivesARestart)
{
    UnlockMinigames();
    // Main page order: Neues Spiel, Minispiele, Highscore, Optionen,
    // Credits, Hilfe, Bonusmaterial, Beenden.
    KeySession session;
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
    KeySession again;
    again.Wait(10).Press(keyDown, 4).Press(keyEnter).Press(keyEscape).Press(keyEscape);
    WriteFile(directory / "again.txt", again.Text());
    ASSERT_EQ(Run("--headless --replay again.txt"), 0) << errors;
    EXPECT_EQ(Saved().difficulty, 1);
}

TEST_F(MenuRunTest, NewGameGoesOnToTheGameAndBack)
{
    // In a window: no movie, straight to the game state (which returns to
    // the menu until the adventure exists).
    KeySession session;
    session.Wait(10).Press(keyDown).Press(keyEnter).Wait(30).Press(keyEscape);
    WriteFile(directory / "keys.txt", session.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;
    EXPECT_NE(Log().find("GameRuvId::Init: Level 1 would start here"), std::string::npos) << Log();
    EXPECT_EQ(Log().find("PlayMovie"), std::string::npos) << Log();
    EXPECT_EQ(Log().find("***"), std::string::npos) << Log();
}

TEST_F(MenuRunTest, AnotherColourDepthRebuildsTheMenuAndIsKept)
{
    // In full screen (a window keeps the desktop's depth). Options:
    // difficulty, speech bubbles, then the colour depth (32 bit in the
    // shipped configuration), one step left to 24 bit, and back.
    const std::filesystem::path config = directory / "data" / "config.txt";
    WriteFile(config, std::regex_replace(ReadFile(config), std::regex("fullscreen 0"), "fullscreen 1"));
    KeySession session;
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
    KeySession session;
    session.Wait(10).Press(keyDown).Press(keyEnter).Wait(30).Press(keyEscape);
    WriteFile(directory / "keys.txt", session.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;
    EXPECT_EQ(Log().find("***"), std::string::npos) << Log();
    // The display is made three times: at the start, at 800 x 600 for the
    // movie, and back at 1024 x 768; then the game would start.
    EXPECT_EQ(CountOf(Log(), "color indices"), 3u) << Log();
    EXPECT_TRUE(Contains(Log(), "GameRuvId::Init: Level 1 would start here"));

    // Without the movie the game starts all the same.
    std::filesystem::remove(directory / "intro.avi");
    ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;
    EXPECT_TRUE(Contains(Log(), "***WARNING: DX3Application::PlayMovie: Movie <intro.avi> not found!"));
    EXPECT_TRUE(Contains(Log(), "GameRuvId::Init: Level 1 would start here"));
}
