// The audio paths: mixing the game's load (32 effect voices at mixed rates
// and layouts plus two 44.1 kHz stereo streams) beside a naive mixer that
// computes the same samples per sample through generic code; Ogg decoding
// by OggLoader beside a bare ov_read loop on the same bytes; and the memory
// one second of effect audio takes once the sample manager has reduced it.

#include "../tests/audio/SoundFiles.h"
#include "audio/OggLoader.h"
#include "audio/SampleManager.h"
#include "platform/SoundMixer.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

using namespace platform;

namespace {

constexpr std::size_t blockFrames = 1024;

struct VoiceSpec {
    int rate;
    int channels;
    std::vector<std::int16_t> samples; // one second, interleaved
};

std::vector<VoiceSpec> GameLoad()
{
    std::vector<VoiceSpec> voices;
    const int rates[] = {11025, 22050, 44100};
    unsigned seed = 12345;
    auto noise = [&seed] {
        seed = seed * 1103515245 + 12345;
        return static_cast<std::int16_t>((seed >> 16) % 8000) - 4000;
    };
    for (int i = 0; i < 34; ++i) {
        VoiceSpec voice;
        voice.rate = i < 32 ? rates[i % 3] : 44100;
        voice.channels = i < 32 ? 1 + (i / 3) % 2 : 2;
        voice.samples.resize(static_cast<std::size_t>(voice.rate * voice.channels));
        for (auto& sample : voice.samples)
            sample = static_cast<std::int16_t>(noise());
        voices.push_back(std::move(voice));
    }
    return voices;
}

struct Game {
    SoftwareSoundDevice device;
    std::vector<std::unique_ptr<SoundBuffer>> buffers;

