// Every sprite kind drawn on every screen layout (16 bit 565 and 555, 24 and
// 32 bit) and compared over the whole canvas with a plain reference loop
// written here from the drawing rules: alpha thresholds, tint, 16-bit
// palette rounding, bilinear scaling, clipping at the canvas edges and to
// the band of rows 128 to 639, shadow halving.

#include "graphics/AlphaSprite.h"
#include "graphics/AnimatedRLESprite.h"
#include "graphics/DirectDraw.h"
#include "graphics/ImageUtil.h"
#include "graphics/RenderEngine.h"
#include "graphics/ShadowSprite.h"
#include "graphics/SurfaceSprite.h"
#include "support/HeadlessTest.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int canvasWidth = 1024;
constexpr int canvasHeight = 768;

struct Layout {
    const char* name;
    int depth;
    bool use555;
    // 16 bit: where each five-bit channel sits.
    int shiftR, shiftG, shiftB;
    std::uint32_t maskR, maskG, maskB;
};

constexpr Layout layouts[] = {
    {"565", 16, false, 11, 6, 0, 0xF800, 0x07E0, 0x001F},
    {"555", 16, true, 10, 5, 0, 0x7C00, 0x03E0, 0x001F},
    {"24", 24, false, 16, 8, 0, 0xFF0000, 0xFF00, 0xFF},
    {"32", 32, false, 16, 8, 0, 0xFF0000, 0xFF00, 0xFF},
};

struct Rgb {
    int r = 0, g = 0, b = 0;
};

// A small deterministic scramble for test pictures.
std::uint32_t Noise(int x, int y, int seed)
{
    std::uint32_t value = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u ^
                          static_cast<std::uint32_t>(seed) * 83492791u;
    value ^= value >> 13;
    value *= 0x5BD1E995u;
    return value ^ (value >> 15);
}

// The canvas as plain bytes, with the reference drawing rules.
class Picture {
public:
    Picture(const Layout& screenLayout, int rowPitch)
        : layout(screenLayout), bytesPerPixel(screenLayout.depth / 8), pitch(rowPitch),
          bytes(static_cast<std::size_t>(rowPitch) * canvasHeight)
    {
    }

    std::uint8_t* At(int x, int y) { return bytes.data() + static_cast<std::size_t>(y) * pitch + static_cast<std::size_t>(x) * bytesPerPixel; }

    Rgb Read(int x, int y) { return ReadPixel(layout, At(x, y)); }

    static Rgb ReadPixel(const Layout& layout, const std::uint8_t* pixel)
    {
        if (layout.depth == 16) {
            const std::uint32_t value = pixel[0] | pixel[1] << 8;
            return Rgb{static_cast<int>((value & layout.maskR) >> layout.shiftR), static_cast<int>((value & layout.maskG) >> layout.shiftG),
                       static_cast<int>((value & layout.maskB) >> layout.shiftB)};
        }
        return Rgb{pixel[2], pixel[1], pixel[0]};
    }

    // Channels in the screen's precision; the fourth byte of a 32-bit pixel stays.
    void Write(int x, int y, Rgb colour)
    {
        std::uint8_t* pixel = At(x, y);
        if (bytesPerPixel == 2) {
            const std::uint32_t value = (static_cast<std::uint32_t>(colour.r) << layout.shiftR & layout.maskR) |
                                        (static_cast<std::uint32_t>(colour.g) << layout.shiftG & layout.maskG) |
                                        (static_cast<std::uint32_t>(colour.b) << layout.shiftB & layout.maskB);
            pixel[0] = static_cast<std::uint8_t>(value);
            pixel[1] = static_cast<std::uint8_t>(value >> 8);
            return;
        }
        pixel[0] = static_cast<std::uint8_t>(colour.b);
        pixel[1] = static_cast<std::uint8_t>(colour.g);
        pixel[2] = static_cast<std::uint8_t>(colour.r);
    }

    // d + ((s - d) * a >> 8) per channel, the shift arithmetic.
    void Blend(int x, int y, Rgb source, int alpha)
    {
        const Rgb d = Read(x, y);
        Write(x, y, Rgb{d.r + (((source.r - d.r) * alpha) >> 8), d.g + (((source.g - d.g) * alpha) >> 8),
                        d.b + (((source.b - d.b) * alpha) >> 8)});
    }

    const Layout& layout;
    int bytesPerPixel;
    int pitch;
    std::vector<std::uint8_t> bytes;
};

// Paints a fixed busy picture over the canvas; drawn first in each frame so
// that the render list's clearing does not hide what a sprite blends with.
class BackdropSprite final : public Sprite {
public:
    explicit BackdropSprite(std::vector<std::uint8_t> canvasBytes) : bytes(std::move(canvasBytes)) {}
    int GetWidth(int) const override { return canvasWidth; }
    int GetHeight(int) const override { return canvasHeight; }
    int GetFullWidth() const override { return canvasWidth; }
    int GetFullHeight() const override { return canvasHeight; }
    bool IsPixelTransparent(Point, int) const override { return false; }
    void DrawEx(const DrawInfo&) override
    {
        platform::DisplaySurface* canvas = DirectDraw::GetInstance().GetRenderTarget();
        std::memcpy(canvas->GetPixels(), bytes.data(), bytes.size());
    }

private:
    std::vector<std::uint8_t> bytes;
};

struct Bounds {
    int top = 0;
    int bottom = canvasHeight - 1;
    bool Contains(int x, int y) const { return x >= 0 && x < canvasWidth && y >= top && y <= bottom; }
};

Bounds BoundsOf(bool band)
{
    return band ? Bounds{128, 639} : Bounds{};
}

