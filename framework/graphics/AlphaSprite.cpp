#include "AlphaSprite.h"

#include "DirectDraw.h"
#include "ImageUtil.h"
#include "ScreenPixels.h"
#include "app/Debug.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstring>

namespace {

void PostQuit()
{
    platform::Platform::Get()->GetWindow().PostQuitMessage(-1);
}

ImageRect Union(const ImageRect& a, const ImageRect& b)
{
    return ImageRect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}


} // namespace

bool AlphaSprite::Create(std::unique_ptr<Image> diffuseImage, std::unique_ptr<Image> alphaImage, int frameWidth, int frameHeight,
                         int x, int y, bool cropped)
{
    if (!diffuseImage || !alphaImage)
        return false;
    if (diffuseImage->GetWidth() != alphaImage->GetWidth() || diffuseImage->GetHeight() != alphaImage->GetHeight()) {
        LogPrint("image and alpha map sizes do not match.\n");
        PostQuit();
        return false;
    }
    geometry.Uncropped(frameWidth, frameHeight, x, y);
    if (cropped) {
        ImageUtil& util = ImageUtil::GetInstance();
        const ImageRect bounds = Union(util.GetBoundingRect(*diffuseImage), util.GetBoundingRect(*alphaImage));
        diffuseImage = ImageUtil::GetInstance().CopyToNewImage(*diffuseImage, bounds);
        alphaImage = ImageUtil::GetInstance().CopyToNewImage(*alphaImage, bounds);
        if (!diffuseImage || !alphaImage)
            return false;
        geometry.CroppedTo(bounds);
    }
    picture.Keep(std::move(diffuseImage));
    diffuse = picture.MakeScreenImage();
    alpha = std::move(alphaImage);
    FindSpans();
    return diffuse != nullptr;
}

void AlphaSprite::Restore()
{
    if (diffuse != nullptr && diffuse->GetDepth() != DirectDraw::GetInstance().GetDepth())
        diffuse = picture.MakeScreenImage();
}

void AlphaSprite::FindSpans()
{
    spans.clear();
    weights.clear();
    rowSpans.assign(1, 0);
    const int width = alpha->GetWidth();
    const int height = alpha->GetHeight();
    if (alpha->GetDepth() != 8 || alpha->GetBufferSize() < Image::ComputeDataSize(width, height, 8)) {
        rowSpans.assign(static_cast<std::size_t>(std::max(height, 0)) + 1, 0);
        return;
    }
    for (int y = 0; y < height; ++y) {
        AppendAlphaSpans<AlphaMapRule>(alpha->GetData() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width), width, spans,
                                       weights);
        rowSpans.push_back(static_cast<std::uint32_t>(spans.size()));
    }
}

void AlphaSprite::Blend(const Placement& placement, std::uint8_t* canvas, int pitch, int depth) const
{
    const CanvasFormat format = CanvasFormat::Of(depth, ScreenLayout::FromDisplay());
    const RowBlend blend(format);
    const int bytesPerPixel = format.bytesPerPixel;
    const int imageWidth = diffuse->GetWidth();
    const std::uint8_t* diffusePixels = diffuse->GetData();
    // Columns of the images drawn: [left, end).
    const int left = geometry.sourceX + placement.source.left;
    const int end = left + placement.destination.GetWidth();
    for (int row = 0; row < placement.destination.GetHeight(); ++row) {
        const auto y = static_cast<std::size_t>(geometry.sourceY + placement.source.top + row);
        const std::uint8_t* const rowPixels = diffusePixels + y * static_cast<std::size_t>(imageWidth) * static_cast<std::size_t>(bytesPerPixel);
        // The canvas pixel of image column `left`.
        std::uint8_t* const line = canvas + static_cast<std::ptrdiff_t>(placement.destination.top + row) * pitch +
                                   static_cast<std::ptrdiff_t>(placement.destination.left) * bytesPerPixel;
        DrawSpanRow(spans.data(), rowSpans[y], rowSpans[y + 1], left, end, weights.data(), blend, line,
                    [&](std::uint32_t, int from) { return rowPixels + static_cast<std::ptrdiff_t>(from) * bytesPerPixel; });
    }
}

void AlphaSprite::DrawEx(const DrawInfo& drawInfo)
{
    if ((drawInfo.flags & DI_DEST_SIZE) != 0) {
        LogError("Scaled blit not supported by alpha sprites.\n");
        PostQuit();
        return;
    }
    Restore(); // a change of depth not restored yet
    if (!diffuse || !alpha)
        return;
    if (diffuse->GetWidth() != alpha->GetWidth() || diffuse->GetHeight() != alpha->GetHeight()) {
        LogPrint("diffuse and alpha image sizes do not match.\n Skipping rendering.\n");
        return;
    }
    DirectDraw& display = DirectDraw::GetInstance();
    // The stored area must lie inside the images it is read from.
    if (!geometry.LiesInside(*diffuse) || diffuse->GetDepth() != display.GetDepth() || alpha->GetDepth() != 8)
        return;
    const Placement placement =
        Place(drawInfo, geometry.storedWidth, geometry.storedHeight, geometry.fullWidth, geometry.fullHeight, geometry.crop);
    if (placement.empty)
        return;
    platform::LockedSurface locked;
    if (!LockCanvas(locked))
        return;
    switch (display.GetDepth()) {
    case 16:
    case 24:
    case 32: Blend(placement, locked.pixels, locked.pitch, display.GetDepth()); break;
    default:
        LogPrint("Invalid screen directDraw screendepth.\n");
        PostQuit();
        break;
    }
    UnlockCanvas();
}
