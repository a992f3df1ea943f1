#include "graphics/AlphaSprite.h"
#include "graphics/AnimatedRLESprite.h"
#include "graphics/AnimatedSprite.h"
#include "graphics/DirectDraw.h"
#include "graphics/RenderEngine.h"
#include "graphics/ShadowSprite.h"
#include "graphics/SurfaceSprite.h"
#include "support/HeadlessTest.h"

#include <cstring>
#include <limits>

namespace {

// A sprite that writes down its draws instead of drawing.
class TracingSprite final : public Sprite {
public:
    explicit TracingSprite(std::string spriteName, std::vector<std::string>* log)
        : calls(log)
    {
        SetName(std::move(spriteName));
    }
    int GetWidth(int) const override { return 10; }
    int GetHeight(int) const override { return 10; }
    int GetFullWidth() const override { return 10; }
    int GetFullHeight() const override { return 10; }
    bool IsPixelTransparent(Point, int) const override { return false; }
    void DrawEx(const DrawInfo& drawInfo) override
    {
        calls->push_back(GetName() + (drawInfo.clipToBand || RenderEngine::GetInstance().IsClippingToBand() ? " band" : ""));
        last = drawInfo;
    }
    DrawInfo last;

private:
    std::vector<std::string>* calls;
};

} // namespace

class SpriteTest : public HeadlessTest {
protected:
    void Open(int depth)
    {
        ASSERT_TRUE(Window().Create({"Test", 1024, 768, depth != 32}));
        ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 1024, 768, depth, true));
        StartLog();
    }
    platform::DisplaySurface* Canvas() { return DirectDraw::GetInstance().GetRenderTarget(); }
    std::uint32_t CanvasPixel(int x, int y)
    {
        std::uint32_t value = 0;
        std::memcpy(&value, Canvas()->GetPixels() + y * Canvas()->GetPitch() + x * Canvas()->BytesPerPixel(),
                    static_cast<std::size_t>(Canvas()->BytesPerPixel()));
        return value;
    }
    void SetCanvasPixel(int x, int y, std::uint32_t value)
    {
        std::memcpy(Canvas()->GetPixels() + y * Canvas()->GetPitch() + x * Canvas()->BytesPerPixel(), &value,
                    static_cast<std::size_t>(Canvas()->BytesPerPixel()));
    }
    void FillCanvas(std::uint32_t pixel) { Host().GetDisplay().ColourFill(Canvas(), pixel); }
};

TEST_F(SpriteTest, PlacesAndClipsDraws)
{
    Open(32);
    DrawInfo centred;
    centred.flags = DI_DEST_POS | DI_CENTER;
    centred.destinationX = 100;
    centred.destinationY = 50;
    // Full 40 x 30, stored 10 x 8 at crop (5, 6): 100 - 20 + 5, 50 - 15 + 6.
    Sprite::Placement placement = Sprite::Place(centred, 10, 8, 40, 30, {5, 6});
    EXPECT_EQ(placement.destination, (ImageRect{85, 41, 94, 48}));
    EXPECT_EQ(placement.source, (ImageRect{0, 0, 9, 7}));

    // Over the canvas's left edge the source loses what falls outside.
    DrawInfo topLeft = DrawInfo::At(-3, 760);
    placement = Sprite::Place(topLeft, 10, 10, 10, 10, {});
    EXPECT_EQ(placement.source, (ImageRect{3, 0, 9, 7}));
    EXPECT_EQ(placement.destination, (ImageRect{0, 760, 6, 767}));

    // Keeping to the band: y = 100 loses its rows above 128.
    RenderEngine::GetInstance().RequestClipToBand();
    std::vector<std::string> calls;
    TracingSprite band("band", &calls);
    band.DrawTopLeft(0, 100, 0, 0.0f);
    RenderEngine::GetInstance().Render();
    ASSERT_EQ(calls, std::vector<std::string>{"band band"});
    EXPECT_TRUE(band.last.clipToBand);
    RenderEngine::GetInstance().ClearRenderList();
    // Only while the draw runs.
    EXPECT_FALSE(RenderEngine::GetInstance().IsClippingToBand());

    // A stretched draw is cut proportionally: 10 source columns onto 20.
    DrawInfo stretched;
    stretched.flags = DI_SRC_POS | DI_SRC_SIZE | DI_DEST_POS | DI_DEST_SIZE;
    stretched.sourceWidth = 10;
    stretched.sourceHeight = 10;
    stretched.destinationX = -10;
    stretched.destinationY = 0;
    stretched.destinationWidth = 20;
    stretched.destinationHeight = 20;
    placement = Sprite::Place(stretched, 10, 10, 10, 10, {});
    EXPECT_EQ(placement.source, (ImageRect{5, 0, 9, 9}));
    EXPECT_EQ(placement.destination, (ImageRect{0, 0, 9, 19}));

    DrawInfo outside = topLeft;
    outside.destinationX = 2000;
    EXPECT_TRUE(Sprite::Place(outside, 10, 10, 10, 10, {}).empty);
}