// An 8-bit image with its palette (blue, green, red, fourth byte).
struct IndexedArt {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> index;
    std::uint8_t palette[Image::paletteSize] = {};

    std::uint8_t At(int x, int y) const { return index[static_cast<std::size_t>(y) * width + x]; }
    std::unique_ptr<Image> MakeImage() const
    {
        auto image = std::make_unique<Image>();
        EXPECT_TRUE(image->Create(width, height, 8, true));
        std::memcpy(image->GetData(), index.data(), index.size());
        image->SetPalette(palette);
        return image;
    }
};

} // namespace

class SpritePixelTest : public HeadlessTest {
protected:
    void Open(const Layout& layout)
    {
        Host().GetDisplay().UseFormat555(layout.use555);
        ASSERT_TRUE(Window().Create({"Test", canvasWidth, canvasHeight, true}));
        ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), canvasWidth, canvasHeight, layout.depth, true));
        platform::DisplaySurface* canvas = DirectDraw::GetInstance().GetRenderTarget();
        ASSERT_NE(canvas, nullptr);
        ASSERT_EQ(canvas->BytesPerPixel(), layout.depth / 8);
        backdrop = std::make_unique<Picture>(layout, canvas->GetPitch());
        // Random channels; the fourth byte of a 32-bit pixel is zero as the
        // program writes it.
        for (int y = 0; y < canvasHeight; ++y)
            for (int x = 0; x < canvasWidth; ++x) {
                const std::uint32_t value = Noise(x, y, 1);
                std::uint8_t* pixel = backdrop->At(x, y);
                for (int byte = 0; byte < backdrop->bytesPerPixel; ++byte)
                    pixel[byte] = byte == 3 ? 0 : static_cast<std::uint8_t>(value >> (8 * byte));
            }
        painter = std::make_unique<BackdropSprite>(backdrop->bytes);
    }

    // The sprite drawn over the backdrop through the render list, kept to
    // the band or not.
    void Draw(Sprite& sprite, DrawInfo drawInfo, bool band)
    {
        RenderEngine& engine = RenderEngine::GetInstance();
        engine.AddToRenderList(painter.get(), DrawInfo{}, -1.0f);
        drawInfo.clipToBand = band;
        engine.AddToRenderList(&sprite, drawInfo, 0.5f);
        engine.Render();
        engine.ClearRenderList();
    }

    // The canvas against the expected picture, byte for byte.
    void ExpectCanvas(const Picture& expected, const std::string& what)
    {
        const platform::DisplaySurface* canvas = DirectDraw::GetInstance().GetRenderTarget();
        const std::uint8_t* actual = canvas->GetPixels();
        int differences = 0;
        std::string first;
        for (std::size_t at = 0; at < expected.bytes.size(); ++at) {
            if (actual[at] == expected.bytes[at])
                continue;
            if (differences++ == 0) {
                const std::size_t offset = at % static_cast<std::size_t>(expected.pitch);
                first = " first at x " + std::to_string(offset / static_cast<std::size_t>(expected.bytesPerPixel)) + ", y " +
                        std::to_string(at / static_cast<std::size_t>(expected.pitch)) + ", byte " +
                        std::to_string(offset % static_cast<std::size_t>(expected.bytesPerPixel)) + ": " +
                        std::to_string(actual[at]) + " instead of " + std::to_string(expected.bytes[at]);
            }
        }
        EXPECT_EQ(differences, 0) << what << first;
    }

    Picture Expected() const { return *backdrop; }

    std::unique_ptr<Picture> backdrop;
    std::unique_ptr<BackdropSprite> painter;
};

