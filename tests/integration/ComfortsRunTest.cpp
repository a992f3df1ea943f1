// The player's comforts in the real executable: the hotspots shown while
// Tab is held, quick save and quick load into their own slot, a spoken
// line cut short by the period key and by a right click, and the dialogue
// log that plays a line again.

#include "ExecutableRun.h"
#include "RecordedInput.h"
#include "support/PngPixel.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int keyEnter = 13;
constexpr int keyTab = 9;
constexpr int keyEscape = 27;
constexpr int keyDown = 40;
constexpr int keyPeriod = 0xBE;
constexpr int keyQuickSave = 113;
constexpr int keyQuickLoad = 114;
constexpr int keyDialogueLog = 'L';

// "Neues Spiel" from the title, the opening's lines skipped: Juna stands on
// the bridge and may act.
RecordedInput NewGame()
{
    RecordedInput input;
    input.At(15).Key(keyDown).Key(keyEnter).At(40).Key(keyEnter, keyEnter).At(60);
    return input;
}

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t found = text.find(part); found != std::string::npos; found = text.find(part, found + 1))
        ++count;
    return count;
}

} // namespace

class ComfortsRunTest : public ExecutableRun {};

TEST_F(ComfortsRunTest, HeldTabShowsTheHotspotsAndChangesNothing)
{
    // The same play twice, once with Tab held for a while, the pointer on
    // bare floor: the held frame carries the markers, whose eyes are the
    // cream 0xFFF4DC, one for each of the bridge's six labelled things;
    // afterwards picture and quick save are those of the run without it.
    const auto play = [this](bool holdTab, const char* shots) {
        RecordedInput input = NewGame();
        // A picture shows the input of the frame after it too: each shot
        // keeps a frame clear of the key's changes.
        input.Move(940, 640).Wait(5).Shoot(2);
        if (holdTab)
            input.KeyDown(keyTab).Wait(4).Shoot(2).KeyUp(keyTab);
        else
            input.Wait(5).Shoot(2).Wait(1);
        input.Wait(10).Shoot(2).Key(keyQuickSave).Wait(5);
        WriteFile(directory / "keys.txt", input.Text());
        EXPECT_EQ(Run("--headless --replay keys.txt --shots " + std::string(shots) + " --shot-frames " +
                      input.ShotFrames()),
                  0)
            << errors;
        return input.Shots();
    };
    const std::vector<int> shots = play(false, "plain");
    const std::string plainSave = WithoutDate(Savegame(0));
    play(true, "tab");
    ASSERT_EQ(shots.size(), 3u);
    const auto shot = [this](const char* run, int frame) { return ReadFile(directory / run / ShotName(frame)); };
    EXPECT_TRUE(shot("tab", shots[0]) == shot("plain", shots[0]));
    EXPECT_TRUE(shot("tab", shots[2]) == shot("plain", shots[2]));
    EXPECT_FALSE(plainSave.empty());
    EXPECT_EQ(WithoutDate(Savegame(0)), plainSave);

    const auto creamPixels = [this](const char* run, int frame) {
        const std::optional<PngPicture> picture = ReadPng((directory / run / ShotName(frame)).string());
        int count = 0;
        for (int y = 0; picture && y < picture->height; ++y)
            for (int x = 0; x < picture->width; ++x)
                count += picture->At(x, y) == std::array<std::uint8_t, 3>{0xFF, 0xF4, 0xDC} ? 1 : 0;
        return count;
    };
    // An eye of radius 3 centred on a pixel corner covers 16 pixels wholly.
    EXPECT_EQ(creamPixels("tab", shots[1]) - creamPixels("plain", shots[1]), 6 * 16);
}

TEST_F(ComfortsRunTest, QuickSlotLineSkipsAndTheDialogueLog)
{
    // "Neues Spiel"; the opening's first line cut short with a right click,
    // then the period key pressed again and again, as an impatient player
    // does: each of the opening's three lines ends early, the scene goes on
    // with the next, and Juna may act at its end. The crystal taken, quick
    // saved; the dialogue log opened with L and a line clicked.
    RecordedInput input;
    input.At(15).Key(keyDown).Key(keyEnter).At(40).RightClick(500, 400);
    for (int press = 0; press < 40; ++press)
        input.Wait(5).Key(keyPeriod, '.');
    input.Click(920, 400).Wait(400).Key(keyQuickSave).Wait(5);
    input.Key(keyDialogueLog, 'l').Wait(20);
    input.Click(512, 112 + 70 * 2 + 20).Wait(20).Key(keyEscape, keyEscape).Wait(20);
    WriteFile(directory / "keys.txt", input.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;
    std::string log = Log();
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    EXPECT_EQ(Count(log, "RuvIdLevelAdventure: Line skipped\n"), 3u) << log;
    // The right click did not walk: the only walk is the crystal's.
    EXPECT_EQ(Count(log, "RuvIdLevelAdventure: walk from"), 1u) << log;

    // Only the quick slot was written; the nine slots stay the player's.
    const std::string saved = Savegame(0);
    EXPECT_TRUE(Contains(saved, "    \"Current Room\" \"RoomBr\xFC" "cke|Room\"\n")) << saved;
    EXPECT_TRUE(Contains(saved, "[Flag] \"RoomBr\xFC" "cke|KristallGenommen\"\n{\n    \"value\" 1\n")) << saved;
    EXPECT_TRUE(std::filesystem::exists(directory / "savegames" / "savegame0.bmp"));
    for (int slot = 1; slot <= 9; ++slot)
        EXPECT_TRUE(Savegame(slot).empty()) << slot;
    EXPECT_TRUE(Contains(log, "ScreenNotice: Schnell gespeichert.\n")) << log;

    // A row of the log clicked: its recording played again.
    const std::string replaying = "DialogueLog: Replaying <";
    const std::size_t replayed = log.find(replaying + "level01\\audio\\streamingtalk\\item\\");
    ASSERT_NE(replayed, std::string::npos) << log;
    const std::size_t begin = replayed + replaying.size();
    std::string recording = log.substr(begin, log.find('>', begin) - begin);
    std::replace(recording.begin(), recording.end(), '\\', '/');
    EXPECT_TRUE(std::filesystem::exists(directory / "data" / (recording + ".ogg"))) << recording;

    // A new game (no crystal taken), the quick save loaded and saved again
    // at once: the game is what was quick saved, the crystal taken.
    input = NewGame();
    input.Key(keyQuickLoad).Wait(80).Key(keyQuickSave).Wait(5);
    WriteFile(directory / "keys.txt", input.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;
    log = Log();
    EXPECT_TRUE(Contains(log, "ScreenNotice: Schnellspeicherstand geladen.\n")) << log;
    EXPECT_TRUE(Contains(log, "Loading Savegame Kapitel 1 - RoomBr\xFC" "cke\n")) << log;
    EXPECT_EQ(WithoutDate(Savegame(0)), WithoutDate(saved));
}

TEST_F(ComfortsRunTest, MinigamesRefuseTheQuickSlot)
{
    StartIn(7);
    RecordedInput input;
    input.At(40).Key(keyQuickSave).Wait(5).Key(keyQuickLoad).Wait(5);
    WriteFile(directory / "keys.txt", input.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;
    const std::string log = Log();
    EXPECT_TRUE(Contains(log, "ScreenNotice: Hier kann nicht gespeichert werden.\n")) << log;
    EXPECT_TRUE(Contains(log, "ScreenNotice: Hier kann nicht geladen werden.\n")) << log;
    EXPECT_FALSE(std::filesystem::exists(directory / "savegames" / "savegame0.dat"));
}
