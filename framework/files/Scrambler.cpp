#include "Scrambler.h"

#include "File.h"
#include "app/Debug.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr std::uint16_t startState = 0x7A5E;

constexpr unsigned char SwapPairs(unsigned char byte)
{
    return static_cast<unsigned char>(((byte >> 1) & 0x55) | ((byte << 1) & 0xAA));
}

constexpr std::uint16_t NextState(std::uint16_t state)
{
    return static_cast<std::uint16_t>(3 * state + 2);
}

} // namespace

void ScrambleBuffer(unsigned char* bytes, std::size_t count)
{
    std::uint16_t state = startState;
    for (std::size_t index = 0; index < count; ++index) {
        bytes[index] = static_cast<unsigned char>(SwapPairs(bytes[index]) ^ (state & 0xFF));
        state = NextState(state);
    }
}

void DescrambleBuffer(unsigned char* bytes, std::size_t count)
{
    std::uint16_t state = startState;
    for (std::size_t index = 0; index < count; ++index) {
        bytes[index] = SwapPairs(static_cast<unsigned char>(bytes[index] ^ (state & 0xFF)));
        state = NextState(state);
    }
}

bool ScrambleFile(const char* path)
{
    File file;
    if (!file.OpenDirect(path, "rb"))
        return false;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(std::max(file.GetSize(), 0)));
    // The size is an int: a file larger than that must not be replaced by a
    // scrambled copy of its first bytes, so the read has to end at the end.
    unsigned char beyond = 0;
    const bool read = file.Read(bytes.data(), static_cast<int>(bytes.size())) == static_cast<int>(bytes.size()) &&
                      file.Read(&beyond, 1) == 0;
    file.Close();
    if (!read) {
        LogError("ScrambleFile: Failed to read <%s> whole!\n", path);
        return false;
    }
    ScrambleBuffer(bytes.data(), bytes.size());
    // The scrambled bytes replace the file only when all of them reached the
    // disk; otherwise the file stays as it was.
    if (!file.OpenDirect(path, "wb"))
        return false;
    const bool written = file.Write(bytes.data(), static_cast<int>(bytes.size())) == static_cast<int>(bytes.size());
    return file.Close() && written;
}
