#include "levels/Episode1.h"

#include "items/Episode1Things.h"
#include "rooms/episode1/Episode1Rooms.h"
#include "adventure/CastAnimations.h"

namespace content::levels {

namespace {

// Where the others are while Juna finds her way: the captain and KIRA on
// the bridge, the twins on the beach, the chief on the village square.
std::vector<Standing> Episode1People()
{
    const char* bruecke = "RoomBr\xfc" "cke";
    return {
        {castanimations::baltasar, "Baltasar", "Kapit\xe4n Baltasar", bruecke, {760, 560}, Entity::left, -160, {640, 580}},
        {castanimations::kira, "Kira", "KIRA", bruecke, {300, 540}, Entity::right, -110, {420, 560}},
        {castanimations::lotte, "Lotte", "Lotte", "RoomStrand", {700, 600}, Entity::right, -130, {590, 615}},
        {castanimations::mia, "Mia", "Mia", "RoomStrand", {820, 610}, Entity::left, -130, {930, 620}},
        {castanimations::kalani, "Kalani", "H\xe4uptling Kalani", "RoomDorfplatz", {480, 575}, Entity::down, -180,
         {370, 595}},
    };
}

std::vector<Scenery> Episode1Scenery()
{
    return {
        {"sessel", "Pilotensessel", {620, 580}, Entity::left},
        {"monitor", "Monitor", {380, 560}, Entity::up},
        {"werkzeugkiste", "Werkzeugkiste", {300, 580}, Entity::left},
        {"kolben", "Verriegelungskolben", {320, 550}, Entity::up},
        {"funken", "Funken", {745, 580}, Entity::up},
        {"wellen", "Wellen", {600, 590}, Entity::up},
        {"rauch", "Rauch", {1000, 590}, Entity::up},
        {"trommel", "Festtrommel", {700, 585}, Entity::left},
        {"fackel", "Fackel", {760, 580}, Entity::up},
        {"fahne", "Fahne", {900, 590}, Entity::up},
    };
}

// The episode's flags under the group of the room whose puzzle sets them,
// all starting at 0.
std::vector<std::string> Episode1Flags()
{
    const std::string bruecke = "RoomBr\xfc" "cke|";
    return {
        bruecke + "EinleitungGesehen",
        bruecke + "KristallGenommen",
        bruecke + "AbsturzErklaert",
        bruecke + "KiraHinweisSchritt",
        bruecke + "KiraHinweisStufe",
        "RoomMaschinenraum|FunkenGestoppt",
        "RoomMaschinenraum|LukeFrei",
        "RoomStrand|ZwillingeVersoehnt",
        "RoomDorfplatz|TanzErklaert",
        "RoomDorfplatz|BlumenketteGebunden",
        "RoomDorfplatz|KetteGegeben",
        "RoomDorfplatz|TrommelRepariert",
        "RoomDorfplatz|TanzBeginnt",
    };
}

} // namespace

EpisodeDescription Episode1()
{
    EpisodeDescription episode;
    episode.level = 1;
    episode.rooms = rooms::Episode1Rooms();
    episode.staging = {items::Episode1Doors(), items::Episode1ItemThings(), Episode1People(), Episode1Scenery()};
    episode.flags = Episode1Flags();
    return episode;
}

} // namespace content::levels