namespace {

// ---------------------------------------------------------------------------
// Run-length sprites.

// Two frames of 45 x 31 stacked: runs and literal stretches of colours, a
// black margin for cropping, and alpha through every threshold.
struct RunLengthArt {
    static constexpr int width = 45;
    static constexpr int frameHeight = 31;
    static constexpr int frames = 2;
    IndexedArt colour;
    IndexedArt alpha;
};

RunLengthArt MakeRunLengthArt()
{
    RunLengthArt art;
    for (IndexedArt* image : {&art.colour, &art.alpha}) {
        image->width = RunLengthArt::width;
        image->height = RunLengthArt::frameHeight * RunLengthArt::frames;
        image->index.assign(static_cast<std::size_t>(image->width) * image->height, 0);
    }
    // Entry 0 black; the others never black, some near the rounding steps
    // of a 16-bit screen (3 rounds to 0, 253 to 255).
    for (int entry = 1; entry < Image::paletteEntries; ++entry) {
        const std::uint32_t value = Noise(entry, 0, 7);
        art.colour.palette[entry * 4 + 0] = static_cast<std::uint8_t>(entry % 5 == 0 ? 3 : value);
        art.colour.palette[entry * 4 + 1] = static_cast<std::uint8_t>(entry % 7 == 0 ? 253 : value >> 8);
        art.colour.palette[entry * 4 + 2] = static_cast<std::uint8_t>((value >> 16) | 1);
        art.colour.palette[entry * 4 + 3] = static_cast<std::uint8_t>(value >> 24);
    }
    // Alpha entries: grey levels, scrambled so an index is not its alpha.
    static constexpr std::uint8_t levels[] = {0, 1, 15, 16, 17, 64, 127, 128, 200, 239, 240, 241, 250, 254, 255};
    for (int entry = 0; entry < Image::paletteEntries; ++entry) {
        const std::uint8_t level = levels[(entry * 7) % std::size(levels)];
        art.alpha.palette[entry * 4 + 0] = level;
        art.alpha.palette[entry * 4 + 1] = static_cast<std::uint8_t>(255 - level);
        art.alpha.palette[entry * 4 + 2] = static_cast<std::uint8_t>(level ^ 0x55);
    }
    for (int frame = 0; frame < RunLengthArt::frames; ++frame)
        for (int y = 3 + frame; y < RunLengthArt::frameHeight - 2; ++y)
            for (int x = 4 - frame; x < RunLengthArt::width - 3; ++x) {
                const int row = frame * RunLengthArt::frameHeight + y;
                const std::size_t at = static_cast<std::size_t>(row) * RunLengthArt::width + x;
                // Runs of equal indices beside literal stretches.
                art.colour.index[at] = static_cast<std::uint8_t>(
                    x % 16 < 9 ? 1 + (x / 9 + y / 3 + frame) % 200 : 1 + Noise(x, row, 3) % 255);
                // Runs of each alpha entry beside single ones; entry 0 (alpha 0)
                // often, so whole runs are skipped.
                const int band = (x + y) / 5 % 4;
                art.alpha.index[at] = static_cast<std::uint8_t>(
                    band == 0 ? 0 : band == 1 ? (x / 3 + y) % 15 : band == 2 ? 2 * 15 - 1 : Noise(x, row, 5) % 256);
            }
    return art;
}

// A frame as decoded by the drawing rules: alpha and colour channels, the
// palette rounded for a 16-bit screen and tinted.
struct Decoded {
    int width = 0;
    int height = 0;
    std::vector<int> a, r, g, b;
    std::size_t At(int x, int y) const { return static_cast<std::size_t>(y) * width + x; }
};

Decoded DecodeReference(const RunLengthArt& art, const ImageRect& area, int frame, bool withAlpha, bool roundFor16,
                        const std::uint32_t* tint)
{
    Decoded decoded;
    decoded.width = area.GetWidth();
    decoded.height = area.GetHeight();
    const std::size_t count = static_cast<std::size_t>(decoded.width) * decoded.height;
    decoded.a.resize(count);
    decoded.r.resize(count);
    decoded.g.resize(count);
    decoded.b.resize(count);
    for (int y = 0; y < decoded.height; ++y)
        for (int x = 0; x < decoded.width; ++x) {
            const int sourceX = area.left + x;
            const int sourceY = frame * RunLengthArt::frameHeight + area.top + y;
            const std::uint8_t* entry = art.colour.palette + art.colour.At(sourceX, sourceY) * 4;
            int channels[3] = {entry[2], entry[1], entry[0]};
            const bool black = channels[0] == 0 && channels[1] == 0 && channels[2] == 0;
            for (int& channel : channels) {
                if (roundFor16 && !black)
                    channel = std::min(255, (channel + 4) & ~7);
            }
            if (tint != nullptr) {
                channels[0] = channels[0] * static_cast<int>(*tint & 0xFF) >> 8;
                channels[1] = channels[1] * static_cast<int>((*tint >> 8) & 0xFF) >> 8;
                channels[2] = channels[2] * static_cast<int>((*tint >> 16) & 0xFF) >> 8;
            }
            const std::size_t at = decoded.At(x, y);
            decoded.a[at] = withAlpha ? art.alpha.palette[art.alpha.At(sourceX, sourceY) * 4] : (black ? 0 : 255);
            decoded.r[at] = channels[0];
            decoded.g[at] = channels[1];
            decoded.b[at] = channels[2];
        }
    return decoded;
}

// The rule for one decoded pixel: below 16 nothing, above 240 written,
// between blended; channels down to five bits on a 16-bit screen.
void PutReference(Picture& picture, int x, int y, int alpha, Rgb colour)
{
    if (alpha < 16)
        return;
    if (picture.bytesPerPixel == 2)
        colour = Rgb{colour.r >> 3, colour.g >> 3, colour.b >> 3};
    if (alpha > 240)
        picture.Write(x, y, colour);
    else
        picture.Blend(x, y, colour, alpha);
}

// The bounding rectangle of a frame's non-black pixels grown by 2.
ImageRect CropOf(const RunLengthArt& art, int frame)
{
    ImageRect box{RunLengthArt::width, RunLengthArt::frameHeight, -1, -1};
    for (int y = 0; y < RunLengthArt::frameHeight; ++y)
        for (int x = 0; x < RunLengthArt::width; ++x)
            if (art.colour.At(x, frame * RunLengthArt::frameHeight + y) != 0) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return ImageRect{std::max(box.left - 2, 0), std::max(box.top - 2, 0), std::min(box.right + 2, RunLengthArt::width - 1),
                     std::min(box.bottom + 2, RunLengthArt::frameHeight - 1)};
}

struct RunLengthCase {
    const char* name;
    int frame;
    int x, y;
    unsigned flags; // on top of DI_DEST_POS
    float scale;
    bool tinted;
    bool band;
};

// Unscaled: the decoded frame placed at its corner, clipped.
void DrawRunLengthReference(Picture& picture, const Decoded& decoded, const ImageRect& crop, const DrawInfo& drawInfo,
                            int fullWidth, int fullHeight, bool band)
{
    const float scale = drawInfo.scale;
    int x = static_cast<int>(static_cast<float>(crop.left) * scale + static_cast<float>(drawInfo.destinationX));
    int y = static_cast<int>(static_cast<float>(crop.top) * scale + static_cast<float>(drawInfo.destinationY));
    if ((drawInfo.flags & DI_CENTER) != 0) {
        x = static_cast<int>(static_cast<float>(x) - static_cast<float>(fullWidth / 2) * scale);
        y = static_cast<int>(static_cast<float>(y) - static_cast<float>(fullHeight / 2) * scale);
    } else if ((drawInfo.flags & DI_BOTTOM_CENTER) != 0) {
        x = static_cast<int>(static_cast<float>(x) - static_cast<float>(fullWidth / 2) * scale);
        y = static_cast<int>(static_cast<float>(y) - static_cast<float>(fullHeight) * scale);
    }
    const Bounds bounds = BoundsOf(band);
    if (scale == 1.0f) {
        for (int row = 0; row < decoded.height; ++row)
            for (int column = 0; column < decoded.width; ++column) {
                if (!bounds.Contains(x + column, y + row))
                    continue;
                const std::size_t at = decoded.At(column, row);
                PutReference(picture, x + column, y + row, decoded.a[at], Rgb{decoded.r[at], decoded.g[at], decoded.b[at]});
            }
        return;
    }
    // Scaled: 16.16 steps from the unclipped rectangle, four neighbours
    // weighted by the fractions.
    const int right = x + static_cast<int>(static_cast<float>(decoded.width - 1) * scale);
    const int bottom = y + static_cast<int>(static_cast<float>(decoded.height - 1) * scale);
    const long long stepX = right > x ? (static_cast<long long>(decoded.width - 1) << 16) / (right - x) : 0;
    const long long stepY = bottom > y ? (static_cast<long long>(decoded.height - 1) << 16) / (bottom - y) : 0;
    const int down = picture.bytesPerPixel == 2 ? 3 : 0;
    for (int destinationY = y; destinationY <= bottom; ++destinationY)
        for (int destinationX = x; destinationX <= right; ++destinationX) {
            if (!bounds.Contains(destinationX, destinationY))
                continue;
            const long long positionX = (destinationX - x) * stepX;
            const long long positionY = (destinationY - y) * stepY;
            const int x0 = std::clamp(static_cast<int>(positionX >> 16), 0, decoded.width - 1);
            const int y0 = std::clamp(static_cast<int>(positionY >> 16), 0, decoded.height - 1);
            const int x1 = std::min(x0 + 1, decoded.width - 1);
            const int y1 = std::min(y0 + 1, decoded.height - 1);
            const unsigned long long fx = static_cast<unsigned long long>(positionX & 0xFFFF);
            const unsigned long long fy = static_cast<unsigned long long>(positionY & 0xFFFF);
            const std::size_t corners[4] = {decoded.At(x0, y0), decoded.At(x1, y0), decoded.At(x0, y1), decoded.At(x1, y1)};
            const unsigned long long weights[4] = {(65535 - fx) * (65535 - fy) >> 16, fx * (65535 - fy) >> 16,
                                                   (65535 - fx) * fy >> 16, fx * fy >> 16};
            if (decoded.a[corners[0]] == 0 && decoded.a[corners[1]] == 0 && decoded.a[corners[2]] == 0 && decoded.a[corners[3]] == 0)
                continue;
            const auto mix = [&](const std::vector<int>& channel, int shift) {
                unsigned long long sum = 0;
                for (int corner = 0; corner < 4; ++corner)
                    sum += static_cast<unsigned long long>(channel[corners[corner]] >> shift) * weights[corner];
                return static_cast<int>(sum >> 16);
            };
            const int alpha = mix(decoded.a, 0);
            if (alpha < 16)
                continue;
            const Rgb colour{mix(decoded.r, down), mix(decoded.g, down), mix(decoded.b, down)};
            if (alpha > 240)
                picture.Write(destinationX, destinationY, colour);
            else
                picture.Blend(destinationX, destinationY, colour, alpha);
        }
}

} // namespace

