#pragma once

#include "Image.h"
#include "platform/DisplayDevice.h"

// One off-screen surface in the screen's format that sprites draw from. Its
// colour key is black: fast blits with the key leave black pixels out.
class Surface {
public:
    Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    virtual ~Surface();

    // Surfaces wider than 4000 pixels always live in system memory; here
    // every surface is plain memory.
    bool Create(int width, int height, bool systemMemory);
    void Release();

    // Copies the region of the image that starts at (x, y) and has the
    // surface's size into the surface.
    void SetPixels(const Image& image, int x, int y);
    // Copies image pixels (x + c, y + r) into the inclusive rectangle of the
    // surface, c and r counted from its corner.
    void SetPixels(const Image& image, int x, int y, const ImageRect& destination);

    platform::DisplaySurface* GetSurface() const { return surface; }
    int GetWidth() const { return width; }
    int GetHeight() const { return height; }

private:
    // Locks the surface for writing; false (after reporting) when it cannot.
    bool Lock(platform::LockedSurface& locked);
    void Unlock();
    // Reports a failed display call; true when it failed.
    bool Failed(DisplayResult result, int line);
    // The same for locking and unlocking, which also ends the game unless
    // the surface was merely lost.
    bool PixelAccessFailed(DisplayResult result, int line);

    platform::DisplaySurface* surface = nullptr;
    int width = 0;
    int height = 0;
};
