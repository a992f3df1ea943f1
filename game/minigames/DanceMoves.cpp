#include "DanceMoves.h"

#include "app/Debug.h"
#include "files/File.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace {

// Eight numbers a line for 128 beats need not 2 KiB; anything near this
// bound is not a choreography.
constexpr int largestFile = 64 * 1024;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The whole token as a move number or noMove; false for anything else.
bool ReadMove(std::string_view token, int& move)
{
    int value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size())
        return false;
    if (value != DanceMoves::noMove && (value < 1 || value > 8))
        return false;
    move = value;
    return true;
}

} // namespace

DanceMoves::DanceMoves()
{
    table.fill(noMove);
}

bool DanceMoves::Load(const char* path)
{
    File file;
    if (!file.Open(path, "rb")) {
        LogError("CRuvIdLevelTanzen::LoadDanceMoves: Failed to open dancemoves.txt!\n");
        return false;
    }
    const int size = file.GetSize();
    if (size < 0 || size > largestFile) {
        LogError("RuvIdLevelTanzen::LoadDanceMoves: <%s> is no choreography (%d bytes), refused!\n", path, size);
        return false;
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    const int read = file.Read(text.data(), size);
    text.resize(static_cast<std::size_t>(std::max(read, 0)));
    return Parse(text);
}

bool DanceMoves::Parse(std::string_view text)
{
    Table read;
    read.fill(noMove);
    int count = 0;
    std::size_t position = 0;
    while (position < text.size()) {
        while (position < text.size() && IsSpace(text[position]))
            ++position;
        std::size_t end = position;
        while (end < text.size() && !IsSpace(text[end]))
            ++end;
        if (end == position)
            break;
        const std::string_view token = text.substr(position, end - position);
        position = end;
        int move = noMove;
        if (!ReadMove(token, move)) {
            LogError("RuvIdLevelTanzen::LoadDanceMoves: Beat %d is <%.*s>, not a move from 1 to 8 or -1: "
                     "dancemoves.txt refused!\n",
                     count + 1, static_cast<int>(std::min<std::size_t>(token.size(), 40)), token.data());
            return false;
        }
        if (count < beatCount)
            read[static_cast<std::size_t>(count)] = move;
        ++count;
    }
    if (count < beatCount)
        LogWarning("RuvIdLevelTanzen::LoadDanceMoves: dancemoves.txt has %d of %d beats, the rest have no move\n",
                   count, beatCount);
    else if (count > beatCount)
        LogWarning("RuvIdLevelTanzen::LoadDanceMoves: dancemoves.txt has %d beats, the %d after beat %d are left out\n",
                   count, count - beatCount, beatCount);
    table = read;
    return true;
}

int DanceMoves::GetMove(int beat) const
{
    if (beat < 0 || beat >= beatCount)
        return noMove;
    return table[static_cast<std::size_t>(beat)];
}

int DanceMoves::CountMoves() const
{
    return static_cast<int>(std::count_if(table.begin(), table.end(), [](int move) { return move != noMove; }));
}
