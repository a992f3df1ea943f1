#include "files/GameFolders.h"
#include "files/HostPath.h"
#include "support/HeadlessTest.h"

#include <map>
#include <sys/stat.h>

namespace {

// A made-up environment instead of the process's.
GameFolders::Environment Fake(std::map<std::string, std::string> variables)
{
    return [variables = std::move(variables)](const char* name) -> const char* {
        const auto found = variables.find(name);
        return found != variables.end() ? found->second.c_str() : nullptr;
    };
}

} // namespace

class GameFoldersTest : public HeadlessTest {
protected:
    void TearDown() override
    {
        GameFolders::Use(GameFolders());
        HeadlessTest::TearDown();
    }
};

TEST_F(GameFoldersTest, PicksTheRootByTheFirstPartInAnyLetterCase)
{
    const GameFolders folders = GameFolders::Installed("/usr/share/zephyra", Fake({{"HOME", "/home/pia"}}));
    EXPECT_TRUE(folders.IsInstalled());
    const auto root = [&folders](std::string_view path, bool writing = false) { return folders.RootFor(path, writing); };
    EXPECT_EQ(root("DataFile.DAT"), "/usr/share/zephyra");
    EXPECT_EQ(root("DATA\\Level01\\room.jpg"), "/usr/share/zephyra");
    EXPECT_EQ(root(".\\data\\config.txt"), "/usr/share/zephyra");
    EXPECT_EQ(root("Intro.avi"), "/usr/share/zephyra");
    // The installed data is never written to.
    EXPECT_EQ(root("data\\Level01\\room.rle", true), "/home/pia/.local/share/zephyra");
    EXPECT_EQ(root("Options.dat"), "/home/pia/.config/zephyra");
    // The unfinished file goes beside the one it replaces.
    EXPECT_EQ(root("options.dat.new", true), "/home/pia/.config/zephyra");
    EXPECT_EQ(root("DEBUG.txt", true), "/home/pia/.local/state/zephyra");
    EXPECT_EQ(root("savegames\\savegame1.dat", true), "/home/pia/.local/share/zephyra");
    EXPECT_EQ(root("SaveGames"), "/home/pia/.local/share/zephyra");
    EXPECT_EQ(root("highscores.dat"), "/home/pia/.local/share/zephyra");
    // A name that only begins like one of the game's goes to the data home.
    EXPECT_EQ(root("database.txt"), "/home/pia/.local/share/zephyra");
    EXPECT_EQ(root("/tmp/elsewhere.txt", true), "");
    EXPECT_EQ(folders.GetScreenshotFolder(), "/home/pia/Pictures/Astrokutter Zephyra");

    // The working directory's layout leaves every path where it is.
    EXPECT_FALSE(GameFolders().IsInstalled());
    EXPECT_EQ(GameFolders().RootFor("options.dat", true), "");
    EXPECT_EQ(GameFolders().GetScreenshotFolder(), "screenshots");
}

TEST_F(GameFoldersTest, TakesAbsoluteXdgVariablesAndIgnoresRelativeOnes)
{
    const GameFolders set = GameFolders::Installed(
        "/opt/z/share/zephyra", Fake({{"HOME", "/home/pia"}, {"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/d/"},
                                      {"XDG_STATE_HOME", "/st"}, {"XDG_PICTURES_DIR", "/photos"}}));
    EXPECT_EQ(set.RootFor("options.dat", true), "/cfg/zephyra");
    EXPECT_EQ(set.RootFor("savegames\\savegame1.dat", true), "/d/zephyra");
    EXPECT_EQ(set.RootFor("debug.txt", true), "/st/zephyra");
    EXPECT_EQ(set.GetScreenshotFolder(), "/photos/Astrokutter Zephyra");

    const GameFolders relative = GameFolders::Installed(
        "/opt/z/share/zephyra", Fake({{"HOME", "/home/pia"}, {"XDG_CONFIG_HOME", "cfg"}, {"XDG_DATA_HOME", ""},
                                      {"XDG_STATE_HOME", "./st"}, {"XDG_PICTURES_DIR", "photos"}}));
    EXPECT_EQ(relative.RootFor("options.dat", true), "/home/pia/.config/zephyra");
    EXPECT_EQ(relative.RootFor("highscores.dat", true), "/home/pia/.local/share/zephyra");
    EXPECT_EQ(relative.RootFor("debug.txt", true), "/home/pia/.local/state/zephyra");
    EXPECT_EQ(relative.GetScreenshotFolder(), "/home/pia/Pictures/Astrokutter Zephyra");

    // Without $XDG_PICTURES_DIR the user-dirs file of the config home says
    // where the pictures are.
    const std::string home = Directory().string();
    WriteFile(Directory() / ".config" / "user-dirs.dirs",
              "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
              "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    EXPECT_EQ(GameFolders::Installed("/s", Fake({{"HOME", home}})).GetScreenshotFolder(),
              home + "/Bilder/Astrokutter Zephyra");
}

