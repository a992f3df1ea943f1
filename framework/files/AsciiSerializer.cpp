#include "AsciiSerializer.h"

#include "File.h"
#include "Object.h"
#include "ObjectType.h"
#include "StringTokens.h"
#include "app/Debug.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

constexpr int indentationStep = 4;

// Callers pass literals; a null name reads and writes as the empty one.
const char* Text(const char* text)
{
    return text != nullptr ? text : "";
}

// The text between the first double quote and the next one. An unclosed
// quote runs to the end of the line, no quote at all gives nothing.
std::string_view QuotedText(std::string_view text)
{
    const std::size_t open = text.find('"');
    if (open == std::string_view::npos)
        return {};
    const std::size_t close = text.find('"', open + 1);
    return text.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1);
}

// A string value as it can be read back: the format has no way to hold a
// double quote or a line break (either would end the value or the line and
// lose the fields after it) nor a NUL (the formatted line ends there), and a
// line longer than the reader takes would be cut, so quotes and NULs are
// dropped, line breaks become spaces, and the text is cut to fit its line. `used` is what the line holds besides the value.
std::string WritableText(const std::string& value, std::size_t used)
{
    constexpr std::size_t quotesAndSpace = 5; // "name" "value"
    const std::size_t room = AsciiSerializer::maximumLineLength > used + quotesAndSpace
                                 ? AsciiSerializer::maximumLineLength - used - quotesAndSpace
                                 : 0;
    std::string text;
    text.reserve(std::min(value.size(), room));
    for (const char character : value) {
        if (text.size() >= room)
            break;
        if (character == '"' || character == '\0')
            continue;
        text += character == '\n' || character == '\r' ? ' ' : character;
    }
    return text;
}

} // namespace

AsciiSerializer::AsciiSerializer(File& fileToUse, bool writingFile)
    : file(fileToUse)
    , writing(writingFile)
{
    if (!writing)
        ReadEntries();
}

bool AsciiSerializer::IsWriting() const
{
    return writing;
}

void AsciiSerializer::ReadEntries()
{
    int depth = 0;
    std::string line;
    while (file.ReadLine(line, maximumLineLength)) {
        std::string_view text = line;
        const std::size_t start = text.find_first_not_of(' ');
        if (start == std::string_view::npos)
            continue;
        text.remove_prefix(start);
        switch (text.front()) {
        case '[': {
            // A '[' without ']' lets the type run to the end of the line.
            const std::size_t close = text.find(']');
            const std::string_view type = text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
            entries.push_back({EntryKind::sectionStart, std::string(QuotedText(text)), std::string(type), depth});
            ++depth;
            break;
        }
        case '}':
            // A brace that closes nothing is ignored: counting it would leave
            // the depth below zero, and reading would then never stop at the
            // end of the object.
            if (depth == 0)
                break;
            entries.push_back({EntryKind::sectionEnd, {}, {}, depth});
            if (--depth == 0)
                return;
            break;
        case '"': {
            const std::size_t close = text.find('"', 1);
            const std::string_view rest = close == std::string_view::npos ? std::string_view() : text.substr(close + 1);
            entries.push_back({EntryKind::value, std::string(QuotedText(text)), std::string(rest), depth});
            break;
        }
        default:
            break;
        }
    }
}

void AsciiSerializer::ClampCursor()
{
    cursor = std::clamp(cursor, 0, std::max(0, static_cast<int>(entries.size()) - 1));
}

template <typename Predicate>
int AsciiSerializer::SearchBlock(Predicate matches) const
{
    const int depth = entries[static_cast<std::size_t>(cursor)].depth;
    int index = cursor;
    while (index > 0 && entries[static_cast<std::size_t>(index - 1)].depth >= depth)
        --index;
    // The last entry is looked at too: in a file cut off before its closing
    // brace it may be a value.
    for (; index < static_cast<int>(entries.size()); ++index) {
        const Entry& entry = entries[static_cast<std::size_t>(index)];
        if (entry.depth < depth)
            break;
        if (matches(entry))
            return index;
    }
    return -1;
}

const std::string* AsciiSerializer::FindEntry(const char* name)
{
    const std::string_view wanted = Text(name);
    const auto matches = [&](const Entry& entry) { return entry.kind == EntryKind::value && entry.first == wanted; };
    ClampCursor();
    int found = -1;
    if (!entries.empty())
        found = matches(entries[static_cast<std::size_t>(cursor)]) ? cursor : SearchBlock(matches);
    if (found < 0) {
        LogPrint("AsciiDialogSerializer: FindEntry <%s> not found (started search in %d)\n", Text(name), cursor);
        return nullptr;
    }
    cursor = found + 1;
    return &entries[static_cast<std::size_t>(found)].second;
}

