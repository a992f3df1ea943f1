#pragma once

#include "AtomicFile.h"
#include "FileHandler.h"

// A disk file through a stdio stream. Writing with "w" goes to a temporary
// file that replaces the target on Close.
// Whether an open stream is a plain file (not a folder or a device).
bool IsRegularFile(std::FILE* stream);

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
    std::FILE* stream = nullptr;
    AtomicFile replacement; // holds the stream while replacing a file
};
