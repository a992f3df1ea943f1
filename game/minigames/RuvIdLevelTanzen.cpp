#include "RuvIdLevelTanzen.h"

#include "GameParameters.h"
#include "GameRuvId.h"
#include "LoopedStream.h"
#include "SharedMenus.h"
#include "app/Debug.h"
#include "app/Factory.h"
#include "audio/SoundEngine.h"
#include "audio/SpeechPlayer.h"
#include "audio/StreamingSample.h"
#include "graphics/DirectDraw.h"
#include "graphics/FontLoaderUtil.h"
#include "graphics/LoadingScreen.h"
#include "graphics/Sprite.h"
#include "graphics/TextDisplay.h"
#include "platform/VirtualKey.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

namespace {

const FactoryRegistration<Level, RuvIdLevelTanzen> registration("RuvIdLevelTanzen");

constexpr const char* successMessage = "Perfekter Tanz, du hast es geschafft!";
constexpr float successSeconds = 4.0f;
constexpr float scoreSeconds = 4.0f;
constexpr float failureSeconds = 7.0f;

constexpr MinigameFrame::Game danceGame = {
    0, 2, {2700, 3000, 3300},
    {RuvIdLevelTanzen::stateTitleMenu, RuvIdLevelTanzen::stateHelp, RuvIdLevelTanzen::statePlaying,
     RuvIdLevelTanzen::stateHighscores, RuvIdLevelTanzen::stateNameEntry},
    {"RuvIdLevelTanzen", successMessage, scoreSeconds, successSeconds, failureSeconds},
    nullptr};

const MinigameFrame::HelpParagraph helpParagraphs[] = {
    {"Häuptling Kalani lädt zum Tanzduell! Juna tanzt in der Mitte, "
     "Lotte und Mia tanzen an ihrer Seite."_w1252,
     288},
    {"Drücke die Pfeiltaste, die unter dem Ball steht, sobald der Ball "
     "aufkommt. Schräge Pfeile: zwei Pfeiltasten zugleich oder der Ziffernblock."_w1252,
     399},
    {"Bis zu 50 Punkte je Schritt. Die Geschichte verlangt 2700 (Leicht), "
     "3000 (Mittel) oder 3300 (Schwer)."_w1252,
     510},
};
const MinigameFrame::HelpPage helpPage = {"Tanzduell", 228, helpParagraphs};


// The dancers: the player's in the middle, the companions at the sides.
struct DancerPlace {
    const char* prefix;
    int x;
    int y;
    float scale;
};
constexpr DancerPlace dancerPlaces[] = {
    {"juna", 508, 604, 0.85f},
    {"lotte", 245, 569, 0.8f},
    {"mia", 763, 572, 0.8f},
};

// The credits in the Hawaii letters, under the names the credits scroller
// draws with.
constexpr FontLoaderUtil::FontDescription creditsFonts[] = {
    {"creditsfonthawaiismall", "creditsSmall", 8, 2, 46},
    {"creditsfonthawaiibig", "creditsBig", 12, 2, 56},
};

// Time runs in steps no longer than this, so that no beat is skipped.
constexpr float longestStep = 0.09f;
// Frame time after which a tune that does not move counts as stalled.
constexpr float stalledMusicSeconds = 0.25f;

// A key counts for the beat under way up to this phase, then for the next.
constexpr float currentBeatPhase = 0.2f;
constexpr float beatStartPhase = 0.1f;
constexpr float beatEndPhase = 0.9f;
constexpr float chordSeconds = 0.1f;

// A hit this good or better counts as perfect.
constexpr int perfectPoints = 47;
constexpr int gradePerfect = 1;
constexpr int gradeWorstPartial = 4;
constexpr int gradeWrong = 5;
constexpr int offBeatComboLimit = 30;

// The ball bounces over the strip.
constexpr float ballRestY = 275.0f;
constexpr float ballBounce = 50.0f;
constexpr int ballScreenY = 415;
constexpr int stripX = 485;
constexpr int stripY = 717;
constexpr int symbolSpacing = 60;
constexpr float overlayDepth = 0.9f;

// Kalani's remarks at fixed beats of the round.
struct BeatRemark {
    int beat;
    const char* event;
};
constexpr BeatRemark beatRemarks[] = {
    {16, "audioevent_static5"}, {32, "audioevent_static1"}, {61, "audioevent_static2"},
    {79, "audioevent_static3"}, {110, "audioevent_static4"},
};

bool SpeechSilent()
{
    return !SpeechPlayer::GetInstance().IsSpeaking();
}

// A diagonal move from two arrows pressed together; a pair that makes none
// counts as the second arrow.
int Chord(int first, int second)
{
    const int low = std::min(first, second);
    const int high = std::max(first, second);
    if (low == 1 && high == 3)
        return 2;
    if (low == 3 && high == 5)
        return 4;
    if (low == 5 && high == 7)
        return 6;
    if (low == 1 && high == 7)
        return 8;
    return second;
}

bool IsDiagonal(int move)
{
    return move == 2 || move == 4 || move == 6 || move == 8;
}

// The direction of an arrow key (or W, D, S, A), or 0.
int ArrowDirection(int key)
{
    switch (key) {
    case VirtualKey::Up:
    case VirtualKey::LetterA + ('W' - 'A'):
        return 1;
    case VirtualKey::Right:
    case VirtualKey::LetterA + ('D' - 'A'):
        return 3;
    case VirtualKey::Down:
    case VirtualKey::LetterA + ('S' - 'A'):
        return 5;
    case VirtualKey::Left:
    case VirtualKey::LetterA:
        return 7;
    default:
        return 0;
    }
}

// The move of a keypad key, laid out as the directions around 5, or 0.
int KeypadMove(int key)
{
    constexpr int moves[10] = {0, 6, 5, 4, 7, 0, 3, 8, 1, 2};
    if (key < VirtualKey::Numpad0 || key > VirtualKey::Numpad0 + 9)
        return 0;
    return moves[key - VirtualKey::Numpad0];
}

void DrawSprite(const Animation& animation, int x, int y, int frame, float z)
{
    if (Sprite* sprite = animation.GetSprite())
        sprite->Draw(x, y, frame, z);
}

} // namespace

