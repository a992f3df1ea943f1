// Reading a level settings file of about 2 MB (some 3000 objects, each with
// a nested object, written by AsciiSerializer) back into objects, one
// serializer per object as the level loader does: from disk, as in the
// development tree, and from memory after descrambling, as the archive's
// text members are read.
//
//     build/bench/zephyra_benchmarks --benchmark_filter=Serializer
//
// bytes_per_second counts the bytes of the file.

#include "BenchmarkFolder.h"
#include "files/AsciiSerializer.h"
#include "files/File.h"
#include "files/Object.h"
#include "files/Scrambler.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace {

constexpr int targetFileSize = 2 * 1024 * 1024;

class Light : public Object {
public:
    int colour = 0;
    float radius = 0.0f;
    bool flicker = false;

    void Serialize(Serializer& serializer, const char* name) override
    {
        serializer.BeginSection("Light", name);
        serializer.SerializeInt("colour", &colour);
        serializer.SerializeFloat("radius", &radius);
        serializer.SerializeBool("flicker", &flicker);
        serializer.EndSection();
    }
};

// Fields of every kind, about as many as a character's parameters.
class Prop : public Object {
public:
    std::string sprite = "prop_default";
    std::string script;
    std::string description;
    int position[2] = {0, 0};
    int size[2] = {0, 0};
    int hotspot[2] = {0, 0};
    int direction = -1;
    int layer = 0;
    int walkArea = 0;
    float depth = 0.0f;
    float scale = 1.0f;
    float speed = 0.0f;
    bool visible = true;
    bool usable = false;
    bool collectable = false;
    Light light;

    void Serialize(Serializer& serializer, const char* name) override
    {
        serializer.BeginSection("Prop", name);
        serializer.Comment("placed by the level editor");
        serializer.SerializeString("sprite", sprite);
        serializer.SerializeString("script", script);
        serializer.SerializeString("description", description);
        serializer.SerializeIntPair("position", position);
        serializer.SerializeIntPair("size", size);
        serializer.SerializeIntPair("hotspot", hotspot);
        serializer.SerializeInt("direction", &direction);
        serializer.SerializeInt("layer", &layer);
        serializer.SerializeInt("walkArea", &walkArea);
        serializer.SerializeFloat("depth", &depth);
        serializer.SerializeFloat("scale", &scale);
        serializer.SerializeFloat("speed", &speed);
        serializer.SerializeBool("visible", &visible);
        serializer.SerializeBool("usable", &usable);
        serializer.SerializeBool("collectable", &collectable);
        serializer.SerializeObject("light", &light);
        serializer.EndSection();
    }
};

std::string PropName(int index)
{
    return "Deck" + std::to_string(index / 40) + "|prop" + std::to_string(index);
}

constexpr const char* textPath = "settings.txt";
constexpr const char* scrambledPath = "scrambled.txt";

// Writes the settings file into the working directory, as text and
// scrambled; returns its object count, or 0 on failure.
int MakeSettingsFiles()
{
    File file;
    if (!file.OpenDirect(textPath, "w"))
        return 0;
    int objects = 0;
    while (file.Tell() < targetFileSize) {
        Prop prop;
        prop.sprite = "prop_crate_" + std::to_string(objects % 17);
        prop.script = "ScriptOnUseCrate";
        prop.description = "Eine Kiste voller Ersatzteile";
        prop.position[0] = objects % 1024;
        prop.position[1] = objects % 768;
        prop.direction = objects % 8;
        prop.depth = static_cast<float>(objects) * 0.25f;
        prop.light.colour = 0x00FFEECC;
        file.Printf("OBJECT START\n");
        AsciiSerializer writer(file, true);
        writer.SerializeObject(PropName(objects).c_str(), &prop);
        ++objects;
    }
    file.Close();
    std::filesystem::copy_file(textPath, scrambledPath);
    if (!ScrambleFile(scrambledPath))
        return 0;
    return objects;
}

// Reads every object of the open file the way the level loader does;
// returns the number read and a sum of their fields.
int ReadObjects(File& file, long long& sum)
{
    int objects = 0;
    std::string line;
    while (file.ReadLine(line, AsciiSerializer::maximumLineLength)) {
        if (line != "OBJECT START")
            continue;
        Prop prop;
        AsciiSerializer reader(file, false);
        reader.SerializeObject(PropName(objects).c_str(), &prop);
        sum += prop.position[0] + prop.direction + static_cast<long long>(prop.depth) + prop.light.colour;
        ++objects;
    }
    return objects;
}

long long ExpectedSum(int objects)
{
    long long sum = 0;
    for (int index = 0; index < objects; ++index)
        sum += index % 1024 + index % 8 + static_cast<long long>(static_cast<float>(index) * 0.25f) + 0x00FFEECC;
    return sum;
}

template <bool fromMemory>
void Serializer_ReadSettings(benchmark::State& state)
{
    BenchmarkFolder folder;
    const int objects = MakeSettingsFiles();
    if (objects == 0) {
        state.SkipWithError("could not write the settings file");
        return;
    }
    const std::string path = fromMemory ? scrambledPath : textPath;
    const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(path));
    for (auto _ : state) {
        File file;
        const bool opened = fromMemory ? file.OpenMemory(path.c_str(), "r") : file.Open(path.c_str(), "r");
        if (!opened) {
            state.SkipWithError("could not open the settings file");
            return;
        }
        long long sum = 0;
        if (ReadObjects(file, sum) != objects || sum != ExpectedSum(objects)) {
            state.SkipWithError("the objects did not read back");
            return;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["objects"] = objects;
}

} // namespace

BENCHMARK(Serializer_ReadSettings<false>)->Name("Serializer_ReadSettings/disk")->Unit(benchmark::kMillisecond);
BENCHMARK(Serializer_ReadSettings<true>)->Name("Serializer_ReadSettings/memory")->Unit(benchmark::kMillisecond);
