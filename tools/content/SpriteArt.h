#pragma once

// Sprite art: pictures drawn with cairo and written in the forms the game's
// sprite loader reads, and the "sprites.txt" lists that name them.
//
// Every picture shares one look: rounded shapes filled with a two-tone
// gradient inside a dark navy outline, on the colours of `colour` below.
// A picture is drawn on a transparent ARGB surface; writing it decides what
// the game sees:
// - an opaque picture (a page background) becomes a JPEG file;
// - a picture with transparency becomes a 24-bit BMP with magenta where it
//   is clear, and, when it has soft edges, a grey "Alpha" companion holding
//   its coverage;
// - an animation is its frames stacked top to bottom in one such strip;
// - a run-length animation (the characters: the game scales and tints
//   those) is such a strip in 8 bits, on a palette shared by all the
//   animations of one figure (PaletteQuantiser.h) whose entry 0 is the
//   magenta key, with its coverage in an 8-bit grey "_alpha" strip beside
//   and its frames pre-encoded in a ".rle" file.
// Visible pixels never fall into the range the loader takes for magenta.

#include "PaletteQuantiser.h"
#include "graphics/Image.h"
#include "graphics/SpriteInfo.h"

#include <cairo.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace content {

// The game's palette family, as 0xRRGGBB.
namespace colour {
constexpr std::uint32_t outline = 0x1C2142;     // every outline; never pure black
constexpr std::uint32_t nightDeep = 0x111938;   // space, darkest
constexpr std::uint32_t night = 0x1E2A5E;       // space
constexpr std::uint32_t nightLight = 0x33458C;  // panels on space
constexpr std::uint32_t teal = 0x17908C;
constexpr std::uint32_t tealLight = 0x5FD6CB;
constexpr std::uint32_t orange = 0xEE7F22;
constexpr std::uint32_t orangeLight = 0xFFC36B;
constexpr std::uint32_t cream = 0xFFF4DC;
constexpr std::uint32_t sand = 0xEDE2C4;
constexpr std::uint32_t turquoise = 0x3CCFD0;
constexpr std::uint32_t hibiscus = 0xE0415A;
constexpr std::uint32_t stone = 0x9A958C;
constexpr std::uint32_t moss = 0x6C8F3C;
constexpr std::uint32_t banner = 0xB8323A;
constexpr std::uint32_t violet = 0x7A4FC9;
constexpr std::uint32_t acid = 0x9BE03A;
constexpr std::uint32_t steel = 0x8C9BB0;
} // namespace colour

// Drawing helpers with the shared look.
void SetColour(cairo_t* cairo, std::uint32_t rgb, double alpha = 1.0);
// Adds a colour stop of `rgb` at `alpha` to a gradient.
void AddColourStop(cairo_pattern_t* pattern, double offset, std::uint32_t rgb, double alpha = 1.0);
struct ColourStop {
    double offset;
    std::uint32_t rgb;
    double alpha = 1.0;
};
// Adds the stops to a new gradient and makes it the source; the context
// keeps the gradient, so the caller's reference to it is given up.
void SetGradient(cairo_t* cairo, cairo_pattern_t* pattern, std::initializer_list<ColourStop> stops);
// Makes a vertical gradient from `top` at y0 to `bottom` at y1 the source.
void SetVerticalGradient(cairo_t* cairo, double y0, double y1, std::uint32_t top, std::uint32_t bottom,
                         double alpha = 1.0);
// Makes a vertical gradient from `top` to `bottom` over the extent of the
// current path the source.
void SetPathGradient(cairo_t* cairo, std::uint32_t top, std::uint32_t bottom);
// Makes a radial gradient from `inner` at (x, y) to `outer` at `radius` the
// source.
void SetRadialGradient(cairo_t* cairo, double x, double y, double radius, std::uint32_t inner, std::uint32_t outer);
// Adds a rounded rectangle to the current path.
void RoundedRectangle(cairo_t* cairo, double x, double y, double width, double height, double radius);
// `width` user units, but never thinner than `thinnest` pixels on the
// device (a little over one unless told), however the picture is scaled, so
// that outlines stay visible when a scene is drawn small.
double OutlineWidth(cairo_t* cairo, double width, double thinnest = 1.3);
// Fills the current path with a vertical gradient from `top` to `bottom`
// (over the path's extent) and strokes it with the outline colour,
// `outlineWidth` wide as OutlineWidth gives it; the path is consumed.
void FillOutlined(cairo_t* cairo, std::uint32_t top, std::uint32_t bottom, double outlineWidth = 3.0);
// Strokes the current path in the outline colour, `width` wide as
// OutlineWidth gives it; the path is consumed.
void StrokeOutline(cairo_t* cairo, double width);
// Night sky over the rectangle: a vertical gradient with stars placed by a
// fixed generator, so that a seed always gives the same sky.
void DrawStarfield(cairo_t* cairo, double x, double y, double width, double height, std::uint32_t seed);

