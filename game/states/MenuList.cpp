#include "MenuList.h"
#include "MenuSound.h"

#include "audio/SoundEngine.h"
#include "graphics/Sprite.h"
#include "graphics/TextDisplay.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace {

constexpr int textBoxWidth = 800;
constexpr int textBoxHeight = 400;
// The interface layer of the text, which the fonts draw at as well.
constexpr float arrowDepth = 0.9f;

const char* FontName(const MenuList::Item& item)
{
    if (item.smallFont)
        return item.highlighted ? "menuSmallHighlighted" : "menuSmall";
    return item.highlighted ? "menuBigHighlighted" : "menuBig";
}

// Position of the choice's current value among its options; -1 when the
// value is none of them.
int OptionIndex(const MenuList::Item& item)
{
    const auto found = std::find_if(item.options.begin(), item.options.end(),
                                    [&item](const auto& option) { return option.first == item.value; });
    return found == item.options.end() ? -1 : static_cast<int>(found - item.options.begin());
}

const std::string& ShownText(const MenuList::Item& item)
{
    static const std::string none;
    if (!item.IsChoice())
        return item.text;
    const int index = OptionIndex(item);
    return index < 0 ? none : item.options[static_cast<std::size_t>(index)].second;
}

// Sets the item's font, box and alignment on the text display.
void PrepareText(const MenuList::Item& item)
{
    TextDisplay& display = TextDisplay::GetInstance();
    display.SetFont(FontName(item));
    display.SetBox(item.x - textBoxWidth / 2, item.y, textBoxWidth, textBoxHeight);
    display.SetHAlign(HorizontalAlignment::centre);
    display.SetVAlign(VerticalAlignment::top);
}

// The arrows stand centred on the item's first text line (after PrepareText).
int ArrowCentreY(const MenuList::Item& item)
{
    TextDisplay& display = TextDisplay::GetInstance();
    const Font* font = display.GetFont(display.GetFontName());
    return item.y + (font != nullptr ? font->GetLineHeight() / 2 : 0);
}

// The arrow sprite's full size centred on the point; nothing without sprite.
TextRectangle ArrowBox(const Animation& arrow, int centreX, int centreY)
{
    const Sprite* sprite = arrow.GetSprite();
    if (sprite == nullptr)
        return {centreX, centreY, 0, 0};
    const int width = sprite->GetFullWidth();
    const int height = sprite->GetFullHeight();
    return {centreX - width / 2, centreY - height / 2, width, height};
}

// Where a choice's arrows stand: at the item's width, or, for a text wider
// than that, just beyond the text, so that no letter hides under an arrow.
std::pair<int, int> ArrowColumns(const MenuList::Item& item, const TextRectangle& text, const Animation& arrow)
{
    constexpr int gap = 3;
    const Sprite* sprite = arrow.GetSprite();
    const int half = sprite != nullptr ? sprite->GetFullWidth() / 2 : 0;
    if (text.width <= 0)
        return {item.leftArrowX, item.rightArrowX};
    return {std::min(item.leftArrowX, text.x - half - gap), std::max(item.rightArrowX, text.x + text.width + half + gap)};
}

bool IsEmpty(const TextRectangle& box)
{
    return box.width <= 0 || box.height <= 0;
}

bool Contains(const TextRectangle& box, int x, int y)
{
    return x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
}

TextRectangle Union(const TextRectangle& a, const TextRectangle& b)
{
    if (IsEmpty(a))
        return b;
    if (IsEmpty(b))
        return a;
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    const int right = std::max(a.x + a.width, b.x + b.width);
    const int bottom = std::max(a.y + a.height, b.y + b.height);
    return {left, top, right - left, bottom - top};
}

void DrawArrow(const Animation& arrow, int centreX, int centreY)
{
    if (Sprite* sprite = arrow.GetSprite())
        sprite->Draw(centreX, centreY, arrow.GetCurrentFrame(), arrowDepth);
}

// One step of `step` (+1 or -1) from `index` around a ring of `count`.
std::size_t Wrapped(std::size_t index, int step, std::size_t count)
{
    return step > 0 ? (index + 1) % count : (index + count - 1) % count;
}

