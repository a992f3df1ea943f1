#pragma once

// Putting a finished generation in place. The generator writes into a
// staging folder beside the run tree's data; only when every file was written
// are the entries it owns renamed over the old ones, so that a failed run
// leaves the previous tree as it was, and files it does not own (the copied
// config.txt) are never touched.

#include <filesystem>
#include <span>
#include <string>

namespace content {

// Moves every entry (a path relative to both folders, such as "data/fonts")
// from `staged` to `target`, replacing what is there. The old entries are
// parked in `parked` (on the same file system) while the new ones move in and
// are deleted at the end. Every staged entry must exist, or nothing is moved.
// When a rename fails midway, the entries already moved are put back, and
// false comes with the reason in `error`.
bool SwapInOutput(const std::filesystem::path& staged, const std::filesystem::path& target,
                  const std::filesystem::path& parked, std::span<const std::string> entries, std::string& error);

} // namespace content
