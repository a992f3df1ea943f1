#pragma once

#include "FileHandler.h"

#include <vector>

// A whole file in memory, descrambled: a text member of the archive (with a
// line feed appended, as the archive's text members always end), or a disk
// file when the archive does not have it. Read only. Files larger than
// maximumSize (far beyond any text or savegame of the game) are refused.
class MemFileHandler final : public FileHandler {
public:
    static constexpr std::size_t maximumSize = 64u << 20;


    bool Open(const char* name, const char* mode) override;
    bool Close() override;
    bool IsOpen() const override { return open; }
    int Read(void* buffer, int count) override;
    int Write(const void* buffer, int count) override;
    bool IsEOF() const override { return endOfFile; }
    int Tell() const override { return static_cast<int>(position); }
    void Seek(int offset, int mode) override;
    int GetSize() override { return static_cast<int>(data.size()); }
    // Reads up to the next line feed; the line end is removed. Always returns
    // the buffer (which must hold maxCount + 1 bytes): the end of the data
    // shows only through IsEOF, and a read at the very end gives "".
    char* ReadLine(char* buffer, int maxCount) override;
    bool ReadLine(std::string& line, std::size_t maximumLength) override;
    void Print(const char* text) override;
    std::FILE* GetHandle() override { return nullptr; }

private:
    std::vector<unsigned char> data;
    std::size_t position = 0;
    bool endOfFile = false;
    bool open = false;
};
