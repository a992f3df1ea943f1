#pragma once

#include "FileHandler.h"

#include <cstdint>

class File;

// One member of datafile.dat, read in place from the archive's one stream.
// Every read is clamped to the member, so nothing beyond it is ever read.
class DataFileHandler final : public FileHandler {
public:
    bool Open(const char* name, const char* mode) override;
    bool Close() override;
    bool IsOpen() const override { return archive != nullptr; }
    int Read(void* buffer, int count) override;
    int Write(const void* buffer, int count) override;
    bool IsEOF() const override { return position >= size; }
    int Tell() const override { return static_cast<int>(position); }
    void Seek(int offset, int mode) override;
    int GetSize() override { return static_cast<int>(size); }
    // Like fgets within the member; the line end (CR and LF) is stripped.
    char* ReadLine(char* buffer, int maxCount) override;
    bool ReadLine(std::string& line, std::size_t maximumLength) override;
    void Print(const char* text) override;
    std::FILE* GetHandle() override;

private:
    void SeekArchive();

    File* archive = nullptr;
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
    std::int64_t position = 0;
};
