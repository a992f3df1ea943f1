#include "RleFiles.h"

#include "files/File.h"
#include "graphics/RleFile.h"
#include "graphics/SpriteManager.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace content {

namespace {

// Standard error sent to /dev/null while it lives: the loader logs a line
// per sprite it builds, which says nothing here.
class QuietStandardError {
public:
    QuietStandardError()
    {
        std::fflush(stderr);
        saved = dup(STDERR_FILENO);
        const int nowhere = open("/dev/null", O_WRONLY);
        if (saved >= 0 && nowhere >= 0)
            dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0)
            close(nowhere);
    }
    ~QuietStandardError()
    {
        std::fflush(stderr);
        if (saved >= 0) {
            dup2(saved, STDERR_FILENO);
            close(saved);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved = -1;
};

} // namespace

bool WriteRleFiles(const std::vector<SpriteInfo>& sprites)
{
    SpriteManager& manager = SpriteManager::GetInstance();
    {
        const QuietStandardError quiet;
        for (const SpriteInfo& info : sprites) {
            SpriteInfo building = info;
            manager.LoadSprite(building);
            manager.UnloadSprite(info.label);
        }
    }
    bool written = true;
    for (const SpriteInfo& info : sprites) {
        const std::string file = RleFile::FileName(info.file, {info.mirrored, info.crop, info.frameCount});
        if (!File::Exists(file.c_str())) {
            std::fprintf(stderr, "zephyra-content: could not pre-encode %s\n", file.c_str());
            written = false;
        }
    }
    return written;
}

} // namespace content
