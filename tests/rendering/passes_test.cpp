// The two grid passes and the overlays, recorded: what is drawn, with which
// pen, brush and font, where, and what a paint that reuses the background
// leaves out.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "outils.h"
#include "rendering/passes.h"
#include "rendering/surcouches.h"

namespace {

using namespace rendutest;

class Passes : public Propre {
protected:
  void peins() {
    if (c.hdc == nullptr) {
      c.installe(f.t, "ecran");  // 400 x 300 at 96 dpi: the lattice origin at (200, 150)
    }
    peintgrille(t, f.t, {400, 300}, a, c, true);
  }
  const std::vector<std::string>& lignes() const { return f.t.lignes(); }
  std::string point(int x, int y) const {
    const Point p = c.appareil(x, y);
    return std::to_string(p.x) + " " + std::to_string(p.y);
  }
  // Position of the first line holding motif, lignes().size() when none.
  std::size_t premiere(const std::string& motif, std::size_t depuis = 0) const {
    for (std::size_t k = depuis; k < lignes().size(); ++k)
      if (lignes()[k].find(motif) != std::string::npos) return k;
    return lignes().size();
  }

  Trace f;
  Grille g;
  AffichageGrille a{g};
  Canevas c;
  Tampons t;
};

TEST_F(Passes, BackgroundFillsHolesAndCellsOnceAndAReusedOneDrawsNoTriangle) {
  etoile(g);
  prepare(a, 40);
  peins();
  EXPECT_EQ(f.compte("polygone 4 "), 12 + 36);
  EXPECT_EQ(f.compte("selectionne stylo 2 #FF9999"), 1);
  EXPECT_EQ(f.compte("selectionne brosse #FF9999"), 1);
  const int stylos = f.compte("selectionne stylo 1 #FF0000");
  EXPECT_EQ(f.compte("selectionne brosse #99FFFF"), 1 + 36);  // one before the holes

  f.t.efface();
  peins();
  EXPECT_EQ(f.compte("polygone"), 0);
  EXPECT_EQ(stylos - f.compte("selectionne stylo 1 #FF0000"), 36);  // one pen per cell, gone

  // after a release the next paint draws the background again
  t.liberetout();
  f.t.efface();
  peins();
  EXPECT_EQ(f.compte("polygone 4 "), 12 + 36);
}

TEST_F(Passes, TrianglesHaveTheirLatticeCorners) {
  etoile(g);  // the origin's two triangles are holes
  prepare(a, 40);
  peins();
  // up: origin, A (40, 0), B (20, 35); down: origin, A, F (20, -35)
  EXPECT_EQ(f.compte("polygone 4 (200,150) (240,150) (220,115) (200,150)"), 1);
  EXPECT_EQ(f.compte("polygone 4 (200,150) (240,150) (220,185) (200,150)"), 1);

  // a cell: vertex AA is two steps right, its up triangle
  Grille h;
  AffichageGrille b(h);
  charge(h, {"X"});
  changetaille(b, 40);
  f.t.efface();
  c.origmm(0, 0);
  dessingrifond(b, c, false, 0, 0);
  EXPECT_EQ(f.compte("polygone 4 (200,150) (240,150) (220,115) (200,150)"), 1);
  EXPECT_EQ(f.compte("polygone"), 6);
  desoccupe();
}

TEST_F(Passes, PenWidthsFollowTheCellSize) {
  const struct {
    std::int16_t taille, bord, contour, variante;
  } cas[] = {{40, 1, 4, 3}, {50, 1, 5, 3}, {60, 1, 6, 4}, {70, 1, 6, 4}};
  for (const auto& k : cas) {
    SCOPED_TRACE(k.taille);
    Grille h;
    AffichageGrille b(h);
    charge(h, {"X", "XA"});
    changetaille(b, k.taille);
    c.installe(f.t, "ecran");
    f.t.efface();
    dessingrifond(b, c, false, 0, 0);
    EXPECT_EQ(f.compte("selectionne stylo " + std::to_string(k.bord) + " #FF0000"), h.nbcases());
    f.t.efface();
    dessingrifin(b, c, false, 0, 0);
    EXPECT_EQ(f.compte("selectionne stylo " + std::to_string(k.contour) + " #FF0000"), 1);
    EXPECT_EQ(f.compte("selectionne stylo 1 #000000"), 1);  // the group dots
    EXPECT_EQ(f.compte("ellipse 198 148 202 152"), 1);      // 10/600 inch around the origin
    f.t.efface();
    dessingrifin(b, c, true, 0, 0);
    EXPECT_EQ(f.compte("selectionne stylo " + std::to_string(k.variante) + " #FF0000"), 1);
  }
}

TEST_F(Passes, ValuesShowGivensBlackAndPlacedMagentaCentredOnTheCell) {
  charge(g, {"X", "AWRJ%100"});  // cell A:AB: a given 3
  prepare(a, 70);
  const std::int16_t donne = g.numero("A:AB");
  ASSERT_TRUE(g.estfixe(donne));
  const std::int16_t place = g.numero(":AB");
  g.fixevaleur(place, 3);
  peins();
  const auto& l = lignes();
  for (const auto& [i, couleur] : {std::pair{donne, "#000000"}, std::pair{place, "#FF00FF"}}) {
    const Point p = c.appareil(g.xdecase(i), g.ydecase(i));
    const std::string texte = "ecrittexte " + std::to_string(p.x) + " " + std::to_string(p.y - 19) + " \"3\"";
    const std::size_t k = premiere(texte);
    ASSERT_LT(k, l.size()) << texte;
    EXPECT_NE(l[k - 1].find("couleurtexte " + std::string(couleur)), std::string::npos);
    EXPECT_LT(premiere("fonte 38x19 esc 0 poids 200 Arial"), k);
  }
  // no other cell writes anything
  EXPECT_EQ(f.compte("ecrittexte"), 2);
}

TEST_F(Passes, MarksSitAboveTheirPositionsInTheirOwnFont) {
  const struct {
    std::int16_t taille;
    const char* fonte;
    int decalage;
  } cas[] = {{40, "fonte 10x5 esc 0 poids 200 Arial", 5}, {70, "fonte 17x8 esc 0 poids 200 Arial", 9}};
  for (const auto& k : cas) {
    SCOPED_TRACE(k.taille);
    charge(g, {"X"});
    prepare(a, k.taille);
    g.fixemarques(1, 63);
    g.fixemarques(2, 0x12);  // marks 2 and 5
    t.liberetout();
    f.t.efface();
    peins();
    EXPECT_EQ(f.compte(k.fonte), 2);
    EXPECT_EQ(f.compte("couleurtexte #FF0000"), 8);  // blue, for every digit
    EXPECT_EQ(f.compte("ecrittexte"), 8);
    for (int m = 1; m <= 6; ++m) {
      std::int16_t x = 0, y = 0;
      g.positionmarque(1, m, x, y);
      EXPECT_EQ(f.compte("ecrittexte " + point(x, y + k.decalage) + " \"" + std::to_string(m) + "\""), 1) << m;
    }
  }
}

TEST_F(Passes, NoMarksWithNeighbourLinksOrOnTheHelpPages) {
  charge(g, {"X", "XA"});
  prepare(a, 40);
  for (std::int16_t i = 1; i <= g.nbcases(); ++i) g.fixemarques(i, 63);
  const std::int16_t n = g.nbcases();
  g.assurevoisins();
  int paires = 0;
  for (std::int16_t i = 1; i <= n; ++i)
    for (int k = 0; k < 12; ++k) paires += (g.voisin(i, k) > 0 && g.voisin(i, k) < i) ? 1 : 0;

  etataffichage.surbrillance = true;
  peins();
  EXPECT_EQ(f.compte("ecrittexte"), 0);
  EXPECT_EQ(f.compte("selectionne stylo 1 #00FF00"), n);
  int segments = 0;
  for (int k = 0; k < 3; ++k) segments += g.interieurs(k).nombre() + g.contours(k).nombre();
  EXPECT_EQ(f.compte("ligne"), paires + segments);
  // a green dot on every cell, 4 pixels around its centre
  int points = 0;
  for (std::int16_t i = 1; i <= n; ++i) {
    const Point p = c.appareil(g.xdecase(i), g.ydecase(i));
    points += f.compte("ellipse " + std::to_string(p.x - 4) + " " + std::to_string(p.y - 4));
  }
  EXPECT_EQ(points, n);
  // the group dots keep the green brush of the last link
  const std::size_t stylonoir = premiere("selectionne stylo 1 #000000");
  ASSERT_LT(stylonoir, lignes().size());
  std::string brosse;
  for (std::size_t k = 0; k < stylonoir; ++k)
    if (lignes()[k].find("selectionne brosse") != std::string::npos) brosse = lignes()[k];
  EXPECT_NE(brosse.find("selectionne brosse #00FF00"), std::string::npos) << brosse;

  etataffichage.surbrillance = false;
  etataffichage.modeaff = MODE_PAGES;
  f.t.efface();
  dessingrifin(a, c, false, 0, 0);
  EXPECT_EQ(f.compte("ecrittexte"), 0);
}

TEST_F(Passes, PanArrowsGoInPairsRedWhenUsableGreyWhenNot) {
  charge(g, {"X"});
  prepare(a, 40);
  peins();  // the background, out of the way
  f.t.efface();
  Fleches& fl = etataffichage.fleches;
  const Point droite[4] = {{380, 140}, {380, 160}, {390, 150}, {380, 140}};
  const Point gauche[4] = {{20, 140}, {20, 160}, {10, 150}, {20, 140}};
  std::copy(droite, droite + 4, fl.contours[Fleches::DROITE]);
  std::copy(gauche, gauche + 4, fl.contours[Fleches::GAUCHE]);
  fl.actives[Fleches::DROITE] = true;
  peins();
  const std::size_t rouge = premiere("brosse #0000FF");
  const std::size_t gris = premiere("brosse #CCCCCC");
  ASSERT_LT(rouge, lignes().size());
  ASSERT_LT(gris, lignes().size());
  EXPECT_NE(lignes()[rouge + 1].find("polygone 4 (380,140) (380,160) (390,150) (380,140)"), std::string::npos);
  EXPECT_NE(lignes()[gris + 1].find("polygone 4 (20,140) (20,160) (10,150) (20,140)"), std::string::npos);
  // outlined by the frame's default pen, put back after the group lines
  EXPECT_NE(lignes()[std::min(rouge, gris) - 1].find("selectionne stylonoir"), std::string::npos);
  // up and down are both unusable: not drawn at all
  EXPECT_EQ(f.compte("polygone"), 2);

  fl.actives[Fleches::DROITE] = false;
  fl.actives[Fleches::BAS] = true;
  f.t.efface();
  peins();
  EXPECT_EQ(f.compte("polygone"), 2);
  EXPECT_EQ(f.compte("brosse #0000FF"), 1);
  EXPECT_EQ(f.compte("brosse #CCCCCC"), 1);
}

TEST_F(Passes, OriginAndBusyCounterBalanceWhetherOrNotTheBackgroundIsReused) {
  charge(g, {"X"});
  prepare(a, 40);
  c.installe(f.t, "ecran");
  c.setcentre(120, 90);

  c.origmm(0, 0);
  dessingrifond(a, c, false, 0, 0);
  EXPECT_EQ(pointeurs().occupation(), 1);
  EXPECT_STREQ(c.origines().texte(), "120,90,");
  dessingrifin(a, c, false, 0, 0);
  EXPECT_EQ(pointeurs().occupation(), 0);
  EXPECT_EQ(c.appareil(0, 0), (Point{120, 90}));

  // reused background: the pop finds nothing, the counter stays at 0
  dessingrifin(a, c, false, 0, 0);
  EXPECT_EQ(c.appareil(0, 0), (Point{0, 0}));
  EXPECT_EQ(pointeurs().occupation(), 0);
  placegrille(a, false, c);
  EXPECT_EQ(c.appareil(0, 0), (Point{120, 90}));

  // a whole paint leaves the origin on the lattice origin either way
  for (int k = 0; k < 2; ++k) {
    peintgrille(t, f.t, {400, 300}, a, c, true);
    EXPECT_EQ(c.appareil(0, 0), (Point{120, 90}));
    EXPECT_STREQ(c.origines().texte(), "");
    EXPECT_EQ(pointeurs().occupation(), 0);
    EXPECT_EQ(canevascour, &c);
    EXPECT_EQ(c.hdc, &f.t);
  }
}

TEST_F(Passes, MarkersOnlyForExistingNumbersLabelsInThePenColour) {
  charge(g, {"X"});
  prepare(a, 40);
  g.assurepoints();
  c.installe(f.t, "ecran");
  c.origmm(0, 0);
  canevascour = &c;

  for (int k : {0, -1, g.nbgroupes() + 51}) {
    f.t.efface();
    dessinejalon(a, static_cast<std::int16_t>(k), 0x00A5FF);
    EXPECT_TRUE(lignes().empty()) << k;
  }
  f.t.efface();
  dessinejalon(a, 1, 0x00A5FF);
  EXPECT_EQ(f.compte("selectionne brossevide"), 1);
  EXPECT_EQ(f.compte("selectionne stylo 3 #00A5FF"), 1);  // 1 mm at 96 dpi
  EXPECT_EQ(etataffichage.coulcrayon, 0x00A5FFu);
  // point 1 is the origin: a hexagon of the cell size around it
  EXPECT_EQ(f.compte("polygone 7 (240,150) (220,115) (180,115) (160,150)"), 1);

  f.t.efface();
  hexasommet(a, 5, -5, "A");  // around (45, -5)
  EXPECT_EQ(f.compte("polygone 7 (285,155) "), 1);

  f.t.efface();
  etataffichage.police.affecte("Times New Roman");
  crayon(2, 0x123456);
  etiquette(10, 5, 45, 4, true, 700, true, "Aide");
  EXPECT_EQ(f.compte("selectionne stylo 2 #123456"), 1);
  EXPECT_EQ(f.compte("selectionne fonte 15x5 esc 450 poids 700 italique Times New Roman"), 1);
  EXPECT_EQ(f.compte("couleurtexte #123456"), 1);
  EXPECT_EQ(f.compte("\"Aide\""), 1);

  // no current canvas: nothing anywhere
  canevascour = nullptr;
  f.t.efface();
  brossecour(0xFF);
  dessinejalon(a, 1, 0xFF);
  etiquette(0, 0, 0, 4, false, 400, false, "x");
  EXPECT_TRUE(lignes().empty());
}

}  // namespace
