// zephyra-gallery: contact sheets of the generated content, made through the
// game's own loaders on the headless platform, for people to look at.
//     zephyra-gallery RUN_DIR OUT_DIR
// Reads RUN_DIR/data and writes OUT_DIR/font-<name>.png for every font
// (its name and whole character set on a dark ground, a German pangram and
// menu words on a light one, the smaller fonts magnified as well),
// OUT_DIR/sounds-sharedadventure.png with the waveform of every effect of
// the shared sound list, and the game's log as OUT_DIR/gallery.txt.
// Exits with 1 when the log holds an error or a warning.

#include "FontArt.h"
#include "SoundArt.h"
#include "app/Debug.h"
#include "audio/AudioEvent.h"
#include "audio/Sample.h"
#include "audio/SampleManager.h"
#include "audio/SfxLoaderUtil.h"
#include "audio/SoundEngine.h"
#include "app/PngWriter.h"
#include "graphics/DirectDraw.h"
#include "graphics/Font.h"
#include "graphics/FontLoaderUtil.h"
#include "graphics/RenderEngine.h"
#include "graphics/TextDisplay.h"
#include "platform/Platform.h"
#include "platform/Windows1252.h"
#include "platform/headless/HeadlessPlatform.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr int sheetWidth = DirectDraw::canvasWidth;
constexpr int sheetHeight = DirectDraw::canvasHeight;
constexpr int halfHeight = sheetHeight / 2;
constexpr int margin = 24;
constexpr int textTop = 40;
// Grounds close to the game's: the night sky of space and the sand of the
// holiday planet.
constexpr std::uint32_t darkGround = 0x2A3766;
constexpr std::uint32_t lightGround = 0xEDE2C4;

// Text for the markup: the angle brackets as entities.
std::string Escaped(std::string_view text)
{
    std::string escaped;
    for (const char character : text) {
        if (character == '<')
            escaped += "&lt;";
        else if (character == '>')
            escaped += "&gt;";
        else
            escaped += character;
    }
    return escaped;
}

// The character set in groups of twelve, so that the lines can wrap.
std::string CharacterSetLines()
{
    std::string text;
    for (std::size_t index = 0; index < Font::characterSet.size(); index += 12) {
        if (!text.empty())
            text += ' ';
        text += Escaped(Font::characterSet.substr(index, 12));
    }
    return text;
}

void DrawLabel(const FontLoaderUtil::FontDescription& description, int top)
{
    TextDisplay& display = TextDisplay::GetInstance();
    display.Reset();
    display.SetBox(margin, top + 12, sheetWidth - 2 * margin, 20);
    display.DrawText(std::string(description.name) + " (data\\fonts\\" + description.file + ".bmp, " +
                     "Zeilenhöhe "_w1252 + std::to_string(description.lineHeight) + ", Abstand " +
                     std::to_string(description.spacing) + ", Leerzeichen " + std::to_string(description.spaceWidth) + ")");
}

// The top half: the font's label in the default font, then its character
// set; the bottom half: the label again and sample lines, with room below
// them for a magnified copy.
void DrawSpecimen(const FontLoaderUtil::FontDescription& description)
{
    TextDisplay& display = TextDisplay::GetInstance();
    DrawLabel(description, 0);
    display.SetFont(description.name);
    display.SetBox(margin, textTop, sheetWidth - 2 * margin, halfHeight - textTop);
    display.DrawText(CharacterSetLines());

    DrawLabel(description, halfHeight);
    display.SetFont(description.name);
    display.SetBox(margin, halfHeight + textTop, sheetWidth - 2 * margin, halfHeight - textTop);
    display.DrawText("Falsches Üben von Xylophonmusik quält jeden größeren Zwerg.<br>"_w1252 +
                     std::string("Ärger über öde Ölflächen? Juna fliegt zum Mond!<br>"_w1252) +
                     "Neues Spiel - Laden - Optionen - Beenden");
    display.Reset();
}

