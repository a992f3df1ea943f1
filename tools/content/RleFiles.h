#pragma once

// The pre-encoded .rle files of run-length animations (graphics/RleFile.h),
// written beside their strips by the game's own sprite loader, so that the
// release archive holds them: with the archive in use the game cannot
// encode a strip and write its file itself.

#include "graphics/SpriteInfo.h"

#include <vector>

namespace content {

// Builds each described run-length sprite from its art below the working
// directory as the game does, which writes its .rle file (".mirrored.rle"
// for mirrored art). The loader's lines are kept off the terminal; a file
// that is not there afterwards is reported on standard error. True when
// every file was written.
bool WriteRleFiles(const std::vector<SpriteInfo>& sprites);

} // namespace content
