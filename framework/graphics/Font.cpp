#include "Font.h"

#include "MaskBits.h"
#include "Sprite.h"
#include "SpriteLoaderUtil.h"
#include "SpriteManager.h"
#include "app/Debug.h"
#include "platform/Windows1252.h"

#include <vector>

const std::string_view Font::characterSet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
                                            "!\"#$%'()*+,-./:;<=>?@[\\]^_`{|}~"
                                            "äöüÄÖÜßåÅéèôâœçÉÎàêëîïùûÿñúíó¡°á"_w1252;

namespace {

// One byte per pixel: 1 where the picture is not black. A set bit of a
// 1-bit picture reads as black; other depths are black when all their
// colour bytes are 0 (through the palette at 8 bits).
std::vector<std::uint8_t> InkOf(const Image& picture)
{
    const int width = picture.GetWidth();
    const int height = picture.GetHeight();
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> ink(count, 0);
    if (picture.IsEncoded() || picture.GetBufferSize() < Image::ComputeDataSize(width, height, picture.GetDepth()))
        return ink;
    const std::uint8_t* data = picture.GetData();
    const std::uint8_t* palette = picture.GetPalette();
    const int depth = picture.GetDepth();
    const std::size_t bytes = static_cast<std::size_t>(depth / 8);
    for (std::size_t pixel = 0; pixel < count; ++pixel) {
        if (depth == 1) {
            ink[pixel] = !IsMaskBitSet(data, pixel);
        } else if (depth == 8) {
            const std::uint8_t* entry = palette != nullptr ? palette + data[pixel] * 4 : nullptr;
            ink[pixel] = entry != nullptr && (entry[0] | entry[1] | entry[2]) != 0;
        } else {
            std::uint8_t any = 0;
            for (std::size_t byte = 0; byte < bytes; ++byte)
                any |= data[pixel * bytes + byte];
            ink[pixel] = any != 0;
        }
    }
    return ink;
}

} // namespace

void Font::SetMetrics(int space, int characterSpacing, int height)
{
    spaceWidth = space;
    spacing = characterSpacing;
    lineHeight = height;
}

bool Font::Create(const std::string& fontName, std::string_view characters)
{
    name = fontName;
    spriteLabel.clear();
    const std::string path = "data\\fonts\\" + fontName;
    {
        const std::unique_ptr<Image> picture = SpriteLoaderUtil::LoadImage(path, false);
        if (!picture) {
            LogError("Font::Create: Failed to load image <%s>!\n", path.c_str());
            return false;
        }
        ScanGlyphs(*picture, characters);
    }
    SpriteInfo info;
    info.label = "Font_" + fontName;
    info.file = path;
    SpriteManager& manager = SpriteManager::GetInstance();
    manager.AddSpriteInfo(info);
    if (manager.GetSprite(info.label) == nullptr) {
        LogError("Font::Create: Failed to load font <%s>!\n", fontName.c_str());
        return false;
    }
    spriteLabel = info.label;
    return true;
}

void Font::ScanGlyphs(const Image& picture, std::string_view characters)
{
    glyphs = {};
    const int width = picture.GetWidth();
    const int height = picture.GetHeight();
    const std::vector<std::uint8_t> ink = InkOf(picture);
    const auto at = [&](int x, int y) { return ink[static_cast<std::size_t>(y) * width + x] != 0; };
    const auto columnEmpty = [&](int x) {
        for (int y = 0; y < height; ++y)
            if (at(x, y))
                return false;
        return true;
    };
    const auto rowEmpty = [&](int y, int left, int right) {
        for (int x = left; x <= right; ++x)
            if (at(x, y))
                return false;
        return true;
    };

    std::size_t next = 0;
    for (int x = 0; x < width; ++x) {
        if (columnEmpty(x))
            continue;
        const int left = x;
        int right = left;
        while (right + 1 < width && !columnEmpty(right + 1))
            ++right;
        x = right;
        if (next >= characters.size()) {
            LogWarning("Font::Create: Too many chars(>%d) in the Font-Graphic <%s>!\n", static_cast<int>(characters.size()),
                       name.c_str());
            return;
        }
        const auto character = static_cast<unsigned char>(characters[next++]);
        Glyph& glyph = glyphs[character];
        if (glyph.defined) {
            LogWarning("Font::Create: The character <%c> is double defined in the character-set!\n", character);
            continue;
        }
        int top = 0;
        while (rowEmpty(top, left, right))
            ++top;
        int bottom = height - 1;
        while (rowEmpty(bottom, left, right))
            --bottom;
        glyph = Glyph{top, ImageRect{left, top, right, bottom}, true};
    }
}

int Font::GetCharWidth(unsigned char character) const
{
    if (character == ' ')
        return spaceWidth;
    const Glyph& glyph = glyphs[character];
    if (!glyph.defined)
        return 0;
    return glyph.rectangle.right - glyph.rectangle.left + spacing;
}

int Font::GetStringWidth(std::string_view text) const
{
    int width = 0;
    for (const char character : text)
        width += GetCharWidth(static_cast<unsigned char>(character));
    return width;
}

void Font::DrawString(int x, int y, std::string_view text) const
{
    if (spriteLabel.empty())
        return;
    Sprite* sprite = SpriteManager::GetInstance().GetSprite(spriteLabel);
    if (sprite == nullptr)
        return;
    for (const char character : text) {
        const Glyph& glyph = glyphs[static_cast<unsigned char>(character)];
        if (glyph.defined)
            sprite->DrawPart(glyph.rectangle, x, y + glyph.offset, 0, 0.9f);
        x += GetCharWidth(static_cast<unsigned char>(character));
    }
}
