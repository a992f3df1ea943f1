#pragma once

// The dance contest's choreography: the move expected on each of the 128
// beats of a round, read from data\level07\dancemoves.txt. The file holds
// whitespace-separated whole numbers, one per beat in order (line breaks
// mean nothing): 1 to 8 for a move, the eight directions clockwise from up
// (1 up, 2 up right, 3 right, ... 8 up left), or -1 for a beat without one.
//
// A file with anything else in it is refused whole and the table stays as
// it was; a short file leaves its missing beats without a move, and numbers
// past the last beat are left out; both say so in the log.

#include <array>
#include <string_view>

class DanceMoves {
public:
    static constexpr int beatCount = 128;
    static constexpr int noMove = -1;
    static constexpr const char* fileName = "data\\level07\\dancemoves.txt";

    using Table = std::array<int, beatCount>;

    // Every beat without a move until a file is read.
    DanceMoves();

    // False when the file cannot be opened or is refused.
    bool Load(const char* path = fileName);
    // The same for the file's bytes.
    bool Parse(std::string_view text);

    // The move number on a beat, or noMove (also for a beat outside the
    // round).
    int GetMove(int beat) const;
    const Table& GetTable() const { return table; }
    // How many beats have a move.
    int CountMoves() const;

private:
    Table table;
};
