// Packing tokens into stored lines and reading them back.
#include "stockage.h"

#include <algorithm>

#include "settings/chargement.h"

namespace tavlo::generation {

namespace {

using Paquet = std::vector<std::size_t>;  // token indices of one line

std::string suffixe(int niveau) {
  std::string s = "%";
  s += std::to_string(std::max(0, niveau));
  return s;
}

std::string rend(const std::vector<Jeton>& jetons, const Paquet& p) {
  std::string ligne;
  int courant = 0;
  for (std::size_t i : p) {
    const Jeton& j = jetons[i];
    if (j.niveau != courant) {
      if (!ligne.empty()) ligne += ',';
      ligne += suffixe(j.niveau);
      courant = j.niveau;
    }
    if (!ligne.empty()) ligne += ',';
    ligne += j.texte;
  }
  return ligne;
}

// Greedy filling up to `largeur` bytes a line; empty when a single token
// does not fit.
std::vector<Paquet> remplit(const std::vector<Jeton>& jetons, std::size_t largeur) {
  std::vector<Paquet> paquets(1);
  for (std::size_t i = 0; i < jetons.size(); ++i) {
    paquets.back().push_back(i);
    if (rend(jetons, paquets.back()).size() <= largeur) continue;
    paquets.back().pop_back();
    if (paquets.back().empty()) return {};
    paquets.push_back({i});
    if (rend(jetons, paquets.back()).size() > largeur) return {};
  }
  return paquets;
}

}  // namespace

bool emballe(const std::vector<Jeton>& jetons, int nblignes, std::vector<std::string>& lignes) {
  lignes.clear();
  if (nblignes < 1 || jetons.size() < static_cast<std::size_t>(nblignes)) return false;
  // The narrowest width that still needs no more than nblignes lines; the
  // greedy count only falls as the width grows.
  std::vector<Paquet> paquets;
  std::size_t bas = 1;
  std::size_t haut = LONGUEURMAX;
  if (remplit(jetons, haut).empty() ||
      remplit(jetons, haut).size() > static_cast<std::size_t>(nblignes))
    return false;
  while (bas < haut) {
    const std::size_t milieu = (bas + haut) / 2;
    const auto essai = remplit(jetons, milieu);
    if (!essai.empty() && essai.size() <= static_cast<std::size_t>(nblignes))
      haut = milieu;
    else
      bas = milieu + 1;
  }
  paquets = remplit(jetons, haut);
  // Too few lines: halve the longest line until there are enough.
  while (paquets.size() < static_cast<std::size_t>(nblignes)) {
    std::size_t pire = paquets.size();
    std::size_t longueur = 0;
    for (std::size_t k = 0; k < paquets.size(); ++k) {
      const std::size_t l = rend(jetons, paquets[k]).size();
      if (paquets[k].size() >= 2 && l > longueur) {
        pire = k;
        longueur = l;
      }
    }
    if (pire == paquets.size()) return false;
    Paquet fin(paquets[pire].begin() + static_cast<std::ptrdiff_t>(paquets[pire].size() / 2),
               paquets[pire].end());
    paquets[pire].resize(paquets[pire].size() / 2);
    paquets.insert(paquets.begin() + static_cast<std::ptrdiff_t>(pire) + 1, fin);
  }
  for (const Paquet& p : paquets) {
    lignes.push_back(rend(jetons, p));
    // a split line starts with its own suffix token and may have grown
    if (lignes.back().size() > LONGUEURMAX) return false;
  }
  return true;
}

std::vector<std::string> definitions(const std::vector<std::string>& stockees) {
  // Read exactly as the game reads its stored grids.
  ListeChaines defs;
  for (const std::string& ligne : stockees) ajoutedefinition(ligne.c_str(), defs);
  std::vector<std::string> v;
  for (const char* d : defs) v.emplace_back(d);
  return v;
}

}  // namespace tavlo::generation
