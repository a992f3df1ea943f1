#pragma once

// The Baron's finery in his base, as his collection and his control room
// share it: the gold of his frames, crowns and trims and the velvet of his
// cushions, swags and chair, beside the base's own colours.

#include <cstdint>

namespace content::rooms::finery {

constexpr std::uint32_t gold = 0xE8B42E;
constexpr std::uint32_t goldLight = 0xFFE27A;
constexpr std::uint32_t goldDark = 0xA8741A;
constexpr std::uint32_t velvet = 0x8A2A6A;
constexpr std::uint32_t velvetDark = 0x561846;

} // namespace content::rooms::finery
