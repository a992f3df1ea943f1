#include "SpriteInfosLoaderUtil.h"

#include "SpriteLoaderUtil.h"
#include "WholeNumber.h"
#include "app/Debug.h"
#include "files/File.h"
#include "files/StringTokens.h"

bool SpriteInfosLoaderUtil::ParseLine(const std::string& line, SpriteInfos& infos)
{
    if (line.empty() || line[0] != '"')
        return true;
    const std::size_t closing = line.find('"', 1);
    if (closing == std::string::npos)
        return true;
    const std::string name = line.substr(1, closing - 1);
    const StringTokens tokens(std::string_view(line).substr(closing + 1));
    int values[4] = {};
    for (int index = 0; index < 4; ++index)
        if (name.empty() || !ParseWholeNumber(tokens.StringAt(index), values[index]))
            return false;
    infos[name] = SpriteRect{values[0], values[1], values[2], values[3]};
    return true;
}

bool SpriteInfosLoaderUtil::LoadSpriteInfos(const char* path, SpriteInfos& infos)
{
    File file;
    if (!file.Open(path, "r")) {
        LogError("SpriteInfosLoaderUtil::LoadSpriteInfos: Failed to open sprite info file <%s>!\n", path);
        return false;
    }
    std::string line;
    while (file.ReadLine(line, SpriteLoaderUtil::maximumLineLength))
        if (!ParseLine(line, infos))
            LogWarning("SpriteInfosLoaderUtil::LoadSpriteInfos: Couldn't read line <%s> of <%s>!\n", line.c_str(), path);
    return true;
}
