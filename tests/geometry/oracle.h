// Test helpers for lattice paths: an oracle for the point a multiset of steps
// reaches, written from the step vectors alone and independent of Chemin's
// normalisation, and a seeded source of random step multisets.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>

#include "geometry/noms.h"

namespace tavlo {

inline void PrintTo(const Doublees& d, std::ostream* os) {
  *os << '(' << d.x << ", " << d.y << ')';
}

}  // namespace tavlo

namespace geotest {

using Comptes = std::array<int, 6>;

// Doubled coordinates of the step vectors A..F.
constexpr int DX[6] = {2, 1, -1, -2, -1, 1};
constexpr int DY[6] = {0, 1, 1, 0, -1, -1};

inline tavlo::Doublees oracle(const Comptes& c) {
  int x = 0;
  int y = 0;
  for (int k = 0; k < 6; ++k) {
    x += c[k] * DX[k];
    y += c[k] * DY[k];
  }
  return {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
}

// A canonical path has no two non-zero counts other than adjacent ones.
inline bool canonique(const Comptes& c) {
  for (int i = 0; i < 6; ++i) {
    for (int j = i + 1; j < 6; ++j) {
      const int ecart = j - i;
      if (c[i] > 0 && c[j] > 0 && ecart != 1 && ecart != 5) return false;
    }
  }
  return true;
}

// Random step counts (0..maxi each) and one shuffled writing of them as
// letters, so that the order of the steps varies between draws.
struct Tirage {
  Comptes comptes{};
  std::string lettres;
};

inline Tirage tire(std::mt19937& gen, int maxi) {
  std::uniform_int_distribution<int> loi(0, maxi);
  Tirage t;
  for (int k = 0; k < 6; ++k) {
    t.comptes[k] = loi(gen);
    t.lettres.append(static_cast<std::size_t>(t.comptes[k]), static_cast<char>('A' + k));
  }
  std::shuffle(t.lettres.begin(), t.lettres.end(), gen);
  return t;
}

}  // namespace geotest
