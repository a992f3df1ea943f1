#include "DisplayDevice.h"

#include "PixelRowLoops.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// Where a channel's bits sit in a mask, and how many there are.
struct Channel {
    int shift = 0;
    int bits = 0;
};

Channel ChannelOf(std::uint32_t mask)
{
    Channel channel;
    if (mask == 0)
        return channel;
    while ((mask & 1u) == 0) {
        mask >>= 1;
        ++channel.shift;
    }
    while ((mask & 1u) != 0) {
        mask >>= 1;
        ++channel.bits;
    }
    return channel;
}

// A channel of a few bits widened to eight by repeating its top bits, so
// that full intensity stays full (31 -> 255).
std::uint32_t Widen(std::uint32_t value, int bits)
{
    if (bits <= 0)
        return 0;
    if (bits >= 8)
        return value & 0xFF;
    std::uint32_t wide = value << (8 - bits);
    for (int filled = bits; filled < 8; filled += bits)
        wide |= wide >> filled;
    return wide & 0xFF;
}

std::uint32_t ReadPixel(const std::uint8_t* pixel, int bytesPerPixel)
{
    std::uint32_t value = 0;
    std::memcpy(&value, pixel, static_cast<std::size_t>(bytesPerPixel)); // little-endian host
    return value;
}

// The part of `wanted` that lies inside a surface of the given size.
Rectangle Clip(Rectangle wanted, int width, int height)
{
    wanted.left = std::clamp(wanted.left, 0, width);
    wanted.right = std::clamp(wanted.right, 0, width);
    wanted.top = std::clamp(wanted.top, 0, height);
    wanted.bottom = std::clamp(wanted.bottom, 0, height);
    return wanted;
}

// A nearest-pixel stretch: source column of destination column x is
// from.left + (x - to.left) * w / W in 16.16 fixed point; rows likewise.
// Each source row is stretched once; destination rows that show the same
// source row again are copies of it. Unkeyed, the row is stretched straight
// into the destination and copied from there; keyed, it goes to `stretched`
// and each destination row takes it through the keyed copy.
void StretchRows(const DisplaySurface& source, DisplaySurface& destination, const Rectangle& from, const Rectangle& to,
                 const Rectangle& clipped, bool keyed, std::vector<std::uint8_t>& stretched)
{
    const std::uint64_t stepX = (static_cast<std::uint64_t>(from.Width()) << 16) / static_cast<std::uint64_t>(to.Width());
    const std::uint64_t stepY = (static_cast<std::uint64_t>(from.Height()) << 16) / static_cast<std::uint64_t>(to.Height());
    const auto startX = static_cast<std::uint32_t>(static_cast<std::uint64_t>(clipped.left - to.left) * stepX);
    const int bytesPerPixel = source.BytesPerPixel();
    const std::size_t rowBytes = static_cast<std::size_t>(clipped.Width()) * static_cast<std::size_t>(bytesPerPixel);
    const PixelRowLoops& loops = PixelRowLoops::Fastest();
    const PixelRowLoops::Stretch stretch = loops.StretchFor(bytesPerPixel);
    const PixelRowLoops::KeyedCopy keyedCopy = loops.KeyedCopyFor(bytesPerPixel);
    if (keyed)
        stretched.resize(rowBytes);
    const std::uint8_t* previousRow = nullptr; // unkeyed: the last destination row stretched
    int previousSourceY = -1;
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        const auto sourceY = static_cast<int>((static_cast<std::uint64_t>(y - to.top) * stepY) >> 16) + from.top;
        std::uint8_t* row = destination.GetPixels() + static_cast<std::ptrdiff_t>(y) * destination.GetPitch() + clipped.left * bytesPerPixel;
        if (sourceY != previousSourceY) {
            const std::uint8_t* sourceRow = source.GetPixels() + static_cast<std::ptrdiff_t>(sourceY) * source.GetPitch() + from.left * bytesPerPixel;
            stretch(sourceRow, keyed ? stretched.data() : row, clipped.Width(), startX, static_cast<std::uint32_t>(stepX));
            previousSourceY = sourceY;
            if (!keyed) {
                previousRow = row;
                continue;
            }
        }
        if (keyed)
            keyedCopy(stretched.data(), row, clipped.Width());
        else
            std::memcpy(row, previousRow, rowBytes);
    }
}

} // namespace

