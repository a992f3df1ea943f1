#pragma once

// The alien shooting gallery (level 11) in the yard of the Baron's moon
// base: his escaped lab aliens pop up from behind three rows of cover at
// twenty places, and Juna sprays them with her repellent, aiming with the
// mouse. A can holds eight shots; the right button swaps it for a full one
// (5 points while shots are left). Farther aliens are worth more: 15, 20
// and 25 points by row. A round lasts 90 seconds on its own and 60 inside
// the adventure, where it ends early once the difficulty's score is
// reached; a won round lets the next episode begin at the base.

#include "Alien.h"
#include "MinigameFrame.h"
#include "adventure/Level.h"
#include "graphics/Animation.h"

#include <span>
#include <vector>

class StreamingSample;

class RuvIdLevelAlien final : public Level {
public:
    enum State : int {
        stateTitleMenu = 0,
        stateHelp = 1,
        statePlaying = 2,
        stateHighscores = 3,
        stateNameEntry = 4,
    };
    static constexpr int subStatePlaying = 0;
    static constexpr int subStateOver = 1;
    static constexpr int fullCan = 8;
    static constexpr int reloadCost = 5;
    static constexpr float standaloneSeconds = 90.0f;
    static constexpr float adventureSeconds = 60.0f;
    // Juna speaks up after this long without a shot.
    static constexpr float idleSeconds = 8.0f;
    static constexpr const char* musicFile = "level11\\Audio\\StreamingSfx\\RuvIdAlienGame.ogg";

    RuvIdLevelAlien();
    ~RuvIdLevelAlien() override;

    bool Init(const LevelParameters& parameters) override;
    void Exit() override;
    void Reset() override;
    void Update(float dt) override;
    void Render() override;
    void OnKey(int key) override;
    void OnLeftButtonDown(int x, int y, bool doubleClick) override;
    void OnRightButtonDown(int x, int y) override;
    void OnMouseMove(int x, int y) override;

    void SetState(int newState);
    int GetState() const { return state; }
    int GetSubState() const { return subState; }
    int GetScore() const { return score; }
    int GetShots() const { return shots; }
    float GetElapsed() const { return elapsed; }
    std::span<Alien> GetAliens() { return aliens; }
    const MinigameFrame& GetFrame() const { return frame; }
    // The twenty places, front row first.
    static std::span<const Alien::Place> Places();
    // The aliens anew, their dice thrown from `seed`: every round logs the
    // seed it drew, so that the round can be played again alike.
    void ReseedAliens(unsigned seed);

private:
    void StartRound();
    // Every alien anew at its place, the can full, the clock at 0.
    void ResetRound();
    void UpdatePlaying(float dt);
    void HitTest();
    float RoundSeconds() const;
    void AfterEndMessage();
    void DrawHud() const;

    MinigameFrame frame;
    int state = stateTitleMenu;
    int subState = subStatePlaying;
    float elapsed = 0.0f;
    int score = 0;
    int shots = fullCan;
    // Above 0 while a shot waits for the next update's hit test.
    float shotPending = 0.0f;
    float idleTime = 0.0f;
    float musicVolume = 1.0f;
    StreamingSample* music = nullptr;
    Alien::Dice dice;
    std::vector<Alien> aliens;
    Animation crosshair;
    Animation sprayIcon;
    Animation background;
    Animation frontMask;
    Animation middleMask;
    Animation backMask;
};
