#pragma once

// The display as the game's drawing code sees it: DirectDraw's operations
// over surfaces that are plain memory in the mode's pixel format (16 bit 565
// or, for tests, 555; 24 bit packed blue, green, red; 32 bit X8R8G8B8).
// Presenting converts the shown surface to 32-bit pixels and hands it to the
// window, which scales it to the screen itself. Results are DirectDraw's
// codes (DD_OK, DDERR_SURFACELOST, ...). Surfaces can be lost on demand, so
// that the game's restore path can be tested. Main thread only.

#include "DirectDrawError.h"
#include "Rectangle.h"
#include "Window.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

struct DisplayMode {
    int width = 0;
    int height = 0;
    int depth = 0;
    bool operator==(const DisplayMode&) const = default;
};

struct SurfaceFormat {
    int bitsPerPixel = 16;
    std::uint32_t maskRed = 0xF800;
    std::uint32_t maskGreen = 0x07E0;
    std::uint32_t maskBlue = 0x001F;
};

class DisplaySurface {
public:
    DisplaySurface(int width, int height, const SurfaceFormat& format);

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    int GetPitch() const { return pitch; }
    const SurfaceFormat& GetFormat() const { return format; }
    std::uint8_t* GetPixels() { return pixels.data(); }
    const std::uint8_t* GetPixels() const { return pixels.data(); }
    int BytesPerPixel() const { return format.bitsPerPixel / 8; }

private:
    friend class DisplayDevice;

    int width;
    int height;
    int pitch;
    SurfaceFormat format;
    std::vector<std::uint8_t> pixels;
    bool lost = false;
    bool colourKeyBlack = false;
    bool isWindow = false; // a windowed primary: stands for the window itself
    DisplaySurface* attachedBackBuffer = nullptr;
};

struct LockedSurface {
    std::uint8_t* pixels = nullptr;
    int pitch = 0;
    int width = 0;
    int height = 0;
    SurfaceFormat format;
};

class DisplayDevice {
public:
    explicit DisplayDevice(Window& window);
    ~DisplayDevice();

    // Windowed: the desktop's mode decides the depth; full screen: the mode set.
    void SetCooperativeLevel(bool fullScreen);
    std::vector<DisplayMode> EnumerateModes() const;
    int GetDesktopDepth() const { return desktopDepth; }
    void SetDesktopDepth(int depth) { desktopDepth = depth; }
    DisplayResult SetDisplayMode(int width, int height, int depth);
    // A 16-bit mode uses 565, or 555 when asked (tests).
    void UseFormat555(bool use) { use555 = use; }

    // Full screen: a flip chain of two surfaces of the mode's size; windowed:
    // a surface standing for the window.
    DisplayResult CreatePrimarySurface(bool withBackBuffer, DisplaySurface*& primary);
    DisplayResult GetAttachedBackBuffer(DisplaySurface* primary, DisplaySurface*& backBuffer);
    DisplayResult CreateOffscreenSurface(int width, int height, DisplaySurface*& surface);
    void ReleaseSurface(DisplaySurface* surface);

    DisplayResult Lock(DisplaySurface* surface, LockedSurface& locked);
    DisplayResult Unlock(DisplaySurface* surface);
    DisplayResult ColourFill(DisplaySurface* surface, std::uint32_t colour);
    DisplayResult SetColourKeyBlack(DisplaySurface* surface);
    // Nearest-pixel stretch of a source rectangle onto a destination
    // rectangle, both clipped to their surfaces. A stretch onto a windowed
    // primary presents the picture in the window.
    DisplayResult StretchBlit(DisplaySurface* destination, const Rectangle& destinationRectangle,
                              DisplaySurface* source, const Rectangle& sourceRectangle, bool useColourKey = false);
    // A copy of a rectangle to a point; with the colour key, black source
    // pixels are left out.
    DisplayResult FastBlit(DisplaySurface* destination, int x, int y, DisplaySurface* source,
                           const Rectangle& sourceRectangle, bool useColourKey);
    // Shows the flip chain's back buffer.
    DisplayResult Flip(DisplaySurface* primary);
    bool IsLost(const DisplaySurface* surface) const { return surface != nullptr && surface->lost; }
    DisplayResult Restore(DisplaySurface* surface);
    void FlipToDesktop() {}

    // For tests: every surface reports itself lost until restored.
    void LoseAllSurfaces();
    // For tests: the modes this display pretends to offer.
    void OfferModes(std::vector<DisplayMode> modes) { offeredModes = std::move(modes); }
    const DisplayMode& GetMode() const { return mode; }

private:
    SurfaceFormat FormatOf(int depth) const;
    DisplayResult Present(const DisplaySurface& surface);

    Window& window;
    bool fullScreen = false;
    bool use555 = false;
    int desktopDepth = 32;
    DisplayMode mode{1024, 768, 32};
    std::vector<std::unique_ptr<DisplaySurface>> surfaces;
    std::vector<DisplayMode> offeredModes;
    std::vector<std::uint32_t> presented;
    std::vector<std::uint8_t> stretchedRow; // a keyed stretch's row before its keyed copy
};

// One row of pixels in a surface format converted to 0x00RRGGBB.
void ConvertRowToRgb(const std::uint8_t* source, const SurfaceFormat& format, int width, std::uint32_t* destination);

} // namespace platform
