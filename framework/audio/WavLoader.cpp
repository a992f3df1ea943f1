#include "WavLoader.h"

#include "SampleFile.h"
#include "app/Debug.h"

#include <cstring>
#include <optional>

namespace {

// The fixed format record a "fmt " chunk is copied into.
struct PcmWaveFormat {
    std::uint16_t formatTag;
    std::uint16_t channels;
    std::uint32_t samplesPerSecond;
    std::uint32_t averageBytesPerSecond;
    std::uint16_t blockAlign;
    std::uint16_t bitsPerSample;
};
static_assert(sizeof(PcmWaveFormat) == 16, "the record is the file's layout");

std::uint32_t ReadUint32(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// The offset of `tag` at a multiple of 4 from `from` on, with `tail` more
// bytes (its length field) inside the file.
std::optional<std::size_t> FindTag(const std::uint8_t* bytes, std::size_t size, std::size_t from, const char* tag,
                                   std::size_t tail)
{
    for (std::size_t offset = (from + 3) & ~std::size_t{3}; offset + 4 + tail <= size; offset += 4) {
        if (std::memcmp(bytes + offset, tag, 4) == 0)
            return offset;
    }
    return std::nullopt;
}

} // namespace

bool WavLoader::CanLoad(const std::string& name)
{
    return SampleFileExists(name, ".WAV");
}

bool WavLoader::Load(const std::string& name, SampleData& data)
{
    MallocBytes bytes;
    std::size_t size = 0;
    switch (ReadSampleFile(SampleFilePath(name, ".WAV"), bytes, size)) {
    case SampleFileRead::read: break;
    case SampleFileRead::outOfMemory: LogError("not enough memory\n"); return false;
    case SampleFileRead::failed: return false;
    }
    return Decode(bytes, size, data, SampleFilePath(name, ".WAV"));
}

bool WavLoader::Decode(MallocBytes& bytes, std::size_t size, SampleData& data, const std::string& name)
{
    const std::uint8_t* file = bytes.get();
    const auto wave = FindTag(file, size, 0, "WAVE", 0);
    if (!wave) {
        LogError("could not find WAVE chunk\n");
        return false;
    }
    const auto format = FindTag(file, size, *wave, "fmt ", 4);
    if (!format) {
        LogError("could not find fmt chunk\n");
        return false;
    }
    const std::uint64_t formatLength = ReadUint32(file + *format + 4);
    const std::uint64_t formatEnd = *format + 8 + formatLength;
    if (formatEnd > size) {
        LogError("fmt chunk runs past the end of the file\n");
        return false;
    }
    PcmWaveFormat record{};
    std::memcpy(&record, file + *format + 8, std::min<std::size_t>(sizeof(record), formatLength));
    // Other encodings would be played as noise.
    constexpr std::uint16_t integerPcm = 1;
    if (record.formatTag != integerPcm) {
        LogError("WavLoader::Decode: format tag %u is not integer PCM <%s>\n", record.formatTag, name.c_str());
        return false;
    }

    const auto chunk = FindTag(file, size, static_cast<std::size_t>(formatEnd), "data", 4);
    if (!chunk) {
        LogError("could not find data chunk\n");
        return false;
    }
    const std::uint32_t length = ReadUint32(file + *chunk + 4);
    if (length == 0) {
        LogError("Zero length wav sample\n");
        return false;
    }
    const std::size_t start = *chunk + 8;
    if (length > size - start) {
        LogError("data chunk runs past the end of the file\n");
        return false;
    }
    // The layout must be one the device plays.
    const int channels = record.channels;
    const int bits = record.bitsPerSample;
    if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16) || record.samplesPerSecond == 0 ||
        record.samplesPerSecond > 0x7FFFFFFF) {
        LogError("unsupported wave format: %d channels, %d bits, %u Hz\n", channels, bits, record.samplesPerSecond);
        return false;
    }
    const std::uint32_t frameBytes = static_cast<std::uint32_t>(channels * bits / 8);
    if (length % frameBytes != 0 || length > 0x7FFFFFFF) {
        LogError("data chunk is not a whole number of frames\n");
        return false;
    }

    std::uint8_t* pcm = bytes.release();
    std::memmove(pcm, pcm + start, length);
    if (auto* shrunk = static_cast<std::uint8_t*>(std::realloc(pcm, length)))
        pcm = shrunk;
    data.rate = static_cast<int>(record.samplesPerSecond);
    data.bits = bits;
    data.channels = channels;
    data.frames = static_cast<int>(length / frameBytes);
    data.data = pcm;
    data.size = static_cast<int>(length);
    return true;
}

std::vector<std::uint8_t> WavLoader::Encode(int rate, int channels, int bits, std::span<const std::uint8_t> pcm)
{
    constexpr std::size_t headerSize = 44;
    std::vector<std::uint8_t> bytes(headerSize + pcm.size());
    const auto put = [&bytes](std::size_t offset, std::uint32_t value, int size) {
        for (int byte = 0; byte < size; ++byte)
            bytes[offset + static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(value >> (8 * byte));
    };
    const auto blockAlign = static_cast<std::uint32_t>(channels * bits / 8);
    std::memcpy(&bytes[0], "RIFF", 4);
    put(4, static_cast<std::uint32_t>(headerSize - 8 + pcm.size()), 4);
    std::memcpy(&bytes[8], "WAVEfmt ", 8);
    put(16, 16, 4);
    put(20, 1, 2); // integer PCM, the format tag
    put(22, static_cast<std::uint32_t>(channels), 2);
    put(24, static_cast<std::uint32_t>(rate), 4);
    put(28, static_cast<std::uint32_t>(rate) * blockAlign, 4);
    put(32, blockAlign, 2);
    put(34, static_cast<std::uint32_t>(bits), 2);
    std::memcpy(&bytes[36], "data", 4);
    put(40, static_cast<std::uint32_t>(pcm.size()), 4);
    if (!pcm.empty())
        std::memcpy(&bytes[headerSize], pcm.data(), pcm.size());
    return bytes;
}