DanceMoves& RuvIdLevelTanzen::Choreography()
{
    static DanceMoves moves;
    return moves;
}

RuvIdLevelTanzen::RuvIdLevelTanzen() : frame(danceGame) {}

RuvIdLevelTanzen::~RuvIdLevelTanzen() = default;

bool RuvIdLevelTanzen::Init(const LevelParameters& parameters)
{
    LoadingScreen& loading = LoadingScreen::GetInstance();
    frame.Start(parameters.owner);
    const bool credits = GameRuvId::IsCreditsMode();
    background.SetSpriteLabel(credits ? "hawaii_background" : "background");
    for (int move = 1; move <= static_cast<int>(symbols.size()); ++move)
        symbols[static_cast<std::size_t>(move - 1)].SetSpriteLabel("num" + std::to_string(move));
    ball.SetSpriteLabel("ball");
    loading.AddProgress(0.01f);
    Choreography().Load();
    dancers.clear();
    for (const DancerPlace& place : dancerPlaces)
        dancers.push_back(std::make_unique<Dancer>(place.prefix, place.x, place.y, place.scale));
    loading.AddProgress(0.01f);
    if (credits)
        FontLoaderUtil::LoadFonts(creditsFonts);
    // The stream comes before the first state: the credits dance starts it.
    music = SoundEngine::GetInstance().CreateStream(musicFile);
    loading.AddProgress(0.01f);
    SetState(credits ? stateCreditsDance : stateTitleMenu);
    return true;
}

void RuvIdLevelTanzen::Exit()
{
    LoopedStream::Release(music);
    dancers.clear();
    frame.Stop();
}

void RuvIdLevelTanzen::Reset()
{
    LoopedStream::Stop(music);
    frame.Stop();
    score = 0;
    subState = subStatePlaying;
    beatIndex = -leadInBeats;
    grades.fill(0);
    comboCount = 0;
    chordTimer = 0.0f;
    chordKey = -1;
    ballY = ballRestY;
    heldKeys.reset();
    for (const std::unique_ptr<Dancer>& dancer : dancers)
        dancer->Restart();
    SetState(GameRuvId::IsCreditsMode() ? stateCreditsDance : stateTitleMenu);
}

void RuvIdLevelTanzen::SetState(int newState)
{
    if (newState == stateCreditsDance) {
        frame.GetList().Clear();
        SharedMenus::GetInstance().StartCredits();
        StartMusic();
        for (const std::unique_ptr<Dancer>& dancer : dancers)
            dancer->Restart();
    } else if (newState == statePlaying) {
        StartRound();
    } else if (!frame.ShowPage(newState, state, score, helpPage)) {
        LogError("RuvIdLevelTanzen::SetState: Unknown state %d!\n", newState);
        return;
    }
    state = newState;
}

