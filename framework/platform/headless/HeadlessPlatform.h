#pragma once

#include "../FfmpegVideoPlayer.h"
#include "../Platform.h"
#include "HeadlessClock.h"
#include "HeadlessWindow.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// The platform without screen, sound card or real time: everything above it
// runs the same way in tests, CI and scripted runs.
class HeadlessPlatform final : public Platform {
public:
    explicit HeadlessPlatform(std::uint32_t framePeriodMilliseconds = 20);

    bool InitVideo() override { return videoAvailable; }
    bool InitAudio() override { return audioAvailable; }
    HeadlessWindow& GetWindow() override { return window; }
    DisplayDevice& GetDisplay() override { return display; }
    HeadlessClock& GetClock() override { return clock; }
    VideoPlayer& GetVideoPlayer() override { return videoPlayer; }
    SoundResult CreateSoundDevice(std::unique_ptr<SoundDevice>& device) override;
    std::unique_ptr<PeriodicTimer> CreatePeriodicTimer() override;
    void ShowMessageBox(std::string_view caption, std::string_view text) override;

    // For tests: pretend a back end is missing.
    void SetVideoAvailable(bool available) { videoAvailable = available; }
    void SetAudioAvailable(bool available) { audioAvailable = available; }
    // For tests: devices come from `make` instead of the virtual-time mixer.
    void SetSoundDeviceMaker(std::function<std::unique_ptr<SoundDevice>()> make) { makeSoundDevice = std::move(make); }
    // Every message box shown, as (caption, text).
    const std::vector<std::pair<std::string, std::string>>& GetMessageBoxes() const { return messageBoxes; }

private:
    HeadlessClock clock;
    HeadlessWindow window;
    DisplayDevice display{window};
    FfmpegVideoPlayer videoPlayer{clock, [this](std::unique_ptr<SoundDevice>& device) { return CreateSoundDevice(device); }};
    std::vector<std::pair<std::string, std::string>> messageBoxes;
    bool videoAvailable = true;
    bool audioAvailable = true;
    std::function<std::unique_ptr<SoundDevice>()> makeSoundDevice;
};

} // namespace platform
