#include "InGameMenu.h"

#include "GameParameters.h"
#include "GameRuvIdMenu.h"
#include "MainProgram.h"
#include "MenuSound.h"
#include "SharedMenus.h"
#include "adventure/Level.h"
#include "adventure/ScriptManager.h"
#include "app/Debug.h"
#include "audio/AudioEvent.h"
#include "audio/SoundEngine.h"
#include "graphics/DirectDraw.h"
#include "graphics/Image.h"
#include "graphics/LoadingScreen.h"
#include "graphics/ScreenShotGrabber.h"
#include "graphics/Sprite.h"
#include "graphics/TextDisplay.h"
#include "platform/Windows1252.h"

#include <algorithm>

namespace {

// The animations by their place in the menu's array.
enum Picture {
    menuBackground,
    savegameBackground,
    savegameLoadBackground,
    optionsBar,
    ingameOptionsBackground,
    dialogueLogBackground
};
constexpr const char* pictureLabels[] = {"menu_background",          "savegame_background", "savegame_load_background",
                                         "options_bar",              "ingame_options_background",
                                         "dialogue_log_background"};

// The label's box; its top follows the bar.
constexpr int labelX = 76;
constexpr int labelTopBelowBar = 39;
constexpr int labelBoxSize = 300;
constexpr int barTopBelowPosition = 30;
// The bar under the label's text (the fonts draw at 0.9), pages at the back,
// the pointer on top.
constexpr float barDepth = 0.89f;
constexpr float pageDepth = 0.0f;
constexpr float cursorDepth = 1.0f;
// Fully out it moves in at 200 pixels a second and slows down, so that it is
// in (or gone) about 0.2 seconds after the pointer came (or went).
constexpr float barOvershoot = 20.0f;
constexpr float barSpeed = 10.0f;

const char* MenuLabel()
{
    return "Menü"_w1252;
}

SoundEngine& Sound()
{
    return SoundEngine::GetInstance();
}

// The screen wipe starts from a snapshot of the screen: without a display
// there is nothing to wipe.
void Wipe(int direction)
{
    DirectDraw& display = DirectDraw::GetInstance();
    if (display.IsInitialised())
        display.StartFade(direction, true);
}

bool IsMinigame(int levelNumber)
{
    return levelNumber >= 7;
}

} // namespace

InGameMenu::InGameMenu() = default;
InGameMenu::~InGameMenu() = default;

void InGameMenu::Start(Level* playedLevel, int number, bool credits, bool savegame)
{
    level = playedLevel;
    levelNumber = number;
    creditsMode = credits;
    savegameAvailable = savegame;
    state = closed;
    enabled = false;
    barPosition = barHidden;
    barHovered = false;
    menuList.Clear();
}

void InGameMenu::LoadAnimations()
{
    LoadingScreen& loading = LoadingScreen::GetInstance();
    loading.AddProgress(0.02f);
    for (int picture = menuBackground; picture <= optionsBar; ++picture)
        animations[picture].SetSpriteLabel(pictureLabels[picture]);
    loading.AddProgress(0.02f);
    animations[ingameOptionsBackground].SetSpriteLabel(pictureLabels[ingameOptionsBackground]);
    animations[dialogueLogBackground].SetSpriteLabel(pictureLabels[dialogueLogBackground]);
    loading.AddProgress(0.02f);
    cursor.SetSpriteLabel("cursor");
}

void InGameMenu::Stop()
{
    dialogueLog.Close();
    for (Animation& animation : animations)
        animation = Animation();
    cursor = Animation();
    screenshot.reset();
    menuList.Clear();
    level = nullptr;
    state = closed;
}

bool InGameMenu::MayOpen() const
{
    return enabled || IsMinigame(levelNumber);
}

void InGameMenu::SetPointer(int x, int y)
{
    pointerX = x;
    pointerY = y;
}

void InGameMenu::SetState(int newState)
{
    if (newState < closed || newState > dialogueLogPage) {
        LogError("GameRuvId::SetMenuState: Unknown Menustate %d!\n", newState);
        return;
    }
    const int previous = state;
    if (previous == dialogueLogPage && newState != dialogueLogPage)
        dialogueLog.Close();
    SoundEngine& sound = Sound();
    if (previous == closed && newState != closed) {
        if (level != nullptr)
            level->OnMenuOpened();
        Wipe(DirectDraw::fadeBackward);
        GameParameters::ApplyMinigameMix();
        sound.SetGroupEnable(soundGroupAmbient, 1.0f);
        sound.StopEffectsAndSpeech();
        sound.UpdateVolumes();
        screenshot = ScreenShotGrabber::GetInstance().GrabScreen();
    } else if (previous != closed && newState == closed) {
        if (previous != quitQuestion && level != nullptr)
            level->OnMenuClosed();
        GameParameters::ApplyMixForLevel(levelNumber);
        // Back in the game the room's ambience must be heard: the engine
        // takes an enable factor of 0 for silence, so leaving it at 0 here
        // would mute every ambience for the rest of the run.
        sound.SetGroupEnable(soundGroupAmbient, 1.0f);
        sound.UpdateVolumes();
        barPosition = barHidden;
        enabled = false;
        menuList.Clear();
    }
    state = newState;
    switch (newState) {
    case closed:
        if (level != nullptr)
            level->OnMouseMove(pointerX, pointerY);
        break;
    case mainPage:
        BuildMainPage();
        break;
    case quitQuestion:
        BuildQuitQuestion();
        break;
    case emptyPage:
        menuList.Clear();
        break;
    case dialogueLogPage:
        dialogueLog.Open(menuList);
        break;
    default: // the shared pages fill the list themselves
        break;
    }
}

