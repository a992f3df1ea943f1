#include "characters/Episode3Cast.h"

#include "SceneShapes.h"
#include "characters/Episode1Cast.h"
#include "characters/Episode2Cast.h"

#include "adventure/CastAnimations.h"

#include <cstdint>
#include <string>
#include <vector>

namespace content::characters {

namespace {

namespace names = castanimations;

constexpr std::uint32_t hairGinger = 0xB4652E;
constexpr std::uint32_t hairGingerDark = 0x7A3F18;
constexpr std::uint32_t sleeveMoss = 0x8DB552;
constexpr std::uint32_t hoseMoss = 0x56762F;
constexpr std::uint32_t hoseMossDark = 0x3A5220;
constexpr std::uint32_t falconBrown = 0x3E2C22;
constexpr std::uint32_t featherShade = 0xC9C2D6;

constexpr std::uint32_t skinRuddy = 0xEDB98E;
constexpr std::uint32_t skinRuddyShade = 0xC98D62;
constexpr std::uint32_t shirtGrey = 0xA9A69E;
constexpr std::uint32_t shirtGreyDark = 0x75726C;
constexpr std::uint32_t trousersBrown = 0x5C4838;
constexpr std::uint32_t trousersBrownDark = 0x3C2E24;
constexpr std::uint32_t bootsDark = 0x3A302C;
constexpr std::uint32_t bootsLight = 0x6E5E54;
constexpr std::uint32_t beardBlack = 0x34303C;
constexpr std::uint32_t beardBlackDark = 0x221F28;
constexpr std::uint32_t leather = 0xA0693A;
constexpr std::uint32_t leatherDark = 0x6A4222;

} // namespace

// The herald is taller than Juna and round in the middle; the smith about
// as tall as she is and much broader, with heavy arms.
FigureLook HeroldLook()
{
    FigureLook look;
    look.heightPixels = 322.0;
    look.headRadius = 11.5;
    look.hipHeight = 45.0;
    look.shoulderHalf = 12.0;
    look.hipHalf = 6.0;
    look.torsoDepth = 10.0;
    look.belly = 9.0;
    look.limbWidth = 5.4;
    look.top = tone::bannerLight;
    look.topShade = colour::banner;
    look.quarter = tone::white;
    look.quarterShade = tone::stoneLight;
    look.shirt = sleeveMoss;
    look.shirtShade = colour::moss;
    look.legs = hoseMoss;
    look.legsShade = hoseMossDark;
    look.shoes = tone::wood;
    look.shoesLight = tone::woodLight;
    look.hair = hairGinger;
    look.hairShade = hairGingerDark;
    look.accent = falconBrown;
    look.capColour = tone::bannerLight;
    look.capShade = colour::banner;
    look.featherColour = tone::white;
    look.featherShade = featherShade;
    look.hairStyle = FigureLook::Hair::fringe;
    look.garment = FigureLook::Garment::tabard;
    look.cap = FigureLook::Cap::feathered;
    look.moustache = true;
    look.trumpet = true;
    return look;
}

FigureLook SchmiedLook()
{
    FigureLook look;
    look.heightPixels = 302.0;
    look.headRadius = 12.5;
    look.hipHeight = 43.0;
    look.shoulderHalf = 15.5;
    look.hipHalf = 7.5;
    look.torsoDepth = 11.5;
    look.belly = 3.0;
    look.limbWidth = 7.2;
    look.skin = skinRuddy;
    look.skinShade = skinRuddyShade;
    look.top = shirtGrey;
    look.topShade = shirtGreyDark;
    look.legs = trousersBrown;
    look.legsShade = trousersBrownDark;
    look.shoes = bootsDark;
    look.shoesLight = bootsLight;
    look.hair = beardBlack;
    look.hairShade = beardBlackDark;
    look.apron = leather;
    look.apronShade = leatherDark;
    look.hairStyle = FigureLook::Hair::bald;
    look.garment = FigureLook::Garment::apron;
    look.rolledSleeves = true;
    look.sooty = true;
    look.fullBeard = true;
    return look;
}

const std::vector<CastMember>& Episode3Cast()
{
    static const std::vector<CastMember> cast = [] {
        return std::vector<CastMember>{
            {std::string(names::juna), JunaLook(), Repertoire::player},
            {std::string(names::lotte), LotteLook(), Repertoire::walking},
            {std::string(names::mia), MiaLook(), Repertoire::walking},
            {std::string(names::kira), KiraLook(), Repertoire::walking},
            {std::string(names::rocko), RockoLook(), Repertoire::walking},
            {std::string(names::herold), HeroldLook(), Repertoire::walking},
            {std::string(names::schmied), SchmiedLook(), Repertoire::walking},
        };
    }();
    return cast;
}

bool WriteEpisode3Cast(SpriteFolder& level)
{
    return WriteCast(level, Episode3Cast());
}

} // namespace content::characters
