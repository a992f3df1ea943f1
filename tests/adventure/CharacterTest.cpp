#include "AdventureFakes.h"
#include "adventure/AdventureLevel.h"
#include "adventure/Cast.h"
#include "adventure/Character.h"
#include "adventure/DialogueLog.h"
#include "adventure/ElementFactory.h"
#include "adventure/Player.h"
#include "adventure/Room.h"
#include "audio/Randomizer.h"
#include "audio/SampleManager.h"
#include "audio/SoundEngine.h"
#include "audio/SoundFiles.h"
#include "audio/StreamingSample.h"
#include "files/AsciiSerializer.h"
#include "files/AsciiStateSerializer.h"
#include "files/File.h"
#include "graphics/DirectDraw.h"
#include "graphics/SpriteManager.h"
#include "support/BitmapFiles.h"
#include "support/HeadlessTest.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

using bitmap_files::Bitmap24;
using bitmap_files::Bitmap8;

namespace {

const char* const folder = "data/level01/deck/";

// A room of 640 x 480 that is walkable everywhere, and a character in it.
class CharacterTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        ASSERT_TRUE(Window().Create({"Test", 1024, 768, false}));
        ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 1024, 768, 32, false));
        WriteFile(std::string(folder) + "spriteinfos.txt",
                  "\"Background\" 0 0 640 480\n\"walkarea\" 0 0 640 480\n");
        WriteFile(std::string(folder) + "background.bmp",
                  Bitmap8(640, 480, std::vector<std::uint8_t>(640 * 480, 0), {0x404040}));
        WriteFile(std::string(folder) + "walkarea.bmp",
                  Bitmap24(640, 480, std::vector<std::uint32_t>(640 * 480, 0xFFFFFF)));
        room.SetSpriteInfosFilename("level01\\deck\\spriteinfos.txt");
        ASSERT_TRUE(room.Init());
        hero.SetRoom(&room);
        Randomizer::Seed(7);
    }
    void TearDown() override
    {
        AdventureLevel::SetCurrent(nullptr);
        LoggedTest::TearDown();
    }

    static std::string Log() { return ReadFile("debug.txt"); }
    static void AddFigure(const std::string& label, int frames = 4)
    {
        SpriteManager::GetInstance().RegisterSprite(label, std::make_unique<FramesSprite>(frames, 40, 80));
    }
    std::string ShownLabel() const
    {
        return hero.GetCurrentAnim() != nullptr ? hero.GetCurrentAnim()->GetSpriteLabel() : "";
    }
    // Places the hero facing `direction` and starts a walk.
    void StartWalk(int fromX, int fromY, int direction, int toX, int toY)
    {
        hero.SetPosition(fromX, fromY);
        hero.SetOrient(direction);
        ASSERT_TRUE(hero.WalkTo(toX, toY, -1));
        ASSERT_EQ(hero.GetState(), Character::walking);
    }

    Room room;
    Character hero;
};

} // namespace

