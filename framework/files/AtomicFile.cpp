#include "AtomicFile.h"

#include "HostPath.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Makes the rename itself durable.
void SyncFolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

} // namespace

AtomicFile::~AtomicFile()
{
    Commit();
}

bool AtomicFile::Open(const std::string& hostPath, bool binary)
{
    Commit();
    error = 0;
    // Only a file can be replaced, not a folder or a device, and not one the
    // player made read-only. A link is followed, so the file it names is
    // replaced and the link stays.
    struct stat status{};
    if (::stat(hostPath.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return Fail(EISDIR);
        if (!S_ISREG(status.st_mode))
            return Fail(EINVAL);
        if (::access(hostPath.c_str(), W_OK) != 0)
            return Fail(errno);
    }
    target = hostPath;
    if (char* resolved = ::realpath(hostPath.c_str(), nullptr)) {
        target = resolved;
        std::free(resolved);
    }
    temporary = target + ".tmp-XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return Fail(errno);
    // New files get the usual permissions, not mkstemp's private ones.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask);
    stream = ::fdopen(descriptor, binary ? "wb" : "w");
    if (stream == nullptr) {
        const int failure = errno;
        ::close(descriptor);
        ::unlink(temporary.c_str());
        return Fail(failure);
    }
    return true;
}

bool AtomicFile::Fail(int errorNumber)
{
    error = errorNumber != 0 ? errorNumber : EIO;
    errno = error;
    return false;
}

bool AtomicFile::Commit()
{
    if (stream == nullptr)
        return false;
    // A write that failed earlier (a full disk) leaves its mark on the
    // stream; the rest of the steps would then make a cut file the target.
    int failure = std::ferror(stream) != 0 ? EIO : 0;
    if (failure == 0 && std::fflush(stream) != 0)
        failure = errno;
    if (failure == 0 && ::fsync(::fileno(stream)) != 0)
        failure = errno;
    if (std::fclose(stream) != 0 && failure == 0)
        failure = errno;
    stream = nullptr;
    if (failure == 0 && std::rename(temporary.c_str(), target.c_str()) != 0)
        failure = errno;
    if (failure != 0) {
        ::unlink(temporary.c_str());
        return Fail(failure);
    }
    SyncFolderOf(target);
    ForgetFolderListings(); // the folder may hold a new name now
    return true;
}

void AtomicFile::Abandon()
{
    if (stream == nullptr)
        return;
    std::fclose(stream);
    stream = nullptr;
    ::unlink(temporary.c_str());
}

bool ReplaceFile(const char* finishedPath, const char* targetPath)
{
    const std::string finished = HostPath(finishedPath);
    const std::string target = HostPathForWriting(targetPath);
    if (std::rename(finished.c_str(), target.c_str()) != 0)
        return false;
    SyncFolderOf(target);
    ForgetFolderListings();
    return true;
}

bool WriteFileAtomically(const std::string& hostPath, const void* bytes, std::size_t count, int* error)
{
    AtomicFile file;
    bool written = file.Open(hostPath, true);
    if (written && count > 0 && std::fwrite(bytes, 1, count, file.GetStream()) != count) {
        const int failure = errno;
        file.Abandon();
        if (error != nullptr)
            *error = failure != 0 ? failure : EIO;
        return false;
    }
    written = written && file.Commit();
    if (!written && error != nullptr)
        *error = file.GetError();
    return written;
}
