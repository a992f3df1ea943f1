// The generated data tree, loaded through the game's own loaders.

#include "ContentLists.h"
#include "FontArt.h"
#include "GeneratedDataTest.h"
#include "SoundArt.h"
#include "levels/AlienYardSounds.h"
#include "levels/DanceContestSounds.h"
#include "levels/Episode1Sounds.h"
#include "levels/Episode2Sounds.h"
#include "levels/Episode3Sounds.h"
#include "levels/Episode4Sounds.h"
#include "levels/Episode5Sounds.h"
#include "levels/Episode6Sounds.h"
#include "levels/TaxiChaseSounds.h"
#include "levels/TournamentSounds.h"
#include "adventure/Cast.h"
#include "adventure/LevelSettings.h"
#include "app/Debug.h"
#include "audio/AudioEvent.h"
#include "audio/SampleManager.h"
#include "audio/SfxLoaderUtil.h"
#include "audio/SoundEngine.h"
#include "audio/WavLoader.h"
#include "files/Serializer.h"
#include "files/SettingsManager.h"
#include "graphics/Animation.h"
#include "graphics/BmpLoader.h"
#include "graphics/Font.h"
#include "graphics/FontLoaderUtil.h"
#include "graphics/ImageUtil.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteLoaderUtil.h"
#include "graphics/SpriteManager.h"
#include "graphics/TextDisplay.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace {

const content::FontStyle* FindStyle(const std::string& file)
{
    for (const content::FontStyle& style : content::GameFontStyles())
        if (file == style.file)
            return &style;
    return nullptr;
}

std::string FontPath(const char* file)
{
    return std::string("data\\fonts\\") + file + ".bmp";
}

} // namespace

// Works in a temporary folder whose data folder is the generated one.
class ContentTest : public GeneratedDataDisplayTest {
protected:
    // The log holds no error or warning line, and the counters agree.
    static void ExpectCleanLog()
    {
        const std::string log = ReadFile("debug.txt");
        EXPECT_EQ(log.find("***"), std::string::npos) << log;
        EXPECT_EQ(Debug::GetInstance().GetErrorCount(), 0);
        EXPECT_EQ(Debug::GetInstance().GetWarningCount(), 0);
    }
};

TEST_F(ContentTest, EveryFontLoadsWithAllItsGlyphsInsideItsLine)
{
    ASSERT_TRUE(FontLoaderUtil::LoadFonts());
    ASSERT_TRUE(FontLoaderUtil::LoadFonts(content::CreditsFonts()));
    std::vector<FontLoaderUtil::FontDescription> fonts(FontLoaderUtil::GetFontDescriptions().begin(),
                                                        FontLoaderUtil::GetFontDescriptions().end());
    fonts.insert(fonts.end(), content::CreditsFonts().begin(), content::CreditsFonts().end());
    EXPECT_EQ(fonts.size(), content::GameFontStyles().size());
    for (const FontLoaderUtil::FontDescription& description : fonts) {
        SCOPED_TRACE(description.name);
        const content::FontStyle* style = FindStyle(description.file);
        ASSERT_NE(style, nullptr);
        EXPECT_EQ(style->lineHeight, description.lineHeight);
        const Font* font = TextDisplay::GetInstance().GetFont(description.name);
        ASSERT_NE(font, nullptr);
        for (const char character : Font::characterSet) {
            const Font::Glyph& glyph = font->GetGlyph(static_cast<unsigned char>(character));
            ASSERT_TRUE(glyph.defined) << "character " << static_cast<int>(static_cast<unsigned char>(character));
            EXPECT_GE(glyph.rectangle.GetWidth(), 2);
            EXPECT_GE(glyph.rectangle.top, 0);
            EXPECT_LT(glyph.rectangle.bottom, description.lineHeight);
        }
        // The glyphs sit on one baseline: capitals end on the same row, and
        // a descender reaches below it.
        EXPECT_EQ(font->GetGlyph('A').rectangle.bottom, font->GetGlyph('Z').rectangle.bottom);
        EXPECT_GT(font->GetGlyph('g').rectangle.bottom, font->GetGlyph('A').rectangle.bottom);
        // Umlauts rise above their letters.
        EXPECT_LT(font->GetGlyph(static_cast<unsigned char>('\xC4')).rectangle.top, font->GetGlyph('A').rectangle.top);
        EXPECT_LT(font->GetGlyph(static_cast<unsigned char>('\xFC')).rectangle.top, font->GetGlyph('u').rectangle.top);
    }
    ExpectCleanLog();
}