TEST_F(CharacterTest, WalksAtTheSpeedOfItsDirectionTimesTheScale)
{
    // Room scaling at y 350 is its back scale 0.6: 270 x 0.6 pixels per second sideways.
    StartWalk(100, 350, Entity::right, 400, 350);
    hero.Update(0.1f);
    EXPECT_EQ(hero.GetOrient(), Entity::right);
    EXPECT_NEAR(hero.GetPosition().x, 116.2f, 1e-3f);
    EXPECT_EQ(hero.GetPosition().y, 350.0f);

    // Own scaling of 0.5 everywhere: up and down a quarter, diagonally 0.625.
    hero.SetScaling(0.5f, 0.5f, 500, 350);
    StartWalk(100, 100, Entity::down, 100, 300);
    hero.Update(0.1f);
    EXPECT_NEAR(hero.GetPosition().y, 100.0f + 270.0f * 0.25f * 0.5f * 0.1f, 1e-3f);
    StartWalk(100, 100, Entity::rightDown, 300, 300);
    hero.Update(0.1f);
    const float diagonalStep = 270.0f * 0.625f * 0.5f * 0.1f / std::sqrt(2.0f);
    EXPECT_NEAR(hero.GetPosition().x, 100.0f + diagonalStep, 1e-3f);
    EXPECT_NEAR(hero.GetPosition().y, 100.0f + diagonalStep, 1e-3f);

    // The scale factor multiplies; "Disable Scale" ignores depth and factor alike.
    hero.SetScaleFactor(2.0f);
    StartWalk(100, 100, Entity::right, 400, 100);
    hero.Update(0.1f);
    EXPECT_NEAR(hero.GetPosition().x, 127.0f, 1e-3f);
    hero.SetScaling(0.1f, 0.1f, 500, 350);
    hero.SetScaleDisabled(true);
    StartWalk(100, 100, Entity::right, 400, 100);
    hero.Update(0.1f);
    EXPECT_NEAR(hero.GetPosition().x, 127.0f, 1e-3f);

    // The walk ends on its target and turns to the requested direction.
    hero.SetPosition(100, 100);
    hero.SetOrient(Entity::right);
    ASSERT_TRUE(hero.WalkTo(400, 100, Entity::left));
    for (int frame = 0; frame < 20 && hero.GetState() == Character::walking; ++frame)
        hero.Update(0.1f);
    EXPECT_EQ(hero.GetPosition().x, 400.0f);
    EXPECT_EQ(hero.GetState(), Character::turning);

    // The player's figure: found as "Player", walking where the level asks.
    Player player;
    EXPECT_EQ(Cast::GetInstance().Find("Player"), &player.GetCharacter());
    player.EnterRoom(&room);
    player.GetCharacter().SetPosition(100, 350);
    EXPECT_TRUE(player.WalkTo(300, 350, -1));
    EXPECT_EQ(player.GetCharacter().GetState(), Character::walking);
}

TEST_F(CharacterTest, KeepsItsDirectionWithin25DegreesAndChoosesWithin22AndAHalf)
{
    // A way 23.99 degrees below right: kept while facing right; from up the
    // first direction within 22.5 degrees is rightdown (21 degrees off).
    EXPECT_EQ(Character::ChooseWalkDirection(Entity::right, 200.0f, 89.0f), Entity::right);
    EXPECT_EQ(Character::ChooseWalkDirection(Entity::up, 200.0f, 89.0f), Entity::rightDown);
    // 26.1 degrees: no longer kept.
    EXPECT_EQ(Character::ChooseWalkDirection(Entity::right, 200.0f, 98.0f), Entity::rightDown);
    EXPECT_EQ(Character::ChooseWalkDirection(Entity::rightDown, 200.0f, 30.0f), Entity::right);
    // Nothing of up ... left within 22.5 degrees: leftup.
    EXPECT_EQ(Character::ChooseWalkDirection(Entity::down, -100.0f, -90.0f), Entity::leftUp);
    EXPECT_EQ(Character::ChooseWalkDirection(Entity::down, -100.0f, -1.0f), Entity::left);

    // Walking, the direction turns one step per frame toward the goal.
    StartWalk(100, 100, Entity::up, 300, 250); // 36.9 degrees below right
    std::vector<int> seen;
    for (int frame = 0; frame < 4; ++frame) {
        hero.Update(0.01f);
        seen.push_back(hero.GetOrient());
    }
    EXPECT_EQ(seen, (std::vector<int>{Entity::rightUp, Entity::right, Entity::rightDown, Entity::rightDown}));
    // Toward the goal rightdown of the 23.99-degree way, right is passed
    // on the way and, within 25 degrees, kept.
    StartWalk(100, 100, Entity::up, 300, 189);
    seen.clear();
    for (int frame = 0; frame < 3; ++frame) {
        hero.Update(0.01f);
        seen.push_back(hero.GetOrient());
    }
    EXPECT_EQ(seen, (std::vector<int>{Entity::rightUp, Entity::right, Entity::right}));
    const FloatPoint none = Character::GetOrientationVector(8);
    EXPECT_EQ(none.x, 0.0f);
    EXPECT_EQ(none.y, 0.0f);
    EXPECT_TRUE(Contains(Log(), "Character::GetOrientationVector: Invalid direction (8)!\n"));
}