TEST_F(SpritePixelTest, RunLengthSpritesMatchTheReferenceOnEveryLayout)
{
    const RunLengthArt art = MakeRunLengthArt();
    const auto strip = art.colour.MakeImage();
    const auto alphaStrip = art.alpha.MakeImage();
    constexpr std::uint32_t tint = 0x0040C0F0; // blue 0x40, green 0xC0, red 0xF0
    const RunLengthCase cases[] = {
        {"inside", 0, 300, 300, 0, 1.0f, false, false},
        {"second frame, tinted", 1, 500, 200, 0, 1.0f, true, false},
        {"over the left and top edges", 0, -13, -9, 0, 1.0f, false, false},
        {"over the right and bottom edges", 1, 1000, 750, 0, 1.0f, true, false},
        {"centred across the band's top", 0, 200, 130, DI_CENTER, 1.0f, false, true},
        {"across the band's bottom", 1, 600, 625, 0, 1.0f, false, true},
        {"scaled down, tinted", 0, 400, 400, DI_BOTTOM_CENTER | DI_SCALE, 0.6f, true, false},
        {"scaled up", 1, 100, 500, DI_BOTTOM_CENTER | DI_SCALE, 1.7f, false, false},
        {"scaled over the left edge", 0, 5, 300, DI_BOTTOM_CENTER | DI_SCALE, 0.83f, false, false},
        {"scaled over the right and bottom edges", 1, 1010, 775, DI_BOTTOM_CENTER | DI_SCALE, 1.3f, true, false},
        {"scaled across the band", 0, 700, 150, DI_BOTTOM_CENTER | DI_SCALE, 1.5f, true, true},
        {"scaled across the band's bottom", 1, 300, 660, DI_BOTTOM_CENTER | DI_SCALE, 0.7f, false, true},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        TearDown();
        SetUp();
        Open(layout);
        for (const bool withAlpha : {true, false})
            for (const bool crop : {true, false}) {
                AnimatedRLESprite sprite;
                ASSERT_TRUE(sprite.Create(*strip, withAlpha ? alphaStrip.get() : nullptr, RunLengthArt::frames, crop));
                for (const RunLengthCase& test : cases) {
                    const ImageRect area = crop ? CropOf(art, test.frame)
                                                : ImageRect{0, 0, RunLengthArt::width - 1, RunLengthArt::frameHeight - 1};
                    ASSERT_EQ(sprite.GetWidth(test.frame), area.GetWidth());
                    ASSERT_EQ(sprite.GetHeight(test.frame), area.GetHeight());
                    DrawInfo drawInfo = DrawInfo::At(test.x, test.y);
                    drawInfo.flags |= test.flags | (test.tinted ? DI_TINT : 0u);
                    drawInfo.frame = test.frame;
                    drawInfo.scale = test.scale;
                    drawInfo.tint = tint;
                    Draw(sprite, drawInfo, test.band);
                    Picture expected = Expected();
                    const Decoded decoded =
                        DecodeReference(art, area, test.frame, withAlpha, layout.depth == 16, test.tinted ? &tint : nullptr);
                    DrawRunLengthReference(expected, decoded, area, drawInfo, RunLengthArt::width, RunLengthArt::frameHeight,
                                           test.band);
                    ExpectCanvas(expected, std::string(test.name) + (withAlpha ? ", alpha" : ", no alpha") +
                                               (crop ? ", cropped" : ""));
                }
            }
    }
}

