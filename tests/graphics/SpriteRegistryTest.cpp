#include "app/Debug.h"
#include "audio/AudioEvent.h"
#include "audio/Sample.h"
#include "audio/SampleManager.h"
#include "audio/SoundEngine.h"
#include "audio/SoundFiles.h"
#include "audio/Voice.h"
#include "graphics/AnimatedRLESprite.h"
#include "graphics/AnimatedSprite.h"
#include "graphics/DirectDraw.h"
#include "graphics/Font.h"
#include "graphics/LoadingScreen.h"
#include "graphics/RenderEngine.h"
#include "graphics/SpriteInfosLoaderUtil.h"
#include "graphics/SpriteLoaderUtil.h"
#include "graphics/SpriteManager.h"
#include "support/BitmapFiles.h"
#include "support/HeadlessTest.h"
#include "support/SurfacePixels.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

using bitmap_files::Bitmap24;
using bitmap_files::Bitmap8;

namespace {

struct Rgb {
    int r, g, b;
};

// Two colours whose low three bits are set: a round trip through five bits a
// channel would lose them.
constexpr Rgb first{197, 77, 33};
constexpr Rgb second{58, 127, 147};
constexpr std::uint32_t magenta = 0xFF00FF;

constexpr std::uint32_t Packed(Rgb colour)
{
    return static_cast<std::uint32_t>(colour.r) << 16 | static_cast<std::uint32_t>(colour.g) << 8 |
           static_cast<std::uint32_t>(colour.b);
}

// A colour in a depth's precision: five bits a channel at 16 bits (the
// top five, as a palette converts), eight otherwise.
Rgb InDepth(Rgb colour, int depth)
{
    return depth == 16 ? Rgb{colour.r >> 3, colour.g >> 3, colour.b >> 3} : colour;
}

// The same as a run-length sprite's palette gives it: on a 16-bit screen
// each channel is rounded to a multiple of 8 first.
Rgb RoundedInDepth(Rgb colour, int depth)
{
    if (depth != 16)
        return colour;
    const auto round = [](int channel) { return std::min(255, (channel + 4) & ~7); };
    return InDepth(Rgb{round(colour.r), round(colour.g), round(colour.b)}, depth);
}

Rgb Halved(Rgb colour)
{
    return Rgb{colour.r >> 1, colour.g >> 1, colour.b >> 1};
}

// The canvas pixel at (x, y) as channels in the screen's precision
// (565 at 16 bits, blue, green, red bytes at 24 and 32).
Rgb CanvasAt(int x, int y)
{
    const platform::DisplaySurface* canvas = DirectDraw::GetInstance().GetRenderTarget();
    const std::uint32_t value = SurfacePixel(*canvas, x, y);
    if (canvas->BytesPerPixel() == 2)
        return Rgb{static_cast<int>(value >> 11), static_cast<int>((value >> 6) & 0x1F), static_cast<int>(value & 0x1F)};
    return Rgb{static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF), static_cast<int>(value & 0xFF)};
}

void ExpectAt(int x, int y, Rgb expected, int tolerance = 0)
{
    const Rgb drawn = CanvasAt(x, y);
    EXPECT_LE(std::abs(drawn.r - expected.r), tolerance) << "red at " << x << ", " << y;
    EXPECT_LE(std::abs(drawn.g - expected.g), tolerance) << "green at " << x << ", " << y;
    EXPECT_LE(std::abs(drawn.b - expected.b), tolerance) << "blue at " << x << ", " << y;
}

} // namespace

class SpriteRegistryTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        Open(true);
    }
    void Open(bool fullScreen)
    {
        ASSERT_TRUE(Window().Create({"Test", 1024, 768, !fullScreen}));
        ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 1024, 768, 32, fullScreen));
        StartLog();
    }
    static SpriteManager& Manager() { return SpriteManager::GetInstance(); }
    static std::string Log() { return ReadFile("debug.txt"); }
    // The canvas after drawing the sprite's frame with its top left corner at
    // (x, y) on black.
    std::uint32_t DrawnPixel(Sprite& sprite, int frame, int x, int y)
    {
        RenderEngine& engine = RenderEngine::GetInstance();
        engine.ClearRenderList();
        sprite.DrawTopLeft(0, 0, frame, 0.0f);
        engine.Render();
        return SurfacePixel(*DirectDraw::GetInstance().GetRenderTarget(), x, y) & 0x00FFFFFF;
    }
    static SpriteInfo Description(const std::string& label, int type, int frameCount, const std::string& file)
    {
        SpriteInfo info;
        info.label = label;
        info.type = type;
        info.frameCount = frameCount;
        info.file = file;
        return info;
    }
};

