#include "Script.h"

#include "AdventureLevel.h"
#include "Cast.h"
#include "Character.h"
#include "ConversationEngine.h"
#include "Door.h"
#include "Flag.h"
#include "Inventory.h"
#include "Item.h"
#include "Notepad.h"
#include "Room.h"
#include "ScriptManager.h"
#include "TalkScriptManager.h"
#include "app/Debug.h"
#include "audio/MusicPlayer.h"
#include "audio/SoundEngine.h"
#include "audio/StreamingSample.h"
#include "audio/Voice.h"
#include "graphics/ScreenRumble.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr const char* playerName = "Player";
// Wait counts time in whole units of 0.0001 s.
constexpr double waitUnitsPerSecond = 10000.0;

int StateOf(Entity& entity)
{
    if (const auto* character = dynamic_cast<const Character*>(&entity))
        return character->GetState();
    if (const auto* door = dynamic_cast<const Door*>(&entity))
        return door->GetState();
    if (const auto* item = dynamic_cast<const Item*>(&entity))
        return item->GetState();
    return 0;
}

} // namespace

Script::~Script()
{
    if (!finished)
        DestroyStartedSounds();
}

bool Script::Step(float frameSeconds)
{
    dt = frameSeconds;
    passIndex = 0;
    Run(param);
    return finished;
}

void Script::DestroyStartedSounds()
{
    if (!SoundEngine::Exists())
        return;
    SoundEngine& engine = SoundEngine::GetInstance();
    for (const auto& [index, serial] : startedVoices)
        engine.DestroyVoice(engine.FindVoice(serial));
    for (const auto& [index, serial] : startedStreams) {
        if (StreamingSample* stream = engine.FindStream(serial))
            engine.DestroyStream(stream);
    }
    startedVoices.clear();
    startedStreams.clear();
}

Entity* Script::FindEntity(const std::string& entityName) const
{
    auto* entity = Cast::GetInstance().FindAs<Entity>(entityName);
    if (entity == nullptr)
        LogWarning("Script::FindEntity: Entity <%s> not founded!\n", entityName.c_str());
    return entity;
}

Character* Script::FindCharacter(const std::string& characterName) const
{
    return dynamic_cast<Character*>(FindEntity(characterName));
}

Room* Script::FindCurrentRoom()
{
    const Cast& cast = Cast::GetInstance();
    const auto* player = cast.FindAs<Entity>(playerName);
    const Room* room = player != nullptr ? player->GetRoom() : nullptr;
    if (room == nullptr)
        return nullptr;
    // The cast holds the room itself; the player only looks at it.
    for (const Cast::Entry& entry : cast.GetEntries()) {
        if (entry.object == room)
            return dynamic_cast<Room*>(entry.object);
    }
    return nullptr;
}

// Flow.

void Script::End()
{
    Instant([this] { finished = true; });
}

void Script::SetInterruptible(bool value)
{
    Instant([this, value] { interruptible = value; });
}

void Script::Wait(float seconds)
{
    const int index = passIndex;
    const long limit = std::lround(static_cast<double>(seconds) * waitUnitsPerSecond);
    WaitUntil([&] {
        int& units = memo[index];
        units += static_cast<int>(std::lround(static_cast<double>(dt) * waitUnitsPerSecond));
        return units > limit;
    });
}

void Script::WaitForIdle(const std::string& entity)
{
    WaitUntil([&] {
        Entity* found = FindEntity(entity);
        return found == nullptr || StateOf(*found) == 0;
    });
}

void Script::WaitForTalk(const std::string& character)
{
    WaitUntil([&] {
        const Character* found = FindCharacter(character);
        return found == nullptr || found->GetTalkTime() <= 0.0f;
    });
}

void Script::WaitForAnimEnd(const std::string& entity)
{
    WaitUntil([&] {
        Entity* found = FindEntity(entity);
        return found == nullptr || !found->IsPlayingUserAnim() || found->GetUserAnim().IsFinished();
    });
}

void Script::WaitForAnimTime(const std::string& entity, float seconds)
{
    // Counts the frame time from the pass the wait begins in, as Wait does:
    // the play position of a looping or ping-pong animation starts over at
    // every round and cannot tell how long it has played.
    const int index = passIndex;
    const long limit = std::lround(static_cast<double>(seconds) * waitUnitsPerSecond);
    WaitUntil([&] {
        Entity* found = FindEntity(entity);
        if (found == nullptr || !found->IsPlayingUserAnim())
            return true;
        const Animation& animation = found->GetUserAnim();
        if (animation.GetMode() == Animation::modeStop && animation.IsFinished())
            return true;
        int& units = memo[index];
        units += static_cast<int>(std::lround(static_cast<double>(dt) * waitUnitsPerSecond));
        return units >= limit;
    });
}

