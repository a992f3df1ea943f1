#include "ArchiveWriter.h"
#include "files/DataFile.h"
#include "files/File.h"
#include "support/HeadlessTest.h"

class ArchiveToolTest : public HeadlessTest {};

TEST_F(ArchiveToolTest, PacksATreeThatTheGameReadsAndUnpacksItAgain)
{
    WriteFile("game/data/config.txt", "startGameState GameBlank\n");
    WriteFile("game/data/Level01/RoomBrücke.jpg", std::string("\xFF\xD8jpeg\0bytes", 11));
    std::vector<ArchiveMember> members;
    std::string error;
    ASSERT_TRUE(CollectMembers("game", members, error)) << error;
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].name, "data\\config.txt");
    EXPECT_EQ(members[1].name, "data\\level01\\roombr\xFC" "cke.jpg");
    ASSERT_TRUE(WriteArchive("game.dat", members, error)) << error;

    // The game finds both, the text descrambled.
    DataFile::GetInstance().Init("game.dat");
    ASSERT_TRUE(DataFile::GetInstance().IsAvailable());
    File file;
    ASSERT_TRUE(file.Open("DATA\\Config.txt", "r"));
    EXPECT_EQ(file.ReadTokens().StringAt(1), "GameBlank");
    ASSERT_TRUE(file.Open("data\\level01\\roombr\xDC" "cke.jpg", "rb"));
    EXPECT_EQ(file.GetSize(), 11);

    ASSERT_TRUE(ExtractArchive("game.dat", "out", error)) << error;
    EXPECT_EQ(ReadFile("out/data/config.txt"), "startGameState GameBlank\n");
    EXPECT_EQ(ReadFile("out/data/level01/roombrücke.jpg"), std::string("\xFF\xD8jpeg\0bytes", 11));
}

TEST_F(ArchiveToolTest, RefusesNamesThatDoNotFitOrLeaveTheFolder)
{
    WriteFile("game/" + std::string(70, 'n') + ".bmp", "x");
    std::vector<ArchiveMember> members;
    std::string error;
    EXPECT_FALSE(CollectMembers("game", members, error));
    EXPECT_EQ(error, "the name <" + std::string(70, 'n') + ".bmp> is longer than 63 bytes");

    std::filesystem::remove_all("game");
    WriteFile("game/data/Sprites.txt", "a");
    WriteFile("game/data/sprites.TXT", "b");
    EXPECT_FALSE(CollectMembers("game", members, error));
    EXPECT_EQ(error, "two files would both be stored as <data\\sprites.txt>");

    std::filesystem::remove_all("game");
    WriteFile("game/data/bell\x07.txt", "a");
    EXPECT_FALSE(CollectMembers("game", members, error));
    EXPECT_EQ(error, "the name <data\\bell?.txt> holds a control character");
    EXPECT_FALSE(WriteArchive("twice.dat", {{"a.bmp", {'x'}}, {"a.bmp", {'y'}}}, error));
    EXPECT_EQ(error, "the name <a.bmp> is there twice");
    EXPECT_FALSE(std::filesystem::exists("twice.dat"));

    // What is not an archive is named for what it is.
    EXPECT_FALSE(ExtractArchive("game", "out", error));
    EXPECT_EQ(error, "<game>: it is a folder, not an archive");
    WriteFile("short.dat", "PK");
    EXPECT_FALSE(ExtractArchive("short.dat", "out", error));
    EXPECT_EQ(error, "<short.dat>: it is 2 bytes long, too short to hold an archive's entry count");

    ASSERT_TRUE(WriteArchive("evil.dat", {{"..\\..\\escaped.txt", {'x'}}}, error)) << error;
    EXPECT_FALSE(ExtractArchive("evil.dat", "out", error));
    EXPECT_EQ(error, "the member <..\\..\\escaped.txt> would leave the folder");
    EXPECT_FALSE(std::filesystem::exists("escaped.txt"));
}
