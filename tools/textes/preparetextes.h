// The stored-texts build step: reads the UTF-8 data files of the program,
// turns each line into Windows-1252, checks that it fits the unscrambling
// buffer, and writes the lines scrambled as a C++ source the game links.
// Used by the tavlo-textes tool and by its tests; not linked into the game.
//
//   TexteSource t;
//   std::string erreur;
//   if (!litsource("data/catalogue.txt", t, erreur)) { std::cerr << erreur; ... }
//   std::string cpp = source("grilles", {t});
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo::preparation {

// Longest line, in Windows-1252 bytes: debrouille works in a 152-byte buffer
// that also holds the terminating zero.
constexpr std::size_t LONGUEURMAX = 151;
// Line counts are 16-bit in the game.
constexpr std::size_t LIGNESMAX = 32767;

// Appends the Windows-1252 form of utf8 to cible. On failure returns false,
// with colonne the 1-based byte position of the offending sequence in utf8
// and raison saying what is wrong; cible then holds the bytes before it.
// Refused: malformed UTF-8, U+0000 (it would end the text), and every code
// point without a Windows-1252 byte (C1 controls included).
bool utf8verscp1252(std::string_view utf8, std::string& cible, std::size_t& colonne,
                    std::string& raison);

// The lines of a file's content: each ends at LF (a CR before it is
// dropped), a final line end does not start an empty line, and a leading
// UTF-8 byte order mark is skipped. Every other byte is kept, empty lines
// and spaces included.
std::vector<std::string> decoupe(std::string_view contenu);

struct TexteSource {
  std::string nom;                  // file name without directory and last extension
  std::vector<std::string> lignes;  // plain, Windows-1252
};

// Reads, splits and converts one data file. On failure returns false and
// erreur reads "path:line:column: error: ..." (line 0 when the file itself
// is the problem).
bool litsource(const std::string& chemin, TexteSource& cible, std::string& erreur);

// A symbol is usable when it is a C++ identifier.
bool estsymbole(std::string_view s);

// The generated header declares `extern const tavlo::RecueilTextes <symbole>`
// in namespace tavlo::textes; the source defines it, every line scrambled by
// brouille. The texts keep the order given.
std::string entete(const std::string& symbole);
std::string source(const std::string& symbole, const std::vector<TexteSource>& textes);

}  // namespace tavlo::preparation
