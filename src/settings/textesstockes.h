// Stored texts: the fixed texts the build turned from data files into
// scrambled Windows-1252 lines (cmake/TavloTextes.cmake). A RecueilTextes is
// one generated collection; each of its texts is found by the name of its
// data file, ignoring case, and read line by line through debrouille.
//
//   #include "textes/grilles.h"
//   Chaine l;
//   if (litligne(textes::grilles, "catalogue", 1, l)) ...   // line 1, plain
//
// Lines are numbered from 1. Nothing here allocates except the Chaine or
// ListeChaines that receives the plain text.
#pragma once

#include <cstdint>

#include "text/chaine.h"
#include "text/listechaines.h"

namespace tavlo {

// One data file: its scrambled lines, in file order.
struct TexteStocke {
  const char* nom;            // file name without directory and extension
  const char* const* lignes;  // null when the file has no line
  std::int16_t nombre;
};

struct RecueilTextes {
  const TexteStocke* textes;
  std::int16_t nombre;
};

// The text of that name (ignoring case), or null.
const TexteStocke* cherchetexte(const RecueilTextes& r, const char* nom);

// Line n as stored (scrambled), or null outside 1..nombre or for no text.
const char* lignebrouillee(const TexteStocke* t, std::int16_t n);

// cible = line n of text nom, plain; false (cible emptied) when there is none.
bool litligne(const RecueilTextes& r, const char* nom, std::int16_t n, Chaine& cible);

// Appends every line of t, plain, to cible. A null t appends nothing.
void ajoutelignes(const TexteStocke* t, ListeChaines& cible);

}  // namespace tavlo
