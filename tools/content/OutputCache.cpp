#include "OutputCache.h"

#include "InputDigest.h"

#include <chrono>
#include <cstdio>

namespace content {

OutputCache::OutputCache(std::string name, std::filesystem::path folder) : program(std::move(name))
{
    if (folder.empty())
        folder = ContentCache::UserFolder();
    if (!folder.empty())
        cache.emplace(folder);
}

bool OutputCache::ReadCommonInputs(std::span<const std::filesystem::path> files)
{
    InputDigest digest;
    if (!digest.AddRunningProgram()) {
        std::fprintf(stderr, "%s: cannot read its own program; everything is made without the cache\n",
                     program.c_str());
        return false;
    }
    for (const std::filesystem::path& file : files) {
        if (!digest.AddFile(file)) {
            std::fprintf(stderr, "%s: cannot read %s; everything is made without the cache\n", program.c_str(),
                         file.c_str());
            return false;
        }
    }
    common = digest.FinishHex();
    return true;
}

bool OutputCache::Output(std::string_view name, std::span<const std::filesystem::path> inputs, const Make& make,
                         std::vector<std::uint8_t>& bytes) const
{
    const auto start = std::chrono::steady_clock::now();
    InputDigest digest;
    digest.Add(common);
    digest.Add(name);
    for (const std::filesystem::path& input : inputs) {
        if (!digest.AddFile(input)) {
            std::fprintf(stderr, "%s: %.*s: cannot read %s\n", program.c_str(), static_cast<int>(name.size()),
                         name.data(), input.c_str());
            return false;
        }
    }
    const std::string key = digest.FinishHex();
    const bool cached = cache && !common.empty();
    if (cached && cache->Find(name, key, bytes))
        return true;
    if (!make(bytes))
        return false;
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::string error;
    if (cached && !cache->Store(name, key, bytes, error))
        std::fprintf(stderr, "%s: %.*s made, but not kept: %s\n", program.c_str(), static_cast<int>(name.size()),
                     name.data(), error.c_str());
    else
        std::printf("%s: %.*s made in %.1f s\n", program.c_str(), static_cast<int>(name.size()), name.data(),
                    seconds.count());
    return true;
}

} // namespace content
