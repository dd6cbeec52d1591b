// The game-state text: its codes, reading back, texts that do not fit, and
// the records queued for the next build.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/etatjeu.h"
#include "core/grille.h"
#include "outils.h"

namespace tavlo {
namespace {

using coretest::charge;

std::vector<std::string> enattente() {
  std::vector<std::string> v;
  for (std::int16_t i = 1; i <= evenements().nombre(); ++i) v.emplace_back(evenements().element(i));
  return v;
}

std::string ecrit(const Grille& g) {
  Chaine c;
  ecritetatjeu(g, c);
  return c.texte();
}

// Seven cells: the group at the origin and "A:AB"; no givens.
class SeptCases : public ::testing::Test {
protected:
  void SetUp() override {
    charge(g, {"X", "A:AB"});
    g.construit();
    ASSERT_EQ(g.nbcases(), 7);
  }
  Grille g;
};

TEST_F(SeptCases, Ecriture) {
  struct Cas {
    std::vector<int> valeurs;  // per cell; a negative number -m is an empty cell marked m
    const char* texte;
  };
  const Cas cas[] = {
      {{0, 0, 0, 0, 0, 0, 0}, "KKG"},     {{3, 0, 0, 0, 0, 0, 0}, "CKK"},
      {{-33, 0, 0, 0, 0, 0, 0}, "14KK"},  {{0, 0, 0, 0, 0, 1, 0}, "KHAG"},
      {{0, 0, 0, 0, 2, 0, 0}, "KGBH"},    {{0, 0, 6, 0, 0, 0, 0}, "HFKG"},
      {{1, 2, -8, 4, -63, 6, 5}, "AB01D77FE"},
  };
  for (const Cas& c : cas) {
    for (std::int16_t i = 1; i <= 7; ++i) {
      const int v = c.valeurs[static_cast<std::size_t>(i - 1)];
      g.fixevaleur(i, static_cast<std::int16_t>(v > 0 ? v : 0));
      g.fixemarques(i, static_cast<std::int16_t>(v < 0 ? -v : 0));
    }
    EXPECT_EQ(ecrit(g), c.texte);
    // and back, from a scrambled grid
    for (std::int16_t i = 1; i <= 7; ++i) {
      g.fixevaleur(i, 5);
      g.fixemarques(i, 9);
    }
    EXPECT_TRUE(litetatjeu(g, c.texte));
    EXPECT_EQ(ecrit(g), c.texte);
  }
}

TEST_F(SeptCases, Lecture) {
  struct Cas {
    const char* texte;
    std::vector<int> valeurs;  // as above
    std::vector<std::string> records;
  };
  const Cas cas[] = {
      {"c", {3, 5, 5, 5, 5, 5, 5}, {"v,1,3"}},  // later cells keep what they had
      {"hkhd", {0, 0, 0, 0, 0, 0, 0}, {}},      // the last code is one too many
      {"14", {-33, 5, 5, 5, 5, 5, 5}, {"p,1,33"}},
      {"G1", {0, -1, 5, 5, 5, 5, 5}, {"p,2,1"}},  // second digit missing: 0
      {"18", {-1, 5, 5, 5, 5, 5, 5}, {"p,1,1"}},  // marks past the six values dropped
      {"C?9", {3, 3, 3, 5, 5, 5, 5}, {"v,1,3"}},  // other bytes repeat the code before
      {"?C", {0, 3, 5, 5, 5, 5, 5}, {"v,2,3"}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.texte);
    for (std::int16_t i = 1; i <= 7; ++i) {
      g.fixevaleur(i, 5);
      g.fixemarques(i, 0);
    }
    litetatjeu(g, c.texte);
    for (std::int16_t i = 1; i <= 7; ++i) {
      const int v = c.valeurs[static_cast<std::size_t>(i - 1)];
      EXPECT_EQ(g.valeur(i), v > 0 ? v : 0) << i;
      EXPECT_EQ(g.marques(i), v < 0 ? -v : 0) << i;
    }
    EXPECT_EQ(enattente(), c.records);
  }
}

// Cell 1 (":AB") is a given holding 1 at level 6; cell 2 (":AF") is free.
class AvecDonnee : public ::testing::Test {
protected:
  void SetUp() override {
    charge(g, {"X", "WPJ%100"});
    g.construit();
    ASSERT_TRUE(g.estfixe(1));
    ASSERT_EQ(g.valeur(1), 1);
  }
  Grille g;
};

TEST_F(AvecDonnee, LettresSurLaDonnee) {
  EXPECT_TRUE(litetatjeu(g, "ab"));
  EXPECT_EQ(g.valeur(1), 1);
  EXPECT_EQ(g.valeur(2), 2);
  EXPECT_EQ(enattente(), (std::vector<std::string>{"v,2,2"}));
}

TEST_F(AvecDonnee, TexteQuiNeConvientPas) {
  // A value other than the given's, one code too many, a given emptied by
  // "G" before the text runs out.
  for (const char* texte : {"b", "AKKG", "A12KG1", "GKKG"}) {
    SCOPED_TRACE(texte);
    g.fixevaleur(3, 4);
    g.fixemarques(4, 5);
    EXPECT_FALSE(litetatjeu(g, texte));
    EXPECT_FALSE(g.ademarques());
    EXPECT_TRUE(evenements().estvide());
    g.construit();  // nothing queued comes back
    for (std::int16_t i = 1; i <= g.nbcases(); ++i) EXPECT_EQ(g.valeur(i), i == 1 ? 1 : 0) << i;
  }
}

TEST_F(AvecDonnee, VidangeDesRecords) {
  ASSERT_TRUE(litetatjeu(g, "A14C"));
  g.fixevaleur(3, 0);  // the build restores the queued value
  g.construit();
  EXPECT_EQ(g.possibles(2), 33);
  EXPECT_EQ(g.valeur(3), 3);
  EXPECT_TRUE(evenements().estvide());

  for (const char* r : {"x,4,2", "v,999,3", "v,0,3", "v,4,9", "v,1,5", "P,5,7", "v,6"}) {
    evenements().ajoutefin(r);
  }
  draineevenements(g);
  EXPECT_EQ(g.valeur(1), 1);  // a given is left alone
  EXPECT_EQ(g.valeur(4), 0);
  EXPECT_EQ(g.possibles(5), 7);
  EXPECT_EQ(g.valeur(6), 0);
  EXPECT_TRUE(evenements().estvide());
}

// Writing then reading at the same level gives back every value and the
// marks of every empty cell.
TEST(EtatJeu, AllerRetourSurDesGrillesAuHasard) {
  std::mt19937 gen(2024);
  for (int n = 0; n < 60; ++n) {
    Grille g;
    charge(g, coretest::definitionauhasard(gen));
    g.fixeniveau(static_cast<std::int16_t>(1 + gen() % 7));
    g.construit();
    std::vector<int> valeurs(1), marques(1);
    for (std::int16_t i = 1; i <= g.nbcases(); ++i) {
      if (!g.estfixe(i)) {
        g.fixevaleur(i, static_cast<std::int16_t>(gen() % 3 == 0 ? 1 + gen() % 6 : 0));
        g.fixemarques(i, static_cast<std::int16_t>(gen() % 2 ? gen() % 64 : 0));
      }
      valeurs.push_back(g.valeur(i));
      marques.push_back(g.estvide(i) ? g.marques(i) : 0);
    }
    Chaine etat;
    ecritetatjeu(g, etat);
    g.retourfixes();
    g.effacetoutesmarques();
    ASSERT_TRUE(litetatjeu(g, etat.texte())) << etat.texte();
    g.construit();
    for (std::int16_t i = 1; i <= g.nbcases(); ++i) {
      EXPECT_EQ(g.valeur(i), valeurs[static_cast<std::size_t>(i)]) << etat.texte() << " cell " << i;
      EXPECT_EQ(g.marques(i), marques[static_cast<std::size_t>(i)]) << etat.texte() << " cell " << i;
    }
  }
}

}  // namespace
}  // namespace tavlo
