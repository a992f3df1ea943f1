// Texts with markup come from talk sheets and settings: any bytes must be
// scanned and laid out without a crash. The first byte sets the box width;
// two fonts of different line heights are registered. Checks: spaces that
// were dropped take no room, every word lies on a line and no line is wider
// than the box unless it holds a single word.

#include "FuzzFont.h"
#include "app/Singleton.h"
#include "graphics/TextDisplay.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    TextDisplay& display = TextDisplay::GetInstance();
    display.RegisterFont("default", MakeFuzzFont(10));
    display.RegisterFont("big", MakeFuzzFont(24));
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
