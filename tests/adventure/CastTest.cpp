#include "adventure/Cast.h"
#include "adventure/ElementFactory.h"
#include "adventure/Flag.h"
#include "adventure/Room.h"
#include "files/ObjectType.h"
#include "support/HeadlessTest.h"

#include <gtest/gtest.h>

namespace {

// An engine service shown in the cast beside the elements.
class Service : public Object {};

class CastTest : public HeadlessTest {};

} // namespace

TEST_F(CastTest, FindsByFullNameFirstThenByShortNameInRegistrationOrder)
{
    Cast& cast = Cast::GetInstance();
    Flag deckLamp;
    Flag cabinLamp;
    Flag lampOnly;
    Room deck;
    Service soundEngine;
    cast.Add(&deckLamp, "Deck|Lampe");
    cast.Add(&cabinLamp, "Kabine|Lampe");
    cast.Add(&deck, Cast::RoomName("Deck"));
    cast.Add(&soundEngine, "Sound Engine");

    EXPECT_EQ(cast.Find("Kabine|Lampe"), &cabinLamp);
    EXPECT_EQ(cast.Find("Lampe"), &deckLamp);       // the first of two groups
    EXPECT_EQ(cast.Find("ampe"), nullptr);          // only whole short names
    EXPECT_EQ(cast.Find("Deck"), nullptr);          // groups are no names
    EXPECT_EQ(cast.FindAs<Room>("Deck|Room"), &deck);
    EXPECT_EQ(cast.FindAs<Room>("Lampe"), nullptr);
    // Services are found, but are no elements.
    EXPECT_EQ(cast.Find("Sound Engine"), &soundEngine);
    EXPECT_EQ(cast.FindElement("Sound Engine"), nullptr);

    // An exact name wins over an earlier entry that merely ends with it.
    cast.Add(&lampOnly, "Lampe");
    EXPECT_EQ(cast.Find("Lampe"), &lampOnly);

    EXPECT_EQ(cast.GetFullName(&cabinLamp), "Kabine|Lampe");
    EXPECT_EQ(cast.GetGroup(&cabinLamp), "Kabine");
    EXPECT_EQ(cast.GetName(&cabinLamp), "Lampe");
    EXPECT_EQ(cast.GetGroup(&soundEngine), "");
    EXPECT_EQ(cast.GetName(&soundEngine), "Sound Engine");
    Flag stranger;
    EXPECT_EQ(cast.GetFullName(&stranger), "");

    EXPECT_TRUE(cast.Remove(&deckLamp));
    EXPECT_FALSE(cast.Remove(&deckLamp));
    EXPECT_EQ(cast.Find("Deck|Lampe"), nullptr);
    cast.Clear();
}

TEST_F(CastTest, FactoryCreatesElementsByTheClassNameTheSerializerWrites)
{
    const std::unique_ptr<GameElement> flag = CreateElement("class Flag");
    ASSERT_NE(dynamic_cast<Flag*>(flag.get()), nullptr);
    EXPECT_EQ(ObjectType::GetInstance().GetClassName(*flag), "class Flag");
    const std::unique_ptr<GameElement> room = CreateElement("Room");
    ASSERT_NE(dynamic_cast<Room*>(room.get()), nullptr);
    EXPECT_EQ(ObjectType::GetInstance().GetClassName(*room), "class Room");
}
