#include "GameRoomView.h"

#include "GameParameters.h"
#include "MainProgram.h"
#include "adventure/ByteMap.h"
#include "adventure/Cast.h"
#include "adventure/Character.h"
#include "adventure/Inventory.h"
#include "adventure/LevelSettings.h"
#include "adventure/PathFinder.h"
#include "adventure/Room.h"
#include "adventure/RuvIdLevelAdventure.h"
#include "app/Debug.h"
#include "app/DebugDisplay.h"
#include "app/Factory.h"
#include "audio/SampleManager.h"
#include "audio/SfxLoaderUtil.h"
#include "audio/SoundEngine.h"
#include "graphics/DirectDraw.h"
#include "graphics/FontLoaderUtil.h"
#include "graphics/LoadingScreen.h"
#include "graphics/RenderEngine.h"
#include "graphics/RenderTargetPainter.h"
#include "graphics/SpriteLoaderUtil.h"
#include "graphics/SpriteManager.h"

#include <algorithm>
#include <cstdio>

namespace {

const FactoryRegistration<GameState, GameRoomView> registration("GameRoomView");

constexpr int keyTab = 9;
constexpr int keyEscape = 27;
constexpr int keyLeft = 37;
constexpr int keyRight = 39;
constexpr int keyT = 'T';
constexpr float scrollStep = 64.0f;

// The path in orange, its waypoints as small squares.
constexpr std::uint32_t pathColour = 0xFF8C1A;

std::string LevelFile(int level, const char* name)
{
    char path[64];
    std::snprintf(path, sizeof path, "data\\level%02d\\%s", level, name);
    return path;
}

} // namespace

GameRoomView::GameRoomView() = default;
GameRoomView::~GameRoomView() = default;

void GameRoomView::Init(int levelNumber)
{
    SoundEngine::GetInstance().SetEnabled(SampleManager::GetInstance().IsInitialised());
    SpriteLoaderUtil::Load(LevelFile(levelNumber, "sprites.txt").c_str(), LevelFile(levelNumber, "sprites\\").c_str(),
                           0.0f, 0.6f);
    SpriteLoaderUtil::Load("data\\sharedadventure\\sprites.txt", "data\\sharedadventure\\sprites\\", 0.6f, 0.7f);
    SfxLoaderUtil::LoadSoundEffects("data\\sharedadventure\\sfx.txt", "sharedadventure\\audio\\sfx\\");
    FontLoaderUtil::LoadFonts();
    level = std::make_unique<RuvIdLevelAdventure>();
    level->Init(LevelParameters{levelNumber});
    level->GetPlayer()->SetAnimName(playerFigure);
    char settingsName[32];
    std::snprintf(settingsName, sizeof settingsName, "Level%02dSettings", levelNumber);
    Cast::GetInstance().Add(level.get(), settingsName);
    LevelSettings::Load(levelNumber, "settings.txt", created);
    for (const Cast::Entry& entry : Cast::GetInstance().GetEntries()) {
        if (auto* found = dynamic_cast<Room*>(entry.object))
            rooms.push_back(found);
    }
    if (LoadingScreen::GetInstance().IsActive())
        LoadingScreen::GetInstance().End();
    if (rooms.empty())
        LogError("GameRoomView::Init: Level %d has no rooms!\n", levelNumber);
    else if (level->GetStartRoom() == "NONE")
        EnterRoom(0);
    else
        level->Start();
    NoteRoomChange();
    initialised = true;
}

void GameRoomView::EnterRoom(std::size_t index)
{
    Room* room = rooms[index % rooms.size()];
    level->RequestRoom(Cast::GetInstance().GetFullName(room));
    level->DoSetRoom();
    if (level->GetRoom() != room || room->GetWalkArea() == nullptr)
        return;
    const ByteMap& walkArea = *room->GetWalkArea();
    int x = walkArea.GetWidth() / 2;
    int y = walkArea.GetHeight() * 7 / 8;
    PathFinder::ValidatePosition(walkArea, x, y);
    Character& figure = level->GetPlayer()->GetCharacter();
    figure.SetPosition(x * room->GetWidth() / std::max(1, walkArea.GetWidth()),
                       y * room->GetHeight() / std::max(1, walkArea.GetHeight()));
    figure.SetOrient(Entity::down);
    room->SetJumpScroll();
    room->Update(0.0f);
}

void GameRoomView::NoteRoomChange()
{
    const Room* room = level->GetRoom();
    if (room == shownRoom)
        return;
    shownRoom = room;
    scrolledByHand = false;
    if (room != nullptr)
        LogPrint("GameRoomView: %s, %d x %d\n", room->GetLabel().c_str(), room->GetWidth(), room->GetHeight());
}

void GameRoomView::Exit()
{
    if (level) {
        level->Exit();
        Cast::GetInstance().Remove(level.get());
        level.reset();
    }
    shownRoom = nullptr;
    rooms.clear();
    LevelSettings::Unload(created);
    RenderEngine::GetInstance().ClearRenderList();
    SpriteManager::GetInstance().Clear();
    SoundEngine::GetInstance().StopAll();
    SoundEngine::GetInstance().DestroyAll();
    initialised = false;
}

