// Grid layout for the drawing: the empty triangles around the complete groups
// split into holes and exterior, and the straight lines inside the groups and
// along their outline.
#include "geometry/disposition.h"

#include <cstring>

#include "geometry/chemin.h"

namespace tavlo {

namespace {

// Sum of the steps in directions k and k + 1 of the normalised vertex path:
// how far the triangle lies out towards the corner between them.
int eloignement(Chemin& ch, const char* nom, int k) {
  ch.fixetexte(nom);
  ch.normalise();
  return ch.compte(k) + ch.compte(k + 1);
}

// Position in `collecte` of the triangle furthest out between directions k
// and k + 1: the last of equals, or the first item when none lies out there.
std::int16_t extreme(const ListeChaines& collecte, Chemin& ch, int k) {
  std::int16_t meilleur = 1;
  int max = 0;
  for (std::int16_t i = 1; i <= collecte.nombre(); ++i) {
    const int e = eloignement(ch, collecte.element(i), k);
    if (e > 0 && e >= max) {
      max = e;
      meilleur = i;
    }
  }
  return meilleur;
}

int classe(const char* arete) {
  const std::size_t n = std::strlen(arete);
  return n == 0 ? 0 : (arete[n - 1] - 'A') % 3;
}

// Outline edges that are spokes of a group, or that two groups share, lie
// inside the grid: they leave the outline, the shared ones joining the
// spokes once. The outline list is sorted with its duplicates side by side.
void separe(ListeChaines& rayons, ListeChaines& contour) {
  ListeChaines restants;
  std::int16_t i = 1;
  const std::int16_t n = contour.nombre();
  while (i <= n) {
    const char* arete = contour.element(i);
    std::int16_t fin = i + 1;
    while (fin <= n && std::strcmp(contour.element(fin), arete) == 0) ++fin;
    if (rayons.cherche(arete) == 0) {
      if (fin - i >= 2) {
        rayons.ajoutefin(arete);
      } else {
        restants.ajoutefin(arete);
      }
    }
    i = fin;
  }
  contour.echange(restants);
  rayons.triunique();
  contour.triunique();
}

// Joins edges of one direction end to start into straight runs: "P:A" and
// "PA:A" become "P:AA". Starts never move and ends only grow, so once an
// item has swallowed every successor it stays maximal; one pass suffices.
void fusionne(ListeChaines& liste) {
  Chaine fin;
  Chaine joint;
  for (std::int16_t i = 1; i <= liste.nombre(); ++i) {
    for (;;) {
      // The end vertex: the whole path with the ":" dropped.
      joint.affecte(liste.element(i));
      joint.remplace(":", "");
      canonique(joint.texte(), fin);
      fin.ajoute(":");
      const std::int16_t j = liste.chercheprefixe(fin.texte());
      if (j == 0 || j == i) break;
      joint.affecte2(liste.element(i), std::strchr(liste.element(j), ':') + 1);
      liste.change(i, joint.texte());
      liste.supprime(j);
      if (j < i) --i;
    }
  }
}

}  // namespace

void trousetexterieur(const ListeChaines& hexas, const ListeChaines& cases,
                      ListeChaines& trous, ListeChaines& exterieur) {
  trous.efface();
  exterieur.efface();
  const NomsRelatifs& rel = nomsrelatifs();
  ListeChaines collecte;
  Chaine nom;
  for (std::int16_t i = 1; i <= hexas.nombre(); ++i) {
    for (const Chaine& r : rel.anneau) {
      relatif(hexas.element(i), r.texte(), nom);
      if (cases.cherche(nom.texte()) == 0) collecte.ajoutefin(nom.texte());
    }
  }
  collecte.triunique();

  // The triangle furthest out towards each of the six corners cannot be
  // enclosed; every empty triangle reached from those across edges is
  // outside too.
  Chemin ch;
  ListeChaines file;
  for (int k = 0; k < 6 && collecte.nonvide(); ++k) collecte.deplace(extreme(collecte, ch, k), file);
  Chaine graine;
  Chaine voisins[3];
  while (file.nonvide()) {
    file.retire(graine);
    voisinsdarete(graine.texte(), voisins);
    for (const Chaine& v : voisins) {
      const std::int16_t n = collecte.cherche(v.texte());
      if (n != 0) collecte.deplace(n, file);
    }
    exterieur.ajoutefin(graine.texte());
  }
  trous.echange(collecte);
  trous.triunique();
  exterieur.triunique();
}

void traits(const ListeChaines& hexas, ListeChaines interieurs[3], ListeChaines contours[3]) {
  for (int c = 0; c < 3; ++c) {
    interieurs[c].efface();
    contours[c].efface();
  }
  const NomsRelatifs& rel = nomsrelatifs();
  Chaine nom;
  for (std::int16_t i = 1; i <= hexas.nombre(); ++i) {
    const char* centre = hexas.element(i);
    for (const Chaine& r : rel.rayons) {
      relatif(centre, r.texte(), nom);
      interieurs[classe(nom.texte())].ajoutesiabsent(nom.texte());
    }
    for (const Chaine& r : rel.contour) {
      relatif(centre, r.texte(), nom);
      contours[classe(nom.texte())].insere(nom.texte());
    }
  }
  for (int c = 0; c < 3; ++c) {
    separe(interieurs[c], contours[c]);
    fusionne(interieurs[c]);
    fusionne(contours[c]);
  }
}

}  // namespace tavlo
