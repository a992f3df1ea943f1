#include "SayCommand.h"

#include "SpeechSynth.h"
#include "platform/Windows1252.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace content {

int RunSayCommand(int argc, char** argv)
{
    if (argc != 5) {
        std::fputs("Usage: zephyra-content --say PRESET \"Text\" OUT.ogg\n", stderr);
        return 2;
    }
    const VoicePreset* preset = FindVoicePreset(argv[2]);
    if (preset == nullptr) {
        std::fprintf(stderr, "zephyra-content: no voice preset %s; there are:", argv[2]);
        for (const VoicePreset& known : VoicePresets())
            std::fprintf(stderr, " %s", known.element);
        std::fputs("\n", stderr);
        return 2;
    }
    PronunciationList pronunciations;
    std::string error;
    if (!pronunciations.Load(PronunciationListPath(), error)) {
        std::fprintf(stderr, "zephyra-content: %s\n", error.c_str());
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::uint8_t> ogg;
    if (!SpeechSynth(std::move(pronunciations)).MakeFile(*preset, Windows1252::FromUtf8(argv[3]), ogg, error)) {
        std::fprintf(stderr, "zephyra-content: %s\n", error.c_str());
        return 1;
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::ofstream file(argv[4], std::ios::binary);
    file.write(reinterpret_cast<const char*>(ogg.data()), static_cast<std::streamsize>(ogg.size()));
    if (!file.flush()) {
        std::fprintf(stderr, "zephyra-content: cannot write %s\n", argv[4]);
        return 1;
    }
    std::printf("zephyra-content: %s (%zu bytes) in %.2f s\n", argv[4], ogg.size(), seconds.count());
    return 0;
}

} // namespace content
