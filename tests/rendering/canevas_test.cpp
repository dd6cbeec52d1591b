// The canvas arithmetic: millimetres and pixels, the usable size, the centre,
// the origin and its stack.
#include <gtest/gtest.h>

#include "rendering/canevas.h"

namespace {

using tavlo::Canevas;

TEST(Canevas, StartsAt300DpiWithNothingSetUp) {
  Canevas c;
  EXPECT_EQ(c.hdc, nullptr);
  EXPECT_EQ(c.dpix(), 300);
  EXPECT_EQ(c.dpiy(), 300);
  EXPECT_EQ(c.zoom(), 1.0f);
  EXPECT_FALSE(c.pdf());
  EXPECT_EQ(c.origx(), 0);
  EXPECT_EQ(c.centrey(), 0);
  EXPECT_STREQ(c.nom().texte(), "");
}

TEST(Canevas, MillimetresToPixelsTruncateTowardZero) {
  const struct {
    std::int16_t dpi;
    float zoom;
    float mm;
    std::int16_t px;
  } cas[] = {
      {100, 1, 10, 39},  {100, 1, -10, -39}, {300, 1, 10, 118}, {300, 1, -10, -118},
      {96, 1, 0, 0},     {100, 2, 10, 78},   {100, 0.5f, 10, 19},
      // 25.4 is held as a float on both sides: one inch is exactly the resolution
      {100, 1, 25.4f, 100}, {96, 1, 25.4f, 96}, {96, 1, -25.4f, -96},
      {0, 1, 10, 0},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(testing::Message() << k.dpi << " dpi, zoom " << k.zoom << ", " << k.mm << " mm");
    Canevas c;
    c.setdpi(k.dpi, static_cast<std::int16_t>(k.dpi * 3));
    c.setzoom(k.zoom);
    EXPECT_EQ(c.mmpixx(k.mm), k.px);
    // y has its own resolution
    c.setdpi(static_cast<std::int16_t>(k.dpi * 3), k.dpi);
    EXPECT_EQ(c.mmpixy(k.mm), k.px);
  }
}

TEST(Canevas, PixelsToMillimetresAndSixHundredths) {
  Canevas c;
  c.setdpi(100, 200);
  EXPECT_FLOAT_EQ(c.pixmmx(60), 15.24f);
  EXPECT_FLOAT_EQ(c.pixmmy(60), 7.62f);
  c.setzoom(2);
  EXPECT_FLOAT_EQ(c.pixmmx(60), 7.62f);

  const struct {
    std::int16_t dpi;
    std::int32_t n;
    std::int16_t px;
  } cas[] = {{96, 10, 2}, {300, 10, 5}, {96, 0, 0}, {600, 7, 7}, {96, 25, 4}, {96, 3, 0}};
  for (const auto& k : cas) {
    Canevas d;
    d.setdpi(k.dpi, 1);
    EXPECT_EQ(d.pix600(k.n), k.px) << k.dpi << " dpi, " << k.n;
  }
}

TEST(Canevas, UsableSizeNeverExceedsThePageOnceThereIsAResolution) {
  const struct {
    std::int16_t dpix, dpiy;
    std::int16_t l, h;
  } cas[] = {{300, 300, 800, 600}, {96, 96, 800, 600}, {0, 300, 1000, 900}, {300, 0, 1000, 900}};
  for (const auto& k : cas) {
    SCOPED_TRACE(testing::Message() << k.dpix << " x " << k.dpiy);
    Canevas c;
    c.setdpi(k.dpix, k.dpiy);
    c.setpage(800, 600);
    c.setutile(1000, 900);
    EXPECT_EQ(c.utilepixl(), k.l);
    EXPECT_EQ(c.utilepixh(), k.h);
  }
  // a smaller usable size stays; a page shrunk later lowers it again
  Canevas c;
  c.setpage(800, 600);
  c.setutile(500, 700);
  EXPECT_EQ(c.utilepixl(), 500);
  EXPECT_EQ(c.utilepixh(), 600);
  c.setpage(400, 600);
  EXPECT_EQ(c.utilepixl(), 400);
  // a resolution arriving later applies the rule at once
  Canevas d;
  d.setdpi(0, 0);
  d.setpage(800, 600);
  d.setutile(1000, 900);
  d.setdpi(96, 96);
  EXPECT_EQ(d.utilepixl(), 800);
  EXPECT_EQ(d.utilepixh(), 600);
}

TEST(Canevas, CentreIsHalfTheUsableSizeAndPdfMeasuresYFromTheBottom) {
  Canevas c;
  c.setpage(1001, 1000);
  c.setutile(901, 800);
  c.centrer();
  EXPECT_EQ(c.centrex(), 450);
  EXPECT_EQ(c.centrey(), 400);

  c.setnom("ecran");
  EXPECT_FALSE(c.pdf());
  EXPECT_EQ(c.centrey(), 400);

  c.setnom("My PDFCreator printer");  // any case
  EXPECT_TRUE(c.pdf());
  EXPECT_EQ(c.centrey(), 600);  // centred at once: 1000 - 400
  c.centrer();
  EXPECT_EQ(c.centrey(), 600);

  c.setnom("ecran");  // only initialisation clears the flag
  EXPECT_TRUE(c.pdf());
  c.initialise();
  EXPECT_FALSE(c.pdf());
}

TEST(Canevas, OriginFromMillimetresMovesRightAndUp) {
  Canevas c;  // 300 dpi
  c.setpage(800, 600);
  c.setutile(800, 600);
  c.centrer();
  c.origmm(0, 0);
  EXPECT_EQ(c.origx(), 400);
  EXPECT_EQ(c.origy(), 300);
  c.origmm(5, 5);
  EXPECT_EQ(c.origx(), 459);
  EXPECT_EQ(c.origy(), 241);
  c.origmm(-5, -5);
  EXPECT_EQ(c.origx(), 341);
  EXPECT_EQ(c.origy(), 359);

  // canvas points are relative to the origin, y upward
  EXPECT_EQ(c.appareil(10, 20), (tavlo::Point{351, 339}));
  EXPECT_EQ(c.appareil(-400, -400), (tavlo::Point{-59, 759}));

  // the layout places the centre itself
  c.setcentre(80, 90);
  c.origmm(0, 0);
  EXPECT_EQ(c.appareil(0, 0), (tavlo::Point{80, 90}));
}

TEST(Canevas, OriginStackRestoresInReverseOrderThenGivesZero) {
  Canevas c;
  c.setcentre(100, 200);
  c.origmm(0, 0);
  c.empileorig();
  c.setcentre(7, 8);
  c.origmm(0, 0);
  c.empileorig();
  EXPECT_STREQ(c.origines().texte(), "7,8,100,200,");

  c.setcentre(1, 2);
  c.origmm(0, 0);
  c.depileorig();
  EXPECT_EQ(c.origx(), 7);
  EXPECT_EQ(c.origy(), 8);
  c.depileorig();
  EXPECT_EQ(c.origx(), 100);
  EXPECT_EQ(c.origy(), 200);
  c.depileorig();
  EXPECT_EQ(c.origx(), 0);
  EXPECT_EQ(c.origy(), 0);
  EXPECT_STREQ(c.origines().texte(), "");
}

TEST(Canevas, AnOriginLeftOfTheDeviceWrapsAndComesBackFromTheStack) {
  // the origin is unsigned: an origin pushed left of the device wraps and
  // comes back the same
  Canevas c;
  c.setcentre(10, 10);
  c.origmm(-10, -10);  // 118 pixels left of and below the centre
  const std::uint16_t x = c.origx();
  const std::uint16_t y = c.origy();
  EXPECT_EQ(x, static_cast<std::uint16_t>(10 - 118));
  c.empileorig();
  c.origmm(0, 0);
  c.depileorig();
  EXPECT_EQ(c.origx(), x);
  EXPECT_EQ(c.origy(), y);
}

}  // namespace
