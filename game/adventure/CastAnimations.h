#pragma once

// The sprite labels of the characters' animations: a character's prefix
// followed by a suffix, e.g. "juna" + "_walk_" + "leftup". Directions are
// numbered as the characters turn: 0 up (away from the viewer), clockwise
// to 7 left up.
//
//   <prefix>_walk_<direction8>          walking, in 8 directions
//   <prefix>_idlemain_<direction8>      standing
//   <prefix>_talking_<side>             speaking (mouth and gestures)
//   <prefix>_idle<1..5>_<side>          five idle variants
//   <prefix>_takelow_<side>, _takemid_, _takehigh_
//                                       picking something up
// The player's figure has every one; the other characters have standing and
// talking, and walking when they move.

#include <array>
#include <string_view>

namespace castanimations {

// The prefixes of the cast.
inline constexpr std::string_view juna = "juna";
inline constexpr std::string_view lotte = "lotte";
inline constexpr std::string_view mia = "mia";
inline constexpr std::string_view baltasar = "baltasar";
inline constexpr std::string_view kira = "kira";
inline constexpr std::string_view kalani = "kalani";
// Who episode 2 adds.
inline constexpr std::string_view rocko = "rocko";
inline constexpr std::string_view baron = "baron";
// Who episode 3 adds.
inline constexpr std::string_view herold = "herold";
inline constexpr std::string_view schmied = "schmied";
// Every prefix, for the tools that go over the whole cast.
inline constexpr std::array<std::string_view, 10> prefixes = {juna,   lotte, mia,   baltasar, kira,
                                                              kalani, rocko, baron, herold,   schmied};

inline constexpr std::array<std::string_view, 8> directions = {"up",   "rightup",  "right", "rightdown",
                                                               "down", "leftdown", "left",  "leftup"};
// The four sides of the talking, idle and take animations.
inline constexpr std::array<std::string_view, 4> sides = {"up", "right", "down", "left"};

inline constexpr std::string_view walk = "_walk_";
inline constexpr std::string_view standing = "_idlemain_";
inline constexpr std::string_view talking = "_talking_";
// "_idle" + variant (1 to idleVariants) + "_" + side.
inline constexpr std::string_view idle = "_idle";
inline constexpr int idleVariants = 5;
inline constexpr std::array<std::string_view, 3> takes = {"_takelow_", "_takemid_", "_takehigh_"};

} // namespace castanimations
