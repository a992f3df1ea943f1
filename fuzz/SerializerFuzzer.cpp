// Level settings and savegames may be damaged or edited by hand: any bytes
// must read without crashing, one object per serializer, and what was read
// must write out and read back to the same text.

#include "files/AsciiSerializer.h"
#include "files/AsciiStateSerializer.h"
#include "files/File.h"
#include "files/Object.h"
#include "files/SerializeChoice.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

// Strings this long may lose their end when written indented and cut at the
// line limit on the way back, so they take no part in the round trip.
constexpr std::size_t longestComparedString = 900;

// One field of every kind, a choice and a nested block.
class Sample : public Object {
public:
    std::string title = "default";
    int volume = 0;
    bool loop = false;
    float gain = 1.0f;
    int position[2] = {0, 0};
    std::string mode = "stop";
    int voices = 0;

    void Serialize(Serializer& serializer, const char* name) override
    {
        serializer.BeginSection("AudioEvent", name);
        serializer.SerializeString("title", title);
        serializer.SerializeInt("volume", &volume);
        serializer.SerializeBool("loop", &loop);
        serializer.SerializeFloat("gain", &gain);
        serializer.SerializeIntPair("position", position);
        SerializeChoice(serializer, "mode", {"stop", "loop", "ping pong"}, mode);
        serializer.BeginSection("Voice", "left");
        serializer.SerializeInt("voices", &voices);
        serializer.EndSection();
        serializer.EndSection();
    }
    void SerializeState(Serializer& serializer, const char* name) override
    {
        serializer.BeginSection("AudioEventState", name);
        serializer.SerializeBool("loop", &loop);
        serializer.EndSection();
    }
};

// A folder of our own for the scratch files, removed at exit.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zephyra-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }

    std::string path;
};

const std::string& FolderPath()
{
    static const ScratchFolder folder;
    return folder.path;
}

// A scratch file that holds `text` and is positioned at its start. The files
// stay open between runs ("w+" also skips the atomic replacement): opening
// files would take most of the time.
File& Scratch(const char* name, std::string_view text)
{
    static std::map<std::string, File> files;
    File& file = files[name];
    if (!file.IsOpen() && !file.OpenDirect((FolderPath() + "/" + name).c_str(), "w+"))
        std::abort();
    file.Seek(0, 0);
    if (::ftruncate(::fileno(file.GetHandle()), 0) != 0)
        std::abort();
    file.Write(text.data(), static_cast<int>(text.size()));
    file.Seek(0, 0);
    return file;
}

std::string Written(Sample& sample)
{
    File& file = Scratch("written.txt", {});
    {
        AsciiSerializer writer(file, true);
        writer.SerializeObject("gong", &sample);
    }
    const int size = file.Tell();
    std::string text(static_cast<std::size_t>(size), '\0');
    file.Seek(0, 0);
    if (file.Read(text.data(), size) != size)
        std::abort();
    return text;
}

Sample ReadBack(const std::string& text)
{
    AsciiSerializer reader(Scratch("again.txt", text), false);
    Sample sample;
    reader.SerializeObject("gong", &sample);
    return sample;
}

// Whether the writer keeps the sample's strings as they are: it drops what
// the format cannot hold (NULs; a carriage return read from the middle of a
// line becomes a space), and a changed string may name another option.
bool WrittenUnchanged(const Sample& sample)
{
    for (const std::string* text : {&sample.title, &sample.mode}) {
        if (text->size() > longestComparedString || text->find_first_of(std::string_view("\0\r\n\"", 4)) != std::string::npos)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    File& file = Scratch("input.txt", std::string_view(reinterpret_cast<const char*>(data), size));

    // Objects one after another, as a level settings file holds them; every
    // serializer must take at least one line, or the file is at its end.
    for (int object = 0; !file.IsEOF(); ++object) {
        const int start = file.Tell();
        Sample sample;
        if (object % 2 == 0) {
            AsciiSerializer reader(file, false);
            reader.SerializeObject("gong", &sample);
            reader.EndSection(); // one more than was opened
        } else {
            AsciiStateSerializer reader(file, false);
            reader.SerializeObject("gong", &sample);
        }
        if (object == 0 && WrittenUnchanged(sample)) {
            const std::string text = Written(sample);
            Sample again = ReadBack(text);
            if (Written(again) != text)
                std::abort();
        }
        if (file.Tell() == start)
            break;
    }
    return 0;
}
