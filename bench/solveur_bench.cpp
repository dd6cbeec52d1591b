// How fast the solver answers for the ten built-in grids at all seven
// levels: once with the grid already reduced to plain tables (the
// generator's inner loop), once through the Grille as a caller would ask,
// and once where the givens are one short of the reasoning and the solver
// has to branch.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/grille.h"
#include "core/solveur.h"
#include "stockage.h"

namespace {

using namespace tavlo;

constexpr const char* IDS[] = {"1443-22", "2037-1", "1709-17", "1920-5",  "1932-34",
                               "1251-1",  "1251-2", "1251-3",  "1222-65", "1239-1"};

struct Chargee {
  std::unique_ptr<Grille> grille = std::make_unique<Grille>();
  Plateau plateau;
  std::vector<std::int16_t> donnees[8];  // per level 1..7
};

std::vector<Chargee>& grilles() {
  static std::vector<Chargee> toutes = [] {
    std::vector<Chargee> v;
    for (const char* id : IDS) {
      std::ifstream f(std::string(TAVLO_GRILLES) + "/" + id + ".txt", std::ios::binary);
      std::vector<std::string> stockees;
      for (std::string l; std::getline(f, l);) stockees.push_back(l);
      ListeChaines defs;
      for (const std::string& d : generation::definitions(stockees)) defs.ajoutefin(d.c_str());
      Chargee c;
      c.grille->setfromgrivecdef(defs);
      c.grille->construit();
      c.plateau = Plateau(*c.grille);
      for (std::int16_t k = 1; k <= 7; ++k) {
        c.grille->fixeniveau(k);
        c.grille->appliqueniveau();
        c.donnees[k] = donneesde(*c.grille);
      }
      v.push_back(std::move(c));
    }
    return v;
  }();
  return toutes;
}

void BM_DixGrillesSeptNiveaux(benchmark::State& etat) {
  std::vector<Chargee>& v = grilles();
  int uniques = 0;
  for (auto _ : etat) {
    uniques = 0;
    for (const Chargee& c : v)
      for (int k = 1; k <= 7; ++k) uniques += c.plateau.resous(c.donnees[k]).solutions == 1;
  }
  etat.counters["unique"] = uniques;
  etat.counters["resolutions/s"] = benchmark::Counter(
      static_cast<double>(v.size() * 7), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DixGrillesSeptNiveaux)->Unit(benchmark::kMillisecond);

// resous(Grille&) builds the plain tables from the grid every time.
void BM_DixGrillesDepuisLaGrille(benchmark::State& etat) {
  std::vector<Chargee>& v = grilles();
  for (auto _ : etat) {
    for (Chargee& c : v) {
      for (std::int16_t k = 1; k <= 7; ++k) {
        c.grille->fixeniveau(k);
        c.grille->appliqueniveau();
        benchmark::DoNotOptimize(resous(*c.grille).solutions);
      }
    }
  }
}
BENCHMARK(BM_DixGrillesDepuisLaGrille)->Unit(benchmark::kMillisecond);

// Level 7 without its first given: the reasoning stalls, the count branches.
void BM_DixGrillesEnBranchant(benchmark::State& etat) {
  std::vector<Chargee>& v = grilles();
  std::vector<std::vector<std::int16_t>> moins;
  for (const Chargee& c : v) {
    std::vector<std::int16_t> d = c.donnees[7];
    for (std::int16_t& x : d) {
      if (x != 0) {
        x = 0;
        break;
      }
    }
    moins.push_back(std::move(d));
  }
  for (auto _ : etat)
    for (std::size_t i = 0; i < v.size(); ++i)
      benchmark::DoNotOptimize(v[i].plateau.resous(moins[i]).solutions);
}
BENCHMARK(BM_DixGrillesEnBranchant)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
