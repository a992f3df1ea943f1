#include "RuvIdLevelTaxishooter.h"

#include "LoopedStream.h"
#include "MenuSound.h"
#include "SharedMenus.h"
#include "adventure/Cast.h"
#include "app/Debug.h"
#include "app/Factory.h"
#include "app/KeyboardInput.h"
#include "audio/SoundEngine.h"
#include "audio/SpeechPlayer.h"
#include "audio/StreamingSample.h"
#include "graphics/SpeechBubbleDisplay.h"
#include "graphics/Sprite.h"
#include "platform/KeyState.h"
#include "platform/Platform.h"
#include "platform/VirtualKey.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

const FactoryRegistration<Level, RuvIdLevelTaxishooter> registration("RuvIdLevelTaxishooter");

constexpr const char* successMessage = "Glückwunsch, du hast es geschafft!"_w1252;
constexpr const char* crashedMessage = "Du hast verloren!";
constexpr float scoreSeconds = 5.0f;
constexpr float successSeconds = 8.5f;
constexpr float failureSeconds = 5.0f;
constexpr float crashedSeconds = 4.0f;

constexpr MinigameFrame::Game taxiGame = {
    1, 3, {1200, 2500, 4000},
    {RuvIdLevelTaxishooter::stateTitleMenu, RuvIdLevelTaxishooter::stateHelp, RuvIdLevelTaxishooter::statePlaying,
     RuvIdLevelTaxishooter::stateHighscores, RuvIdLevelTaxishooter::stateNameEntry},
    {"RuvIdLevelTaxishooter", successMessage, scoreSeconds, successSeconds, failureSeconds},
    nullptr};

const MinigameFrame::HelpParagraph helpParagraphs[] = {
    {"Pfeiltasten: lenken. Leertaste: die Bordkanone auf Roboter vorn. "
     "B: Mias Blitz gegen Roboter hinten."_w1252,
     308},
    {"Mehrere Treffer mit einem Schuss oder Blitz zählen immer mehr: 50, 75, 100, 150, 200. "
     "Jeder Schuss und jeder Blitz kostet 10 Punkte. Nach fünf Zusammenstößen ist die Runde aus. "
     "In der Geschichte brauchst du 1200 (Leicht), 2500 (Mittel) oder 4000 (Schwer) Punkte."_w1252,
     382},
};
const MinigameFrame::HelpPage helpPage = {"Taxi Shooter", 248, helpParagraphs};

// The taxi: its pictures and hit rectangles, where it starts, how fast it
// is, and where the keys may take it.
constexpr Ship::Looks taxiLooks = {"taxi", "taxi_up", "taxi_down", "taxi_explo", 170, 70};
constexpr float taxiStartX = 512.0f;
constexpr float taxiStartY = 410.0f;
constexpr float taxiSpeed = 5.5f;
constexpr float taxiThrust = 4.0f;
constexpr float taxiLeft = 110.0f;
constexpr float taxiRight = 914.0f;
constexpr float taxiTop = 153.0f;
constexpr float taxiBottom = 630.0f;

const std::vector<HitRect>& TaxiRects()
{
    static const std::vector<HitRect> rects = {{15, 42, 55, 58}, {55, 30, 92, 58}, {92, 37, 156, 58}};
    return rects;
}

// The cannon's shot flies from the roof; the flash lights three boxes
// behind the taxi.
constexpr float laserSpeed = 2500.0f;
constexpr float laserCooldown = 0.35f;
constexpr float laserOffsetX = -55.0f;
constexpr float laserOffsetY = -7.0f;
constexpr int laserLength = 225;
constexpr int laserAbove = 8;
constexpr int laserBelow = 11;
constexpr float offScreen = 99999.9f;
constexpr float photoReady = 0.4f;
constexpr float photoHitting = 0.2f;
constexpr float photoShining = 0.06f;
constexpr HitRect flashRects[] = {{-160, -131, -98, 13}, {-98, -88, -62, 8}, {-62, -47, -30, -10}};
constexpr int flashLightX = -160;
constexpr int flashLightY = -131;

