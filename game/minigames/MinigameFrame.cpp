#include "MinigameFrame.h"

#include "GameParameters.h"
#include "HighscoreManager.h"
#include "MainProgram.h"
#include "MenuSound.h"
#include "SharedMenus.h"
#include "adventure/Level.h"
#include "app/Debug.h"
#include "graphics/DirectDraw.h"
#include "graphics/LoadingScreen.h"
#include "graphics/Sprite.h"
#include "graphics/TextDisplay.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int menuX = 512;
// The title menu: four items standalone, two inside the adventure.
constexpr int standaloneMenuY[] = {339, 369, 399, 429};
constexpr int adventureMenuY[] = {369, 399};
constexpr int backY = 580;
// The highscore list and the name entry start this far down.
constexpr int highscoreYOffset = 40;
// The end message's box.
constexpr int messageX = 200;
constexpr int messageY = 384;
constexpr int messageWidth = 624;
constexpr int messageHeight = 400;
constexpr float cursorDepth = 1.0f;
// The plates' top left corners: the title menu's items lie between y 339
// and 459, the pages' text between 160 (the highscore list's title) and
// 620, the end message from 384 on.
constexpr int titlePanelX = 342;
constexpr int titlePanelY = 326;
constexpr int pagePanelX = 72;
constexpr int pagePanelY = 150;
constexpr int messagePanelX = 172;
constexpr int messagePanelY = 360;
constexpr float panelDepth = 0.5f;
// The head-up display's score and clock. Right-aligned to the screen's
// margin: from x 894 on, the clock's digits would run off the screen in
// this font.
constexpr int scoreX = 30;
constexpr int hudTop = 48;
constexpr int clockRight = 1000;
constexpr int hudBoxWidth = 300;
constexpr int hudBoxHeight = 60;
constexpr int hudLineWidth = 1000;

void DrawInHudFont(const char* text, int x, int y, HorizontalAlignment alignment)
{
    TextDisplay& display = TextDisplay::GetInstance();
    display.SetFont("menuHighlighted");
    // A right-aligned text ends at x instead of starting there, a centred
    // one stands in a line as wide as the screen.
    if (alignment == HorizontalAlignment::centre)
        display.SetBox(x - hudLineWidth / 2, y, hudLineWidth, hudBoxHeight);
    else
        display.SetBox(alignment == HorizontalAlignment::right ? x - hudBoxWidth : x, y, hudBoxWidth, hudBoxHeight);
    display.SetHAlign(alignment);
    display.SetVAlign(VerticalAlignment::top);
    display.DrawText(text);
}

} // namespace

MinigameFrame::MinigameFrame(const Game& description) : game(description) {}

void MinigameFrame::Start(LevelOwner* levelOwner)
{
    owner = levelOwner;
    // A minigame started from its page cannot be saved; one the story
    // reached can.
    GameParameters& parameters = GameParameters::GetInstance();
    inAdventure = parameters.IsSavingAllowed();
    parameters.SetMinigameUnlocked(game.minigame, true);
    parameters.Save();
    cursor.SetSpriteLabel("cursor");
    titlePanel.SetSpriteLabel("panel_small");
    pagePanel.SetSpriteLabel("panel");
    messagePanel.SetSpriteLabel("panel_message");
    cursor.SetMode(Animation::modeLoop);
    mouseX = 512;
    mouseY = 384;
    selectedItem = -1;
    endTimer = 0.0f;
    won = false;
    leaving = false;
}

void MinigameFrame::Stop()
{
    // A name being typed as the game goes keeps what was typed.
    SharedMenus::GetInstance().EndNameEntry();
    list.Clear();
    endTimer = 0.0f;
}

int MinigameFrame::GetRequiredScore() const
{
    const int difficulty = std::clamp(GameParameters::GetInstance().GetDifficulty(), 0, 2);
    return game.requiredScores[static_cast<std::size_t>(difficulty)];
}