// The first selectable id, scanning the groups from the first or the last.
int FirstInGroups(const std::vector<std::vector<int>>& groups, bool fromLast)
{
    for (std::size_t n = 0; n < groups.size(); ++n) {
        const std::vector<int>& group = groups[fromLast ? groups.size() - 1 - n : n];
        for (const int id : group)
            if (id != -1)
                return id;
    }
    return -1;
}

struct GroupPosition {
    std::size_t group = 0;
    std::size_t column = 0;
};

// The first place of a selectable id in the groups.
std::optional<GroupPosition> FindInGroups(const std::vector<std::vector<int>>& groups, int id)
{
    if (id == -1)
        return std::nullopt;
    for (std::size_t group = 0; group < groups.size(); ++group) {
        const auto at = std::find(groups[group].begin(), groups[group].end(), id);
        if (at != groups[group].end())
            return GroupPosition{group, static_cast<std::size_t>(at - groups[group].begin())};
    }
    return std::nullopt;
}

// The group's entry in the column, or when that is a hole the nearest
// selectable entry beside it (the left one first), so that a row whose
// tile in this column is locked still takes the keys to its other tiles;
// -1 when the row has none.
int EntryNear(const std::vector<int>& group, std::size_t column)
{
    for (std::size_t distance = 0; distance < group.size(); ++distance) {
        if (column >= distance && group[column - distance] != -1)
            return group[column - distance];
        if (column + distance < group.size() && group[column + distance] != -1)
            return group[column + distance];
    }
    return -1;
}

// Where an arrow key leads from the hovered id over the navigation groups.
int MoveOverGroups(const std::vector<std::vector<int>>& groups, int hoveredId, int key)
{
    const std::optional<GroupPosition> position = FindInGroups(groups, hoveredId);
    if (!position)
        return FirstInGroups(groups, key == MenuList::keyUp);

    const int step = key == MenuList::keyRight || key == MenuList::keyDown ? 1 : -1;
    if (key == MenuList::keyLeft || key == MenuList::keyRight) {
        const std::vector<int>& group = groups[position->group];
        std::size_t at = position->column;
        for (std::size_t n = 0; n < group.size(); ++n) {
            at = Wrapped(at, step, group.size());
            if (group[at] != -1)
                return group[at];
        }
        return hoveredId;
    }
    std::size_t at = position->group;
    for (std::size_t n = 0; n < groups.size(); ++n) {
        at = Wrapped(at, step, groups.size());
        const std::vector<int>& group = groups[at];
        if (group.empty())
            continue;
        const int id = EntryNear(group, position->column < group.size() ? position->column : 0);
        if (id != -1)
            return id;
    }
    return hoveredId;
}

// Where up or down leads over the selectable items in their order.
int MoveOverItems(const std::vector<MenuList::Item>& items, int hoveredId, int step)
{
    const auto count = static_cast<int>(items.size());
    const auto hovered = std::find_if(items.begin(), items.end(),
                                      [hoveredId](const MenuList::Item& item) { return item.id == hoveredId; });
    // From nothing hovered, down starts before the first item, up after the last.
    int at = hoveredId != -1 && hovered != items.end() ? static_cast<int>(hovered - items.begin())
                                                       : (step > 0 ? -1 : count);
    for (int n = 0; n < count; ++n) {
        at = (at + step + count) % count;
        if (items[static_cast<std::size_t>(at)].id != -1)
            return items[static_cast<std::size_t>(at)].id;
    }
    return hoveredId;
}

// Moves a choice one option on; at either end it stays, without a sound.
void Step(MenuList::Item& item, int step)
{
    if (item.options.empty())
        return;
    const int index = OptionIndex(item) + step;
    const int last = static_cast<int>(item.options.size()) - 1;
    if (index >= 0 && index <= last) {
        item.value = item.options[static_cast<std::size_t>(index)].first;
        MenuSound::Scroll();
        return;
    }
    item.value = item.options[index < 0 ? 0 : static_cast<std::size_t>(last)].first;
}

} // namespace

MenuList::MenuList() = default;

void MenuList::Clear()
{
    items.clear();
    navigationGroups.clear();
    // Ids mean something else on the next page.
    hoveredId = -1;
}

void MenuList::AddButton(const std::string& text, int x, int y, int id, bool smallFont)
{
    Item item;
    item.text = text;
    item.x = x;
    item.y = y;
    item.id = id;
    item.smallFont = smallFont;
    items.push_back(std::move(item));
}

