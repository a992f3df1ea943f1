// Drawing sprites into the 1024 x 768 canvas, against SDL2's software
// blitters and pixman's compositing on the same pixels in the same run.
//
//     build/bench/zephyra_benchmarks --benchmark_filter=Sprite
//
// Counter megapixels_per_s: destination pixels of the drawn rectangle per
// second (the sprite's whole frame, transparent parts included, for us and
// for SDL alike). Each case runs at 16, 24 and 32 bit where our path exists:
//   RleBlend          AnimatedRLESprite, 256 x 256 character frame (half of it
//                     transparent, soft alpha edge), decode + alpha blend;
//                     peers SDL_BlitSurface of the same picture as ARGB8888
//                     with blending, without and with SDL_SetSurfaceRLE.
//   RleScaled         the same scaled by 0.6 (ours bilinear); peers
//                     SDL_BlitScaled (nearest) and pixman's OVER with a
//                     scaling transform, nearest and bilinear.
//   AlphaTranslucent  AlphaSprite 256 x 256, every pixel alpha 128.
//   AlphaDisk         AlphaSprite 256 x 256, an opaque disk on half of it.
//                     The alpha cases' pixman peer: OVER from premultiplied
//                     a8r8g8b8 onto the canvas's format.
//   Shadow            ShadowSprite 256 x 256 (no peer; 16 and 32 bit only).
//   KeyedBlit         SurfaceSprite 256 x 256, half black, colour-keyed;
//                     peer colour-keyed SDL_BlitSurface (RGB565, BGR24,
//                     XRGB8888); pixman, which knows no colour key, draws
//                     the picture OVER through an a8 mask of the key.
//   Stretch           SurfaceSprite 512 x 384 stretched over the canvas;
//                     peers SDL_SoftStretch (nearest, like ours) and
//                     SDL_SoftStretchLinear (32 bit only).
// Before timing, our output and the peer's are compared over the whole
// canvas; a case whose results differ is skipped with an error. pixman's
// 16-bit format is r5g6b5, where our canvas keeps five bits of green, so
// there the comparison allows a step more.
//
// Sprite_Frame: one adventure-like frame at 32 bit through the render list
// (background, twelve scaled and tinted characters, interface strip; no
// text, which the graphics library does not draw yet); counters
// frames_per_s and ms_per_frame (milliseconds, though the console prints
// an inverted rate with an "s" after it). With characters_only:1 only the
// twelve characters' draws, straight, without the render list's clearing
// of the canvas and the background and interface blits, to tell the
// sprites' share of the frame from the display's. With new_frames:1 every
// character shows another frame in each rendered frame, so that no scaled
// draw finds its frame's colours worked out already (the worst case);
// Sprite_RleBlend/ours_new_frames and Sprite_RleScaled/ours_new_frames are
// the same for the single sprite.

#include "BenchmarkFolder.h"
#include "app/Singleton.h"
#include "graphics/AlphaSprite.h"
#include "graphics/AnimatedRLESprite.h"
#include "graphics/DirectDraw.h"
#include "graphics/RenderEngine.h"
#include "graphics/ShadowSprite.h"
#include "graphics/SurfaceSprite.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessPlatform.h"

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int canvasWidth = DirectDraw::canvasWidth;
constexpr int canvasHeight = DirectDraw::canvasHeight;
constexpr int side = 256;
constexpr float smallScale = 0.6f;

// ---------------------------------------------------------------------------
// The display: a headless platform with a full-screen canvas of one depth,
// in a temporary working directory (the game writes its log there).

class Display {
public:
    explicit Display(int depth)
    {
        platform::Platform::Install(std::make_unique<platform::HeadlessPlatform>());
        platform::Window& window = platform::Platform::Get()->GetWindow();
        ready = folder.IsReady() && window.Create({"Bench", canvasWidth, canvasHeight, true}) &&
                DirectDraw::GetInstance().Init(window, canvasWidth, canvasHeight, depth, true);
    }
    ~Display()
    {
        SingletonRegistry::DestroyAll();
        platform::Platform::Remove();
    }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool IsReady() const { return ready; }
    static platform::DisplaySurface& Canvas() { return *DirectDraw::GetInstance().GetRenderTarget(); }

private:
    BenchmarkFolder folder;
    bool ready = false;
};

// ---------------------------------------------------------------------------
// Test art: colours 0x00RRGGBB with an 8-bit alpha per pixel.

struct Art {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> colour;
    std::vector<std::uint8_t> alpha;

    Art(int w, int h)
        : width(w), height(h), colour(static_cast<std::size_t>(w) * h), alpha(colour.size())
    {
    }
    std::size_t At(int x, int y) const { return static_cast<std::size_t>(y) * width + x; }
};

// A busy picture whose channels never reach black (so every pixel casts a
// shadow and survives the colour key, also in five bits).
std::uint32_t Pattern(int x, int y, int seed = 0)
{
    const auto red = static_cast<std::uint32_t>(32 + (x * 7 + y * 3 + seed) % 224);
    const auto green = static_cast<std::uint32_t>(32 + (x * 2 + y * 5 + seed * 3) % 224);
    const auto blue = static_cast<std::uint32_t>(32 + ((x ^ y) + seed * 5) % 224);
    return red << 16 | green << 8 | blue;
}

