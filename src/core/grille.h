// Grille: the puzzle being played. A patch of the triangular lattice whose
// triangles are cells (Case) holding 1..6, grouped around lattice vertices
// into complete groups (six cells) and partial groups (three to five). The
// primary data come from a grid definition (lignedef.h); everything else is
// a derived table built on demand by an assure... operation and released by
// the next load.
//
//   Grille g;
//   g.setfromgrivecdef(lignes);   // e.g. the single line "X": six cells
//   g.fixepourcent(100);          // level by percentage, resolved later
//   g.construit();                // tables, positions, level, queued records
//   std::int16_t i = g.numero(":AB");
//   if (g.estvide(i)) ...
//
// Cells are numbered 1..nbcases() by the sorted order of their names, groups
// 1..nbgroupes(), complete ones first; 0 means none. The accessors by number
// read 0 and ignore writes outside the tables instead of overrunning them, so
// a stale number from before a reload cannot corrupt anything.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry/chemin.h"
#include "geometry/repere.h"
#include "text/chaine.h"
#include "text/listechaines.h"

namespace tavlo {

// One cell. The field order is part of the record; the reserved fields carry
// nothing the program reads but keep their reset values.
struct Case {
  std::int16_t x = 0;  // centre, pixels from the lattice origin, y upward
  std::int16_t y = 0;
  std::int16_t lig = 0;     // row, 1 = top
  std::int16_t col = 0;     // column, 1 = leftmost
  std::int16_t colbis = 0;  // a copy of col
  std::int16_t val = 0;     // 0 = empty, 1..6
  std::int16_t reserve1 = 0;
  std::int16_t possibles = 63;  // values still allowed, bit k-1 for value k
  std::int16_t marques = 0;     // the player's pencil marks, same bits
  std::int16_t brouillon = 0;
  std::int16_t reserve2 = 1;
  std::uint8_t reserve3 = 0;
  std::uint8_t fixe = 0;  // a given of the current level
  std::int16_t sol = 0;   // value in the definition, 0 when none
  std::int16_t niv = 0;   // level tag (75..120), 0 when none
};

// One group: ten numbers of which only the centre's position is used.
struct Hexa {
  std::int16_t v[10] = {};
  std::int16_t x() const { return v[7]; }
  std::int16_t y() const { return v[8]; }
  void fixeposition(std::int16_t px, std::int16_t py) {
    v[7] = px;
    v[8] = py;
  }
};

// The cells touching one cell at a vertex: at most twelve numbers, unused
// places 0, then three places that stay 0.
struct Voisinage {
  static constexpr int NB = 12;
  std::int16_t v[NB + 3] = {};
};

// The inherited Gabarit carries the lattice angle; the inherited Chemin is
// scratch space.
class Grille : public Chemin {
public:
  static constexpr std::int16_t TAILLEDEFAUT = 40;
  static constexpr std::int16_t TOUTES = 63;  // all six values

  Grille();

  Chaine nom;  // set by the grid loader, not interpreted here

  // ---- Loading (lignedef.h has the line format) ----
  // Releases every derived table, empties every list (valeurs included) and
  // zeroes the counts. The level state and the cell size survive.
  void vide();
  void setfromgrivecdef(const ListeChaines& lignes);

  // ---- Counts and lists ----
  std::int16_t nbhexas() const { return nbhexas_; }
  std::int16_t nbhexaps() const { return nbhexaps_; }
  std::int16_t nbgroupes() const { return nbgroupes_; }
  std::int16_t nbcases() const { return nbcases_; }
  std::int16_t nbpoints() const { return nbpoints_; }
  std::int16_t nblignes() const { return nblignes_; }
  std::int16_t nbcolonnes() const { return nbcolonnes_; }

  const ListeChaines& hexas() const { return hexas_; }    // complete centres
  const ListeChaines& hexaps() const { return hexaps_; }  // partial centres
  const ListeChaines& cases() const { return cases_; }    // cell names
  const ListeChaines& points() const { return points_; }  // every cell vertex
  const ListeChaines& voisins() const { return voisins_; }
  const ListeChaines& valeurs() const { return valeurs_; }  // name=value,tag
  // Straight lattice segments for the drawing, per direction class 0..2.
  const ListeChaines& interieurs(int k) const;
  const ListeChaines& contours(int k) const;
  const ListeChaines& trous() const { return trous_; }
  const ListeChaines& exterieur() const { return exterieur_; }