TEST_F(SpriteTest, SubmitsAndRendersByDepth)
{
    Open(32);
    std::vector<std::string> calls;
    TracingSprite a("first 0.5", &calls), b("0.2", &calls), c("second 0.5", &calls), back("background", &calls),
        cursor("cursor", &calls);
    RenderEngine& engine = RenderEngine::GetInstance();
    engine.SetScreenOffset(3, -2);
    a.Draw(10, 10, 0, 0.5f);
    b.Draw(10, 10, 0, 0.2f);
    c.Draw(10, 10, 0, 0.5f);
    cursor.DrawTopLeft(0, 0, 0, 1.0f);
    back.DrawTopLeft(0, 0, 0, -1.0f);
    engine.Render();
    EXPECT_EQ(calls, (std::vector<std::string>{"background", "0.2", "first 0.5", "second 0.5", "cursor"}));
    EXPECT_EQ(cursor.last.destinationX, 3); // the screen offset
    EXPECT_EQ(cursor.last.destinationY, -2);

    // White is no tint; any other colour is.
    a.DrawScaledTinted(0, 0, 0, 0.0f, 1.0f, 0xFFFFFF);
    EXPECT_EQ(a.last.flags & (DI_TINT | DI_SCALE), 0u);
    calls.clear();
    engine.ClearRenderList();
    a.DrawScaledTinted(0, 0, 0, 0.0f, 0.5f, 0xFF80FF);
    engine.Render();
    EXPECT_EQ(a.last.flags, DI_DEST_POS | DI_BOTTOM_CENTER | DI_SCALE | DI_TINT);

    // Suspended: nothing is drawn.
    calls.clear();
    engine.SetSuspended(true);
    engine.Render();
    EXPECT_TRUE(calls.empty());
    engine.SetSuspended(false);
}

