#include "RuvIdLevelRitter.h"

#include "LoopedStream.h"
#include "MenuSound.h"
#include "SharedMenus.h"
#include "adventure/RuvIdLevelAdventure.h"
#include "app/Debug.h"
#include "app/Factory.h"
#include "audio/AudioEvent.h"
#include "audio/SoundEngine.h"
#include "audio/SpeechPlayer.h"
#include "audio/StreamingSample.h"
#include "audio/Voice.h"
#include "graphics/DirectDraw.h"
#include "graphics/Sprite.h"
#include "platform/VirtualKey.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const FactoryRegistration<Level, RuvIdLevelRitter> registration("RuvIdLevelRitter");

// The catapult keeps its own messages: distances instead of points.
constexpr MinigameFrame::Game catapultGame = {
    2, 4, {4500, 5000, 5500},
    {RuvIdLevelRitter::stateTitleMenu, RuvIdLevelRitter::stateHelp, RuvIdLevelRitter::statePlaying,
     RuvIdLevelRitter::stateHighscores, RuvIdLevelRitter::stateNameEntry},
    {"RuvIdLevelRitter", "", RuvIdLevelRitter::messageSeconds, RuvIdLevelRitter::messageSeconds,
     RuvIdLevelRitter::messageSeconds},
    &RuvIdLevelAdventure::SetCatapultWon};

const MinigameFrame::HelpParagraph helpParagraphs[] = {
    {"Ein Klick lässt das Katapult anrollen. Maustaste halten spannt den Arm, loslassen wirft den Ritter."_w1252, 288},
    {"Je weiter gespannt und je näher an der Startlinie, desto weiter der Wurf. Wer zu lange spannt, dem reißt "
     "das Seil; wer über die Linie rollt, hat verloren."_w1252,
     362},
    {"Statt der Maustaste geht auch die Leertaste. In der Geschichte zählen 45 (Leicht), 50 (Mittel) oder "
     "55 Meter (Schwer)."_w1252,
     473},
};
const MinigameFrame::HelpPage helpPage = {"Ritterweitwurf", 228, helpParagraphs};

constexpr const char* tensionEvent = "audioevent_catapult_tension_loop";

// The cart: its top speed, its push while rolling and its brake.
constexpr float topSpeed = 400.0f;
constexpr float rollAcceleration = 200.0f;
constexpr float brakeAcceleration = -350.0f;
constexpr float rollVolume = 0.1f;
constexpr float rollVolumePerSpeed = 0.0025f * 0.9f;
// One turn of a wheel rolls this far: 1 / 0.0035 pixels.
constexpr float wheelTurnsPerPixel = 0.0035f;
// The knight leaves the bucket once the launch shows a frame past this one.
constexpr int releaseFrame = 9;
constexpr float knightOffsetX = 59.0f;
constexpr float knightOffsetY = 300.0f;
constexpr float throwSpeedX = 1000.0f;
constexpr float throwBaseSpeedX = 300.0f;
constexpr float throwSpeedY = -200.0f;
constexpr float gravity = 300.0f;
constexpr float airDrag = 0.3f;
constexpr float groundDrag = 2.5f;
constexpr float slowestSlide = 15.0f;
constexpr float flyCallDelay = 0.15f;
// The flight time is estimated in steps of this length.
constexpr float flightStep = 0.05f;
// The camera keeps what it follows this far from the screen's left edge.
constexpr float cameraLead = 350.0f;
constexpr float cameraRate = 3.0f;

// The meadow: the start piece, then loop pieces, in the screen's band.
constexpr int pieceCount = 20;
constexpr int startPieceWidth = 1425;
constexpr int loopPieceWidth = 1647;
constexpr int meadowEnd = startPieceWidth + (pieceCount - 1) * loopPieceWidth;
constexpr int meadowY = 128;
constexpr int maskY = 508;
constexpr int screenWidth = 1024;
constexpr int hintY = 48;

constexpr float meadowDepth = 0.0f;
constexpr float maskDepth = 0.21f;
constexpr float armDepth = 0.2f;
constexpr float frontWheelsDepth = 0.201f;
constexpr float backWheelsDepth = 0.199f;
constexpr float knightDepth = 0.2f;
constexpr int backWheelsOffsetX = -20;
constexpr int backWheelsOffsetY = -10;

