// Internal to tavlo::platform: fonts with their Windows meaning on top of
// fontconfig, FreeType and cairo. A font request names a family, a cell
// height (ascent plus descent of the face's OS/2 Windows metrics) and an
// average character width; the result is a cairo scaled font sized so that
// those two come out in pixels, with its baseline. Resolved faces and sized
// fonts are cached here: making a scaled font costs far more than reusing one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/internal/cairo.h"

namespace tavlo::internal {

struct DescriptionFonte {
  std::int16_t hauteur = 0;  // cell height; negative: em height; 0: default
  std::int16_t largeur = 0;  // average character width; 0: natural
  std::int16_t escapement = 0;
  std::int16_t poids = 0;
  bool italique = false;
  std::string face;
};

// What a face measures in its own units (the Windows view of it).
struct MetriquesFace {
  int upem = 2048;
  int ascent = 0;   // usWinAscent
  int descent = 0;  // usWinDescent
  int moyenne = 0;  // average width of a Western text, as Windows reports it
  std::string famille;  // the family fontconfig chose
};

// A face at one size. The scaled font has an identity device matrix; a
// rotated text draws it under a rotated context.
struct Police {
  FonteCairoPtr fonte;
  double hauteur = 0;  // cell height in pixels
  double ascent = 0;   // baseline below the top of the cell, in pixels
  MetriquesFace face;
};

// The font for a description, from the cache (escapement plays no part).
// Never null: a family that cannot be found gives fontconfig's fallback.
std::shared_ptr<const Police> police(const DescriptionFonte& d);
// The same without either cache (face matching included), for measuring
// what the caches save.
std::shared_ptr<const Police> creepolice(const DescriptionFonte& d);

std::size_t taillecachepolices();
void videcachepolices();  // drops every cached face and font not in use

}  // namespace tavlo::internal
