// Entering a room: Room::Init on each generated room of episode 1
// (build/run/data/level01), warm: the files are read once before timing.
//
//     taskset -c 1 build/bench/zephyra_benchmarks --benchmark_filter=Room_Init
//
// Room_Init/room:N   Init of the room on line N of rooms.txt (its folder the
//                    label): the sprite-info file, the background JPEG
//                    loaded as a sprite onto a 32-bit canvas, the walk area,
//                    depth map and light map read and converted, the stills
//                    and animations registered (they load when first drawn).
//                    Without the ambient loop (no sound engine). The Exit
//                    between two Inits is not timed. The rooms hold no
//                    anim_rle sprites and no .rle files.

#include "GeneratedDataStage.h"
#include "adventure/Room.h"
#include "adventure/RoomList.h"
#include "platform/Windows1252.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

void Room_Init(benchmark::State& state)
{
    GeneratedDataStage stage;
    const std::vector<std::string> rooms = ReadRoomList(1);
    const auto index = static_cast<std::size_t>(state.range(0));
    if (!stage.IsReady() || index >= rooms.size()) {
        state.SkipWithError("the generated rooms cannot be read");
        return;
    }
    state.SetLabel(Windows1252::ToUtf8(rooms[index]));
    Room room;
    room.SetSpriteInfosFilename(LevelFolder(1) + rooms[index] + "\\spriteinfos.txt");
    if (!room.Init()) {
        state.SkipWithError("Room::Init failed");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        room.Exit();
        state.ResumeTiming();
        benchmark::DoNotOptimize(room.Init());
    }
    room.Exit();
}

} // namespace

BENCHMARK(Room_Init)->DenseRange(0, 3)->ArgName("room")->Unit(benchmark::kMillisecond);