// A draw keeps the colours it worked out for the frame for the next draws:
// each change of frame, tint, display depth or layout, or picture must draw
// the new pixels.
TEST_F(SpritePixelTest, RunLengthDrawsFollowEveryChangeOfWhatTheyShow)
{
    const RunLengthArt art = MakeRunLengthArt();
    const auto strip = art.colour.MakeImage();
    const auto alphaStrip = art.alpha.MakeImage();
    struct Step {
        const char* name;
        int layout;
        int frame;
        std::uint32_t tint; // 0: none
        bool reload;        // made again, without the alpha map
    };
    const Step steps[] = {
        {"first draw", 3, 0, 0, false},           {"the same again", 3, 0, 0, false},
        {"tinted", 3, 0, 0x0040C0F0, false},      {"another tint", 3, 0, 0x00F08040, false},
        {"next frame", 3, 1, 0x00F08040, false},  {"16 bit", 0, 1, 0x00F08040, false},
        {"555", 1, 1, 0x00F08040, false},         {"24 bit", 2, 1, 0x00F08040, false},
        {"made again", 2, 1, 0x00F08040, true},   {"32 bit, untinted", 3, 1, 0, false},
    };
    AnimatedRLESprite sprite;
    ASSERT_TRUE(sprite.Create(*strip, alphaStrip.get(), RunLengthArt::frames, false));
    bool withAlpha = true;
    int open = -1;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.layout != open) {
            TearDown();
            SetUp();
            Open(layouts[step.layout]);
            open = step.layout;
        }
        if (step.reload) {
            withAlpha = false;
            ASSERT_TRUE(sprite.Create(*strip, nullptr, RunLengthArt::frames, false));
        }
        const ImageRect area{0, 0, RunLengthArt::width - 1, RunLengthArt::frameHeight - 1};
        const Decoded decoded = DecodeReference(art, area, step.frame, withAlpha, layouts[step.layout].depth == 16,
                                                step.tint != 0 ? &step.tint : nullptr);
        // Scaled and unscaled draws keep their colours apart.
        for (const float scale : {0.7f, 1.0f}) {
            DrawInfo drawInfo = DrawInfo::At(300, 400);
            drawInfo.flags |= DI_BOTTOM_CENTER | DI_SCALE | (step.tint != 0 ? DI_TINT : 0u);
            drawInfo.frame = step.frame;
            drawInfo.scale = scale;
            drawInfo.tint = step.tint;
            Draw(sprite, drawInfo, false);
            Picture expected = Expected();
            DrawRunLengthReference(expected, decoded, area, drawInfo, RunLengthArt::width, RunLengthArt::frameHeight, false);
            ExpectCanvas(expected, std::string(step.name) + (scale != 1.0f ? ", scaled" : ""));
        }
    }
}

TEST_F(SpritePixelTest, ScalingFiltersAGradientBilinearly)
{
    // A smooth two-way gradient, opaque: every destination pixel is the
    // weighted mean of its four neighbours, worked out here in floating
    // point from the 16.16 positions.
    Open(layouts[3]);
    IndexedArt picture;
    picture.width = 9;
    picture.height = 6;
    picture.index.resize(54);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x) {
            const int entry = 1 + y * 9 + x;
            picture.index[static_cast<std::size_t>(y) * 9 + x] = static_cast<std::uint8_t>(entry);
            picture.palette[entry * 4 + 2] = static_cast<std::uint8_t>(10 + x * 28); // red across
            picture.palette[entry * 4 + 1] = static_cast<std::uint8_t>(20 + y * 40); // green down
            picture.palette[entry * 4 + 0] = static_cast<std::uint8_t>(60);
        }
    const auto strip = picture.MakeImage();
    AnimatedRLESprite sprite;
    ASSERT_TRUE(sprite.Create(*strip, nullptr, 1, false));
    DrawInfo drawInfo = DrawInfo::At(50, 60);
    drawInfo.flags |= DI_SCALE;
    drawInfo.scale = 2.5f; // 21 x 13 pixels; steps (8 << 16) / 20 and (5 << 16) / 12
    Draw(sprite, drawInfo, false);
    const platform::DisplaySurface* canvas = DirectDraw::GetInstance().GetRenderTarget();
    const auto red = [&](int x, int y) { return canvas->GetPixels()[y * canvas->GetPitch() + x * 4 + 2]; };
    const auto green = [&](int x, int y) { return canvas->GetPixels()[y * canvas->GetPitch() + x * 4 + 1]; };
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 21; ++x) {
            const long long positionX = x * ((8LL << 16) / 20);
            const long long positionY = y * ((5LL << 16) / 12);
            const double fx = static_cast<double>(positionX & 0xFFFF);
            const double fy = static_cast<double>(positionY & 0xFFFF);
            const int x0 = static_cast<int>(positionX >> 16);
            const int y0 = static_cast<int>(positionY >> 16);
            // Weights truncated as fractions of 65536; their sum falls a
            // little short of one, so the result lies at or just below the
            // exact blend.
            const double wx = fx / 65536.0;
            const double wy = fy / 65536.0;
            const double exactRed = (10 + x0 * 28) * (1 - wx) + (10 + std::min(x0 + 1, 8) * 28) * wx;
            const double exactGreen = (20 + y0 * 40) * (1 - wy) + (20 + std::min(y0 + 1, 5) * 40) * wy;
            EXPECT_LE(red(50 + x, 60 + y), exactRed + 1e-9) << x << ", " << y;
            EXPECT_GE(red(50 + x, 60 + y), exactRed - 2.0) << x << ", " << y;
            EXPECT_LE(green(50 + x, 60 + y), exactGreen + 1e-9) << x << ", " << y;
            EXPECT_GE(green(50 + x, 60 + y), exactGreen - 2.0) << x << ", " << y;
        }
}