  // ---- Geometry ----
  std::int16_t taille() const { return taille_; }
  std::int16_t angle() const { return angle_; }
  const Repere& grand() const { return grand_; }  // steps of length taille
  const Repere& petit() const { return petit_; }  // steps of taille / 3
  // Both rebuild the frames and drop the computed positions. A size below 2
  // is ignored.
  void fixetaille(std::int16_t t);
  void fixeangle(std::int16_t a);  // also the angle of the inherited Gabarit

  // ---- Building on demand: each does nothing once its table is built ----
  void assurelistes();  // groups' cells added, numbering fixed, groups found
  void assurepoints();
  void assurehexas();
  void assurecases();
  void assurepositions();
  void assurevoisins();
  // The definition's values and tags copied into the cells (sol, niv, fixe),
  // then the givens of the applied percentage shown.
  void assurevaleurs();
  void assuretraits();  // inner and outline lines
  void assuretrous();   // holes and exterior
  // The build before each drawing: lists, points, group and cell tables,
  // positions, the level when the definition has values, the queued records
  // of a read game state, the lines.
  void construit();

  bool listesok() const { return listesok_ != 0; }
  bool casesok() const { return casesok_ != 0; }
  bool hexasok() const { return hexasok_ != 0; }
  bool voisinsok() const { return voisinsok_ != 0; }
  bool positionsok() const { return positionsok_ != 0; }
  bool valeursok() const { return valeursok_ != 0; }

  // ---- Cells by number ----
  bool estcase(std::int16_t i) const { return i >= 1 && i < static_cast<int>(tablecases_.size()); }
  const Case& cellule(std::int16_t i) const;  // a blank record outside the table
  std::int16_t valeur(std::int16_t i) const { return cellule(i).val; }
  void fixevaleur(std::int16_t i, std::int16_t v);  // v outside 0..6 is ignored
  bool estvide(std::int16_t i) const { return cellule(i).val <= 0; }
  bool estremplie(std::int16_t i) const { return cellule(i).val > 0; }
  bool estfixe(std::int16_t i) const { return cellule(i).fixe != 0; }
  void otefixe(std::int16_t i);
  std::int16_t possibles(std::int16_t i) const { return cellule(i).possibles; }
  void fixepossibles(std::int16_t i, std::int16_t masque);  // kept to bits 0..5
  bool estpossible(std::int16_t i, std::int16_t v) const;
  std::int16_t marques(std::int16_t i) const { return cellule(i).marques; }
  void fixemarques(std::int16_t i, std::int16_t masque);  // kept to bits 0..5
  void basculemarque(std::int16_t i, std::int16_t v);     // v outside 1..6 is ignored
  void effacemarques(std::int16_t i);
  void effacetoutesmarques();
  bool ademarques() const;  // some cell has a mark
  std::int16_t xdecase(std::int16_t i) const { return cellule(i).x; }
  std::int16_t ydecase(std::int16_t i) const { return cellule(i).y; }
  std::int16_t voisin(std::int16_t i, int k) const;  // k = 0..11, 0 when none
  bool haut(std::int16_t i) const;                   // up triangle

  // ---- By name ----
  // (esthaut in geometry/disposition.h tells an up triangle by its name.)
  std::int16_t numero(const char* nomcase) const { return cases_.cherche(nomcase); }

  // ---- Groups by number ----
  const Hexa& hexa(std::int16_t g) const;  // a blank entry outside the table
  std::int16_t xdegroupe(std::int16_t g) const { return hexa(g).x(); }
  std::int16_t ydegroupe(std::int16_t g) const { return hexa(g).y(); }
  const char* nomdegroupe(std::int16_t g) const;  // centre name, null when none

  bool toutrempli() const;  // no cell is empty

  // ---- Resets ----
  void remetcase(std::int16_t i);
  // Every cell that is not a given is emptied; candidates become stale (0)
  // until the next recomputation; marks stay.
  void retourfixes();

