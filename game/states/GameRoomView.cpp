#include "GameRoomView.h"

#include "GameParameters.h"
#include "MainProgram.h"
#include "adventure/ByteMap.h"
#include "adventure/Cast.h"
#include "adventure/ConversationEngine.h"
#include "adventure/Door.h"
#include "adventure/Inventory.h"
#include "adventure/Item.h"
#include "adventure/LevelSettings.h"
#include "adventure/PathFinder.h"
#include "adventure/ScriptManager.h"
#include "adventure/TalkScriptManager.h"
#include "app/Debug.h"
#include "app/DebugDisplay.h"
#include "app/Factory.h"
#include "audio/SampleManager.h"
#include "audio/SfxLoaderUtil.h"
#include "audio/SoundEngine.h"
#include "files/File.h"
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
// The inventory bar's top edge while it is out (it slides down from there).
constexpr int inventoryTop = 656;
// Juna's height at scale 1, and how far above a point a bubble's text ends.
constexpr float playerHeight = 300.0f;
constexpr int bubbleAboveFoot = 35;

// The path in orange, its waypoints as small squares.
constexpr std::uint32_t pathColour = 0xFF8C1A;

std::string LevelFile(int level, const char* name)
{
    char path[64];
    std::snprintf(path, sizeof path, "data\\level%02d\\%s", level, name);
    return path;
}

} // namespace

void GameRoomView::Init(int levelNumber)
{
    level = levelNumber;
    SoundEngine::GetInstance().SetEnabled(SampleManager::GetInstance().IsInitialised());
    SpriteLoaderUtil::Load(LevelFile(level, "sprites.txt").c_str(), LevelFile(level, "sprites\\").c_str(), 0.0f, 0.6f);
    SpriteLoaderUtil::Load("data\\sharedadventure\\sprites.txt", "data\\sharedadventure\\sprites\\", 0.6f, 0.7f);
    SfxLoaderUtil::LoadSoundEffects("data\\sharedadventure\\sfx.txt", "sharedadventure\\audio\\sfx\\");
    FontLoaderUtil::LoadFonts();
    AdventureLevel::SetCurrent(this);
    Inventory::GetInstance().Init();
    TalkScriptManager::GetInstance().Load(level);
    ConversationEngine::GetInstance().Init();
    state = normal;
    inputEnabled = true;
    showLabels = true;
    player = std::make_unique<Player>();
    player->SetAnimName(playerFigure);
    LevelSettings::Load(level, "settings.txt", created);
    for (const Cast::Entry& entry : Cast::GetInstance().GetEntries()) {
        if (auto* found = dynamic_cast<Room*>(entry.object))
            rooms.push_back(found);
    }
    if (LoadingScreen::GetInstance().IsActive())
        LoadingScreen::GetInstance().End();
    if (rooms.empty())
        LogError("GameRoomView::Init: Level %d has no rooms!\n", level);
    else
        ShowRoom(0, std::nullopt, std::nullopt, Entity::down);
    initialised = true;
}

void GameRoomView::ShowRoom(std::size_t index, std::optional<Point> at, std::optional<Point> walkTo, int orient)
{
    if (room != nullptr)
        room->Exit();
    player->EnterRoom(nullptr);
    entities.clear();
    current = index % rooms.size();
    room = rooms[current];
    if (!room->Init()) {
        LogError("GameRoomView::ShowRoom: Room <%s> could not be shown!\n", room->GetLabel().c_str());
        room = nullptr;
        return;
    }
    LogPrint("GameRoomView: %s, %d x %d\n", room->GetLabel().c_str(), room->GetWidth(), room->GetHeight());
    const Cast& cast = Cast::GetInstance();
    const std::string group = cast.GetGroup(room);
    for (const Cast::Entry& entry : cast.GetEntries()) {
        auto* entity = dynamic_cast<Entity*>(entry.object);
        if (entity == nullptr || entity == &player->GetCharacter() || cast.GetGroup(entity) != group)
            continue;
        // Its pictures are the room's, registered only now.
        entity->ResetGraphics();
        entities.push_back(entity);
    }
    player->EnterRoom(room);
    Character& figure = player->GetCharacter();
    if (!at && room->GetWalkArea() != nullptr) {
        const ByteMap& walkArea = *room->GetWalkArea();
        int x = walkArea.GetWidth() / 2;
        int y = walkArea.GetHeight() * 7 / 8;
        PathFinder::ValidatePosition(walkArea, x, y);
        at = Point{x * room->GetWidth() / std::max(1, walkArea.GetWidth()),
                   y * room->GetHeight() / std::max(1, walkArea.GetHeight())};
    }
    if (at)
        figure.SetPosition(at->x, at->y);
    figure.SetOrient(orient >= 0 ? orient : Entity::down);
    if (walkTo)
        figure.WalkTo(walkTo->x, walkTo->y, orient);
    room->SetAutoFocus(true, 0.0f);
    room->SetJumpScroll();
    room->Update(0.0f);
}