bool AsciiSerializer::FindSection(const char* type, const char* name)
{
    const std::string_view wantedType = Text(type);
    const std::string_view wantedName = Text(name);
    const auto matches = [&](const Entry& entry) {
        return entry.kind == EntryKind::sectionStart && entry.second == wantedType && entry.first == wantedName;
    };
    ClampCursor();
    int found = -1;
    if (!entries.empty())
        found = matches(entries[static_cast<std::size_t>(cursor)]) ? cursor : SearchBlock(matches);
    if (found < 0) {
        LogPrint("AsciiDialogSerializer: FindSection <%s> not found\n", Text(name));
        return false;
    }
    cursor = found + 1;
    return true;
}

// The number fields below leave the variable as it was when the line holds
// no value at all (only the quoted name): there is nothing to convert, and
// the object's default is a better answer than an invented number.

void AsciiSerializer::SerializeIntPair(const char* name, int (&values)[2])
{
    if (writing) {
        file.Printf("%*s\"%s\" %d %d\n", indentation, "", Text(name), values[0], values[1]);
        return;
    }
    if (const std::string* text = FindEntry(name)) {
        const StringTokens tokens(*text);
        for (int half = 0; half < 2 && half < tokens.Count(); ++half)
            values[half] = tokens.IntAt(half);
    }
}

void AsciiSerializer::SerializeString(const char* name, std::string& value)
{
    if (writing) {
        file.Printf("%*s\"%s\" \"%s\"\n", indentation, "", Text(name), WritableText(value, static_cast<std::size_t>(indentation) + std::strlen(Text(name))).c_str());
        return;
    }
    const std::string* text = FindEntry(name);
    if (text != nullptr && text->find('"') != std::string::npos)
        value = QuotedText(*text);
}

void AsciiSerializer::SerializeBool(const char* name, bool* value)
{
    if (value == nullptr)
        return;
    if (writing) {
        file.Printf("%*s\"%s\" %d\n", indentation, "", Text(name), *value ? 1 : 0);
        return;
    }
    if (const std::string* text = FindEntry(name)) {
        const StringTokens tokens(*text);
        if (tokens.Count() > 0)
            *value = tokens.IntAt(0) != 0;
    }
}

void AsciiSerializer::SerializeFloat(const char* name, float* value)
{
    if (value == nullptr)
        return;
    if (writing) {
        file.Printf("%*s\"%s\" %f\n", indentation, "", Text(name), static_cast<double>(*value));
        return;
    }
    if (const std::string* text = FindEntry(name)) {
        // A word that is no number also keeps the old value, like a missing
        // field, where an int would read as -1.
        const std::string word = StringTokens(*text).StringAt(0);
        char* end = nullptr;
        const float parsed = std::strtof(word.c_str(), &end);
        if (end != word.c_str())
            *value = parsed;
    }
}

void AsciiSerializer::SerializeInt(const char* name, int* value)
{
    if (value == nullptr)
        return;
    if (writing) {
        file.Printf("%*s\"%s\" %d\n", indentation, "", Text(name), *value);
        return;
    }
    if (const std::string* text = FindEntry(name)) {
        const StringTokens tokens(*text);
        if (tokens.Count() > 0)
            *value = tokens.IntAt(0);
    }
}

void AsciiSerializer::SerializeObject(const char* name, Object* object)
{
    if (object == nullptr)
        return;
    WriteObjectHeader(*object);
    object->Serialize(*this, name);
}

void AsciiSerializer::WriteObjectHeader(const Object& object)
{
    if (writing)
        file.Printf("%*sclass type: \"%s\"\n", indentation, "", ObjectType::GetInstance().GetClassName(object).c_str());
}

void AsciiSerializer::BeginSection(const char* type, const char* name)
{
    if (writing) {
        file.Printf("%*s[%s] \"%s\"\n", indentation, "", Text(type), Text(name));
        file.Printf("%*s{\n", indentation, "");
        indentation += indentationStep;
        return;
    }
    // A section that is not found leaves the cursor where it was, so the
    // fields that follow are still looked for in the enclosing block.
    if (FindSection(type, name))
        indentation += indentationStep;
}

void AsciiSerializer::EndSection()
{
    // Never below zero, so that an extra EndSection cannot indent the rest.
    indentation = std::max(0, indentation - indentationStep);
    if (writing) {
        file.Printf("%*s}\n\n", indentation, "");
        return;
    }
    if (entries.empty())
        return;
    ClampCursor();
    const int last = static_cast<int>(entries.size()) - 1;
    int index = cursor;
    while (index < last && entries[static_cast<std::size_t>(index)].kind != EntryKind::sectionEnd)
        ++index;
    // Past the last entry there is nothing to read; staying put keeps the
    // cursor on an entry.
    if (index < last)
        cursor = index + 1;
}

void AsciiSerializer::Comment(const char* text)
{
    if (!writing)
        return;
    if (text == nullptr || *text == '\0')
        file.Printf("\n");
    else
        file.Printf("%*s# %s\n", indentation, "", text);
}

void AsciiSerializer::SetHint(const char*, const char*)
{
}
