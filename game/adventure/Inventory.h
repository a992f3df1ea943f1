#pragma once

// The inventory bar at the bottom of the adventure screen: the items the
// player carries, by full name in the order they came, four of them shown
// in slanted fields from `scrollPos` on (wrapping round), with arrows to
// scroll. The bar slides up while the mouse is near the bottom, an item is
// chosen for combining, or for two seconds after an item was added.
//
// A left click on an item chooses it for combining (the level enters its
// combine mode); a left click on a second item in combine mode combines the
// two through the talk sheets. A right click examines the item. Items are
// looked up in the cast by name each time: a name no longer in the cast
// shows an empty field.
//
// Screen coordinates throughout, 1024 x 768; y positions of the bar are
// shifted down by `slide` (0 shown, 128 hidden).

#include "app/Singleton.h"
#include "files/Object.h"
#include "graphics/Animation.h"

#include <set>
#include <string>
#include <vector>

class Entity;
class Item;

class Inventory : public Object, public Singleton<Inventory> {
public:
    static constexpr int fieldCount = 4;
    static constexpr float hiddenSlide = 128.0f;
    // How long the bar stays up after an item was added.
    static constexpr float showTimeAfterAdding = 2.0f;

    // One of the four fields: its top left corner (before the slide) and
    // the item shown there, if any.
    struct Field {
        int x = 0;
        int y = 0;
        Item* item = nullptr;
    };

    void Serialize(Serializer& serializer, const char* name) override;
    void SerializeState(Serializer& serializer, const char* name) override;

    // Binds the bar's pictures and empties the inventory.
    void Init();
    // Empties both lists and forgets the combination; the bar hides.
    void Clear();

    // Adds the item with a sound and shows the bar, scrolled so that the
    // new item is in view.
    void AddItem(const std::string& name);
    // The same without sound and without showing the bar (scripts).
    void AddItemSilently(const std::string& name);
    // Removes the first entry of that name.
    void RemoveItem(const std::string& name);
    bool HasItem(const std::string& name) const;
    void StoreItems();
    void RestoreItems();

    Field GetField(int index) const;
    // Whether the mouse is over the slanted field with that corner.
    bool IsOverField(int fieldX, int fieldY) const;
    bool IsOverLeftArrow(int x, int y) const;
    bool IsOverRightArrow(int x, int y) const;

    void SetMousePosition(int x, int y);
    void OnLeftClick(int x, int y);
    void OnRightClick(int x, int y);
    // Carries out the chosen combination and leaves combine mode.
    void Combine();

    void Update(float dt);
    void Render();
    // The text line under the mouse: what is combined with what, or the
    // hovered item's label. Render draws it.
    std::string BuildTextLine(Item* hovered);

    const std::vector<std::string>& GetItems() const { return items; }
    const std::vector<std::string>& GetStash() const { return stash; }
    int GetScrollPos() const { return scrollPos; }
    void SetScrollPos(int position) { scrollPos = position; }
    float GetSlide() const { return slide; }
    bool IsBarShown() const { return showBar; }
    float GetShowTimer() const { return showTimer; }
    Item* GetCombineItem() const { return combineItem; }
    void SetCombineItem(Item* item) { combineItem = item; }
    Entity* GetCombineWith() const { return combineWith; }
    // The level names the entity under the mouse in combine mode.
    void SetCombineWith(Entity* entity) { combineWith = entity; }

private:
    // Entry (index + scrollPos) of the list, wrapped round; -1 for none.
    int EntryOfField(int index) const;
    void ScrollLeft();
    void ScrollRight();
    static void PlaySound(const char* event);

    std::vector<std::string> items;
    std::vector<std::string> stash;
    int scrollPos = 0;
    float slide = hiddenSlide;
    bool showBar = false;
    float showTimer = 0.0f;
    int mouseX = 0;
    int mouseY = 0;
    Animation bar;
    Animation field;
    Animation fieldEmpty;
    Animation fieldSelection;
    Animation arrowLeft;
    Animation arrowRight;
    Item* combineItem = nullptr;
    Entity* combineWith = nullptr;

    // Names already reported as missing from the cast (once each).
    mutable std::set<std::string> reportedMissing;
    bool combineWarningLogged = false;
};