TEST_F(ContentTest, HighlightedFontsHaveThePlainFontsGlyphs)
{
    ASSERT_TRUE(FontLoaderUtil::LoadFonts());
    int pairs = 0;
    for (const FontLoaderUtil::FontDescription& description : FontLoaderUtil::GetFontDescriptions()) {
        const std::string highlighted = std::string(description.name) + "Highlighted";
        const Font* lit = TextDisplay::GetInstance().GetFont(highlighted);
        if (lit == nullptr)
            continue;
        ++pairs;
        SCOPED_TRACE(highlighted);
        const Font* plain = TextDisplay::GetInstance().GetFont(description.name);
        ASSERT_NE(plain, nullptr);
        for (const char character : Font::characterSet) {
            const auto byte = static_cast<unsigned char>(character);
            EXPECT_EQ(plain->GetGlyph(byte).rectangle, lit->GetGlyph(byte).rectangle) << "character " << int{byte};
        }
    }
    EXPECT_EQ(pairs, 5);
    ExpectCleanLog();
}

TEST_F(ContentTest, FontPicturesAreGlyphsOnMagentaWithoutBlack)
{
    for (const content::FontStyle& style : content::GameFontStyles()) {
        SCOPED_TRACE(style.file);
        BmpLoader::Result result;
        const std::unique_ptr<Image> picture = BmpLoader::GetInstance().Read(FontPath(style.file).c_str(), result);
        ASSERT_NE(picture, nullptr);
        ASSERT_EQ(picture->GetDepth(), 24);
        EXPECT_EQ(picture->GetHeight(), style.lineHeight);
        int background = 0;
        int glyph = 0;
        const std::uint8_t* pixel = picture->GetData();
        for (int index = 0; index < picture->GetWidth() * picture->GetHeight(); ++index, pixel += 3) {
            const int blue = pixel[0];
            const int green = pixel[1];
            const int red = pixel[2];
            if (red == 255 && green == 0 && blue == 255) {
                ++background;
                continue;
            }
            ++glyph;
            // Neither lifted off black nor made transparent by the loader.
            ASSERT_GE(std::max({red, green, blue}), 8) << "pixel " << index;
            ASSERT_FALSE(red >= 240 && green < 8 && blue >= 240) << "pixel " << index;
        }
        EXPECT_GT(background, glyph);
        EXPECT_GT(glyph, 0);
    }
    ExpectCleanLog();
}

TEST_F(ContentTest, GeneratedFontsAreTheFontsTheGeneratorDrawsNow)
{
    // In the order the generator draws them, so that one typeface's state
    // cannot leak into the next picture.
    for (const content::FontStyle& style : content::GameFontStyles()) {
        SCOPED_TRACE(style.file);
        const std::unique_ptr<Image> drawn = content::DrawFontPicture(style);
        ASSERT_NE(drawn, nullptr);
        BmpLoader::Result result;
        const std::unique_ptr<Image> stored = BmpLoader::GetInstance().Read(FontPath(style.file).c_str(), result);
        ASSERT_NE(stored, nullptr);
        ASSERT_EQ(drawn->GetWidth(), stored->GetWidth());
        ASSERT_EQ(drawn->GetHeight(), stored->GetHeight());
        EXPECT_EQ(std::memcmp(drawn->GetData(), stored->GetData(), drawn->GetBufferSize()), 0);
    }
    ExpectCleanLog();
}

TEST_F(ContentTest, GlyphsInPiecesStayOneGlyphEach)
{
    // Without an outline the strokes of '"' and the dots of 'ï' leave
    // empty columns between them; the picture must join them all the same.
    const content::FontStyle thin{"thin", "DejaVuSans.ttf", 30, 0.0, 0, 0, 0xFFFFFF, 0xFFFFFF, 0x404040};
    std::unique_ptr<Image> picture = content::DrawFontPicture(thin);
    ASSERT_NE(picture, nullptr);
    ASSERT_TRUE(ImageUtil::GetInstance().RemapTransparentColor(*picture));
    Font font;
    font.ScanGlyphs(*picture, Font::characterSet);
    for (const char character : Font::characterSet)
        EXPECT_TRUE(font.GetGlyph(static_cast<unsigned char>(character)).defined)
            << "character " << static_cast<int>(static_cast<unsigned char>(character));
    // Both strokes of '"' in one glyph.
    EXPECT_GT(font.GetGlyph('"').rectangle.GetWidth(), 2 * font.GetGlyph('\'').rectangle.GetWidth());
    ExpectCleanLog();
}

