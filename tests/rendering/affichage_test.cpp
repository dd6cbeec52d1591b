// The sizes the passes derive from the cell size, the colour roles, the
// grid's display fields and its extent in millimetres.
#include <gtest/gtest.h>

#include "drawing/couleurs.h"
#include "outils.h"

namespace {

using namespace rendutest;

// The palette comes from the two colour functions of the drawing toolkit.
static_assert(coulcase == pale(0x00FFFF));
static_assert(coultrou == pale(coulbord));
static_assert(coulzone == gris(20));

TEST(Tailles, FollowTheCellSizeSteps) {
  const struct {
    std::int16_t taille;
    std::int16_t hautval, bord, contour, contourvariante, marques, decalage;
  } cas[] = {
      {40, 22, 1, 4, 3, 10, 5},
      {50, 27, 1, 5, 3, 12, 6},
      {60, 33, 1, 6, 4, 15, 8},
      {70, 38, 1, 6, 4, 17, 9},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.taille);
    EXPECT_EQ(hauteurvaleur(k.taille), k.hautval);
    EXPECT_EQ(largeurbord(k.taille), k.bord);
    EXPECT_EQ(largeurcontour(k.taille, false), k.contour);
    EXPECT_EQ(largeurcontour(k.taille, true), k.contourvariante);
    EXPECT_EQ(hauteurmarques(k.taille), k.marques);
    EXPECT_EQ(decalmarques(k.taille), k.decalage);
  }
  // the marks have no shift off the steps; the outline pen never vanishes
  EXPECT_EQ(decalmarques(45), 0);
  EXPECT_EQ(decalmarques(0), 0);
  EXPECT_EQ(largeurbord(10), 1);
  EXPECT_EQ(largeurbord(80), 2);
}

TEST(AffichageGrille, ChangingTheSizeSetsTheGridAndTheValueFont) {
  Grille g;
  AffichageGrille a(g);
  EXPECT_EQ(a.hautval, 10);
  EXPECT_EQ(a.style, 6);
  changetaille(a, 60);
  EXPECT_EQ(g.taille(), 60);
  EXPECT_EQ(a.hautval, 33);
  changetaille(a, 70);
  EXPECT_EQ(g.taille(), 70);
  EXPECT_EQ(a.hautval, 38);
}

TEST(AffichageGrille, MarkPositionsFollowTheSizeAfterTheStyleIsApplied) {
  Grille g;
  AffichageGrille a(g);
  charge(g, {"X"});
  g.construit();
  std::int16_t x40 = 0, y40 = 0, x70 = 0, y70 = 0;
  g.positionmarque(1, 3, x40, y40);
  changetaille(a, 70);
  appliquestyle(a, AffichageGrille::STYLE);
  g.positionmarque(1, 3, x70, y70);
  EXPECT_EQ(a.style, 6);
  EXPECT_NE(x40, x70);
  // mark 3 of an up cell is one eighth of the size right of the centre
  EXPECT_EQ(x70 - g.xdecase(1), (g.haut(1) ? 1 : 2) * (70 / 8));
}

TEST(Etendue, BoxWidenedByTheCellSizeInMillimetresTruncated) {
  const struct {
    std::int16_t dpi;
    std::int16_t gauche, droite, dessus, dessous;
    Etendue attendu;  // left, bottom, right, top
  } cas[] = {
      // centres from x -20 to 20 and y -10 to 10, widened by 40
      {100, -60, 60, 50, -50, {-15, -12, 15, 12}},
      {96, -60, 60, 50, -50, {-15, -13, 15, 13}},
      {300, -60, 60, 50, -50, {-5, -4, 5, 4}},
      {100, 0, 0, 0, 0, {0, 0, 0, 0}},
  };
  for (const auto& k : cas) {
    Canevas c;
    c.setdpi(k.dpi, k.dpi);
    EXPECT_EQ(etenduemm(k.gauche, k.droite, k.dessus, k.dessous, c), k.attendu) << k.dpi;
  }
}

TEST_F(Propre, EtendueOfAGridIsStoredForTheLayout) {
  Grille g;
  AffichageGrille a(g);
  charge(g, {"X"});
  changetaille(a, 40);
  g.construit();
  Canevas c;
  c.setdpi(100, 100);
  etendue(a, c);
  std::int16_t gauche = 0, droite = 0, dessus = 0, dessous = 0;
  g.boite(gauche, droite, dessus, dessous);
  EXPECT_EQ(etenduegrille, etenduemm(gauche, droite, dessus, dessous, c));
  // the single group: centres 20 either side and 24 up and down; 40 beyond
  EXPECT_EQ(etenduegrille, (Etendue{-15, -16, 15, 16}));

  // no cells: nothing around the origin
  Grille vide;
  AffichageGrille b(vide);
  etendue(b, c);
  EXPECT_EQ(etenduegrille, Etendue{});
}

TEST_F(Propre, DisplayStateStartsAsTheShellExpects) {
  const EtatAffichage e;
  EXPECT_EQ(e.modeaff, MODE_VIDE);
  EXPECT_FALSE(e.surbrillance);
  EXPECT_EQ(e.tca, 40);
  for (bool f : e.fleches.actives) EXPECT_FALSE(f);
  EXPECT_STREQ(e.police.texte(), "Arial");
}

}  // namespace
