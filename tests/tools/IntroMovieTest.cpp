// The intro movie's content: its storyboard, the frames drawn from it, and
// its soundtrack of music and narration.

#include "IntroMovie.h"
#include "IntroSoundtrack.h"
#include "SpeechSynth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace content::intro;

// The frame's pixels as 0xRRGGBB, row by row.
std::vector<std::uint32_t> Pixels(const content::Picture& picture)
{
    cairo_surface_t* surface = cairo_get_target(picture.Cairo());
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(picture.Width() * picture.Height()));
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            std::uint32_t pixel = 0;
            std::memcpy(&pixel, data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, sizeof pixel);
            pixels.push_back(pixel);
        }
    }
    return pixels;
}

int Red(std::uint32_t pixel) { return static_cast<int>((pixel >> 16) & 0xFF); }
int Green(std::uint32_t pixel) { return static_cast<int>((pixel >> 8) & 0xFF); }
int Blue(std::uint32_t pixel) { return static_cast<int>(pixel & 0xFF); }

// The share of pixels in the rectangle for which `test` holds.
template <typename Test>
double Share(const std::vector<std::uint32_t>& pixels, int left, int top, int right, int bottom, Test test)
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            count += test(pixels[static_cast<std::size_t>(y * frameWidth + x)]) ? 1 : 0;
    return static_cast<double>(count) / ((right - left) * (bottom - top));
}

// Within `tolerance` of 0xRRGGBB on every channel.
bool Near(std::uint32_t pixel, std::uint32_t rgb, int tolerance)
{
    return std::abs(Red(pixel) - Red(rgb)) <= tolerance && std::abs(Green(pixel) - Green(rgb)) <= tolerance &&
           std::abs(Blue(pixel) - Blue(rgb)) <= tolerance;
}

// Mean absolute difference per channel between two frames, 0 to 255.
double Difference(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b)
{
    double total = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i)
        total += std::abs(Red(a[i]) - Red(b[i])) + std::abs(Green(a[i]) - Green(b[i])) + std::abs(Blue(a[i]) - Blue(b[i]));
    return total / (3.0 * static_cast<double>(a.size()));
}

} // namespace

TEST(IntroMovieTest, StoryboardCoversTheMovieShotAfterShot)
{
    const auto shots = Storyboard();
    ASSERT_GE(shots.size(), 5u);
    ASSERT_LE(shots.size(), 8u);
    EXPECT_EQ(shots.front().start, 0.0);
    for (std::size_t index = 0; index < shots.size(); ++index) {
        SCOPED_TRACE(shots[index].name);
        EXPECT_GT(shots[index].length, 2.0);
        EXPECT_LT(shots[index].fadeIn, shots[index].length);
        if (index > 0) {
            EXPECT_NEAR(shots[index].start, shots[index - 1].End(), 1e-9);
        }
        const double middle = shots[index].start + shots[index].length / 2.0;
        EXPECT_EQ(&ShotAt(middle), &shots[index]);
    }
    EXPECT_EQ(MovieSeconds(), shots.back().End());
    EXPECT_GE(MovieSeconds(), 30.0);
    EXPECT_LE(MovieSeconds(), 60.0);
    // 50.4 s at 25 frames a second.
    EXPECT_EQ(FrameCount(), 1260);
    EXPECT_EQ(&ShotAt(-1.0), &shots.front());
    EXPECT_EQ(&ShotAt(MovieSeconds() + 1.0), &shots.back());
}

TEST(IntroMovieTest, FramesAreOpaqueNeverBlackAndTheSameEveryTime)
{
    for (const double seconds : {0.0, 5.0, 12.0, 17.5, 20.5, 24.0, 31.0, 37.9, 45.0, MovieSeconds() - 0.04}) {
        SCOPED_TRACE(seconds);
        const content::Picture frame = DrawFrame(seconds);
        ASSERT_EQ(frame.Width(), 800);
        ASSERT_EQ(frame.Height(), 600);
        const std::vector<std::uint32_t> pixels = Pixels(frame);
        EXPECT_EQ(std::ranges::count_if(pixels, [](std::uint32_t pixel) { return pixel >> 24 != 0xFF; }), 0);
        EXPECT_EQ(std::ranges::count_if(pixels, [](std::uint32_t pixel) { return (pixel & 0xFFFFFF) == 0; }), 0);
        EXPECT_EQ(Pixels(DrawFrame(seconds)), pixels);
    }
}

