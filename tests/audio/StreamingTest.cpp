#include "audio/AudioEvent.h"
#include "audio/MusicPlayer.h"
#include "audio/Randomizer.h"
#include "audio/SampleManager.h"
#include "audio/SoundEngine.h"
#include "audio/SpeechPlayer.h"
#include "audio/StreamingSample.h"
#include "audio/Voice.h"
#include "platform/headless/HeadlessSoundDevice.h"
#include "support/AudioTest.h"
#include "support/ToneStream.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::uint32_t period = 100;
constexpr std::int64_t samplesPerPeriod = ToneStream::rate * period / 1000;
// Each tone sample then falls exactly on every second output frame.
static_assert(platform::SoundMixer::outputRate == 2 * ToneStream::rate);

// The bytes of the stream's ring buffer as they are now.
std::vector<std::uint8_t> Contents(StreamingSample* stream)
{
    platform::SoundBuffer* buffer = stream->GetBuffer();
    platform::SoundRegions regions;
    EXPECT_EQ(buffer->Lock(0, buffer->GetSize(), regions), platform::soundOk);
    const auto* bytes = static_cast<const std::uint8_t*>(regions.first);
    std::vector<std::uint8_t> contents(bytes, bytes + regions.firstBytes);
    buffer->Unlock(regions);
    return contents;
}

} // namespace

// Streams on virtual time over the headless sound card, whose output is kept.
class StreamingTest : public HeadlessSoundTest {
protected:
    void SetUp() override
    {
        HeadlessSoundTest::SetUp();
        device->KeepOutput(10 * platform::SoundMixer::outputRate);
        keptFrom = device->GetMixedFrames();
    }

    // What one mono stream played from output frame `start` on, one value a
    // tone sample: the left channel of every second frame.
    std::vector<std::int16_t> PlayedFrom(std::uint64_t start)
    {
        const std::vector<std::int16_t>& kept = device->GetKeptOutput();
        std::vector<std::int16_t> played;
        for (std::size_t frame = start - keptFrom; (frame + 1) * platform::SoundMixer::outputChannels <= kept.size(); frame += 2)
            played.push_back(kept[frame * platform::SoundMixer::outputChannels]);
        return played;
    }

    // Advances virtual time in frames of `step` ms until `done` or `limit`;
    // the time it took.
    template <typename Done>
    std::uint32_t RunUntil(Done done, std::uint32_t limit, std::uint32_t step = 10)
    {
        std::uint32_t elapsed = 0;
        while (elapsed < limit && !done()) {
            Frame(step);
            elapsed += step;
        }
        return elapsed;
    }

    std::uint64_t keptFrom = 0;
};

TEST_F(StreamingTest, AOneShotStreamPlaysItsFileOnceAndStopsWithinOnePeriod)
{
    SoundEngine& engine = SoundEngine::GetInstance();
    StreamingSample* stream = engine.CreateStream("tone:2500");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(engine.GetStreamCount(), 1u);
    EXPECT_EQ(stream->GetBuffer()->GetSize(), 44100u); // one second
    const std::uint64_t start = Now();
    stream->Play();
    EXPECT_TRUE(stream->IsTimerInstalled());
    const std::uint32_t stopped = RunUntil([&] { return !stream->IsPlaying(); }, 5000);
    // The last byte plays at 2500 ms (plus the 8-byte lead); the next tick
    // that sees the cursor past it stops the stream.
    EXPECT_GE(stopped, 2500u);
    EXPECT_LE(stopped, 2500u + period);
    EXPECT_FALSE(stream->IsTimerInstalled());

    // What played: 8 bytes of the silent start, the whole tone once in
    // order, then silence.
    const std::vector<std::int16_t> played = PlayedFrom(start);
    const std::int64_t toneSamples = 2500 * ToneStream::rate / 1000;
    ASSERT_GE(static_cast<std::int64_t>(played.size()), 4 + toneSamples);
    for (std::int64_t k = 0; k < 4; ++k)
        ASSERT_EQ(played[k], 0) << k;
    for (std::int64_t k = 0; k < toneSamples; ++k)
        ASSERT_EQ(played[4 + k], ToneStream::ToneSample(k)) << k;
    for (std::size_t k = 4 + toneSamples; k < played.size(); ++k)
        ASSERT_EQ(played[k], 0) << k;

    // No timer is left: time passes without any refill.
    const std::vector<std::uint8_t> contents = Contents(stream);
    Frame(1000);
    EXPECT_EQ(Contents(stream), contents);
    EXPECT_EQ(Log().find("***ERROR"), std::string::npos);
}

