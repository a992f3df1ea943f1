#include "OutputSwap.h"

#include <system_error>
#include <vector>

namespace content {

namespace {

namespace fs = std::filesystem;

// Renames `from` to `to`, making the folder `to` lies in first.
bool Move(const fs::path& from, const fs::path& to, std::string& error)
{
    std::error_code code;
    fs::create_directories(to.parent_path(), code);
    if (!code)
        fs::rename(from, to, code);
    if (code)
        error = "cannot move " + from.string() + " to " + to.string() + ": " + code.message();
    return !code;
}

// One entry's progress, so that a failure can be undone in reverse order.
struct Moved {
    std::string entry;
    bool parked = false; // an old entry was moved aside
    bool placed = false; // the new entry is in the target
};

void Undo(const std::vector<Moved>& moves, const fs::path& staged, const fs::path& target, const fs::path& parked)
{
    std::string ignored;
    for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
        if (move->placed)
            Move(target / move->entry, staged / move->entry, ignored);
        if (move->parked)
            Move(parked / move->entry, target / move->entry, ignored);
    }
}

} // namespace

bool SwapInOutput(const fs::path& staged, const fs::path& target, const fs::path& parked,
                  std::span<const std::string> entries, std::string& error)
{
    std::error_code code;
    for (const std::string& entry : entries) {
        if (!fs::exists(staged / entry, code)) {
            error = "the generated " + (staged / entry).string() + " is missing";
            return false;
        }
    }
    fs::remove_all(parked, code);

    std::vector<Moved> moves;
    for (const std::string& entry : entries) {
        Moved& move = moves.emplace_back(Moved{entry});
        const bool old = fs::exists(target / entry, code) || fs::is_symlink(target / entry, code);
        move.parked = old && Move(target / entry, parked / entry, error);
        move.placed = (!old || move.parked) && Move(staged / entry, target / entry, error);
        if (!move.placed) {
            Undo(moves, staged, target, parked);
            return false;
        }
    }
    fs::remove_all(parked, code);
    return true;
}

} // namespace content
