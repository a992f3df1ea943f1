#include "Windows1252.h"

namespace Windows1252 {

std::string ToUtf8(std::string_view windows1252)
{
    std::string utf8;
    utf8.reserve(windows1252.size());
    for (const char character : windows1252) {
        char32_t codePoint = ToCodePoint(static_cast<unsigned char>(character));
        if (codePoint == 0 && character != 0)
            codePoint = 0xFFFD;
        if (codePoint < 0x80) {
            utf8 += static_cast<char>(codePoint);
        } else if (codePoint < 0x800) {
            utf8 += static_cast<char>(0xC0 | (codePoint >> 6));
            utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (codePoint >> 12));
            utf8 += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
        }
    }
    return utf8;
}

std::string FromUtf8(std::string_view utf8)
{
    std::string windows1252;
    windows1252.reserve(utf8.size());
    for (std::size_t index = 0; index < utf8.size();) {
        const int value = FromCodePoint(DecodeUtf8(utf8, index));
        windows1252 += static_cast<char>(value < 0 ? '?' : value);
    }
    return windows1252;
}

} // namespace Windows1252
