#include "StdFileHandler.h"

#include "HostPath.h"
#include "LineEnd.h"

#include <cstring>

StdFileHandler::~StdFileHandler()
{
    Close();
}

bool StdFileHandler::Open(const char* name, const char* mode)
{
    Close();
    const bool writing = std::strchr(mode, 'w') != nullptr || std::strchr(mode, 'a') != nullptr;
    const bool replacing = std::strchr(mode, 'w') != nullptr && std::strchr(mode, '+') == nullptr;
    const std::string hostPath = writing ? HostPathForWriting(name) : HostPath(name);
    if (replacing) {
        if (!replacement.Open(hostPath, std::strchr(mode, 'b') != nullptr))
            return false;
        stream = replacement.GetStream();
        return true;
    }
    stream = std::fopen(hostPath.c_str(), mode);
    return stream != nullptr;
}

bool StdFileHandler::Close()
{
    if (stream == replacement.GetStream() && stream != nullptr)
        replacement.Commit();
    else if (stream != nullptr)
        std::fclose(stream);
    stream = nullptr;
    return true;
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
    return static_cast<int>(std::fwrite(buffer, 1, static_cast<std::size_t>(count), stream));
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
    bool readSomething = false;
    char chunk[4096];
    while (std::fgets(chunk, sizeof(chunk), stream) != nullptr) {
        readSomething = true;
        std::size_t length = std::strlen(chunk);
        const bool complete = length > 0 && chunk[length - 1] == '\n';
        if (complete)
            --length;
        AppendBounded(line, chunk, length, maximumLength + 1); // + 1 keeps a CR before the cut
        if (complete)
            break;
    }
    FinishLine(line, maximumLength);
    return readSomething;
}

void StdFileHandler::Print(const char* text)
{
    if (stream != nullptr)
        std::fputs(text, stream);
}
