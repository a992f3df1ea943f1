#pragma once

// The recordings of an episode's spoken cells (SpokenCells): one Ogg Vorbis
// file per line in the speaker's voice, "<sheet>/<cell>.ogg" below the
// episode's data\level<nn>\audio\streamingtalk\, where the characters stream
// their lines from. A line the same speaker says again in the same sheet is
// recorded once; its other cells get an alias file "<cell>.txt" whose line
// names the recorded cell.
//
// espeak-ng takes a good part of a second per line, so every recording is
// kept in a cache of its own, in the "speech" folder of the generator's
// cache (ContentCache), under the digest of what its sound depends on: the
// text as espeak-ng is handed it (so the pronunciation entries of its own
// words), the preset's values and SpeechSynth::EngineVersion(). The
// generator's program is not part of it, so a recording is made again only
// when its line changes. An entry is checked whole before use (its trailer);
// a damaged one is made again.

#include "SpeechSynth.h"
#include "sheets/SpokenCells.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace content::sheets {

struct SpeechFile {
    std::string path; // below the episode's streamingtalk folder: "item/B02.ogg", "item/C02.txt"
    std::vector<std::uint8_t> bytes;
};

struct SpeechCount {
    int recordings = 0; // Ogg files
    int aliases = 0;    // alias files
    int made = 0;       // recordings made by espeak-ng; the others came from the cache
};

class SheetSpeech {
public:
    // Lines are kept in `cacheFolder`; with an empty one every line is made.
    SheetSpeech(const SpeechSynth& synth, std::filesystem::path cacheFolder);

    // The speech folder in the user's cache; empty when there is none.
    static std::filesystem::path UserCacheFolder();

    // The digest a recording of `text` in `preset`'s voice is kept under.
    std::string LineKey(const VoicePreset& preset, std::string_view windows1252Text) const;

    // The files of episode `level`'s spoken cells, in the order of `cells`.
    // False with a message when a speaker has no voice preset (naming every
    // such cell) or a line cannot be made.
    bool Record(int level, std::span<const SpokenCell> cells, std::vector<SpeechFile>& files, SpeechCount& count,
                std::string& error) const;

private:
    const SpeechSynth& synth;
    std::filesystem::path cacheFolder;
};

} // namespace content::sheets
