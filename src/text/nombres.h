// Numbers and dates: numbers turned into short texts and read back, the small
// arithmetic that coordinates and ranges use everywhere, and the build date.
//
// The number-to-text functions write into one shared ring of 150 bytes and
// return a pointer into it. The text stays valid only until the ring wraps,
// which can happen after a handful of further conversions: use or copy it at
// once, typically by handing it straight to a Chaine or ListeChaines call.
//
//   Chaine titre;
//   titre.affecte2("Grille ", texteentier(n));  // copied before any other conversion
#pragma once

#include <cstdint>

#include "text/chaine.h"
#include "text/point.h"

namespace tavlo {

// ---- Number to text (pointers into the ring) ----
const char* texteentier(std::int32_t n);
// Zero-padded in front (before any sign) to the width, then cut to its last
// `largeur` bytes: (7, 2) gives "07", (2021, 2) gives "21", (-5, 3) gives "0-5".
// Widths above 11 count as 11, the longest decimal int32; negative ones as 0.
const char* texteentierzero(std::int32_t n, std::int16_t largeur);
const char* textereel(float x);  // "%f": fixed notation, six decimals
const char* textecar(char c);    // one-byte text; the zero byte gives ""

// ---- Text to number ----
// Takes the first comma field out of the buffer (as Chaine::extraitchamp) and
// reads it: spaces trimmed, each leading "-" flips the sign, then decimal digits
// up to the first other byte. No digits give 0; there is no "+". Values beyond
// the 32-bit range saturate.
std::int32_t entier(char* texte);

// ---- Arithmetic ----
constexpr std::int32_t maxi(std::int32_t a, std::int32_t b) { return a > b ? a : b; }
constexpr std::int32_t mini(std::int32_t a, std::int32_t b) { return a < b ? a : b; }
constexpr std::int32_t maxi3(std::int32_t a, std::int32_t b, std::int32_t c) {
  return maxi(maxi(a, b), c);
}
constexpr bool entre(std::int32_t a, std::int32_t lo, std::int32_t hi) {
  return lo <= a && a <= hi;
}
constexpr bool entre2(std::int32_t a, std::int32_t lo1, std::int32_t hi1, std::int32_t lo2,
                      std::int32_t hi2) {
  return entre(a, lo1, hi1) || entre(a, lo2, hi2);
}
// lo when a is below lo, then hi when above hi (hi wins if lo > hi).
constexpr std::int32_t borne(std::int32_t a, std::int32_t lo, std::int32_t hi) {
  const std::int32_t b = a < lo ? lo : a;
  return b > hi ? hi : b;
}
// Wraps a into lo..hi by whole periods of hi - lo + 1: boucle(7, 1, 6) is 1 and
// boucle(0, 1, 6) is 6. An empty range (hi < lo) leaves a unchanged.
std::int32_t boucle(std::int32_t a, std::int32_t lo, std::int32_t hi);
// |x1 - x2| + |y1 - y2|
std::int32_t distance(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
// Nearest integer, halves away from zero; out-of-range values saturate, NaN gives 0.
std::int16_t arrondi(float x);
float radians(float degres);
// points[i] = (x, y) + decalages[i] for i < n. The two arrays may be the same.
void decale(const Point* decalages, Point* points, std::int16_t n, std::int16_t x,
            std::int16_t y);
// resultat[i] = points[i] with y negated, for i < n. The two arrays may be the same.
void miroir(const Point* points, Point* resultat, std::int16_t n);

// ---- Zero tests ----
constexpr bool non(std::int32_t v) { return v == 0; }
constexpr bool oui(std::int32_t v) { return v != 0; }
// The same tests on the low 16 bits only, as a 16-bit variable would hold them.
constexpr bool non16(std::int32_t v) { return static_cast<std::int16_t>(v) == 0; }
constexpr bool oui16(std::int32_t v) { return !non16(v); }
constexpr bool egal16(std::int32_t a, std::int32_t b) {
  return static_cast<std::int16_t>(a) == static_cast<std::int16_t>(b);
}

// ---- Build date ----
// "YYYYMMDD" from a compiler date text such as "Feb  3 2021" (English month
// abbreviation, day padded with a space). An unknown month gives month 00.
Chaine convertitdate(const char* datebuild);
// The date this library was compiled, converted once on first use.
const char* datecompilation();

}  // namespace tavlo
