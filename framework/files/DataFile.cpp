#include "DataFile.h"

#include "HostPath.h"
#include "app/Debug.h"

#include <cstring>
#include <sys/stat.h>

namespace {

std::uint32_t LittleEndian32(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

} // namespace

bool DataFile::ReadDirectory(std::FILE* stream, std::uint64_t fileSize, std::vector<DataFileEntry>& directory,
                             std::vector<std::string>& problems)
{
    directory.clear();
    unsigned char countBytes[4];
    if (fileSize < 4 || std::fread(countBytes, 1, 4, stream) != 4) {
        problems.push_back("the archive is shorter than its entry count");
        return false;
    }
    const std::uint32_t count = LittleEndian32(countBytes);
    if (count > (fileSize - 4) / sizeof(DataFileEntry)) {
        problems.push_back("its directory of " + std::to_string(count) + " entries does not fit into " +
                           std::to_string(fileSize) + " bytes");
        return false;
    }
    directory.reserve(count);
    for (std::uint32_t index = 0; index < count; ++index) {
        unsigned char raw[sizeof(DataFileEntry)];
        if (std::fread(raw, 1, sizeof(raw), stream) != sizeof(raw)) {
            problems.push_back("its directory cannot be read");
            directory.clear();
            return false;
        }
        DataFileEntry entry{};
        std::memcpy(entry.name, raw, DataFileEntry::nameSize);
        entry.offset = LittleEndian32(raw + 64);
        entry.size = LittleEndian32(raw + 68);
        std::memcpy(entry.reserved, raw + 72, sizeof(entry.reserved));

        const bool terminated = std::memchr(entry.name, '\0', DataFileEntry::nameSize) != nullptr;
        entry.name[DataFileEntry::nameSize - 1] = '\0';
        const std::uint64_t end = static_cast<std::uint64_t>(entry.offset) + entry.size;
        if (!terminated) {
            problems.push_back("entry " + std::to_string(index) + " has a name without an end");
        } else if (end > fileSize) {
            problems.push_back("entry " + std::to_string(index) + " <" + entry.name + "> lies outside the archive");
        } else {
            directory.push_back(entry);
        }
    }
    return true;
}

bool DataFile::Init(const char* path)
{
    archive = std::make_unique<File>();
    entries.clear();
    available = false;
    if (!archive->OpenDirect(path, "rb")) {
        LogPrint("Datafile is not available.\n");
        archive.reset();
        return true;
    }
    struct stat status{};
    std::vector<std::string> problems;
    const bool usable = ::fstat(::fileno(archive->GetHandle()), &status) == 0 &&
                        ReadDirectory(archive->GetHandle(), static_cast<std::uint64_t>(status.st_size), entries, problems);
    for (const std::string& problem : problems)
        LogError("DataFile::Init: <%s>: %s\n", path, problem.c_str());
    if (!usable) {
        LogPrint("Datafile is not available.\n");
        archive.reset();
        entries.clear();
        return true;
    }
    available = true;
    return true;
}

File* DataFile::Find(const char* name, std::uint32_t& offset, std::uint32_t& size)
{
    if (!available || name == nullptr)
        return nullptr;
    // Names longer than the lookup buffer of 200 bytes cannot be members.
    const std::size_t length = std::strlen(name);
    if (length >= lookupNameSize)
        return nullptr;
    const std::string lowered = LowerCaseWindows1252(std::string_view(name, length));
    for (const DataFileEntry& entry : entries) {
        if (lowered == entry.name) {
            offset = entry.offset;
            size = entry.size;
            return archive.get();
        }
    }
    return nullptr;
}
