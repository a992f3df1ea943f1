#include "SpriteManager.h"

#include "AlphaSprite.h"
#include "AnimatedRLESprite.h"
#include "AnimatedSprite.h"
#include "BmpLoader.h"
#include "DirectDraw.h"
#include "ImageUtil.h"
#include "RleFile.h"
#include "ShadowSprite.h"
#include "SpriteLoaderUtil.h"
#include "SurfaceSprite.h"
#include "WholeNumber.h"
#include "app/Debug.h"
#include "audio/SoundEngine.h"
#include "files/File.h"
#include "platform/Platform.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cstdio>

namespace {

void PostQuit()
{
    if (platform::Platform* host = platform::Platform::Get())
        host->GetWindow().PostQuitMessage(-1);
}

// Art that a description names is needed: without it the game ends.
std::unique_ptr<Sprite> MissingArt(const std::string& file)
{
    LogError("Failed to load sprite %s.\n", file.c_str());
    PostQuit();
    return nullptr;
}

void NotEightBit(const std::string& file)
{
    const std::string text = "Alle anim_rle Animationen müssen 8Bit sein(auch alpha-images)!\n<"_w1252 + file + "> ist nicht 8Bit!";
    LogMessageBox("%s", text.c_str());
    PostQuit();
}

// A still picture: with an alpha map an alpha sprite, else a surface sprite.
std::unique_ptr<Sprite> MakeStillSprite(std::unique_ptr<Image> image, std::unique_ptr<Image> alpha, int fullWidth,
                                        int fullHeight, bool crop)
{
    if (alpha) {
        auto sprite = std::make_unique<AlphaSprite>();
        if (!sprite->Create(std::move(image), std::move(alpha), fullWidth, fullHeight, 0, 0, crop))
            return nullptr;
        return sprite;
    }
    auto sprite = std::make_unique<SurfaceSprite>();
    if (!sprite->Create(std::move(image), fullWidth, fullHeight, 0, 0, crop))
        return nullptr;
    return sprite;
}

// A full frame of the given size with the picture copied in at `at`; what
// falls outside the frame is left out.
std::unique_ptr<Image> PlaceInFrame(const Image& picture, int width, int height, Point at)
{
    auto frame = std::make_unique<Image>();
    if (!frame->Create(width, height, picture.GetDepth(), true))
        return nullptr;
    if (picture.GetPalette() != nullptr)
        frame->SetPalette(picture.GetPalette());
    const ImageRect inside{std::max(0, -at.x), std::max(0, -at.y), std::min(picture.GetWidth(), width - at.x) - 1,
                           std::min(picture.GetHeight(), height - at.y) - 1};
    if (inside.right >= inside.left && inside.bottom >= inside.top &&
        !ImageUtil::GetInstance().CopyRect(picture, *frame, inside, at.x + inside.left, at.y + inside.top))
        return nullptr;
    return frame;
}

// Hands every line of an optional companion file, split into words, to
// `take`; a file that is there but cannot be opened gets the warning
// `openWarning` followed by its name.
template <typename Take>
void ForEachCompanionLine(const std::string& name, const char* openWarning, Take take)
{
    if (!File::Exists(name.c_str()))
        return;
    File file;
    if (!file.Open(name.c_str(), "r")) {
        LogWarning("%s <%s>!\n", openWarning, name.c_str());
        return;
    }
    std::string line;
    while (file.ReadLine(line, SpriteLoaderUtil::maximumLineLength))
        take(StringTokens(line));
}

} // namespace

SpriteManager::SpriteManager()
{
    DirectDraw::GetInstance().SetSurfaceRestore([this] { MarkSurfacesLost(); });
}

SpriteManager::~SpriteManager()
{
    if (DirectDraw::Exists())
        DirectDraw::GetInstance().SetSurfaceRestore(nullptr);
}

void SpriteManager::AddSpriteInfo(const SpriteInfo& info)
{
    infos[info.label] = info;
}

SpriteInfo* SpriteManager::FindSpriteInfo(const std::string& label)
{
    const auto found = infos.find(label);
    return found != infos.end() ? &found->second : nullptr;
}

