// Tests of number texts, the shared ring, reading numbers, arithmetic, build date.
#include "text/nombres.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace tavlo {
namespace {

constexpr std::int32_t int32min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t int32max = std::numeric_limits<std::int32_t>::max();

TEST(Nombres, NumberTexts) {
  EXPECT_STREQ(texteentier(-12), "-12");
  EXPECT_STREQ(texteentier(0), "0");
  EXPECT_STREQ(texteentier(int32min), "-2147483648");
  EXPECT_STREQ(texteentier(int32max), "2147483647");
  EXPECT_STREQ(textereel(1.5f), "1.500000");
  EXPECT_STREQ(textereel(-0.25f), "-0.250000");
  EXPECT_STREQ(textecar('x'), "x");
  EXPECT_STREQ(textecar('\xE9'), "\xE9");
  EXPECT_STREQ(textecar(0), "");
}

TEST(Nombres, TexteentierzeroPadsThenKeepsTheLastDigits) {
  struct Cas {
    std::int32_t n;
    std::int16_t largeur;
    const char* attendu;
  } const cas[] = {
      {7, 2, "07"},     {2021, 2, "21"},   {5, 4, "0005"},  {2021, 4, "2021"},
      {-5, 3, "0-5"},   // zeros go in front of the sign
      {5, 0, ""},       {5, -3, ""},
      {5, 12, "00000000005"},                 // widths above 11 count as 11
      {int32min, 30000, "-2147483648"},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(std::to_string(k.n) + " width " + std::to_string(k.largeur));
    EXPECT_STREQ(texteentierzero(k.n, k.largeur), k.attendu);
  }
}

// Converts until a result lands before the previous one: that one sits at the
// start of the ring, whatever earlier tests left behind.
const char* debutanneau() {
  const char* precedent = texteentier(1);
  for (int i = 0; i < 200; ++i) {
    const char* p = texteentier(1);
    if (p < precedent) return p;
    precedent = p;
  }
  return nullptr;
}

TEST(Nombres, RingReusesItsStartOnceFull) {
  const char* debut = debutanneau();
  ASSERT_NE(debut, nullptr);
  EXPECT_STREQ(debut, "1");

  // Ten-digit results take 11 bytes but reserve 16: after "1" (2 bytes), twelve
  // of them fit before one would reach past the 150 bytes; all stay readable.
  std::vector<const char*> resultats;
  for (std::int32_t k = 0; k < 12; ++k) resultats.push_back(texteentier(1000000000 + k));
  for (std::size_t k = 0; k < resultats.size(); ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(resultats[k], debut + 2 + 11 * k);
    EXPECT_EQ(resultats[k], std::to_string(1000000000 + k));
  }

  // The thirteenth goes back to the start and clobbers the oldest ones.
  const char* treizieme = texteentier(1000000012);
  EXPECT_EQ(treizieme, debut);
  EXPECT_STREQ(treizieme, "1000000012");
  EXPECT_STRNE(resultats[0], "1000000000");
  EXPECT_STREQ(resultats[11], "1000000011");
}

TEST(Nombres, HugeRealsNeverRunPastTheRing) {
  const std::string grand = std::string("340282346638528859811704183484516925440") + ".000000";
  for (int i = 0; i < 40; ++i) {
    const char* r = textereel(FLT_MAX);
    EXPECT_EQ(r, grand) << "at conversion " << i;
    const char* e = texteentierzero(i, 3);
    EXPECT_EQ(std::strlen(e), 3u);
    EXPECT_EQ(textereel(-FLT_MAX), "-" + grand);
  }
}

TEST(Nombres, EntierReadsAndConsumesTheFirstField) {
  struct Cas {
    const char* texte;
    std::int32_t valeur;
    const char* reste;
  } const cas[] = {
      {"  42 , 7", 42, "7"},
      {"--3", 3, ""},
      {"+3", 0, ""},
      {"12abc", 12, ""},
      {"abc,5", 0, "5"},
      {"", 0, ""},
      {"- 5", -5, ""},
      {"-", 0, ""},
      {"007", 7, ""},
      {"-2147483648", int32min, ""},
      {"99999999999999999999", int32max, ""},
      {"-99999999999999999999", int32min, ""},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.texte);
    std::string t = k.texte;
    EXPECT_EQ(entier(t.data()), k.valeur);
    EXPECT_STREQ(t.c_str(), k.reste);
  }
  char deux[] = "13,2021";
  EXPECT_EQ(entier(deux), 13);
  EXPECT_EQ(entier(deux), 2021);
  EXPECT_EQ(entier(deux), 0);
  EXPECT_EQ(entier(nullptr), 0);
}

