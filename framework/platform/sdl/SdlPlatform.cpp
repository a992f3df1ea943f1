#include "SdlPlatform.h"

#include "../ThreadPeriodicTimer.h"
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
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL video: %s\n", SDL_GetError());
        return false;
    }
    initialisedSubsystems |= SDL_INIT_VIDEO;
    return true;
}

bool SdlPlatform::InitAudio()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "SDL audio: %s\n", SDL_GetError());
        return false;
    }
    initialisedSubsystems |= SDL_INIT_AUDIO;
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
