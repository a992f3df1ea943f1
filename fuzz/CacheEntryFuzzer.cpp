// A cache entry of the content generator is read back from the user's cache
// directory, where anything may have happened to it: any bytes must be
// taken as a whole entry or refused, and only an entry exactly as the cache
// writes it is taken. The same holds for the bundle of files an entry
// carries.

#include "ContentCache.h"
#include "OutputBundle.h"

#include <algorithm>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    if (const auto length = content::ContentCache::CheckEntry(bytes)) {
        if (*length + content::ContentCache::trailerSize != size ||
            content::ContentCache::MakeEntry(bytes.first(*length)) != std::vector<std::uint8_t>(data, data + size))
            __builtin_trap(); // taken, but not as the cache writes it
    }
    // The same bytes wrapped as an entry are taken whole.
    const std::vector<std::uint8_t> entry = content::ContentCache::MakeEntry(bytes);
    if (content::ContentCache::CheckEntry(entry) != size)
        __builtin_trap();

    std::vector<content::BundleFile> files;
    std::string error;
    if (content::ReadBundle(bytes, files, error) &&
        content::MakeBundle(files) != std::vector<std::uint8_t>(data, data + size))
        __builtin_trap(); // taken, but not as a bundle is written
    return 0;
}
