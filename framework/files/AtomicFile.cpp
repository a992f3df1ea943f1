#include "AtomicFile.h"

#include "HostPath.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The stream of a temporary file while a short or a slow write is
// injected: every block stdio hands on passes through here. Without an
// injected fault the stream is a plain one, at no cost per byte.
struct FaultyStream {
    int descriptor;
    WriteFault fault;
    bool cut = false;
};

ssize_t WriteFaulty(void* cookie, const char* bytes, std::size_t count)
{
    FaultyStream& faulty = *static_cast<FaultyStream*>(cookie);
    write_faults::Wait(faulty.fault);
    std::size_t wanted = count;
    if (faulty.fault.kind == WriteFault::Kind::cut) {
        // Half of the first block reaches the file, nothing after it.
        wanted = faulty.cut ? 0 : count / 2;
        faulty.cut = true;
    }
    std::size_t written = 0;
    while (written < wanted) {
        const ssize_t result = ::write(faulty.descriptor, bytes + written, wanted - written);
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0)
            return static_cast<ssize_t>(written); // short: stdio marks the stream failed
        written += static_cast<std::size_t>(result);
    }
    if (written < count)
        errno = ENOSPC;
    return static_cast<ssize_t>(written);
}

int SeekFaulty(void* cookie, off64_t* offset, int whence)
{
    const off_t position = ::lseek(static_cast<FaultyStream*>(cookie)->descriptor, *offset, whence);
    if (position < 0)
        return -1;
    *offset = position;
    return 0;
}

int CloseFaulty(void* cookie)
{
    const FaultyStream* faulty = static_cast<FaultyStream*>(cookie);
    const int result = ::close(faulty->descriptor);
    delete faulty;
    return result;
}

std::FILE* OpenFaultyStream(int descriptor, const WriteFault& fault)
{
    auto* faulty = new FaultyStream{descriptor, fault};
    std::FILE* stream = ::fopencookie(faulty, "w", {nullptr, WriteFaulty, SeekFaulty, CloseFaulty});
    if (stream == nullptr)
        delete faulty;
    return stream;
}

constexpr std::string_view temporaryMark = ".tmp-";
constexpr std::size_t temporaryUnique = 6; // letters or digits, as mkstemp makes them
constexpr std::size_t temporarySuffixLength = temporaryMark.size() + temporaryUnique;

// "<target>.tmp-XXXXXX".
bool IsTemporaryName(const std::string& name)
{
    if (name.size() <= temporarySuffixLength ||
        name.compare(name.size() - temporarySuffixLength, temporaryMark.size(), temporaryMark) != 0)
        return false;
    for (std::size_t index = name.size() - temporaryUnique; index < name.size(); ++index) {
        const char character = name[index];
        if (!((character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z') ||
              (character >= '0' && character <= '9')))
            return false;
    }
    return true;
}

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
    fault = write_faults::NextWrite();
    // Only a file can be replaced, not a folder or a device, and not one the
    // player made read-only. A link is followed, so the file it names is
    // replaced and the link stays.
    struct stat status {};
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
    if (fault.kind == WriteFault::Kind::open)
        return Fail(EACCES);
    descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return Fail(errno);
    // Held until the file is closed, or its process ends.
    ::flock(descriptor, LOCK_EX);
    // New files get the usual permissions, not mkstemp's private ones.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask);
    const bool faulty = fault.kind == WriteFault::Kind::cut || fault.kind == WriteFault::Kind::slow;
    stream = faulty ? OpenFaultyStream(descriptor, fault) : ::fdopen(descriptor, binary ? "wb" : "w");
    if (stream == nullptr) {
        const int failure = errno;
        ::close(descriptor);
        descriptor = -1;
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
    if (failure == 0 && fault.kind == WriteFault::Kind::sync)
        failure = EIO;
    else if (failure == 0 && ::fsync(descriptor) != 0)
        failure = errno;
    // The lock stays on the file until it has its name: a second game
    // starting meanwhile takes an unlocked temporary file for one that a
    // killed write left, and would remove it.
    const int locked = ::dup(descriptor);
    if (std::fclose(stream) != 0 && failure == 0)
        failure = errno;
    stream = nullptr;
    descriptor = -1;
    write_faults::Wait(fault);
    if (failure == 0 && fault.kind == WriteFault::Kind::rename)
        failure = EIO;
    else if (failure == 0 && std::rename(temporary.c_str(), target.c_str()) != 0)
        failure = errno;
    if (failure != 0)
        ::unlink(temporary.c_str());
    if (locked >= 0)
        ::close(locked);
    if (failure != 0)
        return Fail(failure);
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
    descriptor = -1;
    ::unlink(temporary.c_str());
}

bool ReplaceFile(const char* finishedPath, const char* targetPath)
{
    const WriteFault fault = write_faults::NextWrite();
    const std::string finished = HostPath(finishedPath);
    const std::string target = HostPathForWriting(targetPath);
    write_faults::Wait(fault);
    if (fault.kind == WriteFault::Kind::rename) {
        errno = EIO;
        return false;
    }
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

std::vector<std::string> RemoveStaleTemporaries(const std::string& hostFolder,
                                                const std::function<bool(const std::string& target)>& isOurs)
{
    std::vector<std::string> removed;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(hostFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        std::error_code status;
        if (!IsTemporaryName(name) || !isOurs(name.substr(0, name.size() - temporarySuffixLength)) ||
            !entry->is_regular_file(status))
            continue;
        // A writer holds its temporary file locked: one that can be locked
        // here belongs to a process that has ended.
        const int descriptor = ::open(entry->path().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (descriptor < 0)
            continue;
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && ::unlink(entry->path().c_str()) == 0)
            removed.push_back(name);
        ::close(descriptor);
    }
    if (!removed.empty())
        ForgetFolderListings();
    return removed;
}