TEST_F(SpritePixelTest, RunLengthSpritesTakeAlphaFromAnyFrameThatHasIt)
{
    Open(layouts[3]);
    const RunLengthArt art = MakeRunLengthArt();
    AnimatedRLESprite sprite;
    sprite.SetFullSize(RunLengthArt::width, RunLengthArt::frameHeight);
    const ImageRect whole{0, 0, RunLengthArt::width - 1, RunLengthArt::frameHeight - 1};
    for (int frame = 0; frame < 2; ++frame) {
        const ImageRect inStrip{0, frame * RunLengthArt::frameHeight, RunLengthArt::width - 1,
                                (frame + 1) * RunLengthArt::frameHeight - 1};
        auto frameImage = ImageUtil::GetInstance().CopyToNewImage(*art.colour.MakeImage(), inStrip);
        auto alphaImage = ImageUtil::GetInstance().CopyToNewImage(*art.alpha.MakeImage(), inStrip);
        ASSERT_TRUE(frameImage && alphaImage);
        ASSERT_TRUE(ImageUtil::GetInstance().RunLengthEncode(*frameImage));
        ASSERT_TRUE(ImageUtil::GetInstance().RunLengthEncode(*alphaImage));
        // The first frame comes with alpha, the second without.
        sprite.AddFrame(std::move(frameImage), frame == 0 ? std::move(alphaImage) : nullptr, whole);
    }
    EXPECT_TRUE(sprite.HasAlpha());
    DrawInfo drawInfo = DrawInfo::At(30, 40);
    Draw(sprite, drawInfo, false);
    Picture expected = Expected();
    DrawRunLengthReference(expected, DecodeReference(art, whole, 0, true, false, nullptr), whole, drawInfo, RunLengthArt::width,
                           RunLengthArt::frameHeight, false);
    ExpectCanvas(expected, "the frame with alpha");
}

// ---------------------------------------------------------------------------
// Alpha sprites.

namespace {

// A 53 x 41 picture in the screen's format with an alpha map: a disk of
// full alpha with a ragged translucent rim, clear outside, every threshold
// (0, 1, 254, 255) present.
struct AlphaArt {
    static constexpr int width = 53;
    static constexpr int height = 41;
    std::vector<std::uint8_t> colour; // screen format
    std::vector<std::uint8_t> alpha;
};

AlphaArt MakeAlphaArt(const Layout& layout)
{
    AlphaArt art;
    const int bytesPerPixel = layout.depth / 8;
    art.colour.resize(static_cast<std::size_t>(AlphaArt::width) * AlphaArt::height * bytesPerPixel);
    art.alpha.resize(static_cast<std::size_t>(AlphaArt::width) * AlphaArt::height);
    static constexpr std::uint8_t rim[] = {1, 2, 64, 127, 128, 129, 200, 254};
    for (int y = 0; y < AlphaArt::height; ++y)
        for (int x = 0; x < AlphaArt::width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * AlphaArt::width + x;
            const std::uint32_t value = Noise(x, y, 9);
            for (int byte = 0; byte < bytesPerPixel; ++byte)
                art.colour[at * bytesPerPixel + byte] = byte == 3 ? 0 : static_cast<std::uint8_t>(value >> (8 * byte));
            const int dx = x - 27;
            const int dy = y - 20;
            const int distance = dx * dx + dy * dy;
            art.alpha[at] = distance < 200 ? 255 : distance < 330 ? rim[Noise(x, y, 2) % std::size(rim)] : 0;
            if (y == 20 && x > 45)
                art.alpha[at] = static_cast<std::uint8_t>(x % 2 == 0 ? 255 : 0); // single pixels
        }
    return art;
}

std::unique_ptr<Image> ImageOf(const std::vector<std::uint8_t>& bytes, int width, int height, int depth)
{
    auto image = std::make_unique<Image>();
    EXPECT_TRUE(image->Create(width, height, depth, true));
    std::memcpy(image->GetData(), bytes.data(), bytes.size());
    return image;
}

// One way of drawing a sprite, compared against the reference: where, and
// whether the draw is clipped to the band.
struct Case {
    const char* name;
    DrawInfo drawInfo;
    bool band;
};

// Calls visit(canvas x, canvas y, picture x, picture y) for each pixel that
// a case's draw of a width x height picture puts inside its bounds: the
// part the draw names or all of it, at its position or centred there.
template <typename Visit>
void ForEachDrawn(const Case& test, int width, int height, Visit visit)
{
    const DrawInfo& drawInfo = test.drawInfo;
    const bool part = (drawInfo.flags & DI_SRC_POS) != 0;
    const bool centred = (drawInfo.flags & DI_CENTER) != 0;
    const int x = drawInfo.destinationX - (centred ? width / 2 : 0);
    const int y = drawInfo.destinationY - (centred ? height / 2 : 0);
    const Bounds bounds = BoundsOf(test.band);
    for (int row = 0; row < (part ? drawInfo.sourceHeight : height); ++row)
        for (int column = 0; column < (part ? drawInfo.sourceWidth : width); ++column)
            if (bounds.Contains(x + column, y + row))
                visit(x + column, y + row, (part ? drawInfo.sourceX : 0) + column, (part ? drawInfo.sourceY : 0) + row);
}

} // namespace

