#pragma once

// The system's files the drawing and the music read: every DejaVu typeface
// in TypefaceFolder() and the General MIDI sound font. A package update may
// change them, so every generated output counts them among its inputs.

#include <filesystem>
#include <vector>

namespace content {

std::vector<std::filesystem::path> SystemInputs();

} // namespace content
