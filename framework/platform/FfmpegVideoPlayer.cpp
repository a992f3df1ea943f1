#include "FfmpegVideoPlayer.h"

#include "MovieReader.h"
#include "MovieSound.h"
#include "VirtualKey.h"
#include "Window.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// The longest the player sleeps between looks at the keyboard.
constexpr std::uint32_t pollMilliseconds = 20;
constexpr std::uint32_t defaultFrameMilliseconds = 40;
// How far decoding may run ahead of the clock.
constexpr std::size_t maximumQueuedFrames = 32;
constexpr std::size_t maximumQueuedSamples = MovieSound::rate * 2 * 4;
// Longer is no movie of ours but broken or hostile time stamps or sound.
constexpr std::uint32_t maximumMovieMilliseconds = 30 * 60 * 1000;

struct Placement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The largest rectangle of the movie's proportions inside the screen's
// area, centred; false when nothing of it would be visible.
bool PlaceMovie(const MovieScreen& screen, int movieWidth, int movieHeight, Placement& placement)
{
    const int left = std::max(screen.x, 0);
    const int top = std::max(screen.y, 0);
    const int areaWidth = std::min(screen.x + screen.areaWidth, screen.width) - left;
    const int areaHeight = std::min(screen.y + screen.areaHeight, screen.height) - top;
    if (areaWidth <= 0 || areaHeight <= 0)
        return false;
    const std::int64_t widthForHeight = static_cast<std::int64_t>(areaHeight) * movieWidth / movieHeight;
    if (widthForHeight <= areaWidth) {
        placement.width = static_cast<int>(std::max<std::int64_t>(widthForHeight, 1));
        placement.height = areaHeight;
    } else {
        placement.width = areaWidth;
        placement.height = static_cast<int>(
            std::max<std::int64_t>(static_cast<std::int64_t>(areaWidth) * movieHeight / movieWidth, 1));
    }
    placement.x = left + (areaWidth - placement.width) / 2;
    placement.y = top + (areaHeight - placement.height) / 2;
    return true;
}

// Puts a picture of the placement's size into the canvas.
void CopyPicture(const MovieReader::Frame& picture, const Placement& placement, std::vector<std::uint32_t>& canvas,
                 int canvasWidth)
{
    for (int row = 0; row < placement.height; ++row)
        std::memcpy(&canvas[static_cast<std::size_t>(placement.y + row) * canvasWidth + placement.x],
                    &picture.pixels[static_cast<std::size_t>(row) * placement.width],
                    static_cast<std::size_t>(placement.width) * sizeof(std::uint32_t));
}

enum class Interruption { none, skipped, quit };

// Takes the waiting messages: Escape or space skips, a quit goes back into
// the queue and ends the movie, the rest goes to the caller.
Interruption TakeMessages(Window& window, const MovieHooks& hooks)
{
    WindowMessage message;
    while (window.PeekMessage(message)) {
        if (message.type == MessageType::Quit) {
            window.PostQuitMessage(message.value);
            return Interruption::quit;
        }
        if (message.type == MessageType::KeyDown && (message.value == VirtualKey::Escape || message.value == VirtualKey::Space))
            return Interruption::skipped;
        if (hooks.dispatch)
            hooks.dispatch(message);
    }
    const KeyState& keys = window.GetKeyState();
    return keys.IsKeyDown(VirtualKey::Escape) || keys.IsKeyDown(VirtualKey::Space) ? Interruption::skipped : Interruption::none;
}

} // namespace

FfmpegVideoPlayer::FfmpegVideoPlayer(Clock& playerClock, SoundDeviceMaker maker)
    : clock(playerClock)
    , makeSoundDevice(std::move(maker))
{
}

bool FfmpegVideoPlayer::Play(std::span<const std::uint8_t> movie, const MovieScreen& screen, Window& window,
                             const MovieHooks& hooks, std::string& error)
{
    error.clear();
    if (screen.width <= 0 || screen.height <= 0 || screen.width > MovieReader::maximumWidth ||
        screen.height > MovieReader::maximumHeight) {
        error = "unusable screen size";
        return false;
    }
    MovieReader reader;
    Placement placement;
    if (!reader.Open(movie, error))
        return false;
    if (!PlaceMovie(screen, reader.GetWidth(), reader.GetHeight(), placement)) {
        error = "the movie's rectangle lies outside the screen";
        return false;
    }
    if (!reader.SetOutputSize(placement.width, placement.height, error))
        return false;

    MovieSound sound;
    if (reader.HasSound() && makeSoundDevice) {
        std::unique_ptr<SoundDevice> device;
        if (makeSoundDevice(device) == soundOk)
            sound.Start(std::move(device), window);
    }

    std::vector<std::uint32_t> canvas(static_cast<std::size_t>(screen.width) * static_cast<std::size_t>(screen.height));
    std::deque<MovieReader::Frame>& frames = reader.GetFrames();
    std::vector<std::int16_t>& samples = reader.GetSamples();
    bool decoding = true;
    std::uint64_t soundFrames = 0; // decoded so far
    std::uint32_t lastFrameTime = 0;
    std::uint32_t frameDuration = defaultFrameMilliseconds;
    const std::uint32_t start = clock.Milliseconds();

    for (;;) {
        const auto now = static_cast<std::uint32_t>(ElapsedMilliseconds(start, clock.Milliseconds()));
        // Decode until the next picture is in sight and the sound buffer can
        // be filled, within bounds that broken time stamps cannot push.
        while (decoding && frames.size() < maximumQueuedFrames && samples.size() < maximumQueuedSamples &&
               (frames.empty() || frames.back().milliseconds <= now ||
                samples.size() / 2 < sound.FramesWanted(now))) {
            const std::size_t samplesBefore = samples.size();
            decoding = reader.DecodeMore(error);
            soundFrames += (samples.size() - samplesBefore) / 2;
        }

        // The latest picture that is due; pictures already late are dropped.
        while (frames.size() > 1 && frames[1].milliseconds <= now)
            frames.pop_front();
        if (!frames.empty() && frames.front().milliseconds <= now) {
            const MovieReader::Frame& due = frames.front();
            CopyPicture(due, placement, canvas, screen.width);
            if (due.milliseconds > lastFrameTime)
                frameDuration = due.milliseconds - lastFrameTime;
            lastFrameTime = due.milliseconds;
            frames.pop_front();
            window.Present(canvas.data(), screen.width, screen.height, screen.width);
            if (hooks.presented)
                hooks.presented();
        }
        sound.Feed(samples, now);

        if (TakeMessages(window, hooks) != Interruption::none)
            break;
        const std::uint32_t soundEnd = static_cast<std::uint32_t>(soundFrames * 1000 / MovieSound::rate);
        const std::uint32_t end = std::max(lastFrameTime + frameDuration, soundEnd);
        if (!decoding && frames.empty() && now >= end)
            break;
        if (now > maximumMovieMilliseconds) {
            error = "the movie runs longer than half an hour";
            break;
        }
        const std::uint32_t next = frames.empty() ? end : frames.front().milliseconds;
        clock.Sleep(std::clamp<std::uint32_t>(next > now ? next - now : 1, 1, pollMilliseconds));
    }
    sound.Stop();
    return error.empty();
}

} // namespace platform
