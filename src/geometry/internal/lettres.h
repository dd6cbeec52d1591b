// Private to geometry: the direction letters A..F as numbers 0..5, and the
// one reader of path texts, shared by Chemin and the name helpers so that
// both read every text the same way.
#pragma once

#include <cstdint>

namespace tavlo::internal {

// Direction index of k turned any number of times round the hexagon.
inline int modulo6(int k) {
  const int m = k % 6;
  return m < 0 ? m + 6 : m;
}

// Adds the steps of t (path grammar, see chemin.h) to comptes[0..5]. A digit
// before any letter has no direction to repeat and is skipped.
void litchemin(const char* t, std::uint16_t comptes[6]);

}  // namespace tavlo::internal
