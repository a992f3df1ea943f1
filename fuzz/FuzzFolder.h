#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// Fuzz targets that read through the file layer work in a temporary folder of
// their own (made on the first input) and write each input to a file there.
inline void WriteFuzzInput(const char* name, const std::uint8_t* data, std::size_t size)
{
    static const bool inFolder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "zephyra-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        std::filesystem::current_path(pattern);
        return true;
    }();
    (void)inFolder;
    std::ofstream(name, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                   static_cast<std::streamsize>(size));
}
