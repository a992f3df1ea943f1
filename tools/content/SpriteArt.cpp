#include "SpriteArt.h"

#include "ContentFile.h"
#include "JpegEncoder.h"
#include "RleFiles.h"
#include "Typefaces.h"

#include <cstdio>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace content {

namespace {

constexpr std::uint32_t magenta = 0xFF00FF;

double Red(std::uint32_t rgb) { return ((rgb >> 16) & 0xFF) / 255.0; }
double Green(std::uint32_t rgb) { return ((rgb >> 8) & 0xFF) / 255.0; }
double Blue(std::uint32_t rgb) { return (rgb & 0xFF) / 255.0; }

// A visible colour the loader keeps as it is: nothing in its magenta range
// (which it makes transparent) and nothing black (which it lifts anyway).
std::uint32_t Visible(std::uint32_t rgb)
{
    const std::uint32_t red = (rgb >> 16) & 0xFF;
    std::uint32_t green = (rgb >> 8) & 0xFF;
    const std::uint32_t blue = rgb & 0xFF;
    if (red >= 240 && green < 8 && blue >= 240)
        green = 8;
    if (red < 8 && green < 8 && blue < 8)
        return 0x080808;
    return (red << 16) | (green << 8) | blue;
}

// A premultiplied pixel's own colour, 0xRRGGBB; the pixel is not clear.
std::uint32_t Unpremultiplied(std::uint32_t pixel)
{
    const std::uint32_t alpha = pixel >> 24;
    std::uint32_t rgb = 0;
    for (const int shift : {0, 8, 16}) {
        const std::uint32_t channel = (pixel >> shift) & 0xFF;
        rgb |= std::min<std::uint32_t>(255, (channel * 255 + alpha / 2) / alpha) << shift;
    }
    return rgb;
}

void Put(std::uint8_t* pixel, std::uint32_t rgb)
{
    pixel[0] = static_cast<std::uint8_t>(rgb);
    pixel[1] = static_cast<std::uint8_t>(rgb >> 8);
    pixel[2] = static_cast<std::uint8_t>(rgb >> 16);
}

std::unique_ptr<Image> NewImage(int width, int height)
{
    auto image = std::make_unique<Image>();
    if (!image->Create(width, height, 24, false))
        return nullptr;
    return image;
}

// An 8-bit picture with its palette as a BMP file (the game's BMP writer
// knows 24 bits only): the headers, 256 palette entries, then the rows
// bottom up, each padded to four bytes.
bool SavePalettedBmp(const std::string& path, const Image& image)
{
    const std::uint32_t width = static_cast<std::uint32_t>(image.GetWidth());
    const std::uint32_t height = static_cast<std::uint32_t>(image.GetHeight());
    const std::uint32_t stride = (width + 3) & ~3u;
    const std::uint32_t pixelsAt = 14 + 40 + Image::paletteSize;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(pixelsAt + stride * height);
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int byte = 0; byte < size; ++byte)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * byte)));
    };
    put('B' | 'M' << 8, 2);
    put(pixelsAt + stride * height, 4);
    put(0, 4);
    put(pixelsAt, 4);
    put(40, 4);
    put(width, 4);
    put(height, 4);
    put(1, 2);
    put(8, 2);
    put(0, 4);  // no compression
    put(stride * height, 4);
    put(2835, 4);  // 72 dots per inch
    put(2835, 4);
    put(Image::paletteEntries, 4);
    put(0, 4);
    const std::uint8_t* palette = image.GetPalette();
    bytes.insert(bytes.end(), palette, palette + Image::paletteSize);
    for (std::uint32_t row = height; row-- > 0;) {
        const std::uint8_t* pixels = image.GetData() + static_cast<std::size_t>(row) * width;
        bytes.insert(bytes.end(), pixels, pixels + width);
        bytes.resize(bytes.size() + (stride - width), 0);
    }
    return WriteBytes(path, bytes);
}

// The frames one under the other on one surface.
Picture Stack(std::span<const Picture> frames)
{
    const int width = frames.front().Width();
    const int height = frames.front().Height();
    Picture strip(width, height * static_cast<int>(frames.size()));
    for (std::size_t index = 0; index < frames.size(); ++index) {
        cairo_surface_t* source = cairo_get_target(frames[index].Cairo());
        cairo_surface_flush(source);
        cairo_set_source_surface(strip.Cairo(), source, 0, static_cast<double>(height) * index);
        cairo_paint(strip.Cairo());
    }
    return strip;
}

} // namespace

