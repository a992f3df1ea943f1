#pragma once

// Fixtures for the tests that read the generated data tree: each works in a
// fresh temporary folder whose "data" folder is the generated one, as the
// game finds it in its working directory.

#include "graphics/DirectDraw.h"
#include "support/HeadlessTest.h"

#include <gtest/gtest.h>

#include <filesystem>

class GeneratedDataTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        std::filesystem::create_directory_symlink(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data", "data");
    }
};

// The same with the game's 1024 x 768 display open and its log started, as
// the game has them before it loads anything.
class GeneratedDataDisplayTest : public GeneratedDataTest {
protected:
    void SetUp() override
    {
        GeneratedDataTest::SetUp();
        ASSERT_TRUE(Window().Create({"Test", 1024, 768, false}));
        ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 1024, 768, 32, false));
        StartLog();
    }
};
