#include "levels/TaxiChaseSounds.h"

#include "levels/SharedLevelSounds.h"
#include "levels/SpokenLine.h"

#include <vector>

namespace content::levels {

namespace {

// The shouts during the round stay short, so that the next can follow.
constexpr double shoutLongest = 2.5;

Sound Shout(const char* element, const char* text)
{
    return SpokenSound(element, text, shoutLongest);
}

// The taxi's cannon: a bright zap falling fast, its octave under it, and a
// crackle as it leaves the barrel.
Sound Laser()
{
    Sound sound(0.3, -2.0);
    sound.Tone(0.0, 0.28, 2400.0, 260.0, Wave::triangle, 0.8, {0.002, 0.09, 0.05});
    sound.Tone(0.0, 0.22, 1200.0, 180.0, Wave::sine, 0.5, {0.002, 0.07, 0.05});
    sound.Grain(0.0, 7000.0, 0.35, 0.006);
    return sound;
}

// A robot fighter bursting: a short blast, a rattle of metal plates
// (inharmonic rings) and bits flying off.
Sound RobotBurst()
{
    Sound sound(0.75, -1.0);
    sound.Noise(0.0, 0.7, 1800.0, 0.9, {0.003, 0.14, 0.1});
    sound.Tone(0.0, 0.5, 160.0, 45.0, Wave::soft, 0.9, {0.003, 0.12, 0.08});
    for (const double hertz : {640.0, 1135.0, 1720.0})
        sound.Tone(0.02, 0.4, hertz, hertz * 0.9, Wave::sine, 0.18, {0.001, 0.08, 0.06});
    for (int bit = 0; bit < 5; ++bit)
        sound.Grain(0.12 + 0.09 * bit, 4200.0 - 400.0 * bit, 0.35, 0.006);
    return sound;
}

// The taxi hit: a heavier crash in two blows, a low rumble, crumpling
// sheet metal and a tinkle of glass.
Sound TaxiCrash()
{
    Sound sound(1.4);
    sound.Noise(0.0, 1.0, 1200.0, 1.0, {0.003, 0.25, 0.2});
    sound.Noise(0.18, 0.8, 2600.0, 0.6, {0.003, 0.18, 0.15});
    sound.Tone(0.0, 1.1, 110.0, 32.0, Wave::soft, 1.0, {0.004, 0.3, 0.2});
    for (int crumple = 0; crumple < 8; ++crumple)
        sound.Grain(0.05 + 0.07 * crumple, 2500.0 + 300.0 * (crumple % 3), 0.45, 0.012);
    for (int shard = 0; shard < 6; ++shard) {
        const double hertz = 3900.0 + 530.0 * ((shard * 5) % 6);
        sound.Tone(0.55 + 0.11 * shard, 0.2, hertz, hertz, Wave::sine, 0.12, {0.001, 0.04, 0.05});
    }
    return sound;
}

// Before the round: Rocko's plan, and the twins' quarrel over the camera.
Sound Dialog1()
{
    return SpokenSound("Rocko",
                       "Los, ich beschiesse sie mit meiner Bordkanone und ihr lenkt die hinter uns mit Fotos ab!", 4.5);
}
Sound Dialog2() { return SpokenSound("Player", "Ja gut. Ihr habts geh\xf6rt M\xe4" "dels!", 3.0); }
Sound Dialog3() { return SpokenSound("Lotte", "Ich will die Fotos machen!", 3.0); }
Sound Dialog4() { return SpokenSound("Mia", "Nein, es ist mein Fotoapparat!", 2.5); }
Sound Dialog5() { return SpokenSound("Lotte", "B\xe4h!", 1.5); }

// The taxi is hit.
Sound Crash1() { return Shout("Rocko", "Mein sch\xf6nes Taxi!"); }
Sound Crash2() { return Shout("Player", "Festhalten!"); }
Sound Crash3() { return Shout("Rocko", "Der Lack! Das kostet extra!"); }

// A fighter closes in.
Sound Close1() { return Shout("Rocko", "Achtung, hinter uns!"); }
Sound Close2() { return Shout("Player", "Der ist ganz nah!"); }
Sound Close3() { return Shout("Rocko", "Links oben!"); }
Sound Close4() { return Shout("Lotte", "Mia, mach ein Foto!"); }
Sound Close5() { return Shout("Mia", "Ich mach ja schon!"); }
Sound Close6() { return Shout("Lotte", "Der will uns rammen!"); }
Sound Close7() { return Shout("Player", "Pass auf, Rocko!"); }
Sound Close8() { return Shout("Mia", "Bitte l\xe4" "cheln!"); }

// A fighter shot down or dazzled.
Sound Hit1() { return Shout("Rocko", "Treffer!"); }
Sound Hit2() { return Shout("Player", "Volltreffer!"); }
Sound Hit3() { return Shout("Rocko", "Blechschaden!"); }
Sound Hit4() { return Shout("Lotte", "Hab ich dich!"); }
Sound Hit5() { return Shout("Mia", "Geblitzt!"); }
Sound Hit6() { return Shout("Rocko", "Das kommt auf die Rechnung!"); }

constexpr SoundEffect taxiChaseSoundEffects[] = {
    {"audioevent_shot1", "shot1.wav", Laser},
    {"audioevent_camera", "camera.wav", MiasCamera},
    {"audioevent_explo1", "explo1.wav", RobotBurst},
    {"audioevent_explo2", "explo2.wav", TaxiCrash},
    {"audioevent_dialog1", "dialog1.wav", Dialog1},
    {"audioevent_dialog2", "dialog2.wav", Dialog2},
    {"audioevent_dialog3", "dialog3.wav", Dialog3},
    {"audioevent_dialog4", "dialog4.wav", Dialog4},
    {"audioevent_dialog5", "dialog5.wav", Dialog5},
    {"audioevent_crash1", "crash1.wav", Crash1},
    {"audioevent_crash2", "crash2.wav", Crash2},
    {"audioevent_crash3", "crash3.wav", Crash3},
    {"audioevent_close1", "close1.wav", Close1},
    {"audioevent_close2", "close2.wav", Close2},
    {"audioevent_close3", "close3.wav", Close3},
    {"audioevent_close4", "close4.wav", Close4},
    {"audioevent_close5", "close5.wav", Close5},
    {"audioevent_close6", "close6.wav", Close6},
    {"audioevent_close7", "close7.wav", Close7},
    {"audioevent_close8", "close8.wav", Close8},
    {"audioevent_hit1", "hit1.wav", Hit1},
    {"audioevent_hit2", "hit2.wav", Hit2},
    {"audioevent_hit3", "hit3.wav", Hit3},
    {"audioevent_hit4", "hit4.wav", Hit4},
    {"audioevent_hit5", "hit5.wav", Hit5},
    {"audioevent_hit6", "hit6.wav", Hit6},
};

} // namespace

std::span<const SoundEffect> TaxiChaseSoundEffects()
{
    return taxiChaseSoundEffects;
}

} // namespace content::levels
