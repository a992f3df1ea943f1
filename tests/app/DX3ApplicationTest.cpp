#include "app/DX3Application.h"
#include "app/Debug.h"
#include "app/ScriptedRun.h"
#include "platform/VirtualKey.h"
#include "files/DataFile.h"
#include "support/HeadlessTest.h"
#include "support/PngPixel.h"
#include "support/MovieFiles.h"
#include "ArchiveWriter.h"


#include <regex>

using platform::MessageType;
using platform::WindowMessage;

namespace {

// Writes down every call the shell makes, and quits after a number of
// frames.
class TracingApplication : public DX3Application {
public:
    std::vector<std::string> calls;
    std::vector<float> frameSeconds;
    std::vector<std::uint32_t> frameStarts;
    int quitAfterFrames = 3;
    std::uint32_t updateMilliseconds = 0; // how long each update takes
    bool createSucceeds = true;

    bool OnCreate() override
    {
        calls.push_back("create");
        return createSucceeds;
    }
    bool OnDestroy() override
    {
        calls.push_back("destroy");
        return true;
    }
    void OnUpdate(float seconds) override
    {
        platform::Clock& clock = platform::Platform::Get()->GetClock();
        frameStarts.push_back(clock.Milliseconds());
        frameSeconds.push_back(seconds);
        calls.push_back("update");
        clock.Sleep(updateMilliseconds);
        if (static_cast<int>(frameSeconds.size()) == quitAfterFrames)
            platform::Platform::Get()->GetWindow().PostQuitMessage(0);
    }
    void OnRender() override { calls.push_back("render"); }
    void OnKeyDown(int key) override { calls.push_back("keydown " + std::to_string(key)); }
    void OnKeyUp(int key) override { calls.push_back("keyup " + std::to_string(key)); }
    void OnChar(int code) override { calls.push_back("char " + std::to_string(code)); }
    void OnMouseMove(int x, int y) override { calls.push_back("move " + Position(x, y)); }
    void OnLButtonDown(int x, int y, bool doubleClick) override
    {
        calls.push_back((doubleClick ? "ldouble " : "ldown ") + Position(x, y));
    }
    void OnLButtonUp(int x, int y) override { calls.push_back("lup " + Position(x, y)); }
    void OnRButtonDown(int x, int y) override { calls.push_back("rdown " + Position(x, y)); }
    void OnRButtonUp(int x, int y) override { calls.push_back("rup " + Position(x, y)); }
    int OnCommand(const char* name) override
    {
        calls.push_back(std::string("command ") + name);
        return 0;
    }

private:
    static std::string Position(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
};

ApplicationSettings Settings(bool fullScreen, int width = 800, int height = 600)
{
    ApplicationSettings settings;
    settings.windowTitle = "Astrokutter Zephyra";
    settings.width = width;
    settings.height = height;
    settings.fullScreen = fullScreen;
    return settings;
}

} // namespace

class DX3ApplicationTest : public HeadlessTest {};

TEST_F(DX3ApplicationTest, ClampsFrameTimeAndSpacesFrames)
{
    EXPECT_FLOAT_EQ(DX3Application::ClampFrameSeconds(0.002f), 0.005f);
    EXPECT_FLOAT_EQ(DX3Application::ClampFrameSeconds(3.0f), 0.1f);
    EXPECT_FLOAT_EQ(DX3Application::ClampFrameSeconds(-0.5f), 0.005f);
    EXPECT_FLOAT_EQ(DX3Application::ClampFrameSeconds(0.02f), 0.02f);

    // Frames that take no time at all still start 10 ms apart.
    Host().GetClock().SetFramePeriod(1);
    TracingApplication application;
    application.quitAfterFrames = 4;
    ASSERT_TRUE(application.Create(Settings(true)));
    EXPECT_EQ(application.Run(), 0);
    ASSERT_EQ(application.frameStarts.size(), 4u);
    for (std::size_t frame = 1; frame < 4; ++frame) {
        EXPECT_EQ(application.frameStarts[frame] - application.frameStarts[frame - 1], 10u);
        EXPECT_FLOAT_EQ(application.frameSeconds[frame], 0.01f);
    }
}

TEST_F(DX3ApplicationTest, ALongFrameReportsAtMostATenthOfASecond)
{
    TracingApplication application;
    application.updateMilliseconds = 3000; // a level loading
    ASSERT_TRUE(application.Create(Settings(true)));
    application.Run();
    ASSERT_EQ(application.frameSeconds.size(), 3u);
    EXPECT_FLOAT_EQ(application.frameSeconds[1], 0.1f);
    EXPECT_FLOAT_EQ(application.frameSeconds[2], 0.1f);
}

TEST_F(DX3ApplicationTest, RendersDirectlyInFullScreenAndThroughPaintInAWindow)
{
    {
        TracingApplication application;
        application.quitAfterFrames = 2;
        ASSERT_TRUE(application.Create(Settings(true)));
        application.Run();
        EXPECT_EQ(application.calls, (std::vector<std::string>{"create", "update", "render", "update", "render", "destroy"}));
        EXPECT_FALSE(Window().IsCursorVisible());
    }
    SingletonRegistry::DestroyAll();
    {
        TracingApplication application;
        application.quitAfterFrames = 2;
        ASSERT_TRUE(application.Create(Settings(false)));
        application.Run();
        // The window is painted once when it is created, before the game
        // starts, then after every frame; the posted quit comes before the
        // last paint.
        EXPECT_EQ(application.calls, (std::vector<std::string>{"render", "create", "update", "render", "update", "destroy"}));
    }
}

TEST_F(DX3ApplicationTest, FullScreenWithoutFocusRunsNoFrames)
{
    TracingApplication application;
    application.quitAfterFrames = 2;
    ASSERT_TRUE(application.Create(Settings(true)));
    Window().Inject({MessageType::KillFocus});
    Window().Inject({MessageType::KeyDown, 'A'});
    Window().Inject({MessageType::KeyUp, 'A'});
    Window().Inject({MessageType::SetFocus});
    application.Run();
    EXPECT_EQ(application.calls, (std::vector<std::string>{"create", "keydown 65", "keyup 65", "update", "render", "update", "render", "destroy"}));

    // With nothing left to wake it, an inactive full-screen game ends.
    SingletonRegistry::DestroyAll();
    TracingApplication waiting;
    ASSERT_TRUE(waiting.Create(Settings(true)));
    Window().Inject({MessageType::KillFocus});
    EXPECT_EQ(waiting.Run(), 0);
    EXPECT_EQ(waiting.calls, (std::vector<std::string>{"create", "destroy"}));
}

TEST_F(DX3ApplicationTest, AWindowWithoutFocusKeepsRunningFrames)
{
    TracingApplication application;
    ASSERT_TRUE(application.Create(Settings(false)));
    Window().Inject({MessageType::KillFocus});
    application.Run();
    EXPECT_EQ(application.frameSeconds.size(), 3u);
    EXPECT_TRUE(application.IsActive());
}

TEST_F(DX3ApplicationTest, ScalesMousePositionsToTheLogicalCanvas)
{
    TracingApplication application;
    ASSERT_TRUE(application.Create(Settings(false, 800, 600)));
    application.calls.clear();
    DX3Application::WindowProcedure({MessageType::LeftButtonDown, 0, 400, 300});
    DX3Application::WindowProcedure({MessageType::LeftButtonUp, 0, 799, 599});
    DX3Application::WindowProcedure({MessageType::LeftButtonDoubleClick, 0, 0, 0});
    DX3Application::WindowProcedure({MessageType::RightButtonDown, 0, 200, 150});
    DX3Application::WindowProcedure({MessageType::RightButtonUp, 0, 200, 150});
    DX3Application::WindowProcedure({MessageType::RightButtonDoubleClick, 0, 200, 150});
    // A captured mouse outside the window counts as the nearest edge.
    DX3Application::WindowProcedure({MessageType::MouseMove, 0, -40, 900});
    Window().SetClientSize(1280, 960);
    DX3Application::WindowProcedure({MessageType::MouseMove, 0, 640, 480});
    // A window without a client area points at the corner.
    Window().SetClientSize(0, 0);
    DX3Application::WindowProcedure({MessageType::MouseMove, 0, 300, 200});
    Window().SetClientSize(1280, 960);
    // Replayed positions are logical already.
    WindowMessage replayed{MessageType::MouseMove, 0, 100, 700};
    replayed.positionIsLogical = true;
    DX3Application::WindowProcedure(replayed);
    EXPECT_EQ(application.calls, (std::vector<std::string>{"ldown 512,384", "lup 1022,766", "ldouble 0,0", "rdown 256,192",
                                                           "rup 256,192", "move 0,766", "move 512,384", "move 0,0",
                                                           "move 100,700"}));
}

TEST_F(DX3ApplicationTest, OffersTheWindowMenuOnFunctionKeys)
{
    TracingApplication application;
    application.quitAfterFrames = 100;
    ASSERT_TRUE(application.Create(Settings(false)));
    Window().Inject({MessageType::KeyDown, VirtualKey::FunctionKey(5)});
    Window().Inject({MessageType::KeyUp, VirtualKey::FunctionKey(5)});
    Window().Inject({MessageType::KeyDown, VirtualKey::FunctionKey(8)});
    Window().Inject({MessageType::KeyDown, VirtualKey::FunctionKey(7)});
    Window().Inject({MessageType::KeyDown, VirtualKey::FunctionKey(9)});
    EXPECT_EQ(application.Run(), -1);
    EXPECT_EQ(application.calls,
              (std::vector<std::string>{"render", "create", "command reset", "keyup 116", "command print flags", "destroy"}));
    EXPECT_TRUE(Debug::GetInstance().IsMessageWindowShown());

    // In full screen there is no menu: the keys reach the game.
    SingletonRegistry::DestroyAll();
    TracingApplication fullScreen;
    fullScreen.quitAfterFrames = 1;
    ASSERT_TRUE(fullScreen.Create(Settings(true)));
    Window().Inject({MessageType::KeyDown, VirtualKey::FunctionKey(9)});
    EXPECT_EQ(fullScreen.Run(), 0);
    EXPECT_EQ(fullScreen.calls[1], "keydown 120");
}

TEST_F(DX3ApplicationTest, F12InFullScreenWritesTheNextPictureShownAndNeverReachesTheGame)
{
    // Each frame shows one pixel in a colour of its own.
    class Presenting : public TracingApplication {
    public:
        void OnRender() override
        {
            TracingApplication::OnRender();
            const std::uint32_t pixel = 0x102030u + static_cast<std::uint32_t>(GetFrameCount()) * 0x010101u;
            platform::Platform::Get()->GetWindow().Present(&pixel, 1, 1, 1);
        }
    };
    StartLog();
    Presenting application;
    application.quitAfterFrames = 3;
    ASSERT_TRUE(application.Create(Settings(true)));
    Window().Inject({MessageType::KeyDown, VirtualKey::FunctionKey(12)});
    Window().Inject({MessageType::KeyUp, VirtualKey::FunctionKey(12)});
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(application.calls,
              (std::vector<std::string>{"create", "update", "render", "update", "render", "update", "render", "destroy"}));

    std::vector<std::filesystem::path> written;
    for (const auto& entry : std::filesystem::directory_iterator("screenshots"))
        written.push_back(entry.path());
    ASSERT_EQ(written.size(), 1u);
    EXPECT_TRUE(std::regex_match(written[0].filename().string(), std::regex("zephyra-[0-9]{8}-[0-9]{6}\\.png")));
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "DX3Application: Screenshot <" + written[0].string() + ">\n"));
    // The first frame's picture.
    const auto rgb = ReadOnePixelPng(written[0].string());
    ASSERT_TRUE(rgb.has_value());
    EXPECT_EQ(*rgb, (std::array<std::uint8_t, 3>{0x10, 0x20, 0x30}));
}

