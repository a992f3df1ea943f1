#include "files/HostPath.h"
#include "platform/Windows1252.h"
#include "support/HeadlessTest.h"

class HostPathTest : public HeadlessTest {};

TEST_F(HostPathTest, MatchesEveryPartWithoutRegardToLetterCase)
{
    WriteFile("data/Level01/roombrücke.jpg", "picture");
    ForgetFolderListings();
    EXPECT_EQ(HostPath("DATA\\level01\\RoomBrücke.JPG"_w1252), "data/Level01/roombrücke.jpg");
    EXPECT_EQ(HostPath("data/LEVEL01/ROOMBRÜCKE.jpg"_w1252), "data/Level01/roombrücke.jpg");
    EXPECT_EQ(HostPath(".\\data\\\\level01"), "data/Level01");
    // What does not exist keeps its spelling from the first missing part on.
    EXPECT_EQ(HostPath("DATA\\Missing\\File.TXT"), "data/Missing/File.TXT");
    const std::string absolute = (Directory() / "data").string();
    EXPECT_EQ(HostPath(absolute + "/LEVEL01"), absolute + "/Level01");
    EXPECT_EQ(HostPath(""), ".");
}

TEST_F(HostPathTest, CreatesMissingFoldersForWriting)
{
    WriteFile("Data/placeholder", "");
    ForgetFolderListings();
    EXPECT_EQ(HostPath("data\\savegames\\savegame1.dat"), "Data/savegames/savegame1.dat");
    EXPECT_EQ(HostPathForWriting("data\\SaveGames\\savegame1.dat"), "Data/SaveGames/savegame1.dat");
    EXPECT_TRUE(std::filesystem::is_directory("Data/SaveGames"));
    // A folder made by the game itself is found again at once.
    EXPECT_EQ(HostPath("DATA\\SAVEGAMES"), "Data/SaveGames");
}

TEST(LowerCaseWindows1252, LowersAsciiAndAccentedCapitals)
{
    EXPECT_EQ(LowerCaseWindows1252("ÄÖÜ ÀÉ Œ Š Ÿ × ß AZ az 09"_w1252), "äöü àé œ š ÿ × ß az az 09"_w1252);
}