// The presented frame with the grounds put in where nothing was drawn (no
// glyph pixel may be black), and for the smaller fonts a magnified copy of
// the first sample line below the samples.
platform::Picture Sheet(const platform::Picture& presented, int lineHeight)
{
    platform::Picture sheet = presented;
    for (int y = 0; y < sheet.height; ++y) {
        for (int x = 0; x < sheet.width; ++x) {
            std::uint32_t& pixel = sheet.pixels[static_cast<std::size_t>(y) * sheet.width + x];
            if ((pixel & 0xFFFFFF) == 0)
                pixel = y < halfHeight ? darkGround : lightGround;
        }
    }
    const int zoom = lineHeight <= 16 ? 4 : lineHeight <= 30 ? 2 : 1;
    if (zoom == 1)
        return sheet;
    const int sourceTop = halfHeight + textTop;
    const int targetTop = sourceTop + 3 * lineHeight + 8;
    const int rows = std::min(lineHeight, (sheetHeight - targetTop) / zoom);
    const int columns = (sheetWidth - 2 * margin) / zoom;
    for (int y = 0; y < rows * zoom; ++y)
        for (int x = 0; x < columns * zoom; ++x)
            sheet.pixels[static_cast<std::size_t>(targetTop + y) * sheet.width + margin + x] =
                sheet.pixels[static_cast<std::size_t>(sourceTop + y / zoom) * sheet.width + margin + x / zoom];
    return sheet;
}

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

// The sound sheet: every event of the shared sound list as the game loads
// it, with its name, file, length and waveform.
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
    renderer.Render();
    DirectDraw::GetInstance().Flip();
    platform::Picture sheet = host.GetWindow().GetLastPresented();
    for (std::uint32_t& pixel : sheet.pixels)
        if ((pixel & 0xFFFFFF) == 0)
            pixel = darkGround;
    for (std::size_t index = 0; index < waves.size(); ++index)
        DrawWaveform(sheet, waves[index], content::soundRate, textTop + static_cast<int>(index) * band + 24, band - 40);
    return WritePng((output / "sounds-sharedadventure.png").string(), sheet);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("Usage: zephyra-gallery RUN_DIR OUT_DIR\n", stderr);
        return 2;
    }
    std::error_code error;
    const std::filesystem::path output = std::filesystem::absolute(argv[2], error);
    std::filesystem::create_directories(output, error);
    std::filesystem::current_path(argv[1], error);
    if (error) {
        std::fprintf(stderr, "zephyra-gallery: cannot work in %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }

    auto owned = std::make_unique<platform::HeadlessPlatform>();
    platform::HeadlessPlatform& host = *owned;
    platform::Platform::Install(std::move(owned));
    host.GetWindow().SetClientSize(sheetWidth, sheetHeight);
    if (!Debug::GetInstance().CreateLogFile((output / "gallery.txt").string()) ||
        !host.GetWindow().Create({"Astrokutter Zephyra: Galerie", sheetWidth, sheetHeight, false}) ||
        !DirectDraw::GetInstance().Init(host.GetWindow(), sheetWidth, sheetHeight, 32, false)) {
        std::fputs("zephyra-gallery: cannot open the headless display\n", stderr);
        return 1;
    }

    FontLoaderUtil::LoadFonts();
    FontLoaderUtil::LoadFonts(content::CreditsFonts());
    std::vector<FontLoaderUtil::FontDescription> fonts(FontLoaderUtil::GetFontDescriptions().begin(),
                                                        FontLoaderUtil::GetFontDescriptions().end());
    fonts.insert(fonts.end(), content::CreditsFonts().begin(), content::CreditsFonts().end());
    int written = 0;
    for (const FontLoaderUtil::FontDescription& description : fonts) {
        RenderEngine& renderer = RenderEngine::GetInstance();
        renderer.ClearRenderList();
        DrawSpecimen(description);
        renderer.Render();
        DirectDraw::GetInstance().Flip();
        const std::string file = (output / ("font-" + std::string(description.name) + ".png")).string();
        if (!WritePng(file, Sheet(host.GetWindow().GetLastPresented(), description.lineHeight))) {
            std::fprintf(stderr, "zephyra-gallery: cannot write %s\n", file.c_str());
            return 1;
        }
        ++written;
    }
    if (!WriteSoundSheet(host, output)) {
        std::fputs("zephyra-gallery: cannot draw the sound sheet\n", stderr);
        return 1;
    }
    ++written;
    TextDisplay::GetInstance().Reset();

    const Debug& log = Debug::GetInstance();
    std::printf("zephyra-gallery: %d sheets in %s, %d errors and %d warnings in the log\n", written,
                output.string().c_str(), log.GetErrorCount(), log.GetWarningCount());
    return log.GetErrorCount() == 0 && log.GetWarningCount() == 0 ? 0 : 1;
}
