// The cairo drawing layer, checked by probing the pixels it draws: shapes and
// pens, selection and object lifetimes, block copies, fonts with their Windows
// sizes, text placement, and the colour order on the way to a PNG file.
#include "platform/dessin.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/internal/cairo.h"
#include "platform/internal/polices.h"

namespace tavlo {
namespace {

constexpr Couleur blanc = 0xFFFFFF, noir = 0, rougeplat = 0x0000FF, vertplat = 0x00FF00,
                  bleuplat = 0xFF0000;

// Deletes the object at the end of the scope, as the program's holders do.
struct Garde {
  Objet o;
  explicit Garde(Objet objet) : o(objet) {}
  ~Garde() { detruitobjet(o); }
  operator Objet() const { return o; }
};

// An image context of 120 x 100 filled with one colour, with pixel probes.
struct Toile {
  std::unique_ptr<Contexte> c;
  Couleur fond;

  explicit Toile(Couleur f = blanc, std::int32_t l = 120, std::int32_t h = 100)
      : c(creecontexteimage(l, h)), fond(f) {
    Garde b(creebrosse(f));
    c->remplit({0, 0, l, h}, b);
  }
  Couleur px(std::int32_t x, std::int32_t y) const { return lispixel(bitmapde(*c), x, y); }
  // The bounding box of every pixel that is not the background; droite and
  // bas excluded; all zero when nothing was drawn.
  Rect encre() const {
    const Dimension d = tailledebitmap(bitmapde(*c));
    Rect r{d.cx, d.cy, 0, 0};
    for (std::int32_t y = 0; y < d.cy; ++y)
      for (std::int32_t x = 0; x < d.cx; ++x)
        if (px(x, y) != fond) {
          r.gauche = std::min(r.gauche, x);
          r.haut = std::min(r.haut, y);
          r.droite = std::max(r.droite, x + 1);
          r.bas = std::max(r.bas, y + 1);
        }
    return r.droite == 0 ? Rect{} : r;
  }
};

std::int32_t longueur(const char* s) { return static_cast<std::int32_t>(std::strlen(s)); }

// ---- shapes ----------------------------------------------------------------

TEST(Dessin, PolygoneRempliParLaBrosseEtBordeParLeStylo) {
  Toile t;
  Garde stylo(creestylo(1, bleuplat)), brosse(creebrosse(vertplat));
  t.c->selectionne(stylo);
  t.c->selectionne(brosse);
  const Point carre[] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
  t.c->polygone(carre, 4);

  EXPECT_EQ(t.px(20, 20), vertplat);
  EXPECT_EQ(t.px(11, 11), vertplat);
  EXPECT_EQ(t.px(29, 29), vertplat);
  // The outline runs through the vertices, one pixel wide, on both sides.
  for (Point p : {Point{10, 20}, Point{30, 20}, Point{20, 10}, Point{20, 30}, Point{10, 10}, Point{30, 30}})
    EXPECT_EQ(t.px(p.x, p.y), bleuplat) << p;
  for (Point p : {Point{9, 20}, Point{31, 20}, Point{20, 9}, Point{20, 31}})
    EXPECT_EQ(t.px(p.x, p.y), blanc) << p;
}

TEST(Dessin, TriangleFermeParLePremierPointRempliSansTrou) {
  // As the grid draws its cells: three corners closed by repeating the first.
  Toile t;
  Garde stylo(creestylo(1, bleuplat)), brosse(creebrosse(0x99FFFF));
  t.c->selectionne(stylo);
  t.c->selectionne(brosse);
  const Point tri[] = {{20, 80}, {80, 80}, {50, 28}, {20, 80}};
  t.c->polygone(tri, 4);
  EXPECT_EQ(t.px(50, 60), 0x99FFFFu);
  // Walking down from the apex, the colours go outline, fill, outline, white:
  // no background pixel between the fill and its outline.
  std::string suite;
  for (std::int32_t y = 20; y < 90; ++y) {
    const char k = t.px(50, y) == blanc ? 'w' : t.px(50, y) == bleuplat ? 'b' : t.px(50, y) == 0x99FFFF ? 'f' : '?';
    if (suite.empty() || suite.back() != k) suite += k;
  }
  EXPECT_EQ(suite, "wbfbw");
}

TEST(Dessin, BrosseVideLaisseLInterieur) {
  Toile t;
  Garde stylo(creestylo(1, bleuplat));
  t.c->selectionne(stylo);
  t.c->selectionne(objetstock(Stock::brossevide));
  const Point carre[] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
  t.c->polygone(carre, 4);
  t.c->ellipse(40, 10, 80, 40);
  t.c->rectangle(85, 10, 110, 40);
  EXPECT_EQ(t.px(20, 20), blanc);
  EXPECT_EQ(t.px(60, 25), blanc);
  EXPECT_EQ(t.px(97, 25), blanc);
  EXPECT_EQ(t.px(10, 20), bleuplat);
  EXPECT_EQ(t.px(40, 25), bleuplat);
  EXPECT_EQ(t.px(85, 25), bleuplat);
}

TEST(Dessin, LargeurDuStyloMesureeEnTravers) {
  struct Cas {
    std::int16_t demandee;
    std::int32_t rangees;
  };
  for (Cas cas : {Cas{0, 1}, Cas{1, 1}, Cas{2, 2}, Cas{3, 3}, Cas{4, 4}, Cas{7, 7}}) {
    Toile t;
    Garde stylo(creestylo(cas.demandee, noir));
    t.c->selectionne(stylo);
    t.c->deplace(20, 50);
    t.c->ligne(100, 50);
    std::int32_t rangees = 0, colonnes = 0;
    for (std::int32_t y = 0; y < 100; ++y) rangees += t.px(60, y) == noir;
    t.c->deplace(10, 10);
    t.c->ligne(10, 40);  // vertical, and from the current position left by the first line's end
    for (std::int32_t x = 0; x < 30; ++x) colonnes += t.px(x, 25) == noir;
    EXPECT_EQ(rangees, cas.rangees) << "largeur " << cas.demandee;
    EXPECT_EQ(colonnes, cas.rangees) << "largeur " << cas.demandee;
  }
}

TEST(Dessin, LigneAvanceLaPositionCourante) {
  Toile t;
  t.c->deplace(10, 10);
  t.c->ligne(50, 10);
  t.c->ligne(50, 60);  // from (50, 10), not from the origin
  EXPECT_EQ(t.px(30, 10), noir);
  EXPECT_EQ(t.px(50, 35), noir);
  EXPECT_EQ(t.px(25, 25), blanc);  // on the diagonal a line from (0, 0) would take
}

TEST(Dessin, EllipseInscriteDansSaBoite) {
  Toile t;
  Garde stylo(creestylo(1, bleuplat)), brosse(creebrosse(vertplat));
  t.c->selectionne(stylo);
  t.c->selectionne(brosse);
  t.c->ellipse(10, 10, 71, 51);  // 61 x 41: centre pixel (40, 30)
  EXPECT_EQ(t.encre(), (Rect{10, 10, 71, 51}));
  EXPECT_EQ(t.px(40, 30), vertplat);
  EXPECT_EQ(t.px(10, 30), bleuplat);
  EXPECT_EQ(t.px(70, 30), bleuplat);
  EXPECT_EQ(t.px(40, 10), bleuplat);
  EXPECT_EQ(t.px(40, 50), bleuplat);
  EXPECT_EQ(t.px(12, 12), blanc);  // a corner of the box is outside the ellipse
}

TEST(Dessin, RectangleSansBordDroitNiBasEtRemplitSansStylo) {
  Toile t;
  Garde stylo(creestylo(1, bleuplat)), brosse(creebrosse(vertplat));
  t.c->selectionne(stylo);
  t.c->selectionne(brosse);
  t.c->rectangle(10, 10, 20, 20);
  EXPECT_EQ(t.encre(), (Rect{10, 10, 20, 20}));
  EXPECT_EQ(t.px(10, 15), bleuplat);
  EXPECT_EQ(t.px(19, 15), bleuplat);
  EXPECT_EQ(t.px(15, 15), vertplat);

  Toile u;
  u.c->selectionne(stylo);
  u.c->remplit({30, 40, 35, 42}, brosse);
  EXPECT_EQ(u.encre(), (Rect{30, 40, 35, 42}));
  EXPECT_EQ(u.px(30, 40), vertplat);  // no outline
  u.c->remplit({50, 50, 60, 60}, objetstock(Stock::brossevide));
  u.c->remplit({50, 50, 60, 60}, stylo);  // not a brush
  EXPECT_EQ(u.encre(), (Rect{30, 40, 35, 42}));
}

// ---- selection and lifetimes ----------------------------------------------

TEST(Selection, RendLObjetPrecedentEtPartDesDefauts) {
  auto c = creecontexteimage(10, 10);
  Garde stylo(creestylo(2, rougeplat)), stylo2(creestylo(3, 0)), brosse(creebrosse(0)),
      fonte(creefonte(20, 0, 0, 0, false, "Arial"));
  EXPECT_EQ(c->selectionne(stylo), objetstock(Stock::stylonoir));
  EXPECT_EQ(c->selectionne(stylo2), stylo.o);
  EXPECT_EQ(c->selectionne(brosse), objetstock(Stock::brosseblanche));
  EXPECT_EQ(c->selectionne(objetstock(Stock::brossevide)), brosse.o);
  EXPECT_EQ(c->selectionne(fonte), objetstock(Stock::fontegui));
  EXPECT_EQ(c->selectionne(objetstock(Stock::fontegui)), fonte.o);
  EXPECT_EQ(c->selectionne(nullptr), nullptr);
  int bidon = 0;
  EXPECT_EQ(c->selectionne(reinterpret_cast<Objet>(&bidon)), nullptr);  // not one of ours
  EXPECT_EQ(c->selectionne(stylo2), stylo2.o);  // already selected: itself

  EXPECT_EQ(c->alignement(ALIGNE_CENTRE), ALIGNE_GAUCHE | ALIGNE_HAUT);
  EXPECT_EQ(c->alignement(0), ALIGNE_CENTRE);
  EXPECT_EQ(c->modefond(ModeFond::transparent), ModeFond::opaque);
  EXPECT_EQ(c->couleurfond(0), blanc);
  EXPECT_EQ(c->couleurtexte(blanc), noir);
  EXPECT_EQ(genre(stylo), Genre::stylo);
  EXPECT_EQ(genre(fonte), Genre::fonte);
}

TEST(Selection, UnBitmapNEstQueDansUnContexteEtPasDansUnEcran) {
  auto ecran = creecontexteimage(40, 30);
  auto m1 = creecontextememoire(*ecran);
  auto m2 = creecontextememoire(*ecran);
  Garde b(creebitmap(*ecran, 8, 6)), b2(creebitmap(*ecran, 8, 6));
  EXPECT_EQ(bitmapde(*m1), nullptr);
  EXPECT_EQ(m1->selectionne(b), nullptr);  // a memory context starts without one
  EXPECT_EQ(bitmapde(*m1), b.o);
  EXPECT_EQ(m2->selectionne(b), nullptr);  // refused: already in m1
  EXPECT_EQ(bitmapde(*m2), nullptr);
  EXPECT_EQ(m1->selectionne(b2), b.o);
  EXPECT_EQ(m2->selectionne(b), nullptr);  // free again, accepted
  EXPECT_EQ(bitmapde(*m2), b.o);
  EXPECT_EQ(ecran->selectionne(b2), nullptr);  // a screen keeps its own surface
  EXPECT_EQ(tailledebitmap(bitmapde(*ecran)), (Dimension{40, 30}));
  EXPECT_EQ(tailledebitmap(b), (Dimension{8, 6}));
  EXPECT_EQ(lispixel(b, 3, 3), noir);  // new bitmaps are black
}

TEST(Selection, DetruireUnObjetSelectionneEstSansDanger) {
  Toile t;
  Objet stylo = creestylo(1, rougeplat);
  t.c->selectionne(stylo);
  EXPECT_TRUE(detruitobjet(stylo));
  EXPECT_FALSE(detruitobjet(stylo));    // gone for its creator already
  EXPECT_EQ(t.c->selectionne(stylo), nullptr);  // and no longer selectable
  t.c->deplace(0, 5);
  t.c->ligne(50, 5);  // the context still draws with it
  EXPECT_EQ(t.px(20, 5), rougeplat);
  t.c->selectionne(objetstock(Stock::stylonoir));  // releases it for good (ASan checks the rest)

  // A bitmap deleted while selected keeps its pixels until its context goes.
  auto m = creecontextememoire(*t.c);
  Objet b = creebitmap(*t.c, 10, 10);
  m->selectionne(b);
  detruitobjet(b);
  Garde blanche(creebrosse(blanc));
  m->remplit({0, 0, 10, 10}, blanche);
  EXPECT_EQ(lispixel(bitmapde(*m), 5, 5), blanc);
  m.reset();

  EXPECT_TRUE(detruitobjet(objetstock(Stock::brosseblanche)));  // stock: nothing happens
  EXPECT_FALSE(detruitobjet(nullptr));
  t.c->remplit({0, 0, 2, 2}, objetstock(Stock::brosseblanche));  // still usable
}

TEST(Selection, SansBitmapRienNEstDessine) {
  auto ecran = creecontexteimage(10, 10);
  auto m = creecontextememoire(*ecran);
  const Point p[] = {{0, 0}, {5, 0}, {5, 5}};
  m->polygone(p, 3);
  m->ecrittexte(0, 0, "x", 1);
  EXPECT_FALSE(m->copiebloc(0, 0, 5, 5, *ecran, 0, 0));
  EXPECT_FALSE(ecran->copiebloc(0, 0, 5, 5, *m, 0, 0));
  EXPECT_EQ(m->capacite(Capacite::largeur), 10);  // the size of the device it is compatible with
  EXPECT_EQ(m->capacite(Capacite::dpix), 96);
  EXPECT_EQ(ecran->capacite(Capacite::dpiy), 96);
  EXPECT_EQ(ecran->capacite(Capacite::hauteur), 10);
}

// ---- bitmaps and copies ------------------------------------------------------

// A 4 x 3 bitmap where every pixel has its own colour.
Objet motif() {
  Couleur p[12];
  for (int i = 0; i < 12; ++i) p[i] = rvb(static_cast<std::uint8_t>(20 * i), 0x40, static_cast<std::uint8_t>(255 - 20 * i));
  return creebitmappixels(4, 3, p);
}

TEST(Copie, BlocEtEtirementEnDeuxFois) {
  Toile t;
  Garde src(motif());
  auto m = creecontextememoire(*t.c);
  m->selectionne(src);
  ASSERT_TRUE(t.c->copiebloc(10, 20, 4, 3, *m, 0, 0));
  ASSERT_TRUE(t.c->etire(50, 60, 8, 6, *m, 0, 0, 4, 3));
  for (std::int32_t y = 0; y < 3; ++y)
    for (std::int32_t x = 0; x < 4; ++x) {
      const Couleur attendu = lispixel(src, x, y);
      EXPECT_EQ(t.px(10 + x, 20 + y), attendu);
      for (std::int32_t dy = 0; dy < 2; ++dy)
        for (std::int32_t dx = 0; dx < 2; ++dx) EXPECT_EQ(t.px(50 + 2 * x + dx, 60 + 2 * y + dy), attendu);
    }
  EXPECT_EQ(t.px(14, 20), blanc);
  EXPECT_EQ(t.px(58, 60), blanc);
  EXPECT_EQ(t.encre().bas, 66);

  // A part of the source, and a block reaching past the source's edge: what
  // lies outside the source is left as it was.
  Toile u;
  ASSERT_TRUE(u.c->copiebloc(0, 0, 10, 10, *m, 2, 1));
  EXPECT_EQ(u.px(0, 0), lispixel(src, 2, 1));
  EXPECT_EQ(u.px(1, 1), lispixel(src, 3, 2));
  EXPECT_EQ(u.px(2, 0), blanc);
  EXPECT_FALSE(u.c->etire(0, 0, 10, 10, *m, 0, 0, 0, 3));  // an empty source cannot be scaled
}

TEST(Copie, UnTraitFinSurvitALaReduction) {
  // The help pictures are shown three times smaller than they are drawn.
  Couleur p[9 * 9];
  for (int i = 0; i < 81; ++i) p[i] = i / 9 == 3 ? noir : blanc;  // row 3: not one of the rows 1, 4, 7 a plain pick would keep
  Garde src(creebitmappixels(9, 9, p));
  auto m = creecontextememoire(*creecontexteimage(3, 3));
  m->selectionne(src);
  Toile t(blanc, 3, 3);
  ASSERT_TRUE(t.c->etire(0, 0, 3, 3, *m, 0, 0, 9, 9));
  EXPECT_LT(vert(t.px(1, 1)), 0xC0);  // a clearly grey row where the line was
  EXPECT_GT(vert(t.px(1, 0)), 0xF0);
  EXPECT_GT(vert(t.px(1, 2)), 0xF0);
}

TEST(Copie, DansLeMemeBitmapLesBlocsSeChevauchent) {
  Garde src(motif());
  auto ecran = creecontexteimage(4, 3);
  auto m = creecontextememoire(*ecran);
  m->selectionne(src);
  const Couleur a = lispixel(src, 0, 0), b = lispixel(src, 1, 0), c = lispixel(src, 2, 0);
  ASSERT_TRUE(m->copiebloc(1, 0, 3, 1, *m, 0, 0));
  EXPECT_EQ(lispixel(src, 1, 0), a);
  EXPECT_EQ(lispixel(src, 2, 0), b);
  EXPECT_EQ(lispixel(src, 3, 0), c);
}

TEST(Copie, PngGardeLOrdreDesCouleurs) {
  // Red is the low byte of a platform colour: it must come out red in the file.
  Toile t(rougeplat, 4, 2);
  Garde b(creebrosse(bleuplat));
  t.c->remplit({2, 0, 4, 2}, b);
  const char* tmp = std::getenv("TAVLO_TEST_TMP");
  const std::string chemin = std::string(tmp ? tmp : "/tmp") + "/dessin_couleurs.png";
  ASSERT_TRUE(ecrispng(bitmapde(*t.c), chemin.c_str()));
  EXPECT_FALSE(ecrispng(bitmapde(*t.c), "/repertoire/absent/x.png"));
  EXPECT_FALSE(ecrispng(nullptr, chemin.c_str()));

  const internal::SurfacePtr s(cairo_image_surface_create_from_png(chemin.c_str()));
  ASSERT_EQ(cairo_surface_status(s.get()), CAIRO_STATUS_SUCCESS);
  const auto* p = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(s.get()));
  EXPECT_EQ(p[0] & 0xFFFFFF, 0xFF0000u);  // cairo's 0xRRGGBB
  EXPECT_EQ(p[3] & 0xFFFFFF, 0x0000FFu);
  std::remove(chemin.c_str());
}

// ---- fonts -------------------------------------------------------------------

TEST(Fonte, HauteurDeCelluleEgaleLaHauteurDemandee) {
  auto c = creecontexteimage(10, 10);
  for (const char* face : {"Arial", "Times New Roman"})
    for (std::int16_t h : {10, 17, 22, 27, 38}) {
      Garde f(creefonte(h, 0, 0, 0, false, face));
      c->selectionne(f);
      EXPECT_EQ(c->etendue("Hg", 2).cy, h) << face << " " << h;
    }
  c->selectionne(objetstock(Stock::fontegui));
}

TEST(Fonte, LargeurMoyenneEtGraisse) {
  // Lower-case English text averages close to the requested width, the way
  // Windows defines the average.
  static const char texte[] = "the quick brown fox jumps over the lazy dog and then sleeps";
  auto c = creecontexteimage(10, 10);
  struct Cas {
    std::int16_t h, l;
  };
  for (Cas cas : {Cas{22, 11}, Cas{38, 19}, Cas{10, 5}, Cas{17, 8}, Cas{30, 30}}) {
    Garde f(creefonte(cas.h, cas.l, 0, 200, false, "Arial"));
    c->selectionne(f);
    const Dimension d = c->etendue(texte, longueur(texte));
    EXPECT_EQ(d.cy, cas.h);
    EXPECT_NEAR(static_cast<double>(d.cx) / longueur(texte), cas.l, 0.05 * cas.l) << cas.h << "x" << cas.l;
  }
  // Width 0 keeps the face's proportions; 600 and above is the bold face.
  auto largeur = [&](std::int16_t poids, std::int16_t l) {
    Garde f(creefonte(22, l, 0, poids, false, "Arial"));
    c->selectionne(f);
    return c->etendue(texte, longueur(texte)).cx;
  };
  EXPECT_NEAR(static_cast<double>(largeur(0, 0)) / longueur(texte), 22 * 904 / 2288.0, 0.05 * 8.7);
  EXPECT_EQ(largeur(0, 0), largeur(599, 0));
  EXPECT_EQ(largeur(600, 0), largeur(1000, 0));
  EXPECT_GT(largeur(700, 0), largeur(400, 0));
  // A requested width holds for the bold face too, measured by its own average.
  EXPECT_NEAR(static_cast<double>(largeur(700, 10)) / longueur(texte), 10, 0.5);
  c->selectionne(objetstock(Stock::fontegui));
}

TEST(Fonte, FacesConnuesEtCache) {
  internal::DescriptionFonte d;
  d.hauteur = 22;
  for (const char* face : {"Arial", "Helvetica", "arial"}) {
    d.face = face;
    EXPECT_EQ(internal::police(d)->face.famille, "Liberation Sans") << face;
  }
  // Windows averages, weighted by letter frequency, not the fonts' own field.
  EXPECT_EQ(internal::police(d)->face.moyenne, 904);
  d.poids = 700;
  EXPECT_EQ(internal::police(d)->face.moyenne, 980);
  d.poids = 0;
  d.face = "Times New Roman";
  EXPECT_EQ(internal::police(d)->face.famille, "Liberation Serif");
  EXPECT_EQ(internal::police(d)->face.moyenne, 821);
  d.poids = 700;
  EXPECT_EQ(internal::police(d)->face.moyenne, 874);

  // A font made again with the same parameters, escapement aside, is the same.
  const std::size_t avant = internal::taillecachepolices();
  d.escapement = 900;
  const auto p = internal::police(d);
  EXPECT_EQ(internal::taillecachepolices(), avant);
  EXPECT_EQ(p->fonte.get(), internal::police(d)->fonte.get());
}

// ---- text ----------------------------------------------------------------------

// Writes "H" in 30-pixel Arial at (60, 50) with the given alignment; returns the ink.
Rect encredeH(std::uint16_t drapeaux, const char* texte = "H", std::int16_t escapement = 0) {
  Toile t;
  Garde f(creefonte(30, 0, escapement, 0, false, "Arial"));
  t.c->selectionne(f);
  t.c->modefond(ModeFond::transparent);
  t.c->alignement(drapeaux);
  t.c->ecrittexte(60, 50, texte, longueur(texte));
  t.c->selectionne(objetstock(Stock::fontegui));
  return t.encre();
}

TEST(Texte, AlignementVertical) {
  const Rect haut = encredeH(ALIGNE_HAUT), base = encredeH(ALIGNE_BASELINE), bas = encredeH(ALIGNE_BAS);
  // Top: the cell starts at y, and a capital stands below its internal leading.
  EXPECT_GT(haut.haut, 50);
  EXPECT_LE(haut.bas, 80);
  // Baseline: the letter stands on y.
  EXPECT_LE(base.bas, 51);
  EXPECT_GE(base.bas, 49);
  // Bottom: the whole cell, descent included, is above y.
  EXPECT_LE(bas.bas, 50 - 4);
  EXPECT_EQ(haut.bas - haut.haut, base.bas - base.haut);
  // The three differ by the ascent (24.3 for a 30-pixel Arial cell) and the descent.
  EXPECT_NEAR(haut.haut - base.haut, 24, 1);
  EXPECT_NEAR(haut.haut - bas.haut, 30, 1);
}

TEST(Texte, AlignementHorizontal) {
  const Rect gauche = encredeH(ALIGNE_GAUCHE), droite = encredeH(ALIGNE_DROITE),
             centre = encredeH(ALIGNE_CENTRE);
  EXPECT_GE(gauche.gauche, 60);
  EXPECT_LE(gauche.gauche, 64);  // the H's left side bearing
  EXPECT_LE(droite.droite, 60);
  EXPECT_GE(droite.droite, 56);
  // Centred: the ink is centred on x within a pixel (H is symmetric).
  EXPECT_NEAR((centre.gauche + centre.droite) / 2.0, 60, 1.0);
}

TEST(Texte, EscapementDeQuatreVingtDixDegresMonte) {
  const Rect droit = encredeH(ALIGNE_HAUT, "HH");
  const Rect monte = encredeH(ALIGNE_HAUT, "HH", 900);
  EXPECT_GT(droit.droite - droit.gauche, droit.bas - droit.haut);
  EXPECT_GT(monte.bas - monte.haut, monte.droite - monte.gauche);
  // Turned counter-clockwise about the point: the text runs up from y and
  // its top edge (the cell's) lies on x, the letters to its right.
  EXPECT_LE(monte.bas, 50);
  EXPECT_GT(monte.gauche, 60);
  EXPECT_LE(monte.droite, 60 + 30);
  EXPECT_NEAR(monte.bas - monte.haut, droit.droite - droit.gauche, 2);
}

TEST(Texte, FondOpaqueOuTransparentEtCouleur) {
  for (ModeFond mode : {ModeFond::opaque, ModeFond::transparent}) {
    Toile t(bleuplat);
    Garde f(creefonte(30, 0, 0, 0, false, "Arial"));
    t.c->selectionne(f);
    t.c->modefond(mode);
    t.c->couleurfond(vertplat);
    t.c->couleurtexte(rougeplat);
    t.c->ecrittexte(10, 10, "HH", 2);
    const Dimension e = t.c->etendue("HH", 2);
    t.c->selectionne(objetstock(Stock::fontegui));
    // The cell's top-left corner is above the capitals: background only.
    EXPECT_EQ(t.px(10, 10), mode == ModeFond::opaque ? vertplat : bleuplat);
    EXPECT_EQ(t.px(10 + e.cx - 1, 10 + e.cy - 1), mode == ModeFond::opaque ? vertplat : bleuplat);
    EXPECT_EQ(t.px(10 + e.cx + 1, 10), bleuplat);  // nothing beyond the cell
    // The stems of the H are solid text colour: red, the low byte.
    int rouges = 0;
    for (std::int32_t x = 10; x < 10 + e.cx; ++x) rouges += t.px(x, 10 + 15) == rougeplat;
    EXPECT_GE(rouges, 4);
  }
}

TEST(Texte, EAccentAigu1252) {
  // 0xE9 is "é" in Windows-1252: an "e" (same advance, same body) with an
  // accent above it, not a missing-glyph box or two characters.
  auto encre = [](const char* s) {
    Toile t;
    Garde f(creefonte(38, 0, 0, 0, false, "Arial"));
    t.c->selectionne(f);
    t.c->ecrittexte(20, 20, s, 1);
    const Dimension d = t.c->etendue(s, 1);
    t.c->selectionne(objetstock(Stock::fontegui));
    std::string pixels;
    for (std::int32_t y = 0; y < 100; ++y)
      for (std::int32_t x = 0; x < 120; ++x) pixels += t.px(x, y) == blanc ? '.' : '#';
    return std::make_pair(d, pixels);
  };
  const auto [de, e] = encre("e");
  const auto [deaigu, eaigu] = encre("\xE9");
  EXPECT_EQ(deaigu, de);
  const std::size_t debut = e.find('#');
  ASSERT_NE(debut, std::string::npos);
  const std::size_t ligne = debut / 120 * 120;
  EXPECT_EQ(eaigu.substr(ligne), e.substr(ligne));              // same body
  EXPECT_NE(eaigu.substr(0, ligne).find('#'), std::string::npos);  // plus ink above it
}

}  // namespace
}  // namespace tavlo
