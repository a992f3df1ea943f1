#pragma once

// The knights' catapult throw (level 9), seen from the side on the
// tournament meadow below Burg Felsenstein. One click sets the catapult
// rolling towards the start line, ever faster; pressing and holding the
// button (or the space bar) tensions the arm, letting go throws the knight.
// The throw is the stronger the further the arm was pulled and the closer
// the cart was to the line; holding too long rips the rope, rolling over
// the line without a throw ends the attempt. The knight's flight from the
// line's measuring point, in centimetres, is the score, shown in metres.
// Inside the adventure the throw must reach 45, 50 or 55 metres by
// difficulty; a won throw lets the next episode begin in the castle yard.

#include "MinigameFrame.h"
#include "adventure/Level.h"
#include "graphics/Animation.h"

#include <cstdint>
#include <string>

class StreamingSample;

class RuvIdLevelRitter final : public Level {
public:
    enum State : int {
        stateTitleMenu = 0,
        stateHelp = 1,
        statePlaying = 2,
        stateHighscores = 3,
        stateNameEntry = 4,
    };
    // The phases of a throw.
    enum SubState : int {
        subStateWaiting = 0,
        subStateRolling = 1,
        subStateTensioning = 2,
        subStateLaunching = 3,
        subStateFlying = 4,
        subStateSliding = 5,
        subStateDone = 6,
    };
    static constexpr float catapultStartX = 350.0f;
    static constexpr float catapultY = 560.0f;
    // The cart's centre may not pass this x before the throw.
    static constexpr float startLineX = 1220.0f;
    // Where the measuring starts: a knight landing here flies 0 cm.
    static constexpr float measureStartX = 1480.0f;
    static constexpr float groundY = 578.0f;
    static constexpr float lowestPower = 0.25f;
    static constexpr float messageSeconds = 4.5f;
    // Longer frames than this count as this long: a stall must not throw the
    // knight through the ground or the camera off the meadow.
    static constexpr float longestStep = 0.1f;
    static constexpr const char* rollSoundFile = "level09\\Audio\\StreamingSfx\\catapult_roll_loop.ogg";
    static constexpr const char* musicFile = "level09\\Audio\\StreamingSfx\\Ritterturnier.ogg";

    RuvIdLevelRitter();
    ~RuvIdLevelRitter() override;

    bool Init(const LevelParameters& parameters) override;
    void Exit() override;
    void Reset() override;
    void Update(float dt) override;
    void Render() override;
    void OnKey(int key) override;
    void OnKeyUp(int key) override;
    void OnLeftButtonDown(int x, int y, bool doubleClick) override;
    void OnLeftButtonUp(int x, int y) override;
    void OnMouseMove(int x, int y) override;

    void SetState(int newState);
    int GetState() const { return state; }
    int GetSubState() const { return subState; }
    float GetCatapultX() const { return catX; }
    float GetCatapultSpeed() const { return catSpeed; }
    float GetPull() const { return pull; }
    float GetPower() const { return power; }
    bool IsLaunched() const { return launched; }
    float GetKnightX() const { return knightX; }
    float GetKnightY() const { return knightY; }
    float GetKnightSpeedX() const { return knightVX; }
    float GetScrollX() const { return scrollX; }
    int GetDistance() const { return distance; }
    const MinigameFrame& GetFrame() const { return frame; }

    // The launch strength for an arm pulled `pull` (0 to 1) with the cart's
    // centre at `x`.
    static float Power(float pull, float x);
    // The centimetres flown by a knight landing at `x`.
    static int Distance(float x);
    // "Flugweite: 47,25 Meter".
    static std::string DistanceMessage(int centimetres);
    // How long a knight thrown from height `y` upwards at `vy` stays in the
    // air, in the 0.05 s steps the fly animation is stretched over.
    static float FlightSeconds(float y, float vy);

private:
    // The first click, the press and the release.
    void Press();
    void Release();
    void StartRound();
    // The cart and everything on it back at the start.
    void ResetThrow();
    void UpdatePlaying(float dt);
    void MoveCatapult(float dt);
    void UpdateTension(float dt);
    void CheckStartLine();
    void UpdateLaunch(float dt);
    void UpdateKnight(float dt);
    void Land();
    void FollowWithCamera(float dt);
    void AfterEndMessage();
    // Ends the attempt before any throw: `what` for the log, `message` and
    // the sound for the player.
    void Fail(const char* what, const char* message, const char* audioEvent);
    void StopTension();
    void DrawMeadow() const;
    void DrawCatapult() const;
    void DrawHint() const;

    MinigameFrame frame;
    int state = stateTitleMenu;
    int subState = subStateWaiting;
    float catX = catapultStartX;
    float catSpeed = 0.0f;
    float catAccel = 0.0f;
    float pull = 0.0f;
    float power = lowestPower;
    bool launched = false;
    float knightX = 0.0f;
    float knightY = 0.0f;
    float knightVX = 0.0f;
    float knightVY = 0.0f;
    float scrollX = 0.0f;
    int distance = 0;
    // The space bar works as the button; its key repeats are not presses.
    bool spaceHeld = false;
    StreamingSample* rollSound = nullptr;
    StreamingSample* music = nullptr;
    // The creaking while the arm is pulled; 0 for none. The engine may drop
    // voices on its own, so the voice is looked up by its number.
    std::uint64_t tensionVoice = 0;
    Animation wheelsFront;
    Animation wheelsBack;
    Animation pullArm;
    Animation launchArm;
    Animation knightFlying;
    Animation knightHit;
    Animation knightStandingUp;
    Animation backgroundStart;
    Animation backgroundLoop;
    Animation backgroundMask;
};
