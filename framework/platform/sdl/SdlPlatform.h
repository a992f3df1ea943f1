#pragma once

#include "../FfmpegVideoPlayer.h"
#include "../Platform.h"
#include "../SystemClock.h"
#include "SdlWindow.h"

namespace platform {

class SdlPlatform final : public Platform {
public:
    ~SdlPlatform() override;

    bool InitVideo() override;
    bool InitAudio() override;
    SoundResult CreateSoundDevice(std::unique_ptr<SoundDevice>& device) override;
    Window& GetWindow() override { return window; }
    DisplayDevice& GetDisplay() override { return display; }
    Clock& GetClock() override { return clock; }
    VideoPlayer& GetVideoPlayer() override { return videoPlayer; }
    std::unique_ptr<PeriodicTimer> CreatePeriodicTimer() override;
    void ShowMessageBox(std::string_view caption, std::string_view text) override;

private:
    bool InitSubsystem(Uint32 subsystem, const char* name);

    SystemClock clock;
    SdlWindow window;
    DisplayDevice display{window};
    FfmpegVideoPlayer videoPlayer{clock, [this](std::unique_ptr<SoundDevice>& device) { return CreateSoundDevice(device); }};
    Uint32 initialisedSubsystems = 0;
};

} // namespace platform
