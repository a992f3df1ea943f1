#include "DataFileHandler.h"

#include "DataFile.h"
#include "LineEnd.h"
#include "app/Debug.h"

#include <algorithm>
#include <cstring>

bool DataFileHandler::Open(const char* name, const char*)
{
    archive = DataFile::GetInstance().Find(name, offset, size);
    position = 0;
    return archive != nullptr;
}

bool DataFileHandler::Close()
{
    archive = nullptr;
    return true;
}

void DataFileHandler::SeekArchive()
{
    const std::int64_t inside = std::clamp<std::int64_t>(position, 0, size);
    std::fseek(archive->GetHandle(), static_cast<long>(offset + inside), SEEK_SET);
}

int DataFileHandler::Read(void* buffer, int count)
{
    if (archive == nullptr || count <= 0 || position < 0 || position >= size)
        return 0;
    const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(count, size - position));
    SeekArchive();
    const std::size_t read = std::fread(buffer, 1, wanted, archive->GetHandle());
    position += static_cast<std::int64_t>(read);
    return static_cast<int>(read);
}

int DataFileHandler::Write(const void*, int)
{
    LogError("DataFileHandler::Write: Impossible to write to Datafile!\n");
    return 0;
}

void DataFileHandler::Print(const char*)
{
    LogError("DataFileHandler::Write: Impossible to print to Datafile!\n");
}

void DataFileHandler::Seek(int seekOffset, int mode)
{
    switch (mode) {
    case 0: position = seekOffset; break;
    case 1: position += seekOffset; break;
    case 2: position = static_cast<std::int64_t>(size) + seekOffset; break;
    default:
        LogError("DataFileHandler::Seek: unknown mode(%d)\n", mode);
        return;
    }
    // Before the member's start is its start, as for a stdio stream that
    // refuses such a seek.
    position = std::max<std::int64_t>(position, 0);
    if (archive != nullptr)
        SeekArchive();
}

char* DataFileHandler::ReadLine(char* buffer, int maxCount)
{
    if (archive == nullptr || maxCount <= 1 || position < 0 || position >= size)
        return nullptr;
    // At most maxCount - 1 bytes, never past the member's end, up to and
    // including the first line feed.
    const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(maxCount - 1, size - position));
    SeekArchive();
    const std::size_t read = std::fread(buffer, 1, wanted, archive->GetHandle());
    if (read == 0)
        return nullptr;
    const void* lineFeed = std::memchr(buffer, '\n', read);
    const std::size_t used = lineFeed != nullptr ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - buffer) + 1 : read;
    buffer[used] = '\0';
    position += static_cast<std::int64_t>(used);
    std::size_t length = used;
    while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r'))
        buffer[--length] = '\0';
    return buffer;
}

bool DataFileHandler::ReadLine(std::string& line, std::size_t maximumLength)
{
    line.clear();
    if (archive == nullptr || position < 0 || position >= size)
        return false;
    char chunk[4096];
    while (position < size) {
        const int read = Read(chunk, sizeof(chunk));
        if (read <= 0)
            break;
        const void* lineFeed = std::memchr(chunk, '\n', static_cast<std::size_t>(read));
        if (lineFeed != nullptr) {
            const auto length = static_cast<const char*>(lineFeed) - chunk;
            AppendBounded(line, chunk, static_cast<std::size_t>(length), maximumLength + 1);
            position -= read - (length + 1); // give back what follows the line
            break;
        }
        AppendBounded(line, chunk, static_cast<std::size_t>(read), maximumLength + 1);
    }
    FinishLine(line, maximumLength);
    return true;
}

std::FILE* DataFileHandler::GetHandle()
{
    if (archive == nullptr)
        return nullptr;
    SeekArchive();
    return archive->GetHandle();
}
