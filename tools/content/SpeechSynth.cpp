#include "SpeechSynth.h"

#include "OggEncoder.h"
#include "SpeechFilter.h"
#include "platform/Windows1252.h"

#include <espeak-ng/espeak_ng.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace content {

namespace {

// Vorbis quality of the speech files: clear speech in about 60 kbit/s.
constexpr float oggQuality = 0.4f;

std::string StatusText(espeak_ng_STATUS status)
{
    char text[256] = {};
    espeak_ng_GetStatusCodeMessage(status, text, sizeof(text));
    return text;
}

// Collects what espeak-ng synthesises into the vector given as user data.
int CollectSamples(short* samples, int count, espeak_EVENT* events)
{
    if (samples != nullptr && count > 0 && events != nullptr) {
        auto* collected = static_cast<std::vector<std::int16_t>*>(events->user_data);
        collected->insert(collected->end(), samples, samples + count);
    }
    return 0; // go on
}

// Starts espeak-ng once per process in synchronous mode; the message of
// why it could not, empty when it runs.
const std::string& StartEngine()
{
    static const std::string problem = [] {
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT context = nullptr;
        espeak_ng_STATUS status = espeak_ng_Initialize(&context);
        espeak_ng_ClearErrorContext(&context);
        if (status == ENS_OK)
            status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
        if (status != ENS_OK)
            return "espeak-ng does not start: " + StatusText(status);
        if (espeak_ng_GetSampleRate() != SpeechSynth::rate)
            return "espeak-ng speaks at " + std::to_string(espeak_ng_GetSampleRate()) + " Hz, not " +
                   std::to_string(SpeechSynth::rate);
        espeak_SetSynthCallback(CollectSamples);
        return std::string();
    }();
    return problem;
}

bool HasSomethingToSay(std::string_view text)
{
    return std::ranges::any_of(text, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return std::isalnum(byte) != 0 || byte >= 0xC0;
    });
}

// Square brackets would switch espeak-ng to phoneme input: the text's own
// become blanks.
std::string WithoutBrackets(std::string text)
{
    std::ranges::replace(text, '[', ' ');
    std::ranges::replace(text, ']', ' ');
    return text;
}


// What espeak-ng makes of `utf8` in `preset`'s voice, as raw samples; on
// failure a message. Runs in the child process.
espeak_ng_STATUS Synthesize(const VoicePreset& preset, const std::string& utf8, std::vector<std::int16_t>& samples)
{
    espeak_ng_STATUS status = espeak_ng_SetVoiceByName(preset.voice);
    const std::pair<espeak_PARAMETER, int> parameters[] = {
        {espeakRATE, preset.wordsPerMinute}, {espeakPITCH, preset.pitch}, {espeakRANGE, preset.range},
        {espeakVOLUME, 100}, {espeakWORDGAP, 0}};
    for (const auto& [parameter, value] : parameters) {
        if (status == ENS_OK)
            status = espeak_ng_SetParameter(parameter, value, 0);
    }
    if (status == ENS_OK)
        status = espeak_ng_Synthesize(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                                      espeakCHARS_UTF8 | espeakPHONEMES, nullptr, &samples);
    if (status == ENS_OK)
        status = espeak_ng_Synchronize();
    return status;
}

