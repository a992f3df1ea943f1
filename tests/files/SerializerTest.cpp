#include "files/AsciiSerializer.h"
#include "files/AsciiStateSerializer.h"
#include "files/File.h"
#include "files/Object.h"
#include "files/ObjectType.h"
#include "files/SerializeChoice.h"
#include "support/HeadlessTest.h"

#include <string>
#include <vector>

namespace {

class Door : public Object {
public:
    std::string target = "none";
    int position[2] = {7, 8};
    bool locked = false;

    void Serialize(Serializer& serializer, const char* name) override
    {
        serializer.BeginSection("Door", name);
        serializer.SerializeString("target", target);
        serializer.SerializeIntPair("position", position);
        serializer.SerializeBool("locked", &locked);
        serializer.EndSection();
    }
};

class Room : public Object {
public:
    std::string title;
    float light = 1.0f;
    int music = 0;
    bool visited = false;
    int size[2] = {0, 0};
    Door door;
    int exitCount = 0;
    std::string firstExit;

    void Serialize(Serializer& serializer, const char* name) override
    {
        serializer.BeginSection("Room", name);
        serializer.Comment("made by hand");
        serializer.SerializeString("title", title);
        serializer.SerializeFloat("light", &light);
        serializer.SerializeInt("music", &music);
        serializer.SerializeBool("visited", &visited);
        serializer.SerializeIntPair("size", size);
        serializer.SerializeObject("door1", &door);
        serializer.Comment("");
        serializer.BeginSection("Exits", "exits");
        serializer.SerializeInt("count", &exitCount);
        serializer.SerializeString("first", firstExit);
        serializer.EndSection();
        serializer.EndSection();
    }
};

// Parameters and run-time state in different blocks, as savegames see them.
class Lamp : public Object {
public:
    int brightness = 5;
    bool on = false;

    void Serialize(Serializer& serializer, const char* name) override
    {
        serializer.BeginSection("Lamp", name);
        serializer.SerializeInt("brightness", &brightness);
        serializer.EndSection();
    }
    void SerializeState(Serializer& serializer, const char* name) override
    {
        serializer.BeginSection("LampState", name);
        serializer.SerializeBool("on", &on);
        serializer.EndSection();
    }
};

class Ship : public Object {
public:
    int fuel = 100;
    Lamp lamp;

    void Serialize(Serializer& serializer, const char* name) override
    {
        serializer.BeginSection("Ship", name);
        serializer.SerializeObject("lamp", &lamp);
        serializer.EndSection();
    }
    void SerializeState(Serializer& serializer, const char* name) override
    {
        serializer.BeginSection("ShipState", name);
        serializer.SerializeInt("fuel", &fuel);
        serializer.SerializeObject("lamp", &lamp);
        serializer.EndSection();
    }
};

const ObjectTypeRegistration<Door> doorType("Door");
const ObjectTypeRegistration<Room> roomType("Room");
const ObjectTypeRegistration<Lamp> lampType("Lamp");
const ObjectTypeRegistration<Ship> shipType("Ship");

} // namespace

// Not registered: goes by its C++ name.
class SerializerTestBeacon : public Object {
};

class SerializerTest : public LoggedTest {
protected:
    // What `write` writes through a serializer of the given kind.
    template <typename SerializerType = AsciiSerializer, typename Body>
    std::string Written(Body write)
    {
        File file;
        EXPECT_TRUE(file.OpenDirect("written.txt", "w"));
        {
            SerializerType writer(file, true);
            EXPECT_TRUE(writer.IsWriting());
            EXPECT_FALSE(writer.IsReading());
            write(writer);
        }
        file.Close();
        return ReadFile("written.txt");
    }

    // Lets `read` read the text through a serializer of the given kind.
    template <typename SerializerType = AsciiSerializer, typename Body>
    void Read(const std::string& text, Body read)
    {
        WriteFile("read.txt", text);
        File file;
        ASSERT_TRUE(file.Open("read.txt", "r"));
        SerializerType reader(file, false);
        EXPECT_TRUE(reader.IsReading());
        read(reader);
    }

    static std::string Log() { return ReadFile("debug.txt"); }
};

