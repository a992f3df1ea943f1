#include "DataFile.h"

#include "HostPath.h"
#include "app/Debug.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <sys/stat.h>

namespace {

std::uint32_t LittleEndian32(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

bool IsControlCharacter(char character)
{
    const auto byte = static_cast<unsigned char>(character);
    return byte < 0x20 || byte == 0x7F;
}

} // namespace

std::string DataFile::NameProblem(std::string_view name)
{
    if (name.empty())
        return "is empty";
    if (name.size() >= DataFileEntry::nameSize)
        return "is longer than " + std::to_string(DataFileEntry::nameSize - 1) + " bytes";
    if (std::any_of(name.begin(), name.end(), IsControlCharacter))
        return "holds a control character";
    return {};
}

std::string DataFile::ShownName(std::string_view name)
{
    std::string shown(name);
    std::replace_if(shown.begin(), shown.end(), IsControlCharacter, '?');
    return shown;
}

bool DataFile::ReadDirectory(std::FILE* stream, std::uint64_t fileSize, std::vector<DataFileEntry>& directory,
                             std::vector<std::string>& problems)
{
    directory.clear();
    unsigned char countBytes[4];
    if (fileSize < 4) {
        problems.push_back("it is " + std::to_string(fileSize) + (fileSize == 1 ? " byte" : " bytes") +
                           " long, too short to hold an archive's entry count");
        return false;
    }
    if (std::fread(countBytes, 1, 4, stream) != 4) {
        problems.push_back("its entry count cannot be read");
        return false;
    }
    const std::uint32_t count = LittleEndian32(countBytes);
    if (count > (fileSize - 4) / sizeof(DataFileEntry)) {
        problems.push_back("its directory of " + std::to_string(count) + " entries does not fit into " +
                           std::to_string(fileSize) + " bytes");
        return false;
    }
    directory.reserve(count);
    std::map<std::string, std::uint32_t> firstWithName;
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

        const std::string number = "entry " + std::to_string(index);
        if (std::memchr(entry.name, '\0', DataFileEntry::nameSize) == nullptr) {
            problems.push_back(number + " has a name without an end");
            continue;
        }
        const std::string name = entry.name;
        const std::string label = number + " <" + ShownName(name) + ">";
        if (const std::string problem = NameProblem(name); !problem.empty()) {
            problems.push_back(label + ": its name " + problem);
        } else if (static_cast<std::uint64_t>(entry.offset) + entry.size > fileSize) {
            problems.push_back(label + " lies outside the archive");
        } else if (const auto [first, unique] = firstWithName.emplace(name, index); !unique) {
            problems.push_back(label + " repeats the name of entry " + std::to_string(first->second));
        } else {
            directory.push_back(entry);
        }
    }
    return true;
}

bool DataFile::ReadDirectoryOf(const std::string& hostPath, std::vector<DataFileEntry>& directory,
                               std::vector<std::string>& problems)
{
    directory.clear();
    std::FILE* stream = std::fopen(hostPath.c_str(), "rb");
    if (stream == nullptr) {
        problems.push_back(std::string("it cannot be opened: ") + std::strerror(errno));
        return false;
    }
    struct stat status{};
    bool readable = false;
    if (::fstat(::fileno(stream), &status) != 0)
        problems.push_back(std::string("it cannot be examined: ") + std::strerror(errno));
    else if (S_ISDIR(status.st_mode))
        problems.push_back("it is a folder, not an archive");
    else if (!S_ISREG(status.st_mode))
        problems.push_back("it is not a file");
    else
        readable = ReadDirectory(stream, static_cast<std::uint64_t>(status.st_size), directory, problems);
    std::fclose(stream);
    return readable;
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
