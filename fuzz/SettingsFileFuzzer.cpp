// Settings files come from the data folder or the archive: any bytes must
// load through the file layer and answer lookups without crashing.

#include "FuzzFolder.h"
#include "app/Singleton.h"
#include "files/File.h"
#include "files/SettingsFile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("fuzz.txt", data, size);
    SettingsFile file;
    if (file.Load("fuzz.txt")) {
        std::string line;
        for (const char* key : {"screenwidth", "SECTION", "ENDSECTION", "#", ""}) {
            file.FindLine(key, nullptr, line);
            file.FindLine(key, "video", line);
        }
    }
    // The same bytes as a scrambled memory file, read both ways.
    File memory;
    if (memory.OpenMemory("fuzz.txt", "r")) {
        char buffer[File::lineBufferSize + 1];
        for (int lines = 0; !memory.IsEOF() && lines < 100000; ++lines)
            memory.ReadLine(buffer, File::lineBufferSize);
        memory.Seek(0, 0);
        while (memory.ReadTokens().Count() > 0 || !memory.IsEOF()) {
        }
    }
    SingletonRegistry::DestroyAll();
    return 0;
}
