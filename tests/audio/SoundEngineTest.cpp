#include "audio/AudioEvent.h"
#include "audio/Sample.h"
#include "audio/SampleManager.h"
#include "audio/SfxLoaderUtil.h"
#include "audio/SoundEngine.h"
#include "audio/StreamingSample.h"
#include "audio/Voice.h"
#include "files/AsciiSerializer.h"
#include "files/File.h"
#include "support/AudioTest.h"

#include <algorithm>

namespace {

// 2000 * log10(v * 100000) - 10000, truncated, for the volumes used here.
constexpr std::int32_t attenuationHalf = -602;    // 0.5
constexpr std::int32_t attenuationQuarter = -1204; // 0.25
constexpr std::int32_t attenuationSilent = -10000;

} // namespace

class SoundEngineTest : public AudioTest {};

TEST_F(SoundEngineTest, VariationKeepsVolumeAndPitchWithinTheirBounds)
{
    AudioEvent& event = AddEffectEvent("bleep");
    event.volumeVariation = 0.3f;
    event.pitchVariation = 0.1f;
    SoundEngine& engine = SoundEngine::GetInstance();
    float lowestVolume = 2.0f;
    float highestVolume = 0.0f;
    float lowestPitch = 2.0f;
    float highestPitch = 0.0f;
    for (int i = 0; i < 500; ++i) {
        Voice* voice = engine.CreateVoice(&event, false);
        lowestVolume = std::min(lowestVolume, voice->GetRandomVolume());
        highestVolume = std::max(highestVolume, voice->GetRandomVolume());
        lowestPitch = std::min(lowestPitch, voice->GetRandomPitch());
        highestPitch = std::max(highestPitch, voice->GetRandomPitch());
        EXPECT_EQ(voice->GetPriority(), 0); // 0.5 truncated
        engine.DestroyVoice(voice);
    }
    // The factor runs from -1 to 32767 / 16383 - 1 = 1.000061.
    EXPECT_GE(lowestVolume, 0.7f);
    EXPECT_LT(lowestVolume, 0.72f);
    EXPECT_EQ(highestVolume, 1.0f); // clamped, never above
    EXPECT_GE(lowestPitch, 0.9f);
    EXPECT_LT(lowestPitch, 0.91f);
    EXPECT_LE(highestPitch, 1.1f + 0.00001f);
    EXPECT_GT(highestPitch, 1.09f);

    // Pushed to the device: volume 0.5 without variation is -602, and the
    // frequency is the base rate times the pitch factors.
    event.volume = 0.5f;
    event.volumeVariation = 0.0f;
    event.pitch = 1.5f;
    event.pitchVariation = 0.0f;
    Voice* voice = engine.PlayEvent("bleep", false);
    voice->SetPitch(0.5f);
    voice->Start();
    Frame(10);
    ASSERT_NE(voice->GetSample(), nullptr);
    EXPECT_TRUE(voice->IsPlaying());
    EXPECT_EQ(Attenuation(voice->GetSample()), attenuationHalf);
    EXPECT_EQ(Frequency(voice->GetSample()), 16537u); // 22050 * 1.5 * 0.5 = 16537.5
    engine.SetGroupVolume(soundGroupEffects, 0.5f);
    engine.UpdateVolumes();
    EXPECT_EQ(Attenuation(voice->GetSample()), attenuationQuarter);
}

