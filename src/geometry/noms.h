// Lattice names: the texts that name points ("AAB") and triangles ("AAB:AF")
// of the lattice, and what can be done to them without a Chemin.
//
//   char nom[] = "C:AF";
//   tourne(nom);              // "D:BA": the same triangle turned by 60 degrees
//   doublees("AAB");          // {5, 1}
#pragma once

#include <cstdint>

namespace tavlo {

// Turns the named point or triangle by 60 degrees counter-clockwise about the
// origin, in place: every letter A..E (either case) becomes the next capital,
// F or f becomes A; other bytes stay. Null is accepted. The result is not
// canonical (":AB" becomes ":BC").
void tourne(char* texte);

// Doubled lattice coordinates: A is (2, 0), B (1, 1), C (-1, 1), D (-2, 0),
// E (-1, -1), F (1, -1). Two paths reach the same point exactly when their
// doubled coordinates are equal, which makes them the integer key of a point
// for rows, columns and comparisons.
struct Doublees {
  std::int16_t x;
  std::int16_t y;
  friend bool operator==(const Doublees&, const Doublees&) = default;
};

// The doubled coordinates of the point a name reaches; the name is read by
// the path grammar of Chemin, so the vertex part of a cell name ends at ":"
// and expanded and compact names give the same result.
Doublees doublees(const char* nom);

}  // namespace tavlo
