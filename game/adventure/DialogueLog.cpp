#include "DialogueLog.h"

#include "app/Debug.h"
#include "audio/AudioEvent.h"
#include "audio/SoundEngine.h"
#include "audio/StreamingSample.h"

namespace {

StreamingSample* FindReplay(std::uint64_t serial)
{
    if (serial == 0 || !SoundEngine::Exists())
        return nullptr;
    return SoundEngine::GetInstance().FindStream(serial);
}

} // namespace

DialogueLog::~DialogueLog()
{
    StopReplay();
}

void DialogueLog::Add(Line line)
{
    if (lines.size() == capacity)
        lines.pop_front();
    lines.push_back(std::move(line));
}

void DialogueLog::Clear()
{
    StopReplay();
    lines.clear();
}

bool DialogueLog::Replay(std::size_t index)
{
    StopReplay();
    if (index >= lines.size() || lines[index].recording.empty() || !SoundEngine::Exists())
        return false;
    StreamingSample* stream = SoundEngine::GetInstance().CreateStream(lines[index].recording);
    if (stream == nullptr) {
        LogWarning("DialogueLog::Replay: No recording <%s>!\n", lines[index].recording.c_str());
        return false;
    }
    stream->SetSoundGroup(soundGroupSpeech);
    stream->SetVolume(lines[index].volume);
    stream->Rewind();
    stream->Play();
    replaySerial = stream->GetSerial();
    LogPrint("DialogueLog: Replaying <%s>\n", lines[index].recording.c_str());
    return true;
}

void DialogueLog::StopReplay()
{
    if (StreamingSample* stream = FindReplay(replaySerial))
        SoundEngine::GetInstance().DestroyStream(stream);
    replaySerial = 0;
}

bool DialogueLog::IsReplaying()
{
    StreamingSample* stream = FindReplay(replaySerial);
    return stream != nullptr && stream->IsPlaying();
}
