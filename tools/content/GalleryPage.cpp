#include "GalleryPage.h"

#include "graphics/RenderEngine.h"
#include "graphics/TextDisplay.h"

#include <algorithm>

namespace gallery {

platform::Picture RenderPage(platform::HeadlessPlatform& host)
{
    RenderEngine::GetInstance().Render();
    DirectDraw::GetInstance().Flip();
    return host.GetWindow().GetLastPresented();
}

std::string FittedText(const std::string& text, const char* font, int width)
{
    const auto measure = TextDisplay::GetWidthFunction(font);
    if (measure(text) <= width)
        return text;
    std::string cut = text;
    while (!cut.empty() && measure(cut + "..") > width)
        cut.pop_back();
    return cut + "..";
}

void DrawWaveform(platform::Picture& sheet, std::span<const std::int16_t> samples, int channels, int channel,
                  double framesPerColumn, int top, int height)
{
    constexpr std::uint32_t axis = 0x56658F;
    constexpr std::uint32_t wave = 0x8EE3D8;
    if (channels <= 0 || channel < 0 || channel >= channels || top < 0 || height <= 0 || top + height > sheet.height ||
        sheet.width < sheetWidth)
        return;
    const int width = sheetWidth - 2 * margin;
    const int middle = top + height / 2;
    const auto plot = [&sheet](int x, int y, std::uint32_t colour) {
        sheet.pixels[static_cast<std::size_t>(y) * sheet.width + x] = colour;
    };
    for (int x = 0; x < width; ++x)
        plot(margin + x, middle, axis);
    const std::size_t frames = samples.size() / static_cast<std::size_t>(channels);
    for (int x = 0; x < width; ++x) {
        const auto first = static_cast<std::size_t>(x * framesPerColumn);
        const auto last = std::min(frames, static_cast<std::size_t>((x + 1) * framesPerColumn));
        if (first >= last)
            break;
        int low = samples[first * channels + channel];
        int high = low;
        for (std::size_t frame = first + 1; frame < last; ++frame) {
            low = std::min<int>(low, samples[frame * channels + channel]);
            high = std::max<int>(high, samples[frame * channels + channel]);
        }
        const int yHigh = middle - high * (height / 2) / 32768;
        const int yLow = std::min(top + height - 1, middle - low * (height / 2) / 32768);
        for (int y = yHigh; y <= yLow; ++y)
            plot(margin + x, y, wave);
    }
}

} // namespace gallery
