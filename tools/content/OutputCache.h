#pragma once

// The generator's outputs through its cache: each output is looked up by
// the digest of everything it is made from, and made (then kept) only when
// the cache has no whole entry for that digest. What every output is made
// from is read once: the running program with its libraries, and the
// system's files the drawing reads (typefaces, the sound font). Each output
// adds its own input files (a score) and its name.
//
// A cache that cannot be used costs time, never the output: a damaged entry
// is made again, a failed store is only reported, and without a cache
// directory everything is made.

#include "ContentCache.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace content {

class OutputCache {
public:
    using Make = std::function<bool(std::vector<std::uint8_t>&)>;

    // `program` names the messages ("zephyra-content"); the cache is in
    // ContentCache::UserFolder(), or `folder` when one is given.
    explicit OutputCache(std::string program, std::filesystem::path folder = {});

    // Digests the running program and `files`; false, with a message, when
    // one cannot be read (outputs are then made without the cache).
    bool ReadCommonInputs(std::span<const std::filesystem::path> files);

    // The output's bytes, from the cache or made by `make`; false only when
    // an input cannot be read or `make` fails, with a message.
    bool Output(std::string_view name, std::span<const std::filesystem::path> inputs, const Make& make,
                std::vector<std::uint8_t>& bytes) const;

private:
    std::string program;
    std::optional<ContentCache> cache;
    std::string common; // hex digest of the common inputs; empty: not read
};

} // namespace content
