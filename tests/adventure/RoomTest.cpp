#include "AdventureTestElements.h"
#include "adventure/Room.h"
#include "adventure/RoomSpriteInfos.h"
#include "audio/AudioEvent.h"
#include "audio/SampleManager.h"
#include "audio/SoundEngine.h"
#include "audio/StreamingSample.h"
#include "files/AsciiSerializer.h"
#include "files/File.h"
#include "graphics/DirectDraw.h"
#include "graphics/SpriteManager.h"
#include "support/BitmapFiles.h"
#include "support/HeadlessTest.h"

#include <cstdint>
#include <vector>

using bitmap_files::Bitmap24;
using bitmap_files::Bitmap8;

namespace {

const char* const folder = "data/level01/deck/";

class RoomTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        ASSERT_TRUE(Window().Create({"Test", 1024, 768, false}));
        ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 1024, 768, 32, false));
        room.SetSpriteInfosFilename("level01\\deck\\spriteinfos.txt");
    }

    // The room's sprite-info file and a grey background of the size.
    static void WriteRoom(const std::string& spriteInfos, int width, int height)
    {
        WriteFile(std::string(folder) + "spriteinfos.txt", spriteInfos);
        WriteFile(std::string(folder) + "background.bmp",
                  Bitmap8(width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, 0), {0x404040}));
    }
    static void WriteMap(const char* name, int width, int height, const std::vector<std::uint32_t>& colours)
    {
        WriteFile(std::string(folder) + name + ".bmp", Bitmap24(width, height, colours));
    }
    static std::string Log() { return ReadFile("debug.txt"); }
    static SpriteManager& Sprites() { return SpriteManager::GetInstance(); }

    Room room;
};

} // namespace

TEST_F(RoomTest, RegistersStillsAndAnimationsOfItsSpriteInfoFile)
{
    WriteRoom("\"Background\" 0 0 640 480\n"
              "\"door01\" 10 20 40 60\n"
              "\"door02\" 14 18 40 60\n"
              "\"lamp\" 100 50 30 30\n"
              "\"background\" 1 2 3 4\n"
              "\"walkarea\" 0 0 640 480\n",
              640, 480);
    // Pure black, pure blue and near black: blocked, lead and walkable,
    // as stored (no remap of near black as for sprite art).
    WriteMap("walkarea", 3, 1, {0x000000, 0x000001, 0x010101});
    ASSERT_TRUE(room.Init());
    EXPECT_TRUE(room.IsInitialised());
    EXPECT_EQ(room.GetWidth(), 640);
    EXPECT_EQ(room.GetHeight(), 480);
    ASSERT_NE(room.GetWalkArea(), nullptr);
    EXPECT_EQ(room.GetWalkArea()->Get(0, 0), ByteMap::blocked);
    EXPECT_EQ(room.GetWalkArea()->Get(1, 0), ByteMap::lead);
    EXPECT_EQ(room.GetWalkArea()->Get(2, 0), ByteMap::walkable);

    const SpriteInfo* door = Sprites().FindSpriteInfo("door");
    ASSERT_NE(door, nullptr);
    EXPECT_EQ(door->type, SpriteInfo::typeAnimated);
    EXPECT_EQ(door->frameCount, 2);
    EXPECT_EQ(door->file, "data\\level01\\deck\\door");
    EXPECT_TRUE(door->crop);
    EXPECT_TRUE(door->framesInSeparateFiles);
    EXPECT_EQ(door->frameRectangle, (SpriteRect{10, 18, 44, 62}));
    ASSERT_EQ(door->frameOffsets.size(), 2u);
    EXPECT_EQ(door->frameOffsets[0].x, 0);
    EXPECT_EQ(door->frameOffsets[0].y, 2);
    EXPECT_EQ(door->frameOffsets[1].x, 4);
    EXPECT_EQ(door->frameOffsets[1].y, 0);
    EXPECT_TRUE(door->hasPlacement);
    EXPECT_EQ(door->placement.x, 32);
    EXPECT_EQ(door->placement.y, 80);
    const SpriteInfo* lamp = Sprites().FindSpriteInfo("lamp");
    ASSERT_NE(lamp, nullptr);
    EXPECT_EQ(lamp->type, SpriteInfo::typeStatic);
    EXPECT_EQ(lamp->placement.x, 115);
    EXPECT_EQ(lamp->placement.y, 80);
    EXPECT_EQ(Sprites().FindSpriteInfo("door02"), nullptr);
    // Lower case "background" is an ordinary still.
    ASSERT_NE(Sprites().FindSpriteInfo("background"), nullptr);
    EXPECT_EQ(Sprites().FindSpriteInfo("background")->placement.y, 6);
    EXPECT_EQ(room.GetRegisteredLabels(), (std::vector<std::string>{"background", "door", "lamp"}));

    EXPECT_TRUE(room.Exit());
    EXPECT_FALSE(room.IsInitialised());
    EXPECT_FALSE(Sprites().IsLoaded("room_gfx"));
    EXPECT_EQ(Sprites().FindSpriteInfo("door"), nullptr);
    EXPECT_EQ(Sprites().FindSpriteInfo("lamp"), nullptr);
    EXPECT_EQ(room.GetWalkArea(), nullptr);
    EXPECT_TRUE(room.Exit());
}

