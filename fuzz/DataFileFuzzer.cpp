// datafile.dat may be damaged or hostile: any bytes must be refused or give
// a directory whose every member lies inside the archive.

#include "files/DataFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::FILE* stream = ::fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (stream == nullptr)
        return 0;
    std::vector<DataFileEntry> entries;
    std::vector<std::string> problems;
    DataFile::ReadDirectory(stream, size, entries, problems);
    std::fclose(stream);
    for (const DataFileEntry& entry : entries) {
        if (static_cast<std::uint64_t>(entry.offset) + entry.size > size || entry.name[DataFileEntry::nameSize - 1] != '\0')
            std::abort();
    }
    return 0;
}
