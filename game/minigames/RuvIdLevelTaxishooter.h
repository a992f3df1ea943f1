#pragma once

// The taxi shooter (level 8), a side-view space shooter: Rocko's taxi, with
// Juna and the twins aboard, chases the Baron through a nebula. The arrow
// keys steer it; fighters ahead are shot with the roof cannon (space bar),
// fighters closing in from behind are dazzled with Mia's camera flash (B).
// Several fighters hit by one shot or one flash score rising points; each
// shot and each flash costs 10. The taxi has five lives. A round lasts 90
// seconds on its own and 60 inside the adventure, where it ends early once
// the difficulty's score is reached. A short spoken dialogue comes before
// the title menu.

#include "MinigameFrame.h"
#include "NebulaBackground.h"
#include "Ship.h"
#include "adventure/Level.h"
#include "graphics/Animation.h"

#include <vector>

class StreamingSample;

class RuvIdLevelTaxishooter final : public Level {
public:
    enum State : int {
        stateIntro = 0,
        stateTitleMenu = 1,
        stateHelp = 2,
        statePlaying = 3,
        stateHighscores = 4,
        stateNameEntry = 5,
    };
    // The play phases inside the playing state.
    static constexpr int subStateFlying = 0;
    static constexpr int subStateCrashing = 1;
    static constexpr int subStateOver = 2;
    static constexpr int startLives = 5;
    static constexpr float standaloneSeconds = 90.0f;
    static constexpr float adventureSeconds = 60.0f;
    static constexpr int shotCost = 10;
    static constexpr const char* musicFile = "level08\\Audio\\StreamingSfx\\RuvIdAction1-03.ogg";

    RuvIdLevelTaxishooter();
    ~RuvIdLevelTaxishooter() override;

    bool Init(const LevelParameters& parameters) override;
    void Exit() override;
    void Reset() override;
    void Update(float dt) override;
    void Render() override;
    void OnKey(int key) override;
    void OnLeftButtonDown(int x, int y, bool doubleClick) override;
    void OnMouseMove(int x, int y) override;

    void SetState(int newState);
    int GetState() const { return state; }
    int GetSubState() const { return subState; }
    int GetScore() const { return score; }
    int GetLives() const { return lives; }
    float GetElapsed() const { return elapsed; }
    float GetInvulnerable() const { return invulnerable; }
    int GetIntroLine() const { return introLine; }
    const Ship& GetTaxi() const { return taxi; }
    const std::vector<Ship>& GetFighters() const { return fighters; }
    const MinigameFrame& GetFrame() const { return frame; }
    // The points the n-th fighter (from 0) of one shot or flash earns.
    static int ComboPoints(int n);

private:
    void UpdateIntro(float dt);
    void UpdatePlaying(float dt);
    void UpdateFlying(float dt);
    void SteerTaxi();
    void ScoreHits();
    void EndRound();
    void AfterEndMessage();
    // A new taxi and the round's fighters from their file.
    void CreateShips();
    void StartRound();
    float RoundSeconds() const;
    void Pay(int points);
    void DrawHud() const;

    MinigameFrame frame;
    int state = stateIntro;
    int subState = subStateFlying;
    int score = 0;
    StreamingSample* music = nullptr;
    float musicVolume = 1.0f;
    Ship taxi;
    std::vector<Ship> fighters;
    NebulaBackground nebula;
    float elapsed = 0.0f;
    int lives = startLives;
    float laserTimer = 0.0f;
    float laserX = 99999.9f;
    float laserY = 99999.9f;
    float photoTimer = 10.0f;
    int laserCombo = 0;
    int photoCombo = 0;
    float invulnerable = 0.0f;
    float introTimer = 1.0f;
    int introLine = -1;
    float introShown = 0.0f;
    // The two fire keys at the previous check: only a new press fires.
    bool spaceWasDown = false;
    bool flashKeyWasDown = false;
    Animation laser;
    Animation flashLight;
    Animation photoSign;
    Animation hud;
};
