#include "Room.h"

#include "Entity.h"
#include "RoomSpriteInfos.h"
#include "app/Debug.h"
#include "audio/SoundEngine.h"
#include "audio/StreamingSample.h"
#include "files/File.h"
#include "files/Serializer.h"
#include "graphics/BmpLoader.h"
#include "graphics/Image.h"
#include "graphics/JpegLoader.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteManager.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float minimumScale = 0.00001f;
constexpr float maximumScale = 1.0f;
constexpr std::uint32_t white = 0xFFFFFF;

// The cell of a map of mapWidth x mapHeight laid over the background at the
// room point; false outside the map (and for points that are no numbers).
bool MapCell(float x, float y, int mapWidth, int mapHeight, int backgroundWidth, int backgroundHeight, int& cellX,
             int& cellY)
{
    if (backgroundWidth <= 0 || backgroundHeight <= 0)
        return false;
    const double scaledX = std::trunc(static_cast<double>(x) * mapWidth / backgroundWidth);
    const double scaledY = std::trunc(static_cast<double>(y) * mapHeight / backgroundHeight);
    if (!(scaledX >= 0.0 && scaledX < mapWidth && scaledY >= 0.0 && scaledY < mapHeight))
        return false;
    cellX = static_cast<int>(scaledX);
    cellY = static_cast<int>(scaledY);
    return true;
}

} // namespace

Room::Room() : spriteInfosFilename("level01\\roombrücke\\spriteinfos.txt"_w1252) {}

Room::~Room()
{
    Exit();
}

void Room::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("Room", name);
    serializer.SetHint("filename [Spriteinfos Files|*.txt|All|*.*]", "");
    serializer.SerializeString("Spriteinfos Filename", spriteInfosFilename);
    const bool hideScaling = depthMap != nullptr;
    if (hideScaling)
        serializer.SetHint("hide", "");
    serializer.SerializeInt("Back-YPos", &backYPos);
    if (hideScaling)
        serializer.SetHint("hide", "");
    serializer.SerializeFloat("Back-Scale", &backScale);
    if (hideScaling)
        serializer.SetHint("hide", "");
    serializer.SerializeInt("Front-YPos", &frontYPos);
    if (hideScaling)
        serializer.SetHint("hide", "");
    serializer.SerializeFloat("Front-Scale", &frontScale);
    serializer.SerializeString("Label", label);
    serializer.SetHint("filename [OGG Files|*.ogg|All|*.*]", "");
    serializer.SerializeString("ambient soundfile", ambientSoundfile);
    serializer.SerializeFloat("ambient volume", &ambientVolume);
    GameElement::Serialize(serializer, name);
    serializer.EndSection();
}

std::string Room::GetRoomFolder() const
{
    const std::string path = "data\\" + spriteInfosFilename;
    return path.substr(0, path.rfind('\\') + 1);
}

Sprite* Room::GetBackground() const
{
    SpriteManager& sprites = SpriteManager::GetInstance();
    if (background != nullptr && backgroundGeneration != sprites.GetGeneration()) {
        background = sprites.IsLoaded("room_gfx") ? sprites.GetSprite("room_gfx") : nullptr;
        backgroundGeneration = sprites.GetGeneration();
    }
    return background;
}

int Room::GetWidth() const
{
    const Sprite* sprite = GetBackground();
    return sprite != nullptr ? sprite->GetFullWidth() : 0;
}

int Room::GetHeight() const
{
    const Sprite* sprite = GetBackground();
    return sprite != nullptr ? sprite->GetFullHeight() : 0;
}

std::unique_ptr<Image> Room::LoadMapImage(const std::string& basePath)
{
    const std::string bitmap = basePath + ".bmp";
    if (File::Exists(bitmap.c_str())) {
        BmpLoader::Result result = BmpLoader::Result::Loaded;
        return BmpLoader::GetInstance().Read(bitmap.c_str(), result);
    }
    const std::string jpeg = basePath + ".jpg";
    if (File::Exists(jpeg.c_str()))
        return JpegLoader::GetInstance().Load(jpeg.c_str());
    return nullptr;
}

