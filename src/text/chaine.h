// Chaine: the one text type of the program. It owns one zero-terminated 8-bit
// (Windows-1252) heap buffer and nothing else: no length, no capacity. A live
// Chaine never holds a null pointer; the empty text is a one-byte buffer.
//
//   Chaine c;                  // ""
//   c.affecte2("Grid ", "3");  // "Grid 3"
//   c.numerote("L#", 12);      // "L12"
//
// Most operations build the whole new text in a fresh buffer and only then free
// the old one, so their arguments may point into the target's own text. vide,
// repete, preleve and extraitchamp(maj) do not promise this: their arguments
// must not point into the target.
// Counts are 16-bit; a negative count counts as zero.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavlo {

// Heap texts handed between Chaine, ListeChaines and their callers all come
// from these two, so that any of them may adopt (prend) or free another's.
char* nouveautexte(std::size_t octets);  // uninitialised buffer of that many bytes
void liberetexte(char* p);               // null-safe
char* copietexte(const char* s);         // fresh copy; null gives ""

class Chaine {
public:
  Chaine();
  explicit Chaine(const char* s);
  Chaine(const Chaine& autre);
  Chaine& operator=(const Chaine& autre);
  ~Chaine();

  void vide();
  void affecte(const char* s);
  void affecte2(const char* a, const char* b);
  void affecte3(const char* a, const char* b, const char* c);
  void ajoute(const char* s);
  void ajoute2(const char* a, const char* b);
  void ajoute3(const char* a, const char* b, const char* c);
  void prend(char* p);  // adopts p (from nouveautexte/copietexte), no copy

  const char* texte() const { return p_; }
  char* texte() { return p_; }  // may be edited in place by the text utilities

  int longueur() const;
  bool estvide() const { return p_[0] == 0; }
  bool nonvide() const { return p_[0] != 0; }
  bool egale(const char* s) const;  // ignoring case (a-z only)

  void remplace(const char* motif, const char* remplacement);
  void remplace1(const char* motif, const char* remplacement);
  void numerote(const char* modele, std::int16_t n);
  void numerote2(const char* modele, std::int16_t n1, std::int16_t n2);
  void repete(std::int16_t n, const char* s);
  void plage(unsigned char c1, unsigned char c2);
  void completea(std::int16_t largeur);
  void agrandit(std::int16_t n);
  void preleve(char* source, std::int16_t n);
  void extraitchamp(char* source);
  void extraitchampmaj(char* source);

private:
  void remet(char* neuf);  // frees the old buffer, keeps neuf
  char* p_;
};

}  // namespace tavlo
