// Grid layout on names: canonical names of triangles and edges, the fixed
// relative names around a vertex, and everything derived from a list of cell
// names (vertices, groups, neighbours, rows and columns, holes, lines), plus
// the nearest-centre search behind every hit test. All of it works on texts
// and lists, so the grid model calls it without any drawing.
//
//   Chaine c;
//   canonique("C:BC", c);         // "CC:AF": vertex C, triangle B-C
//   ListeChaines cases, points;    // cases: sorted canonical cell names
//   construitpoints(cases, points);
//
// Names: a vertex is the expanded canonical text of its path ("" = origin); a
// triangle is vertex + ":AB" (up) or ":AF" (down); an edge is vertex + ":A",
// ":B" or ":C". A leading "X" (group marker) survives canonicalisation.
#pragma once

#include <cstdint>

#include "text/chaine.h"
#include "text/listechaines.h"

namespace tavlo {

// Canonical form of a vertex, triangle or edge name, written expanded (or
// compact). Lower-case letters are accepted.
void canonique(const char* nom, Chaine& cible, bool compact = false);

// Canonical name of `nom` (a name relative to a vertex, as in the lists
// below) placed at the vertex `sommet`: relatif("A", "D:AB", c) gives ":AB".
void relatif(const char* sommet, const char* nom, Chaine& cible);

// The fixed relative names, built once by rotating seeds by 60 degrees.
struct NomsRelatifs {
  Chaine groupe[6];   // ":AB", "C:AF", "D:AB", "D:AF", "E:AB", ":AF"
  Chaine rayons[6];   // the six edges leaving the vertex
  Chaine contour[6];  // the six edges of the hexagon around the vertex
  Chaine anneau[18];  // the triangles outside that hexagon touching its outline
};
const NomsRelatifs& nomsrelatifs();

// Of one canonical triangle name:
bool esthaut(const char* triangle);  // contains ":AB"
// V, V + A and V + B (up) or V + F (down), canonical.
void sommetsdutriangle(const char* triangle, Chaine sommets[3]);
// The three triangles across its edges, canonical.
void voisinsdarete(const char* triangle, Chaine voisins[3]);

// From the sorted canonical cell names. Every function but trouvegroupes
// empties its result lists first.
void construitpoints(const ListeChaines& cases, ListeChaines& points);
// Adds complete centres (all six triangles are cells) to hexas unless present
// and partial centres (3 to 5) to hexaps; both end sorted without duplicates.
void trouvegroupes(const ListeChaines& cases, ListeChaines& hexas, ListeChaines& hexaps);
// One line per cell, in cases order: name, ",  ", each neighbour name + ",".
void construitvoisins(const ListeChaines& cases, ListeChaines& voisins);
// lig[i], col[i] for cell i = 1..nombre (index 0 unused).
void lignescolonnes(const ListeChaines& cases, std::int16_t* lig, std::int16_t* col,
                    std::int16_t& nblignes, std::int16_t& nbcolonnes);
// The empty triangles bordering the complete groups, split into those the
// grid encloses and those outside it; both sorted.
void trousetexterieur(const ListeChaines& hexas, const ListeChaines& cases,
                      ListeChaines& trous, ListeChaines& exterieur);
// Straight segments "P:AAA" per direction class (0 = ":A", 1 = ":B",
// 2 = ":C"): the lattice edges inside the complete groups, and those of
// their outline.
void traits(const ListeChaines& hexas, ListeChaines interieurs[3], ListeChaines contours[3]);

// Offset (in pixels, y upward) of pencil mark k (1..6) from a cell centre;
// hauteur is the y of direction B in the grid's big frame. Any other k
// gives (0, 0).
void decalagemarque(bool haut, int k, std::int16_t taille, std::int16_t hauteur,
                    std::int16_t& dx, std::int16_t& dy);

// Hit-test radii, all Manhattan distances.
inline int rayoncase(int taille) { return taille / 2; }
inline int rayonmarque(int taille) { return taille / 6; }
inline int rayongroupe(int taille) { return taille / 6; }
inline int rayonpartiel(int taille) { return taille / 4; }
inline int rayonsommet(int taille) { return taille / 6; }

// 1-based index of the centre nearest (x, y), the lower index on ties, or 0
// when the nearest lies further than `rayon`. centre(i, cx, cy) fills the
// centre of candidate i = 1..n.
template <class Centre>
std::int16_t plusproche(int n, Centre centre, int x, int y, int rayon) {
  int meilleur = 0;
  long distmin = 0;
  for (int i = 1; i <= n; ++i) {
    int cx = 0, cy = 0;
    centre(i, cx, cy);
    long d = static_cast<long>(cx > x ? cx - x : x - cx) + (cy > y ? cy - y : y - cy);
    if (meilleur == 0 || d < distmin) {
      meilleur = i;
      distmin = d;
    }
  }
  return (meilleur == 0 || distmin > rayon) ? 0 : static_cast<std::int16_t>(meilleur);
}

}  // namespace tavlo
