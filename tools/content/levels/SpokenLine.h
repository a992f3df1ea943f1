#pragma once

// A character's spoken line as samples to mix into a sound effect, made by
// the speech synthesiser in that character's voice, or as a sound effect of
// its own.

#include "SoundArt.h"

#include <vector>

namespace content::levels {

// `text` (Windows-1252) spoken by `element` (a voice preset's name). With
// `longest` above 0 the line is spoken faster, as often as needed, until it
// lasts at most that many seconds. Empty after a message when espeak-ng
// fails: a sound made of it is then silent, which the sound writer refuses.
std::vector<float> SpokenLine(const char* element, const char* text, double longest = 0.0);

// The line alone as a sound lasting at most `longest` seconds: a breath of
// silence before it and a short fade after it.
Sound SpokenSound(const char* element, const char* text, double longest);

} // namespace content::levels
