// What the font cache of the drawing layer saves: a sized font from the cache,
// against matching the face and making the cairo font anew; and one value
// digit drawn the way the grid draws each value (a new font object per digit).
#include <benchmark/benchmark.h>

#include "platform/dessin.h"
#include "platform/internal/polices.h"

namespace {

tavlo::internal::DescriptionFonte arial(std::int16_t hauteur) {
  tavlo::internal::DescriptionFonte d;
  d.hauteur = hauteur;
  d.largeur = static_cast<std::int16_t>(hauteur / 2);
  d.poids = 200;
  d.face = "Arial";
  return d;
}

void BM_PoliceEnCache(benchmark::State& state) {
  const auto d = arial(22);
  tavlo::internal::police(d);
  for (auto _ : state) benchmark::DoNotOptimize(tavlo::internal::police(d));
}
BENCHMARK(BM_PoliceEnCache);

void BM_PoliceSansCache(benchmark::State& state) {
  const auto d = arial(22);
  for (auto _ : state) benchmark::DoNotOptimize(tavlo::internal::creepolice(d));
}
BENCHMARK(BM_PoliceSansCache);

void BM_ChiffreAvecNouvelleFonte(benchmark::State& state) {
  auto ecran = tavlo::creecontexteimage(100, 100);
  ecran->modefond(tavlo::ModeFond::transparent);
  ecran->alignement(tavlo::ALIGNE_CENTRE);
  for (auto _ : state) {
    tavlo::Objet f = tavlo::creefonte(22, 11, 0, 200, false, "Arial");
    tavlo::Objet avant = ecran->selectionne(f);
    ecran->ecrittexte(50, 40, "3", 1);
    ecran->selectionne(avant);
    tavlo::detruitobjet(f);
  }
}
BENCHMARK(BM_ChiffreAvecNouvelleFonte);

}  // namespace

BENCHMARK_MAIN();
