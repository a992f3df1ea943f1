#include "RuvIdLevelAdventure.h"

#include "ByteMap.h"
#include "Cast.h"
#include "Character.h"
#include "ConversationEngine.h"
#include "Entity.h"
#include "Flag.h"
#include "Inventory.h"
#include "PositionEditor.h"
#include "Room.h"
#include "Script.h"
#include "ScriptManager.h"
#include "TalkScriptManager.h"
#include "app/Debug.h"
#include "app/KeyboardInput.h"
#include "audio/SoundEngine.h"
#include "files/Serializer.h"
#include "graphics/DirectDraw.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteManager.h"

#include <algorithm>

namespace {

constexpr const char* inventoryName = "Inventory";
constexpr float cursorDepth = 1.0f;
// Under the labels (0.9), over the scene.
constexpr float hotspotDepth = 0.89f;
// A hotspot's label stands this far below the middle of its marker.
constexpr int hotspotLabelBelow = 26;
// The player's height at scale 1, and how far above a point a bubble's
// text ends: her bubble stays just above her head however far back she stands.
constexpr float playerHeight = 300.0f;
constexpr int bubbleAboveFoot = 35;

// "ScriptEpisode1Init" and the like.
std::string EpisodeScriptName(int level, const char* when)
{
    return "ScriptEpisode" + std::to_string(level) + when;
}

ScriptManager& Scripts()
{
    return ScriptManager::GetInstance();
}

} // namespace

RuvIdLevelAdventure::RuvIdLevelAdventure() = default;

RuvIdLevelAdventure::~RuvIdLevelAdventure()
{
    if (AdventureLevel::Current() == this)
        AdventureLevel::SetCurrent(nullptr);
    if (Cast::Exists() && Inventory::Exists())
        Cast::GetInstance().Remove(&Inventory::GetInstance());
}

void RuvIdLevelAdventure::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("LevelParameter", name);
    serializer.SerializeIntPair("start playerpos", startPlayerPos);
    serializer.SerializeIntPair("start walk to", startWalkTo);
    serializer.SerializeInt("Room Id", &roomId);
    std::string rooms = "combobox [NONE]";
    if (serializer.IsWriting()) {
        for (const Cast::Entry& entry : Cast::GetInstance().GetEntries()) {
            if (const auto* found = dynamic_cast<const Room*>(entry.object))
                rooms += "[" + found->GetLabel() + "]";
        }
    }
    serializer.SetHint(rooms.c_str(), "");
    serializer.SerializeString("Start Room", startRoom);
    serializer.EndSection();
}

void RuvIdLevelAdventure::SerializeState(Serializer& serializer, const char* name)
{
    const std::string shown = room != nullptr ? Cast::GetInstance().GetFullName(room) : std::string();
    std::string saved = shown;
    serializer.BeginSection("LevelParameter", name);
    serializer.SerializeString("Current Room", saved);
    serializer.EndSection();
    if (!serializer.IsReading() || saved.empty())
        return;
    // A loaded game goes on where it was saved: not the episode's start
    // script (its opening) but its resume script (its music) runs.
    episodeStartPending = false;
    episodeResumePending = true;
    if (saved != shown)
        RequestRoom(saved);
}

bool RuvIdLevelAdventure::Init(const LevelParameters& levelParameters)
{
    parameters = levelParameters;
    AdventureLevel::SetCurrent(this);
    Inventory& inventory = Inventory::GetInstance();
    inventory.Init();
    ConversationEngine::GetInstance().Init();
    TalkScriptManager::GetInstance().Load(parameters.level);
    inputEnabled = true;
    showLabels = true;
    skipRequested = false;
    episodeStartPending = true;
    episodeResumePending = false;
    player = std::make_unique<Player>();
    Cast::GetInstance().Add(&inventory, inventoryName);
    cursor.SetSpriteLabel("cursor");
    state = normal;
    initialised = true;
    return true;
}

void RuvIdLevelAdventure::Exit()
{
    if (!initialised)
        return;
    ScriptManager& scripts = Scripts();
    scripts.StopBlocking();
    scripts.StopAsync();
    // What the exit script does at once happens before the level goes;
    // nothing of it outlives the level.
    RunStartScript(EpisodeScriptName(parameters.level, "Exit"), "episode-exit");
    scripts.Update(0.0f);
    scripts.StopBlocking();
    scripts.StopAsync();
    if (room != nullptr)
        room->Exit();
    room = nullptr;
    roomEntities.clear();
    pendingRoom.reset();
    ConversationEngine::GetInstance().Reset();
    Inventory::GetInstance().Clear();
    Cast::GetInstance().Remove(&Inventory::GetInstance());
    player.reset();
    if (AdventureLevel::Current() == this)
        AdventureLevel::SetCurrent(nullptr);
    initialised = false;
}

