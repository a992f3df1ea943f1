#include "HeadlessPlatform.h"

#include "HeadlessPeriodicTimer.h"

namespace platform {

HeadlessPlatform::HeadlessPlatform(std::uint32_t framePeriodMilliseconds)
    : clock(framePeriodMilliseconds)
{
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
