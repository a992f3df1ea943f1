#include "PronunciationList.h"

#include "files/StringTokens.h"

#include <fstream>
#include <sstream>

namespace content {

namespace {

// A byte that belongs to a word: an ASCII letter or any byte of a UTF-8
// sequence (the German letters beyond ASCII).
bool IsWordByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte >= 0x80;
}

// Whether `text` is made of whole UTF-8 sequences.
bool IsUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at++]);
        int following = 0;
        if (lead >= 0xC2 && lead <= 0xDF)
            following = 1;
        else if ((lead & 0xF0) == 0xE0)
            following = 2;
        else if (lead >= 0xF0 && lead <= 0xF4)
            following = 3;
        else if (lead >= 0x80)
            return false;
        for (int i = 0; i < following; ++i, ++at) {
            if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
                return false;
        }
    }
    return true;
}

bool IsPhonemeByte(char c)
{
    return c > ' ' && c < 0x7F && c != '[' && c != ']';
}

} // namespace

bool PronunciationList::Parse(std::string_view text, const std::string& fileName, std::string& error)
{
    phonemes.clear();
    int lineNumber = 0;
    const auto refuse = [&](const std::string& what) {
        error = fileName + ":" + std::to_string(lineNumber) + ": " + what;
        phonemes.clear();
        return false;
    };
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (const std::size_t comment = line.find('#'); comment != std::string_view::npos)
            line = line.substr(0, comment);
        const StringTokens fields(line, " \t\r");
        if (fields.Count() == 0)
            continue;
        if (fields.Count() != 2)
            return refuse("expected a word and its phonemes, found " + std::to_string(fields.Count()) + " fields");
        const std::string word = fields.StringAt(0);
        const std::string spoken = fields.StringAt(1);
        if (!IsUtf8(word))
            return refuse("the word is not UTF-8");
        for (const char c : word) {
            if (!IsWordByte(c))
                return refuse("the word " + word + " holds a character that is not a letter");
        }
        for (const char c : spoken) {
            if (!IsPhonemeByte(c))
                return refuse("the phonemes of " + word + " hold a character espeak-ng cannot read");
        }
        if (!phonemes.emplace(word, spoken).second)
            return refuse("the word " + word + " is listed twice");
    }
    return true;
}

bool PronunciationList::Load(const std::string& path, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot read the pronunciation list";
        return false;
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return Parse(bytes.str(), path, error);
}

std::string PronunciationList::Apply(std::string_view text) const
{
    std::string spoken;
    spoken.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (!IsWordByte(text[at])) {
            spoken += text[at++];
            continue;
        }
        const std::size_t start = at;
        while (at < text.size() && IsWordByte(text[at]))
            ++at;
        const std::string_view word = text.substr(start, at - start);
        const auto found = phonemes.find(word);
        if (found == phonemes.end())
            spoken += word;
        else
            spoken += "[[" + found->second + "]]";
    }
    return spoken;
}

} // namespace content
