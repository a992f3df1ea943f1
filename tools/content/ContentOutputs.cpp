#include "ContentOutputs.h"

#include "ContentFile.h"
#include "Credits.h"
#include "FontArt.h"
#include "MenuSprites.h"
#include "MusicArt.h"
#include "SharedSprites.h"
#include "SoundArt.h"
#include "characters/Episode1Cast.h"
#include "characters/Episode2Cast.h"
#include "characters/Episode3Cast.h"
#include "characters/Episode5Cast.h"
#include "items/EpisodeItems.h"
#include "levels/AlienYardSounds.h"
#include "levels/CatapultRollLoop.h"
#include "levels/DanceContestSounds.h"
#include "levels/Episode1.h"
#include "levels/Episode1Sounds.h"
#include "levels/Episode2.h"
#include "levels/Episode2Sounds.h"
#include "levels/Episode3.h"
#include "levels/Episode3Sounds.h"
#include "levels/Episode4.h"
#include "levels/Episode4Sounds.h"
#include "levels/Episode5.h"
#include "levels/Episode6.h"
#include "levels/Episode5Sounds.h"
#include "levels/Episode6Sounds.h"
#include "levels/EpisodeSettings.h"
#include "levels/TaxiChaseSounds.h"
#include "levels/TournamentSounds.h"
#include "minigames/AlienArt.h"
#include "minigames/CatapultArt.h"
#include "minigames/DanceArt.h"
#include "minigames/DanceChoreography.h"
#include "minigames/TaxiArt.h"
#include "minigames/TaxiFormations.h"
#include "rooms/RoomFiles.h"
#include "sheets/EpisodeSheets.h"
#include "sheets/SheetSpeech.h"
#include "audio/WavLoader.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace content {

