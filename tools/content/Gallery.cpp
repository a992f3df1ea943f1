// zephyra-gallery: contact sheets of the generated content, made through the
// game's own loaders on the headless platform, for people to look at.
//     zephyra-gallery GAME_DIR OUT_DIR
// GAME_DIR is a runnable tree: the loose data folder (build/run) or
// datafile.dat (build/dist), read as the game reads them. Writes to OUT_DIR:
//   font-<name>.png               every font (FontSheets.h)
//   sprites-<folder>-<page>.png   every sprite list in the data, e.g.
//                                 data\menu\sprites.txt (SpriteSheets.h)
//   cast-<prefix>.png             every character with animations in a
//                                 sprite list, e.g. cast-juna.png
//   sounds-<folder>-<page>.png    every sound list, e.g.
//                                 data\sharedadventure\sfx.txt (SoundSheet.h)
//   music-<folder>-<name>.png     every streamed Ogg file, e.g.
//                                 data\menu\Audio\StreamingSfx\RuvIdMenu.ogg
//                                 (MusicSheet.h)
//   room-<folder>.png, room-<folder>-maps.png
//                                 every room with a spriteinfos.txt, e.g.
//                                 data\level01\roomstrand (RoomSheets.h)
//   gallery.txt                   the game's log
// Exits with 1 when the log holds an error or a warning: a file that fails to
// load, such as a broken or missing music file, is one.

#include "ContentLists.h"
#include "FontArt.h"
#include "FontSheets.h"
#include "GalleryPage.h"
#include "MusicSheet.h"
#include "RoomSheets.h"
#include "SoundSheet.h"
#include "SpriteSheets.h"
#include "app/Debug.h"
#include "files/DataFile.h"
#include "files/SettingsManager.h"
#include "graphics/FontLoaderUtil.h"
#include "graphics/TextDisplay.h"
#include "platform/Platform.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr const char* usage =
    "Usage: zephyra-gallery GAME_DIR OUT_DIR\n"
    "  GAME_DIR holds the game's data as the game finds it: a data folder (build/run)\n"
    "  or datafile.dat (build/dist, the archive is read when it is there).\n"
    "  Writes a PNG sheet per font, per page of each sprite list and sound list,\n"
    "  per character of the cast,\n"
    "  per streamed music file (StreamingSfx) and two per room (the room as seen\n"
    "  and with its maps), and the log as gallery.txt; exits\n"
    "  with 1 when the log holds an error or a warning.\n";

// Every font the game registers: its own and the credits pages'.
std::vector<FontLoaderUtil::FontDescription> AllFonts()
{
    FontLoaderUtil::LoadFonts();
    FontLoaderUtil::LoadFonts(content::CreditsFonts());
    std::vector<FontLoaderUtil::FontDescription> fonts(FontLoaderUtil::GetFontDescriptions().begin(),
                                                        FontLoaderUtil::GetFontDescriptions().end());
    fonts.insert(fonts.end(), content::CreditsFonts().begin(), content::CreditsFonts().end());
    return fonts;
}

// The sheets; the number written, or -1 with a message when one failed.
int WriteSheets(platform::HeadlessPlatform& host, const std::filesystem::path& output)
{
    int written = 0;
    for (const FontLoaderUtil::FontDescription& description : AllFonts()) {
        if (!gallery::WriteFontSheet(host, description, output)) {
            std::fprintf(stderr, "zephyra-gallery: cannot write the sheet of font %s\n", description.name);
            return -1;
        }
        ++written;
    }
    for (const std::string& list : content::FindLists("sprites.txt")) {
        const int pages = gallery::WriteSpriteSheets(host, list, output);
        if (pages < 0) {
            std::fprintf(stderr, "zephyra-gallery: cannot write the sheets of %s\n", list.c_str());
            return -1;
        }
        written += pages;
        const int castSheets = gallery::WriteCastSheets(host, list, output);
        if (castSheets < 0) {
            std::fprintf(stderr, "zephyra-gallery: cannot write the cast sheets of %s\n", list.c_str());
            return -1;
        }
        written += castSheets;
    }
    for (const std::string& room : content::FindLists("spriteinfos.txt")) {
        if (!gallery::WriteRoomSheets(room, output)) {
            std::fprintf(stderr, "zephyra-gallery: cannot write the sheets of %s\n", room.c_str());
            return -1;
        }
        written += 2;
    }
    if (!gallery::StartSound(host)) {
        std::fputs("zephyra-gallery: cannot start the sample manager\n", stderr);
        return -1;
    }
    for (const std::string& list : content::FindLists("sfx.txt")) {
        const int pages = gallery::WriteSoundSheets(host, list, output);
        if (pages < 0) {
            std::fprintf(stderr, "zephyra-gallery: cannot write the sheets of %s\n", list.c_str());
            return -1;
        }
        written += pages;
    }
    const int musicSheets = gallery::WriteMusicSheets(host, output);
    if (musicSheets < 0) {
        std::fputs("zephyra-gallery: cannot write the sheets of the music\n", stderr);
        return -1;
    }
    return written + musicSheets;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs(usage, stderr);
        return 2;
    }
    std::error_code error;
    const std::filesystem::path output = std::filesystem::absolute(argv[2], error);
    std::filesystem::create_directories(output, error);
    std::filesystem::current_path(argv[1], error);
    if (error) {
        std::fprintf(stderr, "zephyra-gallery: cannot work in %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }

    auto owned = std::make_unique<platform::HeadlessPlatform>();
    platform::HeadlessPlatform& host = *owned;
    platform::Platform::Install(std::move(owned));
    host.GetWindow().SetClientSize(gallery::sheetWidth, gallery::sheetHeight);
    if (!Debug::GetInstance().CreateLogFile((output / "gallery.txt").string()) ||
        !host.GetWindow().Create({"Astrokutter Zephyra: Galerie", gallery::sheetWidth, gallery::sheetHeight, false}) ||
        !DirectDraw::GetInstance().Init(host.GetWindow(), gallery::sheetWidth, gallery::sheetHeight, 32, false)) {
        std::fputs("zephyra-gallery: cannot open the headless display\n", stderr);
        return 1;
    }
    // As the game starts: the archive when there is one, then the settings.
    DataFile::GetInstance().Init("datafile.dat");
    SettingsManager::GetInstance().LoadSettings("data\\config.txt");

    const int written = WriteSheets(host, output);
    TextDisplay::GetInstance().Reset();
    if (written < 0)
        return 1;
    const Debug& log = Debug::GetInstance();
    std::printf("zephyra-gallery: %d sheets in %s (%s), %d errors and %d warnings in the log\n", written,
                output.string().c_str(), DataFile::GetInstance().IsAvailable() ? "datafile.dat" : "loose files",
                log.GetErrorCount(), log.GetWarningCount());
    return log.GetErrorCount() == 0 && log.GetWarningCount() == 0 ? 0 : 1;
}
