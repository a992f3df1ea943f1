// Settings files come from the data folder or the archive: any bytes must
// load and answer lookups without crashing.

#include "files/SettingsFile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SettingsFile file;
    file.LoadText("fuzz.txt", std::string(reinterpret_cast<const char*>(data), size));
    std::string line;
    for (const char* key : {"screenwidth", "SECTION", "ENDSECTION", "#", ""}) {
        file.FindLine(key, nullptr, line);
        file.FindLine(key, "video", line);
    }
    return 0;
}