TEST_F(RoomTest, LeavesOutEntriesItCannotUseAndStopsAtAMissingMap)
{
    SpriteInfosLoaderUtil::SpriteInfos entries{
        {"negative", {0, 0, -1, 10}},        {"huge", {0, 0, 20000, 10}},      {"far", {-2000000000, 0, 10, 10}},
        {"gap01", {0, 0, 10, 10}},           {"gap02", {5, 0, 10, 10}},        {"gap04", {9, 0, 10, 10}},
        {"bad01", {0, 0, 10, -5}},           {"bad02", {0, 0, 10, 10}},        {"wide01", {-16000, 0, 10, 10}},
        {"wide02", {16000, 0, 10, 10}},      {"cut01", {0, 0, 10, 10}},        {"cut02", {0, 0, -10, 10}},
        {"cut03", {0, 0, 10, 10}},           {"01", {0, 0, 1, 1}},
    };
    const std::vector<RoomGraphic> graphics = RoomSpriteInfos::Interpret(entries, "data\\x\\");
    ASSERT_EQ(graphics.size(), 2u);
    EXPECT_EQ(graphics[0].info.label, "cut"); // ends at the left-out frame
    EXPECT_EQ(graphics[0].info.frameCount, 1);
    EXPECT_EQ(graphics[1].info.label, "gap"); // ends at the missing frame
    EXPECT_EQ(graphics[1].info.frameCount, 2);
    EXPECT_EQ(graphics[1].info.frameRectangle, (SpriteRect{0, 0, 15, 10}));
    const std::string log = Log();
    EXPECT_TRUE(Contains(log, "Sprite info <negative> has the rectangle 0 0 -1 10, it is left out!"));
    EXPECT_TRUE(Contains(log, "Sprite info <huge>"));
    EXPECT_TRUE(Contains(log, "Sprite info <far>"));
    EXPECT_TRUE(Contains(log, "Sprite info <bad01>"));
    EXPECT_TRUE(Contains(log, "Animation <gap> ends at the missing frame <gap03>, <gap04> is left out!"));
    EXPECT_TRUE(Contains(log, "The frames of animation <wide> cover 32010 x 10 pixels, it is left out!"));

    // A missing walk area fails the room: what sorts before it is taken,
    // what sorts after it is not, and Exit lets the taken part go again.
    WriteRoom("\"Background\" 0 0 1 1\n\"aaa\" 0 0 5 5\n\"walkarea\" 0 0 1 1\n\"zebra\" 0 0 5 5\n", 8, 8);
    EXPECT_FALSE(room.Init());
    EXPECT_FALSE(room.IsInitialised());
    EXPECT_TRUE(Contains(Log(), "***ERROR: Room::SetWalkarea: Failed to load the environment-walkarea "
                                "<data\\level01\\deck\\walkarea>!"));
    EXPECT_NE(Sprites().FindSpriteInfo("aaa"), nullptr);
    EXPECT_EQ(Sprites().FindSpriteInfo("zebra"), nullptr);
    EXPECT_TRUE(room.Exit());
    EXPECT_EQ(Sprites().FindSpriteInfo("aaa"), nullptr);
    EXPECT_FALSE(Sprites().IsLoaded("room_gfx"));

    // Without a background entry there is nothing to show or scroll.
    WriteRoom("\"lamp\" 0 0 5 5\n", 8, 8);
    EXPECT_FALSE(room.Init());
    EXPECT_TRUE(Contains(Log(), "***ERROR: Room::Init: Failed to load the environment-gfx <data\\level01\\deck\\background>!"));
}

