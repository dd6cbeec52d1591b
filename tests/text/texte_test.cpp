// Tests of the plain-text utilities.
#include "text/texte.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tavlo {
namespace {

TEST(Texte, LengthAndEmptiness) {
  EXPECT_EQ(longueurtexte(nullptr), 0u);
  EXPECT_EQ(longueurtexte(""), 0u);
  EXPECT_EQ(longueurtexte("ab\xE9"), 3u);
  EXPECT_TRUE(estvidetexte(""));
  EXPECT_FALSE(estvidetexte(" "));
  EXPECT_TRUE(nonvidetexte("x"));
  EXPECT_FALSE(nonvidetexte(""));
  char t[] = "abc";
  videtexte(t);
  EXPECT_STREQ(t, "");
}

TEST(Texte, Searching) {
  struct Cas {
    const char* texte;
    const char* motif;
    int exacte;
    int majuscule;
  } const cas[] = {
      {"abcb", "b", 2, 2},      {"abc", "B", 0, 2},      {"abc", "", 0, 0},
      {"", "", 0, 0},           {"ab", "abc", 0, 0},     {"xabab", "ab", 2, 2},
      {"abc", "abc", 1, 1},     {"aaab", "aab", 2, 2},   {"\xE9t\xE9", "\xC9", 0, 0},
      {"path/name", "/n", 5, 5},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(std::string(k.texte) + " / " + k.motif);
    EXPECT_EQ(position(k.texte, k.motif), k.exacte);
    EXPECT_EQ(positionmaj(k.texte, k.motif), k.majuscule);
    EXPECT_EQ(contient(k.texte, k.motif), k.exacte > 0);
    EXPECT_EQ(contientmaj(k.texte, k.motif), k.majuscule > 0);
  }
  EXPECT_EQ(derniere("a/b/c", '/'), 4);
  EXPECT_EQ(derniere("abc", '/'), 0);
  EXPECT_EQ(derniere("abc", 0), 0);
  EXPECT_EQ(position(nullptr, "a"), 0);
}

TEST(Texte, CommenceAndFinit) {
  struct Cas {
    const char* texte;
    const char* partie;
    bool commence;
    bool finit;
  } const cas[] = {
      {"  Lng=1", "lng=", true, false},
      {"ab", "abc", false, false},
      {"abc", "", true, false},  // an empty prefix always matches, an empty suffix never
      {"", "", true, false},
      {"file.TXT", ".txt", false, true},
      {"abc", "ABC", true, true},
      {"  ab", "  ab", false, true},  // the text's spaces are skipped, the prefix's are not
      {"x", " x", false, false},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(std::string("[") + k.texte + "] [" + k.partie + "]");
    EXPECT_EQ(commence(k.texte, k.partie), k.commence);
    EXPECT_EQ(finit(k.texte, k.partie), k.finit);
  }
}

TEST(Texte, CompareGivesTheListOrder) {
  struct Cas {
    const char* a;
    const char* b;
    int code;
  } const cas[] = {
      {"abc", "ABD", 2}, {"b", "A", 1},     {"ab", "AB", 0},  {"ab", "abc", 2},
      {"abc", "ab", 1},  {"", "", 0},       {"9", "a", 2},    // digits before letters
      {"\xE9", "z", 1},  // accented letters after plain ones: bytes compare unsigned
      {"_", "a", 1},     // a folds to A, which sorts before '_'; folding is not lower-casing
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(std::string(k.a) + " / " + k.b);
    EXPECT_EQ(compare(k.a, k.b), k.code);
    EXPECT_EQ(egalemaj(k.a, k.b), k.code == 0);
  }
}

using Edition = std::function<void(char*)>;

struct CasEdition {
  const char* nom;
  Edition edite;
  const char* avant;
  const char* apres;
};

void verifie(const std::vector<CasEdition>& cas) {
  for (const CasEdition& k : cas) {
    SCOPED_TRACE(std::string(k.nom) + " on [" + k.avant + "]");
    // Exactly sized: the sanitizer catches any write past the text.
    std::vector<char> tampon(k.avant, k.avant + std::string(k.avant).size() + 1);
    k.edite(tampon.data());
    EXPECT_STREQ(tampon.data(), k.apres);
  }
}

TEST(Texte, TrimsAndCuts) {
  verifie({
      {"otespacesdebut", otespacesdebut, "  a b  ", "a b  "},
      {"otespacesfin", otespacesfin, "  a b  ", "  a b"},
      {"otespaces", otespaces, "  a b  ", "a b"},
      {"otespaces", otespaces, "   ", ""},
      {"otespaces keeps tabs", otespaces, "\ta\t", "\ta\t"},
      {"supprimedebut 2", [](char* s) { supprimedebut(s, 2); }, "abcdef", "cdef"},
      {"supprimedebut 10", [](char* s) { supprimedebut(s, 10); }, "abcdef", ""},
      {"supprimedebut 6", [](char* s) { supprimedebut(s, 6); }, "abcdef", ""},
      {"supprimedebut 0", [](char* s) { supprimedebut(s, 0); }, "abcdef", "abcdef"},
      {"supprimedebut -1", [](char* s) { supprimedebut(s, -1); }, "abcdef", "abcdef"},
      {"supprimefin 2", [](char* s) { supprimefin(s, 2); }, "abcdef", "abcd"},
      {"supprimefin 10", [](char* s) { supprimefin(s, 10); }, "abcdef", ""},
      {"supprimefin -1", [](char* s) { supprimefin(s, -1); }, "abcdef", "abcdef"},
      {"tronque 3", [](char* s) { tronque(s, 3); }, "abcdef", "abc"},
      {"tronque 10", [](char* s) { tronque(s, 10); }, "abcdef", "abcdef"},
      {"tronque 0", [](char* s) { tronque(s, 0); }, "abcdef", ""},
      {"otechamps 2", [](char* s) { otechamps(s, 2); }, "a,b,c", "c"},
      {"otechamps 3", [](char* s) { otechamps(s, 3); }, "a,b,c", ""},
      {"otechamps 0", [](char* s) { otechamps(s, 0); }, "a,b,c", "a,b,c"},
      {"otechamps 1", [](char* s) { otechamps(s, 1); }, ",b", "b"},
  });
}

TEST(Texte, ByteEdits) {
  verifie({
      {"otecar", [](char* s) { otecar(s, 'a'); }, "banana", "bnn"},
      {"changecar", [](char* s) { changecar(s, ' ', ','); }, "Feb  3", "Feb,,3"},
      {"traduit", [](char* s) { traduit(s, "AB", "xy"); }, "ABBA", "xyyx"},
      {"traduit shorter target", [](char* s) { traduit(s, "AB", "x"); }, "ABBA", "xBBx"},
      {"traduit first match wins", [](char* s) { traduit(s, "AA", "12"); }, "BAB", "B1B"},
      {"traduit empty set", [](char* s) { traduit(s, "", "x"); }, "ab", "ab"},
      {"majuscules", majuscules, "az\xE9{`@", "AZ\xE9{`@"},
      {"inverse", inverse, "abc", "cba"},
      {"inverse empty", inverse, "", ""},
      {"inverseplage 2-4", [](char* s) { inverseplage(s, 2, 4); }, "abcde", "adcbe"},
      {"inverseplage whole", [](char* s) { inverseplage(s, 1, 5); }, "abcde", "edcba"},
      {"inverseplage a=0", [](char* s) { inverseplage(s, 0, 3); }, "abcde", "abcde"},
      {"inverseplage b past end", [](char* s) { inverseplage(s, 2, 6); }, "abcde", "abcde"},
      {"inverseplage b<a", [](char* s) { inverseplage(s, 4, 2); }, "abcde", "abcde"},
      {"inverseplage short", [](char* s) { inverseplage(s, 1, 1); }, "a", "a"},
      {"triecar", triecar, "FDBA", "ABDF"},
      {"triecar signed", triecar, "za\xE9", "\xE9" "az"},  // bytes above 127 come first
  });
}

TEST(Texte, Oteprefixe) {
  struct Cas {
    const char* texte;
    const char* prefixe;
    bool ote;
    const char* apres;
  } const cas[] = {
      {"  Lng=1", "lng=", true, "1"},
      {"lng=  1 ", "LNG=", true, "1 "},
      {"lng", "lng=", false, "lng"},
      {"abc", "", false, "abc"},
      {"xlng=1", "lng=", false, "xlng=1"},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.texte);
    std::string t = k.texte;
    EXPECT_EQ(oteprefixe(t.data(), k.prefixe), k.ote);
    EXPECT_STREQ(t.c_str(), k.apres);
  }
}

