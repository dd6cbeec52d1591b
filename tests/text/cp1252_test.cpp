// Windows-1252 to UTF-8 and back.
#include "text/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace tavlo {
namespace {

TEST(Cp1252, VersUtf8) {
  struct Cas {
    std::string w, u;
  };
  const Cas cas[] = {
      {"abc", "abc"},
      {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},              // été
      {"\x80", "\xE2\x82\xAC"},                          // euro sign
      {"\x9C\x9F", "\xC5\x93\xC5\xB8"},                  // œ Ÿ
      {"\xAE\xFF", "\xC2\xAE\xC3\xBF"},                  // ® ÿ
      {"\x81", "\xC2\x81"},                              // unassigned: C1 control
      {std::string("a\0b", 3), std::string("a\0b", 3)},  // every byte counts
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(versutf8(c.w), c.u);
    EXPECT_EQ(depuisutf8(c.u), c.w);
  }
  EXPECT_EQ(versutf8("xyz", -1), "");
  EXPECT_EQ(versutf8(nullptr, 3), "");
}

TEST(Cp1252, ChaqueOctetFaitLAllerRetour) {
  std::string tous;
  for (int b = 0; b < 256; ++b) tous += static_cast<char>(b);
  EXPECT_EQ(depuisutf8(versutf8(tous)), tous);
}

TEST(Cp1252, CeQuiManqueDevientLeRemplacement) {
  EXPECT_EQ(depuisutf8("\xE2\x9C\x93 ok"), "? ok");           // U+2713, not in the code page
  EXPECT_EQ(depuisutf8("\xF0\x9F\x98\x80", '_'), "_");       // outside the BMP
  EXPECT_EQ(depuisutf8("a\xC3"), "a?");                      // cut short
  EXPECT_EQ(depuisutf8("\xC3(x"), "?(x");                    // bad continuation
  EXPECT_EQ(depuisutf8("\xC0\x80"), "??");                   // overlong zero
  EXPECT_EQ(depuisutf8("\xA9"), "?");                        // a lone continuation byte
}

}  // namespace
}  // namespace tavlo