TEST_F(SpriteTest, TheCursorStaysAboveTheWipe)
{
    Open(32);
    DirectDraw& display = DirectDraw::GetInstance();
    auto white = std::make_unique<Image>();
    ASSERT_TRUE(white->Create(4, 4, 32, false));
    std::memset(white->GetData(), 0xFF, 4 * 4 * 4);
    SurfaceSprite cursor;
    ASSERT_TRUE(cursor.Create(std::move(white), 4, 4, 0, 0, false));

    FillCanvas(0x00112233); // the picture before the transition
    display.StartFade(0, true);
    RenderEngine& engine = RenderEngine::GetInstance();
    cursor.DrawTopLeft(0, 0, 0, 1.0f);
    engine.Render(); // the canvas is cleared, the wipe shows the old picture, the cursor above it
    EXPECT_EQ(CanvasPixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(CanvasPixel(10, 10), 0x00112233u);

    engine.ClearRenderList();
    cursor.DrawTopLeft(0, 0, 0, 0.5f); // not in the interface layer: the wipe covers it
    engine.Render();
    EXPECT_EQ(CanvasPixel(0, 0), 0x00112233u);
}

TEST_F(SpriteTest, SurfaceSpritesKeyOutBlackAndCropToTheirPixels)
{
    Open(32);
    // 6 x 4, black but for a 2 x 1 spot at (2, 1).
    auto image = std::make_unique<Image>();
    ASSERT_TRUE(image->Create(6, 4, 32, true));
    image->SetPixel(2, 1, 0x00FF0000);
    image->SetPixel(3, 1, 0x0000FF00);
    SurfaceSprite sprite;
    ASSERT_TRUE(sprite.Create(std::move(image), 6, 4, 0, 0, true));
    EXPECT_EQ(sprite.GetWidth(0), 2);
    EXPECT_EQ(sprite.GetHeight(0), 2); // at least 2 x 2
    EXPECT_FALSE(sprite.IsPixelTransparent({2, 1}, 0));
    EXPECT_TRUE(sprite.IsPixelTransparent({0, 0}, 0));
    EXPECT_TRUE(sprite.IsPixelTransparent({2, 2}, 0));

    FillCanvas(0x00010203);
    DrawInfo drawInfo = DrawInfo::At(100, 100);
    sprite.DrawEx(drawInfo);
    EXPECT_EQ(CanvasPixel(102, 101), 0x00FF0000u); // the crop offset is added
    EXPECT_EQ(CanvasPixel(103, 101), 0x0000FF00u);
    EXPECT_EQ(CanvasPixel(102, 102), 0x00010203u); // black keyed out
    drawInfo.flags |= DI_NO_COLORKEY;
    sprite.DrawEx(drawInfo);
    EXPECT_EQ(CanvasPixel(102, 102), 0u);

    auto black = std::make_unique<Image>();
    ASSERT_TRUE(black->Create(8, 8, 32, true));
    SurfaceSprite empty;
    ASSERT_TRUE(empty.Create(std::move(black), 8, 8, 0, 0, true));
    EXPECT_EQ(empty.GetWidth(0), 2);
    EXPECT_EQ(empty.GetHeight(0), 2);
}

TEST_F(SpriteTest, AlphaSpritesBlendInEveryDepth)
{
    Open(16); // 565
    auto diffuse = std::make_unique<Image>();
    auto alpha = std::make_unique<Image>();
    ASSERT_TRUE(diffuse->Create(3, 1, 16, true));
    ASSERT_TRUE(alpha->Create(3, 1, 8, true));
    const std::uint16_t red = 31 << 11;
    for (int x = 0; x < 3; ++x)
        std::memcpy(diffuse->GetData() + x * 2, &red, 2);
    alpha->GetData()[0] = 128;
    alpha->GetData()[1] = 0;
    alpha->GetData()[2] = 255;
    AlphaSprite sprite;
    ASSERT_TRUE(sprite.Create(std::move(diffuse), std::move(alpha), 3, 1, 0, 0, false));
    FillCanvas(0);
    SetCanvasPixel(11, 20, 0x07C0); // green 31 where alpha is 0
    DrawInfo drawInfo = DrawInfo::At(10, 20);
    sprite.DrawEx(drawInfo);
    // Red 31 at alpha 128 over black: 0 + (31 * 128 >> 8) = 15.
    EXPECT_EQ(CanvasPixel(10, 20), 15u << 11);
    EXPECT_EQ(CanvasPixel(11, 20), 0x07C0u);
    EXPECT_EQ(CanvasPixel(12, 20), static_cast<std::uint32_t>(red));

    drawInfo.flags |= DI_DEST_SIZE;
    sprite.DrawEx(drawInfo);
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: Scaled blit not supported by alpha sprites.\n");
}

TEST_F(SpriteTest, ShadowsHalveTheCanvasUnderThem)
{
    Open(16);
    // Shadow art as loaded from a bitmap: 24 bits, blue, green, red.
    Image picture;
    ASSERT_TRUE(picture.Create(4, 1, 24, true));
    const std::uint8_t grey[3] = {0x80, 0x80, 0x80}; // casts a shadow
    const std::uint8_t red[3] = {0x00, 0x00, 0x80};  // not all channels lit: no shadow
    std::memcpy(picture.GetData() + 3, grey, 3);
    std::memcpy(picture.GetData() + 6, red, 3);
    ShadowSprite shadow;
    ASSERT_TRUE(shadow.Create(picture, 4, 1));
    EXPECT_EQ(shadow.GetWidth(0), 2); // the bounding rectangle of what is not black
    EXPECT_FALSE(shadow.IsPixelTransparent({1, 0}, 0));
    EXPECT_TRUE(shadow.IsPixelTransparent({2, 0}, 0));

    // White as the program writes it on a 565 screen (the lowest green bit
    // clear): each five-bit channel 31 halves to 15.
    FillCanvas(0xFFDF);
    DrawInfo drawInfo = DrawInfo::At(0, 0);
    shadow.DrawEx(drawInfo);
    EXPECT_EQ(CanvasPixel(1, 0), 0x7BCFu);
    EXPECT_EQ(CanvasPixel(2, 0), 0xFFDFu);
    EXPECT_EQ(CanvasPixel(0, 0), 0xFFDFu);
}

TEST_F(SpriteTest, RunLengthSpritesBlendByAlphaThresholds)
{
    Open(32);
    // Two frames of 4 x 2, stacked; every pixel palette entry 1 (red).
    Image strip;
    ASSERT_TRUE(strip.Create(4, 4, 8, true));
    std::uint8_t palette[Image::paletteSize] = {};
    palette[4 * 1 + 2] = 255; // entry 1: blue 0, green 0, red 255
    strip.SetPalette(palette);
    std::memset(strip.GetData(), 1, 16);
    // The alpha strip's grey palette makes each index its own alpha.
    Image alphaStrip;
    ASSERT_TRUE(alphaStrip.Create(4, 4, 8, true));
    const std::uint8_t alphas[4] = {10, 250, 128, 0};
    for (int row = 0; row < 4; ++row)
        std::memcpy(alphaStrip.GetData() + row * 4, alphas, 4);
    AnimatedRLESprite sprite;
    ASSERT_TRUE(sprite.Create(strip, &alphaStrip, 2, false));
    EXPECT_EQ(sprite.GetFrameCount(), 2);
    EXPECT_EQ(sprite.GetFullHeight(), 2);

    FillCanvas(0x000000FF); // blue
    DrawInfo drawInfo = DrawInfo::At(0, 0, 0, 1);
    sprite.DrawEx(drawInfo);
    EXPECT_EQ(CanvasPixel(0, 0), 0x000000FFu); // alpha 10: unchanged
    EXPECT_EQ(CanvasPixel(1, 0), 0x00FF0000u); // alpha 250: replaced
    // Alpha 128: red 0 + (255 * 128 >> 8) = 127, blue 255 + (-255 * 128 >> 8) = 127.
    EXPECT_EQ(CanvasPixel(2, 1), 0x007F007Fu);
    EXPECT_EQ(CanvasPixel(3, 1), 0x000000FFu);

    // Tinted: the red multiplier 0x80 halves red.
    FillCanvas(0);
    drawInfo.flags |= DI_TINT;
    drawInfo.tint = 0x00FFFF80;
    sprite.DrawEx(drawInfo);
    EXPECT_EQ(CanvasPixel(1, 0), 0x007F0000u);

    // Scaled by 2: 7 x 3 pixels, each the weighted sum of four neighbours.
    // An opaque pixel's weights add up to 65534 / 65536, so red 255 and alpha
    // 255 come out as 254 and are written.
    Image opaqueAlpha;
    ASSERT_TRUE(opaqueAlpha.Create(4, 4, 8, true));
    std::memset(opaqueAlpha.GetData(), 255, 16);
    AnimatedRLESprite opaque;
    ASSERT_TRUE(opaque.Create(strip, &opaqueAlpha, 2, false));
    FillCanvas(0);
    DrawInfo scaled;
    scaled.flags = DI_DEST_POS | DI_SCALE;
    scaled.destinationX = 10;
    scaled.destinationY = 10;
    scaled.scale = 2.0f;
    opaque.DrawEx(scaled);
    EXPECT_EQ(CanvasPixel(10, 10), 0x00FE0000u);
    EXPECT_EQ(CanvasPixel(16, 12), 0x00FE0000u);
    EXPECT_EQ(CanvasPixel(17, 12), 0u);
    EXPECT_EQ(CanvasPixel(16, 13), 0u);

    drawInfo.flags = DI_DEST_POS | DI_DEST_SIZE;
    sprite.DrawEx(drawInfo);
    // Pixel rollover answers transparent and says so once per sprite, however
    // often a character under the mouse is asked.
    for (int call = 0; call < 3; ++call) {
        EXPECT_TRUE(sprite.IsPixelTransparent({1, 0}, 0));
        EXPECT_TRUE(opaque.IsPixelTransparent({1, 0}, 0));
    }
    const std::string rollover = "AnimatedRLESprite::IsPixelTransparent: Pixelcollision bei RLE-Sprites noch nicht implementiert!\n";
    EXPECT_EQ(ReadFile("debug.txt"), "Surface::Create width=4 height=2\n"
                                     "Surface::Create width=4 height=2\n"
                                     "***WARNING: AnimatedRLESprite::DrawEx: DI_DEST_SIZE Blit wird derzeit nicht unterst\xFCtzt!\n" +
                                         rollover + rollover);
}

TEST_F(SpriteTest, AnimatedSpritesHandEachFrameToItsSprite)
{
    Open(32);
    AnimatedSprite animation;
    animation.SetFullSize(2, 2);
    for (const std::uint32_t colour : {0x00FF0000u, 0x0000FF00u}) {
        auto image = std::make_unique<Image>();
        ASSERT_TRUE(image->Create(2, 2, 32, true));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x)
                image->SetPixel(x, y, colour);
        auto frame = std::make_unique<SurfaceSprite>();
        ASSERT_TRUE(frame->Create(std::move(image), 2, 2, 0, 0, false));
        animation.AddFrame(std::move(frame));
    }
    EXPECT_EQ(animation.GetFrameCount(), 2);
    DrawInfo drawInfo = DrawInfo::At(0, 0, 0, 1);
    animation.DrawEx(drawInfo);
    EXPECT_EQ(CanvasPixel(1, 1), 0x0000FF00u);
    drawInfo.frame = 7; // no such frame: nothing
    animation.DrawEx(drawInfo);
    EXPECT_TRUE(animation.IsPixelTransparent({0, 0}, 7));
    EXPECT_FALSE(animation.IsPixelTransparent({0, 0}, 0));
}