TEST(Texte, RemplacedansGrowsWithinTheBuffer) {
  char tampon[10] = "banana";  // exactly room for "baanaanaa"
  remplacedans(tampon, 999, "A", "aa");
  EXPECT_STREQ(tampon, "baanaanaa");

  char un[10] = "banana";
  remplacedans(un, 1, "a", "aa");
  EXPECT_STREQ(un, "baanana");

  char zero[10] = "banana";
  remplacedans(zero, 0, "a", "aa");
  EXPECT_STREQ(zero, "banana");

  char vide[10] = "banana";
  remplacedans(vide, 999, "", "x");
  EXPECT_STREQ(vide, "banana");
}

TEST(Texte, RemplacesurNeverGrows) {
  struct Cas {
    const char* texte;
    std::int16_t n;
    const char* motif;
    const char* par;
    const char* apres;
  } const cas[] = {
      {"Value zukv.", 1, "zukv", "12345", "Value zukv."},
      {"Value ZUKV.", 1, "zukv", "12", "Value 12."},
      {"a///b", 999, "//", "/", "a//b"},  // one pass; callers repeat while found
      {"a..b..c", 999, "..", ".", "a.b.c"},
      {"xax", 999, "x", "", "a"},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.texte);
    std::vector<char> t(k.texte, k.texte + std::string(k.texte).size() + 1);
    remplacesur(t.data(), k.n, k.motif, k.par);
    EXPECT_STREQ(t.data(), k.apres);
  }
}

