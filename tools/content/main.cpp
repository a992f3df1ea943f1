// zephyra-content: writes the game's generated data tree.
//     zephyra-content RUN_DIR     the data tree below RUN_DIR/data
// The same inputs always give the same files, byte for byte.

#include "ContentFile.h"
#include "Credits.h"
#include "FontArt.h"
#include "MenuSprites.h"
#include "MusicArt.h"
#include "SharedSprites.h"
#include "SoundArt.h"
#include "audio/WavLoader.h"
#include "graphics/BmpLoader.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

// The fonts, as data\fonts\<name>.bmp below the working directory.
bool WriteFonts()
{
    for (const content::FontStyle& style : content::GameFontStyles()) {
        const std::unique_ptr<Image> picture = content::DrawFontPicture(style);
        const std::string path = std::string("data\\fonts\\") + style.file + ".bmp";
        if (!picture || !BmpLoader::GetInstance().Save(path.c_str(), *picture)) {
            std::fprintf(stderr, "zephyra-content: could not write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

// The shared sound effects in data\sharedadventure\audio\sfx and their
// list data\sharedadventure\sfx.txt.
bool WriteSharedSounds()
{
    constexpr double peak = 0.8;
    for (const content::SoundEffect& effect : content::SharedSoundEffects()) {
        const std::vector<std::uint8_t> wav =
            WavLoader::Encode(content::soundRate, 1, 16, effect.make().Pcm16(peak));
        if (!content::WriteBytes(std::string("data\\sharedadventure\\audio\\sfx\\") + effect.file, wav))
            return false;
    }
    return content::WriteText("data\\sharedadventure\\sfx.txt", content::SoundEffectList(content::SharedSoundEffects()));
}

// The folders the generator alone fills are emptied first, so that a
// picture renamed or dropped from the generator does not linger in the run
// tree and the archive packed from it.
bool RemoveOldOutput()
{
    for (const char* folder : {"data/fonts", "data/menu", "data/sharedadventure"}) {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
        if (error) {
            std::fprintf(stderr, "zephyra-content: cannot empty %s: %s\n", folder, error.message().c_str());
            return false;
        }
    }
    return true;
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

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("Usage: zephyra-content RUN_DIR\n", stderr);
        return 2;
    }
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    std::filesystem::current_path(argv[1], error);
    if (error) {
        std::fprintf(stderr, "zephyra-content: cannot work in %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    return RemoveOldOutput() && WriteFonts() && WriteSharedSounds() &&
                   content::WriteText("data\\credits.txt", content::CreditsText()) && content::WriteMenuSprites() &&
                   content::WriteSharedSprites() && WriteMenuMusic()
               ? 0
               : 1;
}
