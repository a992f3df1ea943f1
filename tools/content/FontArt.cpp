#include "FontArt.h"

#include "Typefaces.h"

#include "graphics/Font.h"
#include "platform/Windows1252.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace content {

namespace {

// The colours of the ship's interface: cream and teal for plain text, warm
// orange for highlighted text, all inside the same deep navy outline.
constexpr std::uint32_t navy = 0x1C2340;
constexpr std::uint32_t creamTop = 0xFFFBEF;
constexpr std::uint32_t creamBottom = 0xE9DEC4;
constexpr std::uint32_t tealTop = 0xEFFFFC;
constexpr std::uint32_t tealBottom = 0x8EE3D8;
constexpr std::uint32_t orangeTop = 0xFFE58C;
constexpr std::uint32_t orangeBottom = 0xFF8F2B;
constexpr std::uint32_t paperTop = 0xF3F7FF;
constexpr std::uint32_t paperBottom = 0xC4D6F2;
// The holiday planet's credits: sand into turquoise, hibiscus red for the
// headings, each inside a darker shade of its own colour.
constexpr std::uint32_t sandTop = 0xFFF7DE;
constexpr std::uint32_t turquoiseBottom = 0x5ED8C9;
constexpr std::uint32_t deepTeal = 0x113C4A;
constexpr std::uint32_t hibiscusTop = 0xFFD7C9;
constexpr std::uint32_t hibiscusBottom = 0xE63F3A;
constexpr std::uint32_t wine = 0x3B1222;

constexpr FontStyle fontStyles[] = {
    {"defaultfont", "DejaVuSans-Bold.ttf", 16, 1.0, 0, 0, creamTop, creamBottom, navy},
    {"defaultfonthighlighted", "DejaVuSans-Bold.ttf", 16, 1.0, 0, 0, orangeTop, orangeBottom, navy},
    {"merkzettelfont", "DejaVuSerifCondensed-Bold.ttf", 28, 1.6, 1, 1, paperTop, paperBottom, navy},
    {"menufontsmall", "DejaVuSansCondensed-Bold.ttf", 30, 1.8, 1, 1, tealTop, tealBottom, navy},
    {"menufontsmallhighlighted", "DejaVuSansCondensed-Bold.ttf", 30, 1.8, 1, 1, orangeTop, orangeBottom, navy},
    {"menufontbig", "DejaVuSansCondensed-Bold.ttf", 50, 2.6, 2, 2, tealTop, tealBottom, navy},
    {"menufontbighighlighted", "DejaVuSansCondensed-Bold.ttf", 50, 2.6, 2, 2, orangeTop, orangeBottom, navy},
    {"menufont", "DejaVuSans-Bold.ttf", 30, 1.8, 1, 1, tealTop, tealBottom, navy},
    {"menufonthighlighted", "DejaVuSans-Bold.ttf", 30, 1.8, 1, 1, orangeTop, orangeBottom, navy},
    {"speechbubblefont", "DejaVuSans-Bold.ttf", 16, 1.0, 0, 0, 0xFFFFFF, 0xE4E9F4, navy},
    {"speechbubblefonthighlighted", "DejaVuSans-Bold.ttf", 16, 1.0, 0, 0, orangeTop, orangeBottom, navy},
    {"creditsfontsmall", "DejaVuSans-Bold.ttf", 40, 2.0, 1, 1, creamTop, creamBottom, navy},
    {"creditsfontbig", "DejaVuSansCondensed-Bold.ttf", 52, 2.6, 2, 2, orangeTop, orangeBottom, navy},
    {"creditsfonthawaiismall", "DejaVuSerifCondensed-Bold.ttf", 46, 2.2, 2, 2, sandTop, turquoiseBottom, deepTeal},
    {"creditsfonthawaiibig", "DejaVuSerifCondensed-Bold.ttf", 56, 2.8, 2, 2, hibiscusTop, hibiscusBottom, wine},
};

constexpr std::uint32_t magenta = 0xFF00FF;
// Coverage (of 255) from which an outline pixel belongs to the glyph.
constexpr int solidCoverage = 110;
// Fill coverage counts this many halves: a glyph's half-covered edge pixels
// come out mostly fill, which keeps thin strokes light inside the outline.
constexpr int fillBoost = 3;

int Channel(std::uint32_t colour, int shift)
{
    return static_cast<int>((colour >> shift) & 0xFF);
}

std::uint32_t Mix(std::uint32_t from, std::uint32_t to, int weight)
{
    std::uint32_t mixed = 0;
    for (const int shift : {0, 8, 16}) {
        const int value = Channel(from, shift) + (Channel(to, shift) - Channel(from, shift)) * weight / 255;
        mixed |= static_cast<std::uint32_t>(value) << shift;
    }
    return mixed;
}

// One channel of coverage, row by row without padding.
struct Coverage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> values;

