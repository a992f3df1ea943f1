#pragma once

// Writing the generated files: paths in the game's form ("data\\fonts\\x.bmp")
// below the working directory; missing folders are made on the way.

#include <cstdint>
#include <span>
#include <string>

namespace content {

// False, with a message on standard error, when the file cannot be written.
bool WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes);
bool WriteText(const std::string& path, const std::string& text);

} // namespace content
