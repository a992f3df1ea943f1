// Damaged and hostile sound files, each built here from a good one: every
// one must be refused with its log line, never read out of bounds.

#include "SoundFiles.h"
#include "audio/OggLoader.h"
#include "app/Debug.h"
#include "audio/OggStream.h"
#include "audio/Sample.h"
#include "audio/SampleManager.h"
#include "audio/WavLoader.h"
#include "support/AudioTest.h"
#include "support/HeadlessTest.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

class MalformedSoundTest : public LoggedTest {};

struct Case {
    const char* name;
    std::function<void(std::string&)> damage;
    const char* logged;
};

// 22,050 Hz mono 16 bit, four frames; "data" at 36, its bytes from 44.
std::string GoodWav()
{
    return MakeWav(22050, 1, 16, Pcm16({100, -200, 300, -400}));
}

} // namespace

TEST_F(MalformedSoundTest, WavLoaderReadsGoodFilesAndRefusesBadOnes)
{
    PutFile("data/good.wav", GoodWav());
    WavLoader loader;
    EXPECT_TRUE(loader.CanLoad("good"));
    EXPECT_FALSE(loader.CanLoad("good.ogg"));
    EXPECT_FALSE(loader.CanLoad("absent"));
    SampleData data;
    ASSERT_TRUE(loader.Load("good", data));
    EXPECT_EQ(data.rate, 22050);
    EXPECT_EQ(data.bits, 16);
    EXPECT_EQ(data.channels, 1);
    EXPECT_EQ(data.frames, 4);
    ASSERT_EQ(data.size, 8);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data.data), 8), Pcm16({100, -200, 300, -400}));
    FreeSampleData(data);

    // A format chunk longer than the record is cut to it; the data chunk
    // after it is still found.
    std::string extended = GoodWav();
    PutUint32(extended, 16, 40);
    extended.insert(36, std::string(24, '\x7F'));
    PutFile("data/extended.wav", extended);
    ASSERT_TRUE(loader.Load("extended", data));
    EXPECT_EQ(data.frames, 4);
    FreeSampleData(data);

    const Case cases[] = {
        {"empty", [](std::string& b) { b.clear(); }, "could not find WAVE chunk\n"},
        {"no WAVE", [](std::string& b) { b.replace(8, 4, "WAVX"); }, "could not find WAVE chunk\n"},
        {"WAVE off the grid", [](std::string& b) { b.insert(0, "xy"); b.resize(12); }, "could not find WAVE chunk\n"},
        {"only the header", [](std::string& b) { b.resize(16); }, "could not find fmt chunk\n"},
        {"no fmt", [](std::string& b) { b.replace(12, 4, "fmx "); }, "could not find fmt chunk\n"},
        {"fmt past the end", [](std::string& b) { PutUint32(b, 16, 0xFFFFFFF0); }, "fmt chunk runs past the end of the file\n"},
        // 18 bytes of format end at 38: "data" at 36 is no longer looked at.
        {"fmt of 18 bytes", [](std::string& b) { PutUint32(b, 16, 18); }, "could not find data chunk\n"},
        {"no data", [](std::string& b) { b.replace(36, 4, "daTa"); }, "could not find data chunk\n"},
        {"data tag at the very end", [](std::string& b) { b.resize(40); }, "could not find data chunk\n"},
        {"zero length", [](std::string& b) { PutUint32(b, 40, 0); }, "Zero length wav sample\n"},
        {"data past the end", [](std::string& b) { PutUint32(b, 40, 10); }, "data chunk runs past the end of the file\n"},
        {"data length at most", [](std::string& b) { PutUint32(b, 40, 0xFFFFFFFF); }, "data chunk runs past the end of the file\n"},
        {"half a frame", [](std::string& b) { PutUint32(b, 40, 7); }, "data chunk is not a whole number of frames\n"},
        {"no channels", [](std::string& b) { PutUint16(b, 22, 0); }, "unsupported wave format: 0 channels, 16 bits, 22050 Hz\n"},
        {"six channels", [](std::string& b) { PutUint16(b, 22, 6); }, "unsupported wave format: 6 channels, 16 bits, 22050 Hz\n"},
        {"no bits", [](std::string& b) { PutUint16(b, 34, 0); }, "unsupported wave format: 1 channels, 0 bits, 22050 Hz\n"},
        {"12 bits", [](std::string& b) { PutUint16(b, 34, 12); }, "unsupported wave format: 1 channels, 12 bits, 22050 Hz\n"},
        {"no rate", [](std::string& b) { PutUint32(b, 24, 0); }, "unsupported wave format: 1 channels, 16 bits, 0 Hz\n"},
        {"float samples", [](std::string& b) { PutUint16(b, 20, 3); },
         "WavLoader::Decode: format tag 3 is not integer PCM <data\\bad.WAV>\n"},
        {"extensible format", [](std::string& b) { PutUint16(b, 20, 0xFFFE); },
         "WavLoader::Decode: format tag 65534 is not integer PCM <data\\bad.WAV>\n"},
    };
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.name);
        std::string bytes = GoodWav();
        bad.damage(bytes);
        PutFile("data/bad.wav", bytes);
        Debug::GetInstance().CreateLogFile("debug.txt");
        SampleData refused;
        EXPECT_FALSE(loader.Load("bad", refused));
        EXPECT_EQ(refused.data, nullptr);
        EXPECT_EQ(ReadFile("debug.txt"), std::string("***ERROR: ") + bad.logged);
    }

    // Through the manager a broken file is a silent sample.
    ASSERT_TRUE(SampleManager::GetInstance().Init(Window()));
    std::unique_ptr<Sample> silent(SampleManager::GetInstance().Load("bad", "bad", soundEffectSampleFlags));
    ASSERT_NE(silent, nullptr);
    EXPECT_EQ(silent->GetBuffer(), nullptr);
}

