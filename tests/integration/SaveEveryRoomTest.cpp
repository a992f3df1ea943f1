// The first episode in the real executable: Juna goes from the bridge
// through the engine room and the beach to the village, the game is saved
// in each of the four rooms, and each savegame is loaded back from the main
// menu.

#include "ExecutableRun.h"
#include "Walkthrough.h"

#include <array>
#include <string>

namespace {

using namespace walkthrough;

// Where each slot was saved, and the inventory's lines in its savegame.
struct SavedRoom {
    std::string room;
    std::string inventory;
};

const std::string crystal = "    \"item 0000\" \"RoomBr\xFC" "cke|Kristall\"\n";
const std::string wrench = "\"RoomMaschinenraum|Schraubenschluessel\"\n";
const std::array<SavedRoom, 4> savedRooms{{
    {"RoomBr\xFC" "cke", "    \"count\" 1\n" + crystal},
    {"RoomMaschinenraum", "    \"count\" 3\n" + crystal + "    \"item 0001\" \"RoomMaschinenraum|Isolierband\"\n" +
                              "    \"item 0002\" " + wrench},
    {"RoomStrand", "    \"count\" 2\n" + crystal + "    \"item 0001\" " + wrench},
    {"RoomDorfplatz", "    \"count\" 2\n" + crystal + "    \"item 0001\" " + wrench},
}};

} // namespace

class SaveEveryRoomTest : public ExecutableRun {};

TEST_F(SaveEveryRoomTest, EachRoomsSavegameLoadsIntoThatRoomWithItsInventory)
{
    // "Neues Spiel", the opening lines skipped; the crystal taken, down the
    // ladder; the tape and the wrench taken, the tape on the sparks, the
    // wrench on the piston, out through the hatch; along the beach and
    // through the gate.
    RecordedInput input;
    input.At(15).Key(keyDown).Key(keyEnter).At(40).Key(keyEnter, keyEnter).At(60);
    input.Click(920, 400).Wait(400);
    SaveAndGoOn(input, 1).Click(100, 330).Wait(440);
    input.Click(329, 610).Wait(250).Click(698, 575).Wait(250);
    SaveAndGoOn(input, 2);
    input.Move(500, 720).Wait(30).Click(445, 710).Wait(5).Click(745, 195).Wait(200).Key(keyEnter, keyEnter).Wait(20);
    input.Move(500, 720).Wait(30).Click(445, 710).Wait(5).Click(302, 280).Wait(200).Key(keyEnter, keyEnter).Wait(20);
    input.Click(122, 300).Wait(300).Key(keyEnter, keyEnter).Wait(20);
    SaveAndGoOn(input, 3).Click(20, 560).Wait(400).Click(40, 430).Wait(300).Key(keyEnter, keyEnter).Wait(20);
    Save(input, 4);
    // Back to the main menu ("Spiel beenden", "Ja"); each savegame loaded
    // from there ("Spiel laden") and saved again at once four slots on.
    input.Click(325, 645).Wait(10).Click(428, 410).Wait(40);
    for (int slot = 1; slot <= 4; ++slot) {
        input.Click(514, 275).Wait(20);
        ChooseSlot(input, slot).Wait(160);
        Save(input, slot + 4).Click(325, 645).Wait(10).Click(428, 410).Wait(40);
    }
    WriteFile(directory / "keys.txt", input.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;
    const std::string log = Log();
    EXPECT_EQ(log.find("***"), std::string::npos) << log;

    std::size_t loaded = 0;
    for (std::size_t index = 0; index < savedRooms.size(); ++index) {
        const std::string& room = savedRooms[index].room;
        const std::string saved = Savegame(static_cast<int>(index) + 1);
        EXPECT_TRUE(saved.starts_with("Kapitel 1 - " + room + "\n")) << saved;
        EXPECT_TRUE(Contains(saved, "    \"Current Room\" \"" + room + "|Room\"\n"));
        EXPECT_TRUE(Contains(saved, savedRooms[index].inventory + "    \"scount\" 0\n"));
        // Loaded, the game begins in the room it was saved in...
        loaded = log.find("Loading Savegame Kapitel 1 - " + room + "\n", loaded);
        ASSERT_NE(loaded, std::string::npos) << log;
        const std::size_t started = log.find("room-startup", loaded);
        ASSERT_NE(started, std::string::npos);
        const std::string startLine = "room-startup script <Script" + room + ">";
        EXPECT_EQ(log.compare(started, startLine.size(), startLine), 0) << log.substr(started);
        // ...and holds what was saved, the inventory with it.
        const std::string again = Savegame(static_cast<int>(index) + 5);
        EXPECT_EQ(WithoutDate(again), WithoutDate(saved)) << room;
    }
}
