#pragma once

// intro.avi as the game plays it: every frame of the intro movie
// (IntroMovie.h) with its soundtrack (IntroSoundtrack.h), encoded by
// MovieEncoder at 800 x 600 and 25 frames a second. The same program always
// writes the same bytes.

#include <string>

namespace content::intro {

// The fixed picture quality of the video (MovieEncoder's quantiser).
constexpr int movieQuantiser = 5;

// Writes the movie to the host path; false with `error` when the soundtrack
// cannot be made or the file cannot be written. The frames are drawn on
// every processor; the file does not depend on how many there are.
bool WriteMovieFile(const std::string& path, std::string& error);

} // namespace content::intro