void SetColour(cairo_t* cairo, std::uint32_t rgb, double alpha)
{
    cairo_set_source_rgba(cairo, Red(rgb), Green(rgb), Blue(rgb), alpha);
}

void AddColourStop(cairo_pattern_t* pattern, double offset, std::uint32_t rgb, double alpha)
{
    cairo_pattern_add_color_stop_rgba(pattern, offset, Red(rgb), Green(rgb), Blue(rgb), alpha);
}

void SetGradient(cairo_t* cairo, cairo_pattern_t* pattern, std::initializer_list<ColourStop> stops)
{
    for (const ColourStop& stop : stops)
        AddColourStop(pattern, stop.offset, stop.rgb, stop.alpha);
    cairo_set_source(cairo, pattern);
    cairo_pattern_destroy(pattern);
}

void SetVerticalGradient(cairo_t* cairo, double y0, double y1, std::uint32_t top, std::uint32_t bottom, double alpha)
{
    SetGradient(cairo, cairo_pattern_create_linear(0.0, y0, 0.0, y1), {{0.0, top, alpha}, {1.0, bottom, alpha}});
}

void SetPathGradient(cairo_t* cairo, std::uint32_t top, std::uint32_t bottom)
{
    double left = 0.0;
    double upper = 0.0;
    double right = 0.0;
    double lower = 0.0;
    cairo_path_extents(cairo, &left, &upper, &right, &lower);
    SetVerticalGradient(cairo, upper, lower, top, bottom);
}

void SetRadialGradient(cairo_t* cairo, double x, double y, double radius, std::uint32_t inner, std::uint32_t outer)
{
    SetGradient(cairo, cairo_pattern_create_radial(x, y, 0.0, x, y, radius), {{0.0, inner}, {1.0, outer}});
}

void RoundedRectangle(cairo_t* cairo, double x, double y, double width, double height, double radius)
{
    radius = std::min({radius, width / 2, height / 2});
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, x + width - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cairo, x + width - radius, y + height - radius, radius, 0, M_PI / 2);
    cairo_arc(cairo, x + radius, y + height - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cairo, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cairo);
}

double OutlineWidth(cairo_t* cairo, double width, double thinnest)
{
    double dx = 1.0;
    double dy = 0.0;
    cairo_user_to_device_distance(cairo, &dx, &dy);
    const double scale = std::hypot(dx, dy);
    return scale > 0.0 ? std::max(width, thinnest / scale) : width;
}

void FillOutlined(cairo_t* cairo, std::uint32_t top, std::uint32_t bottom, double outlineWidth)
{
    SetPathGradient(cairo, top, bottom);
    cairo_fill_preserve(cairo);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    StrokeOutline(cairo, outlineWidth);
}

void StrokeOutline(cairo_t* cairo, double width)
{
    SetColour(cairo, colour::outline);
    cairo_set_line_width(cairo, OutlineWidth(cairo, width));
    cairo_stroke(cairo);
}

void DrawStarfield(cairo_t* cairo, double x, double y, double width, double height, std::uint32_t seed)
{
    cairo_save(cairo);
    cairo_rectangle(cairo, x, y, width, height);
    cairo_clip(cairo);
    SetVerticalGradient(cairo, y, y + height, colour::nightDeep, colour::night);
    cairo_paint(cairo);

    // A small linear congruential generator: the same seed, the same sky.
    std::uint32_t state = seed * 2654435761u + 1;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / static_cast<double>(1u << 24);
    };
    const int stars = static_cast<int>(width * height / 1800);
    for (int star = 0; star < stars; ++star) {
        const double starX = x + next() * width;
        const double starY = y + next() * height;
        const double size = 0.6 + next() * next() * 2.2;
        const double brightness = 0.45 + next() * 0.55;
        SetColour(cairo, next() < 0.2 ? colour::orangeLight : (next() < 0.3 ? colour::tealLight : colour::cream),
                  brightness);
        cairo_arc(cairo, starX, starY, size, 0, 2 * M_PI);
        cairo_fill(cairo);
        if (size > 2.0) {
            // The brightest twinkle with a cross of light.
            cairo_set_line_width(cairo, 0.8);
            SetColour(cairo, colour::cream, brightness * 0.6);
            cairo_move_to(cairo, starX - size * 3, starY);
            cairo_line_to(cairo, starX + size * 3, starY);
            cairo_move_to(cairo, starX, starY - size * 3);
            cairo_line_to(cairo, starX, starY + size * 3);
            cairo_stroke(cairo);
        }
    }
    cairo_restore(cairo);
}

