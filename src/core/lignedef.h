// LigneDef: one line of a grid definition, read case-insensitively. A line
// names the centre of a complete group ("X" + path), a cell (path + marker),
// or both; a cell marker "W" (up) or "V" (down) carries a value letter, a
// flags letter and an optional "%" level tag.
//
//   LigneDef d;
//   d.lit("A2bWQJ%90");   // up cell at vertex AAB: value 2, tag 90
//   d.lit("xa");          // group centred one step A away
//   d.lit("C:AF");        // down cell at vertex C, no value
//
// Value letters: P..U give 1..6, J..O give 1..6 with formevaleur set, any
// other letter gives no value. Spaces may surround the marker and the "%".
// The inherited Chemin holds the steps of the path, ready for its canonical
// texts.
#pragma once

#include <cstdint>

#include "geometry/chemin.h"
#include "text/chaine.h"

namespace tavlo {

class LigneDef : public Chemin {
public:
  // Steps allowed in one direction of a path. Longer paths reach points whose
  // 16-bit pixel positions would wrap at the largest cell size; a line with
  // one names nothing.
  static constexpr int PASMAXI = 200;

  // Reads one line; returns whether it names a group or a cell. Any text,
  // null included, is accepted.
  bool lit(const char* ligne);

  Chaine texte;                 // the path part, upper case
  std::int16_t val = 0;         // 1..6, 0 when none
  std::int16_t niv = 0;         // level tag, 0 when none
  std::int16_t drapeaux = 0;    // flags letter minus "J": bit 0 given, bit 1 placed
  std::uint8_t groupe = 0;      // names a group centre
  std::uint8_t cellule = 0;     // names a cell
  std::uint8_t formevaleur = 0; // value letter in J..O
  std::uint8_t haut = 0;        // up triangle (":AB"), else down (":AF")
};

}  // namespace tavlo
