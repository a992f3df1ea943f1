#include "app/Debug.h"
#include "graphics/DirectDraw.h"
#include "graphics/Font.h"
#include "graphics/FontLoaderUtil.h"
#include "graphics/RenderEngine.h"
#include "graphics/SpeechBubbleDisplay.h"
#include "graphics/SpriteManager.h"
#include "graphics/TextDisplay.h"
#include "support/BitmapFiles.h"
#include "support/HeadlessTest.h"
#include "support/SurfacePixels.h"

#include <cstring>

namespace {

struct GlyphArt {
    int width;
    int top;
    int bottom;
    std::uint32_t colour = 0xFFFFFF;
};

// A font picture of the given height on magenta: the glyphs left to right,
// one empty column before each.
void WriteFontPicture(const std::string& name, int height, const std::vector<GlyphArt>& glyphs)
{
    int width = 1;
    for (const GlyphArt& glyph : glyphs)
        width += glyph.width + 1;
    std::vector<std::uint32_t> colours(static_cast<std::size_t>(width * height), 0xFF00FF);
    int x = 1;
    for (const GlyphArt& glyph : glyphs) {
        for (int column = x; column < x + glyph.width; ++column)
            for (int row = glyph.top; row <= glyph.bottom; ++row)
                colours[static_cast<std::size_t>(row * width + column)] = glyph.colour;
        x += glyph.width + 1;
    }
    WriteFile("data/fonts/" + name + ".bmp", bitmap_files::Bitmap24(width, height, colours));
}

// A sprite that writes down its draws.
class TracingSprite final : public Sprite {
public:
    explicit TracingSprite(std::vector<std::pair<std::string, DrawInfo>>* log, std::string spriteName)
        : draws(log), label(std::move(spriteName))
    {
    }
    int GetWidth(int) const override { return 128; }
    int GetHeight(int) const override { return 128; }
    int GetFullWidth() const override { return 128; }
    int GetFullHeight() const override { return 128; }
    bool IsPixelTransparent(Point, int) const override { return false; }
    void DrawEx(const DrawInfo& drawInfo) override { draws->emplace_back(label, drawInfo); }

private:
    std::vector<std::pair<std::string, DrawInfo>>* draws;
    std::string label;
};

} // namespace

class TextDisplayTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        ASSERT_TRUE(Window().Create({"Test", 1024, 768, false}));
        ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 1024, 768, 32, true));
        StartLog();
    }
    static TextDisplay& Display() { return TextDisplay::GetInstance(); }
    static std::string Log() { return ReadFile("debug.txt"); }
    // A font of four-column glyphs (advance 3 + 1), spaces of 2, lines of
    // `lineHeight`, registered under its name.
    static Font* FourColumnFont(const std::string& name, std::string_view characters, int lineHeight)
    {
        WriteFontPicture(name, lineHeight, std::vector<GlyphArt>(characters.size(), GlyphArt{4, 0, lineHeight - 1}));
        auto font = std::make_unique<Font>();
        font->SetMetrics(2, 1, lineHeight);
        EXPECT_TRUE(font->Create(name, characters));
        Font* result = font.get();
        Display().RegisterFont(name, std::move(font));
        return result;
    }
    // Words of the laid-out text as "text@x,y".
    static std::vector<std::string> Words(std::string_view text)
    {
        std::vector<std::string> words;
        for (const TextToken& token : Display().LayOut(text))
            if (token.kind == TextToken::Kind::word)
                words.push_back(token.text + "@" + std::to_string(token.x) + "," + std::to_string(token.y));
        return words;
    }
    static std::uint32_t CanvasPixel(int x, int y)
    {
        return SurfacePixel(*DirectDraw::GetInstance().GetRenderTarget(), x, y) & 0x00FFFFFF;
    }
};