namespace {

// The fonts, as data\fonts\<name>.bmp.
bool WriteFonts()
{
    for (const FontStyle& style : GameFontStyles()) {
        const std::unique_ptr<Image> picture = DrawFontPicture(style);
        const std::string path = std::string("data\\fonts\\") + style.file + ".bmp";
        if (!picture || !WriteBmp(path, *picture))
            return false;
    }
    return true;
}

// Sound effects as WAV files in data\<folder>\audio\sfx and their list
// data\<folder>\sfx.txt, which starts with a comment naming them (`title`).
// A silent effect is refused: something it is made from (a spoken line)
// failed.
bool WriteSounds(const std::string& folder, const std::string& title, std::span<const SoundEffect> effects)
{
    std::error_code ignored;
    std::filesystem::create_directories("data/" + folder + "/audio/sfx", ignored);
    for (const SoundEffect& effect : effects) {
        const Sound sound = effect.make();
        if (sound.Scale(soundPeak) <= 0.0) {
            std::fprintf(stderr, "zephyra-content: the sound %s is silent\n", effect.file);
            return false;
        }
        const std::vector<std::uint8_t> wav = WavLoader::Encode(soundRate, 1, 16, sound.Pcm16(soundPeak));
        if (!WriteBytes("data\\" + folder + "\\audio\\sfx\\" + effect.file, wav))
            return false;
    }
    return WriteText("data\\" + folder + "\\sfx.txt", SoundEffectList(title, effects));
}

// The score file tools/content/music/<name>.txt.
std::string MusicScore(const std::string& name)
{
    return std::string(ZEPHYRA_MUSIC_DIR) + "/" + name + ".txt";
}

// The score `name` rendered into the Ogg file at `path`.
bool WriteMusic(const std::string& name, const std::string& path)
{
    std::vector<std::uint8_t> ogg;
    std::string error;
    if (!MakeMusic(MusicScore(name), ogg, error)) {
        std::fprintf(stderr, "zephyra-content: %s\n", error.c_str());
        return false;
    }
    return WriteBytes(path, ogg);
}

// A folder in the game's form ("data\level01\roombr\xfc" "cke\") as a path
// below RUN_DIR ("data/level01/roombrücke").
std::string HostFolder(std::string folder)
{
    if (folder.ends_with('\\'))
        folder.pop_back();
    for (char& c : folder) {
        if (c == '\\')
            c = '/';
    }
    return Windows1252::ToUtf8(folder);
}

// The name of a room's folder, the last part of its path.
std::string RoomFolderName(const rooms::RoomDescription& room)
{
    const std::string folder = HostFolder(room.folder);
    return folder.substr(folder.rfind('/') + 1);
}

// A level's folder name, "level02".
std::string LevelFolder(int level)
{
    char folder[16];
    std::snprintf(folder, sizeof folder, "level%02d", level);
    return folder;
}

// "data\level02\" + `rest` in the game's form.
std::string LevelPath(int level, const std::string& rest)
{
    return "data\\" + LevelFolder(level) + "\\" + rest;
}

// Each room of an episode in its folder below data\level<nn>, and the list
// data\level<nn>\rooms.txt (one folder name a line), which the game's room
// view shows.
void AddRooms(std::vector<ContentOutput>& outputs, const levels::EpisodeDescription& episode)
{
    std::string list = "# Die R\xe4ume der Episode: ein Ordner je Zeile\r\n";
    for (const rooms::RoomDescription& room : episode.rooms) {
        outputs.push_back({"room-" + RoomFolderName(room), {HostFolder(room.folder)}, {},
                           [room] { return rooms::WriteRoom(room); }});
        list += Windows1252::FromUtf8(RoomFolderName(room)) + "\r\n";
    }
    const std::string path = LevelPath(episode.level, "rooms.txt");
    outputs.push_back(
        {"rooms-" + LevelFolder(episode.level), {HostFolder(path)}, {}, [path, list] { return WriteText(path, list); }});
}

// The recordings of the episode's spoken cells and the alias files of
// repeated lines, data\level<nn>\audio\streamingtalk\<sheet>\<cell>.ogg and
// <cell>.txt. Recordings come from their own cache while their line stays
// the same (SheetSpeech.h).
bool WriteEpisodeSpeech(int level)
{
    sheets::EpisodeSheetSet sheetSet;
    if (!sheets::LoadEpisodeSheetSources(level, sheetSet))
        return false;
    PronunciationList pronunciations;
    std::string error;
    if (!pronunciations.Load(PronunciationListPath(), error)) {
        std::fprintf(stderr, "zephyra-content: %s\n", error.c_str());
        return false;
    }
    const SpeechSynth synth(std::move(pronunciations));
    const sheets::SheetSpeech speech(synth, sheets::SheetSpeech::UserCacheFolder());
    std::vector<sheets::SpeechFile> files;
    sheets::SpeechCount count;
    if (!speech.Record(level, sheets::SpokenCells(sheetSet), files, count, error)) {
        std::fprintf(stderr, "zephyra-content: speech of episode %d: %s\n", level, error.c_str());
        return false;
    }
    const std::string folder = LevelPath(level, "audio\\streamingtalk\\");
    std::error_code ignored;
    std::filesystem::create_directories(HostFolder(folder), ignored);
    for (const sheets::SpeechFile& file : files) {
        std::string path = folder + file.path;
        std::ranges::replace(path, '/', '\\');
        if (!WriteBytes(path, file.bytes))
            return false;
    }
    std::printf("zephyra-content: speech of episode %d: %d recordings (%d made by espeak-ng), %d aliases\n", level,
                count.recordings, count.made, count.aliases);
    return true;
}

// What an episode's recordings are made from besides the program: its
// sheets and the pronunciation list.
std::vector<std::filesystem::path> SpeechInputs(int level)
{
    std::vector<std::filesystem::path> inputs = sheets::EpisodeSheetSources(level);
    inputs.emplace_back(PronunciationListPath());
    return inputs;
}

// An episode's own sound effects and the title of their list.
struct EpisodeSounds {
    std::string title; // Windows-1252
    std::function<std::span<const SoundEffect>()> effects;
};

// Everything of an episode's level: its rooms, the cast's animations and
// the items' icons, its sounds, its settings, its sheets and their
// recordings, and its music (the score `music`, none when empty).
void AddEpisode(std::vector<ContentOutput>& outputs, const levels::EpisodeDescription& episode,
                const std::function<bool(SpriteFolder&)>& writeCast, const EpisodeSounds& sounds,
                const std::string& music)
{
    const int level = episode.level;
    const std::string folder = LevelFolder(level);
    const std::string host = "data/" + folder + "/";
    AddRooms(outputs, episode);
    outputs.push_back({"sprites-" + folder, {host + "sprites", host + "sprites.txt"}, {}, [episode, writeCast, level] {
                           SpriteFolder sprites(LevelPath(level, "sprites\\"), LevelPath(level, "sprites.txt"));
                           const std::string comment = "Episode " + std::to_string(level) +
                                                       ": die Gegenst\xe4" "nde im Inventar und als Mauszeiger";
                           return writeCast(sprites) &&
                                  items::WriteEpisodeItems(sprites, episode.staging.items, comment.c_str()) &&
                                  sprites.Finish();
                       }});
    // In the level's audio folder beside the spoken lines and the music,
    // which have outputs of their own.
    outputs.push_back({"sounds-" + folder, {host + "audio/sfx", host + "sfx.txt"}, {}, [folder, sounds] {
                           return WriteSounds(folder, sounds.title,
                                              sounds.effects ? sounds.effects() : std::span<const SoundEffect>());
                       }});
    outputs.push_back({"settings-" + folder, {host + "settings"}, {}, [episode] {
                           return levels::WriteEpisodeSettings(episode);
                       }});
    outputs.push_back({"sheets-" + folder, {host + "sprachscript"}, sheets::EpisodeSheetSources(level),
                       [level] { return sheets::WriteEpisodeSheets(level); }});
    outputs.push_back(
        {"speech-" + folder, {host + "audio/streamingtalk"}, SpeechInputs(level), [level] { return WriteEpisodeSpeech(level); }});
    // In the level's audio folder, which the spoken lines share; the game
    // finds it under any letter case.
    if (!music.empty())
        outputs.push_back({"music-" + folder, {host + "audio/StreamingSfx"}, {MusicScore(music)}, [music, level] {
                               return WriteMusic(music, LevelPath(level, "audio\\StreamingSfx\\" + music + ".ogg"));
                           }});
}

std::vector<ContentOutput> MakeOutputs()
{
    std::vector<ContentOutput> outputs = {
        {"fonts", {"data/fonts"}, {}, WriteFonts},
        {"shared-sounds", {"data/sharedadventure/audio", "data/sharedadventure/sfx.txt"}, {},
         [] {
             return WriteSounds("sharedadventure", "Geräusche der Menüs und des Inventars"_w1252, SharedSoundEffects());
         }},
        {"shared-sprites", {"data/sharedadventure/sprites", "data/sharedadventure/sprites.txt"}, {},
         WriteSharedSprites},
        {"menu-sprites", {"data/menu/sprites", "data/menu/sprites.txt"}, {}, WriteMenuSprites},
        {"menu-music", {"data/menu/Audio"}, {MusicScore("RuvIdMenu")},
         [] { return WriteMusic("RuvIdMenu", "data\\menu\\Audio\\StreamingSfx\\RuvIdMenu.ogg"); }},
        {"credits", {"data/credits.txt"}, {}, [] { return WriteText("data\\credits.txt", CreditsText()); }},
        {"sprites-level07", {"data/level07/sprites", "data/level07/sprites.txt"}, {}, minigames::WriteDanceSprites},
        {"sprites-level08", {"data/level08/sprites", "data/level08/sprites.txt"}, {}, minigames::WriteTaxiSprites},
        {"sprites-level09", {"data/level09/sprites", "data/level09/sprites.txt"}, {}, minigames::WriteCatapultSprites},
        {"sprites-level11", {"data/level11/sprites", "data/level11/sprites.txt"}, {}, minigames::WriteAlienSprites},
        // The dance contest: its music, whose play position is the dance's
        // beat clock, its choreography, the chief's remarks and a settings
        // file without elements (the dance draws its stage itself).
        {"music-level07", {"data/level07/audio/StreamingSfx"}, {MusicScore("WaiKiKi")},
         [] { return WriteMusic("WaiKiKi", "data\\level07\\audio\\StreamingSfx\\WaiKiKi.ogg"); }},
        {"dancemoves-level07", {"data/level07/dancemoves.txt"}, {}, minigames::WriteDanceMoves},
        {"sounds-level07", {"data/level07/audio/sfx", "data/level07/sfx.txt"}, {PronunciationListPath()},
         [] {
             return WriteSounds("level07", "Geräusche des Tanzwettbewerbs"_w1252, levels::DanceContestSoundEffects());
         }},
        {"settings-level07", {"data/level07/settings"}, {},
         [] {
             return WriteText("data\\level07\\settings\\settings.txt",
                              "# Der Tanzwettbewerb auf dem Dorfplatz: keine Elemente, die B"
                              "\xfchne zeichnet der Tanz selbst\n");
         }},
        // The taxi chase after the Baron: its music, its sounds and spoken
        // lines, the attack formations of both round lengths and a settings
        // file without elements (the chase draws its nebula itself).
        {"music-level08", {"data/level08/audio/StreamingSfx"}, {MusicScore("RuvIdAction1-03")},
         [] { return WriteMusic("RuvIdAction1-03", "data\\level08\\audio\\StreamingSfx\\RuvIdAction1-03.ogg"); }},
        {"sounds-level08", {"data/level08/audio/sfx", "data/level08/sfx.txt"}, {PronunciationListPath()},
         [] {
             return WriteSounds("level08", "Geräusche der Taxi-Verfolgung"_w1252, levels::TaxiChaseSoundEffects());
         }},
        {"formations-level08", {"data/level08/angriffsformationen.txt", "data/level08/angriffsformationen2.txt"}, {},
         minigames::WriteTaxiFormations},
        {"settings-level08", {"data/level08/settings"}, {},
         [] {
             return WriteText("data\\level08\\settings\\settings.txt",
                              "# Die Verfolgungsjagd im Taxi: keine Elemente, den Nebel und die J\xe4ger zeichnet "
                              "das Spiel selbst\n");
         }},
        // The knights' throwing contest below the castle: its music, the
        // catapult's rolling, which the contest streams from beside it, its
        // sounds and spoken lines and a settings file without elements (the
        // contest draws its meadow itself).
        {"music-level09", {"data/level09/audio/StreamingSfx/Ritterturnier.ogg"}, {MusicScore("Ritterturnier")},
         [] { return WriteMusic("Ritterturnier", "data\\level09\\audio\\StreamingSfx\\Ritterturnier.ogg"); }},
        {"rolling-level09", {"data/level09/audio/StreamingSfx/catapult_roll_loop.ogg"}, {},
         [] {
             return WriteBytes("data\\level09\\audio\\StreamingSfx\\catapult_roll_loop.ogg",
                               levels::CatapultRollLoopOgg());
         }},
        {"sounds-level09", {"data/level09/audio/sfx", "data/level09/sfx.txt"}, {PronunciationListPath()},
         [] {
             return WriteSounds("level09", "Geräusche des Ritterweitwurfs"_w1252, levels::TournamentSoundEffects());
         }},
        {"settings-level09", {"data/level09/settings"}, {},
         [] {
             return WriteText("data\\level09\\settings\\settings.txt",
                              "# Der Ritterweitwurf auf der Turnierwiese: keine Elemente, die Wiese, das Katapult "
                              "und den Ritter zeichnet das Spiel selbst\n");
         }},
        // The alien shooting gallery in the moon base's yard: its music, its
        // sounds and Juna's lines, and the settings of the Schleimlinge's
        // animations, read into the parameters object the game puts into
        // its cast before it loads the file.
        {"music-level11", {"data/level11/audio/StreamingSfx"}, {MusicScore("RuvIdAlienGame")},
         [] { return WriteMusic("RuvIdAlienGame", "data\\level11\\audio\\StreamingSfx\\RuvIdAlienGame.ogg"); }},
        {"sounds-level11", {"data/level11/audio/sfx", "data/level11/sfx.txt"}, {PronunciationListPath()},
         [] {
             return WriteSounds("level11", "Geräusche der Schleimlingsjagd"_w1252, levels::AlienYardSoundEffects());
         }},
        {"settings-level11", {"data/level11/settings"}, {},
         [] {
             return WriteText("data\\level11\\settings\\settings.txt",
                              "# Die Schleimlinge im Hof der Mondbasis: Bilder je Sekunde ihrer Animationen und der "
                              "Zeitpunkt, an dem ein auf- oder abtauchender hinter seine Deckung wechselt\n"
                              "OBJECT START\n"
                              "class type: \"class AlienParameters\"\n"
                              "[AlienParameter] \"AlienParameters\"\n"
                              "{\n"
                              "    \"alien explo speed\" 15.000000\n"
                              "    \"alien1 speed\" 25.000000\n"
                              "    \"alien2 speed\" 25.000000\n"
                              "    \"alien3 speed\" 25.000000\n"
                              "    \"alien1 layer change time\" 0.300000\n"
                              "    \"alien2 layer change time\" 0.300000\n"
                              "    \"alien3 layer change time\" 0.300000\n"
                              "}\n");
         }},
    };
    AddEpisode(outputs, levels::Episode1(), characters::WriteEpisode1Cast,
               {"Geräusche der ersten Episode"_w1252, levels::Episode1SoundEffects}, "Notlandung");
    AddEpisode(outputs, levels::Episode2(), characters::WriteEpisode2Cast,
               {"Geräusche der zweiten Episode"_w1252, levels::Episode2SoundEffects}, "Kristallraub");
    AddEpisode(outputs, levels::Episode3(), characters::WriteEpisode3Cast,
               {"Geräusche der dritten Episode"_w1252, levels::Episode3SoundEffects}, "Zeitloch");
    // Episode 4 has the people of episode 3: those who fell through the time
    // hole and those who live below and in the castle.
    AddEpisode(outputs, levels::Episode4(), characters::WriteEpisode3Cast,
               {"Geräusche der vierten Episode"_w1252, levels::Episode4SoundEffects}, "Burg");
    AddEpisode(outputs, levels::Episode5(), characters::WriteEpisode5Cast,
               {"Geräusche der fünften Episode"_w1252, levels::Episode5SoundEffects}, "Alienmond");
    // Episode 6 brings back everyone of episode 2: the Baron in his base, and
    // Baltasar and Kalani waiting on Wakalua at the end.
    AddEpisode(outputs, levels::Episode6(), characters::WriteEpisode2Cast,
               {"Geräusche der sechsten Episode"_w1252, levels::Episode6SoundEffects}, "Finale");
    return outputs;
}

} // namespace

const std::vector<ContentOutput>& ContentOutputs()
{
    static const std::vector<ContentOutput> outputs = MakeOutputs();
    return outputs;
}

} // namespace content