SpriteInfo* SpriteManager::GetSpriteInfo(const std::string& label)
{
    if (label == "NONE")
        return nullptr;
    SpriteInfo* info = FindSpriteInfo(label);
    if (info == nullptr)
        LogError("SpriteManager::GetSpriteInfo: Can't access SpriteInfo for label %s.\n", label.c_str());
    return info;
}

Sprite* SpriteManager::GetSprite(const std::string& label)
{
    if (const auto loaded = sprites.find(label); loaded != sprites.end())
        return loaded->second.get();
    if (label == "NONE")
        return nullptr;
    SpriteInfo* info = GetSpriteInfo(label);
    Sprite* sprite = info != nullptr ? LoadSprite(*info) : nullptr;
    if (sprite == nullptr)
        LogWarning("Failed to load sprite %s.\n", label.c_str());
    return sprite;
}

Sprite* SpriteManager::GetSpriteIfDescribed(const std::string& label)
{
    if (!IsLoaded(label) && FindSpriteInfo(label) == nullptr)
        return nullptr;
    return GetSprite(label);
}

Sprite* SpriteManager::LoadSprite(SpriteInfo& info)
{
    UnloadSprite(info.label);
    std::unique_ptr<Sprite> sprite = BuildSprite(info);
    if (!sprite)
        return nullptr;
    sprite->SetName(info.file);
    sprite->GetLabels().push_back(info.label);
    return RegisterSprite(info.label, std::move(sprite));
}

Sprite* SpriteManager::RegisterSprite(const std::string& label, std::unique_ptr<Sprite> sprite)
{
    Sprite* result = sprite.get();
    std::unique_ptr<Sprite>& slot = sprites[label];
    if (slot)
        ++generation;
    slot = std::move(sprite);
    return result;
}

std::unique_ptr<Sprite> SpriteManager::BuildSprite(SpriteInfo& info)
{
    std::unique_ptr<Sprite> sprite;
    switch (info.type) {
    case SpriteInfo::typeStatic:
        return LoadStaticSprite(info);
    case SpriteInfo::typeShadow:
        return LoadShadowSprite(info);
    case SpriteInfo::typeAnimated:
        sprite = LoadAnimatedSprite(info);
        break;
    case SpriteInfo::typeAnimatedRLE:
        sprite = LoadAnimatedRLESprite(info);
        break;
    default:
        LogError("invalid sprite type supplied in sprite info.\n");
        PostQuit();
        return nullptr;
    }
    if (sprite) {
        LoadFrameTable(info);
        LoadAudioEventMap(info);
    }
    return sprite;
}

// Still pictures are handed to their sprites as loaded: the sprites make
// the screen's format from them, again whenever the display's depth changes.
std::unique_ptr<Sprite> SpriteManager::LoadStaticSprite(const SpriteInfo& info)
{
    std::unique_ptr<Image> image = SpriteLoaderUtil::LoadImage(info.file, false);
    if (!image)
        return MissingArt(info.file);
    std::unique_ptr<Image> alpha = SpriteLoaderUtil::LoadAlphaImage(info.file);
    if (info.mirrored) {
        image->MirrorHorizontal();
        if (alpha)
            alpha->MirrorHorizontal();
    }
    const int width = image->GetWidth();
    const int height = image->GetHeight();
    return MakeStillSprite(std::move(image), std::move(alpha), width, height, info.crop);
}

std::unique_ptr<Sprite> SpriteManager::LoadShadowSprite(const SpriteInfo& info)
{
    std::unique_ptr<Image> image = SpriteLoaderUtil::LoadImage(info.file, true);
    if (!image)
        return MissingArt(info.file);
    if (info.mirrored)
        image->MirrorHorizontal();
    auto sprite = std::make_unique<ShadowSprite>();
    if (!sprite->Create(*image, image->GetWidth(), image->GetHeight()))
        return nullptr;
    return sprite;
}

