// Grids painted into real images, probed pixel by pixel in grid coordinates.
// Text is antialiased and its exact shape depends on the installed fonts, so
// text is judged by counting pixels of its colour near where it belongs.
#include <gtest/gtest.h>

#include "outils.h"
#include "rendering/surcouches.h"

namespace {

using namespace rendutest;

class Rendu : public Image {
protected:
  void SetUp() override {
    Image::SetUp();
    etoile(g);  // six groups around twelve holes
    prepare(a, 70);
  }
  std::int16_t cellule(const char* nom) {
    const std::int16_t i = g.numero(nom);
    EXPECT_GT(i, 0) << nom;
    return i;
  }
};

TEST_F(Rendu, BackgroundColoursOfScreenCellsOutlinesAndHoles) {
  peins();
  // the blank client area, inside its black border
  EXPECT_EQ(lispixel(bitmapde(*fenetre), 3, 3), coulecran);
  EXPECT_EQ(lispixel(bitmapde(*fenetre), 0, 0), 0x000000u);
  // an empty cell
  const std::int16_t i = cellule("A:AB");
  EXPECT_EQ(pixel(g.xdecase(i), g.ydecase(i)), coulcase);
  // the origin's up triangle is a hole
  EXPECT_EQ(pixel(35, 20), coultrou);
  // the spoke of group AA towards A, halfway: cell outlines and group line
  const int x = 140 + 35, y = 0;
  EXPECT_GE(compte(x, y, 1, [](Couleur c) { return c == coulbord; }), 3);
  // the outline of the group is 6 pixels wide: halfway along its edge from
  // (210, 0) to (175, 61)
  EXPECT_GE(compte(175 + 35 / 2, 61 / 2, 2, [](Couleur c) { return c == coultrait; }), 15);
}

TEST_F(Rendu, GroupDotsAreBlack) {
  peins();
  // 2 pixels around at 96 dpi, then mostly covered by the three group lines
  for (std::int16_t h = 1; h <= g.nbhexas(); ++h)
    EXPECT_GE(compte(g.xdegroupe(h), g.ydegroupe(h), 3, noir), 2) << h;
  // the hole star has no dot
  EXPECT_EQ(compte(0, 0, 3, noir), 0);
}

TEST_F(Rendu, GivenDigitIsBlackAndAPlacedOneMagenta) {
  // a 3 given by the definition, and the same value placed elsewhere
  charge(g, {"XAA", "XBB", "XCC", "XDD", "XEE", "XFF", "AAWRJ%100"});
  prepare(a, 70);
  const std::int16_t donne = cellule("AA:AB");
  const std::int16_t place = cellule("A:AB");
  g.fixevaleur(place, 3);
  ASSERT_TRUE(g.estfixe(donne));
  ASSERT_FALSE(g.estfixe(place));
  peins();
  const int r = a.hautval / 2;
  EXPECT_GE(compte(g.xdecase(donne), g.ydecase(donne), r, noir), 20);
  EXPECT_EQ(compte(g.xdecase(donne), g.ydecase(donne), r, magenta), 0);
  EXPECT_GE(compte(g.xdecase(place), g.ydecase(place), r, magenta), 20);
  EXPECT_EQ(compte(g.xdecase(place), g.ydecase(place), r, noir), 0);
}

TEST_F(Rendu, MarksAreBlueAtTheirPositionsAndNowhereWithoutThem) {
  const std::int16_t haut = cellule("A:AB");
  const std::int16_t bas = cellule("AA:AF");
  peins();
  auto bleus = [&](std::int16_t i, int k) {
    std::int16_t x = 0, y = 0;
    g.positionmarque(i, k, x, y);
    return compte(x, y, 3, bleupur);
  };
  for (std::int16_t i : {haut, bas})
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(bleus(i, k), 0) << i << " mark " << k;

  g.fixemarques(haut, 63);
  g.fixemarques(bas, 0x15);  // 1, 3 and 5
  peins();
  for (int k = 1; k <= 6; ++k) EXPECT_GT(bleus(haut, k), 0) << "up mark " << k;
  for (int k = 1; k <= 6; ++k)
    EXPECT_EQ(bleus(bas, k) > 0, k % 2 == 1) << "down mark " << k;
}

TEST_F(Rendu, NeighbourLinksAreGreenWithADotOnEveryCell) {
  etataffichage.surbrillance = true;
  g.fixemarques(cellule("A:AB"), 63);  // not shown with the links
  peins();
  for (std::int16_t i = 1; i <= g.nbcases(); ++i)
    EXPECT_TRUE(vertpur(pixel(g.xdecase(i), g.ydecase(i)))) << i;
  // A:AB (105, 20) and A:AF (105, -20) share an edge; A:AB and AA:AF
  // (175, -20) only the vertex AA: a quarter of the way along each link
  EXPECT_GE(compte(105, 10, 1, vertpur), 1);
  EXPECT_GE(compte(122, 10, 1, vertpur), 1);
  // nothing links across the holes
  EXPECT_EQ(compte(35, 20, 5, vertpur), 0);
  std::int16_t x = 0, y = 0;
  g.positionmarque(cellule("A:AB"), 1, x, y);
  EXPECT_EQ(compte(x, y, 3, bleupur), 0);
}

TEST_F(Rendu, PanArrowsAreRedWhenUsableAndGreyBesideThem) {
  Fleches& f = etataffichage.fleches;
  const Point droite[4] = {{570, 260}, {570, 300}, {590, 280}, {570, 260}};
  const Point gauche[4] = {{30, 260}, {30, 300}, {10, 280}, {30, 260}};
  const Point haut[4] = {{320, 30}, {280, 30}, {300, 10}, {320, 30}};
  std::copy(droite, droite + 4, f.contours[Fleches::DROITE]);
  std::copy(gauche, gauche + 4, f.contours[Fleches::GAUCHE]);
  std::copy(haut, haut + 4, f.contours[Fleches::HAUT]);
  f.actives[Fleches::DROITE] = true;
  peins();
  auto client = [&](int x, int y) { return lispixel(bitmapde(*fenetre), x, y); };
  EXPECT_EQ(client(576, 280), 0x0000FFu);
  EXPECT_EQ(client(24, 280), coulzone);
  EXPECT_EQ(client(570, 262), 0x000000u);  // outlined by the default pen
  EXPECT_EQ(client(300, 24), coulecran);   // up and down both unusable
}

TEST_F(Rendu, RepaintsWithoutChangeAreIdenticalAndOverlaysComeLast) {
  g.fixevaleur(cellule("A:AB"), 4);
  g.fixemarques(cellule("AA:AF"), 63);
  peins();
  const std::vector<Couleur> premiere = pixels();
  peins();
  EXPECT_EQ(pixels(), premiere);

  // a marker drawn by the window after the passes, around vertex AA
  peins([this](Canevas&) {
    g.assurepoints();
    dessinejalon(a, g.points().cherche("AA"), 0x00A5FF);
  });
  EXPECT_GE(compte(140 + 70, 0, 1, [](Couleur c) { return c == 0x00A5FFu; }), 1);
  EXPECT_EQ(compte(0, 0, 3, [](Couleur c) { return c == 0x00A5FFu; }), 0);
}

}  // namespace
