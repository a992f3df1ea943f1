#pragma once

// The generator's cache of outputs that take long to make (the intro movie),
// kept outside the build folder, in the user's cache directory, so that every
// build tree on the machine and a fresh clone find what an earlier build made.
//
// An entry is one file named after the output and the digest of everything
// the output is made from (InputDigest), "intro.avi-<64 hex digits>". Its
// bytes are the output's, followed by a trailer of their length (8 bytes,
// little-endian) and their SHA-256 (32 bytes): an entry cut short or damaged
// fails that check and is made again. Entries are written to a temporary
// file in the folder and renamed into place, so a reader never sees half of
// one, and several generators may share the folder. Each output keeps its
// few most recently used entries; older ones are deleted when a new one is
// stored.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace content {

class ContentCache {
public:
    static constexpr std::size_t trailerSize = 8 + 32;
    // Entries of one output that are kept.
    static constexpr std::size_t keptEntries = 8;

    // $XDG_CACHE_HOME/zephyra-content, else $HOME/.cache/zephyra-content;
    // empty when neither variable is set.
    static std::filesystem::path UserFolder();

    explicit ContentCache(std::filesystem::path folder);

    const std::filesystem::path& Folder() const { return folder; }

    // The output's bytes when a whole entry for `key` is there; a found
    // entry counts as just used.
    bool Find(std::string_view name, std::string_view key, std::vector<std::uint8_t>& bytes) const;
    // Stores the bytes as the entry for `key` and deletes the output's
    // oldest entries; false with the reason when it cannot be stored.
    bool Store(std::string_view name, std::string_view key, std::span<const std::uint8_t> bytes,
               std::string& error) const;

    // An entry's bytes: the output and its trailer.
    static std::vector<std::uint8_t> MakeEntry(std::span<const std::uint8_t> bytes);
    // The output's length when `entry` is whole (its trailer matches),
    // nothing otherwise.
    static std::optional<std::size_t> CheckEntry(std::span<const std::uint8_t> entry);

private:
    std::filesystem::path EntryPath(std::string_view name, std::string_view key) const;
    void DropOldEntries(std::string_view name) const;

    std::filesystem::path folder;
};

} // namespace content