TEST_F(SpriteRegistryTest, ListLinesBecomeDescriptionsAndOddLinesAreReported)
{
    const std::string overlong(3000, 'x');
    WriteFile("data/list.txt", "# comment anim x normx 3\n"
                               "hero_walk anim hero_walk normx 8\r\n"
                               "hero_left\tanim hero_walk flipx 8\n"
                               "hero_short anim hero_walk normx\n"
                               "door static door normx\n"
                               "fx anim_rle fx normx 3\n"
                               "alone\n"
                               "\n"
                               "zero anim x normx 0\n"
                               "part anim x normx 12abc\n"
                               "huge anim_rle x normx 99999999999\n"
                               "many anim x normx 16385\n"
                               "static static x normx extra\n"
                               "long static " +
                                   overlong + " normx\n"
                                              "last static last normx");
    ASSERT_TRUE(SpriteLoaderUtil::Load("data\\list.txt", "data\\art\\", 0.0f, 1.0f));

    const SpriteInfo* walk = Manager().FindSpriteInfo("hero_walk");
    ASSERT_NE(walk, nullptr);
    EXPECT_EQ(walk->type, SpriteInfo::typeAnimated);
    EXPECT_EQ(walk->frameCount, 8);
    EXPECT_FALSE(walk->mirrored);
    EXPECT_TRUE(walk->crop);
    EXPECT_EQ(walk->file, "data\\art\\hero_walk");
    ASSERT_NE(Manager().FindSpriteInfo("hero_left"), nullptr);
    EXPECT_TRUE(Manager().FindSpriteInfo("hero_left")->mirrored);
    EXPECT_EQ(Manager().FindSpriteInfo("door")->type, SpriteInfo::typeStatic);
    EXPECT_EQ(Manager().FindSpriteInfo("door")->frameCount, 1);
    EXPECT_EQ(Manager().FindSpriteInfo("fx")->type, SpriteInfo::typeAnimatedRLE);
    EXPECT_EQ(Manager().FindSpriteInfo("fx")->frameCount, 3);
    ASSERT_NE(Manager().FindSpriteInfo("last"), nullptr); // a last line without line feed

    for (const char* refused : {"hero_short", "alone", "zero", "part", "huge", "many", "static", "#"})
        EXPECT_EQ(Manager().FindSpriteInfo(refused), nullptr) << refused;
    const std::string log = Log();
    EXPECT_TRUE(Contains(log,
                         "***WARNING: SpriteLoaderUtil::Load: Couldn't parse line <hero_short anim hero_walk normx>!\n"));
    for (const char* line : {"zero anim x normx 0", "part anim x normx 12abc", "huge anim_rle x normx 99999999999",
                             "many anim x normx 16385", "static static x normx extra"})
        EXPECT_TRUE(Contains(log, std::string("Couldn't parse line <") + line + ">")) << line;
    // The overlong line is cut at 999 characters and reported, not split.
    EXPECT_TRUE(Contains(log, "Couldn't parse line <long static " + std::string(999 - 12, 'x') + ">"));
    EXPECT_EQ(Manager().FindSpriteInfo("long"), nullptr);
    EXPECT_EQ(CountOf(log, "Couldn't parse"), 7u);

    EXPECT_FALSE(SpriteLoaderUtil::Load("data\\missing.txt", "data\\art\\", 0.0f, 1.0f));
    EXPECT_TRUE(Contains(Log(), "***ERROR: SpriteLoaderUtil::Load: Failed to open <data\\missing.txt>!\n"));
}

