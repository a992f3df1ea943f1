#include "characters/Episode2Cast.h"

#include "SceneShapes.h"
#include "characters/Episode1Cast.h"

#include "adventure/CastAnimations.h"

#include <string>
#include <vector>

namespace content::characters {

namespace {

namespace names = castanimations;

constexpr std::uint32_t skinRuddy = 0xF2C49A;
constexpr std::uint32_t skinRuddyShade = 0xD89A6E;
constexpr std::uint32_t hairBrown = 0x6B4328;
constexpr std::uint32_t hairBrownDark = 0x3E2414;
constexpr std::uint32_t vestBrown = 0xA8682F;
constexpr std::uint32_t vestBrownDark = 0x6B3F1C;
constexpr std::uint32_t denim = 0x56658A;
constexpr std::uint32_t denimDark = 0x343E5C;
constexpr std::uint32_t boots = 0x4A3A34;
constexpr std::uint32_t bootsLight = 0x7E6A5E;
constexpr std::uint32_t checkBlack = 0x26233A;

constexpr std::uint32_t skinPale = 0xF6E0D2;
constexpr std::uint32_t skinPaleShade = 0xD9B4A4;
constexpr std::uint32_t hairPlum = 0x45325E;
constexpr std::uint32_t hairPlumDark = 0x241834;
constexpr std::uint32_t purpleDeep = 0x6A43AE;
constexpr std::uint32_t purpleDark = 0x3F2470;
constexpr std::uint32_t trousersPlum = 0x4C3A6E;
constexpr std::uint32_t trousersPlumDark = 0x2E2248;

} // namespace

// Rocko is sturdy and a little shorter than Juna; the Baron is thin and the
// tallest of the cast.
FigureLook RockoLook()
{
    FigureLook look;
    look.heightPixels = 292.0;
    look.headRadius = 12.5;
    look.hipHeight = 43.0;
    look.shoulderHalf = 13.5;
    look.hipHalf = 7.0;
    look.torsoDepth = 10.5;
    look.belly = 4.0;
    look.limbWidth = 6.2;
    look.skin = skinRuddy;
    look.skinShade = skinRuddyShade;
    look.top = vestBrown;
    look.topShade = vestBrownDark;
    look.shirt = colour::cream;
    look.shirtShade = colour::sand;
    look.legs = denim;
    look.legsShade = denimDark;
    look.shoes = boots;
    look.shoesLight = bootsLight;
    look.hair = hairBrown;
    look.hairShade = hairBrownDark;
    look.accent = tone::taxiLight;
    look.capColour = tone::taxiLight;
    look.capShade = tone::taxi;
    look.capChecks = checkBlack;
    look.garment = FigureLook::Garment::vest;
    look.cap = FigureLook::Cap::flat;
    look.rolledSleeves = true;
    look.squareChin = true;
    look.stubble = true;
    look.grumpy = true;
    return look;
}

FigureLook BaronLook()
{
    FigureLook look;
    look.heightPixels = 330.0;
    look.headRadius = 10.5;
    look.hipHeight = 50.0;
    look.shoulderHalf = 9.5;
    look.hipHalf = 4.5;
    look.torsoDepth = 7.5;
    look.limbWidth = 4.5;
    look.skin = skinPale;
    look.skinShade = skinPaleShade;
    look.top = tone::steelLight;
    look.topShade = colour::steel;
    look.legs = trousersPlum;
    look.legsShade = trousersPlumDark;
    look.shoes = colour::night;
    look.shoesLight = colour::nightLight;
    look.hair = hairPlum;
    look.hairShade = hairPlumDark;
    look.accent = colour::orangeLight;
    look.capeColour = tone::violetLight;
    look.capeShade = colour::violet;
    look.liningColour = purpleDeep;
    look.liningShade = purpleDark;
    look.hairStyle = FigureLook::Hair::slick;
    look.garment = FigureLook::Garment::coat;
    look.cape = true;
    look.highCollar = true;
    look.monocle = true;
    look.moustache = true;
    return look;
}

const std::vector<CastMember>& Episode2Cast()
{
    static const std::vector<CastMember> cast = [] {
        return std::vector<CastMember>{
            {std::string(names::juna), JunaLook(), Repertoire::player},
            {std::string(names::lotte), LotteLook(), Repertoire::walking},
            {std::string(names::mia), MiaLook(), Repertoire::walking},
            {std::string(names::kira), KiraLook(), Repertoire::walking},
            {std::string(names::baltasar), BaltasarLook(), Repertoire::walking},
            {std::string(names::kalani), KalaniLook(), Repertoire::standing},
            {std::string(names::rocko), RockoLook(), Repertoire::walking},
            {std::string(names::baron), BaronLook(), Repertoire::walking},
        };
    }();
    return cast;
}

bool WriteEpisode2Cast(SpriteFolder& level)
{
    return WriteCast(level, Episode2Cast());
}

} // namespace content::characters
