// Command-line parsing for tavlo-grid.
#include "options.h"

#include <charconv>

namespace tavlo::outil {

std::optional<std::string> Ligne::valeur(const std::string& nom) const {
  auto it = valeurs.find(nom);
  if (it == valeurs.end()) return std::nullopt;
  return it->second;
}

std::optional<int> Ligne::entierentre(const std::string& nom, int min, int max) {
  auto texte = valeur(nom);
  if (!texte) return std::nullopt;
  int n = 0;
  auto [fin, ec] = std::from_chars(texte->data(), texte->data() + texte->size(), n);
  if (ec != std::errc() || fin != texte->data() + texte->size() || n < min || n > max) {
    if (erreur.empty())
      erreur = "--" + nom + " takes a whole number from " + std::to_string(min) + " to " +
               std::to_string(max) + ", not '" + *texte + "'";
    return std::nullopt;
  }
  return n;
}

Ligne analyse(const std::vector<std::string>& args, const std::set<std::string>& avecvaleur,
              const std::set<std::string>& drapeaux) {
  Ligne l;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() < 3 || a.compare(0, 2, "--") != 0) {
      l.positionnels.push_back(a);
      continue;
    }
    std::string nom = a.substr(2);
    if (drapeaux.count(nom)) {
      l.drapeaux.insert(nom);
    } else if (avecvaleur.count(nom)) {
      if (i + 1 >= args.size()) {
        l.erreur = "option " + a + " needs a value";
        return l;
      }
      l.valeurs[nom] = args[++i];
    } else {
      l.erreur = "unknown option " + a;
      return l;
    }
  }
  return l;
}

}  // namespace tavlo::outil
