#include "StdFileHandler.h"

#include "HostPath.h"
#include "LineEnd.h"
#include "app/Debug.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

bool IsRegularFile(std::FILE* stream)
{
    struct stat status{};
    return ::fstat(::fileno(stream), &status) == 0 && S_ISREG(status.st_mode);
}

StdFileHandler::~StdFileHandler()
{
    Close();
}

bool StdFileHandler::Open(const char* fileName, const char* mode)
{
    Close();
    name = fileName;
    writing = std::strpbrk(mode, "wa+") != nullptr;
    writeError = 0;
    const bool creating = std::strpbrk(mode, "wa") != nullptr;
    const bool replacing = std::strchr(mode, 'w') != nullptr && std::strchr(mode, '+') == nullptr;
    const std::string hostPath = creating ? HostPathForWriting(fileName) : HostPath(fileName);
    if (replacing) {
        if (!replacement.Open(hostPath, std::strchr(mode, 'b') != nullptr))
            return false;
        stream = replacement.GetStream();
        return true;
    }
    stream = std::fopen(hostPath.c_str(), mode);
    if (stream != nullptr && !IsRegularFile(stream)) {
        // A folder opens as a stream too, but has no bytes to read.
        std::fclose(stream);
        stream = nullptr;
    }
    return stream != nullptr;
}

bool StdFileHandler::Close()
{
    if (stream == nullptr)
        return true;
    int failure = writeError;
    if (stream == replacement.GetStream()) {
        if (failure != 0)
            replacement.Abandon();
        else if (!replacement.Commit())
            failure = replacement.GetError();
    } else {
        if (writing && failure == 0 && std::ferror(stream) != 0)
            failure = EIO;
        if (writing && failure == 0 && std::fflush(stream) != 0)
            failure = errno;
        if (std::fclose(stream) != 0 && writing && failure == 0)
            failure = errno;
    }
    stream = nullptr;
    if (failure == 0)
        return true;
    LogError("StdFileHandler::Close: Failed to write <%s>: %s\n", name.c_str(), std::strerror(failure));
    errno = failure; // for a caller that has to say why elsewhere
    return false;
}

void StdFileHandler::NoteShortWrite()
{
    if (writeError == 0)
        writeError = errno != 0 ? errno : EIO;
}

int StdFileHandler::Read(void* buffer, int count)
{
    if (stream == nullptr || count <= 0)
        return 0;
    return static_cast<int>(std::fread(buffer, 1, static_cast<std::size_t>(count), stream));
}

int StdFileHandler::Write(const void* buffer, int count)
{
    if (stream == nullptr || count <= 0)
        return 0;
    const std::size_t written = std::fwrite(buffer, 1, static_cast<std::size_t>(count), stream);
    if (written != static_cast<std::size_t>(count))
        NoteShortWrite();
    return static_cast<int>(written);
}

bool StdFileHandler::IsEOF() const
{
    return stream == nullptr || std::feof(stream) != 0;
}

int StdFileHandler::Tell() const
{
    return stream != nullptr ? static_cast<int>(std::ftell(stream)) : 0;
}

void StdFileHandler::Seek(int offset, int mode)
{
    if (stream != nullptr)
        std::fseek(stream, offset, mode);
}

int StdFileHandler::GetSize()
{
    if (stream == nullptr)
        return 0;
    const long position = std::ftell(stream);
    std::fseek(stream, 0, SEEK_END);
    const long size = std::ftell(stream);
    std::fseek(stream, position, SEEK_SET);
    return static_cast<int>(size);
}

char* StdFileHandler::ReadLine(char* buffer, int maxCount)
{
    if (stream == nullptr || maxCount <= 0)
        return nullptr;
    return std::fgets(buffer, maxCount, stream);
}

bool StdFileHandler::ReadLine(std::string& line, std::size_t maximumLength)
{
    line.clear();
    if (stream == nullptr)
        return false;
    // Byte by byte (stdio buffers), so that a NUL inside a line is just a
    // byte and never hides the line feed after it.
    bool readSomething = false;
    int character;
    while ((character = getc_unlocked(stream)) != EOF) {
        readSomething = true;
        if (character == '\n')
            break;
        if (line.size() <= maximumLength) // one more keeps a CR before the cut
            line += static_cast<char>(character);
    }
    FinishLine(line, maximumLength);
    return readSomething;
}

void StdFileHandler::Print(const char* text)
{
    if (stream != nullptr && std::fputs(text, stream) == EOF)
        NoteShortWrite();
}
