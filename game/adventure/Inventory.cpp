#include "Inventory.h"

#include "AdventureLevel.h"
#include "Cast.h"
#include "Character.h"
#include "Item.h"
#include "app/Debug.h"
#include "audio/SoundEngine.h"
#include "audio/Voice.h"
#include "files/Serializer.h"
#include "graphics/Font.h"
#include "graphics/Sprite.h"
#include "graphics/TextDisplay.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

// Where the bar and its parts stand while it is shown (slide 0).
constexpr int barY = 656;
constexpr int firstFieldX = 212;
constexpr int fieldSpacing = 140;
constexpr int fieldTop = 669;
constexpr int fieldHeight = 75;
// The fields lean: their left and right edges run up to the right, so the
// mouse x is moved by 0.55 pixels per row below the row 670.
constexpr double fieldSlant = 0.55;
constexpr int fieldSlantRow = 670;
constexpr int fieldInsideLeft = 48;
constexpr int fieldInsideRight = 179;
constexpr int leftArrowLeft = 102;
constexpr int leftArrowRight = 156;
constexpr int leftArrowTop = 707;
constexpr int rightArrowLeft = 869;
constexpr int rightArrowRight = 923;
constexpr int rightArrowTop = 678;
constexpr int arrowHeight = 30;
// The bar comes up while the mouse is this low.
constexpr int barMouseRow = 640;
constexpr float slideRate = 10.0f;
constexpr float slideBias = 20.0f;

constexpr int textCentreX = 512;
constexpr int textY = 640;

constexpr float barDepth = 0.889f;
constexpr float iconDepth = 0.89f;
constexpr float fieldDepth = 0.8899f;
constexpr float selectionDepth = 0.8901f;

// A name read from a savegame can never hold a double quote: what is still
// this after reading was not in the file.
const std::string notRead = "\"";

int Truncate(float value)
{
    return static_cast<int>(value);
}

void DrawTopLeft(const Animation& animation, int x, int y, float depth)
{
    if (Sprite* sprite = animation.GetSprite())
        sprite->DrawTopLeft(x, y, animation.GetCurrentFrame(), depth);
}

// A list of names as "count" and one numbered key per entry. Reading stops
// at the first entry the file does not hold, however large its count.
// The entries are "<entryPrefix> 0000", "<entryPrefix> 0001" and so on.
void SerializeNames(Serializer& serializer, const char* countKey, const char* entryPrefix,
                    std::vector<std::string>& names)
{
    int count = static_cast<int>(names.size());
    serializer.SerializeInt(countKey, &count);
    char key[32];
    if (serializer.IsWriting()) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            std::snprintf(key, sizeof key, "%s %04d", entryPrefix, static_cast<int>(i));
            serializer.SerializeString(key, names[i]);
        }
        return;
    }
    names.clear();
    for (int i = 0; i < count; ++i) {
        std::snprintf(key, sizeof key, "%s %04d", entryPrefix, i);
        std::string name = notRead;
        serializer.SerializeString(key, name);
        if (name == notRead)
            break;
        names.push_back(std::move(name));
    }
}

int LevelState(const AdventureLevel* level)
{
    return level != nullptr ? level->GetState() : AdventureLevel::normal;
}

} // namespace

void Inventory::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("Inventory", name);
    serializer.EndSection();
}

void Inventory::SerializeState(Serializer& serializer, const char* name)
{
    serializer.BeginSection("Inventory", name);
    serializer.SerializeInt("position", &scrollPos);
    SerializeNames(serializer, "count", "item", items);
    SerializeNames(serializer, "scount", "sitem", stash);
    serializer.EndSection();
    if (serializer.IsReading()) {
        const int count = static_cast<int>(items.size());
        if (count == 0)
            scrollPos = 0;
        else if (scrollPos < 0 || scrollPos >= count)
            scrollPos = (scrollPos % count + count) % count;
        combineItem = nullptr;
        combineWith = nullptr;
    }
}

void Inventory::Init()
{
    bar.SetSpriteLabel("inventar");
    field.SetSpriteLabel("inventar_field");
    fieldEmpty.SetSpriteLabel("inventar_field_empty");
    fieldSelection.SetSpriteLabel("inventar_field_selection");
    arrowLeft.SetSpriteLabel("inventar_arrow_left");
    arrowRight.SetSpriteLabel("inventar_arrow_right");
    Clear();
}

void Inventory::Clear()
{
    items.clear();
    stash.clear();
    scrollPos = 0;
    slide = hiddenSlide;
    showBar = false;
    showTimer = 0.0f;
    combineItem = nullptr;
    combineWith = nullptr;
    combineWarningLogged = false;
    reportedMissing.clear();
}

