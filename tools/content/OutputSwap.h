#pragma once

// Putting a finished generation in place. The generator writes into a
// staging folder beside the run tree's data; only when every file was written
// are the entries it owns put in place of the old ones, so that a failed run
// leaves the previous tree as it was, and files it does not own (the copied
// config.txt) are never touched.

#include <filesystem>
#include <span>
#include <string>

namespace content {

// Puts every entry (a path relative to both folders, such as "data/fonts")
// of `staged` in the place of the same entry of `target`. Each entry is
// exchanged with the old one in one step (renameat2 with RENAME_EXCHANGE;
// both folders on one file system), so at every instant, even if the
// process is killed, the target holds either the old entry or the new one,
// never neither (on a file system without renameat2's flags the exchange
// falls back to plain renames, which leave a short gap). The old entries end up in `staged` and are deleted at the
// end. Every staged entry must exist, or nothing is moved. When a step fails
// midway, the entries already placed are put back, and false comes with the
// reason in `error`.
bool SwapInOutput(const std::filesystem::path& staged, const std::filesystem::path& target,
                  std::span<const std::string> entries, std::string& error);

} // namespace content
