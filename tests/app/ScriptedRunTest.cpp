#include "app/ScriptedRun.h"
#include "app/DX3Application.h"
#include "app/Singleton.h"
#include "support/FileSizeLimit.h"
#include "support/HeadlessTest.h"
#include "support/PngPixel.h"

using platform::MessageType;

namespace {

// Plays a short session: the "player" moves, clicks and types on given
// frames, and the frames take different times. Every call is written down.
class SessionApplication : public DX3Application {
public:
    bool actAsPlayer = false;
    std::uint32_t drawUntil = ~0u; // frames after this present nothing
    std::vector<std::string> calls;

    void OnUpdate(float seconds) override
    {
        platform::Platform& host = *platform::Platform::Get();
        calls.push_back("update " + std::to_string(seconds));
        const std::uint32_t frame = GetFrameCount();
        host.GetClock().Sleep(frame == 2 ? 45 : 3);
        std::uint32_t colour = 0x102030u + frame;
        if (frame <= drawUntil)
            host.GetWindow().Present(&colour, 1, 1, 1);
        if (!actAsPlayer)
            return;
        auto& window = static_cast<platform::HeadlessWindow&>(host.GetWindow());
        if (frame == 1) {
            window.Inject({MessageType::MouseMove, 0, 400, 300});
            window.Inject({MessageType::LeftButtonDown, 0, 400, 300});
        } else if (frame == 3) {
            window.Inject({MessageType::KeyDown, 'A'});
            window.Inject({MessageType::Char, 'a'});
        } else if (frame == 5) {
            window.Inject({MessageType::Destroy});
        }
    }
    void OnRender() override { calls.push_back("render"); }
    void OnKeyDown(int key) override { calls.push_back("keydown " + std::to_string(key)); }
    void OnChar(int code) override { calls.push_back("char " + std::to_string(code)); }
    void OnMouseMove(int x, int y) override { calls.push_back("move " + std::to_string(x) + "," + std::to_string(y)); }
    void OnLButtonDown(int x, int y, bool) override
    {
        calls.push_back("ldown " + std::to_string(x) + "," + std::to_string(y));
    }
};

// Why the run could not start, or what it could not write, goes to `error`.
std::vector<std::string> RunSession(const CommandLine& commandLine, bool actAsPlayer, std::string* error = nullptr,
                                    std::uint32_t drawUntil = ~0u)
{
    ScriptedRun scriptedRun;
    std::string reason;
    if (!scriptedRun.Start(commandLine, 99, reason)) {
        if (error != nullptr)
            *error = reason;
        return {};
    }
    SessionApplication application;
    application.actAsPlayer = actAsPlayer;
    application.drawUntil = drawUntil;
    application.SetScriptedRun(&scriptedRun);
    ApplicationSettings settings;
    settings.fullScreen = true;
    if (!application.Create(settings))
        return {};
    application.Run();
    if (error != nullptr)
        *error = scriptedRun.GetFailure();
    return application.calls;
}

} // namespace

class ScriptedRunTest : public HeadlessTest {};

TEST_F(ScriptedRunTest, AReplayedSessionMakesTheSameCalls)
{
    CommandLine recordLine;
    recordLine.recordFile = "session.txt";
    const std::vector<std::string> original = RunSession(recordLine, true);
    ASSERT_FALSE(original.empty());
    EXPECT_NE(std::find(original.begin(), original.end(), "update 0.045000"), original.end());
    EXPECT_NE(std::find(original.begin(), original.end(), "ldown 512,384"), original.end());
    const std::string recorded = ReadFile("session.txt");
    EXPECT_EQ(recorded, "zephyra-recording 1 seed 99\n"
                        "frame 0 time 0\n"
                        "frame 1 time 20\n"
                        "frame 2 time 20 mousemove 512 384 lbuttondown 512 384\n"
                        "frame 3 time 45\n"
                        "frame 4 time 20 keydown 65 char 97\n"
                        "frame 5 time 20\n"
                        "frame 6 destroy\n");

    // Fresh services, a different frame period: the replay reproduces the
    // calls and, recorded again, the same file.
    SingletonRegistry::DestroyAll();
    Host().GetClock().SetFramePeriod(33);
    CommandLine replayLine;
    replayLine.replayFile = "session.txt";
    replayLine.recordFile = "again.txt";
    EXPECT_EQ(RunSession(replayLine, false), original);
    EXPECT_EQ(ReadFile("again.txt"), recorded);
}