TEST_F(SerializerTest, WritesTheTextFormatAndReadsEveryFieldBack)
{
    Room room;
    room.title = "Bridge deck";
    room.light = 0.75f;
    room.music = -3;
    room.visited = true;
    room.size[0] = 640;
    room.size[1] = -480;
    room.door.target = "Corridor";
    room.door.position[0] = 12;
    room.door.position[1] = 34;
    room.door.locked = true;
    room.exitCount = 2;
    room.firstExit = "north";

    const std::string text = Written([&](Serializer& writer) { writer.SerializeObject("bridge", &room); });
    EXPECT_EQ(text, "class type: \"class Room\"\n"
                    "[Room] \"bridge\"\n"
                    "{\n"
                    "    # made by hand\n"
                    "    \"title\" \"Bridge deck\"\n"
                    "    \"light\" 0.750000\n"
                    "    \"music\" -3\n"
                    "    \"visited\" 1\n"
                    "    \"size\" 640 -480\n"
                    "    class type: \"class Door\"\n"
                    "    [Door] \"door1\"\n"
                    "    {\n"
                    "        \"target\" \"Corridor\"\n"
                    "        \"position\" 12 34\n"
                    "        \"locked\" 1\n"
                    "    }\n"
                    "\n"
                    "\n"
                    "    [Exits] \"exits\"\n"
                    "    {\n"
                    "        \"count\" 2\n"
                    "        \"first\" \"north\"\n"
                    "    }\n"
                    "\n"
                    "}\n"
                    "\n");

    // Every field read back: the copy writes the same text.
    Room copy;
    Read(text, [&](Serializer& reader) { reader.SerializeObject("bridge", &copy); });
    EXPECT_EQ(Written([&](Serializer& writer) { writer.SerializeObject("bridge", &copy); }), text);
    // Read in declaration order: no field was searched for in vain.
    EXPECT_EQ(Log(), "");
}

TEST_F(SerializerTest, NamesClassesByRegistrationOrByTheirCppName)
{
    EXPECT_EQ(ObjectType::GetInstance().GetClassName(Door()), "class Door");
    const Object& beacon = SerializerTestBeacon();
    EXPECT_EQ(ObjectType::GetInstance().GetClassName(beacon), "class SerializerTestBeacon");
}

TEST_F(SerializerTest, FindsFieldsInAnyOrderAndLeavesMissingOnesAlone)
{
    // "locked" and "target" swapped, "position" indented with a tab (which
    // hides it), and a field and a block that the object does not know.
    Door door;
    Read("[Door] \"front\"\n"
         "{\n"
         "    \"locked\" 1\n"
         "    \"colour\" 3\n"
         "    [Handle] \"brass\"\n"
         "    {\n"
         "        \"size\" 1 2\n"
         "    }\n"
         "    \"target\" \"Hall\"\n"
         "\t\"position\" 5 6\n"
         "}\n",
         [&](Serializer& reader) { door.Serialize(reader, "front"); });
    EXPECT_EQ(door.target, "Hall");
    EXPECT_TRUE(door.locked);
    EXPECT_EQ(door.position[0], 7);
    EXPECT_EQ(door.position[1], 8);
    // The search for "position" started after "target", at entry 7.
    EXPECT_EQ(Log(), "AsciiDialogSerializer: FindEntry <position> not found (started search in 7)\n");

    // The search also looks into nested blocks.
    Door nested;
    Read("[Door] \"back\"\n"
         "{\n"
         "    \"position\" 5 6\n"
         "    \"target\" \"Yard\"\n"
         "    [Handle] \"brass\"\n"
         "    {\n"
         "        \"locked\" 1\n"
         "    }\n"
         "}\n",
         [&](Serializer& reader) { nested.Serialize(reader, "back"); });
    EXPECT_EQ(nested.target, "Yard");
    EXPECT_EQ(nested.position[0], 5);
    EXPECT_EQ(nested.position[1], 6);
    EXPECT_TRUE(nested.locked);
    EXPECT_EQ(Log(), "AsciiDialogSerializer: FindEntry <position> not found (started search in 7)\n");
}

TEST_F(SerializerTest, SearchesAroundTheCursorWhenASectionIsMissing)
{
    Door door;
    Read("[Portal] \"front\"\n"
         "{\n"
         "    \"target\" \"Hall\"\n"
         "}\n",
         [&](Serializer& reader) { door.Serialize(reader, "front"); });
    EXPECT_EQ(door.target, "Hall");
    EXPECT_FALSE(door.locked);
    EXPECT_EQ(Log(), "AsciiDialogSerializer: FindSection <front> not found\n"
                     "AsciiDialogSerializer: FindEntry <position> not found (started search in 2)\n"
                     "AsciiDialogSerializer: FindEntry <locked> not found (started search in 2)\n");
}

