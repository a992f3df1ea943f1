#include "GameRuvIdMenu.h"

#include "GameParameters.h"
#include "HelpPages.h"
#include "MainProgram.h"
#include "ScreenNotice.h"
#include "MenuSound.h"
#include "SharedMenus.h"
#include "adventure/Cast.h"
#include "adventure/DialogueLog.h"
#include "adventure/RuvIdLevelAdventure.h"
#include "app/DX3Application.h"
#include "app/Debug.h"
#include "app/DebugDisplay.h"
#include "app/Factory.h"
#include "audio/SampleManager.h"
#include "audio/SfxLoaderUtil.h"
#include "audio/SoundEngine.h"
#include "audio/StreamingSample.h"
#include "files/File.h"
#include "files/SettingsManager.h"
#include "graphics/DirectDraw.h"
#include "graphics/FontLoaderUtil.h"
#include "graphics/LoadingScreen.h"
#include "graphics/RenderEngine.h"
#include "graphics/RenderTargetPainter.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteInfo.h"
#include "graphics/SpriteLoaderUtil.h"
#include "graphics/SpriteManager.h"
#include "graphics/TextDisplay.h"
#include "platform/Platform.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const FactoryRegistration<GameState, GameRuvIdMenu> registration("GameRuvIdMenu");

// The animations the pages draw, loaded in three groups with the loading
// bar moving on between them.
constexpr const char* pageAnimations[] = {
    "cursor",           "menu_background",      "credits_background", "savegame_load_background",
    "options_background", "help_background",    "help_arrow_left",    "help_arrow_right",
};
constexpr const char* tileAnimations[] = {
    "minigame1", "minigame2", "minigame3", "minigame4", "minigames_background", "highscore_background",
};
constexpr const char* bonusAnimations[] = {
    "bonus_background", "small_background1", "small_background2", "small_background3", "small_background4",
    "small_poster",     "big_background1",   "big_background2",   "big_background3",   "big_background4",
    "big_poster",
};

// The minigame tiles' top-left corners.
constexpr int tilePositions[4][2] = {{224, 281}, {475, 281}, {132, 454}, {382, 453}};

// The bonus pictures' centres and half sizes: four backgrounds, then the
// poster.
struct BonusItem {
    const char* smallPicture;
    const char* bigPicture;
    int x, y, halfWidth, halfHeight;
};
constexpr BonusItem bonusItems[] = {
    {"small_background1", "big_background1", 180, 225, 100, 75},
    {"small_background2", "big_background2", 844, 225, 100, 75},
    {"small_background3", "big_background3", 180, 563, 100, 75},
    {"small_background4", "big_background4", 844, 563, 100, 75},
    {"small_poster", "big_poster", 512, 384, 98, 138},
};

// The help page arrows' top-left corners.
constexpr int helpArrowLeftX = 714;
constexpr int helpArrowRightX = 764;
constexpr int helpArrowY = 697;

// Depths in the render list: pages at the back, tiles and text above,
// the pointer on top.
constexpr float backgroundDepth = 0.0f;
constexpr float pictureDepth = 0.9f;
constexpr float cursorDepth = 1.0f;

constexpr int keyEscape = 27;

const char* Back()
{
    return "Zurück"_w1252;
}

bool Inside(int x, int y, int left, int top, int width, int height)
{
    return x >= left && x < left + width && y >= top && y < top + height;
}

SoundEngine& Sound()
{
    return SoundEngine::GetInstance();
}

} // namespace

int GameRuvIdMenu::MinigameLevel(int minigame)
{
    return minigame == 3 ? 11 : 7 + minigame;
}

bool GameRuvIdMenu::AnySavegame()
{
    for (int slot = 1; slot <= 9; ++slot) {
        if (File::ExistsOnDisk(MainProgram::SlotFile(slot, "dat").c_str()) &&
            File::ExistsOnDisk(MainProgram::SlotFile(slot, "bmp").c_str()))
            return true;
    }
    return false;
}

