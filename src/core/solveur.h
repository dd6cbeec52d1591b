// Solveur: how many ways a grid's givens can be completed (none, one, or two
// and more), and whether a player can get there by reasoning alone. It is
// what makes a grid a puzzle: the authoring tool keeps only givens that leave
// exactly one solution which the reasoning steps below reach without a guess.
//
//   g.fixeniveau(5);
//   g.construit();
//   Resolution r = resous(g);           // the givens of level 5
//   if (r.solutions == 1 && r.raisonnement) ...
//
//   Plateau p(g);                       // many questions on one grid
//   Resolution r = p.resous(donnees);   // donnees[i]: value of cell i, 0 empty
//
// The reasoning steps, tried before any branching:
//   - seul: a cell with a single candidate takes it;
//   - cache: a value that fits only one cell of a complete group goes there;
//   - confine: when a value's places in a complete group all touch some
//     cell outside it, that cell cannot take the value.
// Every step is sound, so a grid they fill has that solution only. When they
// stall, the solver branches on a cell with fewest candidates and counts.
//
// Cells are numbered as in the Grille, 1..nbcases; vectors of values are
// indexed by cell number and their entry 0 is unused.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/grille.h"

namespace tavlo {

// Reasoning steps, as bits of a set.
enum Etape : unsigned {
  ETAPE_SEUL = 1,
  ETAPE_CACHE = 2,
  ETAPE_CONFINE = 4,
  ETAPES_TOUTES = 7,
};

struct Resolution {
  int donnees = 0;            // givens used
  int solutions = 0;          // 0, 1, or 2 for two or more
  bool raisonnement = false;  // the steps alone filled every cell
  // The solution by cell number when it is unique; empty otherwise.
  std::vector<std::int16_t> valeurs;
};

// The grid reduced to what the rule needs: the twelve neighbours of each
// cell and the six cells of each complete group, as plain numbers. Built
// once from a Grille; afterwards independent of it, and const to use.
class Plateau {
 public:
  Plateau() = default;
  explicit Plateau(Grille& g);

  int nbcases() const { return nbcases_; }
  int nbgroupes() const { return nbgroupes_; }  // complete groups only
  // Cell numbers 0 for none.
  std::int16_t voisin(int i, int k) const { return voisins_[static_cast<std::size_t>(i * 12 + k)]; }
  std::int16_t casedugroupe(int gr, int k) const {
    return groupes_[static_cast<std::size_t>(gr * 6 + k)];
  }

  // Values outside 1..6 count as empty; entries past nbcases are ignored and
  // missing ones are empty.
  Resolution resous(const std::vector<std::int16_t>& donnees,
                    unsigned etapes = ETAPES_TOUTES) const;

  // The reasoning steps alone, without counting: true when they fill every
  // cell, whose values then go to solution (when not null).
  bool deduit(const std::vector<std::int16_t>& donnees,
              std::vector<std::int16_t>* solution = nullptr, unsigned etapes = ETAPES_TOUTES) const;

  // Some solution extending the givens in valeurs, written back into it.
  // At each branching the candidates are tried in the order hasard(k) picks
  // (it returns 0..k-1 for k remaining values). False when there is none,
  // or when more than noeuds branchings did not find one.
  bool remplit(std::vector<std::int16_t>& valeurs, const std::function<unsigned(unsigned)>& hasard,
               long noeuds) const;

 private:
  struct Etat;
  struct Recherche;

  bool place(Etat& e, int i, int v, unsigned etapes) const;
  bool retire(Etat& e, int i, unsigned bit, unsigned etapes) const;
  bool propage(Etat& e, unsigned etapes) const;
  bool depart(Etat& e, const std::vector<std::int16_t>& donnees, unsigned etapes,
              int* nbdonnees) const;
  void explore(const Etat& e, Recherche& r) const;

  int nbcases_ = 0;
  int nbgroupes_ = 0;
  std::vector<std::int16_t> voisins_;  // 12 per cell, cell 0 included
  std::vector<std::int16_t> groupes_;  // 6 per complete group, from 0
  // For group gr and a set S of its places (6-bit mask of 2 or more), the
  // cells outside the group touching every cell of S: entries debuts_[gr *
  // 64 + S] to debuts_[gr * 64 + S + 1] - 1 of touchants_.
  std::vector<std::int32_t> debuts_;
  std::vector<std::int16_t> touchants_;
};

// The grid's current givens (its fixed cells) resolved; the caller has set
// the level and built the grid.
Resolution resous(Grille& g, unsigned etapes = ETAPES_TOUTES);

// The givens of g as the solver reads them: the value of each fixed cell.
std::vector<std::int16_t> donneesde(const Grille& g);

}  // namespace tavlo
