// BMP decoding: headers, palette, uncompressed rows and the RLE8 stream.
#include "drawing/bmp.h"

#include <cstddef>

namespace tavlo {

namespace {

constexpr std::size_t ENTETEFICHIER = 14;
constexpr std::size_t ENTETEINFO = 40;
constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;

std::uint32_t lit32(std::span<const std::uint8_t> o, std::size_t pos) {
  return static_cast<std::uint32_t>(o[pos]) | static_cast<std::uint32_t>(o[pos + 1]) << 8 |
         static_cast<std::uint32_t>(o[pos + 2]) << 16 | static_cast<std::uint32_t>(o[pos + 3]) << 24;
}

std::uint16_t lit16(std::span<const std::uint8_t> o, std::size_t pos) {
  return static_cast<std::uint16_t>(o[pos] | o[pos + 1] << 8);
}

struct Entete {
  std::int32_t largeur = 0;
  std::int32_t hauteur = 0;  // negative: rows from the top (uncompressed only)
  std::uint32_t compression = 0;
  std::size_t debut = 0;  // first byte of the pixel data
  std::size_t fin = 0;    // one past the last byte the pixel data may use
  Couleur palette[256] = {};
  std::size_t nbcouleurs = 0;
};

bool litentete(std::span<const std::uint8_t> o, Entete& e) {
  if (o.size() < ENTETEFICHIER + ENTETEINFO || o[0] != 'B' || o[1] != 'M') return false;
  // A file shorter than its own header says has lost its end.
  const std::uint32_t taillefichier = lit32(o, 2);
  if (taillefichier > o.size()) return false;
  const std::size_t fin = taillefichier != 0 ? taillefichier : o.size();

  const std::uint32_t tailleinfo = lit32(o, 14);
  if (tailleinfo < ENTETEINFO || tailleinfo > fin - ENTETEFICHIER) return false;
  e.largeur = static_cast<std::int32_t>(lit32(o, 18));
  e.hauteur = static_cast<std::int32_t>(lit32(o, 22));
  const std::uint16_t bits = lit16(o, 28);
  e.compression = lit32(o, 30);
  const std::uint32_t tailleimage = lit32(o, 34);
  const std::uint32_t couleursutiles = lit32(o, 46);

  if (bits != 8) return false;
  if (e.compression != BI_RGB && e.compression != BI_RLE8) return false;
  // A compressed picture is always stored from the bottom row up.
  if (e.compression == BI_RLE8 && e.hauteur < 0) return false;
  const std::int64_t hauteur = e.hauteur < 0 ? -static_cast<std::int64_t>(e.hauteur) : e.hauteur;
  if (e.largeur <= 0 || e.largeur > BMP_COTEMAX || hauteur == 0 || hauteur > BMP_COTEMAX) return false;
  if (static_cast<std::int64_t>(e.largeur) * hauteur > BMP_PIXELSMAX) return false;

  e.nbcouleurs = couleursutiles == 0 ? 256 : couleursutiles;
  if (e.nbcouleurs > 256) return false;
  const std::size_t palette = ENTETEFICHIER + tailleinfo;
  if (e.nbcouleurs * 4 > fin - palette) return false;
  for (std::size_t i = 0; i < e.nbcouleurs; ++i) {
    const std::size_t q = palette + 4 * i;  // blue, green, red, unused
    e.palette[i] = rvb(o[q + 2], o[q + 1], o[q]);
  }

  e.debut = lit32(o, 10);
  if (e.debut > fin) return false;
  e.fin = fin;
  if (tailleimage != 0) {
    if (tailleimage > fin - e.debut) return false;
    e.fin = e.debut + tailleimage;
  }
  return true;
}

bool litbrut(std::span<const std::uint8_t> o, const Entete& e, PixelsBmp& p) {
  const std::size_t largeur = static_cast<std::size_t>(e.largeur);
  const bool duhaut = e.hauteur < 0;
  const std::size_t hauteur = static_cast<std::size_t>(duhaut ? -static_cast<std::int64_t>(e.hauteur) : e.hauteur);
  const std::size_t pas = (largeur + 3) / 4 * 4;  // rows are padded to 32 bits
  if (pas * hauteur > e.fin - e.debut) return false;
  p.pixels.resize(largeur * hauteur);
  for (std::size_t r = 0; r < hauteur; ++r) {
    const std::uint8_t* ligne = o.data() + e.debut + r * pas;
    Couleur* dest = p.pixels.data() + (duhaut ? r : hauteur - 1 - r) * largeur;
    for (std::size_t x = 0; x < largeur; ++x) {
      dest[x] = ligne[x] < e.nbcouleurs ? e.palette[ligne[x]] : 0;
    }
  }
  return true;
}

// The RLE8 stream, two bytes at a time: a count and a colour index (a run),
// or 0 and an escape: 0 end of line, 1 end of bitmap, 2 a move (dx, dy),
// 3..255 that many literal indices padded to an even count. Row 0 is the
// bottom row. Every step reads at least two bytes, so the loop ends.
bool litrle8(std::span<const std::uint8_t> o, const Entete& e, PixelsBmp& p) {
  const std::int64_t largeur = e.largeur, hauteur = e.hauteur;
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(largeur * hauteur), 0);
  auto pose = [&](std::int64_t x, std::int64_t y, std::uint8_t indice) {
    if (x < largeur && y < hauteur) indices[static_cast<std::size_t>(y * largeur + x)] = indice;
  };

  std::size_t pos = e.debut;
  std::int64_t x = 0, y = 0;
  for (;;) {
    if (e.fin - pos < 2) return false;
    const std::uint8_t compte = o[pos], valeur = o[pos + 1];
    pos += 2;
    if (compte > 0) {
      for (int i = 0; i < compte; ++i) pose(x + i, y, valeur);
      x += compte;
    } else if (valeur == 0) {
      x = 0;
      ++y;
    } else if (valeur == 1) {
      break;
    } else if (valeur == 2) {
      if (e.fin - pos < 2) return false;
      x += o[pos];
      y += o[pos + 1];
      pos += 2;
    } else {
      const std::size_t lus = valeur + (valeur & 1u);
      if (e.fin - pos < lus) return false;
      for (int i = 0; i < valeur; ++i) pose(x + i, y, o[pos + static_cast<std::size_t>(i)]);
      x += valeur;
      pos += lus;
    }
    // Coordinates only grow; past the picture they stop mattering, so keep
    // them from growing without bound on a long corrupt stream.
    if (x > largeur) x = largeur;
    if (y > hauteur) y = hauteur;
  }

  p.pixels.resize(indices.size());
  for (std::int64_t r = 0; r < hauteur; ++r) {
    const std::uint8_t* ligne = indices.data() + r * largeur;
    Couleur* dest = p.pixels.data() + (hauteur - 1 - r) * largeur;
    for (std::int64_t c = 0; c < largeur; ++c) {
      dest[c] = ligne[c] < e.nbcouleurs ? e.palette[ligne[c]] : 0;
    }
  }
  return true;
}

}  // namespace

bool litbmp(std::span<const std::uint8_t> octets, PixelsBmp& p) {
  p = PixelsBmp{};
  Entete e;
  if (!litentete(octets, e)) return false;
  const bool lu = e.compression == BI_RLE8 ? litrle8(octets, e, p) : litbrut(octets, e, p);
  if (!lu) {
    p = PixelsBmp{};
    return false;
  }
  p.largeur = e.largeur;
  p.hauteur = e.hauteur < 0 ? -e.hauteur : e.hauteur;
  return true;
}

}  // namespace tavlo
