#include "SdlSoundDevice.h"

#include <cstdio>

namespace platform {

namespace {

constexpr Uint16 blockFrames = 1024;

} // namespace

std::unique_ptr<SdlSoundDevice> SdlSoundDevice::Open()
{
    auto sound = std::make_unique<SdlSoundDevice>(0);
    SDL_AudioSpec wanted{};
    wanted.freq = SoundMixer::outputRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = SoundMixer::outputChannels;
    wanted.samples = blockFrames;
    wanted.callback = &SdlSoundDevice::FillOutput;
    wanted.userdata = sound.get();
    SDL_AudioSpec obtained{};
    sound->device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (sound->device == 0) {
        std::fprintf(stderr, "SDL audio: %s\n", SDL_GetError());
        return nullptr;
    }
    SDL_PauseAudioDevice(sound->device, 0);
    return sound;
}

SdlSoundDevice::SdlSoundDevice(SDL_AudioDeviceID openDevice)
    : device(openDevice)
{
}

SdlSoundDevice::~SdlSoundDevice()
{
    // Waits for a running callback; none comes afterwards.
    if (device != 0)
        SDL_CloseAudioDevice(device);
}

void SDLCALL SdlSoundDevice::FillOutput(void* user, Uint8* stream, int length)
{
    auto* sound = static_cast<SdlSoundDevice*>(user);
    const auto frames = static_cast<std::size_t>(length) / (sizeof(std::int16_t) * SoundMixer::outputChannels);
    sound->Mix(reinterpret_cast<std::int16_t*>(stream), frames);
}

} // namespace platform