void Script::WaitForConversation()
{
    WaitUntil([] {
        const AdventureLevel* level = AdventureLevel::Current();
        return level == nullptr || level->GetState() != AdventureLevel::conversation;
    });
}

void Script::RunScript(const std::string& script, const std::string& parameter)
{
    StartThenComplete([&] { ScriptManager::GetInstance().Run(script, parameter); });
}

void Script::RunScriptAsync(const std::string& script, const std::string& parameter)
{
    StartThenComplete([&] { ScriptManager::GetInstance().RunAsync(script, parameter); });
}

void Script::StopScripts()
{
    Instant([] { ScriptManager::GetInstance().StopBlocking(); });
}

void Script::StopAsyncScript(const std::string& script)
{
    Instant([&] { ScriptManager::GetInstance().StopAsync(script); });
}

// Queries.

int Script::GetFlag(const std::string& flag)
{
    return Query([&] {
        const auto* found = Cast::GetInstance().FindAs<Flag>(flag);
        if (found == nullptr) {
            LogWarning("Script::FindObject: Object <%s> not founded!\n", flag.c_str());
            return 0;
        }
        return static_cast<int>(found->GetValue());
    });
}

int Script::GetLevel()
{
    return Query([] {
        const AdventureLevel* level = AdventureLevel::Current();
        return level != nullptr ? level->GetLevelNumber() : 0;
    });
}

int Script::GetPositionX(const std::string& entity)
{
    return Query([&] {
        const Entity* found = FindEntity(entity);
        return found != nullptr ? static_cast<int>(std::floor(found->GetPosition().x)) : 0;
    });
}

int Script::GetPositionY(const std::string& entity)
{
    return Query([&] {
        const Entity* found = FindEntity(entity);
        return found != nullptr ? static_cast<int>(std::floor(found->GetPosition().y)) : 0;
    });
}

// Elements.

void Script::SetFlag(const std::string& flag, int value)
{
    Instant([&] {
        if (auto* found = Cast::GetInstance().FindAs<Flag>(flag))
            found->SetValue(value);
        else
            LogWarning("Script::FindObject: Object <%s> not founded!\n", flag.c_str());
    });
}

void Script::PlayAnimation(const std::string& entity, const std::string& spriteLabel, int x, int y, float speed,
                           bool loop)
{
    Instant([&] {
        Entity* found = FindEntity(entity);
        if (found != nullptr && !found->PlayUserAnim(spriteLabel, x, y, speed, loop))
            LogWarning("Script::PlayAnimation: Failed to receive sprite-label <%s>!\n", spriteLabel.c_str());
    });
}

void Script::StopAnimation(const std::string& entity)
{
    Instant([&] {
        if (Entity* found = FindEntity(entity))
            found->StopUserAnim();
    });
}

void Script::WalkTo(const std::string& character, int x, int y, int orient)
{
    Instant([&] {
        if (Entity* found = FindEntity(character))
            found->WalkTo(x, y, orient);
    });
}

void Script::MoveTo(const std::string& entity, int x, int y, float speed)
{
    Instant([&] {
        if (Entity* found = FindEntity(entity))
            found->MoveTo(x, y, speed);
    });
}

void Script::SetPosition(const std::string& entity, int x, int y)
{
    Instant([&] {
        if (Entity* found = FindEntity(entity))
            found->SetPosition(x, y);
    });
}

void Script::PlaceByAnimation(const std::string& item, int x, int y)
{
    Instant([&] {
        if (auto* found = dynamic_cast<Item*>(FindEntity(item)))
            found->PlaceByAnimation(x, y);
    });
}

void Script::TurnTo(const std::string& character, int orient)
{
    Instant([&] {
        if (Entity* found = FindEntity(character))
            found->TurnTo(orient);
    });
}

void Script::Stop(const std::string& character)
{
    Instant([&] {
        if (Character* found = FindCharacter(character))
            found->Stop();
    });
}

void Script::SetAnimName(const std::string& character, const std::string& animName)
{
    Instant([&] {
        if (Character* found = FindCharacter(character))
            found->SetAnimName(animName);
    });
}