// The canvas under the sprites: a different smooth picture.
std::uint32_t Backdrop(int x, int y)
{
    return static_cast<std::uint32_t>((x / 4) & 0xFF) << 16 | static_cast<std::uint32_t>((y / 3) & 0xFF) << 8 | 0x60;
}

// Alpha across a soft edge: `inside` is the signed distance into the shape
// in pixels; the ramp of `edge` pixels runs through every value 0 to 255.
std::uint8_t EdgeAlpha(double inside, double edge)
{
    return static_cast<std::uint8_t>(std::clamp((inside / edge + 0.5) * 255.0, 0.0, 255.0));
}

// Approximate signed distance into an ellipse centred in the art.
double InsideEllipse(const Art& art, int x, int y, double radiusX, double radiusY)
{
    const double dx = (x + 0.5 - art.width / 2.0) / radiusX;
    const double dy = (y + 0.5 - art.height / 2.0) / radiusY;
    return (1.0 - std::sqrt(dx * dx + dy * dy)) * std::min(radiusX, radiusY);
}

// Every pixel translucent.
Art TranslucentArt()
{
    Art art(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            art.colour[art.At(x, y)] = Pattern(x, y);
            art.alpha[art.At(x, y)] = 128;
        }
    return art;
}

// An opaque shape with a soft edge (half of the square for the disk), black
// and clear outside. The colour reaches past the alpha edge as real art's does.
Art ShapeArt(int width, int height, double radiusX, double radiusY, double edge, int seed)
{
    Art art(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double inside = InsideEllipse(art, x, y, radiusX, radiusY);
            art.alpha[art.At(x, y)] = EdgeAlpha(inside, edge);
            art.colour[art.At(x, y)] = inside + edge > 0 ? Pattern(x, y, seed) : 0;
        }
    return art;
}

// Disk of radius 102: 50% of 256 x 256.
Art DiskArt() { return ShapeArt(side, side, 102, 102, 3, 0); }

// Character-like art: an upright ellipse on half of the frame with an 8-pixel
// soft edge, runs of equal colours beside stretches of distinct ones.
struct PalettedArt {
    Art art{side, side}; // the palette colours, for the peer
    std::vector<std::uint8_t> index;
    std::uint8_t palette[Image::paletteSize] = {};
};

PalettedArt CharacterArt(int seed)
{
    PalettedArt result;
    for (int entry = 1; entry < Image::paletteEntries; ++entry) {
        const std::uint32_t colour = Pattern(entry * 5, entry * 3, seed);
        result.palette[entry * 4 + 0] = static_cast<std::uint8_t>(colour);
        result.palette[entry * 4 + 1] = static_cast<std::uint8_t>(colour >> 8);
        result.palette[entry * 4 + 2] = static_cast<std::uint8_t>(colour >> 16);
    }
    const Art shape = ShapeArt(side, side, 82, 127, 8, seed);
    result.art.alpha = shape.alpha;
    result.index.resize(shape.colour.size());
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const std::size_t at = shape.At(x, y);
            if (shape.colour[at] == 0)
                continue;
            const int value = x % 24 < 16 ? (x / 8) * 3 + (y / 4) * 11 : x * 13 + y * 7;
            const int entry = 1 + (value + seed) % 255;
            result.index[at] = static_cast<std::uint8_t>(entry);
            result.art.colour[at] = static_cast<std::uint32_t>(result.palette[entry * 4 + 2]) << 16 |
                                    static_cast<std::uint32_t>(result.palette[entry * 4 + 1]) << 8 | result.palette[entry * 4];
        }
    return result;
}

// ---------------------------------------------------------------------------
// Images for our sprites.

std::unique_ptr<Image> NewImage(int width, int height, int depth)
{
    auto image = std::make_unique<Image>();
    if (!image->Create(width, height, depth, true))
        std::abort();
    return image;
}

// The colours in the screen's format.
std::unique_ptr<Image> ScreenImage(const Art& art)
{
    const DirectDraw& display = DirectDraw::GetInstance();
    const int bytesPerPixel = display.GetDepth() / 8;
    auto image = NewImage(art.width, art.height, display.GetDepth());
    std::uint8_t* data = image->GetData();
    for (std::size_t at = 0; at < art.colour.size(); ++at) {
        const std::uint32_t pixel = display.ToScreenPixel(art.colour[at]);
        std::memcpy(data + at * bytesPerPixel, &pixel, static_cast<std::size_t>(bytesPerPixel));
    }
    return image;
}

std::unique_ptr<Image> EightBitImage(const std::vector<std::uint8_t>& values, int width, int height)
{
    auto image = NewImage(width, height, 8);
    std::memcpy(image->GetData(), values.data(), values.size());
    return image;
}

void PaintBackdrop(platform::DisplaySurface& canvas)
{
    const DirectDraw& display = DirectDraw::GetInstance();
    const int bytesPerPixel = canvas.BytesPerPixel();
    for (int y = 0; y < canvas.GetHeight(); ++y)
        for (int x = 0; x < canvas.GetWidth(); ++x) {
            const std::uint32_t pixel = display.ToScreenPixel(Backdrop(x, y));
            std::memcpy(canvas.GetPixels() + y * canvas.GetPitch() + x * bytesPerPixel, &pixel, static_cast<std::size_t>(bytesPerPixel));
        }
}

