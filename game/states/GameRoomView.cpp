#include "GameRoomView.h"

#include "GameParameters.h"
#include "MainProgram.h"
#include "adventure/ByteMap.h"
#include "adventure/PathFinder.h"
#include "adventure/RoomList.h"
#include "app/Debug.h"
#include "app/DebugDisplay.h"
#include "app/Factory.h"
#include "audio/SampleManager.h"
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

void GameRoomView::Init(int levelNumber)
{
    level = levelNumber;
    SoundEngine::GetInstance().SetEnabled(SampleManager::GetInstance().IsInitialised());
    const std::string folder = LevelFolder(level);
    if (File::Exists((folder + "sprites.txt").c_str()))
        SpriteLoaderUtil::Load((folder + "sprites.txt").c_str(), (folder + "sprites\\").c_str(), 0.0f, 0.6f);
    SpriteLoaderUtil::Load("data\\sharedadventure\\sprites.txt", "data\\sharedadventure\\sprites\\", 0.6f, 0.7f);
    FontLoaderUtil::LoadFonts();
    player = std::make_unique<Player>();
    player->SetAnimName(playerFigure);
    folders = ReadRoomList(level);
    if (LoadingScreen::GetInstance().IsActive())
        LoadingScreen::GetInstance().End();
    if (!folders.empty())
        ShowRoom(0);
    initialised = true;
}

void GameRoomView::ShowRoom(std::size_t index)
{
    details.clear();
    if (room)
        room->Exit();
    current = index % folders.size();
    const std::string folder = LevelFolder(level) + folders[current] + "\\";
    room = std::make_unique<Room>();
    room->SetSpriteInfosFilename(folder + "spriteinfos.txt");
    room->SetAmbientSoundfile(folder + "ambient.ogg");
    player->EnterRoom(nullptr);
    if (!room->Init()) {
        LogError("GameRoomView::ShowRoom: Room <%s> could not be shown!\n", folders[current].c_str());
        return;
    }
    LogPrint("GameRoomView: %s, %d x %d\n", folders[current].c_str(), room->GetWidth(), room->GetHeight());
    // In the game its elements draw these; here they stand where the
    // room's sprite-info file puts them.
    for (const std::string& label : room->GetRegisteredLabels()) {
        const SpriteInfo* info = SpriteManager::GetInstance().FindSpriteInfo(label);
        if (info == nullptr || !info->hasPlacement)
            continue;
        Detail& detail = details.emplace_back();
        detail.animation.SetSpriteLabel(label);
        detail.placement = info->placement;
    }
    // The figure stands on the floor nearest the front middle of the room.
    player->EnterRoom(room.get());
    Character& figure = player->GetCharacter();
    if (const ByteMap* walkArea = room->GetWalkArea()) {
        int x = walkArea->GetWidth() / 2;
        int y = walkArea->GetHeight() * 7 / 8;
        PathFinder::ValidatePosition(*walkArea, x, y);
        figure.SetPosition(x * room->GetWidth() / std::max(1, walkArea->GetWidth()),
                           y * room->GetHeight() / std::max(1, walkArea->GetHeight()));
    }
    figure.SetOrient(Entity::down);
    room->SetJumpScroll();
    room->Update(0.0f);
}

void GameRoomView::Exit()
{
    details.clear();
    if (player)
        player->EnterRoom(nullptr);
    if (room)
        room->Exit();
    room.reset();
    player.reset();
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
    for (Detail& detail : details)
        detail.animation.Update(seconds);
    // The options menu may switch shadows and light tints at any time.
    Character::SetGraphicsDetail(GameParameters::GetInstance().IsLightMapping());
    if (room && player) {
        player->GetCharacter().Update(seconds);
        room->Update(seconds);
    }
}

void GameRoomView::OnKeyDown(int key)
{
    if (!initialised)
        return;
    if (key == keyEscape) {
        MainProgram::GetInstance().SetProject("GameRuvIdMenu");
        return;
    }
    if (key == keyTab && !folders.empty()) {
        ShowRoom(current + 1);
        return;
    }
    if (key == keyT && player)
        player->GetCharacter().Say({"Hallo! Ich bin Juna, und das hier ist ein Probesatz.", "", ""});
    if (room && (key == keyLeft || key == keyRight)) {
        // By hand, the room stops following the figure.
        const float widest = static_cast<float>(std::max(0, room->GetWidth() - DirectDraw::canvasWidth));
        const float step = key == keyLeft ? -scrollStep : scrollStep;
        room->SetAutoFocus(false, std::clamp(room->GetScrollX() + step, 0.0f, widest));
        room->SetScroll(std::clamp(room->GetScrollX() + step, 0.0f, widest), room->GetScrollY());
    }
}

void GameRoomView::OnLButtonDown(int x, int y, bool)
{
    if (!initialised || !room || !player)
        return;
    room->SetAutoFocus(true, 0.0f);
    const Point to{x + static_cast<int>(room->GetScrollX()), y + static_cast<int>(room->GetScrollY())};
    const FloatPoint at = player->GetCharacter().GetPosition();
    if (player->WalkTo(to.x, to.y, Entity::noDirection))
        LogPrint("GameRoomView: walk from (%d, %d) to (%d, %d): %zu waypoints\n", static_cast<int>(at.x),
                 static_cast<int>(at.y), to.x, to.y, player->GetCharacter().GetPath().size());
    else
        LogPrint("GameRoomView: no walk from (%d, %d) to (%d, %d)\n", static_cast<int>(at.x), static_cast<int>(at.y),
                 to.x, to.y);
}

void GameRoomView::Render()
{
    if (!initialised)
        return;
    DirectDraw& display = DirectDraw::GetInstance();
    RenderEngine& engine = RenderEngine::GetInstance();
    SpriteManager::GetInstance().RestoreSurfaces();
    engine.ClearRenderList();
    if (room) {
        room->Draw();
        const int left = static_cast<int>(room->GetScrollX());
        const int top = static_cast<int>(room->GetScrollY());
        for (const Detail& detail : details) {
            if (Sprite* sprite = detail.animation.GetSprite())
                sprite->DrawScaled(detail.placement.x - left, detail.placement.y - top,
                                   detail.animation.GetCurrentFrame(), 0.5f, 1.0f);
        }
        if (player)
            player->GetCharacter().Draw();
    }
    engine.Render();
    if (display.IsInitialised() && display.GetRenderTarget() != nullptr) {
        RenderTargetPainter painter(*display.GetRenderTarget());
        const int scrollX = room ? static_cast<int>(room->GetScrollX()) : 0;
        const int scrollY = room ? static_cast<int>(room->GetScrollY()) : 0;
        static const std::vector<Point> none;
        const std::vector<Point>& path = player && !player->GetCharacter().IsIdle() ? player->GetCharacter().GetPath() : none;
        for (std::size_t index = 0; index < path.size(); ++index) {
            const Point& point = path[index];
            painter.FillRectangle(point.x - scrollX - 3, point.y - scrollY - 3, point.x - scrollX + 3,
                                  point.y - scrollY + 3, pathColour);
            // Three pixels thick, so that the path shows on any floor.
            for (int offset = -1; index > 0 && offset <= 1; ++offset)
                painter.DrawLine(path[index - 1].x - scrollX, path[index - 1].y - scrollY + offset, point.x - scrollX,
                                 point.y - scrollY + offset, pathColour);
        }
        DebugDisplay::GetInstance().Draw(painter);
    }
    display.Flip();
}
