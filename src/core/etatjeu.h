// The game-state text (etatjeu): the values and pencil marks of a grid's
// cells as one short text, one code per cell in cell-number order, saved per
// grid and held while the help pages are shown. It names neither the grid nor
// the level; only the same definition at the same level reads it back.
//
//   Chaine etat;
//   ecritetatjeu(g, etat);       // e.g. "CK14G": 3, three empty, marks 1 and 6, empty
//   if (!litetatjeu(g, etat.texte())) ...   // did not fit: only the givens are left
//   g.construit();               // applies the records queued by the read
//
// Codes: "A".."F" a value 1..6; "G" an empty unmarked cell, "H" two and "K"
// three of them; two digits l, h (0..7) an empty cell with marks l + 8 h.
#pragma once

#include "core/grille.h"
#include "text/chaine.h"
#include "text/listechaines.h"

namespace tavlo {

void ecritetatjeu(const Grille& g, Chaine& cible);

// Sets the values and marks the text describes (case-insensitive) and queues
// the matching records in evenements(). Cells past the end of the text keep
// what they hold. Returns false when the text does not fit the grid (more
// codes than cells, or a value on a given that differs from it); the grid is
// then back to its givens with no marks and nothing stays queued.
// A digit code cut short at the end of the text reads its missing second
// digit as 0; marks beyond the six values are dropped.
bool litetatjeu(Grille& g, const char* texte);

// Pending records of the last read: "v,cell,value" and "p,cell,marks".
ListeChaines& evenements();

// Applies and removes every queued record. A value record leaves a given
// alone; a marks record sets the cell's candidates, which stay stale until
// the next recomputation. Records naming no cell of g are dropped.
void draineevenements(Grille& g);

}  // namespace tavlo