void GameRuvIdMenu::Init(int)
{
    // A minigame won for a story that then could not go on (its episode
    // missing) leaves its arrival marker behind; whatever is started from
    // here begins where it asks to.
    RuvIdLevelAdventure::SetCatapultWon(false);
    RuvIdLevelAdventure::SetAlienShooterWon(false);
    // The dialogue log tells of the game played since the title screen.
    DialogueLog::GetInstance().Clear();
    LoadingScreen& loading = LoadingScreen::GetInstance();
    SpriteLoaderUtil::Load("data\\menu\\sprites.txt", "data\\menu\\sprites\\", 0.0f, 0.3f);
    SpriteLoaderUtil::Load("data\\sharedadventure\\sprites.txt", "data\\sharedadventure\\sprites\\", 0.3f, 0.5f);
    FontLoaderUtil::LoadFonts();
    FontLoaderUtil::LoadFonts(FontLoaderUtil::GetCreditsFontDescriptions().first(2));
    Sound().SetEnabled(SampleManager::GetInstance().IsInitialised());
    if (!SfxLoaderUtil::LoadSoundEffects("data\\sharedadventure\\sfx.txt", "sharedadventure\\audio\\sfx\\")) {
        LogError("GameRuvIdMenu::Init: Failed to load the shared sound effects!\n");
        TerminateAbnormally();
    }
    GameParameters::ApplyMinigameMix();

    for (const char* name : pageAnimations)
        animations[name].SetSpriteLabel(name);
    loading.SetProgress(0.7f);
    for (const char* name : tileAnimations)
        animations[name].SetSpriteLabel(name);
    loading.SetProgress(0.8f);
    for (const char* name : bonusAnimations)
        animations[name].SetSpriteLabel(name);
    loading.SetProgress(0.9f);

    Cast::GetInstance().Add(&Sound(), "Sound Engine");
    Cast::GetInstance().Add(&SampleManager::GetInstance(), "Sample Manager");
    savegameAvailable = AnySavegame();
    music = Sound().CreateStream(menuMusic);
    if (music != nullptr) {
        music->Rewind();
        music->PlayLooped();
    }
    currentState = -1;
    requestedState = -1;
    RequestState(stateMain);
    // The page shows once loading is over; the state before left the
    // loading screen up for this state's loading.
    if (loading.IsActive())
        loading.End();
    initialised = true;
}

void GameRuvIdMenu::Exit()
{
    if (music != nullptr) {
        music->Stop();
        Sound().DestroyStream(music);
        music = nullptr;
    }
    RenderEngine::GetInstance().ClearRenderList();
    RenderEngine::GetInstance().SetScreenOffset(0, 0);
    menuList.Clear();
    animations.clear();
    TextDisplay::GetInstance().Reset();
    Cast::GetInstance().Clear();
    SpriteManager::GetInstance().Clear();
    Sound().StopAll();
    Sound().DestroyAll();
    SampleManager::GetInstance().Shutdown();

    DirectDraw& display = DirectDraw::GetInstance();
    if (!movieToPlay.empty()) {
        const int width = display.GetWidth();
        const int height = display.GetHeight();
        const bool changeMode = width != 800 || height != 600;
        if (changeMode)
            display.ChangeDisplayMode(800, 600, display.GetDepth());
        PlayMovie(movieToPlay.c_str());
        movieToPlay.clear();
        if (changeMode)
            display.ChangeDisplayMode(width, height, display.GetDepth());
        SpriteInfo info;
        info.label = "loading";
        info.file = "data\\sharedadventure\\sprites\\loading";
        SpriteManager::GetInstance().AddSpriteInfo(info);
        LoadingScreen::GetInstance().Begin();
    }
    // The next state starts with an empty sample set on a fresh sound
    // device; when the program ends there is none, and the device stays shut.
    if (!MainProgram::GetInstance().IsShuttingDown())
        SampleManager::GetInstance().Init(platform::Platform::Get()->GetWindow());
    initialised = false;
}

void GameRuvIdMenu::RequestState(int state)
{
    requestedState = state;
    if (currentState == -1)
        SetState(state);
}