TEST_F(SpritePixelTest, AlphaSpritesMatchTheReferenceOnEveryLayout)
{
    DrawInfo part = DrawInfo::At(700, 300);
    part.flags |= DI_SRC_POS | DI_SRC_SIZE;
    part.sourceX = 5;
    part.sourceY = 7;
    part.sourceWidth = 31;
    part.sourceHeight = 20;
    DrawInfo centred = DrawInfo::At(512, 129);
    centred.flags |= DI_CENTER;
    const Case cases[] = {
        {"inside", DrawInfo::At(100, 200), false},
        {"over the left and top edges", DrawInfo::At(-17, -5), false},
        {"over the right and bottom edges", DrawInfo::At(990, 740), false},
        {"a part", part, false},
        {"centred across the band's top", centred, true},
        {"across the band's bottom", DrawInfo::At(40, 620), true},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        TearDown();
        SetUp();
        Open(layout);
        const AlphaArt art = MakeAlphaArt(layout);
        const int bytesPerPixel = layout.depth / 8;
        for (const bool crop : {false, true}) {
            AlphaSprite sprite;
            // Uncropped with a source offset of (2, 1): the stored area is
            // the full size from there.
            ASSERT_TRUE(sprite.Create(ImageOf(art.colour, AlphaArt::width, AlphaArt::height, layout.depth),
                                      ImageOf(art.alpha, AlphaArt::width, AlphaArt::height, 8), crop ? AlphaArt::width : 50,
                                      crop ? AlphaArt::height : 38, crop ? 0 : 2, crop ? 0 : 1, crop));
            // The union of the two bounding rectangles: the colour has no
            // black, so the whole picture.
            const int offsetX = crop ? 0 : 2;
            const int offsetY = crop ? 0 : 1;
            const int storedWidth = crop ? AlphaArt::width : 50;
            const int storedHeight = crop ? AlphaArt::height : 38;
            for (const Case& test : cases) {
                Draw(sprite, test.drawInfo, test.band);
                Picture expected = Expected(); // full size equals the stored size here
                ForEachDrawn(test, storedWidth, storedHeight, [&](int x, int y, int column, int row) {
                    const std::size_t at = static_cast<std::size_t>(offsetY + row) * AlphaArt::width +
                                           static_cast<std::size_t>(offsetX + column);
                    const int alpha = art.alpha[at];
                    const std::uint8_t* source = art.colour.data() + at * bytesPerPixel;
                    if (alpha == 255)
                        std::memcpy(expected.At(x, y), source, static_cast<std::size_t>(bytesPerPixel));
                    else if (alpha != 0)
                        expected.Blend(x, y, Picture::ReadPixel(layout, source), alpha);
                });
                ExpectCanvas(expected, std::string(test.name) + (crop ? ", cropped" : ""));
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Shadows.

TEST_F(SpritePixelTest, ShadowsMatchTheReferenceOnSixteenAndThirtyTwoBits)
{
    // 61 x 19 (not a whole number of mask bytes a row): stretches of shadow
    // and light longer than a byte beside single pixels.
    constexpr int width = 61;
    constexpr int height = 19;
    Image picture;
    ASSERT_TRUE(picture.Create(width, height, 24, true));
    std::vector<bool> shadow(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int stretch = (x + 3 * y) / 11 % 3;
            const bool corner = (x == 0 && y == 0) || (x == width - 1 && y == height - 1);
            const bool dark = corner || stretch == 0 || (stretch == 2 && Noise(x, y, 4) % 2 == 0);
            shadow[static_cast<std::size_t>(y) * width + x] = dark;
            // A lit pixel has a channel at zero: red only, or black.
            const std::uint8_t bgr[3] = {static_cast<std::uint8_t>(dark ? 0x40 : 0), static_cast<std::uint8_t>(dark ? 0x80 : 0),
                                         static_cast<std::uint8_t>(dark || x % 3 == 0 ? 0x90 : 0)};
            std::memcpy(picture.GetData() + (static_cast<std::size_t>(y) * width + x) * 3, bgr, 3);
        }
    // The corners are dark, so the mask keeps the whole picture.
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{width - 1, height - 1}})
        ASSERT_TRUE(shadow[static_cast<std::size_t>(y) * width + x]);

    DrawInfo part = DrawInfo::At(300, 300);
    part.flags |= DI_SRC_POS | DI_SRC_SIZE;
    part.sourceX = 3;
    part.sourceY = 2;
    part.sourceWidth = 45;
    part.sourceHeight = 13;
    const Case cases[] = {
        {"inside", DrawInfo::At(100, 200), false},
        {"over the left and top edges", DrawInfo::At(-21, -3), false},
        {"over the right and bottom edges", DrawInfo::At(980, 755), false},
        {"a part", part, false},
        {"across the band's top", DrawInfo::At(11, 120), true},
        {"across the band's bottom", DrawInfo::At(613, 630), true},
    };
    for (const Layout& layout : layouts) {
        if (layout.depth == 24)
            continue;
        SCOPED_TRACE(layout.name);
        TearDown();
        SetUp();
        Open(layout);
        ShadowSprite sprite;
        ASSERT_TRUE(sprite.Create(picture, width, height));
        ASSERT_EQ(sprite.GetWidth(0), width);
        // Halving: each channel shifted down, the bit falling in from the
        // channel above cleared.
        const std::uint32_t keep = layout.depth == 32 ? 0x7FFF7F7Fu : layout.use555 ? 0x7DEFu : 0x7BDFu;
        for (const Case& test : cases) {
            Draw(sprite, test.drawInfo, test.band);
            Picture expected = Expected();
            ForEachDrawn(test, width, height, [&](int x, int y, int column, int row) {
                if (!shadow[static_cast<std::size_t>(row) * width + column])
                    return;
                std::uint32_t pixel = 0;
                std::memcpy(&pixel, expected.At(x, y), static_cast<std::size_t>(expected.bytesPerPixel));
                pixel = (pixel >> 1) & keep;
                std::memcpy(expected.At(x, y), &pixel, static_cast<std::size_t>(expected.bytesPerPixel));
            });
            ExpectCanvas(expected, test.name);
        }
    }
}

// ---------------------------------------------------------------------------
// Surface sprites.

TEST_F(SpritePixelTest, SurfaceSpritesKeyOutBlackOnEveryLayoutAndComeBackAfterALoss)
{
    constexpr int width = 37;
    constexpr int height = 23;
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        TearDown();
        SetUp();
        Open(layout);
        const int bytesPerPixel = layout.depth / 8;
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(width) * height * bytesPerPixel);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const std::uint32_t value = (x + y) % 4 == 0 ? 0 : Noise(x, y, 11) | 1;
                for (int byte = 0; byte < bytesPerPixel; ++byte)
                    bytes[(static_cast<std::size_t>(y) * width + x) * bytesPerPixel + byte] =
                        byte == 3 ? 0 : static_cast<std::uint8_t>(value >> (8 * byte));
            }
        SurfaceSprite sprite;
        ASSERT_TRUE(sprite.Create(ImageOf(bytes, width, height, layout.depth), width, height, 0, 0, false));
        const auto expectKeyedCopy = [&](int left, int top, bool band, const char* what) {
            Picture expected = Expected();
            const Bounds bounds = BoundsOf(band);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    const std::uint8_t* source = bytes.data() + (static_cast<std::size_t>(y) * width + x) * bytesPerPixel;
                    const bool black = std::all_of(source, source + bytesPerPixel, [](std::uint8_t byte) { return byte == 0; });
                    if (!black && bounds.Contains(left + x, top + y))
                        std::memcpy(expected.At(left + x, top + y), source, static_cast<std::size_t>(bytesPerPixel));
                }
            ExpectCanvas(expected, what);
        };
        Draw(sprite, DrawInfo::At(-7, 630), true);
        expectKeyedCopy(-7, 630, true, "across the band's bottom and the left edge");
        Draw(sprite, DrawInfo::At(1000, 100), false);
        expectKeyedCopy(1000, 100, false, "over the right edge");

        // Lost: nothing is drawn until the sprite and the canvas are restored.
        Host().GetDisplay().LoseAllSurfaces();
        DirectDraw::GetInstance().SetSurfaceRestore([] {});
        Draw(sprite, DrawInfo::At(10, 10), false);
        ExpectCanvas(Expected(), "while lost");
        sprite.Restore();
        ASSERT_EQ(Host().GetDisplay().Restore(DirectDraw::GetInstance().GetRenderTarget()), DD_OK);
        Draw(sprite, DrawInfo::At(10, 10), false);
        expectKeyedCopy(10, 10, false, "after the restore");
    }
}

