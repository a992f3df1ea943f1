#include "Score.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <optional>
#include <utility>

namespace content {
namespace {

// A form longer than this is surely a mistake, and would only eat memory.
constexpr int maximumBars = 1000;

// Thrown inside the parser with what is wrong; ParseScore adds the place.
struct ScoreFault {
    std::string message;
};

[[noreturn]] void Fail(std::string message)
{
    throw ScoreFault{std::move(message)};
}

std::string Quoted(std::string_view word)
{
    return "'" + std::string(word) + "'";
}

bool IsSpace(char character)
{
    return character == ' ' || character == '\t' || character == '\r';
}

std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && IsSpace(text[at]))
            ++at;
        const std::size_t begin = at;
        while (at < text.size() && !IsSpace(text[at]))
            ++at;
        if (at > begin)
            words.push_back(text.substr(begin, at - begin));
    }
    return words;
}

// A comment starts with a '#' that begins a word: the sharp in F#5 does not.
std::string_view WithoutComment(std::string_view line)
{
    for (std::size_t at = 0; at < line.size(); ++at)
        if (line[at] == '#' && (at == 0 || IsSpace(line[at - 1])))
            return line.substr(0, at);
    return line;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find(separator, at);
        parts.push_back(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        if (end == std::string_view::npos)
            return parts;
        at = end + 1;
    }
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view word)
{
    Number value{};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

// A number from `lowest` to `highest`, or the fault `what`.
int Setting(std::string_view word, int lowest, int highest, const std::string& what)
{
    const std::optional<int> value = ParseNumber<int>(word);
    if (!value || *value < lowest || *value > highest)
        Fail(what + " needs a number from " + std::to_string(lowest) + " to " + std::to_string(highest));
    return *value;
}

std::string Beats(int ticks)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(ticks) / Score::ticksPerBeat);
    return text;
}

// The General MIDI drum kit's keys under short names.
constexpr std::pair<std::string_view, int> drums[] = {
    {"kick", 36},  {"rim", 37},    {"snare", 38},  {"clap", 39},     {"hat", 42},     {"tomlow", 45},
    {"pedal", 44}, {"open", 46},   {"tommid", 47}, {"crash", 49},    {"tomhigh", 50}, {"ride", 51},
    {"bell", 53},  {"tamb", 54},   {"cabasa", 69}, {"shaker", 70},   {"triangle", 81},
};

std::optional<int> PitchKey(std::string_view name)
{
    for (const auto& [drum, key] : drums)
        if (name == drum)
            return key;
    constexpr std::string_view letters = "CDEFGAB";
    constexpr int semitones[] = {0, 2, 4, 5, 7, 9, 11};
    if (name.empty() || letters.find(name[0]) == std::string_view::npos)
        return std::nullopt;
    int key = semitones[letters.find(name[0])];
    name.remove_prefix(1);
    if (!name.empty() && (name[0] == '#' || name[0] == 'b')) {
        key += name[0] == '#' ? 1 : -1;
        name.remove_prefix(1);
    }
    const std::optional<int> octave = ParseNumber<int>(name);
    if (!octave || *octave < -1 || *octave > 9)
        return std::nullopt;
    key += (*octave + 1) * 12;
    if (key < 0 || key > 127)
        return std::nullopt;
    return key;
}

std::optional<int> LengthTicks(std::string_view name)
{
    constexpr std::string_view letters = "whqes";
    constexpr int ticks[] = {96, 48, 24, 12, 6};
    if (name.empty() || name.size() > 2 || letters.find(name[0]) == std::string_view::npos)
        return std::nullopt;
    const int plain = ticks[letters.find(name[0])] * Score::ticksPerBeat / 24;
    if (name.size() == 1)
        return plain;
    if (name[1] == '.')
        return plain * 3 / 2;
    if (name[1] == 't')
        return plain * 2 / 3;
    return std::nullopt;
}

// A note or chord inside a bar, in ticks from the bar's start.
struct BarNote {
    std::vector<int> keys; // empty for a rest
    int velocity = 0;
    int start = 0;
    int length = 0;
};

struct Section {
    std::string name;
    int line = 0;
    std::map<int, std::vector<std::vector<BarNote>>> bars; // by voice index
};

class ScoreReader {
public:
    explicit ScoreReader(Score& result) : score(result) {}

    void Read(std::string_view text)
    {
        std::vector<std::string_view> lines = Split(text, '\n');
        if (lines.size() > 1 && lines.back().empty())
            lines.pop_back(); // the last line's end
        for (const std::string_view line : lines) {
            ++lineNumber;
            ReadLine(WithoutComment(line));
        }
        if (form.empty())
            Fail("the score has no form");
        for (const Section& section : sections)
            CheckBarCounts(section);
        PlayForm();
    }

