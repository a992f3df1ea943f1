#include "levels/Episode5.h"

#include "rooms/episode5/Episode5Rooms.h"

namespace content::levels {

EpisodeDescription Episode5()
{
    EpisodeDescription episode;
    episode.level = 5;
    // The landing pad first: the episode starts there, where the taxi's
    // jump through time ends.
    AddRooms(episode, {{rooms::RoomLandeplatz(), rooms::LandeplatzStaging()},
                       {rooms::RoomSchleuse(), rooms::SchleuseStaging()},
                       {rooms::RoomLabor(), rooms::LaborStaging()},
                       {rooms::RoomLager(), rooms::LagerStaging()}});
    episode.flags = {
        "RoomLandeplatz|EinleitungGesehen", "RoomLandeplatz|KiraHinweisSchritt",
        "RoomLandeplatz|KiraHinweisStufe",  "RoomLandeplatz|KabelGeholt",
        "RoomLandeplatz|SchleuseOffen",     "RoomLandeplatz|KapselOffen",
        "RoomSchleuse|FensterGeputzt",      "RoomSchleuse|HofBetreten",
        "RoomLabor|NotizenGelesen",         "RoomLabor|ZwiebelAufgetaut",
        "RoomLabor|SaftGepresst",           "RoomLabor|SprayGemischt",
        "RoomLager|RoboterAbgelenkt",
    };
    return episode;
}

} // namespace content::levels