TEST_F(CharacterTest, NearTargetsTurnTheShortWayAndUnreachableOnesLeaveItIdle)
{
    // Less than 20 pixels: no walk, a turn from up to left over leftup.
    hero.SetPosition(200, 200);
    hero.SetOrient(Entity::up);
    EXPECT_FALSE(hero.WalkTo(210, 205, Entity::left));
    EXPECT_EQ(hero.GetState(), Character::turning);
    EXPECT_TRUE(hero.GetPath().empty());
    hero.Update(0.01f);
    EXPECT_EQ(hero.GetOrient(), Entity::leftUp);
    hero.Update(0.01f);
    EXPECT_EQ(hero.GetOrient(), Entity::left);
    EXPECT_EQ(hero.GetState(), Character::idle);
    EXPECT_EQ(hero.GetPosition().x, 200.0f);
    EXPECT_EQ(Character::TurnStep(Entity::right, Entity::up), Entity::rightUp);
    EXPECT_EQ(Character::TurnStep(Entity::leftUp, Entity::rightDown), Entity::up);

    // A wall splits a walk area of a tenth of the room's size; the far half
    // has no lead cells: no path, a log line, and the hero stays idle.
    std::vector<std::uint32_t> closed(64 * 48, 0xFFFFFF);
    for (int y = 0; y < 48; ++y)
        for (int x = 30; x < 34; ++x)
            closed[static_cast<std::size_t>(y * 64 + x)] = 0x000000;
    WriteFile(std::string(folder) + "closed.bmp", Bitmap24(64, 48, closed));
    ASSERT_TRUE(room.SetWalkarea("closed"));
    hero.SetPosition(50, 240);
    EXPECT_FALSE(hero.WalkTo(600, 240, Entity::down));
    EXPECT_TRUE(Contains(Log(), "Character::OnWalk: No path [50.000000,240.000000] to [600,240] founded!\n"));
    EXPECT_EQ(hero.GetState(), Character::idle);
    hero.Update(0.5f);
    EXPECT_EQ(hero.GetPosition().x, 50.0f);
    EXPECT_EQ(hero.GetPosition().y, 240.0f);
    // A target on the wall moves to the nearest walkable cell: that walk is found.
    EXPECT_TRUE(hero.WalkTo(310, 240, -1));
}

TEST_F(CharacterTest, IdlesPickOnlyAmongTheVariantsThatExist)
{
    AddFigure("hero_idle1_down");
    AddFigure("hero_idle2_down");
    AddFigure("hero_idlemain_down");
    hero.SetAnimName("hero");
    // The first idle waits 100 s, also after a reset; later ones 8 to 18 s.
    EXPECT_EQ(hero.GetIdleCountdown(), 100.0f);
    hero.Reset();
    EXPECT_EQ(hero.GetIdleCountdown(), 100.0f);
    hero.SetOrient(Entity::rightDown);
    hero.SetState(Character::idle);
    EXPECT_GE(hero.GetIdleCountdown(), 8.0f);
    EXPECT_LE(hero.GetIdleCountdown(), 18.0f);

    std::set<std::string> picked;
    for (int round = 0; round < 30; ++round) {
        hero.Update(18.5f);
        ASSERT_EQ(hero.GetState(), Character::idleAnimation);
        EXPECT_EQ(hero.GetOrient(), Entity::down);
        picked.insert(ShownLabel());
        hero.Update(1.0f); // four frames at 20 per second: over
        ASSERT_EQ(hero.GetState(), Character::idle);
        hero.Update(0.01f);
        EXPECT_EQ(ShownLabel(), "hero_idlemain_down");
    }
    EXPECT_EQ(picked, (std::set<std::string>{"hero_idle1_down", "hero_idle2_down"}));

    // Facing left there are none: nothing happens.
    hero.SetOrient(Entity::leftUp);
    hero.Update(18.5f);
    EXPECT_EQ(hero.GetState(), Character::idle);
    EXPECT_EQ(hero.GetOrient(), Entity::leftUp);
    // During a conversation the countdown stands still.
    FakeLevel level;
    level.state = AdventureLevel::conversation;
    AdventureLevel::SetCurrent(&level);
    hero.SetOrient(Entity::down);
    hero.SetState(Character::idle);
    const float countdown = hero.GetIdleCountdown();
    hero.Update(30.0f);
    EXPECT_EQ(hero.GetState(), Character::idle);
    EXPECT_EQ(hero.GetIdleCountdown(), countdown);
}