namespace {

// Selects the face DrawArtText sets text in; false when it cannot be read.
bool UseArtFace(cairo_t* cairo, double size)
{
    cairo_font_face_t* face = Typeface(artTypefaceFile);
    if (face == nullptr)
        return false;
    UseFace(cairo, face, size);
    return true;
}

} // namespace

void DrawArtText(cairo_t* cairo, const std::string& utf8, double x, double y, double size, std::uint32_t fill,
                 Align align)
{
    cairo_save(cairo);
    if (!UseArtFace(cairo, size)) {
        cairo_restore(cairo);
        return;
    }
    cairo_text_extents_t extents;
    cairo_text_extents(cairo, utf8.c_str(), &extents);
    double left = x - extents.x_bearing;
    if (align == Align::centre)
        left = x - extents.x_advance / 2;
    else if (align == Align::right)
        left = x - extents.x_advance;
    cairo_move_to(cairo, left, y);
    cairo_text_path(cairo, utf8.c_str());
    SetColour(cairo, colour::outline);
    cairo_set_line_width(cairo, std::max(2.0, size / 8));
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cairo);
    SetColour(cairo, fill);
    cairo_fill(cairo);
    cairo_restore(cairo);
}

double ArtTextWidth(cairo_t* cairo, const std::string& utf8, double size)
{
    cairo_save(cairo);
    cairo_text_extents_t extents{};
    if (UseArtFace(cairo, size))
        cairo_text_extents(cairo, utf8.c_str(), &extents);
    cairo_restore(cairo);
    return extents.x_advance;
}

Picture::Picture(int pictureWidth, int pictureHeight)
    : width(pictureWidth), height(pictureHeight),
      surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pictureWidth, pictureHeight)),
      cairo(cairo_create(surface))
{
    cairo_set_antialias(cairo, CAIRO_ANTIALIAS_GOOD);
}

Picture::~Picture()
{
    if (cairo != nullptr)
        cairo_destroy(cairo);
    if (surface != nullptr)
        cairo_surface_destroy(surface);
}

Picture::Picture(Picture&& other) noexcept
    : width(other.width), height(other.height), surface(std::exchange(other.surface, nullptr)),
      cairo(std::exchange(other.cairo, nullptr))
{
}

Picture& Picture::operator=(Picture&& other) noexcept
{
    std::swap(width, other.width);
    std::swap(height, other.height);
    std::swap(surface, other.surface);
    std::swap(cairo, other.cairo);
    return *this;
}

std::uint32_t Picture::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    cairo_surface_flush(surface);
    const unsigned char* row = cairo_image_surface_get_data(surface) +
                               static_cast<std::size_t>(y) * cairo_image_surface_get_stride(surface);
    std::uint32_t premultiplied = 0;
    std::copy_n(row + static_cast<std::size_t>(x) * 4, 4, reinterpret_cast<unsigned char*>(&premultiplied));
    const std::uint32_t alpha = premultiplied >> 24;
    return alpha == 0 ? 0 : (alpha << 24 | Unpremultiplied(premultiplied));
}

const std::uint32_t* Picture::PremultipliedRow(int y) const
{
    cairo_surface_flush(surface);
    return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface) +
                                                  static_cast<std::size_t>(y) * cairo_image_surface_get_stride(surface));
}

void CountColours(PaletteQuantiser& palette, const Picture& picture)
{
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint32_t* row = picture.PremultipliedRow(y);
        for (int x = 0; x < picture.Width(); ++x) {
            if ((row[x] >> 24) >= rleClearBelow)
                palette.Add(Unpremultiplied(row[x]));
        }
    }
}