void GameRoomView::Exit()
{
    if (room != nullptr)
        room->Exit();
    room = nullptr;
    entities.clear();
    rooms.clear();
    ScriptManager::GetInstance().StopBlocking();
    ScriptManager::GetInstance().StopAsync();
    ConversationEngine::GetInstance().Reset();
    Inventory::GetInstance().Clear();
    LevelSettings::Unload(created);
    player.reset();
    AdventureLevel::SetCurrent(nullptr);
    RenderEngine::GetInstance().ClearRenderList();
    SpriteManager::GetInstance().Clear();
    SoundEngine::GetInstance().StopAll();
    SoundEngine::GetInstance().DestroyAll();
    initialised = false;
}

bool GameRoomView::InputAllowed() const
{
    return inputEnabled && !pendingRoom && ScriptManager::GetInstance().IsIdle();
}

void GameRoomView::StopBlockingScripts()
{
    ScriptManager::GetInstance().StopBlocking();
}

void GameRoomView::RequestRoom(const std::string& roomName, int x, int y, int walkToX, int walkToY, int orient)
{
    pendingRoom = PendingRoom{roomName, {x, y}, {walkToX, walkToY}, orient};
}

bool GameRoomView::RunScript(const std::string& name, const std::string& argument)
{
    return ScriptManager::GetInstance().Run(name, argument);
}

void GameRoomView::RequestLevel(int requested)
{
    LogPrint("GameRoomView: Level %d requested, back to the main menu\n", requested);
    MainProgram::GetInstance().SetProject("GameRuvIdMenu");
}

int GameRoomView::CountRunningScripts() const
{
    const ScriptManager& scripts = ScriptManager::GetInstance();
    return static_cast<int>(scripts.GetBlocking().size() + scripts.GetAsync().size());
}

TalkEntry GameRoomView::GetUseLine(const std::string& elementName)
{
    return TalkScriptManager::GetInstance().GetUse(elementName);
}

TalkEntry GameRoomView::GetExamineLine(const std::string& elementName)
{
    return TalkScriptManager::GetInstance().GetExamine(elementName);
}

TalkEntry GameRoomView::GetCombineLine(const std::string& itemName, const std::string& targetName)
{
    return TalkScriptManager::GetInstance().GetCombine(itemName, targetName);
}

void GameRoomView::Perform(const TalkEntry& entry)
{
    TalkScriptManager::GetInstance().Perform(entry);
}

