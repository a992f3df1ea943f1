#include "SoundSheet.h"

#include "GalleryPage.h"
#include "SoundArt.h"
#include "app/PngWriter.h"
#include "audio/AudioEvent.h"
#include "audio/Sample.h"
#include "audio/SampleManager.h"
#include "audio/SfxLoaderUtil.h"
#include "audio/SoundEngine.h"
#include "graphics/RenderEngine.h"
#include "graphics/TextDisplay.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace gallery {

namespace {

// The pooled sample's PCM as the device holds it (16-bit mono after the
// sample manager's conversion); empty when the event or sample is missing.
std::vector<std::int16_t> DeviceSamples(const char* eventName)
{
    const AudioEvent* event = SoundEngine::GetInstance().FindAudioEvent(eventName);
    Sample* sample = event != nullptr ? SampleManager::GetInstance().GetSample(event->sampleName) : nullptr;
    platform::SoundBuffer* buffer = sample != nullptr ? sample->GetBuffer() : nullptr;
    if (buffer == nullptr || buffer->GetFormat().bits != 16 || buffer->GetFormat().channels != 1)
        return {};
    platform::SoundRegions regions;
    if (buffer->Lock(0, buffer->GetSize(), regions) != platform::soundOk)
        return {};
    std::vector<std::int16_t> samples(regions.firstBytes / 2);
    std::memcpy(samples.data(), regions.first, samples.size() * 2);
    buffer->Unlock(regions);
    return samples;
}

// One band of the sound sheet: the waveform (the lowest and highest sample
// of each column) over half a second, so that lengths compare at a glance.
void DrawWaveform(platform::Picture& sheet, const std::vector<std::int16_t>& samples, int rate, int top, int height)
{
    constexpr double secondsAcross = 0.5;
    constexpr std::uint32_t axis = 0x56658F;
    constexpr std::uint32_t wave = 0x8EE3D8;
    const int width = sheetWidth - 2 * margin;
    const int middle = top + height / 2;
    const auto plot = [&sheet](int x, int y, std::uint32_t colour) {
        sheet.pixels[static_cast<std::size_t>(y) * sheet.width + x] = colour;
    };
    for (int x = 0; x < width; ++x)
        plot(margin + x, middle, axis);
    const double framesPerColumn = secondsAcross * rate / width;
    for (int x = 0; x < width; ++x) {
        const auto first = static_cast<std::size_t>(x * framesPerColumn);
        const auto last = std::min(samples.size(), static_cast<std::size_t>((x + 1) * framesPerColumn));
        if (first >= last)
            break;
        const auto [low, high] = std::minmax_element(samples.begin() + static_cast<std::ptrdiff_t>(first),
                                                     samples.begin() + static_cast<std::ptrdiff_t>(last));
        const int yHigh = middle - *high * (height / 2) / 32768;
        const int yLow = middle - *low * (height / 2) / 32768;
        for (int y = std::min(yHigh, yLow); y <= std::max(yHigh, yLow); ++y)
            plot(margin + x, y, wave);
    }
}

} // namespace

bool WriteSoundSheet(platform::HeadlessPlatform& host, const std::filesystem::path& output)
{
    if (!SampleManager::GetInstance().Init(host.GetWindow()))
        return false;
    SoundEngine::GetInstance().SetEnabled(true);
    SfxLoaderUtil::LoadSoundEffects("data\\sharedadventure\\sfx.txt", "sharedadventure\\audio\\sfx\\");

    constexpr int band = 170;
    RenderEngine& renderer = RenderEngine::GetInstance();
    TextDisplay& display = TextDisplay::GetInstance();
    renderer.ClearRenderList();
    display.Reset();
    display.SetBox(margin, 12, sheetWidth - 2 * margin, 20);
    display.DrawText("data\\sharedadventure\\sfx.txt (je Zeile eine halbe Sekunde)");
    std::vector<std::vector<std::int16_t>> waves;
    int row = 0;
    for (const content::SoundEffect& effect : content::SharedSoundEffects()) {
        waves.push_back(DeviceSamples(effect.event));
        char length[32];
        std::snprintf(length, sizeof(length), "%d,%03d s", static_cast<int>(waves.back().size()) / content::soundRate,
                      static_cast<int>(waves.back().size()) % content::soundRate * 1000 / content::soundRate);
        display.SetBox(margin, textTop + row * band, sheetWidth - 2 * margin, 20);
        display.DrawText(std::string(effect.event) + " - " + effect.file + " - " + length);
        ++row;
    }
    platform::Picture sheet = RenderPage(host);
    for (std::uint32_t& pixel : sheet.pixels)
        if ((pixel & 0xFFFFFF) == 0)
            pixel = darkGround;
    for (std::size_t index = 0; index < waves.size(); ++index)
        DrawWaveform(sheet, waves[index], content::soundRate, textTop + static_cast<int>(index) * band + 24, band - 40);
    return WritePng((output / "sounds-sharedadventure.png").string(), sheet);
}

} // namespace gallery
