#include "characters/Episode1Cast.h"

#include "SceneShapes.h"
#include "characters/CastMember.h"

#include "adventure/CastAnimations.h"

#include <string>
#include <vector>

namespace content::characters {

namespace {

namespace names = castanimations;

constexpr std::uint32_t hairBlue = 0x4258BE;
constexpr std::uint32_t hairBlueDark = 0x27357E;
constexpr std::uint32_t chestnut = 0xC8793F;
constexpr std::uint32_t chestnutDark = 0x8F4E24;
constexpr std::uint32_t skinTan = 0xC98A5E;
constexpr std::uint32_t skinTanShade = 0x9C6440;
constexpr std::uint32_t hairBlack = 0x3A3550;
constexpr std::uint32_t hairBlackDark = 0x1F1C30;
constexpr std::uint32_t white = 0xFFFFFF;

FigureLook Twin(std::uint32_t dress, std::uint32_t dressShade, std::uint32_t ribbon)
{
    FigureLook look;
    look.heightPixels = 215.0;
    look.headRadius = 14.0;
    look.hipHeight = 40.0;
    look.shoulderHalf = 9.5;
    look.hipHalf = 5.0;
    look.limbWidth = 5.0;
    look.top = dress;
    look.topShade = dressShade;
    look.legs = look.skin;
    look.legsShade = look.skinShade;
    look.shoes = colour::banner;
    look.shoesLight = tone::bannerLight;
    look.hair = chestnut;
    look.hairShade = chestnutDark;
    look.accent = ribbon;
    look.hairStyle = FigureLook::Hair::pigtails;
    look.garment = FigureLook::Garment::dress;
    look.skinArms = true;
    return look;
}

} // namespace

// Standing heights at scale 1: Juna about 300 pixels, the twins a head
// smaller, the grandfather stout and a little shorter than the chief.
FigureLook JunaLook()
{
    FigureLook look;
    look.heightPixels = 300.0;
    look.top = colour::orangeLight;
    look.topShade = colour::orange;
    look.legs = colour::tealLight;
    look.legsShade = colour::teal;
    look.shoes = colour::nightLight;
    look.shoesLight = tone::steelLight;
    look.hair = hairBlue;
    look.hairShade = hairBlueDark;
    look.accent = colour::teal;
    look.goggles = true;
    return look;
}

FigureLook LotteLook()
{
    return Twin(tone::taxiLight, tone::taxi, colour::hibiscus);
}

FigureLook MiaLook()
{
    FigureLook look = Twin(tone::leafLight, tone::leaf, colour::cream);
    look.camera = true;
    return look;
}

FigureLook BaltasarLook()
{
    FigureLook look;
    look.heightPixels = 285.0;
    look.headRadius = 12.0;
    look.hipHeight = 42.0;
    look.shoulderHalf = 13.0;
    look.hipHalf = 7.5;
    look.torsoDepth = 11.0;
    look.belly = 8.0;
    look.limbWidth = 5.4;
    look.top = colour::nightLight;
    look.topShade = colour::night;
    look.legs = colour::night;
    look.legsShade = colour::nightDeep;
    look.shoes = tone::wood;
    look.shoesLight = tone::woodLight;
    look.hair = white;
    look.hairShade = tone::stoneLight;
    look.accent = colour::orange;
    look.hairStyle = FigureLook::Hair::fringe;
    look.garment = FigureLook::Garment::coat;
    look.beard = true;
    look.cap = FigureLook::Cap::captain;
    return look;
}

FigureLook KalaniLook()
{
    FigureLook look;
    look.heightPixels = 310.0;
    look.headRadius = 12.0;
    look.hipHeight = 45.0;
    look.shoulderHalf = 12.0;
    look.hipHalf = 6.0;
    look.torsoDepth = 8.0;
    look.belly = 2.5;
    look.limbWidth = 5.4;
    look.skin = skinTan;
    look.skinShade = skinTanShade;
    look.top = colour::turquoise;
    look.topShade = colour::teal;
    look.legs = colour::sand;
    look.legsShade = tone::sandDark;
    look.shoes = tone::wood;
    look.shoesLight = tone::woodLight;
    look.hair = hairBlack;
    look.hairShade = hairBlackDark;
    look.accent = tone::hibiscusLight;
    look.hairStyle = FigureLook::Hair::fringe;
    look.garment = FigureLook::Garment::shirt;
    look.skinArms = true;
    look.garland = true;
    look.bigSmile = true;
    return look;
}

FigureLook KiraLook()
{
    FigureLook look;
    look.body = FigureLook::Body::drone;
    look.heightPixels = 230.0;
    return look;
}

const std::vector<CastMember>& Episode1Cast()
{
    static const std::vector<CastMember> cast = [] {
        return std::vector<CastMember>{
            {std::string(names::juna), JunaLook(), Repertoire::player},
            {std::string(names::lotte), LotteLook(), Repertoire::walking},
            {std::string(names::mia), MiaLook(), Repertoire::walking},
            {std::string(names::baltasar), BaltasarLook(), Repertoire::walking},
            {std::string(names::kira), KiraLook(), Repertoire::walking},
            {std::string(names::kalani), KalaniLook(), Repertoire::standing},
        };
    }();
    return cast;
}

bool WriteEpisode1Cast(SpriteFolder& level)
{
    return WriteCast(level, Episode1Cast());
}

} // namespace content::characters