void Inventory::PlaySound(const char* event)
{
    if (Voice* voice = SoundEngine::GetInstance().PlayEvent(event, true))
        voice->Start();
}

void Inventory::AddItemSilently(const std::string& name)
{
    items.push_back(name);
    scrollPos = std::max(static_cast<int>(items.size()) - fieldCount, 0);
}

void Inventory::AddItem(const std::string& name)
{
    PlaySound("audioevent_inventory");
    AddItemSilently(name);
    showTimer = showTimeAfterAdding;
}

void Inventory::RemoveItem(const std::string& name)
{
    const auto found = std::find(items.begin(), items.end(), name);
    if (found != items.end())
        items.erase(found);
}

bool Inventory::HasItem(const std::string& name) const
{
    return std::find(items.begin(), items.end(), name) != items.end();
}

void Inventory::StoreItems()
{
    stash = items;
}

void Inventory::RestoreItems()
{
    items = stash;
    scrollPos = 0;
}

int Inventory::EntryOfField(int index) const
{
    const int count = static_cast<int>(items.size());
    if (count == 0 || index < 0 || (count < fieldCount && index >= count))
        return -1;
    // A position read from a savegame may be anything: wrap it as well.
    const long long entry = (static_cast<long long>(index) + scrollPos) % count;
    return static_cast<int>(entry < 0 ? entry + count : entry);
}

Inventory::Field Inventory::GetField(int index) const
{
    Field result{firstFieldX + fieldSpacing * index, fieldTop, nullptr};
    const int entry = EntryOfField(index);
    if (entry < 0)
        return result;
    const std::string& name = items[static_cast<std::size_t>(entry)];
    result.item = Cast::GetInstance().FindAs<Item>(name);
    if (result.item == nullptr && reportedMissing.insert(name).second)
        LogWarning("Inventory::GetField: Item <%s> is not in the cast!\n", name.c_str());
    return result;
}

bool Inventory::IsOverField(int fieldX, int fieldY) const
{
    const double slantedX =
        std::trunc((mouseY - (static_cast<double>(slide) + fieldSlantRow)) * fieldSlant + mouseX);
    const float y = static_cast<float>(mouseY);
    return fieldX + fieldInsideLeft <= slantedX && slantedX < fieldX + fieldInsideRight &&
           static_cast<float>(fieldY) + slide <= y && y < static_cast<float>(fieldY + fieldHeight) + slide;
}

bool Inventory::IsOverLeftArrow(int x, int y) const
{
    const float top = slide + leftArrowTop;
    return x >= leftArrowLeft && x <= leftArrowRight && static_cast<float>(y) >= top &&
           static_cast<float>(y) < top + arrowHeight;
}

bool Inventory::IsOverRightArrow(int x, int y) const
{
    const float top = slide + rightArrowTop;
    return x >= rightArrowLeft && x <= rightArrowRight && static_cast<float>(y) >= top &&
           static_cast<float>(y) < top + arrowHeight;
}

void Inventory::SetMousePosition(int x, int y)
{
    mouseX = x;
    mouseY = y;
}

void Inventory::ScrollLeft()
{
    const int count = static_cast<int>(items.size());
    // With four items or more the list wraps round; fewer all fit.
    if (scrollPos > 0 || count >= fieldCount) {
        --scrollPos;
        if (scrollPos < 0)
            scrollPos = count - 1;
    }
}

void Inventory::ScrollRight()
{
    const int count = static_cast<int>(items.size());
    if (scrollPos + fieldCount < count || count >= fieldCount)
        scrollPos = (scrollPos + 1) % count;
}

void Inventory::OnLeftClick(int x, int y)
{
    SetMousePosition(x, y);
    if (IsOverLeftArrow(x, y)) {
        ScrollLeft();
        PlaySound("audioevent_inventory_scroll");
        return;
    }
    if (IsOverRightArrow(x, y)) {
        ScrollRight();
        PlaySound("audioevent_inventory_scroll");
        return;
    }
    AdventureLevel* level = AdventureLevel::Current();
    if (level == nullptr || !level->InputAllowed())
        return;
    for (int i = 0; i < fieldCount; ++i) {
        const Field clicked = GetField(i);
        if (clicked.item == nullptr || !IsOverField(clicked.x, clicked.y))
            continue;
        level->StopBlockingScripts();
        if (level->GetState() == AdventureLevel::combineMode) {
            if (Character* player = Cast::GetInstance().FindAs<Character>("Player"))
                player->Stop();
            combineWith = clicked.item;
            Combine();
        } else {
            level->SetState(AdventureLevel::combineMode);
            combineItem = clicked.item;
        }
        return;
    }
}