void GameRuvIdMenu::SetState(int state)
{
    requestedState = -1;
    switch (state) {
    case stateMain:
        BuildMainPage();
        break;
    case stateHelp:
        menuList.Clear();
        helpPage = 0;
        menuList.AddButton(Back(), 137, 694, idBack);
        break;
    case stateLoadGame:
    case stateOptions:
    case stateHighscores:
        break;
    case stateMinigames: {
        menuList.Clear();
        menuList.AddButton(Back(), 300, 633, idBack);
        const GameParameters& parameters = GameParameters::GetInstance();
        const auto tile = [&parameters](int minigame) {
            return parameters.IsMinigameUnlocked(minigame) ? idFirstTile + minigame : -1;
        };
        menuList.AddNavigationGroup({tile(0), tile(1)});
        menuList.AddNavigationGroup({tile(2), tile(3)});
        menuList.AddNavigationGroup({idBack});
        break;
    }
    case stateStarting:
        menuList.Clear();
        LoadingScreen::GetInstance().Begin();
        break;
    case stateCredits:
    case stateBonusPicture:
        menuList.Clear();
        menuList.AddButton(Back(), 137, 694, idBack);
        break;
    case stateBonus:
        menuList.Clear();
        menuList.AddButton(Back(), 137, 694, idBack);
        menuList.AddNavigationGroup({idFirstTile, idFirstTile + 1});
        menuList.AddNavigationGroup({idFirstTile + 4});
        menuList.AddNavigationGroup({idFirstTile + 2, idFirstTile + 3});
        menuList.AddNavigationGroup({idBack});
        hoveredBonusItem = -1;
        break;
    default:
        LogWarning("GameRuvIdMenu::SetState: Unknown State %d!\n", state);
        return;
    }
    currentState = state;
}

void GameRuvIdMenu::BuildMainPage()
{
    struct Entry {
        const char* text;
        int id;
    };
    const Entry entries[] = {
        {"Neues Spiel", idNewGame},       {"Spiel laden", idLoadGame}, {"Minispiele", idMinigames},
        {"Highscore", idHighscores},      {"Optionen", idOptions},     {"Credits", idCredits},
        {"Hilfe", idHelp},                {"Bonusmaterial", idBonus},
    };
    menuList.Clear();
    const int count = savegameAvailable ? 7 : 6;
    int index = 0;
    for (const Entry& entry : entries) {
        if (entry.id == idLoadGame && !savegameAvailable)
            continue;
        const float k = static_cast<float>(index++);
        const int x = static_cast<int>(541.0f + k * (-185.0f / static_cast<float>(count)));
        const int y = static_cast<int>(209.0f + k * (362.0f / static_cast<float>(count)));
        menuList.AddButton(entry.text, x, y, entry.id);
    }
    menuList.AddButton("Beenden", 325, 634, idQuit);
}

void GameRuvIdMenu::OnMainPageClick(int id)
{
    SharedMenus& shared = SharedMenus::GetInstance();
    MainProgram& program = MainProgram::GetInstance();
    switch (id) {
    case idLoadGame:
        MenuSound::Click();
        Sound().Update(0.01f);
        RequestState(stateLoadGame);
        shared.InitSavegameBrowser(menuList, nullptr, false);
        return;
    case idNewGame:
        levelToStart = 1;
        GameParameters::GetInstance().SetSavingAllowed(true);
        MenuSound::Click();
        Sound().Update(0.01f);
        program.SetProject("GameRuvId");
        program.SetLevel(1);
        if (SettingsManager::GetInstance().GetBool("playMovie") && DirectDraw::GetInstance().IsFullScreen())
            movieToPlay = introMovie;
        else
            LoadingScreen::GetInstance().Begin();
        return;
    case idMinigames:
        RequestState(stateMinigames);
        break;
    case idOptions:
        shared.InitOptions(menuList, false);
        RequestState(stateOptions);
        break;
    case idCredits:
        RequestState(stateCredits);
        shared.StartCredits();
        DirectDraw::GetInstance().StartFade(DirectDraw::fadeForward, false);
        break;
    case idHighscores:
        shared.InitHighscores(menuList, -1, 0, false);
        RequestState(stateHighscores);
        break;
    case idHelp:
        RequestState(stateHelp);
        break;
    case idQuit:
        platform::Platform::Get()->GetWindow().PostQuitMessage(0);
        break;
    case idBonus:
        RequestState(stateBonus);
        break;
    default:
        return;
    }
    MenuSound::Click();
}

