#include "characters/Episode5Cast.h"

#include "characters/Episode1Cast.h"
#include "characters/Episode2Cast.h"

#include "adventure/CastAnimations.h"

#include <string>
#include <vector>

namespace content::characters {

const std::vector<CastMember>& Episode5Cast()
{
    namespace names = castanimations;
    static const std::vector<CastMember> cast = {
        {std::string(names::juna), JunaLook(), Repertoire::player},
        {std::string(names::lotte), LotteLook(), Repertoire::walking},
        {std::string(names::mia), MiaLook(), Repertoire::walking},
        {std::string(names::kira), KiraLook(), Repertoire::walking},
        {std::string(names::rocko), RockoLook(), Repertoire::walking},
    };
    return cast;
}

bool WriteEpisode5Cast(SpriteFolder& level)
{
    return WriteCast(level, Episode5Cast());
}

} // namespace content::characters
