#include "SavegameCheck.h"

#include "MainProgram.h"
#include "files/File.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr std::size_t lineLength = 999;

bool HasControlBytes(std::string_view line)
{
    for (const char character : line) {
        const auto byte = static_cast<unsigned char>(character);
        if (byte < 0x20 && byte != '\t' && byte != '\r')
            return true;
    }
    return false;
}

std::string_view WithoutIndent(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : line.substr(first);
}

bool HasQuotedName(std::string_view line)
{
    const std::size_t open = line.find('"');
    return open != std::string_view::npos && line.find('"', open + 1) != std::string_view::npos;
}

} // namespace

bool SavegameCheck::IsKnownLevel(int level)
{
    return (level >= 1 && level <= 9) || level == 11;
}

bool SavegameCheck::Check(File& file, Header& header, std::string& fault)
{
    file.Seek(0, SEEK_SET);
    std::string levelLine;
    if (!file.ReadLine(header.title, lineLength) || !file.ReadLine(header.date, lineLength) ||
        !file.ReadLine(levelLine, lineLength)) {
        fault = "it ends before its level";
        return false;
    }
    header.level = -1;
    if (std::sscanf(levelLine.c_str(), "levelNum %d", &header.level) != 1 || !IsKnownLevel(header.level)) {
        fault = "no level this game knows";
        header.level = -1;
        return false;
    }
    const int body = file.Tell();

    // Where the lines of a block stand: after its start line the object's
    // class, then its sections, each a name line, "{", its fields (nested
    // objects and sections among them) and the "}" that closes it. An
    // object without any state writes its class alone.
    enum class Expect { anything, classLine, section, openBrace, field };
    Expect expect = Expect::anything;
    int depth = 0;
    int blocks = 0;
    std::string line;
    int lineNumber = 3;
    const auto fail = [&fault, &lineNumber](const char* what) {
        fault = std::string(what) + " in line " + std::to_string(lineNumber);
        return false;
    };
    while (file.ReadLine(line, lineLength)) {
        ++lineNumber;
        if (HasControlBytes(line))
            return fail("control bytes");
        const std::string_view text = WithoutIndent(line);
        const bool startLine = text.starts_with("OBJECT START") || text.starts_with("DYNAMIC OBJECT START");
        const bool sectionLine = text.starts_with('[') && HasQuotedName(text);
        switch (expect) {
        case Expect::classLine:
            if (!text.starts_with("class type:") || !HasQuotedName(text))
                return fail("a block without its class");
            expect = Expect::section;
            break;
        case Expect::section:
        case Expect::anything:
            if (startLine) {
                expect = Expect::classLine;
                ++blocks;
            } else if (sectionLine) {
                expect = Expect::openBrace;
            } else if (expect == Expect::section && !text.empty() && !text.starts_with('#')) {
                return fail("a block without its name");
            } else if (!text.empty() && !text.starts_with('#') && !text.starts_with("class type:")) {
                return fail("text outside a block");
            }
            break;
        case Expect::openBrace:
            if (!text.starts_with('{'))
                return fail("a section without its brace");
            ++depth;
            expect = Expect::field;
            break;
        case Expect::field:
            if (startLine)
                return fail("a block cut short");
            if (sectionLine) {
                expect = Expect::openBrace;
            } else if (text.starts_with('}') && --depth == 0) {
                expect = Expect::anything;
            }
            break;
        }
    }
    if (expect != Expect::anything && expect != Expect::section) {
        fault = "it ends inside a block";
        return false;
    }
    if (blocks == 0) {
        fault = "it holds nothing of the game";
        return false;
    }
    file.Seek(body, SEEK_SET);
    return true;
}

bool SavegameCheck::CheckSlot(int slot, Header& header, std::string& fault)
{
    const std::string name = MainProgram::SlotFile(slot, "dat");
    File file;
    if (!file.OpenMemory(name.c_str(), "r")) {
        fault = "it cannot be opened";
        return false;
    }
    return Check(file, header, fault);
}