void Script::SetSpeechVolume(const std::string& character, float value)
{
    Instant([&] {
        if (Character* found = FindCharacter(character))
            found->SetSpeechVolume(value);
    });
}

void Script::SetInterruptsSpeech(const std::string& character, bool value)
{
    Instant([&] {
        if (Character* found = FindCharacter(character))
            found->SetInterruptsSpeech(value);
    });
}

void Script::SetActive(const std::string& entity, bool active)
{
    Instant([&] {
        if (Entity* found = FindEntity(entity))
            found->SetActive(active);
    });
}

void Script::Hide(const std::string& entity)
{
    Instant([&] {
        if (Entity* found = FindEntity(entity))
            found->SetHidden(true);
    });
}

void Script::Unhide(const std::string& entity)
{
    Instant([&] {
        if (Entity* found = FindEntity(entity))
            found->SetHidden(false);
    });
}

void Script::Use(const std::string& entity)
{
    Instant([&] {
        if (Entity* found = FindEntity(entity))
            found->OnUse();
    });
}

void Script::Examine(const std::string& entity)
{
    Instant([&] {
        if (Entity* found = FindEntity(entity))
            found->OnExamine();
    });
}

void Script::Pickup(const std::string& item, bool animate)
{
    Instant([&] {
        if (auto* found = dynamic_cast<Item*>(FindEntity(item)))
            found->Pickup(animate);
    });
}

void Script::GoThrough(const std::string& door)
{
    Instant([&] {
        if (auto* found = dynamic_cast<Door*>(FindEntity(door)))
            found->GoThrough();
    });
}

void Script::SetScaling(float frontScale, float backScale, int frontY, int backY, const std::string& character)
{
    Instant([&] {
        if (!character.empty()) {
            if (Character* found = FindCharacter(character))
                found->SetScaling(frontScale, backScale, frontY, backY);
            return;
        }
        if (Room* room = FindCurrentRoom())
            room->SetScaling(frontScale, backScale, frontY, backY);
        else
            LogWarning("Script::SetScaling: Room-PTR is NULL!\n");
    });
}

// Inventory and notepad.

// The inventory keeps items under their full names (a picked-up item goes
// in as "<room>|<name>"), so a short name a script gives is made full first:
// otherwise RemoveItem("Muschel") would never find the shell Juna took.
std::string Script::InventoryName(const std::string& item)
{
    const Cast& cast = Cast::GetInstance();
    const Item* found = cast.FindAs<Item>(item);
    return found != nullptr ? cast.GetFullName(found) : item;
}

void Script::AddItem(const std::string& item)
{
    Instant([&] { Inventory::GetInstance().AddItemSilently(InventoryName(item)); });
}

void Script::RemoveItem(const std::string& item)
{
    Instant([&] { Inventory::GetInstance().RemoveItem(InventoryName(item)); });
}

void Script::StoreInventory()
{
    Instant([] { Inventory::GetInstance().StoreItems(); });
}

void Script::RestoreInventory()
{
    Instant([] { Inventory::GetInstance().RestoreItems(); });
}

void Script::Combine()
{
    Instant([] { Inventory::GetInstance().Combine(); });
}

void Script::SetNote(int id, int state)
{
    Instant([&] { Notepad::GetInstance().SetNote(id, state); });
}

// Level and room.

void Script::ChangeRoom(const std::string& roomLabel, int x, int y)
{
    StartThenComplete([&] {
        if (AdventureLevel* level = AdventureLevel::Current()) {
            // The player arrives standing where it is placed.
            level->RequestRoom(Cast::RoomName(roomLabel), x, y, x, y);
        }
    });
}

void Script::SetAutoFocus(bool follow, int x)
{
    Instant([&] {
        if (Room* room = FindCurrentRoom())
            room->SetAutoFocus(follow, static_cast<float>(x));
        else
            LogWarning("Script::SetAutoFocus: Room-PTR is NULL!\n");
    });
}

void Script::SetWalkarea(const std::string& walkArea)
{
    Instant([&] {
        if (Room* room = FindCurrentRoom())
            room->SetWalkarea(walkArea);
        else
            LogWarning("Script::SetWalkarea: Room-PTR is NULL!\n");
    });
}

void Script::SetInputEnabled(bool enabled)
{
    Instant([enabled] {
        if (AdventureLevel* level = AdventureLevel::Current())
            level->SetInputEnabled(enabled);
    });
}