TEST_F(CharacterTest, SpeakingSetsTalkTimeBubbleSideAndFacesASide)
{
    AddFigure("hero_talking_right");
    AddFigure("hero_idle1_up");
    hero.SetAnimName("hero");
    FakeLevel level;
    level.skipping = true; // nothing is streamed
    AdventureLevel::SetCurrent(&level);

    hero.SetPosition(600, 300);
    hero.SetOrient(Entity::rightUp);
    hero.Say(TalkEntry{"Hallo Welt", "item", "C07"});
    EXPECT_FLOAT_EQ(hero.GetTalkTime(), 1.2f);
    EXPECT_TRUE(hero.IsBubbleLeft());
    EXPECT_EQ(hero.GetSpeechStream(), nullptr);
    // Inside the band the side stays; outside it is chosen by x > 540.
    EXPECT_TRUE(hero.BubbleLeftAt(400));
    EXPECT_FALSE(hero.BubbleLeftAt(200));
    EXPECT_TRUE(hero.BubbleLeftAt(800));
    hero.Update(0.5f);
    EXPECT_EQ(hero.GetOrient(), Entity::right);
    EXPECT_EQ(ShownLabel(), "hero_talking_right");
    EXPECT_NEAR(hero.GetTalkTime(), 0.7f, 1e-5f);
    hero.Draw(); // with a bubble but without its art: nothing to draw, no harm
    hero.Update(0.8f);
    EXPECT_EQ(hero.GetTalkTime(), 0.0f);
    EXPECT_GE(hero.GetIdleCountdown(), 8.0f);

    // A speaker in an idle animation becomes idle; at x 540 the bubble goes right.
    hero.SetPosition(540, 300);
    hero.SetOrient(Entity::up);
    hero.Update(18.5f);
    ASSERT_EQ(hero.GetState(), Character::idleAnimation);
    hero.Say(TalkEntry{"Ja", "", ""});
    EXPECT_EQ(hero.GetState(), Character::idle);
    EXPECT_FALSE(hero.IsBubbleLeft());
    EXPECT_FLOAT_EQ(hero.GetTalkTime(), 0.8f);
    hero.StopSpeech();
    EXPECT_EQ(hero.GetTalkTime(), 0.0f);

    // Not skipping, the line's recording streams in the speech group; an
    // alias file names the cell whose recording is used. The line lasts
    // while the recording plays.
    ASSERT_TRUE(SampleManager::GetInstance().Init(Window()));
    SoundEngine& engine = SoundEngine::GetInstance();
    engine.SetEnabled(true);
    WriteFile("data/level01/audio/streamingtalk/item/C03.ogg", MakeOgg(22050, 1, 44100));
    WriteFile("data/level01/audio/streamingtalk/item/C07.txt", "C03\r\n");
    level.skipping = false;
    hero.SetSpeechVolume(0.5f);
    hero.Say(TalkEntry{"Hallo", "item", "C07"});
    StreamingSample* speech = hero.GetSpeechStream();
    ASSERT_NE(speech, nullptr);
    EXPECT_EQ(speech->GetSoundGroup(), 2);
    EXPECT_FLOAT_EQ(speech->GetVolume(), 0.5f);
    EXPECT_TRUE(speech->IsPlaying());
    hero.Update(5.0f);
    EXPECT_GT(hero.GetTalkTime(), 0.0f);
    hero.StopSpeech();
    EXPECT_EQ(hero.GetSpeechStream(), nullptr);
    EXPECT_EQ(engine.GetStreamCount(), 0u);
    // A skip that begins while a recording plays cuts the line short.
    hero.Say(TalkEntry{"Hallo", "item", "C07"});
    ASSERT_NE(hero.GetSpeechStream(), nullptr);
    level.skipping = true;
    hero.Update(0.05f);
    EXPECT_EQ(hero.GetTalkTime(), 0.0f);
    EXPECT_EQ(engine.GetStreamCount(), 0u);

    // The light map's 0x00RRGGBB reaches the sprite as 0x00BBGGRR.
    EXPECT_EQ(Character::LightToTint(0x00112233u), 0x00332211u);
}

