#pragma once

// What the gallery's sheets share: one page is one presented frame of the
// game's 1024 x 768 canvas on the headless platform.

#include "graphics/DirectDraw.h"
#include "platform/Picture.h"
#include "platform/headless/HeadlessPlatform.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace gallery {

inline constexpr int sheetWidth = DirectDraw::canvasWidth;
inline constexpr int sheetHeight = DirectDraw::canvasHeight;
inline constexpr int margin = 24;
inline constexpr int textTop = 40;
// Grounds close to the game's: the night sky of space and the sand of the
// holiday planet.
inline constexpr std::uint32_t darkGround = 0x2A3766;
inline constexpr std::uint32_t lightGround = 0xEDE2C4;

// Draws the render list and presents it; the picture the window shows.
platform::Picture RenderPage(platform::HeadlessPlatform& host);

// The text cut (with ".." at its end) to fit `width` pixels in the font.
std::string FittedText(const std::string& text, const char* font, int width);

// One channel of interleaved 16-bit PCM as a waveform band across the sheet
// (inside the margins): the lowest and highest sample of each column's
// `framesPerColumn` frames, over an axis line in the band's middle. The
// drawing stops where the samples end.
void DrawWaveform(platform::Picture& sheet, std::span<const std::int16_t> samples, int channels, int channel,
                  double framesPerColumn, int top, int height);

} // namespace gallery