TEST_F(SpriteRegistryTest, BuildsStaticSpritesMirroredOrNotAndEndsTheGameWithoutTheirArt)
{
    // A 3 x 2 picture: red at the top left, magenta (transparent) elsewhere
    // but for a near-black pixel at the bottom right.
    WriteFile("data/art/sign.bmp",
              Bitmap24(3, 2, {0xFF0000, 0xFF00FF, 0xFF00FF, 0xFF00FF, 0xFF00FF, 0x010203}));
    WriteFile("data/list.txt", "sign static sign normx\nflipped static sign flipx\nghost static nothing normx\n");
    ASSERT_TRUE(SpriteLoaderUtil::Load("data\\list.txt", "data\\art\\", 0.0f, 1.0f));

    Sprite* sign = Manager().GetSprite("sign");
    ASSERT_NE(sign, nullptr);
    EXPECT_EQ(Manager().GetSprite("sign"), sign); // built once
    EXPECT_EQ(sign->GetFullWidth(), 3);
    EXPECT_EQ(DrawnPixel(*sign, 0, 0, 0), 0xFF0000u);
    EXPECT_EQ(DrawnPixel(*sign, 0, 2, 1), 0x080808u); // lifted off black
    EXPECT_EQ(DrawnPixel(*sign, 0, 1, 0), 0u);
    Sprite* flipped = Manager().GetSprite("flipped");
    ASSERT_NE(flipped, nullptr);
    EXPECT_EQ(DrawnPixel(*flipped, 0, 2, 0), 0xFF0000u);
    EXPECT_EQ(DrawnPixel(*flipped, 0, 0, 1), 0x080808u);

    // A lost surface marks the registry; the restore refills every sprite
    // and then lets the sound engine push its volumes to the device again
    // (here a looping voice at half volume whose buffer forgot it).
    ASSERT_TRUE(SampleManager::GetInstance().Init(Window()));
    SoundEngine& engine = SoundEngine::GetInstance();
    engine.SetEnabled(true);
    WriteFile("data/hum.wav", MakeWav(22050, 1, 16, Pcm16(std::vector<std::int16_t>(2205, 1000))));
    SampleManager::GetInstance().AddSample("sample_hum", "hum.wav", soundEffectSampleFlags);
    AudioEvent hum;
    hum.sampleName = "sample_hum";
    hum.isLooping = true;
    hum.volume = 0.5f;
    engine.AddAudioEvent("hum", hum);
    Voice* voice = engine.PlayEvent("hum", false);
    voice->Start();
    engine.Update(0.02f);
    ASSERT_NE(voice->GetSample(), nullptr);
    platform::SoundBuffer* buffer = voice->GetSample()->GetBuffer();
    const auto attenuation = [buffer] {
        std::int32_t value = 1;
        buffer->GetVolume(&value);
        return value;
    };
    EXPECT_EQ(attenuation(), -602); // 2000 log10(0.5 x 100000) - 10000, truncated
    buffer->SetVolume(platform::soundVolumeMin);

    Host().GetDisplay().LoseAllSurfaces();
    DrawnPixel(*sign, 0, 0, 0);
    EXPECT_TRUE(Manager().AreSurfacesLost());
    Manager().RestoreSurfaces();
    EXPECT_FALSE(Manager().AreSurfacesLost());
    EXPECT_EQ(attenuation(), -602);
    EXPECT_EQ(DrawnPixel(*sign, 0, 0, 0), 0xFF0000u);
    buffer->SetVolume(platform::soundVolumeMin);
    Manager().RestoreSurfaces(); // nothing lost: nothing to do
    EXPECT_EQ(attenuation(), platform::soundVolumeMin);
    const std::string log = Log();
    EXPECT_TRUE(Contains(log, "Restoring surfaces.\nRestoring surfaces done.\n"));

    EXPECT_FALSE(QuitPosted());
    EXPECT_EQ(Manager().GetSprite("ghost"), nullptr);
    EXPECT_TRUE(QuitPosted());
    EXPECT_TRUE(Contains(Log(), "***ERROR: Failed to load sprite data\\art\\nothing.\n"));
    EXPECT_TRUE(Contains(Log(), "***WARNING: Failed to load sprite ghost.\n"));
    EXPECT_EQ(Manager().GetSprite("NONE"), nullptr);
    EXPECT_EQ(Manager().GetSpriteInfo("NONE"), nullptr);
    EXPECT_EQ(Manager().GetSpriteInfo("unknown"), nullptr);
    EXPECT_TRUE(Contains(Log(), "***ERROR: SpriteManager::GetSpriteInfo: Can't access SpriteInfo for label unknown.\n"));

    SpriteInfo wrong = Description("wrong", 7, 1, "data\\art\\sign");
    EXPECT_EQ(Manager().LoadSprite(wrong), nullptr);
    EXPECT_TRUE(Contains(Log(), "invalid sprite type supplied in sprite info.\n"));
    EXPECT_TRUE(QuitPosted());

    EXPECT_TRUE(Manager().UnloadSprite("sign"));
    EXPECT_FALSE(Manager().UnloadSprite("sign"));
    EXPECT_TRUE(Manager().RemoveSpriteInfo("flipped"));
    EXPECT_FALSE(Manager().IsLoaded("flipped"));
    EXPECT_FALSE(Manager().RemoveSpriteInfo("flipped"));
}

