#pragma once

// A SHA-256 digest (through FFmpeg's libavutil) of what a generated file is
// made from: the generator's own program and the files it reads. The
// generator is deterministic, so two runs with the same digest make the same
// bytes; that is what lets the cache stand in for the work.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>

struct AVSHA;

namespace content {

class InputDigest {
public:
    using Bytes = std::array<std::uint8_t, 32>;

    InputDigest();
    InputDigest(const InputDigest&) = delete;
    InputDigest& operator=(const InputDigest&) = delete;
    ~InputDigest();

    // Each piece goes in behind its length, so that the end of one piece
    // and the start of the next cannot trade bytes.
    void Add(std::span<const std::uint8_t> bytes);
    void Add(std::string_view text);
    // A file's bytes; false when it cannot be read whole.
    bool AddFile(const std::filesystem::path& path);
    // The running program: the bytes of its executable, and the name, size
    // and modification time of every shared library loaded into it (an
    // updated FFmpeg, espeak-ng or FluidSynth package may change the output
    // of an unchanged program). False when the executable cannot be read.
    bool AddRunningProgram();

    // The digest of everything added; the digest takes nothing after this.
    Bytes Finish();
    // The same as 64 lower-case hexadecimal digits.
    std::string FinishHex();

    // The digest of one block of bytes.
    static Bytes Of(std::span<const std::uint8_t> bytes);

private:
    void AddRaw(const void* data, std::size_t size);

    struct Deleter {
        void operator()(AVSHA* context) const;
    };
    std::unique_ptr<AVSHA, Deleter> context;
};

} // namespace content
