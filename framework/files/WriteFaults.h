#pragma once

// Injected failures of the game's own file writes, to show that a save that
// fails or is killed half-way leaves the previous file whole.
//
// The environment variable ZEPHYRA_WRITE_FAULT is read once per process, at
// the first write; unset or empty, nothing is injected and the writes cost
// nothing more. When set, one line on stderr says what is injected (or that
// the value is not understood and nothing is). Its value is
//
//   KIND          every write
//   KIND@N        only write N
//   KIND@N-M      writes N to M
//   KIND@N-       write N and every later one
//
// where writes are counted from 1 over the whole process: each replacement
// through AtomicFile (WriteFileAtomically, File::OpenDirect with "w") is
// one, and so is each ReplaceFile. In the game the first write is the log
// file's creation (debug.txt); a saved options file, highscore file or
// savegame text is three (the plain text, the scrambled text, the rename
// into place), a savegame's picture one more. KIND is
//
//   open     the temporary file cannot be made (EACCES)
//   short    the first block that reaches the file is cut in half and the
//            stream fails, as on a full disk (ENOSPC)
//   sync     flushing the file to the disk fails (EIO)
//   rename   the rename over the target fails (EIO)
//   slow:MS  each block written and each commit first waits MS milliseconds,
//            which widens the moments in which a killed save stops half-way
//
// `open`, `short` and `sync` have nothing to act on in a ReplaceFile.

#include <climits>
#include <optional>
#include <string>
#include <string_view>

struct WriteFault {
    enum class Kind { none, open, cut, sync, rename, slow };

    Kind kind = Kind::none;
    int milliseconds = 0; // for slow
    int first = 1;        // the writes it acts on, counted from 1
    int last = INT_MAX;

    // A fault as ZEPHYRA_WRITE_FAULT spells it; nothing when it is not one.
    static std::optional<WriteFault> Parse(std::string_view text);
    std::string Describe() const;
};

namespace write_faults {

// Replaces what the environment said (tests): from now on `fault` is
// injected, with the count of writes started again; a fault of kind none
// injects nothing.
void Set(const WriteFault& fault);

// Injects a fault while it lives (tests), counting writes from 1 again;
// afterwards nothing is injected.
class InjectedWriteFault {
public:
    explicit InjectedWriteFault(const WriteFault& fault) { Set(fault); }
    ~InjectedWriteFault() { Set({}); }
    InjectedWriteFault(const InjectedWriteFault&) = delete;
    InjectedWriteFault& operator=(const InjectedWriteFault&) = delete;
};

// Counts one write and gives the fault that acts on it, kind none for most.
WriteFault NextWrite();

// Waits the milliseconds of a slow fault.
void Wait(const WriteFault& fault);

} // namespace write_faults