TEST_F(SerializerTest, ReadsStringsUpToTheirClosingQuote)
{
    std::vector<std::string> values(6, "unchanged");
    Read("[Texts] \"t\"\n"
         "{\n"
         "    \"title\" \"two words\"\n"
         "    \"quoted\" \"say \"hi\" twice\"\n"
         "    \"open\" \"no end  \n"
         "    \"bare\" word\n"
         "    \"empty\" \"\"\n"
         "    \"" + std::string("long\" \"") + std::string(2000, 'x') + "\"\n"
         "}\n",
         [&](Serializer& reader) {
             reader.BeginSection("Texts", "t");
             reader.SerializeString("title", values[0]);
             reader.SerializeString("quoted", values[1]);
             reader.SerializeString("open", values[2]);
             reader.SerializeString("bare", values[3]);
             reader.SerializeString("empty", values[4]);
             reader.SerializeString("long", values[5]);
             reader.EndSection();
         });
    EXPECT_EQ(values[0], "two words");
    EXPECT_EQ(values[1], "say ");
    EXPECT_EQ(values[2], "no end  ");   // an unclosed quote runs to the line's end
    EXPECT_EQ(values[3], "unchanged");  // no quote: no text
    EXPECT_EQ(values[4], "");
    // Lines are cut at 999 characters, 12 of which precede the text.
    EXPECT_EQ(values[5], std::string(999 - 12, 'x'));
    EXPECT_EQ(Log(), "");
}

TEST_F(SerializerTest, WritesOnlyStringsItCanReadBack)
{
    // A quote or a line break would end the value early and lose the fields
    // after it; a value longer than a line would be cut with its neighbours.
    Door door;
    door.target = "RoomBr\xFC" "cke \"hinten\"\n}\n[X \"evil\"";
    door.locked = true;
    const std::string written = Written([&](Serializer& writer) { writer.SerializeObject("front", &door); });
    EXPECT_EQ(written, "class type: \"class Door\"\n"
                       "[Door] \"front\"\n"
                       "{\n"
                       "    \"target\" \"RoomBr\xFC" "cke hinten } [X evil\"\n"
                       "    \"position\" 7 8\n"
                       "    \"locked\" 1\n"
                       "}\n"
                       "\n");
    Door readBack;
    Read(written, [&](Serializer& reader) { reader.SerializeObject("front", &readBack); });
    EXPECT_EQ(readBack.target, "RoomBr\xFC" "cke hinten } [X evil");
    EXPECT_TRUE(readBack.locked);

    // A NUL would end the formatted line early: it is dropped.
    door.target = std::string("Raum\0B", 6);
    Read(Written([&](Serializer& writer) { writer.SerializeObject("front", &door); }),
         [&](Serializer& reader) { reader.SerializeObject("front", &readBack); });
    EXPECT_EQ(readBack.target, "RaumB");

    door.target = std::string(5000, 'y');
    const std::string longLine = Written([&](Serializer& writer) { writer.SerializeObject("front", &door); });
    Read(longLine, [&](Serializer& reader) { reader.SerializeObject("front", &readBack); });
    // 4 spaces, "target", a space and the value's quotes take 15 of the
    // line's 999 characters.
    EXPECT_EQ(readBack.target, std::string(999 - 15, 'y'));
    EXPECT_TRUE(readBack.locked);
    EXPECT_EQ(Log(), "");
}

