// Tests of the grid catalogue and of loading built-in grids: the splitting of
// stored definition lines, cherchegrille's table and side effects, and what
// metgrille keeps or rebuilds.
#include "settings/chargement.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/grille.h"
#include "settings/textesstockes.h"
#include "textes/grilles.h"

namespace tavlo {
namespace {

std::vector<std::string> contenu(const ListeChaines& l) {
  std::vector<std::string> r;
  for (std::int16_t n = 1; n <= l.nombre(); ++n) r.emplace_back(l.element(n));
  return r;
}

// The loading state is program-wide: each test starts with nothing built.
class Chargements : public ::testing::Test {
protected:
  void SetUp() override {
    Chargement& c = chargement();
    c.dernier.vide();
    c.changetaille = nullptr;
  }
  void TearDown() override { SetUp(); }

  // A first empty cell that is not a given, after the grid's level is shown.
  static std::int16_t casevide(Grille& g) {
    g.construit();
    for (std::int16_t i = 1; i <= g.nbcases(); ++i)
      if (g.estvide(i) && !g.estfixe(i)) return i;
    return 0;
  }
};

TEST(AjouteDefinition, TokensTakeTheSuffixInForceOnTheirLine) {
  const struct {
    std::vector<const char*> lignes;
    std::vector<std::string> defs;
  } cas[] = {
      {{"%95,A,B,%0,C"}, {"A%95", "B%95", "C"}},
      {{"#x"}, {}},
      {{"X, #group at the origin, XA"}, {"X", "XA"}},
      {{"  A  ,B ,  %80 , C "}, {"A", "B", "C%80"}},
      {{"%80,A,%90,B,%120"}, {"A%80", "B%90"}},
      {{"A,,B,"}, {"A", "B"}},
      {{"%95,A", "B"}, {"A%95", "B"}},  // every line starts without suffix
      {{"", ",", "%90", "#"}, {}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.lignes.front());
    ListeChaines defs;
    defs.ajoutefin("before");
    for (const char* l : c.lignes) ajoutedefinition(l, defs);
    std::vector<std::string> attendu{"before"};
    attendu.insert(attendu.end(), c.defs.begin(), c.defs.end());
    EXPECT_EQ(contenu(defs), attendu);
  }
}

TEST_F(Chargements, CherchegrilleFindsEachBuiltInGridWithItsLevel) {
  Chargement& c = chargement();
  for (const GrilleIntegree& gi : grillesintegrees) {
    SCOPED_TRACE(gi.id);
    c.brouillon.efface();
    c.niveauforce = 0;
    ASSERT_TRUE(cherchegrille(gi.id));
    EXPECT_EQ(c.niveauforce, gi.niveau);
    const TexteStocke* t = cherchetexte(textes::grilles, gi.id);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(c.brouillon.nombre(), t->nombre);
    EXPECT_GT(c.brouillon.nombre(), 0);
  }
  c.brouillon.efface();
}

TEST_F(Chargements, CherchegrilleAlwaysSetsTheEditionAndGridCount) {
  Chargement& c = chargement();
  for (const char* id : {"X", "", "1251-1", "1251", " 1251-1", "catalogue"}) {
    SCOPED_TRACE(id);
    c.numversion = 0;
    c.nbgrilles = 0;
    c.niveauforce = 0;
    c.brouillon.efface();
    const bool trouve = cherchegrille(id);
    EXPECT_EQ(trouve, std::string(id) == "1251-1");
    EXPECT_EQ(c.numversion, 117);
    EXPECT_EQ(c.nbgrilles, 5);
    EXPECT_EQ(c.brouillon.estvide(), !trouve);
    EXPECT_EQ(c.niveauforce, trouve ? 2 : 0);
  }
  c.brouillon.efface();
  EXPECT_FALSE(cherchegrille(nullptr));
}

TEST_F(Chargements, EveryBuiltInGridBuildsAtItsLevel) {
  for (const GrilleIntegree& gi : grillesintegrees) {
    SCOPED_TRACE(gi.id);
    Grille g;
    g.fixeniveau(1);  // a level chosen earlier gives way to the table's
    metgrille(gi.id, g);
    EXPECT_STREQ(g.nom.texte(), gi.id);
    EXPECT_GT(g.nbcases(), 0);
    EXPECT_TRUE(g.niveauresolu());
    EXPECT_EQ(g.niveau(), gi.niveau);
    EXPECT_EQ(g.niveauaffiche(), gi.niveau);
    EXPECT_TRUE(g.casesok());
    EXPECT_TRUE(g.voisinsok());
    const Chargement& c = chargement();
    EXPECT_EQ(c.dernier.texte(), std::string(gi.id) + ",");
    EXPECT_TRUE(c.brouillon.estvide());
    EXPECT_EQ(c.niveauforce, gi.niveau);
    EXPECT_EQ(c.style, 6);
  }
}

TEST_F(Chargements, UnknownIdentifierLeavesTheGridAsItWas) {
  Grille g;
  metgrille("1251-2", g);
  const std::int16_t i = casevide(g);
  ASSERT_GT(i, 0);
  g.fixevaleur(i, 4);
  const std::int16_t cases = g.nbcases();
  Chargement& c = chargement();
  c.style = 0;

  for (const char* id : {"X", "", "1251", "catalogue"}) {
    SCOPED_TRACE(id);
    metgrille(id, g);
    EXPECT_STREQ(g.nom.texte(), "1251-2");
    EXPECT_EQ(g.nbcases(), cases);
    EXPECT_EQ(g.valeur(i), 4);
    EXPECT_STREQ(c.dernier.texte(), "1251-2,");
    EXPECT_TRUE(c.brouillon.estvide());
    EXPECT_EQ(c.niveauforce, 0);
    EXPECT_EQ(c.style, 6);
    EXPECT_EQ(c.numversion, 117);
  }
}

TEST_F(Chargements, SameIdentifierKeepsTheGridAnotherRebuildsIt) {
  Grille g;
  metgrille("1239-1", g);
  const std::int16_t i = casevide(g);
  ASSERT_GT(i, 0);
  g.fixevaleur(i, 3);
  g.fixemarques(i, 5);

  metgrille("1239-1", g);
  g.construit();
  EXPECT_EQ(g.valeur(i), 3);
  EXPECT_EQ(g.marques(i), 5);
  EXPECT_EQ(g.possibles(i), 1 << 2);  // recomputed: a filled cell keeps its own value

  metgrille("1222-65", g);
  EXPECT_STREQ(g.nom.texte(), "1222-65");
  metgrille("1239-1", g);
  g.construit();
  EXPECT_EQ(g.valeur(i), 0);
  EXPECT_EQ(g.marques(i), 0);
}

TEST_F(Chargements, ReloadSetsTheTableLevelAgainAndKeepsTheSize) {
  std::vector<std::int16_t> tailles;
  chargement().changetaille = [&](Grille& g, std::int16_t t) {
    EXPECT_EQ(g.taille(), t);
    tailles.push_back(t);
  };
  Grille g;
  g.fixetaille(60);
  metgrille("1920-5", g);
  EXPECT_EQ(g.taille(), 60);
  g.fixeniveau(1);
  g.fixetaille(70);
  metgrille("1920-5", g);
  EXPECT_EQ(g.niveau(), 5);
  EXPECT_EQ(g.taille(), 70);
  EXPECT_EQ(tailles, (std::vector<std::int16_t>{60, 70}));
}

TEST_F(Chargements, CatalogueEntries) {
  Chargement& c = chargement();
  EXPECT_STREQ(c.catalogue.texte(), "1251-1,1443-22,2037-1,1920-5,1932-34");
  // Every grid number names a built-in grid.
  Chaine id;
  for (std::int16_t n = 1; n <= c.nbgrilles; ++n) {
    entreecatalogue(n, id);
    SCOPED_TRACE(id.texte());
    Chargement& etat = chargement();
    etat.brouillon.efface();
    EXPECT_TRUE(cherchegrille(id.texte()));
    etat.brouillon.efface();
  }

  const Chaine sauve(c.catalogue);
  c.catalogue.affecte(" a , b ,c,,e");
  const struct {
    std::int16_t n;
    const char* id;
  } cas[] = {{1, "a"}, {2, "b"}, {3, "c"}, {4, ""}, {5, "e"}, {6, ""}, {0, "a"}, {-32768, "a"}};
  for (const auto& k : cas) {
    entreecatalogue(k.n, id);
    EXPECT_STREQ(id.texte(), k.id) << k.n;
  }
  c.catalogue.affecte(sauve.texte());
}

}  // namespace
}  // namespace tavlo
