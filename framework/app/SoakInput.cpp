#include "SoakInput.h"

#include "platform/VirtualKey.h"

#include <algorithm>
#include <array>

using platform::MessageType;
using platform::WindowMessage;

namespace {

constexpr int logicalWidth = 1024;
constexpr int logicalHeight = 768;

// Keys a player taps: the game's own (menu, skip, hotspots, quick save and
// load, the dialogue log, help) and the ones the minigames and the menus
// listen to. F5 to F9 are left out: in a window they are the developer menu
// (reset, message and flag windows, reloading texts, quitting), which no
// player's game has; F12 writes a screenshot file each time.
constexpr std::array tappedKeys{
    VirtualKey::Escape, VirtualKey::Escape,    VirtualKey::Return, VirtualKey::Return, VirtualKey::Space,
    VirtualKey::Space,  VirtualKey::Tab,       VirtualKey::Left,   VirtualKey::Right,  VirtualKey::Up,
    VirtualKey::Down,   VirtualKey::Backspace, VirtualKey::F1,     VirtualKey::F1 + 1, VirtualKey::F1 + 2,
    VirtualKey::F1 + 3, VirtualKey::OemPeriod, int{'L'},           int{'T'},           int{'1'},
};
// Keys a player holds down: running, aiming and firing in the minigames.
constexpr std::array heldKeys{VirtualKey::Left, VirtualKey::Right, VirtualKey::Up,
                              VirtualKey::Down, VirtualKey::Space, VirtualKey::Return};

} // namespace

SoakInput::SoakInput(unsigned seed) : random(seed) {}

int SoakInput::Uniform(int from, int to)
{
    // Not std::uniform_int_distribution: its results differ between standard
    // libraries, and a seed must give the same input everywhere.
    return from + static_cast<int>(random() % static_cast<std::uint32_t>(to - from + 1));
}

std::vector<WindowMessage> SoakInput::Next(std::uint32_t frame)
{
    while (freeFrom <= frame)
        Plan(frame);
    std::vector<WindowMessage> due;
    const auto found = planned.find(frame);
    if (found != planned.end()) {
        due = std::move(found->second);
        planned.erase(found);
    }
    return due;
}

void SoakInput::Plan(std::uint32_t frame)
{
    const int choice = Uniform(0, 99);
    std::uint32_t next = frame + 1;
    if (choice < 15)
        next = Wait(frame);
    else if (choice < 48)
        next = Click(frame, MessageType::LeftButtonDown, MessageType::LeftButtonUp, false);
    else if (choice < 55)
        next = Click(frame, MessageType::RightButtonDown, MessageType::RightButtonUp, false);
    else if (choice < 58)
        next = Click(frame, MessageType::LeftButtonDown, MessageType::LeftButtonUp, true);
    else if (choice < 65)
        next = Drag(frame);
    else if (choice < 68)
        next = Burst(frame);
    else if (choice < 82)
        next = TapKey(frame);
    else if (choice < 88)
        next = HoldKey(frame);
    else if (choice < 91)
        next = Type(frame);
    else if (choice < 93)
        next = Focus(frame);
    else
        next = VisitMenu(frame);
    freeFrom = std::max(next, frame + 1);
}

std::uint32_t SoakInput::Wait(std::uint32_t frame)
{
    // Mostly short pauses; now and then a long one, for a walk, a
    // conversation or a scene to play out.
    const int frames = Uniform(0, 19) == 0 ? Uniform(200, 600) : Uniform(1, 120);
    return frame + static_cast<std::uint32_t>(frames);
}

std::uint32_t SoakInput::GlideToSomewhere(std::uint32_t frame)
{
    int x = 0;
    int y = 0;
    const int where = Uniform(0, 19);
    if (where < 5) { // the inventory bar and the buttons along the bottom
        x = Uniform(0, logicalWidth - 1);
        y = Uniform(640, logicalHeight - 1);
    } else if (where < 7) { // the edges, where doors lead out
        x = Uniform(0, 1) == 0 ? Uniform(0, 60) : Uniform(logicalWidth - 61, logicalWidth - 1);
        y = Uniform(0, logicalHeight - 1);
    } else {
        x = Uniform(0, logicalWidth - 1);
        y = Uniform(0, logicalHeight - 1);
    }
    return GlideTo(frame, x, y);
}

std::uint32_t SoakInput::GlideTo(std::uint32_t frame, int x, int y)
{
    const int steps = Uniform(1, 8);
    const int fromX = pointerX;
    const int fromY = pointerY;
    for (int step = 1; step <= steps; ++step) {
        pointerX = fromX + (x - fromX) * step / steps;
        pointerY = fromY + (y - fromY) * step / steps;
        AddAtPointer(frame + static_cast<std::uint32_t>(step - 1), MessageType::MouseMove);
    }
    return frame + static_cast<std::uint32_t>(steps);
}

