// The executable as installed (PREFIX/games and PREFIX/share/zephyra), and its
// F12 screenshots.

#include "ExecutableRun.h"
#include "RecordedInput.h"

#include <filesystem>
#include <regex>
#include <set>
#include <string>

namespace {

constexpr int keyEnter = 13;
constexpr int keyEscape = 27;
constexpr int keyDown = 40;
constexpr int keyQuickSave = 113;
constexpr int keyQuickLoad = 114;
constexpr int keyF12 = 0x7B;

// The names in a folder and everything below it, relative to it.
std::set<std::string> Tree(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        names.insert(entry.path().lexically_relative(folder).string());
    return names;
}

std::set<std::string> Pngs(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(folder, missing))
        if (entry.path().extension() == ".png")
            names.insert(entry.path().filename().string());
    return names;
}

// A PNG's size from its header.
std::pair<int, int> PngSize(const std::string& bytes)
{
    const auto at = [&bytes](std::size_t offset) {
        return static_cast<int>(static_cast<unsigned char>(bytes[offset])) << 24 |
               static_cast<int>(static_cast<unsigned char>(bytes[offset + 1])) << 16 |
               static_cast<int>(static_cast<unsigned char>(bytes[offset + 2])) << 8 |
               static_cast<int>(static_cast<unsigned char>(bytes[offset + 3]));
    };
    return bytes.size() < 24 ? std::pair{0, 0} : std::pair{at(16), at(20)};
}

// The names outside the test's prefix and home.
std::set<std::string> OutsideTheFolders(std::set<std::string> names)
{
    std::erase_if(names, [](const std::string& name) { return name.starts_with("prefix") || name.starts_with("home"); });
    return names;
}

} // namespace

class InstalledRunTest : public ExecutableRun {};

TEST_F(InstalledRunTest, KeepsThePlayersFilesInTheXdgFoldersAndNothingInThePrefix)
{
    // The working directory holds no game data; the prefix holds only the
    // executable and the archive.
    std::filesystem::remove_all(directory / "data");
    const std::filesystem::path prefix = directory / "prefix";
    const std::filesystem::path home = directory / "home";
    std::filesystem::create_directories(prefix / "games");
    std::filesystem::create_directories(prefix / "share" / "zephyra");
    std::filesystem::create_directories(home);
    std::filesystem::copy_file(ZEPHYRA_EXECUTABLE, prefix / "games" / "zephyra");
    std::filesystem::create_symlink(std::filesystem::path(ZEPHYRA_DIST_DIR) / "datafile.dat",
                                    prefix / "share" / "zephyra" / "datafile.dat");
    const std::set<std::string> installed = Tree(prefix);

    // The options page left (which saves the options), a screenshot, then
    // the game ended from the main page.
    RecordedInput session;
    session.Wait(10).Press(keyDown, 4).Press(keyEnter).Press(keyEscape).Press(keyF12).Press(keyEscape);
    WriteFile(directory / "keys.txt", session.Text());
    const std::set<std::string> before = Tree(directory);

    const std::string environment = "env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME -u XDG_PICTURES_DIR "
                                    "HOME='" + home.string() + "'";
    ASSERT_EQ(RunProgram((prefix / "games" / "zephyra").string(), "--headless --replay keys.txt", environment), 0)
        << errors;

    const std::string log = ReadFile(home / ".local" / "state" / "zephyra" / "debug.txt");
    EXPECT_TRUE(log.ends_with("Exiting.\n")) << log;
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    EXPECT_TRUE(std::filesystem::is_regular_file(home / ".config" / "zephyra" / "options.dat"));
    EXPECT_TRUE(std::filesystem::is_directory(home / ".local" / "share" / "zephyra"));
    EXPECT_EQ(Pngs(home / "Pictures" / "Astrokutter Zephyra").size(), 1u);
    EXPECT_TRUE(Contains(log, "DX3Application: Screenshot <" + (home / "Pictures" / "Astrokutter Zephyra").string()));

    EXPECT_EQ(Tree(prefix), installed);
    // The working directory gained only what the test's shell wrote.
    std::set<std::string> expected = OutsideTheFolders(before);
    expected.insert({"stdout.txt", "stderr.txt"});
    EXPECT_EQ(OutsideTheFolders(Tree(directory)), expected);

    // Started from the installed data's own folder (it holds datafile.dat),
    // it is still the installed game: a new game quick saved and quick
    // loaded keeps its savegame in the data home, which the archive does
    // not hide, and nothing goes into the prefix.
    RecordedInput play;
    play.At(15).Press(keyDown).Press(keyEnter).At(40).Press(keyEnter).At(60);
    play.Press(keyQuickSave).Wait(5).Press(keyQuickLoad).Wait(60);
    WriteFile(prefix / "share" / "zephyra" / "keys.txt", play.Text());
    const std::string inShare = "cd '" + (prefix / "share" / "zephyra").string() + "' && " + environment + " '" +
                                (prefix / "games" / "zephyra").string() + "' --headless --replay keys.txt > /dev/null 2>&1";
    ASSERT_EQ(std::system(inShare.c_str()), 0);
    std::filesystem::remove(prefix / "share" / "zephyra" / "keys.txt");
    const std::string played = ReadFile(home / ".local" / "state" / "zephyra" / "debug.txt");
    EXPECT_TRUE(Contains(played, "ScreenNotice: Schnellspeicherstand geladen.\n")) << played;
    EXPECT_TRUE(std::filesystem::is_regular_file(home / ".local" / "share" / "zephyra" / "savegames" / "savegame0.dat"));
    EXPECT_EQ(Tree(prefix), installed);

    // A home where the folders cannot be made ends the game before it
    // writes anything anywhere, and says which folder.
    WriteFile(directory / "not-a-folder", "");
    const std::string blocked = "env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME HOME='" +
                                (directory / "not-a-folder").string() + "'";
    EXPECT_EQ(RunProgram((prefix / "games" / "zephyra").string(), "--headless --frames 3", blocked), 1);
    EXPECT_TRUE(Contains(errors, (directory / "not-a-folder" / ".config" / "zephyra").string()));
    expected.insert("not-a-folder");
    EXPECT_EQ(OutsideTheFolders(Tree(directory)), expected);
}

