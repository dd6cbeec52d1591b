// Canevas: the surface every drawing of the program goes through. It wraps one
// platform Contexte and adds a resolution with a zoom (sizes in millimetres),
// a movable origin with y upward (shapes relative to a chosen point) and a
// small stack of saved origins. The pen, brush and font are the program-wide
// holders of the drawing library.
//
//   Canevas c;                      // 300 dpi, no context yet
//   c.installe(*contexte, "ecran"); // resolution and page from the context
//   c.origmm(0, 0);                 // origin on the centre
//   c.stylo(2, 0xFF0000);           // blue, 2 pixels
//   c.trait(0, 0, 40, 0);           // 40 pixels to the right of the origin
//
// Canvas point (x, y) is device pixel (origx + x, origy - y). The unit and
// origin arithmetic needs no context; drawing with hdc null does nothing.
#pragma once

#include <cstdint>

#include "platform/dessin.h"
#include "text/chaine.h"
#include "text/point.h"

namespace tavlo {

class Canevas {
public:
  // What a pen was made of: a solid brush description of its colour.
  struct Pinceau {
    std::uint16_t style = 0;  // 0: solid
    Couleur couleur = 0;
    std::int32_t hachure = 0;
  };

  Canevas();  // initialise()

  // hdc null, centre and origin (0, 0), 300 x 300 dpi, page and usable size
  // 0, zoom 1, pdf off, no name. The origin stack is kept.
  void initialise();

  // ---- Setting up ----
  void setdpi(std::int16_t x, std::int16_t y);
  void setpage(std::int16_t l, std::int16_t h);
  void setutile(std::int16_t l, std::int16_t h);
  void centrer();
  // A name holding "pdfcreator" (any case) sets pdf for good and centres.
  void setnom(const char* texte);
  void setzoom(float f) { pgzoom_ = f; }
  float zoom() const { return pgzoom_; }
  // Resolution, page and usable size read from the context, which becomes hdc.
  void installe(Contexte& contexte, const char* nom);
  // The window layout places the centre itself (it carries the pan offset).
  void setcentre(std::uint16_t x, std::uint16_t y);

  // ---- Units ----
  std::int16_t mmpixx(float mm) const;
  std::int16_t mmpixy(float mm) const;
  float pixmmx(float px) const;
  float pixmmy(float px) const;
  std::int16_t pix600(std::int32_t n) const;  // n six-hundredths of an inch

  // ---- Origin ----
  void origmm(float x, float y);  // relative to the centre, y upward
  void empileorig();
  void depileorig();  // an empty stack gives device pixel (0, 0)
  // Device pixel of a canvas point, 32-bit.
  Point appareil(std::int32_t x, std::int32_t y) const;

  // ---- Pens and brushes, through the program-wide holders ----
  void stylo(std::int16_t largeur, Couleur c);  // geometric: round caps and joins
  void stylomm(float largeur, Couleur c) { stylo(mmpixx(largeur), c); }
  void brosse(Couleur c);
  void brossevide();  // shapes outlined only

  // ---- Shapes: outlined with the pen, filled with the brush ----
  void trait(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
  // n points relative to the canvas point (x, y).
  void polygone(std::int16_t x, std::int16_t y, const Point* points, int n);
  void ellipse(std::int16_t x, std::int16_t y, std::int16_t rx, std::int16_t ry);
  void hexagone(std::int16_t x, std::int16_t y, std::int16_t angle, std::int16_t rayon);
  void rectourne(std::int16_t x, std::int16_t y, float angle, std::int16_t l, std::int16_t h);
  // Rotates the points about (0, 0), counter-clockwise, truncating to pixels.
  static void tourne(float angle, Point* points, int n);

  // ---- Text, through the font holder ----
  // At the canvas point with the holder's centring offset.
  void ecrit(std::int16_t x, std::int16_t y, const char* texte, bool centre);
  void ecritmm(float x, float y, const char* texte, bool centre);
  // The registered-mark sign, size mm high, centred on whole millimetres.
  void marquedeposee(float x, float y, float taille);

  // ---- Fields ----
  Contexte* hdc = nullptr;  // the window code points it at buffers and windows
  const Chaine& nom() const { return nom_; }
  const Pinceau& pinceau() const { return pinceau_; }
  const Chaine& origines() const { return origines_; }
  std::int16_t dpix() const { return dpix_; }
  std::int16_t dpiy() const { return dpiy_; }
  std::uint16_t centrex() const { return centrex_; }
  std::uint16_t centrey() const { return centrey_; }
  std::uint16_t origx() const { return origx_; }
  std::uint16_t origy() const { return origy_; }
  bool pdf() const { return pdf_ != 0; }
  std::int16_t pagepixl() const { return pagepixl_; }
  std::int16_t pagepixh() const { return pagepixh_; }
  std::int16_t utilepixl() const { return utilepixl_; }
  std::int16_t utilepixh() const { return utilepixh_; }

private:
  void recalcule();

  float pgzoom_ = 1.0f;
  Chaine nom_;
  Pinceau pinceau_;
  Chaine origines_;
  std::int16_t dpix_ = 300;
  std::int16_t dpiy_ = 300;
  std::uint16_t centrex_ = 0;
  std::uint16_t centrey_ = 0;
  std::uint16_t origx_ = 0;
  std::uint16_t origy_ = 0;
  std::uint8_t pdf_ = 0;
  std::int16_t pagepixl_ = 0;
  std::int16_t pagepixh_ = 0;
  std::int16_t utilepixl_ = 0;
  std::int16_t utilepixh_ = 0;
};

// The canvas every drawing operation of the program uses; null until the
// window sets its canvases up.
inline Canevas* canevascour = nullptr;

}  // namespace tavlo