TEST_F(DX3ApplicationTest, DropsInputWhileAMoviePlays)
{
    TracingApplication application;
    ASSERT_TRUE(application.Create(Settings(false)));
    application.calls.clear();

    EXPECT_FALSE(PlayMovie("data\\intro.avi")); // missing
    EXPECT_FALSE(MoviePlaying);

    MoviePlaying = true;
    DX3Application::WindowProcedure({MessageType::KeyDown, VirtualKey::Escape});
    DX3Application::WindowProcedure({MessageType::Char, 27});
    DX3Application::WindowProcedure({MessageType::LeftButtonDown, 0, 10, 10});
    DX3Application::WindowProcedure({MessageType::MouseMove, 0, 10, 10});
    EXPECT_TRUE(application.calls.empty());
    MoviePlaying = false;

    // Input during the movie never reaches the game; a close request ends
    // the movie and is kept for the frame loop.
    std::filesystem::create_directory("data");
    WriteTestMovie("data/intro.avi", {.colours = {0x804020, 0x204080, 0x208040}, .toneHertz = 0});
    Window().Inject({MessageType::KeyDown, 'A'});
    Window().Inject({MessageType::LeftButtonDown, 0, 10, 10});
    Window().Inject({MessageType::Destroy});
    EXPECT_TRUE(PlayMovie("data\\INTRO.avi"));
    EXPECT_FALSE(MoviePlaying);
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(application.calls, (std::vector<std::string>{"destroy"}));
}

