// Pictures loaded by number from a table of stored bitmaps, drawn scaled onto
// a real image context and onto a recording one.
#include "drawing/image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "bmpfaits.h"
#include "platform/trace.h"

namespace tavlo {
namespace {

using bmptest::Fichier;

// A 2 x 2 picture with four palette entries: red, green, blue, white.
std::vector<std::uint8_t> quatrecouleurs() {
  Fichier f{2, 2};
  f.nbcouleurs = 4;
  f.donnees = {1, 2, 1, 3, 0, 0, 1, 0, 1, 1, 0, 1};  // bottom: 2 3, top: 0 1
  auto o = f.octets();
  const std::uint8_t palette[4][4] = {{0, 0, 255, 0}, {0, 255, 0, 0}, {255, 0, 0, 0}, {255, 255, 255, 0}};
  for (int i = 0; i < 4; ++i)
    for (int k = 0; k < 4; ++k) o[54 + 4 * i + k] = palette[i][k];
  return o;
}

class Images : public ::testing::Test {
protected:
  const std::vector<std::uint8_t> bon = quatrecouleurs();
  const std::vector<std::uint8_t> abime{bon.begin(), bon.end() - 1};
  const BitmapStocke table[2] = {{1, bon.data(), bon.size()}, {2, abime.data(), abime.size()}};
};

TEST_F(Images, EtireToutQuandLaSourceEstNulle) {
  Image im;
  ASSERT_TRUE(im.chargeimage(1, table));
  EXPECT_EQ(im.largeur(), 2);
  EXPECT_EQ(im.hauteur(), 2);
  auto ecran = creecontexteimage(40, 40);
  ASSERT_TRUE(im.etireimage(*ecran, 0, 0, 40, 40, 0, 0, 0, 0));
  const Objet pixels = bitmapde(*ecran);
  EXPECT_EQ(lispixel(pixels, 5, 5), 0x0000FFu);    // top left: red
  EXPECT_EQ(lispixel(pixels, 35, 5), 0x00FF00u);   // green
  EXPECT_EQ(lispixel(pixels, 5, 35), 0xFF0000u);   // blue
  EXPECT_EQ(lispixel(pixels, 35, 35), 0xFFFFFFu);  // white
  EXPECT_EQ(lispixel(pixels, 19, 19), 0x0000FFu);  // the blocks meet in the middle
  EXPECT_EQ(lispixel(pixels, 20, 20), 0xFFFFFFu);
}

TEST_F(Images, SeulesDeuxDimensionsNullesDonnentToutLeBitmap) {
  Image im;
  ASSERT_TRUE(im.chargeimage(1, table));
  ContexteTrace t;
  EXPECT_TRUE(im.etireimage(t, 0, 0, 800, 600, 0, 0, 0, 0));
  EXPECT_FALSE(im.etireimage(t, 0, 0, 800, 600, 0, 0, 100, 0));
  const auto& l = t.lignes();
  EXPECT_NE(std::find(l.begin(), l.end(), "etire 0 0 800 600 memoire1 0 0 2 2"), l.end());
  EXPECT_NE(std::find(l.begin(), l.end(), "etire 0 0 800 600 memoire2 0 0 100 0"), l.end());
}

TEST_F(Images, AbsenteOuIlliseeLaisseVide) {
  for (const std::int16_t n : {7, 2}) {  // no such number; bytes cut short
    Image im;
    ASSERT_TRUE(im.chargeimage(1, table));
    EXPECT_FALSE(im.chargeimage(n, table)) << n;
    EXPECT_FALSE(im.charge());
    EXPECT_EQ(im.bitmap(), nullptr);
    EXPECT_EQ(im.largeur(), 0);
    EXPECT_EQ(im.hauteur(), 0);
    ContexteTrace t;
    t.efface();
    EXPECT_FALSE(im.etireimage(t, 0, 0, 800, 600, 0, 0, 0, 0));
    EXPECT_TRUE(t.lignes().empty());  // nothing drawn, not even a memory context
    // The next showing tries again.
    EXPECT_TRUE(im.chargeimage(1, table));
  }
}

TEST_F(Images, LibererDeuxFois) {
  Image im;
  im.libere();
  ASSERT_TRUE(im.chargeimage(1, table));
  im.libere();
  im.libere();
  EXPECT_FALSE(im.charge());
  EXPECT_EQ(im.largeur(), 0);
  EXPECT_FALSE(im.chargeimage(1, {}));  // an empty table
}

}  // namespace
}  // namespace tavlo