TEST(IntroMovieTest, EveryShotMovesFromFrameToFrame)
{
    // Two frames 1/25 s apart in the middle of each shot differ visibly:
    // on average a fifth of a level in 255 over the whole picture, where a
    // still picture with only its stars and waves moving stays below a
    // tenth.
    for (const Shot& shot : Storyboard()) {
        SCOPED_TRACE(shot.name);
        const double middle = shot.start + shot.length / 2.0;
        const double change = Difference(Pixels(DrawFrame(middle)), Pixels(DrawFrame(middle + 1.0 / framesPerSecond)));
        EXPECT_GT(change, 0.2);
    }
}

TEST(IntroMovieTest, FramesShowWhatTheirShotsTell)
{
    const auto night = [](std::uint32_t pixel) { return Blue(pixel) > Red(pixel) && Red(pixel) < 110 && Green(pixel) < 110; };
    // In flight: mostly the night of space, with the orange and teal cutter
    // in the middle of the frame.
    const std::vector<std::uint32_t> flight = Pixels(DrawFrame(5.0));
    EXPECT_GT(Share(flight, 0, 0, 800, 600, night), 0.6);
    EXPECT_GT(Share(flight, 200, 200, 600, 450, [](std::uint32_t p) { return Near(p, 0x5FD6CB, 40); }), 0.03);
    EXPECT_GT(Share(flight, 200, 200, 600, 450, [](std::uint32_t p) { return Near(p, 0xEE7F22, 50); }), 0.005);

    // The crystal's flash: the frame turns almost white just after the
    // crack.
    const Shot& crystal = Storyboard()[2];
    ASSERT_EQ(crystal.kind, ShotKind::crystal);
    const std::vector<std::uint32_t> flash = Pixels(DrawFrame(crystal.start + 3.7));
    EXPECT_GT(Share(flash, 0, 0, 800, 600, [](std::uint32_t p) { return Red(p) > 220 && Green(p) > 210; }), 0.9);

    // The landing: Wakalua by day, sky, turquoise sea and sand, no night.
    const std::vector<std::uint32_t> beach = Pixels(DrawFrame(Storyboard()[5].start + 5.0));
    EXPECT_LT(Share(beach, 0, 0, 800, 600, night), 0.08);
    EXPECT_GT(Share(beach, 0, 0, 800, 600, [](std::uint32_t p) { return Red(p) > 200 && Green(p) > 180 && Blue(p) < Red(p) - 25; }), 0.25);
    EXPECT_GT(Share(beach, 0, 250, 800, 450, [](std::uint32_t p) { return Green(p) > Red(p) + 60 && Blue(p) > Red(p) + 60; }), 0.15);

    // The last frame: the title's letters, teal over orange, across the
    // middle of the upper half.
    const std::vector<std::uint32_t> title = Pixels(DrawFrame(MovieSeconds() - 0.04));
    EXPECT_GT(Share(title, 150, 100, 650, 160, [](std::uint32_t p) { return Near(p, 0x5FD6CB, 30); }), 0.12);
    EXPECT_GT(Share(title, 100, 170, 700, 270, [](std::uint32_t p) { return Near(p, 0xFFC36B, 30); }), 0.2);
}

// The soundtrack is made once for all its tests: rendering the music and
// speaking the lines takes a few seconds.
class IntroSoundtrackTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        content::PronunciationList pronunciations;
        std::string error;
        ASSERT_TRUE(pronunciations.Load(content::PronunciationListPath(), error)) << error;
        parts = new SoundtrackParts;
        ASSERT_TRUE(MakeSoundtrackParts(content::SpeechSynth(std::move(pronunciations)), *parts, error)) << error;
        track = new std::vector<std::int16_t>(MixSoundtrack(*parts));
    }
    static void TearDownTestSuite()
    {
        delete parts;
        delete track;
    }

    static SoundtrackParts* parts;
    static std::vector<std::int16_t>* track;
};

