#include "audio/AudioEvent.h"
#include "audio/SoundEngine.h"
#include "audio/Voice.h"
#include "graphics/Animation.h"
#include "graphics/SpriteManager.h"
#include "support/HeadlessTest.h"

namespace {

// A sprite of a number of frames that draws nothing.
class FramesSprite final : public Sprite {
public:
    explicit FramesSprite(int count) : frames(count) {}
    int GetFrameCount() const override { return frames; }
    int GetWidth(int) const override { return 1; }
    int GetHeight(int) const override { return 1; }
    int GetFullWidth() const override { return 1; }
    int GetFullHeight() const override { return 1; }
    bool IsPixelTransparent(Point, int) const override { return true; }
    void DrawEx(const DrawInfo&) override {}

private:
    int frames;
};

} // namespace

class AnimationTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        Animation::SetAudioEventsAllowed(true);
        SoundEngine& engine = SoundEngine::GetInstance();
        engine.SetEnabled(true);
        for (const char* name : eventNames)
            engine.AddAudioEvent(name, AudioEvent());
    }
    void TearDown() override
    {
        Animation::SetAudioEventsAllowed(false);
        HeadlessTest::TearDown();
    }
    // A label whose sprite has `frames` frames, with the given description.
    static void Register(const std::string& label, int frames, SpriteInfo info = {})
    {
        info.label = label;
        SpriteManager::GetInstance().AddSpriteInfo(info);
        SpriteManager::GetInstance().RegisterSprite(label, std::make_unique<FramesSprite>(frames));
    }

    // The events whose voices were started since the last call, in order.
    static std::vector<std::string> TakeStarted()
    {
        SoundEngine& engine = SoundEngine::GetInstance();
        std::vector<std::string> names;
        while (!engine.GetTemporaryVoices().empty()) {
            Voice* voice = engine.GetTemporaryVoices().front().get();
            EXPECT_TRUE(voice->IsActive());
            for (const char* name : eventNames)
                if (voice->GetEvent() == engine.FindAudioEvent(name))
                    names.emplace_back(name);
            engine.DestroyVoice(voice);
        }
        return names;
    }

    static constexpr const char* eventNames[] = {"before", "middle", "after"};
};

TEST_F(AnimationTest, LoopsStopsAndTurnsAtTheEnds)
{
    Register("ten", 10);
    Animation loop;
    ASSERT_TRUE(loop.SetSpriteLabel("ten"));
    EXPECT_EQ(loop.GetFrameCount(), 10);
    // 0.95 + 20 frames/s * 0.1 s / 10 frames = 1.15: wraps to 0.15, finished.
    loop.SetTime(0.95f);
    loop.Update(0.1f);
    EXPECT_NEAR(loop.GetTime(), 0.15f, 1e-5f);
    EXPECT_TRUE(loop.IsFinished());
    EXPECT_EQ(loop.GetCurrentFrame(), 1);
    loop.Update(0.1f);
    EXPECT_FALSE(loop.IsFinished());
    // Backward below 0 wraps up again.
    loop.SetDirection(Animation::backward);
    loop.SetTime(0.1f);
    loop.Update(0.1f);
    EXPECT_NEAR(loop.GetTime(), 0.9f, 1e-5f);
    EXPECT_TRUE(loop.IsFinished());

    Animation stop;
    ASSERT_TRUE(stop.SetSpriteLabel("ten"));
    stop.SetMode(Animation::modeStop);
    stop.SetUseDefaultSpeed(false);
    stop.SetSpeed(50.0f);
    stop.SetTime(0.9f);
    stop.Update(0.1f);
    EXPECT_EQ(stop.GetTime(), 1.0f);
    EXPECT_TRUE(stop.IsFinished());
    EXPECT_EQ(stop.GetCurrentFrame(), 9);

    // Ping pong: passing 1.0 stops there and turns, not finished; passing
    // below 0 turns and is finished.
    Animation pingPong;
    ASSERT_TRUE(pingPong.SetSpriteLabel("ten"));
    pingPong.SetMode(Animation::modePingPong);
    pingPong.SetTime(0.95f);
    pingPong.Update(0.1f);
    EXPECT_EQ(pingPong.GetTime(), 1.0f);
    EXPECT_TRUE(pingPong.GetReverseFlag());
    EXPECT_FALSE(pingPong.IsFinished());
    pingPong.Update(0.1f);
    EXPECT_NEAR(pingPong.GetTime(), 0.8f, 1e-5f);
    pingPong.SetTime(0.1f);
    pingPong.Update(0.1f);
    EXPECT_EQ(pingPong.GetTime(), 0.0f);
    EXPECT_FALSE(pingPong.GetReverseFlag());
    EXPECT_TRUE(pingPong.IsFinished());
    // Backward ping pong runs the other way round.
    pingPong.SetDirection(Animation::backward);
    pingPong.SetTime(0.05f);
    pingPong.Update(0.1f);
    EXPECT_EQ(pingPong.GetTime(), 0.0f);
    EXPECT_TRUE(pingPong.GetReverseFlag());
    EXPECT_TRUE(pingPong.IsFinished());

    // A huge or broken step never leaves a position that is not a number.
    loop.Update(1e30f);
    loop.Update(std::numeric_limits<float>::infinity());
    EXPECT_GE(loop.GetTime(), 0.0f);
    EXPECT_LE(loop.GetTime(), 1.0f);
    loop.SetTime(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(loop.GetCurrentFrame(), 0);
}

TEST_F(AnimationTest, PlaysTheFrameTableAndSetsFrames)
{
    SpriteInfo info;
    info.frameTable = {0, 1, 2, 1};
    Register("table", 3, info);
    Animation animation;
    ASSERT_TRUE(animation.SetSpriteLabel("table"));
    EXPECT_EQ(animation.GetFrameCount(), 4);
    std::vector<int> frames;
    for (int step = 0; step < 4; ++step) {
        frames.push_back(animation.GetCurrentFrame());
        animation.Update(0.05f); // 20 frames/s over 4 entries: a quarter a step
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 1}));

    animation.SetFrame(2);
    EXPECT_NEAR(animation.GetTime(), 2.0f / 3.0f, 1e-6f);
    EXPECT_EQ(animation.GetCurrentFrame(), 2);
    animation.SetFrame(9);
    EXPECT_EQ(animation.GetTime(), 1.0f);
    EXPECT_EQ(animation.GetCurrentFrame(), 1);

    // "NONE" plays nothing: one frame, no movement.
    ASSERT_TRUE(animation.SetSpriteLabel("NONE"));
    EXPECT_EQ(animation.GetFrameCount(), 1);
    animation.SetFrame(5);
    EXPECT_EQ(animation.GetTime(), 0.0f);
    animation.Update(1.0f);
    EXPECT_EQ(animation.GetTime(), 0.0f);
    EXPECT_FALSE(animation.SetSpriteLabel("missing"));
    EXPECT_EQ(animation.GetSpriteLabel(), "missing");
    // An empty label keeps the stored one.
    Register("missing", 2);
    EXPECT_TRUE(animation.SetSpriteLabel(""));
    EXPECT_EQ(animation.GetFrameCount(), 2);
}

