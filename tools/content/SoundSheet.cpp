#include "SoundSheet.h"

#include "ContentLists.h"
#include "GalleryPage.h"
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

constexpr int band = 120;
constexpr int bandsPerPage = (sheetHeight - textTop) / band;
// Each band shows half a second, so that lengths compare at a glance.
constexpr double secondsAcross = 0.5;

struct Waveform {
    std::vector<std::int16_t> samples;
    int rate = 0;
};

// The pooled sample's PCM as the device holds it (16-bit mono after the
// sample manager's conversion); empty when the event or sample is missing.
Waveform DeviceWaveform(const std::string& eventName)
{
    const AudioEvent* event = SoundEngine::GetInstance().FindAudioEvent(eventName);
    Sample* sample = event != nullptr ? SampleManager::GetInstance().GetSample(event->sampleName) : nullptr;
    platform::SoundBuffer* buffer = sample != nullptr ? sample->GetBuffer() : nullptr;
    if (buffer == nullptr || buffer->GetFormat().bits != 16 || buffer->GetFormat().channels != 1 ||
        buffer->GetFormat().rate <= 0)
        return {};
    platform::SoundRegions regions;
    if (buffer->Lock(0, buffer->GetSize(), regions) != platform::soundOk)
        return {};
    Waveform waveform;
    waveform.rate = buffer->GetFormat().rate;
    waveform.samples.resize(regions.firstBytes / 2);
    std::memcpy(waveform.samples.data(), regions.first, waveform.samples.size() * 2);
    buffer->Unlock(regions);
    return waveform;
}

// "1,250 s"
std::string Length(const Waveform& waveform)
{
    if (waveform.rate <= 0)
        return "kein Klang";
    const auto frames = static_cast<long long>(waveform.samples.size());
    char length[48];
    std::snprintf(length, sizeof(length), "%d,%03d s", static_cast<int>(frames / waveform.rate),
                  static_cast<int>(frames % waveform.rate * 1000 / waveform.rate));
    return length;
}

} // namespace

bool StartSound(platform::HeadlessPlatform& host)
{
    if (!SampleManager::GetInstance().Init(host.GetWindow()))
        return false;
    SoundEngine::GetInstance().SetEnabled(true);
    return true;
}

int WriteSoundSheets(platform::HeadlessPlatform& host, const std::string& list, const std::filesystem::path& output)
{
    // The samples go too: two lists may name a file alike.
    SoundEngine::GetInstance().DestroyAll();
    SampleManager::GetInstance().Shutdown();
    if (!StartSound(host))
        return -1;
    SfxLoaderUtil::LoadSoundEffects(list, content::SoundFolder(list));
    const std::vector<content::SoundEntry> entries = content::SoundEntries(list);
    const int pages = static_cast<int>((entries.size() + bandsPerPage - 1) / bandsPerPage);
    for (int page = 0; page < pages; ++page) {
        RenderEngine::GetInstance().ClearRenderList();
        TextDisplay& display = TextDisplay::GetInstance();
        display.Reset();
        display.SetBox(margin, 12, sheetWidth - 2 * margin, 20);
        display.DrawText(TextDisplay::EscapeMarkup(list + " - Seite " + std::to_string(page + 1) + " von " + std::to_string(pages) +
                                 " (je Zeile eine halbe Sekunde)"));
        const std::size_t first = static_cast<std::size_t>(page) * bandsPerPage;
        const std::size_t last = std::min(entries.size(), first + bandsPerPage);
        std::vector<Waveform> waves;
        for (std::size_t index = first; index < last; ++index) {
            waves.push_back(DeviceWaveform(entries[index].event));
            display.SetBox(margin, textTop + static_cast<int>(index - first) * band, sheetWidth - 2 * margin, 20);
            display.DrawText(TextDisplay::EscapeMarkup(entries[index].event + " - " + entries[index].file + " - " + Length(waves.back())));
        }
        display.Reset();
        platform::Picture sheet = RenderPage(host);
        for (std::uint32_t& pixel : sheet.pixels)
            if ((pixel & 0xFFFFFF) == 0)
                pixel = darkGround;
        for (std::size_t index = 0; index < waves.size(); ++index)
            DrawWaveform(sheet, waves[index].samples, 1, 0, secondsAcross * waves[index].rate / (sheetWidth - 2 * margin),
                         textTop + static_cast<int>(index) * band + 24, band - 36);
        const std::string file = "sounds-" + content::ListName(list) + "-" + std::to_string(page + 1) + ".png";
        if (!WritePng((output / file).string(), sheet))
            return -1;
    }
    return pages;
}

} // namespace gallery