    int LineNumber() const { return lineNumber; }

private:
    void ReadLine(std::string_view line)
    {
        const std::vector<std::string_view> words = Words(line.substr(0, line.find('|')));
        if (words.empty()) {
            if (line.find('|') != std::string_view::npos)
                Fail("bars without a voice");
            return;
        }
        const std::string_view command = words[0];
        if (line.find('|') != std::string_view::npos)
            ReadBars(words, line.substr(line.find('|')));
        else if (command == "tempo")
            ReadTempo(words);
        else if (command == "beats")
            ReadBeats(words);
        else if (command == "voice")
            ReadVoice(words);
        else if (command == "section")
            ReadSection(words);
        else if (command == "form")
            ReadForm(words);
        else
            Fail("unknown command " + Quoted(command));
    }

    // Bars are checked against the bar length as they are read, so it is
    // fixed before the first of them.
    void ReadBeats(const std::vector<std::string_view>& words)
    {
        if (!sections.empty())
            Fail("beats must come before the first section");
        score.beatsPerBar = Setting(words.size() == 2 ? words[1] : "", 1, 16, "beats");
    }

    void ReadTempo(const std::vector<std::string_view>& words)
    {
        const std::optional<double> tempo = words.size() == 2 ? ParseNumber<double>(words[1]) : std::nullopt;
        if (!tempo || !(*tempo >= 40.0 && *tempo <= 300.0))
            Fail("tempo needs a number from 40 to 300");
        score.tempo = *tempo;
    }

    void ReadVoice(const std::vector<std::string_view>& words)
    {
        if (words.size() < 2)
            Fail("voice needs a name");
        ScoreVoice voice;
        voice.name = words[1];
        if (FindVoice(voice.name))
            Fail("voice " + Quoted(voice.name) + " is defined twice");
        if (words.size() % 2 != 0)
            Fail("voice setting " + Quoted(words.back()) + " needs a value");
        bool hasChannel = false;
        for (std::size_t at = 2; at + 1 < words.size(); at += 2) {
            const std::string_view name = words[at];
            const std::string_view value = words[at + 1];
            const std::string what = "voice setting " + Quoted(name);
            if (name == "channel") {
                voice.channel = Setting(value, 1, 16, what) - 1;
                hasChannel = true;
            } else if (name == "program") {
                voice.program = Setting(value, 1, 128, what) - 1;
            } else if (name == "gate") {
                voice.gate = Setting(value, 1, 100, what);
            } else {
                int* setting = name == "volume"     ? &voice.volume
                               : name == "pan"      ? &voice.pan
                               : name == "reverb"   ? &voice.reverb
                               : name == "chorus"   ? &voice.chorus
                               : name == "velocity" ? &voice.velocity
                                                    : nullptr;
                if (setting == nullptr)
                    Fail("unknown voice setting " + Quoted(name));
                *setting = Setting(value, 0, 127, what);
            }
        }
        if (!hasChannel)
            Fail("voice " + Quoted(voice.name) + " needs a channel");
        for (const ScoreVoice& other : score.voices)
            if (other.channel == voice.channel)
                Fail("voice " + Quoted(voice.name) + " shares channel " + std::to_string(voice.channel + 1) +
                     " with voice " + Quoted(other.name));
        score.voices.push_back(std::move(voice));
    }

    void ReadSection(const std::vector<std::string_view>& words)
    {
        if (words.size() != 2)
            Fail("section needs one name");
        if (FindSection(words[1]))
            Fail("section " + Quoted(words[1]) + " is defined twice");
        sections.push_back({std::string(words[1]), lineNumber, {}});
    }

    void ReadForm(const std::vector<std::string_view>& words)
    {
        if (!form.empty())
            Fail("the form is given twice");
        if (words.size() < 2)
            Fail("form needs at least one section");
        formLine = lineNumber;
        for (std::size_t at = 1; at < words.size(); ++at) {
            const Section* section = FindSection(words[at]);
            if (section == nullptr)
                Fail("form names an unknown section " + Quoted(words[at]));
            form.push_back(static_cast<std::size_t>(section - sections.data()));
        }
    }

    // "NAME | bar | bar |": the bars are appended to the voice's bars in the
    // current section.
    void ReadBars(const std::vector<std::string_view>& words, std::string_view bars)
    {
        if (words.size() != 1)
            Fail("bars need one voice name before them");
        const ScoreVoice* voice = FindVoice(words[0]);
        if (voice == nullptr)
            Fail("unknown voice " + Quoted(words[0]));
        if (sections.empty())
            Fail("bars outside a section");
        const int voiceIndex = static_cast<int>(voice - score.voices.data());
        std::vector<std::vector<BarNote>>& voiceBars = sections.back().bars[voiceIndex];
        std::vector<std::string_view> parts = Split(bars, '|');
        // The text before the first '|' is empty by construction; after the
        // last one it may be.
        parts.erase(parts.begin());
        if (!parts.empty() && Words(parts.back()).empty())
            parts.pop_back();
        int length = 0;
        for (const std::string_view part : parts)
            voiceBars.push_back(ReadBar(part, *voice, voiceBars.size() + 1, length));
    }

