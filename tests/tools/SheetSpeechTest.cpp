// The recordings of the talk sheets' spoken cells: one per line and sheet,
// aliases for repeats, and a line cache that remakes a recording only when
// its line changes and never hands out a damaged entry.

#include "sheets/SheetSpeech.h"
#include "support/HeadlessTest.h"

#include <algorithm>
#include <fstream>
#include <map>

namespace {

namespace fs = std::filesystem;
using content::sheets::SpokenCell;
using content::sheets::SpeechCount;
using content::sheets::SpeechFile;

const std::string crack = "Der Hyperkristall hat einen Sprung.";

content::SpeechSynth MakeSynth(const std::string& listText = {})
{
    content::PronunciationList pronunciations;
    std::string error;
    EXPECT_TRUE(pronunciations.Parse(listText, "list.txt", error)) << error;
    return content::SpeechSynth(std::move(pronunciations));
}

std::map<std::string, std::vector<std::uint8_t>> ByPath(const std::vector<SpeechFile>& files)
{
    std::map<std::string, std::vector<std::uint8_t>> byPath;
    for (const SpeechFile& file : files)
        EXPECT_TRUE(byPath.emplace(file.path, file.bytes).second) << file.path;
    return byPath;
}

class SheetSpeechTest : public HeadlessTest {};

} // namespace

TEST_F(SheetSpeechTest, EachLineIsRecordedOncePerSheetAndEverySpeakerNeedsAVoice)
{
    const content::SpeechSynth synth = MakeSynth();
    const content::sheets::SheetSpeech speech(synth, {});
    const std::vector<SpokenCell> cells = {
        {"item", "B02", "Player", crack},
        {"item", "C02", "Kira", "Achtung!"},
        {"item", "B03", "Player", crack},       // a repeat: an alias
        {"item", "C03", "Kira", crack},         // the same words from someone else
        {"generic", "A02", "Player", crack},    // the same line in another sheet's folder
        {"item", "C04", "Kira", "Achtung!"},    // another repeat
    };
    std::vector<SpeechFile> files;
    SpeechCount count;
    std::string error;
    ASSERT_TRUE(speech.Record(1, cells, files, count, error)) << error;
    EXPECT_EQ(count.recordings, 4);
    EXPECT_EQ(count.aliases, 2);
    EXPECT_EQ(count.made, 4);
    auto byPath = ByPath(files);
    ASSERT_EQ(byPath.size(), 6u);
    const auto text = [](const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); };
    EXPECT_EQ(text(byPath["item/B03.txt"]), "B02\r\n");
    EXPECT_EQ(text(byPath["item/C04.txt"]), "C02\r\n");
    for (const char* recording : {"item/B02.ogg", "item/C02.ogg", "item/C03.ogg", "generic/A02.ogg"})
        EXPECT_EQ(text(byPath[recording]).substr(0, 4), "OggS") << recording;
    // Made side by side in separate processes, each line is still the
    // bytes it is on its own.
    std::vector<std::uint8_t> alone;
    ASSERT_TRUE(synth.MakeFile(*content::FindVoicePreset("Player"), crack, alone, error)) << error;
    EXPECT_TRUE(byPath["item/B02.ogg"] == alone);
    EXPECT_TRUE(byPath["generic/A02.ogg"] == alone);
    EXPECT_FALSE(byPath["item/C03.ogg"] == alone);

    // A speaker without a voice preset fails the episode, naming each cell.
    const std::vector<SpokenCell> unvoiced = {
        {"item", "B02", "Player", crack},
        {"item", "B05", "Schleimling", "Blubb!"},
        {"conversation", "C09", "Juna", "Hallo!"}};
    EXPECT_FALSE(speech.Record(1, unvoiced, files, count, error));
    EXPECT_EQ(error, "no voice preset for the speaker of\n  item B05: Schleimling\n  conversation C09: Juna");
    // So does a line with nothing to say, naming its speaker and text.
    const std::vector<SpokenCell> silent = {{"item", "B02", "Player", crack}, {"generic", "A05", "Kira", "..."}};
    EXPECT_FALSE(speech.Record(1, silent, files, count, error));
    EXPECT_EQ(error, "nothing to say (Kira: \"...\")");
}

