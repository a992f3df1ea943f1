#include "GameRoomView.h"

#include "GameParameters.h"
#include "LevelContent.h"
#include "MainProgram.h"
#include "adventure/Cast.h"
#include "adventure/Character.h"
#include "adventure/Inventory.h"
#include "adventure/LevelSettings.h"
#include "adventure/Room.h"
#include "adventure/RuvIdLevelAdventure.h"
#include "app/Debug.h"
#include "app/DebugDisplay.h"
#include "app/Factory.h"
#include "audio/SoundEngine.h"
#include "graphics/DirectDraw.h"
#include "graphics/LoadingScreen.h"
#include "graphics/RenderEngine.h"
#include "graphics/RenderTargetPainter.h"
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

} // namespace

GameRoomView::GameRoomView() = default;
GameRoomView::~GameRoomView() = default;

void GameRoomView::Init(int levelNumber)
{
    LevelContent::Load(levelNumber);
    level = std::make_unique<RuvIdLevelAdventure>();
    level->Init(LevelParameters{levelNumber});
    level->GetPlayer()->SetAnimName(LevelContent::playerFigure);
    Cast::GetInstance().Add(level.get(), LevelContent::SettingsName(levelNumber));
    LevelSettings::Load(levelNumber, "settings.txt", created);
    for (const Cast::Entry& entry : Cast::GetInstance().GetEntries()) {
        if (auto* found = dynamic_cast<Room*>(entry.object))
            rooms.push_back(found);
    }
    if (LoadingScreen::GetInstance().IsActive())
        LoadingScreen::GetInstance().End();
    if (rooms.empty())
        LogError("GameRoomView::Init: Level %d has no rooms!\n", levelNumber);
    else
        LevelContent::StartLevel(*level);
    NoteRoomChange();
    initialised = true;
}

void GameRoomView::EnterRoom(std::size_t index)
{
    LevelContent::EnterRoomAtFront(*level, *rooms[index % rooms.size()]);
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
    LevelContent::Unload();
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
