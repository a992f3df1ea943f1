#include "GameRuvId.h"

#include "GameParameters.h"
#include "GameRuvIdMenu.h"
#include "LevelContent.h"
#include "MainProgram.h"
#include "ScreenNotice.h"
#include "adventure/Cast.h"
#include "adventure/Character.h"
#include "adventure/ElementFactory.h"
#include "adventure/Entity.h"
#include "adventure/Flag.h"
#include "adventure/GameElement.h"
#include "adventure/LevelSettings.h"
#include "adventure/Room.h"
#include "adventure/RuvIdLevelAdventure.h"
#include "app/Debug.h"
#include "app/DebugDisplay.h"
#include "app/DebugDisplaySettings.h"
#include "app/KeyboardInput.h"
#include "app/Factory.h"
#include "audio/MusicPlayer.h"
#include "audio/SampleManager.h"
#include "audio/SoundEngine.h"
#include "audio/SpeechPlayer.h"
#include "files/AsciiStateSerializer.h"
#include "files/File.h"
#include "files/HostPath.h"
#include "graphics/DirectDraw.h"
#include "graphics/LoadingScreen.h"
#include "graphics/RenderEngine.h"
#include "graphics/RenderTargetPainter.h"
#include "graphics/ScreenShotGrabber.h"
#include "graphics/ScreenRumble.h"
#include "platform/Platform.h"
#include "graphics/SpriteManager.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

const FactoryRegistration<GameState, GameRuvId> registration("GameRuvId");

constexpr std::size_t lineLength = 999;

bool IsEpisode(int level)
{
    return level >= 1 && level <= 6;
}

// The class that plays each minigame, registered with Factory<Level> by the
// minigames' library, and the title its savegames carry.
struct MinigameLevel {
    int level;
    const char* className;
    const char* title;
};
constexpr MinigameLevel minigameLevels[] = {
    {7, "RuvIdLevelTanzen", "Kapitel 1 - Minispiel Tanzen"},
    {8, "RuvIdLevelTaxishooter", "Kapitel 2 - Minispiel Taxishooter"},
    {9, "RuvIdLevelRitter", "Kapitel 3 - Minispiel Ritterweitwurf"},
    {11, "RuvIdLevelAlien", "Kapitel 5 - Minispiel Alienshooter"},
};

const MinigameLevel* FindMinigame(int level)
{
    for (const MinigameLevel& minigame : minigameLevels) {
        if (minigame.level == level)
            return &minigame;
    }
    return nullptr;
}

// Back to the main menu, dropping a savegame that asked for the level.
void BackToMainMenu()
{
    MainProgram::GetInstance().TakePendingSavegame();
    MainProgram::GetInstance().SetProject("GameRuvIdMenu");
}

std::string SettingsPath(int level, const std::string& fileName)
{
    char folder[64];
    std::snprintf(folder, sizeof folder, "data\\level%02d\\settings\\", level);
    return folder + fileName;
}

std::tm LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace

GameRuvId::GameRuvId() = default;
GameRuvId::~GameRuvId() = default;

RuvIdLevelAdventure* GameRuvId::Adventure() const
{
    return IsEpisode(levelNumber) ? static_cast<RuvIdLevelAdventure*>(level.get()) : nullptr;
}