void MinigameFrame::ShowTitleMenu()
{
    list.Clear();
    // The items stand 30 pixels apart: the small font's lines.
    constexpr bool smallFont = true;
    if (inAdventure) {
        list.AddButton("Neues Spiel", menuX, adventureMenuY[0], itemNewGame, smallFont);
        list.AddButton("Hilfe", menuX, adventureMenuY[1], itemHelp, smallFont);
        return;
    }
    list.AddButton("Neues Spiel", menuX, standaloneMenuY[0], itemNewGame, smallFont);
    list.AddButton("Hilfe", menuX, standaloneMenuY[1], itemHelp, smallFont);
    list.AddButton("Highscore", menuX, standaloneMenuY[2], itemHighscore, smallFont);
    list.AddButton("Beenden", menuX, standaloneMenuY[3], itemLeave, smallFont);
}

bool MinigameFrame::ShowPage(int newState, int state, int score, const HelpPage& help)
{
    const States& states = game.states;
    if (newState == states.titleMenu)
        ShowTitleMenu();
    else if (newState == states.help)
        ShowHelpPage(help);
    else if (newState == states.highscores)
        ShowHighscores(state == states.nameEntry);
    else if (newState == states.nameEntry)
        StartNameEntry(score);
    else
        return false;
    return true;
}

void MinigameFrame::ShowHelpPage(const HelpPage& help)
{
    list.Clear();
    list.AddLabel(help.title, menuX, help.titleY);
    for (const HelpParagraph& paragraph : help.paragraphs)
        list.AddLabel(paragraph.text, menuX, paragraph.y, true);
    list.AddButton("Zur\xfc" "ck", menuX, backY, itemLeave);
}

void MinigameFrame::ShowHighscores(bool afterEntry)
{
    SharedMenus::GetInstance().InitHighscores(list, game.minigame, highscoreYOffset, afterEntry);
}

void MinigameFrame::UpdatePage(float seconds, int state, const std::function<void(int)>& setState)
{
    if (state != game.states.nameEntry) {
        list.Update(seconds, mouseX, mouseY);
        selectedItem = list.GetHoveredId();
    } else if (SharedMenus::GetInstance().UpdateNameEntry(seconds)) {
        setState(game.states.highscores);
    }
}

void MinigameFrame::OnPageClick(int state, const std::function<void(int)>& setState)
{
    if (leaving)
        return;
    const States& states = game.states;
    if (state == states.highscores) {
        if (SharedMenus::GetInstance().HighscoresDone()) {
            MenuSound::Click();
            setState(states.titleMenu);
        }
        return;
    }
    if (state != states.titleMenu && state != states.help)
        return;
    selectedItem = list.GetHoveredId();
    if (selectedItem < 0)
        return;
    MenuSound::Click();
    if (state == states.help) {
        if (selectedItem == itemLeave)
            setState(states.titleMenu);
        return;
    }
    switch (selectedItem) {
    case itemNewGame:
        setState(states.playing);
        break;
    case itemHelp:
        setState(states.help);
        break;
    case itemHighscore:
        setState(states.highscores);
        break;
    case itemLeave:
        LeaveToMainMenu();
        break;
    default:
        break;
    }
}

void MinigameFrame::OnMouseMove(int x, int y)
{
    mouseX = x;
    mouseY = y;
}

bool MinigameFrame::OnMenuKey(int key)
{
    return list.OnKey(key);
}

std::string MinigameFrame::ScoreMessage(int score) const
{
    char text[64];
    std::snprintf(text, sizeof text, "Du hast %d Punkte erreicht", score);
    return text;
}

std::string MinigameFrame::FailureMessage() const
{
    char text[80];
    std::snprintf(text, sizeof text, "Keine %d Punkte erreicht, du hast verloren!", GetRequiredScore());
    return text;
}

void MinigameFrame::ShowEndMessage(const std::string& message, const char* audioEvent, float seconds)
{
    endMessage = message;
    endTimer = seconds;
    if (audioEvent != nullptr)
        MenuSound::Play(audioEvent);
}

void MinigameFrame::EndRound(int score)
{
    const RoundEnd& end = game.roundEnd;
    LogPrint("%s: The round is over with %d points\n", end.game, score);
    if (!inAdventure)
        ShowEndMessage(ScoreMessage(score), nullptr, end.scoreSeconds);
    else if (score >= GetRequiredScore())
        ShowEndMessage(end.successMessage, "audioevent_success", end.successSeconds);
    else
        ShowEndMessage(FailureMessage(), "audioevent_failed", end.failureSeconds);
}

