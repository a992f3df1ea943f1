// highscores.dat through the highscore tables (see PlayerFileFuzz.h).

#include "HighscoreManager.h"
#include "PlayerFileFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzPlayerFile<HighscoreManager>(data, size);
    return 0;
}
