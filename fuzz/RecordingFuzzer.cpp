// Recordings are read from files a person may have edited: any bytes must be
// refused or read, never crash, and what is read must write back the same.

#include "app/Recording.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Recording recording;
    std::string error;
    if (!recording.Parse(text, error))
        return 0;
    const std::string written = recording.Format();
    Recording again;
    if (!again.Parse(written, error) || again.Format() != written)
        std::abort();
    return 0;
}