void GameRuvId::Init(int number)
{
    levelNumber = number;
    LogPrint("Active Level: %d\n", number);
    creditsMode = number == creditsLevel;
    if (creditsMode)
        levelNumber = 7;
    const MinigameLevel* minigame = FindMinigame(levelNumber);
    if (minigame != nullptr && !Factory<Level>::GetInstance().IsRegistered(minigame->className)) {
        // A minigame this build does not play leads back to the main menu
        // instead of ending the program.
        LogError("GameRuvId::Init: Level %d is a minigame that this build cannot play yet!\n", number);
        BackToMainMenu();
        return;
    }
    if (minigame == nullptr && !IsEpisode(levelNumber)) {
        LogError("GameRuvId::Init: Unknown Level-Number(%d)!\n", number);
        // The player learns why the game ends, not only the log.
        platform::ShowMessageBox("Error", "GameRuvId::Init: Unknown Level-Number(" + std::to_string(number) + ")!");
        TerminateAbnormally();
    }
    if (!File::Exists(LevelContent::LevelFile(levelNumber, "sprites.txt").c_str())) {
        // A level the story reaches before its data is in the game: the
        // player is told so and finds the main menu again.
        LogError("GameRuvId::Init: Level %d has no data in this game!\n", levelNumber);
        char text[160];
        std::snprintf(text, sizeof text, "Level %d ist in dieser Fassung des Spiels noch nicht enthalten.",
                      levelNumber);
        platform::ShowMessageBox("Astrokutter Zephyra", text);
        BackToMainMenu();
        return;
    }

    if (!LevelContent::Load(levelNumber))
        TerminateAbnormally();
    GameParameters::ApplyMixForLevel(levelNumber);
    SpeechPlayer::GetInstance().Stop();

    Cast& cast = Cast::GetInstance();
    cast.Add(&SoundEngine::GetInstance(), "Sound Engine");
    cast.Add(&SampleManager::GetInstance(), "Sample Manager");
    if (minigame != nullptr)
        level = Factory<Level>::GetInstance().Create(minigame->className);
    else
        level = std::make_unique<RuvIdLevelAdventure>();
    menu.Start(level.get(), levelNumber, creditsMode, GameRuvIdMenu::AnySavegame());

    level->Init(LevelParameters{levelNumber, this});
    if (RuvIdLevelAdventure* episode = Adventure())
        episode->GetPlayer()->SetAnimName(LevelContent::playerFigure);
    cast.Add(level.get(), LevelContent::SettingsName(levelNumber));
    cast.Add(&DebugDisplaySettings::GetInstance(), "DebugDisplay Settings");

    menu.LoadAnimations();
    LoadSettings("settings.txt");
    ResetGame();
    if (std::unique_ptr<File> savegame = MainProgram::GetInstance().TakePendingSavegame()) {
        LoadSavegameObjects(*savegame);
        savegame->Close();
    }

    SoundEngine::GetInstance().UpdateVolumes();
    if (RuvIdLevelAdventure* episode = Adventure())
        LevelContent::StartLevel(*episode);
    if (LoadingScreen::GetInstance().IsActive())
        LoadingScreen::GetInstance().End();
    menu.SetState(InGameMenu::closed);
    initialised = true;
}

void GameRuvId::Exit()
{
    if (level) {
        level->Exit();
        Cast::GetInstance().Remove(level.get());
        level.reset();
    }
    LevelSettings::Unload(created);
    menu.Stop();
    SpeechPlayer::GetInstance().Stop();
    LevelContent::Unload();
    Cast::GetInstance().Clear();
    initialised = false;
}

bool GameRuvId::LoadSettings(const std::string& fileName)
{
    LoadingScreen& loading = LoadingScreen::GetInstance();
    const bool loaded = LevelSettings::Load(levelNumber, fileName, created);
    loading.SetProgress(std::max(loading.GetProgress(), 0.9f));
    return loaded;
}

bool GameRuvId::IsCreated(const Object* object) const
{
    return std::any_of(created.begin(), created.end(),
                       [object](const std::unique_ptr<GameElement>& element) { return element.get() == object; });
}

