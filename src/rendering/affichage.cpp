// The grid's display fields and the layout's grid operations.
#include "rendering/affichage.h"

#include "rendering/internal/entiers.h"

namespace tavlo {

void changetaille(AffichageGrille& a, std::int16_t taille) {
  a.grille.fixetaille(taille);
  a.hautval = hauteurvaleur(taille);
}

void appliquestyle(AffichageGrille& a, std::int16_t n) { a.style = n; }

void placegrille(AffichageGrille&, bool, Canevas& c) { c.origmm(0, 0); }

Etendue etenduemm(std::int16_t gauche, std::int16_t droite, std::int16_t dessus,
                  std::int16_t dessous, const Canevas& c) {
  Etendue e;
  e.gauche = interne::tronque16(c.pixmmx(gauche));
  e.bas = interne::tronque16(c.pixmmy(dessous));
  e.droite = interne::tronque16(c.pixmmx(droite));
  e.haut = interne::tronque16(c.pixmmy(dessus));
  return e;
}

void etendue(AffichageGrille& a, const Canevas& c) {
  std::int16_t gauche = 0, droite = 0, dessus = 0, dessous = 0;
  a.grille.boite(gauche, droite, dessus, dessous);  // already widened by taille
  etenduegrille = etenduemm(gauche, droite, dessus, dessous, c);
}

std::int16_t decalmarques(std::int16_t tca) {
  switch (tca) {
    case 40: return 5;
    case 50: return 6;
    case 60: return 8;
    case 70: return 9;
    default: return 0;
  }
}

}  // namespace tavlo
