// datafile.dat may be damaged or hostile: any bytes must be refused, or give
// members that can be opened, read, sought and read line by line without
// ever leaving the archive.

#include "FuzzFolder.h"
#include "app/Singleton.h"
#include "files/DataFile.h"
#include "files/File.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("datafile.dat", data, size);
    DataFile& archive = DataFile::GetInstance();
    archive.Init("datafile.dat");
    if (archive.IsAvailable()) {
        std::vector<std::string> names;
        for (const DataFileEntry& entry : archive.GetEntries()) {
            if (static_cast<std::uint64_t>(entry.offset) + entry.size > size)
                std::abort();
            names.emplace_back(entry.name);
        }
        std::vector<char> bytes(4096);
        for (const std::string& name : names) {
            File file;
            if (!file.Open(name.c_str(), "rb"))
                continue;
            file.Read(bytes.data(), static_cast<int>(bytes.size()));
            file.Seek(-3, 1);
            file.Seek(2, 2);
            file.Seek(0, 0);
            std::string line;
            for (int lines = 0; file.ReadLine(line, 999) && lines < 10000; ++lines) {
            }
        }
    }
    SingletonRegistry::DestroyAll();
    return 0;
}