TEST_F(ContentTest, SoundEffectsAreShortCleanMonoSamples)
{
    // -60 dB of full scale, 32767 * 10^(-60/20), and 2 ms of frames.
    constexpr double quiet = 32.767;
    constexpr std::size_t tailFrames = content::soundRate * 2 / 1000;
    WavLoader loader;
    std::map<std::string, int> peaks;
    // The shared sounds and each level's own: an episode's are short (a
    // taxi's take-off takes two seconds, its crash out of the time hole
    // two and a half), the dance contest's are the
    // chief's spoken remarks, the taxi chase's the
    // crew's shouts, the throwing contest's the catapult and the knight's
    // quick shouts in the air and on landing, the alien yard's Juna's lines;
    // the shared list ends a minigame's round with a tune.
    struct SoundTable {
        const char* folder;
        std::span<const content::SoundEffect> effects;
        double longestSeconds;
    };
    for (const SoundTable& table : {SoundTable{"sharedadventure", content::SharedSoundEffects(), 2.5},
                                    SoundTable{"level01", content::levels::Episode1SoundEffects(), 1.0},
                                    SoundTable{"level02", content::levels::Episode2SoundEffects(), 2.0},
                                    SoundTable{"level03", content::levels::Episode3SoundEffects(), 2.5},
                                    SoundTable{"level04", content::levels::Episode4SoundEffects(), 2.5},
                                    SoundTable{"level05", content::levels::Episode5SoundEffects(), 2.5},
                                    SoundTable{"level06", content::levels::Episode6SoundEffects(), 2.5},
                                    SoundTable{"level07", content::levels::DanceContestSoundEffects(), 2.5},
                                    SoundTable{"level08", content::levels::TaxiChaseSoundEffects(), 2.5},
                                    SoundTable{"level09", content::levels::TournamentSoundEffects(), 2.0},
                                    SoundTable{"level11", content::levels::AlienYardSoundEffects(), 2.5}}) {
        for (const content::SoundEffect& effect : table.effects) {
            SCOPED_TRACE(effect.file);
            const std::string name = std::string(table.folder) + "\\audio\\sfx\\" + effect.file;
            ASSERT_TRUE(loader.CanLoad(name));
            SampleData data;
            ASSERT_TRUE(loader.Load(name, data));
            EXPECT_EQ(data.rate, content::soundRate);
            EXPECT_EQ(data.channels, 1);
            EXPECT_EQ(data.bits, 16);
            EXPECT_GE(data.frames, content::soundRate / 50);
            // The chief's welcome and the chase's opening dialogue may take
            // their time, each line within the time the chase gives it, and
            // so may the herald's verdict after a throw.
            const std::map<std::string, double> spoken = {
                {"audioevent_intro", 7.0},    {"audioevent_dialog1", 4.5},  {"audioevent_dialog2", 3.0},
                {"audioevent_dialog3", 3.0},  {"audioevent_dialog4", 2.5},  {"audioevent_dialog5", 1.5},
                {"audioevent_success1", 3.0}, {"audioevent_failed1", 3.0}};
            const auto found = spoken.find(effect.event);
            const double longest = found != spoken.end() ? found->second : table.longestSeconds;
            EXPECT_LE(data.frames, longest * content::soundRate);
            std::vector<int> samples(static_cast<std::size_t>(data.frames));
            for (std::size_t frame = 0; frame < samples.size(); ++frame)
                samples[frame] = static_cast<std::int16_t>(data.data[frame * 2] | data.data[frame * 2 + 1] << 8);
            FreeSampleData(data);
            int peak = 0;
            for (const int sample : samples)
                peak = std::max(peak, std::abs(sample));
            // Loud enough to hear, never clipped, and no click at either end:
            // the last 2 ms stay under -60 dB of full scale.
            EXPECT_GT(peak, 10000);
            EXPECT_LT(peak, 32767);
            EXPECT_LT(std::abs(samples.front()), 2000);
            int loudestTail = 0;
            for (std::size_t frame = samples.size() - tailFrames; frame < samples.size(); ++frame)
                loudestTail = std::max(loudestTail, std::abs(samples[frame]));
            EXPECT_LE(loudestTail, quiet);
            peaks[effect.file] = peak;
            // The catapult's creaking is played round while the button is
            // held, for a second at a time: it starts as quietly as it ends,
            // so the join does not click.
            if (std::string(effect.event) == "audioevent_catapult_tension_loop") {
                EXPECT_NEAR(static_cast<double>(samples.size()) / content::soundRate, 1.0, 0.05);
                for (std::size_t frame = 0; frame < tailFrames; ++frame)
                    EXPECT_LE(std::abs(samples[frame]), quiet) << "frame " << frame;
            }

            // Each voice on its own, at the level it has in the file, starts
            // from silence and fades into it: over its last 2 ms, and from its
            // last sample into the silence after it, no step is louder than
            // -60 dB of full scale. A voice cut off inside the sound clicks.
            const content::Sound sound = effect.make();
            const double scale = sound.Scale(content::soundPeak);
            for (std::size_t index = 0; index < sound.Voices().size(); ++index) {
                SCOPED_TRACE("voice " + std::to_string(index));
                const std::vector<double>& voice = sound.Voices()[index].samples;
                ASSERT_GT(voice.size(), tailFrames);
                EXPECT_LE(std::abs(voice.front() * scale), quiet);
                double loudestStep = std::abs(voice.back() * scale);
                for (std::size_t frame = voice.size() - tailFrames; frame < voice.size(); ++frame)
                    loudestStep = std::max(loudestStep, std::abs((voice[frame] - voice[frame - 1]) * scale));
                EXPECT_LE(loudestStep, quiet);
            }
        }
    }
    // The inventory chime is the loudest; the menu's click and blip are about
    // 6 dB under it (half its amplitude, 10^(-6/20) = 0.501), the inventory's
    // swish under it too.
    const double chime = peaks["inventory.wav"];
    EXPECT_GT(chime, 20000);
    for (const char* small : {"menu_click.wav", "menu_scroll.wav"}) {
        SCOPED_TRACE(small);
        EXPECT_NEAR(peaks[small] / chime, 0.5, 0.03);
    }
    EXPECT_LT(peaks["inventory_scroll.wav"], 0.8 * chime);
    ExpectCleanLog();
}

