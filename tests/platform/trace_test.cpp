// ContexteTrace: every call becomes one line, in order, with the objects of
// the drawing layer described; memory traces write into the same journal.
#include "platform/trace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavlo {
namespace {

TEST(Trace, EcritChaqueAppelDansLOrdre) {
  ContexteTrace t(640, 480);
  Objet stylo = creestylo(2, 0x0000FF), brosse = creebrosse(0x99FFFF),
        fonte = creefonte(22, 11, 900, 200, true, "Arial");
  EXPECT_EQ(t.selectionne(stylo), objetstock(Stock::stylonoir));
  EXPECT_EQ(t.selectionne(brosse), objetstock(Stock::brosseblanche));
  EXPECT_EQ(t.selectionne(fonte), objetstock(Stock::fontegui));
  t.selectionne(objetstock(Stock::brossevide));
  t.selectionne(nullptr);
  t.deplace(1, 2);
  t.ligne(3, -4);
  const Point p[] = {{0, 0}, {10, 0}, {10, 10}, {0, 0}};
  t.polygone(p, 4);
  t.ellipse(1, 2, 3, 4);
  t.rectangle(0, 0, 640, 480);
  t.remplit({1, 2, 3, 4}, brosse);
  EXPECT_EQ(t.alignement(ALIGNE_CENTRE | ALIGNE_BASELINE), ALIGNE_GAUCHE);
  EXPECT_EQ(t.modefond(ModeFond::transparent), ModeFond::opaque);
  t.couleurfond(0xFFFFFF);
  t.couleurtexte(0xFF00FF);
  t.ecrittexte(5, 6, "3 \"\xE9\"\\", 6);
  EXPECT_EQ(t.capacite(Capacite::largeur), 640);
  detruitobjet(stylo);
  detruitobjet(brosse);
  detruitobjet(fonte);  // still selected: the trace holds it until it goes

  const std::vector<std::string> attendu = {
      "selectionne stylo 2 #0000FF",
      "selectionne brosse #99FFFF",
      "selectionne fonte 22x11 esc 900 poids 200 italique Arial",
      "selectionne brossevide",
      "selectionne nul",
      "deplace 1 2",
      "ligne 3 -4",
      "polygone 4 (0,0) (10,0) (10,10) (0,0)",
      "ellipse 1 2 3 4",
      "rectangle 0 0 640 480",
      "remplit 1 2 3 4 brosse #99FFFF",
      "alignement 30",
      "modefond transparent",
      "couleurfond #FFFFFF",
      "couleurtexte #FF00FF",
      "ecrittexte 5 6 \"3 \\x22\\xE9\\x22\\x5C\"",
      "capacite largeur",
  };
  EXPECT_EQ(t.lignes(), attendu);
  t.efface();
  EXPECT_TRUE(t.lignes().empty());
}

TEST(Trace, LesContextesMemoirePartagentLeJournal) {
  ContexteTrace ecran;
  auto m = creecontextememoire(ecran);
  Objet b = creebitmap(ecran, 800, 600);
  EXPECT_EQ(m->selectionne(b), nullptr);
  EXPECT_EQ(bitmapde(*m), b);
  EXPECT_EQ(ecran.selectionne(b), nullptr);  // in m already, and a screen takes none
  m->rectangle(0, 0, 800, 600);
  EXPECT_TRUE(ecran.copiebloc(0, 0, 800, 600, *m, 0, 0));
  auto vide = creecontextememoire(ecran);
  EXPECT_FALSE(ecran.copiebloc(0, 0, 8, 6, *vide, 0, 0));  // no bitmap there
  detruitobjet(b);

  const std::vector<std::string> attendu = {
      "creememoire memoire1",
      "memoire1: selectionne bitmap 800x600",
      "selectionne bitmap 800x600",
      "memoire1: rectangle 0 0 800 600",
      "copiebloc 0 0 800 600 memoire1 0 0",
      "creememoire memoire2",
      "copiebloc 0 0 8 6 memoire2 0 0",
  };
  EXPECT_EQ(ecran.lignes(), attendu);
}

TEST(Trace, EtendueSansPolices) {
  ContexteTrace t;
  Objet f = creefonte(20, 8, 0, 0, false, "Arial");
  t.selectionne(f);
  EXPECT_EQ(t.etendue("abc", 3), (Dimension{24, 20}));
  t.selectionne(objetstock(Stock::fontegui));
  detruitobjet(f);
  EXPECT_EQ(t.etendue("", 0).cy, 12);  // the GUI font: an 11-pixel em
  EXPECT_EQ(t.lignes().back(), "etendue \"\"");
}

}  // namespace
}  // namespace tavlo