TEST_F(SpriteRegistryTest, CutsStripsIntoFramesAndPlacesFramesFromSeparateFiles)
{
    // Three frames of 2 x 2 stacked: frame i has a pixel of colour i + 1 at
    // column i % 2 of its first row; the alpha map makes frame 1 opaque.
    WriteFile("data/art/blink.bmp", Bitmap8(2, 6, {1, 0, 0, 0, 0, 2, 0, 0, 3, 0, 0, 0},
                                            {0x000000, 0x0000FF, 0x00FF00, 0xFF0000}));
    Manager().AddSpriteInfo(Description("blink", SpriteInfo::typeAnimated, 3, "data\\art\\blink"));
    auto* blink = dynamic_cast<AnimatedSprite*>(Manager().GetSprite("blink"));
    ASSERT_NE(blink, nullptr);
    EXPECT_EQ(blink->GetFrameCount(), 3);
    EXPECT_EQ(blink->GetFullHeight(), 2);
    EXPECT_EQ(DrawnPixel(*blink, 0, 0, 0), 0x0000FFu);
    EXPECT_EQ(DrawnPixel(*blink, 1, 1, 0), 0x00FF00u);
    EXPECT_EQ(DrawnPixel(*blink, 2, 0, 0), 0xFF0000u);

    // More frames than the strip has rows: refused, not divided by zero.
    Manager().AddSpriteInfo(Description("thin", SpriteInfo::typeAnimated, 7, "data\\art\\blink"));
    EXPECT_EQ(Manager().GetSprite("thin"), nullptr);

    // The room example: door01 at (10, 20), door02 at (14, 18), both 4 x 3,
    // inside the frame rectangle (10, 18) 8 x 5; a third frame file is
    // missing, which ends the list.
    std::vector<std::uint8_t> solid(12, 1);
    WriteFile("data/room/door01.bmp", Bitmap8(4, 3, solid, {0, 0x0000FF}));
    WriteFile("data/room/door02.bmp", Bitmap8(4, 3, solid, {0, 0x00FF00}));
    SpriteInfo door = Description("door", SpriteInfo::typeAnimated, 3, "data\\room\\door");
    door.framesInSeparateFiles = true;
    door.frameRectangle = {10, 18, 8, 5};
    door.frameOffsets = {{0, 2}, {4, 0}};
    Sprite* doorSprite = Manager().LoadSprite(door);
    ASSERT_NE(doorSprite, nullptr);
    EXPECT_EQ(doorSprite->GetFrameCount(), 2);
    EXPECT_EQ(doorSprite->GetFullWidth(), 8);
    EXPECT_EQ(doorSprite->GetFullHeight(), 5);
    EXPECT_EQ(DrawnPixel(*doorSprite, 0, 0, 2), 0x0000FFu);
    EXPECT_EQ(DrawnPixel(*doorSprite, 0, 3, 4), 0x0000FFu);
    EXPECT_EQ(DrawnPixel(*doorSprite, 0, 0, 1), 0u);
    EXPECT_EQ(DrawnPixel(*doorSprite, 1, 4, 0), 0x00FF00u);
    EXPECT_EQ(DrawnPixel(*doorSprite, 1, 3, 0), 0u);
    EXPECT_FALSE(QuitPosted());

    SpriteInfo gone = door;
    gone.label = "gone";
    gone.file = "data\\room\\gone";
    EXPECT_EQ(Manager().LoadSprite(gone), nullptr);
    EXPECT_TRUE(QuitPosted());
    EXPECT_TRUE(Contains(Log(), "***ERROR: Failed to load sprite data\\room\\gone01.\n"));
}