void GameRoomView::Update(float seconds)
{
    if (!initialised)
        return;
    SoundEngine::GetInstance().Update(seconds);
    DirectDraw::GetInstance().UpdateFade(seconds);
    // The options menu may switch shadows and light tints at any time.
    Character::SetGraphicsDetail(GameParameters::GetInstance().IsLightMapping());
    if (pendingRoom) {
        const PendingRoom change = *pendingRoom;
        pendingRoom.reset();
        const auto found = std::find_if(rooms.begin(), rooms.end(), [&](const Room* candidate) {
            return Cast::GetInstance().GetFullName(candidate) == change.name;
        });
        if (found == rooms.end())
            LogError("GameRoomView::Update: Failed to find room <%s>!\n", change.name.c_str());
        else
            ShowRoom(static_cast<std::size_t>(found - rooms.begin()), change.at, change.walkTo, change.orient);
    }
    if (room == nullptr)
        return;
    Character& figure = player->GetCharacter();
    figure.Update(seconds);
    // Her bubble stays just above her head however far back she stands.
    figure.SetSpeechBubbleOffset({0, bubbleAboveFoot - static_cast<int>(playerHeight * figure.GetScale())});
    for (Entity* entity : entities) {
        if (entity->IsActive())
            entity->Update(seconds);
    }
    ScriptManager::GetInstance().Update(seconds);
    ConversationEngine::GetInstance().Update(seconds);
    // What went into the inventory, for the log.
    const std::vector<std::string>& items = Inventory::GetInstance().GetItems();
    for (std::size_t index = inventoryLogged; index < items.size(); ++index)
        LogPrint("GameRoomView: %s taken\n", items[index].c_str());
    inventoryLogged = items.size();
    Inventory::GetInstance().Update(seconds);
    room->Update(seconds);
}

std::optional<Point> GameRoomView::FloorBelow(Point point) const
{
    const ByteMap* walkArea = room->GetWalkArea();
    if (walkArea == nullptr || room->GetWidth() <= 0 || room->GetHeight() <= 0)
        return std::nullopt;
    const int x = point.x * walkArea->GetWidth() / room->GetWidth();
    for (int y = std::max(0, point.y * walkArea->GetHeight() / room->GetHeight()); y < walkArea->GetHeight(); ++y) {
        if (walkArea->Get(x, y) != 0)
            return Point{point.x, y * room->GetHeight() / walkArea->GetHeight()};
    }
    return std::nullopt;
}

bool GameRoomView::OverInventory(int y) const
{
    const float slide = Inventory::GetInstance().GetSlide();
    return slide < Inventory::hiddenSlide && static_cast<float>(y) >= static_cast<float>(inventoryTop) + slide;
}

Point GameRoomView::World(int x, int y) const
{
    return {x + static_cast<int>(room->GetScrollX()), y + static_cast<int>(room->GetScrollY())};
}

Entity* GameRoomView::PickEntity(int x, int y) const
{
    const Point at = World(x, y);
    Entity* picked = nullptr;
    for (Entity* entity : entities) {
        if (entity->IsActive() && !entity->IsHidden() && entity->IsCursorOver(at.x, at.y) &&
            (picked == nullptr || entity->GetSortDepth() > picked->GetSortDepth()))
            picked = entity;
    }
    return picked;
}

void GameRoomView::OnKeyDown(int key)
{
    if (!initialised)
        return;
    if (key == keyEscape) {
        MainProgram::GetInstance().SetProject("GameRuvIdMenu");
        return;
    }
    if (key == keyTab && !rooms.empty()) {
        ShowRoom(current + 1, std::nullopt, std::nullopt, Entity::down);
        return;
    }
    if (key == keyT && player)
        player->GetCharacter().Say({"Hallo! Ich bin Juna, und das hier ist ein Probesatz.", "", ""});
    if (room != nullptr && (key == keyLeft || key == keyRight)) {
        // By hand, the room stops following the figure until the next click.
        const float widest = static_cast<float>(std::max(0, room->GetWidth() - DirectDraw::canvasWidth));
        const float x = std::clamp(room->GetScrollX() + (key == keyLeft ? -scrollStep : scrollStep), 0.0f, widest);
        room->SetAutoFocus(false, x);
        room->SetScroll(x, room->GetScrollY());
    }
}

void GameRoomView::OnMouseMove(int x, int y)
{
    mouseX = x;
    mouseY = y;
    Inventory::GetInstance().SetMousePosition(x, y);
    ConversationEngine::GetInstance().SetMousePosition(x, y);
}

