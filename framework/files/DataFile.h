#pragma once

// The content archive datafile.dat. Layout (integers 32-bit little-endian):
//     offset 0       entry count N
//     offset 4       N directory entries of 80 bytes (DataFileEntry)
//     after them     the members' bytes, uncompressed, at the offsets the
//                    entries give (counted from the start of the file)
// Member names are relative paths as the game spells them, lower case, with
// backslashes ("data\level01\sprites.txt"). Text members (.txt) are stored
// scrambled, all others as plain bytes. Lookups lower-case the requested name
// and compare bytes: a name with forward slashes is not found.
//
// Every count, offset and size is checked against the archive's real size
// when it is opened: an archive whose directory does not fit is treated as
// absent, and entries that point outside the file, whose names are empty,
// unterminated or hold control characters, or that repeat an earlier
// entry's name are skipped (so the first of equal names is the member),
// each with a line in the log.

#include "File.h"
#include "app/Singleton.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct DataFileEntry {
    static constexpr std::size_t nameSize = 64;

    char name[nameSize];
    std::uint32_t offset;
    std::uint32_t size;
    std::uint8_t reserved[8];
};
static_assert(sizeof(DataFileEntry) == 80, "a directory entry of datafile.dat is 80 bytes");

class DataFile : public Singleton<DataFile> {
public:
    static constexpr std::size_t lookupNameSize = 200;

    // Opens the archive; always true, the outcome is IsAvailable().
    bool Init(const char* path);
    // The archive's open File when `name` is a member, with the member's
    // offset and size; else null.
    File* Find(const char* name, std::uint32_t& offset, std::uint32_t& size);
    bool IsAvailable() const { return available; }
    const std::vector<DataFileEntry>& GetEntries() const { return entries; }

    // Reads and checks a directory; false with a reason when it is unusable.
    // Unusable entries (see above) are left out, each reported.
    static bool ReadDirectory(std::FILE* stream, std::uint64_t fileSize, std::vector<DataFileEntry>& entries,
                              std::vector<std::string>& problems);
    // The same for the archive at a host path, saying so when that is not a
    // file at all.
    static bool ReadDirectoryOf(const std::string& hostPath, std::vector<DataFileEntry>& entries,
                                std::vector<std::string>& problems);
    // Why a name cannot be a member's (empty, too long for the directory,
    // a control character in it), or empty when it can.
    static std::string NameProblem(std::string_view name);
    // A name as a message can show it: control characters become '?'.
    static std::string ShownName(std::string_view name);

private:
    bool available = false;
    std::unique_ptr<File> archive;
    std::vector<DataFileEntry> entries;
};
