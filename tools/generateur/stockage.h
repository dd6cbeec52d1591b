// The stored form of a built-in grid: a few lines of comma-separated tokens.
// A token "%T" sets the level suffix T for the rest of its line ("%0" clears
// it), a token "#..." is a note, and any other token followed by the suffix
// is one definition line. Every line starts with no suffix.
//
//   "XA2,%95,AWPJ,BVQJ"  ->  "XA2", "AWPJ%95", "BVQJ%95"
#pragma once

#include <string>
#include <vector>

namespace tavlo::generation {

// Longest stored line written: the program's store refuses 152 bytes and
// more, and one byte is kept in hand.
inline constexpr int LONGUEURMAX = 150;

struct Jeton {
  std::string texte;
  int niveau = 0;  // the level tag the token needs, 0 for none
};

// Packs the tokens, in order, into exactly nblignes lines of at most
// LONGUEURMAX bytes, as even in length as the tokens allow, adding the
// suffix tokens each line needs. False when they do not fit, or when there
// are fewer tokens than lines.
bool emballe(const std::vector<Jeton>& jetons, int nblignes, std::vector<std::string>& lignes);

// The definition lines that stored lines stand for.
std::vector<std::string> definitions(const std::vector<std::string>& stockees);

}  // namespace tavlo::generation
