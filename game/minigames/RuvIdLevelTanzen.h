#pragma once

// The dance contest (level 7), a rhythm game: three dancers on Wakalua's
// stage dance to a looping tune while a strip of arrows scrolls beneath a
// bouncing ball; the player presses the arrow under the ball on the beat,
// and her dancer performs the move she pressed while the two companions
// always dance the right one. A hit earns up to 50 points by how close to
// the beat it came. Started as level 99 it is the closing credits: the
// three dance the whole choreography by themselves on a festive stage while
// the credits scroll.
//
// Time: while the tune plays, the beat clock follows the music stream's
// play position rather than the frame time, so the arrows stay on the beat
// the player hears.

#include "Dancer.h"
#include "DanceMoves.h"
#include "MinigameFrame.h"
#include "adventure/Level.h"
#include "graphics/Animation.h"

#include <array>
#include <bitset>
#include <memory>
#include <vector>

class StreamingSample;

class RuvIdLevelTanzen final : public Level {
public:
    // The front end's states.
    enum State : int {
        stateTitleMenu = 0,
        stateHelp = 1,
        statePlaying = 2,
        stateHighscores = 3,
        stateNameEntry = 4,
        stateCreditsDance = 5,
    };
    // The play phases inside the playing state.
    static constexpr int subStatePlaying = 0;
    static constexpr int subStateFinished = 3;
    // The beats before the choreography starts.
    static constexpr int leadInBeats = 12;
    static constexpr int pointsPerBeat = 50;
    static constexpr const char* musicFile = "level07\\Audio\\StreamingSfx\\WaiKiKi.ogg";

    RuvIdLevelTanzen();
    ~RuvIdLevelTanzen() override;

    bool Init(const LevelParameters& parameters) override;
    void Exit() override;
    void Reset() override;
    void Update(float dt) override;
    void Render() override;
    void OnKey(int key) override;
    void OnKeyUp(int key) override;
    void OnLeftButtonDown(int x, int y, bool doubleClick) override;
    void OnMouseMove(int x, int y) override;
    void OnMenuOpened() override;
    void OnMenuClosed() override;

    void SetState(int newState);
    int GetState() const { return state; }
    int GetSubState() const { return subState; }
    int GetScore() const { return score; }
    int GetBeatIndex() const { return beatIndex; }
    int GetGrade(int beat) const;
    const Dancer& GetDancer(int index) const { return *dancers[static_cast<std::size_t>(index)]; }
    const MinigameFrame& GetFrame() const { return frame; }
    // The choreography, read once and kept for the whole run.
    static DanceMoves& Choreography();

private:
    // One step of at most 0.09 s of the dance: the dancers, then the round or
    // the credits.
    void Step(float seconds);
    void UpdatePlaying(float seconds, float previousPhase);
    void UpdateCreditsDance(float seconds, float previousPhase);
    // The time the music played since the last call, or the frame time
    // when no tune plays.
    float ElapsedTime(float frameSeconds);
    void StartMusic();
    void StartRound();
    void EndRound();
    void AfterEndMessage();
    // The beat a key pressed now counts for.
    int JudgedBeat() const;
    void OnDirectionKey(int direction);
    void Judge(int move);
    void DrawStrip() const;
    void DrawScore() const;
    bool IsDancing() const { return state == statePlaying || state == stateCreditsDance; }

    MinigameFrame frame;
    int state = stateTitleMenu;
    int subState = subStatePlaying;
    int score = 0;
    StreamingSample* music = nullptr;
    // The player's dancer first, then the two companions.
    std::vector<std::unique_ptr<Dancer>> dancers;
    int beatIndex = -leadInBeats;
    std::array<int, DanceMoves::beatCount> grades{};
    int comboCount = 0;
    float chordTimer = 0.0f;
    int chordKey = -1;
    float ballX = 487.0f;
    float ballY = 275.0f;
    int musicPosition = 0;
    // Frame time that passed while the music stood still: a stream that
    // stalls hands the clock back to the frame time.
    float musicStillSeconds = 0.0f;
    // Keys held down: the system repeats them, which must not dance again.
    std::bitset<256> heldKeys;
    std::array<Animation, 8> symbols;
    Animation ball;
    Animation background;
};
