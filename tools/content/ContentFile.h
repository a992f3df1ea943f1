#pragma once

// Writing the generated files: paths in the game's form ("data\\fonts\\x.bmp")
// below the working directory; missing folders are made on the way.

#include "graphics/Image.h"

#include <cstdint>
#include <span>
#include <string>

namespace content {

// False, with a message on standard error, when the file cannot be written.
bool WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes);
bool WriteText(const std::string& path, const std::string& text);
// A 24-bit image as a BMP file, through the game's own writer.
bool WriteBmp(const std::string& path, const Image& image);

} // namespace content