void RuvIdLevelAdventure::Reset()
{
    if (player)
        player->GetCharacter().Reset();
    Inventory::GetInstance().Clear();
    state = normal;
    Scripts().StopBlocking();
}

bool RuvIdLevelAdventure::Start()
{
    if (!pendingRoom) {
        if (startRoom.empty() || startRoom == "NONE") {
            LogError("RuvIdLevelAdventure::Start: Level %d has no start room!\n", parameters.level);
            return false;
        }
        RequestRoom(Cast::RoomName(startRoom), startPlayerPos[0], startPlayerPos[1], startWalkTo[0], startWalkTo[1]);
    }
    DoSetRoom();
    return room != nullptr;
}

void RuvIdLevelAdventure::RequestRoom(const std::string& roomName)
{
    pendingRoom = PendingRoom{roomName, std::nullopt, std::nullopt, Entity::noDirection};
}

void RuvIdLevelAdventure::RequestRoom(const std::string& roomName, int x, int y, int walkToX, int walkToY, int orient)
{
    pendingRoom = PendingRoom{roomName, Point{x, y}, Point{walkToX, walkToY}, orient};
}

std::optional<int> RuvIdLevelAdventure::TakeRequestedLevel()
{
    const std::optional<int> level = requestedLevel;
    requestedLevel.reset();
    return level;
}

void RuvIdLevelAdventure::ApplyArrivalMarkers(std::string& roomName)
{
    const auto arrive = [&roomName](bool& marker, const char* arrivalRoom, const char* flagName) {
        if (!marker)
            return;
        marker = false;
        roomName = arrivalRoom;
        if (auto* flag = Cast::GetInstance().FindAs<Flag>(flagName))
            flag->SetValue(1);
    };
    arrive(catapultWon, "RoomBurghof|Room", "Passwortja");
    arrive(alienShooterWon, "RoomBasis|Room", "AlienShooterVorbei");
}

void RuvIdLevelAdventure::DoSetRoom()
{
    if (!pendingRoom || !player)
        return;
    PendingRoom change = std::move(*pendingRoom);
    pendingRoom.reset();
    ApplyArrivalMarkers(change.name);

    ScriptManager& scripts = Scripts();
    if (room != nullptr)
        room->Exit();
    scripts.StopAsync();
    room = nullptr;
    roomEntities.clear();
    player->EnterRoom(nullptr);

    Room* next = Cast::GetInstance().FindAs<Room>(change.name);
    if (next == nullptr) {
        LogError("RuvIdLevelAdventure::DoSetRoom: Failed to find room <%s>!\n", change.name.c_str());
        return;
    }
    if (!next->Init(this))
        return; // the room has said why
    room = next;
    CollectRoomEntities();
    player->EnterRoom(room);
    Character& figure = player->GetCharacter();
    if (change.at)
        figure.SetPosition(change.at->x, change.at->y);
    if (change.walkTo)
        figure.WalkTo(change.walkTo->x, change.walkTo->y, change.orient);
    room->SetAutoFocus(true, 0.0f);
    room->SetJumpScroll();

    if (SoundEngine::Exists())
        SoundEngine::GetInstance().StopEffectsAndSpeech();

    if (episodeStartPending) {
        episodeStartPending = false;
        // An episode starts with no script of before running.
        scripts.StopBlocking();
        scripts.StopAsync();
        RunStartScript(EpisodeScriptName(parameters.level, "Init"), "episode-startup");
    }
    if (episodeResumePending) {
        episodeResumePending = false;
        RunStartScript(EpisodeScriptName(parameters.level, "Resume"), "episode-resume");
    }
    RunStartScript("Script" + room->GetLabel(), "room-startup");

    scripts.Update(arrangeSeconds);
    if (room == nullptr)
        return;
    UpdatePlayer(arrangeSeconds);
    for (Entity* entity : roomEntities) {
        if (entity->IsActive())
            entity->Update(arrangeSeconds);
    }
    room->Update(0.0f);
}

