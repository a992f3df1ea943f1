#include "StreamingSample.h"

#include "SoundEngine.h"
#include "app/Debug.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace {

constexpr std::uint32_t startWritePosition = 8;
constexpr std::int64_t maximumRefillBytes = 40000;
constexpr std::int64_t readBytes = 4096;
constexpr std::uint32_t timerPeriodMilliseconds = 100;

} // namespace

StreamingSample::StreamingSample(std::string poolName, std::string streamFileName, int sampleFlags,
                                 std::unique_ptr<SampleStream> sampleStream,
                                 std::unique_ptr<platform::SoundBuffer> deviceBuffer)
    : Sample(std::move(poolName), std::move(streamFileName), sampleFlags, std::move(deviceBuffer))
    , stream(std::move(sampleStream))
{
}

StreamingSample::~StreamingSample()
{
    Close();
}

void StreamingSample::Play()
{
    StartPlayback(true);
}

void StreamingSample::PlayLooped()
{
    StartPlayback(false);
}

void StreamingSample::StartPlayback(bool stopAtTheEnd)
{
    if (!SoundEngine::GetInstance().IsEnabled() || buffer == nullptr)
        return;
    if (timerInstalled) {
        LogError("StreamingSample::Loop timer already installed");
        // One timer per stream: the running one goes before this thread
        // refills, so the two never write the ring buffer at once.
        StopTimer();
    }
    // A one-shot's timer that stopped itself may still be returning.
    if (timer != nullptr)
        timer->Stop();

    stopAtEnd = stopAtTheEnd;
    ringSize = buffer->GetSize();
    ended = false;
    writePosition = startWritePosition;
    buffer->SetCurrentPosition(0);
    Refill();
    SetVolume(streamVolume);
    buffer->Play(true);
    busy = 0;
    StartTimer();
}

void StreamingSample::StartTimer()
{
    // The engine outlives its streams (it destroys them first), so the timer
    // thread never has to look the singleton up.
    SoundEngine* engine = &SoundEngine::GetInstance();
    platform::Platform* host = platform::Platform::Get();
    if (timer == nullptr && host != nullptr)
        timer = host->CreatePeriodicTimer();
    // Installed before the first call can come, so that a call which finds
    // the stream finished can take the timer down again.
    timerInstalled = true;
    if (timer == nullptr || !timer->Start(timerPeriodMilliseconds, [this, engine] { OnTimer(*engine); })) {
        timerInstalled = false;
        LogError("timeSetEvent error\n");
    }
}

void StreamingSample::StopTimer()
{
    if (timerInstalled.exchange(false) && timer != nullptr)
        timer->Stop();
}

void StreamingSample::OnTimer(SoundEngine& engine)
{
    if (!engine.IsStreamValid(this))
        return;
    if (busy.exchange(1) == 1)
        return;
    const bool finished = Refill();
    busy.exchange(0);
    if (finished)
        Stop();
}

bool StreamingSample::Refill()
{
    if (buffer == nullptr || stream == nullptr || ringSize == 0)
        return false;
    std::uint32_t play = 0;
    std::uint32_t write = 0;
    buffer->GetCurrentPosition(&play, &write);

    const std::int64_t size = ringSize;
    const std::int64_t cursor = play;
    std::int64_t space = cursor - writePosition;
    if (space < 0)
        space += size;
    space = std::min(space - size / 4, maximumRefillBytes);

    // Reads stay whole frames, so the ring buffer never gets half a sample.
    const platform::SoundFormat format = buffer->GetFormat();
    const std::int64_t frameBytes = std::max(1, format.channels * format.bits / 8);
    std::uint8_t staging[readBytes];
    while (space > 0) {
        const std::int64_t wanted = std::min(space, readBytes) / frameBytes * frameBytes;
        if (wanted <= 0)
            break;
        const int got = stream->Read(staging, static_cast<int>(wanted));
        if (got <= 0) {
            if (stopAtEnd && !ended) {
                ended = true;
                endPosition = writePosition;
            }
            break;
        }
        const std::uint32_t count = static_cast<std::uint32_t>(std::min<std::int64_t>(got, wanted));
        platform::SoundRegions regions;
        if (buffer->Lock(writePosition, count, regions) != platform::soundOk)
            break;
        if (ended) {
            std::memset(regions.first, 0, regions.firstBytes);
            if (regions.second != nullptr)
                std::memset(regions.second, 0, regions.secondBytes);
        } else {
            std::memcpy(regions.first, staging, regions.firstBytes);
            if (regions.second != nullptr)
                std::memcpy(regions.second, staging + regions.firstBytes, regions.secondBytes);
        }
        buffer->Unlock(regions);
        writePosition = static_cast<std::uint32_t>((writePosition + count) % ringSize);
        space -= count;
    }

    if (!stopAtEnd || !ended)
        return false;
    const std::int64_t end = endPosition;
    if (cursor >= end && cursor <= end + size / 4)
        return true;
    // The end lies in the last quarter and the cursor has wrapped past it.
    return end > 3 * size / 4 && cursor < end - 3 * size / 4;
}

void StreamingSample::Stop()
{
    if (buffer != nullptr && IsPlaying())
        buffer->Stop();
    StopTimer();
}

void StreamingSample::Close()
{
    Stop();
    // Waits for a timer call still returning (one that stopped its own
    // timer), so nothing touches the buffer or the decoder once they go.
    if (timer != nullptr)
        timer->Stop();
    ReleaseBuffer();
    stream.reset();
}

void StreamingSample::Rewind()
{
    if (stream == nullptr)
        return;
    // The decoder is the timer's while it refills.
    while (busy.exchange(1) == 1)
        std::this_thread::yield();
    stream->Rewind();
    busy.exchange(0);
}

void StreamingSample::Pause(bool pause)
{
    if (buffer == nullptr)
        return;
    if (pause) {
        if (IsPlaying())
            buffer->Stop();
    } else if (!IsPlaying()) {
        buffer->Play(true);
    }
}

std::uint32_t StreamingSample::GetPlayPosition() const
{
    std::uint32_t play = 0;
    std::uint32_t write = 0;
    if (buffer != nullptr)
        buffer->GetCurrentPosition(&play, &write);
    return play;
}

std::uint32_t StreamingSample::GetRingBytes() const
{
    return buffer != nullptr ? buffer->GetSize() : 0;
}

std::uint32_t StreamingSample::GetBytesPerSecond() const
{
    if (buffer == nullptr)
        return 0;
    const platform::SoundFormat format = buffer->GetFormat();
    return static_cast<std::uint32_t>(std::max(0, format.rate * format.channels * format.bits / 8));
}

void StreamingSample::SetVolume(float linear)
{
    streamVolume = linear;
    const SoundEngine& engine = SoundEngine::GetInstance();
    Sample::SetVolume(engine.GetGroupFactor(soundGroup) * engine.GetGroupMix(soundGroup) * linear);
}

float StreamingSample::GetVolume()
{
    return streamVolume;
}
