#include "DirectDraw.h"

#include "app/Debug.h"
#include "platform/Platform.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <optional>

namespace {

// The position at which the mask, shifted down, becomes the channel's full
// value (0x1F for five bits, 0xFF for a byte); nothing when the mask runs
// out first.
std::optional<int> ShiftOf(std::uint32_t mask, std::uint32_t target)
{
    int shift = 0;
    while (mask != target) {
        mask >>= 1;
        ++shift;
        if (mask == 0)
            return std::nullopt;
    }
    return shift;
}

void ErrorBox(const char* text)
{
    platform::ShowMessageBox("ERROR", text);
}

const platform::Rectangle canvasRectangle{0, 0, DirectDraw::canvasWidth, DirectDraw::canvasHeight};

} // namespace

bool DirectDraw::CheckResult(DisplayResult result, const char* file, int line)
{
    if (result == DDERR_SURFACELOST) {
        OnSurfaceLost();
        return true;
    }
    return Debug::GetInstance().CheckDXResult(result, file, line);
}

bool DirectDraw::CreationFailed(DisplayResult result, const char* message, int line)
{
    if (!Failed(result, line))
        return false;
    ErrorBox(message);
    return true;
}

void DirectDraw::OnSurfaceLost()
{
    if (surfaceRestore)
        surfaceRestore();
    else
        RestoreSurfaces();
}

bool DirectDraw::Init(platform::Window& mainWindow, int displayWidth, int displayHeight, int displayDepth, bool useFullScreen)
{
    window = &mainWindow;
    width = displayWidth;
    height = displayHeight;
    depth = displayDepth;
    fullScreen = useFullScreen;

    platform::Platform* host = platform::Platform::Get();
    if (host == nullptr) {
        ErrorBox("DirectDrawCreate FAILED");
        return false;
    }
    device = &host->GetDisplay();
    desktopDepth = device->GetDesktopDepth();
    if (!fullScreen)
        depth = desktopDepth;
    device->SetCooperativeLevel(fullScreen);

    displayModes.clear();
    LogPrint("Available Displaymodes:\n");
    for (const platform::DisplayMode& mode : device->EnumerateModes()) {
        const bool wantedDepth = mode.depth == 16 || mode.depth == 24 || mode.depth == 32;
        const bool wantedSize = (mode.width == 1024 && mode.height == 768) || (mode.width == 800 && mode.height == 600);
        if (wantedDepth && wantedSize) {
            displayModes.push_back(mode);
            LogPrint("  %d x %d (%d)\n", mode.width, mode.height, mode.depth);
        }
    }
    LogPrint("\n");

    if (fullScreen && !HasDisplayMode(width, height, depth)) {
        const platform::DisplayMode fallbacks[] = {{1024, 768, 32}, {1024, 768, 24}, {1024, 768, 16},
                                                   {800, 600, 32},  {800, 600, 24},  {800, 600, 16}};
        const auto found = std::find_if(std::begin(fallbacks), std::end(fallbacks), [this](const platform::DisplayMode& mode) {
            return HasDisplayMode(mode.width, mode.height, mode.depth);
        });
        if (found == std::end(fallbacks)) {
            ErrorBox("Das Spiel läuft leider nicht auf diesem Rechner, da es eine Auflösung von 800x600 und eine "
                     "Farbtiefe von 16 Bit voraussetzt."_w1252);
            return false;
        }
        width = found->width;
        height = found->height;
        depth = found->depth;
    }

    if (!CreateSurfaces())
        return false;
    initialised = true;
    return true;
}

bool DirectDraw::HasDisplayMode(int modeWidth, int modeHeight, int modeDepth) const
{
    return std::any_of(displayModes.begin(), displayModes.end(), [&](const platform::DisplayMode& mode) {
        // A width names a size (1024 x 768 or 800 x 600); -1 takes either.
        return (modeWidth == -1 || (mode.width == modeWidth && mode.height == modeHeight)) &&
               (modeDepth == -1 || mode.depth == modeDepth);
    });
}

