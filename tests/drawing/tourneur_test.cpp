// Point rotation (exact quarters, trigonometry, truncation) and the two
// palette colour functions.
#include "drawing/tourneur.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "drawing/couleurs.h"

namespace tavlo {
namespace {

struct CasRotation {
  float angle;
  float x, y;
  int xr, yr;
};

TEST(Tourneur, TourneEtTronqueVersZero) {
  const CasRotation cas[] = {
      {90, 10, 0, 0, 10},      // exact: no cosine residue
      {30, 10, 0, 8, 5},       // 8.66 and 5.0 truncated
      {30, -10, 0, -8, -5},    // toward zero, not downward
      {45, 0, 9, -6, 6},       // the offset of a text slanted by 45 degrees
      {180, 3, -7, -3, 7},
      {270, 10, 0, 0, -10},
      {0, 5, 6, 5, 6},
      {450, 10, 0, 0, 10},     // brought into one turn
      {-90, 10, 0, 0, -10},    // not exact (271 after the nudge), the same by trigonometry
      {89.8f, 10, 0, 0, 10},   // nudged onto the quarter: exact
      {89.7f, 10, 0, 0, 9},    // stays off it: cos 89.7 gives 0.05
  };
  for (const auto& c : cas) {
    Tourneur t;
    t.fixeangle(c.angle);
    t.fixepoint(c.x, c.y);
    EXPECT_EQ(t.xtourne(), c.xr) << c.angle << " (" << c.x << ", " << c.y << ")";
    EXPECT_EQ(t.ytourne(), c.yr) << c.angle << " (" << c.x << ", " << c.y << ")";
  }
}

TEST(Tourneur, QuartsExacts) {
  struct Cas {
    float angle;
    bool exact;
    int quart;
  } const cas[] = {
      {0, true, 0},       {90, true, 90},     {180, true, 180},  {270, true, 270},
      {360, true, 0},     {89.8f, true, 90},  {89.7f, false, 0}, {359.8f, true, 0},
      {-0.1f, true, 0},   {45, false, 0},
      // The nudge truncates toward zero: a negative quarter lands one degree
      // past it and goes through the trigonometry.
      {-90, false, 0},    {-360, false, 0},
      {std::numeric_limits<float>::quiet_NaN(), false, 0},
  };
  for (const auto& c : cas) {
    Tourneur t;
    t.fixeangle(c.angle);
    EXPECT_EQ(t.exact(), c.exact) << c.angle;
    EXPECT_EQ(t.quart(), c.quart) << c.angle;
  }
  Tourneur t;
  t.fixedixiemes(900);
  EXPECT_EQ(t.angle(), 90.0f);
  EXPECT_EQ(t.quart(), 90);
  EXPECT_FLOAT_EQ(t.radians(), static_cast<float>(std::numbers::pi / 2));
}

TEST(Tourneur, HorsDesSeizeBits) {
  Tourneur t;
  t.fixepoint(40000, -30000.9f);
  EXPECT_EQ(t.xtourne(), -25536);  // wraps as a 16-bit value
  EXPECT_EQ(t.ytourne(), -30000);
  t.fixeangle(std::numeric_limits<float>::infinity());
  EXPECT_EQ(t.xtourne(), 0);
  EXPECT_EQ(t.ytourne(), 0);
}

TEST(Couleurs, PaleEtGris) {
  EXPECT_EQ(pale(0xFF0000), 0xFF9999u);
  EXPECT_EQ(pale(0x00FFFF), 0x99FFFFu);
  EXPECT_EQ(pale(0x00FF00), 0x99FF99u);
  EXPECT_EQ(pale(0x333333), 0xBBBBBBu);
  const struct {
    int p;
    Couleur g;
  } gris_[] = {{0, 0xFFFFFF}, {20, 0xCCCCCC}, {30, 0xB2B2B2}, {60, 0x666666}, {80, 0x333333}, {100, 0}};
  for (const auto& c : gris_) EXPECT_EQ(gris(static_cast<std::int16_t>(c.p)), c.g) << c.p;
}

}  // namespace
}  // namespace tavlo
