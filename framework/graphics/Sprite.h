#pragma once

// A drawable picture with one or more frames. Game code never draws
// directly: the submissions below put a draw with a depth z into the
// render list (RenderEngine.h), which calls DrawEx when the frame is drawn.
//
// Geometry: a sprite has a full size (the art frame as loaded) and per frame
// a stored area that may be a cropped part of it, at a crop offset inside
// the full frame. Centring uses the full size; the crop offset is then added
// to the destination. Draws are clipped to the 1024 x 768 canvas, or to the
// rows 128 to 639 when the draw keeps to the band.

#include "DrawInfo.h"
#include "Image.h"
#include "platform/DisplayDevice.h"

#include <string>
#include <vector>

struct Point {
    int x = 0;
    int y = 0;
};

class Sprite {
public:
    Sprite() = default;
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;
    virtual ~Sprite();

    virtual int GetFrameCount() const { return 1; }
    virtual int GetWidth(int frame) const = 0;
    virtual int GetHeight(int frame) const = 0;
    virtual int GetFullWidth() const = 0;
    virtual int GetFullHeight() const = 0;
    virtual bool IsPixelTransparent(Point point, int frame) const = 0;
    // After the display lost its surfaces.
    virtual void Restore() {}
    virtual void DrawEx(const DrawInfo& drawInfo) = 0;

    // The submissions: (x, y) is the centre for Draw, the top left corner for
    // DrawTopLeft and DrawPart, the middle of the bottom for the scaled ones.
    void Draw(int x, int y, int frame, float z);
    void DrawTopLeft(int x, int y, int frame, float z);
    void DrawScaled(int x, int y, int frame, float z, float scale);
    // tint: 0x00BBGGRR multipliers; white draws untinted.
    void DrawScaledTinted(int x, int y, int frame, float z, float scale, std::uint32_t tint);
    void DrawPart(const ImageRect& source, int x, int y, int frame, float z);
    void DrawStretched(const ImageRect& source, const ImageRect& destination, int frame, float z);

    const std::string& GetName() const { return name; }
    void SetName(std::string newName) { name = std::move(newName); }
    std::vector<std::string>& GetLabels() { return labels; }

    // Where a draw lands: the source part of the stored pixels and the canvas
    // rectangle (both inclusive), clipped to the canvas or the band. Empty
    // when nothing is left to draw.
    struct Placement {
        ImageRect source;
        ImageRect destination;
        bool empty = true;
    };
    static Placement Place(const DrawInfo& drawInfo, int storedWidth, int storedHeight, int fullWidth, int fullHeight,
                           Point cropOffset);
    // Cuts both rectangles by what lies outside the canvas rows and columns,
    // proportionally when they differ in size.
    static Placement Clip(ImageRect source, ImageRect destination);

protected:
    // Locks the render target for blending; false when it cannot be had (a
    // lost surface starts the restore).
    static bool LockCanvas(platform::LockedSurface& locked);
    static void UnlockCanvas();

private:
    void Submit(DrawInfo drawInfo, float z);

    std::string name;
    std::vector<std::string> labels;
};