TEST_F(DX3ApplicationTest, PlaysMoviesFromTheLooseTreeAndTheArchiveAndLogsBrokenOnes)
{
    TracingApplication application;
    ASSERT_TRUE(application.Create(Settings(false)));
    Window().KeepPresentedPictures(true);
    std::filesystem::create_directory("data");
    const std::vector<std::uint8_t> movie =
        WriteTestMovie("data/intro.avi", {.colours = {0x804020, 0x204080, 0x208040}, .toneHertz = 0});

    // The picture fills the middle two thirds of the 800 x 600 window.
    std::uint64_t presents = Window().GetPresentCount();
    ASSERT_TRUE(PlayMovie("data\\intro.avi"));
    EXPECT_EQ(Window().GetPresentCount() - presents, 3u);
    const platform::Picture& last = Window().GetLastPresented();
    ASSERT_EQ(last.width, 800);
    ASSERT_EQ(last.height, 600);
    EXPECT_TRUE(ColourNear(last.pixels[300 * 800 + 400] & 0xFFFFFF, 0x208040));
    EXPECT_EQ(last.pixels[50 * 800 + 400] & 0xFFFFFF, 0u);

    // Missing, cut short, not a movie: false, a log line, nothing shown
    // where nothing could be decoded.
    WriteFile("data/broken.avi", std::string(movie.begin(), movie.begin() + 300));
    WriteFile("data/text.avi", "no movie");
    presents = Window().GetPresentCount();
    EXPECT_FALSE(PlayMovie("data\\missing.avi"));
    EXPECT_FALSE(PlayMovie("data\\broken.avi"));
    EXPECT_FALSE(PlayMovie("data\\text.avi"));
    EXPECT_EQ(Window().GetPresentCount(), presents);
    EXPECT_FALSE(MoviePlaying);
    const std::string log = ReadFile("debug.txt");
    EXPECT_TRUE(Contains(log, "***WARNING: DX3Application::PlayMovie: Movie <data\\missing.avi> not found!\n"));
    EXPECT_TRUE(Contains(log, "***ERROR: DX3Application::PlayMovie: Failed to play movie <data\\broken.avi>: "));
    EXPECT_TRUE(Contains(log,
                         "***ERROR: DX3Application::PlayMovie: Failed to play movie <data\\text.avi>: not an AVI movie"));

    // From the archive, with no loose file left.
    std::string error;
    ASSERT_TRUE(WriteArchive("datafile.dat", {{"data\\intro.avi", {movie.begin(), movie.end()}}}, error)) << error;
    std::filesystem::remove("data/intro.avi");
    ASSERT_TRUE(DataFile::GetInstance().Init("datafile.dat"));
    presents = Window().GetPresentCount();
    EXPECT_TRUE(PlayMovie("data\\intro.avi"));
    EXPECT_EQ(Window().GetPresentCount() - presents, 3u);
}

TEST_F(DX3ApplicationTest, FailsToStartWithoutAWindowOrWhenTheGameRefuses)
{
    TracingApplication noWindow;
    EXPECT_FALSE(noWindow.Create(Settings(false, 0, 600)));
    ASSERT_EQ(Host().GetMessageBoxes().size(), 1u);
    EXPECT_EQ(Host().GetMessageBoxes()[0],
              (std::pair<std::string, std::string>{"ERROR", "DX3Application::CreateWindow: Failed to create the main window!"}));
    EXPECT_FALSE(std::filesystem::exists("debug.txt"));

    TracingApplication refusing;
    refusing.createSucceeds = false;
    EXPECT_FALSE(refusing.Create(Settings(false)));
    EXPECT_FALSE(refusing.IsActive());
}