bool DirectDraw::CreateSurfaces()
{
    preRenderUsed = false;
    if (!fullScreen) {
        if (CreationFailed(device->CreatePrimarySurface(false, primary), "CreateSurface (primary) FAILED", __LINE__))
            return false;
        if (CreationFailed(device->CreateOffscreenSurface(canvasWidth, canvasHeight, backBuffer),
                           "CreateSurface (backbuffer) FAILED", __LINE__))
            return false;
        // The window itself clips what is shown in it.
    } else {
        if (CreationFailed(device->SetDisplayMode(width, height, depth), "SetDisplayMode FAILED", __LINE__))
            return false;
        if (CreationFailed(device->CreatePrimarySurface(true, primary), "CreateSurface (primary) FAILED", __LINE__))
            return false;
        if (CreationFailed(device->GetAttachedBackBuffer(primary, backBuffer), "GetAttachedSurface FAILED", __LINE__))
            return false;
        if (width != canvasWidth || height != canvasHeight) {
            if (CreationFailed(device->CreateOffscreenSurface(canvasWidth, canvasHeight, preRenderBuffer),
                               "CreateSurface (PreRenderBuffer) FAILED", __LINE__))
                return false;
            preRenderUsed = true;
        }
    }
    if (CreationFailed(device->CreateOffscreenSurface(canvasWidth, canvasHeight, fadeBuffer),
                       "CreateSurface (fadeBackbuffer) FAILED", __LINE__))
        return false;

    ClearSurface(primary);
    ClearSurface(backBuffer);
    ClearSurface(fadeBuffer);
    if (preRenderBuffer != nullptr)
        ClearSurface(preRenderBuffer);

    if (!ComputeColorMasks())
        return false;
    scratchBuffer.assign(scratchBufferSize, 0);
    return true;
}

void DirectDraw::ClearSurface(platform::DisplaySurface* surface)
{
    Failed(device->ColourFill(surface, 0), __LINE__);
}

bool DirectDraw::ComputeColorMasks()
{
    platform::LockedSurface locked;
    if (Failed(device->Lock(backBuffer, locked), __LINE__) || Failed(device->Unlock(backBuffer), __LINE__)) {
        LogError("Failed to compute Color Masks.\n");
        window->PostQuitMessage(1);
        return false;
    }
    // A channel whose mask never shifts down to the full value leaves the
    // analysis unfinished, and unlogged.
    if (!UsePixelFormat(locked.format.bitsPerPixel, locked.format.maskRed, locked.format.maskGreen, locked.format.maskBlue))
        return true;
    LogPrint("color shift: %d %d %d\n", shiftR, shiftG, shiftB);
    LogPrint("color mask: %x %x %x\n", maskR, maskG, maskB);
    LogPrint("color indices: %d %d %d %d\n", colorIndexR, colorIndexG, colorIndexB, colorIndexX);
    return true;
}

bool DirectDraw::UsePixelFormat(int bitsPerPixel, std::uint32_t maskRed, std::uint32_t maskGreen, std::uint32_t maskBlue)
{
    depth = bitsPerPixel;
    maskR = maskRed;
    maskG = maskGreen;
    maskB = maskBlue;
    const std::uint32_t target = depth == 16 ? 0x1F : 0xFF;
    for (auto [mask, shift] : {std::pair{maskR, &shiftR}, std::pair{maskG, &shiftG}, std::pair{maskB, &shiftB}}) {
        const std::optional<int> found = ShiftOf(mask, target);
        if (!found)
            return false;
        *shift = *found;
    }
    if (depth == 16) {
        colorIndexR = colorIndexG = colorIndexB = colorIndexX = 0;
    } else {
        colorIndexR = shiftR / 8;
        colorIndexG = shiftG / 8;
        colorIndexB = shiftB / 8;
        colorIndexX = 3;
    }
    return true;
}

std::uint32_t DirectDraw::ToScreenPixel(std::uint32_t colour) const
{
    const std::uint32_t red = (colour >> 16) & 0xFF;
    const std::uint32_t green = (colour >> 8) & 0xFF;
    const std::uint32_t blue = colour & 0xFF;
    if (depth == 16)
        return ((red >> 3) << shiftR & maskR) | ((green >> 3) << shiftG & maskG) | ((blue >> 3) << shiftB & maskB);
    return (red << shiftR & maskR) | (green << shiftG & maskG) | (blue << shiftB & maskB);
}

