#include "LevelContent.h"

#include "MainProgram.h"
#include "adventure/ByteMap.h"
#include "adventure/Cast.h"
#include "adventure/Character.h"
#include "adventure/PathFinder.h"
#include "adventure/Room.h"
#include "adventure/RuvIdLevelAdventure.h"
#include "app/Debug.h"
#include "audio/SampleManager.h"
#include "audio/SfxLoaderUtil.h"
#include "audio/SoundEngine.h"
#include "files/File.h"
#include "graphics/FontLoaderUtil.h"
#include "graphics/RenderEngine.h"
#include "graphics/SpriteLoaderUtil.h"
#include "graphics/SpriteManager.h"
#include "graphics/TextDisplay.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstdio>

std::string LevelContent::LevelFile(int level, const char* name)
{
    char path[96];
    std::snprintf(path, sizeof path, "data\\level%02d\\%s", level, name);
    return path;
}

std::string LevelContent::SettingsName(int level)
{
    char name[32];
    std::snprintf(name, sizeof name, "Level%02dSettings", level);
    return name;
}

bool LevelContent::Load(int level)
{
    bool loaded = SpriteLoaderUtil::Load(LevelFile(level, "sprites.txt").c_str(),
                                         LevelFile(level, "sprites\\").c_str(), 0.0f, 0.6f);
    loaded = SpriteLoaderUtil::Load("data\\sharedadventure\\sprites.txt", "data\\sharedadventure\\sprites\\", 0.6f,
                                    0.7f) &&
             loaded;
    FontLoaderUtil::LoadFonts();
    SoundEngine& sound = SoundEngine::GetInstance();
    sound.StopAll();
    sound.DestroyAll();
    sound.SetEnabled(SampleManager::GetInstance().IsInitialised());
    const std::string levelSounds = LevelFile(level, "sfx.txt");
    if (File::Exists(levelSounds.c_str())) {
        char folder[64];
        std::snprintf(folder, sizeof folder, "level%02d\\audio\\sfx\\", level);
        loaded = SfxLoaderUtil::LoadSoundEffects(levelSounds, folder) && loaded;
    } else {
        LogPrint("Level %d has no sound list of its own\n", level);
    }
    return SfxLoaderUtil::LoadSoundEffects("data\\sharedadventure\\sfx.txt", "sharedadventure\\audio\\sfx\\") &&
           loaded;
}

void LevelContent::Unload()
{
    RenderEngine::GetInstance().ClearRenderList();
    RenderEngine::GetInstance().SetScreenOffset(0, 0);
    TextDisplay::GetInstance().Reset();
    SpriteManager::GetInstance().Clear();
    SoundEngine& sound = SoundEngine::GetInstance();
    sound.StopAll();
    sound.DestroyAll();
    SampleManager::GetInstance().Shutdown();
    if (!MainProgram::GetInstance().IsShuttingDown())
        SampleManager::GetInstance().Init(platform::Platform::Get()->GetWindow());
}

bool LevelContent::StartLevel(RuvIdLevelAdventure& level)
{
    if (level.HasPendingRoom() || level.GetStartRoom() != "NONE")
        return level.Start();
    for (const Cast::Entry& entry : Cast::GetInstance().GetEntries()) {
        if (auto* room = dynamic_cast<Room*>(entry.object)) {
            EnterRoomAtFront(level, *room);
            return level.GetRoom() != nullptr;
        }
    }
    LogError("LevelContent::StartLevel: Level %d has no rooms!\n", level.GetLevelNumber());
    return false;
}

void LevelContent::EnterRoomAtFront(RuvIdLevelAdventure& level, Room& room)
{
    level.RequestRoom(Cast::GetInstance().GetFullName(&room));
    level.DoSetRoom();
    if (level.GetRoom() != &room || room.GetWalkArea() == nullptr)
        return;
    const ByteMap& walkArea = *room.GetWalkArea();
    int x = walkArea.GetWidth() / 2;
    int y = walkArea.GetHeight() * 7 / 8;
    PathFinder::ValidatePosition(walkArea, x, y);
    Character& figure = level.GetPlayer()->GetCharacter();
    figure.SetPosition(x * room.GetWidth() / std::max(1, walkArea.GetWidth()),
                       y * room.GetHeight() / std::max(1, walkArea.GetHeight()));
    figure.SetOrient(Entity::down);
    room.SetJumpScroll();
    room.Update(0.0f);
}
