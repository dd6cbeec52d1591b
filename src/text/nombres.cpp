// Numbers to and from text, small arithmetic, the build date.
#include "text/nombres.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "text/texte.h"

namespace tavlo {

namespace {

// The shared ring of short number texts.
constexpr std::size_t tailleanneau = 150;
char anneau[tailleanneau];
std::size_t suivant = 0;

// Writes texte into the ring after reserving room for it. The reserve is the
// longest result its function normally gives; a longer text (a huge float)
// takes its real size so that nothing ever runs past the ring.
const char* range(const char* texte, std::size_t reserve) {
  const std::size_t l = std::strlen(texte);
  if (reserve < l + 1) reserve = l + 1;
  if (suivant == 0 || suivant + reserve + 1 > tailleanneau) suivant = 0;
  char* p = anneau + suivant;
  std::memcpy(p, texte, l + 1);
  suivant += l + 1;
  return p;
}

constexpr std::int32_t largeurmax = 11;  // "-2147483648"

}  // namespace

const char* texteentier(std::int32_t n) {
  char tampon[16];
  std::snprintf(tampon, sizeof tampon, "%ld", static_cast<long>(n));
  return range(tampon, 16);
}

const char* texteentierzero(std::int32_t n, std::int16_t largeur) {
  const std::size_t w = static_cast<std::size_t>(borne(largeur, 0, largeurmax));
  char nombre[16];
  std::snprintf(nombre, sizeof nombre, "%ld", static_cast<long>(n));
  const std::size_t l = std::strlen(nombre);
  char tampon[16];
  if (l < w) {
    std::memset(tampon, '0', w - l);
    std::memcpy(tampon + (w - l), nombre, l + 1);
  } else {
    std::memcpy(tampon, nombre + (l - w), w + 1);
  }
  return range(tampon, 12);
}

const char* textereel(float x) {
  char tampon[64];  // FLT_MAX in "%f" is 46 bytes
  std::snprintf(tampon, sizeof tampon, "%f", static_cast<double>(x));
  return range(tampon, 21);
}

const char* textecar(char c) {
  const char tampon[2] = {c, 0};
  return range(tampon, 3);
}

std::int32_t entier(char* texte) {
  Chaine champ;
  champ.extraitchamp(texte);
  const char* s = champ.texte();
  bool negatif = false;
  for (;;) {
    while (*s == ' ') ++s;
    if (*s != '-') break;
    negatif = !negatif;
    ++s;
  }
  // Saturate just past the int32 range so that "-2147483648" still reads exactly.
  constexpr std::int64_t plafond = std::int64_t{1} << 31;
  std::int64_t v = 0;
  for (; estchiffre(*s); ++s) {
    v = v * 10 + (*s - '0');
    if (v > plafond) v = plafond;
  }
  if (negatif) v = -v;
  if (v > std::numeric_limits<std::int32_t>::max()) v = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(v);
}

std::int32_t boucle(std::int32_t a, std::int32_t lo, std::int32_t hi) {
  if (hi < lo) return a;
  // A remainder instead of repeated steps: same result, bounded time.
  const std::int64_t periode = std::int64_t{hi} - lo + 1;
  std::int64_t d = (std::int64_t{a} - lo) % periode;
  if (d < 0) d += periode;
  return static_cast<std::int32_t>(lo + d);
}

std::int32_t distance(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  const std::int64_t d = std::llabs(std::int64_t{x1} - x2) + std::llabs(std::int64_t{y1} - y2);
  return static_cast<std::int32_t>(d);
}

std::int16_t arrondi(float x) {
  if (std::isnan(x)) return 0;
  const float r = std::round(x);
  if (r >= 32767.0f) return 32767;
  if (r <= -32768.0f) return -32768;
  return static_cast<std::int16_t>(r);
}

float radians(float degres) {
  return static_cast<float>(static_cast<double>(degres) * 3.14159265358979323846 / 180.0);
}

void decale(const Point* decalages, Point* points, std::int16_t n, std::int16_t x,
            std::int16_t y) {
  for (std::int16_t i = 0; i < n; ++i) {
    points[i] = Point{static_cast<std::int32_t>(std::int64_t{x} + decalages[i].x),
                      static_cast<std::int32_t>(std::int64_t{y} + decalages[i].y)};
  }
}

void miroir(const Point* points, Point* resultat, std::int16_t n) {
  for (std::int16_t i = 0; i < n; ++i) {
    resultat[i] = Point{points[i].x, static_cast<std::int32_t>(-std::int64_t{points[i].y})};
  }
}

Chaine convertitdate(const char* datebuild) {
  Chaine date(datebuild);
  changecar(date.texte(), ' ', ',');
  while (contient(date.texte(), ",,")) date.remplace(",,", ",");

  Chaine mois;
  mois.extraitchampmaj(date.texte());
  char noms[] = "jan,feb,mar,apr,may,jun,jul,aug,sep,oct,nov,dec";
  std::int32_t numero = 0;
  Chaine nom;
  for (std::int32_t k = 1; nonvidetexte(noms); ++k) {
    nom.extraitchamp(noms);
    if (nom.egale(mois.texte())) {
      numero = k;
      break;
    }
  }
  const std::int32_t jour = entier(date.texte());
  const std::int32_t annee = entier(date.texte());

  // One conversion at a time, each copied before the next reuses the ring.
  Chaine resultat;
  resultat.affecte(texteentierzero(annee, 4));
  resultat.ajoute(texteentierzero(numero, 2));
  resultat.ajoute(texteentierzero(jour, 2));
  return resultat;
}

const char* datecompilation() {
  static const Chaine date = convertitdate(__DATE__);
  return date.texte();
}

}  // namespace tavlo
