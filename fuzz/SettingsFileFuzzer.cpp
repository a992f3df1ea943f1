// Settings files come from the data folder or the archive: any bytes must
// load and answer lookups without crashing.

#include "files/SettingsFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The lines as the file layer hands them over.
    std::vector<std::string> lines;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (std::size_t position = 0; position < text.size();) {
        const std::size_t end = std::min(text.find('\n', position), text.size());
        lines.emplace_back(text.substr(position, std::min<std::size_t>(end - position, SettingsFile::maximumLineLength)));
        position = end + 1;
    }
    SettingsFile file;
    file.SetLines("fuzz.txt", std::move(lines));
    std::string line;
    for (const char* key : {"screenwidth", "SECTION", "ENDSECTION", "#", ""}) {
        file.FindLine(key, nullptr, line);
        file.FindLine(key, "video", line);
    }
    return 0;
}
