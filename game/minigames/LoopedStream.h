#pragma once

// The minigames' streamed loops (their music, the catapult's rolling): each
// may be missing when its file is, so every step checks for none.

#include "audio/SoundEngine.h"
#include "audio/StreamingSample.h"

#include <algorithm>

namespace LoopedStream {

// From the top, looped, at `volume`.
inline void Restart(StreamingSample* stream, float volume)
{
    if (stream == nullptr)
        return;
    stream->Stop();
    stream->SetVolume(volume);
    stream->Rewind();
    stream->PlayLooped();
}

inline void Stop(StreamingSample* stream)
{
    if (stream != nullptr)
        stream->Stop();
}

// Stopped and handed back to the sound engine.
inline void Release(StreamingSample*& stream)
{
    if (stream == nullptr)
        return;
    stream->Stop();
    SoundEngine::GetInstance().DestroyStream(stream);
    stream = nullptr;
}

// Lowers `volume` by `perSecond` for `seconds`, not below 0, and plays the
// stream at it.
inline void FadeDown(StreamingSample* stream, float& volume, float perSecond, float seconds)
{
    volume = std::max(0.0f, volume - perSecond * seconds);
    if (stream != nullptr)
        stream->SetVolume(volume);
}

} // namespace LoopedStream
