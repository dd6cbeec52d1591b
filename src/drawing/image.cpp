// Pictures: loading a stored bitmap by number, drawing it scaled.
#include "drawing/image.h"

#include "drawing/bmp.h"

namespace tavlo {

void Image::libere() {
  if (charge_ != 0) {
    detruitobjet(bitmap_);
    charge_ = 0;
  }
  bitmap_ = nullptr;
  largeur_ = 0;
  hauteur_ = 0;
}

bool Image::chargeimage(std::int16_t n, Bitmaps module) {
  libere();
  for (const BitmapStocke& b : module) {
    if (b.numero != n || b.octets == nullptr) continue;
    PixelsBmp p;
    if (litbmp({b.octets, b.taille}, p)) bitmap_ = creebitmappixels(p.largeur, p.hauteur, p.pixels.data());
    break;
  }
  charge_ = bitmap_ != nullptr ? 1 : 0;
  lataille();
  return charge_ != 0;
}

void Image::lataille() {
  if (charge_ == 0) {
    largeur_ = 0;
    hauteur_ = 0;
    return;
  }
  // The reader keeps both sides within 16 bits.
  const Dimension d = tailledebitmap(bitmap_);
  largeur_ = static_cast<std::int16_t>(d.cx);
  hauteur_ = static_cast<std::int16_t>(d.cy);
}

bool Image::etireimage(Contexte& c, std::int16_t x, std::int16_t y, std::int16_t w,
                       std::int16_t h, std::int16_t sx, std::int16_t sy, std::int16_t sw,
                       std::int16_t sh) const {
  if (charge_ == 0) return false;
  const std::unique_ptr<Contexte> memoire = creecontextememoire(c);
  if (!memoire) return false;
  const Objet avant = memoire->selectionne(bitmap_);
  std::int32_t l = sw, ht = sh;
  if (sw == 0 && sh == 0) {
    const Dimension d = tailledebitmap(bitmap_);
    l = d.cx;
    ht = d.cy;
  }
  const bool ok = c.etire(x, y, w, h, *memoire, sx, sy, l, ht);
  memoire->selectionne(avant);
  return ok;
}

}  // namespace tavlo
