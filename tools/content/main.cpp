// zephyra-content: writes the game's generated data tree.
//     zephyra-content RUN_DIR     the data tree below RUN_DIR/data and RUN_DIR/intro.avi
//     zephyra-content --say PRESET "Text" OUT.ogg    one spoken line
// The same inputs always give the same files, byte for byte. Everything is
// written into a staging folder first and swapped in whole at the end, so a
// failed run leaves the previous tree as it was. Each output of
// ContentOutputs() is taken from the user's cache while what it is made
// from stays the same (OutputCache.h); the intro movie is made by its own
// program, zephyra-content-intro, at the same time as the rest.

#include "ContentOutputs.h"
#include "OutputBundle.h"
#include "OutputCache.h"
#include "OutputSwap.h"
#include "SayCommand.h"
#include "SystemInputs.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <system_error>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr const char* usage =
    "Usage: zephyra-content RUN_DIR\n"
    "  Draws and synthesises the game's data tree (fonts, sprites, sounds, the\n"
    "  title music, the credits, the rooms) into RUN_DIR/data, and has\n"
    "  zephyra-content-intro (beside this program) make the intro movie\n"
    "  RUN_DIR/intro.avi meanwhile. RUN_DIR is the folder that holds data/,\n"
    "  such as build/run; it is made when missing. The build runs this and\n"
    "  copies data/config.txt there itself.\n"
    "  Only data/fonts, data/menu, data/sharedadventure, data/credits.txt,\n"
    "  data/level01, data/level02, data/level07, data/level08, data/level09,\n"
    "  data/level11 and intro.avi are replaced, and only when every file was\n"
    "  written: a failed run changes nothing.\n"
    "  Every output is kept in $XDG_CACHE_HOME/zephyra-content (or\n"
    "  ~/.cache/zephyra-content) and taken from there while what it is made\n"
    "  from stays the same: the program that makes it, its libraries, the\n"
    "  system's DejaVu typefaces and sound font, and its own sources (scores,\n"
    "  the pronunciation list).\n"
    "Usage: zephyra-content --say PRESET \"Text\" OUT.ogg\n"
    "  Speaks one line in a character's voice (Player, Lotte, Kira, ...) into\n"
    "  an Ogg Vorbis file, for listening.\n";

// What this generator owns below RUN_DIR, replaced whole on every run so
// that a file dropped from the generator does not linger in the tree: the
// entry below data/ of every output's paths, and the intro movie.
std::vector<std::string> OwnedEntries()
{
    std::vector<std::string> entries = {"intro.avi"};
    for (const content::ContentOutput& output : content::ContentOutputs()) {
        for (const std::string& path : output.paths) {
            const std::string entry = path.substr(0, path.find('/', path.find('/') + 1));
            if (std::find(entries.begin(), entries.end(), entry) == entries.end())
                entries.push_back(entry);
        }
    }
    return entries;
}

// The intro movie's program, started to write `movie` while this one goes
// on; 0 when it cannot be started.
pid_t StartIntroMovie(const fs::path& movie)
{
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error).parent_path() / "zephyra-content-intro";
    std::string path = program.string();
    std::string out = movie.string();
    char* arguments[] = {path.data(), out.data(), nullptr};
    pid_t child = 0;
    if (error || ::posix_spawn(&child, path.c_str(), nullptr, nullptr, arguments, environ) != 0) {
        std::fprintf(stderr, "zephyra-content: cannot start %s\n", path.c_str());
        return 0;
    }
    return child;
}