  // ---- Hit tests, points relative to the lattice origin with y upward ----
  // Each makes sure of the positions it measures and returns 0 on a miss.
  std::int16_t caseen(int x, int y);
  std::int16_t marqueen(std::int16_t i, int x, int y);  // mark 1..6 of cell i
  std::int16_t hexaen(int x, int y);                    // complete group
  std::int16_t groupeen(int x, int y);                  // complete, else partial
  std::int16_t sommeten(int x, int y);                  // position in points()
  // Where mark k (1..6) of cell i is drawn and hit.
  void positionmarque(std::int16_t i, int k, std::int16_t& x, std::int16_t& y);
  // "L" + row + " C" + column, shown while the pointer is over the cell.
  void libellecase(std::int16_t i, Chaine& cible) const;
  // The rectangle around every cell centre, one cell size beyond it on each
  // side; all 0 without cells.
  void boite(std::int16_t& gauche, std::int16_t& droite, std::int16_t& dessus,
             std::int16_t& dessous);

  // ---- Levels ----
  // Threshold of level k (75 for an unknown level) and level of a threshold
  // (1 for an unknown percentage).
  static std::int16_t pourcentdeniveau(int k);
  static std::int16_t niveaudepourcent(int p);

  // Chosen percentage, unresolved until the next appliqueniveau. 120 becomes
  // 100 when this grid has no level 7.
  void fixepourcent(std::int16_t p);
  // Resolves level k at once: the effective level adds the grid's shift.
  void fixeniveau(std::int16_t k);
  // Makes sure the level is resolved and the definition's values are known,
  // and shows the givens anew when the applied percentage changed.
  void appliqueniveau();
  // Level 7 needs a cell tagged 120 and one tagged 100. Tags of 120 without
  // any 100 are lowered to 100, and level 7 is then unavailable.
  bool niveau7disponible();
  // How many levels a loosely packed grid is made harder: 6 - M capped at 3,
  // M being the most complete-group neighbours any complete group has.
  std::int16_t calculedecalage();
  void libelleniveau(Chaine& cible) const;  // the shown level, in decimal

  bool valeurspresentes() const { return valeurspresentes_ != 0; }
  std::int16_t pourcentchoisi() const { return pourcentchoisi_; }
  std::int16_t pourcentapplique() const { return pourcentapplique_; }
  std::int16_t pourcentdernier() const { return pourcentdernier_; }
  bool niveauresolu() const { return resolu_ != 0; }
  std::int16_t decalage() const { return decalage_; }
  std::int16_t niveau() const { return niveau_; }
  std::int16_t niveaueff() const { return niveaueff_; }
  std::int16_t niveauaffiche() const { return niveauaffiche_; }

private:
  Case& modifiable(std::int16_t i);  // only after estcase(i)
  void nettoiepositions();
  void resoutpourcent();
  void revele(std::int16_t p);

  std::vector<Hexa> tablehexas_;
  std::vector<Case> tablecases_;
  std::vector<Voisinage> tablevoisins_;
  Repere grand_;
  Repere petit_;
  std::int16_t nbhexas_ = 0;
  std::int16_t nbhexaps_ = 0;
  std::int16_t nbgroupes_ = 0;
  std::int16_t nbcases_ = 0;
  std::int16_t nbpoints_ = 0;
  std::int16_t taille_ = TAILLEDEFAUT;
  std::int16_t angle_ = 0;

  // Level state.
  std::int16_t pourcentchoisi_ = 100;
  std::int16_t pourcentapplique_ = 100;
  std::int16_t pourcentdernier_ = 0;  // 0: nothing revealed since the table was made
  std::uint8_t resolu_ = 0;
  std::int16_t decalage_ = 0;
  std::int16_t niveau_ = 6;
  std::int16_t niveaueff_ = 6;
  std::int16_t niveauaffiche_ = 6;

  std::int16_t nblignes_ = 0;
  std::int16_t nbcolonnes_ = 0;

  std::uint8_t listesok_ = 0;
  std::uint8_t pointsok_ = 0;
  std::uint8_t positionsok_ = 0;
  std::uint8_t casesok_ = 0;
  std::uint8_t hexasok_ = 0;
  std::uint8_t voisinsok_ = 0;
  std::uint8_t valeursok_ = 0;
  std::uint8_t traitsok_ = 0;
  std::uint8_t trousok_ = 0;
  std::uint8_t valeurspresentes_ = 0;

  ListeChaines hexas_;
  ListeChaines hexaps_;
  ListeChaines cases_;
  ListeChaines points_;
  ListeChaines voisins_;
  ListeChaines interieurs_[3];
  ListeChaines contours_[3];
  ListeChaines trous_;
  ListeChaines exterieur_;
  ListeChaines valeurs_;
};

}  // namespace tavlo
