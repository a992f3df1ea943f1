// The movie player on the headless back end: real movies made by the
// content tools' encoder, played on virtual time.

#include "platform/headless/HeadlessPlatform.h"
#include "platform/headless/HeadlessSoundDevice.h"
#include "platform/VirtualKey.h"
#include "support/HeadlessTest.h"
#include "support/MovieFiles.h"

#include <gtest/gtest.h>

#include <cmath>

using platform::MessageType;

namespace {

// Hands the player a device that outlives it, so the test can listen to
// what was mixed.
class SharedSoundDevice final : public platform::SoundDevice {
public:
    explicit SharedSoundDevice(platform::SoundDevice& shared) : device(shared) {}
    platform::SoundResult SetCooperativeLevel(platform::Window& window) override
    {
        return device.SetCooperativeLevel(window);
    }
    platform::SoundResult CreateBuffer(const platform::SoundFormat& format, std::uint32_t bytes, unsigned caps,
                                       std::unique_ptr<platform::SoundBuffer>& buffer) override
    {
        return device.CreateBuffer(format, bytes, caps, buffer);
    }

private:
    platform::SoundDevice& device;
};

class MoviePlayerTest : public HeadlessTest {
protected:
    struct Shown {
        std::uint32_t milliseconds;
        platform::Picture picture;
    };

    // Plays the movie on a screen of the given size and area; every picture
    // shown is kept with its time.
    bool Play(const std::vector<std::uint8_t>& movie, const platform::MovieScreen& screen, std::string& error,
              const std::function<void()>& afterPicture = {})
    {
        Window().KeepPresentedPictures(true);
        platform::MovieHooks hooks;
        hooks.presented = [&] {
            shown.push_back({Host().GetClock().Milliseconds(), Window().GetLastPresented()});
            if (afterPicture)
                afterPicture();
        };
        hooks.dispatch = [&](const platform::WindowMessage& message) { dispatched.push_back(message.type); };
        return Host().GetVideoPlayer().Play(movie, screen, Window(), hooks, error);
    }

    static std::uint32_t Pixel(const platform::Picture& picture, int x, int y)
    {
        return picture.pixels[static_cast<std::size_t>(y) * picture.width + x] & 0xFFFFFF;
    }

    std::vector<Shown> shown;
    std::vector<MessageType> dispatched;
};

const std::vector<std::uint32_t> tenColours = {0xC03020, 0x20C040, 0x3040C0, 0xC0C040, 0x808080,
                                               0x40C0C0, 0xB040B0, 0x606020, 0x20A0A0, 0xE0E0E0};

} // namespace

TEST_F(MoviePlayerTest, ShowsEachPictureAtItsTimeInItsPlaceAndPlaysTheSound)
{
    const std::vector<std::uint8_t> movie = WriteTestMovie("movie.avi", {.colours = tenColours});
    platform::HeadlessSoundDevice listener(Host().GetClock());
    listener.KeepOutput(44100);
    Host().SetSoundDeviceMaker([&] { return std::make_unique<SharedSoundDevice>(listener); });
    Window().Inject({MessageType::MouseMove, 0, 5, 5});

    // A 4:3 movie in a 160 x 80 area from row 20 of a 160 x 120 screen: 106
    // x 80 pictures from x = 27, black around them.
    const std::uint32_t start = Host().GetClock().Milliseconds();
    std::string error;
    ASSERT_TRUE(Play(movie, {160, 120, 0, 20, 160, 80}, error)) << error;
    const std::uint32_t end = Host().GetClock().Milliseconds();

    ASSERT_EQ(shown.size(), tenColours.size());
    for (std::size_t index = 0; index < shown.size(); ++index) {
        const platform::Picture& picture = shown[index].picture;
        SCOPED_TRACE(index);
        EXPECT_EQ(shown[index].milliseconds - start, index * 40);
        ASSERT_EQ(picture.width, 160);
        ASSERT_EQ(picture.height, 120);
        for (const auto& [x, y] : {std::pair{27, 20}, std::pair{80, 60}, std::pair{132, 99}})
            EXPECT_TRUE(ColourNear(Pixel(picture, x, y), tenColours[index])) << std::hex << Pixel(picture, x, y);
        for (const auto& [x, y] : {std::pair{26, 60}, std::pair{133, 60}, std::pair{80, 19}, std::pair{80, 100}})
            EXPECT_EQ(Pixel(picture, x, y), 0u) << x << "," << y;
    }
    // Ten pictures of 40 ms, then the end.
    EXPECT_GE(end - start, 400u);
    EXPECT_LE(end - start, 420u);
    EXPECT_EQ(dispatched, std::vector<MessageType>{MessageType::MouseMove});

    // The 1 kHz tone reached the device: full height, two zero crossings
    // a millisecond, in the 200 ms from 100 ms on.
    const std::vector<std::int16_t>& output = listener.GetKeptOutput();
    ASSERT_GE(output.size(), 2u * 44100 * 300 / 1000);
    int peak = 0;
    int crossings = 0;
    for (std::size_t frame = 4410; frame < 4410 + 8820; ++frame) {
        peak = std::max(peak, std::abs(static_cast<int>(output[2 * frame])));
        crossings += (output[2 * frame] < 0) != (output[2 * frame + 2] < 0);
    }
    EXPECT_NEAR(peak, 8000, 80);
    EXPECT_NEAR(crossings, 400, 4);
}

