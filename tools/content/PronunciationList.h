#pragma once

// Words espeak-ng says wrongly, with how to say them: a committed UTF-8
// text file read by the speech synthesiser.
//
//     # a comment runs to the end of its line
//     Zephyra   tse'fy:ra
//
// A line holds the written word (letters only, matched exactly, case
// included) and espeak-ng's phoneme string for it (printable ASCII without
// blanks or square brackets), separated by blanks. A word given twice,
// a line with one field or more than two, a word with other characters and
// bytes that are not UTF-8 are refused with the file's name and the line's
// number.

#include <map>
#include <string>
#include <string_view>

namespace content {

class PronunciationList {
public:
    bool Parse(std::string_view text, const std::string& fileName, std::string& error);
    bool Load(const std::string& path, std::string& error);

    // `text` (UTF-8) with every listed word replaced by its phonemes in
    // espeak-ng's [[...]] input form.
    std::string Apply(std::string_view text) const;

    std::size_t Size() const { return phonemes.size(); }

private:
    std::map<std::string, std::string, std::less<>> phonemes;
};

} // namespace content