std::unique_ptr<Sprite> SpriteManager::LoadAnimatedSprite(const SpriteInfo& info)
{
    auto sprite = std::make_unique<AnimatedSprite>();
    if (info.framesInSeparateFiles) {
        for (int number = 1; number <= info.frameCount; ++number) {
            char suffix[16];
            std::snprintf(suffix, sizeof(suffix), "%02d", number);
            const std::string file = info.file + suffix;
            // In the screen's format, where the zero bytes around a placed
            // frame are black (transparent) in every depth, as a palette's
            // index 0 need not be.
            std::unique_ptr<Image> image = SpriteLoaderUtil::LoadImage(file, true);
            if (!image) {
                if (number == 1)
                    return MissingArt(file);
                break;
            }
            std::unique_ptr<Image> alpha = SpriteLoaderUtil::LoadAlphaImage(file);
            // The frame rectangle of the description, or the first frame's size.
            const bool framed = info.frameRectangle.width > 0 && info.frameRectangle.height > 0;
            const int width = framed ? info.frameRectangle.width : image->GetWidth();
            const int height = framed ? info.frameRectangle.height : image->GetHeight();
            const std::size_t index = static_cast<std::size_t>(number - 1);
            const Point offset = framed && index < info.frameOffsets.size() ? info.frameOffsets[index] : Point{};
            std::unique_ptr<Image> frame = PlaceInFrame(*image, width, height, offset);
            std::unique_ptr<Image> frameAlpha = alpha ? PlaceInFrame(*alpha, width, height, offset) : nullptr;
            if (!frame || (alpha && !frameAlpha))
                return nullptr;
            if (info.mirrored) {
                frame->MirrorHorizontal();
                if (frameAlpha)
                    frameAlpha->MirrorHorizontal();
            }
            std::unique_ptr<Sprite> still = MakeStillSprite(std::move(frame), std::move(frameAlpha), width, height, info.crop);
            // A frame that cannot be made ends the list like a missing file,
            // so that no later frame slides into its place.
            if (!still)
                break;
            sprite->AddFrame(std::move(still));
            if (number == 1)
                sprite->SetFullSize(width, height);
        }
        return sprite->GetFrameCount() > 0 ? std::move(sprite) : nullptr;
    }

    std::unique_ptr<Image> strip = SpriteLoaderUtil::LoadImage(info.file, false);
    if (!strip)
        return MissingArt(info.file);
    std::unique_ptr<Image> alpha = SpriteLoaderUtil::LoadAlphaImage(info.file);
    if (alpha && (alpha->GetWidth() != strip->GetWidth() || alpha->GetHeight() != strip->GetHeight())) {
        LogPrint("image and alpha map sizes do not match.\n");
        PostQuit();
        return nullptr;
    }
    if (info.frameCount < 1 || strip->GetHeight() / info.frameCount < 1) {
        LogError("SpriteManager::LoadAnimatedSprite: <%s> is too small for %d frames!\n", info.file.c_str(), info.frameCount);
        return nullptr;
    }
    if (info.mirrored) {
        strip->MirrorHorizontal();
        if (alpha)
            alpha->MirrorHorizontal();
    }
    const int width = strip->GetWidth();
    const int height = strip->GetHeight() / info.frameCount;
    sprite->SetFullSize(width, height);
    ImageUtil& util = ImageUtil::GetInstance();
    for (int index = 0; index < info.frameCount; ++index) {
        const ImageRect rectangle{0, index * height, width - 1, (index + 1) * height - 1};
        std::unique_ptr<Image> frame = util.CopyToNewImage(*strip, rectangle);
        std::unique_ptr<Image> frameAlpha = alpha ? util.CopyToNewImage(*alpha, rectangle) : nullptr;
        if (!frame || (alpha && !frameAlpha))
            return nullptr;
        std::unique_ptr<Sprite> still = MakeStillSprite(std::move(frame), std::move(frameAlpha), width, height, info.crop);
        if (!still)
            return nullptr;
        sprite->AddFrame(std::move(still));
    }
    return sprite;
}

