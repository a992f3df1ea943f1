#include "ToneStream.h"

#include "app/Factory.h"

#include <algorithm>
#include <charconv>

namespace {

const FactoryRegistration<SampleStream, ToneStream> registration("ToneStream");

bool ParseMilliseconds(const std::string& name, long& milliseconds)
{
    constexpr std::string_view prefix = "tone:";
    if (!name.starts_with(prefix))
        return false;
    const char* first = name.data() + prefix.size();
    const char* last = name.data() + name.size();
    const auto [end, error] = std::from_chars(first, last, milliseconds);
    return error == std::errc() && end == last && milliseconds >= 0;
}

} // namespace

bool ToneStream::CanOpen(const std::string& name)
{
    long milliseconds = 0;
    return ParseMilliseconds(name, milliseconds);
}

bool ToneStream::Open(const std::string& name, SampleData& format)
{
    long milliseconds = 0;
    if (!ParseMilliseconds(name, milliseconds))
        return false;
    totalBytes = static_cast<std::int64_t>(milliseconds) * rate / 1000 * 2;
    position = 0;
    format.rate = rate;
    format.bits = 16;
    format.channels = 1;
    return true;
}

bool ToneStream::Close()
{
    return true;
}

int ToneStream::Read(std::uint8_t* buffer, int maxBytes)
{
    const int count = static_cast<int>(std::min<std::int64_t>(maxBytes, totalBytes - position)) & ~1;
    if (count <= 0) {
        position = 0;
        return 0;
    }
    for (int offset = 0; offset < count; offset += 2) {
        const std::int16_t value = ToneSample((position + offset) / 2);
        buffer[offset] = static_cast<std::uint8_t>(value & 0xff);
        buffer[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xff);
    }
    position += count;
    return count;
}
