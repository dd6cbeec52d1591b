// Repere: the screen frame of the lattice. It fixes the step length and the
// angle, keeps the six step vectors with their letters in a table, and gives
// the screen position of any point named by a path text. Positions are sums
// of integer steps, so two names of one point always give the same pixel.
//
//   Repere r;
//   r.construit(6, 40, 0.0f);
//   r.xde("A3B");             // 140
//   r.yde("AAAB:AF");         // 35: reading stops at ":"
//   r.direction(1).nom;       // "B"
//
// The inherited Chemin is scratch space for xde and yde.
#pragma once

#include <cstdint>

#include "geometry/chemin.h"

namespace tavlo {

class Repere : public Chemin {
public:
  struct Direction {
    std::int16_t x;
    std::int16_t y;
    char nom[4];  // the letter and a terminating zero
  };

  Repere();  // not built: zero steps

  // Step length pas (raised to even) and angle in degrees, which the
  // underlying Gabarit takes truncated toward zero. The lattice always has
  // six directions: any other count is taken as six.
  void construit(std::int16_t directions, std::int16_t pas, float angle);

  bool exact() const { return exact_ != 0; }
  std::int16_t nbdirections() const { return nbdirections_; }
  std::int16_t demi() const { return demi_; }
  std::int16_t pas() const { return pas_; }
  float angledegres() const { return angle_; }
  const Direction& direction(int k) const;  // k modulo 6

  // Screen position of the point a path text names (expanded or compact).
  std::int16_t xde(const char* texte);
  std::int16_t yde(const char* texte);

private:
  std::uint8_t exact_;
  std::int16_t nbdirections_;
  std::int16_t demi_;
  std::int16_t pas_;
  float angle_;
  Direction table_[6];
};

}  // namespace tavlo