    int At(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return 0;
        return values[static_cast<std::size_t>(y) * width + x];
    }
};

// The text's outline as a filled (strokeWidth 0) or filled and stroked
// path, with its origin at (x, baseline).
Coverage Cover(cairo_font_face_t* face, double size, const std::string& utf8, int width, int height, double x,
               double baseline, double strokeWidth)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, width, height);
    cairo_t* context = cairo_create(surface);
    UseFace(context, face, size);
    cairo_move_to(context, x, baseline);
    cairo_text_path(context, utf8.c_str());
    if (strokeWidth > 0.0) {
        cairo_set_line_width(context, strokeWidth);
        cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);
        cairo_fill_preserve(context);
        cairo_stroke(context);
    } else {
        cairo_fill(context);
    }
    cairo_surface_flush(surface);

    Coverage coverage;
    coverage.width = width;
    coverage.height = height;
    coverage.values.resize(static_cast<std::size_t>(width) * height);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y)
        std::copy_n(data + static_cast<std::ptrdiff_t>(y) * stride, width,
                    coverage.values.begin() + static_cast<std::ptrdiff_t>(y) * width);
    cairo_destroy(context);
    cairo_surface_destroy(surface);
    return coverage;
}

struct InkExtents {
    double above = 0.0;  // ink above the baseline
    double below = 0.0;  // ink below it
};

InkExtents MeasureInk(cairo_font_face_t* face, double size)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* context = cairo_create(surface);
    UseFace(context, face, size);
    InkExtents ink;
    for (const char character : Font::characterSet) {
        cairo_text_extents_t extents;
        cairo_text_extents(context, Windows1252::ToUtf8(std::string_view(&character, 1)).c_str(), &extents);
        ink.above = std::max(ink.above, -extents.y_bearing);
        ink.below = std::max(ink.below, extents.height + extents.y_bearing);
    }
    cairo_destroy(context);
    cairo_surface_destroy(surface);
    return ink;
}

// A glyph's columns: colours and whether each pixel belongs to the glyph.
struct GlyphCell {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> colours;
    std::vector<bool> ink;

    bool Ink(int x, int y) const { return ink[static_cast<std::size_t>(y) * width + x]; }
    void Set(int x, int y, std::uint32_t colour)
    {
        colours[static_cast<std::size_t>(y) * width + x] = colour;
        ink[static_cast<std::size_t>(y) * width + x] = true;
    }
    bool ColumnEmpty(int x) const
    {
        for (int y = 0; y < height; ++y)
            if (Ink(x, y))
                return false;
        return true;
    }
    // The rows of a column's ink, or an empty range (first > last).
    std::pair<int, int> ColumnRows(int x) const
    {
        int first = height;
        int last = -1;
        for (int y = 0; y < height; ++y) {
            if (Ink(x, y)) {
                first = std::min(first, y);
                last = y;
            }
        }
        return {first, last};
    }
};

// Joins the parts of a glyph across empty columns with a bar of one pixel
// in the outline colour, on a row that both sides reach where they can.
void BridgeGaps(GlyphCell& cell, int left, int right, std::uint32_t colour)
{
    for (int x = left; x <= right; ++x) {
        if (!cell.ColumnEmpty(x))
            continue;
        int end = x;
        while (end + 1 <= right && cell.ColumnEmpty(end + 1))
            ++end;
        const auto [leftFirst, leftLast] = cell.ColumnRows(x - 1);
        const auto [rightFirst, rightLast] = cell.ColumnRows(end + 1);
        const int overlapFirst = std::max(leftFirst, rightFirst);
        const int overlapLast = std::min(leftLast, rightLast);
        const int row = overlapFirst <= overlapLast ? (overlapFirst + overlapLast) / 2
                                                    : (std::max(leftFirst, rightFirst) + std::min(leftLast, rightLast)) / 2;
        for (int column = x; column <= end; ++column)
            cell.Set(column, row, colour);
        x = end;
    }
}

