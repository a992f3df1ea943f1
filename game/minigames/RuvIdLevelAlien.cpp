#include "RuvIdLevelAlien.h"

#include "AlienParameters.h"
#include "LoopedStream.h"
#include "MenuSound.h"
#include "SharedMenus.h"
#include "adventure/Cast.h"
#include "adventure/RuvIdLevelAdventure.h"
#include "app/Debug.h"
#include "app/Factory.h"
#include "audio/Randomizer.h"
#include "audio/SoundEngine.h"
#include "audio/SpeechPlayer.h"
#include "audio/StreamingSample.h"
#include "graphics/Sprite.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cstdio>

namespace {

const FactoryRegistration<Level, RuvIdLevelAlien> registration("RuvIdLevelAlien");

constexpr float messageSeconds = 5.0f;
constexpr MinigameFrame::Game alienGame = {
    3, 6, {900, 1200, 1500},
    {RuvIdLevelAlien::stateTitleMenu, RuvIdLevelAlien::stateHelp, RuvIdLevelAlien::statePlaying,
     RuvIdLevelAlien::stateHighscores, RuvIdLevelAlien::stateNameEntry},
    {"RuvIdLevelAlien", "Ausgezeichnet, du hast die Aliens erfolgreich in die Flucht getrieben!", messageSeconds,
     messageSeconds, messageSeconds},
    &RuvIdLevelAdventure::SetAlienShooterWon};

const MinigameFrame::HelpParagraph helpParagraphs[] = {
    {"Ziele mit der Maus auf die Schleimlinge und sprühe mit der linken Maustaste."_w1252, 308},
    {"Eine Dose reicht für acht Stöße; die rechte Maustaste holt eine neue (5 Punkte, solange noch etwas drin "
     "ist). Vorn gibt es 15 Punkte, in der Mitte 20, hinten 25. In der Geschichte brauchst du in einer Minute "
     "900 (Leicht), 1200 (Mittel) oder 1500 (Schwer) Punkte."_w1252,
     382},
};
const MinigameFrame::HelpPage helpPage = {"Alien Shooter", 248, helpParagraphs};

// The places: x, y in the band, scale and row.
constexpr Alien::Place places[] = {
    {889, 426, 1.0f, Alien::frontLayer},  {800, 435, 1.0f, Alien::frontLayer},  {725, 442, 1.0f, Alien::frontLayer},
    {660, 449, 1.0f, Alien::frontLayer},  {570, 460, 1.0f, Alien::frontLayer},  {455, 471, 1.0f, Alien::frontLayer},
    {49, 361, 0.5f, Alien::middleLayer},  {147, 347, 0.5f, Alien::middleLayer}, {486, 300, 0.4f, Alien::middleLayer},
    {419, 300, 0.4f, Alien::middleLayer}, {368, 300, 0.4f, Alien::middleLayer}, {915, 339, 0.4f, Alien::middleLayer},
    {950, 341, 0.4f, Alien::middleLayer}, {624, 324, 0.35f, Alien::middleLayer},
    {688, 329, 0.35f, Alien::middleLayer}, {93, 292, 0.3f, Alien::backLayer},   {448, 270, 0.2f, Alien::backLayer},
    {387, 275, 0.2f, Alien::backLayer},   {334, 274, 0.2f, Alien::backLayer},   {285, 275, 0.2f, Alien::backLayer},
};

// The shot covers 4 x 4 pixels around the pointer.
constexpr int shotBefore = 2;
constexpr int shotAfter = 1;
constexpr float shotWait = 0.15f;
constexpr float musicFade = 0.25f;

constexpr int bandTop = 128;
constexpr float backgroundDepth = 0.0f;
constexpr float pointerDepth = 1.0f;
constexpr int sprayIconX = 15;
constexpr int sprayIconY = 668;
constexpr float sprayIconDepth = 0.899f;
constexpr int shotsX = 92;
constexpr int shotsY = 688;

int RandomBelow(int count)
{
    return Randomizer::GetInstance().Next() % count;
}

bool SpeechSilent()
{
    return !SpeechPlayer::GetInstance().IsSpeaking();
}

void DrawTopLeft(const Animation& animation, int x, int y, float depth)
{
    if (Sprite* sprite = animation.GetSprite())
        sprite->DrawTopLeft(x, y, 0, depth);
}

} // namespace

RuvIdLevelAlien::RuvIdLevelAlien() : frame(alienGame) {}