bool GameRuvId::SaveSettings(const std::string& fileName)
{
    const std::string path = SettingsPath(levelNumber, fileName);
    // The settings before stay beside it as a dated copy.
    char stamp[64];
    const std::tm now = LocalNow();
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H-%M-%S", &now);
    const std::string copy = SettingsPath(levelNumber, std::string("settings ") + stamp + ".txt");
    if (File::Exists(path.c_str()))
        std::rename(HostPath(path).c_str(), HostPathForWriting(copy).c_str());
    File file;
    if (!file.OpenDirect(path.c_str(), "w")) {
        LogError("GameRuvId::SaveSettings: Failed to open <%s>!\n", path.c_str());
        return false;
    }
    for (const Cast::Entry& entry : Cast::GetInstance().GetEntries())
        LevelSettings::WriteBlock(file, entry.fullName, *entry.object, IsCreated(entry.object));
    return file.Close();
}

GameElement* GameRuvId::CreateGameElement(const std::string& className, const std::string& fullName, bool noRegister)
{
    std::unique_ptr<GameElement> element = CreateElement(className);
    if (!element)
        return nullptr;
    GameElement* made = element.get();
    created.push_back(std::move(element));
    if (noRegister)
        return made;
    Cast& cast = Cast::GetInstance();
    if (!fullName.empty()) {
        cast.Add(made, fullName);
        return made;
    }
    const auto unique = [&cast](const std::string& stem, const std::string& end = "") {
        for (int number = 0;; ++number) {
            const std::string name = stem + std::to_string(number) + end;
            const auto& entries = cast.GetEntries();
            if (std::none_of(entries.begin(), entries.end(),
                             [&name](const Cast::Entry& entry) { return entry.fullName == name; }))
                return name;
        }
    };
    const std::string type = className.starts_with("class ") ? className.substr(6) : className;
    const RuvIdLevelAdventure* episode = Adventure();
    if (episode == nullptr) {
        cast.Add(made, unique("Game Elements|" + type + "_"));
    } else if (dynamic_cast<Room*>(made) != nullptr) {
        cast.Add(made, unique("Room", "|Room"));
    } else if (dynamic_cast<Entity*>(made) != nullptr && episode->GetRoom() != nullptr) {
        cast.Add(made, unique(cast.GetFullName(episode->GetRoom()) + "|" + type + "_"));
    } else if (dynamic_cast<Flag*>(made) != nullptr) {
        cast.Add(made, unique("Flags|" + type + "_"));
    } else {
        LogError("GameRuvId::CreateGameElement: Unknown GameElement <%s>!\n", className.c_str());
    }
    return made;
}

void GameRuvId::LoadSavegameObjects(File& file)
{
    LevelSettings::Block block;
    std::string skipped;
    const Cast& cast = Cast::GetInstance();
    while (LevelSettings::NextBlock(file, block)) {
        const auto found = std::find_if(cast.GetEntries().begin(), cast.GetEntries().end(),
                                        [&block](const Cast::Entry& entry) { return entry.fullName == block.fullName; });
        if (found == cast.GetEntries().end()) {
            file.ReadLine(skipped, lineLength);
            continue;
        }
        // The serializer reads the block through the end of its section.
        AsciiStateSerializer serializer(file, false);
        serializer.SerializeObject(block.fullName.c_str(), found->object);
    }
    SoundEngine::GetInstance().RestartVoicesAfterLoad();
}

void GameRuvId::ResetGame()
{
    LoadingScreen& loading = LoadingScreen::GetInstance();
    const float start = loading.GetProgress();
    const float count = static_cast<float>(created.size());
    for (std::size_t index = 0; index < created.size(); ++index) {
        created[index]->Reset();
        loading.SetProgress(start + static_cast<float>(index) / count * (0.95f - start));
    }
    if (level)
        level->Reset();
    menu.SetState(InGameMenu::closed);
}

