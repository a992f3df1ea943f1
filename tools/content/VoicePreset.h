#pragma once

// How each speaking character of the story sounds: espeak-ng's German voice
// with one of its variants, shaped by the synthesiser's own parameters and
// then by our filters (SpeechFilter). Presets are found by the element name
// the talk sheets use before a colon ("Lotte: ...").

#include <span>
#include <string>
#include <string_view>

namespace content {

struct VoicePreset {
    const char* element;    // the speaking element ("Player", "Kira", ...); "Narrator" for the intro
    const char* voice;      // espeak-ng voice and variant, "de+f3"
    int pitch = 50;         // espeak-ng base pitch, 0 to 100 (50 is the variant's own)
    int range = 50;         // pitch range, 0 (monotone) to 100
    int wordsPerMinute = 160;
    double lowPassHz = 7000.0;      // gentle one-pole low-pass: takes the buzz off the synthetic edge
    double nasalBoost = 0.0;        // added share of the 700 Hz to 2 kHz band, 0 for none
    double ringHz = 0.0;            // ring modulation frequency, 0 for none
    double ringDepth = 0.0;         // 0 (dry) to 1 (fully modulated)
    double roomMix = 0.0;           // share of the short room reverb
};

std::span<const VoicePreset> VoicePresets();

// Every value of `preset` that shapes its sound, as text: the same for two
// presets that sound the same, whatever their element names.
std::string VoiceValues(const VoicePreset& preset);

// The preset of `element`; null when there is none.
const VoicePreset* FindVoicePreset(std::string_view element);

} // namespace content
