// Tests of Chaine: ownership, building operations, aliasing, comma fields.
#include "text/chaine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace tavlo {
namespace {

TEST(Chaine, NewIsEmptyAndNeverNull) {
  Chaine c;
  ASSERT_NE(c.texte(), nullptr);
  EXPECT_EQ(c.texte()[0], 0);
  EXPECT_EQ(c.longueur(), 0);
  EXPECT_TRUE(c.estvide());
  EXPECT_FALSE(c.nonvide());

  c.affecte("x");
  c.vide();
  ASSERT_NE(c.texte(), nullptr);
  EXPECT_TRUE(c.estvide());
}

TEST(Chaine, NullArgumentsCountAsEmpty) {
  Chaine c("ab");
  c.ajoute(nullptr);
  EXPECT_STREQ(c.texte(), "ab");
  c.ajoute3(nullptr, "c", nullptr);
  EXPECT_STREQ(c.texte(), "abc");
  c.affecte2(nullptr, "z");
  EXPECT_STREQ(c.texte(), "z");
  c.affecte(nullptr);
  EXPECT_STREQ(c.texte(), "");
  Chaine d(nullptr);
  EXPECT_STREQ(d.texte(), "");
}

TEST(Chaine, ConcatenationsBuildInOrder) {
  Chaine c;
  c.affecte3("a", "bc", "d");
  EXPECT_STREQ(c.texte(), "abcd");
  c.ajoute2("e", "f");
  EXPECT_STREQ(c.texte(), "abcdef");
  c.ajoute3("1", "", "2");
  EXPECT_STREQ(c.texte(), "abcdef12");
}

// The building operations read their arguments before freeing the old buffer,
// so the target's own text may be passed to them.
TEST(Chaine, ArgumentsMayPointIntoTheTarget) {
  Chaine c("ab");
  c.ajoute(c.texte());
  EXPECT_STREQ(c.texte(), "abab");

  c.affecte(c.texte() + 1);
  EXPECT_STREQ(c.texte(), "bab");

  c.affecte3(c.texte(), "-", c.texte());
  EXPECT_STREQ(c.texte(), "bab-bab");

  c.affecte("ab");
  c.remplace("a", c.texte());
  EXPECT_STREQ(c.texte(), "abb");

  c.affecte("#/#");
  c.numerote(c.texte(), 4);
  EXPECT_STREQ(c.texte(), "4/#");

  c = c;
  EXPECT_STREQ(c.texte(), "4/#");
}

TEST(Chaine, CopiesAreDeep) {
  Chaine a("abc");
  Chaine b(a);
  Chaine d;
  d = a;
  b.texte()[0] = 'X';
  d.ajoute("!");
  EXPECT_STREQ(a.texte(), "abc");
  EXPECT_STREQ(b.texte(), "Xbc");
  EXPECT_STREQ(d.texte(), "abc!");
  EXPECT_NE(a.texte(), b.texte());
}

TEST(Chaine, PrendAdoptsTheBufferItself) {
  Chaine c("old");
  char* p = copietexte("new");
  c.prend(p);
  EXPECT_EQ(c.texte(), p);
  EXPECT_STREQ(c.texte(), "new");
  c.prend(c.texte());  // adopting its own buffer must not free it
  EXPECT_STREQ(c.texte(), "new");
}

TEST(Chaine, EgaleFoldsOnlyPlainLetters) {
  struct Cas {
    const char* a;
    const char* b;
    bool egal;
  } const cas[] = {
      {"Abc", "aBC", true},   {"ab", "abc", false},         {"abc", "ab", false},
      {"", "", true},         {"\xE9", "\xC9", false},  // e acute and E acute differ
      {"a1-", "A1-", true},   {"[", "{", false},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(std::string(k.a) + " / " + k.b);
    EXPECT_EQ(Chaine(k.a).egale(k.b), k.egal);
  }
}

TEST(Chaine, Numerote) {
  struct Cas {
    const char* modele;
    std::int16_t n;
    const char* attendu;
  } const cas[] = {
      {"Grid #", 12, "Grid 12"}, {"##", 5, "5#"},       {"none", 5, "none"},
      {"#", -3, "-3"},           {"#", 0, "0"},         {"[#]", -32768, "[-32768]"},
      {"", 7, ""},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.modele);
    Chaine c("previous");
    c.numerote(k.modele, k.n);
    EXPECT_STREQ(c.texte(), k.attendu);
  }
  Chaine c;
  c.numerote2("Grid #/#", 3, 40);
  EXPECT_STREQ(c.texte(), "Grid 3/40");
}