GlyphCell DrawGlyph(const FontStyle& style, cairo_font_face_t* face, double size, double baseline, char character)
{
    const std::string utf8 = Windows1252::ToUtf8(std::string_view(&character, 1));
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* context = cairo_create(scratch);
    UseFace(context, face, size);
    cairo_text_extents_t extents;
    cairo_text_extents(context, utf8.c_str(), &extents);
    cairo_destroy(context);
    cairo_surface_destroy(scratch);

    const int pad = static_cast<int>(std::ceil(style.outline)) + std::abs(style.shadowX) + 2;
    const int width = static_cast<int>(std::ceil(extents.width)) + 2 * pad;
    const int height = style.lineHeight;
    const double x = pad - extents.x_bearing;
    const Coverage fill = Cover(face, size, utf8, width, height, x, baseline, 0.0);
    const Coverage outline = Cover(face, size, utf8, width, height, x, baseline, 2.0 * style.outline);

    GlyphCell cell;
    cell.width = width;
    cell.height = height;
    cell.colours.assign(static_cast<std::size_t>(width) * height, magenta);
    cell.ink.assign(static_cast<std::size_t>(width) * height, false);
    for (int row = 0; row < height; ++row) {
        const std::uint32_t fillColour = Mix(style.fillTop, style.fillBottom, row * 255 / std::max(1, height - 1));
        for (int column = 0; column < width; ++column) {
            if (outline.At(column, row) >= solidCoverage)
                cell.Set(column, row, Mix(style.outlineColour, fillColour, std::min(255, fill.At(column, row) * fillBoost / 2)));
            else if ((style.shadowX != 0 || style.shadowY != 0) &&
                     outline.At(column - style.shadowX, row - style.shadowY) >= solidCoverage)
                cell.Set(column, row, style.outlineColour);
        }
    }

    int left = 0;
    while (left < width && cell.ColumnEmpty(left))
        ++left;
    int right = width - 1;
    while (right > left && cell.ColumnEmpty(right))
        --right;
    BridgeGaps(cell, left, right, style.outlineColour);

    // Only the glyph's own columns.
    GlyphCell cropped;
    cropped.width = right - left + 1;
    cropped.height = height;
    cropped.colours.resize(static_cast<std::size_t>(cropped.width) * height);
    cropped.ink.resize(cropped.colours.size());
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < cropped.width; ++column) {
            const std::size_t from = static_cast<std::size_t>(row) * width + left + column;
            const std::size_t to = static_cast<std::size_t>(row) * cropped.width + column;
            cropped.colours[to] = cell.colours[from];
            cropped.ink[to] = cell.ink[from];
        }
    }
    return cropped;
}

} // namespace

std::span<const FontStyle> GameFontStyles()
{
    return fontStyles;
}

std::span<const FontLoaderUtil::FontDescription> CreditsFonts()
{
    return FontLoaderUtil::GetCreditsFontDescriptions();
}

std::unique_ptr<Image> DrawFontPicture(const FontStyle& style)
{
    cairo_font_face_t* face = Typeface(style.typeface);
    if (face == nullptr)
        return nullptr;

    // The largest size (in quarter pixels) at which every glyph, outline and
    // shadow included, fits the line.
    const double margin = style.outline + std::max(0, style.shadowY);
    double size = style.lineHeight;
    InkExtents ink = MeasureInk(face, size);
    while (size > 4.0 && std::ceil(ink.above + style.outline) + std::ceil(ink.below + margin) > style.lineHeight) {
        size -= 0.25;
        ink = MeasureInk(face, size);
    }
    const double baseline = std::ceil(ink.above + style.outline);

    std::vector<GlyphCell> glyphs;
    int width = 1;
    for (const char character : Font::characterSet) {
        glyphs.push_back(DrawGlyph(style, face, size, baseline, character));
        width += glyphs.back().width + 1;
    }

    auto picture = std::make_unique<Image>();
    if (!picture->Create(width, style.lineHeight, 24, false))
        return nullptr;
    std::uint8_t* data = picture->GetData();
    const auto put = [&](int x, int y, std::uint32_t colour) {
        std::uint8_t* pixel = data + (static_cast<std::size_t>(y) * width + x) * 3;
        pixel[0] = static_cast<std::uint8_t>(colour);
        pixel[1] = static_cast<std::uint8_t>(colour >> 8);
        pixel[2] = static_cast<std::uint8_t>(colour >> 16);
    };
    for (int y = 0; y < style.lineHeight; ++y)
        for (int x = 0; x < width; ++x)
            put(x, y, magenta);
    int x = 1;
    for (const GlyphCell& glyph : glyphs) {
        for (int y = 0; y < glyph.height; ++y)
            for (int column = 0; column < glyph.width; ++column)
                put(x + column, y, glyph.colours[static_cast<std::size_t>(y) * glyph.width + column]);
        x += glyph.width + 1;
    }
    return picture;
}

} // namespace content