void ConvertRowToRgb(const std::uint8_t* source, const SurfaceFormat& format, int width, std::uint32_t* destination)
{
    const int bytesPerPixel = format.bitsPerPixel / 8;
    if (format.bitsPerPixel == 16 && format.maskRed == 0xF800 && format.maskGreen == 0x07E0 && format.maskBlue == 0x001F) {
        PixelRowLoops::Fastest().convert565(reinterpret_cast<const std::uint16_t*>(source), destination, width);
        return;
    }
    if (format.bitsPerPixel == 16 && format.maskRed == 0x7C00 && format.maskGreen == 0x03E0 && format.maskBlue == 0x001F) {
        PixelRowLoops::Fastest().convert555(reinterpret_cast<const std::uint16_t*>(source), destination, width);
        return;
    }
    if (format.bitsPerPixel == 16) {
        const Channel red = ChannelOf(format.maskRed);
        const Channel green = ChannelOf(format.maskGreen);
        const Channel blue = ChannelOf(format.maskBlue);
        if (red.bits >= 4 && green.bits >= 4 && blue.bits >= 4) {
            // Plain shifts the compiler turns into vector code: each channel
            // widened by repeating its top bits (v << (8 - n) | v >> (2n - 8)).
            const auto* pixels = reinterpret_cast<const std::uint16_t*>(source);
            for (int x = 0; x < width; ++x) {
                const std::uint32_t value = pixels[x];
                const std::uint32_t r = (value >> red.shift) & ((1u << red.bits) - 1);
                const std::uint32_t g = (value >> green.shift) & ((1u << green.bits) - 1);
                const std::uint32_t b = (value >> blue.shift) & ((1u << blue.bits) - 1);
                destination[x] = ((r << (8 - red.bits)) | (r >> (2 * red.bits - 8))) << 16 |
                                 ((g << (8 - green.bits)) | (g >> (2 * green.bits - 8))) << 8 |
                                 ((b << (8 - blue.bits)) | (b >> (2 * blue.bits - 8)));
            }
            return;
        }
    }
    if (format.bitsPerPixel == 32 && format.maskRed == 0xFF0000 && format.maskGreen == 0xFF00 && format.maskBlue == 0xFF) {
        // X8R8G8B8 is the presented layout already; the fourth byte is not shown.
        std::memcpy(destination, source, static_cast<std::size_t>(width) * 4);
        return;
    }
    if (format.bitsPerPixel == 24 && format.maskRed == 0xFF0000 && format.maskGreen == 0xFF00 && format.maskBlue == 0xFF) {
        for (int x = 0; x < width; ++x)
            destination[x] = static_cast<std::uint32_t>(source[3 * x]) | static_cast<std::uint32_t>(source[3 * x + 1]) << 8 |
                             static_cast<std::uint32_t>(source[3 * x + 2]) << 16;
        return;
    }
    const Channel red = ChannelOf(format.maskRed);
    const Channel green = ChannelOf(format.maskGreen);
    const Channel blue = ChannelOf(format.maskBlue);
    for (int x = 0; x < width; ++x) {
        const std::uint32_t value = ReadPixel(source + x * bytesPerPixel, bytesPerPixel);
        destination[x] = Widen((value & format.maskRed) >> red.shift, red.bits) << 16 |
                         Widen((value & format.maskGreen) >> green.shift, green.bits) << 8 |
                         Widen((value & format.maskBlue) >> blue.shift, blue.bits);
    }
}

DisplaySurface::DisplaySurface(int surfaceWidth, int surfaceHeight, const SurfaceFormat& surfaceFormat)
    : width(surfaceWidth)
    , height(surfaceHeight)
    , pitch(surfaceWidth * surfaceFormat.bitsPerPixel / 8)
    , format(surfaceFormat)
    , pixels(static_cast<std::size_t>(pitch) * static_cast<std::size_t>(surfaceHeight))
{
}

DisplayDevice::DisplayDevice(Window& displayWindow)
    : window(displayWindow)
{
}

DisplayDevice::~DisplayDevice() = default;

void DisplayDevice::SetCooperativeLevel(bool exclusiveFullScreen)
{
    fullScreen = exclusiveFullScreen;
    if (!fullScreen)
        mode.depth = desktopDepth;
}

std::vector<DisplayMode> DisplayDevice::EnumerateModes() const
{
    if (!offeredModes.empty())
        return offeredModes;
    std::vector<DisplayMode> modes;
    for (const DisplayMode size : {DisplayMode{800, 600, 0}, DisplayMode{1024, 768, 0}}) {
        for (const int depth : {16, 24, 32})
            modes.push_back(DisplayMode{size.width, size.height, depth});
    }
    return modes;
}

DisplayResult DisplayDevice::SetDisplayMode(int width, int height, int depth)
{
    const DisplayMode wanted{width, height, depth};
    const std::vector<DisplayMode> modes = EnumerateModes();
    if (std::find(modes.begin(), modes.end(), wanted) == modes.end())
        return DDERR_INVALIDMODE;
    mode = wanted;
    return DD_OK;
}