TEST_F(StreamingTest, ALoopingStreamStartsOverWithoutAGap)
{
    SoundEngine& engine = SoundEngine::GetInstance();
    StreamingSample* stream = engine.CreateStream("tone:700");
    ASSERT_NE(stream, nullptr);
    const std::uint64_t start = Now();
    stream->PlayLooped();
    RunUntil([] { return false; }, 3000);
    EXPECT_TRUE(stream->IsPlaying());
    EXPECT_TRUE(stream->IsTimerInstalled());

    // Past the lead: the tone again and again, at most one period of
    // silence between two rounds.
    const std::vector<std::int16_t> played = PlayedFrom(start);
    const std::int64_t toneSamples = 700 * ToneStream::rate / 1000;
    ASSERT_EQ(static_cast<std::int64_t>(played.size()), 3000 * ToneStream::rate / 1000);
    std::int64_t at = 4;
    int rounds = 0;
    while (at < static_cast<std::int64_t>(played.size())) {
        std::int64_t gap = 0;
        while (at < static_cast<std::int64_t>(played.size()) && played[at] == 0) {
            ++at;
            ++gap;
        }
        EXPECT_LE(gap, samplesPerPeriod);
        for (std::int64_t k = 0; k < toneSamples && at < static_cast<std::int64_t>(played.size()); ++k, ++at)
            ASSERT_EQ(played[at], ToneStream::ToneSample(k)) << "round " << rounds << " sample " << k;
        ++rounds;
    }
    EXPECT_EQ(rounds, 5); // 3 s of a 0.7 s loop: four whole rounds and part of a fifth

    // Pausing stops the buffer but keeps the timer; resuming plays on.
    stream->Pause(true);
    EXPECT_FALSE(stream->IsPlaying());
    EXPECT_TRUE(stream->IsTimerInstalled());
    stream->Pause(false);
    EXPECT_TRUE(stream->IsPlaying());
}

TEST_F(StreamingTest, PlayingAPlayingStreamReportsItsTimerAndKeepsOne)
{
    SoundEngine& engine = SoundEngine::GetInstance();
    StreamingSample* stream = engine.CreateStream("tone:1000");
    ASSERT_NE(stream, nullptr);
    stream->Play();
    Frame(250);
    const std::uint64_t restart = Now();
    stream->Rewind();
    stream->Play();
    EXPECT_TRUE(Contains(Log(), "***ERROR: StreamingSample::Loop timer already installed"));
    // Rewound and started over: it ends a second after the restart.
    const std::uint32_t stopped = RunUntil([&] { return !stream->IsPlaying(); }, 3000);
    EXPECT_GE(stopped, 1000u);
    EXPECT_LE(stopped, 1000u + period);
    const std::vector<std::int16_t> played = PlayedFrom(restart);
    ASSERT_GT(played.size(), 4u + ToneStream::rate);
    for (std::int64_t k = 0; k < ToneStream::rate; ++k)
        ASSERT_EQ(played[4 + k], ToneStream::ToneSample(k)) << k;
    EXPECT_FALSE(stream->IsTimerInstalled());
}

TEST_F(StreamingTest, TimerCallsForStreamsTheEngineDoesNotKnowDoNothing)
{
    SoundEngine& engine = SoundEngine::GetInstance();
    // A stream outside the engine's list: each of its timer's calls finds
    // it not valid, logs so and leaves the ring buffer alone.
    Sample* loose = SampleManager::GetInstance().Load("_music_", "tone:5000", streamSampleFlags);
    auto* stream = dynamic_cast<StreamingSample*>(loose);
    ASSERT_NE(stream, nullptr);
    stream->PlayLooped();
    const std::vector<std::uint8_t> afterFirstRefill = Contents(stream);
    Frame(period);
    EXPECT_EQ(Contents(stream), afterFirstRefill);
    char line[96];
    std::snprintf(line, sizeof(line), "SoundEngine::IsStreamValid stream %x not valid\n",
                  static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(stream)));
    EXPECT_TRUE(Contains(Log(), line));
    delete loose;

    // A destroyed stream's timer is gone with it; time passes quietly.
    StreamingSample* doomed = engine.CreateStream("tone:5000");
    doomed->PlayLooped();
    Frame(150);
    engine.DestroyStream(doomed);
    engine.DestroyStream(doomed); // twice is harmless
    const std::size_t logSize = Log().size();
    Frame(500);
    EXPECT_EQ(Log().size(), logSize);
    EXPECT_EQ(engine.GetStreamCount(), 0u);
}

