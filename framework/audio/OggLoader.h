#pragma once

#include "SampleFile.h"
#include "SampleLoader.h"

// Ogg Vorbis files, decoded whole into 16-bit PCM. The decoded size is
// bounded: a small hostile file must not make the game allocate without end.
class OggLoader final : public SampleLoader {
public:
    static constexpr std::size_t maximumDecodedBytes = 64 << 20;

    bool CanLoad(const std::string& name) override;
    bool Load(const std::string& name, SampleData& data) override;

    // Decodes the bytes of a whole file; `name` is for the log.
    static bool Decode(MallocBytes bytes, std::size_t size, const std::string& name, SampleData& data);
};
