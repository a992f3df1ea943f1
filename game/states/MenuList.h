#pragma once

// The menu item list: text buttons, labels and left/right choice items laid
// out on a page, with mouse hover, keyboard navigation and click handling.
// The main menu, its shared pages and the in-game menu build their pages
// from it.
//
// An item's x, y is the centre of the top edge of its text box: the text is
// laid out in an 800 x 400 box from x - 400, centred horizontally. Ids: -1
// is a label that cannot be selected; a page gives its selectable items ids
// of its own (0 is "Zurück" by custom).
//
// Keyboard: navigation groups are the rows the arrow keys move over (an id
// of -1 in a group is a hole the keys skip). A navigation key switches to
// keyboard mode, where the highlight follows the keys; moving the pointer
// switches back. Without groups, up and down cycle the selectable items and
// left and right step a hovered choice.
//
// A disabled list ignores Update, OnKey and OnClick. Clear forgets the
// hovered id with the items, since ids mean something else on the next
// page. Choice items use the small font; their arrows are the sprites
// "menu_arrow_left" and "menu_arrow_right", fetched by AddChoice (a missing
// one is neither drawn nor hit).

#include "graphics/Animation.h"

#include <string>
#include <utility>
#include <vector>

class MenuList {
public:
    using Options = std::vector<std::pair<int, std::string>>;

    // Virtual key codes the list reacts to.
    static constexpr int keyEnter = 13;
    static constexpr int keyLeft = 37;
    static constexpr int keyUp = 38;
    static constexpr int keyRight = 39;
    static constexpr int keyDown = 40;

    MenuList();

    void Clear();
    void AddButton(const std::string& text, int x, int y, int id, bool smallFont = false);
    void AddLabel(const std::string& text, int x, int y, bool smallFont = false);
    // A choice among `options` (value, text) showing `value`'s text between
    // a left and a right arrow, `width` pixels apart around x.
    void AddChoice(int x, int y, int id, const Options& options, int value, int width);
    void AddNavigationGroup(const std::vector<int>& ids);

    void Update(float seconds, int pointerX, int pointerY);
    void Draw();
    // True: the hovered item is to be activated (Enter, or a choice stepped
    // by the arrow keys).
    bool OnKey(int key);
    // Steps a choice item whose arrow is under the pointer.
    void OnClick();

    // The current value of a choice item; -1 for an unknown id.
    int GetChoice(int id) const;
    int GetHoveredId() const { return hoveredId; }
    void SetHoveredId(int id) { hoveredId = id; }
    bool IsEnabled() const { return enabled; }
    void SetEnabled(bool on) { enabled = on; }
    bool IsKeyboardMode() const { return keyboardMode; }

    // For the pages that draw their own hover marks and for tests.
    struct Item {
        std::string text;
        int x = 0;
        int y = 0;
        int id = -1;
        bool highlighted = false;
        bool smallFont = false;
        Options options;
        int value = 0;
        int leftArrowX = 0;
        int rightArrowX = 0;
        bool onLeftArrow = false;
        bool onRightArrow = false;
        bool IsChoice() const { return !options.empty(); }
    };
    const std::vector<Item>& GetItems() const { return items; }
    const std::vector<std::vector<int>>& GetNavigationGroups() const { return navigationGroups; }

private:
    bool enabled = true;
    bool keyboardMode = false;
    int hoveredId = -1;
    int lastPointerX = -1;
    int lastPointerY = -1;
    std::vector<std::vector<int>> navigationGroups;
    std::vector<Item> items;
    Animation arrowLeft;
    Animation arrowRight;
};
