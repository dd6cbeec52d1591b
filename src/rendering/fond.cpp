// The background pass: holes and cells, drawn once into the background buffer.
#include "drawing/pointeurs.h"
#include "geometry/repere.h"
#include "rendering/internal/triangles.h"
#include "rendering/passes.h"
#include "text/texte.h"

namespace tavlo {

void dessingrifond(AffichageGrille& a, Canevas& c, bool variante, Couleur, Couleur) {
  Grille& g = a.grille;
  g.construit();
  occupe();  // the finish pass lowers it
  c.empileorig();  // the finish pass pops it
  c.brosse(coulcase);
  placegrille(a, variante, c);

  g.assuretrous();
  Repere repere = g.grand();  // xde needs a frame of its own to work in
  c.stylo(2, coultrou);
  c.brosse(coultrou);
  const ListeChaines& trous = g.trous();
  for (std::int16_t n = 1, fin = trous.nombre(); n <= fin; ++n) {
    const char* nom = trous.element(n);
    Point coins[4];
    interne::triangle(repere, repere.xde(nom), repere.yde(nom), !contient(nom, ":AF"), coins);
    c.polygone(0, 0, coins, 4);
  }

  // A pen and a brush are made for every cell. That is the expensive part of
  // the pass, and the pass runs only when the background buffer is missing.
  const std::int16_t largeur = largeurbord(g.taille());
  const std::vector<std::uint8_t> hauts = interne::hauts(g);
  for (std::int16_t i = 1, fin = g.nbcases(); i <= fin; ++i) {
    c.brosse(coulcase);
    c.stylo(largeur, coulbord);
    Point coins[4];
    interne::triangledecase(g, repere, i, hauts[static_cast<std::size_t>(i)] != 0, coins);
    c.polygone(0, 0, coins, 4);
  }
}

}  // namespace tavlo
