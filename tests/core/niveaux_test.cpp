// Grid definitions and levels: the line format, loading, the level shift,
// level 7 and which cells are givens at which level.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/grille.h"
#include "core/lignedef.h"
#include "outils.h"

namespace tavlo {
namespace {

using coretest::charge;

TEST(LigneDef, Format) {
  struct Cas {
    const char* ligne;
    bool nomme, groupe, cellule, haut;
    const char* sommet;  // expanded canonical vertex
    int val, niv, formevaleur;
  };
  const Cas cas[] = {
      {"X", true, true, false, false, "", 0, 0, 0},
      {"XA2B", true, true, false, false, "AAB", 0, 0, 0},
      {"xa2b", true, true, false, false, "AAB", 0, 0, 0},
      {"A2BWQJ%90", true, false, true, true, "AAB", 2, 90, 0},
      {"cvlk % 85", true, false, true, false, "C", 3, 85, 1},
      {"D W PJ", true, false, true, true, "D", 1, 0, 0},  // no "%": tag 0
      {"C:AF", true, false, true, false, "C", 0, 0, 0},
      {"AC:ab", true, false, true, true, "B", 0, 0, 0},  // canonical vertex
      {"XB:AB", true, true, true, true, "B", 0, 0, 0},
      {"A0B:AF", true, false, true, false, "A", 0, 0, 0},  // "0" ends the path
      {"W", true, false, true, true, "", 0, 0, 0},         // cut short: no value
      {"AWZJ%75", true, false, true, true, "A", 0, 75, 0},
      {"AB", false, false, false, false, "AB", 0, 0, 0},
      {"", false, false, false, false, "", 0, 0, 0},
      {"A:BA", false, false, false, false, "A", 0, 0, 0},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.ligne);
    LigneDef d;
    EXPECT_EQ(d.lit(c.ligne), c.nomme);
    if (!c.nomme) continue;
    EXPECT_EQ(d.groupe != 0, c.groupe);
    EXPECT_EQ(d.cellule != 0, c.cellule);
    if (c.cellule) {
      EXPECT_EQ(d.haut != 0, c.haut);
    }
    EXPECT_STREQ(d.texteetendu(), c.sommet);
    EXPECT_EQ(d.val, c.val);
    EXPECT_EQ(d.niv, c.niv);
    EXPECT_EQ(d.formevaleur, c.formevaleur);
  }
  LigneDef d;
  d.lit("WQL");
  EXPECT_EQ(d.drapeaux, 2);  // flags letter minus "J"
  EXPECT_FALSE(d.lit(nullptr));
}

TEST(Definition, ValeursEtDerniereLigneGagnante) {
  Grille g;
  charge(g, {"x", "WPJ%90", "VQJ", "WRJ%95", "A:AB"});
  EXPECT_TRUE(g.valeurspresentes());
  EXPECT_EQ(g.nbcases(), 7);
  Chaine v;
  g.valeurs().litcle(":AB", v);
  EXPECT_STREQ(v.texte(), "3,95");
  g.valeurs().litcle(":AF", v);
  EXPECT_STREQ(v.texte(), "2,0");
  EXPECT_EQ(g.valeurs().nombre(), 2);

  Grille sans;
  charge(sans, {"X", "A:AB"});
  EXPECT_FALSE(sans.valeurspresentes());
}

TEST(Niveaux, TableDesPourcentages) {
  const std::int16_t attendus[] = {75, 75, 80, 85, 90, 95, 100, 120, 75};
  for (int k = 0; k <= 8; ++k) EXPECT_EQ(Grille::pourcentdeniveau(k), attendus[k]) << k;
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(Grille::niveaudepourcent(attendus[k]), k);
  EXPECT_EQ(Grille::niveaudepourcent(77), 1);
  EXPECT_EQ(Grille::niveaudepourcent(0), 1);
}

// A group at the origin and groups one step away in the given directions.
std::vector<std::string> fleur(const char* directions) {
  std::vector<std::string> l{"X"};
  for (const char* d = directions; *d; ++d) l.push_back(std::string("X") + *d);
  return l;
}

TEST(Niveaux, Decalage) {
  struct Cas {
    const char* autour;
    int decalage;
  };
  for (const Cas& c : {Cas{"", 3}, Cas{"A", 3}, Cas{"ABC", 3}, Cas{"ABCD", 2}, Cas{"ABCDE", 1},
                       Cas{"ABCDEF", 0}, Cas{"AD", 3}}) {
    Grille g;
    charge(g, fleur(c.autour));
    EXPECT_EQ(g.calculedecalage(), c.decalage) << c.autour;
  }
  // Groups two steps apart are not neighbours.
  Grille g;
  charge(g, {"X", "XA2", "XB2", "XC2", "XD2", "XE2", "XF2"});
  EXPECT_EQ(g.calculedecalage(), 3);
}

TEST(Niveaux, NiveauEffectifAvecDecalage) {
  struct Cas {
    const char* autour;
    int niveau, effectif, applique, affiche;
  };
  for (const Cas& c : {Cas{"", 1, 4, 90, 1}, Cas{"", 3, 6, 100, 3}, Cas{"", 6, 6, 100, 6},
                       Cas{"ABCD", 1, 3, 85, 1}, Cas{"ABCDEF", 1, 1, 75, 1},
                       Cas{"ABCDEF", 6, 6, 100, 6}, Cas{"ABCDEF", 7, 6, 100, 6}}) {
    SCOPED_TRACE(std::string(c.autour) + " level " + std::to_string(c.niveau));
    Grille g;
    charge(g, fleur(c.autour));
    g.fixeniveau(static_cast<std::int16_t>(c.niveau));
    EXPECT_EQ(g.niveaueff(), c.effectif);
    EXPECT_EQ(g.pourcentapplique(), c.applique);
    EXPECT_EQ(g.niveauaffiche(), c.affiche);
    EXPECT_EQ(g.pourcentchoisi(), Grille::pourcentdeniveau(c.niveau));
    Chaine libelle;
    g.libelleniveau(libelle);
    EXPECT_EQ(libelle.texte(), std::to_string(c.affiche));
  }
}

TEST(Niveaux, DisponibiliteDuNiveau7) {
  struct Cas {
    std::vector<std::string> lignes;
    bool disponible;
    int tagapres;  // tag of the ":AB" cell after the test
  };
  const Cas cas[] = {
      {{"X", "WPJ%120", "VQJ%100"}, true, 120},
      {{"X", "WPJ%120", "VQJ%75"}, false, 100},
      {{"X", "WPJ%95", "VQJ%100"}, false, 95},
      {{"X"}, false, 0},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.lignes.back());
    Grille g;
    charge(g, c.lignes);
    g.fixeniveau(7);
    EXPECT_EQ(g.niveauaffiche(), c.disponible ? 7 : 6);
    EXPECT_EQ(g.pourcentapplique(), c.disponible ? 120 : 100);
    EXPECT_EQ(g.cellule(g.numero(":AB")).niv, c.tagapres);

    Grille p;
    charge(p, c.lignes);
    p.fixepourcent(120);
    EXPECT_EQ(p.pourcentchoisi(), c.disponible ? 120 : 100);
  }
  // Once lowered, the former 120 cell is a given at level 6.
  Grille g;
  charge(g, {"X", "WPJ%120", "VQJ%75"});
  g.fixepourcent(120);
  g.construit();
  EXPECT_EQ(g.niveau(), 6);
  EXPECT_TRUE(g.estfixe(g.numero(":AB")));
  EXPECT_FALSE(g.estfixe(g.numero(":AF")));
}

