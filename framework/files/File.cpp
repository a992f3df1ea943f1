#include "File.h"

#include "DataFile.h"
#include "DataFileHandler.h"
#include "HostPath.h"
#include "MemFileHandler.h"
#include "StdFileHandler.h"
#include "app/Debug.h"

#include <cstdarg>
#include <cstring>
#include <sys/stat.h>

namespace {

// Seconds between 1601-01-01 (Windows file times) and 1970-01-01.
constexpr std::uint64_t windowsEpochOffsetSeconds = 11644473600ull;

bool EndsWithTxt(const char* name)
{
    const std::size_t length = std::strlen(name);
    return length >= 3 && LowerCaseWindows1252(std::string_view(name + length - 3, 3)) == "txt";
}

} // namespace

File::~File() = default;

bool File::OpenWith(std::unique_ptr<FileHandler> newHandler, const char* name, const char* mode)
{
    if (name == nullptr || mode == nullptr || !newHandler->Open(name, mode))
        return false;
    handler = std::move(newHandler);
    return true;
}

bool File::Open(const char* name, const char* mode)
{
    handler.reset();
    if (!DataFile::GetInstance().IsAvailable())
        return OpenWith(std::make_unique<StdFileHandler>(), name, mode);
    if (mode != nullptr && std::strchr(mode, 'w') != nullptr) {
        LogError("File::Open: Can't write to Datafile!\n");
        return false;
    }
    if (name != nullptr && EndsWithTxt(name))
        return OpenWith(std::make_unique<MemFileHandler>(), name, mode);
    return OpenWith(std::make_unique<DataFileHandler>(), name, mode);
}

bool File::OpenDirect(const char* name, const char* mode)
{
    handler.reset();
    return OpenWith(std::make_unique<StdFileHandler>(), name, mode);
}

bool File::OpenMemory(const char* name, const char* mode)
{
    handler.reset();
    return OpenWith(std::make_unique<MemFileHandler>(), name, mode);
}

bool File::Close()
{
    const bool closed = !handler || handler->Close();
    handler.reset();
    return closed;
}

bool File::IsOpen() const
{
    return handler && handler->IsOpen();
}

int File::Read(void* buffer, int count)
{
    return handler ? handler->Read(buffer, count) : 0;
}

int File::Write(const void* buffer, int count)
{
    return handler ? handler->Write(buffer, count) : 0;
}

bool File::IsEOF() const
{
    return !handler || handler->IsEOF();
}

int File::Tell() const
{
    return handler ? handler->Tell() : 0;
}

void File::Seek(int offset, int mode)
{
    if (handler)
        handler->Seek(offset, mode);
}

int File::GetSize()
{
    return handler ? handler->GetSize() : 0;
}

char* File::ReadLine(char* buffer, int maxCount)
{
    return handler ? handler->ReadLine(buffer, maxCount) : nullptr;
}

bool File::ReadLine(std::string& line, std::size_t maximumLength)
{
    line.clear();
    return handler && handler->ReadLine(line, maximumLength);
}

std::FILE* File::GetHandle()
{
    return handler ? handler->GetHandle() : nullptr;
}

void File::Printf(const char* format, ...)
{
    if (!handler)
        return;
    char buffer[printBufferSize];
    std::va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(buffer, sizeof(buffer), format, arguments);
    va_end(arguments);
    if (length >= printBufferSize)
        LogWarning("File::Printf: text of %d bytes cut at %d\n", length, printBufferSize - 1);
    if (length >= 0)
        handler->Print(buffer);
}

StringTokens File::ReadTokens()
{
    std::string line;
    ReadLine(line, lineBufferSize - 1);
    return StringTokens(line);
}

int File::GetFileSize(const char* name)
{
    File file;
    if (!file.Open(name, "rb"))
        return 0;
    return file.GetSize();
}

bool File::Exists(const char* name)
{
    File file;
    return file.Open(name, "rb");
}

bool File::ExistsOnDisk(const char* name)
{
    struct stat status{};
    return name != nullptr && ::stat(HostPath(name).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::uint64_t File::GetFileTime(const char* name)
{
    const std::string hostPath = HostPath(name);
    std::FILE* stream = std::fopen(hostPath.c_str(), "rb");
    if (stream == nullptr) {
        LogWarning("File::GetFileTime: Failed to open file <%s>!\n", name);
        return 0;
    }
    struct stat status{};
    const bool known = ::fstat(::fileno(stream), &status) == 0;
    std::fclose(stream);
    if (!known) {
        LogError("File::GetFileTime: GetFileTime() failed!\n");
        return 0;
    }
    return (static_cast<std::uint64_t>(status.st_mtim.tv_sec) + windowsEpochOffsetSeconds) * 10'000'000ull +
           static_cast<std::uint64_t>(status.st_mtim.tv_nsec) / 100;
}
