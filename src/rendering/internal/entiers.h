// Private to tavlo::rendering: the conversions from computed values to the
// 16-bit pixel and millimetre fields of the canvas and the grid display.
#pragma once

#include <cmath>
#include <cstdint>

namespace tavlo::interne {

// Truncated toward zero, then kept to 16 bits the way a 32-bit integer is
// (the low half). Values beyond the 32-bit range saturate first, and a
// non-number gives 0, so that a zero resolution cannot make this undefined.
inline std::int16_t tronque16(long double v) {
  if (!std::isfinite(v)) return 0;
  if (v >= 2147483647.0L) v = 2147483647.0L;
  if (v <= -2147483648.0L) v = -2147483648.0L;
  const auto n = static_cast<std::int32_t>(v);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(n)));
}

// An int kept to 16 bits (the low half).
inline std::int16_t en16(std::int32_t n) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(n)));
}

}  // namespace tavlo::interne