constexpr float crashInvulnerable = 2.0f;
constexpr float closeDistance = 180.0f;
constexpr float musicFade = 0.25f;


// The dialogue before the title menu: who says what, where the bubble
// points, for how long.
struct IntroLine {
    const char* text;
    const char* event;
    float seconds;
    int offsetX;
};
const IntroLine introLines[] = {
    {"Los, ich beschiesse sie mit meiner Bordkanone und ihr lenkt die hinter uns mit Fotos ab!",
     "audioevent_dialog1", 4.5f, 0},
    {"Ja gut. Ihr habts gehört Mädels!"_w1252, "audioevent_dialog2", 3.0f, -20},
    {"Ich will die Fotos machen!", "audioevent_dialog3", 3.0f, 0},
    {"Nein, es ist mein Fotoapparat!", "audioevent_dialog4", 2.5f, -6},
    {"Bäh!"_w1252, "audioevent_dialog5", 1.5f, 0},
};
constexpr int introLineCount = static_cast<int>(std::size(introLines));
constexpr float introStart = 1.0f;
// A line stands at least this long before its silence moves on.
constexpr float introShortest = 0.3f;
constexpr int bubbleY = 384;

constexpr float shipDepth = 0.2f;
constexpr float laserDepth = 0.1999f;
constexpr float flashDepth = 0.2001f;
constexpr float hudDepth = 0.9f;

bool KeyHeld(int key)
{
    platform::Platform* host = platform::Platform::Get();
    return host != nullptr && host->GetWindow().GetKeyState().IsKeyDown(key);
}

bool SpeechSilent()
{
    return !SpeechPlayer::GetInstance().IsSpeaking();
}

void DrawTopLeft(const Animation& animation, int x, int y, int frame, float depth)
{
    if (Sprite* sprite = animation.GetSprite())
        sprite->DrawTopLeft(x, y, frame, depth);
}

} // namespace

RuvIdLevelTaxishooter::RuvIdLevelTaxishooter()
    : frame(taxiGame), taxi(taxiLooks, TaxiRects(), taxiStartX, taxiStartY, taxiSpeed)
{
}

RuvIdLevelTaxishooter::~RuvIdLevelTaxishooter() = default;

int RuvIdLevelTaxishooter::ComboPoints(int n)
{
    constexpr int points[] = {50, 75, 100, 150, 200};
    return points[std::clamp(n, 0, 4)];
}

bool RuvIdLevelTaxishooter::Init(const LevelParameters& parameters)
{
    frame.Start(parameters.owner);
    laser.SetSpriteLabel("taxi_laser");
    flashLight.SetSpriteLabel("flash_light");
    photoSign.SetSpriteLabel("photo_sign");
    hud.SetSpriteLabel("taxi_hud");
    nebula = NebulaBackground();
    // The level's settings file may tune the nebula.
    Cast::GetInstance().Add(&nebula, "NebulaBackground");
    music = SoundEngine::GetInstance().CreateStream(musicFile);
    CreateShips();
    SetState(stateIntro);
    return true;
}

void RuvIdLevelTaxishooter::Exit()
{
    LoopedStream::Release(music);
    Cast::GetInstance().Remove(&nebula);
    fighters.clear();
    frame.Stop();
}

void RuvIdLevelTaxishooter::Reset()
{
    LoopedStream::Stop(music);
    score = 0;
    musicVolume = 1.0f;
    frame.Stop();
    nebula.Start();
    CreateShips();
    SetState(stateIntro);
}

void RuvIdLevelTaxishooter::CreateShips()
{
    taxi = Ship(taxiLooks, TaxiRects(), taxiStartX, taxiStartY, taxiSpeed);
    fighters.clear();
    std::vector<FighterPlan> plans;
    AttackFormations::Load(frame.IsInAdventure() ? AttackFormations::storyFile : AttackFormations::standaloneFile,
                           plans);
    fighters.reserve(plans.size());
    for (const FighterPlan& plan : plans)
        fighters.push_back(Ship::Fighter(plan));
    subState = subStateFlying;
    elapsed = 0.0f;
    lives = startLives;
    laserTimer = 0.0f;
    laserX = offScreen;
    laserY = offScreen;
    photoTimer = 10.0f;
    laserCombo = 0;
    photoCombo = 0;
    invulnerable = 0.0f;
}

