// The pictures folder comes from the player's user-dirs.dirs, a file any
// program or person may have written: any bytes must give no folder or an
// absolute one, never a crash.

#include "files/GameFolders.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string folder = PicturesFolderFromUserDirs(text, "/home/player");
    if (!folder.empty() && folder.front() != '/')
        std::abort();
    return 0;
}