void RuvIdLevelAdventure::RunStartScript(const std::string& name, const char* kind)
{
    if (ScriptFactory::GetInstance().IsRegistered(name)) {
        LogPrint("Run %s script <%s>\n", kind, name.c_str());
        Scripts().Run(name);
    } else {
        LogPrint("%s script <%s> not available\n", kind, name.c_str());
    }
}

void RuvIdLevelAdventure::CollectRoomEntities()
{
    const Cast& cast = Cast::GetInstance();
    const std::string group = cast.GetGroup(room);
    for (const Cast::Entry& entry : cast.GetEntries()) {
        auto* entity = dynamic_cast<Entity*>(entry.object);
        if (entity == nullptr || entity == &player->GetCharacter() || cast.GetGroup(entity) != group)
            continue;
        if (std::find(roomEntities.begin(), roomEntities.end(), entity) != roomEntities.end())
            continue;
        entity->SetRoom(room);
        // Its pictures are the room's, registered only now.
        entity->ResetGraphics();
        roomEntities.push_back(entity);
    }
}

void RuvIdLevelAdventure::SetState(int newState)
{
    if (newState < normal || newState > conversation) {
        LogError("RuvIdLevelAdventure::SetState: Unknown state %d!\n", newState);
        return;
    }
    state = newState;
}

bool RuvIdLevelAdventure::InputAllowed() const
{
    return inputEnabled && Scripts().IsIdle();
}

void RuvIdLevelAdventure::StopBlockingScripts()
{
    Scripts().StopBlocking();
}

bool RuvIdLevelAdventure::RunScript(const std::string& name, const std::string& argument)
{
    return Scripts().Run(name, argument);
}

int RuvIdLevelAdventure::CountRunningScripts() const
{
    const ScriptManager& scripts = Scripts();
    return static_cast<int>(scripts.GetBlocking().size() + scripts.GetAsync().size());
}

TalkEntry RuvIdLevelAdventure::GetUseLine(const std::string& elementName)
{
    return TalkScriptManager::GetInstance().GetUse(elementName);
}

TalkEntry RuvIdLevelAdventure::GetExamineLine(const std::string& elementName)
{
    return TalkScriptManager::GetInstance().GetExamine(elementName);
}

TalkEntry RuvIdLevelAdventure::GetCombineLine(const std::string& itemName, const std::string& targetName)
{
    return TalkScriptManager::GetInstance().GetCombine(itemName, targetName);
}

void RuvIdLevelAdventure::Perform(const TalkEntry& entry)
{
    TalkScriptManager::GetInstance().Perform(entry);
}

void RuvIdLevelAdventure::Update(float dt)
{
    if (!initialised)
        return;
    Step(dt);
    if (!skipRequested)
        return;
    for (int steps = 0; !SkipDone(); ++steps) {
        if (steps == skipStepLimit) {
            LogWarning("RuvIdLevelAdventure::Update: ActionSequence >200sec, skipping.\n");
            break;
        }
        Step(skipStepSeconds);
    }
    skipRequested = false;
}

bool RuvIdLevelAdventure::SkipDone() const
{
    if (state == conversation && ConversationEngine::GetInstance().GetState() == ConversationEngine::choosing)
        return true;
    return InputAllowed();
}

void RuvIdLevelAdventure::Step(float dt)
{
    if (room != nullptr)
        Scripts().Update(dt);
    Inventory::GetInstance().Update(dt);
    if (state == conversation)
        ConversationEngine::GetInstance().Update(dt);
    UpdatePlayer(dt);
    if (room != nullptr) {
        room->Update(dt);
        for (Entity* entity : roomEntities) {
            if (entity->IsActive())
                entity->Update(dt);
        }
    }
    if (pendingRoom)
        DoSetRoom();
}

void RuvIdLevelAdventure::UpdatePlayer(float dt)
{
    Character& figure = player->GetCharacter();
    if (!figure.IsActive())
        return;
    figure.Update(dt);
    figure.SetSpeechBubbleOffset({0, bubbleAboveFoot - static_cast<int>(playerHeight * figure.GetScale())});
}