void RuvIdLevelTaxishooter::SetState(int newState)
{
    if (newState == stateIntro) {
        introTimer = introStart;
        introLine = -1;
        introShown = 0.0f;
        frame.GetList().Clear();
    } else if (newState == statePlaying) {
        StartRound();
    } else if (!frame.ShowPage(newState, state, score, helpPage)) {
        LogError("RuvIdLevelTaxishooter::SetState: Unknown state %d!\n", newState);
        return;
    }
    state = newState;
}

void RuvIdLevelTaxishooter::StartRound()
{
    frame.GetList().Clear();
    subState = subStateFlying;
    score = 0;
    spaceWasDown = KeyHeld(VirtualKey::Space);
    flashKeyWasDown = KeyHeld(VirtualKey::LetterA + ('B' - 'A'));
    musicVolume = 1.0f;
    LoopedStream::Restart(music, musicVolume);
}

float RuvIdLevelTaxishooter::RoundSeconds() const
{
    return frame.IsInAdventure() ? adventureSeconds : standaloneSeconds;
}

void RuvIdLevelTaxishooter::Pay(int points)
{
    score = std::max(0, score - points);
}

void RuvIdLevelTaxishooter::Update(float dt)
{
    switch (state) {
    case stateIntro:
        UpdateIntro(dt);
        break;
    case statePlaying:
        UpdatePlaying(dt);
        break;
    default:
        frame.UpdatePage(dt, state, [this](int next) { SetState(next); });
        break;
    }
    frame.FinishUpdate(dt, state);
}

void RuvIdLevelTaxishooter::UpdateIntro(float dt)
{
    introTimer -= dt;
    introShown += dt;
    if (KeyboardInput::GetInstance().GetLastReleasedKey() == VirtualKey::Space)
        introTimer = 0.0f;
    // With sound the lines follow each other as they are spoken; each
    // stands a moment, so that a line without its recording is still seen.
    const bool spoken = SoundEngine::GetInstance().IsEnabled() && (introLine < 0 || introShown >= introShortest) &&
                        SpeechSilent();
    if (introTimer > 0.0f && !spoken)
        return;
    ++introLine;
    if (introLine >= introLineCount) {
        SetState(stateTitleMenu);
        return;
    }
    const IntroLine& line = introLines[introLine];
    introTimer = line.seconds;
    introShown = 0.0f;
    SpeechPlayer::GetInstance().PlayRandom(0.0f, line.event);
}

void RuvIdLevelTaxishooter::SteerTaxi()
{
    float inputX = 0.0f;
    float inputY = 0.0f;
    if (KeyHeld(VirtualKey::Up) && taxi.GetY() > taxiTop)
        inputY = -taxiThrust;
    if (KeyHeld(VirtualKey::Down) && taxi.GetY() < taxiBottom)
        inputY = taxiThrust;
    if (KeyHeld(VirtualKey::Left) && taxi.GetX() > taxiLeft)
        inputX = -taxiThrust;
    if (KeyHeld(VirtualKey::Right) && taxi.GetX() < taxiRight)
        inputX = taxiThrust;
    taxi.Steer(inputX, inputY);
    taxi.SetPosition(std::clamp(taxi.GetX(), taxiLeft, taxiRight), std::clamp(taxi.GetY(), taxiTop, taxiBottom));
}

