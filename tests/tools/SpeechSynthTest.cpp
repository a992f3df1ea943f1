// Spoken lines from the content generator's speech synthesiser, read back
// through the game's own Ogg loader, and the pronunciation list it reads.

#include "PronunciationList.h"
#include "SpeechFilter.h"
#include "SpeechSynth.h"
#include "VoicePreset.h"
#include "app/Debug.h"
#include "audio/OggLoader.h"
#include "audio/SampleData.h"
#include "platform/Windows1252.h"
#include "support/HeadlessTest.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Eight words, with an umlaut, an ß and two names from the list.
const std::string line = "Schöne Grüße von der Zephyra aus Wakalua, Kapitän!"_w1252;
constexpr int lineWords = 8;

content::SpeechSynth MakeSynth()
{
    content::PronunciationList pronunciations;
    std::string error;
    EXPECT_TRUE(pronunciations.Load(content::PronunciationListPath(), error)) << error;
    return content::SpeechSynth(std::move(pronunciations));
}

std::vector<int> Samples(const SampleData& data)
{
    const auto* pcm = reinterpret_cast<const std::int16_t*>(data.data);
    return std::vector<int>(pcm, pcm + data.frames);
}

// The fundamental frequency of the voiced parts, in Hz, sorted: for each
// loud 40 ms window the lag between 2 ms (500 Hz) and 16 ms (62 Hz) at which
// the window looks most like itself (normalised autocorrelation above 0.6).
std::vector<double> Pitches(const std::vector<int>& samples, int rate)
{
    const std::size_t window = static_cast<std::size_t>(rate) * 40 / 1000;
    const std::size_t hop = window / 4;
    const std::size_t shortest = static_cast<std::size_t>(rate) / 500;
    const std::size_t longest = static_cast<std::size_t>(rate) / 62;
    double loudestEnergy = 0.0;
    std::vector<double> energies;
    for (std::size_t start = 0; start + window + longest < samples.size(); start += hop) {
        double energy = 0.0;
        for (std::size_t i = 0; i < window; ++i)
            energy += static_cast<double>(samples[start + i]) * samples[start + i];
        energies.push_back(energy);
        loudestEnergy = std::max(loudestEnergy, energy);
    }
    std::vector<double> pitches;
    for (std::size_t index = 0; index < energies.size(); ++index) {
        if (energies[index] < 0.2 * loudestEnergy)
            continue;
        const std::size_t start = index * hop;
        double best = 0.6;
        std::size_t bestLag = 0;
        for (std::size_t lag = shortest; lag <= longest; ++lag) {
            double product = 0.0;
            double shifted = 0.0;
            for (std::size_t i = 0; i < window; ++i) {
                product += static_cast<double>(samples[start + i]) * samples[start + i + lag];
                shifted += static_cast<double>(samples[start + i + lag]) * samples[start + i + lag];
            }
            const double similarity = product / std::sqrt(energies[index] * shifted + 1.0);
            if (similarity > best) {
                best = similarity;
                bestLag = lag;
            }
        }
        if (bestLag != 0)
            pitches.push_back(static_cast<double>(rate) / static_cast<double>(bestLag));
    }
    std::ranges::sort(pitches);
    return pitches;
}

// The pitch below which `fraction` of the voiced windows lie.
double PitchQuantile(const std::vector<double>& pitches, double fraction)
{
    return pitches.empty() ? 0.0 : pitches[static_cast<std::size_t>(fraction * static_cast<double>(pitches.size() - 1))];
}

} // namespace

class SpeechSynthTest : public LoggedTest {
protected:
    // The line in `element`'s voice through the game's Ogg loader.
    std::vector<int> LoadSpoken(const content::SpeechSynth& synth, const char* element, int& rate)
    {
        const content::VoicePreset* preset = content::FindVoicePreset(element);
        EXPECT_NE(preset, nullptr);
        if (preset == nullptr)
            return {};
        std::vector<std::uint8_t> ogg;
        std::string error;
        EXPECT_TRUE(synth.MakeFile(*preset, line, ogg, error)) << error;
        WriteFile("data/line.ogg", std::string(ogg.begin(), ogg.end()));
        OggLoader loader;
        SampleData data;
        EXPECT_TRUE(loader.Load("line.ogg", data));
        EXPECT_EQ(data.channels, content::SpeechSynth::channels);
        EXPECT_EQ(data.bits, 16);
        rate = data.rate;
        std::vector<int> samples = Samples(data);
        FreeSampleData(data);
        return samples;
    }
};