TEST_F(SoundEngineTest, ThreeDimensionalEventsFadeWithDistanceToTheNearestListener)
{
    AudioEvent& event = AddEffectEvent("engine_hum", soundGroupEffects, true);
    event.is3d = true;
    event.minDistance = 100.0f;
    event.maxDistance = 300.0f;
    SoundEngine& engine = SoundEngine::GetInstance();
    Voice* voice = engine.PlayEvent("engine_hum", false);
    voice->Start();

    // No listener points: the distance is 10^9 and the voice never sounds.
    voice->SetPosition(0, 0);
    Frame(10);
    EXPECT_FALSE(voice->IsActive());
    EXPECT_EQ(voice->GetSample(), nullptr);

    // The nearer of two listeners, 200 px away (a 120-160-200 triangle):
    // halfway between 100 and 300 is half volume.
    engine.SetListenerPoints({{1000, 1000}, {0, 0}});
    voice->SetPosition(120, 160);
    voice->Start();
    Frame(10); // the sample comes after this frame's distance update...
    ASSERT_NE(voice->GetSample(), nullptr);
    Frame(10); // ...which attenuates it from the next frame on
    EXPECT_FLOAT_EQ(voice->GetDistanceFactor(), 0.5f);
    EXPECT_EQ(Attenuation(voice->GetSample()), attenuationHalf);
    // Inside the minimum distance: full volume.
    voice->SetPosition(50, 0);
    Frame(10);
    EXPECT_FLOAT_EQ(voice->GetDistanceFactor(), 1.0f);
    EXPECT_EQ(Attenuation(voice->GetSample()), 0);

    // At the maximum distance the loop is inactive and gives its sample back.
    Sample* sample = voice->GetSample();
    voice->SetPosition(300, 0);
    Frame(10);
    EXPECT_FALSE(voice->IsActive());
    EXPECT_EQ(voice->GetSample(), nullptr);
    EXPECT_FALSE(sample->IsPlaying());
    // Back in range it starts over.
    voice->SetPosition(0, 250);
    Frame(10);
    Frame(10);
    EXPECT_TRUE(voice->IsPlaying());
    EXPECT_FLOAT_EQ(voice->GetDistanceFactor(), 0.25f);
}

TEST_F(SoundEngineTest, DisablingTheAmbientGroupSilencesOnlyAmbientVoices)
{
    SoundEngine& engine = SoundEngine::GetInstance();
    Voice* voices[soundGroupCount];
    for (int group = 0; group < soundGroupCount; ++group) {
        const std::string name = "loop" + std::to_string(group);
        AddEffectEvent(name, group, true);
        voices[group] = engine.PlayEvent(name, false);
        voices[group]->Start();
    }
    Frame(10);
    engine.SetGroupEnable(soundGroupAmbient, 0.0f);
    engine.UpdateVolumes();
    for (int group = 0; group < soundGroupCount; ++group) {
        EXPECT_TRUE(voices[group]->IsPlaying());
        EXPECT_EQ(Attenuation(voices[group]->GetSample()), group == soundGroupAmbient ? attenuationSilent : 0);
    }
    // Any other enable factor leaves the user volume in force.
    engine.SetGroupEnable(soundGroupAmbient, 0.25f);
    engine.SetGroupVolume(soundGroupAmbient, 0.5f);
    engine.UpdateVolumes();
    EXPECT_EQ(Attenuation(voices[soundGroupAmbient]->GetSample()), attenuationHalf);

    // The mix presets: music at 0.35 in the adventure, 1.0 in minigames.
    engine.SetAdventureMix();
    EXPECT_EQ(Attenuation(voices[soundGroupMusic]->GetSample()), -911); // 2000 log10(35000) - 10000
    EXPECT_EQ(Attenuation(voices[soundGroupSpeech]->GetSample()), -309); // 0.7
    EXPECT_EQ(Attenuation(voices[soundGroupEffects]->GetSample()), -91); // 0.9
    engine.SetMinigameMix();
    EXPECT_EQ(Attenuation(voices[soundGroupMusic]->GetSample()), 0);
}