void Inventory::OnRightClick(int x, int y)
{
    SetMousePosition(x, y);
    AdventureLevel* level = AdventureLevel::Current();
    if (level == nullptr || level->GetState() == AdventureLevel::combineMode || !level->InputAllowed())
        return;
    for (int i = 0; i < fieldCount; ++i) {
        const Field examined = GetField(i);
        if (examined.item != nullptr && IsOverField(examined.x, examined.y)) {
            examined.item->OnExamine();
            return;
        }
    }
}

void Inventory::Combine()
{
    AdventureLevel* level = AdventureLevel::Current();
    if (level == nullptr || combineItem == nullptr || combineWith == nullptr)
        return;
    const Cast& cast = Cast::GetInstance();
    const TalkEntry line = level->GetCombineLine(cast.GetFullName(combineItem), cast.GetFullName(combineWith));
    level->SetState(AdventureLevel::normal);
    level->Perform(line);
    combineItem = nullptr;
    combineWith = nullptr;
}

void Inventory::Update(float dt)
{
    const AdventureLevel* level = AdventureLevel::Current();
    if (showTimer > 0.0f) {
        showTimer -= dt;
        showBar = true;
    } else {
        // An item stays chosen only while the level waits for its target.
        const bool choosing = combineItem != nullptr && LevelState(level) == AdventureLevel::combineMode;
        const bool inputAllowed = level == nullptr || level->InputAllowed();
        showBar = inputAllowed && (mouseY >= barMouseRow || choosing);
    }
    const float step = (slide + slideBias) * dt * slideRate;
    if (showBar)
        slide = std::max(slide - step, 0.0f);
    else
        slide = std::min(slide + step, hiddenSlide);
}

std::string Inventory::BuildTextLine(Item* hovered)
{
    const int state = LevelState(AdventureLevel::Current());
    if (state != AdventureLevel::combining)
        combineWarningLogged = false;
    if (state == AdventureLevel::combineMode && combineItem != nullptr) {
        if (hovered != nullptr)
            combineWith = hovered;
        return "Benutze " + combineItem->GetLabel() + " mit " +
               (combineWith != nullptr ? combineWith->GetLabel() : std::string("..."));
    }
    if (state == AdventureLevel::combining) {
        if (combineItem != nullptr && combineWith != nullptr) {
            combineWarningLogged = false;
            return "Benutze " + combineItem->GetLabel() + " mit " + combineWith->GetLabel();
        }
        if (!combineWarningLogged) {
            LogWarning("Inventory::Render: CombineItem or CombineWith is NULL!\n");
            combineWarningLogged = true;
        }
        // Only what is there goes into the line.
        return combineItem != nullptr ? "Benutze " + combineItem->GetLabel() + " mit ..." : std::string();
    }
    return hovered != nullptr ? hovered->GetLabel() : std::string();
}

void Inventory::Render()
{
    DrawTopLeft(bar, 0, Truncate(slide + barY), barDepth);

    std::array<Field, fieldCount> fields;
    for (int i = 0; i < fieldCount; ++i) {
        fields[i] = GetField(i);
        if (fields[i].item != nullptr)
            DrawTopLeft(fields[i].item->GetIconSprite(), fields[i].x, Truncate(fields[i].y + slide), iconDepth);
    }

    if (IsOverLeftArrow(mouseX, mouseY))
        DrawTopLeft(arrowLeft, leftArrowLeft, Truncate(slide + leftArrowTop), fieldDepth);
    Item* hovered = nullptr;
    for (const Field& shown : fields) {
        DrawTopLeft(shown.item != nullptr ? field : fieldEmpty, shown.x, Truncate(shown.y + slide), fieldDepth);
        if (IsOverField(shown.x, shown.y)) {
            DrawTopLeft(fieldSelection, shown.x + 5, Truncate(shown.y + 1 + slide), selectionDepth);
            if (shown.item != nullptr)
                hovered = shown.item;
        }
    }
    if (IsOverRightArrow(mouseX, mouseY))
        DrawTopLeft(arrowRight, rightArrowLeft, Truncate(slide + rightArrowTop), fieldDepth);

    const std::string line = BuildTextLine(hovered);
    const Font* font = TextDisplay::GetInstance().GetFont("default");
    if (!line.empty() && font != nullptr)
        font->DrawString(textCentreX - font->GetStringWidth(line) / 2, textY, line);
}
