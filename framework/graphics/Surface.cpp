#include "Surface.h"

#include "DirectDraw.h"
#include "app/Debug.h"
#include "platform/Platform.h"

#include <cstring>

namespace {

constexpr const char* sourceFile = ".\\RE3Zodezaruz\\Surface";

platform::DisplayDevice* Device()
{
    platform::Platform* host = platform::Platform::Get();
    return host != nullptr ? &host->GetDisplay() : nullptr;
}

// Whether the image holds the rows and columns a copy would read: the
// image's region must lie inside it, in the surface's pixel size.
bool ImageCovers(const Image& image, int x, int y, int columns, int rows, int bytesPerPixel)
{
    return image.GetData() != nullptr && !image.IsEncoded() && image.GetDepth() == bytesPerPixel * 8 && x >= 0 && y >= 0 &&
           columns >= 0 && rows >= 0 && x + columns <= image.GetWidth() && y + rows <= image.GetHeight();
}

} // namespace

Surface::~Surface()
{
    Release();
}

void Surface::Release()
{
    if (surface != nullptr) {
        if (platform::DisplayDevice* device = Device())
            device->ReleaseSurface(surface);
        surface = nullptr;
    }
}

bool Surface::Create(int surfaceWidth, int surfaceHeight, bool)
{
    Release();
    width = surfaceWidth;
    height = surfaceHeight;
    platform::DisplayDevice* device = Device();
    if (device == nullptr || Failed(device->CreateOffscreenSurface(width, height, surface), __LINE__)) {
        surface = nullptr;
        LogPrint("Surface::Create Could create surface.\n");
        return false;
    }
    if (Failed(device->SetColourKeyBlack(surface), __LINE__)) {
        LogPrint("Surface::Create Could not SetColorKey");
        Release();
        return false;
    }
    return true;
}

bool Surface::Failed(DisplayResult result, int line)
{
    return DirectDraw::GetInstance().CheckResult(result, sourceFile, line);
}

bool Surface::PixelAccessFailed(DisplayResult result, int line)
{
    if (result == DD_OK)
        return false;
    if (result == DDERR_SURFACELOST) {
        DirectDraw::GetInstance().OnSurfaceLost();
        return true;
    }
    Debug::GetInstance().CheckDXResult(result, sourceFile, line);
    LogPrint("Failed to set pixels for surface.\n");
    platform::Platform::Get()->GetWindow().PostQuitMessage(-1);
    return true;
}

bool Surface::Lock(platform::LockedSurface& locked)
{
    platform::DisplayDevice* device = Device();
    if (surface == nullptr || device == nullptr)
        return false;
    return !PixelAccessFailed(device->Lock(surface, locked), __LINE__);
}

void Surface::Unlock()
{
    if (platform::DisplayDevice* device = Device())
        PixelAccessFailed(device->Unlock(surface), __LINE__);
}

void Surface::SetPixels(const Image& image, int x, int y)
{
    platform::LockedSurface locked;
    if (!Lock(locked))
        return;
    const int bytesPerPixel = locked.format.bitsPerPixel / 8;
    // The stored flow copies blindly; an image smaller than the surface or
    // of another depth would be read past its end.
    if (!ImageCovers(image, x, y, locked.width, locked.height, bytesPerPixel)) {
        LogError("Surface::SetPixels: the image does not cover the surface.\n");
        Unlock();
        return;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(locked.width) * static_cast<std::size_t>(bytesPerPixel);
    for (int row = 0; row < locked.height; ++row) {
        const std::size_t offset = (static_cast<std::size_t>(y + row) * static_cast<std::size_t>(image.GetWidth()) + static_cast<std::size_t>(x)) *
                                   static_cast<std::size_t>(bytesPerPixel);
        std::memcpy(locked.pixels + static_cast<std::ptrdiff_t>(row) * locked.pitch, image.GetData() + offset, rowBytes);
    }
    Unlock();
}

void Surface::SetPixels(const Image& image, int x, int y, const ImageRect& destination)
{
    platform::LockedSurface locked;
    if (!Lock(locked))
        return;
    if (destination.right >= locked.width || destination.bottom >= locked.height || destination.left < 0 ||
        destination.top < 0) {
        LogPrint("destination rect does not fit to dest surface.\n");
        Unlock();
        return;
    }
    const int bytesPerPixel = locked.format.bitsPerPixel / 8;
    if (!ImageCovers(image, x + destination.left, y + destination.top, destination.GetWidth(), destination.GetHeight(), bytesPerPixel)) {
        LogError("Surface::SetPixels: the image does not cover the rectangle.\n");
        Unlock();
        return;
    }
    for (int row = destination.top; row <= destination.bottom; ++row) {
        const std::size_t offset = (static_cast<std::size_t>(y + row) * static_cast<std::size_t>(image.GetWidth()) +
                                    static_cast<std::size_t>(x + destination.left)) *
                                   static_cast<std::size_t>(bytesPerPixel);
        std::memcpy(locked.pixels + static_cast<std::ptrdiff_t>(row) * locked.pitch + destination.left * bytesPerPixel,
                    image.GetData() + offset, static_cast<std::size_t>(destination.GetWidth() * bytesPerPixel));
    }
    Unlock();
}
