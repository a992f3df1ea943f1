#pragma once

// The display. It opens the screen in a window or full screen at 1024 x 768
// or 800 x 600 and 16, 24 or 32 bits, owns the display surfaces, works out
// the screen's pixel format that every pixel routine of the graphics code
// works in, presents each frame, runs the screen wipe and restores lost
// surfaces.
//
// The game always draws into a 1024 x 768 canvas, the render target: the
// back buffer, or in an 800 x 600 full-screen mode a separate pre-render
// buffer that is stretched onto the screen when the frame is presented.
//
// Pixel format: on a 16-bit screen each channel is handled as five bits at
// its shift (565: shifts 11, 6, 0; 555: 10, 5, 0) and the colour indices are
// 0; on 24- and 32-bit screens each channel is one byte at its colour index
// (2, 1, 0 and 3 for the fourth byte in the usual layout).
//
// Main thread only.

#include "app/Singleton.h"
#include "platform/DisplayDevice.h"

#include <cstdint>
#include <functional>
#include <vector>

class DirectDraw : public Singleton<DirectDraw> {
public:
    static constexpr int canvasWidth = 1024;
    static constexpr int canvasHeight = 768;
    static constexpr std::size_t scratchBufferSize = 800 * 600 * 3;

    bool Init(platform::Window& window, int width, int height, int depth, bool fullScreen);
    bool CreateSurfaces();
    void ReleaseSurfaces();
    void Release();
    void ChangeDisplayMode(int width, int height, int depth);
    // -1 for width or depth matches any.
    bool HasDisplayMode(int width, int height, int depth) const;

    void Flip();
    void RestoreSurfaces();
    void FlipToDesktop();

    // The screen wipe: the picture of the moment is wiped away over the new
    // one in a third of a second, from the left (direction 0) or the right.
    static constexpr int fadeForward = 0;  // the new picture comes in from the left
    static constexpr int fadeBackward = 1; // from the right
    void StartFade(int direction, bool snapshotNow);
    void UpdateFade(float seconds);
    void DrawFade();
    void GrabSnapshot();
    bool IsFadeActive() const { return fadeActive; }
    float GetFadeProgress() const { return fadeProgress; }

    // Takes the back buffer's bits per pixel and channel masks and works out
    // the shifts and colour indices from them. False when a mask never
    // shifts down to the channel's full value; the analysis stops there.
    bool UsePixelFormat(int depth, std::uint32_t maskRed, std::uint32_t maskGreen, std::uint32_t maskBlue);
    // A colour 0x00RRGGBB as a pixel of the screen (five bits a channel on a
    // 16-bit screen).
    std::uint32_t ToScreenPixel(std::uint32_t colour) const;

    // A surface was found lost: the sprite registry restores everything
    // (until it exists, the display surfaces are restored).
    void OnSurfaceLost();
    // Reports a failed display call made from `file` at `line`; a lost
    // surface starts the restore instead. True when the call failed.
    bool CheckResult(DisplayResult result, const char* file, int line);
    // Fills the surface with black (a lost surface starts the restore).
    void ClearSurface(platform::DisplaySurface* surface);
    void SetSurfaceRestore(std::function<void()> restore) { surfaceRestore = std::move(restore); }
    // While set, a full-screen frame is not presented (the loading screen
    // draws on the visible surface itself).
    void SetPresentationSuspended(bool suspended) { presentationSuspended = suspended; }

    bool IsInitialised() const { return initialised; }
    bool IsFullScreen() const { return fullScreen; }
    bool UsesPreRenderBuffer() const { return preRenderUsed; }
    platform::DisplaySurface* GetRenderTarget() const { return preRenderUsed ? preRenderBuffer : backBuffer; }
    platform::DisplaySurface* GetBackBuffer() const { return backBuffer; }
    platform::DisplaySurface* GetPrimary() const { return primary; }
    std::uint8_t* GetScratchBuffer() { return scratchBuffer.data(); }
    std::size_t GetScratchBufferSize() const { return scratchBuffer.size(); }
    const std::vector<platform::DisplayMode>& GetDisplayModes() const { return displayModes; }

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    int GetDepth() const { return depth; }
    int GetDesktopDepth() const { return desktopDepth; }
    int GetShiftR() const { return shiftR; }
    int GetShiftG() const { return shiftG; }
    int GetShiftB() const { return shiftB; }
    std::uint32_t GetMaskR() const { return maskR; }
    std::uint32_t GetMaskG() const { return maskG; }
    std::uint32_t GetMaskB() const { return maskB; }
    int GetColorIndexR() const { return colorIndexR; }
    int GetColorIndexG() const { return colorIndexG; }
    int GetColorIndexB() const { return colorIndexB; }
    int GetColorIndexX() const { return colorIndexX; }

private:
    static constexpr const char* sourceFile = ".\\RE3Zodezaruz\\DirectDraw";

    bool ComputeColorMasks();
    bool Failed(DisplayResult result, int line) { return CheckResult(result, sourceFile, line); }
    bool CreationFailed(DisplayResult result, const char* message, int line);

    bool initialised = false;
    int shiftR = 0;
    int shiftG = 0;
    int shiftB = 0;
    std::uint32_t maskR = 0;
    std::uint32_t maskG = 0;
    std::uint32_t maskB = 0;
    int colorIndexR = 0;
    int colorIndexG = 0;
    int colorIndexB = 0;
    int colorIndexX = 0;
    platform::Window* window = nullptr;
    bool fullScreen = false;
    int width = 800;
    int height = 600;
    int depth = 16;
    int desktopDepth = 16;
    std::vector<platform::DisplayMode> displayModes;
    platform::DisplayDevice* device = nullptr;
    platform::DisplaySurface* primary = nullptr;
    platform::DisplaySurface* backBuffer = nullptr;
    platform::DisplaySurface* fadeBuffer = nullptr;
    platform::DisplaySurface* preRenderBuffer = nullptr;
    bool preRenderUsed = false;
    bool snapshotPending = false;
    bool fadeActive = false;
    int fadeDirection = 0;
    float fadeProgress = 0.0f;
    bool presentationSuspended = false;
    std::vector<std::uint8_t> scratchBuffer;
    std::function<void()> surfaceRestore;
};
