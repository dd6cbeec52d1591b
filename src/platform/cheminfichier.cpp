// Splitting file paths into their parts and putting chosen parts back together.
#include "platform/cheminfichier.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "text/texte.h"

namespace tavlo {

void CheminFichier::decoupe(const char* chemin) {
  unite[0] = 0;
  repertoire.vide();
  fichier.vide();
  extension.vide();

  std::string reste = chemin != nullptr ? chemin : "";
  std::replace(reste.begin(), reste.end(), '\\', '/');

  if (const auto deuxpoints = reste.find(':'); deuxpoints != std::string::npos) {
    // Drives are a letter and a colon; anything longer is not one the program
    // ever splits, so the field simply keeps what fits.
    const std::size_t n = std::min(deuxpoints + 1, sizeof unite - 1);
    reste.copy(unite, n);
    unite[n] = 0;
    majuscules(unite);
    reste.erase(0, deuxpoints + 1);
  }

  if (const auto barre = reste.rfind('/'); barre != std::string::npos) {
    repertoire.affecte(reste.substr(0, barre + 1).c_str());
    reste.erase(0, barre + 1);
  }

  const auto point = reste.find('.');
  fichier.affecte(reste.substr(0, point).c_str());
  otespaces(fichier.texte());
  if (point != std::string::npos) {
    // Spaces after the dot go, those at the end stay.
    Chaine apres(reste.c_str() + point + 1);
    otespacesdebut(apres.texte());
    extension.affecte2(".", apres.texte());
  }
}

void CheminFichier::compose(const char* selection, Chaine& cible) const {
  std::string choix;
  for (const char* p = selection != nullptr ? selection : ""; *p != 0; ++p)
    if (*p != ' ') choix.push_back(majuscule(*p));
  const auto demande = [&choix](std::string_view paire) {
    return choix.find(paire) != std::string::npos;
  };

  // Each part brings its own separator; the doubles this gives when a part
  // already ends with one are removed below.
  std::string resultat;
  for (const char lettre : choix) {
    switch (lettre) {
      case 'U':
        if (unite[0] != 0) {
          resultat.append(unite, std::find(unite, unite + sizeof unite, 0));
          if (demande("UR")) resultat += '/';
        }
        break;
      case 'R':
        if (repertoire.nonvide()) {
          resultat += repertoire.texte();
          if (demande("RF")) resultat += '/';
        }
        break;
      case 'F':
        resultat += fichier.texte();
        if (demande("FX")) resultat += '.';
        break;
      case 'X':
        resultat += extension.texte();
        break;
      default:
        break;
    }
  }

  cible.affecte(resultat.c_str());
  char* t = cible.texte();
  while (contient(t, "//")) remplacesur(t, 999, "//", "/");
  remplacesur(t, 999, "\\\\", "\\");
  while (contient(t, "..")) remplacesur(t, 999, "..", ".");
}

}  // namespace tavlo
