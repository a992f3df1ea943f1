#include "MusicPlayer.h"

#include "Randomizer.h"
#include "SoundEngine.h"
#include "StreamingSample.h"
#include "app/Debug.h"

namespace {

constexpr float cycleRate = 0.1f; // of full volume per second: 10 s
constexpr float fadeRate = 0.5f;  // 2 s

float PlayingSeconds(Randomizer& randomizer)
{
    return 180.0f + static_cast<float>(randomizer.Next() % 120);
}

float RestingSeconds(Randomizer& randomizer)
{
    return 60.0f + static_cast<float>(randomizer.Next() % 120);
}

} // namespace

MusicPlayer::~MusicPlayer()
{
    // Only while the engine is still there: at exit it may have gone first,
    // and it destroys its streams itself.
    if (SoundEngine::Exists())
        Stop();
}

StreamingSample* MusicPlayer::HeldStream()
{
    StreamingSample* stream = SoundEngine::GetInstance().FindStream(streamSerial);
    if (stream == nullptr)
        streamSerial = 0; // the engine destroyed it with everything else
    return stream;
}

void MusicPlayer::Play(const std::string& fileName)
{
    Stop();
    StreamingSample* stream = SoundEngine::GetInstance().CreateStream(fileName);
    if (stream == nullptr) {
        LogError("MusicPlayer::Play: Failed to create audio stream <%s>!\n", fileName.c_str());
        return;
    }
    streamSerial = stream->GetSerial();
    fadeVolume = 1.0f;
    cycleVolume = 0.0f;
    countdown = 0.0f;
    mode = Mode::fadingInOrPlaying;
    fade = Fade::none;
    stream->SetVolume(0.0f);
    stream->Rewind();
    stream->PlayLooped();
}

void MusicPlayer::Stop()
{
    if (StreamingSample* stream = HeldStream())
        SoundEngine::GetInstance().DestroyStream(stream);
    streamSerial = 0;
}

void MusicPlayer::FadeIn()
{
    StreamingSample* stream = HeldStream();
    if (stream == nullptr)
        return;
    Randomizer& randomizer = Randomizer::GetInstance();
    if (countdown <= 0.0f && mode == Mode::fadingOutOrSilent) {
        cycleVolume = 0.0f;
        countdown = RestingSeconds(randomizer);
        stream->Stop();
    } else if (countdown > 0.0f && stream->IsPlaying()) {
        countdown = PlayingSeconds(randomizer);
    }
    fade = Fade::in;
}

void MusicPlayer::FadeOut()
{
    if (HeldStream() != nullptr)
        fade = Fade::out;
}

void MusicPlayer::Update(float dt)
{
    StreamingSample* stream = HeldStream();
    if (stream == nullptr)
        return;
    switch (fade) {
    case Fade::out:
        fadeVolume -= fadeRate * dt;
        if (fadeVolume < 0.0f)
            fadeVolume = 0.0f;
        stream->SetVolume(cycleVolume * fadeVolume);
        return;
    case Fade::in:
        fadeVolume += fadeRate * dt;
        if (fadeVolume >= 1.0f) {
            fadeVolume = 1.0f;
            fade = Fade::none;
        }
        stream->SetVolume(cycleVolume * fadeVolume);
        return;
    case Fade::none:
        break;
    }

    Randomizer& randomizer = Randomizer::GetInstance();
    if (countdown > 0.0f) {
        countdown -= dt;
        if (countdown <= 0.0f) {
            if (stream->IsPlaying()) {
                mode = Mode::fadingOutOrSilent;
            } else {
                mode = Mode::fadingInOrPlaying;
                cycleVolume = 0.0f;
                stream->SetVolume(0.0f);
                stream->Rewind();
                stream->PlayLooped();
            }
        }
        return;
    }
    if (mode == Mode::fadingInOrPlaying) {
        cycleVolume += cycleRate * dt;
        if (cycleVolume >= 1.0f) {
            cycleVolume = 1.0f;
            countdown = PlayingSeconds(randomizer);
        }
    } else {
        cycleVolume -= cycleRate * dt;
        if (cycleVolume <= 0.0f) {
            cycleVolume = 0.0f;
            countdown = RestingSeconds(randomizer);
            stream->Stop();
        }
    }
    stream->SetVolume(cycleVolume);
}
