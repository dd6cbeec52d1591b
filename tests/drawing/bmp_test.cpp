// The BMP reader on files built here byte by byte: every RLE8 code, plain
// 8-bit rows, clipping, and truncated or corrupt files read as nothing.
#include "drawing/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "bmpfaits.h"

namespace tavlo {
namespace {

using bmptest::Fichier;
using Octets = std::vector<std::uint8_t>;

// The colour of palette entry i in the files of bmpfaits.h.
Couleur c(int i) { return rvb(static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 16), 0x40); }

bool lit(const Octets& o, PixelsBmp& p) { return litbmp(o, p); }

TEST(Bmp, Rle8ChaqueCode) {
  // 6 x 4, bottom row first.
  Fichier f{6, 4};
  f.donnees = {
      3, 1,                  // row 0: run of three 1s
      0, 3, 2, 3, 4, 0,      //        literal 2 3 4, padded to even length
      0, 0,                  // end of line
      0, 4, 5, 6, 7, 5,      // row 1: literal of even length, no padding
      0, 2, 1, 1,            //        delta: right 1, up 1 -> (5, 2)
      1, 7,                  // row 2: one 7 at x = 5
      0, 0,                  // end of line -> row 3
      2, 9,                  // row 3: 9 9
      0, 1,                  // end of bitmap: the rest keeps entry 0
  };
  PixelsBmp p;
  ASSERT_TRUE(lit(f.octets(), p));
  ASSERT_EQ(p.largeur, 6);
  ASSERT_EQ(p.hauteur, 4);
  const std::vector<Couleur> attendu = {
      c(9), c(9), c(0), c(0), c(0), c(0),  // top row: row 3
      c(0), c(0), c(0), c(0), c(0), c(7),  // row 2
      c(5), c(6), c(7), c(5), c(0), c(0),  // row 1
      c(1), c(1), c(1), c(2), c(3), c(4),  // bottom row: row 0
  };
  EXPECT_EQ(p.pixels, attendu);
}

TEST(Bmp, Rle8DecoupeAuBordSansDebordement) {
  Fichier f{4, 2};
  f.donnees = {
      255, 1,           // run far past the row end: clipped
      0, 5, 2, 2, 2, 2, 2, 0,  // literal from x = 255: dropped
      0, 2, 255, 255,   // delta far outside
      0, 0, 0, 0, 0, 0, // end of line past the last row
      9, 3,             // beyond the picture: dropped
      0, 1,
  };
  PixelsBmp p;
  ASSERT_TRUE(lit(f.octets(), p));
  EXPECT_EQ(p.pixels, (std::vector<Couleur>{c(0), c(0), c(0), c(0), c(1), c(1), c(1), c(1)}));
}

TEST(Bmp, HuitBitsNonCompresses) {
  // Width 3: each row is padded to 4 bytes.
  for (const bool duhaut : {false, true}) {
    Fichier f{3, duhaut ? -2 : 2};
    f.compression = 0;
    f.donnees = {1, 2, 3, 0xEE, 4, 5, 6, 0xEE};
    PixelsBmp p;
    ASSERT_TRUE(lit(f.octets(), p)) << duhaut;
    EXPECT_EQ(p.hauteur, 2);
    const std::vector<Couleur> basenhaut = {c(4), c(5), c(6), c(1), c(2), c(3)};
    const std::vector<Couleur> hautenbas = {c(1), c(2), c(3), c(4), c(5), c(6)};
    EXPECT_EQ(p.pixels, duhaut ? hautenbas : basenhaut) << duhaut;
  }
}

TEST(Bmp, IndiceHorsPaletteDonneNoir) {
  Fichier f{2, 1};
  f.nbcouleurs = 4;
  f.donnees = {1, 3, 1, 200, 0, 1};
  PixelsBmp p;
  ASSERT_TRUE(lit(f.octets(), p));
  EXPECT_EQ(p.pixels, (std::vector<Couleur>{c(3), 0}));
}

// Every proper prefix of a valid file is truncated, whether or not the file
// header gives the file's size: the size check, the end-of-bitmap mark or
// the row count must catch it.
TEST(Bmp, FichierTronqueLuCommeAbsent) {
  Fichier rle{6, 3};
  rle.donnees = {3, 1, 0, 3, 2, 3, 4, 0, 0, 0, 0, 2, 2, 1, 2, 2, 0, 1};
  Fichier brut{3, 2};
  brut.compression = 0;
  brut.donnees = {1, 2, 3, 0, 4, 5, 6, 0};
  for (Fichier* f : {&rle, &brut}) {
    for (const bool taillefichier : {true, false}) {
      f->taillefichier = taillefichier;
      f->tailleimage = taillefichier ? -1 : 0;
      const Octets complet = f->octets();
      PixelsBmp p;
      ASSERT_TRUE(lit(complet, p));
      for (std::size_t n = 0; n < complet.size(); ++n) {
        const Octets coupe(complet.begin(), complet.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_FALSE(lit(coupe, p)) << n << " of " << complet.size();
        EXPECT_TRUE(p.pixels.empty());
        EXPECT_EQ(p.largeur, 0);
      }
    }
  }
}

TEST(Bmp, EntetesRefusees) {
  struct Cas {
    const char* quoi;
    void (*change)(Fichier&);
  } const cas[] = {
      {"not BM", [](Fichier& f) { f.magique = 'X'; }},
      {"24 bits", [](Fichier& f) { f.bits = 24; }},
      {"RLE4", [](Fichier& f) { f.compression = 2; }},
      {"core header", [](Fichier& f) { f.tailleinfo = 12; }},
      {"info header past the end", [](Fichier& f) { f.tailleinfo = 100000; }},
      {"width 0", [](Fichier& f) { f.largeur = 0; }},
      {"negative width", [](Fichier& f) { f.largeur = -4; }},
      {"height 0", [](Fichier& f) { f.hauteur = 0; }},
      {"width over 16 bits", [](Fichier& f) { f.largeur = 40000; }},
      {"over 64 M pixels", [](Fichier& f) { f.largeur = 30000; f.hauteur = 3000; }},
      {"RLE8 from the top", [](Fichier& f) { f.hauteur = -2; }},
      {"300 colours", [](Fichier& f) { f.nbcouleurs = 300; f.ecritpalette = 256; }},
      {"pixels past the end", [](Fichier& f) { f.decalage = 0x7FFFFFFF; }},
      {"image size past the end", [](Fichier& f) { f.tailleimage = 1000; }},
      {"no end-of-bitmap mark", [](Fichier& f) { f.donnees = {2, 1, 0, 0, 2, 1, 0, 0}; }},
  };
  for (const auto& k : cas) {
    Fichier f{2, 2};
    f.donnees = {2, 1, 0, 0, 2, 1, 0, 1};
    PixelsBmp p;
    ASSERT_TRUE(lit(f.octets(), p)) << "base";
    k.change(f);
    EXPECT_FALSE(lit(f.octets(), p)) << k.quoi;
    EXPECT_TRUE(p.pixels.empty()) << k.quoi;
  }
}

// Random damage to a valid file: whatever the reader makes of it, it stays
// inside the buffer (the sanitizers watch) and a picture it accepts is whole.
TEST(Bmp, OctetsAbimesSansDebordement) {
  Fichier f{16, 8};
  f.nbcouleurs = 16;
  f.donnees = {16, 1, 0, 0, 0, 5, 1, 2, 3, 4, 5, 0, 0, 2, 3, 2, 4, 7, 0, 0, 0, 16, 1, 2, 3, 4, 5, 6, 7, 8,
               9, 10, 11, 12, 13, 14, 15, 0, 0, 1};
  const Octets base = f.octets();
  std::mt19937 gen(12345);
  int acceptes = 0;
  for (int essai = 0; essai < 3000; ++essai) {
    Octets o = base;
    const int n = 1 + static_cast<int>(gen() % 4);
    for (int k = 0; k < n; ++k) {
      // Mostly the pixel data, sometimes the headers.
      const std::size_t debut = gen() % 4 == 0 ? 0 : base.size() - f.donnees.size();
      o[debut + gen() % (o.size() - debut)] = static_cast<std::uint8_t>(gen());
    }
    if (gen() % 3 == 0) o.resize(gen() % o.size());
    PixelsBmp p;
    if (lit(o, p)) {
      ++acceptes;
      EXPECT_EQ(p.pixels.size(), static_cast<std::size_t>(p.largeur) * static_cast<std::size_t>(p.hauteur));
    }
  }
  EXPECT_GT(acceptes, 0);
}

}  // namespace
}  // namespace tavlo