TEST_F(MoviePlayerTest, PlaysLongMoviesToTheEndWithoutASoundDevice)
{
    // Five seconds: longer than the player decodes ahead, so the sound
    // nobody plays must not pile up.
    const std::vector<std::uint8_t> movie =
        WriteTestMovie("movie.avi", {.width = 16, .height = 16, .colours = std::vector<std::uint32_t>(125, 0x406080)});
    Host().SetAudioAvailable(false);
    const std::uint32_t start = Host().GetClock().Milliseconds();
    std::string error;
    ASSERT_TRUE(Play(movie, {16, 16, 0, 0, 16, 16}, error)) << error;
    EXPECT_EQ(shown.size(), 125u);
    EXPECT_EQ(Host().GetClock().Milliseconds() - start, 5000u);
}

TEST_F(MoviePlayerTest, EscapeOrSpaceSkipsAndAQuitEndsTheMovieAndStaysQueued)
{
    const std::vector<std::uint8_t> movie = WriteTestMovie("movie.avi", {.colours = tenColours, .toneHertz = 0});
    for (const int key : {VirtualKey::Escape, VirtualKey::Space}) {
        shown.clear();
        std::uint32_t pressed = 0;
        std::string error;
        ASSERT_TRUE(Play(movie, {64, 48, 0, 0, 64, 48}, error, [&] {
            if (shown.size() == 3) {
                pressed = Host().GetClock().Milliseconds();
                Window().Inject({MessageType::KeyDown, key});
            }
        })) << error;
        EXPECT_EQ(shown.size(), 3u);
        EXPECT_LE(Host().GetClock().Milliseconds() - pressed, 100u);
        Window().Inject({MessageType::KeyUp, key});
        platform::WindowMessage message;
        while (Window().PeekMessage(message)) {
        }
    }

    shown.clear();
    std::string error;
    ASSERT_TRUE(Play(movie, {64, 48, 0, 0, 64, 48}, error, [&] {
        if (shown.size() == 2)
            Window().PostQuitMessage(-1);
    })) << error;
    EXPECT_EQ(shown.size(), 2u);
    platform::WindowMessage message;
    ASSERT_TRUE(Window().PeekMessage(message));
    EXPECT_EQ(message.type, MessageType::Quit);
    EXPECT_EQ(message.value, -1);
}

TEST_F(MoviePlayerTest, RefusesWhatIsNoPlayableMovie)
{
    const std::vector<std::uint8_t> movie = WriteTestMovie("movie.avi", {.colours = tenColours});
    ASSERT_GT(movie.size(), 2000u);
    const std::vector<std::uint8_t> huge = WriteTestMovie("huge.avi", {.width = 4100, .height = 2, .colours = {0}});
    std::vector<std::uint8_t> garbage(5000);
    for (std::size_t index = 0; index < garbage.size(); ++index)
        garbage[index] = static_cast<std::uint8_t>(index * 7919 >> 3);
    // An AVI header with garbage where the pictures should be.
    std::vector<std::uint8_t> scrambled = movie;
    for (std::size_t index = scrambled.size() / 3; index < scrambled.size(); ++index)
        scrambled[index] = garbage[index % garbage.size()];

    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> cases = {
        {"empty", {}},
        {"garbage", garbage},
        {"header only", {movie.begin(), movie.begin() + 200}},
        {"half a movie", {movie.begin(), movie.begin() + static_cast<std::ptrdiff_t>(movie.size() / 2)}},
        {"scrambled", scrambled},
        {"too large pictures", huge},
    };
    for (const auto& [what, bytes] : cases) {
        std::string error;
        EXPECT_FALSE(Play(bytes, {64, 48, 0, 0, 64, 48}, error)) << what;
        EXPECT_FALSE(error.empty()) << what;
    }
    std::string error;
    EXPECT_FALSE(Play(movie, {64, 48, 64, 0, 64, 48}, error)) << "a rectangle off the screen";
}
