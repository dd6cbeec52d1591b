// Tests of lattice paths: the text grammar, normalisation against an oracle
// that knows only the step vectors, the two canonical texts and positions.
#include "geometry/chemin.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "oracle.h"

namespace tavlo {
namespace {

using geotest::Comptes;

Comptes comptes(const Chemin& c) {
  Comptes r{};
  for (int k = 0; k < 6; ++k) r[k] = c.compte(k);
  return r;
}

void fixecomptes(Chemin& c, const Comptes& n) {
  for (int k = 0; k < 6; ++k) c.fixecompte(k, static_cast<std::uint16_t>(n[k]));
}

TEST(Chemin, GrammaireDesTextes) {
  struct Cas {
    const char* texte;
    Comptes attendu;  // A..F
  };
  const Cas cas[] = {
      {"", {0, 0, 0, 0, 0, 0}},
      {"A3B", {3, 1, 0, 0, 0, 0}},
      {"BAAA", {3, 1, 0, 0, 0, 0}},
      {"A9A3", {12, 0, 0, 0, 0, 0}},
      {"A23", {4, 0, 0, 0, 0, 0}},       // each digit adds digit - 1
      {"FEDCBA", {1, 1, 1, 1, 1, 1}},    // read as written, not normalised
      {"AB:AF", {1, 1, 0, 0, 0, 0}},     // a cell name: the vertex part only
      {"A0B", {1, 0, 0, 0, 0, 0}},       // "0" ends the path
      {"Ab", {1, 0, 0, 0, 0, 0}},        // small letters end it too
      {"AG", {1, 0, 0, 0, 0, 0}},
      {"2A", {1, 0, 0, 0, 0, 0}},        // a digit with no letter before it
      {"X", {0, 0, 0, 0, 0, 0}},
  };
  for (const Cas& c : cas) {
    Chemin ch;
    ch.fixetexte(c.texte);
    EXPECT_EQ(comptes(ch), c.attendu) << '"' << c.texte << '"';
    EXPECT_TRUE(ch.estlu());
  }
  Chemin ch;
  ch.fixetexte(nullptr);
  EXPECT_EQ(comptes(ch), (Comptes{}));
}

TEST(Chemin, NormalisationDesCasDeBase) {
  struct Cas {
    Comptes avant;
    Comptes apres;
  };
  const Cas cas[] = {
      {{1, 0, 1, 0, 0, 0}, {0, 1, 0, 0, 0, 0}},  // A + C = B
      {{1, 0, 0, 1, 0, 0}, {0, 0, 0, 0, 0, 0}},  // A + D cancel
      {{1, 0, 1, 0, 1, 0}, {0, 0, 0, 0, 0, 0}},  // A + C + E = B + E = origin
      {{1, 0, 0, 0, 1, 0}, {0, 0, 0, 0, 0, 1}},  // A + E = F, wrapping past F
      {{0, 1, 0, 0, 0, 1}, {1, 0, 0, 0, 0, 0}},  // F + B = A
      {{1, 0, 1, 1, 0, 0}, {0, 0, 1, 0, 0, 0}},  // whichever pair goes first
      {{3, 2, 0, 0, 0, 0}, {3, 2, 0, 0, 0, 0}},  // already canonical
      {{5, 0, 2, 0, 0, 0}, {3, 2, 0, 0, 0, 0}},
      {{0, 7, 0, 0, 0, 7}, {7, 0, 0, 0, 0, 0}},
  };
  for (const Cas& c : cas) {
    Chemin ch;
    fixecomptes(ch, c.avant);
    ch.normalise();
    EXPECT_EQ(comptes(ch), c.apres);
    EXPECT_TRUE(ch.estnormal());
  }
}

// Any writing of any multiset of steps must reach the canonical path of the
// oracle's point: canonical shape plus equal doubled coordinates pin it down,
// since a lattice point has exactly one path of that shape.
TEST(Chemin, NormalisationIndependanteDeLOrdreDesPas) {
  std::mt19937 gen(20240611);
  std::map<std::pair<int, int>, std::string> noms;  // point -> canonical name
  std::map<std::string, std::pair<int, int>> points;
  for (int essai = 0; essai < 2000; ++essai) {
    const geotest::Tirage t = geotest::tire(gen, essai < 1000 ? 3 : 12);
    Chemin ch;
    ch.fixetexte(t.lettres.c_str());
    ASSERT_EQ(comptes(ch), t.comptes) << t.lettres;
    ch.normalise();
    const Comptes n = comptes(ch);
    ASSERT_TRUE(geotest::canonique(n)) << t.lettres;
    const Doublees attendu = geotest::oracle(t.comptes);
    ASSERT_EQ(geotest::oracle(n), attendu) << t.lettres;

    const std::string nom = ch.texteetendu();
    const std::pair<int, int> point{attendu.x, attendu.y};
    const auto [itn, nouveaun] = noms.emplace(point, nom);
    EXPECT_EQ(itn->second, nom) << "two names for one point, from " << t.lettres;
    const auto [itp, nouveaup] = points.emplace(nom, point);
    EXPECT_EQ(itp->second, point) << "one name for two points: " << nom;
  }
  EXPECT_GT(noms.size(), 100u) << "the draws should cover many points";
}

TEST(Chemin, TextesCanoniques) {
  struct Cas {
    Comptes n;
    const char* etendu;
    const char* compact;
  };
  const Cas cas[] = {
      {{0, 0, 0, 0, 0, 0}, "", ""},
      {{1, 0, 0, 0, 0, 0}, "A", "A"},
      {{9, 0, 0, 0, 0, 0}, "AAAAAAAAA", "A9"},
      {{10, 0, 0, 0, 0, 0}, "AAAAAAAAAA", "A9A"},
      {{12, 0, 0, 0, 0, 0}, "AAAAAAAAAAAA", "A9A3"},
      {{18, 0, 0, 0, 0, 0}, "AAAAAAAAAAAAAAAAAA", "A9A9"},
      {{3, 1, 0, 0, 0, 0}, "AAAB", "A3B"},
      {{1, 0, 0, 0, 0, 2}, "AFF", "AF2"},  // letters in A..F order, not by count
      {{0, 0, 0, 2, 1, 0}, "DDE", "D2E"},
      {{1, 0, 1, 0, 0, 0}, "B", "B"},      // texts are of the normalised path
  };
  for (const Cas& c : cas) {
    Chemin ch;
    fixecomptes(ch, c.n);
    EXPECT_STREQ(ch.texteetendu(), c.etendu);
    EXPECT_TRUE(ch.estetendu());
    EXPECT_FALSE(ch.estcompact());
    EXPECT_STREQ(ch.textecompact(), c.compact);
    EXPECT_TRUE(ch.estcompact());
    EXPECT_FALSE(ch.estetendu());
    EXPECT_STREQ(ch.texteetendu(), c.etendu) << "the cache switches back";
  }
}

TEST(Chemin, LeTexteEnCacheSuitLesComptes) {
  Chemin ch;
  ch.fixetexte("AA");
  EXPECT_STREQ(ch.textecompact(), "A2");
  ch.fixecompte(1, 1);
  EXPECT_FALSE(ch.estcompact());
  EXPECT_STREQ(ch.textecompact(), "A2B");
  ch.fixetexte("DD");
  EXPECT_FALSE(ch.estnormal());
  EXPECT_STREQ(ch.textecompact(), "D2");
  // Reading the cached text back into the same path.
  ch.fixetexte(ch.texteetendu());
  EXPECT_STREQ(ch.texteetendu(), "DD");
  ch.efface();
  EXPECT_STREQ(ch.texteetendu(), "");
}

// Both canonical texts, and the raw shuffled writing, name one pixel at any
// angle; a vertex offset rounded on its own would break this.
TEST(Chemin, TextesEtPositionsConcordent) {
  std::mt19937 gen(7);
  const int angles[] = {0, 17, 45, 90, 200};
  for (int a : angles) {
    for (int essai = 0; essai < 200; ++essai) {
      const geotest::Tirage t = geotest::tire(gen, 8);
      Chemin brut;
      brut.fixe(40, static_cast<std::int16_t>(a));
      brut.fixetexte(t.lettres.c_str());
      const int x = brut.x();
      const int y = brut.y();
      Chemin ch;
      ch.fixe(40, static_cast<std::int16_t>(a));
      ch.fixetexte(t.lettres.c_str());
      const std::string etendu = ch.texteetendu();
      const std::string compact = ch.textecompact();
      for (const std::string& s : {etendu, compact}) {
        Chemin relu;
        relu.fixe(40, static_cast<std::int16_t>(a));
        relu.fixetexte(s.c_str());
        EXPECT_EQ(comptes(relu), comptes(ch)) << s;
        EXPECT_EQ(relu.x(), x) << s << " angle " << a;
        EXPECT_EQ(relu.y(), y) << s << " angle " << a;
        EXPECT_EQ(doublees(s.c_str()), geotest::oracle(t.comptes)) << s;
      }
    }
  }
}

TEST(Chemin, PositionDuPointEtDesCases) {
  Chemin ch;
  ch.fixe(40, 0);
  ch.fixetexte("A3B");
  EXPECT_EQ(ch.x(), 140);
  EXPECT_EQ(ch.y(), 35);
  EXPECT_EQ(ch.xcase(true), 160);
  EXPECT_EQ(ch.ycase(true), 46);
  EXPECT_EQ(ch.xcase(false), 160);
  EXPECT_EQ(ch.ycase(false), 24);
  ch.fixetexte("DE");
  EXPECT_EQ(ch.x(), -60);
  EXPECT_EQ(ch.y(), -35);
}

}  // namespace
}  // namespace tavlo