TEST_F(ContentTest, EverythingGeneratedLoadsThroughTheGamesLoadersWithoutAWordInTheLog)
{
    SettingsManager::GetInstance().LoadSettings("data\\config.txt");
    ASSERT_TRUE(FontLoaderUtil::LoadFonts());
    ASSERT_TRUE(FontLoaderUtil::LoadFonts(content::CreditsFonts()));

    ASSERT_TRUE(SampleManager::GetInstance().Init(Window()));
    SoundEngine& engine = SoundEngine::GetInstance();
    engine.SetEnabled(true);
    // The events each list must define: the menus', the inventory's and the
    // end of a minigame's round in the shared list; the dance contest's
    // remarks, the taxi chase's sounds and shouts, the throwing contest's
    // sounds, shouts and verdicts, the alien yard's sounds and Juna's lines
    // in their levels' lists.
    const auto numbered = [](std::vector<std::string> names, std::initializer_list<std::pair<const char*, int>> kinds) {
        for (const auto& [kind, count] : kinds) {
            for (int number = 1; number <= count; ++number)
                names.push_back("audioevent_" + std::string(kind) + std::to_string(number));
        }
        return names;
    };
    const std::map<std::string, std::vector<std::string>> expected = {
        {"data\\sharedadventure\\sfx.txt",
         {"audioevent_menu_click", "audioevent_menu_scroll", "audioevent_inventory", "audioevent_inventory_scroll",
          "audioevent_success", "audioevent_failed"}},
        {"data\\level07\\sfx.txt",
         numbered({"audioevent_intro"}, {{"static", 5}, {"miss", 6}, {"correct", 3}, {"beatmiss", 3}})},
        {"data\\level08\\sfx.txt",
         numbered({"audioevent_shot1", "audioevent_camera"},
                  {{"explo", 2}, {"dialog", 5}, {"crash", 3}, {"close", 8}, {"hit", 6}})},
        {"data\\level09\\sfx.txt",
         numbered({"audioevent_catapult_tension_loop", "audioevent_catapult_shot", "audioevent_cata_ripped",
                   "audioevent_startline", "audioevent_start", "audioevent_landing"},
                  {{"fly", 6}, {"hit", 4}, {"success", 1}, {"failed", 1}})},
        {"data\\level11\\sfx.txt",
         numbered({"audioevent_spray", "audioevent_empty", "audioevent_reload", "audioevent_start"},
                  {{"hit_alien", 4}, {"head_explo", 4}, {"sleeping", 7}, {"hit", 6}, {"missed", 7}})},
    };
    const std::vector<std::string> soundLists = content::FindLists("sfx.txt");
    for (const auto& [list, events] : expected)
        EXPECT_NE(std::find(soundLists.begin(), soundLists.end(), list), soundLists.end()) << list;
    // Each list in an emptied engine, as a level empties it before it loads
    // its own list and the shared one: levels may name their events alike.
    for (const std::string& list : soundLists) {
        SCOPED_TRACE(list);
        engine.DestroyAll();
        EXPECT_TRUE(SfxLoaderUtil::LoadSoundEffects(list.c_str(), content::SoundFolder(list).c_str()));
        const std::vector<content::SoundEntry> entries = content::SoundEntries(list);
        EXPECT_FALSE(entries.empty());
        for (const content::SoundEntry& entry : entries) {
            const AudioEvent* event = engine.FindAudioEvent(entry.event);
            ASSERT_NE(event, nullptr) << entry.event;
            EXPECT_TRUE(SampleManager::GetInstance().HasSample(event->sampleName)) << entry.event;
        }
        const auto named = expected.find(list);
        if (named != expected.end()) {
            for (const std::string& name : named->second)
                EXPECT_NE(engine.FindAudioEvent(name), nullptr) << name;
        }
    }

    // The minigames' settings hold no elements, and load without a word.
    for (const int level : {7, 8, 9}) {
        std::vector<std::unique_ptr<GameElement>> created;
        EXPECT_TRUE(LevelSettings::Load(level, "settings.txt", created));
        EXPECT_TRUE(created.empty());
    }
    // The alien yard's settings fill every field of the parameters object
    // the game puts into its cast beforehand, and create nothing. A stand-in
    // starting from zeros tells a field read from one left at its default.
    {
        struct AlienParameters : Object {
            std::array<float, 7> values = {};
            void Serialize(Serializer& serializer, const char* name) override
            {
                static constexpr const char* fields[] = {
                    "alien explo speed",        "alien1 speed",
                    "alien2 speed",             "alien3 speed",
                    "alien1 layer change time", "alien2 layer change time",
                    "alien3 layer change time"};
                serializer.BeginSection("AlienParameter", name);
                for (std::size_t field = 0; field < values.size(); ++field)
                    serializer.SerializeFloat(fields[field], &values[field]);
                serializer.EndSection();
            }
        } parameters;
        Cast::GetInstance().Add(&parameters, "AlienParameters");
        std::vector<std::unique_ptr<GameElement>> created;
        EXPECT_TRUE(LevelSettings::Load(11, "settings.txt", created));
        Cast::GetInstance().Remove(&parameters);
        EXPECT_TRUE(created.empty());
        const std::array<float, 7> defaults = {15.0f, 25.0f, 25.0f, 25.0f, 0.3f, 0.3f, 0.3f};
        EXPECT_EQ(parameters.values, defaults);
    }

    // Every sprite list there is (none before the art arrives), each label's
    // sprite built and played by an animation, as the game does.
    SpriteManager& manager = SpriteManager::GetInstance();
    for (const std::string& list : content::FindLists("sprites.txt")) {
        SCOPED_TRACE(list);
        ASSERT_TRUE(SpriteLoaderUtil::Load(list.c_str(), content::SpriteArtFolder(list).c_str(), 0.0f, 1.0f));
        const std::vector<std::string> labels = content::SpriteLabels(list);
        EXPECT_FALSE(labels.empty());
        for (const std::string& label : labels) {
            SCOPED_TRACE(label);
            Sprite* sprite = manager.GetSprite(label);
            ASSERT_NE(sprite, nullptr);
            EXPECT_GE(sprite->GetFrameCount(), 1);
            EXPECT_GT(sprite->GetFullWidth(), 0);
            EXPECT_GT(sprite->GetFullHeight(), 0);
            Animation animation;
            ASSERT_TRUE(animation.SetSpriteLabel(label));
            // A whole loop visits only frames the sprite has.
            for (int step = 0; step <= 2 * animation.GetFrameCount(); ++step) {
                EXPECT_GE(animation.GetCurrentFrame(), 0);
                EXPECT_LT(animation.GetCurrentFrame(), sprite->GetFrameCount());
                animation.Update(1.0f / Animation::defaultSpeed);
            }
        }
        // The next list starts from an empty registry, as a level does.
        for (const std::string& label : labels)
            manager.RemoveSpriteInfo(label);
    }
    ExpectCleanLog();
}
