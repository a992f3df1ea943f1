#pragma once

// A headless 1024 x 768 canvas at `depth` bits in a temporary folder whose
// "data" is the generated one (build/run/data); the log goes to a file
// there. Everything is torn down with the stage.

#include "BenchmarkFolder.h"
#include "app/Debug.h"
#include "app/Singleton.h"
#include "graphics/DirectDraw.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessPlatform.h"

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

private:
    BenchmarkFolder folder;
    bool ready = false;
};
