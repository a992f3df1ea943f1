#pragma once

// The names episode 2's scripts share: its flags (each under the group of
// the room whose puzzle sets it) and the elements scripts act on.

#include <array>

namespace episode2 {

inline constexpr const char* player = "Player";

// RoomFestplatz
inline constexpr const char* einleitungGesehen = "RoomFestplatz|EinleitungGesehen";
inline constexpr const char* pokalBekommen = "RoomFestplatz|PokalBekommen";
inline constexpr const char* fotoGemacht = "RoomFestplatz|FotoGemacht";
inline constexpr const char* baron = "RoomFestplatz|Baron";
// The Baron's two flying robots and the crystal on the cushion: pictures
// of the square that only the opening scene moves and hides.
inline constexpr const char* roboter = "RoomFestplatz|roboter";
inline constexpr const char* preiskristall = "RoomFestplatz|preiskristall";
inline constexpr const char* torRaumhafen = "RoomFestplatz|TorRaumhafen";
inline constexpr const char* pokal = "RoomFestplatz|Pokal";
inline constexpr const char* passfoto = "RoomFestplatz|Passfoto";

// RoomRaumhafen
// Which step KIRA last gave a hint for (step + 1, 0: none yet) and how
// plainly (0 vague to 2 plain).
inline constexpr const char* kiraHinweisSchritt = "RoomRaumhafen|KiraHinweisSchritt";
inline constexpr const char* kiraHinweisStufe = "RoomRaumhafen|KiraHinweisStufe";
inline constexpr const char* pokalVerkauft = "RoomRaumhafen|PokalVerkauft";
inline constexpr const char* ausweisGebastelt = "RoomRaumhafen|AusweisGebastelt";
inline constexpr const char* sternentaler = "RoomRaumhafen|Sternentaler";
inline constexpr const char* tankkarte = "RoomRaumhafen|Tankkarte";
inline constexpr const char* tankausweis = "RoomRaumhafen|Tankausweis";

// RoomTaxistand
inline constexpr const char* preisGenannt = "RoomTaxistand|PreisGenannt";
inline constexpr const char* rockoBezahlt = "RoomTaxistand|RockoBezahlt";
inline constexpr const char* taxiGetankt = "RoomTaxistand|TaxiGetankt";
inline constexpr const char* abflug = "RoomTaxistand|Abflug";
inline constexpr const char* rocko = "RoomTaxistand|Rocko";
inline constexpr const char* taxi = "RoomTaxistand|taxi";

// RoomHangar
inline constexpr const char* ausweisVerlangt = "RoomHangar|AusweisVerlangt";
inline constexpr const char* kanisterGefuellt = "RoomHangar|KanisterGefuellt";
inline constexpr const char* kanister = "RoomHangar|Kanister";
inline constexpr const char* vollerKanister = "RoomHangar|VollerKanister";

// The flags KIRA's hint goes over, one per step of the puzzle chart
// (Puzzles.txt) in its order: the first flag each step gives, leaving out
// the take-off (all done, KIRA sends Juna to Rocko). The content tests hold
// this table against the chart.
inline constexpr std::array kiraHinweisFlags = {
    // The fare.
    preisGenannt, pokalBekommen, pokalVerkauft, rockoBezahlt,
    // The fuel.
    ausweisVerlangt, fotoGemacht, ausweisGebastelt, kanisterGefuellt, taxiGetankt,
};

// The taxi chase after the Baron is a level of its own.
inline constexpr int taxiLevel = 8;

} // namespace episode2
