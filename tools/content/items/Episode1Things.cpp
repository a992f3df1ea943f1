#include "items/Episode1Things.h"

namespace content::items {

namespace {

constexpr const char* bruecke = "RoomBr\xfc" "cke";
constexpr const char* maschinenraum = "RoomMaschinenraum";
constexpr const char* strand = "RoomStrand";
constexpr const char* dorfplatz = "RoomDorfplatz";

} // namespace

const std::vector<DoorThing>& Episode1Doors()
{
    static const std::vector<DoorThing> doors = {
        {"TuerMaschinenraum", "Maschinenraum", bruecke, FullName(maschinenraum, "LeiterBruecke"), {120, 500},
         {220, 560}, "tuer_maschinenraum"},
        {"LeiterBruecke", "Leiter zur Br\xfc" "cke", maschinenraum, FullName(bruecke, "TuerMaschinenraum"), {925, 500},
         {780, 580}, "leiter_bruecke"},
        {"Aussenluke", "Au\xdf" "enluke", maschinenraum, FullName(strand, "Luke"), {125, 505}, {250, 540},
         "aussenluke"},
        {"Luke", "Luke der Zephyra", strand, FullName(maschinenraum, "Aussenluke"), {1120, 545}, {1100, 600},
         "luke"},
        {"TorDorf", "Weg zum Dorf", strand, FullName(dorfplatz, "TorStrand"), {40, 560}, {220, 590}, "tor_dorf"},
        {"TorStrand", "Weg zum Strand", dorfplatz, FullName(strand, "TorDorf"), {50, 615}, {230, 590},
         "tor_strand"},
    };
    return doors;
}

const std::vector<ItemThing>& Episode1ItemThings()
{
    static const std::vector<ItemThing> items = {
        {"Kristall", "Gesprungener Kristall", bruecke, Pickup::high, "kristall", true},
        {"Isolierband", "Isolierband", maschinenraum, Pickup::low, "isolierband", true},
        {"Schraubenschluessel", "Schraubenschl\xfc" "ssel", maschinenraum, Pickup::low, "schraubenschluessel",
         true},
        {"Treibholz", "Treibholz", strand, Pickup::low, "treibholz", true},
        {"Muschel", "Muschel", strand, Pickup::low, "muschel", true},
        {"Hibiskusbluete", "Hibiskusbl\xfc" "te", dorfplatz, Pickup::middle, "hibiskusbluete", true},
        {"Bastschnur", "Bastschnur", dorfplatz, Pickup::high, "bastschnur", true},
        {"Blumenkette", "Blumenkette", dorfplatz, Pickup::none, "blumenkette", false},
    };
    return items;
}

} // namespace content::items
