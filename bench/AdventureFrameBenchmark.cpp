// One frame of the adventure as the player sees it, composed into the
// canvas without presenting it: the beach (1600 wide, scrolled to Juna),
// Juna walking, scaled by depth and tinted by the light map, saying a line
// in a speech bubble, Lotte, Mia and Baltasar standing with their shadows,
// and the inventory bar out with two items.
//
//     taskset -c 1 build/bench/zephyra_benchmarks --benchmark_filter=AdventureFrame
//
// AdventureFrame/depth:N   the room's background, the four figures and
//                          their shadows, the bar and the bubble submitted
//                          and drawn into an N-bit canvas (16, 24, 32).

#include "GeneratedDataStage.h"
#include "adventure/Cast.h"
#include "adventure/CastAnimations.h"
#include "adventure/Character.h"
#include "adventure/Inventory.h"
#include "adventure/Item.h"
#include "adventure/Room.h"
#include "graphics/RenderEngine.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

void AdventureFrame(benchmark::State& state)
{
    GeneratedDataStage stage(static_cast<int>(state.range(0)));
    const bool loaded = stage.LoadLevel(1);
    Room room;
    room.SetSpriteInfosFilename("level01\\roomstrand\\spriteinfos.txt");
    if (!loaded || !room.Init()) {
        state.SkipWithError("the generated beach cannot be loaded");
        return;
    }
    struct Standing {
        std::string_view figure;
        int x, y, orient;
    };
    const std::array<Standing, 4> cast = {{{castanimations::juna, 1150, 610, Entity::left},
                                           {castanimations::lotte, 900, 600, Entity::right},
                                           {castanimations::mia, 1000, 640, Entity::left},
                                           {castanimations::baltasar, 1350, 560, Entity::down}}};
    std::array<Character, 4> people;
    for (std::size_t index = 0; index < people.size(); ++index) {
        people[index].SetRoom(&room);
        people[index].SetAnimName(std::string(cast[index].figure));
        people[index].SetPosition(cast[index].x, cast[index].y);
        people[index].SetOrient(cast[index].orient);
    }
    Character& juna = people[0];
    room.SetFocus(&juna);
    room.Update(0.0f);
    juna.WalkTo(700, 620, Entity::noDirection);
    juna.Say({"Mia, leg die Kamera weg und hilf mir mit der Luke!", "", ""});

    // Two things in the inventory, the bar slid out.
    std::array<Item, 2> things;
    const std::array<const char*, 2> icons = {"kristall_icon", "muschel_icon"};
    Inventory& inventory = Inventory::GetInstance();
    inventory.Init();
    for (std::size_t index = 0; index < things.size(); ++index) {
        things[index].GetIconSprite().SetSpriteLabel(icons[index]);
        Cast::GetInstance().Add(&things[index], std::string("RoomStrand|Ding") + char('A' + index));
        inventory.AddItem(std::string("RoomStrand|Ding") + char('A' + index));
    }
    inventory.SetMousePosition(512, 700);
    for (int step = 0; step < 20; ++step) {
        inventory.Update(0.05f);
        for (Character& person : people)
            person.Update(0.01f);
    }

    RenderEngine& engine = RenderEngine::GetInstance();
    const auto frame = [&] {
        engine.ClearRenderList();
        room.Draw();
        for (Character& person : people)
            person.Draw();
        inventory.Render();
        engine.Render();
    };
    frame(); // every sprite built before timing
    for (auto _ : state)
        frame();
    Cast::GetInstance().Clear();
    room.Exit();
}

} // namespace

BENCHMARK(AdventureFrame)->Arg(16)->Arg(24)->Arg(32)->ArgName("depth")->Unit(benchmark::kMicrosecond);