TEST_F(TextDisplayTest, ScansGlyphsInCharacterOrderAndReportsOddPictures)
{
    // A: 3 columns, rows 2-8; B: one column, all rows; C: 2 columns, rows 4-5.
    WriteFontPicture("scan", 10, {{3, 2, 8}, {1, 0, 9}, {2, 4, 5}});
    Font font;
    font.SetMetrics(5, 2, 16);
    ASSERT_TRUE(font.Create("scan", "ABC"));
    EXPECT_EQ(font.GetGlyph('A').rectangle, (ImageRect{1, 2, 3, 8}));
    EXPECT_EQ(font.GetGlyph('A').offset, 2);
    EXPECT_EQ(font.GetGlyph('B').rectangle, (ImageRect{5, 0, 5, 9}));
    EXPECT_EQ(font.GetGlyph('C').rectangle, (ImageRect{7, 4, 8, 5}));
    EXPECT_FALSE(font.GetGlyph('D').defined);
    EXPECT_NE(SpriteManager::GetInstance().FindSpriteInfo("Font_scan"), nullptr);
    // Advances: right - left + spacing; one column gives the spacing alone.
    EXPECT_EQ(font.GetCharWidth('A'), 4);
    EXPECT_EQ(font.GetCharWidth('B'), 2);
    EXPECT_EQ(font.GetCharWidth(' '), 5);
    EXPECT_EQ(font.GetCharWidth('D'), 0);
    EXPECT_EQ(font.GetStringWidth("AB CD"), 4 + 2 + 5 + 3);
    EXPECT_EQ(Debug::GetInstance().GetWarningCount(), 0);

    Font shortSet;
    ASSERT_TRUE(shortSet.Create("scan", "AB"));
    EXPECT_TRUE(Contains(Log(), "***WARNING: Font::Create: Too many chars(>2) in the Font-Graphic <scan>!\n"));
    EXPECT_TRUE(shortSet.GetGlyph('B').defined);

    Font twice;
    ASSERT_TRUE(twice.Create("scan", "ABA"));
    EXPECT_TRUE(Contains(Log(), "***WARNING: Font::Create: The character <A> is double defined in the character-set!\n"));
    EXPECT_EQ(twice.GetGlyph('A').rectangle, (ImageRect{1, 2, 3, 8}));

    Font missing;
    EXPECT_FALSE(missing.Create("none", Font::characterSet));
    EXPECT_TRUE(Contains(Log(), "***ERROR: Font::Create: Failed to load image <data\\fonts\\none>!\n"));
    EXPECT_EQ(Font::characterSet.size(), 125u);
    EXPECT_EQ(Font::characterSet.find('&'), std::string_view::npos);
}

TEST_F(TextDisplayTest, DrawsEntitiesAndSkipsTheAmpersand)
{
    // a red, < green, b blue; each 2 columns wide, so each advances 1 + 2.
    WriteFontPicture("colours", 4, {{2, 1, 3, 0xFF0000}, {2, 0, 3, 0x00FF00}, {2, 0, 3, 0x0000FF}});
    auto font = std::make_unique<Font>();
    font->SetMetrics(5, 2, 4);
    ASSERT_TRUE(font->Create("colours", "a<b"));
    Display().RegisterFont("colours", std::move(font));
    ASSERT_TRUE(Display().SetFont("colours"));
    Display().SetBox(10, 20, 200, 100);

    const auto drawn = [&](std::string_view text) {
        RenderEngine::GetInstance().ClearRenderList();
        Display().DrawText(text);
        RenderEngine::GetInstance().Render();
        std::string seen;
        for (int x = 10; x < 22; ++x)
            seen += CanvasPixel(x, 22) == 0xFF0000 ? 'r' : CanvasPixel(x, 22) == 0x00FF00 ? 'g' : CanvasPixel(x, 22) == 0x0000FF ? 'b' : '.';
        return seen;
    };
    EXPECT_EQ(drawn("a&lt;b"), "rr.gg.bb....");
    EXPECT_EQ(drawn("a&b"), "rr.bb.......");
    EXPECT_EQ(drawn("b&gt;"), "bb..........");
    // The glyph's offset: a starts on its picture's row 1.
    EXPECT_EQ(CanvasPixel(10, 20), 0x0000FFu);
    drawn("a");
    EXPECT_EQ(CanvasPixel(10, 20), 0u);
    EXPECT_EQ(CanvasPixel(10, 21), 0xFF0000u);
}

