#pragma once

// The names episode 5's scripts share: its flags (each under the group of
// the room whose puzzle sets it) and the elements scripts act on.

#include <array>

namespace episode5 {

inline constexpr const char* player = "Player";

// RoomLandeplatz
inline constexpr const char* einleitungGesehen = "RoomLandeplatz|EinleitungGesehen";
// Which step KIRA last gave a hint for (step + 1, 0: none yet) and how
// plainly (0 vague to 2 plain).
inline constexpr const char* kiraHinweisSchritt = "RoomLandeplatz|KiraHinweisSchritt";
inline constexpr const char* kiraHinweisStufe = "RoomLandeplatz|KiraHinweisStufe";
inline constexpr const char* kabelGeholt = "RoomLandeplatz|KabelGeholt";
inline constexpr const char* schleuseOffen = "RoomLandeplatz|SchleuseOffen";
inline constexpr const char* kapselOffen = "RoomLandeplatz|KapselOffen";
inline constexpr const char* rocko = "RoomLandeplatz|Rocko";
inline constexpr const char* kira = "RoomLandeplatz|Kira";
inline constexpr const char* taxi = "RoomLandeplatz|taxi";
// The airlock's dead switch box; the jump leads clamped to it are a graphic
// of their own, hidden until step 2.
inline constexpr const char* schaltkasten = "RoomLandeplatz|schaltkasten";
inline constexpr const char* kabelrolle = "RoomLandeplatz|kabelrolle";
// The switch box's lamp lit green: hidden until the leads feed it.
inline constexpr const char* schaltlampe = "RoomLandeplatz|schaltlampe";
// The crashed supply capsule, jammed shut; once Rocko has shot its hatch
// off, the open capsule and the hatch on the ground show instead.
inline constexpr const char* kapsel = "RoomLandeplatz|kapsel";
inline constexpr const char* kapselOffenBild = "RoomLandeplatz|offenekapsel";
inline constexpr const char* aussentuer = "RoomLandeplatz|Aussentuer";
inline constexpr const char* kabel = "RoomLandeplatz|Kabel";
inline constexpr const char* eiszwiebel = "RoomLandeplatz|Eiszwiebel";
// The taxi's landing flash at the opening: hidden after it.
inline constexpr const char* landeblitz = "RoomLandeplatz|landeblitz";

// RoomSchleuse
inline constexpr const char* fensterGeputzt = "RoomSchleuse|FensterGeputzt";
inline constexpr const char* hofBetreten = "RoomSchleuse|HofBetreten";
inline constexpr const char* fenster = "RoomSchleuse|fenster";
// The slime smeared over the window: gone once Juna has sprayed it off.
inline constexpr const char* schleim = "RoomSchleuse|schleim";
// The Schleimlinge pressing their eye stalks to the glass from the yard.
inline constexpr const char* aliens = "RoomSchleuse|aliens";
inline constexpr const char* hoftuer = "RoomSchleuse|hoftuer";
// The inner door open on the yard, drawn over the shut one at the end.
inline constexpr const char* hofausgang = "RoomSchleuse|hofausgang";
inline constexpr const char* leereFlasche = "RoomSchleuse|LeereFlasche";

// RoomLabor
inline constexpr const char* notizenGelesen = "RoomLabor|NotizenGelesen";
inline constexpr const char* zwiebelAufgetaut = "RoomLabor|ZwiebelAufgetaut";
inline constexpr const char* saftGepresst = "RoomLabor|SaftGepresst";
inline constexpr const char* sprayGemischt = "RoomLabor|SprayGemischt";
inline constexpr const char* computer = "RoomLabor|computer";
inline constexpr const char* waermelampe = "RoomLabor|waermelampe";
inline constexpr const char* presse = "RoomLabor|presse";
// The last Schleimling, left behind in its tank; the same tank with it
// hiding from the onion juice (versteckling), and the computer's screen
// with the diary open (laborbuch), are drawn over them once that happened.
inline constexpr const char* tank = "RoomLabor|tank";
inline constexpr const char* versteckling = "RoomLabor|versteckling";
inline constexpr const char* laborbuch = "RoomLabor|laborbuch";
inline constexpr const char* zwiebel = "RoomLabor|Zwiebel";
inline constexpr const char* zwiebelsaft = "RoomLabor|Zwiebelsaft";
inline constexpr const char* abwehrspray = "RoomLabor|Abwehrspray";

// RoomLager
inline constexpr const char* roboterAbgelenkt = "RoomLager|RoboterAbgelenkt";
inline constexpr const char* lotte = "RoomLager|Lotte";
inline constexpr const char* mia = "RoomLager|Mia";
// The cleaning robot by its shelf, its spray bottle in its holder; once the
// bag of popcorn on the shelf (tuete) has burst it hoovers by the crates
// instead (putzer), round the popcorn on the floor (popcorn).
inline constexpr const char* roboter = "RoomLager|roboter";
inline constexpr const char* putzer = "RoomLager|putzer";
inline constexpr const char* tuete = "RoomLager|tuete";
inline constexpr const char* popcorn = "RoomLager|popcorn";
inline constexpr const char* spruehflasche = "RoomLager|Spruehflasche";

// The flags KIRA's hint goes over, one per step of the puzzle chart
// (Puzzles.txt) in its order: the first flag each step gives, leaving out
// the last (all done, KIRA sends Juna to the yard's door). The content
// tests hold this table against the chart.
inline constexpr std::array kiraHinweisFlags = {
    // Into the base.
    kabelGeholt,
    schleuseOffen,
    // What the Schleimlinge fear, and the onion.
    kapselOffen,
    notizenGelesen,
    zwiebelAufgetaut,
    saftGepresst,
    // The bottle.
    roboterAbgelenkt,
    fensterGeputzt,
    // The spray.
    sprayGemischt,
};

// Out into the base's yard: the alien shooter.
inline constexpr int nextLevel = 11;

} // namespace episode5
