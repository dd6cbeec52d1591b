// Internal to tavlo::platform: what a drawing object handle points at, and the
// reference rules shared by every kind of context. An object lives while its
// creator has not deleted it or while any context still holds it selected.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/dessin.h"
#include "platform/internal/cairo.h"
#include "platform/internal/polices.h"

namespace tavlo {

struct ObjetDessin {
  Genre genre = Genre::stylo;
  bool stock = false;
  bool vivant = true;  // not yet deleted by its creator
  int selections = 0;  // contexts holding it selected

  // pen and brush
  std::int16_t largeur = 1;
  Couleur couleur = 0;
  bool vide = false;  // the null brush

  // font; the sized cairo font is made on first use
  internal::DescriptionFonte fonte;
  std::shared_ptr<const internal::Police> police;

  // bitmap; the pixels are made on first use, black
  std::int32_t l = 0, h = 0;
  internal::SurfacePtr surface;
};

namespace internal {

// Null unless o is a live object of this layer (deleted ones included while
// still selected, when vivantseul is false).
Objet connu(Objet o, bool vivantseul = true);
void retiens(Objet o);  // one more context holds o
void relache(Objet o);  // one context fewer; frees o when nothing holds it
Objet nouveaubitmap(std::int32_t largeur, std::int32_t hauteur);  // owned by no creator
const Police& policede(Objet fonte);  // sized font of a font object (made on first use)
cairo_surface_t* surfacede(Objet bitmap);  // pixels of a bitmap (made on first use)

}  // namespace internal
}  // namespace tavlo
