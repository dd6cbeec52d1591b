// The off-screen buffers: what each holds, the cascade of releases, and the
// size check.
#include <gtest/gtest.h>

#include "outils.h"

namespace {

using namespace rendutest;

class Buffers : public Propre {
protected:
  void SetUp() override {
    Propre::SetUp();
    fenetre = suivi(creecontexteimage(120, 80));
  }
  ContexteSuivi fenetre;
  Tampons t;
};

TEST_F(Buffers, BlankIsTheScreenColourInsideABlackBorder) {
  t.faitvierge(*fenetre, {120, 80});
  ASSERT_TRUE(t.viergeexiste());
  EXPECT_EQ(tailledebitmap(t.vierge()), (Dimension{120, 80}));
  EXPECT_EQ(t.client(), (Dimension{120, 80}));
  EXPECT_EQ(lispixel(t.vierge(), 60, 40), coulecran);
  EXPECT_EQ(lispixel(t.vierge(), 1, 1), coulecran);
  EXPECT_EQ(lispixel(t.vierge(), 0, 0), 0x000000u);
  EXPECT_EQ(lispixel(t.vierge(), 119, 79), 0x000000u);
  EXPECT_EQ(lispixel(t.vierge(), 60, 0), 0x000000u);
}

TEST_F(Buffers, EachLayerIsACopyOfTheOneBelowMadeOnDemand) {
  t.faitimage(*fenetre, {120, 80});  // makes blank and background first
  ASSERT_TRUE(t.viergeexiste() && t.fondexiste() && t.imageexiste());
  EXPECT_EQ(lispixel(t.fond(), 60, 40), coulecran);
  EXPECT_EQ(lispixel(t.image(), 60, 40), coulecran);
  EXPECT_EQ(lispixel(t.image(), 0, 0), 0x000000u);

  // a new frame is a new bitmap; the layers below stay
  const Objet fond = t.fond();
  t.faitimage(*fenetre, {120, 80});
  EXPECT_EQ(t.fond(), fond);
  EXPECT_TRUE(t.imageexiste());
}

TEST_F(Buffers, ReleasesCascadeUpward) {
  const struct {
    void (Tampons::*libere)();
    bool vierge, fond, image;
  } cas[] = {
      {&Tampons::libereimage, true, true, false},
      {&Tampons::liberefond, true, false, false},
      {&Tampons::liberevierge, false, false, false},
      {&Tampons::liberetout, false, false, false},
  };
  for (const auto& k : cas) {
    t.faitimage(*fenetre, {120, 80});
    (t.*k.libere)();
    EXPECT_EQ(t.viergeexiste(), k.vierge);
    EXPECT_EQ(t.fondexiste(), k.fond);
    EXPECT_EQ(t.imageexiste(), k.image);
    (t.*k.libere)();  // releasing what is absent does nothing
  }
}

TEST_F(Buffers, SizeCheckReleasesEverythingOnlyWhenTheSizeMoved) {
  EXPECT_TRUE(t.verifietaille(*fenetre, {120, 80}));  // none remembered yet
  t.faitimage(*fenetre, {120, 80});
  const Objet vierge = t.vierge();

  EXPECT_FALSE(t.verifietaille(*fenetre, {120, 80}));
  EXPECT_EQ(t.vierge(), vierge);
  EXPECT_TRUE(t.fondexiste());

  // the height alone: all three go, a new blank comes at once
  EXPECT_TRUE(t.verifietaille(*fenetre, {120, 81}));
  EXPECT_TRUE(t.viergeexiste());
  EXPECT_FALSE(t.fondexiste());
  EXPECT_FALSE(t.imageexiste());
  EXPECT_EQ(tailledebitmap(t.vierge()), (Dimension{120, 81}));

  // an absent blank is made even at the same size
  t.liberetout();
  EXPECT_FALSE(t.verifietaille(*fenetre, {120, 81}));
  EXPECT_TRUE(t.viergeexiste());
}

}  // namespace
