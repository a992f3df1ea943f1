#include "SpriteLoaderUtil.h"

#include "AnimatedRLESprite.h"
#include "Animation.h"
#include "BmpLoader.h"
#include "ImageConverter.h"
#include "ImageUtil.h"
#include "JpegLoader.h"
#include "LoadingScreen.h"
#include "RleFile.h"
#include "SpriteManager.h"
#include "WholeNumber.h"
#include "app/Debug.h"
#include "files/File.h"
#include "files/SettingsManager.h"
#include "files/StringTokens.h"

namespace {

// The picture of a base path, the bitmap preferred; `jpeg` says which was
// read. Null when neither exists or it cannot be read.
std::unique_ptr<Image> ReadPicture(const std::string& basePath, bool& jpeg)
{
    const std::string bitmap = basePath + ".bmp";
    jpeg = false;
    if (File::Exists(bitmap.c_str()))
        return BmpLoader::GetInstance().Load(bitmap.c_str());
    const std::string jpegFile = basePath + ".jpg";
    if (!File::Exists(jpegFile.c_str()))
        return nullptr;
    jpeg = true;
    return JpegLoader::GetInstance().Load(jpegFile.c_str());
}

// Blackens the pixels that the 1-bit mask beside a JPEG marks, if it has one.
void ApplyMaskFile(Image& image, const std::string& maskFile)
{
    if (!File::Exists(maskFile.c_str()))
        return;
    if (const std::unique_ptr<Image> mask = BmpLoader::GetInstance().Load(maskFile.c_str()))
        ImageUtil::GetInstance().ApplyMask(image, *mask);
}

bool IsConvertible(const Image& image)
{
    return image.GetDepth() == 8 || image.GetDepth() == 24;
}

} // namespace

SpriteLoaderUtil::LineResult SpriteLoaderUtil::ParseLine(const std::string& line, const std::string& artFolder,
                                                         SpriteInfo& info)
{
    if (!line.empty() && line[0] == '#')
        return LineResult::Skipped;
    const StringTokens tokens(line);
    if (tokens.Count() < 2)
        return LineResult::Skipped;
    const std::string kind = tokens.StringAt(1);
    int frameCount = 1;
    int type = SpriteInfo::typeStatic;
    if (tokens.Count() == 4 && kind == "static") {
        type = SpriteInfo::typeStatic;
    } else if (tokens.Count() == 5 && (kind == "anim" || kind == "anim_rle")) {
        type = kind == "anim" ? SpriteInfo::typeAnimated : SpriteInfo::typeAnimatedRLE;
        if (!ParseWholeNumber(tokens.StringAt(4), frameCount) || frameCount < 1 || frameCount > Image::maximumSide)
            return LineResult::Unparsable;
    } else {
        return LineResult::Unparsable;
    }
    info = SpriteInfo();
    info.label = tokens.StringAt(0);
    info.file = artFolder + tokens.StringAt(2);
    info.crop = true;
    info.type = type;
    info.frameCount = frameCount;
    info.mirrored = tokens.StringAt(3) != "normx";
    return LineResult::Described;
}

bool SpriteLoaderUtil::Load(const char* listFile, const char* artFolder, float progressFrom, float progressTo)
{
    File file;
    if (!file.Open(listFile, "r")) {
        LogError("SpriteLoaderUtil::Load: Failed to open <%s>!\n", listFile);
        return false;
    }
    const int size = file.GetSize();
    const bool generateRleFiles = SettingsManager::GetInstance().GetBool("generateRleFiles");
    SpriteManager& manager = SpriteManager::GetInstance();
    std::string line;
    while (file.ReadLine(line, maximumLineLength)) {
        SpriteInfo info;
        switch (ParseLine(line, artFolder, info)) {
        case LineResult::Described:
            manager.AddSpriteInfo(info);
            if (generateRleFiles && info.type == SpriteInfo::typeAnimatedRLE) {
                Animation animation;
                animation.SetSpriteLabel(info.label);
            }
            break;
        case LineResult::Unparsable:
            LogWarning("SpriteLoaderUtil::Load: Couldn't parse line <%s>!\n", line.c_str());
            break;
        case LineResult::Skipped:
            break;
        }
        if (size > 0)
            LoadingScreen::GetInstance().SetProgress(progressFrom + (progressTo - progressFrom) *
                                                                        static_cast<float>(file.Tell()) /
                                                                        static_cast<float>(size));
    }
    return true;
}

std::unique_ptr<Image> SpriteLoaderUtil::LoadImage(const std::string& basePath, bool convert)
{
    bool jpeg = false;
    std::unique_ptr<Image> image = ReadPicture(basePath, jpeg);
    if (!image)
        return nullptr;
    if (IsConvertible(*image))
        ImageUtil::GetInstance().RemapTransparentColor(*image);
    // The mask before the conversion: black stays black in every format.
    if (jpeg)
        ApplyMaskFile(*image, basePath + "_Mask.bmp");
    if (convert && IsConvertible(*image))
        image = ImageConverter::GetInstance().ConvertToScreenFormat(std::move(image));
    return image;
}

std::unique_ptr<Image> SpriteLoaderUtil::LoadAlphaImage(const std::string& basePath)
{
    const std::string alphaPath = basePath + "Alpha";
    bool jpeg = false;
    std::unique_ptr<Image> alpha = ReadPicture(alphaPath, jpeg);
    if (!alpha || !IsConvertible(*alpha))
        return nullptr;
    alpha = ImageConverter::GetInstance().ConvertTo8BitAlpha(std::move(alpha));
    if (alpha && jpeg)
        ApplyMaskFile(*alpha, alphaPath + "_Mask.bmp");
    return alpha;
}

bool SpriteLoaderUtil::CreatePreEncodedData(const std::string& basePath, const RleEncoding& encoding,
                                            const AnimatedRLESprite& sprite)
{
    RleFileContent content;
    content.hasAlpha = sprite.HasAlpha();
    content.fullWidth = sprite.GetFullWidth();
    content.fullHeight = sprite.GetFullHeight();
    for (int index = 0; index < sprite.GetFrameCount(); ++index) {
        const AnimatedRLESprite::FrameView frame = sprite.GetFrame(index);
        RleFrame copy;
        copy.image = frame.image->Clone();
        copy.alpha = frame.alpha != nullptr ? frame.alpha->Clone() : nullptr;
        copy.crop = frame.crop;
        content.frames.push_back(std::move(copy));
    }
    return RleFile::Write(basePath.c_str(), encoding, content);
}

bool SpriteLoaderUtil::LoadPreEncodedData(const std::string& basePath, const RleEncoding& encoding,
                                          AnimatedRLESprite& sprite)
{
    RleFileContent content;
    if (!RleFile::Read(basePath.c_str(), encoding, content))
        return false;
    sprite.SetFullSize(content.fullWidth, content.fullHeight);
    for (RleFrame& frame : content.frames)
        sprite.AddFrame(std::move(frame.image), std::move(frame.alpha), frame.crop);
    return true;
}
