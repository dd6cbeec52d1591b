// Test helpers for the puzzle core: loading a grid from literal definition
// lines, and a seeded source of random definitions around the origin.
#pragma once

#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "core/grille.h"
#include "text/listechaines.h"

namespace coretest {

inline void charge(tavlo::Grille& g, std::initializer_list<const char*> lignes) {
  tavlo::ListeChaines def;
  for (const char* l : lignes) def.ajoutefin(l);
  g.setfromgrivecdef(def);
}

inline void charge(tavlo::Grille& g, const std::vector<std::string>& lignes) {
  tavlo::ListeChaines def;
  for (const std::string& l : lignes) def.ajoutefin(l.c_str());
  g.setfromgrivecdef(def);
}

// A few groups and loose cells within two steps of the origin; some cells
// carry a value letter and a tag, so that some become givens. Values ignore
// the rule: the tests that use these grids do not need a solvable grid.
inline std::vector<std::string> definitionauhasard(std::mt19937& gen) {
  static const char* const sommets[] = {"", "A", "B", "C", "D", "E", "F", "A2", "AB", "B2", "C2", "D2"};
  static const char* const tags[] = {"75", "80", "85", "90", "95", "100", "120"};
  std::uniform_int_distribution<int> sommet(0, 11);
  std::uniform_int_distribution<int> nombre(1, 4);
  std::uniform_int_distribution<int> valeur(0, 6);
  std::uniform_int_distribution<int> tag(0, 6);
  std::vector<std::string> lignes;
  for (int n = nombre(gen); n > 0; --n) lignes.push_back(std::string("X") + sommets[sommet(gen)]);
  for (int n = nombre(gen) * 2; n > 0; --n) {
    std::string l = sommets[sommet(gen)];
    l += gen() % 2 ? "W" : "V";
    const int v = valeur(gen);
    if (v > 0) {
      l += static_cast<char>('P' + v - 1);
      l += "J%";
      l += tags[tag(gen)];
    }
    lignes.push_back(l);
  }
  return lignes;
}

}  // namespace coretest