SurfaceFormat DisplayDevice::FormatOf(int depth) const
{
    if (depth == 16)
        return use555 ? SurfaceFormat{16, 0x7C00, 0x03E0, 0x001F} : SurfaceFormat{16, 0xF800, 0x07E0, 0x001F};
    return SurfaceFormat{depth == 24 ? 24 : 32, 0x00FF0000, 0x0000FF00, 0x000000FF};
}

DisplayResult DisplayDevice::CreatePrimarySurface(bool withBackBuffer, DisplaySurface*& primary)
{
    const SurfaceFormat format = FormatOf(mode.depth);
    // A windowed primary stands for the window; only its format matters.
    const int width = fullScreen ? mode.width : 1;
    const int height = fullScreen ? mode.height : 1;
    surfaces.push_back(std::make_unique<DisplaySurface>(width, height, format));
    primary = surfaces.back().get();
    primary->isWindow = !fullScreen;
    if (withBackBuffer) {
        surfaces.push_back(std::make_unique<DisplaySurface>(width, height, format));
        primary->attachedBackBuffer = surfaces.back().get();
    }
    return DD_OK;
}

DisplayResult DisplayDevice::GetAttachedBackBuffer(DisplaySurface* primary, DisplaySurface*& backBuffer)
{
    if (primary == nullptr || primary->attachedBackBuffer == nullptr)
        return DDERR_NOTFOUND;
    backBuffer = primary->attachedBackBuffer;
    return DD_OK;
}

DisplayResult DisplayDevice::CreateOffscreenSurface(int width, int height, DisplaySurface*& surface)
{
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384)
        return DDERR_INVALIDPARAMS;
    surfaces.push_back(std::make_unique<DisplaySurface>(width, height, FormatOf(mode.depth)));
    surface = surfaces.back().get();
    return DD_OK;
}

void DisplayDevice::ReleaseSurface(DisplaySurface* surface)
{
    if (surface == nullptr)
        return;
    // Read before the erase: the surface is gone once its owner is.
    const DisplaySurface* backBuffer = surface->attachedBackBuffer;
    std::erase_if(surfaces, [surface, backBuffer](const std::unique_ptr<DisplaySurface>& owned) {
        return owned.get() == surface || (backBuffer != nullptr && owned.get() == backBuffer);
    });
}

DisplayResult DisplayDevice::Lock(DisplaySurface* surface, LockedSurface& locked)
{
    if (surface == nullptr)
        return DDERR_INVALIDOBJECT;
    if (surface->lost)
        return DDERR_SURFACELOST;
    locked = LockedSurface{surface->GetPixels(), surface->pitch, surface->width, surface->height, surface->format};
    return DD_OK;
}

DisplayResult DisplayDevice::Unlock(DisplaySurface* surface)
{
    return surface == nullptr ? DDERR_INVALIDOBJECT : surface->lost ? DDERR_SURFACELOST : DD_OK;
}

DisplayResult DisplayDevice::ColourFill(DisplaySurface* surface, std::uint32_t colour)
{
    if (surface == nullptr)
        return DDERR_INVALIDOBJECT;
    if (surface->lost)
        return DDERR_SURFACELOST;
    if (surface->width <= 0 || surface->height <= 0)
        return DD_OK;
    // The first row pixel by pixel in its own width, every further row a
    // copy of it: the whole canvas is cleared every frame.
    const int bytesPerPixel = surface->BytesPerPixel();
    std::uint8_t* first = surface->GetPixels();
    const int width = surface->width;
    if (bytesPerPixel == 4) {
        std::fill_n(reinterpret_cast<std::uint32_t*>(first), width, colour);
    } else if (bytesPerPixel == 2) {
        std::fill_n(reinterpret_cast<std::uint16_t*>(first), width, static_cast<std::uint16_t>(colour));
    } else {
        for (int x = 0; x < width; ++x)
            std::memcpy(first + x * bytesPerPixel, &colour, static_cast<std::size_t>(bytesPerPixel));
    }
    const std::size_t rowBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(bytesPerPixel);
    for (int y = 1; y < surface->height; ++y)
        std::memcpy(first + static_cast<std::ptrdiff_t>(y) * surface->pitch, first, rowBytes);
    return DD_OK;
}

DisplayResult DisplayDevice::SetColourKeyBlack(DisplaySurface* surface)
{
    if (surface == nullptr)
        return DDERR_INVALIDOBJECT;
    surface->colourKeyBlack = true;
    return DD_OK;
}

