#include "RoomList.h"

#include "app/Debug.h"
#include "files/File.h"

#include <cstdio>

std::string LevelFolder(int level)
{
    char folder[32];
    std::snprintf(folder, sizeof folder, "level%02d\\", level);
    return folder;
}

std::vector<std::string> ReadRoomList(int level)
{
    const std::string list = "data\\" + LevelFolder(level) + "rooms.txt";
    std::vector<std::string> folders;
    File file;
    if (!file.Open(list.c_str(), "r")) {
        LogError("ReadRoomList: Failed to open <%s>!\n", list.c_str());
        return folders;
    }
    std::string line;
    while (file.ReadLine(line, 255)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' '))
            line.pop_back();
        if (!line.empty() && line.front() != '#')
            folders.push_back(line);
    }
    return folders;
}