TEST(PicturesFolderFromUserDirs, ReadsOnlyAQuotedHomeOrAbsoluteFolder)
{
    EXPECT_EQ(PicturesFolderFromUserDirs("XDG_PICTURES_DIR=\"$HOME/Bilder/\"\n", "/home/pia"), "/home/pia/Bilder");
    EXPECT_EQ(PicturesFolderFromUserDirs("  XDG_PICTURES_DIR=\"/srv/Fotos \\\"neu\\\"\"", "/h"), "/srv/Fotos \"neu\"");
    // The last line counts, as in the shell that reads the file.
    EXPECT_EQ(PicturesFolderFromUserDirs("XDG_PICTURES_DIR=\"/a\"\nXDG_PICTURES_DIR=\"/b\"\n", "/h"), "/b");
    EXPECT_EQ(PicturesFolderFromUserDirs("#XDG_PICTURES_DIR=\"/a\"\n", "/h"), "");
    EXPECT_EQ(PicturesFolderFromUserDirs("XDG_PICTURES_DIR=\"Bilder\"\n", "/h"), "");
    EXPECT_EQ(PicturesFolderFromUserDirs("XDG_PICTURES_DIR=\"$HOMEBilder\"\n", "/h"), "");
    EXPECT_EQ(PicturesFolderFromUserDirs("XDG_PICTURES_DIR=\"/unclosed\n", "/h"), "");
    EXPECT_EQ(PicturesFolderFromUserDirs("XDG_PICTURES_DIR=/unquoted\n", "/h"), "");
    EXPECT_EQ(PicturesFolderFromUserDirs(std::string_view("\0\"\\", 3), "/h"), "");
}

TEST_F(GameFoldersTest, HostPathsFollowTheInstalledLayout)
{
    const std::string temporary = Directory().string();
    WriteFile(Directory() / "prefix" / "share" / "zephyra" / "data" / "Config.txt", "settings");
    const GameFolders folders = GameFolders::Installed(temporary + "/prefix/share/zephyra", Fake({{"HOME", temporary + "/home"}}));
    std::string folder;
    std::string reason;
    ASSERT_TRUE(folders.CreatePlayerFolders(folder, reason)) << folder << ": " << reason;
    struct stat status{};
    ASSERT_EQ(::stat((temporary + "/home/.local/share/zephyra").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    GameFolders::Use(folders);

    EXPECT_EQ(HostPath("DATA\\config.TXT"), temporary + "/prefix/share/zephyra/data/Config.txt");
    EXPECT_EQ(HostPathForWriting("SaveGames\\savegame1.dat"), temporary + "/home/.local/share/zephyra/SaveGames/savegame1.dat");
    EXPECT_TRUE(std::filesystem::is_directory(temporary + "/home/.local/share/zephyra/SaveGames"));
    EXPECT_EQ(HostPath("savegames\\SAVEGAME1.dat"), temporary + "/home/.local/share/zephyra/SaveGames/SAVEGAME1.dat");
    EXPECT_EQ(HostPathForWriting("debug.txt"), temporary + "/home/.local/state/zephyra/debug.txt");
    EXPECT_FALSE(std::filesystem::exists(Directory() / "SaveGames"));

    // A home that cannot hold the folders is named, not worked around.
    WriteFile(Directory() / "blocked", "a file, not a folder");
    const GameFolders blocked = GameFolders::Installed("/s", Fake({{"HOME", temporary + "/blocked"}}));
    EXPECT_FALSE(blocked.CreatePlayerFolders(folder, reason));
    EXPECT_EQ(folder, temporary + "/blocked/.config/zephyra");
    EXPECT_FALSE(reason.empty());
}
