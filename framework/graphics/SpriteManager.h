#pragma once

// The registry of all sprites by label. Descriptions (SpriteInfo) are added
// by the sprite lists and the rooms; a sprite is built from its art on first
// use and owned here until it is replaced, unloaded or its description is
// removed. Art that a description names but that cannot be found ends the
// game (a quit message), except that a failed GetSprite merely answers null.
//
// Lost display surfaces: every display operation that meets one marks them
// lost here, and the frame loops call RestoreSurfaces once per frame before
// drawing, which restores the display's surfaces, every loaded sprite and
// then lets the sound engine refresh its buffers. Main thread only.

#include "SpriteInfo.h"
#include "app/Singleton.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

class Sprite;

class SpriteManager : public Singleton<SpriteManager> {
public:
    SpriteManager();
    ~SpriteManager();

    // Registers or replaces the description of its label.
    void AddSpriteInfo(const SpriteInfo& info);
    // Null for "NONE" (silently) and for labels without description.
    SpriteInfo* GetSpriteInfo(const std::string& label);
    // The same without a log line.
    SpriteInfo* FindSpriteInfo(const std::string& label);
    // The sprite of the label, built on first use; null when it cannot be.
    Sprite* GetSprite(const std::string& label);
    // The sprite of a described label; null, without a log line, for a label
    // nobody described (the loading screen's optional picture).
    Sprite* GetSpriteIfDescribed(const std::string& label);
    // Builds the sprite of the description (replacing a loaded one of its
    // label) and fills the description's frame table and audio events.
    Sprite* LoadSprite(SpriteInfo& info);
    // Takes a sprite built elsewhere under the label (replacing a loaded one).
    Sprite* RegisterSprite(const std::string& label, std::unique_ptr<Sprite> sprite);
    bool IsLoaded(const std::string& label) const { return sprites.count(label) != 0; }
    bool UnloadSprite(const std::string& label);
    bool RemoveSpriteInfo(const std::string& label);
    // Destroys every sprite and forgets every description.
    void Clear();
    // Counts the sprites destroyed so far (unloaded or replaced): whoever
    // keeps a sprite pointer fetches it again when this has changed.
    std::uint64_t GetGeneration() const { return generation; }

    void MarkSurfacesLost() { surfacesLost = true; }
    bool AreSurfacesLost() const { return surfacesLost; }
    void RestoreSurfaces();

    // The companion files of an animation: base path + ".txt" lists the
    // frames to play, base path + "_audioevents.txt" (or "_ae.txt") the
    // audio events. Missing files leave the lists empty.
    static void LoadFrameTable(SpriteInfo& info);
    static void LoadAudioEventMap(SpriteInfo& info);

private:
    std::unique_ptr<Sprite> BuildSprite(SpriteInfo& info);
    std::unique_ptr<Sprite> LoadStaticSprite(const SpriteInfo& info);
    std::unique_ptr<Sprite> LoadShadowSprite(const SpriteInfo& info);
    std::unique_ptr<Sprite> LoadAnimatedSprite(const SpriteInfo& info);
    std::unique_ptr<Sprite> LoadAnimatedRLESprite(const SpriteInfo& info);

    std::map<std::string, SpriteInfo> infos;
    std::map<std::string, std::unique_ptr<Sprite>> sprites;
    bool surfacesLost = false;
    std::uint64_t generation = 0;
};
