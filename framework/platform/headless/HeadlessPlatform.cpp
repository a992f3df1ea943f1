#include "HeadlessPlatform.h"

#include "HeadlessPeriodicTimer.h"
#include "HeadlessSoundDevice.h"

namespace platform {

HeadlessPlatform::HeadlessPlatform(std::uint32_t framePeriodMilliseconds)
    : clock(framePeriodMilliseconds)
{
}

SoundResult HeadlessPlatform::CreateSoundDevice(std::unique_ptr<SoundDevice>& device)
{
    device.reset();
    if (!InitAudio())
        return soundErrorNoDriver;
    device = makeSoundDevice ? makeSoundDevice() : std::make_unique<HeadlessSoundDevice>(clock);
    return soundOk;
}

std::unique_ptr<PeriodicTimer> HeadlessPlatform::CreatePeriodicTimer()
{
    return std::make_unique<HeadlessPeriodicTimer>(clock);
}

void HeadlessPlatform::ShowMessageBox(std::string_view caption, std::string_view text)
{
    messageBoxes.emplace_back(caption, text);
    PrintMessageBox(caption, text);
}

} // namespace platform
