// The generated rooms of the episodes, read as the game reads them: the
// sprite-info file, the pictures and maps through the image loader, the
// ambient loop through the Ogg loader; and every kind of ambient loop a
// room can have.

#include "GeneratedDataTest.h"
#include "ImagePixels.h"
#include "LoopMeasures.h"
#include "rooms/RoomAmbience.h"
#include "adventure/Room.h"
#include "app/Debug.h"
#include "audio/OggLoader.h"
#include "audio/SampleData.h"
#include "files/HostPath.h"
#include "graphics/Image.h"
#include "graphics/SpriteInfosLoaderUtil.h"
#include "graphics/SpriteLoaderUtil.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

struct ExpectedRoom {
    const char* folder;  // as the game names it, Windows-1252
    int width;
};

// Strand scrolls; the others fill the screen.
const ExpectedRoom generatedRooms[] = {
    {"data\\level01\\roombr\xfc" "cke\\", 1024},
    {"data\\level01\\roommaschinenraum\\", 1024},
    {"data\\level01\\roomstrand\\", 1600},
    {"data\\level01\\roomdorfplatz\\", 1024},
    {"data\\level02\\roomfestplatz\\", 1024},
    {"data\\level02\\roomraumhafen\\", 1024},
    {"data\\level02\\roomtaxistand\\", 1024},
    {"data\\level02\\roomhangar\\", 1024},
    {"data\\level03\\roomlichtung\\", 1024},
    {"data\\level03\\roomdorf\\", 1024},
    {"data\\level03\\roomschmiede\\", 1024},
    {"data\\level03\\roomturnierwiese\\", 1024},
    {"data\\level04\\roomburghof\\", 1024},
    {"data\\level04\\roomrittersaal\\", 1024},
    {"data\\level04\\roomk\xfc" "che\\", 1024},
    {"data\\level04\\roomturm\\", 1024},
    {"data\\level04\\roomverlies\\", 1024},
    {"data\\level05\\roomlandeplatz\\", 1024},
    {"data\\level05\\roomschleuse\\", 1024},
    {"data\\level05\\roomlabor\\", 1024},
    {"data\\level05\\roomlager\\", 1024},
    {"data\\level06\\roombasis\\", 1024},
    {"data\\level06\\roomsammlung\\", 1024},
    {"data\\level06\\roomkontrollraum\\", 1024},
    {"data\\level06\\roomstartrampe\\", 1024},
    {"data\\level06\\roomheimkehr\\", 1024},
};

constexpr int roomHeight = 768;
// The menu bar above, the inventory bar below: nobody walks there.
constexpr int menuBarBottom = 128;
constexpr int inventoryBarTop = 656;

// A picture as the game reads it: sprite art through the sprite loader,
// the maps as the room reads them.
std::unique_ptr<Image> Load(const std::string& basePath, bool map = false)
{
    std::unique_ptr<Image> image = map ? Room::LoadMapImage(basePath) : SpriteLoaderUtil::LoadImage(basePath, false);
    if (image && image->GetDepth() != 24)
        return nullptr;
    return image;
}

// A walk-area cell from the loaded pixel: 0 blocked, 2 lead, 1 walkable.
int WalkCell(std::uint32_t rgb)
{
    const int red = static_cast<int>(rgb >> 16);
    const int green = static_cast<int>((rgb >> 8) & 0xFF);
    const int blue = static_cast<int>(rgb & 0xFF);
    if (red + green + blue == 0)
        return 0;
    return blue > (red + green) / 2 ? 2 : 1;
}

} // namespace

class RoomsTest : public GeneratedDataTest {
protected:
    void SetUp() override
    {
        GeneratedDataTest::SetUp();
        StartLog();
    }
};

