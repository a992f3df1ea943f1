#include "ArchiveWriter.h"

#include "files/AtomicFile.h"
#include "files/DataFile.h"
#include "files/HostPath.h"
#include "files/Scrambler.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <set>

namespace {

void PutLittleEndian32(std::vector<unsigned char>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

// Reads `size` bytes at `offset` (the whole file: offset 0, size of the
// file); false when they are not all there.
bool ReadBytes(std::FILE* stream, std::uint64_t offset, std::uint64_t size, std::vector<unsigned char>& bytes)
{
    bytes.resize(static_cast<std::size_t>(size));
    return ::fseeko(stream, static_cast<off_t>(offset), SEEK_SET) == 0 &&
           std::fread(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

bool ReadWholeFile(const std::filesystem::path& path, std::vector<unsigned char>& bytes)
{
    std::error_code failure;
    const std::uintmax_t size = std::filesystem::file_size(path, failure);
    std::FILE* stream = failure ? nullptr : std::fopen(path.c_str(), "rb");
    if (stream == nullptr)
        return false;
    const bool read = ReadBytes(stream, 0, size, bytes);
    std::fclose(stream);
    return read;
}

std::string WithReason(const std::string& text, int errorNumber)
{
    return errorNumber != 0 ? text + ": " + std::strerror(errorNumber) : text;
}

// Where a member goes below `folder`; false when its name would leave it.
bool MemberPath(const std::string& name, const std::filesystem::path& folder, std::filesystem::path& target,
                std::string& error)
{
    target = folder;
    std::size_t position = 0;
    while (position <= name.size()) {
        const std::size_t end = std::min(name.find('\\', position), name.size());
        const std::string part = name.substr(position, end - position);
        if (part.empty() || part == "." || part == ".." || part.find('/') != std::string::npos) {
            error = "the member <" + Printable(name) + "> would leave the folder";
            return false;
        }
        target /= Windows1252::ToUtf8(part);
        position = end + 1;
    }
    return true;
}

bool ExtractMember(std::FILE* archive, const DataFileEntry& entry, const std::filesystem::path& folder,
                   std::string& error)
{
    const std::string name = entry.name;
    std::filesystem::path target;
    if (!MemberPath(name, folder, target, error))
        return false;
    std::vector<unsigned char> content;
    if (!ReadBytes(archive, entry.offset, entry.size, content)) {
        error = "cannot read the member <" + Printable(name) + ">";
        return false;
    }
    if (IsTextMember(name))
        DescrambleBuffer(content.data(), content.size());
    std::error_code failure;
    std::filesystem::create_directories(target.parent_path(), failure);
    int writeFailure = failure.value();
    if (writeFailure != 0 || !WriteFileAtomically(target.string(), content.data(), content.size(), &writeFailure)) {
        error = WithReason("cannot write <" + target.string() + ">", writeFailure);
        return false;
    }
    return true;
}

} // namespace

std::string Printable(const std::string& name)
{
    return Windows1252::ToUtf8(DataFile::ShownName(name));
}

std::string MemberName(const std::filesystem::path& relative)
{
    std::string name;
    for (const auto& part : relative) {
        if (!name.empty())
            name += '\\';
        name += Windows1252::FromUtf8(part.string());
    }
    return LowerCaseWindows1252(name);
}

bool IsTextMember(const std::string& name)
{
    return name.size() >= 3 && name.compare(name.size() - 3, 3, "txt") == 0;
}

bool CollectMembers(const std::filesystem::path& folder, std::vector<ArchiveMember>& members, std::string& error)
{
    std::error_code failure;
    std::vector<std::filesystem::path> files;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, failure);
         !failure && it != std::filesystem::recursive_directory_iterator(); it.increment(failure)) {
        if (it->is_regular_file())
            files.push_back(it->path());
    }
    if (failure) {
        error = "cannot read the folder <" + folder.string() + ">: " + failure.message();
        return false;
    }
    members.clear();
    for (const auto& path : files) {
        ArchiveMember member;
        member.name = MemberName(std::filesystem::relative(path, folder));
        if (const std::string problem = DataFile::NameProblem(member.name); !problem.empty()) {
            error = "the name <" + Printable(member.name) + "> " + problem;
            return false;
        }
        if (!ReadWholeFile(path, member.bytes)) {
            error = "cannot read <" + path.string() + ">";
            return false;
        }
        if (IsTextMember(member.name))
            ScrambleBuffer(member.bytes.data(), member.bytes.size());
        members.push_back(std::move(member));
    }
    std::sort(members.begin(), members.end(),
              [](const ArchiveMember& a, const ArchiveMember& b) { return a.name < b.name; });
    // Names that differ only in letter case would become one member.
    const auto twin = std::adjacent_find(members.begin(), members.end(),
                                         [](const ArchiveMember& a, const ArchiveMember& b) { return a.name == b.name; });
    if (twin != members.end()) {
        error = "two files would both be stored as <" + Printable(twin->name) + ">";
        return false;
    }
    return true;
}

bool WriteArchive(const std::filesystem::path& path, const std::vector<ArchiveMember>& members, std::string& error)
{
    std::uint64_t offset = 4 + members.size() * sizeof(DataFileEntry);
    std::vector<unsigned char> bytes;
    PutLittleEndian32(bytes, static_cast<std::uint32_t>(members.size()));
    std::set<std::string> names;
    for (const ArchiveMember& member : members) {
        if (const std::string problem = DataFile::NameProblem(member.name); !problem.empty()) {
            error = "the name <" + Printable(member.name) + "> " + problem;
            return false;
        }
        if (!names.insert(member.name).second) {
            error = "the name <" + Printable(member.name) + "> is there twice";
            return false;
        }
        if (offset + member.bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
            error = "the archive would be larger than 4 GiB";
            return false;
        }
        unsigned char name[DataFileEntry::nameSize] = {};
        std::memcpy(name, member.name.data(), member.name.size());
        bytes.insert(bytes.end(), name, name + sizeof(name));
        PutLittleEndian32(bytes, static_cast<std::uint32_t>(offset));
        PutLittleEndian32(bytes, static_cast<std::uint32_t>(member.bytes.size()));
        bytes.insert(bytes.end(), 8, 0);
        offset += member.bytes.size();
    }
    for (const ArchiveMember& member : members)
        bytes.insert(bytes.end(), member.bytes.begin(), member.bytes.end());
    int failure = 0;
    if (!WriteFileAtomically(path.string(), bytes.data(), bytes.size(), &failure)) {
        error = WithReason("cannot write <" + path.string() + ">", failure);
        return false;
    }
    return true;
}

bool ExtractArchive(const std::filesystem::path& archive, const std::filesystem::path& folder, std::string& error)
{
    std::vector<DataFileEntry> entries;
    std::vector<std::string> problems;
    if (!DataFile::ReadDirectoryOf(archive.string(), entries, problems) || !problems.empty()) {
        error = "<" + archive.string() + ">: " + (problems.empty() ? "unreadable directory" : problems.front());
        return false;
    }
    std::FILE* stream = std::fopen(archive.c_str(), "rb");
    if (stream == nullptr) {
        error = WithReason("cannot read <" + archive.string() + ">", errno);
        return false;
    }
    bool extracted = true;
    for (const DataFileEntry& entry : entries) {
        extracted = ExtractMember(stream, entry, folder, error);
        if (!extracted)
            break;
    }
    std::fclose(stream);
    return extracted;
}