void Draw(const Animation& animation, int x, int y, float depth)
{
    if (Sprite* sprite = animation.GetSprite())
        sprite->Draw(x, y, animation.GetCurrentFrame(), depth);
}

void DrawTopLeft(const Animation& animation, int x, int y, float depth)
{
    if (Sprite* sprite = animation.GetSprite())
        sprite->DrawTopLeft(x, y, 0, depth);
}

void Load(Animation& animation, const char* label, int mode)
{
    animation.SetSpriteLabel(label);
    animation.SetMode(mode);
    animation.SetTime(0.0f);
}

} // namespace

RuvIdLevelRitter::RuvIdLevelRitter() : frame(catapultGame) {}

RuvIdLevelRitter::~RuvIdLevelRitter() = default;

float RuvIdLevelRitter::Power(float pull, float x)
{
    return std::max(lowestPower, (1.0f - (startLineX - x) * 0.001f) * pull);
}

int RuvIdLevelRitter::Distance(float x)
{
    return std::max(0, static_cast<int>(std::floor((x - measureStartX) * 3.0f)));
}

std::string RuvIdLevelRitter::DistanceMessage(int centimetres)
{
    char text[48];
    std::snprintf(text, sizeof text, "Flugweite: %d,%02d Meter", centimetres / 100, centimetres % 100);
    return text;
}

float RuvIdLevelRitter::FlightSeconds(float y, float vy)
{
    // The speed grows by gravity every step, so the loop ends; the bound
    // only guards against a start far above the screen.
    constexpr int mostSteps = 10000;
    int steps = 0;
    while (y < groundY && steps < mostSteps) {
        y += vy * flightStep;
        vy += gravity * flightStep;
        ++steps;
    }
    return static_cast<float>(steps) * flightStep;
}

bool RuvIdLevelRitter::Init(const LevelParameters& parameters)
{
    frame.Start(parameters.owner);
    Load(wheelsFront, "catapult_wheels_front", Animation::modeLoop);
    Load(wheelsBack, "catapult_wheels_back", Animation::modeLoop);
    Load(pullArm, "catapult_pull", Animation::modeStop);
    Load(launchArm, "catapult_launch", Animation::modeStop);
    Load(knightFlying, "guard_fly", Animation::modeStop);
    Load(knightHit, "guard_hit", Animation::modeStop);
    Load(knightStandingUp, "guard_standup", Animation::modeStop);
    Load(backgroundStart, "background_start", Animation::modeStop);
    Load(backgroundLoop, "background_loop", Animation::modeStop);
    Load(backgroundMask, "background_mask", Animation::modeStop);
    SoundEngine& engine = SoundEngine::GetInstance();
    // The sound list cannot say that a sound loops; this one creaks for as
    // long as the arm is held.
    if (AudioEvent* tension = engine.FindAudioEvent(tensionEvent))
        tension->isLooping = true;
    rollSound = engine.CreateStream(rollSoundFile);
    if (rollSound != nullptr)
        rollSound->SetSoundGroup(1);
    music = engine.CreateStream(musicFile);
    ResetThrow();
    SetState(stateTitleMenu);
    return true;
}

void RuvIdLevelRitter::Exit()
{
    StopTension();
    LoopedStream::Release(rollSound);
    LoopedStream::Release(music);
    frame.Stop();
}

void RuvIdLevelRitter::Reset()
{
    StopTension();
    LoopedStream::Stop(rollSound);
    LoopedStream::Stop(music);
    frame.Stop();
    ResetThrow();
    SetState(stateTitleMenu);
}

void RuvIdLevelRitter::ResetThrow()
{
    subState = subStateWaiting;
    catX = catapultStartX;
    catSpeed = 0.0f;
    catAccel = 0.0f;
    pull = 0.0f;
    power = lowestPower;
    launched = false;
    knightX = 0.0f;
    knightY = 0.0f;
    knightVX = 0.0f;
    knightVY = 0.0f;
    scrollX = 0.0f;
    for (Animation* animation : {&pullArm, &launchArm, &knightFlying, &knightHit, &knightStandingUp})
        animation->SetTime(0.0f);
}

