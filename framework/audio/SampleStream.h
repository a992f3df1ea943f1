#pragma once

#include "SampleData.h"

#include <string>

// Decodes a sound file piece by piece, for streaming samples. Read is
// called from the stream refill timer's thread, one call at a time.
class SampleStream {
public:
    virtual ~SampleStream() = default;

    virtual bool CanOpen(const std::string& name) = 0;
    // Opens the file and fills rate, bits and channels of `format` (no PCM).
    virtual bool Open(const std::string& name, SampleData& format) = 0;
    virtual bool Close() = 0;
    // Up to maxBytes bytes of PCM; 0 at the end of the stream or on an error.
    virtual int Read(std::uint8_t* buffer, int maxBytes) = 0;
    virtual void Rewind() {}
};