void RuvIdLevelAdventure::Render()
{
    if (!initialised)
        return;
    if (room != nullptr) {
        room->Draw();
        Character& figure = player->GetCharacter();
        if (figure.IsActive())
            figure.Draw();
        for (Entity* entity : roomEntities) {
            if (entity->IsActive())
                entity->Draw();
        }
        if (showLabels) {
            const bool hotspots = state != conversation && IsHotspotKeyHeld();
            Entity* hovered = IsOverInventory(mouseY) ? nullptr : PickEntity(mouseX, mouseY);
            if (hotspots)
                DrawHotspots();
            else if (hovered != nullptr && state != conversation)
                hovered->ShowLabel();
            if (state == combineMode)
                Inventory::GetInstance().SetCombineWith(hovered); // the bar's line names it
        }
    }
    Inventory::GetInstance().Render();
    if (state == conversation)
        ConversationEngine::GetInstance().Render();
    // The system's pointer is hidden in full screen; combine mode shows the item instead.
    const DirectDraw& display = DirectDraw::GetInstance();
    if (display.IsInitialised() && display.IsFullScreen() && state != combineMode && showLabels) {
        if (Sprite* sprite = cursor.GetSprite())
            sprite->DrawTopLeft(mouseX, mouseY, cursor.GetCurrentFrame(), cursorDepth);
    }
}

void RuvIdLevelAdventure::OnKey(int key)
{
    if (key == keyEnter && initialised && !InputAllowed())
        skipRequested = true;
    else if (key == keySkipLine && initialised)
        SkipSpokenLine();
}

bool RuvIdLevelAdventure::SkipSpokenLine()
{
    bool skipped = false;
    const auto skip = [&skipped](Character& figure) {
        if (!figure.IsTalking())
            return;
        figure.StopSpeech();
        skipped = true;
    };
    // Whoever speaks, in the room or from outside it.
    skip(player->GetCharacter());
    for (const Cast::Entry& entry : Cast::GetInstance().GetEntries()) {
        if (auto* figure = dynamic_cast<Character*>(entry.object))
            skip(*figure);
    }
    if (skipped)
        LogPrint("RuvIdLevelAdventure: Line skipped\n");
    return skipped;
}

bool RuvIdLevelAdventure::IsHotspotKeyHeld()
{
    return KeyboardInput::GetInstance().IsDown(keyHotspots);
}

// Every labelled thing the player could click: a marker on the middle of
// its box and its label under it, except where the inventory bar is up.
// Only drawn; nothing of the game changes.
void RuvIdLevelAdventure::DrawHotspots() const
{
    Sprite* marker = SpriteManager::GetInstance().GetSpriteIfDescribed("hotspot_marker");
    for (const Entity* entity : roomEntities) {
        if (!entity->IsActive() || entity->IsHidden() || entity->GetLabel().empty())
            continue;
        const BoundingBox& box = entity->GetBoundingBox();
        const Point centre = {static_cast<int>(entity->GetPosition().x - room->GetScrollX()) + (box.Left + box.Right) / 2,
                              static_cast<int>(entity->GetPosition().y - room->GetScrollY()) + (box.Top + box.Bottom) / 2};
        // What the raised inventory bar covers cannot be clicked now.
        if (IsOverInventory(centre.y))
            continue;
        if (marker != nullptr)
            marker->DrawTopLeft(centre.x - marker->GetFullWidth() / 2, centre.y - marker->GetFullHeight() / 2, 0,
                                hotspotDepth);
        entity->ShowLabel(hotspotLabelBelow);
    }
}

bool RuvIdLevelAdventure::IsOverInventory(int y) const
{
    return static_cast<float>(y) > static_cast<float>(inventoryTop) + Inventory::GetInstance().GetSlide();
}

Point RuvIdLevelAdventure::World(int x, int y) const
{
    return {x + static_cast<int>(room->GetScrollX()), y + static_cast<int>(room->GetScrollY())};
}

Entity* RuvIdLevelAdventure::PickEntity(int x, int y) const
{
    if (room == nullptr)
        return nullptr;
    const Point at = World(x, y);
    Entity* picked = nullptr;
    for (Entity* entity : roomEntities) {
        if (entity->IsActive() && !entity->IsHidden() && entity->IsCursorOver(at.x, at.y) &&
            (picked == nullptr || entity->GetSortDepth() > picked->GetSortDepth()))
            picked = entity;
    }
    return picked;
}

void RuvIdLevelAdventure::OnMouseMove(int x, int y)
{
    mouseX = x;
    mouseY = y;
    Inventory::GetInstance().SetMousePosition(x, y);
    ConversationEngine::GetInstance().SetMousePosition(x, y);
}