void RuvIdLevelRitter::SetState(int newState)
{
    if (newState == statePlaying) {
        StartRound();
    } else if (!frame.ShowPage(newState, state, distance, helpPage)) {
        LogError("RuvIdLevelRitter::SetState: Unknown state %d!\n", newState);
        return;
    }
    state = newState;
}

void RuvIdLevelRitter::StartRound()
{
    frame.GetList().Clear();
    ResetThrow();
    distance = 0;
    spaceHeld = false;
    MenuSound::Play("audioevent_start");
    LoopedStream::Restart(music, 1.0f);
}

void RuvIdLevelRitter::Update(float dt)
{
    switch (state) {
    case statePlaying:
        UpdatePlaying(std::min(dt, longestStep));
        break;
    default:
        frame.UpdatePage(dt, state, [this](int next) { SetState(next); });
        break;
    }
    frame.FinishUpdate(dt, state);
}

void RuvIdLevelRitter::UpdatePlaying(float dt)
{
    MoveCatapult(dt);
    UpdateTension(dt);
    CheckStartLine();
    UpdateLaunch(dt);
    // The wheels turn as far as the cart rolls.
    const float turn = wheelsFront.GetTime() + dt * catSpeed * wheelTurnsPerPixel;
    wheelsFront.SetTime(turn - std::floor(turn));
    wheelsBack.SetTime(wheelsFront.GetTime());
    UpdateKnight(dt);
    FollowWithCamera(dt);
    // The message of a throw waits until the knight is down.
    if (subState != subStateFlying && frame.UpdateEndMessage(dt))
        AfterEndMessage();
}

void RuvIdLevelRitter::MoveCatapult(float dt)
{
    catX += dt * catSpeed;
    catSpeed = std::clamp(catSpeed + dt * catAccel, 0.0f, topSpeed);
    if (rollSound != nullptr)
        rollSound->SetVolume(rollVolume + catSpeed * rollVolumePerSpeed);
}

void RuvIdLevelRitter::UpdateTension(float dt)
{
    if (subState != subStateTensioning || frame.IsEndMessageShown())
        return;
    pullArm.Update(dt);
    pull = pullArm.GetTime();
    if (pullArm.IsFinished())
        Fail("The rope ripped", "Du hast das Katapult überspannt!"_w1252, "audioevent_cata_ripped");
}

void RuvIdLevelRitter::CheckStartLine()
{
    if (subState > subStateTensioning || launched || catX < startLineX || frame.IsEndMessageShown())
        return;
    Fail("The cart rolled over the start line", "Startlinie überfahren!"_w1252, "audioevent_startline");
}

void RuvIdLevelRitter::Fail(const char* what, const char* message, const char* audioEvent)
{
    LogPrint("RuvIdLevelRitter: %s\n", what);
    StopTension();
    frame.ShowEndMessage(message, audioEvent, messageSeconds);
    catAccel = brakeAcceleration;
}

void RuvIdLevelRitter::StopTension()
{
    SoundEngine& engine = SoundEngine::GetInstance();
    if (Voice* voice = engine.FindVoice(tensionVoice)) {
        voice->Stop();
        engine.DestroyVoice(voice);
    }
    tensionVoice = 0;
}

void RuvIdLevelRitter::Press()
{
    if (state != statePlaying || frame.IsEndMessageShown())
        return;
    if (subState == subStateWaiting) {
        LoopedStream::Restart(rollSound, rollVolume);
        subState = subStateRolling;
        catSpeed = 0.0f;
        catAccel = rollAcceleration;
    } else if (subState == subStateRolling) {
        StopTension();
        if (Voice* voice = SoundEngine::GetInstance().PlayEvent(tensionEvent, false)) {
            voice->Start();
            tensionVoice = voice->GetSerial();
        }
        subState = subStateTensioning;
    }
}

