#include "app/KeyboardInput.h"
#include "app/Singleton.h"
#include "platform/VirtualKey.h"

#include <gtest/gtest.h>

class KeyboardInputTest : public ::testing::Test {
protected:
    void TearDown() override { SingletonRegistry::DestroyAll(); }
    KeyboardInput& keyboard = KeyboardInput::GetInstance();
};

TEST_F(KeyboardInputTest, PressedAndReleasedLastOneFrame)
{
    keyboard.KeyDown('A');
    keyboard.KeyDown('A'); // key repeat
    keyboard.Update(0.02f);
    EXPECT_TRUE(keyboard.WasPressed('A'));
    EXPECT_TRUE(keyboard.IsDown('A'));
    EXPECT_EQ(keyboard.GetLastKeyDown(), 'A');

    keyboard.KeyDown('A');
    keyboard.Update(0.02f);
    EXPECT_FALSE(keyboard.WasPressed('A'));
    EXPECT_TRUE(keyboard.IsDown('A'));
    EXPECT_EQ(keyboard.GetLastReleasedKey(), 0);

    keyboard.KeyUp('A');
    keyboard.Update(0.02f);
    EXPECT_TRUE(keyboard.WasReleased('A'));
    EXPECT_FALSE(keyboard.IsDown('A'));
    EXPECT_EQ(keyboard.GetLastReleasedKey(), 'A');

    keyboard.Update(0.02f);
    EXPECT_FALSE(keyboard.WasReleased('A'));
    EXPECT_EQ(keyboard.GetLastReleasedKey(), 0);
}

TEST_F(KeyboardInputTest, SeveralReleasesNameTheHighestCode)
{
    keyboard.KeyDown(VirtualKey::Space);
    keyboard.KeyDown('Z');
    keyboard.KeyDown(VirtualKey::Return);
    keyboard.Update(0.02f);
    keyboard.KeyUp('Z');
    keyboard.KeyUp(VirtualKey::Space);
    keyboard.KeyUp(VirtualKey::Return);
    keyboard.Update(0.02f);
    EXPECT_TRUE(keyboard.WasReleased(VirtualKey::Space));
    EXPECT_TRUE(keyboard.WasReleased(VirtualKey::Return));
    EXPECT_TRUE(keyboard.WasReleased('Z'));
    EXPECT_EQ(keyboard.GetLastReleasedKey(), 'Z');
}

TEST_F(KeyboardInputTest, ATapBetweenTwoFramesIsNeitherPressedNorReleased)
{
    keyboard.Update(0.02f);
    keyboard.KeyDown(VirtualKey::Space);
    keyboard.KeyUp(VirtualKey::Space);
    keyboard.Update(0.02f);
    EXPECT_FALSE(keyboard.WasPressed(VirtualKey::Space));
    EXPECT_FALSE(keyboard.WasReleased(VirtualKey::Space));
    EXPECT_EQ(keyboard.GetLastReleasedKey(), 0);
    EXPECT_EQ(keyboard.GetLastKeyDown(), VirtualKey::Space);
}