TEST(Niveaux, PourcentNulDonneNiveau6) {
  for (std::int16_t p : {0, 74, -3}) {
    Grille g;
    charge(g, {"X", "WPJ%100"});
    g.fixepourcent(p);
    EXPECT_FALSE(g.niveauresolu());
    g.appliqueniveau();
    EXPECT_TRUE(g.niveauresolu());
    EXPECT_EQ(g.niveau(), 6) << p;
    EXPECT_EQ(g.pourcentchoisi(), 100);
  }
}

TEST(Niveaux, DonneeSelonLeSeuil) {
  // A packed grid has no shift, so level k applies its own threshold.
  std::vector<std::string> lignes = fleur("ABCDEF");
  lignes.push_back("WPJ%95");
  Grille g;
  charge(g, lignes);
  g.construit();
  const std::int16_t i = g.numero(":AB");
  for (int k = 1; k <= 6; ++k) {
    g.fixeniveau(static_cast<std::int16_t>(k));
    g.appliqueniveau();
    const bool donnee = Grille::pourcentdeniveau(k) <= 95;
    EXPECT_EQ(g.estfixe(i), donnee) << "level " << k;
    EXPECT_EQ(g.valeur(i), donnee ? 1 : 0) << "level " << k;
  }
}

TEST(Niveaux, RevelerSeulementAuChangement) {
  Grille g;
  charge(g, {"X", "WPJ%100"});
  g.fixepourcent(100);
  g.construit();
  const std::int16_t libre = g.numero(":AF");
  g.fixevaleur(libre, 2);
  g.construit();  // same level: the player's value stays
  EXPECT_EQ(g.valeur(libre), 2);
  g.fixeniveau(1);  // a single group shifts level 1 to 4: 90 applied
  g.appliqueniveau();
  EXPECT_EQ(g.valeur(libre), 0);
  EXPECT_EQ(g.pourcentdernier(), 90);

  // A reload reveals again, even at the same level.
  charge(g, {"X", "VQJ%100"});
  g.construit();
  EXPECT_TRUE(g.estfixe(libre));
  EXPECT_EQ(g.valeur(libre), 2);
}

}  // namespace
}  // namespace tavlo