// ---------------------------------------------------------------------------
// SDL surfaces over the same pixels.

struct FreeSurface {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, FreeSurface>;

// The SDL format with our canvas's memory layout at a depth.
Uint32 SdlFormat(int depth)
{
    return depth == 16 ? SDL_PIXELFORMAT_RGB565 : depth == 24 ? SDL_PIXELFORMAT_BGR24 : SDL_PIXELFORMAT_RGB888;
}

SurfacePtr NewSurface(int width, int height, Uint32 format)
{
    SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, SDL_BITSPERPIXEL(format), format));
    if (!surface)
        std::abort();
    return surface;
}

// A colour 0x00RRGGBB with alpha as 0xAARRGGBB, its channels premultiplied
// by the alpha when asked (the form pixman blends from).
std::uint32_t WithAlpha(std::uint32_t colour, std::uint32_t alpha, bool premultiplied)
{
    if (!premultiplied)
        return alpha << 24 | colour;
    std::uint32_t result = alpha << 24;
    for (int shift = 0; shift < 24; shift += 8)
        result |= (((colour >> shift) & 0xFF) * alpha + 127) / 255 << shift;
    return result;
}

// ARGB8888 with the given alpha, blended when blitted.
SurfacePtr ArgbSurface(const Art& art, const std::vector<std::uint8_t>& alpha, bool premultiplied = false)
{
    SurfacePtr surface = NewSurface(art.width, art.height, SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; y < art.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < art.width; ++x)
            row[x] = WithAlpha(art.colour[art.At(x, y)], alpha[art.At(x, y)], premultiplied);
    }
    SDL_SetSurfaceBlendMode(surface.get(), SDL_BLENDMODE_BLEND);
    return surface;
}

// A copy of an image already in the screen's format.
SurfacePtr ScreenSurface(const Image& image)
{
    SurfacePtr surface = NewSurface(image.GetWidth(), image.GetHeight(), SdlFormat(image.GetDepth()));
    const std::size_t rowBytes = static_cast<std::size_t>(image.GetWidth()) * (image.GetDepth() / 8);
    for (int y = 0; y < image.GetHeight(); ++y)
        std::memcpy(static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch, image.GetData() + y * rowBytes, rowBytes);
    return surface;
}

// ---------------------------------------------------------------------------
// pixman images over the same pixels.

struct UnrefImage {
    void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};
using PixmanPtr = std::unique_ptr<pixman_image_t, UnrefImage>;

// pixman's format with our canvas's memory layout at a depth (16 bit: six
// bits of green where ours has five).
pixman_format_code_t PixmanFormat(int depth)
{
    return depth == 16 ? PIXMAN_r5g6b5 : depth == 24 ? PIXMAN_r8g8b8 : PIXMAN_x8r8g8b8;
}

// A pixman image over an SDL surface's pixels, which must outlive it.
PixmanPtr PixmanImageOver(SDL_Surface& surface, pixman_format_code_t format)
{
    PixmanPtr image(pixman_image_create_bits(format, surface.w, surface.h, static_cast<std::uint32_t*>(surface.pixels), surface.pitch));
    if (!image)
        std::abort();
    return image;
}

// An a8 mask: 255 where the screen picture is not black, 0 where it is.
SurfacePtr KeyMaskSurface(const Image& image)
{
    const int bytesPerPixel = image.GetDepth() / 8;
    SurfacePtr surface = NewSurface(image.GetWidth(), image.GetHeight(), SDL_PIXELFORMAT_INDEX8);
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x) {
            std::uint32_t pixel = 0;
            std::memcpy(&pixel, image.GetData() + (static_cast<std::size_t>(y) * image.GetWidth() + x) * bytesPerPixel,
                        static_cast<std::size_t>(bytesPerPixel));
            static_cast<std::uint8_t*>(surface->pixels)[y * surface->pitch + x] = pixel != 0 ? 255 : 0;
        }
    return surface;
}

// The RLE sprite leaves alpha below 16 out and draws above 240 solid; the
// peer gets the alpha it means, so both show the same picture.
std::vector<std::uint8_t> ThresholdedAlpha(const std::vector<std::uint8_t>& alpha)
{
    std::vector<std::uint8_t> result(alpha);
    for (auto& value : result)
        value = value < 16 ? 0 : value > 240 ? 255 : value;
    return result;
}

// ---------------------------------------------------------------------------
// The cases: our sprite and its draw, and the peer's source and rectangles.

enum class Kind { RleBlend, RleScaled, AlphaTranslucent, AlphaDisk, Shadow, KeyedBlit, Stretch };
enum class Peer { None, Blit, BlitRle, BlitScaled, SoftStretch, SoftStretchLinear, Pixman, PixmanNearest, PixmanBilinear };

bool IsPixman(Peer peer)
{
    return peer == Peer::Pixman || peer == Peer::PixmanNearest || peer == Peer::PixmanBilinear;
}