TEST_F(RoomTest, ScrollsWithinTheBackgroundAndIgnoresSmallSteps)
{
    TestEntity player;
    room.SetFocus(&player);
    const auto scrollAfter = [&](float x, float y, float dt) {
        player.SetPositionExactly(FloatPoint{x, y});
        room.Update(dt);
        return std::pair{room.GetScrollX(), room.GetScrollY()};
    };

    WriteRoom("\"Background\" 0 0 1 1\n", 2048, 1000);
    ASSERT_TRUE(room.Init());
    EXPECT_EQ(scrollAfter(1500.9f, 400.0f, 0.1f), std::pair(988.0f, 16.0f)); // jumps at first
    EXPECT_EQ(scrollAfter(1502.0f, 420.0f, 0.1f), std::pair(988.0f, 36.0f)); // 2 pixels: x stays
    EXPECT_EQ(scrollAfter(1400.0f, 0.0f, 0.1f), std::pair(958.0f, 0.0f));    // -100 x 0.1 x 3
    EXPECT_EQ(scrollAfter(5000.0f, 5000.0f, 1.0f / 3.0f), std::pair(1024.0f, 232.0f));
    room.SetAutoFocus(false, 300.0f);
    EXPECT_FLOAT_EQ(scrollAfter(5000.0f, 0.0f, 0.1f).first, 1024.0f - 724.0f * 0.3f);
    ASSERT_TRUE(room.Exit());

    // A background no larger than the view is centred, whatever the focus.
    WriteRoom("\"Background\" 0 0 1 1\n", 1000, 600);
    ASSERT_TRUE(room.Init());
    EXPECT_EQ(scrollAfter(900.0f, 500.0f, 0.1f), std::pair(-12.0f, -84.0f));
    ASSERT_TRUE(room.Exit());
    WriteRoom("\"Background\" 0 0 1 1\n", 1024, 768);
    ASSERT_TRUE(room.Init());
    EXPECT_EQ(scrollAfter(1000.0f, 700.0f, 0.1f), std::pair(0.0f, 0.0f));
}