void GameRuvId::Update(float seconds)
{
    if (!initialised)
        return;
    SoundEngine::GetInstance().Update(seconds);
    ScreenNotice::GetInstance().Update(seconds);
    MusicPlayer::GetInstance().Update(seconds);
    SpeechPlayer::GetInstance().Update(seconds);
    ScreenRumble::GetInstance().Update(seconds);
    // The options page may switch shadows and light tints at any time.
    Character::SetGraphicsDetail(GameParameters::GetInstance().IsLightMapping());
    DirectDraw& display = DirectDraw::GetInstance();
    if (menu.IsOpen()) {
        menu.UpdatePage(seconds);
        display.UpdateFade(seconds);
        return;
    }
    menu.UpdateBar(seconds);
    level->Update(seconds);
    display.UpdateFade(seconds);
    if (RuvIdLevelAdventure* episode = Adventure()) {
        // The player may open the menu whenever she may act.
        menu.SetEnabled(episode->InputAllowed() && episode->GetState() == AdventureLevel::normal);
        if (const std::optional<int> requested = episode->TakeRequestedLevel())
            MainProgram::GetInstance().SetLevel(*requested);
    }
}

void GameRuvId::Render()
{
    if (!initialised)
        return;
    DirectDraw& display = DirectDraw::GetInstance();
    RenderEngine& engine = RenderEngine::GetInstance();
    SpriteManager::GetInstance().RestoreSurfaces();
    engine.ClearRenderList();
    if (menu.IsOpen()) {
        menu.DrawPage(display.IsFullScreen());
    } else {
        menu.DrawBar();
        level->Render();
        ScreenNotice::GetInstance().Draw();
    }
    engine.Render();
    if (display.IsInitialised() && display.GetRenderTarget() != nullptr) {
        RenderTargetPainter painter(*display.GetRenderTarget());
        DebugDisplay::GetInstance().Draw(painter);
    }
    display.Flip();
}

void GameRuvId::GetSaveGameLabels(std::string& title, std::string& date)
{
    char text[300];
    const RuvIdLevelAdventure* episode = Adventure();
    const Room* room = episode != nullptr ? episode->GetRoom() : nullptr;
    if (const MinigameLevel* minigame = FindMinigame(levelNumber)) {
        title = minigame->title;
    } else {
        std::snprintf(text, sizeof text, "Kapitel %d - %s", levelNumber, room != nullptr ? room->GetLabel().c_str() : "");
        title = text;
    }
    const std::tm now = LocalNow();
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M", &now);
    date = text;
}

bool GameRuvId::SaveGame(File& file)
{
    std::string title, date;
    GetSaveGameLabels(title, date);
    file.Printf("%s\n", title.c_str());
    file.Printf("%s\n", date.c_str());
    file.Printf("levelNum %d\n", levelNumber);
    AsciiStateSerializer serializer(file, true);
    for (const Cast::Entry& entry : Cast::GetInstance().GetEntries()) {
        LevelSettings::WriteBlockHead(file, entry.fullName, IsCreated(entry.object));
        serializer.SerializeObject(entry.fullName.c_str(), entry.object);
    }
    return true;
}

bool GameRuvId::MaySaveNow() const
{
    return Adventure() != nullptr && !creditsMode && menu.IsEnabled() && GameParameters::GetInstance().IsSavingAllowed();
}

void GameRuvId::QuickSave()
{
    ScreenNotice& notice = ScreenNotice::GetInstance();
    if (!MaySaveNow()) {
        notice.Show(Adventure() != nullptr && !creditsMode ? "Gerade kann nicht gespeichert werden."
                                                           : "Hier kann nicht gespeichert werden.");
        return;
    }
    const std::unique_ptr<Image> picture = ScreenShotGrabber::GetInstance().GrabScreen();
    if (picture == nullptr || !MainProgram::GetInstance().SaveGame(quickSlot, *picture)) {
        notice.Show("Schnellspeichern ist fehlgeschlagen.");
        return;
    }
    notice.Show("Schnell gespeichert.");
}