TEST_F(MalformedSoundTest, OggLoaderAndStreamDecodeGoodFilesAndRefuseGarbage)
{
    const std::string good = MakeOgg(22050, 2, 4000);
    PutFile("data/tune.ogg", good);
    OggLoader loader;
    EXPECT_TRUE(loader.CanLoad("tune"));
    SampleData whole;
    ASSERT_TRUE(loader.Load("tune", whole));
    EXPECT_EQ(whole.rate, 22050);
    EXPECT_EQ(whole.channels, 2);
    EXPECT_EQ(whole.bits, 16);
    EXPECT_EQ(whole.frames, 4000);
    EXPECT_EQ(whole.size, 4000 * 4);

    // The stream decodes the same bytes and, after its end, starts over.
    OggStream stream;
    SampleData format;
    ASSERT_TRUE(stream.Open("tune", format));
    EXPECT_EQ(format.rate, 22050);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.bits, 16);
    std::string streamed;
    std::uint8_t chunk[4096];
    for (int read; (read = stream.Read(chunk, sizeof(chunk))) > 0;)
        streamed.append(reinterpret_cast<char*>(chunk), static_cast<std::size_t>(read));
    EXPECT_EQ(streamed, std::string(reinterpret_cast<char*>(whole.data), static_cast<std::size_t>(whole.size)));
    const int again = stream.Read(chunk, 64);
    ASSERT_EQ(again, 64);
    EXPECT_EQ(std::memcmp(chunk, whole.data, 64), 0);
    stream.Read(chunk, 64);
    stream.Rewind();
    ASSERT_EQ(stream.Read(chunk, 64), 64);
    EXPECT_EQ(std::memcmp(chunk, whole.data, 64), 0);
    EXPECT_TRUE(stream.Close());
    EXPECT_EQ(stream.Read(chunk, 64), 0);
    FreeSampleData(whole);

    const std::string garbage[] = {
        "", "OggS", "OggS" + std::string(200, '\x01'), good.substr(0, 60), std::string(5000, '\xFF'),
        GoodWav(),
    };
    for (const std::string& bytes : garbage) {
        SCOPED_TRACE(bytes.size());
        PutFile("data/bad.ogg", bytes);
        Debug::GetInstance().CreateLogFile("debug.txt");
        SampleData refused;
        EXPECT_FALSE(loader.Load("bad", refused));
        EXPECT_EQ(refused.data, nullptr);
        EXPECT_EQ(ReadFile("debug.txt"),
                  "OggLoader::Load data\\bad.OGG\n***ERROR: OggLoader: <bad> does not appear to be an Ogg bitstream.\n");

        Debug::GetInstance().CreateLogFile("debug.txt");
        OggStream refusing;
        EXPECT_FALSE(refusing.Open("bad", format));
        EXPECT_EQ(refusing.Read(chunk, sizeof(chunk)), 0);
        EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: OggStream: Input does not appear to be an Ogg bitstream.\n");
    }

    // A file damaged in its audio: the broken page is a hole that decoding
    // goes past.
    std::string damaged = MakeOgg(22050, 2, 200000);
    for (std::size_t i = damaged.size() * 3 / 5; i < damaged.size() * 3 / 5 + 200; ++i)
        damaged[i] = static_cast<char>(~damaged[i]);
    PutFile("data/cut.ogg", damaged);
    SampleData cut;
    ASSERT_TRUE(loader.Load("cut", cut));
    EXPECT_GT(cut.frames, 100000);
    EXPECT_LT(cut.frames, 200000);
    EXPECT_EQ(cut.size, cut.frames * 4);
    FreeSampleData(cut);
}
