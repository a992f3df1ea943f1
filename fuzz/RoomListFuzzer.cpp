// A level's rooms.txt names its room folders, one a line: whatever the
// bytes, every name read is a whole one (no line end or trailing space, no
// comment) and there are no more names than the file has lines. A name
// with other odd bytes is the room loader's to refuse.

#include "FuzzFolder.h"
#include "adventure/RoomList.h"
#include "app/Singleton.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("data/level01/rooms.txt", data, size);
    const std::vector<std::string> folders = ReadRoomList(1);
    const auto lines = static_cast<std::size_t>(std::count(data, data + size, '\n')) + 1;
    if (folders.size() > lines)
        std::abort();
    for (const std::string& folder : folders) {
        if (folder.empty() || folder.front() == '#' || folder.back() == ' ' || folder.back() == '\r' ||
            folder.find('\n') != std::string::npos)
            std::abort();
    }
    SingletonRegistry::DestroyAll();
    return 0;
}