    // Bar `number` of the voice in this section; `length` carries the last
    // note's length from bar to bar on one line.
    std::vector<BarNote> ReadBar(std::string_view text, const ScoreVoice& voice, std::size_t number, int& length)
    {
        std::vector<BarNote> bar;
        int position = 0;
        for (std::string_view token : Words(text)) {
            const std::string whole(token);
            BarNote note;
            note.velocity = voice.velocity;
            if (token.back() == '!' || token.back() == '~') {
                note.velocity = std::clamp(note.velocity + (token.back() == '!' ? 20 : -25), 1, 127);
                token.remove_suffix(1);
            }
            const std::size_t colon = token.find(':');
            if (colon != std::string_view::npos) {
                const std::optional<int> ticks = LengthTicks(token.substr(colon + 1));
                if (!ticks)
                    Fail(Quoted(whole) + " has no length such as q, e. or et");
                length = *ticks;
            } else if (length == 0) {
                Fail(Quoted(whole) + " needs a length: the first note on a line has no note before it");
            }
            const std::string_view pitch = token.substr(0, colon);
            if (pitch != "r")
                for (const std::string_view name : Split(pitch, '+')) {
                    const std::optional<int> key = PitchKey(name);
                    if (!key)
                        Fail(Quoted(name) + " is not a pitch such as C4, F#5, Bb3 or a drum name");
                    note.keys.push_back(*key);
                }
            note.start = position;
            note.length = length;
            position += length;
            bar.push_back(std::move(note));
        }
        if (position != TicksPerBar())
            Fail("bar " + std::to_string(number) + " on this line of voice " + Quoted(voice.name) + " lasts " +
                 Beats(position) + " beats instead of " + std::to_string(score.beatsPerBar));
        return bar;
    }

    void CheckBarCounts(const Section& section)
    {
        lineNumber = section.line;
        if (section.bars.empty())
            Fail("section " + Quoted(section.name) + " has no bars");
        const auto& [firstVoice, firstBars] = *section.bars.begin();
        for (const auto& [voice, bars] : section.bars)
            if (bars.size() != firstBars.size())
                Fail("in section " + Quoted(section.name) + " voice " + Quoted(score.voices[voice].name) + " has " +
                     std::to_string(bars.size()) + " bars but voice " + Quoted(score.voices[firstVoice].name) +
                     " has " + std::to_string(firstBars.size()));
    }

    void PlayForm()
    {
        int bars = 0;
        lineNumber = formLine;
        for (const std::size_t index : form) {
            const Section& section = sections[index];
            const int sectionBars = static_cast<int>(section.bars.begin()->second.size());
            if (bars + sectionBars > maximumBars)
                Fail("the form lasts more than " + std::to_string(maximumBars) + " bars");
            for (const auto& [voice, voiceBars] : section.bars)
                for (std::size_t bar = 0; bar < voiceBars.size(); ++bar)
                    for (const BarNote& note : voiceBars[bar])
                        for (const int key : note.keys)
                            score.notes.push_back({voice, key, note.velocity,
                                                   (bars + static_cast<int>(bar)) * TicksPerBar() + note.start,
                                                   note.length});
            bars += sectionBars;
        }
        std::stable_sort(score.notes.begin(), score.notes.end(),
                         [](const ScoreNote& a, const ScoreNote& b) { return a.start < b.start; });
        score.length = bars * TicksPerBar();
    }

    int TicksPerBar() const { return score.beatsPerBar * Score::ticksPerBeat; }

    const ScoreVoice* FindVoice(std::string_view name) const
    {
        for (const ScoreVoice& voice : score.voices)
            if (voice.name == name)
                return &voice;
        return nullptr;
    }

    const Section* FindSection(std::string_view name) const
    {
        for (const Section& section : sections)
            if (section.name == name)
                return &section;
        return nullptr;
    }

    Score& score;
    std::vector<Section> sections;
    std::vector<std::size_t> form;
    int formLine = 0;
    int lineNumber = 0;
};

} // namespace

bool ParseScore(std::string_view text, const std::string& fileName, Score& score, std::string& error)
{
    score = Score();
    ScoreReader reader(score);
    try {
        reader.Read(text);
        return true;
    } catch (const ScoreFault& fault) {
        error = fileName + ":" + std::to_string(reader.LineNumber()) + ": " + fault.message;
        score = Score();
        return false;
    }
}

} // namespace content
