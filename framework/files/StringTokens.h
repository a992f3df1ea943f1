#pragma once

#include <string>
#include <string_view>
#include <vector>

// One text line split into words at the given delimiters (every caller passes
// space and tab), with typed readers. A cursor walks the words; the At
// readers leave it alone and answer "", 0 or 0.0 for a word that is not
// there. Conversions read like sscanf's %d and %f: an int that does not
// start with a number reads as -1; a bool is an int that is not 0.
class StringTokens {
public:
    static constexpr std::string_view whitespace = " \t";

    explicit StringTokens(std::string_view text = {}, std::string_view delimiters = whitespace);

    int Count() const { return static_cast<int>(tokens.size()); }
    int Remaining() const { return Count() - cursor; }
    void Skip(int count) { cursor += count; }

    // These read the word at the cursor and move past it; past the last word
    // they read as "", 0, 0.0 and false.
    std::string NextString();
    int NextInt();
    float NextFloat();
    bool NextBool();

    std::string StringAt(int index) const;
    int IntAt(int index) const;
    float FloatAt(int index) const;

    const std::string& GetText() const { return text; }

    // The text without the blanks, tabs and line ends around it.
    static std::string_view Trim(std::string_view text);

    static int ToInt(std::string_view token);
    static float ToFloat(std::string_view token);

private:
    const std::string* TokenAt(int index) const;

    std::string text;
    std::vector<std::string> tokens;
    int cursor = 0;
};
