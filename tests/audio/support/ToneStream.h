#pragma once

#include "audio/SampleStream.h"

#include <cstdint>

// A decoder of made-up audio for the stream tests: "tone:<milliseconds>"
// opens a 22,050 Hz mono 16-bit stream of that length whose k-th sample is
// ToneSample(k), never 0, so silence and repeats are told apart. Like the
// Ogg stream it starts again from the beginning after the read that met
// its end.
class ToneStream final : public SampleStream {
public:
    static constexpr int rate = 22050;

    static std::int16_t ToneSample(std::int64_t k) { return static_cast<std::int16_t>(1 + k % 30000); }

    bool CanOpen(const std::string& name) override;
    bool Open(const std::string& name, SampleData& format) override;
    bool Close() override;
    int Read(std::uint8_t* buffer, int maxBytes) override;
    void Rewind() override { position = 0; }

private:
    std::int64_t totalBytes = 0;
    std::int64_t position = 0;
};