TEST_F(SoundEngineTest, TemporaryVoicesGoInTheUpdateAfterTheirSampleEnded)
{
    AddEffectEvent("click");
    SoundEngine& engine = SoundEngine::GetInstance();
    Voice* voice = engine.PlayEvent("click", true);
    voice->Start();
    Frame(10);
    ASSERT_EQ(engine.GetTemporaryVoices().size(), 1u);
    Sample* sample = voice->GetSample();
    ASSERT_NE(sample, nullptr);
    EXPECT_TRUE(sample->IsPlaying());
    EXPECT_FALSE(voice->IsActive()); // a one-shot does not start again
    Frame(480); // 490 ms of a 500 ms sample
    EXPECT_EQ(engine.GetTemporaryVoices().size(), 1u);
    Frame(20);
    EXPECT_TRUE(engine.GetTemporaryVoices().empty());
    EXPECT_FALSE(sample->IsPlaying());

    // While disabled, temporary requests give nothing and persistent ones
    // give silent voices that DestroyAll clears away.
    engine.SetEnabled(false);
    EXPECT_EQ(engine.PlayEvent("click", true), nullptr);
    Voice* silent = engine.PlayEvent("click", false);
    ASSERT_NE(silent, nullptr);
    silent->Start();
    EXPECT_FALSE(silent->IsPlaying());
    EXPECT_EQ(engine.GetCleanupVoices().size(), 1u);
}

TEST_F(SoundEngineTest, AnUnknownEventIsLoggedOnceAndStaysSilent)
{
    SoundEngine& engine = SoundEngine::GetInstance();
    Voice* first = engine.PlayEvent("audioevent_missing", false);
    Voice* second = engine.PlayEvent("audioevent_missing", false);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    first->Start();
    second->Start();
    Frame(10);
    EXPECT_EQ(first->GetSample(), nullptr);
    EXPECT_FALSE(second->IsPlaying());
    EXPECT_EQ(CountOf(Log(), "AudioEvent audioevent_missing not found\n"), 1u);
    ASSERT_NE(engine.FindAudioEvent("audioevent_missing"), nullptr);
    EXPECT_EQ(engine.FindAudioEvent("audioevent_missing")->sampleName, "");
}

TEST_F(SoundEngineTest, StoppedVoicesPlayAgainWhenStarted)
{
    AudioEvent& event = AddEffectEvent("tension", soundGroupEffects, true);
    AddEffectEvent("knock");
    SoundEngine& engine = SoundEngine::GetInstance();
    Voice* loop = engine.CreateVoice(&event, false);
    loop->Start();
    Frame(10);
    EXPECT_TRUE(loop->IsPlaying());
    loop->Stop();
    Frame(10);
    EXPECT_FALSE(loop->IsPlaying());
    loop->Start();
    Frame(10);
    EXPECT_TRUE(loop->IsPlaying());

    Voice* knock = engine.PlayEvent("knock", false);
    knock->Start();
    Frame(10);
    Frame(600); // ended
    EXPECT_FALSE(knock->IsPlaying());
    knock->Start();
    Frame(10);
    EXPECT_TRUE(knock->IsPlaying());
}