TEST_F(SpriteRegistryTest, ReadsFrameTablesAndAudioEventMapsOfAnyShape)
{
    WriteFile("data/art/walk.bmp", Bitmap8(2, 4, {1, 1, 1, 1, 1, 1, 1, 1}, {0, 0xFFFFFF}));
    WriteFile("data/art/walk.txt", "0 1\n\n2 x 1\t3.5 +2\n");
    WriteFile("data/art/walk_ae.txt", "0.5 step\n-1 start\n2 end\n0.25 two words here\nabc name\n0.75\n0.5 again\n");
    Manager().AddSpriteInfo(Description("walk", SpriteInfo::typeAnimated, 2, "data\\art\\walk"));
    ASSERT_NE(Manager().GetSprite("walk"), nullptr);
    const SpriteInfo* info = Manager().FindSpriteInfo("walk");
    EXPECT_EQ(info->frameTable, (std::vector<int>{0, 1, 2, 1, 2}));
    EXPECT_TRUE(Contains(Log(), "SpriteManager::LoadFrameTable: Skipped <x> in frame-table <data\\art\\walk.txt>!\n"));
    const std::multimap<float, std::string> events = {{-1.0f, "start"}, {0.5f, "step"}, {0.5f, "again"}, {2.0f, "end"}};
    EXPECT_EQ(info->audioEvents, events);

    // "_audioevents.txt" is preferred over "_ae.txt".
    WriteFile("data/art/walk_audioevents.txt", "0.1 first\n");
    ASSERT_NE(Manager().LoadSprite(*Manager().FindSpriteInfo("walk")), nullptr);
    EXPECT_EQ(info->audioEvents, (std::multimap<float, std::string>{{0.1f, "first"}}));
}

TEST_F(SpriteRegistryTest, RunLengthSpritesWriteTheirFileAndPreferItWhileItIsFresh)
{
    Open(false); // a window: the loader names the file it builds
    // Two 4 x 3 frames; the first has one pixel at (1, 1), so cropping with
    // the two-pixel margin keeps (0, 0)-(3, 2).
    std::vector<std::uint8_t> first(24, 0);
    first[1 * 4 + 1] = 1;
    first[5 * 4 + 3] = 1;
    WriteFile("data/art/fx.bmp", Bitmap8(4, 6, first, {0xFF00FF, 0xFFFFFF}));
    Manager().AddSpriteInfo(Description("fx", SpriteInfo::typeAnimatedRLE, 2, "data\\art\\fx"));
    Manager().FindSpriteInfo("fx")->crop = true;
    ASSERT_NE(Manager().GetSprite("fx"), nullptr);
    EXPECT_TRUE(std::filesystem::exists("data/art/fx.rle"));
    EXPECT_TRUE(Contains(Log(), "SpriteManager::LoadAnimatedRLESprite filename=data\\art\\fx\n"));
    const auto crop = [](int frame, const char* label = "fx") {
        return dynamic_cast<AnimatedRLESprite*>(SpriteManager::GetInstance().GetSprite(label))->GetFrame(frame).crop;
    };
    EXPECT_EQ(crop(1), (ImageRect{1, 0, 3, 2}));

    // The same picture mirrored keeps its own frames (frame 1's pixel at
    // column 0), and so does a description with another frame count; the
    // first file is not taken for either.
    SpriteInfo left = Description("fx_left", SpriteInfo::typeAnimatedRLE, 2, "data\\art\\fx");
    left.crop = true;
    left.mirrored = true;
    Manager().AddSpriteInfo(left);
    EXPECT_EQ(crop(1, "fx_left"), (ImageRect{0, 0, 2, 2}));
    EXPECT_TRUE(std::filesystem::exists("data/art/fx.mirrored.rle"));
    Manager().AddSpriteInfo(Description("fx_whole", SpriteInfo::typeAnimatedRLE, 1, "data\\art\\fx"));
    ASSERT_NE(Manager().GetSprite("fx_whole"), nullptr);
    EXPECT_EQ(Manager().GetSprite("fx_whole")->GetFrameCount(), 1);
    EXPECT_EQ(Manager().GetSprite("fx_whole")->GetFullHeight(), 6);
    Manager().UnloadSprite("fx");
    Manager().UnloadSprite("fx_left");
    EXPECT_EQ(crop(1), (ImageRect{1, 0, 3, 2}));
    EXPECT_EQ(crop(1, "fx_left"), (ImageRect{0, 0, 2, 2}));

    // When the file is fresh or stale, by the bitmap's time and the alpha
    // map, is RleFileTest's business; here only that a fresh file is taken.
    std::vector<std::uint8_t> second(24, 0);
    second[3 * 4 + 0] = 1;
    const auto written = std::filesystem::last_write_time("data/art/fx.bmp");
    WriteFile("data/art/fx.bmp", Bitmap8(4, 6, second, {0xFF00FF, 0xFFFFFF}));
    std::filesystem::last_write_time("data/art/fx.bmp", written);
    Manager().UnloadSprite("fx");
    EXPECT_EQ(crop(1), (ImageRect{1, 0, 3, 2}));

    // Art that is not 8 bit ends the game with the German message.
    WriteFile("data/art/deep.bmp", Bitmap24(2, 2, {1, 2, 3, 4}));
    Manager().AddSpriteInfo(Description("deep", SpriteInfo::typeAnimatedRLE, 1, "data\\art\\deep"));
    EXPECT_EQ(Manager().GetSprite("deep"), nullptr);
    EXPECT_TRUE(QuitPosted());
    ASSERT_FALSE(Host().GetMessageBoxes().empty());
    EXPECT_TRUE(Contains(Host().GetMessageBoxes().back().second, "<data\\art\\deep> ist nicht 8Bit!"));
}

