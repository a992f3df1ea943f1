#include "AdventureTestElements.h"
#include "adventure/Cast.h"
#include "adventure/Flag.h"
#include "adventure/Room.h"
#include "files/AsciiSerializer.h"
#include "files/AsciiStateSerializer.h"
#include "files/File.h"
#include "graphics/SpriteManager.h"
#include "support/HeadlessTest.h"

#include <array>
#include <memory>

namespace {

// A frame of 10 x 20 pixels that is opaque at one point only.
class OnePixelSprite : public Sprite {
public:
    int GetWidth(int) const override { return 10; }
    int GetHeight(int) const override { return 20; }
    int GetFullWidth() const override { return 10; }
    int GetFullHeight() const override { return 20; }
    bool IsPixelTransparent(Point point, int) const override { return point.x != 7 || point.y != 15; }
    void DrawEx(const DrawInfo&) override {}
};

class EntityTest : public LoggedTest {
protected:
    static std::string Log() { return ReadFile("debug.txt"); }

    // Writes the object's parameters (or, with the state serializer, its
    // state) to a file and reads them into `target`.
    template <typename SerializerType = AsciiSerializer>
    std::string RoundTrip(Object& source, Object& target, bool state = false)
    {
        {
            File file;
            EXPECT_TRUE(file.OpenDirect("element.txt", "w"));
            SerializerType writer(file, true);
            state ? source.SerializeState(writer, "element") : source.Serialize(writer, "element");
        }
        File file;
        EXPECT_TRUE(file.Open("element.txt", "r"));
        SerializerType reader(file, false);
        state ? target.SerializeState(reader, "element") : target.Serialize(reader, "element");
        return ReadFile("element.txt");
    }
};

} // namespace

TEST_F(EntityTest, HitsByBoxEdgesAndByTheOpaquePixelsOfTheFrame)
{
    TestEntity entity;
    entity.SetPositionExactly(FloatPoint{100.9f, 200.5f}); // stands on (100, 200)
    // Default box -20, -40 .. 20, 0: left and top edges inside, right and
    // bottom edges outside.
    EXPECT_TRUE(entity.IsCursorOver(80, 160));
    EXPECT_TRUE(entity.IsCursorOver(119, 199));
    EXPECT_FALSE(entity.IsCursorOver(120, 180));
    EXPECT_FALSE(entity.IsCursorOver(100, 200));
    EXPECT_FALSE(entity.IsCursorOver(79, 180));
    EXPECT_FALSE(entity.IsCursorOver(100, 159));

    // Without animation the pixel test finds nothing: mode 2 and 3 never
    // hit, mode 4 falls back to the box.
    entity.SetRolloverCheck(Entity::rolloverPixel);
    EXPECT_FALSE(entity.IsCursorOver(100, 190));
    entity.SetRolloverCheck(Entity::rolloverBoxAndPixel);
    EXPECT_FALSE(entity.IsCursorOver(100, 190));
    entity.SetRolloverCheck(Entity::rolloverBoxOrPixel);
    EXPECT_TRUE(entity.IsCursorOver(100, 190));
    entity.SetRolloverCheck(Entity::rolloverNone);
    EXPECT_FALSE(entity.IsCursorOver(100, 190));

    // The foot point is the bottom centre of the frame: frame pixel (7, 15)
    // lies at 7 - 10 / 2 = 2 right of it and 20 - 15 = 5 above it.
    SpriteManager::GetInstance().RegisterSprite("spot", std::make_unique<OnePixelSprite>());
    Animation animation;
    ASSERT_TRUE(animation.SetSpriteLabel("spot"));
    entity.SetCurrentAnim(&animation);
    entity.SetRolloverCheck(Entity::rolloverPixel);
    EXPECT_TRUE(entity.IsCursorOver(102, 195));
    EXPECT_FALSE(entity.IsCursorOver(103, 195));
    EXPECT_FALSE(entity.IsCursorOver(102, 196));
    entity.GetBoundingBox() = BoundingBox(-1, -1, 1, 1);
    entity.SetRolloverCheck(Entity::rolloverBoxAndPixel);
    EXPECT_FALSE(entity.IsCursorOver(102, 195));
    EXPECT_FALSE(entity.IsCursorOver(100, 200));
    entity.SetRolloverCheck(Entity::rolloverBoxOrPixel);
    EXPECT_TRUE(entity.IsCursorOver(102, 195));
    EXPECT_TRUE(entity.IsCursorOver(100, 200));
    EXPECT_FALSE(entity.IsCursorOver(101, 201));

    entity.SetRolloverCheck(7);
    EXPECT_FALSE(entity.IsCursorOver(100, 200));
    EXPECT_TRUE(Contains(Log(), "***WARNING: Entity::IsCursorOver: Unknown RolloverCheckMode 7!\n"));
}