TEST_F(SoundEngineTest, SoundEffectListsCreateSamplesAndEvents)
{
    WriteEffect("level01/audio/sfx/click.wav");
    WriteEffect("level01/audio/sfx/door.wav");
    WriteFile("data/level01/sfx.txt", "# effects of the first level\n"
                                      "audioevent_click click.wav\n"
                                      "audioevent_click_again\tclick.wav\n"
                                      "audioevent_silent NoNe\n"
                                      "audioevent_door door.wav extra\n"
                                      "lonely\n"
                                      "\n"
                                      "#audioevent_hidden door.wav\n"
                                      "audioevent_click door.wav\n"
                                      "audioevent_gone gone.wav");
    float progress = 0.0f;
    SfxLoaderUtil::SetProgressStep([&progress](float step) { progress += step; });
    EXPECT_TRUE(SfxLoaderUtil::LoadSoundEffects("data\\level01\\sfx.txt", "level01\\audio\\sfx\\"));
    SfxLoaderUtil::SetProgressStep(nullptr);

    SoundEngine& engine = SoundEngine::GetInstance();
    SampleManager& samples = SampleManager::GetInstance();
    ASSERT_NE(engine.FindAudioEvent("audioevent_click"), nullptr);
    EXPECT_EQ(engine.FindAudioEvent("audioevent_click")->sampleName, "sample_click.wav");
    ASSERT_NE(engine.FindAudioEvent("audioevent_click_again"), nullptr);
    EXPECT_EQ(engine.FindAudioEvent("audioevent_click_again")->sampleName, "sample_click.wav");
    EXPECT_EQ(engine.FindAudioEvent("audioevent_silent"), nullptr);
    EXPECT_EQ(engine.FindAudioEvent("audioevent_door"), nullptr);
    EXPECT_EQ(engine.FindAudioEvent("lonely"), nullptr);
    EXPECT_EQ(engine.FindAudioEvent("#audioevent_hidden"), nullptr);
    ASSERT_NE(engine.FindAudioEvent("audioevent_gone"), nullptr);
    // One pooled instance of click for both events; the duplicate's sample
    // is loaded even though its event is refused.
    Sample* click = samples.GetSample("sample_click.wav");
    ASSERT_NE(click, nullptr);
    click->Play();
    EXPECT_EQ(samples.GetSample("sample_click.wav"), click); // the only one, taken over
    EXPECT_TRUE(samples.HasSample("sample_door.wav"));
    EXPECT_FALSE(samples.HasSample("sample_NoNe"));
    // A missing file leaves a silent sample.
    ASSERT_TRUE(samples.HasSample("sample_gone.wav"));
    EXPECT_EQ(samples.GetSample("sample_gone.wav")->GetBuffer(), nullptr);
    EXPECT_NEAR(progress, 0.004f, 1e-6f); // four entries
    EXPECT_EQ(CountOf(Log(), "***WARNING: SoundEngine::AddAudioEvent failed because there is already a "
                           "audio-event <audioevent_click>!\n"),
              1u);

    EXPECT_FALSE(SfxLoaderUtil::LoadSoundEffects("data\\level02\\sfx.txt", "level02\\audio\\sfx\\"));
    EXPECT_EQ(CountOf(Log(), "***WARNING: SfxLoaderUtil::LoadSoundEffects: Failed to open <data\\level02\\sfx.txt>!\n"),
              1u);
}

// The text format itself is SerializerTest's business.
TEST_F(SoundEngineTest, EventsAreReadByNameWithTheirValuesClamped)
{
    SoundEngine& engine = SoundEngine::GetInstance();
    AudioEvent gong;
    gong.sampleName = "sample_gong";
    engine.AddAudioEvent("gong", gong);
    engine.AddAudioEvent("bell", gong);
    // The level settings override an event; out-of-range values are clamped.
    WriteFile("level.txt", "[SoundEngine] \"sound\"\n"
                           "{\n"
                           "    [AudioEvents] \"sound\"\n"
                           "    {\n"
                           "        [AudioEvent] \"gong\"\n"
                           "        {\n"
                           "            \"is 3d\" 1\n"
                           "            \"volume\" 0.250000\n"
                           "            \"priority\" 1.500000\n"
                           "            \"minDistance\" 0.500000\n"
                           "            \"maxDistance\" -3.000000\n"
                           "            \"soundGroup\" 3\n"
                           "        }\n"
                           "        [AudioEvent] \"bell\"\n"
                           "        {\n"
                           "            \"priority\" nan\n"
                           "            \"minDistance\" 40.000000\n"
                           "        }\n"
                           "    }\n"
                           "}\n");
    {
        File file;
        ASSERT_TRUE(file.OpenDirect("level.txt", "r"));
        AsciiSerializer reader(file, false);
        engine.Serialize(reader, "sound");
    }
    const AudioEvent* read = engine.FindAudioEvent("gong");
    EXPECT_TRUE(read->is3d);
    EXPECT_FALSE(read->isLooping);
    EXPECT_FLOAT_EQ(read->volume, 0.25f);
    EXPECT_FLOAT_EQ(read->priority, 1.0f);
    EXPECT_FLOAT_EQ(read->minDistance, 1.0f);
    EXPECT_FLOAT_EQ(read->maxDistance, 1.0f);
    EXPECT_EQ(read->soundGroup, 3);
    EXPECT_EQ(read->sampleName, "sample_gong");
    const AudioEvent* bell = engine.FindAudioEvent("bell");
    EXPECT_FLOAT_EQ(bell->priority, 0.0f);
    EXPECT_FLOAT_EQ(bell->minDistance, 40.0f);
    EXPECT_FLOAT_EQ(bell->maxDistance, 20.0f);
}

