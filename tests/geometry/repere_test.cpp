// Tests of the screen frame: its step table and positions of named points.
#include "geometry/repere.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

TEST(Repere, ConstruitLaTableDesSixPas) {
  Repere r;
  EXPECT_FALSE(r.exact());
  r.construit(6, 40, 0.0f);
  EXPECT_TRUE(r.exact());
  EXPECT_EQ(r.nbdirections(), 6);
  EXPECT_EQ(r.demi(), 3);
  EXPECT_EQ(r.pas(), 40);
  const char* lettres[6] = {"A", "B", "C", "D", "E", "F"};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(r.direction(k).x, r.xsommet(k));
    EXPECT_EQ(r.direction(k).y, r.ysommet(k));
    EXPECT_STREQ(r.direction(k).nom, lettres[k]);
  }
  EXPECT_EQ(r.direction(1).x, 20);
  EXPECT_EQ(r.direction(1).y, 35);
}

TEST(Repere, PasPairEtAngleTronque) {
  struct Cas {
    std::int16_t directions;
    std::int16_t pas;
    float angle;
    std::int16_t paspris;
    std::int16_t angleentier;
  };
  const Cas cas[] = {
      {6, 31, 0.0f, 32, 0},
      {6, 13, 90.7f, 14, 90},    // toward zero, not to nearest
      {6, 40, -30.5f, 40, -30},  // toward zero, not floor
      {4, 40, 0.0f, 40, 0},      // the lattice keeps its six directions
  };
  for (const Cas& c : cas) {
    Repere r;
    r.construit(c.directions, c.pas, c.angle);
    EXPECT_EQ(r.pas(), c.paspris);
    EXPECT_EQ(r.rayon(), c.paspris);
    EXPECT_EQ(r.angle(), c.angleentier);
    EXPECT_FLOAT_EQ(r.angledegres(), c.angle);
    EXPECT_EQ(r.nbdirections(), 6);
  }
  Repere r;
  r.construit(6, 40, 90.0f);
  EXPECT_EQ(r.direction(0).x, 0);
  EXPECT_EQ(r.direction(0).y, 40);
}

TEST(Repere, PositionDUnTexte) {
  struct Cas {
    const char* texte;
    int x;
    int y;
  };
  const Cas cas[] = {
      {"A3B", 140, 35},  {"AAAB", 140, 35}, {"BAAA", 140, 35},
      {"AAAB:AF", 140, 35},  // a cell name gives its vertex
      {"", 0, 0},        {"ACE", 0, 0},     {"DE", -60, -35},
  };
  Repere r;
  r.construit(6, 40, 0.0f);
  for (const Cas& c : cas) {
    EXPECT_EQ(r.xde(c.texte), c.x) << c.texte;
    EXPECT_EQ(r.yde(c.texte), c.y) << c.texte;
  }
}

}  // namespace
}  // namespace tavlo