TEST_F(SpriteRegistryTest, TheLoadingScreenShowsTheLoadingSpriteWhenThereIsOne)
{
    LoadingScreen::GetInstance().Begin(); // no "loading" description: no picture, no complaint
    LoadingScreen::GetInstance().End();
    EXPECT_EQ(Debug::GetInstance().GetErrorCount() + Debug::GetInstance().GetWarningCount(), 0);

    WriteFile("data/art/loading.bmp", Bitmap24(2, 2, {0x00A0B0, 0x00A0B0, 0x00A0B0, 0x00A0B0}));
    Manager().AddSpriteInfo(Description("loading", SpriteInfo::typeStatic, 1, "data\\art\\loading"));
    LoadingScreen::GetInstance().Begin();
    EXPECT_EQ(SurfacePixel(*DirectDraw::GetInstance().GetRenderTarget(), 1, 1) & 0x00FFFFFF, 0x00A0B0u);
    LoadingScreen::GetInstance().End();
}

TEST_F(SpriteRegistryTest, ReadsTheRoomsSpriteInfoFile)
{
    WriteFile("data/room/spriteinfos.txt", "\"door01\" 10 20 40 60\n"
                                           "\"door02\"\t14 18 40 60 trailing words\n"
                                           "\"lamp\" 1 1 1 1\n"
                                           "\"lamp\" 100 50 30 30\n"
                                           "no quote 1 2 3 4\n"
                                           "\"open 1 2 3 4\n"
                                           "\"short\" 1 2 3\n"
                                           "\"word\" 1 2 x 4\n"
                                           "\"\" 1 2 3 4\n"
                                           "\"big\" 1 2 3 99999999999\n");
    SpriteInfosLoaderUtil::SpriteInfos infos;
    ASSERT_TRUE(SpriteInfosLoaderUtil::LoadSpriteInfos("data\\room\\spriteinfos.txt", infos));
    const SpriteInfosLoaderUtil::SpriteInfos expected = {
        {"door01", {10, 20, 40, 60}}, {"door02", {14, 18, 40, 60}}, {"lamp", {100, 50, 30, 30}}};
    EXPECT_EQ(infos, expected);
    EXPECT_EQ(Debug::GetInstance().GetWarningCount(), 4);

    EXPECT_FALSE(SpriteInfosLoaderUtil::LoadSpriteInfos("data\\room\\none.txt", infos));
    EXPECT_TRUE(Contains(Log(),
                         "***ERROR: SpriteInfosLoaderUtil::LoadSpriteInfos: Failed to open sprite info file "
                         "<data\\room\\none.txt>!\n"));
}

