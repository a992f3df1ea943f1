#pragma once

// The names episode 3's scripts share: its flags (each under the group of
// the room whose puzzle sets it) and the elements scripts act on.

#include <array>

namespace episode3 {

inline constexpr const char* player = "Player";

// RoomLichtung
inline constexpr const char* einleitungGesehen = "RoomLichtung|EinleitungGesehen";
// Which step KIRA last gave a hint for (step + 1, 0: none yet) and how
// plainly (0 vague to 2 plain).
inline constexpr const char* kiraHinweisSchritt = "RoomLichtung|KiraHinweisSchritt";
inline constexpr const char* kiraHinweisStufe = "RoomLichtung|KiraHinweisStufe";
inline constexpr const char* rocko = "RoomLichtung|Rocko";
inline constexpr const char* kira = "RoomLichtung|Kira";
// Rocko's taxi lies in the clearing where it fell out of the time hole;
// the opening scene drops it from the sky, the hole closes behind it.
inline constexpr const char* taxi = "RoomLichtung|taxi";
inline constexpr const char* zeitloch = "RoomLichtung|zeitloch";
inline constexpr const char* pausenbrot = "RoomLichtung|Pausenbrot";

// RoomDorf
inline constexpr const char* gansSatt = "RoomDorf|GansSatt";
inline constexpr const char* lakenGenommen = "RoomDorf|LakenGenommen";
inline constexpr const char* wappenrockGemalt = "RoomDorf|WappenrockGemalt";
inline constexpr const char* seilBekommen = "RoomDorf|SeilBekommen";
inline constexpr const char* gans = "RoomDorf|gans";
inline constexpr const char* waescheleine = "RoomDorf|waescheleine";
inline constexpr const char* brunnen = "RoomDorf|brunnen";
inline constexpr const char* lotte = "RoomDorf|Lotte";
inline constexpr const char* mia = "RoomDorf|Mia";
inline constexpr const char* leintuch = "RoomDorf|Leintuch";
inline constexpr const char* wappenrock = "RoomDorf|Wappenrock";
inline constexpr const char* seil = "RoomDorf|Seil";

// RoomSchmiede
inline constexpr const char* helmBekommen = "RoomSchmiede|HelmBekommen";
inline constexpr const char* schmied = "RoomSchmiede|Schmied";
inline constexpr const char* kohle = "RoomSchmiede|Kohle";
inline constexpr const char* helm = "RoomSchmiede|Helm";

// RoomTurnierwiese
inline constexpr const char* ritterVerlangt = "RoomTurnierwiese|RitterVerlangt";
inline constexpr const char* angemeldet = "RoomTurnierwiese|Angemeldet";
inline constexpr const char* seilGerissen = "RoomTurnierwiese|SeilGerissen";
inline constexpr const char* maschineRepariert = "RoomTurnierwiese|MaschineRepariert";
inline constexpr const char* turnierbeginn = "RoomTurnierwiese|Turnierbeginn";
inline constexpr const char* herold = "RoomTurnierwiese|Herold";
inline constexpr const char* wurfmaschine = "RoomTurnierwiese|wurfmaschine";

// The flags KIRA's hint goes over, one per step of the puzzle chart
// (Puzzles.txt) in its order: the first flag each step gives, leaving out
// the tournament itself (all done, KIRA sends Juna to the herald). The
// content tests hold this table against the chart.
inline constexpr std::array kiraHinweisFlags = {
    // The knight.
    ritterVerlangt, gansSatt, lakenGenommen, wappenrockGemalt, helmBekommen, angemeldet,
    // The throwing machine.
    seilGerissen, seilBekommen, maschineRepariert,
};

// The knights' throwing contest is a level of its own.
inline constexpr int catapultLevel = 9;

} // namespace episode3