void Script::ShowLabels(bool show)
{
    Instant([show] {
        if (AdventureLevel* level = AdventureLevel::Current())
            level->ShowLabels(show);
        if (!MusicPlayer::Exists())
            return;
        if (StreamingSample* music = MusicPlayer::GetInstance().GetStream())
            music->Pause(!show);
    });
}

void Script::SetLevel(int level)
{
    // The game controller sits above the adventure engine: the level passes
    // the request on.
    Instant([level] {
        if (AdventureLevel* current = AdventureLevel::Current())
            current->RequestLevel(level);
    });
}

void Script::ShakeScreen(float seconds)
{
    Instant([seconds] { ScreenRumble::GetInstance().Start(seconds); });
}

// Talk sheets and conversations.

void Script::Talk(const std::string& cellReference)
{
    // "itemSheet E 58": the talk sheets perform that cell.
    Instant([&] { TalkScriptManager::GetInstance().Talk(cellReference); });
}

void Script::StartConversation(const std::string& conversation, int startIndex)
{
    Instant([&] { TalkScriptManager::GetInstance().StartConversation(conversation, startIndex); });
}

void Script::HideIndex(int index)
{
    Instant([index] { ConversationEngine::GetInstance().HideIndex(index); });
}

void Script::UnhideIndex(int index)
{
    Instant([index] { ConversationEngine::GetInstance().UnhideIndex(index); });
}

// Sound.

void Script::PlaySound(const std::string& event)
{
    Instant([&] {
        const AdventureLevel* level = AdventureLevel::Current();
        if (level != nullptr && level->IsSkipping())
            return;
        if (Voice* voice = SoundEngine::GetInstance().PlayEvent(event, true))
            voice->Start();
    });
}

void Script::StopSound(const std::string& event)
{
    Instant([&] {
        SoundEngine& engine = SoundEngine::GetInstance();
        const AudioEvent* audioEvent = engine.FindAudioEvent(event);
        if (audioEvent == nullptr)
            return;
        std::vector<Voice*> voices;
        for (const auto* list : {&engine.GetPersistentVoices(), &engine.GetTemporaryVoices()}) {
            for (const auto& voice : *list) {
                if (voice->GetEvent() == audioEvent)
                    voices.push_back(voice.get());
            }
        }
        // Whoever still holds one of them finds it gone by its serial.
        for (Voice* voice : voices)
            engine.DestroyVoice(voice);
    });
}

Voice* Script::StartSound(const std::string& event, bool loop)
{
    const int index = passIndex;
    Instant([&] {
        SoundEngine& engine = SoundEngine::GetInstance();
        Voice* voice = engine.PlayEvent(event, !loop);
        if (voice == nullptr)
            return;
        voice->SetVolume(1.0f);
        voice->Start();
        startedVoices[index] = voice->GetSerial();
    });
    const auto found = startedVoices.find(index);
    if (found == startedVoices.end() || !SoundEngine::Exists())
        return nullptr;
    return SoundEngine::GetInstance().FindVoice(found->second);
}

StreamingSample* Script::PlayStream(const std::string& fileName, int group, bool loop)
{
    const int index = passIndex;
    Instant([&] {
        StreamingSample* stream = SoundEngine::GetInstance().CreateStream(fileName);
        if (stream == nullptr)
            return;
        stream->SetSoundGroup(group);
        stream->SetVolume(1.0f);
        stream->Rewind();
        if (loop)
            stream->PlayLooped();
        else
            stream->Play();
        startedStreams[index] = stream->GetSerial();
    });
    const auto found = startedStreams.find(index);
    if (found == startedStreams.end() || !SoundEngine::Exists())
        return nullptr;
    return SoundEngine::GetInstance().FindStream(found->second);
}

void Script::SetSample(const std::string& event, const std::string& sampleName)
{
    Instant([&] {
        if (AudioEvent* audioEvent = SoundEngine::GetInstance().FindAudioEvent(event))
            audioEvent->sampleName = "sample_" + sampleName;
        else
            LogWarning("Script::SetSample: Failed to receive audioevent <%s>!\n", event.c_str());
    });
}

void Script::PlayMusic(const std::string& fileName)
{
    Instant([&] {
        MusicPlayer& music = MusicPlayer::GetInstance();
        music.Stop();
        music.Play(fileName);
    });
}

void Script::StopMusic()
{
    Instant([] { MusicPlayer::GetInstance().Stop(); });
}