void GameRuvIdMenu::TurnHelpPage(int step)
{
    const int page = std::clamp(helpPage + step, 0, HelpPages::pageCount - 1);
    if (page == helpPage)
        return;
    helpPage = page;
    MenuSound::Scroll();
}

void GameRuvIdMenu::OnLButtonDown(int, int, bool)
{
    if (!initialised)
        return;
    menuList.OnClick();
    HandleClick();
}

void GameRuvIdMenu::HandleClick()
{
    const int id = menuList.GetHoveredId();
    SharedMenus& shared = SharedMenus::GetInstance();
    switch (currentState) {
    case stateMain:
        OnMainPageClick(id);
        break;
    case stateHelp:
        if (hoveredHelpArrow == 1)
            TurnHelpPage(-1);
        else if (hoveredHelpArrow == 2)
            TurnHelpPage(+1);
        if (id == idBack)
            RequestState(stateMain);
        break;
    case stateLoadGame: {
        const int result = shared.SavegameBrowserClick(menuList);
        if (result == 1) {
            RequestState(stateMain);
        } else if (result >= 2) {
            GameParameters::GetInstance().SetSavingAllowed(true);
            levelToStart = MainProgram::GetInstance().LoadGame(result - 1);
            // A savegame that cannot be read (the log says why) starts
            // nothing: back to the main page.
            RequestState(levelToStart < 0 ? stateMain : stateStarting);
        }
        break;
    }
    case stateMinigames:
        if (hoveredMinigame >= 0 && GameParameters::GetInstance().IsMinigameUnlocked(hoveredMinigame)) {
            GameParameters::GetInstance().SetSavingAllowed(false);
            levelToStart = MinigameLevel(hoveredMinigame);
            RequestState(stateStarting);
        } else if (id == idBack) {
            RequestState(stateMain);
        }
        break;
    case stateOptions: {
        int depth = 0, height = 0, width = 0;
        if (!shared.OptionsClick(menuList, depth, height, width))
            break;
        if (depth <= 0) // no depth to choose from: keep the one running
            depth = DirectDraw::GetInstance().GetDepth();
        MenuSound::Click();
        DirectDraw& display = DirectDraw::GetInstance();
        if (depth != display.GetDepth() || width != display.GetWidth() || height != display.GetHeight()) {
            // A new colour depth rebuilds the whole menu at that depth.
            Exit();
            display.ChangeDisplayMode(width, height, depth);
            Init(0);
        }
        GameParameters::GetInstance().Save();
        RequestState(stateMain);
        break;
    }
    case stateCredits:
        if (id == idBack) {
            RequestState(stateMain);
            DirectDraw::GetInstance().StartFade(DirectDraw::fadeBackward, false);
        }
        break;
    case stateHighscores:
        if (shared.HighscoresDone())
            RequestState(stateMain);
        break;
    case stateBonus:
        if (hoveredBonusItem >= 0)
            RequestState(stateBonusPicture);
        else if (id == idBack)
            RequestState(stateMain);
        break;
    case stateBonusPicture:
        if (id == idBack)
            RequestState(stateBonus);
        break;
    default:
        break;
    }
}

void GameRuvIdMenu::OnKeyDown(int key)
{
    if (!initialised)
        return;
    // A key acts on the item it chose, never on what the pointer happens to
    // rest on: a tile, a help arrow or a choice's arrow under it is left
    // alone, so Escape is always "Zurück" and an arrow key steps a choice
    // once.
    if (key == keyEscape) {
        menuList.SetHoveredId(currentState == stateMain ? idQuit : idBack);
        hoveredMinigame = -1;
        hoveredBonusItem = -1;
        hoveredHelpArrow = 0;
        HandleClick();
        return;
    }
    if (currentState == stateHelp && (key == MenuList::keyLeft || key == MenuList::keyRight))
        TurnHelpPage(key == MenuList::keyLeft ? -1 : +1);
    const bool activate = menuList.OnKey(key);
    if (menuList.IsKeyboardMode())
        UpdateHoveredTile();
    if (activate) {
        hoveredHelpArrow = 0;
        HandleClick();
    }
}