TEST_F(TextDisplayTest, BreaksAndAlignsLines)
{
    FourColumnFont("small", "ab", 10);
    Display().Reset();
    ASSERT_TRUE(Display().SetFont("small"));
    Display().SetBox(100, 50, 10, 400);

    // "ab" 4 + 4, space 2: "ab ab" does not fit in 10; the second word
    // wraps and the space before it takes no room (seen with right
    // alignment: the first line ends at the box's right edge).
    EXPECT_EQ(Words("ab ab"), (std::vector<std::string>{"ab@100,50", "ab@100,60"}));
    Display().SetHAlign(HorizontalAlignment::right);
    EXPECT_EQ(Words("ab ab"), (std::vector<std::string>{"ab@102,50", "ab@102,60"}));
    EXPECT_EQ(Display().MeasureText("ab ab"), (TextRectangle{102, 50, 8, 20}));
    // Spaces at the start of a line take no room either.
    EXPECT_EQ(Words("<br>  ab"), std::vector<std::string>{"ab@102,60"});
    Display().SetHAlign(HorizontalAlignment::left);

    // Two line breaks first: two empty lines of the font's height.
    EXPECT_EQ(Words("<br><br>ab"), std::vector<std::string>{"ab@100,70"});
    // A word wider than the box stays on the first line.
    EXPECT_EQ(Words("ababab"), std::vector<std::string>{"ababab@100,50"});

    // A centre in mid-line starts a new, centred line; at the start of a
    // line it only centres.
    Display().SetBox(100, 50, 20, 400);
    EXPECT_EQ(Words("ab<center>ab</center>"), (std::vector<std::string>{"ab@100,50", "ab@106,60"}));
    EXPECT_EQ(Words("<center>ab"), std::vector<std::string>{"ab@106,50"});
    EXPECT_EQ(Words("<halign right>ab<br></halign>ab"), (std::vector<std::string>{"ab@112,50", "ab@100,60"}));
    EXPECT_EQ(Words("<halign middle>ab"), std::vector<std::string>{"ab@106,50"});
    // Closing more than was opened keeps the display's alignment.
    EXPECT_EQ(Words("</halign></center></valign></font>ab"), std::vector<std::string>{"ab@100,50"});

    // A lower font in a higher line sits at the top, the middle or the bottom.
    FourColumnFont("big", "ab", 20);
    EXPECT_EQ(Words("<font big>ab</font>ab"), (std::vector<std::string>{"ab@100,50", "ab@108,50"}));
    EXPECT_EQ(Words("<valign bottom><font big>ab</font>ab"), (std::vector<std::string>{"ab@100,50", "ab@108,60"}));
    EXPECT_EQ(Words("<valign x><font big>ab</font>ab"), (std::vector<std::string>{"ab@100,50", "ab@108,55"}));
    EXPECT_EQ(Words("<font nothing>ab</font>"), std::vector<std::string>{"ab@100,50"});
    EXPECT_TRUE(Contains(Log(), "TextDisplay::LayOut: Unknown font <nothing>!\n"));

    // Nothing to cover: the box's corner.
    EXPECT_EQ(Display().MeasureText("<br>"), (TextRectangle{100, 50, 0, 0}));
    // The text fields of the menus measure with a registered font.
    EXPECT_EQ(TextDisplay::GetWidthFunction("small")("ab a"), 4 + 4 + 2 + 4);
    EXPECT_EQ(TextDisplay::GetWidthFunction("none")("ab"), 0);
}

TEST_F(TextDisplayTest, ScansTheMarkupIntoWordsSpacesAndTags)
{
    const auto describe = [](std::string_view text) {
        std::string result;
        for (const TextToken& token : TextDisplay::ScanMarkup(text))
            result += (token.kind == TextToken::Kind::tag ? "[" + token.text + "]" : token.kind == TextToken::Kind::space ? "_" : token.text) + "|";
        return result;
    };
    EXPECT_EQ(describe("a&lt;b"), "a<b|");
    EXPECT_EQ(describe("a&b &g &gt"), "ab|_|g|_|gt|");
    EXPECT_EQ(describe("x<font menu>y z</font>"), "x|[font menu]|y|_|z|[/font]|");
    EXPECT_EQ(describe("<b&lt;r>  end<open"), "[b&lt;r]|_|_|end|");
    EXPECT_EQ(describe(""), "");
}

TEST_F(TextDisplayTest, TheDefaultFontAdvancesItsGlyphWidthPlusTwo)
{
    WriteFontPicture("defaultfont", 12, {{6, 0, 11}, {3, 2, 9}, {1, 0, 11}}); // A, B, C
    EXPECT_FALSE(FontLoaderUtil::LoadFonts()); // the other ten pictures are missing
    const Font* font = Display().GetFont("default");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->GetLineHeight(), 16);
    EXPECT_EQ(font->GetCharWidth(' '), 5);
    EXPECT_EQ(font->GetCharWidth('A'), 5 + 2);
    EXPECT_EQ(font->GetCharWidth('B'), 2 + 2);
    EXPECT_EQ(font->GetCharWidth('C'), 0 + 2);
    EXPECT_EQ(font->GetCharWidth('D'), 0);
    ASSERT_NE(Display().GetFont("speechBubbleHighlighted"), nullptr);
    EXPECT_EQ(Display().GetFont("menu")->GetSpacing(), 1);
    EXPECT_EQ(Display().GetFont("menuBig")->GetLineHeight(), 50);
    EXPECT_TRUE(Contains(Log(), "Font::Create: Failed to load image <data\\fonts\\menufont>!\n"));
}

