#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

// Fuzz targets that read through the file layer work in a temporary folder of
// their own (made on the first input, removed when the target ends) and
// write each input to a file there; a name with folders
// ("data/level01/rooms.txt") gets them made.
inline void WriteFuzzInput(const char* name, const std::uint8_t* data, std::size_t size)
{
    static std::string workFolder;
    static const bool inFolder = [] {
        workFolder = (std::filesystem::temp_directory_path() / "zephyra-fuzz-XXXXXX").string();
        if (::mkdtemp(workFolder.data()) == nullptr)
            std::abort();
        std::filesystem::current_path(workFolder);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(workFolder, ignored);
        });
        return true;
    }();
    (void)inFolder;
    if (const std::filesystem::path folder = std::filesystem::path(name).parent_path(); !folder.empty())
        std::filesystem::create_directories(folder);
    std::ofstream(name, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// A file the target wrote in its folder, whole.
inline std::string ReadFuzzOutput(const char* name)
{
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