TEST_F(StreamingTest, StreamVolumesFollowTheirGroup)
{
    SoundEngine& engine = SoundEngine::GetInstance();
    StreamingSample* speech = engine.CreateStream("tone:1000");
    speech->SetSoundGroup(soundGroupSpeech);
    speech->SetVolume(0.5f);
    std::int32_t attenuation = 0;
    speech->GetBuffer()->GetVolume(&attenuation);
    EXPECT_EQ(attenuation, -602);
    EXPECT_FLOAT_EQ(speech->GetVolume(), 0.5f);
    engine.SetGroupVolume(soundGroupSpeech, 0.5f);
    engine.UpdateVolumes();
    speech->GetBuffer()->GetVolume(&attenuation);
    EXPECT_EQ(attenuation, -1204);
    engine.SetGroupEnable(soundGroupSpeech, 0.0f);
    engine.UpdateVolumes();
    speech->GetBuffer()->GetVolume(&attenuation);
    EXPECT_EQ(attenuation, -10000);

    // Stopping effects and speech stops this stream but not the music.
    StreamingSample* music = engine.CreateStream("tone:1000");
    speech->PlayLooped();
    music->PlayLooped();
    engine.StopEffectsAndSpeech();
    EXPECT_FALSE(speech->IsPlaying());
    EXPECT_FALSE(speech->IsTimerInstalled());
    EXPECT_TRUE(music->IsPlaying());
    engine.StopAll();
    EXPECT_FALSE(music->IsPlaying());
}

TEST_F(StreamingTest, MusicFadesInOverTenSecondsAndOutOverTwo)
{
    MusicPlayer& music = MusicPlayer::GetInstance();
    music.Play("tone:600000");
    StreamingSample* stream = music.GetStream();
    ASSERT_NE(stream, nullptr);
    EXPECT_TRUE(stream->IsPlaying());
    EXPECT_EQ(stream->GetSoundGroup(), soundGroupMusic);
    const auto runFor = [&music, this](int milliseconds) {
        for (int elapsed = 0; elapsed < milliseconds; elapsed += 20) {
            Frame(20);
            music.Update(0.02f);
        }
    };
    EXPECT_FLOAT_EQ(stream->GetVolume(), 0.0f);
    runFor(2500);
    EXPECT_NEAR(stream->GetVolume(), 0.25f, 1e-4f);
    runFor(2500);
    EXPECT_NEAR(stream->GetVolume(), 0.5f, 1e-4f);
    runFor(5000);
    // 10 s: full, and the playing period of 180 to 299 s has begun.
    EXPECT_NEAR(stream->GetVolume(), 1.0f, 1e-4f);
    runFor(20);
    EXPECT_FLOAT_EQ(stream->GetVolume(), 1.0f);
    EXPECT_GE(music.GetCountdown(), 170.0f);
    EXPECT_LT(music.GetCountdown(), 300.0f);

    music.FadeOut();
    runFor(500);
    EXPECT_NEAR(stream->GetVolume(), 0.75f, 1e-4f);
    runFor(500);
    EXPECT_NEAR(stream->GetVolume(), 0.5f, 1e-4f);
    runFor(1000);
    EXPECT_NEAR(stream->GetVolume(), 0.0f, 1e-4f);
    runFor(3000);
    EXPECT_FLOAT_EQ(stream->GetVolume(), 0.0f);

    // Fading in again restarts the playing period and rises in 2 s.
    music.FadeIn();
    runFor(1000);
    EXPECT_NEAR(stream->GetVolume(), 0.5f, 1e-4f);
    runFor(1000);
    EXPECT_NEAR(stream->GetVolume(), 1.0f, 1e-4f);

    music.Stop();
    EXPECT_EQ(music.GetStream(), nullptr);
    EXPECT_EQ(SoundEngine::GetInstance().GetStreamCount(), 0u);
    music.Play("not a stream");
    EXPECT_TRUE(Contains(Log(), "***ERROR: MusicPlayer::Play: Failed to create audio stream <not a stream>!\n"));
}

