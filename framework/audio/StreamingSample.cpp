// Stand-in for the streaming sample until its refill lands: it keeps the
// stream and the ring buffer and plays the buffer as it is.
#include "StreamingSample.h"

#include "platform/PeriodicTimer.h"

StreamingSample::StreamingSample(std::string sampleName, std::string sampleFileName, int sampleFlags,
                                 std::unique_ptr<SampleStream> sampleStream,
                                 std::unique_ptr<platform::SoundBuffer> soundBuffer)
    : Sample(std::move(sampleName), std::move(sampleFileName), sampleFlags, std::move(soundBuffer)),
      stream(std::move(sampleStream))
{
}

StreamingSample::~StreamingSample()
{
    Close();
}

void StreamingSample::Play()
{
    stopAtEnd = true;
    StartTimer();
    Sample::PlayLooped();
}

void StreamingSample::Stop()
{
    StopTimer();
    Sample::Stop();
}

void StreamingSample::PlayLooped()
{
    stopAtEnd = false;
    StartTimer();
    Sample::PlayLooped();
}

void StreamingSample::SetVolume(float linear)
{
    streamVolume = linear;
    Sample::SetVolume(linear);
}

float StreamingSample::GetVolume()
{
    return streamVolume;
}

void StreamingSample::Close()
{
    ReleaseBuffer();
    if (stream != nullptr)
        stream->Close();
    stream.reset();
}

void StreamingSample::Rewind()
{
    if (stream != nullptr)
        stream->Rewind();
}

void StreamingSample::Pause(bool pause)
{
    if (GetBuffer() == nullptr)
        return;
    if (pause)
        GetBuffer()->Stop();
    else
        GetBuffer()->Play(true);
}

bool StreamingSample::Refill()
{
    return stopAtEnd && ended;
}

void StreamingSample::StartTimer()
{
    ringSize = GetBuffer() != nullptr ? GetBuffer()->GetSize() : 0;
    writePosition = 0;
    ended = false;
    endPosition = 0;
}

void StreamingSample::StopTimer()
{
    timer.reset();
    timerInstalled = false;
}

void StreamingSample::OnTimer() {}