enum class Align { left, centre, right };
// The typeface file (in TypefaceFolder()) of DrawArtText.
constexpr const char* artTypefaceFile = "DejaVuSans-Bold.ttf";
// Text in DejaVu Sans Bold, `size` pixels, filled with `fill` inside an
// outline; (x, y) is the baseline point the alignment refers to.
void DrawArtText(cairo_t* cairo, const std::string& utf8, double x, double y, double size, std::uint32_t fill,
                 Align align = Align::centre);
// The advance width of text as DrawArtText sets it at `size` pixels.
double ArtTextWidth(cairo_t* cairo, const std::string& utf8, double size);

// A picture being drawn: transparent until drawn on.
class Picture {
public:
    Picture(int width, int height);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;

    cairo_t* Cairo() const { return cairo; }
    int Width() const { return width; }
    int Height() const { return height; }
    // 0xAARRGGBB without premultiplication (for tests and the writers).
    std::uint32_t Pixel(int x, int y) const;
    // Row y as cairo keeps it: 0xAARRGGBB premultiplied by alpha, Width()
    // pixels; for loops over every pixel.
    const std::uint32_t* PremultipliedRow(int y) const;

private:
    int width = 0;
    int height = 0;
    cairo_surface_t* surface = nullptr;
    cairo_t* cairo = nullptr;
};

// The game's 24-bit image of a picture: transparent pixels magenta, visible
// ones in their own colour kept out of the magenta range.
std::unique_ptr<Image> KeyedImage(const Picture& picture);
// The same with every pixel in its own colour and no key (opaque pictures
// such as a room's maps).
std::unique_ptr<Image> PlainImage(const Picture& picture);
// The grey coverage image of a picture (white is opaque); null when every
// pixel is either fully clear or fully opaque.
std::unique_ptr<Image> CoverageImage(const Picture& picture);

// Writers. Paths are in the game's form below the working directory, base
// paths without extension (for example "data\\menu\\sprites\\help_background").
// Each reports a failure on standard error and returns false.
bool WriteJpeg(const std::string& basePath, const Picture& picture, int quality = 90);
bool WriteKeyed(const std::string& basePath, const Picture& picture);
bool WriteStrip(const std::string& basePath, std::span<const Picture> frames);
// Pixels whose coverage is below this are the key in a run-length strip (the
// game leaves them out when it draws anyway).
constexpr std::uint32_t rleClearBelow = 16;
// Counts the visible pixels of a picture into a palette's histogram.
void CountColours(PaletteQuantiser& palette, const Picture& picture);
// The 8-bit strip of the frames on the built palette, and its coverage
// strip when an edge is soft.
bool WriteRleStrip(const std::string& basePath, std::span<const Picture> frames, const PaletteQuantiser& palette);

// A "sprites.txt" being assembled: one line per label, Windows line ends.
class SpriteList {
public:
    void Comment(const std::string& text);
    void Static(const std::string& label, const std::string& file);
    void Anim(const std::string& label, const std::string& file, int frames);
    // A run-length animation; `mirrored` shows the file's art flipped.
    void AnimRle(const std::string& label, const std::string& file, int frames, bool mirrored = false);
    const std::string& Text() const { return text; }
    bool Write(const std::string& path) const;

private:
    std::string text;
};

// The pictures of one sprite folder and the list that names them, each file
// named after its label. A failed write is reported on standard error by
// the writer and remembered until Finish.
class SpriteFolder {
public:
    // `folder` in the game's form, ending in a backslash
    // ("data\\menu\\sprites\\"); `listPath` the list's file.
    SpriteFolder(std::string folder, std::string listPath, int jpegQuality = 90);

    // An opaque page, as a JPEG file.
    bool AddPage(const std::string& label, const Picture& picture);
    // A picture with transparency, as a keyed bitmap.
    bool AddStatic(const std::string& label, const Picture& picture);
    // Frames stacked into one strip.
    bool AddAnim(const std::string& label, std::span<const Picture> frames);
    // Frames stacked into one 8-bit run-length strip on `palette`.
    bool AddRleAnim(const std::string& label, std::span<const Picture> frames, const PaletteQuantiser& palette);
    // Another label for the art of a run-length animation added before,
    // flipped left to right (a figure walking left from its walk right).
    void AddRleMirror(const std::string& label, const std::string& ofLabel, int frames);
    void Comment(const std::string& text) { list.Comment(text); }
    // Writes the list and the pre-encoded files of its run-length
    // animations (RleFiles.h); true when it and every picture were written.
    bool Finish();

private:
    bool Check(bool written);

    std::string folder;
    std::string listPath;
    int jpegQuality;
    SpriteList list;
    std::vector<SpriteInfo> runLength;
    bool allWritten = true;
};

} // namespace content
