#include "Item.h"

#include "AdventureLevel.h"
#include "Cast.h"
#include "Character.h"
#include "Door.h"
#include "Inventory.h"
#include "app/Debug.h"
#include "files/Serializer.h"
#include "graphics/Sprite.h"

#include <cmath>

namespace {

// The pick-up scripts by height (low, middle, high).
constexpr const char* pickupScripts[] = {"ScriptOnPickupLow", "ScriptOnPickupMid", "ScriptOnPickupHigh"};

} // namespace

void Item::Serialize(Serializer& serializer, const char* name)
{
    // Written with the placement already taken, so the file holds it.
    if (serializer.IsWriting())
        TakeStartFromPlacement(*this, animation, serializer);
    serializer.BeginSection("Item", name);
    Entity::Serialize(serializer, name);
    serializer.SerializeObject("Icon Sprite", &iconSprite);
    serializer.SerializeObject("Cursor Sprite", &cursorSprite);
    serializer.SerializeObject("animation", &animation);
    serializer.SetHint("combobox [NONE][low][middle][high]", "");
    serializer.SerializeInt("pickup anim", &pickupAnim);
    if (serializer.IsReading()) {
        iconBound = cursorBound = false;
        // The label is known only now; the reset places the item again.
        if (TakeStartFromPlacement(*this, animation, serializer))
            Reset();
    }
    serializer.EndSection();
}

void Item::Reset()
{
    Entity::Reset();
    state = idle;
}

void Item::ResetGraphics()
{
    animation.SetSpriteLabel("");
    currentAnim = &ShownAnimation();
}

Animation& Item::GetIconSprite()
{
    if (!iconBound) {
        iconSprite.SetSpriteLabel("");
        iconBound = true;
    }
    return iconSprite;
}

Animation& Item::GetCursorSprite()
{
    if (!cursorBound) {
        cursorSprite.SetSpriteLabel("");
        cursorBound = true;
    }
    return cursorSprite;
}

void Item::OnUse()
{
    AdventureLevel* level = AdventureLevel::Current();
    if (level == nullptr)
        return;
    const TalkEntry line = level->GetUseLine(Cast::GetInstance().GetFullName(this));
    if (line.text == pickupLine)
        Pickup(true);
    else
        level->Perform(line);
}

void Item::OnExamine()
{
    if (AdventureLevel* level = AdventureLevel::Current())
        level->Perform(level->GetExamineLine(Cast::GetInstance().GetFullName(this)));
}

void Item::Pickup(bool animate)
{
    const Cast& cast = Cast::GetInstance();
    const std::string fullName = cast.GetFullName(this);
    AdventureLevel* level = AdventureLevel::Current();
    // The script is what finally puts the item into the inventory: without
    // it (no level, no such script, an unknown height) the item goes there
    // at once rather than being lost.
    if (animate && pickupAnim >= pickupLow && pickupAnim <= pickupHigh && level != nullptr) {
        if (Character* player = cast.FindAs<Character>("Player"))
            player->Pickup(pickupAnim);
        if (level->RunScript(pickupScripts[pickupAnim - pickupLow], fullName))
            return;
    }
    Inventory::GetInstance().AddItem(fullName);
}

void Item::SetPosition(int x, int y)
{
    position = FloatPoint{static_cast<float>(x), static_cast<float>(y)};
}

void Item::MoveTo(int x, int y, float speed)
{
    const float dx = static_cast<float>(x) - position.x;
    const float dy = static_cast<float>(y) - position.y;
    const float distance = std::sqrt(dx * dx + dy * dy);
    if (!(distance >= 1.0f))
        return;
    // A move that would never arrive ends where it was going.
    if (!(speed > 0.0f) || !std::isfinite(speed)) {
        SetPosition(x, y);
        state = idle;
        return;
    }
    moveStart = position;
    moveEnd = FloatPoint{static_cast<float>(x), static_cast<float>(y)};
    moveT = 0.0f;
    moveRate = speed / distance;
    state = lineMove;
}

void Item::PlaceByAnimation(int x, int y)
{
    const Sprite* sprite = animation.GetSprite();
    const int width = sprite != nullptr ? sprite->GetFullWidth() : 0;
    const int height = sprite != nullptr ? sprite->GetFullHeight() : 0;
    SetPosition(x + width / 2, y + height);
}

void Item::UpdateLineMove(float dt)
{
    moveT += dt * moveRate;
    // The move ends on its target, not a step beyond it.
    const bool arrived = moveT >= 1.0f;
    if (arrived)
        moveT = 1.0f;
    position.x = std::trunc(moveStart.x + (moveEnd.x - moveStart.x) * moveT);
    position.y = std::trunc(moveStart.y + (moveEnd.y - moveStart.y) * moveT);
    if (arrived)
        state = idle;
}

void Item::Update(float dt)
{
    Animation& shown = ShownAnimation();
    currentAnim = &shown;
    shown.Update(dt);
    switch (state) {
    case idle:
        break;
    case lineMove:
        UpdateLineMove(dt);
        break;
    default:
        LogError("Item::Update: Unknown state %d!\n", state);
        break;
    }
}

void Item::Draw()
{
    DrawEntityAnimation(*this);
}
