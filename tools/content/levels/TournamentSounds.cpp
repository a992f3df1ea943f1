#include "levels/TournamentSounds.h"

#include "levels/SpokenLine.h"

#include <algorithm>

namespace content::levels {

namespace {

// A voice that keeps its level until its release.
constexpr double held = 1.0e9;
// The knight's shouts stay short: the flight and the landing are quick.
constexpr double shoutLongest = 1.9;
// The herald takes his time, but is done before the round's end.
constexpr double verdictLongest = 3.0;

// A short dry tick of noise: a fibre or a splinter giving way. It has
// died away long before its release.
void Tick(Sound& sound, double start, double cutoffHz, double gain)
{
    sound.Noise(start, 0.02, cutoffHz, gain, {0.0005, 0.002, 0.004});
}

// Wood and rope creaking under strain from `start` for `length` seconds:
// stick-slip ticks coming quicker as the strain grows, each ringing the
// beam at `hertz`, over the beam's low groan and the rope's fibres rubbing.
// Every voice ends with the creak.
void Creak(Sound& sound, double start, double length, double hertz, double gain)
{
    const double ticksFrom = 24.0; // a second, at the creak's start
    const double ticksTo = 46.0;   // and at its end
    for (double at = 0.01; at < length - 0.04;) {
        const double strain = at / length;
        Tick(sound, start + at, 3000.0 + 1500.0 * strain, 0.45 * gain);
        sound.Tone(start + at, 0.03, hertz, hertz * 0.97, Wave::triangle, 0.35 * gain, {0.001, 0.008, 0.01});
        at += 1.0 / (ticksFrom + (ticksTo - ticksFrom) * strain);
    }
    sound.Tone(start, length, hertz * 0.4, hertz * 0.46, Wave::soft, 0.3 * gain, {0.4 * length, held, 0.35 * length});
    sound.Noise(start, length, 1500.0, 0.12 * gain, {0.5 * length, held, 0.3 * length});
}

// Drawing the catapult's arm, played round while the button is held: two
// creaks in a second, the second under more strain, and a breath of
// silence where the end joins the start again.
Sound TensionLoop()
{
    Sound sound(1.0, -2.0);
    Creak(sound, 0.02, 0.44, 190.0, 0.8);
    Creak(sound, 0.50, 0.46, 215.0, 1.0);
    return sound;
}

// The arm let go: the release's heavy wooden thwack, the whoosh of the arm
// and the knight through the air, and the arm striking its stop beam.
Sound Shot()
{
    Sound sound(1.0);
    sound.Noise(0.0, 0.12, 2200.0, 1.0, {0.001, 0.018, 0.04});
    sound.Tone(0.0, 0.35, 150.0, 55.0, Wave::soft, 1.0, {0.002, 0.07, 0.1});
    sound.Tone(0.0, 0.2, 420.0, 400.0, Wave::sine, 0.35, {0.001, 0.04, 0.05});
    sound.Tone(0.0, 0.2, 690.0, 660.0, Wave::sine, 0.25, {0.001, 0.03, 0.05});
    sound.Noise(0.03, 0.7, 1200.0, 0.55, {0.2, 0.25, 0.3});
    sound.Noise(0.06, 0.55, 3500.0, 0.3, {0.12, 0.2, 0.25});
    sound.Tone(0.16, 0.3, 95.0, 60.0, Wave::soft, 0.6, {0.002, 0.06, 0.08});
    sound.Noise(0.16, 0.08, 1200.0, 0.5, {0.001, 0.015, 0.03});
    return sound;
}

// Drawn too long: a last creak, the rope snapping with a whip's crack, the
// arm splitting with a boom and a spray of splinters, and the broken arm
// falling onto the frame and rattling still.
Sound Ripped()
{
    Sound sound(1.4);
    Creak(sound, 0.0, 0.17, 240.0, 0.7);
    sound.Noise(0.16, 0.05, 9000.0, 1.0, {0.0005, 0.006, 0.01});
    sound.Tone(0.16, 0.15, 2200.0, 250.0, Wave::triangle, 0.4, {0.001, 0.05, 0.05});
    sound.Tone(0.18, 0.5, 120.0, 45.0, Wave::soft, 1.0, {0.002, 0.12, 0.15});
    sound.Noise(0.18, 0.3, 900.0, 0.8, {0.002, 0.06, 0.1});
    for (int splinter = 0; splinter < 10; ++splinter)
        Tick(sound, 0.19 + 0.042 * splinter + 0.013 * (splinter % 3), 2500.0 + 280.0 * ((splinter * 7) % 10),
             0.7 - 0.05 * splinter);
    sound.Tone(0.7, 0.4, 90.0, 50.0, Wave::soft, 0.7, {0.003, 0.08, 0.1});
    sound.Noise(0.7, 0.25, 700.0, 0.5, {0.002, 0.05, 0.08});
    for (int rattle = 0; rattle < 6; ++rattle)
        Tick(sound, 0.76 + 0.06 * rattle + 0.02 * (rattle % 2), 1800.0 + 300.0 * (rattle % 3), 0.35 - 0.04 * rattle);
    return sound;
}

// The referee's horn at the start line: one long blaring note that scoops
// up into its pitch and climbs a little as he blows harder, with the
// breath in it.
Sound StartLine()
{
    Sound sound(1.4);
    sound.Tone(0.0, 0.12, 180.0, 212.0, Wave::soft, 0.5, {0.02, 0.05, 0.05});
    sound.Tone(0.02, 1.3, 212.0, 224.0, Wave::soft, 1.0, {0.06, 4.0, 0.2});
    sound.Tone(0.02, 1.3, 424.0, 448.0, Wave::triangle, 0.45, {0.05, 3.0, 0.2});
    sound.Tone(0.02, 1.3, 636.0, 672.0, Wave::sine, 0.25, {0.05, 2.0, 0.2});
    sound.Noise(0.02, 1.3, 2500.0, 0.06, {0.05, 2.0, 0.2});
    return sound;
}

// A trumpet's note: the soft wave with its octave biting at the start and
// its twelfth above it. A short note is cut off crisply, as tongued.
void Trumpet(Sound& sound, double start, double length, double hertz, double gain)
{
    sound.Tone(start, length, hertz, hertz, Wave::soft, gain, {0.012, 0.8, std::min(0.05, 0.4 * length)});
    sound.Tone(start, std::min(length, 0.1), hertz * 2.0, hertz * 2.0, Wave::triangle, 0.3 * gain, {0.003, 0.03, 0.03});
    sound.Tone(start, length, hertz * 3.0, hertz * 3.0, Wave::sine, 0.12 * gain, {0.015, 0.5, 0.05});
}

// A round begins: two trumpets in thirds, three quick notes and a held one,
// the upper A to D and the lower F sharp to A.
Sound Start()
{
    Sound sound(1.3);
    const double upper[] = {440.0, 440.0, 440.0, 587.33};
    const double lower[] = {369.99, 369.99, 369.99, 440.0};
    for (int note = 0; note < 4; ++note) {
        const double start = 0.13 * note;
        const double length = note < 3 ? 0.11 : 0.8;
        Trumpet(sound, start, length, upper[note], 0.8);
        Trumpet(sound, start + 0.004, length, lower[note] * 1.001, 0.65);
    }
    return sound;
}

// The knight lands: his body's dull thud on the meadow, and his armour
// clanking twice, the plates settling with a rattle.
Sound Landing()
{
    Sound sound(1.0);
    sound.Tone(0.0, 0.35, 95.0, 38.0, Wave::soft, 1.0, {0.002, 0.09, 0.1});
    sound.Noise(0.0, 0.2, 600.0, 0.8, {0.002, 0.04, 0.08});
    sound.Noise(0.0, 0.3, 2000.0, 0.25, {0.002, 0.05, 0.1});
    for (const double hertz : {1180.0, 1730.0, 2610.0, 3390.0}) {
        sound.Tone(0.01, 0.6, hertz, hertz * 0.998, Wave::sine, 0.22, {0.001, 0.12, 0.1});
        sound.Tone(0.13, 0.5, hertz * 1.02, hertz * 1.018, Wave::sine, 0.12, {0.001, 0.09, 0.1});
    }
    for (int plate = 0; plate < 6; ++plate)
        Tick(sound, 0.16 + 0.045 * plate + 0.015 * (plate % 2), 5000.0, 0.3 - 0.035 * plate);
    return sound;
}

Sound Shout(const char* element, const char* text)
{
    return SpokenSound(element, text, shoutLongest);
}

// The knight in the air, and Juna cheering him on.
Sound Fly1() { return Shout("Ritter", "Aaaaaah!"); }
Sound Fly2() { return Shout("Ritter", "Ich fliege!"); }
Sound Fly3() { return Shout("Ritter", "Mama!"); }
Sound Fly4() { return Shout("Ritter", "Nicht so hoch!"); }
Sound Fly5() { return Shout("Ritter", "Juhu!"); }
Sound Fly6() { return Shout("Player", "Flieg, Ritter, flieg!"); }

// The knight on the ground.
Sound Hit1() { return Shout("Ritter", "Autsch!"); }
Sound Hit2() { return Shout("Ritter", "Mein Helm!"); }
Sound Hit3() { return Shout("Ritter", "Uff, die R\xfcstung!"); }
Sound Hit4() { return Shout("Ritter", "Das gibt blaue Flecken!"); }

// The herald's verdict on a throw inside the story.
Sound Success1() { return SpokenSound("Herold", "Ein Meisterwurf! Das Passwort geh\xf6rt Euch!", verdictLongest); }
Sound Failed1() { return SpokenSound("Herold", "Zu kurz! Versucht es noch einmal!", verdictLongest); }

constexpr SoundEffect tournamentSoundEffects[] = {
    {"audioevent_catapult_tension_loop", "catapult_tension_loop.wav", TensionLoop},
    {"audioevent_catapult_shot", "catapult_shot.wav", Shot},
    {"audioevent_cata_ripped", "cata_ripped.wav", Ripped},
    {"audioevent_startline", "startline.wav", StartLine},
    {"audioevent_start", "start.wav", Start},
    {"audioevent_landing", "landing.wav", Landing},
    {"audioevent_fly1", "knight_fly1.wav", Fly1},
    {"audioevent_fly2", "knight_fly2.wav", Fly2},
    {"audioevent_fly3", "knight_fly3.wav", Fly3},
    {"audioevent_fly4", "knight_fly4.wav", Fly4},
    {"audioevent_fly5", "knight_fly5.wav", Fly5},
    {"audioevent_fly6", "knight_fly6.wav", Fly6},
    {"audioevent_hit1", "knight_hit1.wav", Hit1},
    {"audioevent_hit2", "knight_hit2.wav", Hit2},
    {"audioevent_hit3", "knight_hit3.wav", Hit3},
    {"audioevent_hit4", "knight_hit4.wav", Hit4},
    {"audioevent_success1", "success1.wav", Success1},
    {"audioevent_failed1", "failed1.wav", Failed1},
};

} // namespace

std::span<const SoundEffect> TournamentSoundEffects()
{
    return tournamentSoundEffects;
}

} // namespace content::levels
