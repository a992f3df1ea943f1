#pragma once

// A room's "spriteinfos.txt": one graphic a line, its name in double quotes
// at the start of the line followed by four integers, the x, y, width and
// height it covers in room coordinates:
//     "door01" 10 20 40 60
// Later lines replace earlier ones of the same name. Lines that do not start
// with a quote are ignored; a named line without four integers is reported
// and skipped. Lines are read up to 999 characters.

#include "SpriteInfo.h"

#include <map>
#include <string>

class SpriteInfosLoaderUtil {
public:
    using SpriteInfos = std::map<std::string, SpriteRect>;

    // False (after a log line) when the file cannot be opened.
    static bool LoadSpriteInfos(const char* path, SpriteInfos& infos);
    // One line into `infos`; false when it names a graphic but is not read.
    static bool ParseLine(const std::string& line, SpriteInfos& infos);
};