bool WriteAll(int descriptor, const void* bytes, std::size_t size)
{
    const auto* at = static_cast<const char*>(bytes);
    while (size > 0) {
        const ssize_t written = write(descriptor, at, size);
        if (written <= 0)
            return false;
        at += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// espeak-ng carries state from one line into the next (the glottal wave's
// phase, the echo buffer, the flutter position), so the same line would
// not give the same samples twice. Each line is therefore made in a child
// process that starts from the engine as it was just after loading: the
// parent never synthesises. The child sends espeak-ng's status, then the
// samples.
bool SynthesizeApart(const VoicePreset& preset, const std::string& utf8, std::vector<float>& samples,
                     std::string& error)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        error = "cannot open a pipe to the speech process";
        return false;
    }
    const pid_t child = fork();
    if (child < 0) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        error = "cannot start the speech process";
        return false;
    }
    if (child == 0) {
        close(pipeEnds[0]);
        // The breathy voices (the female variants) draw their noise from the
        // C library's rand(), whose state the child inherits: whatever the
        // parent's libraries drew before must not change the line. 1 is the
        // state of a process that never seeded it.
        std::srand(1);
        std::vector<std::int16_t> made;
        const espeak_ng_STATUS status = Synthesize(preset, utf8, made);
        const bool sent = WriteAll(pipeEnds[1], &status, sizeof(status)) &&
                          (status != ENS_OK || WriteAll(pipeEnds[1], made.data(), made.size() * sizeof(made[0])));
        _exit(sent ? 0 : 1);
    }
    close(pipeEnds[1]);
    std::vector<char> received;
    char chunk[16384];
    for (ssize_t got; (got = read(pipeEnds[0], chunk, sizeof(chunk))) != 0;) {
        if (got > 0)
            received.insert(received.end(), chunk, chunk + got);
        else if (errno != EINTR)
            break;
    }
    close(pipeEnds[0]);
    int exitStatus = 0;
    while (waitpid(child, &exitStatus, 0) < 0 && errno == EINTR) {
    }
    espeak_ng_STATUS status = ENS_OK;
    if (!WIFEXITED(exitStatus) || WEXITSTATUS(exitStatus) != 0 || received.size() < sizeof(status)) {
        error = "the speech process failed";
        return false;
    }
    std::memcpy(&status, received.data(), sizeof(status));
    if (status != ENS_OK) {
        error = std::string("espeak-ng fails with the voice ") + preset.voice + " of " + preset.element + ": " +
                StatusText(status);
        return false;
    }
    const std::size_t count = (received.size() - sizeof(status)) / sizeof(std::int16_t);
    samples.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::int16_t sample = 0;
        std::memcpy(&sample, received.data() + sizeof(status) + i * sizeof(sample), sizeof(sample));
        samples[i] = static_cast<float>(sample) / 32768.0f;
    }
    return true;
}

} // namespace

SpeechSynth::SpeechSynth(PronunciationList words) : pronunciations(std::move(words)) {}

bool SpeechSynth::Speak(const VoicePreset& preset, std::string_view windows1252Text, std::vector<float>& samples,
                        std::string& error) const
{
    samples.clear();
    const std::string quoted = "\"" + std::string(windows1252Text) + "\"";
    if (!HasSomethingToSay(windows1252Text)) {
        error = "nothing to say in " + Windows1252::ToUtf8(quoted);
        return false;
    }
    if (const std::string& problem = StartEngine(); !problem.empty()) {
        error = problem;
        return false;
    }
    const std::string spoken =
        pronunciations.Apply(Windows1252::ToUtf8(WithoutBrackets(std::string(windows1252Text))));
    if (!SynthesizeApart(preset, spoken, samples, error)) {
        error += " (" + Windows1252::ToUtf8(quoted) + ")";
        return false;
    }
    SpeechFilter(preset, rate).Apply(samples);
    if (samples.empty()) {
        error = "espeak-ng makes no sound of " + Windows1252::ToUtf8(quoted);
        return false;
    }
    return true;
}

bool SpeechSynth::MakeFile(const VoicePreset& preset, std::string_view windows1252Text, std::vector<std::uint8_t>& ogg,
                           std::string& error) const
{
    std::vector<float> samples;
    if (!Speak(preset, windows1252Text, samples, error))
        return false;
    ogg = EncodeOggVorbis(samples, channels, rate, oggQuality);
    if (ogg.empty()) {
        error = "libvorbisenc refuses the speech of " + std::string(preset.element);
        return false;
    }
    return true;
}

std::string PronunciationListPath()
{
    return ZEPHYRA_PRONUNCIATION_LIST;
}

} // namespace content
