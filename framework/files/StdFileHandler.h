#pragma once

#include "AtomicFile.h"
#include "FileHandler.h"

// Whether an open stream is a plain file (not a folder or a device).
bool IsRegularFile(std::FILE* stream);

// A disk file through a stdio stream. Writing with "w" goes to a temporary
// file that replaces the target on Close. Close reports, and logs with the
// reason, a write that did not reach the disk; after a failed write the
// target of a "w" file stays as it was.
class StdFileHandler final : public FileHandler {
public:
    ~StdFileHandler() override;

    bool Open(const char* name, const char* mode) override;
    bool Close() override;
    bool IsOpen() const override { return stream != nullptr; }
    int Read(void* buffer, int count) override;
    int Write(const void* buffer, int count) override;
    bool IsEOF() const override;
    int Tell() const override;
    void Seek(int offset, int mode) override;
    int GetSize() override;
    char* ReadLine(char* buffer, int maxCount) override;
    bool ReadLine(std::string& line, std::size_t maximumLength) override;
    void Print(const char* text) override;
    std::FILE* GetHandle() override { return stream; }

private:
    // Keeps the errno of the first write that fell short.
    void NoteShortWrite();

    std::FILE* stream = nullptr;
    std::string name;  // as the game spelled it, for the log
    bool writing = false;
    int writeError = 0;
    AtomicFile replacement; // holds the stream while replacing a file
};
