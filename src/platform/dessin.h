// The 2-D drawing interface of the platform: device contexts with a selected
// pen, brush, font and bitmap, drawing objects created and deleted by handle,
// lines, polygons, ellipses, rectangles, text and block copies. The program
// draws only through this; the cairo implementation (dessin_cairo.cpp) makes
// the pixels, and ContexteTrace (trace.h) records the calls for tests and
// tools that run without pixels.
//
//   auto ecran = creecontexteimage(800, 600);        // a 96-dpi image "screen"
//   auto memoire = creecontextememoire(*ecran);      // like CreateCompatibleDC
//   Objet bmp = creebitmap(*ecran, 800, 600);
//   Objet avant = memoire->selectionne(bmp);
//   Objet stylo = creestylo(2, 0x0000FF);            // red: red is the low byte
//   memoire->selectionne(stylo);
//   memoire->deplace(10, 10); memoire->ligne(100, 10);
//   memoire->selectionne(avant);
//   detruitobjet(stylo); detruitobjet(bmp);
//
// Objects follow the handle discipline of the program's holders: whoever
// created one deletes it with detruitobjet; deleting a stock object does
// nothing; an object still selected into a context is released only when no
// context holds it any more, so deleting it early never leaves a context with
// a dangling object. Contexts are owned by std::unique_ptr.
//
// Texts are Windows-1252 bytes; the implementation converts to UTF-8 itself.
#pragma once

#include <cstdint>
#include <memory>

#include "text/point.h"

