// What the window draws over the grid or on its help pages, through the
// current canvas (canevascour): hexagons around lattice vertices, the three
// markers, text labels, and the setters of the current pen and brush. Each
// does nothing while there is no current canvas.
//
//   crayon(2, 0x0000FF);                          // red pen, etataffichage.coulcrayon
//   dessinejalon(a, k, 0x00A5FF);                 // orange hexagon around point k
//   etiquette(0, 10, 0, 4, false, 400, true, "Aide");
#pragma once

#include <cstdint>

#include "platform/dessin.h"
#include "rendering/affichage.h"

namespace tavlo {

// An outlined hexagon of radius taille around the named vertex, moved by
// (dx, dy), with the current pen and brush.
void hexasommet(AffichageGrille& a, std::int16_t dx, std::int16_t dy, const char* sommet);
// Marker k (1..nbgroupes + 50, else nothing): a hollow hexagon around item k
// of the grid's points, drawn with a pen 1 mm wide per cell size step of 40.
void dessinejalon(AffichageGrille& a, std::int16_t k, Couleur couleur);
// Text of etataffichage.police, taille mm high, turned by angle degrees, in
// etataffichage.coulcrayon, at (x, y) mm. The font stays selected.
void etiquette(float x, float y, float angle, float taille, bool italique, std::int16_t poids,
               bool centre, const char* texte);
// The pen, whose colour etiquette also uses.
void crayon(std::int16_t largeur, Couleur couleur);
void crayonmm(float largeur, Couleur couleur);
void brossecour(Couleur couleur);

}  // namespace tavlo
