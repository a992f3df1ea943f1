// Scores are text the content generator reads: any bytes must be read as a
// score or refused with a message, without crashing or hanging.

#include "Score.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    content::Score score;
    std::string error;
    if (!content::ParseScore(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.txt", score, error) &&
        error.rfind("fuzz.txt:", 0) != 0)
        __builtin_trap(); // a refusal always names the file
    return 0;
}
