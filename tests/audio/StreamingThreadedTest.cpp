// Streams on the real timer thread: refills, the end of a one-shot and the
// destruction of streams race with the main thread here, and this binary
// runs under ThreadSanitizer.

#include "app/Debug.h"
#include "audio/SampleManager.h"
#include "audio/SoundEngine.h"
#include "audio/StreamingSample.h"
#include "platform/SoundMixer.h"
#include "platform/SystemClock.h"
#include "platform/ThreadPeriodicTimer.h"
#include "support/AudioTest.h"

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

// The software mixer on a thread of its own, ten milliseconds of output at
// a time in step with real time, as a sound card plays.
class RealTimeSoundDevice final : public platform::SoftwareSoundDevice {
public:
    RealTimeSoundDevice() : mixer([this] { Run(); }) {}
    ~RealTimeSoundDevice() override
    {
        running = false;
        mixer.join();
    }

private:
    void Run()
    {
        constexpr std::size_t frames = platform::SoundMixer::outputRate / 100;
        std::vector<std::int16_t> block(frames * platform::SoundMixer::outputChannels);
        auto next = std::chrono::steady_clock::now();
        while (running) {
            Mix(block.data(), frames);
            next += std::chrono::milliseconds(10);
            std::this_thread::sleep_until(next);
        }
    }

    std::atomic<bool> running{true};
    std::thread mixer;
};

// The headless platform with real time and the thread timer.
class ThreadedPlatform final : public platform::Platform {
public:
    bool InitVideo() override { return true; }
    bool InitAudio() override { return true; }
    platform::Window& GetWindow() override { return headless.GetWindow(); }
    platform::DisplayDevice& GetDisplay() override { return headless.GetDisplay(); }
    platform::Clock& GetClock() override { return clock; }
    platform::VideoPlayer& GetVideoPlayer() override { return headless.GetVideoPlayer(); }
    std::unique_ptr<platform::PeriodicTimer> CreatePeriodicTimer() override
    {
        return std::make_unique<platform::ThreadPeriodicTimer>();
    }
    platform::SoundResult CreateSoundDevice(std::unique_ptr<platform::SoundDevice>& device) override
    {
        device = std::make_unique<RealTimeSoundDevice>();
        return platform::soundOk;
    }
    void ShowMessageBox(std::string_view caption, std::string_view text) override
    {
        headless.ShowMessageBox(caption, text);
    }

private:
    platform::HeadlessPlatform headless;
    platform::SystemClock clock;
};

void Sleep(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace

class StreamingThreadedTest : public AudioTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        auto threaded = std::make_unique<ThreadedPlatform>();
        platform::Window& window = threaded->GetWindow();
        platform::Platform::Install(std::move(threaded));
        StartSound(window);
    }
};

TEST_F(StreamingThreadedTest, AOneShotStreamStopsItselfOnTheTimerThread)
{
    SoundEngine& engine = SoundEngine::GetInstance();
    StreamingSample* stream = engine.CreateStream("tone:500");
    ASSERT_NE(stream, nullptr);
    const auto start = std::chrono::steady_clock::now();
    stream->Play();
    while (stream->IsPlaying() && std::chrono::steady_clock::now() - start < std::chrono::seconds(5)) {
        engine.UpdateVolumes(); // volume changes meet the refills
        Sleep(5);
    }
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(stream->IsPlaying());
    EXPECT_GE(took, std::chrono::milliseconds(500));
    EXPECT_FALSE(stream->IsTimerInstalled());
    engine.DestroyStream(stream);
    EXPECT_EQ(engine.GetStreamCount(), 0u);
}

TEST_F(StreamingThreadedTest, StreamsDestroyedWhileTheirTimersRunAreNeverTouchedAgain)
{
    SoundEngine& engine = SoundEngine::GetInstance();
    for (int round = 0; round < 12; ++round) {
        StreamingSample* looping = engine.CreateStream("tone:300");
        StreamingSample* once = engine.CreateStream("tone:150");
        ASSERT_NE(looping, nullptr);
        ASSERT_NE(once, nullptr);
        looping->PlayLooped();
        once->Play();
        Sleep(40 + 23 * round % 170);
        looping->Rewind();
        looping->SetVolume(0.5f);
        engine.Update(0.01f);
        engine.DestroyStream(once);
        engine.DestroyStream(looping);
    }
    EXPECT_EQ(engine.GetStreamCount(), 0u);

    // A stream outside the engine: its timer's calls only log, and the
    // line reaches the log when the main thread next writes to it.
    Sample* loose = SampleManager::GetInstance().Load("_music_", "tone:5000", streamSampleFlags);
    auto* stream = dynamic_cast<StreamingSample*>(loose);
    ASSERT_NE(stream, nullptr);
    stream->PlayLooped();
    Sleep(250);
    Debug::GetInstance().FlushOtherThreads();
    delete loose;
    EXPECT_TRUE(Contains(Log(), "not valid\n"));
}
