// From a seed and shape parameters to the stored lines of one built-in grid:
//
//  1. a shape (forme.h) whose cell count and extent meet the constraints;
//  2. a full solution, by randomised search;
//  3. givens taken away one at a time in random order, each removal kept
//     only if the solver still fills the grid by reasoning alone; of several
//     orders the one ending with the fewest givens wins;
//  4. level tags from that order: the cells that could not go are tagged
//     120, the last ones taken away 100, earlier ones 95, 90 and so on,
//     the first ones not at all. Every level therefore shows the givens of
//     a moment of step 3: one solution, found by reasoning;
//  5. tokens packed into the number of stored lines the grid has, then read
//     back and checked at every level.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/grille.h"
#include "forme.h"

namespace tavlo::generation {

struct Parametres {
  std::uint32_t graine = 1;
  ParametresForme forme;
  int cases = 0;      // exact cell count, 0 for any
  int largeur70 = 0;  // least width at cell size 70, 0 for any
  int boite40 = 0;    // largest width and height at cell size 40, 0 for any
  int lignes = 5;     // stored lines
  int essais = 20;    // removal orders tried
  // Share (percent) of the removable givens still shown at effective
  // levels 1 to 6; level 7 shows none of them.
  std::vector<int> profil = {60, 48, 36, 26, 16, 7};
};

// The options that give p again, as "name=value" texts without commas: the
// stored grid keeps them as "#" notes, for the command line each becomes
// "--name value".
std::vector<std::string> enoptions(const Parametres& p);

// Sets option nom (without "--") of p; false with a message for an unknown
// name or a bad value.
bool fixeoption(const std::string& nom, const std::string& valeur, Parametres& p,
                std::string& erreur);

// The parameters a stored grid records in its notes; false when it records
// none or one that fixeoption refuses.
bool depuisnotes(const std::vector<std::string>& stockees, Parametres& p, std::string& erreur);

// Width and height in pixels of g's cell centres widened by one cell size
// on every side (the box the window layout starts from), at cell size taille.
void dimensions(Grille& g, std::int16_t taille, int& largeur, int& hauteur);

// What a stored grid gives, level by level.
struct Bilan {
  int cases = 0;
  int complets = 0;
  int partiels = 0;
  int decalage = 0;
  bool niveau7 = false;
  int donnees[8] = {};  // per level 1..7
  int solutions[8] = {};
  bool raisonnement[8] = {};
  int largeur40 = 0, hauteur40 = 0, largeur70 = 0, hauteur70 = 0;
  std::size_t pluslongue = 0;          // longest stored line, bytes
  std::vector<std::int16_t> solution;  // by cell number, from level 7
  bool bon() const;                    // one solution by reasoning at every level
};

Bilan examine(const std::vector<std::string>& stockees);

struct Sortie {
  std::vector<std::string> lignes;
  Bilan bilan;
  int minimales = 0;  // givens left at the end of step 3
  int formes = 0;     // shapes drawn before one met the constraints
};

// False with a message in erreur when no shape meets the constraints within
// many draws or the tokens do not fit the lines.
bool genere(const Parametres& p, Sortie& s, std::string& erreur);

}  // namespace tavlo::generation
