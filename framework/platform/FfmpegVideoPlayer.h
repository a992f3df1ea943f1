#pragma once

#include "Clock.h"
#include "SoundDevice.h"
#include "VideoPlayer.h"

#include <functional>
#include <memory>

namespace platform {

// The movie player of both back ends: the FFmpeg libraries decode, the
// window presents, a sound device plays, and the back end's clock sets the
// pace (real time with SDL, virtual time headless, where every picture is
// presented at exactly its time).
class FfmpegVideoPlayer final : public VideoPlayer {
public:
    using SoundDeviceMaker = std::function<SoundResult(std::unique_ptr<SoundDevice>&)>;

    FfmpegVideoPlayer(Clock& clock, SoundDeviceMaker makeSoundDevice);

    bool Play(std::span<const std::uint8_t> movie, const MovieScreen& screen, Window& window, const MovieHooks& hooks,
              std::string& error) override;

private:
    Clock& clock;
    SoundDeviceMaker makeSoundDevice;
};

} // namespace platform
