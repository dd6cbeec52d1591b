// Looking up stored texts and unscrambling their lines.
#include "settings/textesstockes.h"

#include "text/debrouille.h"
#include "text/texte.h"

namespace tavlo {

const TexteStocke* cherchetexte(const RecueilTextes& r, const char* nom) {
  for (std::int16_t k = 0; k < r.nombre; ++k)
    if (egalemaj(r.textes[k].nom, nom)) return &r.textes[k];
  return nullptr;
}

const char* lignebrouillee(const TexteStocke* t, std::int16_t n) {
  if (t == nullptr || n < 1 || n > t->nombre) return nullptr;
  return t->lignes[n - 1];
}

bool litligne(const RecueilTextes& r, const char* nom, std::int16_t n, Chaine& cible) {
  const char* l = lignebrouillee(cherchetexte(r, nom), n);
  if (l == nullptr) {
    cible.vide();
    return false;
  }
  cible.affecte(debrouille(l));
  return true;
}

void ajoutelignes(const TexteStocke* t, ListeChaines& cible) {
  if (t == nullptr) return;
  for (std::int16_t n = 1; n <= t->nombre; ++n) cible.ajoutefin(debrouille(t->lignes[n - 1]));
}

}  // namespace tavlo