struct Scene {
    std::unique_ptr<Sprite> sprite;
    DrawInfo drawInfo;
    std::unique_ptr<Image> screenPicture; // the SDL copy is taken from this
    SurfacePtr peerSource;
    SDL_Rect peerSourceRect{};
    SDL_Rect peerDestination{};
    // pixman's source (and mask) over these surfaces' pixels; null where
    // the case has no pixman peer.
    SurfacePtr pixmanPixels;
    SurfacePtr pixmanMaskPixels;
    PixmanPtr pixmanSource;
    PixmanPtr pixmanMask;
    // pixman's destination where it differs from SDL's: the cropped frame
    // our scaled draw fills.
    std::optional<SDL_Rect> pixmanDestination;
    double Megapixels() const { return static_cast<double>(peerDestination.w) * peerDestination.h / 1e6; }
};

// Scales pixman's source as our scaled draw samples it: destination column
// i of the rectangle takes source column left + i * step (16.16). pixman
// maps the pixel centre, (i + 0.5) * step + offset, and filters from half
// a pixel before it.
void SetPixmanScale(pixman_image_t* source, int left, int top, pixman_fixed_t stepX, pixman_fixed_t stepY)
{
    pixman_transform_t transform;
    pixman_transform_init_scale(&transform, stepX, stepY);
    transform.matrix[0][2] = pixman_int_to_fixed(left) + pixman_fixed_1 / 2 - stepX / 2;
    transform.matrix[1][2] = pixman_int_to_fixed(top) + pixman_fixed_1 / 2 - stepY / 2;
    if (!pixman_image_set_transform(source, &transform))
        std::abort();
}

// Our scaled draw of a sprite's frame 0: the rectangle it fills, and the
// source step along each axis (16.16), as AnimatedRLESprite works them out.
struct ScaledFrame {
    ImageRect crop;
    SDL_Rect destination;
    pixman_fixed_t stepX;
    pixman_fixed_t stepY;
};

ScaledFrame ScaledFrameOf(const AnimatedRLESprite& sprite, int x, int y, float scale)
{
    const ImageRect crop = sprite.GetFrame(0).crop;
    const int width = crop.GetWidth();
    const int height = crop.GetHeight();
    const int left = static_cast<int>(static_cast<float>(crop.left) * scale + static_cast<float>(x));
    const int top = static_cast<int>(static_cast<float>(crop.top) * scale + static_cast<float>(y));
    const int spanX = static_cast<int>(static_cast<float>(width - 1) * scale);
    const int spanY = static_cast<int>(static_cast<float>(height - 1) * scale);
    return ScaledFrame{crop, SDL_Rect{left, top, spanX + 1, spanY + 1},
                       static_cast<pixman_fixed_t>((static_cast<std::int64_t>(width - 1) << 16) / spanX),
                       static_cast<pixman_fixed_t>((static_cast<std::int64_t>(height - 1) << 16) / spanY)};
}

constexpr int drawX = 320;
constexpr int drawY = 200;

// The character as `frames` frames of the same picture.
std::unique_ptr<AnimatedRLESprite> CharacterSprite(const PalettedArt& character, int frames = 1)
{
    std::vector<std::uint8_t> indices;
    std::vector<std::uint8_t> alphas;
    for (int frame = 0; frame < frames; ++frame) {
        indices.insert(indices.end(), character.index.begin(), character.index.end());
        alphas.insert(alphas.end(), character.art.alpha.begin(), character.art.alpha.end());
    }
    auto strip = EightBitImage(indices, side, side * frames);
    strip->SetPalette(character.palette);
    const auto alpha = EightBitImage(alphas, side, side * frames);
    auto sprite = std::make_unique<AnimatedRLESprite>();
    if (!sprite->Create(*strip, alpha.get(), frames, true))
        std::abort();
    return sprite;
}