void RuvIdLevelAdventure::LeaveCombineMode()
{
    state = normal;
    Inventory::GetInstance().SetCombineItem(nullptr);
}

void RuvIdLevelAdventure::OnLeftButtonDown(int x, int y, bool)
{
    OnMouseMove(x, y);
    if (!initialised || room == nullptr)
        return;
    PositionEditor& editor = PositionEditor::GetInstance();
    if (editor.IsActive() && editor.OnLeftButtonDown())
        return;
    if (state == conversation) {
        ConversationEngine::GetInstance().OnClick(x, y);
        return;
    }
    if (IsOverInventory(y)) {
        Inventory::GetInstance().OnLeftClick(x, y);
        return;
    }
    if (y < menuBandEnd || !InputAllowed())
        return;
    // A click ends what the player may interrupt (walking up to use something).
    Scripts().StopBlocking();
    const bool combine = state == combineMode;
    Entity* target = WalkToClick(x, y);
    if (target == nullptr) {
        LeaveCombineMode();
    } else if (combine) {
        Inventory::GetInstance().SetCombineWith(target);
        state = combining;
        Scripts().Run("ScriptOnCombine");
    } else {
        state = normal;
        Scripts().Run("ScriptOnUse", Cast::GetInstance().GetFullName(target));
    }
}

void RuvIdLevelAdventure::OnLeftButtonUp(int, int)
{
    PositionEditor::GetInstance().OnLeftButtonUp();
}

void RuvIdLevelAdventure::OnRightButtonDown(int x, int y)
{
    OnMouseMove(x, y);
    if (!initialised || room == nullptr)
        return;
    // While someone speaks, a right click only ends the line.
    if (SkipSpokenLine())
        return;
    if (state == conversation)
        return;
    if (state == combineMode) {
        LeaveCombineMode();
        return;
    }
    if (IsOverInventory(y)) {
        Inventory::GetInstance().OnRightClick(x, y);
        return;
    }
    if (y < menuBandEnd || !InputAllowed())
        return;
    Scripts().StopBlocking();
    if (Entity* target = WalkToClick(x, y))
        Scripts().Run("ScriptOnExamine", Cast::GetInstance().GetFullName(target));
}

Entity* RuvIdLevelAdventure::WalkToClick(int x, int y)
{
    Entity* target = PickEntity(x, y);
    if (target != nullptr && target->GetLabel().empty())
        target = nullptr;
    Character& figure = player->GetCharacter();
    const bool actValid = target != nullptr && target->IsActPositionValid();
    if (target != nullptr && target->HasNoActPosition()) {
        if (actValid)
            figure.TurnTo(target->GetActOrient());
        else
            figure.Stop();
        return target;
    }
    WalkPlayer(actValid ? target->GetActPosition() : World(x, y), actValid ? target->GetActOrient() : Entity::noDirection);
    return target;
}

void RuvIdLevelAdventure::WalkPlayer(Point to, int orient)
{
    Character& figure = player->GetCharacter();
    const FloatPoint from = figure.GetPosition();
    bool walks = figure.WalkTo(to.x, to.y, orient);
    if (!walks && figure.IsIdle()) {
        if (const std::optional<Point> below = FloorBelow(to)) {
            to = *below;
            walks = figure.WalkTo(to.x, to.y, orient);
        }
    }
    LogPrint("RuvIdLevelAdventure: %s from (%d, %d) to (%d, %d): %zu waypoints\n", walks ? "walk" : "no walk",
             static_cast<int>(from.x), static_cast<int>(from.y), to.x, to.y, walks ? figure.GetPath().size() : 0);
}

std::optional<Point> RuvIdLevelAdventure::FloorBelow(Point point) const
{
    const ByteMap* walkArea = room->GetWalkArea();
    if (walkArea == nullptr || room->GetWidth() <= 0 || room->GetHeight() <= 0)
        return std::nullopt;
    const int x = point.x * walkArea->GetWidth() / room->GetWidth();
    if (x < 0 || x >= walkArea->GetWidth())
        return std::nullopt;
    for (int y = std::max(0, point.y * walkArea->GetHeight() / room->GetHeight()); y < walkArea->GetHeight(); ++y) {
        if (walkArea->Get(x, y) != 0)
            return Point{point.x, y * room->GetHeight() / walkArea->GetHeight()};
    }
    return std::nullopt;
}
