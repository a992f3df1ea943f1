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

#include "BenchmarkFolder.h"
#include "adventure/Room.h"
#include "adventure/RoomList.h"
#include "app/Debug.h"
#include "app/Singleton.h"
#include "graphics/DirectDraw.h"
#include "platform/Platform.h"
#include "platform/Windows1252.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

// A headless 1024 x 768 canvas at 32 bit in a temporary folder whose "data"
// is the generated one; the log goes to a file there.
class RoomStage {
public:
    RoomStage()
    {
        platform::Platform::Install(std::make_unique<platform::HeadlessPlatform>());
        platform::Window& window = platform::Platform::Get()->GetWindow();
        std::error_code failed;
        std::filesystem::create_directory_symlink(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data", "data", failed);
        ready = folder.IsReady() && !failed && Debug::GetInstance().CreateLogFile("debug.txt") &&
                window.Create({"Bench", DirectDraw::canvasWidth, DirectDraw::canvasHeight, true}) &&
                DirectDraw::GetInstance().Init(window, DirectDraw::canvasWidth, DirectDraw::canvasHeight, 32, true);
    }
    ~RoomStage()
    {
        SingletonRegistry::DestroyAll();
        platform::Platform::Remove();
    }
    RoomStage(const RoomStage&) = delete;
    RoomStage& operator=(const RoomStage&) = delete;

    bool IsReady() const { return ready; }

private:
    BenchmarkFolder folder;
    bool ready = false;
};

void Room_Init(benchmark::State& state)
{
    RoomStage stage;
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
