#pragma once

#include "WriteFaults.h"

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// Replacing a file so that a crash or a power cut leaves either the old file
// or the new one: the new content goes to a temporary file in the same
// folder, "<target>.tmp-XXXXXX", is flushed to the disk, and is then renamed
// over the target. The temporary file is locked while it is written, so a
// process that finds one unlocked knows its writer is gone
// (RemoveStaleTemporaries). Failures can be injected for tests
// (WriteFaults.h).
class AtomicFile {
public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    // Opens the temporary file for `hostPath`; false when it cannot be made.
    bool Open(const std::string& hostPath, bool binary);
    std::FILE* GetStream() const { return stream; }
    // Flushes, syncs and renames the temporary file over the target; the
    // destructor does this too. False, with the target as it was, when any
    // write to the stream or any of these steps failed.
    bool Commit();
    // Drops the temporary file; the target stays as it was.
    void Abandon();
    // The errno of the step that made the last Open or Commit fail.
    int GetError() const { return error; }

private:
    bool Fail(int errorNumber);

    std::FILE* stream = nullptr;
    int descriptor = -1; // the stream's, also when it is not a plain one
    WriteFault fault;
    std::string target;
    std::string temporary;
    int error = 0;
};

// False with the errno in `error` (when given) when the file cannot be
// written.
bool WriteFileAtomically(const std::string& hostPath, const void* bytes, std::size_t count, int* error = nullptr);

// Puts a finished file (game path) in the place of another in one step,
// the folder's entry made durable; false when it cannot.
bool ReplaceFile(const char* finishedPath, const char* targetPath);

// Removes the temporary files of replacements that never finished (their
// process was killed) from a host folder: names "<target>.tmp-XXXXXX" whose
// target `isOurs` accepts and that no running writer holds locked. Returns
// the names removed.
std::vector<std::string> RemoveStaleTemporaries(const std::string& hostFolder,
                                                const std::function<bool(const std::string& target)>& isOurs);