TEST_F(RoomTest, ScalesByRowsOrByDepthMapAndTintsByLightMap)
{
    WriteRoom("\"Background\" 0 0 1 1\n", 4, 2);
    ASSERT_TRUE(room.Init());
    // Defaults: back row 350 at 0.6, front row 500 at 0.85.
    EXPECT_FLOAT_EQ(room.GetScale(0.0f, 350.0f), 0.6f);
    EXPECT_FLOAT_EQ(room.GetScale(0.0f, 500.0f), 0.85f);
    EXPECT_FLOAT_EQ(room.GetScale(0.0f, 425.0f), 0.725f);
    EXPECT_FLOAT_EQ(room.GetScale(0.0f, 1000.0f), 1.0f);      // 1.683 extrapolated
    EXPECT_FLOAT_EQ(room.GetScale(0.0f, -5000.0f), 0.00001f); // below zero
    room.SetScaling(0.5f, 0.25f, 200, 200);
    EXPECT_FLOAT_EQ(room.GetScale(0.0f, 199.0f), 0.25f);      // no division by zero
    EXPECT_FLOAT_EQ(room.GetScale(0.0f, 200.0f), 0.5f);
    EXPECT_EQ(room.GetLight(1.0f, 1.0f), 0xFFFFFFu);
    ASSERT_TRUE(room.Exit());

    // Half the background's resolution: each map pixel covers 2 x 2 room
    // pixels. Black is the front scale, white the back scale.
    room.SetScaling(0.9f, 0.4f, 500, 350);
    WriteRoom("\"Background\" 0 0 1 1\n\"depthmap\" 0 0 1 1\n\"lightmap\" 0 0 1 1\n", 4, 2);
    WriteMap("depthmap", 2, 1, {0x000000, 0xFFFFFF});
    WriteMap("lightmap", 2, 1, {0x102030, 0x405060});
    ASSERT_TRUE(room.Init());
    EXPECT_FLOAT_EQ(room.GetScale(1.9f, 1.9f), 0.9f);
    EXPECT_FLOAT_EQ(room.GetScale(2.0f, 0.0f), 0.4f);
    EXPECT_FLOAT_EQ(room.GetScale(-0.5f, 0.0f), 0.9f); // truncated onto the map
    EXPECT_FLOAT_EQ(room.GetScale(4.0f, 0.0f), 0.9f);  // outside reads 0
    EXPECT_FLOAT_EQ(room.GetScale(-3.0f, 0.0f), 0.9f);
    EXPECT_EQ(room.GetLight(1.0f, 1.0f), 0x102030u);
    EXPECT_EQ(room.GetLight(3.5f, 1.5f), 0x405060u);
    EXPECT_EQ(room.GetLight(3.0f, 2.0f), 0xFFFFFFu);
    EXPECT_EQ(room.GetLight(-1e30f, 0.0f), 0xFFFFFFu);
    ASSERT_TRUE(room.Exit());

    // A map larger than its background is looked up scaled, and logged.
    WriteMap("depthmap", 8, 2, std::vector<std::uint32_t>(16, 0x808080));
    ASSERT_TRUE(room.Init());
    EXPECT_TRUE(Contains(Log(), "***WARNING: Room::Init: The depth map of <level01\\deck\\spriteinfos.txt> is 8 x 2 "
                                "pixels, larger than the background's 4 x 2!"));
    EXPECT_FLOAT_EQ(room.GetScale(3.0f, 1.0f), 0.5f * 127.0f / 255.0f + 0.4f);
}

TEST_F(RoomTest, ReadsItsSettingsAndLoopsItsAmbientSoundWhileLoaded)
{
    ASSERT_TRUE(SampleManager::GetInstance().Init(Window()));
    SoundEngine& engine = SoundEngine::GetInstance();
    engine.SetEnabled(true);
    WriteRoom("\"Background\" 0 0 1 1\n", 8, 8);
    WriteFile("room.txt", "[Room] \"deck\"\n{\n"
                          "    \"Spriteinfos Filename\" \"level01\\deck\\spriteinfos.txt\"\n"
                          "    \"Back-YPos\" 100\n    \"Back-Scale\" 0.5\n"
                          "    \"Front-YPos\" 300\n    \"Front-Scale\" 1.0\n"
                          "    \"Label\" \"Deck\"\n"
                          "    \"ambient soundfile\" \"tone:5000\"\n    \"ambient volume\" 0.5\n}\n");
    Room deck;
    {
        File file;
        ASSERT_TRUE(file.Open("room.txt", "r"));
        AsciiSerializer reader(file, false);
        deck.Serialize(reader, "deck");
    }
    EXPECT_EQ(deck.GetLabel(), "Deck");
    EXPECT_FLOAT_EQ(deck.GetScale(0.0f, 200.0f), 0.75f);
    ASSERT_TRUE(deck.Init());
    StreamingSample* ambience = deck.GetAmbientStream();
    ASSERT_NE(ambience, nullptr);
    EXPECT_EQ(ambience->GetSoundGroup(), soundGroupAmbient);
    EXPECT_FLOAT_EQ(ambience->GetVolume(), 0.5f);
    EXPECT_TRUE(ambience->IsPlaying());
    ASSERT_TRUE(deck.Exit());
    EXPECT_EQ(deck.GetAmbientStream(), nullptr);
    EXPECT_EQ(engine.GetStreamCount(), 0u);
}
