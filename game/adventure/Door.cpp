#include "Door.h"

#include "AdventureLevel.h"
#include "Cast.h"
#include "Room.h"
#include "app/Debug.h"
#include "files/Serializer.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteManager.h"

#include <cmath>

namespace {

void SerializePoint(Serializer& serializer, const char* name, Point& point)
{
    int values[2] = {point.x, point.y};
    serializer.SerializeIntPair(name, values);
    point = Point{values[0], values[1]};
}

// The editor offers "NONE" and every door in the cast as a target.
std::string LeadsToHint()
{
    std::string hint = "combobox [NONE]";
    for (const Cast::Entry& entry : Cast::GetInstance().GetEntries())
        if (dynamic_cast<const Door*>(entry.object) != nullptr)
            hint += "[" + entry.fullName + "]";
    return hint;
}

} // namespace

bool TakeStartFromPlacement(Entity& entity, const Animation& animation, Serializer& serializer)
{
    const Point start = entity.GetStartPos();
    if (start.x != 200 || start.y != 200 || !SpriteManager::Exists())
        return false;
    const SpriteInfo* info = SpriteManager::GetInstance().FindSpriteInfo(animation.GetSpriteLabel());
    if (info == nullptr || !info->hasPlacement)
        return false;
    entity.SetStartPos(info->placement);
    serializer.SetHint("changed", "");
    return true;
}

void DrawEntityAnimation(const Entity& entity)
{
    const Animation* animation = entity.GetCurrentAnim();
    if (entity.IsHidden() || animation == nullptr)
        return;
    Sprite* sprite = animation->GetSprite();
    if (sprite == nullptr)
        return;
    const Room* room = entity.GetRoom();
    const float scrollX = room != nullptr ? room->GetScrollX() : 0.0f;
    const float scrollY = room != nullptr ? room->GetScrollY() : 0.0f;
    const FloatPoint position = entity.GetPosition();
    sprite->DrawScaled(static_cast<int>(std::floor(position.x - scrollX)),
                       static_cast<int>(std::floor(position.y - scrollY)), animation->GetCurrentFrame(),
                       entity.GetSortDepth(), 1.0f);
}

void Door::Serialize(Serializer& serializer, const char* name)
{
    // Written with the placement already taken, so the file holds it.
    if (serializer.IsWriting())
        TakeStartFromPlacement(*this, animation, serializer);
    serializer.BeginSection("Door", name);
    Entity::Serialize(serializer, name);
    serializer.SetHint(LeadsToHint().c_str(), "");
    serializer.SerializeString("Leads To", leadsTo);
    SerializePoint(serializer, "walk from", walkFrom);
    SerializePoint(serializer, "walk to", walkTo);
    serializer.SerializeObject("animation", &animation);
    // Read: the label is known only now; the reset places the door again.
    if (serializer.IsReading() && TakeStartFromPlacement(*this, animation, serializer))
        Reset();
    serializer.EndSection();
}

void Door::Reset()
{
    Entity::Reset();
    state = idle;
}

void Door::ResetGraphics()
{
    animation.SetSpriteLabel("");
    currentAnim = &ShownAnimation();
}

void Door::SetPosition(int x, int y)
{
    position = FloatPoint{static_cast<float>(x), static_cast<float>(y)};
}

Door* Door::FindTarget() const
{
    if (leadsTo.empty() || leadsTo == "NONE")
        return nullptr;
    return Cast::GetInstance().FindAs<Door>(leadsTo);
}

void Door::OnUse()
{
    AdventureLevel* level = AdventureLevel::Current();
    if (level == nullptr)
        return;
    const Cast& cast = Cast::GetInstance();
    const TalkEntry line = level->GetUseLine(cast.GetFullName(this));
    if (line.text != exitLine && !line.text.empty()) {
        level->Perform(line);
        return;
    }
    if (FindTarget() == nullptr) {
        LogWarning("Door::OnUse: <%s> leads to <%s>, which is no door!\n", cast.GetFullName(this).c_str(),
                   leadsTo.c_str());
        return;
    }
    // Without frames to play the door would never finish opening.
    if (animation.GetSprite() != nullptr)
        SetState(opening);
    else
        GoThrough();
}

void Door::OnExamine()
{
    if (AdventureLevel* level = AdventureLevel::Current())
        level->Perform(level->GetExamineLine(Cast::GetInstance().GetFullName(this)));
}

void Door::SetState(int newState)
{
    switch (newState) {
    case idle:
        break;
    case opening:
        animation.SetTime(0.0f);
        animation.SetDirection(Animation::forward);
        animation.SetReverseFlag(false);
        if (AdventureLevel* level = AdventureLevel::Current())
            level->RunScript("ScriptEnterNextRoom", Cast::GetInstance().GetFullName(this));
        break;
    case arriving:
        animation.SetTime(1.0f);
        animation.SetDirection(Animation::backward);
        animation.SetReverseFlag(false);
        break;
    default:
        LogError("Door::SetState: Unknown state %d!\n", newState);
        return;
    }
    state = newState;
}

void Door::GoThrough()
{
    AdventureLevel* level = AdventureLevel::Current();
    if (level == nullptr)
        return;
    Door* target = FindTarget();
    const Cast& cast = Cast::GetInstance();
    if (target == nullptr) {
        LogWarning("Door::GoThrough: <%s> leads to <%s>, which is no door!\n", cast.GetFullName(this).c_str(),
                   leadsTo.c_str());
        return;
    }
    level->RequestRoom(Cast::RoomName(cast.GetGroup(target)), target->walkFrom.x, target->walkFrom.y,
                       target->walkTo.x, target->walkTo.y);
    target->SetState(arriving);
}

void Door::Update(float dt)
{
    Animation& shown = ShownAnimation();
    currentAnim = &shown;
    shown.Update(dt);
    switch (state) {
    case idle:
        break;
    case opening:
    case arriving:
        // An animation without frames never finishes: the door is done at once.
        if (shown.IsFinished() || shown.GetSprite() == nullptr)
            state = idle;
        break;
    default:
        LogError("Door::Update: Unknown state %d!\n", state);
        break;
    }
}

void Door::Draw()
{
    DrawEntityAnimation(*this);
}