TEST_F(SerializerTest, ConvertsNumbersLikeScanf)
{
    int count = 0, empty = 42, level = 0, pair[2] = {1, 2}, shortPair[2] = {3, 4};
    bool flag = false, off = true, blank = true;
    float ratio = 0.5f, speed = 0.0f;
    Read("[Values] \"v\"\n"
         "{\n"
         "    \"count\" many\n"
         "    \"flag\" maybe\n"
         "    \"off\"\t0\n"
         "    \"ratio\" fast\n"
         "    \"speed\" 2.5e1 km/h\n"
         "    \"level\" -17 3\n"
         "    \"pair\" 9 -9 99\n"
         "    \"short\" 5\n"
         "    \"empty\"\n"
         "    \"blank\"   \n"
         "}\n",
         [&](Serializer& reader) {
             reader.BeginSection("Values", "v");
             reader.SerializeInt("count", &count);
             reader.SerializeBool("flag", &flag);
             reader.SerializeBool("off", &off);
             reader.SerializeFloat("ratio", &ratio);
             reader.SerializeFloat("speed", &speed);
             reader.SerializeInt("level", &level);
             reader.SerializeIntPair("pair", pair);
             reader.SerializeIntPair("short", shortPair);
             reader.SerializeInt("empty", &empty);
             reader.SerializeBool("blank", &blank);
             reader.EndSection();
         });
    EXPECT_EQ(count, -1);          // not a number
    EXPECT_TRUE(flag);             // -1 is not 0
    EXPECT_FALSE(off);
    EXPECT_FLOAT_EQ(ratio, 0.5f);  // not a number: kept
    EXPECT_FLOAT_EQ(speed, 25.0f);
    EXPECT_EQ(level, -17);
    EXPECT_EQ(pair[0], 9);
    EXPECT_EQ(pair[1], -9);
    EXPECT_EQ(shortPair[0], 5);    // the missing half is kept
    EXPECT_EQ(shortPair[1], 4);
    EXPECT_EQ(empty, 42);          // no value text: kept
    EXPECT_TRUE(blank);
}

TEST_F(SerializerTest, ReadsOneObjectPerSerializerFromOneFile)
{
    // A savegame: each object behind a marker line, as the writer leaves it.
    Door first;
    first.target = "Hall";
    Door second;
    second.target = "Cellar";
    second.locked = true;
    std::string saved;
    for (Door* door : {&first, &second})
        saved += "OBJECT START\n" + Written([&](Serializer& writer) { writer.SerializeObject("door", door); });
    WriteFile("level.txt", saved);

    File file;
    ASSERT_TRUE(file.Open("level.txt", "r"));
    std::string line;
    for (const Door* expected : {&first, &second}) {
        ASSERT_TRUE(file.ReadLine(line, 999));
        EXPECT_EQ(line, "OBJECT START");
        Door read;
        AsciiSerializer(file, false).SerializeObject("door", &read);
        EXPECT_EQ(read.target, expected->target);
        EXPECT_EQ(read.locked, expected->locked);
        // The reader stopped after its closing brace: the blank line is
        // still to come.
        ASSERT_TRUE(file.ReadLine(line, 999));
        EXPECT_EQ(line, "");
    }
    EXPECT_EQ(Log(), "");
}

TEST_F(SerializerTest, StateSerializerAsksObjectsForTheirState)
{
    Ship ship;
    ship.fuel = 42;
    ship.lamp.on = true;
    ship.lamp.brightness = 9;
    const std::string state =
        Written<AsciiStateSerializer>([&](Serializer& writer) { writer.SerializeObject("ship", &ship); });
    EXPECT_EQ(state, "class type: \"class Ship\"\n"
                     "[ShipState] \"ship\"\n"
                     "{\n"
                     "    \"fuel\" 42\n"
                     "    class type: \"class Lamp\"\n"
                     "    [LampState] \"lamp\"\n"
                     "    {\n"
                     "        \"on\" 1\n"
                     "    }\n"
                     "\n"
                     "}\n"
                     "\n");
    EXPECT_EQ(Written([&](Serializer& writer) { writer.SerializeObject("ship", &ship); }),
              "class type: \"class Ship\"\n"
              "[Ship] \"ship\"\n"
              "{\n"
              "    class type: \"class Lamp\"\n"
              "    [Lamp] \"lamp\"\n"
              "    {\n"
              "        \"brightness\" 9\n"
              "    }\n"
              "\n"
              "}\n"
              "\n");

    Ship restored;
    Read<AsciiStateSerializer>(state, [&](Serializer& reader) { reader.SerializeObject("ship", &restored); });
    EXPECT_EQ(restored.fuel, 42);
    EXPECT_TRUE(restored.lamp.on);
    EXPECT_EQ(restored.lamp.brightness, 5);
    EXPECT_EQ(Log(), "");
}

