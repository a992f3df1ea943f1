// Every streamed music file (the title's, each episode's) through the
// game's own Ogg loader, and the score format they are written in.

#include "ContentLists.h"
#include "LoopMeasures.h"
#include "MusicArt.h"
#include "Score.h"
#include "app/Debug.h"
#include "audio/OggLoader.h"
#include "audio/SampleData.h"
#include "support/HeadlessTest.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr const char* titleMusic = "data\\menu\\Audio\\StreamingSfx\\RuvIdMenu.ogg";
// The catapult rolling, a sound the throwing contest streams from beside
// its music.
constexpr const char* rollingLoop = "data\\level09\\audio\\StreamingSfx\\catapult_roll_loop.ogg";

// Every streamed file but the rolling loop: the music, each file made from
// its score.
std::vector<std::string> StreamedMusic()
{
    std::vector<std::string> files = content::FindStreamedMusic();
    EXPECT_EQ(std::erase(files, rollingLoop), 1u);
    return files;
}

// One channel's samples out of interleaved 16-bit PCM.
std::vector<int> ChannelSamples(const SampleData& data, int channel)
{
    std::vector<int> samples;
    samples.reserve(static_cast<std::size_t>(data.frames));
    const auto* pcm = reinterpret_cast<const std::int16_t*>(data.data);
    for (int frame = 0; frame < data.frames; ++frame)
        samples.push_back(pcm[frame * data.channels + channel]);
    return samples;
}

// "RuvIdMenu" for data\menu\Audio\StreamingSfx\RuvIdMenu.ogg: each file is
// made from the score of its name.
std::string ScoreName(const std::string& file)
{
    const std::string name = file.substr(file.rfind('\\') + 1);
    return name.substr(0, name.size() - 4);
}

std::string ParseError(const std::string& text)
{
    content::Score score;
    std::string error;
    EXPECT_FALSE(content::ParseScore(text, "bad.txt", score, error)) << text;
    EXPECT_TRUE(score.notes.empty());
    return error;
}

} // namespace

// Works in a temporary folder whose data folder is the generated one.
class MusicTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        std::filesystem::create_directory_symlink(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data", "data");
        StartLog();
    }
};

TEST_F(MusicTest, EveryMusicIsAStereoLoopThatNeitherClipsNorClicksNorLeans)
{
    const std::vector<std::string> files = StreamedMusic();
    ASSERT_NE(std::find(files.begin(), files.end(), titleMusic), files.end());
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        OggLoader loader;
        SampleData data;
        // The sample manager's names are relative to the data folder.
        ASSERT_TRUE(loader.Load(file.substr(5), data));
        EXPECT_EQ(data.rate, 44100);
        ASSERT_EQ(data.channels, 2);
        EXPECT_EQ(data.bits, 16);
        const double seconds = static_cast<double>(data.frames) / 44100.0;
        EXPECT_GE(seconds, 30.0);
        EXPECT_LE(seconds, 180.0);
        const std::vector<int> left = ChannelSamples(data, 0);
        const std::vector<int> right = ChannelSamples(data, 1);
        FreeSampleData(data);
        ASSERT_GT(left.size(), 10u * 44100u);

        int loudest = 0;
        for (const std::vector<int>* samples : {&left, &right}) {
            SCOPED_TRACE(samples == &left ? "left" : "right");
            // Scaled to about -1 dBFS (29,205 of 32,768); the encoder may
            // move the peak a little, never up to full scale.
            int channelLoudest = 0;
            for (const int sample : *samples)
                channelLoudest = std::max(channelLoudest, std::abs(sample));
            EXPECT_GT(channelLoudest, 23000); // -3 dBFS: the other channel may hold the peak
            EXPECT_LT(channelLoudest, 32000);
            loudest = std::max(loudest, channelLoudest);
            // Played round, the last sample is followed by the first: that
            // step is no larger than nine in ten of the steps between
            // neighbours in the music. (Cutting off the sound that rings
            // past the end instead of adding it to the start makes it half
            // as large again as that.)
            EXPECT_LE(std::abs(samples->front() - samples->back()), NeighbourStep(*samples, 0.9))
                << "first " << samples->front() << ", last " << samples->back();
        }
        EXPECT_GT(loudest, 27000); // -1.7 dBFS

        // Neither side is louder: in every ten seconds (the rest after the
        // last whole ten joins them) the two channels' RMS levels lie
        // within half a decibel.
        constexpr std::size_t window = 10 * 44100;
        for (std::size_t first = 0; first + window <= left.size(); first += window) {
            SCOPED_TRACE("from " + std::to_string(first / 44100) + " s");
            const std::size_t end = first + 2 * window > left.size() ? left.size() : first + window;
            double leftEnergy = 0.0;
            double rightEnergy = 0.0;
            for (std::size_t frame = first; frame < end; ++frame) {
                leftEnergy += static_cast<double>(left[frame]) * left[frame];
                rightEnergy += static_cast<double>(right[frame]) * right[frame];
            }
            ASSERT_GT(rightEnergy, 0.0);
            EXPECT_NEAR(10.0 * std::log10(leftEnergy / rightEnergy), 0.0, 0.5);
        }
    }
    EXPECT_EQ(Debug::GetInstance().GetErrorCount(), 0);
}