TEST_F(InstalledRunTest, F12WritesTheShownPictureIntoScreenshots)
{
    // The menu's selection moves down every frame around the key, so every
    // frame's picture differs. In a window the frame's input comes before
    // the paint of the frame before: the picture shown after the key is
    // that frame's.
    constexpr int keyFrame = 8;
    WriteFile(directory / "keys.txt", "zephyra-recording 1 seed 7\n"
                                      "frame 6 keydown 40 keyup 40\n"
                                      "frame 7 keydown 40 keyup 40\n"
                                      "frame 8 keydown 123 keydown 40 keyup 40\n"
                                      "frame 9 keyup 123 keydown 40 keyup 40\n"
                                      "frame 12 time 20\n");
    ASSERT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames 6,7,8"), 0) << errors;

    const std::set<std::string> written = Pngs(directory / "screenshots");
    ASSERT_EQ(written.size(), 1u);
    const std::string& name = *written.begin();
    EXPECT_TRUE(std::regex_match(name, std::regex("zephyra-20[0-9]{6}-[0-9]{6}\\.png"))) << name;
    const std::string screenshot = ReadFile(directory / "screenshots" / name);
    EXPECT_EQ(PngSize(screenshot), (std::pair{1024, 768}));
    EXPECT_TRUE(screenshot == ReadFile(directory / "shots" / ShotName(keyFrame - 1)));
    EXPECT_FALSE(screenshot == ReadFile(directory / "shots" / ShotName(keyFrame - 2)));
    EXPECT_FALSE(screenshot == ReadFile(directory / "shots" / ShotName(keyFrame)));
    EXPECT_TRUE(Contains(Log(), "DX3Application: Screenshot <screenshots/" + name + ">\n"));
    EXPECT_EQ(Log().find("***"), std::string::npos) << Log();
}
