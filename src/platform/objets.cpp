// Drawing objects: creation, deletion by handle, stock objects, and the bitmap
// queries. Handles are checked against a registry of live objects, so that a
// stale or foreign handle is refused instead of followed.
#include <cairo.h>

#include <cstring>
#include <unordered_set>

#include "platform/dessin.h"
#include "platform/internal/objet.h"
#include "text/cp1252.h"

namespace tavlo {
namespace {

// Never destroyed: program-wide holders may delete their objects during
// static destruction, in whatever order it runs.
std::unordered_set<Objet>& registre() {
  static auto* r = new std::unordered_set<Objet>;
  return *r;
}

Objet enregistre(ObjetDessin* o) {
  registre().insert(o);
  return o;
}

void libere(Objet o) {
  registre().erase(o);
  delete o;
}

ObjetDessin faitstock(Stock s) {
  ObjetDessin o;
  o.stock = true;
  switch (s) {
    case Stock::stylonoir:
      o.genre = Genre::stylo;
      break;
    case Stock::brosseblanche:
      o.genre = Genre::brosse;
      o.couleur = 0xFFFFFF;
      break;
    case Stock::brossevide:
      o.genre = Genre::brosse;
      o.vide = true;
      break;
    case Stock::fontegui:
      // The Windows GUI font is an 8-point sans serif: 11 pixels to the em.
      o.genre = Genre::fonte;
      o.fonte.hauteur = -11;
      o.fonte.face = "Arial";
      break;
  }
  return o;
}

// Never destroyed either, for the same reason.
ObjetDessin* stocks() {
  static auto* s = new ObjetDessin[4]{faitstock(Stock::stylonoir), faitstock(Stock::brosseblanche),
                                      faitstock(Stock::brossevide), faitstock(Stock::fontegui)};
  return s;
}

// By address, so that a foreign handle is never read.
bool eststock(Objet o) {
  for (int i = 0; i < 4; ++i)
    if (o == &stocks()[i]) return true;
  return false;
}

// Bitmaps wider or higher than this are refused (cairo's own limit).
constexpr std::int32_t cotemax = 32767;

}  // namespace

namespace internal {

Objet connu(Objet o, bool vivantseul) {
  if (!o) return nullptr;
  if (eststock(o)) return o;
  if (!registre().contains(o)) return nullptr;
  if (vivantseul && !o->vivant) return nullptr;
  return o;
}

void retiens(Objet o) {
  if (o && !o->stock) ++o->selections;
}

void relache(Objet o) {
  if (!o || o->stock) return;
  if (--o->selections <= 0 && !o->vivant) libere(o);
}

Objet nouveaubitmap(std::int32_t largeur, std::int32_t hauteur) {
  // As CreateCompatibleBitmap, an empty size still gives a usable 1 x 1 bitmap.
  if (largeur < 0 || hauteur < 0 || largeur > cotemax || hauteur > cotemax) return nullptr;
  auto* o = new ObjetDessin;
  o->genre = Genre::bitmap;
  o->l = largeur == 0 || hauteur == 0 ? 1 : largeur;
  o->h = largeur == 0 || hauteur == 0 ? 1 : hauteur;
  return enregistre(o);
}

const Police& policede(Objet fonte) {
  if (!fonte->police) fonte->police = police(fonte->fonte);
  return *fonte->police;
}

cairo_surface_t* surfacede(Objet bitmap) {
  if (!bitmap->surface) {
    // RGB24: the bitmaps are opaque, as device-compatible bitmaps are; a new
    // image surface is zeroed, which is black.
    bitmap->surface.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, bitmap->l, bitmap->h));
  }
  return bitmap->surface.get();
}

}  // namespace internal

Objet objetstock(Stock s) {
  const int i = static_cast<int>(s);
  return i >= 0 && i < 4 ? &stocks()[i] : nullptr;
}

Objet creestylo(std::int16_t largeur, Couleur c) {
  auto* o = new ObjetDessin;
  o->genre = Genre::stylo;
  o->largeur = largeur < 1 ? std::int16_t{1} : largeur;
  o->couleur = c & 0xFFFFFF;
  return enregistre(o);
}

