// Tests of debrouille, and of brouille as its inverse.
#include "text/debrouille.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>
#include <string>

#include "brouille.h"
#include "text/internal/alphabet.h"

namespace tavlo {
namespace {

// Bytes outside the alphabet pass the substitution unchanged, so texts made of
// them show the two moving steps alone.
const std::string horsalphabet = "\x01\x02\x03\x04\x05\x06\x07\x08\t\x0B";

TEST(Debrouille, AlphabetAndImageArePermutationsOfNinetyBytes) {
  const std::string a = interne::alphabet();
  const std::string i = interne::imagealphabet();
  ASSERT_EQ(a.size(), 90u);
  EXPECT_EQ(std::set<char>(a.begin(), a.end()).size(), 90u);
  EXPECT_EQ(std::set<char>(i.begin(), i.end()), std::set<char>(a.begin(), a.end()));
  EXPECT_NE(a.find('\xE9'), std::string::npos);
  EXPECT_NE(a.find(' '), std::string::npos);
  for (char c : horsalphabet) EXPECT_EQ(a.find(c), std::string::npos);
  for (std::size_t k = 0; k < a.size(); ++k) EXPECT_NE(a[k], i[k]) << "byte " << k << " not disguised";
}

TEST(Debrouille, ShortTexts) {
  const std::string a = interne::alphabet();
  const std::string i = interne::imagealphabet();
  EXPECT_STREQ(debrouille(""), "");
  EXPECT_STREQ(debrouille(nullptr), "");
  // One byte: substitution only.
  EXPECT_EQ(std::string(debrouille(i.substr(7, 1).c_str())), a.substr(7, 1));
  EXPECT_STREQ(debrouille("\t"), "\t");
  // Two bytes: substituted and swapped, not half-reversed.
  EXPECT_STREQ(debrouille("\x01\x02"), "\x02\x01");
  const std::string deux = i.substr(3, 1) + i.substr(40, 1);
  EXPECT_EQ(std::string(debrouille(deux.c_str())), a.substr(40, 1) + a.substr(3, 1));
  // Three bytes: halves 1 and 2-3 reversed (1 32), then placed at 1, 0, 2.
  EXPECT_STREQ(debrouille("\x01\x02\x03"), "\x03\x01\x02");
  // Five bytes: halves 1-2 and 3-5 reversed (21 543), then placed at 1, 3, 0, 2, 4.
  EXPECT_STREQ(debrouille("\x01\x02\x03\x04\x05"), "\x05\x02\x04\x01\x03");
}

TEST(Debrouille, EachCallOverwritesTheSameBuffer) {
  const char* premier = debrouille("\x01\x02\x03\x04");
  const char* second = debrouille("\x05\x06");
  EXPECT_EQ(premier, second);
  EXPECT_STREQ(premier, "\x06\x05");
  // The previous result handed back as the argument is read before it is overwritten.
  const char* stocke = "Grille \xE9t\xE9";
  const std::string une = debrouille(stocke);
  const std::string deux = debrouille(une.c_str());
  EXPECT_EQ(std::string(debrouille(debrouille(stocke))), deux);
}

TEST(Debrouille, LongTextsAreUnscrambledWhole) {
  std::string clair;
  for (int k = 0; k < 400; ++k) clair += interne::alphabet()[k % 90];
  clair += "\t@[end]";
  Chaine stocke;
  brouille(clair.c_str(), stocke);
  ASSERT_EQ(std::strlen(stocke.texte()), clair.size());
  EXPECT_EQ(std::string(debrouille(stocke.texte())), clair);
  // Short texts still work after the buffer has grown.
  EXPECT_STREQ(debrouille("\x01\x02"), "\x02\x01");
}

TEST(Debrouille, BrouilleDisguisesPlainText) {
  Chaine c;
  brouille("Bravo, \xE9l\xE8ve !", c);
  EXPECT_STRNE(c.texte(), "Bravo, \xE9l\xE8ve !");
  EXPECT_STREQ(debrouille(c.texte()), "Bravo, \xE9l\xE8ve !");
  c.affecte("Grille");
  brouille(c.texte(), c);  // its own text as the source
  EXPECT_STREQ(debrouille(c.texte()), "Grille");
}

TEST(Debrouille, RoundTripsRandomTexts) {
  const std::string a = interne::alphabet();
  std::mt19937 alea(20240611);
  std::uniform_int_distribution<int> longueur(0, 300);
  std::uniform_int_distribution<int> octet(1, 255);
  std::uniform_int_distribution<int> lettre(0, 89);
  std::uniform_int_distribution<int> choix(0, 3);
  Chaine stocke;
  for (int essai = 0; essai < 2000; ++essai) {
    std::string clair;
    const int l = essai < 301 ? essai : longueur(alea);  // every length 0..300 at least once
    for (int k = 0; k < l; ++k) {
      // Mostly alphabet bytes, as real texts are, with any other byte mixed in.
      clair += choix(alea) != 0 ? a[static_cast<std::size_t>(lettre(alea))]
                                : static_cast<char>(octet(alea));
    }
    brouille(clair.c_str(), stocke);
    ASSERT_EQ(std::string(debrouille(stocke.texte())), clair) << "length " << l << ", try " << essai;
  }
}

}  // namespace
}  // namespace tavlo