TEST_F(SpriteTest, ScaledCentringTruncatesOnceAndPartsMoveWithTheirCut)
{
    Open(32);
    // 27 x 2, one opaque red frame: centred at (100, 50) at half size, the
    // left edge is trunc(100 - 13 x 0.5) = 93 and the top trunc(50 - 0.5) = 49.
    Image strip;
    ASSERT_TRUE(strip.Create(27, 2, 8, true));
    std::uint8_t palette[Image::paletteSize] = {};
    palette[4 * 1 + 2] = 255;
    strip.SetPalette(palette);
    std::memset(strip.GetData(), 1, 27 * 2);
    AnimatedRLESprite sprite;
    ASSERT_TRUE(sprite.Create(strip, nullptr, 1, false));
    FillCanvas(0);
    DrawInfo centred;
    centred.flags = DI_DEST_POS | DI_CENTER | DI_SCALE;
    centred.destinationX = 100;
    centred.destinationY = 50;
    centred.scale = 0.5f;
    sprite.DrawEx(centred);
    EXPECT_EQ(CanvasPixel(93, 49), 0x00FE0000u);
    EXPECT_EQ(CanvasPixel(92, 49), 0u);
    EXPECT_EQ(CanvasPixel(93, 48), 0u);
    centred.scale = std::numeric_limits<float>::quiet_NaN(); // nothing, no fault
    sprite.DrawEx(centred);

    // A part that starts left of the stored pixels: what is cut off moves
    // the corner along.
    DrawInfo part;
    part.flags = DI_SRC_POS | DI_SRC_SIZE | DI_DEST_POS;
    part.sourceX = -2;
    part.sourceWidth = 5;
    part.sourceHeight = 5;
    part.destinationX = 10;
    part.destinationY = 10;
    const Sprite::Placement placement = Sprite::Place(part, 10, 10, 10, 10, {});
    EXPECT_EQ(placement.source, (ImageRect{0, 0, 2, 4}));
    EXPECT_EQ(placement.destination, (ImageRect{12, 10, 14, 14}));
}

