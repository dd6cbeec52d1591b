// The rule: candidates from the values, judging a placement, completion.
#include "core/regles.h"

namespace tavlo {

void recalculepossibles(Grille& g) {
  g.assurecases();
  g.assurevoisins();
  const std::int16_t n = g.nbcases();
  for (int i = 1; i <= n; ++i) g.fixepossibles(i, Grille::TOUTES);
  for (int i = 1; i <= n; ++i) {
    const std::int16_t v = g.valeur(i);
    if (v <= 0) continue;
    const auto bit = static_cast<std::int16_t>(1 << (v - 1));
    g.fixepossibles(i, bit);
    for (int k = 0; k < Voisinage::NB; ++k) {
      const std::int16_t c = g.voisin(i, k);
      if (c != 0 && g.estvide(c)) g.fixepossibles(c, static_cast<std::int16_t>(g.possibles(c) & ~bit));
    }
  }
}

bool estpermis(const Grille& g, std::int16_t i, std::int16_t v) { return g.estpossible(i, v); }

Jugement juge(Grille& g, std::int16_t i, std::int16_t chiffre) {
  Jugement j;
  if (!g.estcase(i) || chiffre < 0 || chiffre > 6) return j;
  recalculepossibles(g);
  const std::int16_t v = g.valeur(i);
  if (v <= 0) {
    if (chiffre == 0) {
      if (g.ademarques()) {
        g.effacemarques(i);
        j.issue = Issue::marquesotees;
      }
    } else if (estpermis(g, i, chiffre)) {
      g.fixevaleur(i, chiffre);
      j.issue = Issue::placee;
      j.valeur = chiffre;
      j.resolue = estresolue(g);
    } else {
      j.issue = Issue::refusee;
    }
  } else if (g.estfixe(i)) {
    j.issue = Issue::donnee;
    j.valeur = v;
  } else if (chiffre == 0 || chiffre == v) {
    g.fixevaleur(i, 0);
    j.issue = Issue::effacee;
    j.valeur = v;
  } else {
    j.issue = Issue::refusee;
  }
  return j;
}

bool estresolue(const Grille& g) { return g.toutrempli(); }

}  // namespace tavlo