TEST_F(SoundEngineTest, DestroyAllLogsWhatItDestroys)
{
    AddEffectEvent("click");
    SoundEngine& engine = SoundEngine::GetInstance();
    engine.PlayEvent("click", false);
    engine.PlayEvent("click", false)->Start();
    engine.PlayEvent("click", true)->Start();
    ASSERT_NE(engine.CreateStream("tone:1000"), nullptr);
    Frame(10);
    engine.SetEnabled(false);
    engine.PlayEvent("click", false);
    engine.SetEnabled(true);
    const std::size_t before = Log().size();
    engine.DestroyAll();
    EXPECT_EQ(Log().substr(before), "  destroy voices\n"
                                    "destroy voice: 0\n"
                                    "destroy voice: 1\n"
                                    "  destroy temporary voices\n"
                                    "  destroy cleanup voices\n"
                                    "  destroy stream\n");
    EXPECT_TRUE(engine.GetPersistentVoices().empty());
    EXPECT_TRUE(engine.GetTemporaryVoices().empty());
    EXPECT_TRUE(engine.GetCleanupVoices().empty());
    EXPECT_EQ(engine.GetStreamCount(), 0u);
    EXPECT_EQ(engine.FindAudioEvent("click"), nullptr);
    EXPECT_FALSE(SampleManager::GetInstance().GetSample("sample_click")->IsPlaying());
}

TEST_F(SoundEngineTest, RefreshingVolumesRestoresWhatTheDeviceLost)
{
    AddEffectEvent("hum", soundGroupAmbient, true);
    SoundEngine& engine = SoundEngine::GetInstance();
    Voice* voice = engine.PlayEvent("hum", false);
    voice->Start();
    Frame(10);
    engine.SetGroupVolume(soundGroupAmbient, 0.5f);
    engine.UpdateVolumes();
    voice->GetSample()->GetBuffer()->SetVolume(attenuationSilent); // lost
    engine.RefreshVolumes();
    EXPECT_EQ(Attenuation(voice->GetSample()), attenuationHalf);
    for (int group = 0; group < soundGroupCount; ++group)
        EXPECT_FLOAT_EQ(engine.GetGroupVolume(group), group == soundGroupAmbient ? 0.5f : 1.0f);
}

TEST_F(SoundEngineTest, ReadingASavegameRestartsPersistentVoicesAndDropsTemporaryOnes)
{
    AudioEvent& event = AddEffectEvent("drone", soundGroupEffects, true);
    event.volumeVariation = 0.5f;
    SoundEngine& engine = SoundEngine::GetInstance();
    Voice* playing = engine.PlayEvent("drone", false);
    playing->Start();
    Voice* idle = engine.PlayEvent("drone", false);
    engine.PlayEvent("drone", true); // a loop that was never started stays
    Frame(10);
    ASSERT_TRUE(playing->IsPlaying());
    ASSERT_EQ(engine.GetTemporaryVoices().size(), 1u);
    const float before = playing->GetRandomVolume();

    engine.RestartVoicesAfterLoad();
    EXPECT_TRUE(engine.GetTemporaryVoices().empty());
    EXPECT_EQ(engine.GetPersistentVoices().size(), 2u);
    EXPECT_NE(playing->GetRandomVolume(), before); // drawn again
    EXPECT_TRUE(playing->IsActive());
    EXPECT_FALSE(idle->IsActive());
    Frame(10);
    EXPECT_TRUE(playing->IsPlaying());
    EXPECT_FALSE(idle->IsPlaying());
}
