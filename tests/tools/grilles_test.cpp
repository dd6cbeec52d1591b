// The built-in grids: each one a real puzzle at every level, its stored lines
// within what the program stores, and the catalogue with one grid that needs
// panning at the largest cell size.
//
// The puzzles are loaded as the game loads them, by metgrille from the stored
// texts the build made of data/grids; only the check of the stored lines reads
// the data files themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "core/grille.h"
#include "core/solveur.h"
#include "generation.h"
#include "settings/chargement.h"

namespace tavlo {
namespace {

struct Stockage {
  const char* id;
  int lignes;  // stored lines
};

constexpr Stockage STOCKAGES[] = {
    {"1443-22", 10}, {"2037-1", 15}, {"1709-17", 11}, {"1920-5", 15}, {"1932-34", 15},
    {"1251-1", 5},   {"1251-2", 6},  {"1251-3", 6},   {"1222-65", 5}, {"1239-1", 13},
};
constexpr const char* CATALOGUE[] = {"1251-1", "1443-22", "2037-1", "1920-5", "1932-34"};

std::vector<std::string> stockees(const std::string& id) {
  std::ifstream f(std::string(TAVLO_GRILLES) + "/" + id + ".txt", std::ios::binary);
  std::vector<std::string> lignes;
  for (std::string l; std::getline(f, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lignes.push_back(l);
  }
  return lignes;
}

// Built-in grid id loaded into g by metgrille. The loading state is
// program-wide and skips the build when id is the identifier it built last,
// which would leave a fresh g without its cells; forgetting that identifier
// makes every load a build.
void charge(const char* id, Grille& g) {
  chargement().dernier.vide();
  metgrille(id, g);
}


TEST(GrillesIntegrees, LignesStockees) {
  for (const Stockage& s : STOCKAGES) {
    SCOPED_TRACE(s.id);
    const std::vector<std::string> lignes = stockees(s.id);
    EXPECT_EQ(static_cast<int>(lignes.size()), s.lignes);
    for (const std::string& l : lignes) {
      EXPECT_LT(l.size(), 152u) << l;
      EXPECT_FALSE(l.empty());
      EXPECT_TRUE(std::all_of(l.begin(), l.end(), [](char c) { return c >= 32 && c < 127; })) << l;
    }
  }
}

// One solution at every level, reached by the reasoning steps alone; fewer
// givens whenever the level in effect rises; levels 6 and 7 both there.
TEST(GrillesIntegrees, UnPuzzleAChaqueNiveau) {
  for (const GrilleIntegree& i : grillesintegrees) {
    SCOPED_TRACE(i.id);
    Grille g;
    charge(i.id, g);
    ASSERT_GT(g.nbcases(), 0);
    EXPECT_TRUE(g.niveau7disponible());
    int avant = 0;
    int effectifavant = 0;
    for (std::int16_t k = 1; k <= 7; ++k) {
      SCOPED_TRACE(k);
      g.fixeniveau(k);
      g.construit();
      const Resolution r = resous(g);
      EXPECT_EQ(r.solutions, 1);
      EXPECT_TRUE(r.raisonnement);
      ASSERT_EQ(r.valeurs.size(), static_cast<std::size_t>(g.nbcases()) + 1);
      // every value of the definition, shown at this level or not, is the solution's
      for (std::int16_t c = 1; c <= g.nbcases(); ++c) {
        if (g.cellule(c).sol != 0) {
          EXPECT_EQ(g.cellule(c).sol, r.valeurs[static_cast<std::size_t>(c)]) << c;
        }
      }
      if (k > 1 && g.niveaueff() != effectifavant) {
        EXPECT_LT(r.donnees, avant);
      } else if (k > 1) {
        EXPECT_EQ(r.donnees, avant);
      }
      avant = r.donnees;
      effectifavant = g.niveaueff();
    }
  }
}

TEST(GrillesIntegrees, Catalogue) {
  Grille g;
  charge("1443-22", g);
  EXPECT_EQ(g.nbcases(), 96);

  // some grid of the catalogue needs panning on a 1280 x 1024 screen at the
  // largest cell size, and fits at the smallest
  int apanoramique = 0;
  for (const char* id : CATALOGUE) {
    Grille c;
    charge(id, c);
    int l70 = 0, h70 = 0, l40 = 0, h40 = 0;
    generation::dimensions(c, 70, l70, h70);
    generation::dimensions(c, 40, l40, h40);
    if ((l70 > 1280 || h70 > 1024) && l40 < 1000 && h40 < 1000) ++apanoramique;
  }
  EXPECT_GE(apanoramique, 1);
}

}  // namespace
}  // namespace tavlo
