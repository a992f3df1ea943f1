#include "levels/DanceContestSounds.h"

#include "levels/SharedLevelSounds.h"
#include "levels/SpokenLine.h"

#include <vector>

namespace content::levels {

namespace {

// A voice that keeps its level until its release.
constexpr double held = 1.0e9;
// Where a line starts in its sound: a breath of silence before it.
constexpr double lineStart = 0.03;
// The crowd stays well under the chief's voice.
constexpr double crowdGain = 0.18;

enum class Crowd { none, groan, cheer };

double Seconds(const std::vector<float>& samples)
{
    return static_cast<double>(samples.size()) / soundRate;
}

// The crowd groaning in sympathy: low "oh"s sliding down over a murmur.
void Groan(Sound& sound, double start, double length, double gain)
{
    sound.Noise(start, length, 700.0, 0.5 * gain, {0.1, 0.5 * length, 0.3 * length});
    for (const double hertz : {210.0, 260.0, 330.0})
        sound.Tone(start, length, hertz, hertz * 0.7, Wave::triangle, 0.25 * gain, {0.08, 0.6 * length, 0.3 * length});
}

// A short remark of the chief's, the crowd reacting under it.
Sound Remark(const char* text, Crowd crowd)
{
    const std::vector<float> line = SpokenLine("Kalani", text);
    const double spoken = Seconds(line);
    Sound sound(lineStart + spoken + 0.05);
    sound.Recording(lineStart, line, 1.0, {0.01, held, 0.04});
    if (crowd == Crowd::cheer)
        Cheer(sound, 0.0, lineStart + spoken + 0.04, crowdGain);
    else if (crowd == Crowd::groan)
        Groan(sound, 0.0, lineStart + spoken + 0.04, crowdGain);
    return sound;
}

// The welcome: the crowd cheers as the chief steps up, then quietens while
// he speaks.
Sound Intro()
{
    const std::vector<float> line = SpokenLine("Kalani", "Aloha! Willkommen zum gro\xdf" "en Tanzwettbewerb von Wakalua!");
    constexpr double cheer = 0.8;
    Sound sound(cheer + Seconds(line) + 0.1);
    Cheer(sound, 0.0, cheer + 0.4, 0.6);
    sound.Recording(cheer, line, 1.0, {0.01, held, 0.05});
    return sound;
}

// The remarks during the dance, at beats 32, 61, 79, 110 and (the first) 16.
Sound Static1() { return Remark("Schaut euch diese Schritte an!", Crowd::none); }
Sound Static2() { return Remark("Wakalua tanzt mit!", Crowd::cheer); }
Sound Static3() { return Remark("Was f\xfcr ein H\xfc" "ftschwung!", Crowd::none); }
Sound Static4() { return Remark("Jetzt kommt das Finale!", Crowd::cheer); }
Sound Static5() { return Remark("Los geht's, die Nacht ist jung!", Crowd::none); }

// A step gone wrong.
Sound Miss1() { return Remark("Hoppla!", Crowd::groan); }
Sound Miss2() { return Remark("Daneben!", Crowd::none); }
Sound Miss3() { return Remark("Autsch, mein Zeh!", Crowd::none); }
Sound Miss4() { return Remark("Uiuiui!", Crowd::groan); }
Sound Miss5() { return Remark("Nicht so wild!", Crowd::none); }
Sound Miss6() { return Remark("Oje, die Blumenkette!", Crowd::groan); }

// A step on the beat.
Sound Correct1() { return Remark("Jawoll!", Crowd::cheer); }
Sound Correct2() { return Remark("Wunderbar!", Crowd::none); }

// The crowd alone, cheering a fine step.
Sound Correct3()
{
    Sound sound(1.4);
    Cheer(sound, 0.0, 1.38, 1.0);
    return sound;
}

// Dancing off the beat, again and again.
Sound Beatmiss1() { return Remark("Achte auf den Takt!", Crowd::none); }
Sound Beatmiss2() { return Remark("H\xf6r auf die Trommeln!", Crowd::none); }
Sound Beatmiss3() { return Remark("Eins, zwei, im Takt!", Crowd::none); }

constexpr SoundEffect danceContestSoundEffects[] = {
    {"audioevent_intro", "intro.wav", Intro},
    {"audioevent_static1", "static1.wav", Static1},
    {"audioevent_static2", "static2.wav", Static2},
    {"audioevent_static3", "static3.wav", Static3},
    {"audioevent_static4", "static4.wav", Static4},
    {"audioevent_static5", "static5.wav", Static5},
    {"audioevent_miss1", "miss1.wav", Miss1},
    {"audioevent_miss2", "miss2.wav", Miss2},
    {"audioevent_miss3", "miss3.wav", Miss3},
    {"audioevent_miss4", "miss4.wav", Miss4},
    {"audioevent_miss5", "miss5.wav", Miss5},
    {"audioevent_miss6", "miss6.wav", Miss6},
    {"audioevent_correct1", "correct1.wav", Correct1},
    {"audioevent_correct2", "correct2.wav", Correct2},
    {"audioevent_correct3", "correct3.wav", Correct3},
    {"audioevent_beatmiss1", "beatmiss1.wav", Beatmiss1},
    {"audioevent_beatmiss2", "beatmiss2.wav", Beatmiss2},
    {"audioevent_beatmiss3", "beatmiss3.wav", Beatmiss3},
};

} // namespace

std::span<const SoundEffect> DanceContestSoundEffects()
{
    return danceContestSoundEffects;
}

} // namespace content::levels