int RuvIdLevelTanzen::GetGrade(int beat) const
{
    return beat >= 0 && beat < DanceMoves::beatCount ? grades[static_cast<std::size_t>(beat)] : 0;
}

void RuvIdLevelTanzen::StartMusic()
{
    if (music == nullptr)
        return;
    // Started again from the top: a tune still playing stops first.
    LoopedStream::Restart(music, 1.0f);
    musicPosition = static_cast<int>(music->GetPlayPosition());
    musicStillSeconds = 0.0f;
}

void RuvIdLevelTanzen::StartRound()
{
    frame.GetList().Clear();
    subState = subStatePlaying;
    score = 0;
    beatIndex = -leadInBeats;
    comboCount = 0;
    chordTimer = 0.0f;
    chordKey = -1;
    grades.fill(0);
    heldKeys.reset();
    StartMusic();
    for (const std::unique_ptr<Dancer>& dancer : dancers)
        dancer->Restart();
    SpeechPlayer::GetInstance().PlayRandom(0.5f, "audioevent_intro");
}

float RuvIdLevelTanzen::ElapsedTime(float frameSeconds)
{
    if (music == nullptr || !SoundEngine::GetInstance().IsEnabled())
        return frameSeconds;
    // The ring holds one second of the tune: 176,400 bytes of 16-bit stereo
    // at 44.1 kHz, as the tune is made.
    const int ring = static_cast<int>(music->GetRingBytes());
    const int bytesPerSecond = static_cast<int>(music->GetBytesPerSecond());
    if (ring <= 0 || bytesPerSecond <= 0)
        return frameSeconds;
    const int position = static_cast<int>(music->GetPlayPosition());
    int difference = position - musicPosition;
    if (difference < 0)
        difference += ring;
    musicPosition = position;
    if (difference != 0) {
        musicStillSeconds = 0.0f;
        return static_cast<float>(difference) / static_cast<float>(bytesPerSecond);
    }
    // The device moves its play position in chunks, so some frames see no
    // music pass: those frames pass no beat time either. Only a tune that
    // stands still for longer has stalled, and the frame time takes over.
    musicStillSeconds += frameSeconds;
    return musicStillSeconds > stalledMusicSeconds ? frameSeconds : 0.0f;
}

void RuvIdLevelTanzen::Update(float dt)
{
    if (IsDancing()) {
        float elapsed = ElapsedTime(dt);
        do {
            const float step = std::min(elapsed, longestStep);
            elapsed -= step;
            Step(step);
        } while (elapsed > 0.0f && IsDancing());
    } else {
        // The pages run once a frame: the name entry reads the frame's keys.
        frame.UpdatePage(dt, state, [this](int next) { SetState(next); });
    }
    frame.FinishUpdate(dt, state);
}

void RuvIdLevelTanzen::Step(float seconds)
{
    const float previousPhase = dancers.empty() ? 0.0f : dancers.front()->GetPhase();
    for (const std::unique_ptr<Dancer>& dancer : dancers)
        dancer->Advance(seconds);
    if (state == statePlaying)
        UpdatePlaying(seconds, previousPhase);
    else
        UpdateCreditsDance(seconds, previousPhase);
}

void RuvIdLevelTanzen::UpdatePlaying(float seconds, float previousPhase)
{
    if (dancers.empty())
        return;
    const Dancer& player = *dancers.front();
    const float phase = player.GetPhase();
    if (chordTimer > 0.0f) {
        chordTimer -= seconds;
        if (chordTimer <= 0.0f) {
            chordTimer = 0.0f;
            const int waiting = chordKey;
            chordKey = -1;
            Judge(waiting);
        }
    }
    ballY = ballRestY - ballBounce * std::sin(std::numbers::pi_v<float> * phase);
    if (subState == subStatePlaying) {
        beatIndex = player.GetBeat() - leadInBeats;
        if (beatIndex > DanceMoves::beatCount)
            EndRound();
    } else if (frame.UpdateEndMessage(seconds)) {
        AfterEndMessage();
        return;
    }
    const DanceMoves& moves = Choreography();
    const bool onBeat = beatIndex >= 0 && beatIndex < DanceMoves::beatCount;
    if (onBeat && previousPhase > beatEndPhase && phase < beatStartPhase) {
        if (SpeechSilent()) {
            for (const BeatRemark& remark : beatRemarks) {
                if (remark.beat == beatIndex)
                    SpeechPlayer::GetInstance().PlayRandom(0.0f, remark.event);
            }
        }
        if (const int move = moves.GetMove(beatIndex); move != DanceMoves::noMove) {
            float accuracy = 0.0f;
            for (std::size_t companion = 1; companion < dancers.size(); ++companion)
                dancers[companion]->TryMove(move - 1, accuracy);
        }
    }
    // A beat whose moment passed without its move is missed.
    if (onBeat && previousPhase < beatStartPhase && phase >= beatStartPhase &&
        moves.GetMove(beatIndex) != DanceMoves::noMove && grades[static_cast<std::size_t>(beatIndex)] == 0) {
        grades[static_cast<std::size_t>(beatIndex)] = gradeWrong;
        if (std::rand() % 3 == 1 && SpeechSilent())
            SpeechPlayer::GetInstance().PlayRandom(0.0f, "audioevent_miss1", "audioevent_miss2", "audioevent_miss3",
                                                   "audioevent_miss4", "audioevent_miss5", "audioevent_miss6");
    }
}

