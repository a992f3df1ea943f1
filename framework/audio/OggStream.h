#pragma once

#include "OggDecoder.h"
#include "SampleStream.h"

// An Ogg Vorbis file decoded piece by piece from an in-memory copy. At its
// end the decoder starts over on the same bytes, so that a looping stream
// continues from the beginning with the next read.
class OggStream final : public SampleStream {
public:
    bool CanOpen(const std::string& name) override;
    bool Open(const std::string& name, SampleData& format) override;
    bool Close() override;
    int Read(std::uint8_t* buffer, int maxBytes) override;
    void Rewind() override;

    // Opens the decoder on the bytes of a whole file.
    bool OpenBytes(MallocBytes bytes, std::size_t size, SampleData& format);

private:
    void Restart();

    OggDecoder decoder;
};
