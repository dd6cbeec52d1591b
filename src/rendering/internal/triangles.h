// Private to tavlo::rendering: the corners of lattice triangles in canvas
// pixels, and the orientation of every cell of a grid in one walk of its
// names (Grille::haut looks one name up from the front of the list).
#pragma once

#include <cstdint>
#include <vector>

#include "core/grille.h"
#include "geometry/disposition.h"
#include "geometry/repere.h"
#include "text/point.h"

namespace tavlo::interne {

// The triangle at vertex (x, y): the vertex, the vertex plus step A, and the
// vertex plus step B (up) or F (down); the first corner repeated to close it.
inline void triangle(const Repere& r, std::int32_t x, std::int32_t y, bool haut, Point coins[4]) {
  const Repere::Direction& a = r.direction(0);
  const Repere::Direction& b = r.direction(haut ? 1 : 5);
  coins[0] = Point{x, y};
  coins[1] = Point{x + a.x, y + a.y};
  coins[2] = Point{x + b.x, y + b.y};
  coins[3] = coins[0];
}

// Entry i (1..nbcases) tells whether cell i is an up triangle; entry 0 unused.
inline std::vector<std::uint8_t> hauts(const Grille& g) {
  std::vector<std::uint8_t> h(static_cast<std::size_t>(g.nbcases()) + 1, 0);
  ListeChaines noms;
  noms.ajouteliste(g.cases());
  Chaine nom;
  for (std::size_t i = 1; i < h.size() && noms.nonvide(); ++i) {
    noms.retire(nom);
    h[i] = esthaut(nom.texte()) ? 1 : 0;
  }
  return h;
}

// The outline of cell i: its vertex is its centre less the centroid offset.
inline void triangledecase(const Grille& g, const Repere& r, std::int16_t i, bool haut,
                           Point coins[4]) {
  triangle(r, g.xdecase(i) - r.xcentre(haut), g.ydecase(i) - r.ycentre(haut), haut, coins);
}

}  // namespace tavlo::interne
