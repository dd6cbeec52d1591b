// What the two grid passes read besides the puzzle: the colour roles, the
// display state the window owns (mode, neighbour links, cell size step, pan
// arrows, label font and pen colour), the grid's own display fields, and the
// small grid operations the window layout uses (cell size, style, origin,
// extent).
//
//   AffichageGrille a(grille);
//   changetaille(a, 60);       // grille.taille() 60, a.hautval 33
//   appliquestyle(a, 6);
//   etendue(a, canevas);       // etenduegrille, in millimetres
//   placegrille(a, false, canevas);
#pragma once

#include <cstdint>

#include "core/grille.h"
#include "platform/dessin.h"
#include "rendering/canevas.h"
#include "text/chaine.h"
#include "text/point.h"

namespace tavlo {

// ---- Colour roles (red in the low byte) ----
constexpr Couleur coulecran = 0xFFFF00;   // cyan: the blank buffer
constexpr Couleur coulcase = 0x99FFFF;    // light yellow: cell fill
constexpr Couleur coulbord = 0xFF0000;    // blue: cell outline
constexpr Couleur coultrou = 0xFF9999;    // light blue: holes
constexpr Couleur coultrait = 0xFF0000;   // blue: group lines
constexpr Couleur coulfixe = 0x000000;    // black: givens
constexpr Couleur couljoueur = 0xFF00FF;  // magenta: the player's values
constexpr Couleur coulzone = 0xCCCCCC;    // light grey: pan arrows out of use
constexpr Couleur coulmarques = 0xFF0000;  // blue: pencil marks
constexpr Couleur coullien = 0x00FF00;     // green: neighbour links
constexpr Couleur coulfleche = 0x0000FF;   // red: usable pan arrows

// ---- Display modes of the main window ----
constexpr std::uint16_t MODE_VIDE = 1;   // no grid shown
constexpr std::uint16_t MODE_JEU = 4;    // a grid is played
constexpr std::uint16_t MODE_PAGES = 5;  // a help page is shown

// The pan arrows the window layout computes: a usable flag, a hot rectangle
// and an outline (a triangle closed on its first point) each, client pixels.
struct Fleches {
  enum : int { DROITE = 0, GAUCHE = 1, HAUT = 2, BAS = 3 };
  bool actives[4] = {};
  Rect zones[4];
  Point contours[4][4];
};

// The display state of the main window that the passes read. The shell owns
// the one instance; these are its values before the settings are read.
struct EtatAffichage {
  std::uint16_t modeaff = MODE_VIDE;
  bool surbrillance = false;  // neighbour links instead of pencil marks
  std::int16_t tca = 40;      // cell size step, 40..70
  Fleches fleches;            // none usable
  Chaine police{"Arial"};     // face of etiquette; its callers set it
  Couleur coulcrayon = 0;     // colour of the last crayon, text of etiquette
};
inline EtatAffichage etataffichage;

// The display fields of the grid being drawn. The puzzle does not carry
// them: they exist only for the drawing.
struct AffichageGrille {
  static constexpr std::int16_t STYLE = 6;  // the only style drawn

  explicit AffichageGrille(Grille& g) : grille(g) {}

  Grille& grille;
  std::int16_t hautval = 10;  // value font height until the first changetaille
  std::int16_t style = STYLE;
  // Handed over by the window before each paint; nothing drawn depends on them.
  Canevas* canevas = nullptr;
  std::int16_t numero = 0;  // 0: the game grid
};

// The grid's cell size and the value font height derived from it.
void changetaille(AffichageGrille& a, std::int16_t taille);
// Stores the style. The mark positions need no table of their own:
// Grille::positionmarque derives them from the cell size on every call.
void appliquestyle(AffichageGrille& a, std::int16_t n);
// The lattice origin onto the canvas centre, which the window layout placed.
// The variant changes nothing.
void placegrille(AffichageGrille& a, bool variante, Canevas& c);

// A grid's bounding box in millimetres, as the window layout reads it.
struct Etendue {
  std::int16_t gauche = 0, bas = 0, droite = 0, haut = 0;
  friend bool operator==(const Etendue&, const Etendue&) = default;
};
inline Etendue etenduegrille;
// The box around the cell centres widened by the cell size, converted with
// the canvas resolution and truncated; stored in etenduegrille.
void etendue(AffichageGrille& a, const Canevas& c);
// The conversion alone, from a box in pixels (y upward).
Etendue etenduemm(std::int16_t gauche, std::int16_t droite, std::int16_t dessus,
                  std::int16_t dessous, const Canevas& c);

// ---- Sizes the passes derive from the cell size ----
inline std::int16_t hauteurvaleur(std::int16_t taille) {
  return static_cast<std::int16_t>(0.55 * taille);
}
// Cell outlines, group dots: one pixel per cell size step of 40.
inline std::int16_t largeurbord(std::int16_t taille) {
  return static_cast<std::int16_t>(taille / 40 > 1 ? taille / 40 : 1);
}
// Outline lines of the groups; thinner when drawn for the variant.
inline std::int16_t largeurcontour(std::int16_t taille, bool variante) {
  const int w = taille / 12 + 1;
  return static_cast<std::int16_t>(variante ? w * 3 / 4 : w);
}
// Pencil marks: font height tca / 4, width half of that, and how far above
// its mark position a digit's top edge sits (about half the font height, so
// that the digit is centred on the mark).
inline std::int16_t hauteurmarques(std::int16_t tca) { return static_cast<std::int16_t>(tca / 4); }
std::int16_t decalmarques(std::int16_t tca);

}  // namespace tavlo