TEST_F(RoomsTest, EveryRoomHasMapsOfItsPictureAndGraphicsInsideIt)
{
    const std::regex line("\"([a-zA-Z][a-zA-Z_]*[0-9]*)\" (-?[0-9]+) (-?[0-9]+) ([0-9]+) ([0-9]+)\r");
    for (const ExpectedRoom& room : generatedRooms) {
        const std::string folder = room.folder;
        SCOPED_TRACE(folder);
        // Every line of the file is one quoted name and four integers, and
        // the game's reader gives the same entries.
        const std::string text = ReadFile(HostPath(folder + "spriteinfos.txt"));
        ASSERT_FALSE(text.empty());
        std::map<std::string, SpriteRect> written;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            ASSERT_NE(end, std::string::npos) << "the last line has no line end";
            const std::string oneLine = text.substr(start, end - start);
            std::smatch match;
            ASSERT_TRUE(std::regex_match(oneLine, match, line)) << oneLine;
            EXPECT_EQ(written.count(match[1]), 0U) << "listed twice: " << match[1];
            written[match[1]] = {std::stoi(match[2]), std::stoi(match[3]), std::stoi(match[4]), std::stoi(match[5])};
            start = end + 1;
        }
        SpriteInfosLoaderUtil::SpriteInfos infos;
        ASSERT_TRUE(SpriteInfosLoaderUtil::LoadSpriteInfos((folder + "spriteinfos.txt").c_str(), infos));
        EXPECT_EQ(infos, written);

        // The picture and its three maps, all of the room's size.
        const SpriteRect whole{0, 0, room.width, roomHeight};
        for (const char* entry : {"Background", "walkarea", "depthmap", "lightmap"})
            EXPECT_EQ(infos[entry], whole) << entry;
        std::map<std::string, std::unique_ptr<Image>> maps;
        for (const char* file : {"background", "walkarea", "depthmap", "lightmap"}) {
            maps[file] = Load(folder + file, std::string_view(file) != "background");
            ASSERT_NE(maps[file], nullptr) << file;
            EXPECT_EQ(maps[file]->GetWidth(), room.width) << file;
            EXPECT_EQ(maps[file]->GetHeight(), roomHeight) << file;
        }

        // Walkable ground and lead cells only between the bars, and both
        // there; the lead network lies on the ground.
        int cells[3] = {0, 0, 0};
        int strayCells = 0;
        const Image& walkArea = *maps["walkarea"];
        for (int y = 0; y < roomHeight; ++y) {
            for (int x = 0; x < room.width; ++x) {
                const int cell = WalkCell(Rgb24(walkArea, x, y));
                ++cells[cell];
                if (cell != 0 && (y < menuBarBottom || y >= inventoryBarTop))
                    ++strayCells;
            }
        }
        EXPECT_GT(cells[1], room.width * 100);
        EXPECT_GT(cells[2], room.width);
        EXPECT_GT(cells[0], room.width * 200);
        EXPECT_EQ(strayCells, 0);

        // Depth: white (the back scale) at the top, darkening downwards to
        // black (the front scale), the same across each row.
        const Image& depth = *maps["depthmap"];
        EXPECT_EQ(Rgb24(depth, 0, 0), 0xFFFFFFu);
        EXPECT_LE(Rgb24(depth, room.width - 1, roomHeight - 1) & 0xFF, 8u);
        for (int y = 1; y < roomHeight; ++y) {
            EXPECT_LE(Rgb24(depth, 0, y) & 0xFF, Rgb24(depth, 0, y - 1) & 0xFF) << "row " << y;
            EXPECT_EQ(Rgb24(depth, room.width - 1, y), Rgb24(depth, 0, y)) << "row " << y;
        }

        // Stills and animations: each file has its rectangle's size and
        // lies inside the room; frames are numbered from 01 without gaps.
        int stills = 0;
        std::map<std::string, int> animations;
        for (const auto& [name, rect] : infos) {
            if (rect == whole)
                continue;
            SCOPED_TRACE(name);
            EXPECT_TRUE(rect.x >= 0 && rect.y >= 0 && rect.x + rect.width <= room.width &&
                        rect.y + rect.height <= roomHeight);
            const std::unique_ptr<Image> picture = Load(folder + name);
            ASSERT_NE(picture, nullptr);
            EXPECT_EQ(picture->GetWidth(), rect.width);
            EXPECT_EQ(picture->GetHeight(), rect.height);
            if (std::isdigit(static_cast<unsigned char>(name.back())) == 0) {
                ++stills;
                continue;
            }
            const std::string prefix = name.substr(0, name.size() - 2);
            EXPECT_EQ(std::atoi(name.c_str() + prefix.size()), ++animations[prefix]);
        }
        EXPECT_GE(stills, 1);
        EXPECT_GE(animations.size(), 1U);
        EXPECT_GE(stills + static_cast<int>(animations.size()), 2);
        for (const auto& [prefix, frames] : animations)
            EXPECT_GE(frames, 2) << prefix;

        // The ambient loop: mono at the game's rate, some seconds long,
        // and its end runs on into its start without a jump. Sounds are
        // named below the data folder, as a room's settings name them.
        OggLoader loader;
        SampleData sound;
        ASSERT_TRUE(loader.Load(folder.substr(std::strlen("data\\")) + "ambient.ogg", sound));
        EXPECT_EQ(sound.rate, 22050);
        EXPECT_EQ(sound.channels, 1);
        EXPECT_GE(sound.frames, 22050 * 4);
        const auto* samples = reinterpret_cast<const std::int16_t*>(sound.data);
        int largestStep = 0;
        int loudest = 0;
        for (int frame = 1; frame < sound.frames; ++frame) {
            largestStep = std::max(largestStep, std::abs(samples[frame] - samples[frame - 1]));
            loudest = std::max(loudest, std::abs(static_cast<int>(samples[frame])));
        }
        EXPECT_GT(loudest, 2000);
        EXPECT_LE(std::abs(samples[0] - samples[sound.frames - 1]), largestStep);
        FreeSampleData(sound);
    }
    const std::string log = ReadFile("debug.txt");
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    EXPECT_EQ(Debug::GetInstance().GetErrorCount(), 0);
}