TEST_F(MusicTest, GeneratedMusicIsWhatItsScoreMakesNow)
{
    for (const std::string& file : StreamedMusic()) {
        SCOPED_TRACE(file);
        const std::string scorePath = std::string(ZEPHYRA_MUSIC_DIR) + "/" + ScoreName(file) + ".txt";
        std::vector<std::uint8_t> made;
        std::string error;
        ASSERT_TRUE(content::MakeMusic(scorePath, made, error)) << error;
        std::string path = file;
        std::replace(path.begin(), path.end(), '\\', '/');
        const std::string stored = ReadFile(std::filesystem::path(path));
        ASSERT_EQ(made.size(), stored.size());
        EXPECT_TRUE(std::equal(made.begin(), made.end(), reinterpret_cast<const std::uint8_t*>(stored.data())));
        // Compressed as music is, under 160 kbit/s (20,000 bytes a second):
        // a longer piece may take more room, but no piece more than that.
        content::Score score;
        ASSERT_TRUE(content::LoadScore(scorePath, score, error)) << error;
        EXPECT_LT(static_cast<double>(stored.size()),
                  20000.0 * static_cast<double>(content::ScoreFrames(score)) / content::musicRate);
    }
}

// The cart's rolling is streamed round and round, louder the faster it
// goes: two seconds of mono effect at the effects' rate, whose last sample
// leads into the first as any two neighbours do, and whose rumble goes on
// through the join as loud as anywhere else (a loop whose sounds faded out
// before its end and in after its start would dip there every round).
TEST_F(MusicTest, TheCatapultsRollingLoopJoinsWithoutAClickOrADip)
{
    OggLoader loader;
    SampleData data;
    ASSERT_TRUE(loader.Load(std::string(rollingLoop).substr(5), data));
    EXPECT_EQ(data.rate, 22050);
    ASSERT_EQ(data.channels, 1);
    EXPECT_EQ(data.frames, 2 * 22050);
    const std::vector<int> samples = ChannelSamples(data, 0);
    FreeSampleData(data);
    ASSERT_EQ(samples.size(), 2u * 22050u);

    int loudest = 0;
    for (const int sample : samples)
        loudest = std::max(loudest, std::abs(sample));
    // Written at -2 dBFS (26,214 of 32,768); the encoder moves it a little.
    EXPECT_GT(loudest, 23000);
    EXPECT_LT(loudest, 30000);
    EXPECT_LE(std::abs(samples.front() - samples.back()), NeighbourStep(samples, 0.9))
        << "first " << samples.front() << ", last " << samples.back();

    // The level of each tenth of a second, round the loop, the first
    // across the join; none is under half the middle one (-6 dB).
    const std::vector<double> levels = LevelsRoundTheLoop(samples, 2205);
    const double middle = MiddleLevel(levels);
    EXPECT_GT(*std::min_element(levels.begin(), levels.end()), 0.5 * middle) << "middle " << middle;
    EXPECT_EQ(Debug::GetInstance().GetErrorCount(), 0);
}

