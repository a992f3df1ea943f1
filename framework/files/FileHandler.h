#pragma once

#include <cstdio>
#include <string>

// One way of reaching the bytes of one open file. A File owns exactly one
// handler while it is open. Seek modes: 0 from the start, 1 from the current
// position, 2 from the end.
class FileHandler {
public:
    FileHandler() = default;
    FileHandler(const FileHandler&) = delete;
    FileHandler& operator=(const FileHandler&) = delete;
    virtual ~FileHandler() = default;

    virtual bool Open(const char* name, const char* mode) = 0;
    virtual bool Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual int Read(void* buffer, int count) = 0;
    virtual int Write(const void* buffer, int count) = 0;
    virtual bool IsEOF() const = 0;
    virtual int Tell() const = 0;
    virtual void Seek(int offset, int mode) = 0;
    virtual int GetSize() = 0;
    // Reads one line of at most maxCount bytes into a buffer that must hold
    // maxCount + 1 (a memory file writes its terminating NUL there); see each
    // handler for what the result and the line end look like.
    virtual char* ReadLine(char* buffer, int maxCount) = 0;
    virtual void Print(const char* text) = 0;
    // The stdio stream positioned at the handler's position, or null.
    virtual std::FILE* GetHandle() = 0;
    // Reads one whole line without its line feed (and without a carriage
    // return before it), keeping at most maximumLength bytes and skipping
    // the rest of a longer line; false at the end, when nothing is left.
    virtual bool ReadLine(std::string& line, std::size_t maximumLength) = 0;
};