void GameRoomView::OnLButtonDown(int x, int y, bool)
{
    OnMouseMove(x, y);
    if (!initialised || room == nullptr)
        return;
    // In a conversation a click only chooses among the offered lines.
    if (state == conversation) {
        ConversationEngine::GetInstance().OnClick(x, y);
        return;
    }
    if (!InputAllowed())
        return;
    Inventory& inventory = Inventory::GetInstance();
    if (OverInventory(y)) {
        inventory.OnLeftClick(x, y);
        return;
    }
    // A click ends what the player may interrupt (walking up to use something).
    ScriptManager::GetInstance().StopBlocking();
    room->SetAutoFocus(true, 0.0f);
    Entity* target = PickEntity(x, y);
    if (state == combineMode) {
        if (target != nullptr) {
            inventory.SetCombineWith(target);
            inventory.Combine();
        }
        return;
    }
    Point to = target != nullptr && target->IsActPositionValid() ? target->GetActPosition() : World(x, y);
    const FloatPoint from = player->GetCharacter().GetPosition();
    const int orient = target != nullptr ? target->GetActOrient() : Entity::noDirection;
    bool walks = player->WalkTo(to.x, to.y, orient);
    // A click on a wall or the sky far from any floor: the floor below it.
    if (!walks && player->GetCharacter().IsIdle()) {
        if (const std::optional<Point> below = FloorBelow(to)) {
            to = *below;
            walks = player->WalkTo(to.x, to.y, orient);
        }
    }
    LogPrint("GameRoomView: %s from (%d, %d) to (%d, %d): %zu waypoints\n", walks ? "walk" : "no walk",
             static_cast<int>(from.x), static_cast<int>(from.y), to.x, to.y,
             walks ? player->GetCharacter().GetPath().size() : 0);
    // A thing clicked is used once the figure stands still (at once when
    // it was already there).
    if (target != nullptr)
        ScriptManager::GetInstance().Run("ScriptOnUse", Cast::GetInstance().GetFullName(target));
}

void GameRoomView::OnRButtonDown(int x, int y)
{
    OnMouseMove(x, y);
    if (!initialised || room == nullptr || state == conversation || !InputAllowed())
        return;
    if (state == combineMode) {
        state = normal;
        Inventory::GetInstance().SetCombineItem(nullptr);
        return;
    }
    if (OverInventory(y)) {
        Inventory::GetInstance().OnRightClick(x, y);
        return;
    }
    if (Entity* target = PickEntity(x, y))
        ScriptManager::GetInstance().Run("ScriptOnExamine", Cast::GetInstance().GetFullName(target));
}

void GameRoomView::Render()
{
    if (!initialised)
        return;
    DirectDraw& display = DirectDraw::GetInstance();
    RenderEngine& engine = RenderEngine::GetInstance();
    SpriteManager::GetInstance().RestoreSurfaces();
    engine.ClearRenderList();
    if (room != nullptr) {
        room->Draw();
        for (Entity* entity : entities) {
            if (entity->IsActive())
                entity->Draw();
        }
        player->GetCharacter().Draw();
        Entity* hovered = !showLabels || OverInventory(mouseY) ? nullptr : PickEntity(mouseX, mouseY);
        if (state == combineMode)
            Inventory::GetInstance().SetCombineWith(hovered); // the bar's line names it
        else if (hovered != nullptr && state != conversation)
            hovered->ShowLabel();
    }
    Inventory::GetInstance().Render();
    ConversationEngine::GetInstance().Render();
    engine.Render();
    if (display.IsInitialised() && display.GetRenderTarget() != nullptr) {
        RenderTargetPainter painter(*display.GetRenderTarget());
        if (room != nullptr && !player->GetCharacter().IsIdle()) {
            const int scrollX = static_cast<int>(room->GetScrollX());
            const int scrollY = static_cast<int>(room->GetScrollY());
            const std::vector<Point>& path = player->GetCharacter().GetPath();
            for (std::size_t index = 0; index < path.size(); ++index) {
                const Point& point = path[index];
                painter.FillRectangle(point.x - scrollX - 3, point.y - scrollY - 3, point.x - scrollX + 3,
                                      point.y - scrollY + 3, pathColour);
                // Three pixels thick, so that the path shows on any floor.
                for (int offset = -1; index > 0 && offset <= 1; ++offset)
                    painter.DrawLine(path[index - 1].x - scrollX, path[index - 1].y - scrollY + offset,
                                     point.x - scrollX, point.y - scrollY + offset, pathColour);
            }
        }
        DebugDisplay::GetInstance().Draw(painter);
    }
    display.Flip();
}