// Changing the display's depth while the game runs (the options page offers
// 16, 24 and 32 bits): every sprite and font loaded before draws with the
// right pixels in the new depth.
TEST_F(SpriteRegistryTest, EverySpriteKindAndFontDrawsInANewDisplayDepth)
{
    const std::vector<std::uint32_t> palette = {magenta, Packed(first), Packed(second)};
    WriteFile("data/art/sign.bmp", Bitmap8(2, 1, {1, 2}, palette));
    WriteFile("data/art/photo.bmp", Bitmap24(2, 1, {Packed(first), Packed(second)}));
    WriteFile("data/art/glow.bmp", Bitmap8(2, 1, {1, 2}, palette));
    WriteFile("data/art/glowAlpha.bmp", Bitmap8(2, 1, {0, 1}, {0xFFFFFF, 0x808080})); // alpha 255, 128
    WriteFile("data/art/blink.bmp", Bitmap8(2, 2, {1, 2, 2, 1}, palette));
    WriteFile("data/art/fx.bmp", Bitmap8(2, 1, {1, 2}, palette));
    WriteFile("data/art/shade.bmp", Bitmap24(1, 1, {0x808080}));
    WriteFile("data/fonts/testfont.bmp", Bitmap8(2, 2, {1, 1, 1, 1}, palette));
    WriteFile("data/sprites.txt", "sign static sign normx\n"
                                  "photo static photo normx\n"
                                  "glow static glow normx\n"
                                  "blink anim blink normx 2\n"
                                  "fx anim_rle fx normx 1\n");
    ASSERT_TRUE(SpriteLoaderUtil::Load("data\\sprites.txt", "data\\art\\", 0.0f, 1.0f));
    SpriteManager& manager = Manager();
    manager.AddSpriteInfo(Description("shade", SpriteInfo::typeShadow, 1, "data\\art\\shade"));
    Font font;
    ASSERT_TRUE(font.Create("testfont", Font::characterSet));
    for (const char* label : {"sign", "photo", "glow", "blink", "fx", "shade"})
        ASSERT_NE(manager.GetSprite(label), nullptr) << label;

    for (const int depth : {32, 16, 24, 32}) {
        SCOPED_TRACE(depth);
        DirectDraw::GetInstance().ChangeDisplayMode(1024, 768, depth);
        manager.RestoreSurfaces(); // as the frame loop does before drawing
        ASSERT_EQ(DirectDraw::GetInstance().GetDepth(), depth);

        RenderEngine& engine = RenderEngine::GetInstance();
        engine.ClearRenderList();
        manager.GetSprite("sign")->DrawTopLeft(10, 10, 0, 0.0f);
        manager.GetSprite("photo")->DrawTopLeft(20, 10, 0, 0.0f);
        manager.GetSprite("glow")->DrawTopLeft(30, 10, 0, 0.0f);
        manager.GetSprite("blink")->DrawTopLeft(40, 10, 1, 0.0f);
        manager.GetSprite("fx")->DrawTopLeft(50, 10, 0, 0.0f);
        manager.GetSprite("sign")->DrawTopLeft(60, 10, 0, 0.0f);
        manager.GetSprite("shade")->DrawTopLeft(60, 10, 0, 0.5f);
        font.DrawString(70, 10, "A");
        engine.Render();

        ExpectAt(10, 10, InDepth(first, depth));
        ExpectAt(11, 10, InDepth(second, depth));
        // 24-bit art is dithered onto five bits: one level up at most.
        ExpectAt(20, 10, InDepth(first, depth), depth == 16 ? 1 : 0);
        ExpectAt(21, 10, InDepth(second, depth), depth == 16 ? 1 : 0);
        // Alpha 255 replaces black; alpha 128 gives s * 128 >> 8.
        ExpectAt(30, 10, InDepth(first, depth));
        ExpectAt(31, 10, Halved(InDepth(second, depth)));
        ExpectAt(40, 10, InDepth(second, depth)); // frame 1
        ExpectAt(41, 10, InDepth(first, depth));
        ExpectAt(50, 10, RoundedInDepth(first, depth));
        ExpectAt(51, 10, RoundedInDepth(second, depth));
        ExpectAt(60, 10, Halved(InDepth(first, depth))); // under the shadow
        ExpectAt(61, 10, InDepth(second, depth));
        ExpectAt(70, 10, InDepth(first, depth)); // the glyph
        ExpectAt(71, 11, InDepth(first, depth));
    }
    const std::string log = Log();
    EXPECT_EQ(log.find("Invalid Rect"), std::string::npos);
    EXPECT_EQ(log.find("ERROR"), std::string::npos);
}
