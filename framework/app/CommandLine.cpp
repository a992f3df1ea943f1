#include "CommandLine.h"

#include <charconv>

namespace {

template <typename Number> bool ParseNumber(const std::string& text, Number& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool ParseFrameList(const std::string& text, std::set<std::uint32_t>& frames)
{
    std::size_t position = 0;
    while (position <= text.size()) {
        const std::size_t comma = std::min(text.find(',', position), text.size());
        std::uint32_t frame = 0;
        if (!ParseNumber(text.substr(position, comma - position), frame))
            return false;
        frames.insert(frame);
        position = comma + 1;
    }
    return !frames.empty();
}

} // namespace

const char* CommandLine::Usage()
{
    return "Usage: zephyra [options]\n"
           "Starts Astrokutter Zephyra. Run from a folder that holds the game's data (datafile.dat\n"
           "or data/config.txt), it works there; installed, it reads PREFIX/share/zephyra and keeps\n"
           "the player's files in ~/.config/zephyra, ~/.local/share/zephyra and ~/.local/state/zephyra.\n"
           "\n"
           "Options for development and tests:\n"
           "  --headless            no window, virtual time; sound is mixed and not played\n"
           "  --frames N            quit with exit code 0 after N frames\n"
           "  --frame-ms MS         headless: virtual milliseconds between frames (10 to 1000, default 20)\n"
           "  --seed N              seed the random numbers with N\n"
           "  --record FILE         write every input event, the seed and the frame times to FILE\n"
           "  --replay FILE         play a recording back: its seed, events and frame times;\n"
           "                        the game ends after the recording's last frame\n"
           "  --soak SECONDS        play for SECONDS of game time with random input (clicks, drags,\n"
           "                        keys, focus changes) made from the seed; checks every frame that\n"
           "                        the game still draws and at the end that its memory stayed flat;\n"
           "                        with --record the session can be replayed\n"
           "  --shots DIR           write presented frames as DIR/frame%06d.png\n"
           "  --shot-frames A,B,... the frames to write (default: the last one)\n"
           "  --movie FILE          play the movie FILE (a game path, from the data tree or\n"
           "                        datafile.dat) on its own and quit; with --shots its\n"
           "                        pictures count as the frames, and with --replay the\n"
           "                        recording's keys come before the picture of their frame\n"
           "  -h, --help            show this text\n"
           "  --version             show the version\n"
           "\n"
           "A headless game needs --frames, --replay or --soak to end.\n"
           "Exit codes: 0 when the game ended, 255 (-1) when the window menu's Exit (F9) ended it,\n"
           "1 when it could not start, 2 for unusable options or a failed scripted run (a recording or\n"
           "screenshot not written, a soak that found a fault), 3 after a fatal error (see debug.txt).\n";
}

bool CommandLine::Parse(const std::vector<std::string>& arguments, std::string& error)
{
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        // The word after the switch.
        auto value = [&](std::string& out) {
            if (index + 1 >= arguments.size() || arguments[index + 1].starts_with("--")) {
                error = argument + " needs a value";
                return false;
            }
            out = arguments[++index];
            return true;
        };
        // A number after the switch, within limits.
        auto number = [&](auto& out, auto minimum, auto maximum, const char* what) {
            std::string text;
            if (!value(text))
                return false;
            std::remove_reference_t<decltype(out)> parsed{};
            if (!ParseNumber(text, parsed) || parsed < minimum || parsed > maximum) {
                error = argument + " takes " + what + ", not <" + text + ">";
                return false;
            }
            out = parsed;
            return true;
        };
        std::uint32_t count = 0;
        unsigned seedValue = 0;
        std::string text;
        bool ok = true;
        if (argument == "--headless") {
            headless = true;
        } else if (argument == "--help" || argument == "-h") {
            help = true;
        } else if (argument == "--version") {
            version = true;
        } else if (argument == "--frames") {
            ok = number(count, 0u, ~0u, "a whole number");
            frames = count;
        } else if (argument == "--frame-ms") {
            ok = number(frameMilliseconds, 10u, 1000u, "milliseconds from 10 to 1000");
        } else if (argument == "--seed") {
            ok = number(seedValue, 0u, ~0u, "a whole number");
            seed = seedValue;
        } else if (argument == "--soak") {
            ok = number(count, 1u, 1000000u, "seconds from 1 to 1000000");
            soakSeconds = count;
        } else if (argument == "--record") {
            ok = value(recordFile);
        } else if (argument == "--replay") {
            ok = value(replayFile);
        } else if (argument == "--movie") {
            ok = value(movieFile);
        } else if (argument == "--shots") {
            ok = value(shotDirectory);
        } else if (argument == "--shot-frames") {
            ok = value(text);
            if (ok && !ParseFrameList(text, shotFrames)) {
                error = "--shot-frames takes frame numbers separated by commas, not <" + text + ">";
                ok = false;
            }
        } else {
            error = "unknown option <" + argument + ">";
            ok = false;
        }
        if (!ok)
            return false;
    }
    return CheckCombination(error);
}

bool CommandLine::CheckCombination(std::string& error) const
{
    if (!movieFile.empty() && (!recordFile.empty() || frames)) {
        error = "--movie plays a movie on its own: not with --record or --frames";
        return false;
    }
    if (soakSeconds && (!replayFile.empty() || !movieFile.empty())) {
        error = "--soak makes its own input: not with --replay or --movie";
        return false;
    }
    if (headless && !frames && !soakSeconds && replayFile.empty() && movieFile.empty()) {
        error = "--headless needs --frames N, --replay FILE or --soak SECONDS: nothing else can end a game without a "
                "window";
        return false;
    }
    if (!shotFrames.empty() && shotDirectory.empty()) {
        error = "--shot-frames needs --shots DIR";
        return false;
    }
    return true;
}