TEST_F(AnimationTest, FiresAudioEventsInsideTheWindowsOfPlay)
{
    SpriteInfo info;
    info.audioEvents = {{-1.0f, "before"}, {0.5f, "middle"}, {2.0f, "after"}, {0.05f, "unknown"}};
    Register("events", 10, info);
    Animation animation;
    ASSERT_TRUE(animation.SetSpriteLabel("events"));

    // Forward from 0: the event at -1 counts as 0 and fires, the one at 2
    // never does.
    animation.Update(0.1f); // 0.0 -> 0.2
    EXPECT_EQ(TakeStarted(), std::vector<std::string>{"before"});
    EXPECT_TRUE(Contains(ReadFile("debug.txt"),
                         "***WARNING: Animation::CheckAudioEvents: Failed to receive audio event <unknown>!\n"));
    animation.Update(0.15f); // 0.2 -> 0.5: the window is [0.2, 0.5)
    EXPECT_TRUE(TakeStarted().empty());
    animation.Update(0.1f); // 0.5 -> 0.7
    EXPECT_EQ(TakeStarted(), std::vector<std::string>{"middle"});
    animation.Update(0.2f); // 0.7 -> 1.1, looping: [0.7, 1.1) and [0, 0.1)
    EXPECT_EQ(TakeStarted(), std::vector<std::string>{"before"});

    // Backward from 1.0: the event at 2 counts as 1 and fires, the one at -1
    // never does. (The event at 0.05 has no audio event and only warns.)
    animation.SetDirection(Animation::backward);
    animation.SetTime(1.0f);
    animation.Update(0.1f); // 1.0 -> 0.8
    EXPECT_EQ(TakeStarted(), std::vector<std::string>{"after"});
    animation.SetTime(0.3f);
    const auto warnings = [] { return CountOf(ReadFile("debug.txt"), "<unknown>"); };
    const std::size_t before = warnings();
    animation.Update(0.15f); // 0.3 -> 0.0: [0.0, 0.3) holds only the unknown event
    EXPECT_TRUE(TakeStarted().empty());
    EXPECT_EQ(warnings(), before + 1);

    // Ping pong on its way back plays backward.
    animation.SetDirection(Animation::forward);
    animation.SetMode(Animation::modePingPong);
    animation.SetReverseFlag(true);
    animation.SetTime(1.0f);
    animation.Update(0.1f);
    EXPECT_EQ(TakeStarted(), std::vector<std::string>{"after"});

    // Outside an adventure level nothing fires.
    Animation::SetAudioEventsAllowed(false);
    animation.SetReverseFlag(false);
    animation.SetTime(0.0f);
    animation.Update(0.1f);
    EXPECT_TRUE(TakeStarted().empty());
}

TEST_F(AnimationTest, FollowsTheRegistryWhenItReplacesTheSprite)
{
    Register("hero", 4);
    Animation animation;
    ASSERT_TRUE(animation.SetSpriteLabel("hero"));
    Sprite* first = animation.GetSprite();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(animation.GetSprite(), first);

    // A room reloading its art destroys the old sprite; the animation never
    // hands out the pointer to it again.
    SpriteManager::GetInstance().RegisterSprite("hero", std::make_unique<FramesSprite>(4));
    Sprite* second = animation.GetSprite();
    EXPECT_NE(second, nullptr);
    EXPECT_EQ(second, SpriteManager::GetInstance().GetSprite("hero"));
    EXPECT_EQ(second->GetFrameCount(), 4);
}
