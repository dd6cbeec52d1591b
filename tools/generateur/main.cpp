// tavlo-generateur: writes the stored lines of one built-in grid.
//
//   tavlo-generateur [--graine N] [--forme bloc|anneau|serpent|dentelle]
//                    [shape options] [constraints] [--lignes N] [--essais N]
//                    [--profil P1/P2/P3/P4/P5/P6] [-o FILE]
//   tavlo-generateur --examine FILE
//
// The same options give the same grid on every platform. The stored lines
// begin with notes "#tavlo-generateur", "#graine=7", "#forme=bloc"... that
// record them, so a stored grid says how to make it again; regenerate.sh
// makes all ten built-in grids. A report on the grid (cells,
// givens per level, extent at cell sizes 40 and 70) goes to the error
// stream. --examine reports on a stored grid file without generating.
//
// Exit status: 0 done, 1 no grid met the constraints, 2 bad usage.
#include <chrono>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "generation.h"
#include "stockage.h"

namespace {

using namespace tavlo::generation;

constexpr int USAGE = 2;

void usage(std::ostream& o) {
  o << "usage: tavlo-generateur [options] [-o FILE]\n"
       "       tavlo-generateur --examine FILE\n"
       "  --graine N        seed (default 1)\n"
       "  --forme NAME      bloc, anneau, serpent or dentelle (default bloc)\n"
       "  --groupes N       bloc, serpent: centres; anneau: bumps on the ring\n"
       "  --rayon R         anneau, dentelle: radius\n"
       "  --epaisseur E     anneau: rings side by side\n"
       "  --serre K         bloc: a place's weight is its neighbours to the power K\n"
       "  --saut P          bloc, serpent: percent of places two steps away\n"
       "  --hauteur H       bloc: stay within H rows above and below the origin\n"
       "  --sinueux P       serpent: percent of turns\n"
       "  --cap L           serpent: never walk against direction L (A..F)\n"
       "  --trous P         dentelle: percent of centres dropped\n"
       "  --cases N         only shapes of exactly N cells\n"
       "  --largeur70 W     only shapes at least W pixels wide at cell size 70\n"
       "  --boite40 W       only shapes at most W pixels wide and high at cell size 40\n"
       "  --lignes N        stored lines (default 5)\n"
       "  --essais N        removal orders tried (default 20)\n"
       "  --profil P/../P   percent of removable givens shown at effective levels 1..6\n";
}

int erreur(const std::string& message) {
  std::cerr << "tavlo-generateur: " << message << "\n";
  return USAGE;
}

void rapport(const Bilan& b, std::ostream& o) {
  o << "cells " << b.cases << ", complete groups " << b.complets << ", partial groups "
    << b.partiels << ", decalage " << b.decalage << ", level 7 "
    << (b.niveau7 ? "available" : "NOT available") << "\n";
  o << "givens by level:";
  for (int k = 1; k <= 7; ++k) o << " " << k << ":" << b.donnees[k];
  o << "\nreasoning alone solves levels:";
  for (int k = 1; k <= 7; ++k)
    if (b.solutions[k] == 1 && b.raisonnement[k]) o << " " << k;
  o << "\nbox at 40: " << b.largeur40 << " x " << b.hauteur40 << ", at 70: " << b.largeur70 << " x "
    << b.hauteur70 << "\nlongest stored line " << b.pluslongue << " bytes\n";
}

int examinefichier(const std::string& fichier) {
  std::ifstream f(fichier, std::ios::binary);
  if (!f) return erreur("cannot read " + fichier);
  std::vector<std::string> lignes;
  for (std::string l; std::getline(f, l);) {
    while (!l.empty() && (l.back() == '\r' || l.back() == ' ')) l.pop_back();
    if (!l.empty()) lignes.push_back(l);
  }
  const Bilan b = examine(lignes);
  std::cout << lignes.size() << " stored lines\n";
  rapport(b, std::cout);
  return b.bon() && b.pluslongue <= static_cast<std::size_t>(LONGUEURMAX) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  Parametres p;
  std::string sortie;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      usage(std::cout);
      return 0;
    }
    if (i + 1 >= args.size() || a.size() < 2 || a[0] != '-') {
      usage(std::cerr);
      return erreur("'" + a + "' needs a value or is unknown");
    }
    const std::string& v = args[++i];
    if (a == "--examine") return examinefichier(v);
    if (a == "-o") {
      sortie = v;
      continue;
    }
    std::string message = "unknown option " + a;
    if (a.rfind("--", 0) != 0 || !fixeoption(a.substr(2), v, p, message)) {
      usage(std::cerr);
      return erreur(message);
    }
  }

  const auto debut = std::chrono::steady_clock::now();
  Sortie s;
  std::string message;
  if (!genere(p, s, message)) {
    std::cerr << "tavlo-generateur: " << message << "\n";
    return 1;
  }
  const double secondes =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();

  if (sortie.empty()) {
    for (const std::string& l : s.lignes) std::cout << l << "\n";
  } else {
    std::ofstream f(sortie, std::ios::binary);
    for (const std::string& l : s.lignes) f << l << "\n";
    if (!f) return erreur("cannot write " + sortie);
  }
  rapport(s.bilan, std::cerr);
  std::cerr << "minimal givens " << s.minimales << ", shapes drawn " << s.formes << ", " << secondes
            << " s\n";
  return 0;
}
