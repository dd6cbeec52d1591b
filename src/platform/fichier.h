// File access: the one place where the program touches files. Every file is
// plain 8-bit text opened in binary mode; this layer handles line ends itself,
// so a file reads the same whatever editor wrote it. Paths are used as passed.
//
//   Fichier f;
//   bool fin;
//   if (ouvrelecture("tavlo.txt", f, fin))
//     while (!fin) {
//       lireligne(f, ligne, fin);
//       if (ligne.nonvide()) ...;
//     }
//
// Nothing here reports errors other than by its result: a file that cannot be
// opened reads as nothing and takes no writes.
#pragma once

#include <cstdint>
#include <cstdio>

#include "text/chaine.h"
#include "text/listechaines.h"

namespace tavlo {

// Owns one open C file, or none. Closed by ferme() or by the destructor.
class Fichier {
public:
  Fichier() = default;
  explicit Fichier(std::FILE* flux) : flux_(flux) {}
  Fichier(Fichier&& autre) noexcept;
  Fichier& operator=(Fichier&& autre) noexcept;
  Fichier(const Fichier&) = delete;
  Fichier& operator=(const Fichier&) = delete;
  ~Fichier();

  bool ouvert() const { return flux_ != nullptr; }
  void ferme();  // safe to repeat
  std::FILE* flux() const { return flux_; }

private:
  std::FILE* flux_ = nullptr;
};

// Each opener first closes whatever f held. The result says whether it opened.
bool ouvrelecture(const char* chemin, Fichier& f, bool& fin);  // fin = false
bool ouvreajout(const char* chemin, Fichier& f);     // created when absent
bool ouvreecriture(const char* chemin, Fichier& f);  // created or emptied

// Next line, without its line end (CR, LF, CR LF or LF CR) and trailing spaces.
// The end of the file before any byte of a line gives "" and sets fin; a last
// line without a line end is returned first and the flag set on the next call.
// A closed handle gives "" with fin set.
void lireligne(Fichier& f, Chaine& cible, bool& fin);
void ecrisligne(Fichier& f, const char* texte);  // the bytes, then CR LF

bool existe(const char* chemin);  // a file that can be opened for reading
bool supprimefichier(const char* chemin);
// Replaces an existing destination. Unreported: callers test with existe.
void copiefichier(const char* source, const char* destination);
// True at once when there is no such file; otherwise waits delai ms (when
// above 0), removes it and tells whether it is gone.
bool effaceapres(const char* chemin, std::int16_t delai);

// Appends each non-empty line of the file; false when it could not be opened.
bool charge(ListeChaines& liste, const char* chemin);
// One line per item, each ended by CR LF. Writes nothing if it cannot create.
void sauve(const ListeChaines& liste, const char* chemin);

}  // namespace tavlo
