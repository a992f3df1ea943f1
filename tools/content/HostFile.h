#pragma once

// Reading a whole file by its host path, for the generator's own bookkeeping
// (the game's files go through the file layer).

#include <cstdint>
#include <filesystem>
#include <vector>

namespace content {

// False when the file cannot be opened or read to its end.
bool ReadHostFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes);

} // namespace content