void MenuList::AddLabel(const std::string& text, int x, int y, bool smallFont)
{
    AddButton(text, x, y, -1, smallFont);
}

void MenuList::AddChoice(int x, int y, int id, const Options& options, int value, int width)
{
    // Fetched when a page first needs them: the list may be made before the
    // menu's sprites are loaded, or have lost them when the registry was
    // emptied and loaded again.
    if (arrowLeft.GetSprite() == nullptr)
        arrowLeft.SetSpriteLabel("menu_arrow_left");
    if (arrowRight.GetSprite() == nullptr)
        arrowRight.SetSpriteLabel("menu_arrow_right");
    Item item;
    item.x = x;
    item.y = y;
    item.id = id;
    item.smallFont = true;
    item.options = options;
    item.value = value;
    item.leftArrowX = x - width / 2;
    item.rightArrowX = x + width / 2;
    items.push_back(std::move(item));
}

void MenuList::AddNavigationGroup(const std::vector<int>& ids)
{
    navigationGroups.push_back(ids);
}

void MenuList::Update(float seconds, int pointerX, int pointerY)
{
    if (!enabled)
        return;
    if (pointerX != lastPointerX || pointerY != lastPointerY)
        keyboardMode = false;
    lastPointerX = pointerX;
    lastPointerY = pointerY;
    if (!keyboardMode)
        hoveredId = -1;
    arrowLeft.Update(seconds);
    arrowRight.Update(seconds);

    TextDisplay& display = TextDisplay::GetInstance();
    for (Item& item : items) {
        PrepareText(item);
        TextRectangle box = display.MeasureText(ShownText(item));
        if (item.IsChoice()) {
            const int arrowY = ArrowCentreY(item);
            const auto [leftX, rightX] = ArrowColumns(item, box, arrowLeft);
            const TextRectangle left = ArrowBox(arrowLeft, leftX, arrowY);
            const TextRectangle right = ArrowBox(arrowRight, rightX, arrowY);
            const int index = OptionIndex(item);
            const int last = static_cast<int>(item.options.size()) - 1;
            item.onLeftArrow = Contains(left, pointerX, pointerY) && index != 0;
            item.onRightArrow = Contains(right, pointerX, pointerY) && index != last;
            box = Union(Union(box, left), right);
        }
        if (!keyboardMode && item.id != -1 && Contains(box, pointerX, pointerY))
            hoveredId = item.id;
    }
    for (Item& item : items)
        item.highlighted = item.id != -1 && item.id == hoveredId;
}

void MenuList::Draw()
{
    TextDisplay& display = TextDisplay::GetInstance();
    for (const Item& item : items) {
        PrepareText(item);
        display.DrawText(ShownText(item));
        if (item.IsChoice()) {
            const int arrowY = ArrowCentreY(item);
            const auto [leftX, rightX] = ArrowColumns(item, display.MeasureText(ShownText(item)), arrowLeft);
            DrawArrow(arrowLeft, leftX, arrowY);
            DrawArrow(arrowRight, rightX, arrowY);
        }
    }
}

bool MenuList::OnKey(int key)
{
    if (!enabled)
        return false;
    if (key == keyEnter)
        return hoveredId != -1;
    if (key != keyLeft && key != keyUp && key != keyRight && key != keyDown)
        return false;
    keyboardMode = true;

    if (!navigationGroups.empty()) {
        hoveredId = MoveOverGroups(navigationGroups, hoveredId, key);
        return false;
    }
    if (key == keyDown || key == keyUp) {
        hoveredId = MoveOverItems(items, hoveredId, key == keyDown ? 1 : -1);
        return false;
    }
    const auto choice = std::find_if(items.begin(), items.end(), [this](const Item& item) {
        return hoveredId != -1 && item.id == hoveredId && item.IsChoice();
    });
    if (choice == items.end())
        return false;
    Step(*choice, key == keyRight ? 1 : -1);
    return true;
}

void MenuList::OnClick()
{
    if (!enabled)
        return;
    for (Item& item : items) {
        if (item.onLeftArrow)
            Step(item, -1);
        else if (item.onRightArrow)
            Step(item, 1);
    }
}

int MenuList::GetChoice(int id) const
{
    for (const Item& item : items)
        if (item.id == id && item.IsChoice())
            return item.value;
    return -1;
}
