// options.dat through the player's options (see PlayerFileFuzz.h).

#include "GameParameters.h"
#include "PlayerFileFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzPlayerFile<GameParameters>(data, size);
    return 0;
}
