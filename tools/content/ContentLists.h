#pragma once

// The lists of a data tree, found the way the game would read them: the
// members of datafile.dat when the archive is open, else the loose files
// below "data" in the working directory. Names are spelled as the game
// spells them ("data\menu\sprites.txt"), sorted.

#include <string>
#include <string_view>
#include <vector>

namespace content {

// Every file of that name (any letter case) in any folder of the tree.
std::vector<std::string> FindLists(std::string_view fileName);

// Every Ogg file in a folder named StreamingSfx (any letter case), where the
// game streams its music from ("data\menu\Audio\StreamingSfx\RuvIdMenu.ogg").
std::vector<std::string> FindStreamedMusic();

// The folder of a list, with its trailing backslash ("data\menu\").
std::string ListFolder(std::string_view list);
// Where a sprite list's art lies: its folder's "sprites\".
std::string SpriteArtFolder(std::string_view list);
// Where a sound list's samples lie, as the sample manager spells them: the
// list's folder below "data", then "audio\sfx\" ("sharedadventure\audio\sfx\").
std::string SoundFolder(std::string_view list);
// The short name of a list's folder ("menu", "level01"), for file names.
std::string ListName(std::string_view list);

// The entries of a sound list that define an event, as the game reads them:
// two words, not a comment, a sample file other than "none".
struct SoundEntry {
    std::string event;
    std::string file;
    bool operator==(const SoundEntry&) const = default;
};
std::vector<SoundEntry> SoundEntries(const std::string& list);

// The labels a sprite list describes, in the order of their first line
// (a label described twice is the later description's, as in the registry).
std::vector<std::string> SpriteLabels(const std::string& list);

} // namespace content