TEST_F(SheetSpeechTest, ARecordingIsMadeAgainOnlyWhenItsLineChangesOrItsEntryIsDamaged)
{
    const content::SpeechSynth synth = MakeSynth("Sprung  Spr'UN\n");
    const content::sheets::SheetSpeech speech(synth, Directory() / "cache");
    const content::VoicePreset& juna = *content::FindVoicePreset("Player");

    // The key follows the text as spoken and every value of the voice; not
    // the preset's name nor pronunciations of words the line does not hold.
    const std::string key = speech.LineKey(juna, crack);
    EXPECT_EQ(key.size(), 64u);
    EXPECT_EQ(speech.LineKey(juna, crack), key);
    EXPECT_NE(speech.LineKey(juna, "Der Hyperkristall hat zwei Sprünge."), key);
    content::VoicePreset renamed = juna;
    renamed.element = "Juna";
    EXPECT_EQ(speech.LineKey(renamed, crack), key);
    for (const auto& change : std::vector<void (*)(content::VoicePreset&)>{
             [](content::VoicePreset& p) { p.pitch += 1; }, [](content::VoicePreset& p) { p.voice = "de+f4"; },
             [](content::VoicePreset& p) { p.roomMix += 0.01; }, [](content::VoicePreset& p) { p.lowPassHz -= 1.0; }}) {
        content::VoicePreset changed = juna;
        change(changed);
        EXPECT_NE(speech.LineKey(changed, crack), key);
    }
    const content::SpeechSynth otherWords = MakeSynth("Sprung  Spr'UN\nZephyra tse'fy:ra\n");
    EXPECT_EQ(content::sheets::SheetSpeech(otherWords, {}).LineKey(juna, crack), key);
    const content::SpeechSynth unlisted = MakeSynth();
    EXPECT_NE(content::sheets::SheetSpeech(unlisted, {}).LineKey(juna, crack), key);

    std::vector<SpokenCell> cells = {{"item", "B02", "Player", crack}, {"item", "C02", "Kira", "Achtung!"}};
    std::vector<SpeechFile> first;
    std::vector<SpeechFile> again;
    SpeechCount count;
    std::string error;
    ASSERT_TRUE(speech.Record(1, cells, first, count, error)) << error;
    EXPECT_EQ(count.made, 2);
    ASSERT_TRUE(speech.Record(1, cells, again, count, error)) << error;
    EXPECT_EQ(count.made, 0);
    EXPECT_TRUE(ByPath(again) == ByPath(first));

    // One entry cut short, the other with one byte changed: both are made
    // again, and what is written is the line, not the damage.
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(Directory() / "cache"))
        entries.push_back(entry.path());
    ASSERT_EQ(entries.size(), 2u);
    fs::resize_file(entries[0], fs::file_size(entries[0]) - 100);
    {
        std::fstream file(entries[1], std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(200);
        file.put('\x5a');
    }
    ASSERT_TRUE(speech.Record(1, cells, again, count, error)) << error;
    EXPECT_EQ(count.made, 2);
    EXPECT_TRUE(ByPath(again) == ByPath(first));
    ASSERT_TRUE(speech.Record(1, cells, again, count, error)) << error;
    EXPECT_EQ(count.made, 0);

    // A changed line is made again, the unchanged one is not.
    cells[1].text = "Achtung, Juna!";
    ASSERT_TRUE(speech.Record(1, cells, again, count, error)) << error;
    EXPECT_EQ(count.made, 1);
    EXPECT_TRUE(ByPath(again)["item/B02.ogg"] == ByPath(first)["item/B02.ogg"]);
    EXPECT_FALSE(ByPath(again)["item/C02.ogg"] == ByPath(first)["item/C02.ogg"]);
}