void InGameMenu::BuildMainPage()
{
    menuList.Clear();
    int index = 0;
    const auto add = [this, &index](const char* text, int id) {
        menuList.AddButton(text, 541 - 37 * index, 209 + 67 * index, id);
        ++index;
    };
    add("Weiterspielen", idContinue);
    if (GameParameters::GetInstance().IsSavingAllowed() && !creditsMode)
        add("Spiel speichern", idSave);
    if (savegameAvailable)
        add("Spiel laden", idLoad);
    add("Optionen", idOptions);
    if (!IsMinigame(levelNumber))
        add("Gespr\xE4" "che", idDialogueLog);
    menuList.AddButton("Spiel beenden", 325, 634, idQuit);
}

void InGameMenu::BuildQuitQuestion()
{
    menuList.Clear();
    menuList.AddLabel("Spiel wirklich<br>beenden?", 500, 270);
    menuList.AddButton("Ja", 428, 400, idYes);
    menuList.AddButton("Nee", 403, 460, idNo);
}

void InGameMenu::UpdateBar(float seconds)
{
    barHovered = false;
    const float step = (barPosition - barHidden + barOvershoot) * seconds * barSpeed;
    if (enabled && pointerY < barBand) {
        barPosition += step;
        if (barPosition < 0.0f)
            return;
        barPosition = 0.0f;
        TextDisplay& text = TextDisplay::GetInstance();
        text.SetFont("menuBig");
        text.SetHAlign(HorizontalAlignment::left);
        text.SetVAlign(VerticalAlignment::top);
        text.SetBox(labelX, labelTopBelowBar, labelBoxSize, labelBoxSize);
        const TextRectangle label = text.MeasureText(MenuLabel());
        text.Reset();
        barHovered = pointerX >= label.x && pointerX < label.x + label.width && pointerY >= label.y &&
                     pointerY < label.y + label.height;
    } else {
        barPosition = std::max(barHidden, barPosition - step);
    }
}

void InGameMenu::UpdatePage(float seconds)
{
    menuList.Update(seconds, pointerX, pointerY);
    if (state == savingPage || state == loadingPage)
        SharedMenus::GetInstance().UpdateSavegameBrowser(pointerX, pointerY);
    for (Animation& animation : animations)
        animation.Update(seconds);
}

void InGameMenu::DrawBar()
{
    if (barPosition == barHidden)
        return;
    const int top = static_cast<int>(barPosition);
    if (Sprite* bar = animations[optionsBar].GetSprite())
        bar->DrawTopLeft(0, top + barTopBelowPosition, 0, barDepth);
    TextDisplay& text = TextDisplay::GetInstance();
    text.SetFont(barHovered ? "menuBigHighlighted" : "menuBig");
    text.SetHAlign(HorizontalAlignment::left);
    text.SetVAlign(VerticalAlignment::top);
    text.SetBox(labelX, top + labelTopBelowBar, labelBoxSize, labelBoxSize);
    text.DrawText(MenuLabel());
    text.Reset();
}

void InGameMenu::DrawPage(bool drawCursor)
{
    Picture background = menuBackground;
    if (state == savingPage)
        background = savegameBackground;
    else if (state == loadingPage)
        background = savegameLoadBackground;
    else if (state == optionsPage)
        background = ingameOptionsBackground;
    else if (state == dialogueLogPage)
        background = dialogueLogBackground;
    if (Sprite* picture = animations[background].GetSprite())
        picture->DrawTopLeft(0, 0, 0, pageDepth);
    if (state == savingPage || state == loadingPage)
        SharedMenus::GetInstance().DrawSavegameBrowser();
    menuList.Draw();
    if (Sprite* pointer = drawCursor ? cursor.GetSprite() : nullptr)
        pointer->DrawTopLeft(pointerX, pointerY, 0, cursorDepth);
}

bool InGameMenu::OnKeyDown(int key, bool& activated)
{
    activated = false;
    if (key == keyEscape) {
        if (state == closed) {
            if (!MayOpen())
                return false;
            SetState(mainPage);
            return true;
        }
        menuList.SetHoveredId(state == mainPage ? idContinue : state == quitQuestion ? idNo : idBack);
        OnClick(false);
        return true;
    }
    if (state == closed)
        return false;
    activated = menuList.OnKey(key);
    return true;
}