bool WriteRleStrip(const std::string& basePath, std::span<const Picture> frames, const PaletteQuantiser& palette)
{
    if (frames.empty()) {
        std::fprintf(stderr, "zephyra-content: %s has no frames\n", basePath.c_str());
        return false;
    }
    const int width = frames.front().Width();
    const int height = frames.front().Height();
    for (const Picture& frame : frames) {
        if (frame.Width() != width || frame.Height() != height) {
            std::fprintf(stderr, "zephyra-content: the frames of %s differ in size\n", basePath.c_str());
            return false;
        }
    }
    const int stripHeight = height * static_cast<int>(frames.size());
    Image colours;
    Image coverage;
    if (!colours.Create(width, stripHeight, 8, true) || !coverage.Create(width, stripHeight, 8, true))
        return false;
    std::uint8_t entries[Image::paletteSize] = {};
    for (std::size_t index = 0; index < palette.Colours().size(); ++index) {
        const std::uint32_t rgb = palette.Colours()[index];
        entries[index * 4] = static_cast<std::uint8_t>(rgb);
        entries[index * 4 + 1] = static_cast<std::uint8_t>(rgb >> 8);
        entries[index * 4 + 2] = static_cast<std::uint8_t>(rgb >> 16);
    }
    colours.SetPalette(entries);
    bool soft = false;
    std::uint8_t* indices = colours.GetData();
    std::uint8_t* levels = coverage.GetData();
    for (const Picture& frame : frames) {
        for (int y = 0; y < height; ++y) {
            const std::uint32_t* row = frame.PremultipliedRow(y);
            for (int x = 0; x < width; ++x, ++indices, ++levels) {
                const std::uint32_t alpha = row[x] >> 24;
                if (alpha < rleClearBelow) {
                    *indices = PaletteQuantiser::keyIndex;
                    continue;
                }
                *indices = palette.Index(Unpremultiplied(row[x]));
                *levels = static_cast<std::uint8_t>(alpha);
                soft = soft || alpha != 255;
            }
        }
    }
    if (!SavePalettedBmp(basePath + ".bmp", colours))
        return false;
    return !soft || SavePalettedBmp(basePath + "_alpha.bmp", coverage);
}

namespace {

// The game's 24-bit image of a picture, each pixel's colour given by `colour`.
template <typename Colour>
std::unique_ptr<Image> ImageOf(const Picture& picture, Colour colour)
{
    auto image = NewImage(picture.Width(), picture.Height());
    if (!image)
        return nullptr;
    std::uint8_t* out = image->GetData();
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x, out += 3)
            Put(out, colour(picture.Pixel(x, y)));
    }
    return image;
}

} // namespace

std::unique_ptr<Image> KeyedImage(const Picture& picture)
{
    return ImageOf(picture, [](std::uint32_t pixel) {
        return (pixel >> 24) == 0 ? magenta : Visible(pixel & 0xFFFFFF);
    });
}

std::unique_ptr<Image> PlainImage(const Picture& picture)
{
    return ImageOf(picture, [](std::uint32_t pixel) { return pixel & 0xFFFFFF; });
}

std::unique_ptr<Image> CoverageImage(const Picture& picture)
{
    bool soft = false;
    for (int y = 0; y < picture.Height() && !soft; ++y) {
        for (int x = 0; x < picture.Width() && !soft; ++x) {
            const std::uint32_t alpha = picture.Pixel(x, y) >> 24;
            soft = alpha != 0 && alpha != 255;
        }
    }
    if (!soft)
        return nullptr;
    // Eight bits with the grey palette Create gives: the index is the level.
    auto image = std::make_unique<Image>();
    if (!image->Create(picture.Width(), picture.Height(), 8, false))
        return nullptr;
    std::uint8_t* out = image->GetData();
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x)
            *out++ = static_cast<std::uint8_t>(picture.Pixel(x, y) >> 24);
    }
    return image;
}

bool WriteJpeg(const std::string& basePath, const Picture& picture, int quality)
{
    // The picture over the night sky's darkest blue, in case it is not opaque
    // everywhere: a JPEG has no transparency.
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(picture.Width()) * picture.Height() * 3);
    std::uint8_t* out = rows.data();
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x, out += 3) {
            const std::uint32_t pixel = picture.Pixel(x, y);
            const std::uint32_t alpha = pixel >> 24;
            for (int channel = 0; channel < 3; ++channel) {
                const int shift = 16 - 8 * channel;
                const std::uint32_t over = (pixel >> shift) & 0xFF;
                const std::uint32_t under = (colour::nightDeep >> shift) & 0xFF;
                out[channel] = static_cast<std::uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
            }
        }
    }

    JpegSettings settings;
    settings.quality = quality;
    settings.fullChroma = true;
    settings.optimiseCoding = true;
    const std::vector<std::uint8_t> file = EncodeJpeg(picture.Width(), picture.Height(), 3, rows, settings);
    if (file.empty()) {
        std::fprintf(stderr, "zephyra-content: could not compress %s\n", basePath.c_str());
        return false;
    }
    return WriteBytes(basePath + ".jpg", file);
}

