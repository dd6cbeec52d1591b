// Markers, labels and the current pen and brush, through the current canvas.
#include "rendering/surcouches.h"

#include "drawing/porteur.h"
#include "geometry/repere.h"
#include "rendering/canevas.h"
#include "rendering/internal/entiers.h"

namespace tavlo {

void hexasommet(AffichageGrille& a, std::int16_t dx, std::int16_t dy, const char* sommet) {
  if (canevascour == nullptr) return;
  Grille& g = a.grille;
  Repere r = g.grand();  // xde needs a frame of its own to work in
  const auto x = static_cast<std::int16_t>(r.xde(sommet) + dx);
  const auto y = static_cast<std::int16_t>(r.yde(sommet) + dy);
  canevascour->hexagone(x, y, 0, g.taille());
}

void dessinejalon(AffichageGrille& a, std::int16_t k, Couleur couleur) {
  Grille& g = a.grille;
  if (canevascour == nullptr || k < 1 || k > g.nbgroupes() + 50) return;
  g.assurepoints();
  canevascour->brossevide();
  crayonmm(largeurbord(g.taille()), couleur);
  // The window only marks points it found by a hit test; a number past the
  // list names no point, which reads as the lattice origin.
  const char* sommet = g.points().element(k);
  hexasommet(a, 0, 0, sommet != nullptr ? sommet : "");
}

void etiquette(float x, float y, float angle, float taille, bool italique, std::int16_t poids,
               bool centre, const char* texte) {
  Canevas* c = canevascour;
  if (c == nullptr) return;
  const std::int16_t h = c->mmpixx(taille);
  Fonte& f = porteurfonte();
  f.fonterot(h, static_cast<std::int16_t>(h / 3), interne::tronque16(10.0L * angle), italique,
             poids, etataffichage.police.texte());
  f.selectionne(c->hdc);
  f.couleur(etataffichage.coulcrayon);
  c->ecritmm(x, y, texte, centre);
}

void crayon(std::int16_t largeur, Couleur couleur) {
  etataffichage.coulcrayon = couleur;
  if (canevascour != nullptr) canevascour->stylo(largeur, couleur);
}

void crayonmm(float largeur, Couleur couleur) {
  etataffichage.coulcrayon = couleur;
  if (canevascour != nullptr) canevascour->stylomm(largeur, couleur);
}

void brossecour(Couleur couleur) {
  if (canevascour != nullptr) canevascour->brosse(couleur);
}

}  // namespace tavlo
