// Lattice names: rotation and doubled coordinates.
#include "geometry/noms.h"

#include "geometry/internal/lettres.h"
#include "text/texte.h"

namespace tavlo {

void tourne(char* texte) {
  if (texte == nullptr) return;
  // One table for the whole run, defined on first use: each direction
  // letter, in either case, onto the capital of the next direction.
  static const TableCar suivante = [] {
    TableCar t;
    tableidentite(t);
    tabledefinit(t, "ABCDEFabcdef", "BCDEFABCDEFA");
    return t;
  }();
  tableapplique(suivante, texte);
}

Doublees doublees(const char* nom) {
  static constexpr int DX[6] = {2, 1, -1, -2, -1, 1};
  static constexpr int DY[6] = {0, 1, 1, 0, -1, -1};
  std::uint16_t comptes[6] = {};
  internal::litchemin(nom, comptes);
  int x = 0;
  int y = 0;
  for (int k = 0; k < 6; ++k) {
    x += comptes[k] * DX[k];
    y += comptes[k] * DY[k];
  }
  return Doublees{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
}

}  // namespace tavlo