void RuvIdLevelTaxishooter::UpdatePlaying(float dt)
{
    SteerTaxi();
    laserX += dt * laserSpeed;
    switch (subState) {
    case subStateFlying:
        UpdateFlying(dt);
        break;
    case subStateCrashing:
        if (taxi.IsExplosionOver()) {
            if (lives > 0) {
                subState = subStateFlying;
                invulnerable = crashInvulnerable;
                taxi.Restore();
            } else {
                LogPrint("RuvIdLevelTaxishooter: The round is over with %d points\n", score);
                subState = subStateOver;
                frame.ShowEndMessage(crashedMessage, "audioevent_failed", crashedSeconds);
            }
        }
        break;
    default:
        LoopedStream::FadeDown(music, musicVolume, musicFade, dt);
        if (frame.UpdateEndMessage(dt)) {
            AfterEndMessage();
            return;
        }
        break;
    }
    taxi.Update(dt);
    for (Ship& fighter : fighters)
        fighter.Update(dt);
    nebula.Update(dt);
}

void RuvIdLevelTaxishooter::UpdateFlying(float dt)
{
    if (invulnerable <= 0.0f) {
        float nearest = 1.0e9f;
        bool crashed = false;
        for (const Ship& fighter : fighters) {
            if (!fighter.IsActive() || fighter.IsDestroyed())
                continue;
            nearest = std::min(nearest, std::hypot(fighter.GetX() - taxi.GetX(), fighter.GetY() - taxi.GetY()));
            crashed = crashed || taxi.Hits(fighter);
        }
        if (crashed) {
            subState = subStateCrashing;
            taxi.Destroy();
            MenuSound::Play("audioevent_explo2");
            --lives;
            photoTimer = 10.0f;
            if (lives > 0)
                SpeechPlayer::GetInstance().PlayRandom(0.1f, "audioevent_crash1", "audioevent_crash2",
                                                       "audioevent_crash3");
        }
        if (nearest < closeDistance && std::rand() % 20 == 7 && SpeechSilent())
            SpeechPlayer::GetInstance().PlayRandom(0.0f, "audioevent_close1", "audioevent_close2", "audioevent_close3",
                                                   "audioevent_close4", "audioevent_close5", "audioevent_close6",
                                                   "audioevent_close7", "audioevent_close8");
    }
    if (invulnerable > 0.0f)
        invulnerable -= dt;

    const bool spaceDown = KeyHeld(VirtualKey::Space);
    if (laserTimer > 0.0f) {
        laserTimer -= dt;
    } else if (spaceDown && !spaceWasDown) {
        laserX = taxi.GetX() + laserOffsetX;
        laserY = taxi.GetY() + laserOffsetY;
        laserTimer = laserCooldown;
        laserCombo = 0;
        MenuSound::Play("audioevent_shot1");
        Pay(shotCost);
    }
    spaceWasDown = spaceDown;

    const bool flashKeyDown = KeyHeld(VirtualKey::LetterA + ('B' - 'A'));
    photoTimer += dt;
    if (photoTimer >= photoReady && flashKeyDown && !flashKeyWasDown) {
        photoTimer = 0.0f;
        photoCombo = 0;
        MenuSound::Play("audioevent_camera");
        Pay(shotCost);
    }
    flashKeyWasDown = flashKeyDown;

    ScoreHits();

    elapsed += dt;
    if (elapsed > RoundSeconds() || (frame.IsInAdventure() && score >= frame.GetRequiredScore()))
        EndRound();
}

void RuvIdLevelTaxishooter::ScoreHits()
{
    const int beamX = static_cast<int>(std::floor(laserX));
    const int beamY = static_cast<int>(std::floor(laserY));
    const HitRect beam = {beamX, beamY - laserAbove, beamX + laserLength, beamY + laserBelow};
    const int taxiX = static_cast<int>(std::floor(taxi.GetX()));
    const int taxiY = static_cast<int>(std::floor(taxi.GetY()));
    for (Ship& fighter : fighters) {
        if (!fighter.IsActive() || fighter.IsDestroyed())
            continue;
        int* combo = nullptr;
        if (fighter.Hits(beam)) {
            combo = &laserCombo;
        } else if (photoTimer < photoHitting) {
            for (const HitRect& flash : flashRects) {
                if (fighter.Hits(HitRect{taxiX + flash.left, taxiY + flash.top, taxiX + flash.right,
                                         taxiY + flash.bottom})) {
                    combo = &photoCombo;
                    break;
                }
            }
        }
        if (combo == nullptr)
            continue;
        score += ComboPoints(*combo);
        ++*combo;
        fighter.Destroy();
        MenuSound::Play("audioevent_explo1");
        if (std::rand() % 6 == 3 && SpeechSilent())
            SpeechPlayer::GetInstance().PlayRandom(0.0f, "audioevent_hit1", "audioevent_hit2", "audioevent_hit3",
                                                   "audioevent_hit4", "audioevent_hit5", "audioevent_hit6");
    }
}