DisplayResult DisplayDevice::StretchBlit(DisplaySurface* destination, const Rectangle& destinationRectangle,
                                         DisplaySurface* source, const Rectangle& sourceRectangle, bool useColourKey)
{
    if (destination == nullptr || source == nullptr)
        return DDERR_INVALIDOBJECT;
    if (destination->lost || source->lost)
        return DDERR_SURFACELOST;
    const Rectangle from = Clip(sourceRectangle, source->width, source->height);
    if (from.Width() <= 0 || from.Height() <= 0)
        return DD_OK;
    if (destination->isWindow) {
        // The window's primary: the window scales the picture itself.
        DisplaySurface shown(from.Width(), from.Height(), source->format);
        for (int y = 0; y < from.Height(); ++y)
            std::memcpy(shown.GetPixels() + static_cast<std::ptrdiff_t>(y) * shown.pitch,
                        source->GetPixels() + static_cast<std::ptrdiff_t>(from.top + y) * source->pitch + from.left * source->BytesPerPixel(),
                        static_cast<std::size_t>(shown.pitch));
        return Present(shown);
    }
    if (destination->format.bitsPerPixel != source->format.bitsPerPixel)
        return DDERR_INVALIDPIXELFORMAT;
    if (destinationRectangle.Width() <= 0 || destinationRectangle.Height() <= 0)
        return DD_OK;
    const Rectangle clipped = Clip(destinationRectangle, destination->width, destination->height);
    if (clipped.Width() <= 0 || clipped.Height() <= 0)
        return DD_OK;
    const bool keyed = useColourKey && source->colourKeyBlack;
    StretchRows(*source, *destination, from, destinationRectangle, clipped, keyed, stretchedRow);
    return DD_OK;
}

DisplayResult DisplayDevice::FastBlit(DisplaySurface* destination, int x, int y, DisplaySurface* source,
                                      const Rectangle& sourceRectangle, bool useColourKey)
{
    if (destination == nullptr || source == nullptr)
        return DDERR_INVALIDOBJECT;
    if (destination->lost || source->lost)
        return DDERR_SURFACELOST;
    if (destination->format.bitsPerPixel != source->format.bitsPerPixel)
        return DDERR_INVALIDPIXELFORMAT;
    Rectangle from = Clip(sourceRectangle, source->width, source->height);
    // Whatever would land outside the destination is left out.
    from.left += std::max(0, -x);
    from.top += std::max(0, -y);
    x = std::max(x, 0);
    y = std::max(y, 0);
    from.right = std::min(from.right, from.left + destination->width - x);
    from.bottom = std::min(from.bottom, from.top + destination->height - y);
    if (from.Width() <= 0 || from.Height() <= 0)
        return DD_OK;
    const int bytesPerPixel = source->BytesPerPixel();
    const bool keyed = useColourKey && source->colourKeyBlack;
    const PixelRowLoops::KeyedCopy keyedCopy = PixelRowLoops::Fastest().KeyedCopyFor(bytesPerPixel);
    for (int row = 0; row < from.Height(); ++row) {
        const std::uint8_t* sourceRow = source->GetPixels() + static_cast<std::ptrdiff_t>(from.top + row) * source->pitch + from.left * bytesPerPixel;
        std::uint8_t* destinationRow = destination->GetPixels() + static_cast<std::ptrdiff_t>(y + row) * destination->pitch + x * bytesPerPixel;
        if (keyed)
            keyedCopy(sourceRow, destinationRow, from.Width());
        else
            std::memcpy(destinationRow, sourceRow, static_cast<std::size_t>(from.Width() * bytesPerPixel));
    }
    return DD_OK;
}

DisplayResult DisplayDevice::Flip(DisplaySurface* primary)
{
    if (primary == nullptr || primary->attachedBackBuffer == nullptr)
        return DDERR_NOTFLIPPABLE;
    if (primary->lost || primary->attachedBackBuffer->lost)
        return DDERR_SURFACELOST;
    return Present(*primary->attachedBackBuffer);
}

DisplayResult DisplayDevice::Present(const DisplaySurface& surface)
{
    presented.resize(static_cast<std::size_t>(surface.width) * static_cast<std::size_t>(surface.height));
    for (int y = 0; y < surface.height; ++y)
        ConvertRowToRgb(surface.GetPixels() + static_cast<std::ptrdiff_t>(y) * surface.pitch, surface.format, surface.width,
                        presented.data() + static_cast<std::ptrdiff_t>(y) * surface.width);
    window.Present(presented.data(), surface.width, surface.height, surface.width);
    return DD_OK;
}

DisplayResult DisplayDevice::Restore(DisplaySurface* surface)
{
    if (surface == nullptr)
        return DDERR_INVALIDOBJECT;
    surface->lost = false;
    return DD_OK;
}

void DisplayDevice::LoseAllSurfaces()
{
    for (const auto& surface : surfaces)
        surface->lost = true;
}

} // namespace platform
