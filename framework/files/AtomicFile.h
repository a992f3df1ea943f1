#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Replacing a file so that a crash or a power cut leaves either the old file
// or the new one: the new content goes to a temporary file in the same
// folder, is flushed to the disk, and is then renamed over the target.
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
    // destructor does this too.
    bool Commit();
    // Drops the temporary file; the target stays as it was.
    void Abandon();

private:
    std::FILE* stream = nullptr;
    std::string target;
    std::string temporary;
};

bool WriteFileAtomically(const std::string& hostPath, const void* bytes, std::size_t count);

// Puts a finished file (game path) in the place of another in one step,
// the folder's entry made durable; false when it cannot.
bool ReplaceFile(const char* finishedPath, const char* targetPath);