std::uint32_t SoakInput::Click(std::uint32_t frame, MessageType down, MessageType up, bool twice)
{
    std::uint32_t at = GlideToSomewhere(frame);
    AddAtPointer(at, down);
    AddAtPointer(at + 1, up);
    if (twice) {
        AddAtPointer(at + 2, down == MessageType::LeftButtonDown ? MessageType::LeftButtonDoubleClick
                                                                 : MessageType::RightButtonDoubleClick);
        AddAtPointer(at + 3, up);
        at += 2;
    }
    return at + 2;
}

std::uint32_t SoakInput::Drag(std::uint32_t frame)
{
    std::uint32_t at = GlideToSomewhere(frame);
    AddAtPointer(at, MessageType::LeftButtonDown);
    at = GlideToSomewhere(at + 1);
    AddAtPointer(at, MessageType::LeftButtonUp);
    return at + 1;
}

std::uint32_t SoakInput::Burst(std::uint32_t frame)
{
    // Impatient clicking in one spot, one click a frame.
    std::uint32_t at = GlideToSomewhere(frame);
    const int clicks = Uniform(3, 12);
    for (int click = 0; click < clicks; ++click) {
        AddAtPointer(at, MessageType::LeftButtonDown);
        AddAtPointer(at, MessageType::LeftButtonUp);
        ++at;
    }
    return at;
}

std::uint32_t SoakInput::VisitMenu(std::uint32_t frame)
{
    // Escape opens the game's menu (or leaves the page shown); its buttons
    // sit in the middle of the screen, so the player clicks there a few
    // times, looking at each page a while, and now and then backs out.
    Key(frame, VirtualKey::Escape, 27);
    std::uint32_t at = frame + static_cast<std::uint32_t>(Uniform(5, 40));
    const int clicks = Uniform(1, 4);
    for (int click = 0; click < clicks; ++click) {
        const int x = Uniform(300, 724);
        const int y = Uniform(150, 700);
        at = GlideTo(at, x, y);
        AddAtPointer(at, MessageType::LeftButtonDown);
        AddAtPointer(at + 1, MessageType::LeftButtonUp);
        at += static_cast<std::uint32_t>(Uniform(10, 60));
    }
    if (Uniform(0, 1) == 0) {
        Key(at, VirtualKey::Escape, 27);
        at += 2;
    }
    return at;
}

void SoakInput::Key(std::uint32_t frame, int key, int character)
{
    Add(frame, MessageType::KeyDown, key);
    if (character != 0)
        Add(frame, MessageType::Char, character);
    Add(frame + 1, MessageType::KeyUp, key);
}

std::uint32_t SoakInput::TapKey(std::uint32_t frame)
{
    const int key = tappedKeys[static_cast<std::size_t>(Uniform(0, static_cast<int>(tappedKeys.size()) - 1))];
    const int character = key == VirtualKey::Return      ? '\r'
                          : key == VirtualKey::Escape    ? 27
                          : key == VirtualKey::Space     ? ' '
                          : key == VirtualKey::Backspace ? 8
                                                         : 0;
    Key(frame, key, character);
    return frame + 2;
}

std::uint32_t SoakInput::HoldKey(std::uint32_t frame)
{
    // The key stays down while the player goes on with other things, as
    // when steering with one hand and clicking with the other.
    const int key = heldKeys[static_cast<std::size_t>(Uniform(0, static_cast<int>(heldKeys.size()) - 1))];
    const std::uint32_t release = frame + static_cast<std::uint32_t>(Uniform(5, 150));
    Add(frame, MessageType::KeyDown, key);
    Add(release, MessageType::KeyUp, key);
    return frame + static_cast<std::uint32_t>(Uniform(1, 20));
}

std::uint32_t SoakInput::Type(std::uint32_t frame)
{
    // A name, as for a highscore table: letters, a slip corrected, Enter.
    const int letters = Uniform(1, 14);
    std::uint32_t at = frame;
    for (int letter = 0; letter < letters; ++letter) {
        const int index = Uniform(0, 25);
        Key(at, VirtualKey::LetterA + index, 'a' + index);
        at += 2;
    }
    if (Uniform(0, 2) == 0) {
        Key(at, VirtualKey::Backspace, 8);
        at += 2;
    }
    Key(at, VirtualKey::Return, '\r');
    return at + 2;
}

std::uint32_t SoakInput::Focus(std::uint32_t frame)
{
    // The player switches to another window and comes back. Both arrive
    // together: in full screen the game stops while it has no focus, so no
    // frame passes in between, and a headless game without focus and
    // without input waiting would end.
    Add(frame, MessageType::KillFocus);
    Add(frame, MessageType::SetFocus);
    return frame + 1;
}

void SoakInput::Add(std::uint32_t frame, MessageType type, int value)
{
    WindowMessage message;
    message.type = type;
    message.value = value;
    message.positionIsLogical = true;
    planned[frame].push_back(message);
}

void SoakInput::AddAtPointer(std::uint32_t frame, MessageType type)
{
    WindowMessage message;
    message.type = type;
    message.x = pointerX;
    message.y = pointerY;
    message.positionIsLogical = true;
    planned[frame].push_back(message);
}