TEST(Chaine, RepetePlageCompletea) {
  Chaine c("x");
  c.repete(3, "ab");
  EXPECT_STREQ(c.texte(), "ababab");
  c.repete(0, "ab");
  EXPECT_STREQ(c.texte(), "");
  c.affecte("x");
  c.repete(-1, "ab");
  EXPECT_STREQ(c.texte(), "");

  c.plage('a', 'e');
  EXPECT_STREQ(c.texte(), "abcde");
  c.plage('e', 'a');
  EXPECT_STREQ(c.texte(), "edcba");
  c.plage('x', 'x');
  EXPECT_STREQ(c.texte(), "x");
  c.plage(0xFD, 0xFF);  // bytes above 127 count as unsigned codes
  EXPECT_STREQ(c.texte(), "\xFD\xFE\xFF");

  c.affecte("ab");
  c.completea(5);
  EXPECT_STREQ(c.texte(), "ab   ");
  c.affecte("abcdef");
  c.completea(3);
  EXPECT_STREQ(c.texte(), "abcdef");
  c.completea(-4);
  EXPECT_STREQ(c.texte(), "abcdef");
}

TEST(Chaine, AgranditLeavesRoomToWriteInPlace) {
  Chaine c("ab");
  c.agrandit(3);
  EXPECT_STREQ(c.texte(), "ab");
  // Under AddressSanitizer, writing past the promised room would fail here.
  std::memcpy(c.texte() + 2, "cde", 3);
  c.texte()[5] = 0;
  EXPECT_STREQ(c.texte(), "abcde");
  EXPECT_EQ(c.longueur(), 5);
}

TEST(Chaine, Preleve) {
  const std::string source(130, 'x');
  struct Cas {
    std::string tampon;
    std::int16_t n;
    std::size_t pris;
    std::size_t reste;
  } const cas[] = {
      {source, 60, 60, 70},
      {"0123456789", 60, 10, 0},
      {"0123456789", 0, 0, 10},
      {"0123456789", -5, 0, 10},
      {"", 3, 0, 0},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.n);
    std::string tampon = k.tampon;
    Chaine c("old");
    c.preleve(tampon.data(), k.n);
    EXPECT_EQ(std::strlen(c.texte()), k.pris);
    EXPECT_EQ(std::strlen(tampon.c_str()), k.reste);
    // What was taken and what is left still read as the original text.
    EXPECT_EQ(std::string(c.texte()) + tampon.c_str(), k.tampon);
  }
}

TEST(Chaine, ExtraitchampWalksACommaText) {
  char tampon[] = "  7 , 12,,x";
  const char* attendus[] = {"7", "12", "", "x"};
  Chaine champ;
  for (const char* attendu : attendus) {
    ASSERT_NE(tampon[0], 0) << "ended early, before " << attendu;
    champ.extraitchamp(tampon);
    EXPECT_STREQ(champ.texte(), attendu);
  }
  EXPECT_STREQ(tampon, "");
}

TEST(Chaine, ExtraitchampEdges) {
  struct Cas {
    const char* tampon;
    const char* champ;
    const char* reste;
  } const cas[] = {
      {"abc", "abc", ""},   {",x", "", "x"},       {"", "", ""},
      {"a,", "a", ""},      {" a b ,  c d ", "a b", "c d "},
      {"   ", "", ""},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.tampon);
    std::string tampon = k.tampon;
    Chaine champ("old");
    champ.extraitchamp(tampon.data());
    EXPECT_STREQ(champ.texte(), k.champ);
    EXPECT_STREQ(tampon.c_str(), k.reste);
  }
}

TEST(Chaine, ExtraitchampmajFoldsPlainLettersOnly) {
  char tampon[] = " ab\xE9z , rest";
  Chaine champ;
  champ.extraitchampmaj(tampon);
  EXPECT_STREQ(champ.texte(), "AB\xE9Z");
  EXPECT_STREQ(tampon, "rest");
}

TEST(Chaine, Remplace) {
  struct Cas {
    const char* texte;
    const char* motif;
    const char* par;
    const char* tous;   // remplace
    const char* un;     // remplace1
  } const cas[] = {
      {"banana", "a", "aa", "baanaanaa", "baanana"},  // inserted text is not searched
      {"aAbB", "ab", "X", "aXB", "aXB"},              // found ignoring case
      {"axbxc", "x", "", "abc", "abxc"},
      {"abc", "", "X", "abc", "abc"},                 // empty pattern: unchanged
      {"abc", "zz", "X", "abc", "abc"},
      {"aaaa", "aa", "b", "bb", "baa"},               // occurrences do not overlap
      {"abc", "abc", "", "", ""},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(std::string(k.texte) + " " + k.motif + " -> " + k.par);
    Chaine c(k.texte);
    c.remplace(k.motif, k.par);
    EXPECT_STREQ(c.texte(), k.tous);
    c.affecte(k.texte);
    c.remplace1(k.motif, k.par);
    EXPECT_STREQ(c.texte(), k.un);
  }
}

// Lengths are never held in 16 bits: a file line may be arbitrarily long.
TEST(Chaine, TextsLongerThan16BitsKeepWorking) {
  std::string longue(70000, 'a');
  longue += ",end";
  Chaine c(longue.c_str());
  EXPECT_EQ(c.longueur(), 70004);
  c.remplace("a", "bb");
  EXPECT_EQ(c.longueur(), 140004);
  Chaine champ;
  champ.extraitchamp(c.texte());
  EXPECT_EQ(std::strlen(champ.texte()), 140000u);
  EXPECT_STREQ(c.texte(), "end");
}

}  // namespace
}  // namespace tavlo
