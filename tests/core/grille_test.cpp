// The grid model: lists and tables built from a definition, the cell
// accessors, the resets and the hit tests.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/etatjeu.h"
#include "core/grille.h"
#include "core/regles.h"
#include "outils.h"

namespace tavlo {
namespace {

using coretest::charge;

std::vector<std::string> elements(const ListeChaines& l) {
  std::vector<std::string> v;
  for (std::int16_t i = 1; i <= l.nombre(); ++i) v.emplace_back(l.element(i));
  return v;
}

int nbvoisins(const Grille& g, std::int16_t i) {
  int n = 0;
  for (int k = 0; k < 12; ++k) n += g.voisin(i, k) != 0;
  return n;
}

TEST(Grille, UnGroupeAlOrigine) {
  Grille g;
  charge(g, {"X"});
  g.construit();
  g.assurevoisins();
  EXPECT_EQ(g.nbcases(), 6);
  EXPECT_EQ(g.nbhexas(), 1);
  EXPECT_EQ(g.nbhexaps(), 0);
  EXPECT_EQ(g.nbgroupes(), 1);
  EXPECT_EQ(g.nbpoints(), 7);
  // ":" sorts before the letters, so the origin's two triangles come first.
  EXPECT_EQ(elements(g.cases()),
            (std::vector<std::string>{":AB", ":AF", "C:AF", "D:AB", "D:AF", "E:AB"}));
  EXPECT_EQ(g.nblignes(), 2);
  EXPECT_EQ(g.nbcolonnes(), 3);
  struct Attendu {
    const char* nom;
    std::int16_t lig, col, x, y;
  };
  for (const Attendu& a : {Attendu{"D:AB", 1, 1, -20, 11}, Attendu{"C:AF", 1, 2, 0, 24},
                           Attendu{":AB", 1, 3, 20, 11}, Attendu{"D:AF", 2, 1, -20, -11},
                           Attendu{"E:AB", 2, 2, 0, -24}, Attendu{":AF", 2, 3, 20, -11}}) {
    SCOPED_TRACE(a.nom);
    const std::int16_t i = g.numero(a.nom);
    ASSERT_NE(i, 0);
    const Case& c = g.cellule(i);
    EXPECT_EQ(c.lig, a.lig);
    EXPECT_EQ(c.col, a.col);
    EXPECT_EQ(c.colbis, a.col);
    EXPECT_EQ(c.x, a.x);
    EXPECT_EQ(c.y, a.y);
    EXPECT_EQ(nbvoisins(g, i), 5);
    EXPECT_EQ(g.haut(i), std::string(a.nom).find(":AB") != std::string::npos);
  }
  EXPECT_EQ(g.xdegroupe(1), 0);
  EXPECT_EQ(g.ydegroupe(1), 0);
  EXPECT_EQ(g.numero("A:AB"), 0);
}

TEST(Grille, DeuxGroupesVoisins) {
  Grille g;
  charge(g, {"X", "XA"});
  g.construit();
  g.assurevoisins();
  EXPECT_EQ(g.nbcases(), 10);
  EXPECT_EQ(g.nbhexas(), 2);
  EXPECT_EQ(elements(g.hexaps()), (std::vector<std::string>{"B", "F"}));
  EXPECT_EQ(g.nbgroupes(), 4);
  EXPECT_EQ(g.xdegroupe(2), 40);
  EXPECT_EQ(g.xdegroupe(3), 20);  // partial group at B
  EXPECT_EQ(g.ydegroupe(3), 35);
  // The two cells on the shared edge touch every other cell.
  EXPECT_EQ(nbvoisins(g, g.numero(":AB")), 9);
  EXPECT_EQ(nbvoisins(g, g.numero(":AF")), 9);
}

TEST(Grille, MarquesBasculees) {
  Grille g;
  charge(g, {"X"});
  g.construit();
  EXPECT_FALSE(g.ademarques());
  g.basculemarque(2, 6);
  g.basculemarque(2, 1);
  EXPECT_EQ(g.marques(2), 33);
  EXPECT_TRUE(g.ademarques());
  g.basculemarque(2, 6);
  g.basculemarque(2, 6);
  EXPECT_EQ(g.marques(2), 33);
  for (std::int16_t v : {0, 7, -1}) g.basculemarque(2, v);
  EXPECT_EQ(g.marques(2), 33);
  g.effacetoutesmarques();
  EXPECT_FALSE(g.ademarques());
}

TEST(Grille, RetourAuxNombresFixes) {
  Grille g;
  charge(g, {"X", "WPJ%100"});  // ":AB" is a given 1 at level 6
  g.construit();
  const std::int16_t donnee = g.numero(":AB");
  ASSERT_TRUE(g.estfixe(donnee));
  g.fixevaleur(g.numero(":AF"), 2);
  g.fixevaleur(g.numero("D:AB"), 3);
  g.basculemarque(g.numero("D:AB"), 4);
  g.basculemarque(g.numero("E:AB"), 5);
  recalculepossibles(g);

  g.retourfixes();
  for (std::int16_t i = 1; i <= g.nbcases(); ++i) {
    EXPECT_EQ(g.valeur(i), i == donnee ? 1 : 0) << i;
    EXPECT_EQ(g.possibles(i), 0) << i;
  }
  EXPECT_EQ(g.marques(g.numero("D:AB")), 8);
  EXPECT_EQ(g.marques(g.numero("E:AB")), 16);
}

TEST(Grille, ToutRempli) {
  Grille g;
  charge(g, {"X", "WPJ%100"});
  g.construit();
  const std::int16_t vide = g.numero("E:AB");
  std::int16_t v = 2;
  for (std::int16_t i = 1; i <= g.nbcases(); ++i) {
    if (i != vide && !g.estfixe(i)) g.fixevaleur(i, v++);
  }
  EXPECT_FALSE(g.toutrempli());
  g.fixevaleur(vide, 6);
  EXPECT_TRUE(g.toutrempli());
}

TEST(Grille, AccesseursHorsTable) {
  Grille g;
  EXPECT_EQ(g.valeur(1), 0);  // nothing loaded yet
  charge(g, {"X"});
  g.construit();
  for (std::int16_t i : {0, -1, 7, 32767}) {
    g.fixevaleur(i, 3);
    g.basculemarque(i, 1);
    g.fixepossibles(i, 63);
    EXPECT_EQ(g.valeur(i), 0);
    EXPECT_FALSE(g.estpossible(i, 1));
    EXPECT_EQ(g.voisin(i, 0), 0);
    EXPECT_EQ(g.xdegroupe(i), 0);
  }
  g.fixevaleur(1, 7);  // not a value
  EXPECT_EQ(g.valeur(1), 0);
  EXPECT_EQ(g.voisin(1, 12), 0);
}

TEST(Grille, TestsDeToucher) {
  Grille g;
  charge(g, {"X", "XA"});
  g.construit();
  const std::int16_t ab = g.numero(":AB");  // centre (20, 11)
  EXPECT_EQ(g.caseen(20, 11), ab);
  EXPECT_EQ(g.caseen(20, 31), ab);  // 20 = taille / 2
  EXPECT_EQ(g.caseen(20, -100), 0);

  EXPECT_EQ(g.hexaen(0, 6), 1);  // taille / 6
  EXPECT_EQ(g.hexaen(0, 7), 0);
  EXPECT_EQ(g.groupeen(0, 6), 1);
  EXPECT_EQ(g.groupeen(20, 45), 3);  // partial centre B, taille / 4
  EXPECT_EQ(g.groupeen(20, 46), 0);
  EXPECT_EQ(g.sommeten(41, 5), g.points().cherche("A"));
  EXPECT_EQ(g.sommeten(20, 11), 0);

  // Each mark is hit at the place it is drawn.
  for (std::int16_t i = 1; i <= g.nbcases(); ++i) {
    for (int k = 1; k <= 6; ++k) {
      std::int16_t x = 0, y = 0;
      g.positionmarque(i, k, x, y);
      EXPECT_EQ(g.marqueen(i, x, y), k) << "cell " << i << " mark " << k;
    }
  }

  Chaine libelle;
  g.libellecase(ab, libelle);
  EXPECT_STREQ(libelle.texte(), "L1 C3");
}

TEST(Grille, CaseAuBordDuRayon) {
  Grille g;
  charge(g, {"X"});
  g.construit();
  // (20, 32) is 21 from ":AB" and further from every other centre.
  EXPECT_EQ(g.caseen(20, 32), 0);
  std::int16_t gauche, droite, dessus, dessous;
  g.boite(gauche, droite, dessus, dessous);
  EXPECT_EQ(gauche, -60);
  EXPECT_EQ(droite, 60);
  EXPECT_EQ(dessus, 64);
  EXPECT_EQ(dessous, -64);
}

TEST(Grille, TailleEtAngleRecalculentLesPositions) {
  Grille g;
  charge(g, {"X"});
  g.construit();
  const std::int16_t ab = g.numero(":AB");
  EXPECT_EQ(g.petit().pas(), 14);  // 40 / 3 = 13, made even

  g.fixetaille(50);
  EXPECT_FALSE(g.positionsok());
  EXPECT_EQ(g.petit().pas(), 18);  // 50 / 3 rounds to 17, made even
  EXPECT_EQ(g.caseen(25, 14), ab);
  EXPECT_EQ(g.xdecase(ab), 25);

  g.fixeangle(90);
  EXPECT_EQ(g.angle(), 90);
  EXPECT_EQ(g.grand().direction(0).x, 0);
  EXPECT_EQ(g.grand().direction(0).y, 50);
  g.assurepositions();
  EXPECT_EQ(g.xdecase(ab), -14);
  EXPECT_EQ(g.ydecase(ab), 25);
}

TEST(Grille, ChargerRemetLesTablesEtGardeLaTaille) {
  Grille g;
  g.fixetaille(60);
  charge(g, {"X", "XA"});
  g.construit();
  g.assurevoisins();
  charge(g, {"X"});
  EXPECT_FALSE(g.casesok());
  EXPECT_FALSE(g.voisinsok());
  EXPECT_EQ(g.nbcases(), 6);
  EXPECT_EQ(g.taille(), 60);
  EXPECT_EQ(g.valeurs().nombre(), 0);
}

// Whatever the lines hold, loading, building, judging and the state text
// stay within the tables (the sanitizers watch the memory).
TEST(Grille, DefinitionsQuelconques) {
  std::string long1;
  for (int k = 0; k < 5000; ++k) long1 += "A9";
  std::string long2 = "X";
  for (int k = 0; k < 30; ++k) long2 += "A9";  // 270 steps: too far to draw
  std::string long3 = "X";
  for (int k = 0; k < 20; ++k) long3 += "A9";  // 180 steps: still a grid
  std::vector<std::vector<std::string>> definitions = {
      {""}, {"W"}, {"V"}, {"X%"}, {"XW"}, {"XWZZ%"}, {":A"}, {"9W"}, {"A0000W"},
      {"WPJ%99999999999999", "VUJ%-5"}, {long1 + "W"}, {long2}, {long3}, {"X" + long1},
  };
  std::mt19937 gen(7);
  const std::string alphabet = "XABCDEFWV0123456789:%PJQ xaw\xe9\x01\xff";
  for (int n = 0; n < 150; ++n) {
    std::vector<std::string> def;
    for (int l = static_cast<int>(gen() % 6); l >= 0; --l) {
      std::string ligne;
      for (int c = static_cast<int>(gen() % 12); c > 0; --c) ligne += alphabet[gen() % alphabet.size()];
      def.push_back(ligne);
    }
    definitions.push_back(def);
  }
  for (const auto& def : definitions) {
    Grille g;
    charge(g, def);
    g.fixepourcent(120);
    g.construit();
    recalculepossibles(g);
    for (std::int16_t i = 0; i <= g.nbcases() + 1; ++i) juge(g, i, static_cast<std::int16_t>(i % 7));
    Chaine etat;
    ecritetatjeu(g, etat);
    EXPECT_TRUE(litetatjeu(g, etat.texte()));
    g.caseen(0, 0);
    g.groupeen(0, 0);
    g.sommeten(0, 0);
    g.assuretrous();
  }
  Grille g;
  charge(g, {long2.c_str(), long3.c_str()});
  EXPECT_EQ(g.nbhexas(), 1);
  EXPECT_EQ(g.nbcases(), 6);
}

}  // namespace
}  // namespace tavlo