    explicit Game(const std::vector<VoiceSpec>& voices)
    {
        for (const VoiceSpec& voice : voices) {
            std::unique_ptr<SoundBuffer> buffer;
            const auto bytes = static_cast<std::uint32_t>(voice.samples.size() * 2);
            device.CreateBuffer({voice.rate, voice.channels, 16}, bytes, soundCapsVolume, buffer);
            SoundRegions regions;
            buffer->Lock(0, bytes, regions);
            std::memcpy(regions.first, voice.samples.data(), bytes);
            buffer->Unlock(regions);
            buffer->SetVolume(-600);
            buffer->Play(true);
            buffers.push_back(std::move(buffer));
        }
    }
};

// The peer: the same arithmetic, one sample at a time through generic code
// (layout looked up, neighbour wrapped and gain applied per sample).
struct NaiveVoice {
    const VoiceSpec* spec;
    std::uint64_t position = 0;
};

void NaiveMix(std::vector<NaiveVoice>& voices, std::int16_t* output, std::size_t frames, std::int32_t gain)
{
    for (std::size_t i = 0; i < frames; ++i) {
        std::int32_t sums[2] = {0, 0};
        for (NaiveVoice& voice : voices) {
            const VoiceSpec& spec = *voice.spec;
            const std::size_t count = spec.samples.size() / static_cast<std::size_t>(spec.channels);
            const std::size_t index = static_cast<std::size_t>(voice.position >> 32);
            const std::size_t next = (index + 1) % count;
            const auto fraction = static_cast<std::int32_t>((voice.position >> 17) & 0x7FFF);
            for (int side = 0; side < 2; ++side) {
                const int channel = spec.channels == 1 ? 0 : side;
                const std::int32_t from = spec.samples[index * static_cast<std::size_t>(spec.channels) + static_cast<std::size_t>(channel)];
                const std::int32_t to = spec.samples[next * static_cast<std::size_t>(spec.channels) + static_cast<std::size_t>(channel)];
                sums[side] += ((from + (((to - from) * fraction) >> 15)) * gain) >> 16;
            }
            voice.position = (voice.position + SoundMixer::StepForFrequency(static_cast<std::uint32_t>(spec.rate))) %
                             (static_cast<std::uint64_t>(count) << 32);
        }
        for (int side = 0; side < 2; ++side)
            output[2 * i + static_cast<std::size_t>(side)] = static_cast<std::int16_t>(std::clamp(sums[side], -32768, 32767));
    }
}

void ReportRealTime(benchmark::State& state)
{
    // One iteration mixes one second: CPU seconds per iteration is the
    // fraction of one core that real-time output needs.
    state.counters["seconds_mixed_per_second"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                                    benchmark::Counter::kIsRate);
}

void BM_Mix32VoicesAndTwoStreams(benchmark::State& state)
{
    const std::vector<VoiceSpec> voices = GameLoad();
    Game game(voices);
    // Both mixers must give the same second before either is timed.
    std::vector<NaiveVoice> naive;
    for (const VoiceSpec& voice : voices)
        naive.push_back({&voice});
    std::vector<std::int16_t> ours(blockFrames * 2), theirs(blockFrames * 2);
    for (int block = 0; block < 8; ++block) {
        game.device.Mix(ours.data(), blockFrames);
        NaiveMix(naive, theirs.data(), blockFrames, SoundMixer::GainForVolume(-600));
        if (ours != theirs) {
            state.SkipWithError("the mixer and the naive mixer disagree");
            return;
        }
    }
    for (auto _ : state) {
        for (std::size_t done = 0; done < SoundMixer::outputRate; done += blockFrames) {
            game.device.Mix(ours.data(), blockFrames);
            benchmark::DoNotOptimize(ours.data());
        }
    }
    ReportRealTime(state);
}
BENCHMARK(BM_Mix32VoicesAndTwoStreams)->Unit(benchmark::kMillisecond);

void BM_NaiveMix32VoicesAndTwoStreams(benchmark::State& state)
{
    const std::vector<VoiceSpec> voices = GameLoad();
    std::vector<NaiveVoice> naive;
    for (const VoiceSpec& voice : voices)
        naive.push_back({&voice});
    std::vector<std::int16_t> output(blockFrames * 2);
    const std::int32_t gain = SoundMixer::GainForVolume(-600);
    for (auto _ : state) {
        for (std::size_t done = 0; done < SoundMixer::outputRate; done += blockFrames) {
            NaiveMix(naive, output.data(), blockFrames, gain);
            benchmark::DoNotOptimize(output.data());
        }
    }
    ReportRealTime(state);
}
BENCHMARK(BM_NaiveMix32VoicesAndTwoStreams)->Unit(benchmark::kMillisecond);

const std::string& TenSecondsOfOgg()
{
    static const std::string bytes = MakeOgg(44100, 2, 441000);
    return bytes;
}

MallocBytes CopyBytes(const std::string& bytes)
{
    MallocBytes copy(static_cast<std::uint8_t*>(std::malloc(bytes.size())));
    std::memcpy(copy.get(), bytes.data(), bytes.size());
    return copy;
}

void ReportAudioSeconds(benchmark::State& state)
{
    state.counters["audio_seconds_per_second"] = benchmark::Counter(10.0 * static_cast<double>(state.iterations()),
                                                                    benchmark::Counter::kIsRate);
}

void BM_OggLoaderDecode(benchmark::State& state)
{
    const std::string& bytes = TenSecondsOfOgg();
    for (auto _ : state) {
        SampleData data;
        if (!OggLoader::Decode(CopyBytes(bytes), bytes.size(), "bench", data) || data.frames != 441000) {
            state.SkipWithError("decoding failed");
            return;
        }
        FreeSampleData(data);
    }
    ReportAudioSeconds(state);
}
BENCHMARK(BM_OggLoaderDecode)->Unit(benchmark::kMillisecond);

struct BareSource {
    const std::string* bytes;
    std::size_t position;
};

std::size_t BareRead(void* destination, std::size_t size, std::size_t count, void* user)
{
    auto* source = static_cast<BareSource*>(user);
    const std::size_t wanted = std::min(count * size, source->bytes->size() - source->position);
    std::memcpy(destination, source->bytes->data() + source->position, wanted);
    source->position += wanted;
    return wanted / size;
}

void BM_BareOvReadDecode(benchmark::State& state)
{
    const std::string& bytes = TenSecondsOfOgg();
    std::vector<char> output(441000 * 4 + 4096);
    for (auto _ : state) {
        BareSource source{&bytes, 0};
        OggVorbis_File file;
        if (ov_open_callbacks(&source, &file, nullptr, 0, ov_callbacks{BareRead, nullptr, nullptr, nullptr}) != 0) {
            state.SkipWithError("open failed");
            return;
        }
        std::size_t decoded = 0;
        int bitstream = 0;
        for (long read; (read = ov_read(&file, output.data() + decoded, 4096, 0, 2, 1, &bitstream)) != 0;) {
            if (read > 0)
                decoded += static_cast<std::size_t>(read);
        }
        ov_clear(&file);
        if (decoded != 441000 * 4) {
            state.SkipWithError("decoded size differs");
            return;
        }
    }
    ReportAudioSeconds(state);
}
BENCHMARK(BM_BareOvReadDecode)->Unit(benchmark::kMillisecond);

// Bytes one second of a 44.1 kHz stereo effect takes on the device once the
// manager has made it mono at 22,050 Hz (a CD-quality source: 176,400).
void BM_ResampleOneSecondOfEffect(benchmark::State& state)
{
    const std::string source = Pcm16(std::vector<std::int16_t>(44100 * 2, 1000));
    SampleManager manager;
    int bytes = 0;
    for (auto _ : state) {
        SampleData data;
        data.rate = 44100;
        data.channels = 2;
        data.bits = 16;
        data.frames = 44100;
        data.size = static_cast<int>(source.size());
        data.data = CopyBytes(source).release();
        manager.Resample(data);
        bytes = data.frames * data.channels * data.bits / 8;
        FreeSampleData(data);
    }
    state.counters["source_bytes_per_second"] = static_cast<double>(source.size());
    state.counters["device_bytes_per_second"] = bytes;
}
BENCHMARK(BM_ResampleOneSecondOfEffect)->Unit(benchmark::kMicrosecond);

} // namespace