bool IntroMovieMade(pid_t child)
{
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Every output of ContentOutputs() below the working directory, from the
// cache or made; `fromCache` counts those taken from the cache.
bool WriteOutputs(int& fromCache)
{
    content::OutputCache cache("zephyra-content");
    cache.ReadCommonInputs(content::SystemInputs());
    for (const content::ContentOutput& output : content::ContentOutputs()) {
        bool made = false;
        const auto make = [&](std::vector<std::uint8_t>& bundle) {
            made = true;
            std::string error;
            if (!output.make())
                return false;
            if (content::BundleFiles(".", output.paths, bundle, error))
                return true;
            std::fprintf(stderr, "zephyra-content: %s: %s\n", output.name.c_str(), error.c_str());
            return false;
        };
        std::vector<std::uint8_t> bundle;
        if (!cache.Output(output.name, output.inputs, make, bundle))
            return false;
        if (made)
            continue;
        std::string error;
        if (content::UnpackBundle(bundle, ".", error)) {
            ++fromCache;
            continue;
        }
        std::fprintf(stderr, "zephyra-content: %s: the cached entry is unusable (%s), made again\n",
                     output.name.c_str(), error.c_str());
        if (!output.make())
            return false;
    }
    return true;
}

struct Written {
    int files = 0;
    std::uintmax_t bytes = 0;
};

Written CountFiles(const std::filesystem::path& folder)
{
    Written written;
    std::error_code error;
    for (auto walk = std::filesystem::recursive_directory_iterator(folder, error);
         !error && walk != std::filesystem::recursive_directory_iterator(); walk.increment(error)) {
        if (walk->is_regular_file(error)) {
            ++written.files;
            written.bytes += walk->file_size(error);
        }
    }
    return written;
}

// Generates in `staging` (emptied first) and swaps the owned entries into
// `runDir`, counting what was written; false with a message when anything
// failed.
bool Generate(const std::filesystem::path& runDir, const std::filesystem::path& staging, Written& written)
{
    // Each step stops at its own failure, so that the message gives the
    // cause (a read-only RUN_DIR) and not what a later step made of it.
    std::error_code error;
    fs::remove_all(staging, error);
    if (!error)
        fs::create_directories(staging, error);
    if (!error)
        fs::current_path(staging, error);
    if (error) {
        std::fprintf(stderr, "zephyra-content: cannot work in %s: %s\n", staging.string().c_str(),
                     error.message().c_str());
        return false;
    }
    const pid_t intro = StartIntroMovie(staging / "intro.avi");
    int fromCache = 0;
    bool complete = WriteOutputs(fromCache);
    complete = intro != 0 && IntroMovieMade(intro) && complete;
    fs::current_path(runDir, error);
    if (!complete)
        return false;
    std::printf("zephyra-content: %d of %zu outputs from the cache\n", fromCache, content::ContentOutputs().size());
    // Everything staged: data/ and intro.avi.
    written = CountFiles(staging);
    std::string problem;
    if (!content::SwapInOutput(staging, runDir, OwnedEntries(), problem)) {
        std::fprintf(stderr, "zephyra-content: %s\n", problem.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::string(argv[1]) == "--say")
        return content::RunSayCommand(argc, argv);
    const std::string argument = argc == 2 ? argv[1] : "";
    if (argument == "--help" || argument == "-h") {
        std::fputs(usage, stdout);
        return 0;
    }
    if (argc != 2 || argument.empty() || argument.starts_with('-')) {
        if (argument.starts_with('-'))
            std::fprintf(stderr, "zephyra-content: unknown option %s\n", argument.c_str());
        std::fputs(usage, stderr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    std::error_code error;
    const fs::path runDir = fs::absolute(argument, error);
    if (!error)
        fs::create_directories(runDir, error);
    if (error) {
        std::fprintf(stderr, "zephyra-content: cannot make %s: %s\n", argument.c_str(), error.message().c_str());
        return 1;
    }
    const fs::path staging = runDir / ".content-new";
    Written written;
    const bool generated = Generate(runDir, staging, written);
    fs::remove_all(staging, error);
    if (!generated) {
        std::fprintf(stderr, "zephyra-content: nothing changed in %s\n", (runDir / "data").string().c_str());
        return 1;
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("zephyra-content: %d files (%.1f MB) in %s, %.1f s\n", written.files,
                static_cast<double>(written.bytes) / 1e6, runDir.string().c_str(), seconds.count());
    return 0;
}
