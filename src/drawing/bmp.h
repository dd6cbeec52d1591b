// Reader of Windows BMP files with 256-colour palettes, run-length encoded
// (RLE8) or not: the form in which the program carries its pictures. It turns
// the file bytes into platform colours, rows from the top, ready for
// creebitmappixels.
//
//   PixelsBmp p;
//   if (litbmp(octets, p)) creebitmappixels(p.largeur, p.hauteur, p.pixels.data());
//
// Bytes come from the program itself, but they are still treated as input:
// every read is checked against the end of the buffer, and a file that is
// truncated, inconsistent or of another kind reads as nothing (false) rather
// than as part of a picture.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/dessin.h"

namespace tavlo {

struct PixelsBmp {
  std::int32_t largeur = 0;
  std::int32_t hauteur = 0;
  std::vector<Couleur> pixels;  // largeur * hauteur, row by row from the top
};

// The largest picture accepted: each side must fit 16 bits (the sizes the
// program keeps), and the whole at most 64 M pixels.
constexpr std::int32_t BMP_COTEMAX = 32767;
constexpr std::int64_t BMP_PIXELSMAX = std::int64_t{64} * 1024 * 1024;

// Decodes one BMP file: a file header, an information header of at least 40
// bytes, 8 bits per pixel, uncompressed or RLE8, up to 256 palette entries.
// Leaves p empty and returns false when the bytes are not such a file, when
// they stop before the size the file header gives, or when a compressed
// picture stops before its end-of-bitmap mark. Pixels an RLE8 picture skips
// take palette entry 0; runs that leave the picture are clipped; an index
// beyond the palette gives black.
bool litbmp(std::span<const std::uint8_t> octets, PixelsBmp& p);

}  // namespace tavlo
