#pragma once

// The pieces WriteSharedSprites puts together: each group of pictures is
// drawn in a file of its own and added to the list through `SharedOutput`.

#include "SpriteArt.h"

#include <span>
#include <string>

namespace content::shared {

// Where the pictures go and the list that names them.
class SharedOutput {
public:
    // An opaque page, as a JPEG file named after its label.
    bool AddPage(const std::string& label, const Picture& picture);
    // A picture with transparency, as a keyed bitmap named after its label.
    bool AddStatic(const std::string& label, const Picture& picture);
    // Frames stacked into one strip named after its label.
    bool AddAnim(const std::string& label, std::span<const Picture> frames);
    void Comment(const std::string& text) { list.Comment(text); }
    bool WriteList() const;

private:
    SpriteList list;
};

// The menu pages: main and in-game menu, savegame browser, options, the
// menu bar and the loading screen.
bool WriteMenuPages(SharedOutput& output);
// The adventure's bars: inventory and conversation.
bool WriteAdventureBars(SharedOutput& output);
// The small pieces: cursor, arrows, speech bubble, shadow, savegame marker.
bool WriteSmallSprites(SharedOutput& output);

} // namespace content::shared
