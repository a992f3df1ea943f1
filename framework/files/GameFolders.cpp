#include "GameFolders.h"

#include "HostPath.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string workingDirectory;
// A user-dirs.dirs file is a few lines; more is not one.
constexpr std::streamsize maximumUserDirsBytes = 64 * 1024;

GameFolders& InUse()
{
    static GameFolders folders;
    return folders;
}

bool IsAbsolute(const char* path)
{
    return path != nullptr && path[0] == '/';
}

std::string HomeFolder(const GameFolders::Environment& environment)
{
    if (const char* home = environment("HOME"); IsAbsolute(home))
        return home;
    struct passwd entry{};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr && IsAbsolute(found->pw_dir))
        return found->pw_dir;
    return "/";
}

// An XDG base directory: the variable when it holds an absolute path (a
// relative one is ignored, as the XDG base directory rules ask), else the
// default under home.
std::string BaseFolder(const GameFolders::Environment& environment, const char* variable, const std::string& fallback)
{
    const char* value = environment(variable);
    std::string folder = IsAbsolute(value) ? std::string(value) : fallback;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

std::string ReadUserDirs(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(maximumUserDirsBytes), '\0');
    file.read(text.data(), maximumUserDirsBytes);
    text.resize(file ? text.size() : static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0)));
    return text;
}

bool IsFile(const std::string& path)
{
    struct stat status{};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool Exists(const std::string& path)
{
    struct stat status{};
    return ::lstat(path.c_str(), &status) == 0;
}

std::string ParentOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Creates the folder and every missing one above it, private to the player.
bool CreateFolder(const std::string& folder, std::string& reason)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string step = folder.substr(0, slash);
        if (!Exists(step) && ::mkdir(step.c_str(), 0700) != 0 && errno != EEXIST) {
            reason = std::strerror(errno);
            return false;
        }
        if (slash == std::string::npos)
            break;
    }
    struct stat status{};
    if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        reason = std::strerror(ENOTDIR);
        return false;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace

GameFolders GameFolders::Installed(const std::string& shareFolder, const Environment& environment)
{
    const std::string home = HomeFolder(environment);
    const std::string configBase = BaseFolder(environment, "XDG_CONFIG_HOME", home + "/.config");
    GameFolders folders;
    folders.installed = true;
    folders.share = shareFolder;
    folders.config = configBase + "/zephyra";
    folders.data = BaseFolder(environment, "XDG_DATA_HOME", home + "/.local/share") + "/zephyra";
    folders.state = BaseFolder(environment, "XDG_STATE_HOME", home + "/.local/state") + "/zephyra";

    std::string pictures;
    if (const char* value = environment("XDG_PICTURES_DIR"); IsAbsolute(value))
        pictures = value;
    if (pictures.empty())
        pictures = PicturesFolderFromUserDirs(ReadUserDirs(configBase + "/user-dirs.dirs"), home);
    if (pictures.empty())
        pictures = home + "/Pictures";
    while (pictures.size() > 1 && pictures.back() == '/')
        pictures.pop_back();
    folders.screenshotFolder = pictures + "/Astrokutter Zephyra";
    return folders;
}

GameFolders GameFolders::Detect()
{
    char executable[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", executable, sizeof executable - 1);
    if (length <= 0)
        return GameFolders();
    executable[length] = '\0';
    // PREFIX/games, where Debian puts games, or PREFIX/bin.
    const std::string folder = ParentOf(executable);
    const std::string share = ParentOf(folder) + "/share/zephyra";
    if ((NameOf(folder) != "games" && NameOf(folder) != "bin") || !IsFile(share + "/datafile.dat"))
        return GameFolders();
    // Game data in the working directory wins: a build or test tree that
    // holds an installed copy of the executable still plays its own data.
    // Only the game's own files count, so that a home with a folder called
    // "Data" still starts the installed game.
    // Started from the installed data's own folder, it is still installed.
    std::error_code ignored;
    const bool inShare = std::filesystem::equivalent(std::filesystem::current_path(ignored), share, ignored);
    if (!inShare && (IsFile(HostPath("datafile.dat")) || IsFile(HostPath("data\\config.txt"))))
        return GameFolders();
    return Installed(share, [](const char* name) -> const char* { return std::getenv(name); });
}

const GameFolders& GameFolders::Current()
{
    return InUse();
}

void GameFolders::Use(GameFolders folders)
{
    InUse() = std::move(folders);
    ForgetFolderListings();
}

GameFolders::Root GameFolders::RootOf(std::string_view gamePath)
{
    // The first part that names something; "." and empty parts name nothing.
    std::string_view first;
    while (!gamePath.empty()) {
        const std::size_t end = std::min(gamePath.find_first_of("\\/"), gamePath.size());
        first = gamePath.substr(0, end);
        gamePath.remove_prefix(std::min(end + 1, gamePath.size()));
        if (!first.empty() && first != ".")
            break;
        first = {};
    }
    const std::string name = LowerCaseWindows1252(first);
    const auto is = [&name](std::string_view known) {
        return name.starts_with(known) && (name.size() == known.size() || name[known.size()] == '.');
    };
    if (is("datafile.dat") || is("data") || is("intro.avi"))
        return Root::Share;
    if (is("options.dat"))
        return Root::Config;
    if (is("debug.txt"))
        return Root::State;
    return Root::Data;
}

const std::string& GameFolders::RootFor(std::string_view gamePath, bool writing) const
{
    if (!installed || (!gamePath.empty() && gamePath.front() == '/'))
        return workingDirectory;
    switch (RootOf(gamePath)) {
    case Root::Share: return writing ? data : share;
    case Root::Config: return config;
    case Root::State: return state;
    case Root::Data: break;
    }
    return data;
}

bool GameFolders::CreatePlayerFolders(std::string& folder, std::string& reason) const
{
    if (!installed)
        return true;
    for (const std::string* wanted : {&config, &data, &state}) {
        if (!CreateFolder(*wanted, reason)) {
            folder = *wanted;
            return false;
        }
    }
    ForgetFolderListings();
    return true;
}

std::string PicturesFolderFromUserDirs(std::string_view text, const std::string& home)
{
    constexpr std::string_view key = "XDG_PICTURES_DIR=";
    std::string found;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (!line.starts_with(key))
            continue;
        line.remove_prefix(key.size());
        if (line.empty() || line.front() != '"')
            continue;
        // The quoted value; a backslash takes the next character as it is.
        std::string value;
        bool closed = false;
        for (std::size_t index = 1; index < line.size(); ++index) {
            if (line[index] == '"') {
                closed = true;
                break;
            }
            if (line[index] == '\\' && index + 1 < line.size())
                ++index;
            value += line[index];
        }
        if (!closed)
            continue;
        if (value == "$HOME" || value.starts_with("$HOME/"))
            found = home + value.substr(5);
        else if (value.starts_with('/'))
            found = value;
        // Anything else is not a folder the file format allows; the line
        // counts as missing.
    }
    while (found.size() > 1 && found.back() == '/')
        found.pop_back();
    return found;
}
