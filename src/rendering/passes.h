// The two passes that paint a grid. The background pass draws what changes
// only with the grid, its cell size or the window size (holes and cells); the
// finish pass draws, over a fresh copy of that background, what changes with
// play (values, pencil marks, group dots, group lines, pan arrows).
//
//   c.hdc = fondcontexte;   dessingrifond(a, c, false, 0, 0);   // once
//   c.hdc = imagecontexte;  dessingrifin(a, c, false, 0, 0);    // every paint
//
// The background pass pushes the canvas origin and raises the busy counter;
// the finish pass pops and lowers. When a paint reuses the background only
// the finish pass runs: its pop finds the stack empty and puts the origin at
// (0, 0), and the counter stays at 0. The window calls placegrille after the
// finish pass, so the origin is right again for the overlays and for hit
// tests. peinture.h runs the whole order of a paint.
#pragma once

#include <cstdint>

#include "platform/dessin.h"
#include "rendering/affichage.h"
#include "rendering/canevas.h"

namespace tavlo {

// Builds the grid's tables (the complete build), then holes and cells into
// c.hdc. The origin stays on the lattice origin. The colours are not used.
void dessingrifond(AffichageGrille& a, Canevas& c, bool variante, Couleur, Couleur);

// Into c.hdc, the canvas origin on the lattice origin. Reads etataffichage.
// The colours are not used; the variant draws thinner outline lines.
void dessingrifin(AffichageGrille& a, Canevas& c, bool variante, Couleur, Couleur);

// The digit of cell i in colour, centred on the cell centre.
void ecrisval(AffichageGrille& a, Canevas& c, std::int16_t i, Couleur couleur);
// The pencil marks of cell i, each digit centred on its mark position.
void ecrismarques(AffichageGrille& a, Canevas& c, std::int16_t i);

}  // namespace tavlo
