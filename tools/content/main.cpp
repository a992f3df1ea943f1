// zephyra-content: writes the game's generated data tree.
//     zephyra-content RUN_DIR     the data tree below RUN_DIR/data and RUN_DIR/intro.avi
//     zephyra-content --say PRESET "Text" OUT.ogg    one spoken line
//     zephyra-content --intro-sheet OUT.png [OUT.wav]  the intro movie to look at
// The same inputs always give the same files, byte for byte. Everything is
// written into a staging folder first and swapped in whole at the end, so a
// failed run leaves the previous tree as it was. What takes long to make (the
// intro movie) is kept in the user's cache directory by the digest of its
// inputs, the generator's own program among them (ContentCache.h).

#include "ContentCache.h"
#include "ContentFile.h"
#include "Credits.h"
#include "FontArt.h"
#include "HostFile.h"
#include "InputDigest.h"
#include "IntroMovieFile.h"
#include "IntroSheet.h"
#include "MenuSprites.h"
#include "MusicArt.h"
#include "OutputSwap.h"
#include "SayCommand.h"
#include "SharedSprites.h"
#include "SoundArt.h"
#include "SpeechSynth.h"
#include "SpriteArt.h"
#include "Typefaces.h"
#include "rooms/RoomFiles.h"
#include "rooms/episode1/Episode1Rooms.h"
#include "audio/WavLoader.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The cache of this run; none when the user has no cache directory.
std::optional<content::ContentCache> cache;

// The fonts, as data\fonts\<name>.bmp below the working directory.
bool WriteFonts()
{
    for (const content::FontStyle& style : content::GameFontStyles()) {
        const std::unique_ptr<Image> picture = content::DrawFontPicture(style);
        const std::string path = std::string("data\\fonts\\") + style.file + ".bmp";
        if (!picture || !content::WriteBmp(path, *picture))
            return false;
    }
    return true;
}

// The shared sound effects in data\sharedadventure\audio\sfx and their
// list data\sharedadventure\sfx.txt.
bool WriteSharedSounds()
{
    for (const content::SoundEffect& effect : content::SharedSoundEffects()) {
        const std::vector<std::uint8_t> wav =
            WavLoader::Encode(content::soundRate, 1, 16, effect.make().Pcm16(content::soundPeak));
        if (!content::WriteBytes(std::string("data\\sharedadventure\\audio\\sfx\\") + effect.file, wav))
            return false;
    }
    return content::WriteText("data\\sharedadventure\\sfx.txt", content::SoundEffectList(content::SharedSoundEffects()));
}

// The rooms of every episode, each in its folder below data\level<nn>,
// and their list data\level<nn>\rooms.txt (one folder name a line), which
// the game's room view shows.
bool WriteRooms()
{
    std::string list = "# Die R\xe4ume der Episode: ein Ordner je Zeile\r\n";
    for (const content::rooms::RoomDescription& room : content::rooms::Episode1Rooms()) {
        if (!content::rooms::WriteRoom(room))
            return false;
        const std::string folder = room.folder.substr(0, room.folder.size() - 1);
        list += folder.substr(folder.rfind('\\') + 1) + "\r\n";
    }
    return content::WriteText("data\\level01\\rooms.txt", list);
}

// The title music, data\menu\Audio\StreamingSfx\RuvIdMenu.ogg, from its
// score in the source tree.
bool WriteMenuMusic()
{
    std::vector<std::uint8_t> ogg;
    std::string error;
    if (!content::MakeMusic(std::string(ZEPHYRA_MUSIC_DIR) + "/RuvIdMenu.txt", ogg, error)) {
        std::fprintf(stderr, "zephyra-content: %s\n", error.c_str());
        return false;
    }
    return content::WriteBytes("data\\menu\\Audio\\StreamingSfx\\RuvIdMenu.ogg", ogg);
}

// The bytes of an output that takes long to make: the cache's entry when it
// holds this generator's output of the same inputs, else what `make` gives,
// which is then stored. A cache that cannot be used costs time, never the
// output: a damaged entry is made again, a failed store is only reported.
bool CachedOutput(const std::string& name, content::InputDigest& inputs,
                  const std::function<bool(std::vector<std::uint8_t>&)>& make, std::vector<std::uint8_t>& bytes)
{
    const auto start = std::chrono::steady_clock::now();
    if (!inputs.AddRunningProgram()) {
        std::fprintf(stderr, "zephyra-content: cannot read its own program for the cache key\n");
        return make(bytes);
    }
    const std::string key = inputs.FinishHex();
    if (cache && cache->Find(name, key, bytes)) {
        std::printf("zephyra-content: %s from the cache\n", name.c_str());
        return true;
    }
    if (!make(bytes))
        return false;
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::string error;
    if (!cache)
        std::printf("zephyra-content: %s made in %.1f s (no cache directory)\n", name.c_str(), seconds.count());
    else if (cache->Store(name, key, bytes, error))
        std::printf("zephyra-content: %s made in %.1f s, kept in %s\n", name.c_str(), seconds.count(),
                    cache->Folder().c_str());
    else
        std::fprintf(stderr, "zephyra-content: %s made, but not kept: %s\n", name.c_str(), error.c_str());
    return true;
}