bool MinigameFrame::UpdateEndMessage(float seconds)
{
    if (endTimer <= 0.0f)
        return false;
    endTimer -= seconds;
    if (endTimer > 0.0f)
        return false;
    endTimer = 0.0f;
    return true;
}

MinigameFrame::AfterRound MinigameFrame::FinishRound(int score)
{
    if (inAdventure) {
        if (score >= GetRequiredScore())
            won = true;
        return AfterRound::titleMenu;
    }
    if (!HighscoreManager::GetInstance().GetTable(game.minigame).IsHighscore(score))
        return AfterRound::titleMenu;
    return AfterRound::nameEntry;
}

void MinigameFrame::StartNameEntry(int score)
{
    SharedMenus::GetInstance().StartNameEntry(list, game.minigame, score, highscoreYOffset);
}

void MinigameFrame::LeaveForAdventure()
{
    leaving = true;
    if (game.setArrivalMarker != nullptr)
        game.setArrivalMarker(true);
    LoadingScreen::GetInstance().Begin();
    DirectDraw::GetInstance().StartFade(DirectDraw::fadeBackward, true);
    MainProgram::GetInstance().SetLevel(game.nextEpisode);
}

void MinigameFrame::LeaveToMainMenu(bool withWipe)
{
    leaving = true;
    LoadingScreen::GetInstance().Begin();
    if (withWipe)
        DirectDraw::GetInstance().StartFade(DirectDraw::fadeBackward, true);
    MainProgram::GetInstance().SetProject("GameRuvIdMenu");
}

void MinigameFrame::FinishUpdate(float seconds, int state)
{
    cursor.Update(seconds);
    const States& states = game.states;
    if (owner != nullptr)
        owner->SetMenuEnabled(state == states.titleMenu || state == states.help || state == states.highscores);
    if (won && !leaving && state != states.highscores && state != states.nameEntry)
        LeaveForAdventure();
}

void MinigameFrame::DrawEndMessage() const
{
    if (endTimer <= 0.0f)
        return;
    if (Sprite* sprite = messagePanel.GetSprite())
        sprite->DrawTopLeft(messagePanelX, messagePanelY, 0, panelDepth);
    TextDisplay& text = TextDisplay::GetInstance();
    text.SetFont("menu");
    text.SetBox(messageX, messageY, messageWidth, messageHeight);
    text.SetHAlign(HorizontalAlignment::centre);
    text.SetVAlign(VerticalAlignment::top);
    text.DrawText(endMessage);
}

void MinigameFrame::DrawTitlePanel() const
{
    if (Sprite* sprite = titlePanel.GetSprite())
        sprite->DrawTopLeft(titlePanelX, titlePanelY, 0, panelDepth);
}

void MinigameFrame::DrawPagePanel() const
{
    if (Sprite* sprite = pagePanel.GetSprite())
        sprite->DrawTopLeft(pagePanelX, pagePanelY, 0, panelDepth);
}

void MinigameFrame::DrawCursor()
{
    if (!DirectDraw::GetInstance().IsFullScreen())
        return;
    if (Sprite* sprite = cursor.GetSprite())
        sprite->Draw(mouseX, mouseY, cursor.GetCurrentFrame(), cursorDepth);
}

void MinigameFrame::DrawScore(int score)
{
    char text[40];
    std::snprintf(text, sizeof text, "Punkte: %d", score);
    DrawInHudFont(text, scoreX, hudTop, HorizontalAlignment::left);
}

void MinigameFrame::DrawTimeLeft(float roundSeconds, float elapsed)
{
    const int remaining = static_cast<int>(roundSeconds) - static_cast<int>(elapsed);
    char text[40];
    if (remaining >= 60)
        std::snprintf(text, sizeof text, "Zeit: 1:%02d", remaining - 60);
    else
        std::snprintf(text, sizeof text, "Zeit: 0:%02d", std::max(remaining, 0));
    DrawInHudFont(text, clockRight, hudTop, HorizontalAlignment::right);
}

void MinigameFrame::DrawHudText(const char* text, int x, int y, HorizontalAlignment alignment)
{
    DrawInHudFont(text, x, y, alignment);
}