namespace tavlo {

// Platform colour value: red in the low byte, then green, then blue.
using Couleur = std::uint32_t;
constexpr std::uint8_t rouge(Couleur c) { return c & 0xFF; }
constexpr std::uint8_t vert(Couleur c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t bleu(Couleur c) { return (c >> 16) & 0xFF; }
constexpr Couleur rvb(std::uint8_t r, std::uint8_t v, std::uint8_t b) {
  return static_cast<Couleur>(r) | (static_cast<Couleur>(v) << 8) | (static_cast<Couleur>(b) << 16);
}

// A pen, brush, font or bitmap. Opaque; null means none.
struct ObjetDessin;
using Objet = ObjetDessin*;

enum class Genre : std::uint8_t { stylo, brosse, fonte, bitmap };

enum class Stock : std::uint8_t {
  stylonoir,      // the default one-pixel black pen of every context
  brosseblanche,  // the default white brush of every context
  brossevide,     // the null brush: shapes are outlined only
  fontegui,       // the default GUI font
};

// A geometric pen: solid, round end caps, round joins; width in pixels
// (0 and 1 both draw one pixel wide).
Objet creestylo(std::int16_t largeur, Couleur c);
Objet creebrosse(Couleur c);  // solid
Objet objetstock(Stock s);
// Height: the cell height (ascent plus descent) in pixels, the font's own
// Windows metrics; 0 gives a default height. Width: the average character
// width, 0 for the natural width. Escapement in tenths of a degree,
// counter-clockwise. Weight 0..1000 (0 = normal, 700 = bold). Face: a family
// name ("Arial", "Times New Roman", ...) matched through fontconfig.
Objet creefonte(std::int16_t hauteur, std::int16_t largeur, std::int16_t escapement,
                std::int16_t poids, bool italique, const char* face);
// Deletes an object made by this layer; false for null. Stock objects stay.
bool detruitobjet(Objet o);
Genre genre(Objet o);

// Text alignment flags, combined by or: horizontal and vertical reference of
// the point given to ecrittexte.
enum : std::uint16_t {
  ALIGNE_GAUCHE = 0,
  ALIGNE_HAUT = 0,
  ALIGNE_DROITE = 2,
  ALIGNE_CENTRE = 6,
  ALIGNE_BAS = 8,
  ALIGNE_BASELINE = 24,
};

enum class ModeFond : std::uint8_t { transparent = 1, opaque = 2 };

enum class Capacite : std::uint8_t {
  dpix,     // dots per inch across
  dpiy,     // dots per inch down
  largeur,  // width of the surface in pixels
  hauteur,  // height of the surface in pixels
};

struct Dimension {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
  friend bool operator==(const Dimension&, const Dimension&) = default;
};

struct Rect {
  std::int32_t gauche = 0, haut = 0, droite = 0, bas = 0;  // right and bottom excluded
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A device context. Coordinates are device pixels, y downward. A new context
// holds the default pen, the default white brush, the default GUI font, black
// text on an opaque white background, alignment left/top, current position
// (0, 0). A memory context draws into the bitmap selected into it (none at
// first: drawing then does nothing).
class Contexte {
public:
  virtual ~Contexte() = default;

  // Selects o and returns the object of the same kind it replaces; null and
  // no change when o is null or unknown.
  virtual Objet selectionne(Objet o) = 0;

  virtual void deplace(std::int32_t x, std::int32_t y) = 0;  // current position
  virtual void ligne(std::int32_t x, std::int32_t y) = 0;    // to (x, y) with the pen; moves there
  // Closed polygon: filled with the brush, outlined with the pen.
  virtual void polygone(const Point* points, int n) = 0;
  // Ellipse inscribed in the box, filled and outlined.
  virtual void ellipse(std::int32_t gauche, std::int32_t haut, std::int32_t droite,
                       std::int32_t bas) = 0;
  virtual void rectangle(std::int32_t gauche, std::int32_t haut, std::int32_t droite,
                         std::int32_t bas) = 0;
  virtual void remplit(const Rect& r, Objet brosse) = 0;  // no outline, ignores the pen

  virtual std::uint16_t alignement(std::uint16_t drapeaux) = 0;  // returns the old flags
  virtual ModeFond modefond(ModeFond m) = 0;
  virtual Couleur couleurfond(Couleur c) = 0;
  virtual Couleur couleurtexte(Couleur c) = 0;
  // n bytes of Windows-1252 text at (x, y) by the alignment flags, with the
  // selected font, the text colour, and the background colour when opaque.
  virtual void ecrittexte(std::int32_t x, std::int32_t y, const char* texte, int n) = 0;
  virtual Dimension etendue(const char* texte, int n) = 0;

  virtual int capacite(Capacite c) const = 0;

  // Copies a block of source's pixels (SRCCOPY); false when nothing could be
  // copied (no bitmap on either side).
  virtual bool copiebloc(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h,
                         Contexte& source, std::int32_t sx, std::int32_t sy) = 0;
  // Copies the source rectangle scaled into the target rectangle.
  virtual bool etire(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h,
                     Contexte& source, std::int32_t sx, std::int32_t sy, std::int32_t sl,
                     std::int32_t sh) = 0;
};

// A headless "screen": a context over an image of the given size, 96 dpi.
std::unique_ptr<Contexte> creecontexteimage(std::int32_t largeur, std::int32_t hauteur);
// A memory context compatible with another (same resolution), no bitmap yet.
std::unique_ptr<Contexte> creecontextememoire(const Contexte& compatible);
// A bitmap of the given size compatible with the context, filled black.
Objet creebitmap(const Contexte& compatible, std::int32_t largeur, std::int32_t hauteur);
// A bitmap made from platform colours, row by row from the top,
// largeur * hauteur values (the bitmap reader of the drawing layer uses it).
Objet creebitmappixels(std::int32_t largeur, std::int32_t hauteur, const Couleur* pixels);

Dimension tailledebitmap(Objet bitmap);                            // 0, 0 when not a bitmap
Couleur lispixel(Objet bitmap, std::int32_t x, std::int32_t y);    // 0 outside
bool ecrispng(Objet bitmap, const char* chemin);                   // false on failure
// The bitmap selected into a context, null when none (the image context's own
// surface counts as its bitmap).
Objet bitmapde(const Contexte& c);

}  // namespace tavlo
