#include "SpeechSynth.h"

#include "OggEncoder.h"
#include "SpeechFilter.h"
#include "platform/Windows1252.h"

#include <espeak-ng/espeak_ng.h>

#include <vorbis/codec.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <thread>

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

// Raised whenever this code or the filters change what a line sounds like:
// recordings kept from before are then made again.
constexpr int speechCodeVersion = 1;

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
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        at += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// One line's work, done in the child: espeak-ng's samples shaped by the
// filter, then encoded when `encode` is set (else the float samples
// themselves). False with a message.
bool MakeLine(const VoicePreset& preset, const std::string& spoken, bool encode, std::string& payload)
{
    std::vector<std::int16_t> raw;
    const espeak_ng_STATUS status = Synthesize(preset, spoken, raw);
    if (status != ENS_OK) {
        payload = std::string("espeak-ng fails with the voice ") + preset.voice + " of " + preset.element + ": " +
                  StatusText(status);
        return false;
    }
    std::vector<float> samples(raw.size());
    std::ranges::transform(raw, samples.begin(),
                           [](std::int16_t sample) { return static_cast<float>(sample) / 32768.0f; });
    SpeechFilter(preset, SpeechSynth::rate).Apply(samples);
    if (samples.empty()) {
        payload = "espeak-ng makes no sound";
        return false;
    }
    if (!encode) {
        payload.assign(reinterpret_cast<const char*>(samples.data()), samples.size() * sizeof(float));
        return true;
    }
    const std::vector<std::uint8_t> ogg =
        EncodeOggVorbis(samples, SpeechSynth::channels, SpeechSynth::rate, oggQuality);
    if (ogg.empty()) {
        payload = std::string("libvorbisenc refuses the speech of ") + preset.element;
        return false;
    }
    payload.assign(ogg.begin(), ogg.end());
    return true;
}

// A line being made in a child process. espeak-ng carries state from one
// line into the next (the glottal wave's phase, the echo buffer, the
// flutter position), so the same line would not give the same samples
// twice: each line is made in a child that starts from the engine as it
// was just after loading, and the parent never synthesises. The child
// sends one byte ('1' made, '0' failed), then the line's bytes or the
// message.
class LineProcess {
public:
    bool Start(const VoicePreset& preset, const std::string& spoken, bool encode, std::string& error)
    {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            error = "cannot open a pipe to the speech process";
            return false;
        }
        child = fork();
        if (child < 0) {
            close(pipeEnds[0]);
            close(pipeEnds[1]);
            error = "cannot start the speech process";
            return false;
        }
        if (child == 0) {
            close(pipeEnds[0]);
            // The breathy voices (the female variants) draw their noise from
            // the C library's rand(), whose state the child inherits:
            // whatever the parent's libraries drew before must not change the
            // line. 1 is the state of a process that never seeded it.
            std::srand(1);
            std::string payload;
            const char made = MakeLine(preset, spoken, encode, payload) ? '1' : '0';
            const bool sent = WriteAll(pipeEnds[1], &made, 1) && WriteAll(pipeEnds[1], payload.data(), payload.size());
            _exit(sent ? 0 : 1);
        }
        close(pipeEnds[1]);
        from = pipeEnds[0];
        return true;
    }

    int Descriptor() const { return from; }

    // Reads what the child has sent so far; true once it has sent all.
    bool ReadSome()
    {
        char chunk[65536];
        const ssize_t got = read(from, chunk, sizeof(chunk));
        if (got > 0)
            received.append(chunk, static_cast<std::size_t>(got));
        return got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN);
    }

    // Waits for the child; the line's bytes, or false with a message.
    bool Finish(std::string& payload)
    {
        close(from);
        from = -1;
        int exitStatus = 0;
        while (waitpid(child, &exitStatus, 0) < 0 && errno == EINTR) {
        }
        if (!WIFEXITED(exitStatus) || WEXITSTATUS(exitStatus) != 0 || received.empty()) {
            payload = "the speech process failed";
            return false;
        }
        payload = received.substr(1);
        return received[0] == '1';
    }

    // Ends a child whose line is no longer wanted.
    void Abandon()
    {
        if (from < 0)
            return;
        close(from);
        from = -1;
        kill(child, SIGKILL);
        while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    }

private:
    pid_t child = -1;
    int from = -1;
    std::string received;
};

unsigned Cores()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

} // namespace

