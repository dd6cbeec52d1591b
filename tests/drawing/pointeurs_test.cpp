// The pointer rule, the busy counter, when the window is asked to change its
// pointer, and the shapes of the pointers the program draws.
#include "drawing/pointeurs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

namespace tavlo {
namespace {

struct Appel {
  std::int16_t code;
  const MasquePointeur* masque;
  friend bool operator==(const Appel&, const Appel&) = default;
};

class Releve : public Montreur {
public:
  void montre(std::int16_t code, const MasquePointeur* masque) override { appels.push_back({code, masque}); }
  std::vector<std::int16_t> codes() const {
    std::vector<std::int16_t> c;
    for (const auto& a : appels) c.push_back(a.code);
    return c;
  }
  std::vector<Appel> appels;
};

using Codes = std::vector<std::int16_t>;

class Pointeur : public ::testing::Test {
protected:
  void SetUp() override { p.cree(releve); }
  Pointeurs p;
  Releve releve;
};

TEST(Regle, PremiereQuiSApplique) {
  struct Cas {
    std::int16_t occupation;
    bool pages, surgroupe, effacement;
    std::int16_t chiffre;
    std::int16_t code;
  } const cas[] = {
      {0, false, false, false, 4, 4},  {0, false, false, false, 0, 0},
      {1, true, true, true, 4, 7},     {3, false, false, false, 2, 7},
      {0, true, true, true, 4, 8},     {0, false, true, true, 4, 9},
      {0, false, false, true, 4, 10},  {0, false, false, false, 7, 8},
      {0, false, false, false, -1, 8},
  };
  for (const auto& c : cas) {
    const EtatPointeur e{c.pages, c.surgroupe, c.effacement, c.chiffre};
    EXPECT_EQ(codepointeur(e, c.occupation), c.code)
        << c.occupation << c.pages << c.surgroupe << c.effacement << " " << c.chiffre;
  }
}

TEST_F(Pointeur, ChiffrePuisGommeEtUnSeulAppelSansForcer) {
  p.etat.chiffre = 4;
  p.choisit();
  p.choisit();  // same state: the window is not asked again
  p.etat.chiffre = 0;
  p.choisit();
  p.choisit(true);  // forced: asked again
  EXPECT_EQ(releve.appels, (std::vector<Appel>{{4, masquepointeur(4)},
                                               {0, masquepointeur(0)},
                                               {0, masquepointeur(0)}}));
  EXPECT_EQ(p.code(), 0);
}

TEST_F(Pointeur, CompteurOccupe) {
  p.etat.chiffre = 4;
  p.choisit();
  p.occupe();
  p.occupe();
  p.desoccupe();
  EXPECT_EQ(p.occupation(), 1);
  EXPECT_EQ(p.code(), POINTEUR_ATTENTE);
  p.desoccupe();
  EXPECT_EQ(p.occupation(), 0);
  EXPECT_EQ(releve.codes(), (Codes{4, 7, 4}));
  EXPECT_EQ(releve.appels[1].masque, nullptr);  // the system's wait pointer

  // Lowering at 0 stays at 0 and still chooses: a state change made
  // meanwhile shows.
  p.etat.chiffre = 2;
  p.desoccupe();
  EXPECT_EQ(p.occupation(), 0);
  p.desoccupe();
  EXPECT_EQ(releve.codes(), (Codes{4, 7, 4, 2}));
  // And the counter has not gone negative: one raise is enough for the wait pointer.
  p.occupe();
  EXPECT_EQ(p.code(), POINTEUR_ATTENTE);
}

TEST_F(Pointeur, SurUnCentreDeGroupe) {
  p.etat.chiffre = 3;
  p.choisit();
  p.etat.surgroupe = true;
  p.choisit();
  p.etat.surgroupe = false;  // onto a cell
  p.choisit();
  p.etat.effacement = true;
  p.choisit();
  p.etat.pages = true;
  p.choisit();
  EXPECT_EQ(releve.codes(), (Codes{3, 9, 3, 10, 8}));
}

TEST(Pointeurs, AvantEtApresLaFenetre) {
  Pointeurs p;
  Releve releve;
  p.etat.chiffre = 5;
  p.choisit();  // no window yet: remembered only
  p.cree(releve);
  p.choisit();  // the first choice after creation always shows
  p.libere();
  p.etat.chiffre = 6;
  p.choisit();
  EXPECT_EQ(releve.codes(), (Codes{5}));
}

// ---- Shapes ----

int pixels(const MasquePointeur& m, bool et, bool ou) {
  int n = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) n += m.bitet(x, y) == et && m.bitou(x, y) == ou;
  return n;
}

TEST(Masques, PointsChaudsEtSystemes) {
  const std::pair<int, std::pair<int, int>> attendus[] = {
      {0, {16, 16}}, {1, {1, 1}}, {4, {1, 1}}, {6, {1, 1}}, {9, {16, 16}}, {10, {15, 22}}};
  for (const auto& [code, point] : attendus) {
    const MasquePointeur* m = masquepointeur(code);
    ASSERT_NE(m, nullptr) << code;
    EXPECT_EQ(m->xpoint, point.first) << code;
    EXPECT_EQ(m->ypoint, point.second) << code;
    // The hotspot is on the shape: black.
    EXPECT_FALSE(m->bitet(m->xpoint, m->ypoint)) << code;
    EXPECT_FALSE(m->bitou(m->xpoint, m->ypoint)) << code;
  }
  for (int code : {-1, 7, 8, 11}) EXPECT_EQ(masquepointeur(code), nullptr) << code;
}

TEST(Masques, NoirOpaqueEtBlancSeulementDansLaFleche) {
  for (int code : {0, 1, 2, 3, 4, 5, 6, 9, 10}) {
    const MasquePointeur& m = *masquepointeur(code);
    const bool fleche = code >= 1 && code <= 6;
    EXPECT_EQ(pixels(m, true, true), 0) << code;  // never inverts the screen
    EXPECT_GT(pixels(m, false, false), 20) << code;
    EXPECT_GT(pixels(m, true, false), 500) << code;  // mostly transparent
    if (fleche) {
      EXPECT_GT(pixels(m, false, true), 30) << code;  // the white body of the arrow
    } else {
      EXPECT_EQ(pixels(m, false, true), 0) << code;  // XOR mask all zero
    }
  }
}

TEST(Masques, ChiffresDifferentsEnBasADroite) {
  const MasquePointeur& un = *masquepointeur(1);
  for (int k = 2; k <= 6; ++k) {
    const MasquePointeur& m = *masquepointeur(k);
    EXPECT_NE(std::memcmp(m.et, un.et, sizeof m.et), 0) << k;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if (m.bitet(x, y) != un.bitet(x, y)) {
          EXPECT_GE(x, 16) << k;
          EXPECT_GE(y, 14) << k;
        }
  }
}

}  // namespace
}  // namespace tavlo
