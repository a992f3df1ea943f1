#pragma once

// The names episode 1's scripts share: its flags (each under the group of
// the room whose puzzle sets it) and the elements scripts act on. Element
// names are Windows-1252, as the level's settings file spells them.

#include "platform/Windows1252.h"

#include <array>

namespace episode1 {

inline constexpr const char* player = "Player";

// RoomBrücke
inline constexpr const char* einleitungGesehen = "RoomBrücke|EinleitungGesehen"_w1252;
inline constexpr const char* kristallGenommen = "RoomBrücke|KristallGenommen"_w1252;
inline constexpr const char* absturzErklaert = "RoomBrücke|AbsturzErklaert"_w1252;
// Which step KIRA last gave a hint for (step + 1, 0: none yet) and how
// plainly (0 vague to 2 plain).
inline constexpr const char* kiraHinweisSchritt = "RoomBrücke|KiraHinweisSchritt"_w1252;
inline constexpr const char* kiraHinweisStufe = "RoomBrücke|KiraHinweisStufe"_w1252;
inline constexpr const char* kristall = "RoomBrücke|Kristall"_w1252;

// RoomMaschinenraum
inline constexpr const char* funkenGestoppt = "RoomMaschinenraum|FunkenGestoppt";
inline constexpr const char* lukeFrei = "RoomMaschinenraum|LukeFrei";
inline constexpr const char* funken = "RoomMaschinenraum|funken";
inline constexpr const char* aussenluke = "RoomMaschinenraum|Aussenluke";
inline constexpr const char* isolierband = "RoomMaschinenraum|Isolierband";

// RoomStrand
inline constexpr const char* zwillingeVersoehnt = "RoomStrand|ZwillingeVersoehnt";
inline constexpr const char* muschel = "RoomStrand|Muschel";
inline constexpr const char* treibholz = "RoomStrand|Treibholz";

// RoomDorfplatz
inline constexpr const char* tanzErklaert = "RoomDorfplatz|TanzErklaert";
inline constexpr const char* blumenketteGebunden = "RoomDorfplatz|BlumenketteGebunden";
inline constexpr const char* ketteGegeben = "RoomDorfplatz|KetteGegeben";
inline constexpr const char* trommelRepariert = "RoomDorfplatz|TrommelRepariert";
inline constexpr const char* tanzBeginnt = "RoomDorfplatz|TanzBeginnt";
inline constexpr const char* hibiskusbluete = "RoomDorfplatz|Hibiskusbluete";
inline constexpr const char* bastschnur = "RoomDorfplatz|Bastschnur";
inline constexpr const char* blumenkette = "RoomDorfplatz|Blumenkette";

// The flags KIRA's hint goes over, one per step of the puzzle chart
// (Puzzles.txt) in its order: the first flag each step gives, leaving out
// the step that opens the hatch (it gives none) and the dance (all done,
// KIRA sends Juna there). The content tests hold this table against the
// chart.
inline constexpr std::array kiraHinweisFlags = {
    kristallGenommen, absturzErklaert,     funkenGestoppt, lukeFrei,         tanzErklaert,
    zwillingeVersoehnt, blumenketteGebunden, ketteGegeben, trommelRepariert,
};

// The dance contest is a level of its own.
inline constexpr int danceLevel = 7;

} // namespace episode1