// The dance counts its steps from the music's play position: step k comes
// k / 1.0848 s after the file's first sample, and the file is played round
// while a round of 140 steps goes on. So the first step sounds at once, and
// the file holds a whole number of phrases of eight steps: 44,100 / 1.0848 =
// 40,652.65 frames a step, 2,601,769.8 for 64 steps, rounded to the frame.
TEST_F(MusicTest, TheDanceMusicSoundsOnTheDancersStepsAndLoopsOnOne)
{
    constexpr double framesPerStep = 44100.0 / 1.0848;
    OggLoader loader;
    SampleData data;
    ASSERT_TRUE(loader.Load("level07\\audio\\StreamingSfx\\WaiKiKi.ogg", data));
    const long frames = data.frames;
    FreeSampleData(data);
    const long steps = std::lround(frames / framesPerStep);
    EXPECT_EQ(steps % 8, 0);
    EXPECT_NEAR(static_cast<double>(frames), steps * framesPerStep, 0.5);

    // Played once without the tail that the loop folds onto its start, the
    // first note is heard within a millisecond.
    content::Score score;
    std::string error;
    ASSERT_TRUE(content::LoadScore(std::string(ZEPHYRA_MUSIC_DIR) + "/WaiKiKi.txt", score, error)) << error;
    std::vector<float> stereo;
    ASSERT_TRUE(content::RenderScoreOnce(score, content::generalMidiSoundFont, content::musicPeak, stereo, error))
        << error;
    const auto heard = std::find_if(stereo.begin(), stereo.end(), [](float sample) { return std::abs(sample) > 0.01f; });
    EXPECT_LT((heard - stereo.begin()) / 2, 44);
}

TEST(ScoreTest, ReadsVoicesBarsAndTheForm)
{
    const std::string text = "# a waltz\n"
                             "tempo 120\n"
                             "beats 3\n"
                             "voice tune channel 2 program 5 velocity 80 gate 50\n"
                             "voice kit channel 10\n"
                             "section S\n"
                             "tune | C4:q. D4:e E4+G4:q! |   # the sharp in a comment: F#4\n"
                             "kit  | kick:h r:q |\n"
                             "section T\n"
                             "tune | F#4:e Bb3 r:h |\n"
                             "form S T S\n";
    content::Score score;
    std::string error;
    ASSERT_TRUE(content::ParseScore(text, "good.txt", score, error)) << error;
    EXPECT_DOUBLE_EQ(score.tempo, 120.0);
    EXPECT_DOUBLE_EQ(score.SecondsPerTick(), 1.0 / 48.0); // half a second per beat of 24 ticks
    EXPECT_EQ(score.beatsPerBar, 3);
    ASSERT_EQ(score.voices.size(), 2u);
    EXPECT_EQ(score.voices[0].name, "tune");
    EXPECT_EQ(score.voices[0].channel, 1);
    EXPECT_EQ(score.voices[0].program, 4);
    EXPECT_EQ(score.voices[0].gate, 50);
    EXPECT_EQ(score.voices[1].channel, 9);
    EXPECT_EQ(score.voices[1].velocity, 90);
    EXPECT_EQ(score.length, 3 * 72);

    // voice, key, velocity, start, length; a bar is 72 ticks.
    using Note = std::tuple<int, int, int, int, int>;
    const std::vector<Note> expected = {
        {0, 60, 80, 0, 36},     {1, 36, 90, 0, 48},     {0, 62, 80, 36, 12},   {0, 64, 100, 48, 24},
        {0, 67, 100, 48, 24},   {0, 66, 80, 72, 12},    {0, 58, 80, 84, 12},   {0, 60, 80, 144, 36},
        {1, 36, 90, 144, 48},   {0, 62, 80, 180, 12},   {0, 64, 100, 192, 24}, {0, 67, 100, 192, 24},
    };
    std::vector<Note> notes;
    for (const content::ScoreNote& note : score.notes)
        notes.emplace_back(note.voice, note.key, note.velocity, note.start, note.length);
    EXPECT_EQ(notes, expected);
}

