#include "levels/SharedLevelSounds.h"

#include <cmath>

namespace content::levels {

Sound MiasCamera()
{
    Sound sound(0.85, -3.0);
    sound.Grain(0.0, 8000.0, 0.7, 0.003);
    sound.Tone(0.0, 0.03, 3100.0, 2600.0, Wave::sine, 0.35, {0.001, 0.006, 0.01});
    sound.Grain(0.045, 6500.0, 0.6, 0.003);
    sound.Noise(0.05, 0.12, 3500.0, 0.45, {0.002, 0.03, 0.04});
    sound.Tone(0.12, 0.7, 900.0, 5200.0, Wave::sine, 0.22, {0.05, 0.5, 0.12});
    sound.Tone(0.12, 0.7, 1800.0, 10400.0, Wave::sine, 0.05, {0.05, 0.4, 0.12});
    return sound;
}

void Cheer(Sound& sound, double start, double length, double gain)
{
    sound.Noise(start, length, 1400.0, 0.6 * gain, {0.2, 0.6 * length, 0.25 * length});
    sound.Noise(start, length, 3200.0, 0.3 * gain, {0.25, 0.5 * length, 0.25 * length});
    const double glides[][2] = {{330.0, 520.0}, {440.0, 660.0}, {260.0, 410.0}, {390.0, 590.0}};
    for (int voice = 0; voice < 4; ++voice)
        sound.Tone(start + 0.07 * voice, 0.5 * length, glides[voice][0], glides[voice][1], Wave::triangle,
                   0.15 * gain, {0.06, 0.3 * length, 0.15 * length});
    for (double clap = start + 0.08; clap < start + length - 0.1; clap += 0.085 + 0.02 * std::fmod(clap * 7.0, 1.0))
        sound.Grain(clap, 4500.0, 0.35 * gain, 0.006);
}

} // namespace content::levels