void RuvIdLevelTanzen::UpdateCreditsDance(float seconds, float previousPhase)
{
    if (!dancers.empty()) {
        const float phase = dancers.front()->GetPhase();
        if (previousPhase > beatEndPhase && phase < beatStartPhase) {
            // The dance goes round the choreography for as long as the
            // credits last, in step with the tune's phrases as in a round;
            // there is no lead-in: the first beats dance the end of the
            // choreography.
            const int beat = dancers.front()->GetBeat() - leadInBeats;
            const int move = Choreography().GetMove(((beat % DanceMoves::beatCount) + DanceMoves::beatCount) %
                                                    DanceMoves::beatCount);
            if (move != DanceMoves::noMove) {
                float accuracy = 0.0f;
                for (const std::unique_ptr<Dancer>& dancer : dancers)
                    dancer->TryMove(move - 1, accuracy);
            }
        }
    }
    if (!SharedMenus::GetInstance().UpdateCredits(seconds) || frame.IsLeaving())
        return;
    frame.LeaveToMainMenu(true);
}

void RuvIdLevelTanzen::EndRound()
{
    subState = subStateFinished;
    frame.EndRound(score);
}

void RuvIdLevelTanzen::AfterEndMessage()
{
    LoopedStream::Stop(music);
    SetState(frame.FinishRound(score) == MinigameFrame::AfterRound::nameEntry ? stateNameEntry : stateTitleMenu);
}

int RuvIdLevelTanzen::JudgedBeat() const
{
    if (dancers.empty())
        return -1;
    return dancers.front()->GetPhase() <= currentBeatPhase ? beatIndex : beatIndex + 1;
}

void RuvIdLevelTanzen::OnKey(int key)
{
    if (state != statePlaying) {
        if (frame.OnMenuKey(key))
            OnLeftButtonDown(frame.GetMouseX(), frame.GetMouseY(), false);
        return;
    }
    // The system repeats a held key: only the press itself dances.
    if (key >= 0 && key < static_cast<int>(heldKeys.size())) {
        if (heldKeys.test(static_cast<std::size_t>(key)))
            return;
        heldKeys.set(static_cast<std::size_t>(key));
    }
    const int beat = JudgedBeat();
    if (beat < 0 || beat >= DanceMoves::beatCount)
        return;
    if (const int direction = ArrowDirection(key); direction != 0)
        OnDirectionKey(direction);
    else if (const int move = KeypadMove(key); move != 0)
        Judge(move);
}

void RuvIdLevelTanzen::OnKeyUp(int key)
{
    if (key >= 0 && key < static_cast<int>(heldKeys.size()))
        heldKeys.reset(static_cast<std::size_t>(key));
}

void RuvIdLevelTanzen::OnDirectionKey(int direction)
{
    if (chordTimer > 0.0f && direction != chordKey) {
        const int first = chordKey;
        chordTimer = 0.0f;
        chordKey = -1;
        Judge(Chord(first, direction));
        return;
    }
    if (IsDiagonal(Choreography().GetMove(JudgedBeat()))) {
        // The first arrow of a diagonal waits a moment for its partner.
        chordTimer = chordSeconds;
        chordKey = direction;
        return;
    }
    Judge(direction);
}

