#include "sheets/SheetSpeech.h"

#include "ContentCache.h"
#include "InputDigest.h"

#include <cstdio>
#include <map>
#include <optional>
#include <tuple>

namespace content::sheets {

namespace {

// A cached recording's name: episode, sheet and cell, so that each cell
// keeps its last few versions (ContentCache::keptEntries).
std::string EntryName(int level, const SpokenCell& cell)
{
    char name[96];
    std::snprintf(name, sizeof name, "level%02d-%s-%s", level, cell.sheet.c_str(), cell.cell.c_str());
    return name;
}

std::vector<std::uint8_t> AliasBytes(const std::string& cell)
{
    const std::string line = cell + "\r\n";
    return std::vector<std::uint8_t>(line.begin(), line.end());
}

} // namespace

SheetSpeech::SheetSpeech(const SpeechSynth& speech, std::filesystem::path folder)
    : synth(speech), cacheFolder(std::move(folder))
{
}

std::filesystem::path SheetSpeech::UserCacheFolder()
{
    const std::filesystem::path folder = ContentCache::UserFolder();
    return folder.empty() ? folder : folder / "speech";
}

std::string SheetSpeech::LineKey(const VoicePreset& preset, std::string_view windows1252Text) const
{
    InputDigest digest;
    digest.Add(SpeechSynth::EngineVersion());
    digest.Add(VoiceValues(preset));
    digest.Add(synth.SpokenText(windows1252Text));
    return digest.FinishHex();
}

bool SheetSpeech::Record(int level, std::span<const SpokenCell> cells, std::vector<SpeechFile>& files,
                         SpeechCount& count, std::string& error) const
{
    files.clear();
    count = {};
    std::string unvoiced;
    for (const SpokenCell& cell : cells) {
        if (FindVoicePreset(cell.speaker) == nullptr)
            unvoiced += "\n  " + cell.sheet + " " + cell.cell + ": " + cell.speaker;
    }
    if (!unvoiced.empty()) {
        error = "no voice preset for the speaker of" + unvoiced;
        return false;
    }

    // The first cell of each line (sheet, speaker, text) is recorded.
    std::map<std::tuple<std::string, std::string, std::string>, std::string> recorded;
    std::optional<ContentCache> cache;
    if (!cacheFolder.empty())
        cache.emplace(cacheFolder);
    std::vector<SpeechLine> missing;
    std::vector<std::size_t> missingFiles; // the file of each missing line
    std::vector<std::pair<std::string, std::string>> missingEntries; // its cache name and key
    for (const SpokenCell& cell : cells) {
        const auto [first, isNew] = recorded.try_emplace({cell.sheet, cell.speaker, cell.text}, cell.cell);
        if (!isNew) {
            files.push_back({cell.sheet + "/" + cell.cell + ".txt", AliasBytes(first->second)});
            ++count.aliases;
            continue;
        }
        const VoicePreset& preset = *FindVoicePreset(cell.speaker);
        files.push_back({cell.sheet + "/" + cell.cell + ".ogg", {}});
        ++count.recordings;
        const std::string name = EntryName(level, cell);
        const std::string key = LineKey(preset, cell.text);
        if (cache && cache->Find(name, key, files.back().bytes))
            continue;
        missing.push_back({&preset, cell.text});
        missingFiles.push_back(files.size() - 1);
        missingEntries.emplace_back(name, key);
    }

    std::vector<std::vector<std::uint8_t>> made;
    if (!synth.MakeFiles(missing, made, error))
        return false;
    count.made = static_cast<int>(made.size());
    for (std::size_t index = 0; index < made.size(); ++index) {
        const auto& [name, key] = missingEntries[index];
        std::string problem;
        if (cache && !cache->Store(name, key, made[index], problem))
            std::fprintf(stderr, "zephyra-content: the recording %s is made, but not kept: %s\n", name.c_str(),
                         problem.c_str());
        files[missingFiles[index]].bytes = std::move(made[index]);
    }
    return true;
}

} // namespace content::sheets
