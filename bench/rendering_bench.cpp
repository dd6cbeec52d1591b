// What painting the largest built-in grid costs at the largest cell size: the
// background pass (run only when the background buffer is missing), the
// finish pass on a fresh copy of the background with every cell holding a
// value or pencil marks (every paint), a whole paint that reuses the
// background, and, as the floor, the plain copy of the background into the
// frame buffer.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "core/grille.h"
#include "drawing/pointeurs.h"
#include "drawing/porteur.h"
#include "platform/dessin.h"
#include "rendering/affichage.h"
#include "rendering/canevas.h"
#include "rendering/passes.h"
#include "rendering/peinture.h"
#include "rendering/tampons.h"
#include "settings/chargement.h"

namespace {

using namespace tavlo;

constexpr std::int16_t TAILLE = 70;

// One grid, window and set of buffers for the whole program.
struct Banc {
  Grille g;
  AffichageGrille a{g};
  Canevas c;
  Tampons t;
  ContexteSuivi fenetre;
  Dimension client;
  const char* id = "";

  Banc() {
    // the built-in grid with the most cells
    std::int16_t plus = -1;
    for (const GrilleIntegree& integree : grillesintegrees) {
      Grille essai;
      metgrille(integree.id, essai);
      if (essai.nbcases() > plus) {
        plus = essai.nbcases();
        id = integree.id;
      }
    }
    changetaille(a, TAILLE);
    chargement().dernier.vide();
    chargement().changetaille = [this](Grille&, std::int16_t taille) { changetaille(a, taille); };
    metgrille(id, g);
    appliquestyle(a, AffichageGrille::STYLE);
    g.construit();
    // every cell holds a value or, when empty, all six marks
    for (std::int16_t i = 1; i <= g.nbcases(); ++i) {
      if (g.estvide(i) && i % 2 == 0) g.fixevaleur(i, static_cast<std::int16_t>(1 + i % 6));
      if (g.estvide(i)) g.fixemarques(i, Grille::TOUTES);
    }
    etataffichage.tca = TAILLE;
    etataffichage.modeaff = MODE_JEU;

    // the client area the window layout gives the grid, origin at (L, T)
    std::int16_t gauche = 0, droite = 0, dessus = 0, dessous = 0;
    g.boite(gauche, droite, dessus, dessous);
    client = Dimension{droite - gauche, dessus - dessous};
    fenetre = suivi(creecontexteimage(client.cx, client.cy));
    c.installe(*fenetre, "banc");
    c.setcentre(static_cast<std::uint16_t>(-gauche), static_cast<std::uint16_t>(dessus));
    canevascour = &c;
    t.faitvierge(*fenetre, client);
  }

  void compteurs(benchmark::State& etat) const {
    etat.SetLabel(id);
    etat.counters["cells"] = g.nbcases();
    etat.counters["pixels"] = static_cast<double>(client.cx) * client.cy;
  }
};

Banc& banc() {
  static Banc b;
  return b;
}

// The background step of a paint: a copy of the blank buffer, then the pass.
void BM_Fond(benchmark::State& etat) {
  Banc& b = banc();
  for (auto _ : etat) {
    b.t.faitfond(*b.fenetre, b.client);
    ContexteSuivi fond = suivi(creecontextememoire(*b.fenetre));
    fond->selectionne(b.t.fond());
    b.c.hdc = fond.get();
    dessingrifond(b.a, b.c, false, 0, 0);
    b.c.depileorig();  // what the finish pass would undo
    desoccupe();
    b.c.hdc = b.fenetre.get();
  }
  b.compteurs(etat);
}
BENCHMARK(BM_Fond)->Unit(benchmark::kMillisecond);

// The finish pass on a fresh copy of the background.
void BM_Fin(benchmark::State& etat) {
  Banc& b = banc();
  if (!b.t.fondexiste()) b.t.faitfond(*b.fenetre, b.client);
  for (auto _ : etat) {
    b.t.faitimage(*b.fenetre, b.client);
    ContexteSuivi image = suivi(creecontextememoire(*b.fenetre));
    image->selectionne(b.t.image());
    b.c.hdc = image.get();
    placegrille(b.a, false, b.c);
    dessingrifin(b.a, b.c, false, 0, 0);
    b.c.hdc = b.fenetre.get();
  }
  b.compteurs(etat);
}
BENCHMARK(BM_Fin)->Unit(benchmark::kMillisecond);

// The floor of every paint: the background copied into a new frame.
void BM_Copie(benchmark::State& etat) {
  Banc& b = banc();
  if (!b.t.fondexiste()) b.t.faitfond(*b.fenetre, b.client);
  for (auto _ : etat) b.t.faitimage(*b.fenetre, b.client);
  b.compteurs(etat);
}
BENCHMARK(BM_Copie)->Unit(benchmark::kMillisecond);

// An ordinary repaint: background reused, finish pass, frame to the window.
void BM_Peinture(benchmark::State& etat) {
  Banc& b = banc();
  peintgrille(b.t, *b.fenetre, b.client, b.a, b.c, false);  // the background, once
  for (auto _ : etat) peintgrille(b.t, *b.fenetre, b.client, b.a, b.c, false);
  b.compteurs(etat);
}
BENCHMARK(BM_Peinture)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
