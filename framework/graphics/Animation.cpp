#include "Animation.h"

#include "Sprite.h"
#include "SpriteManager.h"
#include "app/Debug.h"
#include "audio/AudioEvent.h"
#include "audio/SoundEngine.h"
#include "audio/Voice.h"
#include "files/Serializer.h"

#include <algorithm>
#include <cmath>

namespace {

// trunc(count * time) limited to 0 .. count - 1; a position that is not a
// number gives 0.
int FrameIndex(float time, int count)
{
    const float position = static_cast<float>(count) * time;
    if (!(position >= 0.0f))
        return 0;
    if (position >= static_cast<float>(count))
        return count - 1;
    return std::min(static_cast<int>(position), count - 1);
}

} // namespace

void Animation::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("Animation", name);
    serializer.SerializeString("sprite label", spriteLabel);
    serializer.SerializeFloat("time", &time);
    serializer.SerializeFloat("speed", &speed);
    serializer.SerializeBool("use default speed", &useDefaultSpeed);
    serializer.SetHint("combobox [stop][loop][ping pong]", "");
    serializer.SerializeInt("mode", &mode);
    serializer.SetHint("combobox [forward][backward]", "");
    serializer.SerializeInt("direction", &direction);
    serializer.SerializeBool("reverse flag", &reverseFlag);
    serializer.EndSection();
}

bool Animation::SetSpriteLabel(const std::string& label)
{
    if (!label.empty())
        spriteLabel = label;
    sprite = nullptr;
    spriteFrameCount = 1;
    frameTable.clear();
    audioEvents.clear();
    if (spriteLabel == "NONE")
        return true;
    SpriteManager& manager = SpriteManager::GetInstance();
    sprite = manager.GetSprite(spriteLabel);
    spriteGeneration = manager.GetGeneration();
    if (sprite == nullptr)
        return false;
    spriteFrameCount = std::max(sprite->GetFrameCount(), 1);
    if (const SpriteInfo* info = manager.FindSpriteInfo(spriteLabel)) {
        frameTable = info->frameTable;
        audioEvents = info->audioEvents;
    }
    return true;
}

int Animation::GetFrameCount() const
{
    if (sprite == nullptr)
        return 1;
    if (!frameTable.empty())
        return static_cast<int>(frameTable.size());
    return spriteFrameCount;
}

Sprite* Animation::GetSprite() const
{
    SpriteManager& manager = SpriteManager::GetInstance();
    if (sprite != nullptr && spriteGeneration != manager.GetGeneration()) {
        // The sprite may have been unloaded or replaced since it was fetched.
        sprite = manager.GetSprite(spriteLabel);
        spriteGeneration = manager.GetGeneration();
    }
    return sprite;
}

void Animation::Update(float seconds)
{
    if (sprite == nullptr)
        return;
    finished = false;
    const float framesPerSecond = useDefaultSpeed ? defaultSpeed : speed;
    const float step = framesPerSecond * seconds / static_cast<float>(GetFrameCount());
    const float oldTime = time;
    const float sign = mode == modePingPong && reverseFlag ? -1.0f : 1.0f;
    time += direction == forward ? step * sign : -step * sign;

    if (audioEventsAllowed)
        CheckAudioEvents(oldTime, time);

    if (!std::isfinite(time)) {
        time = 0.0f;
        finished = true;
        return;
    }
    switch (mode) {
    case modeStop:
        if (time < 0.0f || time > 1.0f) {
            time = std::clamp(time, 0.0f, 1.0f);
            finished = true;
        }
        break;
    case modeLoop:
        if (time < 0.0f || time > 1.0f) {
            time -= std::floor(time);
            finished = true;
        }
        break;
    case modePingPong:
        if (time < 0.0f) {
            time = 0.0f;
            reverseFlag = !reverseFlag;
            finished = true;
        } else if (time > 1.0f) {
            time = 1.0f;
            reverseFlag = !reverseFlag;
        }
        break;
    default:
        break;
    }
}

int Animation::GetCurrentFrame() const
{
    if (!frameTable.empty())
        return frameTable[static_cast<std::size_t>(FrameIndex(time, static_cast<int>(frameTable.size())))];
    return FrameIndex(time, GetFrameCount());
}

void Animation::SetFrame(int frame)
{
    const int count = GetFrameCount();
    if (count <= 1) {
        time = 0.0f;
        return;
    }
    time = std::clamp(static_cast<float>(static_cast<double>(frame) / (count - 1.0)), 0.0f, 1.0f);
}

bool Animation::IsPlayingForward() const
{
    const bool reversed = mode == modePingPong && reverseFlag;
    return (direction == forward) != reversed;
}

void Animation::CheckAudioEvents(float oldTime, float newTime)
{
    if (newTime == lastEventTime)
        return;
    lastEventTime = -1.0f;
    const bool playingForward = IsPlayingForward();
    for (const auto& [eventTime, eventName] : audioEvents) {
        float at = eventTime;
        if (at < 0.0f) {
            if (!playingForward)
                continue;
            at = 0.0f;
        } else if (at > 1.0f) {
            if (playingForward)
                continue;
            at = 1.0f;
        }
        bool inside = false;
        if (playingForward) {
            inside = (at >= oldTime && at < newTime) || (mode != modeStop && newTime > 1.0f && at < newTime - 1.0f);
        } else {
            const float upper = oldTime == 1.0f ? 1.0000005f : oldTime;
            inside = at >= newTime && at < upper;
        }
        if (!inside)
            continue;
        SoundEngine& engine = SoundEngine::GetInstance();
        AudioEvent* event = engine.FindAudioEvent(eventName);
        if (event == nullptr) {
            LogWarning("Animation::CheckAudioEvents: Failed to receive audio event <%s>!\n", eventName.c_str());
            continue;
        }
        if (Voice* voice = engine.CreateVoice(event, true))
            voice->Start();
        lastEventTime = newTime;
    }
}