TEST(ScoreTest, RefusesMalformedLinesNamingFileAndLine)
{
    const std::string voice = "voice a channel 1\n";
    const std::string head = voice + "section S\n";
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"tempo fast\n", "bad.txt:1: tempo needs a number from 40 to 300"},
        {"tempo 1000\n", "bad.txt:1: tempo needs a number from 40 to 300"},
        {"\nplay it\n", "bad.txt:2: unknown command 'play'"},
        {"voice\n", "bad.txt:1: voice needs a name"},
        {"voice a program 12\n", "bad.txt:1: voice 'a' needs a channel"},
        {"voice a channel 17\n", "bad.txt:1: voice setting 'channel' needs a number from 1 to 16"},
        {"voice a channel 1 pan\n", "bad.txt:1: voice setting 'pan' needs a value"},
        {"voice a channel 1 loud 3\n", "bad.txt:1: unknown voice setting 'loud'"},
        {voice + voice, "bad.txt:2: voice 'a' is defined twice"},
        {voice + "voice b channel 1\n", "bad.txt:2: voice 'b' shares channel 1 with voice 'a'"},
        {voice + "a | C4:w |\n", "bad.txt:2: bars outside a section"},
        {head + "b | C4:w |\n", "bad.txt:3: unknown voice 'b'"},
        {head + "| C4:w |\n", "bad.txt:3: bars without a voice"},
        {head + "a | C4:q D4 E4 |\n", "bad.txt:3: bar 1 on this line of voice 'a' lasts 3 beats instead of 4"},
        {head + "a | C4:w | C4:h D4:q. E4:s |\n", "bad.txt:3: bar 2 on this line of voice 'a' lasts 3.75 beats instead of 4"},
        {head + "a | H4:w |\n", "bad.txt:3: 'H4' is not a pitch such as C4, F#5, Bb3 or a drum name"},
        {head + "a | G#9:w |\n", "bad.txt:3: 'G#9' is not a pitch such as C4, F#5, Bb3 or a drum name"},
        {head + "a | C4+X:w |\n", "bad.txt:3: 'X' is not a pitch such as C4, F#5, Bb3 or a drum name"},
        {head + "a | C4:x |\n", "bad.txt:3: 'C4:x' has no length such as q, e. or et"},
        {head + "a | C4 |\n", "bad.txt:3: 'C4' needs a length: the first note on a line has no note before it"},
        {head + "beats 3\n", "bad.txt:3: beats must come before the first section"},
        {head + "section S\n", "bad.txt:3: section 'S' is defined twice"},
        {head + "a | C4:w |\n", "bad.txt:3: the score has no form"},
        {head + "a | C4:w |\nform S T\n", "bad.txt:4: form names an unknown section 'T'"},
        {head + "a | C4:w |\nform S\nform S\n", "bad.txt:5: the form is given twice"},
        {head + "form S\n", "bad.txt:2: section 'S' has no bars"},
        {voice + "voice b channel 2\nsection S\na | C4:w | D4 |\nb | C4:w |\nform S\n",
         "bad.txt:3: in section 'S' voice 'b' has 1 bars but voice 'a' has 2"},
    };
    for (const auto& [text, error] : cases)
        EXPECT_EQ(ParseError(text), error) << text;

    // 1,001 bars in all.
    std::string form = "form";
    for (int section = 0; section < 1001; ++section)
        form += " S";
    EXPECT_EQ(ParseError(head + "a | C4:w |\n" + form + "\n"), "bad.txt:4: the form lasts more than 1000 bars");
}