void GameRuvIdMenu::UpdateHoveredTile()
{
    const int id = menuList.GetHoveredId();
    const int tile = id >= idFirstTile ? id - idFirstTile : -1;
    if (currentState == stateMinigames)
        hoveredMinigame = tile;
    else if (currentState == stateBonus)
        hoveredBonusItem = tile;
}

void GameRuvIdMenu::OnMouseMove(int x, int y)
{
    pointerX = x;
    pointerY = y;
}

int GameRuvIdMenu::MinigameAt(int x, int y) const
{
    const GameParameters& parameters = GameParameters::GetInstance();
    for (int minigame = 0; minigame < 4; ++minigame) {
        const auto found = animations.find("minigame" + std::to_string(minigame + 1));
        const Sprite* sprite = found == animations.end() ? nullptr : found->second.GetSprite();
        if (sprite == nullptr || !parameters.IsMinigameUnlocked(minigame))
            continue;
        if (Inside(x, y, tilePositions[minigame][0], tilePositions[minigame][1], sprite->GetFullWidth(),
                   sprite->GetFullHeight()))
            return minigame;
    }
    return -1;
}

int GameRuvIdMenu::BonusItemAt(int x, int y) const
{
    for (int item = 0; item < static_cast<int>(std::size(bonusItems)); ++item) {
        const BonusItem& bonus = bonusItems[item];
        if (std::abs(x - bonus.x) <= bonus.halfWidth && std::abs(y - bonus.y) <= bonus.halfHeight)
            return item;
    }
    return -1;
}

void GameRuvIdMenu::Update(float seconds)
{
    if (!initialised)
        return;
    Sound().Update(seconds);
    ScreenNotice::GetInstance().Update(seconds);
    menuList.Update(seconds, pointerX, pointerY);
    if (currentState == stateLoadGame)
        SharedMenus::GetInstance().UpdateSavegameBrowser(pointerX, pointerY);
    DirectDraw& display = DirectDraw::GetInstance();
    display.UpdateFade(seconds);
    for (auto& [name, animation] : animations)
        animation.Update(seconds);

    switch (currentState) {
    case stateStarting:
        if (!display.IsFadeActive()) {
            MainProgram::GetInstance().SetProject("GameRuvId");
            MainProgram::GetInstance().SetLevel(levelToStart);
            display.StartFade(DirectDraw::fadeBackward, true);
        }
        break;
    case stateCredits:
        if (SharedMenus::GetInstance().UpdateCredits(seconds)) {
            RequestState(stateMain);
            display.StartFade(DirectDraw::fadeBackward, false);
        }
        break;
    case stateHelp: {
        hoveredHelpArrow = 0;
        const Sprite* left = animations["help_arrow_left"].GetSprite();
        const Sprite* right = animations["help_arrow_right"].GetSprite();
        if (left != nullptr && helpPage > 0 &&
            Inside(pointerX, pointerY, helpArrowLeftX, helpArrowY, left->GetFullWidth(), left->GetFullHeight()))
            hoveredHelpArrow = 1;
        else if (right != nullptr && helpPage < HelpPages::pageCount - 1 &&
                 Inside(pointerX, pointerY, helpArrowRightX, helpArrowY, right->GetFullWidth(), right->GetFullHeight()))
            hoveredHelpArrow = 2;
        break;
    }
    case stateMinigames:
        if (!menuList.IsKeyboardMode())
            hoveredMinigame = MinigameAt(pointerX, pointerY);
        break;
    case stateBonus:
        if (pointerX != bonusPointerX || pointerY != bonusPointerY) {
            bonusPointerX = pointerX;
            bonusPointerY = pointerY;
            hoveredBonusItem = BonusItemAt(pointerX, pointerY);
        }
        break;
    default:
        break;
    }
}

void GameRuvIdMenu::DrawAnimation(const char* name, int x, int y, float z, int frame, bool centred)
{
    const auto found = animations.find(name);
    Sprite* sprite = found == animations.end() ? nullptr : found->second.GetSprite();
    if (sprite == nullptr)
        return;
    if (centred)
        sprite->Draw(x, y, frame, z);
    else
        sprite->DrawTopLeft(x, y, frame, z);
}