Objet creebrosse(Couleur c) {
  auto* o = new ObjetDessin;
  o->genre = Genre::brosse;
  o->couleur = c & 0xFFFFFF;
  return enregistre(o);
}

Objet creefonte(std::int16_t hauteur, std::int16_t largeur, std::int16_t escapement,
                std::int16_t poids, bool italique, const char* face) {
  auto* o = new ObjetDessin;
  o->genre = Genre::fonte;
  o->fonte.hauteur = hauteur;
  o->fonte.largeur = largeur < 0 ? static_cast<std::int16_t>(-largeur) : largeur;
  o->fonte.escapement = escapement;
  o->fonte.poids = poids;
  o->fonte.italique = italique;
  // The face name is a Windows-1252 text like every other; fontconfig wants UTF-8.
  o->fonte.face = face ? versutf8(face, static_cast<int>(std::strlen(face))) : std::string();
  return enregistre(o);
}

bool detruitobjet(Objet o) {
  o = internal::connu(o);
  if (!o) return false;
  if (o->stock) return true;
  o->vivant = false;
  if (o->selections <= 0) libere(o);
  return true;
}

Genre genre(Objet o) {
  o = internal::connu(o, false);
  return o ? o->genre : Genre::stylo;
}

Objet creebitmap(const Contexte&, std::int32_t largeur, std::int32_t hauteur) {
  return internal::nouveaubitmap(largeur, hauteur);
}

Objet creebitmappixels(std::int32_t largeur, std::int32_t hauteur, const Couleur* pixels) {
  if (!pixels || largeur <= 0 || hauteur <= 0) return nullptr;
  Objet o = internal::nouveaubitmap(largeur, hauteur);
  if (!o) return nullptr;
  cairo_surface_t* s = internal::surfacede(o);
  cairo_surface_flush(s);
  unsigned char* donnees = cairo_image_surface_get_data(s);
  if (!donnees) return o;
  const int pas = cairo_image_surface_get_stride(s);
  for (std::int32_t y = 0; y < hauteur; ++y) {
    auto* ligne = reinterpret_cast<std::uint32_t*>(donnees + static_cast<std::ptrdiff_t>(y) * pas);
    for (std::int32_t x = 0; x < largeur; ++x) {
      const Couleur c = pixels[static_cast<std::ptrdiff_t>(y) * largeur + x];
      ligne[x] = (std::uint32_t{rouge(c)} << 16) | (std::uint32_t{vert(c)} << 8) | bleu(c);
    }
  }
  cairo_surface_mark_dirty(s);
  return o;
}

Dimension tailledebitmap(Objet bitmap) {
  bitmap = internal::connu(bitmap, false);
  if (!bitmap || bitmap->genre != Genre::bitmap) return {};
  return {bitmap->l, bitmap->h};
}

Couleur lispixel(Objet bitmap, std::int32_t x, std::int32_t y) {
  bitmap = internal::connu(bitmap, false);
  if (!bitmap || bitmap->genre != Genre::bitmap) return 0;
  if (x < 0 || y < 0 || x >= bitmap->l || y >= bitmap->h) return 0;
  cairo_surface_t* s = internal::surfacede(bitmap);
  cairo_surface_flush(s);
  const unsigned char* donnees = cairo_image_surface_get_data(s);
  if (!donnees) return 0;
  const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(
      donnees + static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(s))[x];
  return rvb(static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
             static_cast<std::uint8_t>(p));
}

bool ecrispng(Objet bitmap, const char* chemin) {
  bitmap = internal::connu(bitmap, false);
  if (!bitmap || bitmap->genre != Genre::bitmap || !chemin) return false;
  cairo_surface_t* s = internal::surfacede(bitmap);
  cairo_surface_flush(s);
  // Path names stay the program's bytes, as the file layer opens them.
  return cairo_surface_write_to_png(s, chemin) == CAIRO_STATUS_SUCCESS;
}

}  // namespace tavlo
