#include "ContentLists.h"

#include "files/DataFile.h"
#include "files/File.h"
#include "files/HostPath.h"
#include "graphics/SpriteInfo.h"
#include "graphics/SpriteLoaderUtil.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <system_error>

namespace content {

namespace {

// The name after the last backslash.
std::string_view LastPart(std::string_view path)
{
    const std::size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool SameName(std::string_view left, std::string_view right)
{
    return LowerCaseWindows1252(left) == LowerCaseWindows1252(right);
}

// Whether a file, named as the game names it, is wanted.
using FileFilter = std::function<bool(std::string_view name)>;

void FindInArchive(const FileFilter& wanted, std::vector<std::string>& files)
{
    for (const DataFileEntry& entry : DataFile::GetInstance().GetEntries()) {
        const std::string_view name(entry.name, strnlen(entry.name, DataFileEntry::nameSize));
        if (name.starts_with("data\\") && wanted(name))
            files.emplace_back(name);
    }
}

void FindOnDisk(const FileFilter& wanted, std::vector<std::string>& files)
{
    const std::filesystem::path root = HostPath("data");
    std::error_code error;
    for (auto walk = std::filesystem::recursive_directory_iterator(root, error);
         !error && walk != std::filesystem::recursive_directory_iterator(); walk.increment(error)) {
        if (!walk->is_regular_file(error))
            continue;
        // Host names are UTF-8; the game spells them in Windows-1252.
        std::string name = "data\\" + Windows1252::FromUtf8(std::filesystem::relative(walk->path(), root, error).string());
        std::replace(name.begin(), name.end(), '/', '\\');
        if (wanted(name))
            files.push_back(std::move(name));
    }
}

// Every file of the tree the filter wants, sorted.
std::vector<std::string> FindFiles(const FileFilter& wanted)
{
    std::vector<std::string> files;
    if (DataFile::GetInstance().IsAvailable())
        FindInArchive(wanted, files);
    else
        FindOnDisk(wanted, files);
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

std::vector<std::string> FindLists(std::string_view fileName)
{
    return FindFiles([fileName](std::string_view name) { return SameName(LastPart(name), fileName); });
}

std::vector<std::string> FindStreamedMusic()
{
    return FindFiles([](std::string_view name) {
        const std::string_view file = LastPart(name);
        const std::string_view folder = name.substr(0, name.size() - file.size());
        return file.size() > 4 && SameName(file.substr(file.size() - 4), ".ogg") && folder.size() > 1 &&
               SameName(LastPart(folder.substr(0, folder.size() - 1)), "StreamingSfx");
    });
}

std::string ListFolder(std::string_view list)
{
    return std::string(list.substr(0, list.size() - LastPart(list).size()));
}

std::string SpriteArtFolder(std::string_view list)
{
    return ListFolder(list) + "sprites\\";
}

std::string SoundFolder(std::string_view list)
{
    std::string folder = ListFolder(list);
    if (SameName(std::string_view(folder).substr(0, 5), "data\\"))
        folder.erase(0, 5);
    return folder + "audio\\sfx\\";
}

std::string ListName(std::string_view list)
{
    const std::string folder = ListFolder(list);
    const std::string_view inside = std::string_view(folder).substr(0, folder.empty() ? 0 : folder.size() - 1);
    return LowerCaseWindows1252(LastPart(inside));
}

std::vector<std::string> SpriteLabels(const std::string& list)
{
    std::vector<std::string> labels;
    File file;
    if (!file.Open(list.c_str(), "r"))
        return labels;
    std::string line;
    const std::string artFolder = SpriteArtFolder(list);
    while (file.ReadLine(line, SpriteLoaderUtil::maximumLineLength)) {
        SpriteInfo info;
        if (SpriteLoaderUtil::ParseLine(line, artFolder, info) == SpriteLoaderUtil::LineResult::Described &&
            std::find(labels.begin(), labels.end(), info.label) == labels.end())
            labels.push_back(info.label);
    }
    return labels;
}

std::vector<SoundEntry> SoundEntries(const std::string& list)
{
    std::vector<SoundEntry> entries;
    File file;
    if (!file.Open(list.c_str(), "r"))
        return entries;
    while (!file.IsEOF()) {
        const StringTokens tokens = file.ReadTokens();
        if (tokens.GetText().starts_with('#') || tokens.Count() != 2 || SameName(tokens.StringAt(1), "none"))
            continue;
        entries.push_back({tokens.StringAt(0), tokens.StringAt(1)});
    }
    return entries;
}

} // namespace content
