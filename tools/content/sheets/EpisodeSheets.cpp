#include "sheets/EpisodeSheets.h"

#include "ContentFile.h"
#include "platform/Windows1252.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace content::sheets {

const std::vector<std::string>& SheetFileNames()
{
    static const std::vector<std::string> names = {"itemSheet.csv", "itemCombineSheet.csv", "conversationSheet.csv",
                                                   "genericSheet.csv"};
    return names;
}

std::vector<std::filesystem::path> EpisodeSheetSources(int level)
{
    const std::filesystem::path folder =
        std::filesystem::path(ZEPHYRA_SHEETS_DIR) / ("episode" + std::to_string(level));
    std::vector<std::filesystem::path> sources;
    for (const std::string& name : SheetFileNames())
        sources.push_back(folder / name);
    return sources;
}

std::string EpisodeSheetPath(int level, const std::string& fileName)
{
    char folder[32];
    std::snprintf(folder, sizeof folder, "data\\level%02d\\sprachscript\\", level);
    return folder + fileName;
}

bool ReadSheetSource(const std::filesystem::path& source, std::string& windows1252)
{
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "zephyra-content: cannot read %s\n", source.string().c_str());
        return false;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string utf8 = bytes.str();
    const std::string converted = Windows1252::FromUtf8(utf8);
    if (Windows1252::ToUtf8(converted) != utf8) {
        std::fprintf(stderr, "zephyra-content: %s holds a character Windows-1252 does not have\n",
                     source.string().c_str());
        return false;
    }
    windows1252.clear();
    for (const char c : converted) {
        if (c == '\r')
            continue;
        if (c == '\n')
            windows1252 += '\r';
        windows1252 += c;
    }
    return true;
}

bool WriteEpisodeSheets(int level)
{
    const std::vector<std::filesystem::path> sources = EpisodeSheetSources(level);
    for (std::size_t i = 0; i < sources.size(); ++i) {
        std::string text;
        if (!ReadSheetSource(sources[i], text) || !WriteText(EpisodeSheetPath(level, SheetFileNames()[i]), text))
            return false;
    }
    return true;
}

} // namespace content::sheets