bool WriteKeyed(const std::string& basePath, const Picture& picture)
{
    const std::unique_ptr<Image> colours = KeyedImage(picture);
    if (!colours || !WriteBmp(basePath + ".bmp", *colours))
        return false;
    const std::unique_ptr<Image> coverage = CoverageImage(picture);
    return !coverage || SavePalettedBmp(basePath + "Alpha.bmp", *coverage);
}

bool WriteStrip(const std::string& basePath, std::span<const Picture> frames)
{
    if (frames.empty()) {
        std::fprintf(stderr, "zephyra-content: %s has no frames\n", basePath.c_str());
        return false;
    }
    for (const Picture& frame : frames) {
        if (frame.Width() != frames.front().Width() || frame.Height() != frames.front().Height()) {
            std::fprintf(stderr, "zephyra-content: the frames of %s differ in size\n", basePath.c_str());
            return false;
        }
    }
    return WriteKeyed(basePath, Stack(frames));
}

void SpriteList::Comment(const std::string& line)
{
    text += "# " + line + "\r\n";
}

void SpriteList::Static(const std::string& label, const std::string& file)
{
    text += label + "\tstatic\t" + file + "\tnormx\r\n";
}

void SpriteList::AnimRle(const std::string& label, const std::string& file, int frames, bool mirrored)
{
    text += label + "\tanim_rle\t" + file + (mirrored ? "\tmirrorx\t" : "\tnormx\t") + std::to_string(frames) + "\r\n";
}

void SpriteList::Anim(const std::string& label, const std::string& file, int frames)
{
    text += label + "\tanim\t" + file + "\tnormx\t" + std::to_string(frames) + "\r\n";
}

bool SpriteList::Write(const std::string& path) const
{
    return WriteText(path, text);
}

SpriteFolder::SpriteFolder(std::string pictureFolder, std::string listFile, int quality)
    : folder(std::move(pictureFolder)), listPath(std::move(listFile)), jpegQuality(quality)
{
}

bool SpriteFolder::AddPage(const std::string& label, const Picture& picture)
{
    list.Static(label, label);
    return Check(WriteJpeg(folder + label, picture, jpegQuality));
}

bool SpriteFolder::AddStatic(const std::string& label, const Picture& picture)
{
    list.Static(label, label);
    return Check(WriteKeyed(folder + label, picture));
}

bool SpriteFolder::AddAnim(const std::string& label, std::span<const Picture> frames)
{
    list.Anim(label, label, static_cast<int>(frames.size()));
    return Check(WriteStrip(folder + label, frames));
}

bool SpriteFolder::AddRleAnim(const std::string& label, std::span<const Picture> frames,
                              const PaletteQuantiser& palette)
{
    list.AnimRle(label, label, static_cast<int>(frames.size()));
    SpriteInfo info;
    info.label = label;
    info.file = folder + label;
    info.crop = true;
    info.type = SpriteInfo::typeAnimatedRLE;
    info.frameCount = static_cast<int>(frames.size());
    runLength.push_back(info);
    return Check(WriteRleStrip(folder + label, frames, palette));
}

void SpriteFolder::AddRleMirror(const std::string& label, const std::string& ofLabel, int frames)
{
    list.AnimRle(label, ofLabel, frames, true);
    SpriteInfo info;
    info.label = label;
    info.file = folder + ofLabel;
    info.crop = true;
    info.type = SpriteInfo::typeAnimatedRLE;
    info.frameCount = frames;
    info.mirrored = true;
    runLength.push_back(info);
}

bool SpriteFolder::Finish()
{
    // Only when every strip is there: the loader ends the process over a
    // missing picture.
    if (allWritten && !runLength.empty())
        Check(WriteRleFiles(runLength));
    return Check(list.Write(listPath)) && allWritten;
}

bool SpriteFolder::Check(bool written)
{
    allWritten = allWritten && written;
    return written;
}

} // namespace content
