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
// absent, and entries that point outside the file are skipped, each with a
// line in the log.

#include "File.h"
#include "app/Singleton.h"

#include <cstdint>
#include <memory>
#include <string>
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
    // Entries that point outside the file are left out, each reported.
    static bool ReadDirectory(std::FILE* stream, std::uint64_t fileSize, std::vector<DataFileEntry>& entries,
                              std::vector<std::string>& problems);

private:
    bool available = false;
    std::unique_ptr<File> archive;
    std::vector<DataFileEntry> entries;
};