TEST_F(TextDisplayTest, SpeechBubblesFrameTheirTextOnEitherSide)
{
    std::vector<std::pair<std::string, DrawInfo>> draws;
    for (const char* label : {"sprechblase_rect", "sprechblase_left", "sprechblase_right"})
        SpriteManager::GetInstance().RegisterSprite(label, std::make_unique<TracingSprite>(&draws, label));
    FourColumnFont("bubble", "ab", 10);
    ASSERT_TRUE(Display().SetFont("bubble"));
    // No Init: the first bubble fetches its sprites itself (it used to
    // show bare text until the registry first destroyed sprites).
    SpeechBubbleDisplay& bubble = SpeechBubbleDisplay::GetInstance();

    const auto drawBubble = [&](std::string_view text, bool leftSide) {
        draws.clear();
        RenderEngine::GetInstance().ClearRenderList();
        bubble.Draw(text, 500, 400, leftSide, "bubble");
        RenderEngine::GetInstance().Render();
    };
    const auto part = [&](std::size_t index) {
        const DrawInfo& info = draws.at(index).second;
        return std::vector<int>{info.sourceX, info.sourceY, info.sourceWidth, info.sourceHeight, info.destinationX,
                                info.destinationY};
    };

    // 30 letters: 120 x 10, so the frame is 140 x 30 with its top at
    // 400 - 30 - 28; standing left of the point, its left is 500 - 140 + 12.
    drawBubble(std::string(30, 'a'), true);
    const int left = 372, top = 342;
    ASSERT_EQ(draws.size(), 1u + 4u + 2u * 2u + 2u * 1u + 1u);
    EXPECT_EQ(draws[0].first, "sprechblase_left");
    EXPECT_EQ(draws[0].second.destinationX, 478);
    EXPECT_EQ(draws[0].second.destinationY, 369);
    EXPECT_EQ(part(1), (std::vector<int>{0, 0, 9, 9, left, top}));
    EXPECT_EQ(part(2), (std::vector<int>{119, 0, 9, 9, left + 132, top}));
    EXPECT_EQ(part(3), (std::vector<int>{119, 119, 9, 9, left + 132, top + 22}));
    EXPECT_EQ(part(4), (std::vector<int>{0, 119, 9, 9, left, top + 22}));
    // The top and bottom edges cover 124 pixels in pieces of 100 and 24.
    EXPECT_EQ(part(5), (std::vector<int>{8, 0, 101, 9, left + 8, top}));
    EXPECT_EQ(part(6), (std::vector<int>{8, 119, 101, 9, left + 8, top + 22}));
    EXPECT_EQ(part(7), (std::vector<int>{8, 0, 25, 9, left + 108, top}));
    EXPECT_EQ(part(9), (std::vector<int>{0, 8, 9, 15, left, top + 8}));
    EXPECT_EQ(part(10), (std::vector<int>{119, 8, 9, 15, left + 132, top + 8}));
    const DrawInfo& middle = draws[11].second;
    EXPECT_TRUE(middle.flags & DI_DEST_SIZE);
    EXPECT_EQ((std::vector<int>{middle.sourceX, middle.sourceWidth, middle.destinationX, middle.destinationY,
                                middle.destinationWidth, middle.destinationHeight}),
              (std::vector<int>{8, 51, left + 8, top + 8, 125, 15}));

    // A short text on the right: at least 40 wide, the tail at (x - 2, y - 31).
    drawBubble("a", false);
    EXPECT_EQ(draws[0].first, "sprechblase_right");
    EXPECT_EQ(draws[0].second.destinationX, 498);
    EXPECT_EQ(part(1), (std::vector<int>{0, 0, 9, 9, 488, 342}));
    EXPECT_EQ(part(2)[4], 488 + 60 - 8);
    // The display's settings are as before.
    EXPECT_EQ(Display().GetFontName(), "bubble");
    EXPECT_EQ(Display().GetHAlign(), HorizontalAlignment::left);

    bubble.SetEnabled(false);
    drawBubble("a", false);
    EXPECT_TRUE(draws.empty());
}
