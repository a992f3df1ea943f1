// Loading sprites through the registry and drawing text.
//
//     build/bench/zephyra_benchmarks --benchmark_filter='Registry|Text'
//
// Registry_LoadRleFromBitmaps   a list of 200 anim_rle sprites (8 frames of
//                               64 x 64, 8 bit) built from their bitmaps:
//                               read, cut, run-length encode, write .rle
// Registry_LoadRleFromRleFiles  the same list built from the fresh .rle files
// Counter sprites_per_s. Before timing, both ways are checked to give the
// same frames.
//
// Text_LayOutPage    a 40-line page (words, spaces, font and alignment tags)
//                    laid out in a 900-pixel box
// Text_DrawPage      the same page laid out, submitted and drawn into the
//                    32-bit canvas
// Counter lines_per_s.

#include "BenchmarkFolder.h"
#include "BitmapFiles.h"
#include "app/Singleton.h"
#include "graphics/AnimatedRLESprite.h"
#include "graphics/BmpLoader.h"
#include "graphics/DirectDraw.h"
#include "graphics/Font.h"
#include "graphics/RenderEngine.h"
#include "graphics/SpriteLoaderUtil.h"
#include "graphics/SpriteManager.h"
#include "graphics/TextDisplay.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int spriteCount = 200;
constexpr int frameSide = 64;
constexpr int framesPerSprite = 8;
constexpr int pageLines = 40;

// A headless 1024 x 768 x 32 display in a temporary folder.
struct Headless {
    BenchmarkFolder folder;
    bool ready = false;

    Headless()
    {
        platform::Platform::Install(std::make_unique<platform::HeadlessPlatform>());
        platform::Window& window = platform::Platform::Get()->GetWindow();
        ready = folder.IsReady() && window.Create({"Bench", 1024, 768, true}) &&
                DirectDraw::GetInstance().Init(window, 1024, 768, 32, true);
    }
    ~Headless()
    {
        SingletonRegistry::DestroyAll();
        platform::Platform::Remove();
    }
    Headless(const Headless&) = delete;
    Headless& operator=(const Headless&) = delete;
};

// 200 strips of a blob that moves from frame to frame, and their list.
void WriteSpriteList()
{
    std::string list;
    std::vector<std::uint32_t> palette(256);
    for (std::uint32_t index = 0; index < 256; ++index)
        palette[index] = index == 0 ? 0xFF00FF : (index << 16) | ((255 - index) << 8) | (index * 7 & 0xFF);
    for (int sprite = 0; sprite < spriteCount; ++sprite) {
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(frameSide * frameSide * framesPerSprite), 0);
        for (int frame = 0; frame < framesPerSprite; ++frame)
            for (int y = 0; y < frameSide; ++y)
                for (int x = 0; x < frameSide; ++x) {
                    const int dx = x - 20 - frame * 3, dy = y - 32;
                    if (dx * dx + dy * dy < 18 * 18 + sprite)
                        pixels[static_cast<std::size_t>((frame * frameSide + y) * frameSide + x)] =
                            static_cast<std::uint8_t>(1 + (x * 3 + y + sprite) % 255);
                }
        const std::string name = "walk" + std::to_string(sprite);
        WriteBenchmarkFile("data/art/" + name + ".bmp",
                           bitmap_files::Bitmap8(frameSide, frameSide * framesPerSprite, pixels, palette));
        list += name + " anim_rle " + name + " normx " + std::to_string(framesPerSprite) + "\n";
    }
    WriteBenchmarkFile("data/sprites.txt", list);
}

void RemoveRleFiles()
{
    for (int sprite = 0; sprite < spriteCount; ++sprite)
        std::filesystem::remove("data/art/walk" + std::to_string(sprite) + ".rle");
}

// Loads the list and builds every sprite; false when one is missing.
bool LoadAll()
{
    if (!SpriteLoaderUtil::Load("data\\sprites.txt", "data\\art\\", 0.0f, 1.0f))
        return false;
    for (int sprite = 0; sprite < spriteCount; ++sprite)
        if (SpriteManager::GetInstance().GetSprite("walk" + std::to_string(sprite)) == nullptr)
            return false;
    return true;
}

// The encoded bytes of every frame of the loaded sprites.
std::vector<std::uint8_t> LoadedFrames()
{
    std::vector<std::uint8_t> bytes;
    for (int sprite = 0; sprite < spriteCount; ++sprite) {
        const auto* loaded = dynamic_cast<const AnimatedRLESprite*>(
            SpriteManager::GetInstance().GetSprite("walk" + std::to_string(sprite)));
        for (int frame = 0; loaded != nullptr && frame < loaded->GetFrameCount(); ++frame) {
            const Image* image = loaded->GetFrame(frame).image;
            bytes.insert(bytes.end(), image->GetData(), image->GetData() + image->GetEncodedSize());
        }
    }
    return bytes;
}