void Room::CheckMapSize(const char* kind, int width, int height) const
{
    const int backgroundWidth = GetWidth();
    const int backgroundHeight = GetHeight();
    if (backgroundWidth > 0 && (width > backgroundWidth || height > backgroundHeight))
        LogWarning("Room::Init: The %s of <%s> is %d x %d pixels, larger than the background's %d x %d!\n", kind,
                   spriteInfosFilename.c_str(), width, height, backgroundWidth, backgroundHeight);
}

bool Room::Init(Level* level)
{
    // Whatever an earlier Init left loaded goes first, also after a failure.
    Exit();
    owner = level;
    const std::string path = "data\\" + spriteInfosFilename;
    SpriteInfosLoaderUtil::SpriteInfos entries;
    if (!SpriteInfosLoaderUtil::LoadSpriteInfos(path.c_str(), entries))
        return false;
    const std::string folder = GetRoomFolder();
    SpriteManager& sprites = SpriteManager::GetInstance();

    for (RoomGraphic& graphic : RoomSpriteInfos::Interpret(entries, folder)) {
        switch (graphic.kind) {
        case RoomGraphic::background:
            background = sprites.LoadSprite(graphic.info);
            backgroundGeneration = sprites.GetGeneration();
            if (background == nullptr) {
                LogError("Room::Init: Failed to load the environment-gfx <%s>!\n", graphic.info.file.c_str());
                return false;
            }
            break;
        case RoomGraphic::lightMap: {
            const std::string file = folder + "lightmap";
            lightMap = LoadMapImage(file);
            if (!lightMap) {
                LogError("Room::Init: Failed to load the lightmap <%s>!\n", file.c_str());
                return false;
            }
            CheckMapSize("light map", lightMap->GetWidth(), lightMap->GetHeight());
            break;
        }
        case RoomGraphic::walkArea:
            if (!SetWalkarea("walkarea"))
                return false;
            break;
        case RoomGraphic::depthMap: {
            const std::string file = folder + "depthmap";
            const std::unique_ptr<Image> image = LoadMapImage(file);
            if (!image) {
                LogError("Room::Init: Failed to load the depthmap <%s>!\n", file.c_str());
                return false;
            }
            depthMap = std::make_unique<ByteMap>();
            // A picture without pixels gives no depth map: the linear
            // scaling stays in force.
            if (!depthMap->InitDepthMap(*image))
                depthMap.reset();
            else
                CheckMapSize("depth map", depthMap->GetWidth(), depthMap->GetHeight());
            break;
        }
        case RoomGraphic::still:
        case RoomGraphic::animation:
            sprites.AddSpriteInfo(graphic.info);
            registeredLabels.push_back(graphic.info.label);
            break;
        }
    }
    // Every size and scroll position is the background's: a room without
    // one cannot be shown.
    if (background == nullptr) {
        LogError("Room::Init: Failed to load the environment-gfx <%s>!\n", (folder + "background").c_str());
        return false;
    }

    scrollX = scrollY = 0.0f;
    autoFocus = true;
    jumpScroll = true;

    if (!ambientSoundfile.empty()) {
        if (StreamingSample* stream = SoundEngine::GetInstance().CreateStream(ambientSoundfile)) {
            stream->SetSoundGroup(soundGroupAmbient);
            stream->SetVolume(ambientVolume);
            stream->Rewind();
            stream->PlayLooped();
            ambientSerial = stream->GetSerial();
        }
    }
    initialised = true;
    return true;
}

StreamingSample* Room::GetAmbientStream() const
{
    if (ambientSerial == 0 || !SoundEngine::Exists())
        return nullptr;
    return SoundEngine::GetInstance().FindStream(ambientSerial);
}

bool Room::Exit()
{
    // A failed Init leaves what it loaded before the failure; that goes too.
    const bool holdsAnything = background != nullptr || walkArea || depthMap || lightMap || ambientSerial != 0 ||
                               !registeredLabels.empty();
    if (!initialised && !holdsAnything)
        return true;

    if (StreamingSample* stream = GetAmbientStream())
        SoundEngine::GetInstance().DestroyStream(stream);
    ambientSerial = 0;

    bool unloaded = true;
    if (SpriteManager::Exists()) {
        SpriteManager& sprites = SpriteManager::GetInstance();
        if (background != nullptr && !sprites.UnloadSprite("room_gfx")) {
            LogError("Room::Exit: Failed to unload Room Graphics!\n");
            unloaded = false;
        }
        for (const std::string& registered : registeredLabels)
            sprites.RemoveSpriteInfo(registered);
    }
    background = nullptr;
    walkArea.reset();
    depthMap.reset();
    lightMap.reset();
    registeredLabels.clear();
    initialised = false;
    return unloaded;
}

