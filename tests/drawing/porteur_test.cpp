// The pen, brush and font holders on recording contexts: what is selected,
// put back and written, the centring offset, and contexts that die while a
// holder remembers them.
#include "drawing/porteur.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/trace.h"

namespace tavlo {
namespace {

using Lignes = std::vector<std::string>;

TEST(Porteur, PrecedentPrisAuPremierContexteSeulement) {
  ContexteTrace t;
  ContexteSuivi m = suivi(creecontextememoire(t));
  Porteur p;
  p.adopte(creestylo(2, 0x0000FF));
  t.efface();
  p.selectionne(&t);
  p.selectionne(m.get());
  EXPECT_EQ(p.precedent(), objetstock(Stock::stylonoir));  // from t, not the pen from m
  EXPECT_EQ(p.contexte(), m.get());
  p.remet();  // into the last context: the first one's default pen
  // A new pen replaces the old one in one step: the default put back, the old
  // pen deleted, the new one selected with the stored previous kept.
  p.adopte(creestylo(1, 0xFF0000));
  p.selectionne(&t);
  EXPECT_EQ(p.precedent(), objetstock(Stock::stylonoir));
  EXPECT_EQ(t.lignes(), (Lignes{"selectionne stylo 2 #0000FF", "memoire1: selectionne stylo 2 #0000FF",
                                "memoire1: selectionne stylonoir", "memoire1: selectionne stylonoir",
                                "selectionne stylo 1 #FF0000"}));
  p.libere();
  EXPECT_FALSE(p.possede());
  EXPECT_EQ(p.objet(), nullptr);
  EXPECT_EQ(t.lignes().back(), "selectionne stylonoir");
}

TEST(Porteur, RienAvantUnePremiereVraieSelection) {
  ContexteTrace t;
  t.efface();
  Porteur p;
  p.remet();           // no context yet
  p.selectionne(&t);   // nothing held: the previous object is not taken as null
  p.remet();           // puts back nothing
  p.adopte(creebrosse(0x00FF00));
  p.selectionne(nullptr);
  EXPECT_FALSE(p.estselectionne());
  p.selectionne(&t);
  EXPECT_EQ(p.precedent(), objetstock(Stock::brosseblanche));
  EXPECT_EQ(t.lignes(), (Lignes{"selectionne brosse #00FF00"}));
}

TEST(Porteur, ObjetStockCommeLesAutres) {
  ContexteTrace t;
  Porteur p;
  p.adopte(objetstock(Stock::brossevide));
  EXPECT_TRUE(p.possede());
  p.selectionne(&t);
  p.adopte(creebrosse(0x00FF00));  // "deletes" the stock brush: no effect
  p.selectionne(&t);
  p.adopte(objetstock(Stock::brossevide));
  p.selectionne(&t);
  EXPECT_EQ(t.lignes().back(), "selectionne brossevide");
  // Adopting what is held keeps it alive.
  Objet b = creebrosse(0x123456);
  p.adopte(b);
  p.adopte(b);
  p.selectionne(&t);
  EXPECT_EQ(t.lignes().back(), "selectionne brosse #123456");
}

// A memory context lives for one paint; the holders outlive it. Under the
// sanitizers, any later use of the dead context would fail these tests.
TEST(Porteur, ContexteDetruitOublie) {
  ContexteTrace t;
  Porteur stylo;
  Fonte fonte;
  stylo.adopte(creestylo(3, 0));
  fonte.cree(12, 0, 0, false, 0, "Arial");
  {
    ContexteSuivi m = suivi(creecontextememoire(t));
    stylo.selectionne(m.get());
    fonte.selectionne(m.get());
  }
  EXPECT_EQ(stylo.contexte(), nullptr);
  EXPECT_EQ(fonte.contexte(), nullptr);
  t.efface();
  stylo.remet();
  stylo.adopte(creestylo(1, 0));
  fonte.aligne(true);
  fonte.ecrit0(0, 0, "x");
  EXPECT_TRUE(t.lignes().empty());
  // Selected again into a live context, with the first previous object.
  stylo.selectionne(&t);
  stylo.remet();
  EXPECT_EQ(t.lignes().back(), "selectionne stylonoir");

  // The same by hand, and only for the context that dies.
  std::unique_ptr<Contexte> autre = creecontextememoire(t);
  fonte.selectionne(autre.get());
  stylo.selectionne(&t);
  oubliecontexte(autre.get());
  autre.reset();
  EXPECT_EQ(fonte.contexte(), nullptr);
  EXPECT_EQ(stylo.contexte(), &t);
}

TEST(Fonte, DecalageDeCentrage) {
  struct Cas {
    std::int16_t hauteur, escapement;
    std::int16_t dx, dy;
  } const cas[] = {
      {16, 0, 0, 8},      {15, 0, 0, 7},      // half the height, truncated
      {16, 450, -6, 6},   // 8 * 1.2 = 9, turned by 45 degrees
      {16, 900, -8, 0},   // right angle: no fifth more, an exact quarter
      {16, 1800, 0, -8},
      {16, -450, 0, 9},   // a fifth more, but not turned: escapement not positive
      {20, 300, -6, 10},  // 12 turned by 30 degrees: (-6, 10.39)
  };
  for (const auto& c : cas) {
    Fonte f;
    f.fonterot(c.hauteur, 5, c.escapement, false, 200, "Arial");
    EXPECT_EQ(f.dx(), c.dx) << c.hauteur << " " << c.escapement;
    EXPECT_EQ(f.dy(), c.dy) << c.hauteur << " " << c.escapement;
    f.cree(c.hauteur, 5, c.escapement, false, 200, "Arial");  // a plain font has no offset
    EXPECT_EQ(f.dx(), 0);
    EXPECT_EQ(f.dy(), 0);
  }
}

TEST(Fonte, CouleurRendLeFondTransparent) {
  ContexteTrace t;
  Fonte f;
  f.cree(-12, 0, 0, true, 700, "Arial");
  f.selectionne(&t);
  t.efface();
  f.ecrit0(10, 20, "ab");
  f.couleur(0xFF00FF);
  f.ecrit0(10, 20, "ab");
  EXPECT_EQ(t.lignes(), (Lignes{"modefond opaque", "couleurfond #FFFFFF", "couleurtexte #000000",
                                "ecrittexte 10 20 \"ab\"", "modefond transparent",
                                "couleurtexte #FF00FF", "ecrittexte 10 20 \"ab\""}));
  EXPECT_EQ(f.couleurfond(), 0xFFFFFFu);  // still white, no longer used
  EXPECT_FALSE(f.opaque());
}

TEST(Fonte, EcritdecAligneEtDecale) {
  ContexteTrace t;
  Fonte f;
  f.fonterot(16, 5, 450, false, 0, "Arial");
  f.selectionne(&t);
  f.couleur(0);
  f.aligne(true);
  t.alignement(0);  // someone else changes the alignment meanwhile
  t.efface();
  f.ecritdec(100, 50, "x");
  f.aligne(false);
  EXPECT_EQ(t.lignes(), (Lignes{"alignement 6", "modefond transparent", "couleurtexte #000000",
                                "ecrittexte 94 44 \"x\"", "alignement 0"}));
}

TEST(Porteurs, TroisPorteursDuProgramme) {
  EXPECT_EQ(&porteurstylo(), &porteurstylo());
  EXPECT_NE(&porteurstylo(), &porteurbrosse());
  Fonte& f = porteurfonte();
  EXPECT_TRUE(f.opaque());
  EXPECT_EQ(f.couleurfond(), 0xFFFFFFu);
  // Used as the canvas will use them, with a context that dies first.
  ContexteTrace t;
  {
    ContexteSuivi m = suivi(creecontextememoire(t));
    porteurstylo().adopte(creestylo(1, 0xFF0000));
    porteurstylo().selectionne(m.get());
    porteurbrosse().adopte(creebrosse(0x99FFFF));
    porteurbrosse().selectionne(m.get());
  }
  EXPECT_EQ(porteurstylo().contexte(), nullptr);
  EXPECT_EQ(porteurbrosse().contexte(), nullptr);
}

}  // namespace
}  // namespace tavlo