// Each kind of ambience, as the rooms' loops are made: eight seconds at the
// effects' rate whose peak sits at 0.35 of full scale, a steady bed rather
// than a lone noise in silence (its RMS level at least a tenth of that
// peak), whose last sample leads into the first as neighbours do (the step
// no larger than 99 in 100 of theirs), and which goes on through the join
// as loud as anywhere else: each tenth of a second from the one across it
// to a second after it lies within 6 dB of the loop's middle level (the
// loop's end is faded into its start over three quarters of a second).
TEST(RoomAmbienceTest, EveryAmbienceIsALevelLoopThatJoinsWithoutAClickOrADip)
{
    using content::rooms::Ambience;
    for (const Ambience ambience : {Ambience::waves, Ambience::engineHum, Ambience::wind, Ambience::villageMurmur,
                                    Ambience::festival, Ambience::terminal, Ambience::landingPad, Ambience::hangar,
                                    Ambience::forest, Ambience::medievalVillage, Ambience::smithy,
                                    Ambience::tournamentMeadow, Ambience::castleYard, Ambience::greatHall,
                                    Ambience::castleKitchen, Ambience::tower, Ambience::dungeon, Ambience::moonPad,
                                    Ambience::airlock, Ambience::laboratory, Ambience::storeRoom, Ambience::baseHall,
                                    Ambience::collection, Ambience::controlRoom, Ambience::launchRamp}) {
        SCOPED_TRACE(static_cast<int>(ambience));
        const std::vector<float> samples = content::rooms::AmbienceLoop(ambience);
        ASSERT_EQ(samples.size(), 8u * 22050u);
        double loudest = 0.0;
        double energy = 0.0;
        for (const float sample : samples) {
            loudest = std::max(loudest, static_cast<double>(std::abs(sample)));
            energy += static_cast<double>(sample) * sample;
        }
        EXPECT_NEAR(loudest, 0.35, 1e-6);
        EXPECT_GT(std::sqrt(energy / static_cast<double>(samples.size())), 0.035);
        EXPECT_LE(std::abs(samples.front() - samples.back()), NeighbourStep(samples, 0.99));
        const std::vector<double> levels = LevelsRoundTheLoop(samples, 2205);
        const double middle = MiddleLevel(levels);
        for (std::size_t window = 0; window < 10; ++window) {
            EXPECT_GT(levels[window], 0.5 * middle) << "window " << window << ", middle " << middle;
            EXPECT_LT(levels[window], 2.0 * middle) << "window " << window << ", middle " << middle;
        }
    }
}
