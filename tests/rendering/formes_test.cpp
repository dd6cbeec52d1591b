// Canvas drawing: pens and brushes through the holders, shapes at device
// pixels with y downward, rotated shapes, text with and without the holder's
// centring offset.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "outils.h"

namespace {

using namespace rendutest;

class Formes : public Propre {
protected:
  void SetUp() override {
    Propre::SetUp();
    c.installe(f.t, "ecran");  // 96 dpi, 400 x 300: centre (200, 150)
    c.origmm(0, 0);
    f.t.efface();
  }
  Trace f;
  Canevas c;
};

TEST_F(Formes, InstallReadsTheContextAndCentres) {
  EXPECT_EQ(c.hdc, &f.t);
  EXPECT_EQ(c.dpix(), 96);
  EXPECT_EQ(c.pagepixl(), 400);
  EXPECT_EQ(c.utilepixh(), 300);
  EXPECT_EQ(c.centrex(), 200);
  EXPECT_EQ(c.centrey(), 150);
  EXPECT_STREQ(c.nom().texte(), "ecran");
}

TEST_F(Formes, ShapesLandOnDevicePixelsRelativeToTheOrigin) {
  c.trait(0, 0, 10, 20);
  const Point p[] = {{0, 0}, {10, 0}, {0, 10}};
  c.polygone(5, 5, p, 3);
  c.ellipse(10, 10, 4, 3);
  c.rectourne(0, 0, 90, 10, 5);  // halves 5 and 2, a quarter turn
  c.rectourne(0, 0, 0, 3, 3);    // halves truncate to 1
  const std::vector<std::string> attendu = {
      "deplace 200 150",
      "ligne 210 130",
      "polygone 3 (205,145) (215,145) (205,135)",
      "ellipse 206 137 214 143",
      "polygone 5 (202,155) (202,145) (198,145) (198,155) (202,155)",
      "polygone 5 (199,151) (201,151) (201,149) (199,149) (199,151)",
  };
  EXPECT_EQ(f.t.lignes(), attendu);
}

TEST_F(Formes, HexagonIsTheLatticeTemplateClosedOnItsFirstVertex) {
  c.hexagone(10, 0, 0, 40);
  ASSERT_EQ(f.t.lignes().size(), 1u);
  // A at (40, 0), B at (20, 35), then around; the seventh point closes it
  EXPECT_EQ(f.t.lignes()[0],
            "polygone 7 (250,150) (230,115) (190,115) (170,150) (190,185) (230,185) (250,150)");
}

TEST_F(Formes, TurningTruncatesTowardZero) {
  const struct {
    float angle;
    Point avant, apres;
  } cas[] = {{90, {10, 0}, {0, 10}},   {30, {10, 0}, {8, 5}},    {180, {3, -7}, {-3, 7}},
             {270, {3, -7}, {-7, -3}}, {45, {10, 10}, {0, 14}}};
  for (const auto& k : cas) {
    Point p = k.avant;
    Canevas::tourne(k.angle, &p, 1);
    EXPECT_EQ(p, k.apres) << k.angle << " degrees";
  }
}

TEST_F(Formes, PensAndBrushesGoThroughTheHoldersIntoTheCanvasContext) {
  c.stylo(3, 0x0000FF);
  EXPECT_EQ(c.pinceau().couleur, 0x0000FFu);
  c.stylomm(1, 0xFF0000);  // 3 pixels at 96 dpi
  c.brosse(0x99FFFF);
  c.brossevide();
  // each new object replaces the old in one step: the default goes back in,
  // the old one is deleted, the new one is selected
  const std::vector<std::string> attendu = {
      "selectionne stylo 3 #0000FF", "selectionne stylonoir",     "selectionne stylo 3 #FF0000",
      "selectionne brosse #99FFFF",  "selectionne brosseblanche", "selectionne brossevide",
  };
  EXPECT_EQ(f.t.lignes(), attendu);
  EXPECT_EQ(porteurstylo().contexte(), &f.t);
  EXPECT_EQ(porteurbrosse().contexte(), &f.t);
}

TEST_F(Formes, WithoutAContextNothingIsDrawn) {
  c.hdc = nullptr;
  const Point p[] = {{0, 0}, {1, 1}};
  c.trait(0, 0, 1, 1);
  c.polygone(0, 0, p, 2);
  c.ellipse(0, 0, 1, 1);
  c.hexagone(0, 0, 0, 10);
  EXPECT_TRUE(f.t.lignes().empty());
}

TEST_F(Formes, TextIsCentredByTheHolderOffsetAndTheMarkOnWholeMillimetres) {
  Fonte& fonte = porteurfonte();
  fonte.fonterot(22, 11, 0, false, 200, "Arial");  // offset: 11 up
  fonte.selectionne(c.hdc);
  f.t.efface();
  c.ecrit(10, 0, "3", true);
  c.ecritmm(10, 5, "A", false);  // (37, 18) pixels
  const std::vector<std::string> attendu = {
      "alignement 6", "alignement 6", "modefond opaque", "couleurfond #FFFFFF",
      "couleurtexte #000000", "ecrittexte 210 139 \"3\"",
      "alignement 0", "alignement 0", "modefond opaque", "couleurfond #FFFFFF",
      "couleurtexte #000000", "ecrittexte 237 121 \"A\"",
  };
  EXPECT_EQ(f.t.lignes(), attendu);

  // the registered mark: Times New Roman twice the size high, a third as
  // wide, no offset, at (10, 5) mm, then the default font back
  f.t.efface();
  c.marquedeposee(10.9f, 5.7f, 2);
  const auto& l = f.t.lignes();
  ASSERT_FALSE(l.empty());
  EXPECT_NE(std::find(l.begin(), l.end(), "selectionne fonte 15x5 esc 0 poids 0 Times New Roman"),
            l.end());
  EXPECT_NE(std::find(l.begin(), l.end(), "ecrittexte 237 132 \"\\xAE\""), l.end());
  EXPECT_EQ(l.back(), "selectionne fontegui");
}

}  // namespace
