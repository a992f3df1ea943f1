#pragma once

// Where the game's relative paths live on the host.
//
// Run from a folder that holds its data (a build tree, a test folder), every
// game path is relative to the working directory, as on Windows. Installed
// (the executable in PREFIX/games or PREFIX/bin, the archive in
// PREFIX/share/zephyra, and neither datafile.dat nor data\config.txt in the
// working directory) the first part
// of a game path picks a root folder, compared without regard to letter case:
//
//   datafile.dat, data\..., intro.avi   read from PREFIX/share/zephyra
//   options.dat                         $XDG_CONFIG_HOME/zephyra
//   debug.txt                           $XDG_STATE_HOME/zephyra
//   highscores.dat, savegames\..., and everything else
//                                       $XDG_DATA_HOME/zephyra
//
// A name followed by more of itself ("options.dat.new", the file that is
// renamed over it) goes with it. The installed data is never written: a
// write to one of its names lands in the data home. Absolute paths stay as
// they are. Unset, empty or relative XDG variables count as unset
// (~/.config, ~/.local/share, ~/.local/state).
//
// Chosen once at start, before the first file is opened; main thread only.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class GameFolders {
public:
    // The value of an environment variable, or null.
    using Environment = std::function<const char*(const char*)>;

    // Every path relative to the working directory.
    GameFolders() = default;
    // The installed layout around the archive's folder.
    static GameFolders Installed(const std::string& shareFolder, const Environment& environment);
    // Installed or not, from the executable's place, the working directory
    // and the process's environment.
    static GameFolders Detect();

    // The layout in use (the working directory's until Use is called).
    static const GameFolders& Current();
    static void Use(GameFolders folders);

    bool IsInstalled() const { return installed; }
    // The host folder a game path is relative to; empty for the working
    // directory. `writing` never gets the installed data's folder.
    const std::string& RootFor(std::string_view gamePath, bool writing) const;
    // Creates the folders the player's files go to (private to the player);
    // false with the folder and the reason when one cannot be made.
    bool CreatePlayerFolders(std::string& folder, std::string& reason) const;
    // Where screenshots go: the pictures folder's "Astrokutter Zephyra"
    // installed, else "screenshots" in the working directory.
    const std::string& GetScreenshotFolder() const { return screenshotFolder; }

private:
    enum class Root { Share, Config, Data, State };
    static Root RootOf(std::string_view gamePath);

    bool installed = false;
    std::string share;
    std::string config;
    std::string data;
    std::string state;
    std::string screenshotFolder = "screenshots";
};

// The XDG_PICTURES_DIR line of a user-dirs.dirs file ("$HOME/Bilder" or an
// absolute path, in double quotes), with $HOME expanded; empty when there is
// no usable line.
std::string PicturesFolderFromUserDirs(std::string_view text, const std::string& home);
