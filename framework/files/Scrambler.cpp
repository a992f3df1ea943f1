#include "Scrambler.h"

#include "AtomicFile.h"
#include "HostPath.h"

#include <cstdint>
#include <fstream>
#include <iterator>
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
    const std::string hostPath = HostPath(path);
    std::ifstream input(hostPath, std::ios::binary);
    if (!input)
        return false;
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(input)), std::istreambuf_iterator<char>());
    if (input.bad())
        return false;
    input.close();
    ScrambleBuffer(bytes.data(), bytes.size());
    return WriteFileAtomically(hostPath, bytes.data(), bytes.size());
}
