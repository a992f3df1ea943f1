#pragma once

// The walking figure: the character the user steers and the other people of
// a room. A character walks the paths the path finder gives (PathFinder.h)
// with one animation per direction, scales itself by the room's depth,
// casts a shadow, is tinted by the room's light map, speaks lines with a
// speech bubble and streamed speech, and plays random idle animations when
// left alone.
//
// Animations are named "anim name" + a suffix ("_walk_rightup",
// "_idlemain_down", "_talking_left", "_idle2_up", "_takehigh_right", ...);
// any of them may be missing: a missing one is simply not shown, and an
// action whose animation is missing ends at once.
//
// States: 0 idle, 1 walking, 2 turning, 3 line move, 4 pick-up, 5 idle
// animation. Every action ends in state 0; scripts wait for it.
//
// Speeds: sideways 270 pixels per second, up and down a quarter of it,
// diagonally 0.625 of it, each times the depth scale and "Scale Factor"
// (or plainly with "Disable Scale").
//
// What needs the level (speech, idles held back during conversations and
// blocking scripts) asks AdventureLevel::Current(); without one, speech is
// not streamed and idles are not held back.

#include "Entity.h"
#include "TalkEntry.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class StreamingSample;

class Character : public Entity {
public:
    // Pick-up heights.
    enum PickupType : int { pickupLow = 1, pickupMiddle = 2, pickupHigh = 3 };
    enum State : int { idle = 0, walking = 1, turning = 2, lineMove = 3, pickingUp = 4, idleAnimation = 5 };

    // Sideways walking speed in pixels per second before scaling.
    static constexpr float walkSpeed = 270.0f;
    // A target nearer than this only turns the character.
    static constexpr float minimumWalkDistance = 20.0f;
    // A walking character keeps its direction while the way deviates less.
    static constexpr float keepDirectionDegrees = 25.0f;
    // A new direction is one within this of the way.
    static constexpr float chooseDirectionDegrees = 22.5f;
    // Bubbles whose point lies outside this band choose their side afresh.
    static constexpr int bubbleBandLeft = 250;
    static constexpr int bubbleBandRight = 774;
    static constexpr int bubbleSideX = 540;
    static constexpr int idleVariants = 5;

    Character() = default;
    ~Character() override;
    Character(const Character&) = delete;
    Character& operator=(const Character&) = delete;

    void Serialize(Serializer& serializer, const char* name) override;
    void SerializeState(Serializer& serializer, const char* name) override;
    void Draw() override;
    void Update(float dt) override;
    void Reset() override;

    // Binds every animation again to "anim name" + its suffix.
    void ResetGraphics() override;
    void OnUse() override;
    void OnExamine() override;
    // Walks to the point along a found path and then faces `orient` (-1:
    // keep the direction). False when it does not walk: no walkable point
    // near the target, a target nearer than 20 pixels (it only turns), or
    // no path (logged; it stays idle).
    bool WalkTo(int x, int y, int orient) override;
    // A straight move at `speed` pixels per second, without path finding.
    void MoveTo(int x, int y, float speed) override;
    // Places it at once; it becomes idle.
    void SetPosition(int x, int y) override;
    // Turns in place toward the direction (0 to 7); -1 does nothing.
    void TurnTo(int direction) override;

    // Enters the pick-up state at the given height.
    void Pickup(int type);
    // A walking or moving character stops and becomes idle.
    void Stop();
    // Speaks the line: the bubble shows for its talking time, and its
    // recording plays unless the level is skipping.
    void Say(const TalkEntry& entry);
    // Ends the line at once.
    void StopSpeech();
    // The name a line of the character is told by: its label, else its
    // figure's name ("juna" as "Juna").
    std::string GetSpeakerName() const;

    // The depth scale at the foot point: the room's, or the character's own
    // linear scaling (SetScaling), 0.00001 to 1.0.
    float GetScale() const;
    // Own scaling; the room's is no longer used.
    void SetScaling(float frontScale, float backScale, int frontYPos, int backYPos);
    void SetUseRoomScale(bool use) { useRoomScale = use; }
    bool UsesRoomScale() const { return useRoomScale; }

    // Changes the state; another value than 0 to 5 is logged and ignored.
    void SetState(int newState);
    int GetState() const { return state; }
    bool IsIdle() const { return state == idle; }

    // The unit vector of a direction; (0, 0) after a log line for another
    // value than 0 to 7.
    static FloatPoint GetOrientationVector(int direction);
    // The direction a walker takes for a way (dx, dy) while facing
    // `current`: the same while it deviates less than 25 degrees, else the
    // first of up ... left within 22.5 degrees, else leftup.
    static int ChooseWalkDirection(int current, float dx, float dy);
    // One 45-degree step from `from` toward `to` the shorter way round
    // (clockwise when both are equally long).
    static int TurnStep(int from, int to);
    // The light map's 0x00RRGGBB as the sprites' tint, 0x00BBGGRR.
    static std::uint32_t LightToTint(std::uint32_t light);
    // The player's graphics-detail option: shadows and light-map tint are
    // drawn only while it is on (the game states set it from the options).
    static void SetGraphicsDetail(bool on) { graphicsDetail = on; }
    static bool IsGraphicsDetail() { return graphicsDetail; }