void DirectDraw::Flip()
{
    if (!initialised)
        return;
    if (!fullScreen) {
        const platform::ClientSize client = window->GetClientSize();
        Failed(device->StretchBlit(primary, {0, 0, client.width, client.height}, backBuffer, canvasRectangle), __LINE__);
        return;
    }
    if (presentationSuspended)
        return;
    if (preRenderUsed)
        Failed(device->StretchBlit(backBuffer, {0, 0, width, height}, preRenderBuffer, canvasRectangle), __LINE__);
    // A flip that fails for another reason than a lost surface is reported
    // and tried again; a few tries, so that a broken device cannot hang the
    // game.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const DisplayResult result = device->Flip(primary);
        if (result == DD_OK)
            return;
        if (result == DDERR_SURFACELOST) {
            OnSurfaceLost();
            return;
        }
        Failed(result, __LINE__);
    }
}

void DirectDraw::GrabSnapshot()
{
    // Without a display (a headless test of a level) there is no picture to
    // keep.
    if (device == nullptr)
        return;
    Failed(device->FastBlit(fadeBuffer, 0, 0, GetRenderTarget(), canvasRectangle, false), __LINE__);
}

void DirectDraw::StartFade(int direction, bool snapshotNow)
{
    fadeDirection = direction;
    fadeActive = true;
    fadeProgress = 0.0f;
    snapshotPending = !snapshotNow;
    if (snapshotNow)
        GrabSnapshot();
}

void DirectDraw::UpdateFade(float seconds)
{
    if (fadeProgress >= 1.0f)
        fadeActive = false;
    else
        fadeProgress += seconds * 3.0f;
}

void DirectDraw::DrawFade()
{
    if (snapshotPending) {
        snapshotPending = false;
        GrabSnapshot();
        return;
    }
    if (!fadeActive)
        return;
    const float progress = fadeProgress * 1056.0f;
    if (fadeDirection == 0) {
        const int left = static_cast<int>(progress);
        if (canvasWidth - left > 0)
            Failed(device->FastBlit(GetRenderTarget(), left, 0, fadeBuffer, {left, 0, canvasWidth, canvasHeight}, false), __LINE__);
    } else {
        const int right = static_cast<int>(static_cast<float>(canvasWidth) - progress);
        if (right > 0)
            Failed(device->FastBlit(GetRenderTarget(), 0, 0, fadeBuffer, {0, 0, right, canvasHeight}, false), __LINE__);
    }
}

void DirectDraw::ChangeDisplayMode(int newWidth, int newHeight, int newDepth)
{
    if (newWidth == width && newHeight == height && newDepth == depth)
        return;
    // Before Init (or after Release) there are no surfaces to rebuild: the
    // mode is kept for the next Init.
    if (!initialised) {
        width = newWidth;
        height = newHeight;
        depth = newDepth;
        return;
    }
    if (newDepth != depth)
        OnSurfaceLost();
    width = newWidth;
    height = newHeight;
    depth = newDepth;
    ReleaseSurfaces();
    CreateSurfaces();
}

void DirectDraw::RestoreSurfaces()
{
    if (device == nullptr)
        return;
    for (platform::DisplaySurface* surface : {primary, backBuffer, fadeBuffer, preRenderBuffer}) {
        if (surface != nullptr && device->IsLost(surface))
            device->Restore(surface);
    }
}

void DirectDraw::FlipToDesktop()
{
    if (initialised && fullScreen)
        device->FlipToDesktop();
}

void DirectDraw::ReleaseSurfaces()
{
    scratchBuffer.clear();
    scratchBuffer.shrink_to_fit();
    if (device == nullptr)
        return;
    if (preRenderBuffer != nullptr) {
        LogPrint("Releasing Pre-Render Buffer.\n");
        device->ReleaseSurface(preRenderBuffer);
        preRenderBuffer = nullptr;
    }
    if (fadeBuffer != nullptr) {
        LogPrint("Releasing FadeBuffer.\n");
        device->ReleaseSurface(fadeBuffer);
        fadeBuffer = nullptr;
    }
    if (backBuffer != nullptr) {
        LogPrint("Releasing BackBuffer.\n");
        // A full-screen back buffer belongs to the flip chain.
        if (!fullScreen)
            device->ReleaseSurface(backBuffer);
        backBuffer = nullptr;
    }
    if (primary != nullptr) {
        LogPrint("Releasing Primary.\n");
        device->ReleaseSurface(primary);
        primary = nullptr;
    }
    preRenderUsed = false;
}

void DirectDraw::Release()
{
    initialised = false;
    ReleaseSurfaces();
    if (device != nullptr) {
        LogPrint("Releasing DD2.\n");
        LogPrint("Releasing DD.\n");
        device = nullptr;
    }
}
