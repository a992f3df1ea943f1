#include "SdlPlatform.h"

#include "../ThreadPeriodicTimer.h"
#include "SdlSoundDevice.h"
#include "../Windows1252.h"

#include <cstdio>

namespace platform {

std::unique_ptr<Platform> CreateSdlPlatform()
{
    return std::make_unique<SdlPlatform>();
}

SdlPlatform::~SdlPlatform()
{
    window.Destroy();
    if (initialisedSubsystems != 0)
        SDL_QuitSubSystem(initialisedSubsystems);
    SDL_Quit();
}

bool SdlPlatform::InitVideo()
{
    if (!InitSubsystem(SDL_INIT_VIDEO, "video"))
        return false;
    // Without a display SDL falls back to drivers that show nothing; a player
    // would wait for a window that never opens. Only an explicit request
    // (SDL_VIDEODRIVER, as the tests make) may use them.
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool invisible = driver != nullptr && (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0);
    if (invisible && SDL_getenv("SDL_VIDEODRIVER") == nullptr) {
        std::fprintf(stderr, "SDL video: no display found (only the <%s> driver could start)\n", driver);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        initialisedSubsystems &= ~static_cast<Uint32>(SDL_INIT_VIDEO);
        return false;
    }
    // Game controllers are welcome but not needed.
    InitSubsystem(SDL_INIT_GAMECONTROLLER, "game controller");
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0 && SDL_BITSPERPIXEL(desktop.format) >= 16)
        display.SetDesktopDepth(SDL_BITSPERPIXEL(desktop.format) > 24 ? 32 : static_cast<int>(SDL_BITSPERPIXEL(desktop.format)));
    return true;
}

bool SdlPlatform::InitAudio()
{
    if ((initialisedSubsystems & SDL_INIT_AUDIO) != 0)
        return true;
    return InitSubsystem(SDL_INIT_AUDIO, "audio");
}

SoundResult SdlPlatform::CreateSoundDevice(std::unique_ptr<SoundDevice>& device)
{
    device.reset();
    if (!InitAudio())
        return soundErrorNoDriver;
    std::unique_ptr<SdlSoundDevice> opened = SdlSoundDevice::Open();
    if (opened == nullptr)
        return soundErrorNoDriver;
    device = std::move(opened);
    return soundOk;
}

bool SdlPlatform::InitSubsystem(Uint32 subsystem, const char* name)
{
    if (SDL_InitSubSystem(subsystem) != 0) {
        std::fprintf(stderr, "SDL %s: %s\n", name, SDL_GetError());
        return false;
    }
    initialisedSubsystems |= subsystem;
    return true;
}

std::unique_ptr<PeriodicTimer> SdlPlatform::CreatePeriodicTimer()
{
    return std::make_unique<ThreadPeriodicTimer>();
}

void SdlPlatform::ShowMessageBox(std::string_view caption, std::string_view text)
{
    PrintMessageBox(caption, text);
    const std::string utf8Caption = Windows1252::ToUtf8(caption);
    const std::string utf8Text = Windows1252::ToUtf8(text);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, utf8Caption.c_str(), utf8Text.c_str(), window.GetSdlWindow());
}

} // namespace platform