TEST_F(SerializerTest, ChoiceWritesTextIndexAndSelection)
{
    const std::vector<std::string> modes = {"stop", "loop", "ping pong"};
    std::string mode = "ping pong";
    EXPECT_EQ(Written([&](Serializer& writer) { SerializeChoice(writer, "mode", modes, mode); }),
              "\"mode_string\" \"ping pong\"\n"
              "\"mode_index\" 2\n"
              "\"mode\" 2\n");

    // An empty list leaves only the text, which reads back as it stands.
    std::string free = "anything";
    EXPECT_EQ(Written([&](Serializer& writer) { EXPECT_FALSE(SerializeChoice(writer, "free", {}, free)); }),
              "\"free_string\" \"anything\"\n");
    std::string freeRead = "before";
    Read("\"free_string\" \"anything\"\n", [&](Serializer& reader) {
        EXPECT_FALSE(SerializeChoice(reader, "free", {}, freeRead));
    });
    EXPECT_EQ(freeRead, "anything");
}

TEST_F(SerializerTest, ChoiceLetsTheTextOrTheSelectionWin)
{
    const std::vector<std::string> reordered = {"ping pong", "loop", "stop"};
    const auto readChoice = [&](const std::string& text, std::string& value) {
        bool changed = false;
        Read(text, [&](Serializer& reader) { changed = SerializeChoice(reader, "mode", reordered, value); });
        return changed;
    };

    // Both indices agree: the text wins although index 2 now means "stop".
    std::string mode = "stop";
    EXPECT_TRUE(readChoice("\"mode_string\" \"ping pong\"\n\"mode_index\" 2\n\"mode\" 2\n", mode));
    EXPECT_EQ(mode, "ping pong");
    EXPECT_FALSE(readChoice("\"mode_string\" \"ping pong\"\n\"mode_index\" 2\n\"mode\" 2\n", mode));
    EXPECT_EQ(mode, "ping pong");

    // The editor changed the selection: the index wins over the text.
    EXPECT_TRUE(readChoice("\"mode_string\" \"ping pong\"\n\"mode_index\" 2\n\"mode\" 1\n", mode));
    EXPECT_EQ(mode, "loop");

    // A text that is no longer an option, and a selection out of range,
    // change nothing.
    EXPECT_FALSE(readChoice("\"mode_string\" \"bounce\"\n\"mode_index\" 2\n\"mode\" 2\n", mode));
    EXPECT_EQ(mode, "loop");
    EXPECT_FALSE(readChoice("\"mode_string\" \"stop\"\n\"mode_index\" 0\n\"mode\" 7\n", mode));
    EXPECT_EQ(mode, "loop");
}

TEST_F(SerializerTest, ReadsMalformedTextWithoutFailing)
{
    // An empty file: nothing is found, nothing changes.
    Door empty;
    Read("", [&](Serializer& reader) {
        reader.SerializeObject("front", &empty);
        reader.EndSection();
        reader.EndSection();
    });
    EXPECT_EQ(empty.target, "none");
    EXPECT_EQ(Log(), "AsciiDialogSerializer: FindSection <front> not found\n"
                     "AsciiDialogSerializer: FindEntry <target> not found (started search in 0)\n"
                     "AsciiDialogSerializer: FindEntry <position> not found (started search in 0)\n"
                     "AsciiDialogSerializer: FindEntry <locked> not found (started search in 0)\n");

    // A stray closing brace, a '[' without ']', lone quotes, a file that ends
    // inside its block: what can be read is read.
    Door broken;
    Read("}\n"
         "\"\n"
         "[Door \"front\n"
         "{\n"
         "    \"locked\n"
         "    \"target\" \"Attic\n"
         "    \"position\" 3 4\n"
         "    [\n",
         [&](Serializer& reader) {
             broken.Serialize(reader, "front");
             reader.EndSection();
             reader.SerializeObject("again", &broken);
             for (int extra = 0; extra < 3; ++extra)
                 reader.EndSection();
         });
    EXPECT_EQ(broken.target, "Attic");
    EXPECT_EQ(broken.position[0], 3);
    EXPECT_EQ(broken.position[1], 4);
    EXPECT_FALSE(broken.locked); // "locked" has no value text

    // Braces that close more than they open end the object at the first
    // balance, and the next reader starts after it.
    WriteFile("unbalanced.txt", "[Door] \"a\"\n{\n}\n}\n}\n[Door] \"b\"\n{\n\"target\" \"Deck\"\n}\n");
    File file;
    ASSERT_TRUE(file.Open("unbalanced.txt", "r"));
    Door a;
    Door b;
    AsciiSerializer(file, false).SerializeObject("a", &a);
    AsciiSerializer(file, false).SerializeObject("b", &b);
    EXPECT_EQ(a.target, "none");
    EXPECT_EQ(b.target, "Deck");
}
