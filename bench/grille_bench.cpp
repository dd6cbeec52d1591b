// How long a large grid takes from its definition lines to the first
// candidate computation: the work a grid load does before the first paint.
#include <benchmark/benchmark.h>

#include <string>

#include "core/grille.h"
#include "core/regles.h"
#include "text/listechaines.h"

namespace {

using namespace tavlo;

// Thirty complete groups in a zigzag, each one step from the last (A, then B,
// then A...), so that each shares two cells with its predecessor only: the
// most cells thirty overlapping groups can cover, with partial groups all
// along both sides.
void zigzag(ListeChaines& lignes, int groupes) {
  std::string chemin;
  for (int i = 0; i < groupes; ++i) {
    lignes.ajoutefin(("X" + chemin).c_str());
    chemin += (i % 2 == 0) ? "A" : "B";
  }
}

void BM_ChargeGrandeGrille(benchmark::State& etat) {
  ListeChaines lignes;
  zigzag(lignes, 30);
  std::int64_t cases = 0;
  for (auto _ : etat) {
    Grille g;
    g.setfromgrivecdef(lignes);
    g.construit();
    g.assurevoisins();
    recalculepossibles(g);
    cases = g.nbcases();
    benchmark::DoNotOptimize(g.possibles(1));
  }
  etat.counters["cells"] = static_cast<double>(cases);
}
BENCHMARK(BM_ChargeGrandeGrille)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
