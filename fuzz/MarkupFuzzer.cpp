// Texts with markup come from talk sheets and settings: any bytes must be
// scanned and laid out without a crash. The first byte sets the box width;
// two fonts of different line heights are registered. Checks: spaces that
// were dropped take no room, every word lies on a line and no line is wider
// than the box unless it holds a single word.

#include "app/Singleton.h"
#include "graphics/Font.h"
#include "graphics/TextDisplay.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string_view>

namespace {

// A font whose glyphs are columns of increasing width over the whole set.
std::unique_ptr<Font> MakeFont(int lineHeight)
{
    Image picture;
    const int width = 1 + static_cast<int>(Font::characterSet.size()) * 4;
    picture.Create(width, lineHeight, 24, true);
    for (std::size_t glyph = 0; glyph < Font::characterSet.size(); ++glyph)
        for (int column = 0; column < static_cast<int>(glyph % 3) + 1; ++column)
            for (int row = static_cast<int>(glyph) % lineHeight; row < lineHeight; ++row)
                picture.GetData()[(row * width + 1 + static_cast<int>(glyph) * 4 + column) * 3] = 0xFF;
    auto font = std::make_unique<Font>();
    font->SetMetrics(3, 1, lineHeight);
    font->ScanGlyphs(picture, Font::characterSet);
    return font;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    TextDisplay& display = TextDisplay::GetInstance();
    display.RegisterFont("default", MakeFont(10));
    display.RegisterFont("big", MakeFont(24));
    display.SetFont("default");
    const int boxWidth = data[0];
    display.SetBox(5, 7, boxWidth, 100);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    TextDisplay::ScanMarkup(text);
    const std::vector<TextToken> tokens = display.LayOut(text);
    std::map<int, int> lineWidths;
    std::map<int, int> lineWords;
    for (const TextToken& token : tokens) {
        if (token.kind == TextToken::Kind::droppedSpace && token.width != 0)
            std::abort();
        if (token.kind == TextToken::Kind::word || token.kind == TextToken::Kind::space) {
            if (token.line < 0 || token.width < 0)
                std::abort();
            lineWidths[token.line] += token.width;
            lineWords[token.line] += 1;
        }
    }
    for (const auto& [line, width] : lineWidths)
        if (width > boxWidth && lineWords[line] > 1)
            std::abort();
    display.MeasureText(text);
    SingletonRegistry::DestroyAll();
    return 0;
}
