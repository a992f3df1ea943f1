#include "platform/VirtualKey.h"
#include "platform/headless/HeadlessWindow.h"

#include <gtest/gtest.h>

using platform::HeadlessWindow;
using platform::MessageType;
using platform::WindowMessage;

namespace {
std::vector<MessageType> Drain(HeadlessWindow& window)
{
    std::vector<MessageType> types;
    WindowMessage message;
    while (window.PeekMessage(message))
        types.push_back(message.type);
    return types;
}
} // namespace

TEST(Window, HandsOutMessagesInWindowsQueueOrder)
{
    HeadlessWindow window;
    ASSERT_TRUE(window.Create({"Test", 800, 600, false}));
    window.Invalidate();
    window.PostQuitMessage(7);
    window.Inject({MessageType::KeyDown, 65});
    window.PostMessage({MessageType::Char, 97});

    // Posted first, then the system's, then quit, then paint.
    WindowMessage message;
    ASSERT_TRUE(window.PeekMessage(message));
    EXPECT_EQ(message.type, MessageType::Char);
    ASSERT_TRUE(window.PeekMessage(message));
    EXPECT_EQ(message.type, MessageType::KeyDown);
    ASSERT_TRUE(window.PeekMessage(message));
    EXPECT_EQ(message.type, MessageType::Quit);
    EXPECT_EQ(message.value, 7);
    ASSERT_TRUE(window.PeekMessage(message));
    EXPECT_EQ(message.type, MessageType::Paint);
    EXPECT_FALSE(window.PeekMessage(message));

    // Two invalidations make one paint.
    window.Invalidate();
    window.Invalidate();
    EXPECT_EQ(Drain(window), std::vector<MessageType>{MessageType::Paint});

    // A waiting headless window with nothing to come is closed.
    ASSERT_TRUE(window.WaitMessage(message));
    EXPECT_EQ(message.type, MessageType::Destroy);
}

TEST(Window, DroppingInputKeepsEverythingElse)
{
    HeadlessWindow window;
    window.Inject({MessageType::KeyDown, VirtualKey::Escape});
    window.Inject({MessageType::Destroy});
    window.Inject({MessageType::LeftButtonDown, 0, 5, 5});
    window.Inject({MessageType::KeyUp, VirtualKey::Escape});
    window.PostMessage({MessageType::Char, 32});
    window.PostMessage({MessageType::SetFocus});
    window.DropPendingInput();
    EXPECT_EQ(Drain(window), (std::vector<MessageType>{MessageType::SetFocus, MessageType::Destroy, MessageType::KeyUp}));
}

TEST(Window, KeyStateFollowsTheMessagesHandedOut)
{
    HeadlessWindow window;
    const auto& keys = window.GetKeyState();
    // The key right of L on a German keyboard types ä, and Ä with Shift.
    window.Inject({MessageType::KeyDown, VirtualKey::Oem7});
    window.Inject({MessageType::Char, 0xE4});
    EXPECT_FALSE(keys.IsKeyDown(VirtualKey::Oem7)); // not taken yet
    Drain(window);
    EXPECT_TRUE(keys.IsKeyDown(VirtualKey::Oem7));
    EXPECT_EQ(keys.TranslateKey(VirtualKey::Oem7), 0xE4);

    window.Inject({MessageType::KeyUp, VirtualKey::Oem7});
    window.Inject({MessageType::KeyDown, VirtualKey::Shift});
    window.Inject({MessageType::KeyDown, VirtualKey::Oem7});
    window.Inject({MessageType::Char, 0xC4});
    window.Inject({MessageType::KeyUp, VirtualKey::Oem7});
    Drain(window);
    EXPECT_FALSE(keys.IsKeyDown(VirtualKey::Oem7));
    EXPECT_TRUE(keys.IsKeyDown(VirtualKey::Shift));
    EXPECT_EQ(keys.TranslateKey(VirtualKey::Oem7), 0xC4);
    EXPECT_EQ(keys.TranslateKey(VirtualKey::Shift), 0); // gave no character

    // An arrow key gives no character, even right after a letter.
    window.Inject({MessageType::KeyDown, VirtualKey::Left});
    Drain(window);
    EXPECT_EQ(keys.TranslateKey(VirtualKey::Left), 0);

    // Losing the focus lets go of every key.
    window.Inject({MessageType::KillFocus});
    Drain(window);
    EXPECT_FALSE(keys.IsKeyDown(VirtualKey::Shift));
    EXPECT_FALSE(keys.IsKeyDown(VirtualKey::Left));
}

TEST(Window, KeepsACopyOfThePresentedPicture)
{
    HeadlessWindow window;
    // Two rows of three pixels in a buffer four pixels wide.
    const std::uint32_t pixels[8] = {1, 2, 3, 99, 4, 5, 6, 99};
    window.Present(pixels, 3, 2, 4);
    EXPECT_EQ(window.GetPresentCount(), 1u);
    const auto& picture = window.GetLastPresented();
    EXPECT_EQ(picture.width, 3);
    EXPECT_EQ(picture.height, 2);
    EXPECT_EQ(picture.pixels, (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6}));

    // A picture that cannot be right is not shown.
    window.Present(pixels, 5, 2, 4);
    window.Present(nullptr, 3, 2, 3);
    EXPECT_EQ(window.GetPresentCount(), 1u);
}
