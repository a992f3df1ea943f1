// The help pages' table: the titles and line counts the main menu turns
// through, and text that the menu's fonts can draw where the page has room.

#include "HelpPages.h"
#include "graphics/Font.h"
#include "graphics/FontLoaderUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

TEST(HelpPagesTest, PagesHaveTheirTitlesAndLinesAndOnlyDrawableText)
{
    struct Expected {
        std::string title;
        std::size_t lines;
    };
    const Expected expected[] = {
        {"", 4},
        {"Die Men\xFCs (1)", 20},
        {"Die Men\xFCs (2)", 19},
        {"Die Men\xFCs (3)", 16},
        {"Die Men\xFCs (4)", 16},
        {"Das Spiel (1)", 17},
        {"Das Spiel (2)", 18},
        {"Die Minispiele (1)", 7},
        {"Die Minispiele (2)", 21},
        {"Die Minispiele (3)", 20},
    };
    const auto& pages = HelpPages::Get();
    ASSERT_EQ(pages.size(), std::size(expected));

    const auto& fonts = FontLoaderUtil::GetFontDescriptions();
    const auto menuSmall = std::find_if(fonts.begin(), fonts.end(), [](const auto& font) {
        return std::string(font.name) == "menuSmall";
    });
    ASSERT_NE(menuSmall, fonts.end());

    // A byte the fonts have a glyph for, or the space; '<' and '>' would
    // open markup.
    const auto drawable = [](char character) {
        return character == ' ' ||
               (character != '<' && character != '>' && Font::characterSet.find(character) != std::string_view::npos);
    };
    bool umlauts = false;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(pages[page].title, expected[page].title);
        ASSERT_EQ(pages[page].lines.size(), expected[page].lines);
        ASSERT_LE(pages[page].lines.size(), static_cast<std::size_t>(HelpPages::maximumLines));
        for (std::size_t index = 0; index < pages[page].lines.size(); ++index) {
            const std::string line(pages[page].lines[index]);
            SCOPED_TRACE(line);
            if (line.empty())
                continue;
            EXPECT_TRUE(std::all_of(line.begin(), line.end(), drawable));
            EXPECT_NE(line.front(), ' ');
            // Lines stand one font height apart from the first line's top;
            // a line with text ends above the page's buttons.
            const int bottom = HelpPages::firstLineTop + static_cast<int>(index + 1) * menuSmall->lineHeight;
            EXPECT_LE(bottom, HelpPages::textBottom);
            umlauts = umlauts || line.find_first_of("\xE4\xF6\xFC\xDF") != std::string::npos;
        }
    }
    // The texts are Windows-1252, one byte a letter, not UTF-8.
    EXPECT_TRUE(umlauts);
}
