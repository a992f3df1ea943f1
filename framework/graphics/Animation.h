#pragma once

// How a game element plays a sprite label: a play position normalised to
// 0.0 (first frame) .. 1.0 (last frame), a speed in frames per second, a
// mode (stop at an end, loop, ping pong) and a direction. Update advances
// the position and fires the audio events attached to the positions it
// passed (only while SetAudioEventsAllowed(true), which the adventure level
// sets while it does not suppress them); GetCurrentFrame
// turns the position into a sprite frame through the label's frame table.
//
// Serialized as an "Animation" section with the keys "sprite label",
// "time", "speed", "use default speed", "mode", "direction" and
// "reverse flag"; after reading, the owner calls SetSpriteLabel("") to fetch
// the sprite of the label read. The animation keeps the sprite's frame count
// and tables, so it never reaches into a sprite that was unloaded meanwhile.

#include "files/Object.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class Sprite;

class Animation : public Object {
public:
    enum Mode : int { modeStop = 0, modeLoop = 1, modePingPong = 2 };
    enum Direction : int { forward = 0, backward = 1 };
    static constexpr float defaultSpeed = 20.0f;

    void Serialize(Serializer& serializer, const char* name) override;

    // A non-empty label replaces the stored one; "NONE" plays nothing. False
    // when the sprite of the label cannot be had.
    bool SetSpriteLabel(const std::string& label);
    // Only names the sprite, without fetching it: for the tools that write
    // settings files, where no sprites are loaded. SetSpriteLabel("") fetches it.
    void NameSprite(const std::string& label) { spriteLabel = label; }
    void Update(float seconds);
    int GetCurrentFrame() const;
    // Moves the position to the frame (of GetFrameCount frames).
    void SetFrame(int frame);
    // The frames the animation steps through: its frame table's length, else
    // the sprite's frames; 1 without sprite.
    int GetFrameCount() const;
    bool IsFinished() const { return finished; }

    // The audio events whose positions lie between two play positions, in
    // the direction of play (Update calls it with the old and new position).
    void CheckAudioEvents(float oldTime, float newTime);
    // Animations start their audio events only while the adventure level
    // allows it (and it is not suppressing them); off everywhere else.
    static void SetAudioEventsAllowed(bool allowed) { audioEventsAllowed = allowed; }

    const std::string& GetSpriteLabel() const { return spriteLabel; }
    Sprite* GetSprite() const;
    float GetTime() const { return time; }
    void SetTime(float value) { time = value; }
    float GetSpeed() const { return speed; }
    void SetSpeed(float value) { speed = value; }
    bool GetUseDefaultSpeed() const { return useDefaultSpeed; }
    void SetUseDefaultSpeed(bool value) { useDefaultSpeed = value; }
    int GetMode() const { return mode; }
    void SetMode(int value) { mode = value; }
    int GetDirection() const { return direction; }
    void SetDirection(int value) { direction = value; }
    bool GetReverseFlag() const { return reverseFlag; }
    void SetReverseFlag(bool value) { reverseFlag = value; }

private:
    static inline bool audioEventsAllowed = false;

    bool IsPlayingForward() const;

    std::string spriteLabel = "NONE";
    // The registry's sprite of the label, fetched again when the registry
    // has destroyed sprites since (see GetSprite).
    mutable Sprite* sprite = nullptr;
    mutable std::uint64_t spriteGeneration = 0;
    int spriteFrameCount = 1;
    std::vector<int> frameTable;
    std::multimap<float, std::string> audioEvents;
    float time = 0.0f;
    float speed = 0.0f;
    bool useDefaultSpeed = true;
    int mode = modeLoop;
    int direction = forward;
    bool reverseFlag = false;
    bool finished = false;
    float lastEventTime = -1.0f;
};
