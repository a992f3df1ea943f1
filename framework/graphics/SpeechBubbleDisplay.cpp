#include "SpeechBubbleDisplay.h"

#include "Sprite.h"
#include "SpriteManager.h"
#include "TextDisplay.h"

#include <algorithm>

namespace {
constexpr float depth = 0.9f;
// The frame art: corners and edges 8 pixels thick, edges drawn in pieces.
constexpr int edge = 8;
constexpr int farSide = 119;
constexpr int pieceLength = 100;
} // namespace

void SpeechBubbleDisplay::Init()
{
    SpriteManager& manager = SpriteManager::GetInstance();
    frame = manager.GetSprite("sprechblase_rect");
    leftTail = manager.GetSprite("sprechblase_left");
    rightTail = manager.GetSprite("sprechblase_right");
    spritesGeneration = manager.GetGeneration();
}

void SpeechBubbleDisplay::Draw(std::string_view text, int x, int y, bool leftSide, const std::string& fontName)
{
    if (!shown)
        return;
    if (spritesGeneration != SpriteManager::GetInstance().GetGeneration())
        Init(); // the registry destroyed sprites since: fetch them again
    TextDisplay& display = TextDisplay::GetInstance();
    const std::string savedFont = display.GetFontName();
    const TextRectangle savedBox = display.GetBox();
    const HorizontalAlignment savedHorizontal = display.GetHAlign();
    const VerticalAlignment savedVertical = display.GetVAlign();
    display.SetFont(fontName);
    display.SetHAlign(HorizontalAlignment::centre);
    display.SetVAlign(VerticalAlignment::top);
    display.SetBox(0, 0, textBoxWidth, 200);
    const TextRectangle measured = display.MeasureText(text);
    const int width = std::max(measured.width, minimumTextWidth) + 20;
    const int height = measured.height + 20;
    const int top = y - height - 28;
    const int left = leftSide ? x - width + 12 : x - 12;

    if (Sprite* tail = leftSide ? leftTail : rightTail)
        tail->DrawTopLeft(leftSide ? x - 22 : x - 2, y - 31, 0, depth);
    if (frame != nullptr)
        DrawFrame(left, top, width, height);

    display.SetBox(left + width / 2 - 147, top + 10, textBoxWidth, height - 20);
    display.DrawText(text);

    if (display.GetFont(savedFont) != nullptr)
        display.SetFont(savedFont);
    display.SetBox(savedBox.x, savedBox.y, savedBox.width, savedBox.height);
    display.SetHAlign(savedHorizontal);
    display.SetVAlign(savedVertical);
}

void SpeechBubbleDisplay::DrawFrame(int left, int top, int width, int height) const
{
    const int right = left + width - edge;
    const int bottom = top + height - edge;
    frame->DrawPart({0, 0, edge, edge}, left, top, 0, depth);
    frame->DrawPart({farSide, 0, farSide + edge, edge}, right, top, 0, depth);
    frame->DrawPart({farSide, farSide, farSide + edge, farSide + edge}, right, bottom, 0, depth);
    frame->DrawPart({0, farSide, edge, farSide + edge}, left, bottom, 0, depth);
    for (int done = 0; done < width - 2 * edge; done += pieceLength) {
        const int length = std::min(pieceLength, width - 2 * edge - done);
        frame->DrawPart({edge, 0, edge + length, edge}, left + edge + done, top, 0, depth);
        frame->DrawPart({edge, farSide, edge + length, farSide + edge}, left + edge + done, bottom, 0, depth);
    }
    for (int done = 0; done < height - 2 * edge; done += pieceLength) {
        const int length = std::min(pieceLength, height - 2 * edge - done);
        frame->DrawPart({0, edge, edge, edge + length}, left, top + edge + done, 0, depth);
        frame->DrawPart({farSide, edge, farSide + edge, edge + length}, right, top + edge + done, 0, depth);
    }
    frame->DrawStretched({edge, edge, 58, 58}, {left + edge, top + edge, right, bottom}, 0, depth);
}