SoundtrackParts* IntroSoundtrackTest::parts = nullptr;
std::vector<std::int16_t>* IntroSoundtrackTest::track = nullptr;

TEST_F(IntroSoundtrackTest, LastsAsLongAsTheMovieWithoutClippingOrClicks)
{
    ASSERT_NE(track, nullptr);
    // 50.4 s of 44,100 stereo frames: 1,764 to every picture.
    EXPECT_EQ(track->size(), 2u * 2222640u);
    EXPECT_EQ(track->size(), 2u * 1764u * static_cast<std::size_t>(FrameCount()));
    // The loudest sample at most -1 dBFS (29,204), and loud enough to hear.
    int loudest = 0;
    for (const std::int16_t sample : *track)
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    EXPECT_LE(loudest, 29205);
    EXPECT_GT(loudest, 16000);
    // Starts and ends at silence and gets there smoothly: within the first
    // and last 5 ms (220 frames) nothing louder than -30 dBFS.
    for (std::size_t i = 0; i < 440; ++i) {
        EXPECT_LE(std::abs((*track)[i]), 1036) << "frame " << i / 2;
        EXPECT_LE(std::abs((*track)[track->size() - 1 - i]), 1036) << "frame from the end " << i / 2;
    }
    EXPECT_LE(std::abs(track->front()), 8);
    EXPECT_LE(std::abs(track->back()), 8);
}

TEST_F(IntroSoundtrackTest, LinesFitTheirShotsAndSoundClearlyOverTheDuckedMusic)
{
    ASSERT_NE(track, nullptr);
    ASSERT_EQ(parts->lines.size(), Narration().size());
    const auto rms = [](auto sampleAt, long from, long to) {
        double sum = 0.0;
        for (long frame = from; frame < to; ++frame)
            sum += sampleAt(frame) * sampleAt(frame);
        return std::sqrt(sum / static_cast<double>(to - from));
    };
    const auto mixed = [&](long frame) { return (*track)[static_cast<std::size_t>(frame) * 2] / 32767.0; };
    const auto music = [&](long frame) { return static_cast<double>(parts->music[static_cast<std::size_t>(frame) * 2]); };

    // The music alone between the first two lines.
    const long gapFrom = parts->lines[0].startFrame + static_cast<long>(parts->lines[0].samples.size()) + 44100;
    const long gapTo = parts->lines[1].startFrame - 22050;
    ASSERT_GT(gapTo - gapFrom, 22050);
    const double musicShare = rms(mixed, gapFrom, gapTo) / rms(music, gapFrom, gapTo);

    long previousEnd = 0;
    for (std::size_t index = 0; index < parts->lines.size(); ++index) {
        const SoundtrackParts::Line& line = parts->lines[index];
        SCOPED_TRACE(Narration()[index].text);
        const long start = line.startFrame;
        const long end = start + static_cast<long>(line.samples.size());
        // In order, apart, and each within one shot.
        EXPECT_GE(start, previousEnd + 11025);
        EXPECT_EQ(&ShotAt(start / 44100.0), &ShotAt(end / 44100.0));
        previousEnd = end;
        // Left channel: the line as it was placed, and what is left of the
        // mix without it.
        const double leftGain = 1.2 * std::min(1.0, 2.0 * (1.0 - line.pan));
        const auto speech = [&](long frame) { return line.samples[static_cast<std::size_t>(frame - start)] * leftGain; };
        const auto rest = [&](long frame) { return mixed(frame) - speech(frame); };
        const double speechLevel = rms(speech, start, end);
        const double restLevel = rms(rest, start, end);
        EXPECT_GT(speechLevel, 0.05);
        // The voice at least 10 dB above the music under it...
        EXPECT_GT(speechLevel, 3.16 * restLevel);
        // ...which is the music at less than half the level it has
        // between lines.
        EXPECT_LT(restLevel / rms(music, start, end), 0.5 * musicShare);
    }
    EXPECT_LT(previousEnd, static_cast<long>(track->size() / 2));
}
