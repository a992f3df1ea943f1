#include "levels/AlienYardSounds.h"

#include "levels/SharedLevelSounds.h"
#include "levels/SpokenLine.h"

namespace content::levels {

namespace {

// Juna's lines during the round stay short, so that the next can follow.
constexpr double lineLongest = 2.4;

Sound Juna(const char* text)
{
    return SpokenSound("Player", text, lineLongest);
}

// The mixing ball knocking about inside the can: `knocks` bright ticks at
// three pitches, each a little softer.
void Rattle(Sound& sound, double start, int knocks, double gain)
{
    constexpr double pitches[] = {3400.0, 2900.0, 3900.0};
    for (int knock = 0; knock < knocks; ++knock) {
        const double at = start + 0.028 * knock + 0.006 * (knock % 2);
        const double level = gain * (1.0 - 0.08 * knock);
        sound.Tone(at, 0.035, pitches[knock % 3], pitches[knock % 3] * 0.97, Wave::triangle, level,
                   {0.0005, 0.004, 0.004});
        sound.Noise(at, 0.02, 5000.0, 0.3 * level, {0.0005, 0.002, 0.004});
    }
}

// A plastic can knocking into its holder: the click and a hollow knock.
void Clack(Sound& sound, double start, double hertz, double gain)
{
    Click(sound, start, hertz, gain);
    sound.Tone(start, 0.09, hertz * 0.3, hertz * 0.22, Wave::soft, 0.6 * gain, {0.001, 0.012, 0.02});
}

// Juna sprays: the valve's click and a short hiss with its body below.
Sound Spray()
{
    Sound sound(0.5, -2.0);
    Squirt(sound, 0.0, 1.0);
    return sound;
}

// The trigger pressed on an empty can: a click, the last puff and the ball
// rattling.
Sound Empty()
{
    Sound sound(0.5, -3.0);
    Click(sound, 0.0, 1800.0, 0.9);
    sound.Noise(0.015, 0.12, 4500.0, 0.12, {0.004, 0.02, 0.03});
    Rattle(sound, 0.09, 5, 0.7);
    return sound;
}

// A full can: the empty one clacks out, the new one in, and Juna shakes it
// twice.
Sound Reload()
{
    Sound sound(0.95, -2.0);
    Clack(sound, 0.0, 1400.0, 0.8);
    Clack(sound, 0.14, 1700.0, 1.0);
    for (int shake = 0; shake < 2; ++shake) {
        const double start = 0.38 + 0.27 * shake;
        sound.Noise(start, 0.2, 3000.0, 0.25, {0.03, 0.08, 0.06});
        Rattle(sound, start + 0.01, 6, 0.55);
    }
    return sound;
}

// The wet slap of the spray on a Schleimling: a dull noise burst and a
// falling blob of a tone.
void Squelch(Sound& sound, double start, double gain)
{
    sound.Noise(start, 0.14, 800.0, gain, {0.003, 0.03, 0.04});
    sound.Tone(start, 0.12, 260.0, 90.0, Wave::sine, 0.7 * gain, {0.002, 0.03, 0.03});
}

// Four ways a Schleimling squeaks when the spray hits it: rising, a
// falling and a rising one, a trembling one, a long fall with a chirp.
Sound HitAlien1()
{
    Sound sound(0.4, -1.0);
    Squelch(sound, 0.0, 0.8);
    Squeak(sound, 0.02, 0.18, 700.0, 1500.0, 0.8);
    return sound;
}

Sound HitAlien2()
{
    Sound sound(0.4, -1.0);
    Squelch(sound, 0.0, 0.7);
    Squeak(sound, 0.02, 0.11, 1300.0, 850.0, 0.75);
    Squeak(sound, 0.14, 0.16, 900.0, 1700.0, 0.8);
    return sound;
}

Sound HitAlien3()
{
    Sound sound(0.4, -1.0);
    Squelch(sound, 0.0, 0.8);
    for (int wobble = 0; wobble < 5; ++wobble) {
        const bool up = wobble % 2 == 0;
        Squeak(sound, 0.02 + 0.055 * wobble, 0.08, up ? 1050.0 : 1350.0, up ? 1350.0 : 1050.0, 0.7);
    }
    return sound;
}

Sound HitAlien4()
{
    Sound sound(0.45, -1.0);
    Squelch(sound, 0.0, 0.9);
    Squeak(sound, 0.02, 0.32, 1900.0, 480.0, 0.8);
    Squeak(sound, 0.3, 0.08, 2200.0, 2600.0, 0.4);
    return sound;
}

// Four ways a Schleimling bursts: pop and splat with drops after it; a
// splat and a string of bubbles; a double pop, a splash and drops; a
// sloshing slump.
Sound HeadExplo1()
{
    Sound sound(0.7);
    Pop(sound, 0.0, 320.0, 0.8);
    Splat(sound, 0.04, 0.9);
    Pop(sound, 0.3, 900.0, 0.3);
    Pop(sound, 0.42, 700.0, 0.25);
    Pop(sound, 0.55, 1100.0, 0.2);
    return sound;
}

Sound HeadExplo2()
{
    Sound sound(0.6);
    Splat(sound, 0.0, 1.0);
    for (int bubble = 0; bubble < 5; ++bubble)
        Pop(sound, 0.12 + 0.07 * bubble, 420.0 + 110.0 * ((bubble * 3) % 5), 0.4);
    return sound;
}

Sound HeadExplo3()
{
    Sound sound(0.75);
    Pop(sound, 0.0, 260.0, 0.7);
    Pop(sound, 0.09, 380.0, 0.7);
    Splat(sound, 0.12, 0.9);
    sound.Noise(0.12, 0.5, 2500.0, 0.25, {0.05, 0.15, 0.12});
    Pop(sound, 0.5, 1300.0, 0.2);
    Pop(sound, 0.6, 1000.0, 0.18);
    return sound;
}

Sound HeadExplo4()
{
    Sound sound(0.72);
    sound.Noise(0.0, 0.5, 700.0, 0.9, {0.04, 0.12, 0.1});
    sound.Tone(0.0, 0.4, 520.0, 110.0, Wave::soft, 0.7, {0.01, 0.1, 0.08});
    Splat(sound, 0.05, 0.6);
    Pop(sound, 0.45, 800.0, 0.25);
    Pop(sound, 0.58, 1200.0, 0.2);
    return sound;
}

// The round starts.
Sound Start() { return Juna("Na wartet, ihr Schleimlinge!"); }

// Juna has not sprayed for a while; once KIRA puts it her way.
Sound Sleeping1() { return Juna("Hallo? Die warten nicht auf mich!"); }
Sound Sleeping2() { return Juna("Konzentrier dich, Juna!"); }
Sound Sleeping3() { return Juna("Die Schleimlinge werden mehr!"); }
Sound Sleeping4() { return SpokenSound("Kira", "Empfehlung: spr\xfc" "hen.", lineLongest); }
Sound Sleeping5() { return Juna("Nicht einschlafen!"); }
Sound Sleeping6() { return Juna("So wird der Hof nie sauber!"); }
Sound Sleeping7() { return Juna("Worauf warte ich eigentlich?"); }

// A Schleimling hit.
Sound Hit1() { return Juna("Erwischt!"); }
Sound Hit2() { return Juna("Treffer!"); }
Sound Hit3() { return Juna("Igitt, Schleim!"); }
Sound Hit4() { return Juna("Volltreffer!"); }
Sound Hit5() { return Juna("Zur\xfc" "ck ins Labor!"); }
Sound Hit6() { return Juna("Einer weniger!"); }

// The spray missed.
Sound Missed1() { return Juna("Daneben!"); }
Sound Missed2() { return Juna("Mist!"); }
Sound Missed3() { return Juna("Die sind zu schnell!"); }
Sound Missed4() { return Juna("Knapp vorbei!"); }
Sound Missed5() { return Juna("Halt doch still!"); }
Sound Missed6() { return Juna("Wo ist der hin?"); }
Sound Missed7() { return Juna("Das gibts doch nicht!"); }

// The spoken lines' files are named after their speaker, apart from the
// other levels' files of the same events.
constexpr SoundEffect alienYardSoundEffects[] = {
    {"audioevent_spray", "spray.wav", Spray},
    {"audioevent_empty", "empty.wav", Empty},
    {"audioevent_reload", "reload.wav", Reload},
    {"audioevent_hit_alien1", "hit_alien1.wav", HitAlien1},
    {"audioevent_hit_alien2", "hit_alien2.wav", HitAlien2},
    {"audioevent_hit_alien3", "hit_alien3.wav", HitAlien3},
    {"audioevent_hit_alien4", "hit_alien4.wav", HitAlien4},
    {"audioevent_head_explo1", "head_explo1.wav", HeadExplo1},
    {"audioevent_head_explo2", "head_explo2.wav", HeadExplo2},
    {"audioevent_head_explo3", "head_explo3.wav", HeadExplo3},
    {"audioevent_head_explo4", "head_explo4.wav", HeadExplo4},
    {"audioevent_start", "juna_start.wav", Start},
    {"audioevent_sleeping1", "juna_sleeping1.wav", Sleeping1},
    {"audioevent_sleeping2", "juna_sleeping2.wav", Sleeping2},
    {"audioevent_sleeping3", "juna_sleeping3.wav", Sleeping3},
    {"audioevent_sleeping4", "kira_sleeping4.wav", Sleeping4},
    {"audioevent_sleeping5", "juna_sleeping5.wav", Sleeping5},
    {"audioevent_sleeping6", "juna_sleeping6.wav", Sleeping6},
    {"audioevent_sleeping7", "juna_sleeping7.wav", Sleeping7},
    {"audioevent_hit1", "juna_hit1.wav", Hit1},
    {"audioevent_hit2", "juna_hit2.wav", Hit2},
    {"audioevent_hit3", "juna_hit3.wav", Hit3},
    {"audioevent_hit4", "juna_hit4.wav", Hit4},
    {"audioevent_hit5", "juna_hit5.wav", Hit5},
    {"audioevent_hit6", "juna_hit6.wav", Hit6},
    {"audioevent_missed1", "juna_missed1.wav", Missed1},
    {"audioevent_missed2", "juna_missed2.wav", Missed2},
    {"audioevent_missed3", "juna_missed3.wav", Missed3},
    {"audioevent_missed4", "juna_missed4.wav", Missed4},
    {"audioevent_missed5", "juna_missed5.wav", Missed5},
    {"audioevent_missed6", "juna_missed6.wav", Missed6},
    {"audioevent_missed7", "juna_missed7.wav", Missed7},
};

} // namespace

std::span<const SoundEffect> AlienYardSoundEffects()
{
    return alienYardSoundEffects;
}

} // namespace content::levels