TEST_F(SpeechSynthTest, EveryVoiceSpeaksALineTheGameLoadsCleanly)
{
    const content::SpeechSynth synth = MakeSynth();
    for (const char* element :
         {"Narrator", "Player", "Lotte", "Mia", "Baltasar", "Kira", "Rocko", "Baron", "Kalani", "Herold", "Schmied", "Ritter"}) {
        SCOPED_TRACE(element);
        int rate = 0;
        const std::vector<int> samples = LoadSpoken(synth, element, rate);
        ASSERT_EQ(rate, 22050);
        const double seconds = static_cast<double>(samples.size()) / rate;
        EXPECT_GE(seconds, 0.3 * lineWords);
        EXPECT_LE(seconds, 1.5 * lineWords);
        // The peak sits at -3 dBFS (23,198 of 32,768): the encoder may move it
        // by a few percent, never to full scale.
        int loudest = 0;
        for (const int sample : samples)
            loudest = std::max(loudest, std::abs(sample));
        EXPECT_GT(loudest, 21000);
        EXPECT_LT(loudest, 26000);
        // The first and last 5 ms are all but silent: the line fades in and out.
        const std::size_t edge = static_cast<std::size_t>(rate) * 5 / 1000;
        for (std::size_t i = 0; i < edge; ++i) {
            EXPECT_LT(std::abs(samples[i]), 330) << "sample " << i;
            EXPECT_LT(std::abs(samples[samples.size() - 1 - i]), 330) << "sample " << i << " from the end";
        }
    }
    EXPECT_EQ(Debug::GetInstance().GetErrorCount(), 0);
    EXPECT_EQ(Debug::GetInstance().GetWarningCount(), 0);
}

TEST_F(SpeechSynthTest, ChildrenSpeakHigherThanGrownUpsAndKiraOnAlmostOneNote)
{
    const content::SpeechSynth synth = MakeSynth();
    const auto pitches = [&](const char* element) {
        int rate = 0;
        const std::vector<int> samples = LoadSpoken(synth, element, rate);
        return Pitches(samples, rate);
    };
    const double lotte = PitchQuantile(pitches("Lotte"), 0.5);
    const double mia = PitchQuantile(pitches("Mia"), 0.5);
    const std::vector<double> juna = pitches("Player");
    const double baltasar = PitchQuantile(pitches("Baltasar"), 0.5);
    const double rocko = PitchQuantile(pitches("Rocko"), 0.5);
    // Children's voices lie around 250 to 400 Hz, men's around 85 to 155;
    // Juna at 15 between them, Baltasar the lowest.
    EXPECT_GT(lotte, 230.0);
    EXPECT_GT(mia, 230.0);
    EXPECT_GT(std::min(lotte, mia), PitchQuantile(juna, 0.5));
    EXPECT_GT(PitchQuantile(juna, 0.5), 1.4 * std::max(baltasar, rocko));
    EXPECT_LT(baltasar, 150.0);

    // The middle half of KIRA's windows lies within half a semitone (1/24
    // octave); Juna's spans several semitones, and KIRA's own would span one
    // with espeak-ng's normal pitch range.
    const std::vector<double> kira = pitches("Kira");
    const auto interval = [](const std::vector<double>& voice) {
        return std::log2(PitchQuantile(voice, 0.75) / PitchQuantile(voice, 0.25));
    };
    EXPECT_LT(interval(kira), 1.0 / 24.0);
    EXPECT_GT(interval(juna), 2.0 / 12.0);
}

