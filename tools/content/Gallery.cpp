// zephyra-gallery: contact sheets of the generated content, made through the
// game's own loaders on the headless platform, for people to look at.
//     zephyra-gallery RUN_DIR OUT_DIR
// Reads RUN_DIR/data and writes OUT_DIR/font-<name>.png for every font
// (its name and whole character set on a dark ground, a German pangram and
// menu words on a light one, the smaller fonts magnified as well) and the
// game's log as OUT_DIR/gallery.txt.
// Exits with 1 when the log holds an error or a warning.

#include "FontArt.h"
#include "app/Debug.h"
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
    TextDisplay::GetInstance().Reset();

    const Debug& log = Debug::GetInstance();
    std::printf("zephyra-gallery: %d sheets in %s, %d errors and %d warnings in the log\n", written,
                output.string().c_str(), log.GetErrorCount(), log.GetWarningCount());
    return log.GetErrorCount() == 0 && log.GetWarningCount() == 0 ? 0 : 1;
}
