#pragma once

// One scene of an adventure episode: a background picture that scrolls with
// the steered character, a walk area saying where characters may go, an
// optional depth map giving how large a character is drawn at each point
// (else a linear scaling between a back and a front row), an optional light
// map tinting characters, and an ambient sound looping while the room is
// loaded. The room's graphics are listed in its sprite-info file (see
// RoomSpriteInfos.h); Init loads them when the room is entered and Exit lets
// them go.
//
// Maps may have another size than the background: they are looked up at
// the point scaled by map size over background size. Positions are room
// coordinates; the view is 1024 x 768 pixels of it, from (scrollX, scrollY).

#include "ByteMap.h"
#include "GameElement.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Entity;
class Image;
class Level;
class Sprite;
class StreamingSample;

class Room : public GameElement {
public:
    static constexpr int viewWidth = 1024;
    static constexpr int viewHeight = 768;
    // Smaller differences between the scroll target and the scroll
    // position are not followed horizontally.
    static constexpr float scrollDeadZone = 3.0f;
    static constexpr float scrollRate = 3.0f;

    Room();
    ~Room() override;

    void Serialize(Serializer& serializer, const char* name) override;
    void Draw() override;
    // Scrolls toward the focus.
    void Update(float dt) override;

    // Loads the room's graphics, maps and ambient sound; false (after a log
    // line) at the first one that fails, which leaves what came before
    // loaded and the room uninitialised.
    bool Init(Level* level = nullptr);
    // Lets everything Init loaded go; false when the background could not
    // be unloaded.
    bool Exit();
    bool IsInitialised() const { return initialised; }

    // Replaces the walk area by the picture `name` in the room's folder;
    // false (the room is left without walk area) when it cannot be loaded.
    bool SetWalkarea(const std::string& name);
    void SetAutoFocus(bool follow, float fixedX);
    void SetScaling(float newFrontScale, float newBackScale, int newFrontYPos, int newBackYPos);
    void SetFocus(const Entity* entity) { focus = entity; }
    void SetJumpScroll() { jumpScroll = true; }

    // How large a character is drawn at the point, 0.00001 to 1.0.
    float GetScale(float x, float y) const;
    // The light map's colour at the point, 0x00RRGGBB; white outside the
    // map or without one.
    std::uint32_t GetLight(float x, float y) const;

    // The background's size; 0 before Init.
    int GetWidth() const;
    int GetHeight() const;
    float GetScrollX() const { return scrollX; }
    float GetScrollY() const { return scrollY; }
    void SetScroll(float x, float y);

    const ByteMap* GetWalkArea() const { return walkArea.get(); }
    const ByteMap* GetDepthMap() const { return depthMap.get(); }
    const Image* GetLightMap() const { return lightMap.get(); }
    Level* GetLevel() const { return owner; }
    const std::string& GetLabel() const { return label; }
    void SetLabel(std::string text) { label = std::move(text); }
    const std::string& GetSpriteInfosFilename() const { return spriteInfosFilename; }
    void SetSpriteInfosFilename(std::string filename) { spriteInfosFilename = std::move(filename); }
    // The ambient loop, a path below data\ (as the level's settings give it).
    void SetAmbientSoundfile(std::string filename) { ambientSoundfile = std::move(filename); }
    // The folder of the sprite-info file below "data\", with a trailing
    // backslash; the room's art lies there.
    std::string GetRoomFolder() const;
    const std::vector<std::string>& GetRegisteredLabels() const { return registeredLabels; }
    // The ambient stream while it plays, else null.
    StreamingSample* GetAmbientStream() const;
    // A map's picture (base path without extension, .bmp or .jpg) as
    // stored, without the transparent-colour remap of sprite art: the
    // colours are the map's values. Null when missing.
    static std::unique_ptr<Image> LoadMapImage(const std::string& basePath);

private:
    Sprite* GetBackground() const;
    // Logs a map larger than the background (a map is meant to be of its
    // size or smaller).
    void CheckMapSize(const char* kind, int width, int height) const;

    std::string spriteInfosFilename;
    int backYPos = 350;
    float backScale = 0.6f;
    int frontYPos = 500;
    float frontScale = 0.85f;
    std::string label;
    std::string ambientSoundfile;
    float ambientVolume = 1.0f;

    bool initialised = false;
    Level* owner = nullptr;
    // The background is the sprite registry's; its pointer is fetched again
    // when the registry has destroyed sprites since.
    mutable Sprite* background = nullptr;
    mutable std::uint64_t backgroundGeneration = 0;
    std::unique_ptr<ByteMap> walkArea;
    std::unique_ptr<ByteMap> depthMap;
    std::unique_ptr<Image> lightMap;
    float scrollX = 0.0f;
    float scrollY = 0.0f;
    float fixedScrollX = 0.0f;
    bool autoFocus = true;
    bool jumpScroll = true;
    const Entity* focus = nullptr;
    // The sound engine's serial of the ambient stream (0: none).
    std::uint64_t ambientSerial = 0;
    std::vector<std::string> registeredLabels;
};
