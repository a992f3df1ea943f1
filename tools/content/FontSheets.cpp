#include "FontSheets.h"

#include "GalleryPage.h"
#include "app/PngWriter.h"
#include "graphics/Font.h"
#include "graphics/RenderEngine.h"
#include "graphics/TextDisplay.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <string>

namespace gallery {

namespace {

constexpr int halfHeight = sheetHeight / 2;
constexpr int textWidth = sheetWidth - 2 * margin;
// The band behind the label on the sand half, dark so that the label's
// light letters read, and a shade lighter than the night half above it.
constexpr int labelBand = 34;
constexpr std::uint32_t labelGround = 0x3B4A80;

const std::string& Pangram()
{
    static const std::string pangram = "Falsches Üben von Xylophonmusik quält jeden größeren Zwerg."_w1252;
    return pangram;
}

// The character set in rows as wide as `width` in the font, with nothing
// between the characters but the font's own spacing.
std::string CharacterSetRows(const std::string& font, int width)
{
    const auto measure = TextDisplay::GetWidthFunction(font);
    std::string rows;
    std::string row;
    for (const char character : Font::characterSet) {
        if (!row.empty() && measure(row + character) > width) {
            rows += TextDisplay::EscapeMarkup(row) + "<br>";
            row.clear();
        }
        row += character;
    }
    return rows + TextDisplay::EscapeMarkup(row);
}

void DrawLabel(const FontLoaderUtil::FontDescription& description, int top)
{
    TextDisplay& display = TextDisplay::GetInstance();
    display.Reset();
    display.SetBox(margin, top + 12, textWidth, 20);
    display.DrawText(std::string(description.name) + " (data\\fonts\\" + description.file + ".bmp, " +
                     "Zeilenhöhe "_w1252 + std::to_string(description.lineHeight) + ", Abstand " +
                     std::to_string(description.spacing) + ", Leerzeichen " + std::to_string(description.spaceWidth) + ")");
}

// The top half: the font's label in the default font, then its character
// set; the bottom half: the label again and the sample lines. Answers the
// rows below the character set and below the samples.
struct SpecimenEnds {
    int characterSet = 0;
    int samples = 0;
};

SpecimenEnds DrawSpecimen(const FontLoaderUtil::FontDescription& description)
{
    TextDisplay& display = TextDisplay::GetInstance();
    DrawLabel(description, 0);
    display.SetFont(description.name);
    display.SetBox(margin, textTop, textWidth, halfHeight - textTop);
    const std::string characterSet = CharacterSetRows(description.name, textWidth);
    display.DrawText(characterSet);
    const TextRectangle characterSetCovered = display.MeasureText(characterSet);

    DrawLabel(description, halfHeight);
    display.SetFont(description.name);
    display.SetBox(margin, halfHeight + textTop, textWidth, halfHeight - textTop);
    const std::string samples = Pangram() + "<br>" + "Ärger über öde Ölflächen? Juna fliegt zum Mond!<br>"_w1252 +
                                "Neues Spiel - Laden - Optionen - Beenden";
    display.DrawText(samples);
    const TextRectangle samplesCovered = display.MeasureText(samples);
    display.Reset();
    return {characterSetCovered.y + characterSetCovered.height, samplesCovered.y + samplesCovered.height};
}

// The grounds put in where nothing was drawn (no glyph pixel is black).
void FillGrounds(platform::Picture& sheet)
{
    for (int y = 0; y < sheet.height; ++y) {
        const std::uint32_t ground = y < halfHeight ? darkGround : y < halfHeight + labelBand ? labelGround : lightGround;
        for (int x = 0; x < sheet.width; ++x) {
            std::uint32_t& pixel = sheet.pixels[static_cast<std::size_t>(y) * sheet.width + x];
            if ((pixel & 0xFFFFFF) == 0)
                pixel = ground;
        }
    }
}

// The text drawn alone, wrapped to the page's width divided by `zoom`, and
// copied `zoom` times larger into the sheet from row `top` on: as many whole
// lines as end above row `bottom`, on the ground `ground`.
void DrawMagnified(platform::HeadlessPlatform& host, platform::Picture& sheet, const FontLoaderUtil::FontDescription& description,
                   const std::string& text, int zoom, int top, int bottom, std::uint32_t ground)
{
    TextDisplay& display = TextDisplay::GetInstance();
    RenderEngine::GetInstance().ClearRenderList();
    display.Reset();
    display.SetFont(description.name);
    display.SetBox(0, 0, textWidth / zoom, sheetHeight);
    display.DrawText(text);
    const TextRectangle covered = display.MeasureText(text);
    display.Reset();
    const platform::Picture source = RenderPage(host);
    const int lines = std::max(0, (std::min(bottom, sheet.height) - top) / (zoom * description.lineHeight));
    const int rows = std::min({covered.height, lines * description.lineHeight, source.height});
    const int columns = std::min(textWidth / zoom, source.width);
    for (int y = 0; y < rows * zoom; ++y) {
        for (int x = 0; x < columns * zoom; ++x) {
            const std::uint32_t pixel =
                source.pixels[static_cast<std::size_t>(y / zoom) * source.width + static_cast<std::size_t>(x / zoom)];
            sheet.pixels[static_cast<std::size_t>(top + y) * sheet.width + margin + x] =
                (pixel & 0xFFFFFF) == 0 ? ground : pixel;
        }
    }
}

} // namespace

bool WriteFontSheet(platform::HeadlessPlatform& host, const FontLoaderUtil::FontDescription& description,
                    const std::filesystem::path& output)
{
    RenderEngine::GetInstance().ClearRenderList();
    const SpecimenEnds ends = DrawSpecimen(description);
    platform::Picture sheet = RenderPage(host);
    FillGrounds(sheet);
    // The smaller fonts magnified: the pangram as large as the page allows,
    // the character set of the smallest twice as large.
    const int zoom = description.lineHeight <= 16 ? 4 : description.lineHeight <= 30 ? 2 : 1;
    if (zoom > 1)
        DrawMagnified(host, sheet, description, Pangram(), zoom, ends.samples + 12, sheetHeight - margin / 2, lightGround);
    if (zoom > 2)
        DrawMagnified(host, sheet, description, CharacterSetRows(description.name, textWidth / 2), 2, ends.characterSet + 12,
                      halfHeight - 8, darkGround);
    return WritePng((output / ("font-" + std::string(description.name) + ".png")).string(), sheet);
}

} // namespace gallery
