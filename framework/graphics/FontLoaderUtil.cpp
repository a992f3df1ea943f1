#include "FontLoaderUtil.h"

#include "Font.h"
#include "LoadingScreen.h"
#include "TextDisplay.h"

#include <memory>

namespace {

using FontDescription = FontLoaderUtil::FontDescription;

constexpr FontDescription fontDescriptions[FontLoaderUtil::fontCount] = {
    {"defaultfont", "default", 5, 2, 16},
    {"defaultfonthighlighted", "defaultHighlighted", 5, 2, 16},
    {"merkzettelfont", "notepad", 8, 2, 28},
    {"menufontsmall", "menuSmall", 8, 2, 30},
    {"menufontsmallhighlighted", "menuSmallHighlighted", 8, 2, 30},
    {"menufontbig", "menuBig", 8, 2, 50},
    {"menufontbighighlighted", "menuBigHighlighted", 8, 2, 50},
    {"menufont", "menu", 8, 1, 30},
    {"menufonthighlighted", "menuHighlighted", 8, 1, 30},
    {"speechbubblefont", "speechBubble", 5, 2, 16},
    {"speechbubblefonthighlighted", "speechBubbleHighlighted", 5, 2, 16},
};

// The credits pages' own fonts: the main menu's pair, then the pair of the
// closing credits on the holiday planet.
constexpr FontLoaderUtil::FontDescription creditsFontDescriptions[] = {
    {"creditsfontsmall", "creditsSmall", 10, 2, 40},
    {"creditsfontbig", "creditsBig", 12, 2, 52},
    {"creditsfonthawaiismall", "creditsHawaiiSmall", 8, 2, 46},
    {"creditsfonthawaiibig", "creditsHawaiiBig", 12, 2, 56},
};

} // namespace

std::span<const FontLoaderUtil::FontDescription> FontLoaderUtil::GetFontDescriptions()
{
    return fontDescriptions;
}

std::span<const FontLoaderUtil::FontDescription> FontLoaderUtil::GetCreditsFontDescriptions()
{
    return creditsFontDescriptions;
}

bool FontLoaderUtil::LoadFonts()
{
    return LoadFonts(fontDescriptions);
}

bool FontLoaderUtil::LoadFonts(std::span<const FontDescription> descriptions)
{
    bool allCreated = true;
    for (const FontDescription& description : descriptions) {
        auto font = std::make_unique<Font>();
        font->SetMetrics(description.spaceWidth, description.spacing, description.lineHeight);
        allCreated = font->Create(description.file, Font::characterSet) && allCreated;
        TextDisplay::GetInstance().RegisterFont(description.name, std::move(font));
        LoadingScreen::GetInstance().AddProgress(0.01f);
    }
    return allCreated;
}
