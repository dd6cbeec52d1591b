// The two colour functions behind the grid's palette: a pale tint of a colour
// and a grey from a percentage of black. Colours are platform values, red in
// the low byte.
#pragma once

#include <cstdint>

#include "platform/dessin.h"

namespace tavlo {

// Every channel or-ed with 0x99: pale(0xFF0000) == 0xFF9999.
constexpr Couleur pale(Couleur c) { return c | 0x999999u; }

// The grey with p percent of black, 0..100: gris(0) is white, gris(100) black,
// gris(20) == 0xCCCCCC. The channel value truncates toward zero.
constexpr Couleur gris(std::int16_t p) {
  const std::int32_t g = (100 - p) * 255 / 100;
  return static_cast<Couleur>(g + 256 * g + 65536 * g);
}

}  // namespace tavlo
