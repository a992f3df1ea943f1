// A choreography file is read whole or refused: whatever the bytes, the
// table afterwards holds only move numbers and rests, and a refused file
// leaves the table as it was.

#include "DanceMoves.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    DanceMoves moves;
    if (!moves.Parse("1 2 3 4 5 6 7 8"))
        __builtin_trap();
    const DanceMoves::Table before = moves.GetTable();
    const bool read = moves.Parse(text);
    if (!read && moves.GetTable() != before)
        __builtin_trap(); // a refused file changed the table
    if (!std::all_of(moves.GetTable().begin(), moves.GetTable().end(),
                     [](int move) { return move == DanceMoves::noMove || (move >= 1 && move <= 8); }))
        __builtin_trap();
    return 0;
}
