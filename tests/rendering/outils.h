// Test helpers for the rendering: grids from literal definition lines, made
// ready for a paint at a cell size, a recording context the holders forget
// when it goes, the program-wide display state put back between tests, and a
// grid painted into a real image with pixel probes in grid coordinates.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "core/grille.h"
#include "drawing/pointeurs.h"
#include "drawing/porteur.h"
#include "platform/dessin.h"
#include "platform/trace.h"
#include "rendering/affichage.h"
#include "rendering/canevas.h"
#include "rendering/peinture.h"
#include "rendering/tampons.h"
#include "text/listechaines.h"

namespace rendutest {

using namespace tavlo;

inline void charge(Grille& g, std::initializer_list<const char*> lignes) {
  ListeChaines def;
  for (const char* l : lignes) def.ajoutefin(l);
  g.setfromgrivecdef(def);
}

// Six groups two steps from the origin, around a star of twelve holes.
inline void etoile(Grille& g) { charge(g, {"XAA", "XBB", "XCC", "XDD", "XEE", "XFF"}); }

// A recording "window"; the holders forget it before it goes.
struct Trace {
  explicit Trace(std::int32_t l = 400, std::int32_t h = 300)
      : suivi_(suivi(std::make_unique<ContexteTrace>(l, h))),
        t(static_cast<ContexteTrace&>(*suivi_)) {}
  ContexteSuivi suivi_;
  ContexteTrace& t;

  // Lines holding motif, from every context of the journal.
  int compte(const std::string& motif) const {
    return static_cast<int>(std::count_if(t.lignes().begin(), t.lignes().end(), [&](const std::string& l) {
      return l.find(motif) != std::string::npos;
    }));
  }
};

// Every test starts from the display state the shell starts with.
class Propre : public ::testing::Test {
protected:
  void SetUp() override { remetetat(); }
  void TearDown() override { remetetat(); }

  static void remetetat() {
    etataffichage = EtatAffichage{};
    canevascour = nullptr;
    etenduegrille = Etendue{};
    while (pointeurs().occupation() > 0) desoccupe();
  }
};

// The grid of a at cell size taille in the drawing style, the display state
// playing at that size, and the grid built: ready for a paint.
inline void prepare(AffichageGrille& a, std::int16_t taille) {
  changetaille(a, taille);
  appliquestyle(a, AffichageGrille::STYLE);
  etataffichage.tca = taille;
  etataffichage.modeaff = MODE_JEU;
  a.grille.construit();
}

// A grid painted into a 96-dpi image with the lattice origin in the middle.
class Image : public Propre {
protected:
  static constexpr std::int32_t L = 600, H = 560;

  void peins(const std::function<void(Canevas&)>& surcouches = {}) {
    if (!fenetre) {
      fenetre = suivi(creecontexteimage(L, H));
      c.installe(*fenetre, "ecran");
      c.setcentre(L / 2, H / 2);
    }
    peintgrille(t, *fenetre, {L, H}, a, c, true, surcouches);
  }

  // The pixel of grid position (x, y), y upward.
  Couleur pixel(int x, int y) const { return lispixel(bitmapde(*fenetre), L / 2 + x, H / 2 - y); }

  // Pixels within r (both ways) of grid position (x, y) that satisfy test.
  int compte(int x, int y, int r, const std::function<bool(Couleur)>& test) const {
    int n = 0;
    for (int dy = -r; dy <= r; ++dy)
      for (int dx = -r; dx <= r; ++dx) n += test(pixel(x + dx, y + dy)) ? 1 : 0;
    return n;
  }

  std::vector<Couleur> pixels() const {
    std::vector<Couleur> v;
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < L; ++x) v.push_back(lispixel(bitmapde(*fenetre), x, y));
    return v;
  }

  Grille g;
  AffichageGrille a{g};
  Canevas c;
  Tampons t;
  ContexteSuivi fenetre;
};

// Colour families, loose enough for antialiased text.
inline bool noir(Couleur c) { return rouge(c) < 90 && vert(c) < 90 && bleu(c) < 90; }
inline bool magenta(Couleur c) { return rouge(c) > 170 && vert(c) < 110 && bleu(c) > 170; }
inline bool bleupur(Couleur c) { return rouge(c) < 110 && vert(c) < 110 && bleu(c) > 170; }
inline bool vertpur(Couleur c) { return rouge(c) < 110 && vert(c) > 170 && bleu(c) < 110; }

}  // namespace rendutest
