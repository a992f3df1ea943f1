#pragma once

// The gallery's page of a font: its name and metrics, then its whole
// character set in continuous rows on the dark ground; on the sand ground a
// German pangram and menu words. The smaller fonts show the pangram again,
// magnified and wrapped to the page, the smallest their character set twice
// as large too.

#include "graphics/FontLoaderUtil.h"
#include "platform/headless/HeadlessPlatform.h"

#include <filesystem>

namespace gallery {

// Writes OUT/font-<name>.png; false when it cannot be written.
bool WriteFontSheet(platform::HeadlessPlatform& host, const FontLoaderUtil::FontDescription& description,
                    const std::filesystem::path& output);

} // namespace gallery
