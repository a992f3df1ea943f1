#pragma once

#include "SampleFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>

struct OggVorbis_File;

// libvorbisfile over a whole Ogg Vorbis file held in memory: the loader
// decodes it at once, the stream piece by piece, and both reopen it from its
// first byte when they need to start again. Not for two threads at once.
class OggDecoder {
public:
    OggDecoder();
    ~OggDecoder();
    OggDecoder(const OggDecoder&) = delete;
    OggDecoder& operator=(const OggDecoder&) = delete;

    // Takes the file's bytes and opens the decoder on them; libvorbisfile's
    // result, 0 on success.
    int Open(MallocBytes bytes, std::size_t size);
    // Closes the decoder and opens it again at the start of the same bytes.
    int Reopen();
    // Closes the decoder and lets the bytes go.
    void Release();
    bool IsOpen() const { return open; }
    bool HasBytes() const { return bytes != nullptr; }

    // The current logical stream's rate and channel count (0 when closed).
    long GetRate() const;
    int GetChannels() const;

    // Up to maxBytes bytes of 16-bit signed little-endian PCM: ov_read's
    // result (bytes, 0 at the end, or a negative OV_ code).
    long Read(std::uint8_t* buffer, int maxBytes);

    // Where libvorbisfile reads from.
    struct Source {
        const std::uint8_t* data = nullptr;
        std::size_t size = 0;
        std::size_t position = 0;
    };

private:
    void CloseDecoder();

    std::unique_ptr<OggVorbis_File> file;
    MallocBytes bytes;
    Source source;
    bool open = false;
};
