#include "SurfaceSprite.h"

#include "DirectDraw.h"
#include "ImageUtil.h"
#include "app/Debug.h"
#include "platform/Platform.h"

#include <algorithm>

namespace {
constexpr const char* sourceFile = ".\\RE3Zodezaruz\\SurfaceSprite";
}

bool SurfaceSprite::Create(std::unique_ptr<Image> image, int frameWidth, int frameHeight, int x, int y, bool cropped)
{
    if (!image)
        return false;
    geometry.Uncropped(frameWidth, frameHeight, x, y);
    if (!cropped) {
        picture.Keep(std::move(image));
    } else {
        if (x != 0 || y != 0)
            LogWarning("Image offset supplied for croped sprite. Is that what you want?\n");
        ImageRect bounds = ImageUtil::GetInstance().GetBoundingRect(*image);
        bounds.right = std::min(std::max(bounds.right, bounds.left + 1), image->GetWidth() - 1);
        bounds.bottom = std::min(std::max(bounds.bottom, bounds.top + 1), image->GetHeight() - 1);
        bounds.left = std::max(0, std::min(bounds.left, bounds.right - 1));
        bounds.top = std::max(0, std::min(bounds.top, bounds.bottom - 1));
        auto croppedImage = ImageUtil::GetInstance().CopyToNewImage(*image, bounds);
        if (!croppedImage)
            return false;
        geometry.CroppedTo(bounds);
        picture.Keep(std::move(croppedImage));
    }
    return MakeSurface();
}

bool SurfaceSprite::MakeSurface()
{
    if (!surface.Create(geometry.storedWidth, geometry.storedHeight, geometry.storedWidth > 4000)) {
        LogError("Failed to create sprite surface.\n");
        return false;
    }
    SetPixels(geometry.sourceX, geometry.sourceY);
    return true;
}

void SurfaceSprite::FollowDisplayDepth()
{
    const platform::DisplaySurface* own = surface.GetSurface();
    if (own != nullptr && own->GetFormat().bitsPerPixel != DirectDraw::GetInstance().GetDepth())
        MakeSurface();
}

void SurfaceSprite::SetPixels(int x, int y, const ImageRect& rectangle)
{
    const Image* image = picture.Get();
    if (image == nullptr || x + rectangle.left < 0 || y + rectangle.top < 0 || x + rectangle.right >= image->GetWidth() ||
        y + rectangle.bottom >= image->GetHeight()) {
        LogError("Invalid image offset supplied.\n");
        return;
    }
    if (const std::unique_ptr<Image> screen = picture.MakeScreenImage())
        surface.SetPixels(*screen, x, y, rectangle);
}

void SurfaceSprite::SetPixels(int x, int y)
{
    if (const std::unique_ptr<Image> screen = picture.MakeScreenImage())
        surface.SetPixels(*screen, x, y);
}

void SurfaceSprite::Restore()
{
    FollowDisplayDepth();
    platform::DisplayDevice& device = platform::Platform::Get()->GetDisplay();
    if (surface.GetSurface() == nullptr || !device.IsLost(surface.GetSurface()))
        return;
    if (Debug::GetInstance().CheckDXResult(device.Restore(surface.GetSurface()), sourceFile, __LINE__))
        return;
    SetPixels(geometry.sourceX, geometry.sourceY);
}

void SurfaceSprite::DrawEx(const DrawInfo& drawInfo)
{
    DirectDraw& display = DirectDraw::GetInstance();
    platform::DisplaySurface* target = display.GetRenderTarget();
    FollowDisplayDepth();
    if (target == nullptr || surface.GetSurface() == nullptr)
        return;
    const Placement placement =
        Place(drawInfo, geometry.storedWidth, geometry.storedHeight, geometry.fullWidth, geometry.fullHeight, geometry.crop);
    if (placement.empty)
        return;
    platform::DisplayDevice& device = platform::Platform::Get()->GetDisplay();
    const ImageRect& source = placement.source;
    const ImageRect& destination = placement.destination;
    const platform::Rectangle from{source.left, source.top, source.right + 1, source.bottom + 1};
    DisplayResult result;
    if ((drawInfo.flags & DI_DEST_SIZE) != 0) {
        result = device.StretchBlit(target, {destination.left, destination.top, destination.right + 1, destination.bottom + 1},
                                    surface.GetSurface(), from, (drawInfo.flags & DI_NO_COLORKEY) == 0);
        if (result != DD_OK && result != DDERR_SURFACELOST) {
            LogPrint("Invalid Rect while rendering surface Sprite #1.\n");
            LogPrint("Src (left %d, right %d, top %d, bottom %d )\n", source.left, source.right, source.top, source.bottom);
        }
    } else {
        result = device.FastBlit(target, destination.left, destination.top, surface.GetSurface(), from,
                                 (drawInfo.flags & DI_NO_COLORKEY) == 0);
        if (result != DD_OK && result != DDERR_SURFACELOST) {
            LogPrint("Invalid Rect while rendering surface Sprite #2.\n");
            LogPrint("Src (left %d, right %d, top %d, bottom %d )\n", source.left, source.right, source.top, source.bottom);
            LogPrint("Dest (x %d, y %d )\n", destination.left, destination.top);
        }
    }
    if (result == DDERR_SURFACELOST)
        display.OnSurfaceLost();
}
