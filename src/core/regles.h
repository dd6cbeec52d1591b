// The rule of the puzzle and what follows from it: two cells whose triangles
// share a lattice vertex never hold the same value. The candidates of a cell
// (Case::possibles) are derived from the values; a placement is judged
// against them; a grid is solved when no cell is empty.
//
//   recalculepossibles(g);                  // when the player selects a cell
//   Jugement j = juge(g, i, chiffre);
//   if (j.issue == Issue::placee) { /* record "v" + value + "," + cell */ }
//   if (j.issue == Issue::refusee) { /* beep */ }
//   if (j.resolue) { /* bravo */ }
#pragma once

#include <cstdint>

#include "core/grille.h"

namespace tavlo {

// Every cell gets 63; each filled cell keeps its own value only and takes
// that value from its empty neighbours. Makes sure of the case and neighbour
// tables first.
void recalculepossibles(Grille& g);

// Value v may go into cell i: bit v - 1 of its candidates. Meaningful right
// after recalculepossibles.
bool estpermis(const Grille& g, std::int16_t i, std::int16_t v);

enum class Issue : std::uint8_t {
  rien,          // nothing to do (the eraser on an empty cell, no marks anywhere)
  placee,        // the empty cell took the value
  refusee,       // the rule or the cell refused the value; nothing changed
  marquesotees,  // the eraser on an empty cell cleared its marks
  donnee,        // a given: untouched; its value becomes the selected number
  effacee,       // a placed value was erased
};

struct Jugement {
  Issue issue = Issue::rien;
  std::int16_t valeur = 0;  // placed, erased, or the given's value
  bool resolue = false;     // the placement filled the last empty cell
};

// The player's selected number chiffre (0 = eraser, 1..6) applied to cell i.
// The candidates are recomputed first, so a stale recomputation cannot let
// an illegal value in. A cell number outside the grid gives Issue::rien.
Jugement juge(Grille& g, std::int16_t i, std::int16_t chiffre);

// The grid is solved when every cell holds a value; the definition's own
// values are not compared, since every value placed was legal.
bool estresolue(const Grille& g);

}  // namespace tavlo