void GameRoomView::Update(float seconds)
{
    if (!initialised)
        return;
    SoundEngine::GetInstance().Update(seconds);
    DirectDraw::GetInstance().UpdateFade(seconds);
    // The options menu may switch shadows and light tints at any time.
    Character::SetGraphicsDetail(GameParameters::GetInstance().IsLightMapping());
    level->Update(seconds);
    NoteRoomChange();
    if (const std::optional<int> requested = level->TakeRequestedLevel()) {
        LogPrint("GameRoomView: Level %d requested, back to the main menu\n", *requested);
        MainProgram::GetInstance().SetProject("GameRuvIdMenu");
    }
    // What went into the inventory, for the log.
    const std::vector<std::string>& items = Inventory::GetInstance().GetItems();
    for (std::size_t index = inventoryLogged; index < items.size(); ++index)
        LogPrint("GameRoomView: %s taken\n", items[index].c_str());
    inventoryLogged = items.size();
    // Conversations beginning and ending, for the log.
    const bool talking = level->GetState() == AdventureLevel::conversation;
    if (talking != inConversation)
        LogPrint(talking ? "GameRoomView: Conversation begins\n" : "GameRoomView: Conversation over\n");
    inConversation = talking;
}

void GameRoomView::OnKeyDown(int key)
{
    if (!initialised)
        return;
    Room* room = level->GetRoom();
    if (key == keyEscape) {
        MainProgram::GetInstance().SetProject("GameRuvIdMenu");
    } else if (key == keyTab && !rooms.empty()) {
        const auto current = std::find(rooms.begin(), rooms.end(), room);
        EnterRoom(current == rooms.end() ? 0 : static_cast<std::size_t>(current - rooms.begin()) + 1);
        NoteRoomChange();
    } else if (key == keyT) {
        level->GetPlayer()->GetCharacter().Say({"Hallo! Ich bin Juna, und das hier ist ein Probesatz.", "", ""});
    } else if (room != nullptr && (key == keyLeft || key == keyRight)) {
        // By hand, the room stops following the figure until the next click.
        const float widest = static_cast<float>(std::max(0, room->GetWidth() - DirectDraw::canvasWidth));
        const float x = std::clamp(room->GetScrollX() + (key == keyLeft ? -scrollStep : scrollStep), 0.0f, widest);
        room->SetAutoFocus(false, x);
        room->SetScroll(x, room->GetScrollY());
        scrolledByHand = true;
    } else {
        level->OnKey(key);
    }
}

void GameRoomView::OnMouseMove(int x, int y)
{
    if (initialised)
        level->OnMouseMove(x, y);
}

void GameRoomView::OnLButtonDown(int x, int y, bool doubleClick)
{
    if (!initialised)
        return;
    if (scrolledByHand && level->GetRoom() != nullptr) {
        level->GetRoom()->SetAutoFocus(true, 0.0f);
        scrolledByHand = false;
    }
    level->OnLeftButtonDown(x, y, doubleClick);
}

void GameRoomView::OnLButtonUp(int x, int y)
{
    if (initialised)
        level->OnLeftButtonUp(x, y);
}

void GameRoomView::OnRButtonDown(int x, int y)
{
    if (initialised)
        level->OnRightButtonDown(x, y);
}

void GameRoomView::Render()
{
    if (!initialised)
        return;
    DirectDraw& display = DirectDraw::GetInstance();
    RenderEngine& engine = RenderEngine::GetInstance();
    SpriteManager::GetInstance().RestoreSurfaces();
    engine.ClearRenderList();
    level->Render();
    engine.Render();
    if (display.IsInitialised() && display.GetRenderTarget() != nullptr) {
        DrawPath();
        RenderTargetPainter painter(*display.GetRenderTarget());
        DebugDisplay::GetInstance().Draw(painter);
    }
    display.Flip();
}

void GameRoomView::DrawPath() const
{
    const Room* room = level->GetRoom();
    const Character& figure = level->GetPlayer()->GetCharacter();
    if (room == nullptr || figure.IsIdle())
        return;
    RenderTargetPainter painter(*DirectDraw::GetInstance().GetRenderTarget());
    const int scrollX = static_cast<int>(room->GetScrollX());
    const int scrollY = static_cast<int>(room->GetScrollY());
    const std::vector<Point>& path = figure.GetPath();
    for (std::size_t index = 0; index < path.size(); ++index) {
        const Point& point = path[index];
        painter.FillRectangle(point.x - scrollX - 3, point.y - scrollY - 3, point.x - scrollX + 3,
                              point.y - scrollY + 3, pathColour);
        // Three pixels thick, so that the path shows on any floor.
        for (int offset = -1; index > 0 && offset <= 1; ++offset)
            painter.DrawLine(path[index - 1].x - scrollX, path[index - 1].y - scrollY + offset, point.x - scrollX,
                             point.y - scrollY + offset, pathColour);
    }
}