void RuvIdLevelRitter::Release()
{
    if (state != statePlaying || frame.IsEndMessageShown() || subState != subStateTensioning)
        return;
    StopTension();
    MenuSound::Play("audioevent_catapult_shot");
    SpeechPlayer::GetInstance().PlayRandom(flyCallDelay, "audioevent_fly1", "audioevent_fly2", "audioevent_fly3",
                                           "audioevent_fly4", "audioevent_fly5", "audioevent_fly6");
    subState = subStateLaunching;
    catAccel = brakeAcceleration;
    // A half pulled arm starts its swing half way.
    launchArm.SetTime((1.0f - pull) / 3.0f);
    power = Power(pull, catX);
}

void RuvIdLevelRitter::UpdateLaunch(float dt)
{
    if (subState < subStateLaunching)
        return;
    launchArm.Update(dt);
    // An arm whose picture is missing or too short lets go at its end
    // rather than never.
    const bool released = launchArm.GetCurrentFrame() > releaseFrame || launchArm.IsFinished() ||
                          launchArm.GetSprite() == nullptr;
    if (launched || !released)
        return;
    launched = true;
    knightX = catX + knightOffsetX;
    knightY = catapultY - knightOffsetY;
    knightVX = power * throwSpeedX + throwBaseSpeedX;
    knightVY = std::floor(power * throwSpeedY);
    // The tumbling lasts exactly the flight.
    const float seconds = FlightSeconds(knightY, knightVY);
    knightFlying.SetTime(0.0f);
    knightFlying.SetUseDefaultSpeed(false);
    knightFlying.SetSpeed(static_cast<float>(knightFlying.GetFrameCount()) / std::max(seconds, flightStep));
    subState = subStateFlying;
}

void RuvIdLevelRitter::UpdateKnight(float dt)
{
    if (subState == subStateFlying) {
        knightFlying.Update(dt);
        knightX += dt * knightVX;
        knightY += dt * knightVY;
        knightVX -= dt * knightVX * airDrag;
        knightVY += dt * gravity;
        if (knightY >= groundY)
            Land();
        return;
    }
    if (subState == subStateSliding) {
        knightHit.Update(dt);
        knightX += dt * knightVX;
        knightVX -= dt * knightVX * groundDrag;
        if (knightVX < slowestSlide)
            knightVX = 0.0f;
        // The knight lies as long as getting up takes, then gets up.
        knightStandingUp.Update(dt);
        if (!knightStandingUp.IsFinished())
            return;
        subState = subStateDone;
        knightStandingUp.SetTime(0.0f);
        if (frame.IsInAdventure()) {
            SpeechPlayer::GetInstance().PlayRandom(
                0.0f, distance >= frame.GetRequiredScore() ? "audioevent_success1" : "audioevent_failed1");
        }
        return;
    }
    if (subState == subStateDone)
        knightStandingUp.Update(dt);
}

void RuvIdLevelRitter::Land()
{
    knightHit.SetTime(0.0f);
    knightStandingUp.SetTime(0.0f);
    MenuSound::Play("audioevent_landing");
    SpeechPlayer::GetInstance().PlayRandom(0.0f, "audioevent_hit1", "audioevent_hit2", "audioevent_hit3",
                                           "audioevent_hit4");
    subState = subStateSliding;
    knightY = groundY;
    distance = Distance(knightX);
    std::string message = DistanceMessage(distance);
    const char* jingle = nullptr;
    if (frame.IsInAdventure()) {
        // In the story the verdict comes with the minigames' jingle.
        const bool reached = distance >= frame.GetRequiredScore();
        char verdict[64];
        if (reached)
            std::snprintf(verdict, sizeof verdict, "<br>Super Flug! Du hast es geschafft!");
        else
            std::snprintf(verdict, sizeof verdict, "<br>Leider keine %d Meter erreicht, verloren!",
                          frame.GetRequiredScore() / 100);
        message += verdict;
        jingle = reached ? "audioevent_success" : "audioevent_failed";
    }
    frame.ShowEndMessage(message, jingle, messageSeconds);
}

void RuvIdLevelRitter::FollowWithCamera(float dt)
{
    const float followed = launched ? knightX : catX;
    // Past a third of a second the camera would overshoot; it catches up.
    scrollX += (followed - (scrollX + cameraLead)) * std::min(dt * cameraRate, 1.0f);
    scrollX = std::clamp(scrollX, 0.0f, static_cast<float>(meadowEnd - screenWidth));
}

