// The pronunciation list is text the speech synthesiser reads: any bytes
// must be read as a list or refused with a message naming the file, and a
// list that was read must turn any text into phoneme input without
// crashing.

#include "PronunciationList.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    content::PronunciationList list;
    std::string error;
    if (!list.Parse(text, "fuzz.txt", error)) {
        if (error.rfind("fuzz.txt:", 0) != 0)
            __builtin_trap(); // a refusal always names the file
        return 0;
    }
    const std::string spoken = list.Apply(text);
    if (list.Size() == 0 && spoken != text)
        __builtin_trap(); // an empty list changes nothing
    return 0;
}