bool Room::SetWalkarea(const std::string& name)
{
    const std::string file = GetRoomFolder() + name;
    walkArea.reset();
    const std::unique_ptr<Image> image = LoadMapImage(file);
    auto map = std::make_unique<ByteMap>();
    if (!image || !map->Init(*image)) {
        LogError("Room::SetWalkarea: Failed to load the environment-walkarea <%s>!\n", file.c_str());
        return false;
    }
    CheckMapSize("walk area", map->GetWidth(), map->GetHeight());
    walkArea = std::move(map);
    return true;
}

void Room::SetAutoFocus(bool follow, float fixedX)
{
    autoFocus = follow;
    fixedScrollX = fixedX;
}

void Room::SetScaling(float newFrontScale, float newBackScale, int newFrontYPos, int newBackYPos)
{
    frontScale = newFrontScale;
    backScale = newBackScale;
    frontYPos = newFrontYPos;
    backYPos = newBackYPos;
}

void Room::SetScroll(float x, float y)
{
    scrollX = x;
    scrollY = y;
}

void Room::Update(float dt)
{
    int focusX = 0;
    int focusY = 0;
    if (focus != nullptr) {
        focusX = static_cast<int>(std::floor(focus->GetPosition().x));
        focusY = static_cast<int>(std::floor(focus->GetPosition().y));
    }
    // A background no larger than the view is centred (a negative scroll);
    // a larger one follows the focus without showing beyond its edges.
    const auto target = [](int size, int view, int focusAt) {
        if (size <= view)
            return (size - view) / 2;
        return std::clamp(focusAt - view / 2, 0, size - view);
    };
    float targetX = static_cast<float>(target(GetWidth(), viewWidth, focusX));
    const float targetY = static_cast<float>(target(GetHeight(), viewHeight, focusY));
    if (!autoFocus)
        targetX = fixedScrollX;

    if (jumpScroll) {
        scrollX = targetX;
        scrollY = targetY;
        jumpScroll = false;
        return;
    }
    scrollY = targetY;
    if (std::fabs(targetX - scrollX) >= scrollDeadZone)
        scrollX += (targetX - scrollX) * dt * scrollRate;
}

void Room::Draw()
{
    if (Sprite* sprite = GetBackground())
        sprite->DrawTopLeft(-static_cast<int>(scrollX), -static_cast<int>(scrollY), 0, 0.0f);
}

float Room::GetScale(float x, float y) const
{
    float scale = 0.0f;
    if (depthMap) {
        int cellX = 0;
        int cellY = 0;
        const int depth = MapCell(x, y, depthMap->GetWidth(), depthMap->GetHeight(), GetWidth(), GetHeight(), cellX, cellY)
                              ? depthMap->Get(cellX, cellY)
                              : 0;
        scale = (frontScale - backScale) * static_cast<float>(255 - depth) * (1.0f / 255.0f) + backScale;
    } else if (frontYPos != backYPos) {
        scale = (y - static_cast<float>(backYPos)) / static_cast<float>(frontYPos - backYPos) * (frontScale - backScale) +
                backScale;
    } else {
        // Both rows on one line: the front scale from there down, the back
        // scale above, rather than a division by zero.
        scale = y >= static_cast<float>(frontYPos) ? frontScale : backScale;
    }
    if (!(scale >= minimumScale))
        return minimumScale;
    return std::min(scale, maximumScale);
}

std::uint32_t Room::GetLight(float x, float y) const
{
    if (!lightMap)
        return white;
    int cellX = 0;
    int cellY = 0;
    if (!MapCell(x, y, lightMap->GetWidth(), lightMap->GetHeight(), GetWidth(), GetHeight(), cellX, cellY))
        return white;
    return lightMap->GetPixel(cellX, cellY) & 0xFFFFFF;
}
