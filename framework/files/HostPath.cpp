#include "HostPath.h"

#include "GameFolders.h"
#include "platform/Windows1252.h"

#include <cstdlib>
#include <dirent.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using Listing = std::map<std::string, std::string>; // lower-case Windows-1252 name -> host name

std::map<std::string, Listing>& Listings()
{
    static std::map<std::string, Listing> listings;
    return listings;
}

std::string AbsoluteFolder(const std::string& folder)
{
    if (!folder.empty() && folder.front() == '/')
        return folder;
    char* working = ::getcwd(nullptr, 0);
    std::string absolute = working != nullptr ? working : ".";
    std::free(working);
    return folder.empty() ? absolute : absolute + "/" + folder;
}

const Listing& ListFolder(const std::string& folder)
{
    const std::string key = AbsoluteFolder(folder);
    auto [found, inserted] = Listings().try_emplace(key);
    if (!inserted)
        return found->second;
    if (DIR* directory = ::opendir(key.c_str())) {
        while (const dirent* entry = ::readdir(directory)) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            found->second.try_emplace(LowerCaseWindows1252(Windows1252::FromUtf8(name)), name);
        }
        ::closedir(directory);
    }
    return found->second;
}

bool Exists(const std::string& path)
{
    struct stat status{};
    return ::lstat(path.c_str(), &status) == 0;
}

std::string Join(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::vector<std::string> Parts(std::string_view gamePath)
{
    std::vector<std::string> parts;
    std::size_t position = 0;
    while (position <= gamePath.size()) {
        const std::size_t end = std::min(gamePath.find_first_of("\\/", position), gamePath.size());
        const std::string_view part = gamePath.substr(position, end - position);
        if (!part.empty() && part != ".")
            parts.emplace_back(part);
        position = end + 1;
    }
    return parts;
}

// Maps the path part by part below the root its first part picks. With
// `createFolders`, every missing folder on the way (all parts but the last)
// is created as spelled.
std::string Map(std::string_view gamePath, bool createFolders)
{
    const std::vector<std::string> parts = Parts(gamePath);
    std::string host = !gamePath.empty() && gamePath.front() == '/' ? "/" : GameFolders::Current().RootFor(gamePath, createFolders);
    bool matching = true;
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const std::string spelled = Windows1252::ToUtf8(parts[index]);
        std::string next = Join(host, spelled);
        if (matching && parts[index] != ".." && !Exists(next)) {
            const Listing& listing = ListFolder(host);
            const auto found = listing.find(LowerCaseWindows1252(parts[index]));
            if (found != listing.end())
                next = Join(host, found->second);
            else
                matching = false; // nothing below a missing part can exist
        }
        host = std::move(next);
        if (createFolders && index + 1 < parts.size() && !Exists(host)) {
            ::mkdir(host.c_str(), 0777);
            ForgetFolderListings();
        }
    }
    return host.empty() ? "." : host;
}

} // namespace

char LowerCaseWindows1252(char character)
{
    const auto byte = static_cast<unsigned char>(character);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<char>(byte + 0x20);
    switch (byte) {
    case 0x8A: return static_cast<char>(0x9A); // Š
    case 0x8C: return static_cast<char>(0x9C); // Œ
    case 0x8E: return static_cast<char>(0x9E); // Ž
    case 0x9F: return static_cast<char>(0xFF); // Ÿ
    default: return character;
    }
}

std::string LowerCaseWindows1252(std::string_view text)
{
    std::string lower(text);
    for (char& character : lower)
        character = LowerCaseWindows1252(character);
    return lower;
}

std::string HostPath(std::string_view gamePath)
{
    return Map(gamePath, false);
}

std::string HostPathForWriting(std::string_view gamePath)
{
    std::string host = Map(gamePath, true);
    // Writing to a file that exists changes no folder listing (the log's
    // lines); a new file or folder does.
    if (!Exists(host))
        ForgetFolderListings();
    return host;
}

void ForgetFolderListings()
{
    Listings().clear();
}