std::unique_ptr<Sprite> SpriteManager::LoadAnimatedRLESprite(const SpriteInfo& info)
{
    if (!DirectDraw::GetInstance().IsFullScreen())
        LogPrint("SpriteManager::LoadAnimatedRLESprite filename=%s\n", info.file.c_str());
    auto sprite = std::make_unique<AnimatedRLESprite>();
    const RleEncoding encoding{info.mirrored, info.crop, info.frameCount};
    if (SpriteLoaderUtil::LoadPreEncodedData(info.file, encoding, *sprite))
        return sprite;

    std::unique_ptr<Image> strip = SpriteLoaderUtil::LoadImage(info.file, false);
    if (!strip)
        return MissingArt(info.file);
    if (strip->GetDepth() != 8) {
        NotEightBit(info.file);
        return nullptr;
    }
    std::unique_ptr<Image> alpha;
    const std::string alphaFile = info.file + "_alpha.bmp";
    if (File::Exists(alphaFile.c_str())) {
        alpha = BmpLoader::GetInstance().Load(alphaFile.c_str());
        if (!alpha || alpha->GetDepth() != 8) {
            NotEightBit(info.file + "_alpha");
            return nullptr;
        }
        ImageUtil::GetInstance().RemapTransparentColorAlpha(*alpha);
    }
    if (info.mirrored) {
        strip->MirrorHorizontal();
        if (alpha)
            alpha->MirrorHorizontal();
    }
    if (!sprite->Create(*strip, alpha.get(), info.frameCount, info.crop)) {
        LogError("SpriteManager::LoadAnimatedRLESprite: Failed to encode <%s> in %d frames!\n", info.file.c_str(),
                 info.frameCount);
        return nullptr;
    }
    SpriteLoaderUtil::CreatePreEncodedData(info.file, encoding, *sprite);
    return sprite;
}

bool SpriteManager::UnloadSprite(const std::string& label)
{
    if (sprites.erase(label) == 0)
        return false;
    ++generation;
    return true;
}

bool SpriteManager::RemoveSpriteInfo(const std::string& label)
{
    if (infos.erase(label) == 0)
        return false;
    UnloadSprite(label);
    return true;
}

void SpriteManager::Clear()
{
    if (!sprites.empty())
        ++generation;
    sprites.clear();
    infos.clear();
}

void SpriteManager::RestoreSurfaces()
{
    if (!surfacesLost)
        return;
    LogPrint("Restoring surfaces.\n");
    DirectDraw::GetInstance().RestoreSurfaces();
    for (const auto& [label, sprite] : sprites)
        sprite->Restore();
    surfacesLost = false;
    LogPrint("Restoring surfaces done.\n");
    SoundEngine::GetInstance().RefreshVolumes();
}

void SpriteManager::LoadFrameTable(SpriteInfo& info)
{
    info.frameTable.clear();
    const std::string name = info.file + ".txt";
    ForEachCompanionLine(name, "SpriteManager::LoadFrameTable: Failed to open frame-table",
                         [&](const StringTokens& tokens) {
                             for (int index = 0; index < tokens.Count(); ++index) {
                                 int frame = 0;
                                 if (ParseWholeNumber(tokens.StringAt(index), frame))
                                     info.frameTable.push_back(frame);
                                 else
                                     LogWarning("SpriteManager::LoadFrameTable: Skipped <%s> in frame-table <%s>!\n",
                                                tokens.StringAt(index).c_str(), name.c_str());
                             }
                         });
}

void SpriteManager::LoadAudioEventMap(SpriteInfo& info)
{
    info.audioEvents.clear();
    std::string name = info.file + "_audioevents.txt";
    if (!File::Exists(name.c_str()))
        name = info.file + "_ae.txt";
    ForEachCompanionLine(name, "SpriteManager::LoadAudioEventMap: Failed to open audioevents file",
                         [&](const StringTokens& tokens) {
                             float time = 0.0f;
                             if (tokens.Count() == 2 && ParseWholeNumber(tokens.StringAt(0), time))
                                 info.audioEvents.emplace(time, tokens.StringAt(1));
                         });
}
