// zephyra-content-intro: the intro movie, on its own so that its place in
// the cache depends only on its own code (ContentOutputs.h).
//     zephyra-content-intro OUT.avi                  the movie
//     zephyra-content-intro --sheet OUT.png [OUT.wav]  the movie to look at
// zephyra-content runs the first form for RUN_DIR/intro.avi while it makes
// the rest of the data tree.

#include "HostFile.h"
#include "IntroMovieFile.h"
#include "IntroSheet.h"
#include "OutputCache.h"
#include "SpeechSynth.h"
#include "SystemInputs.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr const char* usage =
    "Usage: zephyra-content-intro OUT.avi\n"
    "  Draws, narrates and encodes the intro movie. It is kept in\n"
    "  $XDG_CACHE_HOME/zephyra-content (or ~/.cache/zephyra-content) and taken\n"
    "  from there while what it is made from stays the same: this program, its\n"
    "  libraries, the movie's score, the pronunciation list, the system's\n"
    "  DejaVu typefaces and sound font.\n"
    "Usage: zephyra-content-intro --sheet OUT.png [OUT.wav]\n"
    "  Draws a contact sheet of the intro movie (a frame every two seconds)\n"
    "  and writes its soundtrack (music and narration) as a WAV file.\n";

bool Encode(const std::filesystem::path& out, std::vector<std::uint8_t>& bytes)
{
    const std::filesystem::path encoding = out.string() + ".encoding";
    std::string error;
    const bool encoded = content::intro::WriteMovieFile(encoding.string(), error) &&
                         content::ReadHostFile(encoding, bytes);
    std::error_code ignored;
    std::filesystem::remove(encoding, ignored);
    if (!encoded)
        std::fprintf(stderr, "zephyra-content-intro: %s\n", error.empty() ? "cannot read it back" : error.c_str());
    return encoded;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string first = argc >= 2 ? argv[1] : "";
    if (first == "--sheet")
        return content::intro::RunIntroSheetCommand(argc, argv);
    if (first == "--help" || first == "-h") {
        std::fputs(usage, stdout);
        return 0;
    }
    if (argc != 2 || first.empty() || first.starts_with('-')) {
        std::fputs(usage, stderr);
        return 2;
    }
    const std::filesystem::path out = first;
    content::OutputCache cache("zephyra-content-intro");
    cache.ReadCommonInputs(content::SystemInputs());
    const std::filesystem::path inputs[] = {std::string(ZEPHYRA_MUSIC_DIR) + "/Intro.txt",
                                            content::PronunciationListPath()};
    std::vector<std::uint8_t> movie;
    if (!cache.Output("intro.avi", inputs, [&](std::vector<std::uint8_t>& bytes) { return Encode(out, bytes); }, movie))
        return 1;
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(movie.data()), static_cast<std::streamsize>(movie.size()));
    if (!file.flush()) {
        std::fprintf(stderr, "zephyra-content-intro: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
