#include "MusicSheet.h"

#include "ContentLists.h"
#include "GalleryPage.h"
#include "app/Debug.h"
#include "app/PngWriter.h"
#include "audio/OggLoader.h"
#include "audio/SampleData.h"
#include "graphics/RenderEngine.h"
#include "graphics/TextDisplay.h"
#include "files/HostPath.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <string>

namespace gallery {

namespace {

constexpr int bandsTop = textTop + 36;
constexpr int bandsBottom = sheetHeight - 48;
constexpr int labelHeight = 22;
constexpr int secondsPerTick = 10;
constexpr std::uint32_t tickColour = 0xF2A65A;

// "1:00,000" for a minute.
std::string Duration(const SampleData& data)
{
    const long long milliseconds = static_cast<long long>(data.frames) * 1000 / data.rate;
    char text[32];
    std::snprintf(text, sizeof(text), "%lld:%02lld,%03lld", milliseconds / 60000, milliseconds / 1000 % 60,
                  milliseconds % 1000);
    return text;
}

std::string ChannelName(int channel, int channels)
{
    if (channels == 1)
        return "Mono";
    if (channels == 2)
        return channel == 0 ? "Links" : "Rechts";
    return "Kanal " + std::to_string(channel + 1);
}

// "music-menu-ruvidmenu.png": the folder below data and the file's name.
std::string SheetName(const std::string& file)
{
    const std::string inside = file.substr(5); // past "data\"
    const std::size_t slash = inside.find('\\');
    const std::string folder = inside.substr(0, slash);
    std::string name = file.substr(file.rfind('\\') + 1);
    name.erase(name.size() - 4); // ".ogg"
    return LowerCaseWindows1252("music-" + folder + "-" + name + ".png");
}

void DrawText(int x, int y, int width, const std::string& text)
{
    TextDisplay& display = TextDisplay::GetInstance();
    display.SetBox(x, y, width, labelHeight);
    display.DrawText(TextDisplay::EscapeMarkup(text));
}

// The page of one decoded file: the texts through the game's text display,
// then the waveforms and the time ticks on the presented picture.
platform::Picture DrawSheet(platform::HeadlessPlatform& host, const std::string& file, const SampleData& data)
{
    const int width = sheetWidth - 2 * margin;
    const int band = (bandsBottom - bandsTop) / data.channels;
    const double seconds = static_cast<double>(data.frames) / data.rate;
    const auto tickX = [&](int second) { return margin + static_cast<int>(second / seconds * (width - 1)); };

    RenderEngine::GetInstance().ClearRenderList();
    TextDisplay::GetInstance().Reset();
    DrawText(margin, 12, width, file);
    DrawText(margin, textTop, width,
             Windows1252::FromUtf8("Dauer " + Duration(data) + " - " + std::to_string(data.rate) + " Hz - " +
                                   std::to_string(data.channels) + (data.channels == 1 ? " Kanal" : " Kanäle") +
                                   " - je Band das ganze Stück, Marken alle 10 s"));
    for (int channel = 0; channel < data.channels; ++channel)
        DrawText(margin, bandsTop + channel * band, width, ChannelName(channel, data.channels));
    for (int second = 0; second <= seconds; second += secondsPerTick)
        DrawText(std::min(tickX(second) - 4, sheetWidth - 44), bandsBottom + 8, 44, std::to_string(second) + " s");
    TextDisplay::GetInstance().Reset();

    platform::Picture sheet = RenderPage(host);
    for (std::uint32_t& pixel : sheet.pixels)
        if ((pixel & 0xFFFFFF) == 0)
            pixel = darkGround;
    const std::span samples(reinterpret_cast<const std::int16_t*>(data.data), static_cast<std::size_t>(data.size) / 2);
    for (int channel = 0; channel < data.channels; ++channel)
        DrawWaveform(sheet, samples, data.channels, channel, static_cast<double>(data.frames) / width,
                     bandsTop + channel * band + labelHeight, band - labelHeight - 8);
    for (int second = 0; second <= seconds; second += secondsPerTick)
        for (int y = bandsTop + labelHeight; y < bandsBottom + 4; y += 2)
            sheet.pixels[static_cast<std::size_t>(y) * sheet.width + tickX(second)] = tickColour;
    return sheet;
}

} // namespace

int WriteMusicSheets(platform::HeadlessPlatform& host, const std::filesystem::path& output)
{
    const std::vector<std::string> files = content::FindStreamedMusic();
    if (files.empty())
        LogError("zephyra-gallery: no streamed music (Ogg files in a StreamingSfx folder) in the data tree\n");
    int written = 0;
    for (const std::string& file : files) {
        OggLoader loader;
        SampleData data;
        // The sample manager's names are relative to the data folder.
        if (!loader.Load(file.substr(5), data) || data.bits != 16 || data.channels <= 0 || data.rate <= 0 ||
            data.frames <= 0 || static_cast<long long>(data.frames) * data.channels * 2 > data.size) {
            LogError("zephyra-gallery: the music %s does not load\n", file.c_str());
            FreeSampleData(data);
            continue;
        }
        const platform::Picture sheet = DrawSheet(host, file, data);
        FreeSampleData(data);
        if (!WritePng((output / SheetName(file)).string(), sheet))
            return -1;
        ++written;
    }
    return written;
}

} // namespace gallery
