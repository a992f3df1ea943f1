#pragma once

// The file layer. Every file the game touches goes through a File:
//   - File::Open reads from datafile.dat when the archive was found at start
//     (text members whole into memory and descrambled, other members in
//     place from the one archive stream), else from disk. With the archive
//     present nothing can be written through Open, and a missing image or
//     sound is missing (no fallback to disk), while a missing .txt member is
//     looked for on disk.
//   - File::OpenDirect always works on disk; every write goes through it. A
//     file opened with "w" (and no "+") is written to a temporary file that
//     replaces the target when the file is closed. Close says whether what
//     was written reached the disk (a full disk, a vanished folder): a
//     writer checks it before it goes on, and the failure is in the log
//     with the file's name and the reason.
//   - File::OpenMemory reads a whole file into memory and descrambles it
//     (options, highscores, savegames).
// Names are spelled as on Windows (see HostPath.h). Main thread only.

#include "FileHandler.h"
#include "StringTokens.h"

#include <cstdint>
#include <memory>
#include <string>

class File {
public:
    static constexpr int printBufferSize = 16384;
    static constexpr int lineBufferSize = 1000;

    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    bool Open(const char* name, const char* mode);
    bool OpenDirect(const char* name, const char* mode);
    bool OpenMemory(const char* name, const char* mode);
    // False when written bytes did not reach the disk (then a "w" file's
    // target stays as it was); true for every file only read.
    bool Close();
    bool IsOpen() const;

    int Read(void* buffer, int count);
    int Write(const void* buffer, int count);
    bool IsEOF() const;
    int Tell() const;
    void Seek(int offset, int mode);
    int GetSize();
    char* ReadLine(char* buffer, int maxCount);
    // One whole line without its line end, cut to `maximumLength` bytes (the
    // rest of a longer line is skipped); false at the end of the file.
    bool ReadLine(std::string& line, std::size_t maximumLength);
    // Formats and writes the text; output is cut at 16383 bytes.
    void Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    std::FILE* GetHandle();
    // The next line (at most 999 characters, one trailing line feed removed)
    // split at spaces and tabs.
    StringTokens ReadTokens();

    static int GetFileSize(const char* name);
    // Whether the file can be opened for reading: with the archive in use,
    // whether the archive holds it (or, for a .txt name, the disk).
    static bool Exists(const char* name);
    // Whether the file is on the disk, archive or not: for the files the
    // game writes itself (savegames and their pictures).
    static bool ExistsOnDisk(const char* name);
    // The disk file's last write as a Windows file time (100 ns since 1601),
    // 0 on failure.
    static std::uint64_t GetFileTime(const char* name);

private:
    bool OpenWith(std::unique_ptr<FileHandler> handler, const char* name, const char* mode);

    std::unique_ptr<FileHandler> handler;
};
