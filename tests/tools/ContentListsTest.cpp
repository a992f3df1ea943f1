// Finding the lists of a data tree on disk and in the archive.

#include "ArchiveWriter.h"
#include "ContentLists.h"
#include "files/DataFile.h"
#include "support/HeadlessTest.h"

class ContentListsTest : public HeadlessTest {};

TEST_F(ContentListsTest, ListsAreFoundInLooseFilesAndInTheArchive)
{
    WriteFile("game/data/menu/sprites.txt", "star static star normx\n");
    WriteFile("game/data/Level01/Sprites.TXT", "rock static rock normx\n");
    WriteFile("game/data/sharedadventure/sprites.txt", "cursor static cursor normx\n");
    WriteFile("game/data/Brücke/sprites.txt", "rail static rail normx\n");
    WriteFile("game/data/sharedadventure/sprites/notsprites.txt", "x");
    WriteFile("game/data/sharedadventure/sfx.txt", "audioevent_click click.wav\n");
    WriteFile("game/data/sprites.txt.bak", "x");
    WriteFile("game/sprites.txt", "outside static outside normx\n");
    // Streamed music: Ogg files in any StreamingSfx folder, and nothing else.
    WriteFile("game/data/menu/Audio/StreamingSfx/Title.ogg", "ogg");
    WriteFile("game/data/Level01/audio/streamingsfx/Theme.OGG", "ogg");
    WriteFile("game/data/menu/Audio/StreamingSfx/notes.txt", "x");
    WriteFile("game/data/menu/Audio/sfx/click.ogg", "ogg");
    WriteFile("game/data/menu/Audio/StreamingSfx.ogg", "ogg");
    std::filesystem::current_path("game");

    EXPECT_EQ(content::FindLists("sprites.txt"),
              (std::vector<std::string>{"data\\Br\xFC" "cke\\sprites.txt", "data\\Level01\\Sprites.TXT", "data\\menu\\sprites.txt",
                                        "data\\sharedadventure\\sprites.txt"}));
    EXPECT_EQ(content::FindLists("sfx.txt"), (std::vector<std::string>{"data\\sharedadventure\\sfx.txt"}));
    EXPECT_EQ(content::SpriteLabels("data\\Level01\\Sprites.TXT"), (std::vector<std::string>{"rock"}));
    EXPECT_EQ(content::SpriteLabels("data\\Br\xFC" "cke\\sprites.txt"), (std::vector<std::string>{"rail"}));
    EXPECT_EQ(content::FindStreamedMusic(), (std::vector<std::string>{"data\\Level01\\audio\\streamingsfx\\Theme.OGG",
                                                                    "data\\menu\\Audio\\StreamingSfx\\Title.ogg"}));

    // The same tree packed: the stored names, and nothing read from disk.
    std::vector<ArchiveMember> members;
    std::string error;
    ASSERT_TRUE(CollectMembers(".", members, error)) << error;
    ASSERT_TRUE(WriteArchive("datafile.dat", members, error)) << error;
    std::filesystem::remove_all("data");
    DataFile::GetInstance().Init("datafile.dat");
    ASSERT_TRUE(DataFile::GetInstance().IsAvailable());
    EXPECT_EQ(content::FindLists("sprites.txt"),
              (std::vector<std::string>{"data\\br\xFC" "cke\\sprites.txt", "data\\level01\\sprites.txt", "data\\menu\\sprites.txt",
                                        "data\\sharedadventure\\sprites.txt"}));
    EXPECT_EQ(content::SpriteLabels("data\\menu\\sprites.txt"), (std::vector<std::string>{"star"}));
    EXPECT_EQ(content::FindStreamedMusic(), (std::vector<std::string>{"data\\level01\\audio\\streamingsfx\\theme.ogg",
                                                                    "data\\menu\\audio\\streamingsfx\\title.ogg"}));
}

TEST_F(ContentListsTest, FoldersAndLabelsOfAList)
{
    EXPECT_EQ(content::ListFolder("data\\menu\\sprites.txt"), "data\\menu\\");
    EXPECT_EQ(content::SpriteArtFolder("data\\level01\\sprites.txt"), "data\\level01\\sprites\\");
    EXPECT_EQ(content::SoundFolder("data\\level01\\sfx.txt"), "level01\\audio\\sfx\\");
    EXPECT_EQ(content::SoundFolder("data\\sharedadventure\\sfx.txt"), "sharedadventure\\audio\\sfx\\");
    EXPECT_EQ(content::ListName("data\\Level01\\Sprites.txt"), "level01");
    EXPECT_EQ(content::ListName("data\\sprites.txt"), "data");

    // Each described label once, in the order of its first line; comments,
    // short lines and lines the game cannot read are no labels.
    WriteFile("data/menu/sprites.txt", "# star static star normx\n"
                                       "star static star normx\n"
                                       "walk anim walk normx 8\r\n"
                                       "lonely\n"
                                       "broken anim walk normx\n"
                                       "star static star_big normx\n"
                                       "spin\tanim_rle spin flipx 4\n");
    EXPECT_EQ(content::SpriteLabels("data\\menu\\sprites.txt"), (std::vector<std::string>{"star", "walk", "spin"}));
    EXPECT_TRUE(content::SpriteLabels("data\\missing\\sprites.txt").empty());

    // Sound entries by the sound list's rules: two words, no comment, no
    // "none" in any letter case.
    WriteFile("data/level01/sfx.txt", "# audioevent_comment comment.wav\n"
                                      "audioevent_door door.wav\n"
                                      "audioevent_silent NONE\n"
                                      "audioevent_three words here.wav\n"
                                      "\n"
                                      "audioevent_bell\tbell.ogg");
    EXPECT_EQ(content::SoundEntries("data\\level01\\sfx.txt"),
              (std::vector<content::SoundEntry>{{"audioevent_door", "door.wav"}, {"audioevent_bell", "bell.ogg"}}));
}