TEST_F(EntityTest, ParametersAndStateSurviveTheSerializer)
{
    TestEntity source;
    source.SetStartPos(Point{310, 420});
    source.GetBoundingBox() = BoundingBox(-5, -60, 7, 3);
    source.SetRolloverCheck(Entity::rolloverBoxOrPixel);
    source.SetZSortOffset(-12);
    source.SetLabel("Alte Kiste");
    source.SetActPosition(Point{290, 430});
    source.SetActOrient(Entity::leftUp);
    source.SetActPositionValid(true);
    source.SetNoActPosition(true);
    source.SetActiveOnStart(false);

    TestEntity loaded;
    loaded.SetPositionExactly(FloatPoint{1.0f, 2.0f});
    const std::string text = RoundTrip(source, loaded);
    // The keys as level settings files spell them.
    EXPECT_TRUE(Contains(text, "\"StartPos\" 310 420"));
    EXPECT_TRUE(Contains(text, "[BoundingBox] \"BBox\""));
    EXPECT_TRUE(Contains(text, "\"Rollovercheck\" 4"));
    EXPECT_TRUE(Contains(text, "\"Z-Sort Offset\" -12"));
    EXPECT_TRUE(Contains(text, "\"Act Orient\" 7"));
    EXPECT_TRUE(Contains(text, "\"Active on start\" 0"));
    const BoundingBox& box = loaded.GetBoundingBox();
    EXPECT_EQ((std::array{box.Left, box.Top, box.Right, box.Bottom}), (std::array{-5, -60, 7, 3}));
    EXPECT_EQ(loaded.GetRolloverCheck(), Entity::rolloverBoxOrPixel);
    EXPECT_EQ(loaded.GetZSortOffset(), -12);
    EXPECT_EQ(loaded.GetLabel(), "Alte Kiste");
    EXPECT_EQ(loaded.GetActPosition().x, 290);
    EXPECT_EQ(loaded.GetActPosition().y, 430);
    EXPECT_EQ(loaded.GetActOrient(), Entity::leftUp);
    EXPECT_TRUE(loaded.IsActPositionValid());
    EXPECT_TRUE(loaded.HasNoActPosition());
    // Reading ends with a reset: the entity stands at its start, inactive.
    EXPECT_EQ(loaded.GetPosition().x, 310.0f);
    EXPECT_EQ(loaded.GetPosition().y, 420.0f);
    EXPECT_FALSE(loaded.IsActive());

    // The savegame keeps whole pixels of the position.
    source.SetActive(true);
    source.SetPositionExactly(FloatPoint{123.75f, 45.5f});
    source.TurnTo(Entity::right);
    source.SetHidden(true);
    source.SetNoActPosition(false);
    source.GetUserAnim().SetSpeed(12.5f);
    TestEntity restored;
    RoundTrip<AsciiStateSerializer>(source, restored, true);
    EXPECT_TRUE(restored.IsActive());
    EXPECT_EQ(restored.GetPosition().x, 123.0f);
    EXPECT_EQ(restored.GetPosition().y, 45.0f);
    EXPECT_EQ(restored.GetOrient(), Entity::right);
    EXPECT_TRUE(restored.IsHidden());
    EXPECT_FALSE(restored.HasNoActPosition());
    EXPECT_EQ(restored.GetUserAnim().GetSpeed(), 12.5f);

    // A flag read from its settings holds its start value.
    Flag flag;
    flag.SetStartValue(3);
    flag.SetValue(9);
    Flag loadedFlag;
    loadedFlag.SetValue(5);
    RoundTrip(flag, loadedFlag);
    EXPECT_EQ(loadedFlag.GetStartValue(), 3);
    EXPECT_EQ(loadedFlag.GetValue(), 3);
    RoundTrip<AsciiStateSerializer>(flag, loadedFlag, true);
    EXPECT_EQ(loadedFlag.GetValue(), 9);
    Cast::GetInstance().Add(&loadedFlag, "Global|Schalter");
    loadedFlag.Dump();
    EXPECT_TRUE(Contains(Log(), "Global|Schalter = 9  (start-val=3)\n"));
}

TEST_F(EntityTest, DepthFollowsTheRoomsScrollingAndLabelsStayOnScreen)
{
    Room room;
    room.SetScroll(0.0f, 100.7f);
    TestEntity crate;
    crate.SetPositionExactly(FloatPoint{0.0f, 300.0f});
    crate.SetZSortOffset(10);
    Cast& cast = Cast::GetInstance();
    cast.Add(&room, Cast::RoomName("Deck"));
    cast.Add(&crate, "Deck|Kiste");
    // (300 - 100 + 10) x 0.00005 + 0.2, the room found by the crate's group.
    EXPECT_FLOAT_EQ(crate.GetSortDepth(), 0.2105f);
    TestEntity player;
    player.SetPositionExactly(FloatPoint{0.0f, 300.0f});
    cast.Add(&player, "Player");
    EXPECT_FLOAT_EQ(player.GetSortDepth(), 0.215f);
    player.SetRoom(&room);
    EXPECT_FLOAT_EQ(player.GetSortDepth(), 0.21f);

    EXPECT_EQ(Entity::LabelLeft(512, 100), 462);
    EXPECT_EQ(Entity::LabelLeft(20, 100), 5);
    EXPECT_EQ(Entity::LabelLeft(1000, 100), 919);
    EXPECT_EQ(Entity::LabelLeft(512, 1100), 5);
    cast.Clear();
}
