#pragma once

// Objects as indented text, one item per line: the level settings files and,
// through AsciiStateSerializer, savegames.
//
//     class type: "class AudioEvent"      <- SerializeObject, before the object
//     [AudioEvent] "gong"                 <- BeginSection(type, name)
//     {
//         "title" "two words"             <- string: written without double
//                                            quotes or line breaks, cut to
//                                            fit its 999-character line
//         "is 3d" 1                       <- bool, 0 or 1
//         "volume" 0.800000               <- float, six decimals
//         "position" 10 -20               <- int pair
//         # a comment
//     }                                   <- EndSection, then one blank line
//
// Lines are indented by four spaces per open section. The direction is fixed
// at construction. The File is borrowed: the caller opens it, keeps it alive
// as long as the serializer and closes it.
//
// Reading (the file is a parser's untrusted input, never fatal):
//   - Construction reads from the file's current position through the line
//     that closes the first top-level section and leaves the file after it,
//     so one serializer reads one object and the next serializer on the same
//     File reads the next. Lines are cut at 999 characters.
//   - Leading spaces are skipped (tabs are not). A line then starting with
//     '[' opens a section, '}' closes one, '"' holds a value; every other
//     line (headers, '{', comments, tab-indented lines) is ignored.
//   - Fields may come in any order: a field that is not where the cursor
//     expects it is searched for in the current block (nested blocks
//     included). Missing fields and sections are logged at info level and
//     leave the variable as it was; extra fields are never looked at.
//   - Numbers read like sscanf's %d and %f: an int or bool whose text is no
//     number reads as -1 (a bool as true).

#include "Serializer.h"

#include <cstddef>
#include <string>
#include <vector>

class File;

class AsciiSerializer : public Serializer {
public:
    static constexpr std::size_t maximumLineLength = 999;

    AsciiSerializer(File& file, bool writing);

    bool IsWriting() const override;

    void SerializeIntPair(const char* name, int (&values)[2]) override;
    void SerializeString(const char* name, std::string& value) override;
    void SerializeBool(const char* name, bool* value) override;
    void SerializeFloat(const char* name, float* value) override;
    void SerializeInt(const char* name, int* value) override;
    void SerializeObject(const char* name, Object* object) override;
    void BeginSection(const char* type, const char* name) override;
    void EndSection() override;
    void Comment(const char* text) override;
    void SetHint(const char* descriptor, const char* argument) override;

protected:
    void WriteObjectHeader(const Object& object);

private:
    enum class EntryKind { value, sectionStart, sectionEnd };

    // One meaningful line. A value holds its name and the text after the
    // name's closing quote; a section start holds its name and its type.
    struct Entry {
        EntryKind kind = EntryKind::value;
        std::string first;
        std::string second;
        int depth = 0; // open sections before this line
    };

    void ReadEntries();
    // The value text of the named field, with the cursor moved past it, or
    // null when the block holds no such field.
    const std::string* FindEntry(const char* name);
    bool FindSection(const char* type, const char* name);
    // The index of the first entry from the start of the cursor's block on
    // that `matches`, or -1.
    template <typename Predicate>
    int SearchBlock(Predicate matches) const;
    // Keeps the cursor on an entry after a step past the last one.
    void ClampCursor();

    File& file;
    const bool writing;
    int indentation = 0;
    std::vector<Entry> entries;
    int cursor = 0;
};
