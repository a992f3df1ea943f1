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

bool MusicPlayer::HasStream()
{
    if (stream != nullptr && !SoundEngine::GetInstance().HoldsStream(stream))
        stream = nullptr; // the engine destroyed it with everything else
    return stream != nullptr;
}

void MusicPlayer::ApplyVolume(float volume)
{
    if (stream != nullptr)
        stream->SetVolume(volume);
}

void MusicPlayer::Play(const std::string& fileName)
{
    Stop();
    stream = SoundEngine::GetInstance().CreateStream(fileName);
    if (stream == nullptr) {
        LogError("MusicPlayer::Play: Failed to create audio stream <%s>!\n", fileName.c_str());
        return;
    }
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
    if (!HasStream())
        return;
    SoundEngine::GetInstance().DestroyStream(stream);
    stream = nullptr;
}

void MusicPlayer::FadeIn()
{
    if (!HasStream())
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
    if (HasStream())
        fade = Fade::out;
}

void MusicPlayer::Update(float dt)
{
    if (!HasStream())
        return;
    switch (fade) {
    case Fade::out:
        fadeVolume -= fadeRate * dt;
        if (fadeVolume < 0.0f)
            fadeVolume = 0.0f;
        ApplyVolume(cycleVolume * fadeVolume);
        return;
    case Fade::in:
        fadeVolume += fadeRate * dt;
        if (fadeVolume >= 1.0f) {
            fadeVolume = 1.0f;
            fade = Fade::none;
        }
        ApplyVolume(cycleVolume * fadeVolume);
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
                ApplyVolume(0.0f);
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
    ApplyVolume(cycleVolume);
}
