// The grid catalogue and the loading of built-in grids. The program carries
// a catalogue of grid identifiers (grid number n is entry n) and a table of
// built-in grids, each an identifier, a level and a definition stored in the
// program; metgrille loads one of them into the Grille being played.
//
//   metgrille("X", g);                  // at start-up: sets numversion, loads nothing
//   Chaine id;
//   entreecatalogue(3, id);             // identifier of grid number 3
//   metgrille(id.texte(), g);           // built, level set, candidates computed
//
// The state is program-wide, like the one Grille it serves: loading the same
// identifier (ignoring case) twice in a row keeps the grid as it is, values
// included, and only applies its level and size again. Asking before a load,
// reading the saved play state and the catalogue buttons belong to the shell.
#pragma once

#include <cstdint>
#include <functional>

#include "core/grille.h"
#include "text/chaine.h"
#include "text/listechaines.h"

namespace tavlo {

struct GrilleIntegree {
  const char* id;       // compared ignoring case
  std::int16_t niveau;  // level set by number after every load
};

// The ten built-in grids; their definitions are the stored texts of the same names.
constexpr GrilleIntegree grillesintegrees[] = {
    {"1443-22", 2}, {"2037-1", 3}, {"1709-17", 4}, {"1920-5", 5},  {"1932-34", 6},
    {"1251-1", 2},  {"1251-2", 3}, {"1251-3", 4},  {"1222-65", 5}, {"1239-1", 6},
};

struct Chargement {
  Chargement();  // decodes the catalogue
  Chargement(const Chargement&) = delete;
  Chargement& operator=(const Chargement&) = delete;

  ListeChaines brouillon;         // decoded lines of the grid being looked up
  ListeChaines defs;              // definition lines of the grid last loaded
  std::int16_t niveauforce = 0;   // level of the grid found, 0 when none
  std::int16_t style = 6;         // drawing style, for the drawing to apply after a load
  Chaine dernier;                 // identifier + "," of the definition last built
  std::int16_t numversion = 117;  // edition number, shown in the title
  std::int16_t nbgrilles = 5;     // grid numbers run from 1 to nbgrilles
  Chaine catalogue;               // grid identifiers, comma-separated

  // The drawing's own sizes follow the cell size: once the rendering exists
  // it sets this, and every load calls it with the grid and its size after
  // the grid has taken that size. Empty: only the grid's size is applied.
  std::function<void(Grille&, std::int16_t)> changetaille;
};

// The one loading state of the program.
Chargement& chargement();

// Splits a decoded definition line into definition lines appended to defs:
// tokens separated by commas, spaces around them dropped. A token starting
// with "%" becomes the suffix of the tokens after it on that line ("%0"
// clears it); one starting with "#" is ignored; an empty token gives nothing.
//   "%95,A,B,%0,C"  ->  "A%95", "B%95", "C"
void ajoutedefinition(const char* ligne, ListeChaines& defs);

// Fills the scratch lines (appending) and the level override from the
// built-in table; whether the identifier is there. Always sets numversion to
// 117 and nbgrilles to 5.
bool cherchegrille(const char* id);

// Loads built-in grid id into g: builds it unless id is the identifier last
// built, applies its level percentage and size again, sets the table's level,
// makes sure of the case and neighbour tables and recomputes the candidates.
// An unknown identifier leaves g as it was.
void metgrille(const char* id, Grille& g);

// cible = entry n of the catalogue: the first n - 1 comma-separated entries
// dropped, the next one trimmed; empty beyond the last. n below 1 counts as 1.
void entreecatalogue(std::int16_t n, Chaine& cible);

}  // namespace tavlo