TEST_F(StreamingTest, SpeechPlaysItsEventAfterTheDelay)
{
    AddEffectEvent("audioevent_intro");
    SoundEngine& engine = SoundEngine::GetInstance();
    SpeechPlayer& speech = SpeechPlayer::GetInstance();
    const auto frame = [&](std::uint32_t milliseconds) {
        Frame(milliseconds);
        speech.Update(static_cast<float>(milliseconds) / 1000.0f);
    };
    EXPECT_TRUE(speech.Init());

    // One name: always that one, moved into the speech group.
    speech.PlayRandom(0.0f, "audioevent_intro");
    ASSERT_NE(speech.GetVoice(), nullptr);
    EXPECT_EQ(engine.FindAudioEvent("audioevent_intro")->soundGroup, soundGroupSpeech);
    EXPECT_FALSE(speech.Init());
    EXPECT_TRUE(Contains(Log(), "***WARNING: SpeechPlayer::Init: Voice not NULL on init!\n"));
    frame(20);
    EXPECT_TRUE(speech.GetVoice()->IsPlaying());
    EXPECT_TRUE(speech.IsSpeaking());
    frame(500); // the 0.5 s sample has ended
    EXPECT_FALSE(speech.IsSpeaking());
    EXPECT_EQ(speech.GetVoice(), nullptr);
    EXPECT_TRUE(engine.GetPersistentVoices().empty());

    // After a delay of 1.5 s of frame time.
    speech.PlayRandom(1.5f, "audioevent_intro");
    for (int i = 0; i < 5; ++i) {
        frame(250);
        EXPECT_TRUE(speech.IsSpeaking());
        EXPECT_FALSE(speech.GetVoice()->IsActive()) << i;
        EXPECT_FALSE(speech.GetVoice()->IsPlaying()) << i;
    }
    frame(250); // 1.5 s: started
    EXPECT_TRUE(speech.GetVoice()->IsActive());
    frame(20);
    EXPECT_TRUE(speech.GetVoice()->IsPlaying());
    speech.Stop();
    EXPECT_EQ(speech.GetVoice(), nullptr);
    EXPECT_FALSE(speech.IsSpeaking());

    // Several names: each one is picked sometimes, nulls never.
    AddEffectEvent("audioevent_other");
    bool pickedFirst = false;
    bool pickedThird = false;
    for (int i = 0; i < 50; ++i) {
        speech.PlayRandom(0.0f, "audioevent_intro", nullptr, "audioevent_other");
        const std::string& sample = speech.GetVoice()->GetEvent()->sampleName;
        pickedFirst |= sample == "sample_audioevent_intro";
        pickedThird |= sample == "sample_audioevent_other";
    }
    EXPECT_TRUE(pickedFirst);
    EXPECT_TRUE(pickedThird);
}

TEST_F(StreamingTest, PlayersLetGoOfWhatTheEngineOrTheDeviceTookAway)
{
    AddEffectEvent("audioevent_intro");
    SoundEngine& engine = SoundEngine::GetInstance();
    MusicPlayer& music = MusicPlayer::GetInstance();
    SpeechPlayer& speech = SpeechPlayer::GetInstance();

    // A game state that ends destroys everything the engine holds. What the
    // engine makes next (a room's ambience, as a stream and as a looping
    // voice) often lands where the old stream and voice were: the players
    // find theirs gone, and their updates, volumes and Stop leave the new
    // ones alone.
    music.Play("tone:5000");
    speech.PlayRandom(0.0f, "audioevent_intro");
    Frame(100);
    const std::uint64_t musicSerial = music.GetStream()->GetSerial();
    const std::uint64_t speechSerial = speech.GetVoice()->GetSerial();
    engine.DestroyAll();
    AddEffectEvent("audioevent_ambience", soundGroupAmbient, true);
    StreamingSample* ambienceStream = engine.CreateStream("tone:5000");
    ASSERT_NE(ambienceStream, nullptr);
    ambienceStream->SetSoundGroup(soundGroupAmbient);
    ambienceStream->SetVolume(0.7f);
    ambienceStream->PlayLooped();
    Voice* ambience = engine.PlayEvent("audioevent_ambience", false);
    ambience->Start();
    EXPECT_EQ(engine.FindStream(musicSerial), nullptr);
    EXPECT_EQ(engine.FindVoice(speechSerial), nullptr);
    EXPECT_EQ(engine.FindStream(ambienceStream->GetSerial()), ambienceStream);
    EXPECT_EQ(engine.FindVoice(ambience->GetSerial()), ambience);
    music.Update(0.1f);
    music.FadeIn();
    speech.Update(0.1f);
    EXPECT_EQ(music.GetStream(), nullptr);
    EXPECT_EQ(speech.GetVoice(), nullptr);
    EXPECT_FALSE(speech.IsSpeaking());
    EXPECT_TRUE(speech.Init()); // nothing held any more
    music.Stop();
    speech.Stop();
    Frame(100);
    EXPECT_EQ(engine.GetStreamCount(), 1u);
    EXPECT_TRUE(ambienceStream->IsPlaying());
    EXPECT_FLOAT_EQ(ambienceStream->GetVolume(), 0.7f);
    ASSERT_EQ(engine.GetPersistentVoices().size(), 1u);
    EXPECT_EQ(engine.GetPersistentVoices().front().get(), ambience);
    EXPECT_TRUE(ambience->IsPlaying());
    engine.DestroyVoice(ambience);
    engine.DestroyStream(ambienceStream);

    // The device going away takes the pooled samples and the streams with
    // it; voices still alive hold nothing, and stay usable.
    AddEffectEvent("audioevent_loop", soundGroupEffects, true);
    Voice* loop = engine.PlayEvent("audioevent_loop", false);
    loop->Start();
    music.Play("tone:5000");
    Frame(100);
    ASSERT_NE(loop->GetSample(), nullptr);
    SampleManager::GetInstance().Shutdown();
    EXPECT_EQ(loop->GetSample(), nullptr);
    EXPECT_EQ(music.GetStream(), nullptr);
    loop->Stop();
    engine.DestroyVoice(loop);
}