void InGameMenu::OpenDialogueLog()
{
    dialogueLogFromGame = true;
    SetState(dialogueLogPage);
}

bool InGameMenu::OnBarClick()
{
    if (!barHovered || !enabled)
        return false;
    SetState(mainPage);
    MenuSound::Click();
    return true;
}

void InGameMenu::OnClick(bool byPointer)
{
    SharedMenus& shared = SharedMenus::GetInstance();
    const int id = menuList.GetHoveredId();
    switch (state) {
    case mainPage:
        OnMainPageClick(id);
        break;
    case quitQuestion:
        if (id == idYes) {
            Sound().StopAll();
            MenuSound::Click();
            StopLevel();
            SetState(closed);
            MainProgram::GetInstance().SetProject("GameRuvIdMenu");
            Leave();
        } else if (id == idNo) {
            MenuSound::Click();
            SetState(mainPage);
        }
        break;
    case savingPage:
        if (shared.SavegameBrowserClick(menuList) == 1) {
            // What was just saved can be loaded from the main page at once.
            savegameAvailable = GameRuvIdMenu::AnySavegame();
            MenuSound::Click();
            SetState(mainPage);
        }
        break;
    case loadingPage: {
        const int result = shared.SavegameBrowserClick(menuList);
        if (result == 1) {
            MenuSound::Click();
            SetState(mainPage);
        } else if (result >= 2) {
            MainProgram& program = MainProgram::GetInstance();
            // The browser offers only whole savegames; one that vanished or
            // changed since cannot be loaded (the log says why): the game
            // goes on from the main page.
            const int loadedLevel = program.LoadGame(result - 1);
            if (loadedLevel < 0) {
                MenuSound::Click();
                SetState(mainPage);
                break;
            }
            StartLoadedGame(loadedLevel);
        }
        break;
    }
    case emptyPage:
        if (id == idBack) {
            MenuSound::Click();
            SetState(mainPage);
        }
        break;
    case dialogueLogPage:
        if (dialogueLog.OnClick(menuList)) {
            if (dialogueLogFromGame) {
                Wipe(DirectDraw::fadeForward);
                SetState(closed);
            } else {
                SetState(mainPage);
            }
        }
        break;
    case optionsPage: {
        if (byPointer)
            menuList.OnClick();
        int depth = 0, height = 0, width = 0;
        if (shared.OptionsClick(menuList, depth, height, width)) {
            MenuSound::Click();
            SetState(mainPage);
            GameParameters::GetInstance().Save();
        }
        break;
    }
    default:
        break;
    }
}

void InGameMenu::OnMainPageClick(int id)
{
    SharedMenus& shared = SharedMenus::GetInstance();
    switch (id) {
    case idSave:
        if (screenshot == nullptr) {
            LogError("GameRuvId::MenuOnLButtonDown: No Screenshot available, can't initialize savegame-browser!\n");
            return;
        }
        MenuSound::Click();
        Sound().Update(0.01f);
        SetState(savingPage);
        shared.InitSavegameBrowser(menuList, screenshot.get(), true);
        break;
    case idLoad:
        MenuSound::Click();
        Sound().Update(0.01f);
        SetState(loadingPage);
        shared.InitSavegameBrowser(menuList, nullptr, false);
        break;
    case idQuit:
        MenuSound::Click();
        SetState(quitQuestion);
        break;
    case idContinue:
        MenuSound::Click();
        Wipe(DirectDraw::fadeForward);
        SetState(closed);
        break;
    case idOptions:
        MenuSound::Click();
        SetState(optionsPage);
        shared.InitOptions(menuList, true);
        break;
    case idDialogueLog:
        MenuSound::Click();
        dialogueLogFromGame = false;
        SetState(dialogueLogPage);
        break;
    default:
        break;
    }
}

void InGameMenu::StartLoadedGame(int loadedLevel)
{
    const bool fromPage = IsOpen();
    Sound().StopAll();
    if (fromPage)
        MenuSound::Click();
    StopLevel();
    GameParameters::GetInstance().SetSavingAllowed(true);
    SetState(closed);
    MainProgram& program = MainProgram::GetInstance();
    program.SetLevel(loadedLevel);
    program.SetProject("GameRuvId");
    if (fromPage)
        Leave();
    else
        LoadingScreen::GetInstance().Begin();
}

void InGameMenu::StopLevel()
{
    if (IsMinigame(levelNumber))
        return;
    ScriptManager& scripts = ScriptManager::GetInstance();
    scripts.StopBlocking();
    scripts.StopAsync();
}

void InGameMenu::Leave()
{
    // The quit question stays on the screen, the level stopped, until the
    // state ends at the next frame; the loading screen is up meanwhile.
    state = quitQuestion;
    LoadingScreen::GetInstance().Begin();
}
