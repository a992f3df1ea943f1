#include "GameParameters.h"

#include "ScrambledTextFile.h"
#include "app/Debug.h"
#include "audio/SoundEngine.h"
#include "files/File.h"
#include "files/StringTokens.h"
#include "graphics/DirectDraw.h"
#include "graphics/SpeechBubbleDisplay.h"

#include <charconv>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int lineCount = 15;
constexpr std::size_t maximumLineLength = 199;

// The volumes in the order of the file's lines, with their keys.
struct StoredVolume {
    const char* key;
    int group;
};
constexpr std::array<StoredVolume, soundGroupCount> storedVolumes = {{
    {"sfx_vol", soundGroupEffects},
    {"music_vol", soundGroupMusic},
    {"speech_vol", soundGroupSpeech},
    {"ambient_vol", soundGroupAmbient},
}};

// Everything options.dat holds, checked before any of it is used.
struct StoredOptions {
    int difficulty = 0;
    bool lightMapping = true;
    std::array<bool, GameParameters::minigameCount> minigameUnlocked{};
    bool speechBubbles = true;
    std::array<float, soundGroupCount> volumes{};
    GameParameters::DisplayMode displayMode;
};

// A whole word as a number, as "%d" or "%f" would read it, but refusing
// anything after the number.
template <typename Number>
bool ParseWhole(const std::string& text, Number& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// The values (second words) of the file's lines; a value that does not
// parse or lies outside its range marks the line damaged.
class OptionValues {
public:
    explicit OptionValues(std::vector<std::string> lineValues) : values(std::move(lineValues)) {}

    int Integer(int low = std::numeric_limits<int>::min(), int high = std::numeric_limits<int>::max())
    {
        int value = 0;
        if (!ParseWhole(Next(), value) || value < low || value > high)
            Damaged();
        return value;
    }
    bool Flag() { return Integer() != 0; }
    float Volume()
    {
        float value = 0.0f;
        if (!ParseWhole(Next(), value) || !(value >= 0.0f && value <= 1.0f))
            Damaged();
        return value;
    }
    // The number of the first damaged line (the values start on line 2),
    // 0 when none is.
    int GetDamagedLine() const { return damagedLine; }

private:
    const std::string& Next() { return values[current++]; }
    void Damaged()
    {
        if (damagedLine == 0)
            damagedLine = static_cast<int>(current) + 1;
    }

    std::vector<std::string> values;
    std::size_t current = 0;
    int damagedLine = 0;
};

// Reads the lines after the version into `options`; the number of the
// first missing or damaged line, 0 when all are sound.
int ReadOptions(File& file, StoredOptions& options)
{
    std::vector<std::string> values;
    std::string line;
    while (static_cast<int>(values.size()) < lineCount - 1) {
        if (!file.ReadLine(line, maximumLineLength + 1) || line.size() > maximumLineLength)
            return static_cast<int>(values.size()) + 2;
        values.push_back(StringTokens(line).StringAt(1));
    }
    OptionValues read(std::move(values));
    options.difficulty = read.Integer(0, GameParameters::difficultyCount - 1);
    options.lightMapping = read.Flag();
    for (bool& unlocked : options.minigameUnlocked)
        unlocked = read.Flag();
    options.speechBubbles = read.Flag();
    for (float& volume : options.volumes)
        volume = read.Volume();
    options.displayMode.width = read.Integer();
    options.displayMode.height = read.Integer();
    options.displayMode.depth = read.Integer();
    // A mode the display does not offer damages the whole mode, from its
    // first line.
    if (read.GetDamagedLine() == 0 && !GameParameters::IsDisplayModeSupported(options.displayMode))
        return lineCount - 2;
    return read.GetDamagedLine();
}

} // namespace

void GameParameters::SetDifficulty(int value)
{
    if (value >= 0 && value < difficultyCount)
        difficulty = value;
}

bool GameParameters::IsMinigameUnlocked(int minigame) const
{
    return minigame >= 0 && minigame < minigameCount && minigameUnlocked[static_cast<std::size_t>(minigame)];
}

void GameParameters::SetMinigameUnlocked(int minigame, bool unlocked)
{
    if (minigame >= 0 && minigame < minigameCount)
        minigameUnlocked[static_cast<std::size_t>(minigame)] = unlocked;
}

bool GameParameters::IsDisplayModeSupported(const DisplayMode& mode)
{
    const bool size = (mode.width == 1024 && mode.height == 768) || (mode.width == 800 && mode.height == 600);
    return size && (mode.depth == 16 || mode.depth == 24 || mode.depth == 32);
}

bool GameParameters::Save()
{
    return ScrambledTextFile::Write(fileName, "GameParameters::Save", [this](File& text) {
        text.Printf("version %d\n", fileVersion);
        text.Printf("difficulty %d\n", difficulty);
        text.Printf("lightmapping %d\n", lightMapping ? 1 : 0);
        for (int minigame = 0; minigame < minigameCount; ++minigame)
            text.Printf("minigame%d %d\n", minigame + 1, IsMinigameUnlocked(minigame) ? 1 : 0);
        text.Printf("speechbubble_disp %d\n", SpeechBubbleDisplay::GetInstance().IsEnabled() ? 1 : 0);
        const SoundEngine& soundEngine = SoundEngine::GetInstance();
        for (const StoredVolume& volume : storedVolumes)
            text.Printf("%s %f\n", volume.key, static_cast<double>(soundEngine.GetGroupVolume(volume.group)));
        // The display's mode once it runs (the options page may have
        // changed it), else the one it is to start in.
        DisplayMode mode = displayMode;
        if (DirectDraw::Exists() && DirectDraw::GetInstance().IsInitialised()) {
            const DirectDraw& display = DirectDraw::GetInstance();
            mode = {display.GetWidth(), display.GetHeight(), display.GetDepth()};
        }
        text.Printf("screen_width %d\n", mode.width);
        text.Printf("screen_height %d\n", mode.height);
        text.Printf("screen_depth %d\n", mode.depth);
    });
}

bool GameParameters::Load()
{
    File file;
    if (!file.OpenMemory(fileName, "r"))
        return false;
    std::string line;
    file.ReadLine(line, maximumLineLength);
    if (StringTokens(line).StringAt(1) != std::to_string(fileVersion)) {
        LogWarning("GameParameters::Load: Not an options file of version %d <%s>\n", fileVersion, fileName);
        return false;
    }
    StoredOptions options;
    if (const int damagedLine = ReadOptions(file, options); damagedLine != 0) {
        LogWarning("GameParameters::Load: Line %d is missing or damaged, the options stay as they were <%s>\n",
                   damagedLine, fileName);
        return false;
    }
    difficulty = options.difficulty;
    lightMapping = options.lightMapping;
    minigameUnlocked = options.minigameUnlocked;
    SpeechBubbleDisplay::GetInstance().SetEnabled(options.speechBubbles);
    SoundEngine& soundEngine = SoundEngine::GetInstance();
    for (std::size_t index = 0; index < storedVolumes.size(); ++index) {
        soundEngine.SetGroupVolume(storedVolumes[index].group, options.volumes[index]);
        soundEngine.UpdateVolumes();
    }
    displayMode = options.displayMode;
    return true;
}

void GameParameters::ApplyAdventureMix()
{
    SoundEngine::GetInstance().SetAdventureMix();
}

void GameParameters::ApplyMinigameMix()
{
    SoundEngine::GetInstance().SetMinigameMix();
}

void GameParameters::ApplyMixForLevel(int level)
{
    if (level >= 1 && level <= 6)
        ApplyAdventureMix();
    else
        ApplyMinigameMix();
}
