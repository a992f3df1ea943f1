#include "ContentFile.h"

#include "files/File.h"
#include "graphics/BmpLoader.h"

#include <cstdio>

namespace content {

bool WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes)
{
    File file;
    bool written = file.OpenDirect(path.c_str(), "wb") &&
                   file.Write(bytes.data(), static_cast<int>(bytes.size())) == static_cast<int>(bytes.size());
    written = file.Close() && written;
    if (!written)
        std::fprintf(stderr, "zephyra-content: could not write %s\n", path.c_str());
    return written;
}

bool WriteText(const std::string& path, const std::string& text)
{
    return WriteBytes(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

bool WriteBmp(const std::string& path, const Image& image)
{
    if (BmpLoader::GetInstance().Save(path.c_str(), image))
        return true;
    std::fprintf(stderr, "zephyra-content: could not write %s\n", path.c_str());
    return false;
}

} // namespace content