void RuvIdLevelTanzen::Judge(int move)
{
    if (move < 1 || move > 8) {
        LogError("RuvIdLevelTanzen::CheckMove: Illegal direction <%d>!\n", move);
        return;
    }
    const int beat = JudgedBeat();
    if (dancers.empty() || beat < 0 || beat >= DanceMoves::beatCount)
        return;
    float accuracy = 0.0f;
    if (!dancers.front()->TryMove(move - 1, accuracy))
        return;
    const int expected = Choreography().GetMove(beat);
    int& grade = grades[static_cast<std::size_t>(beat)];
    if (expected == DanceMoves::noMove || grade != 0)
        return;
    if (move != expected) {
        grade = gradeWrong;
        if (std::rand() % 3 == 1 && SpeechSilent())
            SpeechPlayer::GetInstance().PlayRandom(0.0f, "audioevent_miss1", "audioevent_miss2", "audioevent_miss3",
                                                   "audioevent_miss4", "audioevent_miss5");
        return;
    }
    int points = static_cast<int>(std::floor(accuracy * static_cast<float>(pointsPerBeat)));
    if (points >= perfectPoints)
        points = pointsPerBeat;
    score += points;
    grade = points == pointsPerBeat ? gradePerfect : std::min(gradeWorstPartial, (pointsPerBeat - points) / 12 + 2);
    if (grade <= 2 && std::rand() % 8 == 4 && SpeechSilent())
        SpeechPlayer::GetInstance().PlayRandom(0.0f, "audioevent_correct1", "audioevent_correct2",
                                               "audioevent_correct3");
    comboCount += grade - 1;
    if (comboCount >= offBeatComboLimit && grade >= 3 && SpeechSilent()) {
        SpeechPlayer::GetInstance().PlayRandom(0.0f, "audioevent_beatmiss1", "audioevent_beatmiss2",
                                               "audioevent_beatmiss3");
        comboCount = 0;
    }
}

void RuvIdLevelTanzen::OnLeftButtonDown(int, int, bool)
{
    frame.OnPageClick(state, [this](int next) { SetState(next); });
}

void RuvIdLevelTanzen::OnMouseMove(int x, int y)
{
    frame.OnMouseMove(x, y);
}

void RuvIdLevelTanzen::OnMenuOpened()
{
    heldKeys.reset();
    if (IsDancing() && music != nullptr)
        music->Pause(true);
}

void RuvIdLevelTanzen::OnMenuClosed()
{
    if (IsDancing() && music != nullptr)
        music->Pause(false);
}

void RuvIdLevelTanzen::Render()
{
    if (Sprite* picture = background.GetSprite())
        picture->DrawTopLeft(0, 0, 0, 0.0f);
    frame.GetList().Draw();
    const bool shadows = GameParameters::GetInstance().IsLightMapping();
    for (const std::unique_ptr<Dancer>& dancer : dancers)
        dancer->Draw(shadows);
    if (state == stateTitleMenu)
        frame.DrawTitlePanel();
    else if (state != statePlaying && state != stateCreditsDance)
        frame.DrawPagePanel();
    if (state == stateHighscores || state == stateNameEntry)
        SharedMenus::GetInstance().DrawHighscores();
    if (state == statePlaying) {
        if (frame.IsEndMessageShown()) {
            frame.DrawEndMessage();
        } else {
            DrawSprite(ball, static_cast<int>(ballX), ballScreenY + static_cast<int>(ballY), 0, overlayDepth);
            DrawStrip();
            DrawScore();
        }
    }
    if (state == stateCreditsDance)
        SharedMenus::GetInstance().DrawCredits();
    if (state != statePlaying)
        frame.DrawCursor();
}

void RuvIdLevelTanzen::DrawStrip() const
{
    const float phase = dancers.empty() ? 0.0f : dancers.front()->GetPhase();
    const int first =
        static_cast<int>(std::floor(static_cast<float>(stripX) -
                                    static_cast<float>(symbolSpacing) * (static_cast<float>(beatIndex) + phase)));
    const DanceMoves& moves = Choreography();
    for (int beat = 0; beat < DanceMoves::beatCount; ++beat) {
        const int x = first + symbolSpacing * beat;
        const int move = moves.GetMove(beat);
        if (x < -50 || x > 1024 || move == DanceMoves::noMove)
            continue;
        DrawSprite(symbols[static_cast<std::size_t>(move - 1)], x, stripY, grades[static_cast<std::size_t>(beat)],
                   overlayDepth);
    }
}

void RuvIdLevelTanzen::DrawScore() const
{
    char text[32];
    std::snprintf(text, sizeof text, "Punkte: %d", score);
    TextDisplay& display = TextDisplay::GetInstance();
    display.SetFont("menuHighlighted");
    display.SetBox(30, 48, 400, 60);
    display.SetHAlign(HorizontalAlignment::left);
    display.SetVAlign(VerticalAlignment::top);
    display.DrawText(text);
}