// The intro movie, intro.avi beside data. Besides the program (its drawing,
// its voices) it reads its score, the pronunciation list, the sound font and
// the typeface of its title.
bool WriteIntroMovie()
{
    const std::string files[] = {std::string(ZEPHYRA_MUSIC_DIR) + "/Intro.txt", content::PronunciationListPath(),
                                 content::generalMidiSoundFont,
                                 std::string(content::TypefaceFolder()) + content::artTypefaceFile};
    content::InputDigest inputs;
    for (const std::string& file : files) {
        if (!inputs.AddFile(file)) {
            std::fprintf(stderr, "zephyra-content: cannot read %s\n", file.c_str());
            return false;
        }
    }
    const auto encode = [](std::vector<std::uint8_t>& bytes) {
        const std::string encoding = ".intro-encoding.avi";
        std::string error;
        const bool encoded = content::intro::WriteMovieFile(encoding, error) && content::ReadHostFile(encoding, bytes);
        std::error_code ignored;
        fs::remove(encoding, ignored);
        if (!encoded)
            std::fprintf(stderr, "zephyra-content: intro.avi: %s\n", error.empty() ? "cannot read it back" : error.c_str());
        return encoded;
    };
    std::vector<std::uint8_t> movie;
    return CachedOutput("intro.avi", inputs, encode, movie) && content::WriteBytes("intro.avi", movie);
}

constexpr const char* usage =
    "Usage: zephyra-content RUN_DIR\n"
    "  Draws and synthesises the game's data tree (fonts, sprites, sounds, the\n"
    "  title music, the credits) into RUN_DIR/data, and the intro movie into\n"
    "  RUN_DIR/intro.avi. RUN_DIR is the folder that holds data/, such as\n"
    "  build/run; it is made when missing. The build runs this and copies\n"
    "  data/config.txt there itself.\n"
    "  Only data/fonts, data/menu, data/sharedadventure, data/credits.txt, the\n"
    "  room folders of data/level01 and intro.avi are replaced, and only when\n"
    "  every file was written: a failed run changes nothing.\n"
    "  The movie is kept in $XDG_CACHE_HOME/zephyra-content (or\n"
    "  ~/.cache/zephyra-content) and taken from there while what it is made\n"
    "  from stays the same: this program, its libraries, the movie's score,\n"
    "  the pronunciation list, the sound font and the title's typeface.\n"
    "Usage: zephyra-content --say PRESET \"Text\" OUT.ogg\n"
    "  Speaks one line in a character's voice (Player, Lotte, Kira, ...) into\n"
    "  an Ogg Vorbis file, for listening.\n"
    "Usage: zephyra-content --intro-sheet OUT.png [OUT.wav]\n"
    "  Draws a contact sheet of the intro movie (a frame every two seconds)\n"
    "  and writes its soundtrack (music and narration) as a WAV file.\n";

// What this generator owns below RUN_DIR: replaced whole on every run, so
// that a file dropped from the generator does not linger in the tree.
// The room folders are named as the file layer spells them on the host
// (UTF-8).
const std::array<std::string, 10> ownedEntries = {
    "data/fonts", "data/menu", "data/sharedadventure", "data/credits.txt", "intro.avi",
    "data/level01/roombr\xc3\xbc" "cke", "data/level01/roommaschinenraum", "data/level01/roomstrand",
    "data/level01/roomdorfplatz", "data/level01/rooms.txt"};

bool WriteEverything()
{
    return WriteFonts() && WriteSharedSounds() && content::WriteText("data\\credits.txt", content::CreditsText()) &&
           content::WriteMenuSprites() && content::WriteSharedSprites() && WriteRooms() && WriteMenuMusic() &&
           WriteIntroMovie();
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
    const bool complete = WriteEverything();
    fs::current_path(runDir, error);
    if (!complete)
        return false;
    // Everything staged: data/ and intro.avi.
    written = CountFiles(staging);
    std::string problem;
    if (!content::SwapInOutput(staging, runDir, ownedEntries, problem)) {
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
    if (argc >= 2 && std::string(argv[1]) == "--intro-sheet")
        return content::intro::RunIntroSheetCommand(argc, argv);
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
    if (const fs::path folder = content::ContentCache::UserFolder(); !folder.empty())
        cache.emplace(folder);
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