    const std::string& GetAnimName() const { return animName; }
    // Another figure: the animations are bound again.
    void SetAnimName(const std::string& name);
    void SetOrient(int direction) { orient = direction; }
    int GetTargetOrient() const { return targetOrient; }
    const std::vector<Point>& GetPath() const { return path; }
    float GetIdleCountdown() const { return idleCountdown; }
    float GetTalkTime() const { return talkTime; }
    bool IsTalking() const { return talkTime > 0.0f; }
    bool IsBubbleLeft() const { return bubbleLeft; }
    // The side the bubble takes at the bubble point's screen x.
    bool BubbleLeftAt(int bubbleX) const;
    bool GetInterruptsSpeech() const { return interruptsSpeech; }
    void SetInterruptsSpeech(bool interrupts) { interruptsSpeech = interrupts; }
    bool IsTalkEnabled() const { return talkEnable; }
    float GetSpeechVolume() const { return speechVolume; }
    void SetSpeechVolume(float volume) { speechVolume = volume; }
    float GetScaleFactor() const { return scaleFactor; }
    void SetScaleFactor(float factor) { scaleFactor = factor; }
    bool IsScaleDisabled() const { return disableScale; }
    void SetScaleDisabled(bool disabled) { disableScale = disabled; }
    bool IsValidatingPosition() const { return validatePosition; }
    void SetValidatingPosition(bool validate) { validatePosition = validate; }
    void SetStartOrient(int direction) { startOrient = direction; }
    void SetShadow(bool enable, Point offset) { shadowEnable = enable; shadowOffset = offset; }
    void SetLightMapping(bool enable) { lightMapping = enable; }
    void SetAutoOrient(bool enable) { autoOrient = enable; }
    bool GetAutoOrient() const { return autoOrient; }
    void SetSpeechBubbleOffset(Point offset) { speechBubbleOffset = offset; }
    void SetAnimSpeeds(float walk, float take, float idleMain, float idleVariation, float talk);
    // The streamed speech while it is held, else null.
    StreamingSample* GetSpeechStream() const;

private:
    // Animations of four directions are kept in this order.
    enum Side : int { sideUp = 0, sideRight = 1, sideDown = 2, sideLeft = 3 };

    void UpdateIdle(float dt);
    void UpdateWalk(float dt);
    void UpdateTurn(float dt);
    void UpdateLineMove(float dt);
    void UpdatePickup(float dt);
    void UpdateIdleAnimation(float dt);
    void UpdateTalkTime(float dt);
    // Starts a random idle variant of the direction's group, if it has any.
    void StartIdleVariant();
    bool IdlesAllowed() const;
    void RestartIdleCountdown();
    // Shows the animation and advances it; null shows nothing.
    void Show(Animation* animation, float dt);
    // The standing animation of the direction, else its walk animation.
    Animation* StandingAnimation(int direction);
    Animation* WalkAnimation(int direction);
    // rightup and rightdown count as right, leftdown and leftup as left.
    static int SideOf(int direction);
    static int DirectionOfSide(int side);
    void DestroySpeechStream();
    std::string SpeechFileName(int levelNumber, const TalkEntry& entry) const;

    static inline bool graphicsDetail = true;

    // Settings.
    std::string animName = "NONE";
    float walkAnimSpeed = 30.7f;
    float takeAnimSpeed = 15.0f;
    float idleMainAnimSpeed = 30.0f;
    float idleAnimSpeed = 20.0f;
    float talkAnimSpeed = 20.0f;
    bool validatePosition = true;
    float scaleFactor = 1.0f;
    bool disableScale = false;
    Point speechBubbleOffset{0, 0};
    Point shadowOffset{0, 0};
    bool shadowEnable = true;
    bool lightMapping = true;
    bool autoOrient = true;
    // State.
    bool talkEnable = true;
    float speechVolume = 1.0f;
    bool interruptsSpeech = true;

    int state = idle;
    int targetOrient = noDirection;
    std::vector<Point> path;
    std::size_t segment = 0;
    float t = 0.0f;
    float segmentRate = 0.0f;
    FloatPoint lineStart;
    FloatPoint lineEnd;
    float lineT = 0.0f;
    float lineRate = 0.0f;
    int pickupType = pickupLow;
    static constexpr float firstIdleSeconds = 100.0f;
    float idleCountdown = firstIdleSeconds;
    float talkTime = 0.0f;
    std::string talkLine;
    // The sound engine's serial of the speech stream (0: none).
    std::uint64_t speechSerial = 0;
    bool speechStarted = false; // the recording has been heard playing
    bool bubbleLeft = false;
    bool useRoomScale = true;
    // Own scaling, used without the room's.
    int backY = 350;
    float backScale = 0.6f;
    int frontY = 500;
    float frontScale = 0.85f;

    std::array<Animation, 8> walkAnims;
    std::array<Animation, 8> standAnims;
    std::array<Animation, 4> talkAnims;
    // Idle variants 1 to 5 per side.
    std::array<std::array<Animation, idleVariants>, 4> idleAnims;
    // Low, middle, high per side.
    std::array<std::array<Animation, 4>, 3> takeAnims;
    Animation* idleVariant = nullptr;
};
