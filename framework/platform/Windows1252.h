#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// Every text inside the program is Windows-1252, as in the game's data files.
// Conversion to and from UTF-8 happens only where text leaves or enters the
// program: window title, message boxes, host file names, typed characters.
namespace Windows1252 {

// The Unicode code point of a Windows-1252 byte; 0 for the five unassigned
// bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D.
constexpr char32_t ToCodePoint(unsigned char byte)
{
    constexpr char32_t high[32] = {
        0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
        0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
    if (byte >= 0x80 && byte < 0xA0)
        return high[byte - 0x80];
    return byte;
}

// The Windows-1252 byte of a code point; -1 when it has none.
constexpr int FromCodePoint(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (int byte = 0x80; byte < 0xA0; ++byte) {
        if (ToCodePoint(static_cast<unsigned char>(byte)) == codePoint && codePoint != 0)
            return byte;
    }
    return -1;
}

// Decodes one UTF-8 sequence at `index`, advancing it; U+FFFD for a broken one.
constexpr char32_t DecodeUtf8(std::string_view text, std::size_t& index)
{
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(index++);
    if (lead < 0x80)
        return lead;
    int length = 0;
    char32_t codePoint = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1;
        codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2;
        codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3;
        codePoint = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int i = 0; i < length; ++i) {
        if (index >= text.size() || (byte(index) & 0xC0) != 0x80)
            return 0xFFFD;
        codePoint = (codePoint << 6) | (byte(index++) & 0x3F);
    }
    return codePoint;
}

std::string ToUtf8(std::string_view windows1252);
// Characters without a Windows-1252 byte become '?'.
std::string FromUtf8(std::string_view utf8);

// A UTF-8 string literal converted to Windows-1252 while compiling, so that
// German texts can stand readable in the source: "Schließen"_w1252.
template <std::size_t Size>
struct Utf8Literal {
    char bytes[Size]{};
    consteval Utf8Literal(const char (&text)[Size])
    {
        for (std::size_t i = 0; i < Size; ++i)
            bytes[i] = text[i];
    }
};

template <Utf8Literal literal>
consteval auto ConvertLiteral()
{
    std::array<char, sizeof(literal.bytes)> converted{};
    const std::string_view text(literal.bytes, sizeof(literal.bytes) - 1);
    std::size_t out = 0;
    for (std::size_t index = 0; index < text.size();) {
        const int value = FromCodePoint(DecodeUtf8(text, index));
        converted[out++] = static_cast<char>(value < 0 ? '?' : value);
    }
    return converted;
}

template <Utf8Literal literal>
inline constexpr auto convertedLiteral = ConvertLiteral<literal>();

} // namespace Windows1252

template <Windows1252::Utf8Literal literal>
constexpr const char* operator""_w1252()
{
    return Windows1252::convertedLiteral<literal>.data();
}
