#pragma once

#include <functional>
#include <string>

// Reads a sound-effect list (sfx.txt): one "eventName sampleFile" pair per
// line, separated by spaces or tabs. A line starting with '#' is a comment,
// a line with other than two words is skipped, and the sample file "none"
// (any letter case) defines nothing. Each sample file is loaded once into the
// sample manager's pool as "sample_" + file, from `sampleFolder`; each event
// name becomes a default audio event of that sample.
class SfxLoaderUtil {
public:
    // False, with a warning, when the list cannot be opened.
    static bool LoadSoundEffects(const std::string& listFile, const std::string& sampleFolder);

    // Called with 0.001 for every entry read; the game points it at the
    // loading screen's progress, which lives above the audio code.
    static void SetProgressStep(std::function<void(float)> step);
};