RuvIdLevelAlien::~RuvIdLevelAlien() = default;

std::span<const Alien::Place> RuvIdLevelAlien::Places()
{
    return places;
}

bool RuvIdLevelAlien::Init(const LevelParameters& parameters)
{
    frame.Start(parameters.owner);
    // The level's settings file, read after this, may tune the aliens.
    AlienParameters::GetInstance().SetDefaults();
    Cast::GetInstance().Add(&AlienParameters::GetInstance(), "AlienParameters");
    crosshair.SetSpriteLabel("crosshair_cursor");
    sprayIcon.SetSpriteLabel("icon_spray");
    background.SetSpriteLabel("background");
    frontMask.SetSpriteLabel("background_frontmask");
    middleMask.SetSpriteLabel("background_middlemask");
    backMask.SetSpriteLabel("background_backmask");
    music = SoundEngine::GetInstance().CreateStream(musicFile);
    SetState(stateTitleMenu);
    return true;
}

void RuvIdLevelAlien::Exit()
{
    LoopedStream::Release(music);
    Cast::GetInstance().Remove(&AlienParameters::GetInstance());
    aliens.clear();
    frame.Stop();
}

void RuvIdLevelAlien::Reset()
{
    LoopedStream::Stop(music);
    frame.Stop();
    aliens.clear();
    score = 0;
    SetState(stateTitleMenu);
}

void RuvIdLevelAlien::SetState(int newState)
{
    if (newState == statePlaying) {
        StartRound();
    } else if (!frame.ShowPage(newState, state, score, helpPage)) {
        LogError("RuvIdLevelAlien::SetState: Unknown state %d!\n", newState);
        return;
    }
    state = newState;
}

void RuvIdLevelAlien::ResetRound()
{
    elapsed = 0.0f;
    score = 0;
    shots = fullCan;
    shotPending = 0.0f;
    idleTime = 0.0f;
    const unsigned seed = static_cast<unsigned>(Randomizer::GetInstance().Next());
    LogPrint("RuvIdLevelAlien: The aliens' seed is %u\n", seed);
    ReseedAliens(seed);
}

void RuvIdLevelAlien::ReseedAliens(unsigned seed)
{
    dice.seed(seed);
    aliens.clear();
    for (const Alien::Place& place : places)
        aliens.emplace_back(place, dice);
}

void RuvIdLevelAlien::StartRound()
{
    ResetRound();
    frame.GetList().Clear();
    subState = subStatePlaying;
    SpeechPlayer::GetInstance().PlayRandom(0.0f, "audioevent_start");
    musicVolume = 1.0f;
    LoopedStream::Restart(music, musicVolume);
}

float RuvIdLevelAlien::RoundSeconds() const
{
    return frame.IsInAdventure() ? adventureSeconds : standaloneSeconds;
}

void RuvIdLevelAlien::Update(float dt)
{
    switch (state) {
    case statePlaying:
        UpdatePlaying(dt);
        break;
    default:
        frame.UpdatePage(dt, state, [this](int next) { SetState(next); });
        break;
    }
    frame.FinishUpdate(dt, state);
}

void RuvIdLevelAlien::UpdatePlaying(float dt)
{
    if (subState == subStateOver) {
        LoopedStream::FadeDown(music, musicVolume, musicFade, dt);
        if (frame.UpdateEndMessage(dt))
            AfterEndMessage();
        return;
    }
    crosshair.Update(dt);
    idleTime += dt;
    if (idleTime >= idleSeconds) {
        if (SpeechSilent())
            SpeechPlayer::GetInstance().PlayRandom(0.0f, "audioevent_sleeping1", "audioevent_sleeping2",
                                                   "audioevent_sleeping3", "audioevent_sleeping4",
                                                   "audioevent_sleeping5", "audioevent_sleeping6",
                                                   "audioevent_sleeping7");
        idleTime = 0.0f;
    }
    elapsed += dt;
    if (shotPending > 0.0f)
        HitTest();
    if (elapsed > RoundSeconds() || (frame.IsInAdventure() && score >= frame.GetRequiredScore())) {
        subState = subStateOver;
        frame.EndRound(score);
    }
    for (Alien& alien : aliens)
        alien.Update(dt, dice);
}

