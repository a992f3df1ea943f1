#pragma once

#include "../SoundMixer.h"

#include <SDL.h>

#include <memory>

namespace platform {

// The sound card through SDL2: SDL's audio thread asks for output in
// blocks, and our mixer fills them from the playing buffers.
class SdlSoundDevice final : public SoftwareSoundDevice {
public:
    // The default output device at 44.1 kHz stereo 16 bit (SDL converts when
    // the card wants another format); null when none opens.
    static std::unique_ptr<SdlSoundDevice> Open();
    ~SdlSoundDevice() override;

    explicit SdlSoundDevice(SDL_AudioDeviceID device);

private:
    static void SDLCALL FillOutput(void* user, Uint8* stream, int length);

    SDL_AudioDeviceID device;
};

} // namespace platform
