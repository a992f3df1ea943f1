// The game's generated texts: the configuration, the credits, the default
// highscore names and the help pages, read and measured as the game does.

#include "FontArt.h"
#include "GeneratedDataTest.h"
#include "app/Debug.h"
#include "files/File.h"
#include "files/SettingsManager.h"
#include "graphics/Font.h"
#include "graphics/FontLoaderUtil.h"
#include "graphics/TextDisplay.h"
#include "states/DefaultHighscores.h"
#include "states/HelpPages.h"

#include <string>
#include <vector>

class TextsTest : public GeneratedDataDisplayTest {
protected:
    void SetUp() override
    {
        GeneratedDataDisplayTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(FontLoaderUtil::LoadFonts());
        ASSERT_TRUE(FontLoaderUtil::LoadFonts(content::CreditsFonts()));
    }

    // True when every byte draws in the font: a glyph or a space.
    static bool Drawable(const std::string& text, const std::string& fontName)
    {
        const Font* font = TextDisplay::GetInstance().GetFont(fontName);
        for (const char character : text) {
            if (character != ' ' && !font->GetGlyph(static_cast<unsigned char>(character)).defined)
                return false;
        }
        return true;
    }
};

TEST_F(TextsTest, ConfigurationHoldsEveryKeyOfTheShell)
{
    ASSERT_TRUE(SettingsManager::GetInstance().LoadSettings("data\\config.txt"));
    for (const char* key : {"fullscreen", "screenwidth", "screenheight", "screendepth", "characterScale",
                            "startGameState", "activeLevel", "playMovie", "generateRleFiles"}) {
        std::string line;
        EXPECT_TRUE(SettingsManager::GetInstance().FindSetting(key, nullptr, line)) << key;
    }
    EXPECT_EQ(SettingsManager::GetInstance().GetInt("screenwidth"), 1024);
    EXPECT_EQ(SettingsManager::GetInstance().GetInt("screenheight"), 768);
    EXPECT_EQ(Debug::GetInstance().GetErrorCount() + Debug::GetInstance().GetWarningCount(), 0);
}

TEST_F(TextsTest, CreditsLinesFitTheirBoxInTheirFonts)
{
    File file;
    ASSERT_TRUE(file.Open("data\\credits.txt", "r"));
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadLine(line, 999))
        lines.push_back(line);
    file.Close();
    ASSERT_GT(lines.size(), 20u);
    EXPECT_EQ(lines.front().front(), '{');

    // The main menu's credits fonts and the dance level's, which scrolls the
    // same text at the end of the game.
    const std::vector<std::pair<std::string, std::string>> fontPairs = {{"creditsSmall", "creditsBig"},
                                                                        {"creditsHawaiiSmall", "creditsHawaiiBig"}};
    int headings = 0;
    bool umlauts = false;
    for (const std::string& text : lines) {
        SCOPED_TRACE(text);
        // No markup: the credits are plain lines.
        EXPECT_EQ(text.find_first_of("<>&"), std::string::npos);
        const bool heading = !text.empty() && text.front() == '{';
        const std::string shown = heading ? text.substr(1) : text;
        headings += heading ? 1 : 0;
        umlauts = umlauts || shown.find('\xE4') != std::string::npos || shown.find('\xFC') != std::string::npos;
        for (const auto& [small, big] : fontPairs) {
            const std::string& font = heading ? big : small;
            EXPECT_TRUE(Drawable(shown, font)) << font;
            // Laid out centred in a box 824 pixels wide.
            EXPECT_LE(TextDisplay::GetWidthFunction(font)(shown), 824) << font;
        }
    }
    EXPECT_GE(headings, 8);
    // The file is Windows-1252: "für" is one byte per letter.
    EXPECT_TRUE(umlauts);
}

TEST_F(TextsTest, DefaultHighscoreNamesFitTheNameEntry)
{
    const auto width = TextDisplay::GetWidthFunction("menu");
    for (const char* name : defaultHighscoreNames) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Drawable(name, "menu"));
        EXPECT_GT(width(name), 0);
        EXPECT_LE(width(name), 180);
    }
    EXPECT_EQ(std::string(defaultHighscoreNames[1]), "Kapit\xE4n");
}

TEST_F(TextsTest, HelpPagesFitTheirBoxesInTheMenuFonts)
{
    const auto titleWidth = TextDisplay::GetWidthFunction("menuSmallHighlighted");
    const auto lineWidth = TextDisplay::GetWidthFunction("menuSmall");
    for (const HelpPage& page : HelpPages::Get()) {
        SCOPED_TRACE(std::string(page.title));
        EXPECT_TRUE(Drawable(std::string(page.title), "menuSmallHighlighted"));
        EXPECT_LE(titleWidth(page.title), 800);
        for (const std::string_view line : page.lines) {
            SCOPED_TRACE(std::string(line));
            EXPECT_TRUE(Drawable(std::string(line), "menuSmall"));
            // Wider than the box, the layout would wrap the line's last word
            // onto the next line's place.
            EXPECT_LE(lineWidth(line), HelpPages::textWidth);
        }
    }
}
