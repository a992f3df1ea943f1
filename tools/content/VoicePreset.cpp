#include "VoicePreset.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace content {

namespace {

// The children are female variants raised high; the men are male variants
// lowered. KIRA speaks almost on one note, through a ring modulator.
constexpr std::array presets = {
    VoicePreset{.element = "Narrator", .voice = "de+m3", .pitch = 40, .range = 45, .wordsPerMinute = 150,
                .lowPassHz = 6000.0, .roomMix = 0.12},
    VoicePreset{.element = "Player", .voice = "de+f3", .pitch = 55, .range = 60, .wordsPerMinute = 185,
                .lowPassHz = 7000.0, .roomMix = 0.06},
    VoicePreset{.element = "Lotte", .voice = "de+f5", .pitch = 85, .range = 70, .wordsPerMinute = 200,
                .lowPassHz = 7500.0, .roomMix = 0.05},
    VoicePreset{.element = "Mia", .voice = "de+f2", .pitch = 80, .range = 55, .wordsPerMinute = 160,
                .lowPassHz = 7000.0, .roomMix = 0.06},
    VoicePreset{.element = "Baltasar", .voice = "de+m3", .pitch = 20, .range = 40, .wordsPerMinute = 135,
                .lowPassHz = 5000.0, .roomMix = 0.08},
    VoicePreset{.element = "Kira", .voice = "de+m2", .pitch = 45, .range = 5, .wordsPerMinute = 165,
                .lowPassHz = 8000.0, .ringHz = 60.0, .ringDepth = 0.35, .roomMix = 0.10},
    VoicePreset{.element = "Rocko", .voice = "de+m7", .pitch = 30, .range = 55, .wordsPerMinute = 170,
                .lowPassHz = 5500.0, .roomMix = 0.04},
    VoicePreset{.element = "Baron", .voice = "de+m6", .pitch = 55, .range = 65, .wordsPerMinute = 155,
                .lowPassHz = 6500.0, .nasalBoost = 0.8, .roomMix = 0.05},
    VoicePreset{.element = "Kalani", .voice = "de+m1", .pitch = 35, .range = 50, .wordsPerMinute = 150,
                .lowPassHz = 4500.0, .roomMix = 0.10},
    VoicePreset{.element = "Herold", .voice = "de+m4", .pitch = 45, .range = 85, .wordsPerMinute = 140,
                .lowPassHz = 6500.0, .roomMix = 0.14},
    // The smith: deep and slow, with a wide, wavering pitch for his fear of
    // witches; the smithy's walls give him a little room.
    VoicePreset{.element = "Schmied", .voice = "de+m1", .pitch = 15, .range = 70, .wordsPerMinute = 125,
                .lowPassHz = 4800.0, .roomMix = 0.12},
    // The knight the catapult throws: only shouts, out in the open.
    VoicePreset{.element = "Ritter", .voice = "de+m5", .pitch = 38, .range = 80, .wordsPerMinute = 175,
                .lowPassHz = 6000.0, .roomMix = 0.03},
};

} // namespace

std::span<const VoicePreset> VoicePresets()
{
    return presets;
}

std::string VoiceValues(const VoicePreset& preset)
{
    char values[512];
    std::snprintf(values, sizeof values,
                  "%s pitch %d range %d wpm %d low-pass %.17g nasal %.17g ring %.17g %.17g room %.17g",
                  preset.voice, preset.pitch, preset.range, preset.wordsPerMinute, preset.lowPassHz, preset.nasalBoost,
                  preset.ringHz, preset.ringDepth, preset.roomMix);
    return values;
}

const VoicePreset* FindVoicePreset(std::string_view element)
{
    const auto found = std::ranges::find_if(presets, [&](const VoicePreset& preset) { return element == preset.element; });
    return found == presets.end() ? nullptr : &*found;
}

} // namespace content
