#include "GameRoomView.h"

#include "MainProgram.h"
#include "adventure/ByteMap.h"
#include "adventure/PathFinder.h"
#include "adventure/RoomList.h"
#include "app/Debug.h"
#include "app/DebugDisplay.h"
#include "app/Factory.h"
#include "audio/SampleManager.h"
#include "audio/SoundEngine.h"
#include "graphics/DirectDraw.h"
#include "graphics/LoadingScreen.h"
#include "graphics/RenderEngine.h"
#include "graphics/RenderTargetPainter.h"
#include "graphics/SpriteManager.h"

#include <algorithm>

namespace {

const FactoryRegistration<GameState, GameRoomView> registration("GameRoomView");

constexpr int keyTab = 9;
constexpr int keyEscape = 27;
constexpr int keyLeft = 37;
constexpr int keyRight = 39;
constexpr float scrollStep = 64.0f;

// The path in orange, its waypoints as small squares.
constexpr std::uint32_t pathColour = 0xFF8C1A;

} // namespace

void GameRoomView::Init(int levelNumber)
{
    level = levelNumber;
    SoundEngine::GetInstance().SetEnabled(SampleManager::GetInstance().IsInitialised());
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
    path.clear();
    from = {-1, -1};
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
    room->SetScroll(0.0f, 0.0f);
}

void GameRoomView::Exit()
{
    details.clear();
    if (room)
        room->Exit();
    room.reset();
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
    if (room && (key == keyLeft || key == keyRight)) {
        const float widest = static_cast<float>(std::max(0, room->GetWidth() - DirectDraw::canvasWidth));
        const float step = key == keyLeft ? -scrollStep : scrollStep;
        room->SetScroll(std::clamp(room->GetScrollX() + step, 0.0f, widest), room->GetScrollY());
    }
}

void GameRoomView::OnLButtonDown(int x, int y, bool)
{
    if (!initialised || !room || room->GetWalkArea() == nullptr)
        return;
    const Point to{x + static_cast<int>(room->GetScrollX()), y + static_cast<int>(room->GetScrollY())};
    if (from.x < 0) {
        from = to;
        return;
    }
    const ByteMap& walkArea = *room->GetWalkArea();
    const float scaleX = static_cast<float>(walkArea.GetWidth()) / static_cast<float>(std::max(1, room->GetWidth()));
    const float scaleY = static_cast<float>(walkArea.GetHeight()) / static_cast<float>(std::max(1, room->GetHeight()));
    path.clear();
    if (PathFinder::GetInstance().FindPathExt(static_cast<float>(from.x), static_cast<float>(from.y),
                                              static_cast<float>(to.x), static_cast<float>(to.y), walkArea, scaleX,
                                              scaleY, path)) {
        LogPrint("GameRoomView: path from (%d, %d) to (%d, %d): %zu waypoints\n", from.x, from.y, to.x, to.y,
                 path.size());
        from = path.back();
    } else {
        LogPrint("GameRoomView: no way from (%d, %d) to (%d, %d)\n", from.x, from.y, to.x, to.y);
    }
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
    }
    engine.Render();
    if (display.IsInitialised() && display.GetRenderTarget() != nullptr) {
        RenderTargetPainter painter(*display.GetRenderTarget());
        const int scrollX = room ? static_cast<int>(room->GetScrollX()) : 0;
        const int scrollY = room ? static_cast<int>(room->GetScrollY()) : 0;
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
