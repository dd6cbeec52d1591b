// The rule: candidates, judging a placement, marks, completion.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/grille.h"
#include "core/regles.h"
#include "outils.h"

namespace tavlo {
namespace {

using coretest::charge;

// The three vertices of a cell, in doubled lattice coordinates, read from
// its name alone.
std::set<std::pair<int, int>> sommets(const std::string& nom) {
  static const int dx[6] = {2, 1, -1, -2, -1, 1};
  static const int dy[6] = {0, 1, 1, 0, -1, -1};
  int x = 0, y = 0;
  const std::size_t deuxpoints = nom.find(':');
  for (std::size_t p = 0; p < deuxpoints; ++p) {
    x += dx[nom[p] - 'A'];
    y += dy[nom[p] - 'A'];
  }
  const int autre = nom.substr(deuxpoints) == ":AB" ? 1 : 5;
  return {{x, y}, {x + dx[0], y + dy[0]}, {x + dx[autre], y + dy[autre]}};
}

// The candidates by the rule itself: every pair of cells sharing a vertex.
std::vector<int> candidatsbruts(const Grille& g) {
  const int n = g.nbcases();
  std::vector<std::set<std::pair<int, int>>> s(static_cast<std::size_t>(n) + 1);
  for (std::int16_t i = 1; i <= n; ++i) s[static_cast<std::size_t>(i)] = sommets(g.cases().element(i));
  std::vector<int> attendus(static_cast<std::size_t>(n) + 1, 0);
  for (std::int16_t i = 1; i <= n; ++i) {
    if (g.estremplie(i)) {
      attendus[static_cast<std::size_t>(i)] = 1 << (g.valeur(i) - 1);
      continue;
    }
    int m = 63;
    for (std::int16_t j = 1; j <= n; ++j) {
      if (j == i || g.estvide(j)) continue;
      for (const auto& p : s[static_cast<std::size_t>(i)]) {
        if (s[static_cast<std::size_t>(j)].count(p)) m &= ~(1 << (g.valeur(j) - 1));
      }
    }
    attendus[static_cast<std::size_t>(i)] = m;
  }
  return attendus;
}

TEST(Regles, CandidatsCommeLaRegle) {
  std::mt19937 gen(99);
  for (int n = 0; n < 40; ++n) {
    Grille g;
    charge(g, coretest::definitionauhasard(gen));
    g.construit();
    // any values, legal or not: the recomputation must follow the pairs
    for (std::int16_t i = 1; i <= g.nbcases(); ++i) {
      if (gen() % 3 == 0) g.fixevaleur(i, static_cast<std::int16_t>(1 + gen() % 6));
    }
    recalculepossibles(g);
    const std::vector<int> attendus = candidatsbruts(g);
    for (std::int16_t i = 1; i <= g.nbcases(); ++i) {
      EXPECT_EQ(g.possibles(i), attendus[static_cast<std::size_t>(i)]) << g.cases().element(i);
    }
  }
}

TEST(Regles, GroupeCompleteParLeDernierChiffre) {
  Grille g;
  charge(g, {"X"});
  g.construit();
  for (std::int16_t i = 1; i <= 5; ++i) {
    const Jugement j = juge(g, i, i);
    EXPECT_EQ(j.issue, Issue::placee);
    EXPECT_FALSE(j.resolue);
  }
  recalculepossibles(g);
  EXPECT_EQ(g.possibles(6), 1 << 5);
  for (std::int16_t v = 1; v <= 5; ++v) EXPECT_EQ(juge(g, 6, v).issue, Issue::refusee) << v;
  EXPECT_FALSE(estresolue(g));
  const Jugement j = juge(g, 6, 6);
  EXPECT_EQ(j.issue, Issue::placee);
  EXPECT_EQ(j.valeur, 6);
  EXPECT_TRUE(j.resolue);
  EXPECT_TRUE(estresolue(g));
}

TEST(Regles, VoisinParUnCoin) {
  Grille g;
  charge(g, {"X", "XA"});
  g.construit();
  // ":AB" and "A:AB" share only the vertex A.
  const std::int16_t coin = g.numero("A:AB");
  const std::int16_t ab = g.numero(":AB");
  ASSERT_EQ(juge(g, coin, 4).issue, Issue::placee);
  recalculepossibles(g);
  EXPECT_FALSE(estpermis(g, ab, 4));
  EXPECT_EQ(juge(g, ab, 4).issue, Issue::refusee);
  EXPECT_EQ(g.valeur(ab), 0);
  // a cell touching neither keeps the value
  EXPECT_TRUE(estpermis(g, g.numero("D:AB"), 4));
}

TEST(Regles, EffacerRendLaValeur) {
  Grille g;
  charge(g, {"X"});
  g.construit();
  for (std::int16_t avec : {3, 0}) {
    SCOPED_TRACE(avec);
    ASSERT_EQ(juge(g, 1, 3).issue, Issue::placee);
    EXPECT_EQ(juge(g, 1, 5).issue, Issue::refusee);  // another value on a placed one
    EXPECT_EQ(g.valeur(1), 3);
    const Jugement j = juge(g, 1, avec);
    EXPECT_EQ(j.issue, Issue::effacee);
    EXPECT_EQ(j.valeur, 3);
    EXPECT_EQ(g.valeur(1), 0);
    recalculepossibles(g);
    EXPECT_TRUE(estpermis(g, 2, 3));
  }
}

TEST(Regles, DonneeIntacte) {
  Grille g;
  charge(g, {"X", "WRJ%100"});
  g.construit();
  const std::int16_t d = g.numero(":AB");
  for (std::int16_t v = 0; v <= 6; ++v) {
    const Jugement j = juge(g, d, v);
    EXPECT_EQ(j.issue, Issue::donnee);
    EXPECT_EQ(j.valeur, 3);  // becomes the selected number
    EXPECT_EQ(g.valeur(d), 3);
    EXPECT_TRUE(g.estfixe(d));
  }
}

TEST(Regles, GommeEtMarques) {
  Grille g;
  charge(g, {"X"});
  g.construit();
  EXPECT_EQ(juge(g, 1, 0).issue, Issue::rien);  // no marks anywhere
  g.basculemarque(1, 2);
  g.basculemarque(4, 5);
  EXPECT_EQ(juge(g, 1, 0).issue, Issue::marquesotees);
  EXPECT_EQ(g.marques(1), 0);
  EXPECT_EQ(g.marques(4), 16);
  // Marks survive values placed and erased elsewhere, and may name an
  // excluded value.
  g.basculemarque(4, 1);
  ASSERT_EQ(juge(g, 2, 1).issue, Issue::placee);
  ASSERT_EQ(juge(g, 2, 1).issue, Issue::effacee);
  ASSERT_EQ(juge(g, 3, 2).issue, Issue::placee);
  EXPECT_EQ(g.marques(4), 17);
  // Outside the grid or the numbers, nothing happens.
  EXPECT_EQ(juge(g, 0, 1).issue, Issue::rien);
  EXPECT_EQ(juge(g, 7, 1).issue, Issue::rien);
  EXPECT_EQ(juge(g, 1, 7).issue, Issue::rien);
}

}  // namespace
}  // namespace tavlo
