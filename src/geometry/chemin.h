// Chemin: a path on the triangular lattice from the origin, held as the
// number of steps in each of the six directions A..F, and the text that names
// the point it reaches. Normalisation cancels opposite steps and merges steps
// 120 degrees apart (A + C = B) until nothing changes, which leaves at most
// two non-zero counts in adjacent directions: one canonical path per point,
// whatever the order in which the steps were written.
//
//   Chemin c;                  // derives from Gabarit: radius 30, angle 0
//   c.fixe(40, 0);
//   c.fixetexte("A3B");        // A = 3, B = 1
//   c.x();                     // 3 * 40 + 20 = 140
//   c.texteetendu();           // "AAAB"
//   c.textecompact();          // "A3B"
//
// Text grammar, read from the left: a letter A..F takes one step in that
// direction and makes it current; a digit 1..9 after it adds digit - 1 more
// steps in the current direction ("A3" is three steps A); any other byte,
// ":" and "0" included, ends the path. Texts are upper case.
#pragma once

#include <cstdint>

#include "geometry/gabarit.h"
#include "text/chaine.h"

namespace tavlo {

class Chemin : public Gabarit {
public:
  Chemin();  // the origin

  // The origin: all counts 0, all flags clear.
  void efface();
  // Reads t by the grammar above (null reads as the origin); sets the parsed
  // flag and clears the others.
  void fixetexte(const char* t);
  // Sets one count directly (k modulo 6); clears all flags.
  void fixecompte(int k, std::uint16_t n);
  std::uint16_t compte(int k) const;  // k modulo 6

  // Brings the counts to canonical form (no-op when already there).
  void normalise();

  // Canonical texts of the point, cached until the counts change; the
  // pointer stays valid until the next call that changes this Chemin.
  // Expanded: each letter repeated ("AAAB"). Compact: a letter alone for one
  // step, letter and digit for 2 to 9, longer runs in chunks of 9 ("A9A3").
  // The origin is "" in both.
  const char* texteetendu();
  const char* textecompact();

  // End point of the path: the sum of the steps' vertex offsets.
  std::int16_t x() const;
  std::int16_t y() const;
  // Centre of the triangle at the end point: up (centre, A, B) when haut is
  // set, down (centre, A, F) otherwise.
  std::int16_t xcase(bool haut) const { return static_cast<std::int16_t>(x() + xcentre(haut)); }
  std::int16_t ycase(bool haut) const { return static_cast<std::int16_t>(y() + ycentre(haut)); }

  bool estlu() const { return lu_ != 0; }
  bool estnormal() const { return normal_ != 0; }
  bool estetendu() const { return etendu_ != 0; }
  bool estcompact() const { return compact_ != 0; }

private:
  void ecrit(bool enchiffres);  // fills texte_ from the counts

  std::uint16_t comptes_[6];
  Chaine texte_;
  std::uint8_t lu_;
  std::uint8_t normal_;
  std::uint8_t etendu_;
  std::uint8_t compact_;
};

}  // namespace tavlo
