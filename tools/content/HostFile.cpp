#include "HostFile.h"

#include <cstdio>

namespace content {

bool ReadHostFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    bytes.clear();
    std::uint8_t block[1 << 16];
    std::size_t count = 0;
    while ((count = std::fread(block, 1, sizeof block, file)) > 0)
        bytes.insert(bytes.end(), block, block + count);
    const bool whole = std::ferror(file) == 0;
    std::fclose(file);
    return whole;
}

} // namespace content