void RuvIdLevelRitter::AfterEndMessage()
{
    StopTension();
    LoopedStream::Stop(rollSound);
    LoopedStream::Stop(music);
    LogPrint("RuvIdLevelRitter: The throw is over with %d centimetres\n", distance);
    const MinigameFrame::AfterRound next = frame.FinishRound(distance);
    // Back at the start for the pages behind; a wipe hides the jump, unless
    // the story goes on with a wipe of its own.
    if (!frame.IsWon())
        DirectDraw::GetInstance().StartFade(DirectDraw::fadeBackward, true);
    ResetThrow();
    SetState(next == MinigameFrame::AfterRound::nameEntry ? stateNameEntry : stateTitleMenu);
}

void RuvIdLevelRitter::OnKey(int key)
{
    if (state == statePlaying) {
        // The space bar is the button; a held key's repeats are no presses.
        if (key == VirtualKey::Space && !spaceHeld) {
            spaceHeld = true;
            Press();
        }
        return;
    }
    if (frame.OnMenuKey(key))
        OnLeftButtonDown(frame.GetMouseX(), frame.GetMouseY(), false);
}

void RuvIdLevelRitter::OnKeyUp(int key)
{
    if (key != VirtualKey::Space)
        return;
    spaceHeld = false;
    Release();
}

void RuvIdLevelRitter::OnLeftButtonDown(int, int, bool)
{
    if (state == statePlaying) {
        Press();
        return;
    }
    frame.OnPageClick(state, [this](int next) { SetState(next); });
}

void RuvIdLevelRitter::OnLeftButtonUp(int, int)
{
    Release();
}

void RuvIdLevelRitter::OnMouseMove(int x, int y)
{
    frame.OnMouseMove(x, y);
}

void RuvIdLevelRitter::Render()
{
    frame.GetList().Draw();
    if (state == stateTitleMenu)
        frame.DrawTitlePanel();
    else if (state != statePlaying)
        frame.DrawPagePanel();
    if (state == stateHighscores || state == stateNameEntry)
        SharedMenus::GetInstance().DrawHighscores();
    DrawMeadow();
    DrawCatapult();
    if (state == statePlaying) {
        DrawHint();
        frame.DrawEndMessage();
    } else {
        frame.DrawCursor();
    }
}

void RuvIdLevelRitter::DrawHint() const
{
    // Above the meadow, what the button does next, until the throw.
    constexpr const char* hints[] = {"Klick: Katapult anrollen lassen", "Maustaste halten: Arm spannen",
                                     "Loslassen: Ritter werfen!"};
    if (subState > subStateTensioning || frame.IsEndMessageShown())
        return;
    MinigameFrame::DrawHudText(hints[subState], screenWidth / 2, hintY, HorizontalAlignment::centre);
}

void RuvIdLevelRitter::DrawMeadow() const
{
    int x = -static_cast<int>(scrollX);
    for (int piece = 0; piece < pieceCount; ++piece) {
        if (x > -2048 && x < screenWidth) {
            DrawTopLeft(piece == 0 ? backgroundStart : backgroundLoop, x, meadowY, meadowDepth);
            if (piece == 0)
                DrawTopLeft(backgroundMask, x, maskY, maskDepth);
        }
        x += piece == 0 ? startPieceWidth : loopPieceWidth;
    }
}

void RuvIdLevelRitter::DrawCatapult() const
{
    const int cx = static_cast<int>(catX - scrollX);
    const int cy = static_cast<int>(catapultY);
    Draw(subState < subStateLaunching ? pullArm : launchArm, cx, cy, armDepth);
    Draw(wheelsFront, cx, cy, frontWheelsDepth);
    Draw(wheelsBack, static_cast<int>(catX - scrollX + backWheelsOffsetX),
         static_cast<int>(catapultY + backWheelsOffsetY), backWheelsDepth);
    if (!launched)
        return;
    const Animation& knight = subState == subStateFlying ? knightFlying
                              : subState == subStateDone ? knightStandingUp
                                                         : knightHit;
    Draw(knight, static_cast<int>(knightX - scrollX), static_cast<int>(knightY), knightDepth);
}