TEST_F(ScriptedRunTest, ASoakGivesTheSameInputForTheSameSeedAndStopsAGameThatNoLongerDraws)
{
    const auto count = [](const std::vector<std::string>& calls, const char* what) {
        return std::count_if(calls.begin(), calls.end(),
                             [what](const std::string& call) { return call.starts_with(what); });
    };
    // The first frame's time is the test clock's, which runs on from the
    // session before.
    const auto afterFirstFrame = [](const std::vector<std::string>& calls) {
        return std::vector<std::string>(calls.begin() + 1, calls.end());
    };
    const auto afterFirstFrameLine = [](const std::string& recording) {
        return recording.substr(recording.find("frame 1 "));
    };
    CommandLine soakLine;
    soakLine.soakSeconds = 60;
    soakLine.recordFile = "soak.txt";
    const std::vector<std::string> first = RunSession(soakLine, false);
    EXPECT_EQ(count(first, "update"), 3000); // 60 seconds at 20 milliseconds a frame
    EXPECT_GT(count(first, "ldown"), 30);
    EXPECT_GT(count(first, "keydown"), 30);
    EXPECT_GT(count(first, "char"), 10);
    const std::string recorded = ReadFile("soak.txt");

    // The same seed gives the same session, and its recording replays it.
    SingletonRegistry::DestroyAll();
    soakLine.recordFile = "again.txt";
    EXPECT_EQ(afterFirstFrame(RunSession(soakLine, false)), afterFirstFrame(first));
    EXPECT_EQ(afterFirstFrameLine(ReadFile("again.txt")), afterFirstFrameLine(recorded));
    SingletonRegistry::DestroyAll();
    CommandLine replayLine;
    replayLine.replayFile = "soak.txt";
    EXPECT_EQ(RunSession(replayLine, false), first);

    // A game that stops drawing is caught 500 frames later.
    SingletonRegistry::DestroyAll();
    CommandLine hangLine;
    hangLine.soakSeconds = 60;
    std::string error;
    const std::vector<std::string> hung = RunSession(hangLine, false, &error, 99);
    EXPECT_EQ(error, "soak: the game drew nothing from frame 100 to frame 601");
    EXPECT_EQ(
        std::count_if(hung.begin(), hung.end(), [](const std::string& call) { return call.starts_with("update"); }),
        601);
}

TEST_F(ScriptedRunTest, StopsAfterTheFrameLimitAndWritesScreenshots)
{
    CommandLine commandLine;
    commandLine.frames = 4;
    commandLine.shotDirectory = "shots";
    commandLine.shotFrames = {1, 3, 9};
    const std::vector<std::string> calls = RunSession(commandLine, false);
    EXPECT_EQ(
        std::count_if(calls.begin(), calls.end(), [](const std::string& call) { return call.starts_with("update"); }),
        4);
    EXPECT_TRUE(std::filesystem::exists("shots/frame000001.png"));
    EXPECT_TRUE(std::filesystem::exists("shots/frame000003.png"));
    EXPECT_FALSE(std::filesystem::exists("shots/frame000000.png"));
    EXPECT_FALSE(std::filesystem::exists("shots/frame000009.png"));

    // The picture is the one presented in that frame.
    const auto rgb = ReadOnePixelPng("shots/frame000003.png");
    ASSERT_TRUE(rgb.has_value());
    EXPECT_EQ(*rgb, (std::array<std::uint8_t, 3>{0x10, 0x20, 0x33}));

    // Without a list, the last frame is written.
    SingletonRegistry::DestroyAll();
    CommandLine lastOnly;
    lastOnly.frames = 3;
    lastOnly.shotDirectory = "last";
    RunSession(lastOnly, false);
    EXPECT_TRUE(std::filesystem::exists("last/frame000002.png"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("last"), std::filesystem::directory_iterator()), 1);
}

TEST_F(ScriptedRunTest, FailsWhenItCannotWriteWhatWasAskedFor)
{
    std::string error;
    CommandLine fullDisk;
    fullDisk.recordFile = "/dev/full";
    EXPECT_TRUE(RunSession(fullDisk, false, &error).empty());
    EXPECT_EQ(error, "cannot write the recording </dev/full>: No space left on device");

    CommandLine nowhere;
    WriteFile("plain.txt", "a file, not a folder");
    nowhere.shotDirectory = "plain.txt";
    EXPECT_TRUE(RunSession(nowhere, false, &error).empty());
    EXPECT_EQ(error.rfind("cannot create the folder <plain.txt>: ", 0), 0u) << error;

    // The disk fills during the run: the header fits, the frames do not.
    // The run ends at the next frame and says why.
    SingletonRegistry::DestroyAll();
    CommandLine filling;
    filling.frames = 50;
    filling.recordFile = "session.txt";
    std::vector<std::string> calls;
    {
        const FileSizeLimit limit(Recording::FormatHeader(99).size() + 4);
        calls = RunSession(filling, false, &error);
    }
    EXPECT_EQ(error, "cannot write the recording <session.txt>: File too large");
    EXPECT_LT(calls.size(), 10u);

    // Screenshots that cannot be written fail the run as well.
    SingletonRegistry::DestroyAll();
    CommandLine shots;
    shots.frames = 3;
    shots.shotDirectory = "shots";
    {
        const FileSizeLimit limit(0);
        RunSession(shots, false, &error);
    }
    EXPECT_EQ(error.rfind("cannot write the screenshot <shots/frame000002.png>", 0), 0u) << error;
}

TEST_F(ScriptedRunTest, RefusesABrokenRecording)
{
    WriteFile("broken.txt", "zephyra-recording 1 seed 5\nframe 1 teleport\n");
    CommandLine commandLine;
    commandLine.replayFile = "broken.txt";
    std::string error;
    EXPECT_TRUE(RunSession(commandLine, false, &error).empty());
    EXPECT_EQ(error, "the recording <broken.txt> is broken: line 2: unknown event <teleport>");

    commandLine.replayFile = "missing.txt";
    EXPECT_TRUE(RunSession(commandLine, false, &error).empty());
    EXPECT_EQ(error, "cannot open the recording <missing.txt>");
}
