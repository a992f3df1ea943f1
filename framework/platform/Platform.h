#pragma once

// The platform layer: what the game takes from the operating system, as a few
// small interfaces with two back ends. The SDL2 back end drives a real window,
// the real clock and the sound card; the headless back end runs on virtual
// time with an event queue that tests and recordings feed, and keeps what it
// would have shown. Nothing above this folder includes SDL.
//
// All calls come from the main thread, except where an interface says so.
// Texts handed to the platform are Windows-1252; the back ends convert.

#include "Clock.h"
#include "DisplayDevice.h"
#include "PeriodicTimer.h"
#include "SoundDevice.h"
#include "VideoPlayer.h"
#include "Window.h"

#include <memory>
#include <string_view>

namespace platform {

class Platform {
public:
    Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;
    virtual ~Platform() = default;

    // Brings up the video and the audio back ends; false when this machine
    // cannot provide them.
    virtual bool InitVideo() = 0;
    virtual bool InitAudio() = 0;
    // The sound card (bringing the audio back end up first);
    // soundErrorNoDriver, and no device, when this machine has none.
    virtual SoundResult CreateSoundDevice(std::unique_ptr<SoundDevice>& device) = 0;

    virtual Window& GetWindow() = 0;
    virtual DisplayDevice& GetDisplay() = 0;
    virtual Clock& GetClock() = 0;
    virtual VideoPlayer& GetVideoPlayer() = 0;
    virtual std::unique_ptr<PeriodicTimer> CreatePeriodicTimer() = 0;
    // A modal box with an OK button; the text also goes to standard error.
    virtual void ShowMessageBox(std::string_view caption, std::string_view text) = 0;

    // The one platform of the process, installed by the shell (or a test).
    static void Install(std::unique_ptr<Platform> platform);
    static Platform* Get();
    static void Remove();
};

std::unique_ptr<Platform> CreateSdlPlatform();

// Writes a message box's text to standard error, converted to UTF-8.
void PrintMessageBox(std::string_view caption, std::string_view text);
// Shows a message box on the installed platform; without one, prints it.
void ShowMessageBox(std::string_view caption, std::string_view text);

} // namespace platform
