#include "RoomAmbience.h"

#include "OggEncoder.h"
#include "SoundArt.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace content::rooms {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double fadeSeconds = 0.75;

// Noise from a fixed generator, through a one-pole low-pass.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state(seed) {}
    double White()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<double>(state) / 2147483648.0 - 1.0;
    }
    double LowPass(double cutoffHz)
    {
        const double k = 1.0 - std::exp(-2.0 * pi * cutoffHz / soundRate);
        low += k * (White() - low);
        return low;
    }

private:
    std::uint32_t state;
    double low = 0.0;
};

// A slow swell that repeats `times` times in the loop: 0 to 1.
double Swell(double t, double times)
{
    const double s = std::sin(pi * t * times / ambienceSeconds);
    return s * s;
}

double Waves(double t, Noise& low, Noise& hiss)
{
    const double swell = Swell(t, 2.0) * 0.7 + Swell(t + 1.3, 3.0) * 0.3;
    return low.LowPass(420.0) * (0.35 + 1.4 * swell) + hiss.LowPass(3200.0) * 0.25 * swell * swell;
}

double EngineHum(double t, Noise& low, Noise& /*unused*/)
{
    // Every frequency fits the loop a whole number of times.
    const double throb = 0.8 + 0.2 * std::sin(2.0 * pi * t * 2.0);
    double hum = 0.0;
    for (int harmonic = 1; harmonic <= 5; ++harmonic)
        hum += std::sin(2.0 * pi * 55.0 * harmonic * t + harmonic) / harmonic;
    return 0.35 * hum * throb + 0.5 * low.LowPass(180.0);
}

double Wind(double t, Noise& low, Noise& high)
{
    return low.LowPass(300.0) * (0.6 + 0.9 * Swell(t, 1.0)) + high.LowPass(1400.0) * 0.35 * Swell(t + 2.0, 2.0);
}

double VillageMurmur(double t, Noise& low, Noise& voices)
{
    // Voices: band noise with a syllable rhythm; now and then a bird.
    const double syllables = 0.5 + 0.5 * std::sin(2.0 * pi * 3.0 * t) * std::sin(2.0 * pi * 0.875 * t);
    const double band = voices.LowPass(900.0) - low.LowPass(250.0);
    double bird = 0.0;
    const double chirp = std::fmod(t, 2.0);
    if (t > 1.0 && t < 7.0 && chirp < 0.18) {
        const double envelope = std::sin(pi * chirp / 0.18);
        bird = 0.12 * envelope * std::sin(2.0 * pi * (2600.0 + 1800.0 * chirp) * chirp);
    }
    return 1.6 * band * (0.4 + 0.6 * syllables) + bird;
}

} // namespace

std::vector<float> AmbienceLoop(Ambience ambience)
{
    const auto length = static_cast<std::size_t>(ambienceSeconds * soundRate);
    const auto fade = static_cast<std::size_t>(fadeSeconds * soundRate);
    Noise first(0x1234567u + static_cast<std::uint32_t>(ambience));
    Noise second(0x7654321u);
    std::vector<double> raw(length + fade);
    for (std::size_t index = 0; index < raw.size(); ++index) {
        const double t = static_cast<double>(index) / soundRate;
        switch (ambience) {
        case Ambience::waves: raw[index] = Waves(t, first, second); break;
        case Ambience::engineHum: raw[index] = EngineHum(t, first, second); break;
        case Ambience::wind: raw[index] = Wind(t, first, second); break;
        case Ambience::villageMurmur:
        case Ambience::festival: raw[index] = VillageMurmur(t, first, second); break;
        case Ambience::terminal:
        case Ambience::hangar: raw[index] = EngineHum(t, first, second); break;
        case Ambience::landingPad: raw[index] = Wind(t, first, second); break;
        }
    }
    // The part made after the loop's end is faded into its start, so that
    // the last sample runs on into the first.
    for (std::size_t index = 0; index < fade; ++index) {
        const double in = std::sin(0.5 * pi * static_cast<double>(index) / fade);
        const double out = std::cos(0.5 * pi * static_cast<double>(index) / fade);
        raw[index] = raw[index] * in + raw[length + index] * out;
    }
    raw.resize(length);
    double peak = 1e-9;
    for (double sample : raw)
        peak = std::max(peak, std::abs(sample));
    // Ambience sits well below the effects and the speech.
    const double scale = 0.35 / peak;
    std::vector<float> samples(length);
    std::transform(raw.begin(), raw.end(), samples.begin(),
                   [scale](double sample) { return static_cast<float>(sample * scale); });
    return samples;
}

std::vector<std::uint8_t> AmbienceOgg(Ambience ambience)
{
    return EncodeOggVorbis(AmbienceLoop(ambience), 1, soundRate, 0.3f);
}

} // namespace content::rooms
