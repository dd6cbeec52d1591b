// CheminFichier: a file path split into drive, directory, name and extension,
// and path texts rebuilt from a choice of those parts. The parts are named by
// letters: U drive, R directory, F name, X extension.
//
//   CheminFichier c;
//   c.decoupe("c:\\Jeux\\x.TXT");  // unite "C:", repertoire "/Jeux/",
//                                  // fichier "x", extension ".TXT"
//   Chaine nom;
//   c.compose("FX", nom);          // "x.TXT"
//
// Inside a CheminFichier slashes are always forward slashes.
#pragma once

#include "text/chaine.h"

namespace tavlo {

struct CheminFichier {
  // Up to and including the first ":", in capitals; "" without a colon. A
  // longer drive part than the field holds keeps only its first 7 bytes.
  char unite[8] = {};
  Chaine repertoire;  // after the drive, up to and including the last "/"
  Chaine fichier;     // the rest before its first ".", trimmed of spaces
  Chaine extension;   // "." and all after that first dot; "" without one

  void decoupe(const char* chemin);
  // cible becomes the parts named in selection (letters in any case, spaces
  // and other characters ignored), in that order, with one separator between.
  void compose(const char* selection, Chaine& cible) const;
};

}  // namespace tavlo
