#pragma once

#include "Singleton.h"

#include <cstdint>
#include <vector>

// Draws lines and plain rectangles in one colour; the graphics layer gives
// the debug overlay one of these for the current render target.
class DebugPainter {
public:
    virtual ~DebugPainter() = default;
    virtual void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t colour) = 0;
    virtual void FillRectangle(int x1, int y1, int x2, int y2, std::uint32_t colour) = 0;
};

// The debug overlay: lines and rectangles that development code adds during
// a frame, drawn over the finished picture and then forgotten. Positions are
// pixels of the 1024 x 768 render target; colour channels run from 0 to 1
// (alpha is kept but not used for drawing).
class DebugDisplay : public Singleton<DebugDisplay> {
public:
    enum class Kind : std::int32_t { Rectangle = 0, Line = 1 };

    struct Primitive {
        Kind kind = Kind::Rectangle;
        std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        float red = 0, green = 0, blue = 0, alpha = 1.0f;
        bool filled = false;
    };

    void AddLine(int x1, int y1, int x2, int y2, float red, float green, float blue, float alpha = 1.0f);
    void AddRectangle(int x1, int y1, int x2, int y2, float red, float green, float blue, float alpha = 1.0f,
                      bool filled = false);
    // Draws every primitive in the order added, then empties the list.
    void Draw(DebugPainter& painter);

    const std::vector<Primitive>& GetPrimitives() const { return primitives; }

    // 0x00RRGGBB from channels of 0..1, each channel times 255 truncated.
    static std::uint32_t ToColour(float red, float green, float blue);

private:
    std::vector<Primitive> primitives;
};