TEST_F(SpritePixelTest, RunLengthFramesWhosePacketsDoNotFitAreRefused)
{
    Open(layouts[3]);
    StartLog();
    // 3 x 2, the second row's literal cut off.
    auto frame = std::make_unique<Image>();
    ASSERT_TRUE(frame->Create(3, 2, 8, true));
    std::uint8_t palette[Image::paletteSize] = {};
    palette[4 + 2] = 255;
    frame->SetPalette(palette);
    const std::vector<std::uint8_t> packets = {3, 1, static_cast<std::uint8_t>(-2), 1};
    frame->SetData(packets);
    frame->SetEncoded(true, static_cast<int>(packets.size()));
    AnimatedRLESprite sprite;
    sprite.SetFullSize(3, 2);
    sprite.AddFrame(std::move(frame), nullptr, ImageRect{0, 0, 2, 1});
    for (const float scale : {1.0f, 2.0f}) {
        DrawInfo drawInfo = DrawInfo::At(10, 10);
        drawInfo.flags |= scale != 1.0f ? DI_SCALE : 0u;
        drawInfo.scale = scale;
        Draw(sprite, drawInfo, false);
        ExpectCanvas(Expected(), "nothing drawn");
    }
    const std::string log = ReadFile("debug.txt");
    const std::string refusal = "***ERROR: ImageUtil::RunLengthDecode: The encoded data of row 1 does not fit the image.\n";
    ASSERT_TRUE(Contains(log, refusal));
    EXPECT_NE(log.find(refusal, log.find(refusal) + 1), std::string::npos); // once a draw
}
