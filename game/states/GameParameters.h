#pragma once

// The player's options and their file options.dat in the working directory,
// stored scrambled: fifteen lines of a key and a value, read back by their
// order alone (the keys are not looked at):
//
//     version 103            lightmapping 0|1        speechbubble_disp 0|1
//     difficulty 0|1|2       minigame1 0|1 ...       sfx_vol, music_vol,
//                            minigame4 0|1           speech_vol, ambient_vol
//                                                    %f from 0.0 to 1.0
//     screen_width, screen_height, screen_depth %d
//
// The speech-bubble flag lives in SpeechBubbleDisplay, the four volumes in
// the sound engine's groups; the display mode is kept here for the start
// and taken from the display once it runs. A file that is not all there,
// has a value out of its range or another version is refused whole: the
// options stay as they were. Main thread only.

#include "app/Singleton.h"

#include <array>

class GameParameters : public Singleton<GameParameters> {
public:
    static constexpr int fileVersion = 103;
    static constexpr const char* fileName = "options.dat";
    // Minigames are numbered 0 dance, 1 taxi shooter, 2 catapult, 3 alien
    // shooter, as their highscore tables (the file's minigame1 to minigame4).
    static constexpr int minigameCount = 4;
    static constexpr int difficultyCount = 3;

    struct DisplayMode {
        int width = 800;
        int height = 600;
        int depth = 16;
    };

    bool Save();
    // True when options.dat was read and taken over.
    bool Load();

    // 0 "Leicht", 1 "Mittel", 2 "Schwer"; other values are refused.
    int GetDifficulty() const { return difficulty; }
    void SetDifficulty(int value);
    bool IsLightMapping() const { return lightMapping; }
    void SetLightMapping(bool on) { lightMapping = on; }
    // False for a number outside 0 to 3.
    bool IsMinigameUnlocked(int minigame) const;
    void SetMinigameUnlocked(int minigame, bool unlocked);
    // False while a minigame started from the minigame page runs: the
    // in-game menu then offers no saving. Not stored.
    bool IsSavingAllowed() const { return savingAllowed; }
    void SetSavingAllowed(bool allowed) { savingAllowed = allowed; }

    // The mode the display starts in: the one of a loaded options.dat.
    const DisplayMode& GetDisplayMode() const { return displayMode; }
    void SetDisplayMode(const DisplayMode& mode) { displayMode = mode; }
    static bool IsDisplayModeSupported(const DisplayMode& mode);

    // The sound engine's mix presets: adventure for levels 1 to 6 while
    // they are played, minigame for the minigames, the main menu and every
    // open in-game menu.
    static void ApplyAdventureMix();
    static void ApplyMinigameMix();
    static void ApplyMixForLevel(int level);

private:
    int difficulty = 0;
    bool lightMapping = true;
    std::array<bool, minigameCount> minigameUnlocked{};
    bool savingAllowed = true;
    DisplayMode displayMode;
};