TEST(Nombres, RangesAndWrapping) {
  EXPECT_EQ(maxi(3, -4), 3);
  EXPECT_EQ(mini(3, -4), -4);
  EXPECT_EQ(maxi3(1, 9, 4), 9);
  EXPECT_TRUE(entre(10, 10, 20));
  EXPECT_TRUE(entre(20, 10, 20));
  EXPECT_FALSE(entre(21, 10, 20));
  EXPECT_TRUE(entre2(35, 10, 20, 30, 40));
  EXPECT_FALSE(entre2(25, 10, 20, 30, 40));

  EXPECT_EQ(borne(5, 10, 20), 10);
  EXPECT_EQ(borne(25, 10, 20), 20);
  EXPECT_EQ(borne(15, 10, 20), 15);

  struct Cas {
    std::int32_t a, lo, hi, attendu;
  } const cas[] = {
      {7, 1, 6, 1},      {0, 1, 6, 6},     {71, 65, 70, 65}, {3, 1, 6, 3},
      {-1000, 1, 6, 2},  {1000, 1, 6, 4},  {5, 5, 5, 5},     {9, 5, 5, 5},
      {int32min, 0, int32max, 0},
      {7, 6, 1, 7},  // an empty range leaves the value alone rather than looping forever
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(std::to_string(k.a) + " into " + std::to_string(k.lo) + ".." +
                 std::to_string(k.hi));
    EXPECT_EQ(boucle(k.a, k.lo, k.hi), k.attendu);
  }

  EXPECT_EQ(distance(1, 2, 4, -2), 7);
  EXPECT_EQ(distance(4, -2, 1, 2), 7);
}

TEST(Nombres, ArrondiHalvesAwayFromZero) {
  struct Cas {
    float x;
    std::int16_t attendu;
  } const cas[] = {
      {0.49f, 0},   {0.5f, 1},       {-0.5f, -1},      {2.5f, 3},        {-2.5f, -3},
      {1.4999f, 1}, {-7.6f, -8},     {1e9f, 32767},    {-1e9f, -32768},  {NAN, 0},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.x);
    EXPECT_EQ(arrondi(k.x), k.attendu);
  }
  EXPECT_FLOAT_EQ(radians(180.0f), 3.14159265f);
  EXPECT_FLOAT_EQ(radians(-90.0f), -1.57079633f);
}

TEST(Nombres, DecaleAndMiroir) {
  const Point decalages[] = {{0, 0}, {10, -5}, {-3, 7}};
  Point points[3];
  decale(decalages, points, 3, 100, -200);
  EXPECT_EQ(points[0], (Point{100, -200}));
  EXPECT_EQ(points[1], (Point{110, -205}));
  EXPECT_EQ(points[2], (Point{97, -193}));

  Point miroirs[3];
  miroir(points, miroirs, 3);
  EXPECT_EQ(miroirs[1], (Point{110, 205}));
  miroir(points, points, 2);  // in place
  EXPECT_EQ(points[0], (Point{100, 200}));
  EXPECT_EQ(points[2], (Point{97, -193}));  // beyond the count: untouched
}

TEST(Nombres, ZeroTests) {
  EXPECT_TRUE(non(0));
  EXPECT_FALSE(non(65536));
  EXPECT_TRUE(non16(65536));  // the low 16 bits are zero
  EXPECT_TRUE(oui(-1));
  EXPECT_FALSE(oui16(65536));
  EXPECT_TRUE(egal16(65537, 1));
  EXPECT_FALSE(egal16(2, 1));
}

TEST(Nombres, BuildDateConversion) {
  struct Cas {
    const char* build;
    const char* attendu;
  } const cas[] = {
      {"Feb  3 2021", "20210203"}, {"Dec 25 1999", "19991225"}, {"jan 31 2024", "20240131"},
      {"Sep 9 2030", "20300909"},  {"Xyz 1 2000", "20000001"},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.build);
    EXPECT_STREQ(convertitdate(k.build).texte(), k.attendu);
  }
}

TEST(Nombres, DatecompilationIsAPlausibleDateKeptOnce) {
  const char* d = datecompilation();
  ASSERT_EQ(std::strlen(d), 8u);
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(d[i] >= '0' && d[i] <= '9') << d;
  const std::string s = d;
  EXPECT_GE(std::stoi(s.substr(0, 4)), 2024);
  EXPECT_TRUE(entre(std::stoi(s.substr(4, 2)), 1, 12)) << d;
  EXPECT_TRUE(entre(std::stoi(s.substr(6, 2)), 1, 31)) << d;
  EXPECT_EQ(datecompilation(), d);
}

}  // namespace
}  // namespace tavlo
