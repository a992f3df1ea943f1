#pragma once

// The names episode 6's scripts share: its flags (each under the group of
// the room whose puzzle sets it) and the elements scripts act on.

#include <array>

namespace episode6 {

inline constexpr const char* player = "Player";

// Set when the won alien shooter leads into the base: the yard is clear.
inline constexpr const char* alienShooterVorbei = "AlienShooterVorbei";

// RoomBasis
inline constexpr const char* einleitungGesehen = "RoomBasis|EinleitungGesehen";
// Which step KIRA last gave a hint for (step + 1, 0: none yet) and how
// plainly (0 vague to 2 plain).
inline constexpr const char* kiraHinweisSchritt = "RoomBasis|KiraHinweisSchritt";
inline constexpr const char* kiraHinweisStufe = "RoomBasis|KiraHinweisStufe";
inline constexpr const char* kameraGeliehen = "RoomBasis|KameraGeliehen";
inline constexpr const char* kontrollraumOffen = "RoomBasis|KontrollraumOffen";
inline constexpr const char* lotte = "RoomBasis|Lotte";
inline constexpr const char* mia = "RoomBasis|Mia";
inline constexpr const char* kira = "RoomBasis|Kira";
// The control room's door, locked until the key card opens it, and its
// card reader beside it.
inline constexpr const char* tuerKontrollraum = "RoomBasis|TuerKontrollraum";
inline constexpr const char* kartenleser = "RoomBasis|kartenleser";
// The sprayed Schleimlinge cowering in a corner.
inline constexpr const char* schleimlinge = "RoomBasis|schleimlinge";
inline constexpr const char* zugangskarte = "RoomBasis|Zugangskarte";
inline constexpr const char* kamera = "RoomBasis|Kamera";

// RoomSammlung
inline constexpr const char* baronGetroffen = "RoomSammlung|BaronGetroffen";
inline constexpr const char* baronFotografiert = "RoomSammlung|BaronFotografiert";
inline constexpr const char* kristallGetauscht = "RoomSammlung|KristallGetauscht";
inline constexpr const char* baron = "RoomSammlung|Baron";
// The glass case with the crystal's half, its glow gone once traded; the
// Baron's photo in the case instead.
inline constexpr const char* vitrine = "RoomSammlung|vitrine";
inline constexpr const char* kristallschein = "RoomSammlung|kristallschein";
inline constexpr const char* baronfoto = "RoomSammlung|baronfoto";
inline constexpr const char* foto = "RoomSammlung|Foto";
inline constexpr const char* kristallhaelfte = "RoomSammlung|Kristallhaelfte";

// RoomKontrollraum
inline constexpr const char* rampeAusgerichtet = "RoomKontrollraum|RampeAusgerichtet";
inline constexpr const char* startpult = "RoomKontrollraum|startpult";

// RoomStartrampe
inline constexpr const char* kristallAusgebaut = "RoomStartrampe|KristallAusgebaut";
inline constexpr const char* kristallGanz = "RoomStartrampe|KristallGanz";
inline constexpr const char* heimflug = "RoomStartrampe|Heimflug";
inline constexpr const char* rocko = "RoomStartrampe|Rocko";
inline constexpr const char* taxi = "RoomStartrampe|taxi";
// The dome over the ramp, shut; open once the ramp is aimed (offenekuppel).
inline constexpr const char* kuppel = "RoomStartrampe|kuppel";
inline constexpr const char* offenekuppel = "RoomStartrampe|offenekuppel";
// The taxi's launch flame: hidden until the flight home.
inline constexpr const char* startflamme = "RoomStartrampe|startflamme";
inline constexpr const char* taxikristall = "RoomStartrampe|Taxikristall";
inline constexpr const char* kristall = "RoomStartrampe|Kristall";

// RoomHeimkehr: Wakalua's beach, where the closing scene lands.
inline constexpr const char* heimkehr = "RoomHeimkehr";
inline constexpr const char* baltasar = "RoomHeimkehr|Baltasar";
inline constexpr const char* kalani = "RoomHeimkehr|Kalani";
// Those who came home in the taxi, hidden until it has landed.
inline constexpr std::array heimkehrer = {"RoomHeimkehr|Kira", "RoomHeimkehr|Rocko", "RoomHeimkehr|Lotte",
                                          "RoomHeimkehr|Mia"};

// The flags KIRA's hint goes over, one per step of the puzzle chart
// (Puzzles.txt) in its order: the first flag each step gives, leaving out
// the last (all done, KIRA sends Juna to the taxi). The content tests hold
// this table against the chart.
inline constexpr std::array kiraHinweisFlags = {
    // The other half of the crystal.
    baronGetroffen,
    kameraGeliehen,
    baronFotografiert,
    kristallGetauscht,
    // The way home.
    kontrollraumOffen,
    rampeAusgerichtet,
    kristallAusgebaut,
    // The whole crystal.
    kristallGanz,
};

// Home on Wakalua: the closing credits.
inline constexpr int nextLevel = 99;

} // namespace episode6