TEST_F(CharacterTest, AliasFileThatNamesNoCellIsRefused)
{
    // An alias file whose line is no cell name (control bytes, a path out of
    // the sheet's folder, a letter or a number alone) is refused with a log
    // line, and the line keeps its own recording; a cell name is taken.
    FakeLevel level;
    level.skipping = true; // nothing is streamed
    AdventureLevel::SetCurrent(&level);
    const std::string alias = "data/level01/audio/streamingtalk/item/C07.txt";
    const auto recording = [this] {
        hero.Say(TalkEntry{"Hallo", "item", "C07"});
        return DialogueLog::GetInstance().GetLines().back().recording;
    };
    for (const char* line : {"\r5\xFF"
                             "b\x05",
                             "..\\..\\..\\config", "C", "07", "C07 8", "CD012345678"}) {
        WriteFile(alias, line);
        EXPECT_EQ(recording(), "level01\\audio\\streamingtalk\\item\\C07") << line;
    }
    EXPECT_TRUE(Contains(Log(), "Character::SpeechFileName: <data\\level01\\audio\\streamingtalk\\item\\C07.txt> "
                                "names no cell, the line's own recording is used\n"));
    WriteFile(alias, "ab12 \r\n");
    EXPECT_EQ(recording(), "level01\\audio\\streamingtalk\\item\\ab12");
}

TEST_F(CharacterTest, PickUpFacesASideAndEndsIdle)
{
    AddFigure("hero_takemid_right");
    AddFigure("hero_takelow_left");
    hero.SetAnimName("hero");

    hero.SetOrient(Entity::rightUp);
    hero.Pickup(Character::pickupMiddle);
    EXPECT_EQ(hero.GetOrient(), Entity::right);
    hero.Update(0.05f);
    EXPECT_EQ(hero.GetState(), Character::pickingUp);
    EXPECT_EQ(ShownLabel(), "hero_takemid_right");
    hero.Update(1.0f);
    EXPECT_EQ(hero.GetState(), Character::idle);

    hero.SetOrient(Entity::leftDown);
    hero.Pickup(Character::pickupLow);
    EXPECT_EQ(hero.GetOrient(), Entity::left);
    hero.Update(0.05f);
    EXPECT_EQ(ShownLabel(), "hero_takelow_left");

    // Without its animation the pick-up ends at once; a wrong height is logged.
    hero.Pickup(Character::pickupHigh);
    hero.Update(0.05f);
    EXPECT_EQ(hero.GetState(), Character::idle);
    hero.Pickup(4);
    hero.Update(0.05f);
    EXPECT_EQ(hero.GetState(), Character::idle);
    EXPECT_TRUE(Contains(Log(), "Character::UpdateStatePickup: Wrong pickup type!\n"));
    hero.SetState(9);
    EXPECT_TRUE(Contains(Log(), "Character::SetState: Unknown state 9!\n"));
}