void RuvIdLevelAlien::HitTest()
{
    shotPending = 0.0f;
    const int x = frame.GetMouseX();
    const int y = frame.GetMouseY();
    const HitRect shot = {x - shotBefore, y - shotBefore, x + shotAfter, y + shotAfter};
    bool anyHit = false;
    for (Alien& alien : aliens) {
        if (!alien.IsHittable() || !alien.GetRect().Overlaps(shot))
            continue;
        alien.Hit();
        anyHit = true;
        score += alien.GetPoints();
        char event[32];
        std::snprintf(event, sizeof event, "audioevent_hit_alien%d", RandomBelow(4) + 1);
        MenuSound::Play(event);
    }
    if (anyHit) {
        if (RandomBelow(7) == 3 && SpeechSilent())
            SpeechPlayer::GetInstance().PlayRandom(0.0f, "audioevent_hit1", "audioevent_hit2", "audioevent_hit3",
                                                   "audioevent_hit4", "audioevent_hit5", "audioevent_hit6");
    } else if (RandomBelow(6) == 3 && SpeechSilent()) {
        SpeechPlayer::GetInstance().PlayRandom(0.0f, "audioevent_missed1", "audioevent_missed2",
                                               "audioevent_missed3", "audioevent_missed4", "audioevent_missed5",
                                               "audioevent_missed6", "audioevent_missed7");
    }
}

void RuvIdLevelAlien::AfterEndMessage()
{
    LoopedStream::Stop(music);
    aliens.clear();
    const MinigameFrame::AfterRound next = frame.FinishRound(score);
    SetState(next == MinigameFrame::AfterRound::nameEntry ? stateNameEntry : stateTitleMenu);
}

void RuvIdLevelAlien::OnKey(int key)
{
    if (state == statePlaying)
        return;
    if (frame.OnMenuKey(key))
        OnLeftButtonDown(frame.GetMouseX(), frame.GetMouseY(), false);
}

void RuvIdLevelAlien::OnLeftButtonDown(int, int, bool)
{
    if (state != statePlaying) {
        frame.OnPageClick(state, [this](int next) { SetState(next); });
        return;
    }
    // Once the round is over the can rests, as its swap does.
    if (subState == subStateOver)
        return;
    if (shots == 0) {
        MenuSound::Play("audioevent_empty");
        return;
    }
    if (shotPending > 0.0f)
        return;
    MenuSound::Play("audioevent_spray");
    shotPending = shotWait;
    --shots;
    idleTime = 0.0f;
}

void RuvIdLevelAlien::OnRightButtonDown(int, int)
{
    if (state != statePlaying || subState == subStateOver)
        return;
    if (shots > 0)
        score = std::max(0, score - reloadCost);
    shots = fullCan;
    MenuSound::Play("audioevent_reload");
}

void RuvIdLevelAlien::OnMouseMove(int x, int y)
{
    frame.OnMouseMove(x, y);
}

void RuvIdLevelAlien::Render()
{
    frame.GetList().Draw();
    DrawTopLeft(background, 0, bandTop, backgroundDepth);
    DrawTopLeft(frontMask, 0, bandTop, Alien::frontLayer);
    DrawTopLeft(middleMask, 0, bandTop, Alien::middleLayer);
    DrawTopLeft(backMask, 0, bandTop, Alien::backLayer);
    if (state == statePlaying) {
        DrawHud();
        if (subState == subStateOver)
            frame.DrawEndMessage();
    } else if (state == stateTitleMenu) {
        frame.DrawTitlePanel();
    } else {
        frame.DrawPagePanel();
    }
    if (state == stateHighscores || state == stateNameEntry)
        SharedMenus::GetInstance().DrawHighscores();
    if (state != statePlaying) {
        frame.DrawCursor();
        return;
    }
    if (Sprite* sprite = crosshair.GetSprite())
        sprite->Draw(frame.GetMouseX(), frame.GetMouseY(), crosshair.GetCurrentFrame(), pointerDepth);
    for (const Alien& alien : aliens)
        alien.Draw();
}

void RuvIdLevelAlien::DrawHud() const
{
    MinigameFrame::DrawScore(score);
    MinigameFrame::DrawTimeLeft(RoundSeconds(), elapsed);
    char text[16];
    std::snprintf(text, sizeof text, "x %d", shots);
    MinigameFrame::DrawHudText(text, shotsX, shotsY);
    DrawTopLeft(sprayIcon, sprayIconX, sprayIconY, sprayIconDepth);
}
