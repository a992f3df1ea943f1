#pragma once

// A headless 1024 x 768 canvas at `depth` bits in a temporary folder whose
// "data" is the generated one (build/run/data); the log goes to a file
// there. Everything is torn down with the stage.

#include "BenchmarkFolder.h"
#include "adventure/Level.h"
#include "app/Debug.h"
#include "app/Singleton.h"
#include "graphics/DirectDraw.h"
#include "graphics/FontLoaderUtil.h"
#include "graphics/RenderEngine.h"
#include "graphics/SpriteLoaderUtil.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessPlatform.h"

#include <cstdio>
#include <filesystem>
#include <memory>

class GeneratedDataStage {
public:
    explicit GeneratedDataStage(int depth = 32)
    {
        platform::Platform::Install(std::make_unique<platform::HeadlessPlatform>());
        platform::Window& window = platform::Platform::Get()->GetWindow();
        std::error_code failed;
        std::filesystem::create_directory_symlink(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data", "data", failed);
        ready = folder.IsReady() && !failed && Debug::GetInstance().CreateLogFile("debug.txt") &&
                window.Create({"Bench", DirectDraw::canvasWidth, DirectDraw::canvasHeight, true}) &&
                DirectDraw::GetInstance().Init(window, DirectDraw::canvasWidth, DirectDraw::canvasHeight, depth, true);
    }
    ~GeneratedDataStage()
    {
        SingletonRegistry::DestroyAll();
        platform::Platform::Remove();
    }
    GeneratedDataStage(const GeneratedDataStage&) = delete;
    GeneratedDataStage& operator=(const GeneratedDataStage&) = delete;

    bool IsReady() const { return ready; }

    // The stage ready with a level's sprites, the shared adventure sprites
    // and the fonts, as the game loads them for the level.
    bool LoadLevel(int level)
    {
        char list[40];
        char sprites[40];
        std::snprintf(list, sizeof list, "data\\level%02d\\sprites.txt", level);
        std::snprintf(sprites, sizeof sprites, "data\\level%02d\\sprites\\", level);
        return ready && SpriteLoaderUtil::Load(list, sprites, 0.0f, 0.6f) &&
               SpriteLoaderUtil::Load("data\\sharedadventure\\sprites.txt", "data\\sharedadventure\\sprites\\", 0.6f,
                                      0.7f) &&
               FontLoaderUtil::LoadFonts();
    }

    // One frame of `level` composed into the canvas, not presented.
    static void Draw(Level& level)
    {
        RenderEngine& engine = RenderEngine::GetInstance();
        engine.ClearRenderList();
        level.Render();
        engine.Render();
    }

private:
    BenchmarkFolder folder;
    bool ready = false;
};