TEST_F(CharacterTest, SettingsAndStateSurviveTheSerializer)
{
    AddFigure("robo_idlemain_left");
    Character source;
    source.SetAnimName("robo");
    source.SetStartPos(Point{300, 400});
    source.SetStartOrient(Entity::left);
    source.SetValidatingPosition(false);
    source.SetScaleFactor(0.75f);
    source.SetScaleDisabled(true);
    source.SetSpeechBubbleOffset(Point{-10, -120});
    source.SetShadow(false, Point{3, 4});
    source.SetLightMapping(false);
    source.SetAutoOrient(false);

    {
        File file;
        ASSERT_TRUE(file.OpenDirect("character.txt", "w"));
        AsciiSerializer writer(file, true);
        source.Serialize(writer, "robo");
    }
    const std::string text = ReadFile("character.txt");
    for (const char* key : {"\"anim name\" \"robo\"", "\"anim walk speed\" 30.7", "\"anim take speed\" 15",
                            "\"anim idlemain speed\" 30", "\"anim idle speed\" 20", "\"anim talk speed\" 20",
                            "\"StartOrient\" 6", "\"Validate Position\" 0", "\"Scale Factor\" 0.75",
                            "\"Disable Scale\" 1", "\"speech bubble offset\" -10 -120", "\"shadow offset\" 3 4",
                            "\"shadow enable\" 0", "\"lightmapping\" 0", "\"auto orient\" 0", "\"StartPos\" 300 400"})
        EXPECT_TRUE(Contains(text, key));

    // Settings files create characters by class name.
    const std::unique_ptr<GameElement> created = CreateElement("class Character");
    ASSERT_NE(dynamic_cast<Character*>(created.get()), nullptr);
    Character& loaded = *dynamic_cast<Character*>(created.get());
    {
        File file;
        ASSERT_TRUE(file.Open("character.txt", "r"));
        AsciiSerializer reader(file, false);
        loaded.Serialize(reader, "robo");
    }
    EXPECT_EQ(loaded.GetAnimName(), "robo");
    EXPECT_EQ(loaded.GetOrient(), Entity::left);
    EXPECT_EQ(loaded.GetPosition().x, 300.0f);
    EXPECT_FALSE(loaded.IsValidatingPosition());
    EXPECT_EQ(loaded.GetScaleFactor(), 0.75f);
    EXPECT_TRUE(loaded.IsScaleDisabled());
    // Reading a new name bound the animations.
    ASSERT_NE(loaded.GetCurrentAnim(), nullptr);
    EXPECT_EQ(loaded.GetCurrentAnim()->GetSpriteLabel(), "robo_idlemain_left");

    // The savegame: position, direction, name, talk switch and speech volume.
    source.SetPosition(123, 234);
    source.SetOrient(Entity::rightDown);
    source.SetAnimName("hero");
    source.SetSpeechVolume(0.5f);
    {
        File file;
        ASSERT_TRUE(file.OpenDirect("state.txt", "w"));
        AsciiStateSerializer writer(file, true);
        source.SerializeState(writer, "robo");
    }
    EXPECT_TRUE(Contains(ReadFile("state.txt"), "\"speech volume\""));
    EXPECT_TRUE(Contains(ReadFile("state.txt"), "\"talk enable\""));
    {
        File file;
        ASSERT_TRUE(file.Open("state.txt", "r"));
        AsciiStateSerializer reader(file, false);
        loaded.SerializeState(reader, "robo");
    }
    EXPECT_EQ(loaded.GetAnimName(), "hero");
    EXPECT_EQ(loaded.GetPosition().x, 123.0f);
    EXPECT_EQ(loaded.GetPosition().y, 234.0f);
    EXPECT_EQ(loaded.GetOrient(), Entity::rightDown);
    EXPECT_EQ(loaded.GetSpeechVolume(), 0.5f);
    EXPECT_EQ(loaded.GetState(), Character::idle);
}
