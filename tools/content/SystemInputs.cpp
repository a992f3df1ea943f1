#include "SystemInputs.h"

#include "MusicArt.h"
#include "Typefaces.h"

#include <algorithm>

namespace content {

std::vector<std::filesystem::path> SystemInputs()
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (auto walk = std::filesystem::directory_iterator(TypefaceFolder(), error);
         !error && walk != std::filesystem::directory_iterator(); walk.increment(error)) {
        if (walk->path().extension() == ".ttf")
            files.push_back(walk->path());
    }
    std::sort(files.begin(), files.end());
    files.emplace_back(generalMidiSoundFont);
    return files;
}

} // namespace content
