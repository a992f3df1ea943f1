#include "graphics/AlphaSprite.h"
#include "graphics/AnimatedRLESprite.h"
#include "graphics/AnimatedSprite.h"
#include "graphics/DirectDraw.h"
#include "graphics/RenderEngine.h"
#include "graphics/ShadowSprite.h"
#include "graphics/SurfaceSprite.h"
#include "support/HeadlessTest.h"
#include "support/SurfacePixels.h"

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
    std::uint32_t CanvasPixel(int x, int y) { return SurfacePixel(*Canvas(), x, y); }
    void FillCanvas(std::uint32_t pixel) { Host().GetDisplay().ColourFill(Canvas(), pixel); }
};

// Centred, cropped and edge-clipped draws of every sprite kind are compared
// with reference loops in SpritePixelTest; here the band flag, stretching
// and a draw entirely outside.
TEST_F(SpriteTest, PlacesAndClipsDraws)
{
    Open(32);
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
    const Sprite::Placement placement = Sprite::Place(stretched, 10, 10, 10, 10, {});
    EXPECT_EQ(placement.source, (ImageRect{5, 0, 9, 9}));
    EXPECT_EQ(placement.destination, (ImageRect{0, 0, 9, 19}));

    EXPECT_TRUE(Sprite::Place(DrawInfo::At(2000, 760), 10, 10, 10, 10, {}).empty);
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

// The pixels of every sprite kind on every layout are compared with
// reference loops in SpritePixelTest; here what those do not see.
TEST_F(SpriteTest, RunLengthSpritesRefuseStretchingAndReportRolloverOnce)
{
    Open(32);
    // Two frames of 4 x 2, stacked, every pixel palette entry 1.
    Image strip;
    ASSERT_TRUE(strip.Create(4, 4, 8, true));
    std::memset(strip.GetData(), 1, 16);
    AnimatedRLESprite sprite, other;
    ASSERT_TRUE(sprite.Create(strip, nullptr, 2, false));
    ASSERT_TRUE(other.Create(strip, &strip, 2, false));
    EXPECT_EQ(sprite.GetFullHeight(), 2);
    DrawInfo drawInfo = DrawInfo::At(0, 0);
    drawInfo.flags |= DI_DEST_SIZE;
    sprite.DrawEx(drawInfo);
    // Pixel rollover answers transparent and says so once per sprite, however
    // often a character under the mouse is asked.
    for (int call = 0; call < 3; ++call) {
        EXPECT_TRUE(sprite.IsPixelTransparent({1, 0}, 0));
        EXPECT_TRUE(other.IsPixelTransparent({1, 0}, 0));
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

TEST_F(SpriteTest, AlphaSpritesRefuseStretchingAndShadowsWorkOnTwentyFourBitScreens)
{
    // Blending on every layout is SpritePixelTest's; shadows are compared
    // there on 16 and 32 bits only.
    Open(24); // blue, green, red bytes at indices 0, 1, 2
    auto diffuse = std::make_unique<Image>();
    auto alpha = std::make_unique<Image>();
    ASSERT_TRUE(diffuse->Create(2, 1, 24, true));
    ASSERT_TRUE(alpha->Create(2, 1, 8, true));
    AlphaSprite sprite;
    ASSERT_TRUE(sprite.Create(std::move(diffuse), std::move(alpha), 2, 1, 0, 0, false));
    DrawInfo drawInfo = DrawInfo::At(0, 0);
    drawInfo.flags |= DI_DEST_SIZE;
    sprite.DrawEx(drawInfo);
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: Scaled blit not supported by alpha sprites.\n");

    // Shadow art as loaded from a bitmap (blue, green, red): black, grey
    // (casts a shadow), red (not all channels lit: no shadow), black.
    Image picture;
    ASSERT_TRUE(picture.Create(4, 1, 24, true));
    std::memset(picture.GetData() + 3, 0x80, 3);
    picture.GetData()[8] = 0x80;
    ShadowSprite shadow;
    ASSERT_TRUE(shadow.Create(picture, 4, 1));
    EXPECT_EQ(shadow.GetWidth(0), 2); // the bounding rectangle of what is not black
    EXPECT_FALSE(shadow.IsPixelTransparent({1, 0}, 0));
    EXPECT_TRUE(shadow.IsPixelTransparent({2, 0}, 0));
    // Over (red 201, green 77, blue 30) each byte halves to (100, 38, 15);
    // the pixels beside it, not under the shadow, keep their bytes.
    FillCanvas(0xC94D1E);
    shadow.DrawEx(DrawInfo::At(4, 0));
    EXPECT_EQ(CanvasPixel(5, 0), 0x64260Fu);
    EXPECT_EQ(CanvasPixel(4, 0), 0xC94D1Eu);
    EXPECT_EQ(CanvasPixel(6, 0), 0xC94D1Eu);
    EXPECT_EQ(ReadFile("debug.txt").find("screendepth"), std::string::npos);
}
