#include "IntroMovieFile.h"

#include "IntroMovie.h"
#include "IntroSoundtrack.h"
#include "MovieEncoder.h"

#include <algorithm>
#include <future>
#include <thread>
#include <vector>

namespace content::intro {

namespace {

bool MakeTrack(std::vector<std::int16_t>& track, std::string& error)
{
    PronunciationList pronunciations;
    if (!pronunciations.Load(PronunciationListPath(), error))
        return false;
    return MakeSoundtrack(SpeechSynth(std::move(pronunciations)), track, error);
}

bool AddPicture(MovieEncoder& encoder, const Picture& picture, std::string& error)
{
    cairo_surface_t* surface = cairo_get_target(picture.Cairo());
    cairo_surface_flush(surface);
    const auto* pixels = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface));
    return encoder.AddFrame(pixels, cairo_image_surface_get_stride(surface) / 4, error);
}

} // namespace

bool WriteMovieFile(const std::string& path, std::string& error)
{
    // The speech is made in forked child processes: before any thread runs.
    std::vector<std::int16_t> track;
    if (!MakeTrack(track, error))
        return false;
    const int frames = FrameCount();
    const std::size_t samplesPerFrame = static_cast<std::size_t>(MovieEncoder::sampleRate / framesPerSecond) *
                                        MovieEncoder::channels;
    if (track.size() != static_cast<std::size_t>(frames) * samplesPerFrame) {
        error = "the intro's soundtrack does not last as long as its pictures";
        return false;
    }
    MovieEncoder encoder;
    if (!encoder.Open(path, frameWidth, frameHeight, framesPerSecond, movieQuantiser, error))
        return false;
    // Each frame is drawn from its time alone, so a batch of them is drawn
    // side by side and then encoded in order.
    const int batch = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    for (int first = 0; first < frames; first += batch) {
        std::vector<std::future<Picture>> drawn;
        for (int frame = first; frame < std::min(first + batch, frames); ++frame)
            drawn.push_back(std::async(std::launch::async, DrawFrame, static_cast<double>(frame) / framesPerSecond));
        for (std::size_t index = 0; index < drawn.size(); ++index) {
            const std::size_t frame = static_cast<std::size_t>(first) + index;
            const std::span<const std::int16_t> sound(track.data() + frame * samplesPerFrame, samplesPerFrame);
            if (!AddPicture(encoder, drawn[index].get(), error) || !encoder.AddSamples(sound, error))
                return false;
        }
    }
    return encoder.Finish(error);
}

} // namespace content::intro
