#include "ArchiveWriter.h"

#include "files/AtomicFile.h"
#include "files/DataFile.h"
#include "files/HostPath.h"
#include "files/Scrambler.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>

namespace {

void PutLittleEndian32(std::vector<unsigned char>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

bool ReadWholeFile(const std::filesystem::path& path, std::vector<unsigned char>& bytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

} // namespace

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
        if (member.name.size() >= DataFileEntry::nameSize) {
            error = "the name <" + Windows1252::ToUtf8(member.name) + "> is longer than 63 bytes";
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
        error = "two files would both be stored as <" + Windows1252::ToUtf8(twin->name) + ">";
        return false;
    }
    return true;
}

bool WriteArchive(const std::filesystem::path& path, const std::vector<ArchiveMember>& members, std::string& error)
{
    std::uint64_t offset = 4 + members.size() * sizeof(DataFileEntry);
    std::vector<unsigned char> bytes;
    PutLittleEndian32(bytes, static_cast<std::uint32_t>(members.size()));
    for (const ArchiveMember& member : members) {
        if (member.name.empty() || member.name.size() >= DataFileEntry::nameSize) {
            error = "the name <" + Windows1252::ToUtf8(member.name) + "> does not fit into 63 bytes";
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
    if (!WriteFileAtomically(path.string(), bytes.data(), bytes.size())) {
        error = "cannot write <" + path.string() + ">";
        return false;
    }
    return true;
}

bool ExtractArchive(const std::filesystem::path& archive, const std::filesystem::path& folder, std::string& error)
{
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(archive, bytes)) {
        error = "cannot read <" + archive.string() + ">";
        return false;
    }
    std::FILE* stream = std::fopen(archive.c_str(), "rb");
    if (stream == nullptr) {
        error = "cannot read <" + archive.string() + ">";
        return false;
    }
    std::vector<DataFileEntry> entries;
    std::vector<std::string> problems;
    const bool readable = DataFile::ReadDirectory(stream, bytes.size(), entries, problems);
    std::fclose(stream);
    if (!readable || !problems.empty()) {
        error = problems.empty() ? "unreadable directory" : problems.front();
        return false;
    }
    for (const DataFileEntry& entry : entries) {
        const std::string name = entry.name;
        std::filesystem::path target = folder;
        std::size_t position = 0;
        while (position <= name.size()) {
            const std::size_t end = std::min(name.find('\\', position), name.size());
            const std::string part = name.substr(position, end - position);
            if (part.empty() || part == "." || part == ".." || part.find('/') != std::string::npos) {
                error = "the member <" + Windows1252::ToUtf8(name) + "> would leave the folder";
                return false;
            }
            target /= Windows1252::ToUtf8(part);
            position = end + 1;
        }
        std::vector<unsigned char> content(bytes.begin() + entry.offset, bytes.begin() + entry.offset + entry.size);
        if (IsTextMember(name))
            DescrambleBuffer(content.data(), content.size());
        std::error_code failure;
        std::filesystem::create_directories(target.parent_path(), failure);
        if (failure || !WriteFileAtomically(target.string(), content.data(), content.size())) {
            error = "cannot write <" + target.string() + ">";
            return false;
        }
    }
    return true;
}
