// The solver: its counts against plain backtracking, and which grids its
// reasoning steps finish without a guess.
#include "core/solveur.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/grille.h"
#include "outils.h"

namespace tavlo {
namespace {

using coretest::charge;

// Every solution by backtracking over the cells in order, checking each
// value against the neighbours already filled; counting stops at `plafond`.
struct Exhaustif {
  Exhaustif(const Grille& grille, const std::vector<std::int16_t>& donnees, int max)
      : g(grille), v(donnees), plafond(max) {}

  const Grille& g;
  std::vector<std::int16_t> v;
  int plafond;
  int nombre = 0;
  std::vector<std::int16_t> premiere;

  void cherche(int i) {
    if (nombre >= plafond) return;
    if (i > g.nbcases()) {
      if (nombre++ == 0) premiere = v;
      return;
    }
    const auto ii = static_cast<std::size_t>(i);
    const std::int16_t donnee = v[ii];
    for (std::int16_t val = 1; val <= 6; ++val) {
      if (donnee != 0 && val != donnee) continue;
      // earlier cells and givens hold values, later cells hold 0
      bool libre = true;
      for (int k = 0; k < Voisinage::NB && libre; ++k) {
        const std::int16_t c = g.voisin(static_cast<std::int16_t>(i), k);
        libre = c == 0 || v[static_cast<std::size_t>(c)] != val;
      }
      if (!libre) continue;
      v[ii] = val;
      cherche(i + 1);
      v[ii] = donnee;
    }
  }
};

Exhaustif compte(const Grille& g, const std::vector<std::int16_t>& donnees, int plafond = 3) {
  Exhaustif e(g, donnees, plafond);
  e.v.resize(static_cast<std::size_t>(g.nbcases()) + 1, 0);
  e.cherche(1);
  return e;
}

// Definition lines from words: group lines as they are, and givens
// "CC:AF=4", which becomes "CCVSJ%100" (down cell at vertex CC, value 4).
std::vector<std::string> lignesde(const std::string& mots) {
  std::vector<std::string> lignes;
  std::size_t debut = 0;
  while (debut < mots.size()) {
    std::size_t fin = std::min(mots.find(' ', debut), mots.size());
    const std::string mot = mots.substr(debut, fin - debut);
    debut = fin + 1;
    const std::size_t egal = mot.find('=');
    if (mot.empty()) continue;
    if (egal == std::string::npos) {
      lignes.push_back(mot);
      continue;
    }
    const std::size_t deuxpoints = mot.find(':');
    const bool haut = mot.substr(deuxpoints, egal - deuxpoints) == ":AB";
    const char lettre = static_cast<char>('P' + std::stoi(mot.substr(egal + 1)) - 1);
    lignes.push_back(mot.substr(0, deuxpoints) + (haut ? "W" : "V") + lettre + "J%100");
  }
  return lignes;
}

TEST(Solveur, CompteCommeLeRetourArriere) {
  std::mt19937 gen(2024);
  const char* const sommets[] = {"", "A", "B", "C", "D", "E", "F", "A2", "AB", "B2"};
  int parissue[3] = {};
  int parraisonnement = 0;
  for (int n = 0; n < 300; ++n) {
    std::vector<std::string> lignes;
    for (int k = 1 + static_cast<int>(gen() % 3); k > 0; --k)
      lignes.push_back(std::string("X") + sommets[gen() % 10]);
    // loose cells, outside every complete group
    for (int k = static_cast<int>(gen() % 3); k > 0; --k)
      lignes.push_back(std::string(sommets[gen() % 10]) + "A2" + (gen() % 2 ? ":AB" : ":AF"));
    Grille g;
    charge(g, lignes);
    g.construit();
    const Plateau p(g);
    const int nb = g.nbcases();
    ASSERT_EQ(p.nbcases(), nb);

    std::vector<std::int16_t> donnees(static_cast<std::size_t>(nb) + 1, 0);
    switch (n % 3) {
      case 0:  // none: many solutions
        break;
      case 1:  // random values: often against the rule
        for (int k = static_cast<int>(gen() % 8); k > 0; --k)
          donnees[1 + gen() % static_cast<unsigned>(nb)] = static_cast<std::int16_t>(1 + gen() % 6);
        break;
      default: {  // part of a solution: one or more solutions
        const Exhaustif e = compte(g, donnees, 1);
        ASSERT_EQ(e.nombre, 1);
        for (int i = 1; i <= nb; ++i)
          if (gen() % 3 != 0)
            donnees[static_cast<std::size_t>(i)] = e.premiere[static_cast<std::size_t>(i)];
      }
    }

    const Exhaustif attendu = compte(g, donnees);
    const Resolution r = p.resous(donnees);
    SCOPED_TRACE(testing::PrintToString(lignes));
    ASSERT_EQ(r.solutions, std::min(attendu.nombre, 2));
    EXPECT_EQ(r.donnees, static_cast<int>(std::count_if(donnees.begin() + 1, donnees.end(),
                                                        [](std::int16_t v) { return v != 0; })));
    if (r.solutions == 1)
      EXPECT_EQ(r.valeurs, attendu.premiere);
    else
      EXPECT_TRUE(r.valeurs.empty());
    if (r.raisonnement) {
      EXPECT_EQ(r.solutions, 1);
    }
    EXPECT_EQ(p.deduit(donnees), r.raisonnement);
    ++parissue[r.solutions];
    parraisonnement += r.raisonnement;
  }
  // each outcome was met often enough to mean something
  EXPECT_GT(parissue[0], 20);
  EXPECT_GT(parissue[1], 20);
  EXPECT_GT(parissue[2], 20);
  EXPECT_GT(parraisonnement, 10);
}

// Hand-made grids, each with exactly one solution, and the steps that
// finish it.
struct Cas {
  const char* nom;
  const char* grille;
  bool seul;     // naked singles alone
  bool cache;    // with hidden singles
  bool confine;  // with confinement too
};

TEST(Solveur, EtapesDeRaisonnement) {
  // clang-format off
  const Cas cas[] = {
      {"five values of a group", "X :AB=1 C:AF=2 D:AB=3 D:AF=4 E:AB=5", true, true, true},
      {"one cell, given", ":AB=4", true, true, true},
      {"hidden in a group",
       "XC XE XF :AF=1 C:AB=6 C:AF=3 CC:AF=4 CD:AF=1 D:AF=6 DE:AF=3 EF:AB=6 F:AB=2",
       false, true, true},
      {"confined in a group",
       "XB XA2 XF A:AF=2 AA:AB=5 AB:AF=4 B:AF=5 BC:AF=4 C:AB=2 C:AF=1 E:AF=2 F:AF=3",
       false, false, true},
      {"unique, but only by trying",
       "XAB XA2 XF :AF=2 A:AB=3 AA:AF=4 AF:AB=5 B:AB=6 BB:AF=5 E:AB=4 E:AF=5",
       false, false, false},
  };
  // clang-format on
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    Grille g;
    charge(g, lignesde(c.grille));
    g.fixeniveau(6);
    g.construit();
    const Plateau p(g);
    const std::vector<std::int16_t> d = donneesde(g);
    ASSERT_EQ(compte(g, d).nombre, 1);

    const Resolution r = resous(g);
    EXPECT_EQ(r.donnees, static_cast<int>(std::count(c.grille, c.grille + strlen(c.grille), '=')));
    EXPECT_EQ(r.solutions, 1);
    EXPECT_EQ(r.raisonnement, c.confine);
    EXPECT_EQ(r.valeurs, compte(g, d).premiere);
    EXPECT_EQ(p.deduit(d, nullptr, ETAPE_SEUL), c.seul);
    EXPECT_EQ(p.deduit(d, nullptr, ETAPE_SEUL | ETAPE_CACHE), c.cache);
    // without the steps the count is the same, only by branching
    const Resolution sans = p.resous(d, 0);
    EXPECT_EQ(sans.solutions, 1);
    EXPECT_EQ(sans.valeurs, r.valeurs);
  }
}

TEST(Solveur, GrillesLimites) {
  struct Limite {
    const char* nom;
    const char* grille;
    int solutions;
    bool raisonnement;
  };
  const Limite limites[] = {
      {"no cells", "", 1, true},
      {"a group, no givens", "X", 2, false},
      {"a loose cell, no givens", "A5:AF", 2, false},
      {"two equal givens sharing the centre", "X :AB=4 :AF=4", 0, false},
      // three 1s apart from each other, at vertices A, C and E of the
      // group: each of its cells touches one, so 1 has no place in it
      {"a value with no place in a group", "X A:AB=1 C:AB=1 E:AF=1", 0, false},
  };
  for (const Limite& l : limites) {
    SCOPED_TRACE(l.nom);
    Grille g;
    charge(g, lignesde(l.grille));
    g.fixeniveau(6);
    g.construit();
    const Resolution r = resous(g);
    EXPECT_EQ(r.solutions, l.solutions);
    EXPECT_EQ(r.solutions, std::min(compte(g, donneesde(g)).nombre, 2));
    EXPECT_EQ(r.raisonnement, l.raisonnement);
  }
}

// A solution drawn with a chooser is a solution, changes with the chooser,
// and keeps the givens.
TEST(Solveur, RemplitAuHasard) {
  Grille g;
  charge(g, lignesde("X XA XB XAB XC XD2 A:AB=3"));
  g.fixeniveau(6);
  g.construit();
  const Plateau p(g);
  std::vector<std::vector<std::int16_t>> vues;
  for (unsigned graine = 1; graine <= 5; ++graine) {
    std::mt19937 gen(graine);
    const std::function<unsigned(unsigned)> hasard = [&gen](unsigned k) {
      return static_cast<unsigned>(gen() % k);
    };
    std::vector<std::int16_t> v = donneesde(g);
    ASSERT_TRUE(p.remplit(v, hasard, 100000));
    EXPECT_EQ(p.resous(v).solutions, 1);
    EXPECT_TRUE(p.deduit(v));
    EXPECT_EQ(v[static_cast<std::size_t>(g.numero("A:AB"))], 3);
    vues.push_back(v);
  }
  std::sort(vues.begin(), vues.end());
  EXPECT_GT(std::unique(vues.begin(), vues.end()) - vues.begin(), 1);

  // givens against the rule: nothing to fill
  std::vector<std::int16_t> faux = donneesde(g);
  faux[static_cast<std::size_t>(g.numero(":AB"))] = 3;
  const std::function<unsigned(unsigned)> premier = [](unsigned) { return 0u; };
  EXPECT_FALSE(p.remplit(faux, premier, 100000));
}

}  // namespace
}  // namespace tavlo