void UnloadAll()
{
    for (int sprite = 0; sprite < spriteCount; ++sprite)
        SpriteManager::GetInstance().UnloadSprite("walk" + std::to_string(sprite));
}

void LoadRle(benchmark::State& state, bool fromRleFiles)
{
    Headless display;
    if (!display.ready) {
        state.SkipWithError("no display");
        return;
    }
    WriteSpriteList();
    if (!LoadAll()) {
        state.SkipWithError("the sprites did not load from their bitmaps");
        return;
    }
    const std::vector<std::uint8_t> encoded = LoadedFrames();
    UnloadAll();
    if (!LoadAll() || LoadedFrames() != encoded) {
        state.SkipWithError("the .rle files did not give the frames of the bitmaps");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        UnloadAll();
        if (!fromRleFiles)
            RemoveRleFiles();
        state.ResumeTiming();
        if (!LoadAll()) {
            state.SkipWithError("a sprite did not load");
            break;
        }
    }
    state.counters["sprites_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * spriteCount, benchmark::Counter::kIsRate);
}

void Registry_LoadRleFromBitmaps(benchmark::State& state)
{
    LoadRle(state, false);
}
BENCHMARK(Registry_LoadRleFromBitmaps)->Unit(benchmark::kMillisecond);

void Registry_LoadRleFromRleFiles(benchmark::State& state)
{
    LoadRle(state, true);
}
BENCHMARK(Registry_LoadRleFromRleFiles)->Unit(benchmark::kMillisecond);

// A font picture of the whole character set, glyphs 2 to 7 columns wide
// and of varying height, registered as "default" and (taller) "big".
bool RegisterFonts()
{
    for (const auto& [name, height] : {std::pair<std::string, int>{"benchfont", 16}, {"benchfontbig", 24}}) {
        const int width = 1 + static_cast<int>(Font::characterSet.size()) * 8;
        Image picture;
        if (!picture.Create(width, height, 24, true))
            return false;
        std::uint8_t* data = picture.GetData();
        for (int x = 0; x < width; ++x)
            for (int y = 0; y < height; ++y) {
                std::uint8_t* pixel = data + (static_cast<std::size_t>(y) * width + x) * 3;
                const int glyph = (x - 1) / 8, column = (x - 1) % 8;
                const bool ink = x > 0 && column < 2 + glyph % 6 && y >= glyph % 5;
                // White glyphs on magenta.
                pixel[0] = 0xFF;
                pixel[1] = ink ? 0xFF : 0x00;
                pixel[2] = 0xFF;
            }
        std::filesystem::create_directories("data/fonts");
        if (!BmpLoader::GetInstance().Save(("data\\fonts\\" + name + ".bmp").c_str(), picture))
            return false;
        auto font = std::make_unique<Font>();
        font->SetMetrics(5, 2, height);
        if (!font->Create(name, Font::characterSet))
            return false;
        TextDisplay::GetInstance().RegisterFont(height == 16 ? "default" : "big", std::move(font));
    }
    TextDisplay::GetInstance().SetFont("default");
    TextDisplay::GetInstance().SetBox(60, 10, 900, 740);
    return true;
}

std::string Page()
{
    std::string page;
    for (int line = 0; line < pageLines; ++line) {
        if (line % 10 == 3)
            page += "<center>";
        page += "Zeile " + std::to_string(line) + ": Die Astrokutter Zephyra gleitet &lt;leise&gt; durch den Nebel";
        if (line % 4 == 1)
            page += " <font big>ORION</font> und <valign bottom>weiter</valign>";
        page += ", Kapitän.";
        if (line % 10 == 3)
            page += "</center>";
        page += "<br>";
    }
    return page;
}

void TextPage(benchmark::State& state, bool draw)
{
    Headless display;
    if (!display.ready || !RegisterFonts()) {
        state.SkipWithError("no display or fonts");
        return;
    }
    const std::string page = Page();
    if (TextDisplay::GetInstance().MeasureText(page).height < pageLines * 16) {
        state.SkipWithError("the page has fewer lines than written");
        return;
    }
    RenderEngine& engine = RenderEngine::GetInstance();
    for (auto _ : state) {
        if (draw) {
            engine.ClearRenderList();
            TextDisplay::GetInstance().DrawText(page);
            engine.Render();
        } else {
            benchmark::DoNotOptimize(TextDisplay::GetInstance().LayOut(page));
        }
    }
    state.counters["lines_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * pageLines, benchmark::Counter::kIsRate);
}

void Text_LayOutPage(benchmark::State& state)
{
    TextPage(state, false);
}
BENCHMARK(Text_LayOutPage)->Unit(benchmark::kMicrosecond);

void Text_DrawPage(benchmark::State& state)
{
    TextPage(state, true);
}
BENCHMARK(Text_DrawPage)->Unit(benchmark::kMicrosecond);

} // namespace