SpeechSynth::SpeechSynth(PronunciationList words) : pronunciations(std::move(words)) {}

std::string SpeechSynth::SpokenText(std::string_view windows1252Text) const
{
    return pronunciations.Apply(Windows1252::ToUtf8(WithoutBrackets(std::string(windows1252Text))));
}

std::string SpeechSynth::EngineVersion()
{
    return "espeak-ng " + std::string(espeak_Info(nullptr)) + ", " + vorbis_version_string() + ", speech " +
           std::to_string(speechCodeVersion);
}

bool SpeechSynth::Speak(const VoicePreset& preset, std::string_view windows1252Text, std::vector<float>& samples,
                        std::string& error) const
{
    samples.clear();
    const std::string quoted = Windows1252::ToUtf8("\"" + std::string(windows1252Text) + "\"");
    if (!HasSomethingToSay(windows1252Text)) {
        error = "nothing to say in " + quoted;
        return false;
    }
    if (const std::string& problem = StartEngine(); !problem.empty()) {
        error = problem;
        return false;
    }
    LineProcess process;
    if (!process.Start(preset, SpokenText(windows1252Text), false, error))
        return false;
    while (!process.ReadSome()) {
    }
    std::string payload;
    if (!process.Finish(payload)) {
        error = payload + " (" + quoted + ")";
        return false;
    }
    samples.resize(payload.size() / sizeof(float));
    std::memcpy(samples.data(), payload.data(), samples.size() * sizeof(float));
    return true;
}

bool SpeechSynth::MakeFile(const VoicePreset& preset, std::string_view windows1252Text, std::vector<std::uint8_t>& ogg,
                           std::string& error) const
{
    const SpeechLine line[] = {{&preset, std::string(windows1252Text)}};
    std::vector<std::vector<std::uint8_t>> oggs;
    if (!MakeFiles(line, oggs, error, 1))
        return false;
    ogg = std::move(oggs.front());
    return true;
}

bool SpeechSynth::MakeFiles(std::span<const SpeechLine> lines, std::vector<std::vector<std::uint8_t>>& oggs,
                            std::string& error, unsigned children) const
{
    oggs.assign(lines.size(), {});
    // The lines at work, by index; each child's pipe is read as it sends so
    // that none waits on a full pipe while another is being read.
    std::vector<std::pair<std::size_t, LineProcess>> working;
    const auto fail = [&](std::size_t index, const std::string& message) {
        error = message + " (" + lines[index].preset->element + ": \"" + Windows1252::ToUtf8(lines[index].text) + "\")";
        for (auto& [ignored, process] : working)
            process.Abandon();
        return false;
    };
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (!HasSomethingToSay(lines[index].text))
            return fail(index, "nothing to say");
    }
    if (lines.empty())
        return true;
    if (const std::string& problem = StartEngine(); !problem.empty()) {
        error = problem;
        return false;
    }
    if (children == 0)
        children = Cores();
    std::size_t next = 0;
    while (next < lines.size() || !working.empty()) {
        while (next < lines.size() && working.size() < children) {
            LineProcess process;
            std::string problem;
            if (!process.Start(*lines[next].preset, SpokenText(lines[next].text), true, problem))
                return fail(next, problem);
            working.emplace_back(next++, std::move(process));
        }
        std::vector<pollfd> waiting;
        for (const auto& [index, process] : working)
            waiting.push_back({process.Descriptor(), POLLIN, 0});
        if (poll(waiting.data(), waiting.size(), -1) < 0 && errno != EINTR)
            return fail(working.front().first, "cannot wait for the speech processes");
        for (std::size_t at = 0; at < working.size();) {
            auto& [index, process] = working[at];
            if (waiting[at].revents == 0 || !process.ReadSome()) {
                ++at;
                continue;
            }
            std::string payload;
            if (!process.Finish(payload)) {
                const std::size_t failed = index;
                working.erase(working.begin() + static_cast<std::ptrdiff_t>(at));
                return fail(failed, payload);
            }
            oggs[index].assign(payload.begin(), payload.end());
            working.erase(working.begin() + static_cast<std::ptrdiff_t>(at));
            waiting.erase(waiting.begin() + static_cast<std::ptrdiff_t>(at));
        }
    }
    return true;
}

std::string PronunciationListPath()
{
    return ZEPHYRA_PRONUNCIATION_LIST;
}

} // namespace content
