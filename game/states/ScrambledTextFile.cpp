#include "ScrambledTextFile.h"

#include "app/Debug.h"
#include "files/AtomicFile.h"
#include "files/HostPath.h"
#include "files/Scrambler.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

ScrambledTextFile::ScrambledTextFile(std::string targetName) : name(std::move(targetName)), unfinished(name + ".new")
{
}

ScrambledTextFile::~ScrambledTextFile()
{
    if (committed)
        return;
    file.Close();
    std::remove(HostPath(unfinished).c_str());
}

bool ScrambledTextFile::Open()
{
    return file.OpenDirect(unfinished.c_str(), "w");
}

bool ScrambledTextFile::Commit()
{
    // A file that did not reach the disk is not scrambled: an older
    // unfinished file in its place would be taken for it. File::Close has
    // logged why.
    if (!file.Close())
        return false;
    if (!ScrambleFile(unfinished.c_str())) {
        LogError("ScrambledTextFile::Commit: Failed to scramble <%s>!\n", unfinished.c_str());
        return false;
    }
    if (!ReplaceFile(unfinished.c_str(), name.c_str())) {
        LogError("ScrambledTextFile::Commit: Failed to replace <%s>: %s\n", name.c_str(), std::strerror(errno));
        return false;
    }
    committed = true;
    return true;
}

bool ScrambledTextFile::Write(const char* name, const char* origin, const std::function<void(File&)>& write)
{
    ScrambledTextFile file(name);
    if (!file.Open()) {
        LogError("%s: Failed to open <%s>!\n", origin, name);
        return false;
    }
    write(file.GetFile());
    if (!file.Commit()) {
        LogError("%s: Failed to write <%s>!\n", origin, name);
        return false;
    }
    return true;
}
