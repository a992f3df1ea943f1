#include "Entity.h"

#include "Cast.h"
#include "Room.h"
#include "app/Debug.h"
#include "files/ObjectType.h"
#include "files/Serializer.h"
#include "graphics/Font.h"
#include "graphics/TextDisplay.h"

#include <algorithm>
#include <cmath>

namespace {

// Labels stay this far inside the screen's left and right edges.
constexpr int labelMarginLeft = 5;
constexpr int labelMarginRight = 1019;

int FloorToInt(float value)
{
    return static_cast<int>(std::floor(value));
}

void SerializePoint(Serializer& serializer, const char* name, Point& point)
{
    int values[2] = {point.x, point.y};
    serializer.SerializeIntPair(name, values);
    point = Point{values[0], values[1]};
}

// An animation keeps everything in its parameters, and has no state block
// of its own: the savegame asks for its state through this.
class AnimationAsState : public Object {
public:
    explicit AnimationAsState(Animation& played) : animation(played) {}
    void SerializeState(Serializer& serializer, const char* name) override { animation.Serialize(serializer, name); }

private:
    Animation& animation;
};
// Written as what it holds.
const ObjectTypeRegistration<AnimationAsState> animationAsStateType("Animation");

} // namespace

void Entity::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("Entity", name);
    SerializePoint(serializer, "StartPos", startPos);
    serializer.SetHint("popup", "");
    serializer.SerializeObject("BBox", &bbox);
    serializer.SetHint("combobox [no check][only bounding][only pixel][bounding and pixel][bounding or pixel]", "");
    serializer.SerializeInt("Rollovercheck", &rolloverCheck);
    serializer.SerializeInt("Z-Sort Offset", &zSortOffset);
    serializer.SerializeString("Label", label);
    SerializePoint(serializer, "Act Position", actPosition);
    serializer.SetHint("combobox [up][rightup][right][rightdown][down][leftdown][left][leftup]", "");
    serializer.SerializeInt("Act Orient", &actOrient);
    serializer.SerializeBool("Act Position Valid", &actPositionValid);
    serializer.SerializeBool("No Act Position", &noActPosition);
    serializer.SerializeBool("Active on start", &activeOnStart);
    GameElement::Serialize(serializer, name);
    serializer.EndSection();
}

void Entity::SerializeState(Serializer& serializer, const char* name)
{
    serializer.BeginSection("Entity", name);
    serializer.SerializeBool("is active", &isActive);
    // Whole pixels in the savegame: the position is rounded down.
    Point whole{FloorToInt(position.x), FloorToInt(position.y)};
    SerializePoint(serializer, "position", whole);
    if (serializer.IsReading())
        position = FloatPoint{static_cast<float>(whole.x), static_cast<float>(whole.y)};
    serializer.SerializeInt("orient", &orient);
    serializer.SerializeBool("hide", &hide);
    serializer.SerializeBool("play user anim", &playUserAnim);
    AnimationAsState userAnimState(userAnim);
    serializer.SerializeObject("user anim", &userAnimState);
    if (serializer.IsReading())
        userAnim.SetSpriteLabel("");
    serializer.SerializeBool("No Act Position", &noActPosition);
    GameElement::SerializeState(serializer, name);
    serializer.EndSection();
}

void Entity::Reset()
{
    position = FloatPoint{static_cast<float>(startPos.x), static_cast<float>(startPos.y)};
    isActive = activeOnStart;
}

bool Entity::PlayUserAnim(const std::string& spriteLabel, int offsetX, int offsetY, float speed, bool loop)
{
    userAnim = Animation();
    userAnim.SetUseDefaultSpeed(false);
    userAnim.SetSpeed(speed);
    userAnim.SetMode(loop ? Animation::modeLoop : Animation::modeStop);
    if (!userAnim.SetSpriteLabel(spriteLabel))
        return false;
    userAnimOffset = Point{offsetX, offsetY};
    playUserAnim = true;
    currentAnim = &userAnim;
    return true;
}

bool Entity::IsPixelOpaque(int localX, int localY) const
{
    if (currentAnim == nullptr)
        return false;
    const Sprite* sprite = currentAnim->GetSprite();
    if (sprite == nullptr)
        return false;
    const Point inFrame{localX + sprite->GetFullWidth() / 2, localY + sprite->GetFullHeight()};
    return !sprite->IsPixelTransparent(inFrame, currentAnim->GetCurrentFrame());
}

bool Entity::IsCursorOver(int x, int y) const
{
    const int localX = x - FloorToInt(position.x);
    const int localY = y - FloorToInt(position.y);
    switch (rolloverCheck) {
    case rolloverNone:
        return false;
    case rolloverBox:
        return bbox.Contains(localX, localY);
    case rolloverPixel:
        return IsPixelOpaque(localX, localY);
    case rolloverBoxAndPixel:
        return bbox.Contains(localX, localY) && IsPixelOpaque(localX, localY);
    case rolloverBoxOrPixel:
        return bbox.Contains(localX, localY) || IsPixelOpaque(localX, localY);
    default:
        LogWarning("Entity::IsCursorOver: Unknown RolloverCheckMode %d!\n", rolloverCheck);
        return false;
    }
}

const Room* Entity::GetRoom() const
{
    if (room != nullptr)
        return room;
    const Cast& cast = Cast::GetInstance();
    const std::string group = cast.GetGroup(this);
    return group.empty() ? nullptr : cast.FindAs<Room>(Cast::RoomName(group));
}

float Entity::SortDepth(float footY, float scrollY, int zSortOffset)
{
    return (footY - std::floor(scrollY) + static_cast<float>(zSortOffset)) * 0.00005f + 0.2f;
}

float Entity::GetSortDepth() const
{
    const Room* ownRoom = GetRoom();
    return SortDepth(position.y, ownRoom != nullptr ? ownRoom->GetScrollY() : 0.0f, zSortOffset);
}

int Entity::LabelLeft(int centreX, int width)
{
    int left = centreX - width / 2;
    if (left < labelMarginLeft)
        left = labelMarginLeft;
    else if (left + width > labelMarginRight)
        left = labelMarginRight - width;
    return left;
}

void Entity::ShowLabel(int rowsDown) const
{
    const Font* font = TextDisplay::GetInstance().GetFont("default");
    if (font == nullptr || label.empty())
        return;
    // The label goes where the entity is seen: world coordinates less the
    // room's scrolling.
    const Room* ownRoom = GetRoom();
    const int scrollX = ownRoom != nullptr ? static_cast<int>(ownRoom->GetScrollX()) : 0;
    const int scrollY = ownRoom != nullptr ? static_cast<int>(ownRoom->GetScrollY()) : 0;
    const int centreX = FloorToInt(position.x) + (bbox.Left + bbox.Right) / 2 - scrollX;
    const int y = FloorToInt(position.y) + (bbox.Top + bbox.Bottom) / 2 - 8 - scrollY + rowsDown;
    font->DrawString(LabelLeft(centreX, font->GetStringWidth(label)), y, label);
}
