// Tests of the integer hexagon: known offsets, the exact lattice identities
// at many radii and angles, rebuilding, and the drawing outlines.
#include "geometry/gabarit.h"

#include <cmath>

#include <gtest/gtest.h>

namespace tavlo {
namespace {

TEST(Gabarit, Rayon40Angle0DonneLesSommetsEtCentroidesConnus) {
  Gabarit g;
  g.fixe(40, 0);
  const int xs[6] = {40, 20, -20, -40, -20, 20};
  const int ys[6] = {0, 35, 35, 0, -35, -35};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(g.xsommet(k), xs[k]) << "k=" << k;
    EXPECT_EQ(g.ysommet(k), ys[k]) << "k=" << k;
  }
  EXPECT_EQ(g.xcentre(true), 20);
  EXPECT_EQ(g.ycentre(true), 11);
  EXPECT_EQ(g.xcentre(false), 20);
  EXPECT_EQ(g.ycentre(false), -11);
  EXPECT_EQ(g.xsommet(6), 40) << "k wraps round the hexagon";
  EXPECT_EQ(g.ysommet(-1), -35);
}

TEST(Gabarit, DefautEtRayonImpair) {
  Gabarit g;
  EXPECT_TRUE(g.estconstruit());
  EXPECT_EQ(g.rayon(), 30);
  EXPECT_EQ(g.angle(), 0);
  EXPECT_EQ(g.xsommet(0), 30);

  Gabarit pair;
  pair.fixe(32, 25);
  for (int passe = 0; passe < 2; ++passe) {  // asking twice gives the same
    g.fixe(31, 25);
    EXPECT_EQ(g.rayon(), 32);
    for (int k = 0; k < 6; ++k) {
      EXPECT_EQ(g.xsommet(k), pair.xsommet(k));
      EXPECT_EQ(g.ysommet(k), pair.ysommet(k));
    }
  }
}

TEST(Gabarit, ChaqueFixationReconstruit) {
  Gabarit g;
  g.fixe(40, 0);
  g.fixeangle(90);
  EXPECT_EQ(g.xsommet(0), 0);
  EXPECT_EQ(g.ysommet(0), 40);
  g.fixerayon(20);
  EXPECT_EQ(g.xsommet(0), 0);
  EXPECT_EQ(g.ysommet(0), 20);
  EXPECT_EQ(g.angle(), 90);
  g.fixe(20, 180);
  EXPECT_EQ(g.xsommet(0), -20);
  EXPECT_EQ(g.ysommet(0), 0);
  EXPECT_EQ(g.xcentre(true), -10);
}

// Two paths to one lattice point must land on the same pixel: this needs
// A + C == B, opposite vertices exactly opposite, and so a zero sum.
TEST(Gabarit, IdentitesDuReseauATousRayonsEtAngles) {
  const int rayons[] = {2, 6, 20, 31, 40, 70, 255};
  const int angles[] = {0, 1, 15, 30, 45, 59, 60, 89, 90, 135, 180, 270, 359, -30, 400};
  for (int r : rayons) {
    for (int a : angles) {
      Gabarit g;
      g.fixe(static_cast<std::int16_t>(r), static_cast<std::int16_t>(a));
      SCOPED_TRACE(::testing::Message() << "rayon " << r << " angle " << a);
      int sx = 0;
      int sy = 0;
      for (int k = 0; k < 6; ++k) {
        sx += g.xsommet(k);
        sy += g.ysommet(k);
        EXPECT_EQ(g.xsommet(k + 3), -g.xsommet(k));
        EXPECT_EQ(g.ysommet(k + 3), -g.ysommet(k));
      }
      EXPECT_EQ(sx, 0);
      EXPECT_EQ(sy, 0);
      EXPECT_EQ(g.xsommet(0) + g.xsommet(2), g.xsommet(1));
      EXPECT_EQ(g.ysommet(0) + g.ysommet(2), g.ysommet(1));
      // Vertices A and B are the rounded polar points.
      const double pi = std::acos(-1.0);
      const double r2 = g.rayon();
      EXPECT_NEAR(g.xsommet(0), r2 * std::cos(a * pi / 180), 0.5 + 1e-4);
      EXPECT_NEAR(g.ysommet(0), r2 * std::sin(a * pi / 180), 0.5 + 1e-4);
      EXPECT_NEAR(g.xsommet(1), r2 * std::cos((a + 60) * pi / 180), 0.5 + 1e-4);
      EXPECT_NEAR(g.ysommet(1), r2 * std::sin((a + 60) * pi / 180), 0.5 + 1e-4);
      // Centroids are thirds truncated toward zero, not floored.
      EXPECT_EQ(g.xcentre(true), (g.xsommet(0) + g.xsommet(1)) / 3);
      EXPECT_EQ(g.ycentre(true), (g.ysommet(0) + g.ysommet(1)) / 3);
      EXPECT_EQ(g.xcentre(false), (g.xsommet(0) + g.xsommet(5)) / 3);
      EXPECT_EQ(g.ycentre(false), (g.ysommet(0) + g.ysommet(5)) / 3);
    }
  }
}

TEST(Gabarit, EventailPasseParLesSixTriangles) {
  Gabarit g;
  g.fixe(40, 0);
  Point p[Gabarit::NBEVENTAIL + 1];
  p[Gabarit::NBEVENTAIL] = Point{-1, -1};  // must stay untouched
  g.eventail(p, 100, 200);
  const Point centre{100, 200};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(p[3 * k], centre);
    EXPECT_EQ(p[3 * k + 1], (Point{100 + g.xsommet(k), 200 + g.ysommet(k)}));
    EXPECT_EQ(p[3 * k + 2], (Point{100 + g.xsommet(k + 1), 200 + g.ysommet(k + 1)}));
  }
  EXPECT_EQ(p[18], centre);
  EXPECT_EQ(p[17], (Point{140, 200})) << "the last triangle closes on vertex A";
  EXPECT_EQ(p[19], (Point{-1, -1}));
}

TEST(Gabarit, CentroidesEnCoordonneesFenetre) {
  Gabarit g;
  g.fixe(40, 0);
  Point p[Gabarit::NBCENTROIDES];
  g.centroides(p, 100, 200);
  // Sums of neighbouring vertices: (60, 35), (0, 70), (-60, 35), (-60, -35),
  // (0, -70), (60, -35); y goes down, and -35 / 3 truncates to -11.
  const Point attendus[6] = {{120, 189}, {100, 177}, {80, 189},
                             {80, 211},  {100, 223}, {120, 211}};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(p[k], attendus[k]) << "k=" << k;
}

}  // namespace
}  // namespace tavlo