TEST_F(SpeechSynthTest, TheSameLineGivesTheSameBytes)
{
    const content::SpeechSynth synth = MakeSynth();
    std::vector<std::uint8_t> first;
    std::vector<std::uint8_t> between;
    std::vector<std::uint8_t> second;
    std::string error;
    ASSERT_TRUE(synth.MakeFile(*content::FindVoicePreset("Kira"), line, first, error)) << error;
    ASSERT_TRUE(synth.MakeFile(*content::FindVoicePreset("Lotte"), "Das ist meine Kamera!", between, error)) << error;
    ASSERT_TRUE(synth.MakeFile(*content::FindVoicePreset("Kira"), line, second, error)) << error;
    EXPECT_TRUE(first == second);
    EXPECT_FALSE(first == between);

    // Lotte's breathy voice takes its noise from rand(): what the process
    // drew from it before does not change her line.
    std::srand(4711);
    std::vector<std::uint8_t> afterDrawing;
    ASSERT_TRUE(synth.MakeFile(*content::FindVoicePreset("Lotte"), "Das ist meine Kamera!", afterDrawing, error))
        << error;
    EXPECT_TRUE(afterDrawing == between);
}

TEST_F(SpeechSynthTest, ATextWithNothingToSayIsRefused)
{
    const content::SpeechSynth synth = MakeSynth();
    const content::VoicePreset& juna = *content::FindVoicePreset("Player");
    for (const std::string text : {"", "   ", "... ?! -", "[[ ]]", "\"\x85\""}) {
        SCOPED_TRACE(text);
        std::vector<float> samples = {1.0f};
        std::string error;
        EXPECT_FALSE(synth.Speak(juna, text, samples, error));
        EXPECT_TRUE(samples.empty());
        EXPECT_EQ(error, "nothing to say in \"" + Windows1252::ToUtf8(text) + "\"");
    }
    EXPECT_EQ(content::FindVoicePreset("Alien"), nullptr);
}

TEST_F(SpeechSynthTest, PronunciationListReplacesWholeWordsAndRefusesBadLines)
{
    content::PronunciationList list;
    std::string error;
    ASSERT_TRUE(list.Parse("# names\n\nZephyra  tse'fy:ra   # the ship\r\nKapitän\tkapi'tE:n\n", "names.txt", error))
        << error;
    EXPECT_EQ(list.Size(), 2u);
    EXPECT_EQ(list.Apply("Die Zephyra, Kapitän! Zephyras zephyra"),
              "Die [[tse'fy:ra]], [[kapi'tE:n]]! Zephyras zephyra");

    const std::pair<const char*, const char*> bad[] = {
        {"Zephyra\n", "names.txt:1: expected a word and its phonemes, found 1 fields"},
        {"\nZephyra tse fy:ra\n", "names.txt:2: expected a word and its phonemes, found 3 fields"},
        {"Zephyra-Zwei tse'fy:ra\n", "names.txt:1: the word Zephyra-Zwei holds a character that is not a letter"},
        {"Zephyra tse'fy:ra]]x\n", "names.txt:1: the phonemes of Zephyra hold a character espeak-ng cannot read"},
        {"Kapit\xE4n kapi'tE:n\n", "names.txt:1: the word is not UTF-8"},
        {"Zephyra a\nZephyra b\n", "names.txt:2: the word Zephyra is listed twice"},
    };
    for (const auto& [text, message] : bad) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(list.Parse(text, "names.txt", error));
        EXPECT_EQ(error, message);
        EXPECT_EQ(list.Size(), 0u);
    }

    // The committed list is read, and a listed word changes what is said.
    const content::SpeechSynth synth = MakeSynth();
    const content::SpeechSynth plain{content::PronunciationList()};
    const content::VoicePreset& kira = *content::FindVoicePreset("Kira");
    std::vector<float> listed;
    std::vector<float> unlisted;
    ASSERT_TRUE(synth.Speak(kira, "Zephyra", listed, error)) << error;
    ASSERT_TRUE(plain.Speak(kira, "Zephyra", unlisted, error)) << error;
    EXPECT_NE(listed, unlisted);
}