void GameRuvIdMenu::DrawHelpPage()
{
    DrawAnimation("help_background", 0, 0, backgroundDepth);
    DrawAnimation("help_arrow_left", helpArrowLeftX, helpArrowY, pictureDepth, hoveredHelpArrow == 1 ? 1 : 0);
    DrawAnimation("help_arrow_right", helpArrowRightX, helpArrowY, pictureDepth, hoveredHelpArrow == 2 ? 1 : 0);
    const HelpPage& page = HelpPages::Get()[static_cast<std::size_t>(helpPage)];
    TextDisplay& text = TextDisplay::GetInstance();
    text.SetHAlign(HorizontalAlignment::left);
    text.SetVAlign(VerticalAlignment::top);
    text.SetFont("menuSmallHighlighted");
    text.SetBox(33, 90, 800, 400);
    text.DrawText(page.title);
    text.SetFont("menuSmall");
    const Font* font = text.GetFont("menuSmall");
    const int lineHeight = font != nullptr ? font->GetLineHeight() : 20;
    int y = 130;
    for (const std::string_view line : page.lines) {
        text.SetBox(33, y, 964, lineHeight);
        text.DrawText(line);
        y += lineHeight;
    }
}

void GameRuvIdMenu::DrawMinigameTiles()
{
    DrawAnimation("minigames_background", 0, 0, backgroundDepth);
    const GameParameters& parameters = GameParameters::GetInstance();
    for (int minigame = 0; minigame < 4; ++minigame) {
        if (!parameters.IsMinigameUnlocked(minigame))
            continue;
        const std::string name = "minigame" + std::to_string(minigame + 1);
        DrawAnimation(name.c_str(), tilePositions[minigame][0], tilePositions[minigame][1], pictureDepth,
                      hoveredMinigame == minigame ? 1 : 0);
    }
}

void GameRuvIdMenu::DrawBonusPictures()
{
    DrawAnimation("bonus_background", 0, 0, backgroundDepth);
    if (currentState == stateBonusPicture) {
        const int item = hoveredBonusItem >= 0 ? hoveredBonusItem : 0;
        DrawAnimation(bonusItems[item].bigPicture, 512, 384, pictureDepth, 0, true);
        return;
    }
    for (int item = 0; item < static_cast<int>(std::size(bonusItems)); ++item) {
        const BonusItem& bonus = bonusItems[item];
        DrawAnimation(bonus.smallPicture, bonus.x, bonus.y, pictureDepth, hoveredBonusItem == item ? 1 : 0, true);
    }
}

void GameRuvIdMenu::Render()
{
    if (!initialised)
        return;
    DirectDraw& display = DirectDraw::GetInstance();
    RenderEngine& engine = RenderEngine::GetInstance();
    SharedMenus& shared = SharedMenus::GetInstance();
    SpriteManager::GetInstance().RestoreSurfaces();
    engine.ClearRenderList();
    switch (currentState) {
    case stateCredits:
        shared.DrawCredits();
        DrawAnimation("credits_background", 0, 0, backgroundDepth);
        break;
    case stateLoadGame:
        DrawAnimation("savegame_load_background", 0, 0, backgroundDepth);
        shared.DrawSavegameBrowser();
        break;
    case stateOptions:
        DrawAnimation("options_background", 0, 0, backgroundDepth);
        break;
    case stateHelp:
        DrawHelpPage();
        break;
    case stateMinigames:
        DrawMinigameTiles();
        break;
    case stateHighscores:
        DrawAnimation("highscore_background", 0, 0, backgroundDepth);
        shared.DrawHighscores();
        break;
    case stateBonus:
    case stateBonusPicture:
        DrawBonusPictures();
        break;
    case stateMain:
        DrawAnimation("menu_background", 0, 0, backgroundDepth);
        break;
    default:
        break;
    }
    if (display.IsFullScreen() && currentState != stateStarting)
        DrawAnimation("cursor", pointerX, pointerY, cursorDepth);
    menuList.Draw();
    ScreenNotice::GetInstance().Draw();
    engine.Render();
    if (display.IsInitialised() && display.GetRenderTarget() != nullptr) {
        RenderTargetPainter painter(*display.GetRenderTarget());
        DebugDisplay::GetInstance().Draw(painter);
    }
    display.Flip();
    if (requestedState != -1)
        SetState(requestedState);
}