TEST_F(SpriteTest, BlendsAndShadesOnTwentyFourBitScreens)
{
    Open(24); // blue, green, red bytes at indices 0, 1, 2
    auto diffuse = std::make_unique<Image>();
    auto alpha = std::make_unique<Image>();
    ASSERT_TRUE(diffuse->Create(2, 1, 24, true));
    ASSERT_TRUE(alpha->Create(2, 1, 8, true));
    const std::uint8_t pixels[6] = {0, 0, 200, 10, 20, 30}; // red 200; then a dark colour
    std::memcpy(diffuse->GetData(), pixels, 6);
    alpha->GetData()[0] = 64;
    alpha->GetData()[1] = 255;
    AlphaSprite sprite;
    ASSERT_TRUE(sprite.Create(std::move(diffuse), std::move(alpha), 2, 1, 0, 0, false));
    FillCanvas(0x646464); // grey 100
    DrawInfo drawInfo = DrawInfo::At(0, 0);
    sprite.DrawEx(drawInfo);
    // Red: 100 + ((200 - 100) * 64 >> 8) = 125; green and blue:
    // 100 + ((0 - 100) * 64 >> 8) = 100 - 25 = 75.
    EXPECT_EQ(CanvasPixel(0, 0) & 0xFFFFFF, 0x7D4B4Bu);
    EXPECT_EQ(CanvasPixel(1, 0) & 0xFFFFFF, 0x1E140Au);

    // A shadow over (red 201, green 77, blue 30) halves each byte to
    // (100, 38, 15); the pixel beside it, not under the shadow, and the
    // pixel after it in memory keep their bytes.
    Image picture;
    ASSERT_TRUE(picture.Create(2, 1, 24, true));
    std::memset(picture.GetData(), 0x80, 3); // grey: casts a shadow
    ShadowSprite shadow;
    ASSERT_TRUE(shadow.Create(picture, 2, 1));
    FillCanvas(0xC94D1E);
    shadow.DrawEx(DrawInfo::At(5, 0));
    EXPECT_EQ(CanvasPixel(5, 0), 0x64260Fu);
    EXPECT_EQ(CanvasPixel(4, 0), 0xC94D1Eu);
    EXPECT_EQ(CanvasPixel(6, 0), 0xC94D1Eu);
    EXPECT_EQ(ReadFile("debug.txt").find("screendepth"), std::string::npos);
}