void GameRuvId::QuickLoad()
{
    ScreenNotice& notice = ScreenNotice::GetInstance();
    if (!MaySaveNow()) {
        notice.Show(Adventure() != nullptr && !creditsMode ? "Gerade kann nicht geladen werden."
                                                           : "Hier kann nicht geladen werden.");
        return;
    }
    if (!File::ExistsOnDisk(MainProgram::SlotFile(quickSlot, "dat").c_str())) {
        notice.Show("Es gibt noch keinen Schnellspeicherstand.");
        return;
    }
    // A damaged quick save is refused whole (the log says why); the game
    // goes on.
    const int loadedLevel = MainProgram::GetInstance().LoadGame(quickSlot);
    if (loadedLevel < 0) {
        notice.Show("Der Schnellspeicherstand ist besch\xE4" "digt.");
        return;
    }
    notice.Show("Schnellspeicherstand geladen.");
    menu.StartLoadedGame(loadedLevel);
}

bool GameRuvId::OnComfortKey(int key)
{
    if (menu.IsOpen())
        return false;
    switch (key) {
    case keyQuickSave:
        QuickSave();
        return true;
    case keyQuickLoad:
        QuickLoad();
        return true;
    case keyDialogueLog:
        if (Adventure() == nullptr || !menu.MayOpen())
            return false;
        menu.OpenDialogueLog();
        return true;
    default:
        return false;
    }
}

void GameRuvId::OnKeyDown(int key)
{
    // A held key repeats; the quick keys and the line skip act once per
    // press. (The keyboard state learns of this press only after us.)
    const bool once = key == keyQuickSave || key == keyQuickLoad || key == keyDialogueLog ||
                      key == RuvIdLevelAdventure::keySkipLine;
    if (!initialised || (once && KeyboardInput::GetInstance().IsDown(key)) || OnComfortKey(key))
        return;
    bool activated = false;
    if (!menu.OnKeyDown(key, activated)) {
        level->OnKey(key);
        return;
    }
    if (activated)
        menu.OnClick(false);
}

void GameRuvId::OnKeyUp(int key)
{
    if (initialised && !menu.IsOpen())
        level->OnKeyUp(key);
}

void GameRuvId::OnChar(int code)
{
    if (initialised && !menu.IsOpen())
        level->OnChar(code);
}

void GameRuvId::OnLButtonDown(int x, int y, bool doubleClick)
{
    if (!initialised)
        return;
    if (menu.IsOpen())
        MenuOnLButtonDown(x, y);
    else if (!menu.OnBarClick())
        level->OnLeftButtonDown(x, y, doubleClick);
}

void GameRuvId::MenuOnLButtonDown(int x, int y)
{
    menu.SetPointer(x, y);
    menu.OnClick();
}

void GameRuvId::OnLButtonUp(int x, int y)
{
    if (initialised && !menu.IsOpen())
        level->OnLeftButtonUp(x, y);
}

void GameRuvId::OnRButtonDown(int x, int y)
{
    if (initialised && !menu.IsOpen())
        level->OnRightButtonDown(x, y);
}

void GameRuvId::OnRButtonUp(int x, int y)
{
    if (initialised && !menu.IsOpen())
        level->OnRightButtonUp(x, y);
}

void GameRuvId::OnMouseMove(int x, int y)
{
    menu.SetPointer(x, y);
    if (initialised && !menu.IsOpen())
        level->OnMouseMove(x, y);
}

int GameRuvId::Command(const char* name, int, int)
{
    if (!initialised)
        return 0;
    const std::string command = name;
    if (command == "print flags") {
        LogPrint("--- Flag Dump ---\n");
        for (const Cast::Entry& entry : Cast::GetInstance().GetEntries()) {
            if (const auto* flag = dynamic_cast<const Flag*>(entry.object))
                flag->Dump();
        }
    } else if (command == "load settings") {
        LoadSettings("settings.txt");
    } else if (command == "save settings") {
        SaveSettings("settings.txt");
    } else if (command == "reset") {
        ResetGame();
    }
    // The element editor's commands have no editor to serve in this build.
    return 0;
}
