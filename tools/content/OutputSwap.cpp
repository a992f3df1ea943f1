#include "OutputSwap.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <system_error>
#include <vector>

namespace content {

namespace {

namespace fs = std::filesystem;

std::string Reason(int errorNumber)
{
    return std::strerror(errorNumber);
}

// Moves `from` to `to` (exchanging the two when `exchange`) and gives 0 or
// the error number. File systems that do not know renameat2's flags (some
// network and FUSE mounts) get the same result in three plain renames, with
// a short moment in which `to` is missing.
int Move(const fs::path& from, const fs::path& to, bool exchange)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), exchange ? RENAME_EXCHANGE : RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (!exchange)
        return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
    const fs::path parked = from.string() + ".old";
    if (std::rename(to.c_str(), parked.c_str()) != 0)
        return errno;
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        const int error = errno;
        std::rename(parked.c_str(), to.c_str());
        return error;
    }
    return std::rename(parked.c_str(), from.c_str()) == 0 ? 0 : errno;
}

// Puts `from` in the place of `to` in one step. An existing `to` is
// exchanged with it (it ends up at `from`), so no instant sees neither;
// otherwise `from` is merely renamed, and `to`'s folder is made first.
// `exchanged` says which of the two happened.
bool PutInPlace(const fs::path& from, const fs::path& to, bool& exchanged, std::string& error)
{
    std::error_code code;
    exchanged = fs::exists(fs::symlink_status(to, code));
    if (!exchanged)
        fs::create_directories(to.parent_path(), code);
    if (code) {
        error = "cannot make " + to.parent_path().string() + ": " + code.message();
        return false;
    }
    if (const int failure = Move(from, to, exchanged); failure != 0) {
        error = "cannot put " + from.string() + " in the place of " + to.string() + ": " + Reason(failure);
        return false;
    }
    return true;
}

// Takes back what PutInPlace did, newest first: an exchange is exchanged
// again, a plain move is moved back.
void Undo(const std::vector<std::pair<std::string, bool>>& placed, const fs::path& staged, const fs::path& target)
{
    for (auto move = placed.rbegin(); move != placed.rend(); ++move) {
        const auto& [entry, exchanged] = *move;
        if (const int failure = Move(target / entry, staged / entry, exchanged); failure != 0)
            std::fprintf(stderr, "zephyra-content: cannot put back %s: %s\n", (target / entry).c_str(),
                         Reason(failure).c_str());
    }
}

} // namespace

bool SwapInOutput(const fs::path& staged, const fs::path& target, std::span<const std::string> entries,
                  std::string& error)
{
    std::error_code code;
    for (const std::string& entry : entries) {
        if (!fs::exists(staged / entry, code)) {
            error = "the generated " + (staged / entry).string() + " is missing";
            return false;
        }
    }
    std::vector<std::pair<std::string, bool>> placed;
    for (const std::string& entry : entries) {
        bool exchanged = false;
        if (!PutInPlace(staged / entry, target / entry, exchanged, error)) {
            Undo(placed, staged, target);
            return false;
        }
        placed.emplace_back(entry, exchanged);
    }
    // The old entries now lie where the new ones were staged.
    for (const std::string& entry : entries)
        fs::remove_all(staged / entry, code);
    return true;
}

} // namespace content