void RuvIdLevelTaxishooter::EndRound()
{
    subState = subStateOver;
    frame.EndRound(score);
}

void RuvIdLevelTaxishooter::AfterEndMessage()
{
    LoopedStream::Stop(music);
    const MinigameFrame::AfterRound next = frame.FinishRound(score);
    CreateShips();
    SetState(next == MinigameFrame::AfterRound::nameEntry ? stateNameEntry : stateTitleMenu);
}

void RuvIdLevelTaxishooter::OnKey(int key)
{
    if (state == statePlaying || state == stateIntro)
        return;
    if (frame.OnMenuKey(key))
        OnLeftButtonDown(frame.GetMouseX(), frame.GetMouseY(), false);
}

void RuvIdLevelTaxishooter::OnLeftButtonDown(int, int, bool)
{
    frame.OnPageClick(state, [this](int next) { SetState(next); });
}

void RuvIdLevelTaxishooter::OnMouseMove(int x, int y)
{
    frame.OnMouseMove(x, y);
}

void RuvIdLevelTaxishooter::Render()
{
    nebula.Draw();
    frame.GetList().Draw();
    for (const Ship& fighter : fighters)
        fighter.Draw(shipDepth);
    const bool over = state == statePlaying && subState == subStateOver;
    const bool blinkedOut = invulnerable > 0.0f && static_cast<int>(invulnerable * 8.0f) % 2 != 0;
    // The taxi flies in the dialogue and the round; behind the pages' see-
    // through plates it would only get in the way of their text.
    const bool flying = state == stateIntro || state == statePlaying;
    if (flying && !over && !blinkedOut)
        taxi.Draw(shipDepth);
    const int taxiX = static_cast<int>(std::floor(taxi.GetX()));
    const int taxiY = static_cast<int>(std::floor(taxi.GetY()));
    if (state == statePlaying && !over) {
        // The beam is drawn over the rectangle it hits.
        DrawTopLeft(laser, static_cast<int>(std::floor(laserX)), static_cast<int>(std::floor(laserY)) - laserAbove, 0,
                    laserDepth);
        if (photoTimer < photoShining)
            DrawTopLeft(flashLight, taxiX + flashLightX, taxiY + flashLightY, 0, flashDepth);
    }
    if (state == stateTitleMenu)
        frame.DrawTitlePanel();
    else if (state == stateHelp || state == stateHighscores || state == stateNameEntry)
        frame.DrawPagePanel();
    if (state == stateHighscores || state == stateNameEntry)
        SharedMenus::GetInstance().DrawHighscores();
    if (state == statePlaying) {
        DrawHud();
        if (over)
            frame.DrawEndMessage();
    }
    if (state == stateIntro && introLine >= 0 && introLine < introLineCount) {
        const IntroLine& line = introLines[introLine];
        SpeechBubbleDisplay::GetInstance().Draw(line.text, 512 + line.offsetX, bubbleY, false, "speechBubble");
    }
    if (state != statePlaying)
        frame.DrawCursor();
}

void RuvIdLevelTaxishooter::DrawHud() const
{
    DrawTopLeft(photoSign, -1, 598, photoTimer >= photoReady ? 0 : 1, hudDepth);
    DrawTopLeft(hud, 780, 683, 0, hudDepth);
    char text[40];
    std::snprintf(text, sizeof text, "x %d", lives);
    MinigameFrame::DrawHudText(text, 953, 685);
    MinigameFrame::DrawScore(score);
    MinigameFrame::DrawTimeLeft(RoundSeconds(), elapsed);
}