// Needs the display open at its depth.
Scene BuildScene(Kind kind)
{
    Scene scene;
    scene.drawInfo = DrawInfo::At(drawX, drawY);
    scene.peerSourceRect = {0, 0, side, side};
    scene.peerDestination = {drawX, drawY, side, side};
    switch (kind) {
    case Kind::RleBlend:
    case Kind::RleScaled: {
        const PalettedArt character = CharacterArt(0);
        auto sprite = CharacterSprite(character);
        scene.peerSource = ArgbSurface(character.art, ThresholdedAlpha(character.art.alpha));
        scene.pixmanPixels = ArgbSurface(character.art, ThresholdedAlpha(character.art.alpha), true);
        scene.pixmanSource = PixmanImageOver(*scene.pixmanPixels, PIXMAN_a8r8g8b8);
        if (kind == Kind::RleScaled) {
            scene.drawInfo.flags |= DI_SCALE;
            scene.drawInfo.scale = smallScale;
            // Our scaled rectangle: the last pixel lands at (side - 1) * scale.
            const int scaledSide = static_cast<int>(static_cast<float>(side - 1) * smallScale) + 1;
            scene.peerDestination.w = scene.peerDestination.h = scaledSide;
            const ScaledFrame frame = ScaledFrameOf(*sprite, drawX, drawY, smallScale);
            SetPixmanScale(scene.pixmanSource.get(), frame.crop.left, frame.crop.top, frame.stepX, frame.stepY);
            scene.pixmanDestination = frame.destination;
        }
        scene.sprite = std::move(sprite);
        break;
    }
    case Kind::AlphaTranslucent:
    case Kind::AlphaDisk: {
        const Art art = kind == Kind::AlphaDisk ? DiskArt() : TranslucentArt();
        auto sprite = std::make_unique<AlphaSprite>();
        if (!sprite->Create(ScreenImage(art), EightBitImage(art.alpha, side, side), side, side, 0, 0, false))
            std::abort();
        scene.sprite = std::move(sprite);
        scene.peerSource = ArgbSurface(art, art.alpha);
        scene.pixmanPixels = ArgbSurface(art, art.alpha, true);
        scene.pixmanSource = PixmanImageOver(*scene.pixmanPixels, PIXMAN_a8r8g8b8);
        break;
    }
    case Kind::Shadow: {
        // The ellipse touches all four sides, so the mask keeps 256 x 256.
        const Art art = ShapeArt(side, side, 128, 128, 1, 0);
        auto sprite = std::make_unique<ShadowSprite>();
        if (!sprite->Create(*ScreenImage(art), side, side) || sprite->GetWidth(0) != side || sprite->GetHeight(0) != side)
            std::abort();
        scene.sprite = std::move(sprite);
        break;
    }
    case Kind::KeyedBlit: {
        scene.screenPicture = ScreenImage(DiskArt());
        auto sprite = std::make_unique<SurfaceSprite>();
        if (!sprite->Create(scene.screenPicture->Clone(), side, side, 0, 0, false))
            std::abort();
        scene.sprite = std::move(sprite);
        scene.peerSource = ScreenSurface(*scene.screenPicture);
        SDL_SetColorKey(scene.peerSource.get(), SDL_TRUE, 0);
        scene.pixmanPixels = ScreenSurface(*scene.screenPicture);
        scene.pixmanSource = PixmanImageOver(*scene.pixmanPixels, PixmanFormat(scene.screenPicture->GetDepth()));
        scene.pixmanMaskPixels = KeyMaskSurface(*scene.screenPicture);
        scene.pixmanMask = PixmanImageOver(*scene.pixmanMaskPixels, PIXMAN_a8);
        break;
    }
    case Kind::Stretch: {
        // A background-like picture without black (the peers know no colour
        // key), stretched 2x over the whole canvas.
        constexpr int width = canvasWidth / 2;
        constexpr int height = canvasHeight / 2;
        Art art(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                art.colour[art.At(x, y)] = Pattern(x, y);
        scene.screenPicture = ScreenImage(art);
        auto sprite = std::make_unique<SurfaceSprite>();
        if (!sprite->Create(scene.screenPicture->Clone(), width, height, 0, 0, false))
            std::abort();
        scene.sprite = std::move(sprite);
        scene.drawInfo = DrawInfo::At(0, 0);
        scene.drawInfo.flags |= DI_DEST_SIZE;
        scene.drawInfo.destinationWidth = canvasWidth;
        scene.drawInfo.destinationHeight = canvasHeight;
        scene.peerSource = ScreenSurface(*scene.screenPicture);
        scene.peerSourceRect = {0, 0, width, height};
        scene.peerDestination = {0, 0, canvasWidth, canvasHeight};
        break;
    }
    }
    return scene;
}

// The peer's settings for its way of drawing the scene's source.
void PreparePeer(Peer peer, const Scene& scene)
{
    if (peer == Peer::BlitRle)
        SDL_SetSurfaceRLE(scene.peerSource.get(), 1);
    if (peer == Peer::PixmanNearest || peer == Peer::PixmanBilinear)
        pixman_image_set_filter(scene.pixmanSource.get(), peer == Peer::PixmanNearest ? PIXMAN_FILTER_NEAREST : PIXMAN_FILTER_BILINEAR,
                                nullptr, 0);
}

// Where a peer draws: the canvas copy, and pixman's image over it.
struct PeerTarget {
    SDL_Surface* surface = nullptr;
    pixman_image_t* image = nullptr;
};

void DrawPeer(Peer peer, const Scene& scene, const PeerTarget& destination)
{
    if (IsPixman(peer)) {
        const SDL_Rect& target = scene.pixmanDestination ? *scene.pixmanDestination : scene.peerDestination;
        pixman_image_composite32(PIXMAN_OP_OVER, scene.pixmanSource.get(), scene.pixmanMask.get(), destination.image, 0, 0, 0, 0,
                                 target.x, target.y, target.w, target.h);
        return;
    }
    SDL_Rect source = scene.peerSourceRect;
    SDL_Rect target = scene.peerDestination;
    switch (peer) {
    case Peer::Blit:
    case Peer::BlitRle: SDL_BlitSurface(scene.peerSource.get(), &source, destination.surface, &target); break;
    case Peer::BlitScaled: SDL_BlitScaled(scene.peerSource.get(), &source, destination.surface, &target); break;
    case Peer::SoftStretch: SDL_SoftStretch(scene.peerSource.get(), &source, destination.surface, &target); break;
    case Peer::SoftStretchLinear: SDL_SoftStretchLinear(scene.peerSource.get(), &source, destination.surface, &target); break;
    default: break;
    }
}

// An SDL surface holding what the canvas holds now.
SurfacePtr CanvasCopy(int depth)
{
    const platform::DisplaySurface& canvas = Display::Canvas();
    SurfacePtr copy = NewSurface(canvasWidth, canvasHeight, SdlFormat(depth));
    for (int y = 0; y < canvasHeight; ++y)
        std::memcpy(static_cast<std::uint8_t*>(copy->pixels) + y * copy->pitch, canvas.GetPixels() + y * canvas.GetPitch(),
                    static_cast<std::size_t>(canvasWidth) * canvas.BytesPerPixel());
    return copy;
}

// Largest difference of one channel between the canvas and the peer's
// destination (channels in the format's own steps; the fourth byte of a
// 32-bit pixel is not shown and not compared).
int LargestDifference(const platform::DisplaySurface& canvas, const SDL_Surface& peer)
{
    const int bytesPerPixel = canvas.BytesPerPixel();
    int largest = 0;
    for (int y = 0; y < canvas.GetHeight(); ++y) {
        const std::uint8_t* ours = canvas.GetPixels() + y * canvas.GetPitch();
        const std::uint8_t* theirs = static_cast<const std::uint8_t*>(peer.pixels) + y * peer.pitch;
        for (int x = 0; x < canvas.GetWidth(); ++x, ours += bytesPerPixel, theirs += bytesPerPixel) {
            if (bytesPerPixel == 2) {
                std::uint16_t a, b;
                std::memcpy(&a, ours, 2);
                std::memcpy(&b, theirs, 2);
                for (const auto& [shift, mask] : {std::pair{11, 31}, std::pair{5, 63}, std::pair{0, 31}})
                    largest = std::max(largest, std::abs((a >> shift & mask) - (b >> shift & mask)));
            } else {
                for (int channel = 0; channel < 3; ++channel)
                    largest = std::max(largest, std::abs(ours[channel] - theirs[channel]));
            }
        }
    }
    return largest;
}

// The largest channel difference allowed between ours and a peer: copies
// must be exact, blends may round differently; pixman's 16-bit format has
// a sixth bit of green. Scaled, ours filters the alpha itself and then
// draws above 240 solid and leaves below 16 out, where pixman filters the
// thresholded alpha (in 7-bit weights) and blends what comes out: up to a
// sixteenth of the difference between sprite and canvas.
int Tolerance(Peer peer, int depth)
{
    switch (peer) {
    case Peer::Blit:
    case Peer::BlitRle: return 2;
    case Peer::Pixman: return depth == 16 ? 3 : 2;
    case Peer::PixmanBilinear: return depth == 16 ? 6 : 10;
    default: return 0;
    }
}

// The pixels of a peer's copy of the canvas, with pixman's image over them.
struct PeerCanvas {
    SurfacePtr surface;
    PixmanPtr image;
    explicit PeerCanvas(int depth)
        : surface(CanvasCopy(depth)), image(PixmanImageOver(*surface, PixmanFormat(depth)))
    {
    }
    PeerTarget Target() const { return PeerTarget{surface.get(), image.get()}; }
};

// Both draw onto the same backdrop; nullptr when the results agree.
// Nearest-pixel scaling is not compared with our bilinear blend, nor
// SDL_SoftStretchLinear's filter with our nearest-pixel stretch.
const char* CheckAgainstPeer(Peer peer, const Scene& scene, int depth)
{
    if (peer == Peer::None || peer == Peer::BlitScaled || peer == Peer::SoftStretchLinear || peer == Peer::PixmanNearest)
        return nullptr;
    platform::DisplaySurface& canvas = Display::Canvas();
    PaintBackdrop(canvas);
    const PeerCanvas theirs(depth);
    scene.sprite->DrawEx(scene.drawInfo);
    DrawPeer(peer, scene, theirs.Target());
    const int difference = LargestDifference(canvas, *theirs.surface);
    if (difference <= Tolerance(peer, depth))
        return nullptr;
    static std::string message;
    message = "our pixels and the peer's differ by up to " + std::to_string(difference);
    return message.c_str();
}

// The peer each case is checked against at a depth.
Peer ReferencePeer(Kind kind, int depth)
{
    switch (kind) {
    case Kind::RleBlend: return depth == 32 ? Peer::Blit : Peer::None;
    case Kind::RleScaled: return Peer::PixmanBilinear;
    case Kind::AlphaTranslucent:
    case Kind::AlphaDisk: return Peer::Pixman;
    case Kind::KeyedBlit: return Peer::Blit;
    case Kind::Stretch: return Peer::SoftStretch;
    default: return Peer::None;
    }
}

void SetRate(benchmark::State& state, double megapixels)
{
    state.counters["megapixels_per_s"] = benchmark::Counter(megapixels, benchmark::Counter::kIsIterationInvariantRate);
}

// With newFrames (run-length kinds only) each draw shows another frame than
// the one before, so that no draw finds its frame's colours worked out
// already: the character as two frames of the same picture, drawn in turn.
template <Kind kind, bool newFrames = false>
void Ours(benchmark::State& state)
{
    const int depth = static_cast<int>(state.range(0));
    Display display(depth);
    if (!display.IsReady()) {
        state.SkipWithError("the display did not open");
        return;
    }
    Scene scene = BuildScene(kind);
    PreparePeer(ReferencePeer(kind, depth), scene);
    if (const char* error = CheckAgainstPeer(ReferencePeer(kind, depth), scene, depth)) {
        state.SkipWithError(error);
        return;
    }
    if constexpr (newFrames)
        scene.sprite = CharacterSprite(CharacterArt(0), 2);
    DrawInfo drawInfo = scene.drawInfo;
    PaintBackdrop(Display::Canvas());
    for (auto _ : state) {
        if constexpr (newFrames)
            drawInfo.frame ^= 1;
        scene.sprite->DrawEx(drawInfo);
        benchmark::ClobberMemory();
    }
    SetRate(state, scene.Megapixels());
}

template <Kind kind, Peer peer>
void Theirs(benchmark::State& state)
{
    const int depth = static_cast<int>(state.range(0));
    Display display(depth); // our sprite draws the reference picture
    if (!display.IsReady()) {
        state.SkipWithError("the display did not open");
        return;
    }
    const Scene scene = BuildScene(kind);
    PreparePeer(peer, scene);
    if (const char* error = CheckAgainstPeer(peer, scene, depth)) {
        state.SkipWithError(error);
        return;
    }
    PaintBackdrop(Display::Canvas());
    const PeerCanvas destination(depth);
    for (auto _ : state) {
        DrawPeer(peer, scene, destination.Target());
        benchmark::ClobberMemory();
    }
    SetRate(state, scene.Megapixels());
}

// ---------------------------------------------------------------------------
// One adventure-like frame at 32 bit through the render list.

void Frame(benchmark::State& state)
{
    Display display(32);
    if (!display.IsReady()) {
        state.SkipWithError("the display did not open");
        return;
    }
    Art backdrop(canvasWidth, canvasHeight);
    for (int y = 0; y < canvasHeight; ++y)
        for (int x = 0; x < canvasWidth; ++x)
            backdrop.colour[backdrop.At(x, y)] = Pattern(x, y);
    SurfaceSprite background;
    if (!background.Create(ScreenImage(backdrop), canvasWidth, canvasHeight, 0, 0, false))
        std::abort();

    // The inventory bar: 100 rows with keyed-out holes.
    Art strip(canvasWidth, 100);
    for (int y = 0; y < strip.height; ++y)
        for (int x = 0; x < strip.width; ++x)
            strip.colour[strip.At(x, y)] = (x / 64 + y / 50) % 3 == 0 ? 0 : Pattern(x, y, 7);
    SurfaceSprite interfaceStrip;
    if (!interfaceStrip.Create(ScreenImage(strip), strip.width, strip.height, 0, 0, false))
        std::abort();

    constexpr int characterCount = 12;
    std::vector<std::unique_ptr<AnimatedRLESprite>> characters;
    for (int index = 0; index < characterCount; ++index)
        characters.push_back(CharacterSprite(CharacterArt(index * 17), 2));
    constexpr std::uint32_t tints[] = {0x00E0E0FF, 0x00FFD0D0, 0x00C0FFC0, 0x00F0F0F0};

    // Part of the frame only: the twelve characters drawn straight, without
    // the render list's clearing and the background and interface blits.
    const bool charactersOnly = state.range(0) != 0;
    // With new_frames:1 each character shows another frame in every
    // rendered frame (two frames of the same picture, in turn): no draw
    // finds its frame decoded already.
    const bool newFrames = state.range(1) != 0;
    int shown = 0;
    const auto drawCharacters = [&] {
        shown = newFrames ? shown ^ 1 : 0;
        for (int index = 0; index < characterCount; ++index) {
            const float scale = 0.6f + 0.1f * static_cast<float>(index % 4);
            characters[static_cast<std::size_t>(index)]->DrawScaledTinted(60 + index * 80, 420 + (index % 3) * 90, shown,
                                                                          0.1f + 0.05f * static_cast<float>(index % 3), scale,
                                                                          tints[index % 4]);
        }
    };
    RenderEngine& engine = RenderEngine::GetInstance();
    if (charactersOnly) {
        // The records DrawScaledTinted puts into the render list.
        std::vector<DrawInfo> draws;
        for (int index = 0; index < characterCount; ++index) {
            DrawInfo drawInfo;
            drawInfo.flags = DI_DEST_POS | DI_BOTTOM_CENTER | DI_SCALE | DI_TINT;
            drawInfo.destinationX = 60 + index * 80;
            drawInfo.destinationY = 420 + (index % 3) * 90;
            drawInfo.scale = 0.6f + 0.1f * static_cast<float>(index % 4);
            drawInfo.tint = tints[index % 4];
            draws.push_back(drawInfo);
        }
        PaintBackdrop(Display::Canvas());
        for (auto _ : state) {
            shown = newFrames ? shown ^ 1 : 0;
            for (int index = 0; index < characterCount; ++index) {
                draws[static_cast<std::size_t>(index)].frame = shown;
                characters[static_cast<std::size_t>(index)]->DrawEx(draws[static_cast<std::size_t>(index)]);
            }
            benchmark::ClobberMemory();
        }
    } else {
        for (auto _ : state) {
            background.DrawTopLeft(0, 0, 0, -1.0f);
            drawCharacters();
            interfaceStrip.DrawTopLeft(0, canvasHeight - strip.height, 0, 1.0f);
            engine.Render();
            engine.ClearRenderList();
            benchmark::ClobberMemory();
        }
    }
    state.counters["frames_per_s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["ms_per_frame"] =
        benchmark::Counter(1e-3, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// ---------------------------------------------------------------------------

void AllDepths(benchmark::internal::Benchmark* benchmark) { benchmark->ArgName("depth")->Arg(16)->Arg(24)->Arg(32); }
void Depths16And32(benchmark::internal::Benchmark* benchmark) { benchmark->ArgName("depth")->Arg(16)->Arg(32); }
void Depth32(benchmark::internal::Benchmark* benchmark) { benchmark->ArgName("depth")->Arg(32); }

} // namespace

BENCHMARK(Ours<Kind::RleBlend>)->Name("Sprite_RleBlend/ours")->Apply(AllDepths);
BENCHMARK(Ours<Kind::RleBlend, true>)->Name("Sprite_RleBlend/ours_new_frames")->Apply(AllDepths);
BENCHMARK(Theirs<Kind::RleBlend, Peer::Blit>)->Name("Sprite_RleBlend/SDL_Blit")->Apply(Depth32);
BENCHMARK(Theirs<Kind::RleBlend, Peer::BlitRle>)->Name("Sprite_RleBlend/SDL_BlitRLE")->Apply(Depth32);

BENCHMARK(Ours<Kind::RleScaled>)->Name("Sprite_RleScaled/ours")->Apply(AllDepths);
BENCHMARK(Ours<Kind::RleScaled, true>)->Name("Sprite_RleScaled/ours_new_frames")->Apply(AllDepths);
BENCHMARK(Theirs<Kind::RleScaled, Peer::BlitScaled>)->Name("Sprite_RleScaled/SDL_BlitScaled")->Apply(Depth32);
BENCHMARK(Theirs<Kind::RleScaled, Peer::PixmanNearest>)->Name("Sprite_RleScaled/pixman_nearest")->Apply(AllDepths);
BENCHMARK(Theirs<Kind::RleScaled, Peer::PixmanBilinear>)->Name("Sprite_RleScaled/pixman_bilinear")->Apply(AllDepths);

BENCHMARK(Ours<Kind::AlphaTranslucent>)->Name("Sprite_AlphaTranslucent/ours")->Apply(AllDepths);
BENCHMARK(Theirs<Kind::AlphaTranslucent, Peer::Blit>)->Name("Sprite_AlphaTranslucent/SDL_Blit")->Apply(Depth32);
BENCHMARK(Theirs<Kind::AlphaTranslucent, Peer::BlitRle>)->Name("Sprite_AlphaTranslucent/SDL_BlitRLE")->Apply(Depth32);
BENCHMARK(Theirs<Kind::AlphaTranslucent, Peer::Pixman>)->Name("Sprite_AlphaTranslucent/pixman")->Apply(AllDepths);

BENCHMARK(Ours<Kind::AlphaDisk>)->Name("Sprite_AlphaDisk/ours")->Apply(AllDepths);
BENCHMARK(Theirs<Kind::AlphaDisk, Peer::Blit>)->Name("Sprite_AlphaDisk/SDL_Blit")->Apply(Depth32);
BENCHMARK(Theirs<Kind::AlphaDisk, Peer::BlitRle>)->Name("Sprite_AlphaDisk/SDL_BlitRLE")->Apply(Depth32);
BENCHMARK(Theirs<Kind::AlphaDisk, Peer::Pixman>)->Name("Sprite_AlphaDisk/pixman")->Apply(AllDepths);

BENCHMARK(Ours<Kind::Shadow>)->Name("Sprite_Shadow/ours")->Apply(Depths16And32);

BENCHMARK(Ours<Kind::KeyedBlit>)->Name("Sprite_KeyedBlit/ours")->Apply(AllDepths);
BENCHMARK(Theirs<Kind::KeyedBlit, Peer::Blit>)->Name("Sprite_KeyedBlit/SDL_Blit")->Apply(AllDepths);
BENCHMARK(Theirs<Kind::KeyedBlit, Peer::Pixman>)->Name("Sprite_KeyedBlit/pixman")->Apply(AllDepths);

BENCHMARK(Ours<Kind::Stretch>)->Name("Sprite_Stretch/ours")->Apply(AllDepths);
BENCHMARK(Theirs<Kind::Stretch, Peer::SoftStretch>)->Name("Sprite_Stretch/SDL_SoftStretch")->Apply(AllDepths);
BENCHMARK(Theirs<Kind::Stretch, Peer::SoftStretchLinear>)->Name("Sprite_Stretch/SDL_SoftStretchLinear")->Apply(Depth32);

BENCHMARK(Frame)
    ->Name("Sprite_Frame/depth:32")
    ->ArgNames({"characters_only", "new_frames"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
