#include "ContentCache.h"

#include "HostFile.h"
#include "InputDigest.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace content {

namespace {

namespace fs = std::filesystem;

// Temporary files left by a generator that was killed while storing are
// deleted once they are this old (a store in progress is never that old).
constexpr auto abandonedAfter = std::chrono::hours(1);

std::string Reason(int errorNumber)
{
    return std::strerror(errorNumber);
}

// Writes all bytes to the descriptor; 0 or the error number.
int WriteAll(int descriptor, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

} // namespace

fs::path ContentCache::UserFolder()
{
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && cache[0] == '/')
        return fs::path(cache) / "zephyra-content";
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
        return fs::path(home) / ".cache" / "zephyra-content";
    return {};
}

ContentCache::ContentCache(fs::path cacheFolder)
    : folder(std::move(cacheFolder))
{
}

fs::path ContentCache::EntryPath(std::string_view name, std::string_view key) const
{
    return folder / (std::string(name) + "-" + std::string(key));
}

std::vector<std::uint8_t> ContentCache::MakeEntry(std::span<const std::uint8_t> bytes)
{
    std::vector<std::uint8_t> entry(bytes.begin(), bytes.end());
    const std::uint64_t size = bytes.size();
    for (int shift = 0; shift < 64; shift += 8)
        entry.push_back(static_cast<std::uint8_t>(size >> shift));
    const InputDigest::Bytes digest = InputDigest::Of(bytes);
    entry.insert(entry.end(), digest.begin(), digest.end());
    return entry;
}

std::optional<std::size_t> ContentCache::CheckEntry(std::span<const std::uint8_t> entry)
{
    if (entry.size() < trailerSize)
        return std::nullopt;
    const std::size_t length = entry.size() - trailerSize;
    std::uint64_t stored = 0;
    for (int index = 7; index >= 0; --index)
        stored = stored << 8 | entry[length + static_cast<std::size_t>(index)];
    if (stored != length)
        return std::nullopt;
    const InputDigest::Bytes digest = InputDigest::Of(entry.first(length));
    if (!std::equal(digest.begin(), digest.end(), entry.begin() + static_cast<std::ptrdiff_t>(length + 8)))
        return std::nullopt;
    return length;
}

bool ContentCache::Find(std::string_view name, std::string_view key, std::vector<std::uint8_t>& bytes) const
{
    const fs::path path = EntryPath(name, key);
    if (!ReadHostFile(path, bytes))
        return false;
    const std::optional<std::size_t> length = CheckEntry(bytes);
    if (!length)
        return false;
    bytes.resize(*length);
    std::error_code ignored;
    fs::last_write_time(path, fs::file_time_type::clock::now(), ignored);
    return true;
}

bool ContentCache::Store(std::string_view name, std::string_view key, std::span<const std::uint8_t> bytes,
                         std::string& error) const
{
    std::error_code failure;
    fs::create_directories(folder, failure);
    if (failure) {
        error = "cannot make " + folder.string() + ": " + failure.message();
        return false;
    }
    std::string temporary = (folder / ("." + std::string(name) + "-XXXXXX")).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        error = "cannot write into " + folder.string() + ": " + Reason(errno);
        return false;
    }
    int problem = WriteAll(descriptor, MakeEntry(bytes));
    if (problem == 0 && ::fsync(descriptor) != 0)
        problem = errno;
    if (::close(descriptor) != 0 && problem == 0)
        problem = errno;
    const fs::path path = EntryPath(name, key);
    if (problem == 0 && std::rename(temporary.c_str(), path.c_str()) != 0)
        problem = errno;
    if (problem != 0) {
        ::unlink(temporary.c_str());
        error = "cannot store " + path.string() + ": " + Reason(problem);
        return false;
    }
    DropOldEntries(name);
    return true;
}

void ContentCache::DropOldEntries(std::string_view name) const
{
    const std::string prefix = std::string(name) + "-";
    const auto now = fs::file_time_type::clock::now();
    std::vector<std::pair<fs::file_time_type, fs::path>> entries;
    std::error_code failure;
    for (auto walk = fs::directory_iterator(folder, failure); !failure && walk != fs::directory_iterator();
         walk.increment(failure)) {
        const std::string file = walk->path().filename().string();
        std::error_code ignored;
        const fs::file_time_type time = walk->last_write_time(ignored);
        if (ignored)
            continue;
        if (file.starts_with("." + prefix) && now - time > abandonedAfter)
            fs::remove(walk->path(), ignored);
        else if (file.starts_with(prefix) && file.size() == prefix.size() + 64)
            entries.emplace_back(time, walk->path());
    }
    if (entries.size() <= keptEntries)
        return;
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t index = keptEntries; index < entries.size(); ++index) {
        std::error_code ignored;
        fs::remove(entries[index].second, ignored);
    }
}

} // namespace content
