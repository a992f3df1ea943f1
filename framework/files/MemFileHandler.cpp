#include "MemFileHandler.h"

#include "DataFile.h"
#include "HostPath.h"
#include "LineEnd.h"
#include "Scrambler.h"
#include "app/Debug.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <sys/stat.h>

namespace {

// Reads the rest of a stream, as much as is really there but no more than
// limit + 1 bytes (so that more than the limit shows); false when the
// stream fails.
bool ReadAtMost(std::FILE* stream, std::size_t limit, std::vector<unsigned char>& data)
{
    constexpr std::size_t chunkSize = 1 << 16;
    data.clear();
    while (data.size() <= limit) {
        const std::size_t used = data.size();
        const std::size_t wanted = std::min(chunkSize, limit + 1 - used);
        data.resize(used + wanted);
        const std::size_t read = std::fread(data.data() + used, 1, wanted, stream);
        data.resize(used + read);
        if (read < wanted)
            return std::ferror(stream) == 0;
    }
    return true;
}

} // namespace

bool MemFileHandler::Open(const char* name, const char*)
{
    Close();
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
    if (File* archive = DataFile::GetInstance().Find(name, offset, size)) {
        if (size > maximumSize) {
            LogError("MemFileHandler::Open: More than %zu bytes <%s>\n", maximumSize, name);
            return false;
        }
        data.resize(static_cast<std::size_t>(size) + 1);
        std::fseek(archive->GetHandle(), static_cast<long>(offset), SEEK_SET);
        if (std::fread(data.data(), 1, size, archive->GetHandle()) != size) {
            data.clear();
            return false;
        }
        DescrambleBuffer(data.data(), size);
        data[size] = '\n';
    } else {
        std::FILE* file = std::fopen(HostPath(name).c_str(), "rb");
        if (file == nullptr)
            return false;
        struct stat status{};
        // The size the folder reports is only a first hint: what counts is
        // what can be read.
        const bool regular = ::fstat(::fileno(file), &status) == 0 && S_ISREG(status.st_mode);
        bool tooLarge = regular && static_cast<std::uint64_t>(status.st_size) > maximumSize;
        const bool read = regular && !tooLarge && ReadAtMost(file, maximumSize, data);
        std::fclose(file);
        tooLarge = tooLarge || data.size() > maximumSize;
        if (tooLarge)
            LogError("MemFileHandler::Open: More than %zu bytes <%s>\n", maximumSize, name);
        if (!read || tooLarge) {
            data.clear();
            return false;
        }
        DescrambleBuffer(data.data(), data.size());
    }
    open = true;
    return true;
}

bool MemFileHandler::Close()
{
    data.clear();
    data.shrink_to_fit();
    position = 0;
    endOfFile = false;
    open = false;
    return true;
}

int MemFileHandler::Read(void* buffer, int count)
{
    if (count < 0)
        count = 0;
    const std::size_t available = position < data.size() ? data.size() - position : 0;
    const std::size_t copied = std::min(static_cast<std::size_t>(count), available);
    if (copied > 0)
        std::memcpy(buffer, data.data() + position, copied);
    position += copied;
    if (copied < static_cast<std::size_t>(count))
        endOfFile = true;
    return static_cast<int>(copied);
}

int MemFileHandler::Write(const void*, int)
{
    LogError("MemFileHandler::Write: Impossible to write to Memfile!\n");
    return 0;
}

void MemFileHandler::Print(const char*)
{
    LogError("MemFileHandler::Write: Impossible to print to Datafile!\n");
}

void MemFileHandler::Seek(int offset, int mode)
{
    endOfFile = false;
    std::int64_t target = static_cast<std::int64_t>(position);
    if (mode == 0)
        target = offset;
    else if (mode == 1)
        target += offset;
    else if (mode == 2)
        target = static_cast<std::int64_t>(data.size()) + offset;
    position = static_cast<std::size_t>(std::clamp<std::int64_t>(target, 0, static_cast<std::int64_t>(data.size())));
}

bool MemFileHandler::ReadLine(std::string& line, std::size_t maximumLength)
{
    line.clear();
    if (position >= data.size()) {
        endOfFile = true;
        return false;
    }
    const auto* begin = data.data() + position;
    const auto* lineFeed = static_cast<const unsigned char*>(std::memchr(begin, '\n', data.size() - position));
    const std::size_t length = lineFeed != nullptr ? static_cast<std::size_t>(lineFeed - begin) : data.size() - position;
    line.assign(reinterpret_cast<const char*>(begin), std::min(length, maximumLength + 1));
    position += lineFeed != nullptr ? length + 1 : length;
    if (lineFeed == nullptr)
        endOfFile = true;
    FinishLine(line, maximumLength);
    return true;
}

char* MemFileHandler::ReadLine(char* buffer, int maxCount)
{
    if (maxCount < 0)
        maxCount = 0;
    const std::size_t start = position;
    const bool endBefore = endOfFile;
    const int read = Read(buffer, maxCount);
    const void* lineFeed = std::memchr(buffer, '\n', static_cast<std::size_t>(read));
    const int lineLength = lineFeed != nullptr ? static_cast<int>(static_cast<const char*>(lineFeed) - buffer) : read;
    position = start;
    endOfFile = endBefore;
    Read(buffer, lineLength + 1);
    buffer[lineLength] = '\0';
    if (lineLength > 0 && buffer[lineLength - 1] == '\r')
        buffer[lineLength - 1] = '\0';
    return buffer;
}
