// Text utilities: free functions on plain zero-terminated 8-bit texts
// (Windows-1252), used on the buffer of a Chaine or on fixed char arrays.
// Searching, comparing, in-place editing, comma fields, character tests and
// byte translation tables. None of them allocates; the editing functions only
// ever shorten a text or change bytes within it, except remplacedans and the
// assemble family, which write into a buffer the caller sized.
//
//   char ligne[] = "  Lng=1";
//   if (oteprefixe(ligne, "lng="))   // true; ligne is now "1"
//     ...
//
// Positions are 1-based and 0 means "not found". Ignoring case folds a-z only;
// accented letters are never folded. "Spaces" means byte 32 only. Counts passed
// in are 16-bit and a negative count counts as zero. A null text reads as "" and
// an in-place edit of a null text does nothing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tavlo {

// Length and emptiness
std::size_t longueurtexte(const char* s);
void videtexte(char* s);
bool estvidetexte(const char* s);
bool nonvidetexte(const char* s);

// Searching and comparing. Positions are returned as int because a text read
// from a file may be longer than a 16-bit position can reach.
int position(const char* texte, const char* motif);     // exact bytes
int positionmaj(const char* texte, const char* motif);  // ignoring case
int derniere(const char* texte, char c);
bool contient(const char* texte, const char* motif);
bool contientmaj(const char* texte, const char* motif);
// After the text's leading spaces, ignoring case; an empty prefix always matches.
bool commence(const char* texte, const char* prefixe);
// Ignoring case; an empty suffix never matches.
bool finit(const char* texte, const char* suffixe);
bool egalemaj(const char* a, const char* b);
// 0 when equal ignoring case, 1 when a sorts after b, 2 when a sorts before b.
// Folded bytes compare as unsigned values and a proper prefix comes first.
int compare(const char* a, const char* b);

// In-place editing
void otespacesdebut(char* s);
void otespacesfin(char* s);
void otespaces(char* s);  // both ends
void supprimedebut(char* s, std::int16_t n);
void supprimefin(char* s, std::int16_t n);
void tronque(char* s, std::int16_t n);
void otecar(char* s, char c);
void changecar(char* s, char c1, char c2);
// Each byte found in source becomes the byte at the same place in cible; only
// the first min(len source, len cible) bytes of each set take part.
void traduit(char* s, const char* source, const char* cible);
void majuscules(char* s);
void inverse(char* s);
void inverseplage(char* s, std::int16_t a, std::int16_t b);  // 1-based, inclusive
void triecar(char* s);  // bytes as signed values: accented letters come first
// Deletes everything up to and including the n-th comma.
void otechamps(char* s, std::int16_t n);
// When commence(s, prefixe) holds for a non-empty prefix: drops the leading
// spaces, the prefix and the spaces after it, and returns true.
bool oteprefixe(char* s, const char* prefixe);

// Replacing inside a buffer. Replaces up to n occurrences (found ignoring case),
// each search resuming after the text just inserted, so a replacement that
// contains the pattern is not replaced again. remplacedans may grow the text:
// the buffer must have room. remplacesur does nothing when the replacement is
// longer than the pattern, so it is safe on any buffer. The replacement must
// not point into the buffer.
void remplacedans(char* tampon, std::int16_t n, const char* motif, const char* remplacement);
void remplacesur(char* tampon, std::int16_t n, const char* motif, const char* remplacement);

// The buffer receives the concatenation. Its size is not checked. The first
// text may be the buffer itself (appending); the others must not point into it.
void assemble2(char* tampon, const char* a, const char* b);
void assemble3(char* tampon, const char* a, const char* b, const char* c);
void assemble4(char* tampon, const char* a, const char* b, const char* c, const char* d);
void assemble5(char* tampon, const char* a, const char* b, const char* c, const char* d,
               const char* e);

// Character tests
bool estchiffre(char c);
// True when c lies within one of the byte pairs of plages ("AZaz09"), bytes
// compared as signed values.
bool dansplages(char c, const char* plages);
bool esthexa(char c);        // 0-9, A-F, a-f
bool esthexalettre(char c);  // A-F, a-f
char majuscule(char c);      // a-z to A-Z, every other byte unchanged

// Byte translation tables. Entry 0 is a flag, set when a pair defined by
// tabledefinit involved a control byte (below 32); entry b + 1 holds the
// replacement of byte value b.
using TableCar = std::array<unsigned char, 257>;
void tableidentite(TableCar& table);
// Maps the k-th byte of source onto the k-th byte of cible. Does nothing when
// source is empty or the two texts differ in length.
void tabledefinit(TableCar& table, const char* source, const char* cible);
void tableapplique(const TableCar& table, char* s);

}  // namespace tavlo
