#include "minigames/DanceChoreography.h"

#include "ContentFile.h"

#include <algorithm>
#include <array>
#include <string>

namespace content::minigames {

namespace {

constexpr int rest = -1;
constexpr std::size_t danceBeats = 128;

// The round starts twelve beats into the music, where one of its phrases
// of eight beats begins (music/WaiKiKi.txt), so each row here is one phrase.
// The straight steps (1, 3, 5, 7) last two beats and are followed by a
// rest; the diagonals (2, 4, 6, 8), pressed as two arrows at once, last one.
// A phrase ends on a rest, where the tune breathes.
constexpr std::array<int, danceBeats> danceMoves = {
    // The first verse: straight steps, two beats each, with room between.
    1, rest, rest, rest, 5, rest, rest, rest,
    3, rest, 7, rest, 1, rest, rest, rest,
    1, rest, 5, rest, 3, rest, 7, rest,
    5, rest, 1, rest, 7, rest, 3, rest,
    // The diagonals come in, then quicker pairs of them.
    2, rest, 8, rest, 2, 8, 1, rest,
    4, 6, 5, rest, 2, 8, 1, rest,
    3, rest, 2, 4, 6, 8, 7, rest,
    // The turnaround: a run round the compass.
    2, 4, 6, 8, 5, rest, rest, rest,
    // The second verse: runs of diagonals between the straight steps.
    2, 4, 3, rest, 6, 8, 7, rest,
    1, rest, 2, 4, 6, 8, 5, rest,
    3, rest, 4, 6, 5, rest, 8, rest,
    2, 8, 2, 8, 1, rest, 6, rest,
    4, 6, 4, 6, 5, rest, 2, rest,
    7, rest, 8, 2, 4, 6, 3, rest,
    2, 4, 6, 8, 2, 4, 6, rest,
    // The finale.
    8, 2, 4, 6, 1, rest, 5, rest,
};

constexpr bool IsLong(int move)
{
    return move == 1 || move == 3 || move == 5 || move == 7;
}

constexpr int StepCount()
{
    return static_cast<int>(std::ranges::count_if(danceMoves, [](int move) { return move != rest; }));
}

// Every entry a step or a rest; a long step's second beat free; each
// phrase ending on a rest.
constexpr bool WellFormed()
{
    for (std::size_t beat = 0; beat < danceMoves.size(); ++beat) {
        const int move = danceMoves[beat];
        if (move != rest && (move < 1 || move > 8))
            return false;
        if (IsLong(move) && (beat + 1 == danceMoves.size() || danceMoves[beat + 1] != rest))
            return false;
        if (beat % 8 == 7 && move != rest)
            return false;
    }
    return true;
}

static_assert(WellFormed());
// 50 points a step: the hardest requirement, 3300 points, needs about four
// steps in five danced perfectly.
static_assert(StepCount() * 50 * 3 / 4 <= 3300 && StepCount() * 50 * 5 / 6 >= 3300);

// Eight numbers a line, Windows line ends.
std::string DanceMovesText()
{
    std::string text;
    for (std::size_t beat = 0; beat < danceMoves.size(); ++beat) {
        text += std::to_string(danceMoves[beat]);
        text += beat % 8 == 7 ? "\r\n" : " ";
    }
    return text;
}

} // namespace

bool WriteDanceMoves()
{
    return WriteText("data\\level07\\dancemoves.txt", DanceMovesText());
}

} // namespace content::minigames