TEST(Texte, Assemble) {
  char t[32];
  assemble2(t, "ab", "cd");
  EXPECT_STREQ(t, "abcd");
  assemble3(t, "a", nullptr, "c");
  EXPECT_STREQ(t, "ac");
  assemble4(t, "1", "2", "3", "4");
  EXPECT_STREQ(t, "1234");
  assemble5(t, t, "5", "6", "", "7");  // the buffer itself as the first text appends
  EXPECT_STREQ(t, "1234567");
}

TEST(Texte, CharacterTests) {
  EXPECT_TRUE(estchiffre('0'));
  EXPECT_TRUE(estchiffre('9'));
  EXPECT_FALSE(estchiffre('a'));
  EXPECT_FALSE(estchiffre('/'));

  EXPECT_TRUE(dansplages('q', "AZaz09"));
  EXPECT_TRUE(dansplages('5', "AZaz09"));
  EXPECT_FALSE(dansplages('_', "AZaz09"));
  EXPECT_FALSE(dansplages('\xE9', "AZaz09"));
  // Signed bytes: e acute is negative, so it lies in "\x80\xFF" and below 'z'.
  EXPECT_TRUE(dansplages('\xE9', "\x80\xFF"));
  EXPECT_TRUE(dansplages('a', "\xE9z"));
  EXPECT_FALSE(dansplages('a', "A"));  // an unpaired last byte is no range

  for (char c : std::string("09afAF")) EXPECT_TRUE(esthexa(c)) << c;
  for (char c : std::string("gG/:@`")) EXPECT_FALSE(esthexa(c)) << c;
  for (char c : std::string("afAF")) EXPECT_TRUE(esthexalettre(c)) << c;
  for (char c : std::string("09gG")) EXPECT_FALSE(esthexalettre(c)) << c;

  EXPECT_EQ(majuscule('a'), 'A');
  EXPECT_EQ(majuscule('z'), 'Z');
  EXPECT_EQ(majuscule('A'), 'A');
  EXPECT_EQ(majuscule('\xE9'), '\xE9');
  EXPECT_EQ(majuscule('{'), '{');
}

TEST(Texte, TranslationTables) {
  TableCar t;
  tableidentite(t);
  EXPECT_EQ(t[0], 0);
  EXPECT_EQ(t['A' + 1], 'A');
  EXPECT_EQ(t[256], 255);

  tabledefinit(t, "ABCDEF", "BCDEFA");
  EXPECT_EQ(t[0], 0);
  char face[] = "FACE";
  tableapplique(t, face);
  EXPECT_STREQ(face, "ABDF");

  const TableCar avant = t;
  tabledefinit(t, "ABC", "AB");
  tabledefinit(t, "", "");
  EXPECT_EQ(t, avant);

  // Bytes above 127 index as unsigned values; a control byte in a pair sets the flag.
  tabledefinit(t, "\xE9\t", "e ");
  EXPECT_EQ(t[0], 1);
  char mot[] = "\xE9t\xE9\t";
  tableapplique(t, mot);
  EXPECT_STREQ(mot, "ete ");

  // The lattice direction letters, small ones folded at the same time.
  TableCar d;
  tableidentite(d);
  tabledefinit(d, "ABCDEF-abcdef", "DCBAFE-DCBAFE");
  char chemin[] = "AbF-x";
  tableapplique(d, chemin);
  EXPECT_STREQ(chemin, "DCE-x");
}

}  // namespace
}  // namespace tavlo
