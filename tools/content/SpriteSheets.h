#pragma once

// The gallery's pages of one sprite list: the list loaded with the game's
// SpriteLoaderUtil::Load, every label's sprite fetched from the registry and
// drawn by the render list at full size, then shown scaled into a cell over
// a checkerboard (so that transparent and half-transparent pixels show),
// with the label, its kind, frame count and size below in the default font.
// An animation shows its first frames side by side.

#include "platform/headless/HeadlessPlatform.h"

#include <filesystem>
#include <string>

namespace gallery {

// Writes OUT/sprites-<list folder>-<page>.png for the list (named as the
// game names it, "data\menu\sprites.txt"); the number of pages written, or
// -1 when a page could not be written. The list's descriptions are removed
// from the registry afterwards, so that the next list starts clean.
int WriteSpriteSheets(platform::HeadlessPlatform& host, const std::string& list, const std::filesystem::path& output);

// Writes OUT/cast-<prefix>.png for each character of the cast
// (adventure/CastAnimations.h) that has animations in the list: one frame of
// every animation, a row of directions at a time, captioned with its name
// after the prefix. The number of sheets written, or -1 when one could not
// be written; the list's descriptions are removed afterwards.
int WriteCastSheets(platform::HeadlessPlatform& host, const std::string& list, const std::filesystem::path& output);

} // namespace gallery
