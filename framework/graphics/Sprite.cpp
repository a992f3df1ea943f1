#include "Sprite.h"

#include "DirectDraw.h"
#include "RenderEngine.h"
#include "platform/Platform.h"

#include <algorithm>

Sprite::~Sprite() = default;

void Sprite::Submit(DrawInfo drawInfo, float z)
{
    RenderEngine& engine = RenderEngine::GetInstance();
    drawInfo.destinationX += engine.GetScreenOffsetX();
    drawInfo.destinationY += engine.GetScreenOffsetY();
    drawInfo.clipToBand = engine.TakeClipToBandRequest();
    engine.AddToRenderList(this, drawInfo, z);
}

void Sprite::Draw(int x, int y, int frame, float z)
{
    Submit(DrawInfo::At(x, y, DI_CENTER, frame), z);
}

void Sprite::DrawTopLeft(int x, int y, int frame, float z)
{
    Submit(DrawInfo::At(x, y, 0, frame), z);
}

void Sprite::DrawScaled(int x, int y, int frame, float z, float scale)
{
    DrawScaledTinted(x, y, frame, z, scale, 0x00FFFFFF);
}

void Sprite::DrawScaledTinted(int x, int y, int frame, float z, float scale, std::uint32_t tint)
{
    DrawInfo drawInfo = DrawInfo::At(x, y, DI_BOTTOM_CENTER, frame);
    if (scale != 1.0f)
        drawInfo.flags |= DI_SCALE;
    if ((tint & 0x00FFFFFF) != 0x00FFFFFF)
        drawInfo.flags |= DI_TINT;
    drawInfo.scale = scale;
    drawInfo.tint = tint;
    Submit(drawInfo, z);
}

void Sprite::DrawPart(const ImageRect& source, int x, int y, int frame, float z)
{
    DrawInfo drawInfo = DrawInfo::At(x, y, DI_SRC_POS | DI_SRC_SIZE, frame);
    drawInfo.sourceX = source.left;
    drawInfo.sourceY = source.top;
    drawInfo.sourceWidth = source.GetWidth();
    drawInfo.sourceHeight = source.GetHeight();
    Submit(drawInfo, z);
}

void Sprite::DrawStretched(const ImageRect& source, const ImageRect& destination, int frame, float z)
{
    DrawInfo drawInfo;
    drawInfo.flags = DI_SRC_POS | DI_SRC_SIZE | DI_DEST_POS | DI_DEST_SIZE;
    drawInfo.frame = frame;
    drawInfo.sourceX = source.left;
    drawInfo.sourceY = source.top;
    drawInfo.sourceWidth = source.GetWidth();
    drawInfo.sourceHeight = source.GetHeight();
    drawInfo.destinationX = destination.left;
    drawInfo.destinationY = destination.top;
    drawInfo.destinationWidth = destination.GetWidth();
    drawInfo.destinationHeight = destination.GetHeight();
    Submit(drawInfo, z);
}

Sprite::Placement Sprite::Place(const DrawInfo& drawInfo, int storedWidth, int storedHeight, int fullWidth, int fullHeight,
                                Point cropOffset)
{
    ImageRect source;
    source.left = (drawInfo.flags & DI_SRC_POS) != 0 ? drawInfo.sourceX : 0;
    source.top = (drawInfo.flags & DI_SRC_POS) != 0 ? drawInfo.sourceY : 0;
    const int width = (drawInfo.flags & DI_SRC_SIZE) != 0 ? drawInfo.sourceWidth : storedWidth;
    const int height = (drawInfo.flags & DI_SRC_SIZE) != 0 ? drawInfo.sourceHeight : storedHeight;
    source.right = source.left + width - 1;
    source.bottom = source.top + height - 1;
    // Never outside the stored pixels; what is cut off at the left or top
    // moves an unstretched draw's corner along with it.
    const int cutLeft = std::max(-source.left, 0);
    const int cutTop = std::max(-source.top, 0);
    source.left += cutLeft;
    source.top += cutTop;
    source.right = std::min(source.right, storedWidth - 1);
    source.bottom = std::min(source.bottom, storedHeight - 1);

    int x = drawInfo.destinationX;
    int y = drawInfo.destinationY;
    if ((drawInfo.flags & DI_CENTER) != 0) {
        x -= fullWidth / 2;
        y -= fullHeight / 2;
    } else if ((drawInfo.flags & DI_BOTTOM_CENTER) != 0) {
        x -= fullWidth / 2;
        y -= fullHeight;
    }
    x += cropOffset.x;
    y += cropOffset.y;
    if ((drawInfo.flags & DI_DEST_SIZE) == 0) {
        x += cutLeft;
        y += cutTop;
    }
    ImageRect destination;
    destination.left = x;
    destination.top = y;
    if ((drawInfo.flags & DI_DEST_SIZE) != 0) {
        destination.right = x + drawInfo.destinationWidth - 1;
        destination.bottom = y + drawInfo.destinationHeight - 1;
    } else {
        destination.right = x + source.GetWidth() - 1;
        destination.bottom = y + source.GetHeight() - 1;
    }
    return Clip(source, destination);
}

bool Sprite::LockCanvas(platform::LockedSurface& locked)
{
    DirectDraw& display = DirectDraw::GetInstance();
    platform::DisplaySurface* canvas = display.GetRenderTarget();
    if (canvas == nullptr)
        return false;
    const DisplayResult result = platform::Platform::Get()->GetDisplay().Lock(canvas, locked);
    if (result == DDERR_SURFACELOST)
        display.OnSurfaceLost();
    return result == DD_OK;
}

void Sprite::UnlockCanvas()
{
    platform::Platform::Get()->GetDisplay().Unlock(DirectDraw::GetInstance().GetRenderTarget());
}

Sprite::Placement Sprite::Clip(ImageRect source, ImageRect destination)
{
    Placement placement;
    if (source.GetWidth() <= 0 || source.GetHeight() <= 0 || destination.GetWidth() <= 0 || destination.GetHeight() <= 0)
        return placement;
    const bool band = RenderEngine::GetInstance().IsClippingToBand();
    const int top = band ? 128 : 0;
    const int bottom = band ? 639 : DirectDraw::canvasHeight - 1;
    const int right = DirectDraw::canvasWidth - 1;
    // Source pixels per destination pixel, as a ratio of the two sizes.
    const auto cut = [](int& sourceStart, int& sourceEnd, int& destinationStart, int& destinationEnd, int low, int high) {
        const long long sourceSize = sourceEnd - sourceStart + 1;
        const long long destinationSize = destinationEnd - destinationStart + 1;
        if (destinationStart < low) {
            sourceStart += static_cast<int>((low - destinationStart) * sourceSize / destinationSize);
            destinationStart = low;
        }
        if (destinationEnd > high) {
            sourceEnd -= static_cast<int>((destinationEnd - high) * sourceSize / destinationSize);
            destinationEnd = high;
        }
    };
    cut(source.left, source.right, destination.left, destination.right, 0, right);
    cut(source.top, source.bottom, destination.top, destination.bottom, top, bottom);
    placement.source = source;
    placement.destination = destination;
    placement.empty = source.GetWidth() <= 0 || source.GetHeight() <= 0 || destination.GetWidth() <= 0 ||
                      destination.GetHeight() <= 0;
    return placement;
}
