// Image: one picture the program carries (the help pages), loaded by number
// from the bitmaps stored in the program and drawn scaled onto any context.
//
//   Image page;
//   page.chargeimage(3, table);   // table: the generated Bitmaps; false and empty when 3 is missing
//   page.etireimage(contexte, 0, 0, 800, 600, 0, 0, 0, 0);  // the whole picture
//
// The stored bitmaps are Windows BMP files (RLE8 or uncompressed 8-bit), kept
// as bytes in a table that a build step generates; the table plays the part
// of the module a picture is loaded from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/dessin.h"

namespace tavlo {

// One bitmap stored in the program: its number and the bytes of its file.
struct BitmapStocke {
  std::int16_t numero;
  const std::uint8_t* octets;
  std::size_t taille;
};

using Bitmaps = std::span<const BitmapStocke>;

class Image {
public:
  Image() = default;
  ~Image() { libere(); }
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;

  // Deletes the bitmap when one is loaded; the size becomes 0 x 0. Harmless
  // when nothing is loaded.
  void libere();
  // Releases, then loads picture n of the table. A number the table lacks or
  // bytes that are not a readable bitmap leave the image empty. True when
  // loaded.
  bool chargeimage(std::int16_t n, Bitmaps module);
  // Copies the source rectangle (sx, sy, sw, sh) of the picture scaled into
  // (x, y, w, h) of c. Only sw and sh both 0 mean the whole picture. False,
  // and nothing drawn, when nothing is loaded or the copy failed.
  bool etireimage(Contexte& c, std::int16_t x, std::int16_t y, std::int16_t w, std::int16_t h,
                  std::int16_t sx, std::int16_t sy, std::int16_t sw, std::int16_t sh) const;

  Objet bitmap() const { return bitmap_; }
  std::int16_t largeur() const { return largeur_; }
  std::int16_t hauteur() const { return hauteur_; }
  bool charge() const { return charge_ != 0; }

private:
  void lataille();

  Objet bitmap_ = nullptr;
  std::int16_t largeur_ = 0;
  std::int16_t hauteur_ = 0;
  std::uint8_t charge_ = 0;
};

}  // namespace tavlo
