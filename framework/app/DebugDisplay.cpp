#include "DebugDisplay.h"

#include <algorithm>

namespace {
std::uint32_t Channel(float value)
{
    return static_cast<std::uint32_t>(std::clamp(value * 255.0f, 0.0f, 255.0f));
}
} // namespace

std::uint32_t DebugDisplay::ToColour(float red, float green, float blue)
{
    return (Channel(red) << 16) | (Channel(green) << 8) | Channel(blue);
}

void DebugDisplay::AddLine(int x1, int y1, int x2, int y2, float red, float green, float blue, float alpha)
{
    primitives.push_back(Primitive{Kind::Line, x1, y1, x2, y2, red, green, blue, alpha, false});
}

void DebugDisplay::AddRectangle(int x1, int y1, int x2, int y2, float red, float green, float blue, float alpha,
                                bool filled)
{
    primitives.push_back(Primitive{Kind::Rectangle, x1, y1, x2, y2, red, green, blue, alpha, filled});
}

void DebugDisplay::Draw(DebugPainter& painter)
{
    for (const Primitive& primitive : primitives) {
        const std::uint32_t colour = ToColour(primitive.red, primitive.green, primitive.blue);
        if (primitive.kind == Kind::Line) {
            painter.DrawLine(primitive.x1, primitive.y1, primitive.x2, primitive.y2, colour);
        } else if (primitive.filled) {
            painter.FillRectangle(primitive.x1, primitive.y1, primitive.x2, primitive.y2, colour);
        } else {
            painter.DrawLine(primitive.x1, primitive.y1, primitive.x2, primitive.y1, colour);
            painter.DrawLine(primitive.x2, primitive.y1, primitive.x2, primitive.y2, colour);
            painter.DrawLine(primitive.x2, primitive.y2, primitive.x1, primitive.y2, colour);
            painter.DrawLine(primitive.x1, primitive.y2, primitive.x1, primitive.y1, colour);
        }
    }
    primitives.clear();
}
